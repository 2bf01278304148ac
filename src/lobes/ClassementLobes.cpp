#include "lobes/ClassementLobes.h"

#include <cmath>

namespace {

// A threshold as an exact fraction: no double equals 0.3, 0.6, 0.68, 1.6 or
// 2.6, and which side of the decimal the nearest double falls on differs from
// one to the next, so comparing with double constants would misclassify those
// doubles (0.3 as "lamda0_5", 0.6 as "lamda1_5").
struct Decimal {
    double numerateur; // small integers, exact in a double
    double denominateur;
};

constexpr Decimal Seuil0_3{3, 10};
constexpr Decimal Seuil0_6{6, 10};
constexpr Decimal Seuil0_68{68, 100};
constexpr Decimal Seuil1_6{16, 10};
constexpr Decimal Seuil2_6{26, 10};

// Sign of x·q − p, computed exactly: fma gives the rounding error of the
// product, which decides when the rounded product equals p. NaN gives NaN, so
// both comparisons below are false for it.
double ecart(double x, Decimal d)
{
    const double produit = x * d.denominateur;
    if (produit != d.numerateur)
        return produit - d.numerateur;
    return std::fma(x, d.denominateur, -produit);
}

bool dessous(double x, Decimal d)
{
    return ecart(x, d) < 0;
}
bool dessus(double x, Decimal d)
{
    return ecart(x, d) > 0;
}

} // namespace

QString ClasseLobes(double lamdaDip)
{
    const double x = lamdaDip;
    if (dessous(x, Seuil0_3))
        return QStringLiteral("lamda0_25");
    if (dessous(x, Seuil0_6))
        return QStringLiteral("lamda0_5");
    if (dessus(x, Seuil0_6) && dessous(x, Seuil0_68))
        return QStringLiteral("lamda0_64");
    if (dessous(x, Seuil1_6))
        return QStringLiteral("lamda1_5");
    if (dessous(x, Seuil2_6))
        return QStringLiteral("lamda2");
    return QStringLiteral("lamda3");
}
