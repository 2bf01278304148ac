#pragma once

#include "regles/Arithmetique.h"

#include <cmath>
#include <cstdint>
#include <limits>

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
