#pragma once

#include <complex>

// The ladder line B-C: a uniform line whose loss grows with the square root
// of the frequency, as a conductor's skin loss does.
namespace Nec {

using Complexe = std::complex<double>;

struct Echelle {
    double z0 = 450; // ohms
    double coefVelocite = 0.92;
    double perteDb100m = 0; // dB per 100 m at 10 MHz
};

// Propagation constant gamma = alpha + j beta, per metre, at a frequency.
Complexe propagation(const Echelle &e, double frequenceHz);

// Impedance seen at the end of a line of this length whose far end sees zB.
Complexe impedance(Complexe zB, double z0, Complexe gamma, double longueurM);
Complexe impedanceEnC(Complexe zB, const Echelle &e, double frequenceHz, double longueurM);

// The standing-wave ratio this far from B: the reflection at B, shrunk by the
// line's loss on its way there and back.
double ros(Complexe zB, const Echelle &e, double frequenceHz, double longueurM);

} // namespace Nec
