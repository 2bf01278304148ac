#include "reseau/Circuit.h"

#include <cmath>

namespace Reseau {

namespace {

Complexe impedance(const Element &e, double omega, const Pieces &p)
{
    const double x = reactance(e, omega);
    return {resistance(e, omega, p), e.genre == Genre::Bobine ? x : -x};
}

} // namespace

double reactance(const Element &e, double omega)
{
    return e.genre == Genre::Bobine ? omega * e.valeur : 1 / (omega * e.valeur);
}

double resistance(const Element &e, double omega, const Pieces &p)
{
    const double q = e.genre == Genre::Bobine ? p.qBobine : p.qCondensateur;
    return q > 0 ? reactance(e, omega) / q : 0;
}

Complexe impedanceEntree(const Element *elements, int n, Complexe zCharge, double omega,
                         const Pieces &p)
{
    Complexe z = zCharge;
    for (int i = n - 1; i >= 0; --i) {
        const Complexe ze = impedance(elements[i], omega, p);
        z = elements[i].place == Place::Serie ? z + ze : 1.0 / (1.0 / z + 1.0 / ze);
    }
    return z;
}

Analyse analyse(const Element *elements, int n, Complexe zCharge, double omega, const Pieces &p)
{
    // The impedance seen at each node, from the load back.
    std::array<Complexe, 4> zNoeud{};
    zNoeud[static_cast<std::size_t>(n)] = zCharge;
    for (int i = n - 1; i >= 0; --i)
        zNoeud[static_cast<std::size_t>(i)] =
            impedanceEntree(elements + i, 1, zNoeud[static_cast<std::size_t>(i) + 1], omega, p);
    Analyse a;
    a.zEntree = zNoeud[0];
    // The power goes in at the input; the phase reference is its current.
    Complexe courant = std::sqrt(p.puissanceW / a.zEntree.real());
    Complexe tension = courant * a.zEntree;
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const Complexe ze = impedance(elements[i], omega, p);
        Complexe ce;
        if (elements[i].place == Place::Serie) {
            ce = courant;
            tension -= courant * ze;
        } else {
            ce = tension / ze;
            courant -= ce;
        }
        a.courantA[k] = std::abs(ce);
        a.tensionCreteV[k] = std::sqrt(2.0) * std::abs(ce) * reactance(elements[i], omega);
        a.puissanceW[k] = std::norm(ce) * ze.real();
    }
    const double charge = std::norm(courant) * zCharge.real();
    a.perteDb = 10 * std::log10(p.puissanceW / charge);
    return a;
}

double rosSur50(Complexe z)
{
    const double g = std::abs((z - Z0Emetteur) / (z + Z0Emetteur));
    return g < 1 ? (1 + g) / (1 - g) : std::numeric_limits<double>::infinity();
}

} // namespace Reseau
