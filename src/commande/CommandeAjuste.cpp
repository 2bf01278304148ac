#include "commande/CommandeAjuste.h"

#include "mesure/LectureMesure.h"
#include "nec/Interruption.h"
#include "nec/Modele.h"
#include "nec/Nombres.h"
#include "regles/Erreurs.h"
#include "regles/TextesAjustement.h"
#include "regles/TextesCommande.h"
#include "regles/TextesMoteur.h"

#include <QCommandLineParser>
#include <algorithm>
#include <cmath>

namespace Ajustement {

namespace {

QStringList noms(const auto &tableau)
{
    QStringList l;
    for (const char *n : tableau)
        l << QString::fromLatin1(n);
    return l;
}

const QString PointMesure = QStringLiteral("point-mesure");
const QString Inconnues = QStringLiteral("inconnues");
const QString De = QStringLiteral("de");
const QString A = QStringLiteral("a");
const QString Pas = QStringLiteral("pas");

QCommandLineOption optionPoint()
{
    return {PointMesure,
            Textes::AideDefaut().arg(
                Textes::AidePointMesure().arg(Commande::enumeration(noms(NomsPoints))),
                QStringLiteral("c")),
            QCoreApplication::translate("Commande", "POINT")};
}

Point point(const QCommandLineParser &parseur)
{
    if (!parseur.isSet(PointMesure))
        return Point::C;
    const QString t = parseur.value(PointMesure);
    const QStringList l = noms(NomsPoints);
    for (qsizetype i = 0; i < l.size(); ++i)
        if (l[i].compare(t, Qt::CaseInsensitive) == 0)
            return static_cast<Point>(i);
    Nec::valeurHorsListe(QStringLiteral("--") + PointMesure, t, l);
}

std::vector<Inconnue> inconnues(const QCommandLineParser &parseur)
{
    if (!parseur.isSet(Inconnues))
        return Demande{}.inconnues;
    const QString t = parseur.value(Inconnues);
    const QStringList l = noms(NomsInconnues);
    std::vector<Inconnue> r;
    for (const QString &morceau : t.split(u',')) {
        const qsizetype i = l.indexOf(morceau.trimmed().toLower());
        if (i < 0)
            Nec::valeurHorsListe(QStringLiteral("--") + Inconnues, t, l);
        // Named twice, fitted once, where it first came.
        if (std::find(r.begin(), r.end(), static_cast<Inconnue>(i)) == r.end())
            r.push_back(static_cast<Inconnue>(i));
    }
    return r;
}

// What every command of the check family reads first: the antenna, and how
// the engine is run.
Nec::Demande demandeNec(const QCommandLineParser &parseur)
{
    Nec::Demande d = Nec::demande(parseur);
    Nec::appliqueExecution(d);
    return d;
}

QByteArray csv(const Bilan &b)
{
    QString t = QStringLiteral("inconnue,depart,ajuste,incertitude,unite\n");
    for (const Valeur &v : b.valeurs)
        t += QStringLiteral("%1,%2,%3,%4,%5\n")
                 .arg(v.nom, Nec::champ(v.depart), Nec::champ(v.ajuste),
                      std::isnan(v.incertitude) ? QString() : Nec::champ(v.incertitude), v.unite);
    t += QStringLiteral("ecart,%1,%2,,\n").arg(Nec::champ(b.ecartAvant), Nec::champ(b.ecartApres));
    return t.toUtf8();
}

} // namespace

QCommandLineOption optionAjuste()
{
    return {QStringLiteral("ajuste"), Textes::AideOptionAjuste(),
            QCoreApplication::translate("Commande", "MESURE")};
}

QCommandLineOption optionS1p()
{
    return {QStringLiteral("s1p"), Textes::AideOptionS1p()};
}

QList<QCommandLineOption> optionsAjuste()
{
    return {optionPoint(),
            {Inconnues,
             Textes::AideDefaut().arg(
                 Textes::AideInconnues().arg(Commande::enumeration(noms(NomsInconnues))),
                 QStringLiteral("hauteur,branche,coef-echelle")),
             QCoreApplication::translate("Commande", "LISTE")}};
}

QList<QCommandLineOption> optionsS1p()
{
    return {optionPoint(),
            {De, Textes::AideDeS1p(), QStringLiteral("MHZ")},
            {A, Textes::AideAS1p(), QStringLiteral("MHZ")},
            {Pas, Textes::AidePasS1p(), QStringLiteral("KHZ")}};
}

std::pair<QString, QString> optionPropreDonnee(const QCommandLineParser &parseur)
{
    const QString deux =
        Commande::enumeration({QStringLiteral("--ajuste"), QStringLiteral("--s1p")});
    if (parseur.isSet(PointMesure))
        return {QStringLiteral("--") + PointMesure, deux};
    if (parseur.isSet(Inconnues))
        return {QStringLiteral("--") + Inconnues, QStringLiteral("--ajuste")};
    for (const QString &o : {De, A})
        if (parseur.isSet(o))
            return {QStringLiteral("--") + o, QStringLiteral("--s1p")};
    // The advised lengths' branch step has the same name.
    if (parseur.isSet(Pas))
        return {QStringLiteral("--") + Pas,
                Commande::enumeration({QStringLiteral("--longueurs"), QStringLiteral("--s1p")})};
    return {};
}

int ligneCommande(const QStringList &arguments, const Commande::LecteurBandes &litBandes,
                  QTextStream &sortie, QTextStream &erreurs, const Longueurs::Calculateurs &calcule)
{
    const QList<QCommandLineOption> options =
        QList{Commande::optionAide(), Commande::optionVersion()} + Nec::optionsNec() +
        optionsAjuste();
    QCommandLineParser parseur;
    if (const auto fin = Commande::ouvre(parseur, options, optionAjuste(), arguments,
                                         Textes::AideUtilisationAjuste(), Textes::AideAjuste(),
                                         sortie, erreurs, Nec::texteMoteurEnUsage))
        return *fin;
    Demande d;
    Nec::Demande nec;
    try {
        nec = demandeNec(parseur);
        d.point = point(parseur);
        d.inconnues = inconnues(parseur);
        // Read last: a bad option is told without reading a file.
        d.releve = Mesure::lit(parseur.value(QStringLiteral("ajuste")));
    } catch (const KesuErreur &erreur) {
        erreurs << erreur.texte() << '\n';
        return Commande::Refus;
    }
    const auto table = Commande::tableDeLaCommande(litBandes, erreurs);
    if (!table)
        return Commande::Echec;
    d.entrees = nec.entrees;
    const Moteur moteur = Ajustement::moteur(
        [&](const std::vector<QByteArray> &decks) { return calcule(decks, nec.delaiS); });
    Bilan b;
    try {
        Nec::completeBandes(d.entrees, nec.bandes, *table);
        b = ajuste(d, moteur);
    } catch (const KesuErreur &erreur) {
        erreurs << erreur.texte() << '\n';
        return Commande::Refus;
    }
    if (b.arret == Arret::Echec) {
        erreurs << texteArret(b) << '\n';
        return Commande::Echec;
    }
    sortie << QString::fromUtf8(csv(b));
    erreurs << texteArret(b) << '\n';
    // A fit that explains nothing is no success, however well it converged.
    if (b.inexplique())
        erreurs << Textes::AjusteInexplique().arg(Nec::texteArrondi(b.ecartApres, 3)) << '\n';
    return b.arret == Arret::Converge && !b.inexplique() ? Commande::Reussite : Commande::Echec;
}

int ligneCommande(const QStringList &arguments)
{
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    Nec::installeInterruptions();
    return ligneCommande(arguments, Commande::litKesuIni, sortie, erreurs,
                         Longueurs::calculateursNec());
}

QByteArray touchstone(const Nec::Entrees &e, Point p, std::vector<Nec::ImpedanceB> zB)
{
    std::stable_sort(zB.begin(), zB.end(),
                     [](const auto &a, const auto &b) { return a.frequenceMHz < b.frequenceMHz; });
    QByteArray t;
    for (const QString &ligne :
         QString::fromLatin1(Nec::deckCommente(e, Commande::texteVersion())).split(u'\n'))
        if (ligne.startsWith(QStringLiteral("CM ")))
            t += "! " + ligne.mid(3).toLatin1() + '\n';
    t += "! " +
         Textes::S1pPoint().arg(QString::fromLatin1(NomsPoints[static_cast<int>(p)])).toLatin1() +
         '\n';
    t += "# Hz S RI R 50\n";
    double precedente = 0;
    for (const Nec::ImpedanceB &z : zB) {
        const double f = z.frequenceMHz * 1e6;
        if (z.manquante || f <= precedente)
            continue;
        precedente = f;
        const Complexe g = Mesure::reflexion(auPoint(e, p, z.z, f), 50);
        t += Nec::texteLisible(f).toLatin1() + ' ' + Nec::champ(g.real()).toLatin1() + ' ' +
             Nec::champ(g.imag()).toLatin1() + '\n';
    }
    return t;
}

int ligneCommandeS1p(const QStringList &arguments, const Commande::LecteurBandes &litBandes,
                     QTextStream &sortie, QTextStream &erreurs, const Nec::Calculateur &calcule)
{
    const QList<QCommandLineOption> options =
        QList{Commande::optionAide(), Commande::optionVersion()} + Nec::optionsNec() + optionsS1p();
    QCommandLineParser parseur;
    if (const auto fin =
            Commande::ouvre(parseur, options, optionS1p(), arguments, Textes::AideUtilisationS1p(),
                            Textes::AideS1p(), sortie, erreurs, Nec::texteMoteurEnUsage))
        return *fin;
    Nec::Demande nec;
    Point p = Point::C;
    std::vector<double> frequencesMHz;
    try {
        nec = demandeNec(parseur);
        p = point(parseur);
        const int donnees = parseur.isSet(De) + parseur.isSet(A) + parseur.isSet(Pas);
        if (donnees != 0) {
            constexpr std::size_t Max = 10000;
            const auto lit = [&](const QString &o) {
                return donnees == 3 ? Nec::reelOption(QStringLiteral("--") + o, parseur.value(o))
                                    : 0.0;
            };
            const double de = lit(De), a = lit(A), pas = lit(Pas) / 1000;
            if (!(de > 0 && a >= de && a <= 100 && pas > 0 && (a - de) / pas < Max))
                leveErreur(Textes::S1pPlage().arg(Max));
            // Counted, not summed: no step lost to rounding.
            const auto n = static_cast<std::size_t>(std::floor((a - de) / pas + 1e-9));
            for (std::size_t i = 0; i <= n; ++i)
                frequencesMHz.push_back(de + static_cast<double>(i) * pas);
        }
    } catch (const KesuErreur &erreur) {
        erreurs << erreur.texte() << '\n';
        return Commande::Refus;
    }
    const auto table = Commande::tableDeLaCommande(litBandes, erreurs);
    if (!table)
        return Commande::Echec;
    Nec::Entrees e = nec.entrees;
    QByteArray deck;
    try {
        Nec::completeBandes(e, nec.bandes, *table);
        // The check's own deck by default, which the cache may already hold.
        deck = frequencesMHz.empty()
                   ? Nec::deck(e)
                   : Nec::deck(e.antenne,
                               std::max(Nec::frequenceGeometrieMHz(e), frequencesMHz.back()),
                               frequencesMHz);
    } catch (const KesuErreur &erreur) {
        erreurs << erreur.texte() << '\n';
        return Commande::Refus;
    }
    const Nec::Bilan bilan =
        calcule(deck, static_cast<int>(Nec::frequencesDemandees(deck).size()), nec.delaiS);
    if (const auto *message = std::get_if<QString>(&bilan)) {
        erreurs << *message << '\n';
        return Commande::Echec;
    }
    const auto &zB = std::get<std::vector<Nec::ImpedanceB>>(bilan);
    sortie << QString::fromLatin1(touchstone(e, p, zB));
    // A frequency without its answer is left out of the file and named.
    bool entier = true;
    for (const Nec::ImpedanceB &z : zB)
        if (z.manquante) {
            entier = false;
            erreurs << Textes::S1pFrequenceManquante().arg(Nec::texte(z.frequenceMHz * 1000))
                    << '\n';
        }
    return entier ? Commande::Reussite : Commande::Echec;
}

int ligneCommandeS1p(const QStringList &arguments)
{
    return Nec::surLeTerminal([&](QTextStream &s, QTextStream &e, const Nec::Calculateur &c) {
        return ligneCommandeS1p(arguments, Commande::litKesuIni, s, e, c);
    });
}

} // namespace Ajustement
