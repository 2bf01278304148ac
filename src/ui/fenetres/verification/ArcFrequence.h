#pragma once

#include "nec/Verification.h"

#include <complex>
#include <vector>

// A band's reflection coefficient against frequency, a smooth curve through
// every point NEC computed: the Smith chart draws it, the SWR and impedance
// curves beside it read it, and both read the same value at a frequency.
class ArcFrequence {
public:
    ArcFrequence() = default;
    // f in Hz, strictly increasing, one reflection coefficient each.
    ArcFrequence(std::vector<double> f, std::vector<std::complex<double>> g);

    // Γ at a frequency; clamped to the ends outside them.
    std::complex<double> en(double hz) const;

    const std::vector<double> &f() const { return f_; }
    const std::vector<std::complex<double>> &g() const { return g_; }
    // dΓ/df at each point.
    const std::vector<std::complex<double>> &pente() const { return pente_; }

    // The frequencies the curve stands for: from its first point to its
    // last, or within 1 % of a lone point (a band its region plans none for).
    double debut() const;
    double fin() const;
    bool couvre(double hz) const { return !f_.empty() && hz >= debut() && hz <= fin(); }

private:
    std::vector<double> f_;
    std::vector<std::complex<double>> g_, pente_;
};

// A band's points as the curve takes them: its plan's points in frequency
// order, its reference frequency (first in `points`) among them when it falls
// inside the plan, none within half a hertz of the one before.
std::vector<Nec::PointC> pointsOrdonnes(const std::vector<Nec::PointC> &points);
