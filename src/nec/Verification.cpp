#include "nec/Verification.h"

#include "nec/Nombres.h"
#include "nec/PlanBandes.h"
#include "regles/Defauts.h"
#include "regles/TextesBoite.h"
#include "regles/TextesMoteur.h"
#include "regles/TextesNec.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace Nec {

std::int32_t longueurMaxParDefaut(std::int32_t echelleCm)
{
    return std::max<std::int32_t>(2 * echelleCm, Defauts::LongueurMaxMinCm);
}

void valide(const Entrees &e)
{
    const auto refuse = [](Champ champ, const QString &texte) { throw ErreurChamp(champ, texte); };
    const Antenne &a = e.antenne;
    // Each input within its physical range, named as its box names it. The
    // height only counts over a ground.
    struct Borne {
        Champ champ;
        const char *nom;
        double valeur;
        Defauts::Plage plage;
    };
    const Borne bornes[] = {
        {Champ::Branche, QT_TRANSLATE_NOOP("Nec", "Longueur de la branche (cm)"), a.brancheCm,
         Defauts::PlageBrancheCm},
        {Champ::Echelle, QT_TRANSLATE_NOOP("Nec", "Longueur de l'échelle (cm)"),
         double(e.echelleCm), Defauts::PlageEchelleCm},
        {Champ::CoefEchelle, QT_TRANSLATE_NOOP("Nec", "Coefficient de vélocité de l'échelle"),
         e.echelle.coefVelocite, Defauts::PlageCoefEchelle},
        {Champ::Diametre, QT_TRANSLATE_NOOP("Nec", "Diamètre du fil (mm)"), a.diametreMm,
         Defauts::PlageDiametreMm},
        {Champ::Hauteur, QT_TRANSLATE_NOOP("Nec", "Hauteur (m)"),
         a.sol == Sol::Libre ? Defauts::PlageHauteurM.min : a.hauteurM, Defauts::PlageHauteurM},
        {Champ::Ecartement, QT_TRANSLATE_NOOP("Nec", "Écartement de l'échelle (mm)"),
         a.ecartementMm, Defauts::PlageEcartementMm},
        {Champ::Z0, QT_TRANSLATE_NOOP("Nec", "Impédance Z0 (Ω)"), e.echelle.z0,
         Defauts::PlageZ0Ohms},
        {Champ::Perte, QT_TRANSLATE_NOOP("Nec", "Perte de l'échelle (dB/100 m à 10 MHz)"),
         e.echelle.perteDb100m, Defauts::PlagePerteDb100m},
        {Champ::LimiteBasse, QT_TRANSLATE_NOOP("Nec", "Limite basse (Ω)"), e.limites.basse,
         Defauts::PlageLimiteOhms},
        {Champ::LimiteMoyenne, QT_TRANSLATE_NOOP("Nec", "Limite moyenne (Ω)"), e.limites.moyenne,
         Defauts::PlageLimiteOhms},
        {Champ::LimiteHaute, QT_TRANSLATE_NOOP("Nec", "Limite haute (Ω)"), e.limites.haute,
         Defauts::PlageLimiteOhms},
        {Champ::RosMax, QT_TRANSLATE_NOOP("Nec", "ROS maximal de la boîte"), e.boite.rosMax,
         Defauts::PlageRosMax},
        {Champ::LongueurMax, QT_TRANSLATE_NOOP("Nec", "Longueur maximale de la carte (cm)"),
         double(e.longueurMaxCm), Defauts::PlageLongueurMaxCm},
        {Champ::CMin, QT_TRANSLATE_NOOP("Nec", "Capacité minimale (pF)"), e.pieces.cMinPf,
         Defauts::PlageCapacitePf},
        {Champ::CMax, QT_TRANSLATE_NOOP("Nec", "Capacité maximale (pF)"), e.pieces.cMaxPf,
         Defauts::PlageCapacitePf},
        {Champ::LMin, QT_TRANSLATE_NOOP("Nec", "Self minimale (µH)"), e.pieces.lMinUh,
         Defauts::PlageInductanceUh},
        {Champ::LMax, QT_TRANSLATE_NOOP("Nec", "Self maximale (µH)"), e.pieces.lMaxUh,
         Defauts::PlageInductanceUh},
        {Champ::QBobine, QT_TRANSLATE_NOOP("Nec", "Q de la self"), e.pieces.qBobine,
         Defauts::PlageQ},
        {Champ::QCondensateur, QT_TRANSLATE_NOOP("Nec", "Q des condensateurs"),
         e.pieces.qCondensateur, Defauts::PlageQ},
        {Champ::Puissance, QT_TRANSLATE_NOOP("Nec", "Puissance de l'émetteur (W)"),
         e.pieces.puissanceW, Defauts::PlagePuissanceW},
        {Champ::PerteBoiteMax, QT_TRANSLATE_NOOP("Nec", "Perte maximale de la boîte (dB)"),
         e.pieces.perteMaxDb, Defauts::PlagePerteBoiteDb},
        {Champ::TensionMax, QT_TRANSLATE_NOOP("Nec", "Tension maximale des condensateurs (V)"),
         e.pieces.tensionMaxV, Defauts::PlageTensionV},
        // Judged only when used.
        {Champ::Permittivite, QT_TRANSLATE_NOOP("Nec", "Permittivité relative du sol"),
         a.sol == Sol::Personnalise ? a.solPersonnalise.permittivite
                                    : Defauts::PlagePermittivite.min,
         Defauts::PlagePermittivite},
        {Champ::Conductivite, QT_TRANSLATE_NOOP("Nec", "Conductivité du sol (S/m)"),
         a.sol == Sol::Personnalise ? a.solPersonnalise.conductivite
                                    : Defauts::PlageConductivite.min,
         Defauts::PlageConductivite},
    };
    for (const Borne &b : bornes)
        if (!b.plage.contient(b.valeur))
            refuse(b.champ, Textes::NecHorsPlage().arg(
                                QCoreApplication::translate("Nec", b.nom), texteLisible(b.valeur),
                                texteLisible(b.plage.min), texteLisible(b.plage.max)));
    if (!(e.pieces.cMinPf < e.pieces.cMaxPf))
        refuse(Champ::CMax, Textes::NecPiecesOrdre().arg(
                                QCoreApplication::translate("Nec", "Capacité maximale (pF)")));
    if (!(e.pieces.lMinUh < e.pieces.lMaxUh))
        refuse(Champ::LMax, Textes::NecPiecesOrdre().arg(
                                QCoreApplication::translate("Nec", "Self maximale (µH)")));
    if (std::find(std::begin(Baluns), std::end(Baluns), e.boite.balun) == std::end(Baluns))
        refuse(Champ::Balun, Textes::NecBalun());
    if (e.region < RegionMin || e.region > RegionMax)
        refuse(Champ::Region, Textes::NecRegion());
    if (e.points < PointsMin || e.points > PointsMax)
        refuse(Champ::Points, Textes::NecPoints().arg(PointsMin).arg(PointsMax));
    if (e.bandes.empty())
        refuse(Champ::Bandes, Textes::NecAucuneBande());
    // The wire itself first: a wire too thick is the fault, not its height.
    decoupage(a, frequenceGeometrieMHz(e));
    verifiePose(a);
}

double frequenceGeometrieMHz(const Entrees &e)
{
    std::int32_t kHz = e.frequenceMaxTableKHz;
    for (const BandeVerifiee &b : e.bandes)
        kHz = std::max(kHz, b.frequenceKHz);
    return kHz / 1000.0;
}

std::vector<double> balayageKHz(const Entrees &e, const BandeVerifiee &b)
{
    const auto plan = bords(e.region, b.bande);
    return plan ? pointsBande(*plan, e.points) : std::vector<double>{};
}

int nombreFrequences(const Entrees &e)
{
    std::size_t n = e.bandes.size();
    for (const BandeVerifiee &b : e.bandes)
        n += balayageKHz(e, b).size();
    return static_cast<int>(n);
}

QByteArray deck(const Entrees &e)
{
    std::vector<double> frequences;
    std::vector<double> balayage;
    for (const BandeVerifiee &b : e.bandes) {
        frequences.push_back(b.frequenceKHz / 1000.0);
        for (double f : balayageKHz(e, b))
            balayage.push_back(f / 1000.0);
    }
    return deckBalaye(e.antenne, frequenceGeometrieMHz(e), frequences, balayage);
}

QByteArray deckCommente(const Entrees &e, const QString &programme)
{
    const Antenne &a = e.antenne;
    QStringList bandes;
    for (const BandeVerifiee &b : e.bandes)
        bandes << QStringLiteral("%1 m (%2 kHz)").arg(b.bande).arg(b.frequenceKHz);
    QString sol = QString::fromLatin1(NomsSols[static_cast<int>(a.sol)]);
    if (const auto c = constantes(a))
        sol += QStringLiteral(" (er %1, sigma %2 S/m)")
                   .arg(texte(c->permittivite), texte(c->conductivite));
    // The comments follow the user's language, in plain ASCII: NEC-2 cards
    // are read as such by every engine.
    const auto carte = [](const char *t) { return QCoreApplication::translate("Modele", t); };
    const QStringList cartes{
        carte(QT_TRANSLATE_NOOP("Modele", "%1 : modele de la verification NEC-2")).arg(programme),
        carte(QT_TRANSLATE_NOOP(
                  "Modele",
                  "Antenne : deux branches de %1 cm, fil de %2 mm (%3), %4, hauteur %5 m%6"))
            .arg(texte(a.brancheCm), texte(a.diametreMm),
                 QString::fromLatin1(NomsFils[static_cast<int>(a.fil)]),
                 QString::fromLatin1(NomsFormes[static_cast<int>(a.forme)]), texte(a.hauteurM),
                 a.forme == Forme::VInversee
                     ? carte(QT_TRANSLATE_NOOP("Modele", ", angle %1 deg")).arg(texte(a.angleDeg))
                     : QString()),
        carte(QT_TRANSLATE_NOOP("Modele", "Sol : %1")).arg(sol),
        carte(QT_TRANSLATE_NOOP("Modele", "Bandes : %1")).arg(bandes.join(QStringLiteral(", "))),
        carte(QT_TRANSLATE_NOOP(
                  "Modele",
                  "Frequences : celle de chaque bande, puis les points de son plan (region %1)"))
            .arg(e.region),
        carte(QT_TRANSLATE_NOOP("Modele",
                                "Alimentation : segment 1 du fil 1, au centre entre les branches")),
    };
    QByteArray d = deck(e);
    // NEC-2 reads a card's first 80 columns: a longer comment runs into the
    // next card. Each one is wrapped at a word.
    constexpr qsizetype Colonnes = 80 - 3;
    QByteArray cm;
    for (const QString &c : cartes) {
        QString ligne;
        for (const QString &mot : c.split(u' ', Qt::SkipEmptyParts)) {
            if (!ligne.isEmpty() && ligne.size() + 1 + mot.size() > Colonnes) {
                cm += "CM " + ligne.toLatin1() + '\n';
                ligne.clear();
            }
            ligne += (ligne.isEmpty() ? QString() : QStringLiteral(" ")) + mot;
        }
        cm += "CM " + ligne.toLatin1() + '\n';
    }
    const qsizetype apres = d.indexOf('\n') + 1;
    return d.insert(apres, cm);
}

Reseau::Pieces piecesJugees(const Entrees &e)
{
    Reseau::Pieces p = e.pieces;
    if (critereReseau(e.critere))
        p.type = e.critere == Critere::ReseauT ? Reseau::Type::T : Reseau::Type::L;
    return p;
}

Reseau::Reglage reglageC(const Entrees &e, Complexe zC, double frequenceHz)
{
    return Reseau::regle(piecesJugees(e), zC / static_cast<double>(e.boite.balun), frequenceHz);
}

bool accordableC(const Entrees &e, Complexe zC, double frequenceHz)
{
    switch (e.critere) {
    case Critere::Boite:
        return accordable(e.boite, zC);
    case Critere::ReseauT:
    case Critere::ReseauL:
        return Reseau::accordable(piecesJugees(e), zC / static_cast<double>(e.boite.balun),
                                  frequenceHz);
    case Critere::Limite:
        break;
    }
    return accordable(std::abs(zC), e.classe, e.limites);
}

std::vector<bool> rangeeGraphe(const Entrees &e, const BandeVerifiee &b, std::size_t n)
{
    std::vector<bool> r(n);
    for (std::size_t l = 0; l < n; ++l) {
        const std::int32_t i =
            positionElectrique(e.longElecDip, static_cast<std::int32_t>(l), e.echelle.coefVelocite);
        r[l] = !grapheMarque(b.frequenceKHz, i, e.classe, e.seuils);
    }
    return r;
}

std::optional<QString> fauteReponse(const ImpedanceB &z, double frequenceMHz)
{
    const QString f = texte(frequenceMHz);
    if (z.manquante)
        return Textes::NecSansReponse().arg(f);
    if (!(std::isfinite(z.z.real()) && std::isfinite(z.z.imag())))
        return Textes::NecImpedanceNonFinie().arg(f);
    if (!(z.z.real() > 0))
        return Textes::NecResistanceNonPhysique().arg(f, texte(z.z.real()));
    return std::nullopt;
}

std::size_t debutBalayage(const Entrees &e, std::size_t j)
{
    std::size_t debut = e.bandes.size();
    for (std::size_t i = 0; i < j; ++i)
        debut += balayageKHz(e, e.bandes[i]).size();
    return debut;
}

std::optional<QString> fauteBande(const Entrees &e, const std::vector<ImpedanceB> &zB,
                                  std::size_t j)
{
    const BandeVerifiee &b = e.bandes[j];
    const double mhz = b.frequenceKHz / 1000.0;
    if (j >= zB.size())
        return Textes::NecSansReponse().arg(texte(mhz));
    std::optional<QString> faute = fauteReponse(zB[j], mhz);
    const std::vector<double> balayage = balayageKHz(e, b);
    const std::size_t debut = debutBalayage(e, j);
    for (std::size_t i = 0; i < balayage.size() && debut + i < zB.size() && !faute; ++i)
        faute = fauteReponse(zB[debut + i], balayage[i] / 1000);
    return faute;
}

std::vector<PointC> pointsC(const Entrees &e, const std::vector<ImpedanceB> &zB, std::size_t j)
{
    const double longueurM = e.echelleCm / 100.0;
    const BandeVerifiee &b = e.bandes[j];
    std::vector<PointC> r;
    const auto ajoute = [&](double hz, std::size_t k) {
        if (k < zB.size())
            r.push_back({hz, impedanceEnC(zB[k].z, e.echelle, hz, longueurM)});
    };
    ajoute(b.frequenceKHz * 1e3, j);
    std::size_t k = debutBalayage(e, j);
    for (double kHz : balayageKHz(e, b))
        ajoute(kHz * 1e3, k++);
    return r;
}

namespace {

bool finie(Complexe z)
{
    return std::isfinite(z.real()) && std::isfinite(z.imag());
}

const CarteBande *bandePrecedente(const Resultat *precedent, const CleGraphe &cle,
                                  const BandeVerifiee &b)
{
    if (!precedent || !(precedent->cle == cle))
        return nullptr;
    for (std::size_t j = 0; j < precedent->lignes.size(); ++j)
        if (precedent->lignes[j].bande.frequenceKHz == b.frequenceKHz)
            return &precedent->carte[j];
    return nullptr;
}

} // namespace

namespace {

// The tuner's verdict along the ladder, a centimetre at a time from B, and-ed
// into r (so that a band's sweep needs no row of its own per point), with |Z|
// into module when given. The criterion is chosen once, outside the loop.
void etendRangeeNec(const Entrees &e, Complexe zB, double frequenceHz, std::vector<bool> &r,
                    float *module)
{
    Parcours ligne(zB, e.echelle.z0, propagation(e.echelle, frequenceHz), 0.01);
    const std::size_t n = r.size();
    if (critereReseau(e.critere)) {
        // The network's verdict with what does not change along the row
        // worked out once, as accordableC would give it.
        Reseau::Accord accord(piecesJugees(e), frequenceHz);
        const auto balun = static_cast<double>(e.boite.balun);
        for (std::size_t l = 0; l < n; ++l, ligne.avance()) {
            if (r[l] && !accord(ligne.impedance() / balun))
                r[l] = false;
            if (module)
                module[l] = static_cast<float>(ligne.module());
        }
        return;
    }
    if (e.critere != Critere::Limite) {
        for (std::size_t l = 0; l < n; ++l, ligne.avance()) {
            if (r[l] && !accordableC(e, ligne.impedance(), frequenceHz))
                r[l] = false;
            if (module)
                module[l] = static_cast<float>(ligne.module());
        }
        return;
    }
    for (std::size_t l = 0; l < n; ++l, ligne.avance()) {
        const double m = ligne.module();
        if (r[l] && !accordable(m, e.classe, e.limites))
            r[l] = false;
        if (module)
            module[l] = static_cast<float>(m);
    }
}

std::vector<bool> rangeeNec(const Entrees &e, Complexe zB, double frequenceHz, std::size_t n,
                            std::vector<float> *module)
{
    std::vector<bool> r(n, true);
    etendRangeeNec(e, zB, frequenceHz, r, module ? module->data() : nullptr);
    return r;
}

} // namespace

Resultat evalue(const Entrees &e, const std::vector<ImpedanceB> &zB, const Resultat *precedent,
                bool avecGraphe)
{
    Resultat r;
    r.cle = {e.longElecDip, e.echelle.coefVelocite, e.classe, e.seuils, e.longueurMaxCm};
    const std::size_t n = static_cast<std::size_t>(e.longueurMaxCm) + 1;
    const double longueurM = e.echelleCm / 100.0;
    for (std::size_t j = 0; j < e.bandes.size(); ++j) {
        const BandeVerifiee &b = e.bandes[j];
        // Any answer of the band that cannot be used leaves it out.
        const std::optional<QString> faute = fauteBande(e, zB, j);
        const std::vector<double> balayage = balayageKHz(e, b);
        if (faute) {
            r.echecs.push_back({b, *faute});
            continue;
        }
        std::size_t suivant = debutBalayage(e, j);
        const double f = b.frequenceKHz * 1e3;
        const CarteBande *avant = bandePrecedente(precedent, r.cle, b);
        CarteBande c{b.k,
                     avant        ? avant->libreGraphe
                     : avecGraphe ? rangeeGraphe(e, b, n)
                                  : std::vector<bool>(),
                     {},
                     {},
                     std::vector<float>(n)};
        c.libreNec = rangeeNec(e, zB[j].z, f, n, &c.module);
        const Complexe zC = impedanceEnC(zB[j].z, e.echelle, f, longueurM);
        const double rapport = ros(zB[j].z, e.echelle, f, longueurM);
        const double perte = perteDb(zB[j].z, e.echelle, f, longueurM);
        bool fini = std::all_of(c.module.begin(), c.module.end(),
                                [](float m) { return std::isfinite(m); }) &&
                    finie(zB[j].z) && finie(zC) && std::isfinite(rapport) && std::isfinite(perte);
        LigneTableau t{
            b,
            zB[j].z,
            zC,
            rapport,
            accordableC(e, zC, f),
            !grapheMarque(b.frequenceKHz,
                          positionElectrique(e.longElecDip, e.echelleCm, e.echelle.coefVelocite),
                          e.classe, e.seuils),
            true,
            rosBoite(zC, e.boite.balun),
            0,
            perte,
            100 * std::pow(10.0, -perte / 10),
            reglageC(e, zC, f),
            zB[j].perteFilPct,
            0,
            0};
        c.libreNecBande = balayage.empty() ? c.libreNec : std::vector<bool>(n, true);
        t.rosBoiteMaxBande = balayage.empty() ? t.rosBoite : 0;
        t.accordableBande = balayage.empty() ? t.accordableNec : true;
        for (double kHz : balayage) {
            if (suivant >= zB.size())
                break;
            const Complexe z = zB[suivant++].z;
            const Complexe zCf = impedanceEnC(z, e.echelle, kHz * 1e3, longueurM);
            fini = fini && finie(z) && finie(zCf);
            t.rosBoiteMaxBande = std::max(t.rosBoiteMaxBande, rosBoite(zCf, e.boite.balun));
            t.accordableBande = t.accordableBande && accordableC(e, zCf, kHz * 1e3);
            etendRangeeNec(e, z, kHz * 1e3, c.libreNecBande, nullptr);
        }
        fini = fini && std::isfinite(t.rosBoite) && std::isfinite(t.rosBoiteMaxBande);
        if (!fini) {
            r.echecs.push_back({b, Textes::NecLigneNonFinie()});
            continue;
        }
        std::size_t libresATort = 0;
        std::size_t interditsATort = 0;
        for (std::size_t l = 0; l < c.libreGraphe.size(); ++l) {
            libresATort += c.libreGraphe[l] && !c.libreNecBande[l];
            interditsATort += !c.libreGraphe[l] && c.libreNecBande[l];
        }
        t.libreATortPct = 100.0 * libresATort / n;
        t.interditATortPct = 100.0 * interditsATort / n;
        r.lignes.push_back(t);
        r.carte.push_back(std::move(c));
    }
    return r;
}

namespace {

QStringList champs(const LigneTableau &l)
{
    return {QString::number(l.bande.bande),
            QString::number(l.bande.frequenceKHz),
            champ(l.zB.real(), 2),
            champ(l.zB.imag(), 2),
            champ(l.zC.real(), 2),
            champ(l.zC.imag(), 2),
            champ(std::abs(l.zC), 2),
            champ(l.ros, 3),
            QString::number(l.accordableNec ? 1 : 0),
            QString::number(l.accordableGraphe ? 1 : 0),
            QString::number(l.accordableBande ? 1 : 0),
            champ(l.rosBoite, 3),
            champ(l.rosBoiteMaxBande, 3),
            champ(l.perteDb, 3),
            champ(l.rendementPct, 1),
            champ(l.libreATortPct, 1),
            champ(l.interditATortPct, 1)};
}

const QString EnTeteTableau =
    QStringLiteral("bande,frequence_khz,r_b,x_b,r_c,x_c,module_c,ros,accordable_nec,"
                   "accordable_graphe,accordable_bande,ros_boite,ros_boite_max_bande,perte_db,"
                   "rendement_pct,libre_a_tort_pct,interdit_a_tort_pct");

} // namespace

QByteArray csv(const std::vector<LigneTableau> &lignes)
{
    QString t = EnTeteTableau + u'\n';
    for (const LigneTableau &l : lignes)
        t += champs(l).join(u',') + u'\n';
    return t.toUtf8();
}

QByteArray csv(const Entrees &e, const std::vector<LigneTableau> &lignes)
{
    // Only the limit of the class in use decides; it is the one --limite sets.
    const double limite = e.classe == Classe::Basse     ? e.limites.basse
                          : e.classe == Classe::Moyenne ? e.limites.moyenne
                                                        : e.limites.haute;
    const QStringList entrees{
        texte(e.antenne.brancheCm),
        QString::number(e.longElecDip),
        QString::number(e.echelleCm),
        texte(e.echelle.coefVelocite),
        QString::number(e.region),
        QString::number(e.points),
        QString::number(e.boite.balun),
        texte(e.boite.rosMax),
        texte(e.antenne.diametreMm),
        texte(e.antenne.hauteurM),
        QString::fromLatin1(NomsSols[static_cast<int>(e.antenne.sol)]),
        texte(e.antenne.ecartementMm),
        QString::fromLatin1(NomsFormes[static_cast<int>(e.antenne.forme)]),
        texte(e.antenne.angleDeg),
        texte(e.echelle.z0),
        texte(e.echelle.perteDb100m),
        QString::fromLatin1(
            NomsClasses[static_cast<std::size_t>(rangCritere(e.critere, e.classe))]),
        texte(limite),
        texte(e.seuils.bas),
        texte(e.seuils.moyen),
        texte(e.seuils.haut),
        QString::number(e.longueurMaxCm),
        QString::fromLatin1(NomsFils[static_cast<int>(e.antenne.fil)])};
    QString t =
        EnTeteTableau +
        QStringLiteral(
            ",branche_cm,branche_electrique_cm,echelle_cm,coef_echelle,region,"
            "points,balun,ros_max,diametre_mm,hauteur_m,sol,ecartement_mm,forme,angle_deg,z0_ohm,"
            "perte_db_100m_10mhz,classe,limite_ohm,seuil_bas,seuil_moyen,seuil_haut,"
            "longueur_carte_cm,fil\n");
    const QString suite = u',' + entrees.join(u',') + u'\n';
    for (const LigneTableau &l : lignes)
        t += champs(l).join(u',') + suite;
    return t.toUtf8();
}

} // namespace Nec
