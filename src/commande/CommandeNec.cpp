#include "commande/CommandeNec.h"

#include "commande/Ouverture.h"
#include "nec/CacheResultats.h"
#include "nec/Interruption.h"
#include "nec/Nombres.h"
#include "nec/Parallele.h"
#include "regles/Defauts.h"
#include "regles/Erreurs.h"
#include "regles/TextesBoite.h"
#include "regles/TextesCommande.h"
#include "regles/TextesLigne.h"
#include "regles/TextesMoteur.h"
#include "regles/TextesNec.h"
#include "regles/TextesProjet.h"

#include <QCommandLineParser>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <functional>
#include <type_traits>

namespace Nec {

[[noreturn]] void valeurIncorrecte(const QString &option, const QString &texte,
                                   const QString &attendu)
{
    leveErreur(attendu.isEmpty()
                   ? Textes::NecValeurIncorrecte().arg(option, texte)
                   : Textes::NecValeurIncorrecteAttendu().arg(option, texte, attendu));
}

[[noreturn]] void valeurHorsListe(const QString &option, const QString &texte,
                                  const QStringList &noms)
{
    valeurIncorrecte(option, texte, Commande::enumeration(noms));
}

double reelOption(const QString &option, const QString &texte)
{
    const auto v = nombre(texte);
    if (!v)
        valeurIncorrecte(option, texte);
    return *v;
}

std::int32_t entierOption(const QString &option, const QString &texte, Defauts::Plage plage,
                          const QString &attendu)
{
    const auto v = nombre(texte);
    if (!v || *v != std::floor(*v))
        valeurIncorrecte(option, texte, attendu);
    // A whole number too large to hold is out of its range like any other
    // value beyond it, and said so.
    if (std::fabs(*v) > 1e9)
        leveErreur(Textes::NecHorsPlage().arg(option, texte, texteLisible(plage.min),
                                              texteLisible(plage.max)));
    return static_cast<std::int32_t>(*v);
}

namespace {

struct OptionNec {
    QString nom;         // without its dashes
    QString valeur;      // the value's name in the help; none for a switch
    QString description; // what it sets, its unit and allowed values
    std::function<QString(const Demande &)> defaut; // none shown when empty
    // Reads the value typed after the option: throws when it is bad.
    std::function<void(Demande &, const QString &option, const QString &texte)> lit;
};

// The description with the range it states (its %1 and %2).
QString avecPlage(const QString &description, Defauts::Plage plage)
{
    return description.arg(texteLisible(plage.min), texteLisible(plage.max));
}

// An accessor gives the input an option sets, from a Demande const or not:
// the default is shown from it and the value read into it.
template <class Champ>
OptionNec optionReelle(const char *nom, const char *valeur, const QString &description, Champ champ)
{
    return {
        QString::fromLatin1(nom), QCoreApplication::translate("Commande", valeur), description,
        [champ](const Demande &d) { return texte(champ(d)); },
        [champ](Demande &d, const QString &o, const QString &t) { champ(d) = reelOption(o, t); }};
}

template <class Champ>
OptionNec optionCentimetres(const char *nom, Defauts::Plage plage, const QString &description,
                            Champ champ)
{
    return {QString::fromLatin1(nom), QStringLiteral("CM"), avecPlage(description, plage),
            [champ](const Demande &d) { return texte(static_cast<double>(champ(d))); },
            [champ, plage](Demande &d, const QString &o, const QString &t) {
                champ(d) = entierOption(o, t, plage, Textes::AttenduCentimetres());
            }};
}

template <class Champ>
OptionNec optionEntiere(const char *nom, const char *valeur, const QString &description,
                        Champ champ)
{
    return {QString::fromLatin1(nom), QCoreApplication::translate("Commande", valeur), description,
            [champ](const Demande &d) { return QString::number(champ(d)); },
            [champ](Demande &d, const QString &o, const QString &t) {
                const auto v = nombre(t);
                if (!v || *v != std::floor(*v) || std::fabs(*v) > 1e6)
                    valeurIncorrecte(o, t, Textes::AttenduEntier());
                champ(d) = static_cast<int>(*v);
            }};
}

// The class names the chart's three classes, or the user's tuner (by its SWR,
// or as a T or an L), which leaves the chart's class as it is.
OptionNec optionClasse()
{
    QStringList liste;
    for (const char *n : NomsClasses)
        liste << QString::fromLatin1(n);
    return {QStringLiteral("classe"), QCoreApplication::translate("Commande", "CLASSE"),
            Textes::AideClasse().arg(Commande::enumeration(liste)),
            [liste](const Demande &d) {
                return liste[rangCritere(d.entrees.critere, d.entrees.classe)];
            },
            [liste](Demande &d, const QString &o, const QString &t) {
                for (qsizetype i = 0; i < liste.size(); ++i)
                    if (liste[i].compare(t, Qt::CaseInsensitive) == 0) {
                        depuisRang(static_cast<int>(i), d.entrees.critere, d.entrees.classe);
                        if (critereReseau(d.entrees.critere))
                            d.entrees.pieces.type = d.entrees.critere == Critere::ReseauT
                                                        ? Reseau::Type::T
                                                        : Reseau::Type::L;
                        return;
                    }
                valeurHorsListe(o, t, liste);
            }};
}

// A value chosen by name, in any case; the names are the enum's, in its order.
template <std::size_t N, class Champ>
OptionNec optionNommee(const char *nom, const char *valeur, const QString &description,
                       const char *const (&noms)[N], Champ champ)
{
    using Enum = std::remove_cvref_t<decltype(champ(std::declval<Demande &>()))>;
    QStringList liste;
    for (const char *n : noms)
        liste << QString::fromLatin1(n);
    return {QString::fromLatin1(nom), QCoreApplication::translate("Commande", valeur),
            description.arg(Commande::enumeration(liste)),
            [champ, liste](const Demande &d) { return liste[static_cast<int>(champ(d))]; },
            [champ, liste](Demande &d, const QString &o, const QString &t) {
                for (qsizetype i = 0; i < liste.size(); ++i)
                    if (liste[i].compare(t, Qt::CaseInsensitive) == 0) {
                        champ(d) = static_cast<Enum>(i);
                        return;
                    }
                valeurHorsListe(o, t, liste);
            }};
}

template <class Limites> auto &limiteDeClasse(Classe classe, Limites &l)
{
    return classe == Classe::Basse ? l.basse : classe == Classe::Moyenne ? l.moyenne : l.haute;
}

// Every option of the check. They are read in this order: --limite sets the
// limit of the class that --classe chose.
const std::vector<OptionNec> &table()
{
    static const std::vector<OptionNec> t = [] {
        OptionNec limite = optionReelle(
            "limite", "OHM", avecPlage(Textes::AideLimite(), Defauts::PlageLimiteOhms),
            [](auto &d) -> auto & { return limiteDeClasse(d.entrees.classe, d.entrees.limites); });
        limite.defaut = [](const Demande &d) {
            const LimitesAccord &l = d.entrees.limites;
            return Textes::AideDefautLimite().arg(texte(l.basse), texte(l.moyenne), texte(l.haute));
        };
        const OptionNec bandes{
            QStringLiteral("bandes"), QCoreApplication::translate("Commande", "LISTE"),
            Textes::AideBandes(), [](const Demande &) { return Textes::AideToutesBandes(); },
            [](Demande &d, const QString &o, const QString &t) {
                // A piece that is not a band refuses the whole list, as typed;
                // a band named twice is computed once, where it first came.
                d.bandes.clear();
                for (const QString &b : t.split(u',')) {
                    const auto v = nombre(b);
                    if (!v)
                        valeurIncorrecte(o, t);
                    if (std::none_of(d.bandes.begin(), d.bandes.end(),
                                     [&](const BandeDemandee &x) { return x.bande == *v; }))
                        d.bandes.push_back({*v, b});
                }
            }};
        return std::vector<OptionNec>{
            optionCentimetres(
                "branche", Defauts::PlageBrancheCm, Textes::AideBranche(),
                [](auto &d) -> auto & { return d.entrees.antenne.brancheCm; }),
            optionCentimetres(
                "echelle", Defauts::PlageEchelleCm, Textes::AideEchelle(),
                [](auto &d) -> auto & { return d.entrees.echelleCm; }),
            optionReelle(
                "coef-echelle", "VF",
                avecPlage(Textes::AideCoefEchelle(), Defauts::PlageCoefEchelle),
                [](auto &d) -> auto & { return d.entrees.echelle.coefVelocite; }),
            optionReelle(
                "diametre", "MM", avecPlage(Textes::AideDiametre(), Defauts::PlageDiametreMm),
                [](auto &d) -> auto & { return d.entrees.antenne.diametreMm; }),
            optionReelle(
                "hauteur", "M", avecPlage(Textes::AideHauteur(), Defauts::PlageHauteurM),
                [](auto &d) -> auto & { return d.entrees.antenne.hauteurM; }),
            optionNommee(
                "sol", QT_TRANSLATE_NOOP("Commande", "SOL"), Textes::AideSol(), NomsSols,
                [](auto &d) -> auto & { return d.entrees.antenne.sol; }),
            optionReelle(
                "epsilon", "ER", avecPlage(Textes::AideEpsilon(), Defauts::PlagePermittivite),
                [](auto &d) -> auto & { return d.entrees.antenne.solPersonnalise.permittivite; }),
            optionReelle(
                "sigma", "S/M", avecPlage(Textes::AideSigma(), Defauts::PlageConductivite),
                [](auto &d) -> auto & { return d.entrees.antenne.solPersonnalise.conductivite; }),
            optionReelle(
                "ecartement", "MM", avecPlage(Textes::AideEcartement(), Defauts::PlageEcartementMm),
                [](auto &d) -> auto & { return d.entrees.antenne.ecartementMm; }),
            optionNommee(
                "forme", QT_TRANSLATE_NOOP("Commande", "FORME"), Textes::AideForme(), NomsFormes,
                [](auto &d) -> auto & { return d.entrees.antenne.forme; }),
            optionNommee(
                "fil", QT_TRANSLATE_NOOP("Commande", "FIL"), Textes::AideFil(), NomsFils,
                [](auto &d) -> auto & { return d.entrees.antenne.fil; }),
            optionReelle(
                "angle", QT_TRANSLATE_NOOP("Commande", "DEGRES"), Textes::AideAngle(),
                [](auto &d) -> auto & { return d.entrees.antenne.angleDeg; }),
            optionReelle(
                "z0", "OHM", avecPlage(Textes::AideZ0(), Defauts::PlageZ0Ohms),
                [](auto &d) -> auto & { return d.entrees.echelle.z0; }),
            optionReelle(
                "perte", "DB", avecPlage(Textes::AidePerte(), Defauts::PlagePerteDb100m),
                [](auto &d) -> auto & { return d.entrees.echelle.perteDb100m; }),
            optionClasse(),
            limite,
            optionEntiere(
                "balun", QT_TRANSLATE_NOOP("Commande", "RAPPORT"), Textes::AideBalun(),
                [](auto &d) -> auto & { return d.entrees.boite.balun; }),
            optionReelle(
                "ros-max", QT_TRANSLATE_NOOP("Commande", "ROS"),
                avecPlage(Textes::AideRosMax(), Defauts::PlageRosMax),
                [](auto &d) -> auto & { return d.entrees.boite.rosMax; }),
            optionNommee(
                "reseau", QT_TRANSLATE_NOOP("Commande", "RESEAU"), Textes::AideReseau(),
                Reseau::NomsReseaux, [](auto &d) -> auto & { return d.entrees.pieces.type; }),
            optionReelle(
                "c-min", "PF", avecPlage(Textes::AideCMin(), Defauts::PlageCapacitePf),
                [](auto &d) -> auto & { return d.entrees.pieces.cMinPf; }),
            optionReelle(
                "c-max", "PF", avecPlage(Textes::AideCMax(), Defauts::PlageCapacitePf),
                [](auto &d) -> auto & { return d.entrees.pieces.cMaxPf; }),
            optionReelle(
                "l-min", "UH", avecPlage(Textes::AideLMin(), Defauts::PlageInductanceUh),
                [](auto &d) -> auto & { return d.entrees.pieces.lMinUh; }),
            optionReelle(
                "l-max", "UH", avecPlage(Textes::AideLMax(), Defauts::PlageInductanceUh),
                [](auto &d) -> auto & { return d.entrees.pieces.lMaxUh; }),
            optionReelle(
                "q-bobine", "Q", avecPlage(Textes::AideQBobine(), Defauts::PlageQ),
                [](auto &d) -> auto & { return d.entrees.pieces.qBobine; }),
            optionReelle(
                "q-condensateur", "Q", avecPlage(Textes::AideQCondensateur(), Defauts::PlageQ),
                [](auto &d) -> auto & { return d.entrees.pieces.qCondensateur; }),
            optionReelle(
                "puissance", "W", avecPlage(Textes::AidePuissance(), Defauts::PlagePuissanceW),
                [](auto &d) -> auto & { return d.entrees.pieces.puissanceW; }),
            optionReelle(
                "perte-boite-max", "DB",
                avecPlage(Textes::AidePerteBoiteMax(), Defauts::PlagePerteBoiteDb),
                [](auto &d) -> auto & { return d.entrees.pieces.perteMaxDb; }),
            optionReelle(
                "tension-max", "V", avecPlage(Textes::AideTensionMax(), Defauts::PlageTensionV),
                [](auto &d) -> auto & { return d.entrees.pieces.tensionMaxV; }),
            optionEntiere(
                "region", QT_TRANSLATE_NOOP("Commande", "REGION"), Textes::AideRegion(),
                [](auto &d) -> auto & { return d.entrees.region; }),
            optionEntiere(
                "points", "N", Textes::AidePoints(),
                [](auto &d) -> auto & { return d.entrees.points; }),
            bandes,
            optionReelle(
                "delai", "S", avecPlage(Textes::AideDelai(), Defauts::PlageDelaiS),
                [](auto &d) -> auto & { return d.delaiS; }),
            OptionNec{QStringLiteral("taches"),
                      QStringLiteral("N"),
                      avecPlage(Textes::AideTaches(), Defauts::PlageTaches),
                      {},
                      [](Demande &d, const QString &o, const QString &t) {
                          const std::int32_t n =
                              entierOption(o, t, Defauts::PlageTaches, Textes::AttenduEntier());
                          if (!Defauts::PlageTaches.contient(n))
                              leveErreur(Textes::NecHorsPlage().arg(
                                  o, t, texteLisible(Defauts::PlageTaches.min),
                                  texteLisible(Defauts::PlageTaches.max)));
                          d.taches = n;
                      }},
            OptionNec{QStringLiteral("sans-cache"),
                      QString(),
                      Textes::AideSansCache(),
                      {},
                      [](Demande &d, const QString &, const QString &) { d.sansCache = true; }},
            OptionNec{
                QStringLiteral("moteur-non-verifie"),
                QString(),
                Textes::AideMoteurNonVerifie(),
                {},
                [](Demande &d, const QString &, const QString &) { d.moteurNonVerifie = true; }},
        };
    }();
    return t;
}

QString tape(const OptionNec &o)
{
    return QStringLiteral("--") + o.nom;
}

} // namespace

Demande demandeParDefaut()
{
    Demande d;
    d.entrees.antenne.brancheCm = Defauts::BrancheCm;
    d.entrees.echelleCm = Defauts::EchelleCm;
    d.entrees.echelle.coefVelocite = Defauts::CoefEchelle;
    return d;
}

QCommandLineOption optionDeck()
{
    return QCommandLineOption(QStringLiteral("deck"), Textes::AideDeck());
}

QCommandLineOption optionNec()
{
    return QCommandLineOption(QStringLiteral("nec"), Textes::AideOptionNec());
}

QList<QCommandLineOption> optionsNec()
{
    const Demande defaut = demandeParDefaut();
    QList<QCommandLineOption> r;
    for (const OptionNec &o : table())
        r << QCommandLineOption(o.nom,
                                o.defaut ? Textes::AideDefaut().arg(o.description, o.defaut(defaut))
                                         : o.description,
                                o.valeur);
    return r;
}

QString optionNecDonnee(const QCommandLineParser &parseur)
{
    for (const OptionNec &o : table())
        if (parseur.isSet(o.nom))
            return tape(o);
    return {};
}

Demande demande(const QCommandLineParser &parseur)
{
    Demande d = demandeParDefaut();
    for (const OptionNec &o : table())
        if (parseur.isSet(o.nom))
            o.lit(d, tape(o), parseur.value(o.nom));
    Entrees &e = d.entrees;
    // An L's shunt C matches wider: its range starts there unless typed.
    if (e.pieces.type == Reseau::Type::L && !parseur.isSet(QStringLiteral("c-max")))
        e.pieces.cMaxPf = Defauts::CMaxPfL;
    e.longElecDip =
        positionElectrique(0, static_cast<std::int32_t>(e.antenne.brancheCm), Defauts::CoefDipole);
    e.longueurMaxCm = longueurMaxParDefaut(e.echelleCm);
    if (!Defauts::PlageDelaiS.contient(d.delaiS))
        valeurIncorrecte(QStringLiteral("--delai"), parseur.value(QStringLiteral("delai")));
    try {
        valide(e);
    } catch (const KesuErreur &erreur) {
        // The one fault that is not one yet: the bands come from Kesu.ini.
        if (erreur.texte() != Textes::NecAucuneBande())
            throw;
    }
    return d;
}

static std::vector<BandeVerifiee> bandes(const std::vector<BandeDemandee> &demandees,
                                         const FichierBandes::Table &table)
{
    std::vector<BandeVerifiee> r;
    const auto ajoute = [&](int k) {
        r.push_back({k, table[k - 1].Bande, table[k - 1].Frequence});
    };
    if (demandees.empty())
        for (int k = 1; k <= NombreBandes; ++k)
            ajoute(k);
    for (const BandeDemandee &b : demandees) {
        int k = 1;
        while (k <= NombreBandes && table[k - 1].Bande != b.bande)
            ++k;
        if (k > NombreBandes)
            leveErreur(Textes::NecBandeInconnue().arg(b.texte));
        ajoute(k);
    }
    return r;
}

void completeBandes(Entrees &e, const std::vector<BandeDemandee> &demandees,
                    const FichierBandes::Table &table)
{
    e.bandes = bandes(demandees, table);
    // The antenna is cut for the table's highest band, ticked or not, so
    // that a band's impedance does not depend on the others asked.
    for (const auto &ligne : table)
        e.frequenceMaxTableKHz = std::max(e.frequenceMaxTableKHz, ligne.Frequence);
    valide(e);
}

int ligneCommande(const QStringList &arguments, const Commande::LecteurBandes &litBandes,
                  QTextStream &sortie, QTextStream &erreurs, const Calculateur &calcule)
{
    return commandeCalculee({optionNec(),
                             Textes::AideUtilisationNec(),
                             Textes::AideNec(),
                             [](const Entrees &, const std::vector<ImpedanceB> &, Resultat &r,
                                const QCommandLineParser &) { return csv(r.lignes); },
                             {optionDeck()}},
                            arguments, litBandes, sortie, erreurs, calcule);
}

namespace {

// The command's table, each band it cannot write left out: when the whole
// table throws, each band is written alone to find those to blame, and the
// table is written again without them. r.echecs ends in the bands' order.
QByteArray tableSansFaute(const CommandeCalculee &commande, const Entrees &e,
                          const std::vector<ImpedanceB> &zB, Resultat &r,
                          const QCommandLineParser &parseur)
{
    const auto enOrdre = [&] {
        const auto rang = [&](const BandeEchouee &b) {
            return std::find(e.bandes.begin(), e.bandes.end(), b.bande) - e.bandes.begin();
        };
        std::stable_sort(r.echecs.begin(), r.echecs.end(),
                         [&](const auto &a, const auto &b) { return rang(a) < rang(b); });
    };
    Resultat essai = r;
    try {
        QByteArray t = commande.ecrit(e, zB, essai, parseur);
        r = std::move(essai);
        enOrdre();
        return t;
    } catch (const KesuErreur &) {
        if (r.lignes.empty())
            throw;
    }
    Resultat gardes = r;
    gardes.lignes.clear();
    gardes.carte.clear();
    for (std::size_t i = 0; i < r.lignes.size(); ++i) {
        Resultat seule = r;
        seule.lignes = {r.lignes[i]};
        seule.carte = {r.carte[i]};
        seule.echecs.clear();
        try {
            commande.ecrit(e, zB, seule, parseur);
            gardes.lignes.push_back(r.lignes[i]);
            gardes.carte.push_back(r.carte[i]);
        } catch (const KesuErreur &erreur) {
            gardes.echecs.push_back({r.lignes[i].bande, erreur.texte()});
        }
    }
    // A fault that no band alone explains ends the command.
    QByteArray t = commande.ecrit(e, zB, gardes, parseur);
    r = std::move(gardes);
    enOrdre();
    return t;
}

} // namespace

void appliqueExecution(const Demande &d)
{
    if (d.sansCache)
        CacheResultats::desactive();
    if (d.moteurNonVerifie)
        accepteMoteurNonVerifie(true);
    fixeTaches(d.taches);
}

int commandeCalculee(const CommandeCalculee &commande, const QStringList &arguments,
                     const Commande::LecteurBandes &litBandes, QTextStream &sortie,
                     QTextStream &erreurs, const Calculateur &calcule)
{
    const QList<QCommandLineOption> options =
        QList{Commande::optionAide(), Commande::optionVersion()} + optionsNec() + commande.propres;
    QCommandLineParser parseur;
    if (const auto fin =
            Commande::ouvre(parseur, options, commande.option, arguments, commande.utilisation,
                            commande.description, sortie, erreurs, texteMoteurEnUsage, litBandes))
        return *fin;
    Entrees e;
    std::vector<BandeDemandee> demandees;
    double delaiS = DelaiBloquantS;
    try {
        const Demande d = demande(parseur);
        appliqueExecution(d);
        e = d.entrees;
        demandees = d.bandes;
        delaiS = d.delaiS;
    } catch (const KesuErreur &erreur) {
        erreurs << erreur.texte() << '\n';
        return Commande::Refus;
    }
    const auto table = Commande::tableDeLaCommande(litBandes, erreurs);
    if (!table)
        return Commande::Echec;
    QByteArray d;
    try {
        completeBandes(e, demandees, *table);
        // Too many segments: a value the check refuses.
        d = commande.deck ? commande.deck(e) : deck(e);
    } catch (const KesuErreur &erreur) {
        erreurs << erreur.texte() << '\n';
        return Commande::Refus;
    }
    // The model for another NEC-2 program, instead of the table.
    if (parseur.optionNames().contains(QStringLiteral("deck"))) {
        sortie << QString::fromLatin1(deckCommente(e, Commande::texteVersion()));
        return Commande::Reussite;
    }
    const Bilan bilan =
        calcule(d, commande.frequences ? commande.frequences(e) : nombreFrequences(e), delaiS);
    if (const auto *message = std::get_if<QString>(&bilan)) {
        erreurs << *message << '\n';
        return Commande::Echec;
    }
    // The bands computed are written; each one left out is named with its
    // reason, and the exit status says the table is not whole.
    const auto &zB = std::get<std::vector<ImpedanceB>>(bilan);
    Resultat r = evalue(e, zB);
    try {
        sortie << QString::fromUtf8(tableSansFaute(commande, e, zB, r, parseur));
    } catch (const KesuErreur &erreur) {
        erreurs << erreur.texte() << '\n';
        return Commande::Echec;
    }
    for (const BandeEchouee &echec : r.echecs)
        erreurs << Textes::BandeEchouee().arg(echec.bande.bande).arg(echec.raison) << '\n';
    return r.echecs.empty() ? Commande::Reussite : Commande::Echec;
}

int ligneCommande(const QStringList &arguments, const FichierBandes::Table &table,
                  QTextStream &sortie, QTextStream &erreurs, const Calculateur &calcule)
{
    return ligneCommande(
        arguments, [&] { return table; }, sortie, erreurs, calcule);
}

int surLeTerminal(const CommandeSurTerminal &commande)
{
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    installeInterruptions();
    return commande(sortie, erreurs, [](const QByteArray &d, int n, double delaiS) {
        return ExecutionNec::executeBloquant(d, n, programmeNec(), delaiS);
    });
}

int ligneCommande(const QStringList &arguments)
{
    return surLeTerminal([&](QTextStream &s, QTextStream &e, const Calculateur &c) {
        return ligneCommande(arguments, Commande::litKesuIni, s, e, c);
    });
}

} // namespace Nec
