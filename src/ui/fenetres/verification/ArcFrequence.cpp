#include "ui/fenetres/verification/ArcFrequence.h"

#include <algorithm>
#include <cmath>

namespace {

// Points nearer than this in frequency are one point.
constexpr double MemeFrequenceHz = 0.5;
// The span a lone point stands for, either side.
constexpr double AutourDUnPoint = 0.01;

bool parFrequence(const Nec::PointC &x, const Nec::PointC &y)
{
    return x.frequenceHz < y.frequenceHz;
}

} // namespace

std::vector<Nec::PointC> pointsOrdonnes(const std::vector<Nec::PointC> &points)
{
    std::vector<Nec::PointC> pts(points.begin() + (points.size() > 1 ? 1 : 0), points.end());
    // The reference frequency is a point computed too, where it falls inside
    // the plan and is not one of its points already.
    if (points.size() > 1) {
        const Nec::PointC &r = points.front();
        const auto [bas, haut] = std::minmax_element(pts.begin(), pts.end(), parFrequence);
        const bool dedans = r.frequenceHz > bas->frequenceHz && r.frequenceHz < haut->frequenceHz;
        if (dedans && std::none_of(pts.begin(), pts.end(), [&](const Nec::PointC &x) {
                return std::abs(x.frequenceHz - r.frequenceHz) < MemeFrequenceHz;
            }))
            pts.push_back(r);
    }
    std::sort(pts.begin(), pts.end(), parFrequence);
    std::vector<Nec::PointC> uniques;
    for (const Nec::PointC &p : pts)
        if (uniques.empty() || p.frequenceHz - uniques.back().frequenceHz >= MemeFrequenceHz)
            uniques.push_back(p);
    return uniques;
}

// A cubic Hermite curve in the reflection plane whose slope at each point is
// the Catmull-Rom one taken against frequency: (Γ[i+1] − Γ[i−1]) / (f[i+1] −
// f[i−1]); at the ends, the slope of the parabola through the end and its
// neighbour with the neighbour's slope. The curve goes through every point,
// its slope is continuous, and the points need not be evenly spaced.
ArcFrequence::ArcFrequence(std::vector<double> f, std::vector<std::complex<double>> g)
    : f_(std::move(f)), g_(std::move(g))
{
    const std::size_t n = f_.size();
    pente_.assign(n, {});
    if (n < 2)
        return;
    const auto corde = [this](std::size_t i, std::size_t j) {
        return (g_[j] - g_[i]) / (f_[j] - f_[i]);
    };
    for (std::size_t i = 1; i + 1 < n; ++i)
        pente_[i] = corde(i - 1, i + 1);
    if (n == 2) {
        pente_[0] = pente_[1] = corde(0, 1);
        return;
    }
    pente_[0] = 2.0 * corde(0, 1) - pente_[1];
    pente_[n - 1] = 2.0 * corde(n - 2, n - 1) - pente_[n - 2];
}

std::complex<double> ArcFrequence::en(double hz) const
{
    if (f_.size() < 2)
        return g_.empty() ? std::complex<double>() : g_.front();
    hz = std::clamp(hz, f_.front(), f_.back());
    const std::size_t i =
        std::min<std::size_t>(
            static_cast<std::size_t>(std::upper_bound(f_.begin(), f_.end(), hz) - f_.begin()),
            f_.size() - 1) -
        1;
    const double h = f_[i + 1] - f_[i];
    const double t = (hz - f_[i]) / h;
    const double t2 = t * t;
    const double t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * g_[i] + (t3 - 2 * t2 + t) * h * pente_[i] +
           (-2 * t3 + 3 * t2) * g_[i + 1] + (t3 - t2) * h * pente_[i + 1];
}

double ArcFrequence::debut() const
{
    if (f_.empty())
        return 0;
    return f_.size() == 1 ? f_.front() * (1 - AutourDUnPoint) : f_.front();
}

double ArcFrequence::fin() const
{
    if (f_.empty())
        return 0;
    return f_.size() == 1 ? f_.front() * (1 + AutourDUnPoint) : f_.back();
}
