#include "commande/CommandeLongueurs.h"

#include "commande/Ouverture.h"
#include "nec/CacheResultats.h"
#include "nec/Interruption.h"
#include "nec/Modele.h"
#include "nec/Moteur.h"
#include "nec/Nombres.h"
#include "nec/Parallele.h"
#include "regles/Erreurs.h"
#include "regles/TextesCommande.h"
#include "regles/TextesLigne.h"
#include "regles/TextesLongueurs.h"
#include "regles/TextesMoteur.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
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
                 d.parametres.echelleMinCm =
                     Nec::entierOption(o, t, Defauts::PlageEchelleCm, Textes::AttenduCentimetres());
             }},
            {QStringLiteral("echelle-max"), QStringLiteral("CM"), Textes::AideEchelleMax(),
             [nombre](const Demande &d) { return nombre(d.parametres.echelleMaxCm); },
             [](Demande &d, const QString &o, const QString &t) {
                 d.parametres.echelleMaxCm =
                     Nec::entierOption(o, t, Defauts::PlageEchelleCm, Textes::AttenduCentimetres());
             }},
            {QStringLiteral("tolerance"), QCoreApplication::translate("Commande", "POURCENT"),
             Textes::AideTolerance(),
             [](const Demande &d) { return Nec::texte(d.parametres.tolerancePct); },
             [](Demande &d, const QString &o, const QString &t) {
                 d.parametres.tolerancePct = Nec::reelOption(o, t);
             }},
            {QStringLiteral("tolerance-echelle"),
             QCoreApplication::translate("Commande", "POURCENT"), Textes::AideToleranceEchelle(),
             [](const Demande &d) { return Nec::texte(d.parametres.toleranceEchellePct); },
             [](Demande &d, const QString &o, const QString &t) {
                 d.parametres.toleranceEchellePct = Nec::reelOption(o, t);
             }},
            {QStringLiteral("largeur-min"), QStringLiteral("CM"), Textes::AideLargeurMin(),
             [nombre](const Demande &d) { return nombre(d.parametres.largeurMinCm); },
             [](Demande &d, const QString &o, const QString &t) {
                 d.parametres.largeurMinCm =
                     Nec::entierOption(o, t, Defauts::PlageEchelleCm, Textes::AttenduCentimetres());
             }},
            {QStringLiteral("branche-min"), QStringLiteral("CM"), Textes::AideBrancheMin(),
             [nombre, b](const Demande &) { return nombre(b.minCm); },
             [](Demande &d, const QString &o, const QString &t) {
                 branches(d).minCm =
                     Nec::entierOption(o, t, Defauts::PlageBrancheCm, Textes::AttenduCentimetres());
             }},
            {QStringLiteral("branche-max"), QStringLiteral("CM"), Textes::AideBrancheMax(),
             [nombre, b](const Demande &) { return nombre(b.maxCm); },
             [](Demande &d, const QString &o, const QString &t) {
                 branches(d).maxCm =
                     Nec::entierOption(o, t, Defauts::PlageBrancheCm, Textes::AttenduCentimetres());
             }},
            {QStringLiteral("pas"), QStringLiteral("CM"), Textes::AidePas(),
             [nombre, b](const Demande &) { return nombre(b.pasCm); },
             [](Demande &d, const QString &o, const QString &t) {
                 branches(d).pasCm =
                     Nec::entierOption(o, t, Defauts::PlageBrancheCm, Textes::AttenduCentimetres());
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
                 Nec::valeurHorsListe(o, t, regles);
             }},
            {QStringLiteral("nombre"), QStringLiteral("N"), Textes::AideNombre(),
             [nombre](const Demande &d) { return nombre(d.nombre); },
             [](Demande &d, const QString &o, const QString &t) {
                 d.nombre = Nec::entierOption(o, t, {1, 1e9}, Textes::AttenduEntier());
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
    // The search runs over a range of ladder lengths: one length means nothing.
    if (parseur.isSet(QStringLiteral("echelle")))
        leveErreur(Textes::LongueursSansEchelle());
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

int ligneCommande(const QStringList &arguments, const Commande::LecteurBandes &litBandes,
                  QTextStream &sortie, QTextStream &erreurs, const Calculateurs &calcule)
{
    const QList<QCommandLineOption> options =
        QList{Commande::optionAide(), Commande::optionVersion()} + Nec::optionsNec() +
        optionsLongueurs();
    QCommandLineParser parseur;
    if (const auto fin = Commande::ouvre(
            parseur, options, optionLongueurs(), arguments, Textes::AideUtilisationLongueurs(),
            Textes::AideLongueurs(), sortie, erreurs, Nec::texteMoteurEnUsage, litBandes))
        return *fin;
    Demande d;
    try {
        d = demande(parseur);
        Nec::appliqueExecution(d.nec);
    } catch (const KesuErreur &erreur) {
        erreurs << erreur.texte() << '\n';
        return Commande::Refus;
    }
    const auto table = Commande::tableDeLaCommande(litBandes, erreurs);
    if (!table)
        return Commande::Echec;
    Nec::Entrees e = d.nec.entrees;
    std::vector<Antennes> antennes;
    std::vector<QByteArray> aCalculer;
    try {
        Nec::completeBandes(e, d.nec.bandes, *table);
        antennes = prepare(e, d.parametres, d.branches);
        for (const Antennes &a : antennes)
            for (const Nec::Entrees &x : a.entrees)
                Nec::valide(x);
        // Too many segments: a value the check refuses.
        if (d.parametres.regle == Regle::Nec)
            aCalculer = decks(antennes);
    } catch (const KesuErreur &erreur) {
        erreurs << erreur.texte() << '\n';
        return Commande::Refus;
    }
    // Each deck's frequencies shared out between the runs side by side.
    QHash<QByteArray, std::vector<Nec::ImpedanceB>> calcules;
    if (!aCalculer.empty()) {
        const Nec::ExecutionNec::Bilans bilans = calcule(aCalculer, d.nec.delaiS);
        if (const auto *message = std::get_if<QString>(&bilans)) {
            erreurs << *message << '\n';
            return Commande::Echec;
        }
        const auto &z = std::get<std::vector<std::vector<Nec::ImpedanceB>>>(bilans);
        for (std::size_t i = 0; i < aCalculer.size() && i < z.size(); ++i)
            calcules.insert(aCalculer[i], z[i]);
    }
    const auto trouve = [&](const QByteArray &deck) -> const std::vector<Nec::ImpedanceB> * {
        const auto i = calcules.constFind(deck);
        return i == calcules.cend() ? nullptr : &*i;
    };
    const std::vector<Fenetre> fenetres =
        cherche(antennes, d.parametres, static_cast<std::size_t>(d.nombre), trouve);
    sortie << QString::fromUtf8(csv(fenetres));
    // The best window at the end of a range: the best length may lie beyond.
    // Said, the list and the exit status unchanged.
    if (!fenetres.empty()) {
        const Bord b = bord(fenetres.front(), d.parametres, d.branches);
        if (b.brancheCm)
            erreurs << Textes::LongueursBrancheAuBord().arg(*b.brancheCm) << '\n';
        if (b.echelleCm)
            erreurs << Textes::LongueursEchelleAuBord().arg(*b.echelleCm) << '\n';
    }
    // The windows stand without the bands nec2c could not compute: said, and
    // the exit status says the search is not whole.
    const std::vector<Nec::BandeEchouee> ecartees = echecs(antennes);
    for (const Nec::BandeEchouee &b : ecartees)
        erreurs << Textes::BandeEcartee().arg(b.bande.bande).arg(b.raison) << '\n';
    return ecartees.empty() ? Commande::Reussite : Commande::Echec;
}

Calculateurs calculateursNec()
{
    return [](const std::vector<QByteArray> &decks, double delaiS) {
        return Nec::ExecutionNec::executeBloquants(decks, Nec::taches(), Nec::programmeNec(),
                                                   delaiS);
    };
}

int ligneCommande(const QStringList &arguments)
{
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    Nec::installeInterruptions();
    return ligneCommande(arguments, Commande::litKesuIni, sortie, erreurs, calculateursNec());
}

} // namespace Longueurs
