#pragma once

#include "regles/Defauts.h"

#include <cmath>
#include <complex>

// The ladder line B-C: a uniform line whose loss grows with the square root
// of the frequency, as a conductor's skin loss does.
namespace Nec {

using Complexe = std::complex<double>;

struct Echelle {
    double z0 = Defauts::Z0Ohms; // ohms
    double coefVelocite = Defauts::CoefEchelle;
    double perteDb100m = Defauts::PerteDb100m; // dB per 100 m at 10 MHz
    bool operator==(const Echelle &) const = default;
};

// Propagation constant gamma = alpha + j beta, per metre, at a frequency.
Complexe propagation(const Echelle &e, double frequenceHz);

// Impedance seen at the end of a line of this length whose far end sees zB.
Complexe impedance(Complexe zB, double z0, Complexe gamma, double longueurM);
Complexe impedanceEnC(Complexe zB, const Echelle &e, double frequenceHz, double longueurM);

// The impedance along the line in equal steps from B, by turning the
// reflection at B a step at a time: the same values as impedance(), at a
// fraction of the cost of a tanh at every point of a map.
class Parcours {
public:
    Parcours(Complexe zB, double z0, Complexe gamma, double pasM);
    Complexe impedance() const
    {
        return z0_ * (1.0 + Complexe(gr_, gi_)) / (1.0 - Complexe(gr_, gi_));
    }
    // |Z| alone, with no complex division.
    double module() const
    {
        const double plus = (1 + gr_) * (1 + gr_) + gi_ * gi_;
        const double moins = (1 - gr_) * (1 - gr_) + gi_ * gi_;
        return z0_ * std::sqrt(plus / moins);
    }
    // Written out: the library's complex product checks for infinities on
    // every step.
    void avance()
    {
        const double r = gr_ * qr_ - gi_ * qi_;
        gi_ = gr_ * qi_ + gi_ * qr_;
        gr_ = r;
    }

private:
    double z0_;
    double gr_, gi_; // the reflection here
    double qr_, qi_; // its turn over one step
};

// The standing-wave ratio this far from B: the reflection at B, shrunk by the
// line's loss on its way there and back.
double ros(Complexe zB, const Echelle &e, double frequenceHz, double longueurM);

// The standing-wave ratio of an impedance against a real one.
double ros(Complexe z, double reference);

// The ladder's whole loss over this length, standing waves included, in dB:
// the power put in at the far end over the power that reaches B.
double perteDb(Complexe zB, const Echelle &e, double frequenceHz, double longueurM);

} // namespace Nec
