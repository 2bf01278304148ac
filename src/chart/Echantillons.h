#pragma once

#include "regles/Arithmetique.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

// Arithmetic of the chart's inner loops, giving bit for bit the results of
// Arith::arrondi, Arith::somme and floorl without their library calls and
// x87 control-word changes, which cost as much as the sine itself. Anything out
// of the usual range, errors included, goes to the guarded versions.
namespace Rapide {

constexpr int Chiffres = std::numeric_limits<long double>::digits;

constexpr long double puissanceDeDeux(int n)
{
    long double p = 1;
    for (int i = 0; i < n; ++i)
        p *= 2;
    return p;
}

// Adding and then subtracting 1.5 * 2^(digits - 1) rounds |x| < 2^(digits - 2)
// to an integer in the current rounding mode, exactly as rintl does. The trick
// is written for the x87 extended format, where rintl is slow; other formats
// (a plain double, IEEE quad, IBM double-double) take rintl itself.
constexpr bool EtenduX87 = Chiffres == 64;
constexpr long double Magique = 1.5L * puissanceDeDeux(Chiffres - 1);
constexpr long double Borne = puissanceDeDeux(Chiffres - 2);

inline long double entierProche(long double x)
{
    if constexpr (EtenduX87)
        return (x + Magique) - Magique;
    else
        return std::rint(x);
}

inline std::int32_t arrondi(long double x)
{
    // Through double, exact for these integers: a direct conversion from
    // long double would change the x87 control word twice.
    if (x > -2147483648.0L && x < 2147483647.0L) // false for NaN
        return static_cast<std::int32_t>(static_cast<double>(entierProche(x)));
    return Arith::arrondi(x);
}

inline long double plancher(long double x)
{
    if (x > -Borne && x < Borne) {
        const long double r = entierProche(x);
        if (r == x)
            return x; // keeps a negative zero, as floorl does
        return r > x ? r - 1 : r;
    }
    return std::floor(x);
}

inline std::int32_t somme(std::int32_t a, std::int32_t b)
{
    const std::int64_t v = std::int64_t{a} + b;
    if (v >= std::numeric_limits<std::int32_t>::min() &&
        v <= std::numeric_limits<std::int32_t>::max())
        return static_cast<std::int32_t>(v);
    return Arith::somme(a, b);
}

} // namespace Rapide

// 2 pi to full extended precision.
inline constexpr long double DeuxPi = 6.283185307179586477L;

// Normalised current i centimetres from A for a band of nu cycles per
// centimetre: sin(i * 2 pi * nu), the phase formed in extended precision.
// The x87 sine costs about ten times the double one. Reducing the phase to one
// turn in extended precision first keeps the extended phase's accuracy, so the
// double sine lands on the same pixels.
inline double SinusCourant(std::int32_t i, double nu)
{
    long double phase = i * DeuxPi * nu;
    phase -= DeuxPi * Rapide::plancher(phase / DeuxPi);
    return std::sin(static_cast<double>(phase));
}

// One band's current as the chart samples it: the sample i centimetres from A
// stands at column GaucheGraphe + round(i * EchelleX) and row
// round(DemiHauteur - sin(i * 2 pi * nu) * EchelleY).
//
// Past some length there are thousands of samples per column, and the chart
// draws each column from what its samples cover instead of sample by sample.
// The envelope functions below find that from a few samples: between two turns
// of the sampled sine (its peaks and troughs, or for |s| its peaks and zeros)
// the samples are monotone, so the extremes over a run of samples are at its
// ends or next to a turn. A run holding more than PointsParFamille - 2 peaks
// (or troughs, or zeros) is judged on that many spread over it; every sample
// then lies within half a sample's phase of one of them.
class Echantillons {
public:
    static constexpr int PointsParFamille = 6;

    Echantillons(double nu, long double echelleX, long double echelleY, std::int32_t demiHauteur,
                 std::int32_t gauche);

    double sinus(std::int32_t i) const { return SinusCourant(i, nu_); }
    std::int32_t rangeeDe(double s) const { return Rapide::arrondi(demiHauteur_ - s * echelleY_); }
    std::int32_t rangee(std::int32_t i) const { return rangeeDe(sinus(i)); }
    // Column of sample i relative to GaucheGraphe, and absolute.
    std::int32_t decalage(std::int32_t i) const { return Rapide::arrondi(i * echelleX_); }
    std::int32_t colonne(std::int32_t i) const { return Rapide::somme(gauche_, decalage(i)); }

    // The last sample, at most dernier, in the column of sample a.
    std::int32_t finColonne(std::int32_t a, std::int32_t dernier) const;
    // Top and bottom rows of the samples a to b.
    std::pair<std::int32_t, std::int32_t> rangeesExtremes(std::int32_t a, std::int32_t b) const;
    // Largest and smallest |s| of the samples a to b.
    double maxAbsolu(std::int32_t a, std::int32_t b) const;
    double minAbsolu(std::int32_t a, std::int32_t b) const;
    // The first sample c in [a, b] such that the samples c to b all stand on
    // b's row.
    std::int32_t debutPalier(std::int32_t a, std::int32_t b) const;

private:
    template <class Fn>
    void pointsCritiques(std::int32_t a, std::int32_t b, long double quart, Fn &&visite) const;

    double nu_;
    // The frequency that the whole-centimetre samples show: nu folded into
    // [0, 1/2] cycle per centimetre, as sampling aliases it.
    long double frequence_;
    long double periode_; // 1 / frequence_, in centimetres
    long double echelleX_;
    long double echelleY_;
    std::int32_t demiHauteur_;
    std::int32_t gauche_;
};
