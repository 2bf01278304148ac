#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The IARU band plans: where each amateur band begins and ends, per region, so
// that a band is checked from one edge to the other and not at one frequency.
namespace Nec {

struct Bords {
    std::int32_t basKHz;
    std::int32_t hautKHz;
};

inline constexpr int RegionMin = 1;
inline constexpr int RegionMax = 3;
inline constexpr int PointsMin = 2; // both edges
inline constexpr int PointsMax = 100;

// The band of this name (metres) in the region's plan, or nothing when the
// plan has no such band.
std::optional<Bords> bords(int region, std::int32_t bandeM);

// n frequencies from one edge to the other, evenly spaced, both included, in
// kHz.
std::vector<double> pointsBande(const Bords &b, int n);

} // namespace Nec
