#include "chart/Echantillons.h"

#include <algorithm>
#include <cmath>

namespace {

// Enough rounds to walk a plateau back over every turn of a run that is
// judged exactly, and a few more.
constexpr int ToursPalier = 2 * Echantillons::PointsParFamille + 3;

} // namespace

Echantillons::Echantillons(double nu, long double echelleX, long double echelleY,
                           std::int32_t demiHauteur, std::int32_t gauche)
    : nu_(nu), frequence_(std::fabs(nu - std::nearbyint(nu))),
      periode_(frequence_ > 0 ? 1 / frequence_ : 0), echelleX_(echelleX), echelleY_(echelleY),
      demiHauteur_(demiHauteur), gauche_(gauche)
{
}

std::int32_t Echantillons::finColonne(std::int32_t a, std::int32_t dernier) const
{
    const std::int32_t c = decalage(a);
    if (decalage(dernier) == c)
        return dernier;
    // The columns never go back, so the samples of column c are a block from
    // a: bracket its end by the scale's guess, then bisect.
    std::int32_t dedans = a;       // in column c
    std::int32_t dehors = dernier; // past it
    if (echelleX_ != 0) {
        const long double bord = (echelleX_ > 0 ? c + 0.5L : c - 0.5L) / echelleX_;
        if (bord > dedans && bord < dehors) {
            const auto g = static_cast<std::int32_t>(Rapide::plancher(bord));
            if (decalage(g) == c) {
                dedans = g;
                if (g + 1 < dehors) {
                    if (decalage(g + 1) != c)
                        return g;
                    dedans = g + 1;
                }
            } else {
                dehors = g;
            }
        }
    }
    while (dehors - dedans > 1) {
        const std::int32_t milieu = dedans + (dehors - dedans) / 2;
        (decalage(milieu) == c ? dedans : dehors) = milieu;
    }
    return dedans;
}

// Visits the samples of [a, b] on either side of each point where the folded
// phase is a whole number of turns plus quart; spread over the run when it
// holds more than PointsParFamille of them.
template <class Fn>
void Echantillons::pointsCritiques(std::int32_t a, std::int32_t b, long double quart,
                                   Fn &&visite) const
{
    if (frequence_ == 0)
        return;
    // One more point on each side than the run strictly holds, against rounding.
    const long double kMin = -Rapide::plancher(quart - a * frequence_) - 1;
    const long double kMax = Rapide::plancher(b * frequence_ - quart) + 1;
    const auto n = static_cast<std::int64_t>(kMax - kMin) + 1;
    const std::int64_t pris = std::min<std::int64_t>(n, PointsParFamille);
    for (std::int64_t j = 0; j < pris; ++j) {
        const std::int64_t pas = pris == 1 ? 0 : (n - 1) * j / (pris - 1);
        // A hair's error in u only matters where a sample sits on the turn
        // itself, and then that sample is still one of the two visited.
        const long double u = (kMin + pas + quart) * periode_;
        const long double avant = Rapide::plancher(u);
        for (const long double v : {avant, avant + 1})
            if (v >= a && v <= b)
                visite(static_cast<std::int32_t>(v));
    }
}

std::pair<std::int32_t, std::int32_t> Echantillons::rangeesExtremes(std::int32_t a,
                                                                    std::int32_t b) const
{
    double sMin = sinus(a);
    double sMax = sMin;
    const auto prend = [&](std::int32_t i) {
        const double s = sinus(i);
        sMin = std::min(sMin, s);
        sMax = std::max(sMax, s);
    };
    prend(b);
    pointsCritiques(a, b, 0.25L, prend); // peaks
    pointsCritiques(a, b, 0.75L, prend); // troughs
    // The row falls as s rises (or rises, for a negative scale).
    return std::minmax(rangeeDe(sMin), rangeeDe(sMax));
}

double Echantillons::maxAbsolu(std::int32_t a, std::int32_t b) const
{
    double m = std::max(std::fabs(sinus(a)), std::fabs(sinus(b)));
    const auto prend = [&](std::int32_t i) { m = std::max(m, std::fabs(sinus(i))); };
    pointsCritiques(a, b, 0.25L, prend);
    pointsCritiques(a, b, 0.75L, prend);
    return m;
}

double Echantillons::minAbsolu(std::int32_t a, std::int32_t b) const
{
    double m = std::min(std::fabs(sinus(a)), std::fabs(sinus(b)));
    const auto prend = [&](std::int32_t i) { m = std::min(m, std::fabs(sinus(i))); };
    pointsCritiques(a, b, 0.0L, prend); // zeros
    pointsCritiques(a, b, 0.5L, prend);
    return m;
}

std::int32_t Echantillons::debutPalier(std::int32_t a, std::int32_t b) const
{
    const std::int32_t y = rangee(b);
    std::int32_t haut = b; // the samples haut to b stand on row y
    for (int tour = 0; tour < ToursPalier; ++tour) {
        // From just past the last turn before haut up to haut the rows are
        // monotone, so those on row y end the stretch.
        std::int32_t bas = a;
        if (frequence_ > 0) {
            const long double parCm = 2 * frequence_; // turns per centimetre
            const long double j = -Rapide::plancher(0.5L - haut * parCm) - 1;
            const long double tournant = (j + 0.5L) / parCm;
            if (tournant >= a)
                bas = static_cast<std::int32_t>(
                    std::min<long double>(Rapide::plancher(tournant) + 1, haut));
        }
        std::int32_t premier = haut;
        for (std::int32_t lo = bas; lo < premier;) {
            const std::int32_t milieu = lo + (premier - lo) / 2;
            if (rangee(milieu) == y)
                premier = milieu;
            else
                lo = milieu + 1;
        }
        if (premier > bas || bas == a)
            return premier;
        if (rangee(bas - 1) != y)
            return bas;
        haut = bas - 1; // the plateau goes on over the turn
    }
    // A plateau over that many turns means the rows do not move at all.
    return a;
}
