#pragma once

#include <QString>
#include <cstdint>

// Guarded arithmetic: integers are signed 32-bit and never wrap, reals never
// turn into infinities or not-a-number values. Each failure throws a
// KesuErreur with the French text the user expects.
namespace Arith {

std::int32_t somme(std::int32_t a, std::int32_t b);
std::int32_t difference(std::int32_t a, std::int32_t b);
std::int32_t produit(std::int32_t a, std::int32_t b);

// Nearest integer, ties to the even neighbour; outside 32 bits is a range error.
std::int32_t arrondi(long double x);
// Same rounding into 64 bits (used where the read-outs follow the mouse).
std::int64_t arrondi64(long double x);
// Drops the fraction toward zero; outside 32 bits is a range error.
std::int32_t tronque(long double x);

// Real division: 0/0 is an invalid operation, x/0 a division by zero, and a
// result too large for a double an overflow.
long double divise(long double a, long double b);
// Checks a real result before it is stored as a double.
double versDouble(long double x);
long double verifie(long double x);

// Integer conversion of typed text: leading blanks, an optional sign, then
// decimal digits or '$' and hexadecimal digits, nothing after; 32-bit range.
std::int32_t StrToInt(const QString &texte);

} // namespace Arith
