#pragma once

#include <complex>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Nec {

// A radiation pattern nec2c computed at one frequency (its RP cards): the
// power gain in each direction, and the average power gain with the solid
// angle it was averaged over when one was asked.
struct PointGain {
    double theta; // degrees from the zenith
    double phi;   // degrees from the wire's axis
    double gainDbi;
};
struct Diagramme {
    std::vector<PointGain> points;
    double gainMoyen = std::numeric_limits<double>::quiet_NaN();
    double angleSolidePi = std::numeric_limits<double>::quiet_NaN(); // steradians / pi
};

// The feed-point impedance nec2c computed at one frequency.
struct ImpedanceB {
    double frequenceMHz;
    std::complex<double> z; // ohms
    // No answer came for this frequency: z is then NaN.
    bool manquante = false;
    // The share of the power fed that the wire turns into heat, in percent
    // (its POWER BUDGET's structure loss over input power); NaN when untold.
    double perteFilPct = std::numeric_limits<double>::quiet_NaN();
    // Its radiation pattern when the deck asked for one; shared, not copied,
    // as answers go from run to window.
    std::shared_ptr<const Diagramme> diagramme = nullptr;
};

// Reads every frequency's feed impedance from nec2c's output, in order: each
// "FREQUENCY :" line followed by its "ANTENNA INPUT PARAMETERS" row (real and
// imaginary ohms in columns 7 and 8, possibly INF or NAN), then the wire's
// loss from the POWER BUDGET that follows, when there is one, and the
// RADIATION PATTERNS that follow it (theta, phi and total gain in columns 1, 2
// and 5), with their AVERAGE POWER GAIN. Nothing when the
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
