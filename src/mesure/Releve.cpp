#include "mesure/Releve.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Mesure {

std::optional<Complexe> interpole(const Releve &r, double frequenceHz)
{
    const auto apres = std::lower_bound(r.points.begin(), r.points.end(), frequenceHz,
                                        [](const Point &p, double f) { return p.frequenceHz < f; });
    if (apres == r.points.end() || (apres == r.points.begin() && apres->frequenceHz != frequenceHz))
        return std::nullopt;
    if (apres->frequenceHz == frequenceHz)
        return impedance(r, *apres);
    const Point &a = *(apres - 1), &b = *apres;
    const double t = (frequenceHz - a.frequenceHz) / (b.frequenceHz - a.frequenceHz);
    const double pa = std::arg(a.gamma);
    const double pb = pa + std::remainder(std::arg(b.gamma) - pa, 2 * std::numbers::pi);
    const double module = std::abs(a.gamma) + t * (std::abs(b.gamma) - std::abs(a.gamma));
    return impedance(r, {frequenceHz, std::polar(module, pa + t * (pb - pa))});
}

} // namespace Mesure
