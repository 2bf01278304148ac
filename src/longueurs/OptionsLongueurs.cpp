#include "longueurs/OptionsLongueurs.h"

#include "nec/OptionsNec.h"
#include "regles/Commande.h"
#include "regles/Erreurs.h"
#include "regles/TextesCommande.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <functional>

namespace Longueurs {

namespace {

struct OptionLongueurs {
    QString nom;    // without its dashes
    QString valeur; // the value's name in the help
    QString description;
    std::function<QString(const Demande &)> defaut;
    std::function<void(Demande &, const QString &option, const QString &texte)> lit;
};

Branches &branches(Demande &d)
{
    if (!d.branches)
        d.branches = Branches{};
    return *d.branches;
}

// Every option of the search, read in this order. Built at each call: its
// help is translated when it is said.
std::vector<OptionLongueurs> table()
{
    return [] {
        const auto nombre = [](auto v) { return QString::number(v); };
        QStringList regles;
        for (const char *n : NomsRegles)
            regles << QString::fromLatin1(n);
        const Branches b;
        return std::vector<OptionLongueurs>{
            {QStringLiteral("echelle-min"), QStringLiteral("CM"), Textes::AideEchelleMin(),
             [nombre](const Demande &d) { return nombre(d.parametres.echelleMinCm); },
             [](Demande &d, const QString &o, const QString &t) {
                 d.parametres.echelleMinCm = Nec::entierOption(o, t);
             }},
            {QStringLiteral("echelle-max"), QStringLiteral("CM"), Textes::AideEchelleMax(),
             [nombre](const Demande &d) { return nombre(d.parametres.echelleMaxCm); },
             [](Demande &d, const QString &o, const QString &t) {
                 d.parametres.echelleMaxCm = Nec::entierOption(o, t);
             }},
            {QStringLiteral("tolerance"), QCoreApplication::translate("Commande", "POURCENT"),
             Textes::AideTolerance(),
             [](const Demande &d) { return Nec::texte(d.parametres.tolerancePct); },
             [](Demande &d, const QString &o, const QString &t) {
                 d.parametres.tolerancePct = Nec::reelOption(o, t);
             }},
            {QStringLiteral("branche-min"), QStringLiteral("CM"), Textes::AideBrancheMin(),
             [nombre, b](const Demande &) { return nombre(b.minCm); },
             [](Demande &d, const QString &o, const QString &t) {
                 branches(d).minCm = Nec::entierOption(o, t);
             }},
            {QStringLiteral("branche-max"), QStringLiteral("CM"), Textes::AideBrancheMax(),
             [nombre, b](const Demande &) { return nombre(b.maxCm); },
             [](Demande &d, const QString &o, const QString &t) {
                 branches(d).maxCm = Nec::entierOption(o, t);
             }},
            {QStringLiteral("pas"), QStringLiteral("CM"), Textes::AidePas(),
             [nombre, b](const Demande &) { return nombre(b.pasCm); },
             [](Demande &d, const QString &o, const QString &t) {
                 branches(d).pasCm = Nec::entierOption(o, t);
             }},
            {QStringLiteral("regle"), QCoreApplication::translate("Commande", "REGLE"),
             Textes::AideRegle().arg(Commande::enumeration(regles)),
             [regles](const Demande &d) { return regles[static_cast<int>(d.parametres.regle)]; },
             [regles](Demande &d, const QString &o, const QString &t) {
                 for (qsizetype i = 0; i < regles.size(); ++i)
                     if (regles[i].compare(t, Qt::CaseInsensitive) == 0) {
                         d.parametres.regle = static_cast<Regle>(i);
                         return;
                     }
                 Nec::valeurIncorrecte(o, t);
             }},
            {QStringLiteral("nombre"), QStringLiteral("N"), Textes::AideNombre(),
             [nombre](const Demande &d) { return nombre(d.nombre); },
             [](Demande &d, const QString &o, const QString &t) {
                 d.nombre = Nec::entierOption(o, t);
                 if (d.nombre < 1)
                     leveErreur(Textes::LongueursNombre());
             }},
        };
    }();
}

} // namespace

QCommandLineOption optionLongueurs()
{
    return QCommandLineOption(QStringLiteral("longueurs"), Textes::AideOptionLongueurs());
}

QList<QCommandLineOption> optionsLongueurs()
{
    const Demande defaut;
    QList<QCommandLineOption> r;
    for (const OptionLongueurs &o : table())
        r << QCommandLineOption(o.nom, Textes::AideDefaut().arg(o.description, o.defaut(defaut)),
                                o.valeur);
    return r;
}

QString optionLongueursDonnee(const QCommandLineParser &parseur)
{
    for (const OptionLongueurs &o : table())
        if (parseur.isSet(o.nom))
            return QStringLiteral("--") + o.nom;
    return {};
}

Demande demande(const QCommandLineParser &parseur)
{
    Demande d;
    d.nec = Nec::demande(parseur);
    for (const OptionLongueurs &o : table())
        if (parseur.isSet(o.nom))
            o.lit(d, QStringLiteral("--") + o.nom, parseur.value(o.nom));
    valide(d.parametres);
    if (d.branches)
        valide(*d.branches);
    return d;
}

} // namespace Longueurs
