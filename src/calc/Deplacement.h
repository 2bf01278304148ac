#pragma once

#include <cstdint>
#include <optional>

// The lengths that the read-outs show while B or C follows the mouse, from the
// mouse column on the screen chart and the scales of the last "Lancer".
namespace Deplacement {

struct Lectures {
    std::int64_t electrique;
    std::int64_t physique;
};

// Move of B: the branch A to the mouse, electrical and physical.
Lectures lecturesB(std::int32_t x);
// Move of C: the ladder from B to the mouse; nothing while the mouse is not at
// least one whole centimetre beyond B.
std::optional<Lectures> lecturesC(std::int32_t x);

} // namespace Deplacement
