#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

// The antenna as NEC-2 sees it: one straight horizontal wire, fed at its
// centre, over a Sommerfeld-Norton ground or in free space.
namespace Nec {

inline constexpr double VitesseLumiere = 299'792'458.0; // m/s
inline constexpr int SegmentsMin = 21;
inline constexpr int SegmentsMax = 2001;

enum class Sol { Libre, Pauvre, Moyen, Bon, Mer };

// Each ground's short name (command line, user's settings), in the enum's order.
inline constexpr const char *NomsSols[] = {"libre", "pauvre", "moyen", "bon", "mer"};

struct ConstantesSol {
    double permittivite; // relative
    double conductivite; // S/m
};

// Nothing for free space.
std::optional<ConstantesSol> constantes(Sol sol);

struct Antenne {
    double brancheCm = 2062; // one branch, A-B
    double diametreMm = 2;
    double hauteurM = 10;
    Sol sol = Sol::Moyen;
    bool operator==(const Antenne &) const = default;
};

struct Segmentation {
    int segments;
    int alimentation; // 1-based, the centre one
};

// Odd, at least SegmentsMin, each segment at most a twentieth of the shortest
// wavelength. Beyond SegmentsMax it throws: nec2c would run for minutes.
Segmentation segmentation(double longueurFilM, double frequenceMaxMHz);

// The whole input deck: every frequency computed in one run.
QByteArray deck(const Antenne &antenne, const std::vector<double> &frequencesMHz);

} // namespace Nec
