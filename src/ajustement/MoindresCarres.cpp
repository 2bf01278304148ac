#include "ajustement/MoindresCarres.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Ajustement {

namespace {

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();

// Between the unknown's value and its place in [0, 1].
double versUnite(const Borne &b, double v)
{
    v = std::clamp(v, b.min, b.max);
    return b.logarithmique ? std::log(v / b.min) / std::log(b.max / b.min)
                           : (v - b.min) / (b.max - b.min);
}

double depuisUnite(const Borne &b, double u)
{
    u = std::clamp(u, 0.0, 1.0);
    return b.logarithmique ? b.min * std::pow(b.max / b.min, u) : b.min + u * (b.max - b.min);
}

double somme(const Residus &r)
{
    double s = 0;
    for (double x : r)
        s += x * x;
    return s;
}

using Matrice = std::vector<std::vector<double>>;

// Solves a x = b for a symmetric positive matrix (Cholesky); false when it is not.
bool resout(Matrice a, std::vector<double> &x)
{
    const std::size_t n = a.size();
    for (std::size_t j = 0; j < n; ++j) {
        double d = a[j][j];
        for (std::size_t k = 0; k < j; ++k)
            d -= a[j][k] * a[j][k];
        if (!(d > 0))
            return false;
        a[j][j] = std::sqrt(d);
        for (std::size_t i = j + 1; i < n; ++i) {
            double s = a[i][j];
            for (std::size_t k = 0; k < j; ++k)
                s -= a[i][k] * a[j][k];
            a[i][j] = s / a[j][j];
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t k = 0; k < i; ++k)
            x[i] -= a[i][k] * x[k];
        x[i] /= a[i][i];
    }
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t k = i + 1; k < n; ++k)
            x[i] -= a[k][i] * x[k];
        x[i] /= a[i][i];
    }
    return true;
}

} // namespace

Resultat moindresCarres(const std::vector<double> &depart, const std::vector<Borne> &bornes,
                        const Evaluation &evalue, const Reglages &reglages)
{
    const std::size_t n = depart.size();
    Resultat res;
    std::vector<double> u(n);
    for (std::size_t k = 0; k < n; ++k)
        u[k] = versUnite(bornes[k], depart[k]);
    const auto valeurs = [&](const std::vector<double> &w) {
        std::vector<double> v(n);
        for (std::size_t k = 0; k < n; ++k)
            v[k] = depuisUnite(bornes[k], w[k]);
        return v;
    };
    const auto calcule = [&](const std::vector<std::vector<double>> &points) {
        std::vector<std::vector<double>> v;
        for (const auto &w : points)
            v.push_back(valeurs(w));
        res.evaluations += static_cast<int>(points.size());
        return evalue(v);
    };
    res.valeurs = valeurs(u);
    res.incertitudes.assign(n, Nan);
    const auto premiers = calcule({u});
    if (premiers.empty() || !premiers[0] || premiers[0]->empty())
        return res;
    Residus r = *premiers[0];
    const std::size_t m = r.size();
    double s = somme(r);
    res.ecartDepart = res.ecartFin = std::sqrt(s / static_cast<double>(m));
    double lambda = 1e-2;
    Matrice jac(m, std::vector<double>(n, 0.0));
    Matrice jtj(n, std::vector<double>(n, 0.0));
    const auto interrompu = [&] { return reglages.interrompu && reglages.interrompu(); };
    const auto epuise = [&] { return reglages.epuise && reglages.epuise(); };
    res.arret = Arret::Limite;
    bool jacobienne = false; // computed at the current point
    bool courbure = false;   // jtj computed at all
    while (true) {
        if (interrompu()) {
            res.arret = Arret::Interrompu;
            break;
        }
        if (!jacobienne) {
            if (res.evaluations + static_cast<int>(n) > reglages.evaluationsMax || epuise())
                break;
            std::vector<std::vector<double>> points;
            std::vector<double> pas(n);
            for (std::size_t k = 0; k < n; ++k) {
                // Forward, unless the bound is nearer than a step.
                pas[k] = u[k] + reglages.pas <= 1 ? reglages.pas : -reglages.pas;
                auto w = u;
                w[k] += pas[k];
                points.push_back(w);
            }
            const auto voisins = calcule(points);
            for (std::size_t k = 0; k < n; ++k) {
                const bool lu = k < voisins.size() && voisins[k] && voisins[k]->size() == m;
                for (std::size_t i = 0; i < m; ++i)
                    jac[i][k] = lu ? ((*voisins[k])[i] - r[i]) / pas[k] : 0.0;
            }
            for (std::size_t a = 0; a < n; ++a)
                for (std::size_t b = 0; b < n; ++b) {
                    double t = 0;
                    for (std::size_t i = 0; i < m; ++i)
                        t += jac[i][a] * jac[i][b];
                    jtj[a][b] = t;
                }
            jacobienne = courbure = true;
        }
        std::vector<double> g(n, 0.0);
        for (std::size_t k = 0; k < n; ++k)
            for (std::size_t i = 0; i < m; ++i)
                g[k] -= jac[i][k] * r[i];
        Matrice a = jtj;
        for (std::size_t k = 0; k < n; ++k)
            a[k][k] += lambda * std::max(jtj[k][k], 1e-12);
        std::vector<double> d = g;
        if (!resout(a, d)) {
            lambda *= 10;
            if (lambda > 1e12) {
                res.arret = Arret::Converge;
                break;
            }
            continue;
        }
        auto essai = u;
        double deplacement = 0;
        for (std::size_t k = 0; k < n; ++k) {
            essai[k] = std::clamp(u[k] + d[k], 0.0, 1.0);
            deplacement = std::max(deplacement, std::fabs(essai[k] - u[k]));
        }
        if (deplacement < 1e-9) {
            res.arret = Arret::Converge;
            break;
        }
        if (res.evaluations + 1 > reglages.evaluationsMax || epuise())
            break;
        const auto reponse = calcule({essai});
        const bool lu = !reponse.empty() && reponse[0] && reponse[0]->size() == m;
        const double se = lu ? somme(*reponse[0]) : std::numeric_limits<double>::infinity();
        if (se < s) {
            const double gain = (s - se) / s;
            u = essai;
            r = *reponse[0];
            s = se;
            lambda = std::max(lambda / 3, 1e-7);
            jacobienne = false;
            ++res.iterations;
            if (gain < reglages.gainMin) {
                res.arret = Arret::Converge;
                break;
            }
        } else {
            lambda *= 4;
            if (lambda > 1e12) {
                res.arret = Arret::Converge;
                break;
            }
        }
    }
    res.valeurs = valeurs(u);
    res.ecartFin = std::sqrt(s / static_cast<double>(m));
    // The covariance of the unknowns: the residuals' variance over the
    // curvature last computed (at the end point, or a step before it when the
    // last step was accepted), brought back from the unit scale to each
    // unknown's own.
    if (courbure && m > n) {
        const double variance = s / static_cast<double>(m - n);
        for (std::size_t k = 0; k < n; ++k) {
            std::vector<double> e(n, 0.0);
            e[k] = 1;
            if (!resout(jtj, e) || !(e[k] > 0))
                continue;
            const double su = std::sqrt(variance * e[k]);
            const Borne &b = bornes[k];
            const double derivee =
                b.logarithmique ? res.valeurs[k] * std::log(b.max / b.min) : (b.max - b.min);
            res.incertitudes[k] = su * derivee;
        }
    }
    return res;
}

} // namespace Ajustement
