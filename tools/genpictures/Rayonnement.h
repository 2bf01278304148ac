#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

// The far field of a centre-fed wire carrying a sinusoidal standing wave of
// current, seen at an elevation above the horizon. The lobe pictures are drawn
// from this and from nothing else.
namespace Rayonnement {

inline double radians(double degres) {
    return degres * std::numbers::pi / 180.0;
}

// Relative field toward the bearing `azimut` (degrees, 0 at the top, clockwise)
// at `elevation` degrees, for a wire whose branches are `longueurBrin`
// wavelengths long and which lies along the 90–270 axis:
//   |cos(βL cos ψ) − cos(βL)| / sin ψ,  cos ψ = cos e · sin(azimut),
// ψ being the angle between the direction and the wire.
inline double champ(double longueurBrin, double elevation, double azimut) {
    const double cosPsi = std::cos(radians(elevation)) * std::sin(radians(azimut));
    const double sinPsi = std::sqrt(std::max(0.0, 1.0 - cosPsi * cosPsi));
    // Along the wire itself the numerator vanishes faster than sin ψ: no field.
    if (sinPsi < 1e-12)
        return 0.0;
    const double betaL = 2.0 * std::numbers::pi * longueurBrin;
    return std::abs(std::cos(betaL * cosPsi) - std::cos(betaL)) / sinPsi;
}

// The field at `nombre` bearings evenly spread from 0° clockwise, scaled so
// that the strongest is 1.
inline std::vector<double> diagramme(double longueurBrin, double elevation, int nombre) {
    std::vector<double> valeurs(static_cast<std::size_t>(nombre));
    double maximum = 0.0;
    for (int i = 0; i < nombre; ++i) {
        valeurs[static_cast<std::size_t>(i)] = champ(longueurBrin, elevation, 360.0 * i / nombre);
        maximum = std::max(maximum, valeurs[static_cast<std::size_t>(i)]);
    }
    if (maximum > 0.0)
        for (double &v : valeurs)
            v /= maximum;
    return valeurs;
}

struct Diagramme {
    const char *nom;     // resource name, lower case
    double longueurBrin; // wavelengths
    double elevation;    // degrees above the horizon
    int largeur;
    int hauteur;
};

// Low elevations show a doublet's lobes best: at 10° the 0.5, 0.64 and 1.5
// wavelength patterns have their textbook shapes (nulls along the wire; two
// main lobes with four side lobes of about 0.38; lobes at 45° twice as many as
// along the axis) and the longer wires their eight and twelve lobes. A quarter
// wave branch (a half-wave dipole), though, still has deep nulls along the
// wire at 10° (0.14 of the broadside field): its "nearly circular" pattern only
// appears from about 55° up, the high-angle radiation that makes it useful on
// 80 m. So it is drawn at 60°, where the field along the wire is 0.82 of the
// broadside field, and every picture says at which elevation it was drawn.
inline constexpr std::array<Diagramme, 6> Diagrammes{{
    {"lamda0_25", 0.25, 60.0, 157, 152},
    {"lamda0_5", 0.5, 10.0, 157, 146},
    {"lamda0_64", 0.64, 10.0, 157, 149},
    {"lamda1_5", 1.5, 10.0, 157, 149},
    {"lamda2", 2.0, 10.0, 157, 153},
    {"lamda3", 3.0, 10.0, 157, 157},
}};

} // namespace Rayonnement
