#pragma once

#include <complex>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Nec {

// The feed-point impedance nec2c computed at one frequency.
struct ImpedanceB {
    double frequenceMHz;
    std::complex<double> z; // ohms
    // No answer came for this frequency: z is then NaN.
    bool manquante = false;
    // The share of the power fed that the wire turns into heat, in percent
    // (its POWER BUDGET's structure loss over input power); NaN when untold.
    double perteFilPct = std::numeric_limits<double>::quiet_NaN();
};

// Reads every frequency's feed impedance from nec2c's output, in order: each
// "FREQUENCY :" line followed by its "ANTENNA INPUT PARAMETERS" row (real and
// imaginary ohms in columns 7 and 8, possibly INF or NAN), then the wire's
// loss from the POWER BUDGET that follows, when there is one. Nothing when the
// text holds none, or a block is cut short or garbled, as in an output
// truncated by a crash.
std::optional<std::vector<ImpedanceB>> litSortie(std::string_view sortie);

// How many "ANTENNA INPUT PARAMETERS" blocks the text already holds: the
// progress of a running nec2c.
int frequencesCalculees(std::string_view sortie);

// What a failed nec2c says last, in its output file or on its error stream:
// the last line holding something other than blanks, its blanks squeezed to
// one space. nec2c ends every refusal with such a line, for instance
// "GEOMETRY DATA ERROR -- SEGMENT 1 LIES IN GROUND PLANE". Empty when there
// is none.
std::string derniereLigne(std::string_view texte);

} // namespace Nec
