#pragma once

#include <QString>
#include <complex>
#include <cstddef>
#include <optional>
#include <vector>

// An analyzer's sweep of the antenna, as the file gave it: the reflection
// coefficient against the file's own reference resistance, frequency by
// frequency. Where it was measured (at C, behind the balun, at B) is the
// reader's business, not the file's.
namespace Mesure {

using Complexe = std::complex<double>;

struct Point {
    double frequenceHz;
    Complexe gamma; // against Releve::referenceOhms, |gamma| <= 1
};

struct Releve {
    QString nom; // the file's name, for messages and captions
    double referenceOhms = 50;
    std::vector<Point> points; // frequencies strictly increasing
};

// Never more points than this: ten sweeps of the longest an analyzer makes.
inline constexpr std::size_t PointsMax = 100000;

// The impedance a point stands for, in ohms; infinite for an open circuit.
inline Complexe impedance(const Releve &r, const Point &p)
{
    return r.referenceOhms * (1.0 + p.gamma) / (1.0 - p.gamma);
}

// The impedance at a frequency between two points of the sweep: the
// reflection interpolated in magnitude and in phase (unwrapped, the shorter
// way round from one point to the next), which follows a sweep's turns on the
// Smith chart as a straight line in Z would not. Nothing outside the sweep.
std::optional<Complexe> interpole(const Releve &r, double frequenceHz);

// The reflection coefficient an impedance gives against `reference` ohms.
inline Complexe reflexion(Complexe z, double reference)
{
    return (z - reference) / (z + reference);
}

} // namespace Mesure
