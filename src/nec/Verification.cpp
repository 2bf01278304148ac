#include "nec/Verification.h"

#include "nec/Nombres.h"
#include "regles/Defauts.h"
#include "regles/Erreurs.h"

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
    if (!(a.brancheCm > 0))
        refuse(Champ::Branche, Textes::NecBranche);
    if (!(a.diametreMm > 0 && a.diametreMm / 10 < a.brancheCm))
        refuse(Champ::Diametre, Textes::NecDiametre);
    if (a.sol != Sol::Libre && !(a.hauteurM > 0))
        refuse(Champ::Hauteur, Textes::NecHauteur);
    if (e.echelleCm < 0)
        refuse(Champ::Echelle, Textes::NecEchelle);
    if (!(e.echelle.coefVelocite > 0 && e.echelle.coefVelocite <= 1))
        refuse(Champ::CoefEchelle, Textes::NecCoefEchelle);
    if (!(e.echelle.z0 > 0))
        refuse(Champ::Z0, Textes::NecZ0);
    if (!(e.echelle.perteDb100m >= 0))
        refuse(Champ::Perte, Textes::NecPerte);
    const std::tuple<double, const char *, Champ> limites[] = {
        {e.limites.basse, "Limite basse", Champ::LimiteBasse},
        {e.limites.moyenne, "Limite moyenne", Champ::LimiteMoyenne},
        {e.limites.haute, "Limite haute", Champ::LimiteHaute},
    };
    for (const auto &[valeur, nom, champ] : limites)
        if (!(valeur > 0))
            refuse(champ, Textes::NecLimite.arg(QString::fromUtf8(nom)));
    if (e.longueurMaxCm <= 0)
        refuse(Champ::LongueurMax, Textes::NecLongueurMax);
    if (e.bandes.empty())
        refuse(Champ::Bandes, Textes::NecAucuneBande);
    verifiePose(a);
    decoupage(a, frequenceGeometrieMHz(e));
}

double frequenceGeometrieMHz(const Entrees &e)
{
    std::int32_t kHz = e.frequenceMaxTableKHz;
    for (const BandeVerifiee &b : e.bandes)
        kHz = std::max(kHz, b.frequenceKHz);
    return kHz / 1000.0;
}

QByteArray deck(const Entrees &e)
{
    std::vector<double> frequences;
    for (const BandeVerifiee &b : e.bandes)
        frequences.push_back(b.frequenceKHz / 1000.0);
    return deck(e.antenne, frequenceGeometrieMHz(e), frequences);
}

namespace {

// The chart's row of a band: true where it lets C fall.
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

Resultat evalue(const Entrees &e, const std::vector<ImpedanceB> &zB, const Resultat *precedent)
{
    Resultat r;
    r.cle = {e.longElecDip, e.echelle.coefVelocite, e.classe, e.seuils, e.longueurMaxCm};
    const std::size_t n = static_cast<std::size_t>(e.longueurMaxCm) + 1;
    for (std::size_t j = 0; j < e.bandes.size() && j < zB.size(); ++j) {
        const BandeVerifiee &b = e.bandes[j];
        const double f = b.frequenceKHz * 1e3;
        const Complexe gamma = propagation(e.echelle, f);
        const CarteBande *avant = bandePrecedente(precedent, r.cle, b);
        CarteBande c{b.k, avant ? avant->libreGraphe : rangeeGraphe(e, b, n), std::vector<bool>(n),
                     std::vector<float>(n)};
        std::size_t accords = 0;
        bool fini = true;
        Parcours ligne(zB[j].z, e.echelle.z0, gamma, 0.01);
        for (std::size_t l = 0; l < n; ++l, ligne.avance()) {
            const double module = ligne.module();
            c.libreNec[l] = accordable(module, e.classe, e.limites);
            c.module[l] = static_cast<float>(module);
            fini = fini && std::isfinite(c.module[l]);
            accords += c.libreGraphe[l] == c.libreNec[l];
        }
        const Complexe zC = impedance(zB[j].z, e.echelle.z0, gamma, e.echelleCm / 100.0);
        const double rapport = ros(zB[j].z, e.echelle, f, e.echelleCm / 100.0);
        if (!fini || !finie(zB[j].z) || !finie(zC) || !std::isfinite(rapport))
            leveErreur(Textes::NecNonFini.arg(b.bande));
        const std::int32_t iC =
            positionElectrique(e.longElecDip, e.echelleCm, e.echelle.coefVelocite);
        r.lignes.push_back({b, zB[j].z, zC, rapport, accordable(std::abs(zC), e.classe, e.limites),
                            !grapheMarque(b.frequenceKHz, iC, e.classe, e.seuils),
                            100.0 * accords / n});
        r.carte.push_back(std::move(c));
    }
    return r;
}

namespace {

QStringList champs(const LigneTableau &l)
{
    return {QString::number(l.bande.bande),
            QString::number(l.bande.frequenceKHz),
            texte(l.zB.real(), 2),
            texte(l.zB.imag(), 2),
            texte(l.zC.real(), 2),
            texte(l.zC.imag(), 2),
            texte(std::abs(l.zC), 2),
            texte(l.ros, 3),
            QString::number(l.accordableNec ? 1 : 0),
            QString::number(l.accordableGraphe ? 1 : 0),
            texte(l.accordPct, 1)};
}

const QString EnTeteTableau =
    QStringLiteral("bande,frequence_khz,r_b,x_b,r_c,x_c,module_c,ros,accordable_nec,"
                   "accordable_graphe,accord_pct");

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
    const QStringList entrees{texte(e.antenne.brancheCm),
                              QString::number(e.longElecDip),
                              QString::number(e.echelleCm),
                              texte(e.echelle.coefVelocite),
                              texte(e.antenne.diametreMm),
                              texte(e.antenne.hauteurM),
                              QString::fromLatin1(NomsSols[static_cast<int>(e.antenne.sol)]),
                              texte(e.echelle.z0),
                              texte(e.echelle.perteDb100m),
                              QString::fromLatin1(NomsClasses[static_cast<int>(e.classe)]),
                              texte(limite),
                              texte(e.seuils.bas),
                              texte(e.seuils.moyen),
                              texte(e.seuils.haut),
                              QString::number(e.longueurMaxCm)};
    QString t = EnTeteTableau +
                QStringLiteral(",branche_cm,branche_electrique_cm,echelle_cm,coef_echelle,"
                               "diametre_mm,hauteur_m,sol,z0_ohm,perte_db_100m_10mhz,classe,"
                               "limite_ohm,seuil_bas,seuil_moyen,seuil_haut,longueur_carte_cm\n");
    const QString suite = u',' + entrees.join(u',') + u'\n';
    for (const LigneTableau &l : lignes)
        t += champs(l).join(u',') + suite;
    return t.toUtf8();
}

} // namespace Nec
