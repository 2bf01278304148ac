#include "reseau/Reseau.h"

#include "reseau/Circuit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace Reseau {

namespace {

constexpr double Pico = 1e-12;
constexpr double Micro = 1e-6;
// A part that would have to be negative, or a load no value of it matches:
// further from any range than any real value.
constexpr double Impossible = 1e300;
// The T's free capacitor (C2) tried at this many values across its range,
// then the best neighbourhood narrowed down.
constexpr int PasBalayage = 48;
constexpr int PasAffinage = 40;

// A candidate setting: its parts from the transmitter's side, and how far
// the furthest part is outside its range (0 within), with that part's limit.
struct Candidat {
    Montage montage = Montage::T;
    std::array<Element, 3> elements{};
    int n = 0;
    double ecart = 0;
    Limite limite = Limite::Aucune;
};

// How far a value is outside [min, max], as a ratio's logarithm.
void borne(Candidat &c, double valeur, double min, double max, Limite sousMin, Limite surMax)
{
    double e = 0;
    Limite l = Limite::Aucune;
    if (!(valeur > 0) || !std::isfinite(valeur)) {
        e = Impossible;
        l = sousMin;
    } else if (valeur < min) {
        e = std::log(min / valeur);
        l = sousMin;
    } else if (valeur > max) {
        e = std::log(valeur / max);
        l = surMax;
    }
    if (e > c.ecart) {
        c.ecart = e;
        c.limite = l;
    }
}

double cMin(const Pieces &p)
{
    return p.cMinPf * Pico;
}
double cMax(const Pieces &p)
{
    return p.cMaxPf * Pico;
}

void bornesC(Candidat &c, const Pieces &p, double valeur, bool cote1)
{
    borne(c, valeur, cMin(p), cMax(p), cote1 ? Limite::C1Min : Limite::C2Min,
          cote1 ? Limite::C1Max : Limite::C2Max);
}
void bornesL(Candidat &c, const Pieces &p, double valeur)
{
    borne(c, valeur, p.lMinUh * Micro, p.lMaxUh * Micro, Limite::LMin, Limite::LMax);
}

// 1/Q of a coil or a capacitor, 0 for an ideal part.
double inverseQ(double q)
{
    return q > 0 ? 1 / q : 0;
}

// The larger root of a u^2 + b u + c, or NaN when there is none.
double racineHaute(double a, double b, double c)
{
    const double d = b * b - 4 * a * c;
    if (d < 0)
        return Nan;
    return (-b + std::sqrt(d)) / (2 * a);
}

// The T for a given C2, the match solved in closed form with the parts'
// losses: each part's series resistance is its reactance over its Q, so the
// coil's admittance is u (1/Q - j) and the condition Z = 50 ohms at the
// input is a quadratic in u.
Candidat candidatT(const Pieces &p, Complexe z, double omega, double c2)
{
    Candidat c;
    c.montage = Montage::T;
    c.n = 3;
    const double a = inverseQ(p.qBobine);
    const double q = inverseQ(p.qCondensateur);
    const double x2 = 1 / (omega * c2);
    const Complexe y = 1.0 / Complexe(z.real() + q * x2, z.imag() - x2);
    const double g = y.real();
    const double b = y.imag();
    const double u = racineHaute(Z0Emetteur * (a * a + 1), 2 * Z0Emetteur * (g * a - b) - (a + q),
                                 Z0Emetteur * (g * g + b * b) - g + b * q);
    if (std::isnan(u)) {
        // C2 leaves too much resistance for the shunt coil to bring down:
        // a load still inductive past C2 wants more of its reactance, so a
        // smaller C2, and one already capacitive a larger C2.
        c.ecart = Impossible;
        c.limite = z.imag() - x2 > 0 ? Limite::C2Min : Limite::C2Max;
        return c;
    }
    const Complexe y2(g + a * u, b - u);
    const double x1 = -y2.imag() / std::norm(y2);
    const double l = u > 0 ? 1 / (omega * u * (1 + a * a)) : -1;
    const double c1 = x1 > 0 ? 1 / (omega * x1) : -1;
    c.elements = {Element{Genre::Condensateur, Place::Serie, c1},
                  Element{Genre::Bobine, Place::Derivation, l},
                  Element{Genre::Condensateur, Place::Serie, c2}};
    // A capacitor that would have to be a coil is larger than any capacitor,
    // and so is a coil that would have to be a capacitor.
    borne(c, x1 > 0 ? c1 : Impossible, cMin(p), cMax(p), Limite::C1Min, Limite::C1Max);
    borne(c, u > 0 ? l : Impossible, p.lMinUh * Micro, p.lMaxUh * Micro, Limite::LMin,
          Limite::LMax);
    return c;
}

// The L with its C on the antenna's side (it matches loads of 50 ohms and
// more) or on the transmitter's (50 ohms and less), in closed form, the
// parts' losses included as in the T.
Candidat candidatL(const Pieces &p, Complexe z, double omega, Montage montage)
{
    Candidat c;
    c.montage = montage;
    c.n = 2;
    const double a = inverseQ(p.qBobine);
    const double q = inverseQ(p.qCondensateur);
    double cap = -1;
    double l = -1;
    if (montage == Montage::CCoteAntenne) {
        // The shunt C's admittance v (q + j), then the series coil.
        const Complexe y = 1.0 / z;
        const double g = y.real();
        const double b = y.imag();
        const double v =
            racineHaute(Z0Emetteur * (q * q + 1), 2 * Z0Emetteur * (g * q + b) - (q + a),
                        Z0Emetteur * (g * g + b * b) - g - a * b);
        const Complexe y1(g + v * q, b + v);
        if (v > 0 && y1.imag() > 0) {
            cap = v * (1 + q * q) / omega;
            l = y1.imag() / std::norm(y1) / omega;
        }
        c.elements = {Element{Genre::Bobine, Place::Serie, l},
                      Element{Genre::Condensateur, Place::Derivation, cap}};
        bornesL(c, p, l);
        bornesC(c, p, cap, false);
    } else {
        // The series coil's reactance s, then the shunt C.
        const double r = z.real();
        const double x = z.imag();
        const double s = racineHaute(a * a + 1, 2 * (r * a + x) - Z0Emetteur * (a + q),
                                     r * r + x * x - Z0Emetteur * (r + q * x));
        const Complexe z1(r + a * s, x + s);
        if (s > 0 && z1.imag() > 0) {
            l = s / omega;
            cap = z1.imag() / std::norm(z1) * (1 + q * q) / omega;
        }
        c.elements = {Element{Genre::Condensateur, Place::Derivation, cap},
                      Element{Genre::Bobine, Place::Serie, l}};
        bornesC(c, p, cap, true);
        bornesL(c, p, l);
    }
    return c;
}

// A candidate within its parts' ranges, judged at the user's power.
Reglage juge(const Pieces &p, const Candidat &c, Complexe z, double omega)
{
    Reglage r;
    r.montage = c.montage;
    r.limite = c.limite;
    const Analyse a = analyse(c.elements.data(), c.n, z, omega, p);
    r.ros = rosSur50(a.zEntree);
    r.trouve = c.ecart == 0 && r.ros <= RosAccord;
    int bobine = 0;
    for (int i = 0; i < c.n; ++i) {
        const Element &e = c.elements[static_cast<std::size_t>(i)];
        const auto k = static_cast<std::size_t>(i);
        if (e.genre == Genre::Bobine) {
            bobine = i;
            r.lUh = e.valeur / Micro;
            continue;
        }
        // In the T the first capacitor is C1; in an L, its side names it.
        const bool c1 = c.montage == Montage::T ? i == 0 : c.montage == Montage::CCoteEmetteur;
        (c1 ? r.c1Pf : r.c2Pf) = e.valeur / Pico;
        (c1 ? r.tensionC1V : r.tensionC2V) = a.tensionCreteV[k];
    }
    r.perteDb = a.perteDb;
    r.courantBobineA = a.courantA[static_cast<std::size_t>(bobine)];
    r.puissanceBobineW = a.puissanceW[static_cast<std::size_t>(bobine)];
    if (!r.trouve)
        return r;
    const double tension = std::max(std::isnan(r.tensionC1V) ? 0 : r.tensionC1V,
                                    std::isnan(r.tensionC2V) ? 0 : r.tensionC2V);
    if (!(r.perteDb <= p.perteMaxDb))
        r.limite = Limite::Perte;
    else if (!(tension <= p.tensionMaxV))
        r.limite = Limite::Tension;
    return r;
}

// Better: one that serves over one that only matches over one out of range;
// then the least loss; out of range, the nearest.
bool meilleur(const Reglage &a, const Candidat &ca, const Reglage &b, const Candidat &cb)
{
    const auto rang = [](const Reglage &r) { return r.accordable() ? 0 : r.trouve ? 1 : 2; };
    if (rang(a) != rang(b))
        return rang(a) < rang(b);
    if (rang(a) == 2)
        return ca.ecart < cb.ecart;
    return a.perteDb < b.perteDb;
}

Reglage regleT(const Pieces &p, Complexe z, double omega, bool premierQuiSert)
{
    // C2 on a logarithmic scale across its range.
    const double a = std::log(cMin(p));
    const double b = std::log(cMax(p));
    // Clamped: the ends are the range's own values, to the bit.
    const auto c2 = [&](double t) {
        return std::clamp(std::exp(a + (b - a) * t), cMin(p), cMax(p));
    };
    Reglage meilleurR;
    Candidat meilleurC;
    double meilleurT = 0;
    bool premier = true;
    // From the largest C2 down: the T loses least with the most capacitance,
    // so the first setting that serves usually comes at once.
    for (int i = PasBalayage; i >= 0; --i) {
        const double t = static_cast<double>(i) / PasBalayage;
        const Candidat c = candidatT(p, z, omega, c2(t));
        const Reglage r = juge(p, c, z, omega);
        if (premierQuiSert && r.accordable())
            return r;
        if (premier || meilleur(r, c, meilleurR, meilleurC)) {
            meilleurR = r;
            meilleurC = c;
            meilleurT = t;
            premier = false;
        }
    }
    if (!meilleurR.trouve)
        return meilleurR;
    // The least loss lies between the best value's neighbours: narrowed by
    // golden sections, among the settings as good as the best (serving, or
    // matching within range).
    const bool sert = meilleurR.accordable();
    const auto cout = [&](double t) {
        const Candidat c = candidatT(p, z, omega, c2(t));
        const Reglage r = juge(p, c, z, omega);
        return std::pair{r, (sert ? r.accordable() : r.trouve) ? r.perteDb : Impossible};
    };
    double gauche = std::max(0.0, meilleurT - 1.0 / PasBalayage);
    double droite = std::min(1.0, meilleurT + 1.0 / PasBalayage);
    const double k = (std::sqrt(5.0) - 1) / 2;
    double x1 = droite - k * (droite - gauche);
    double x2 = gauche + k * (droite - gauche);
    auto f1 = cout(x1);
    auto f2 = cout(x2);
    for (int i = 0; i < PasAffinage; ++i) {
        if (f1.second <= f2.second) {
            droite = x2;
            x2 = x1;
            f2 = f1;
            x1 = droite - k * (droite - gauche);
            f1 = cout(x1);
        } else {
            gauche = x1;
            x1 = x2;
            f1 = f2;
            x2 = gauche + k * (droite - gauche);
            f2 = cout(x2);
        }
    }
    for (const auto &f : {f1, f2})
        if (f.second < meilleurR.perteDb)
            meilleurR = f.first;
    return meilleurR;
}

Reglage regleL(const Pieces &p, Complexe z, double omega)
{
    const Candidat a = candidatL(p, z, omega, Montage::CCoteEmetteur);
    const Candidat b = candidatL(p, z, omega, Montage::CCoteAntenne);
    const Reglage ra = juge(p, a, z, omega);
    const Reglage rb = juge(p, b, z, omega);
    return meilleur(rb, b, ra, a) ? rb : ra;
}

Reglage calcule(const Pieces &p, Complexe zCharge, double frequenceHz, bool premierQuiSert)
{
    const double omega = 2 * std::numbers::pi * frequenceHz;
    if (!(zCharge.real() > 0) || !std::isfinite(zCharge.imag()) || !(omega > 0))
        return {};
    return p.type == Type::T ? regleT(p, zCharge, omega, premierQuiSert)
                             : regleL(p, zCharge, omega);
}

} // namespace

Reglage regle(const Pieces &p, Complexe zCharge, double frequenceHz)
{
    return calcule(p, zCharge, frequenceHz, false);
}

bool accordable(const Pieces &p, Complexe zCharge, double frequenceHz)
{
    return calcule(p, zCharge, frequenceHz, true).accordable();
}

} // namespace Reseau
