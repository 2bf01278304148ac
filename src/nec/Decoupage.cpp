#include "nec/Decoupage.h"

#include "nec/ErreurChamp.h"
#include "nec/Nombres.h"
#include "regles/TextesNec.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Nec {

namespace {

// Each refusal names the input to change, so that a window shows it there.
[[noreturn]] void refuse(Champ champ, const QString &texte)
{
    throw ErreurChamp(champ, texte);
}

} // namespace

namespace {

// Integer counts from quotients that land on a whole number up to rounding.
constexpr double Marge = 1e-9;

} // namespace

Bras decoupeBras(double longueurM, double premierM, double raison, double pasMaxM)
{
    if (premierM >= pasMaxM) {
        const int m = static_cast<int>(std::ceil(longueurM / pasMaxM * (1 - Marge)));
        return {0, 0, longueurM / m, m, longueurM};
    }
    // The longest taper from premierM whose next segment still fits in pasMaxM.
    const int n =
        static_cast<int>(std::floor(std::log(pasMaxM / premierM) / std::log(raison) + Marge));
    const double croissance = std::pow(raison, n);
    const double somme = (croissance - 1) / (raison - 1); // in first segments
    if (longueurM <= premierM * somme) {
        // A short arm is one tapered wire: its segment count fits the length best.
        const double exact = std::log1p(longueurM * (raison - 1) / premierM) / std::log(raison);
        const int k = std::max(1, static_cast<int>(std::lround(exact)));
        return {k, longueurM, longueurM * (raison - 1) / (std::pow(raison, k) - 1), 0, 0};
    }
    // Beyond the taper, equal segments one ratio longer than its last, so the
    // growth goes on without a jump; the first segment shrinks a little to
    // make the whole fit exactly.
    const int m =
        static_cast<int>(std::ceil((longueurM / premierM - somme) / croissance * (1 - Marge)));
    const double premier = longueurM / (somme + m * croissance);
    const double effilee = premier * somme;
    return {n, effilee, premier, m, longueurM - effilee};
}

Decoupage decoupage(const Antenne &antenne, double frequenceMaxMHz, const Maillage &maillage)
{
    const double lambda = VitesseLumiere / (frequenceMaxMHz * 1e6);
    const double pasMax = lambda / maillage.fractionLambda;
    const double ecartement = antenne.ecartementMm / 1000;
    const double rayon = antenne.diametreMm / 2000;
    if (!(ecartement > 0 && ecartement <= pasMax))
        refuse(Champ::Ecartement, Textes::NecEcartement().arg(texteArrondi(pasMax * 1000, 0),
                                                              texte(maillage.fractionLambda)));
    if (!(2 * std::numbers::pi * rayon / lambda <= CirconferenceSurLambdaMax))
        refuse(Champ::Diametre,
               Textes::NecFilEpais().arg(
                   texteArrondi(lambda, 2),
                   texteArrondi(CirconferenceSurLambdaMax * lambda / std::numbers::pi * 1000, 0)));
    Decoupage d;
    d.bras =
        decoupeBras(antenne.brancheCm / 100, ecartement * maillage.raison, maillage.raison, pasMax);
    const double segments = 1 + 2.0 * (d.bras.segmentsEffiles + d.bras.segmentsReguliers);
    if (!(segments <= SegmentsMax))
        refuse(Champ::Branche,
               Textes::NecTropDeSegments().arg(texte(segments, 0)).arg(SegmentsMax));
    d.segments = static_cast<int>(segments);
    // Segments only grow from the feed outwards.
    d.plusCourtM = std::min(ecartement, d.bras.premierM);
    if (!(d.plusCourtM >= SegmentSurRayonMin * rayon))
        refuse(Champ::Diametre, Textes::NecSegmentCourt().arg(texteArrondi(d.plusCourtM * 1000, 1),
                                                              texte(SegmentSurRayonMin),
                                                              texteArrondi(rayon * 1000, 3)));
    return d;
}

double sommetMinimalM(const Antenne &antenne)
{
    const double garde = HauteurSurRayonMin * antenne.diametreMm / 2000;
    // A hair above the exact value, so that the rounded height passes the check.
    return std::ceil((chuteM(antenne) + garde) * 10 * (1 + Marge)) / 10;
}

std::optional<double> angleMinimalDeg(const Antenne &antenne)
{
    const double garde = HauteurSurRayonMin * antenne.diametreMm / 2000;
    const double chuteMax = antenne.hauteurM - garde; // how far the ends may hang
    const double branche = antenne.brancheCm / 100;
    if (!(chuteMax > 0))
        return std::nullopt;
    if (chuteMax >= branche)
        return AngleMin;
    return std::ceil(2 * std::acos(chuteMax / branche) * 180 / std::numbers::pi * (1 + Marge));
}

void verifiePose(const Antenne &antenne)
{
    if (antenne.forme == Forme::VInversee &&
        !(antenne.angleDeg > AngleMin && antenne.angleDeg <= AngleMax))
        refuse(Champ::Angle, Textes::NecAngle().arg(texte(AngleMin), texte(AngleMax)));
    if (antenne.sol == Sol::Libre)
        return;
    const double bas = antenne.hauteurM - chuteM(antenne);
    if (!(antenne.hauteurM > 0))
        refuse(Champ::Hauteur, Textes::NecHauteur());
    if (!(bas > 0)) {
        // Said with what would do: a higher apex, or arms spread wider.
        const auto angle = angleMinimalDeg(antenne);
        const QString texteBas = texteArrondi(bas, 2);
        const QString sommet = texte(sommetMinimalM(antenne));
        refuse(Champ::Hauteur,
               angle && *angle <= AngleMax
                   ? Textes::NecExtremitesVAngle().arg(texteBas, sommet, texte(*angle))
                   : Textes::NecExtremitesV().arg(texteBas, sommet));
    }
    const double rayon = antenne.diametreMm / 2000;
    if (!(bas >= HauteurSurRayonMin * rayon))
        refuse(Champ::Hauteur,
               Textes::NecSolProche().arg(texteArrondi(bas, 3), texte(HauteurSurRayonMin),
                                          texteArrondi(HauteurSurRayonMin * rayon * 1000, 1)));
}

} // namespace Nec
