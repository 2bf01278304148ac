#pragma once

#include "courant/Rapide.h"

#include <cmath>
#include <cstdint>

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
