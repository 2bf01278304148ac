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
    c.elements = {Element{Genre::Condensateur, Place::Serie, -1},
                  Element{Genre::Bobine, Place::Derivation, -1},
                  Element{Genre::Condensateur, Place::Serie, c2}};
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
    c.elements[0].valeur = c1;
    c.elements[1].valeur = l;
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

// Whether a value within [min, max] sits at one of its ends (to the rounding
// of farads into picofarads).
Butee butee(double v, double min, double max)
{
    if (v <= min * (1 + 1e-9))
        return Butee::Min;
    return v >= max * (1 - 1e-9) ? Butee::Max : Butee::Non;
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
    if (r.trouve) {
        r.buteeC1 = butee(r.c1Pf, p.cMinPf, p.cMaxPf);
        r.buteeL = butee(r.lUh, p.lMinUh, p.lMaxUh);
        r.buteeC2 = butee(r.c2Pf, p.cMinPf, p.cMaxPf);
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

// What a candidate within its parts' ranges comes to, as juge would judge it:
// it serves, it matches but loses or strains too much, it does not match; or
// it lands too near a limit to say without juge.
enum class Issue { Sert, Accorde, Rate, Incertain };

// How near a limit (relative) the plain estimate still decides: further than
// this, neither its rounding nor juge's can reach across.
constexpr double Marge = 1e-5;
// Both computations' rounding, in units of the last place, before the
// circuit's cancellations magnify it: a generous bound for some thirty
// operations each.
constexpr double Arrondis = 100;

// The same for bounds that hold whatever the setting: the solver's rounding
// at any setting of the parts' ranges is far below it.
constexpr double MargeBorne = 1e-3;

// -1 well within the limit, 1 well beyond it, 0 too near (or not a number).
int compare(double valeur, double limite)
{
    if (valeur <= limite * (1 - Marge))
        return -1;
    if (valeur >= limite * (1 + Marge))
        return 1;
    return 0;
}

double norme(double re, double im)
{
    return re * re + im * im;
}

// The candidate's circuit as analyse sees it, in squared moduli and without
// the complex library: its input's reflection, the power left for the load
// and the capacitors' peak voltages. Where a sum nearly cancels (a
// resonance, a current mostly shunted) both this and analyse lose digits:
// kappa bounds the magnification, and past Marge the estimate stands aside.
// Each factor of kappa, (|a| + |b|) / |c|, is taken squared as at most
// 2 (|a|^2 + |b|^2) / |c|^2, its numerators and denominators multiplied apart.
Issue estime(const Pieces &p, const Candidat &c, Complexe z, double omega, double chargeMin,
             double tensionMax2)
{
    const int n = c.n;
    // The impedance at each node, from the load back, and each part's own.
    std::array<double, 4> zr{}, zi{}, zm2{};
    std::array<double, 3> em2{};
    zr[static_cast<std::size_t>(n)] = z.real();
    zi[static_cast<std::size_t>(n)] = z.imag();
    zm2[static_cast<std::size_t>(n)] = norme(z.real(), z.imag());
    double haut = 1;
    double bas = 1;
    for (int i = n - 1; i >= 0; --i) {
        const auto k = static_cast<std::size_t>(i);
        const Element &e = c.elements[k];
        const double x = reactance(e, omega);
        const double er = resistance(e, omega, p);
        const double ei = e.genre == Genre::Bobine ? x : -x;
        em2[k] = norme(er, ei);
        if (e.place == Place::Serie) {
            zr[k] = zr[k + 1] + er;
            zi[k] = zi[k + 1] + ei;
            zm2[k] = norme(zr[k], zi[k]);
            // The sum here, and the voltage across the rest taken from the
            // input's.
            haut *= 4 * (zm2[k + 1] + em2[k]) * (zm2[k] + em2[k]);
            bas *= zm2[k] * zm2[k + 1];
        } else {
            const double sr = zr[k + 1] + er;
            const double si = zi[k + 1] + ei;
            const double s2 = norme(sr, si);
            const double pr = zr[k + 1] * er - zi[k + 1] * ei;
            const double pi = zr[k + 1] * ei + zi[k + 1] * er;
            zr[k] = (pr * sr + pi * si) / s2;
            zi[k] = (pi * sr - pr * si) / s2;
            zm2[k] = norme(zr[k], zi[k]);
            // The admittances' sum, and the current past the part taken from
            // the current into it.
            haut *= 4 * (zm2[k + 1] + em2[k]) * (s2 + zm2[k + 1]);
            bas *= s2 * em2[k];
        }
    }
    // The rounding, magnified, well inside the margin.
    const double ulp = Arrondis * std::numeric_limits<double>::epsilon() * 1000 / Marge;
    if (!(zr[0] > 0) || !(ulp * ulp * haut <= bas))
        return Issue::Incertain;
    const double gMax = (RosAccord - 1) / (RosAccord + 1);
    const int ros =
        compare(norme(zr[0] - Z0Emetteur, zi[0]) / norme(zr[0] + Z0Emetteur, zi[0]), gMax * gMax);
    if (ros != -1)
        return ros == 1 ? Issue::Rate : Issue::Incertain;
    // The current squared through each part, from the input's on.
    double courant2 = p.puissanceW / zr[0];
    int tension = -1;
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const Element &e = c.elements[k];
        double partie2 = courant2;
        if (e.place == Place::Derivation) {
            const double tension2 = courant2 * zm2[k];
            partie2 = tension2 / em2[k];
            courant2 = tension2 / zm2[k + 1];
        }
        if (e.genre == Genre::Condensateur) {
            const double x = reactance(e, omega);
            tension = std::max(tension, compare(2 * partie2 * x * x, tensionMax2));
        }
    }
    // The loss within its limit is the load's power above chargeMin.
    const int perte = -compare(courant2 * z.real(), chargeMin);
    if (perte == 1 || tension == 1)
        return Issue::Accorde;
    return perte == -1 && tension == -1 ? Issue::Sert : Issue::Incertain;
}

// Better: one that serves over one that only matches over one out of range;
// then the least loss; out of range, the nearest.
bool meilleur(const Reglage &a, const Candidat &ca, const Reglage &b, const Candidat &cb)
{
    // An exact match before one with a part held at its limit.
    const auto rang = [](const Reglage &r) {
        return (r.accordable() ? 0 : r.trouve ? 2 : 4) + (r.approche ? 1 : 0);
    };
    if (rang(a) != rang(b))
        return rang(a) < rang(b);
    if (rang(a) >= 4)
        return ca.ecart < cb.ecart;
    return a.perteDb < b.perteDb;
}

// A two-port's chain matrix: the voltage and current at its input from those
// at its output, v1 = a v2 + b i2, i1 = c v2 + d i2.
struct Chaine {
    Complexe a{1}, b{0}, c{0}, d{1};
};

Chaine fois(const Chaine &m, const Chaine &n)
{
    return {m.a * n.a + m.b * n.c, m.a * n.b + m.b * n.d, m.c * n.a + m.d * n.c,
            m.c * n.b + m.d * n.d};
}

// A part's impedance per ohm of its reactance: its 1/Q, +j for a coil, -j
// for a capacitor (as Circuit reckons it).
Complexe unitaire(const Element &e, const Pieces &p)
{
    const bool bobine = e.genre == Genre::Bobine;
    return {inverseQ(bobine ? p.qBobine : p.qCondensateur), bobine ? 1.0 : -1.0};
}

Chaine chaine(const Element &e, double omega, const Pieces &p)
{
    const Complexe z = reactance(e, omega) * unitaire(e, p);
    return e.place == Place::Serie ? Chaine{1, z, 0, 1} : Chaine{1, 0, 1.0 / z, 1};
}

// Part k of c given the value within [min, max] that brings the SWR at the
// input lowest, the other parts as they are; returns that |reflection|^2.
// The chain's matrix is linear in the part's reactance (in series) or
// susceptance (in shunt), s, so the reflection at the input is
// (alpha s + beta) / (gamma s + delta): its squared modulus, a ratio of two
// quadratics in s, is least at an end of the range or where its derivative's
// numerator, a quadratic, vanishes.
double auMieux(const Pieces &p, Candidat &c, int k, double min, double max, Complexe z,
               double omega)
{
    Chaine avant, apres;
    for (int i = 0; i < c.n; ++i)
        if (i < k)
            avant = fois(avant, chaine(c.elements[static_cast<std::size_t>(i)], omega, p));
        else if (i > k)
            apres = fois(apres, chaine(c.elements[static_cast<std::size_t>(i)], omega, p));
    Element &e = c.elements[static_cast<std::size_t>(k)];
    const bool serie = e.place == Place::Serie;
    const Complexe u = unitaire(e, p);
    const Chaine m0 = fois(avant, apres);
    const Chaine m1 =
        fois(fois(avant, serie ? Chaine{0, u, 0, 0} : Chaine{0, 0, 1.0 / u, 0}), apres);
    const Complexe n0 = m0.a * z + m0.b;
    const Complexe d0 = m0.c * z + m0.d;
    const Complexe n1 = m1.a * z + m1.b;
    const Complexe d1 = m1.c * z + m1.d;
    const Complexe alpha = n1 - Z0Emetteur * d1;
    const Complexe beta = n0 - Z0Emetteur * d0;
    const Complexe gamma = n1 + Z0Emetteur * d1;
    const Complexe delta = n0 + Z0Emetteur * d0;
    const auto reflexion2 = [&](double x) {
        return std::norm(alpha * x + beta) / std::norm(gamma * x + delta);
    };
    // s at a value of the part, and back.
    const bool direct = (e.genre == Genre::Bobine) == serie; // s grows with the value
    const auto versS = [&](double v) { return direct ? omega * v : 1 / (omega * v); };
    const auto depuisS = [&](double x) { return direct ? x / omega : 1 / (omega * x); };
    double meilleurV = min;
    double meilleurF = reflexion2(versS(min));
    const auto essaie = [&](double x, double v) {
        const double f = reflexion2(x);
        if (f < meilleurF) {
            meilleurF = f;
            meilleurV = v;
        }
    };
    essaie(versS(max), max);
    const double sBas = std::min(versS(min), versS(max));
    const double sHaut = std::max(versS(min), versS(max));
    const double a2 = std::norm(alpha);
    const double a1 = 2 * (alpha * std::conj(beta)).real();
    const double a0 = std::norm(beta);
    const double b2 = std::norm(gamma);
    const double b1 = 2 * (gamma * std::conj(delta)).real();
    const double b0 = std::norm(delta);
    const double k2 = a2 * b1 - a1 * b2;
    const double k1 = 2 * (a2 * b0 - a0 * b2);
    const double k0 = a1 * b0 - a0 * b1;
    std::array<double, 2> racines{Nan, Nan};
    if (k2 != 0) {
        const double d = k1 * k1 - 4 * k2 * k0;
        if (d >= 0)
            racines = {(-k1 + std::sqrt(d)) / (2 * k2), (-k1 - std::sqrt(d)) / (2 * k2)};
    } else if (k1 != 0) {
        racines[0] = -k0 / k1;
    }
    for (const double x : racines)
        if (x > sBas && x < sHaut)
            essaie(x, depuisS(x));
    e.valeur = meilleurV;
    return meilleurF;
}

// When c's exact match needs a part beyond its range: that part held at the
// limit it passes and the other (a T's C2 stays as swept) at its best for the
// SWR, kept if juge finds that SWR within RosAccord. The best of these, or
// nothing found.
Reglage enButee(const Pieces &p, const Candidat &c, Complexe z, double omega)
{
    Reglage meilleurR;
    Candidat meilleurC;
    const double gMax = (RosAccord - 1) / (RosAccord + 1);
    for (int k = 0; k < 2; ++k) {
        const Element &e = c.elements[static_cast<std::size_t>(k)];
        const bool bobine = e.genre == Genre::Bobine;
        const double min = bobine ? p.lMinUh * Micro : cMin(p);
        const double max = bobine ? p.lMaxUh * Micro : cMax(p);
        // No value of it matches, or it is within range.
        if (!(e.valeur > 0) || !std::isfinite(e.valeur) || (e.valeur >= min && e.valeur <= max))
            continue;
        Candidat t = c;
        t.ecart = 0;
        t.limite = Limite::Aucune;
        t.elements[static_cast<std::size_t>(k)].valeur = e.valeur < min ? min : max;
        const bool autreBobine = c.elements[static_cast<std::size_t>(1 - k)].genre == Genre::Bobine;
        // Judged only when it may match (the quick figure loosened well past
        // its rounding).
        if (auMieux(p, t, 1 - k, autreBobine ? p.lMinUh * Micro : cMin(p),
                    autreBobine ? p.lMaxUh * Micro : cMax(p), z, omega) > gMax * gMax * 1.001)
            continue;
        Reglage r = juge(p, t, z, omega);
        if (!r.trouve)
            continue;
        r.approche = true;
        if (!meilleurR.trouve || meilleur(r, t, meilleurR, meilleurC)) {
            meilleurR = r;
            meilleurC = t;
        }
    }
    return meilleurR;
}

// A candidate's setting: its exact match, or failing that, within range,
// the best with a part at its limit, or failing that the exact one's limit.
Reglage regleA(const Pieces &p, const Candidat &c, Complexe z, double omega)
{
    if (c.ecart != 0) {
        const Reglage e = enButee(p, c, z, omega);
        if (e.trouve)
            return e;
    }
    return juge(p, c, z, omega);
}

// C2 on a logarithmic scale across its range, t from 0 to 1. Clamped: the
// ends are the range's own values, to the bit.
double valeurC2(const Pieces &p, double t)
{
    const double a = std::log(cMin(p));
    const double b = std::log(cMax(p));
    return std::clamp(std::exp(a + (b - a) * t), cMin(p), cMax(p));
}

// The sweep's t at step i.
double pasC2(int i)
{
    return static_cast<double>(i) / PasBalayage;
}

Reglage regleT(const Pieces &p, Complexe z, double omega, bool premierQuiSert)
{
    const auto c2 = [&](double t) { return valeurC2(p, t); };
    Reglage meilleurR;
    Candidat meilleurC;
    double meilleurT = 0;
    bool premier = true;
    // From the largest C2 down: the T loses least with the most capacitance,
    // so the first setting that serves usually comes at once.
    for (int i = PasBalayage; i >= 0; --i) {
        const double t = pasC2(i);
        const Candidat c = candidatT(p, z, omega, c2(t));
        const Reglage r = regleA(p, c, z, omega);
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
    // An exact match, there, is better than a part held at its limit.
    for (const auto &f : {f1, f2})
        if (f.second < (meilleurR.approche ? Impossible : meilleurR.perteDb))
            meilleurR = f.first;
    return meilleurR;
}

Reglage regleL(const Pieces &p, Complexe z, double omega)
{
    const Candidat a = candidatL(p, z, omega, Montage::CCoteEmetteur);
    const Candidat b = candidatL(p, z, omega, Montage::CCoteAntenne);
    const Reglage ra = regleA(p, a, z, omega);
    const Reglage rb = regleA(p, b, z, omega);
    return meilleur(rb, b, ra, a) ? rb : ra;
}

double pulsation(double frequenceHz)
{
    return 2 * std::numbers::pi * frequenceHz;
}

// A load no network matches: not passive, or not a number.
bool horsDeCause(Complexe zCharge, double omega)
{
    return !(zCharge.real() > 0) || !std::isfinite(zCharge.imag()) || !(omega > 0);
}

// The T's C2 nearest its range, beyond the end named, at which the match has
// a solution at all (C1 and the coil wherever they fall); NaN when none does
// within a factor of a million.
double c2Requis(const Pieces &p, Complexe z, double omega, bool sousMin)
{
    const auto resolu = [&](double c2) { return candidatT(p, z, omega, c2).ecart < Impossible; };
    double dedans = sousMin ? cMin(p) : cMax(p);
    double dehors = Nan;
    for (int i = 0; i < 20 && std::isnan(dehors); ++i) {
        const double c = sousMin ? dedans / 2 : dedans * 2;
        (resolu(c) ? dehors : dedans) = c;
    }
    if (std::isnan(dehors))
        return Nan;
    for (int i = 0; i < 60; ++i) {
        const double m = std::sqrt(dedans * dehors);
        (resolu(m) ? dehors : dedans) = m;
    }
    return dehors;
}

// Without a setting, what the part in the way would need.
void requise(const Pieces &p, Complexe z, double omega, Reglage &r)
{
    double v = Nan;
    double borneV = Nan;
    switch (r.limite) {
    case Limite::C1Min:
    case Limite::C1Max:
        v = r.c1Pf;
        borneV = r.limite == Limite::C1Min ? p.cMinPf : p.cMaxPf;
        break;
    case Limite::C2Min:
    case Limite::C2Max:
        // The T's C2 is swept, never solved for.
        v = r.montage == Montage::T ? c2Requis(p, z, omega, r.limite == Limite::C2Min) / Pico
                                    : r.c2Pf;
        borneV = r.limite == Limite::C2Min ? p.cMinPf : p.cMaxPf;
        break;
    case Limite::LMin:
    case Limite::LMax:
        v = r.lUh;
        borneV = r.limite == Limite::LMin ? p.lMinUh : p.lMaxUh;
        break;
    case Limite::Aucune:
    case Limite::Perte:
    case Limite::Tension:
        return;
    }
    if (v > 0 && std::isfinite(v)) {
        r.valeurRequise = v;
        r.valeurBorne = borneV;
    }
}

Reglage calcule(const Pieces &p, Complexe zCharge, double frequenceHz, bool premierQuiSert)
{
    const double omega = pulsation(frequenceHz);
    if (horsDeCause(zCharge, omega))
        return {};
    Reglage r =
        p.type == Type::T ? regleT(p, zCharge, omega, premierQuiSert) : regleL(p, zCharge, omega);
    if (!premierQuiSert && !r.trouve)
        requise(p, zCharge, omega, r);
    return r;
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

Accord::Accord(const Pieces &p, double frequenceHz)
    : p_(p), frequenceHz_(frequenceHz), omega_(pulsation(frequenceHz)),
      chargeMin_(p.puissanceW * std::pow(10.0, -p.perteMaxDb / 10)),
      tensionMax2_(p.tensionMaxV * p.tensionMaxV)
{
    static_assert(Pas == PasBalayage + 1);
    for (int i = 0; i < Pas; ++i)
        c2_[static_cast<std::size_t>(i)] = valeurC2(p, pasC2(i));
}

bool Accord::operator()(Complexe zCharge)
{
    if (horsDeCause(zCharge, omega_))
        return false;
    const auto issue = [&](const Candidat &c) {
        // Out of range, the settings with a part at its limit, as regle
        // judges them.
        if (c.ecart != 0) {
            const Reglage r = enButee(p_, c, zCharge, omega_);
            return r.accordable() ? Issue::Sert : r.trouve ? Issue::Accorde : Issue::Rate;
        }
        const Issue i = estime(p_, c, zCharge, omega_, chargeMin_, tensionMax2_);
        if (i != Issue::Incertain)
            return i;
        const Reglage r = juge(p_, c, zCharge, omega_);
        return r.accordable() ? Issue::Sert : r.trouve ? Issue::Accorde : Issue::Rate;
    };
    // The L serves when either side of its capacitor does.
    if (p_.type == Type::L)
        return issue(candidatL(p_, zCharge, omega_, Montage::CCoteEmetteur)) == Issue::Sert ||
               issue(candidatL(p_, zCharge, omega_, Montage::CCoteAntenne)) == Issue::Sert;
    // Any step of the sweep that serves gives the solver's verdict, whichever
    // it meets first: outwards from the one that served last.
    int accordeHaut = -1; // the highest step that matches without serving
    const auto sert = [&](int i) {
        if (i < 0 || i >= Pas)
            return false;
        const Issue r = issue(candidatT(p_, zCharge, omega_, c2_[static_cast<std::size_t>(i)]));
        if (r == Issue::Accorde)
            accordeHaut = std::max(accordeHaut, i);
        return r == Issue::Sert;
    };
    const int centre = dernier_;
    for (int d = 0; d < Pas; ++d) {
        if (sert(centre - d)) {
            dernier_ = centre - d;
            return true;
        }
        if (d > 0 && sert(centre + d)) {
            dernier_ = centre + d;
            return true;
        }
    }
    if (accordeHaut < 0)
        return false;
    // Matched within range but never within the loss and voltages: the
    // solver narrows the least loss down around its best step, where it may
    // serve after all, and never beyond the step after. Up to that C2 (one
    // step further still, for the rounding of its search), whatever C1 and
    // the coil, two bounds may already rule it out. The load takes R |I|^2;
    // C2 carries that current and heats q x2 |I|^2; the coil's admittance
    // must exceed the susceptance past C2 for C1 to be a capacitor, so it
    // heats at least a (x2 - X) |I|^2. So the loss is at least
    // 1 + (q x2 + a (x2 - X)) / R, and within the loss's limit C2's peak
    // voltage squared is at least 2 chargeMin x2^2 / R; both grow as C2
    // shrinks.
    const double x2 =
        1 / (omega_ * c2_[static_cast<std::size_t>(std::min(accordeHaut + 2, Pas - 1))]);
    const double r = zCharge.real();
    const double perte = 1 + (inverseQ(p_.qCondensateur) * x2 +
                              inverseQ(p_.qBobine) * std::max(0.0, x2 - zCharge.imag())) /
                                 r;
    if (perte > p_.puissanceW / chargeMin_ * (1 + MargeBorne) ||
        2 * chargeMin_ * x2 * x2 / r > tensionMax2_ * (1 + MargeBorne))
        return false;
    // Else the solver's own code decides.
    return accordable(p_, zCharge, frequenceHz_);
}

} // namespace Reseau
