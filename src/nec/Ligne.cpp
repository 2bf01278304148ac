#include "nec/Ligne.h"

#include "nec/Modele.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace Nec {

namespace {

// dB to nepers: 20 log10(e).
constexpr double DbParNeper = 8.685889638065035;

} // namespace

Complexe propagation(const Echelle &e, double frequenceHz)
{
    const double alpha = e.perteDb100m / 100 / DbParNeper * std::sqrt(frequenceHz / 10e6);
    const double beta = 2 * std::numbers::pi * frequenceHz / (e.coefVelocite * VitesseLumiere);
    return {alpha, beta};
}

Complexe impedance(Complexe zB, double z0, Complexe gamma, double longueurM)
{
    const Complexe t = std::tanh(gamma * longueurM);
    return z0 * (zB + z0 * t) / (z0 + zB * t);
}

Complexe impedanceEnC(Complexe zB, const Echelle &e, double frequenceHz, double longueurM)
{
    return impedance(zB, e.z0, propagation(e, frequenceHz), longueurM);
}

Parcours::Parcours(Complexe zB, double z0, Complexe gamma, double pasM) : z0_(z0)
{
    const Complexe g = (zB - z0) / (zB + z0);
    const Complexe q = std::exp(-2.0 * gamma * pasM);
    gr_ = g.real();
    gi_ = g.imag();
    qr_ = q.real();
    qi_ = q.imag();
}

double ros(Complexe zB, const Echelle &e, double frequenceHz, double longueurM)
{
    const double gammaB = std::abs((zB - e.z0) / (zB + e.z0));
    const double alpha = propagation(e, frequenceHz).real();
    const double g = gammaB * std::exp(-2 * alpha * longueurM);
    if (g >= 1)
        return std::numeric_limits<double>::infinity();
    return (1 + g) / (1 - g);
}

double ros(Complexe z, double reference)
{
    const double g = std::abs((z - reference) / (z + reference));
    if (!(g < 1))
        return std::numeric_limits<double>::infinity();
    return (1 + g) / (1 - g);
}

// With a real Z0, the forward wave V+ at B and the reflection G_B there, the
// power into B is |V+|^2 (1 - |G_B|^2) / Z0. At the far end, a length L away,
// the forward wave is e^{aL} larger and the reflected one e^{-aL} smaller, so
// the power put in is |V+|^2 (e^{2aL} - |G_B|^2 e^{-2aL}) / Z0. Their ratio,
// with G_C = G_B e^{-2aL} the reflection seen at that end:
//     P_C / P_B = e^{2aL} (1 - |G_C|^2) / (1 - |G_B|^2),
// the matched loss e^{2aL} grown by the standing waves.
double perteDb(Complexe zB, const Echelle &e, double frequenceHz, double longueurM)
{
    const double gB = std::abs((zB - e.z0) / (zB + e.z0));
    const double aL = propagation(e, frequenceHz).real() * longueurM;
    const double gC = gB * std::exp(-2 * aL);
    if (!(gB < 1))
        return std::numeric_limits<double>::infinity();
    return 10 * std::log10((1 - gC * gC) / (1 - gB * gB)) + 20 * aL / std::log(10.0);
}

} // namespace Nec
