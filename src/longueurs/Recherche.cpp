#include "longueurs/Recherche.h"

#include "nec/Nombres.h"
#include "nec/Regle.h"
#include "regles/Erreurs.h"
#include "regles/TextesLongueurs.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>

namespace Longueurs {

void valide(const Parametres &p)
{
    if (!(p.echelleMinCm >= 0 && p.echelleMinCm <= p.echelleMaxCm &&
          p.echelleMaxCm <= Defauts::RechercheEchelleMaxCm))
        leveErreur(Textes::LongueursPlage().arg(Defauts::RechercheEchelleMaxCm));
    if (!(p.tolerancePct >= 0 && p.tolerancePct <= Defauts::ToleranceBrancheMaxPct))
        leveErreur(Textes::LongueursTolerance().arg(Defauts::ToleranceBrancheMaxPct));
    if (!(p.toleranceEchellePct >= 0 && p.toleranceEchellePct <= Defauts::ToleranceBrancheMaxPct))
        leveErreur(Textes::LongueursToleranceEchelle().arg(Defauts::ToleranceBrancheMaxPct));
    if (!(p.largeurMinCm >= 1 && p.largeurMinCm <= Defauts::RechercheEchelleMaxCm))
        leveErreur(Textes::LongueursLargeurMin().arg(Defauts::RechercheEchelleMaxCm));
}

void valide(const Branches &b)
{
    if (!(b.minCm > 0 && b.minCm <= b.maxCm && b.pasCm >= Defauts::PasBrancheMinCm &&
          (static_cast<std::int64_t>(b.maxCm) - b.minCm) / b.pasCm < Defauts::BranchesMax))
        leveErreur(
            Textes::LongueursBranches().arg(Defauts::PasBrancheMinCm).arg(Defauts::BranchesMax));
}

std::vector<std::int32_t> longueurs(const Branches &b)
{
    std::vector<std::int32_t> r;
    for (std::int64_t l = b.minCm; l <= b.maxCm && b.pasCm > 0; l += b.pasCm)
        r.push_back(static_cast<std::int32_t>(l));
    return r;
}

std::vector<double> facteurs(double tolerancePct)
{
    if (tolerancePct <= 0)
        return {1.0};
    return {1.0, 1 - tolerancePct / 100, 1 + tolerancePct / 100};
}

Nec::Entrees variante(const Nec::Entrees &e, double facteur, std::int32_t finCm)
{
    Nec::Entrees r = e;
    r.antenne.brancheCm = e.antenne.brancheCm * facteur;
    // The chart's electrical branch scales with the physical one: its velocity
    // factor is the same.
    r.longElecDip = static_cast<std::int32_t>(std::lround(e.longElecDip * facteur));
    r.longueurMaxCm = std::max(finCm, 1);
    return r;
}

Antennes antennes(const Nec::Entrees &e, double brancheCm, const Parametres &p,
                  const std::optional<Branches> &grille)
{
    Antennes a;
    a.brancheCm = brancheCm;
    Nec::Entrees base = e;
    if (e.antenne.brancheCm > 0 && brancheCm != e.antenne.brancheCm)
        base = variante(e, brancheCm / e.antenne.brancheCm, e.longueurMaxCm);
    base.antenne.brancheCm = brancheCm;
    for (double f : facteurs(p.tolerancePct)) {
        // On the grid the length is the grid's own, to the bit: its deck is
        // then that branch's.
        std::optional<double> sur;
        if (grille && grille->pasCm > 0 && f != 1) {
            const double pas = grille->pasCm;
            const double l =
                grille->minCm + std::round((brancheCm * f - grille->minCm) / pas) * pas;
            // A step too coarse for the tolerance keeps the length asked.
            if (l != brancheCm) {
                f = l / brancheCm;
                sur = l;
            }
        }
        for (double g : facteurs(p.toleranceEchellePct)) {
            Nec::Entrees v = variante(base, f, p.echelleMaxCm);
            if (sur)
                v.antenne.brancheCm = *sur;
            // No line is faster than light.
            v.echelle.coefVelocite = std::min(1.0, base.echelle.coefVelocite * g);
            a.entrees.push_back(v);
        }
    }
    return a;
}

namespace {

// The impedances at B of band j: its reference frequency, then its sweep when
// the whole band is asked. Frequencies in Hz.
std::vector<std::pair<double, Nec::Complexe>>
impedancesBande(const Nec::Entrees &e, const std::vector<Nec::ImpedanceB> &zB, std::size_t j,
                bool surLaBande)
{
    std::vector<std::pair<double, Nec::Complexe>> r;
    if (j >= zB.size())
        return r;
    r.emplace_back(e.bandes[j].frequenceKHz * 1e3, zB[j].z);
    if (!surLaBande)
        return r;
    std::size_t suivant = Nec::debutBalayage(e, j);
    for (double kHz : Nec::balayageKHz(e, e.bandes[j]))
        if (suivant < zB.size())
            r.emplace_back(kHz * 1e3, zB[suivant++].z);
    return r;
}

constexpr double Inconnu = std::numeric_limits<double>::quiet_NaN();

// The bands some factor's answers cannot serve, with the first reason found.
void ecarte(Antennes &a)
{
    const std::size_t nb = a.entrees.empty() ? 0 : a.entrees.front().bandes.size();
    a.ecartees.assign(nb, false);
    a.echecs.clear();
    if (!a.avecNec())
        return;
    for (std::size_t v = 0; v < a.entrees.size(); ++v)
        for (std::size_t j = 0; j < nb; ++j)
            if (const auto faute = Nec::fauteBande(a.entrees[v], a.zB[v], j);
                faute && !a.ecartees[j]) {
                a.ecartees[j] = true;
                a.echecs.push_back({a.entrees[v].bandes[j], *faute});
            }
    // The antenna as typed is also judged as the check judges it, values
    // along the ladder included, so that a band it leaves out is left out
    // here with the same reason.
    for (const Nec::BandeEchouee &b :
         Nec::evalue(a.entrees.front(), a.zB.front(), nullptr, false).echecs)
        for (std::size_t j = 0; j < nb; ++j)
            if (a.entrees.front().bandes[j].k == b.bande.k && !a.ecartees[j]) {
                a.ecartees[j] = true;
                a.echecs.push_back(b);
            }
}

bool ecartee(const Antennes &a, std::size_t j)
{
    return j < a.ecartees.size() && a.ecartees[j];
}

} // namespace

std::vector<std::vector<bool>> rangees(const Antennes &a, const Parametres &p)
{
    const std::size_t nb = a.entrees.empty() ? 0 : a.entrees.front().bandes.size();
    const std::size_t debut = static_cast<std::size_t>(std::max(0, p.echelleMinCm));
    const std::size_t n = static_cast<std::size_t>(p.echelleMaxCm) + 1;
    std::vector<std::vector<bool>> r(nb, std::vector<bool>(n > debut ? n - debut : 0, true));
    for (std::size_t v = 0; v < a.entrees.size(); ++v) {
        const Nec::Entrees &e = a.entrees[v];
        if (p.regle == Regle::Nec) {
            // The NEC-2 map itself, from B to the end of the range.
            // A band left out has no map: its row stays as it is, unused.
            const Nec::Resultat res = Nec::evalue(e, a.zB.at(v), nullptr, false);
            for (const Nec::CarteBande &c : res.carte) {
                std::size_t j = 0;
                while (j < nb && e.bandes[j].k != c.k)
                    ++j;
                if (j == nb)
                    continue;
                const std::vector<bool> &libre = p.surLaBande ? c.libreNecBande : c.libreNec;
                for (std::size_t l = debut; l < n; ++l)
                    r[j][l - debut] = r[j][l - debut] && libre[l];
            }
        } else {
            for (std::size_t j = 0; j < nb; ++j) {
                const std::vector<bool> libre = Nec::rangeeGraphe(e, e.bandes[j], n);
                for (std::size_t l = debut; l < n; ++l)
                    r[j][l - debut] = r[j][l - debut] && libre[l];
            }
        }
    }
    return r;
}

std::vector<Fenetre> fenetres(const Antennes &a, const Parametres &p)
{
    std::vector<Fenetre> r;
    if (a.entrees.empty())
        return r;
    const Nec::Entrees &e = a.entrees.front();
    const std::vector<std::vector<bool>> &rang = a.rangees;
    const std::size_t n = rang.empty() ? 0 : rang.front().size();
    // A band left out weighs on no window: always "tunable" here, and not named.
    const auto ensemble = [&](std::size_t l) {
        std::vector<bool> s(rang.size());
        for (std::size_t j = 0; j < rang.size(); ++j)
            s[j] = rang[j][l] || ecartee(a, j);
        return s;
    };
    std::size_t l = 0;
    while (l < n) {
        const std::vector<bool> s = ensemble(l);
        std::size_t fin = l;
        while (fin + 1 < n && ensemble(fin + 1) == s)
            ++fin;
        bool une = false;
        for (std::size_t j = 0; j < s.size(); ++j)
            une = une || (rang[j][l] && !ecartee(a, j));
        if (une) {
            Fenetre f;
            f.brancheCm = f.brancheMinCm = f.brancheMaxCm = a.brancheCm;
            f.debutCm = p.echelleMinCm + static_cast<std::int32_t>(l);
            f.finCm = p.echelleMinCm + static_cast<std::int32_t>(fin);
            for (std::size_t j = 0; j < s.size(); ++j)
                if (!ecartee(a, j))
                    (s[j] ? f.accordables : f.manquantes).push_back(e.bandes[j].bande);
            r.push_back(std::move(f));
        }
        l = fin + 1;
    }
    for (Fenetre &f : r)
        complete(f, a, p);
    return r;
}

void complete(Fenetre &f, const Antennes &a, const Parametres &p)
{
    f.details.clear();
    f.rosBoiteMax = f.perteMaxDb = a.avecNec() ? 0 : Inconnu;
    if (a.entrees.empty())
        return;
    const Nec::Entrees &e = a.entrees.front();
    const double longueurM = f.centreCm() / 100.0;
    for (std::size_t j = 0; j < e.bandes.size(); ++j) {
        if (ecartee(a, j))
            continue;
        DetailBande d;
        d.bande = e.bandes[j].bande;
        d.accordable =
            std::find(f.accordables.begin(), f.accordables.end(), d.bande) != f.accordables.end();
        d.rosBoiteMax = d.moduleCPire = d.perteDb = Inconnu;
        if (a.avecNec()) {
            const bool haute = e.classe == Nec::Classe::Haute;
            d.rosBoiteMax = 0;
            d.moduleCPire = haute ? std::numeric_limits<double>::infinity() : 0;
            const bool reseau = Nec::critereReseau(e.critere);
            // No setting is worse than one over the limits, which is worse
            // than one that serves; then the greater loss.
            const auto pire = [](const Reseau::Reglage &a, const Reseau::Reglage &b) {
                const auto rang = [](const Reseau::Reglage &r) {
                    return r.accordable() ? 0 : r.trouve ? 1 : 2;
                };
                if (rang(a) != rang(b))
                    return rang(a) > rang(b);
                return a.perteDb > b.perteDb;
            };
            bool premier = true;
            // Each case with its own ladder: the velocity factor varies too.
            for (std::size_t v = 0; v < a.entrees.size(); ++v)
                for (const auto &[hz, z] :
                     impedancesBande(a.entrees[v], a.zB[v], j, p.surLaBande)) {
                    const Nec::Complexe zC =
                        Nec::impedanceEnC(z, a.entrees[v].echelle, hz, longueurM);
                    d.rosBoiteMax = std::max(d.rosBoiteMax, Nec::rosBoite(zC, e.boite.balun));
                    d.moduleCPire = haute ? std::min(d.moduleCPire, std::abs(zC))
                                          : std::max(d.moduleCPire, std::abs(zC));
                    if (reseau) {
                        const Reseau::Reglage r = Nec::reglageC(a.entrees[v], zC, hz);
                        if (premier || pire(r, d.reglagePire))
                            d.reglagePire = r;
                        premier = false;
                    }
                }
            d.perteDb = Nec::perteDb(a.zB.front().at(j).z, e.echelle,
                                     e.bandes[j].frequenceKHz * 1e3, longueurM);
            if (d.accordable) {
                f.rosBoiteMax = std::max(f.rosBoiteMax, d.rosBoiteMax);
                f.perteMaxDb = std::max(f.perteMaxDb, d.perteDb);
            }
        }
        f.details.push_back(d);
    }
}

std::vector<Fenetre> regroupe(const std::vector<Fenetre> &toutes, const std::vector<double> &grille)
{
    const std::size_t n = toutes.size();
    // Each window's place on the grid; off the grid, a place of its own.
    std::vector<std::ptrdiff_t> rang(n);
    for (std::size_t i = 0; i < n; ++i) {
        const auto g = std::find(grille.begin(), grille.end(), toutes[i].brancheCm);
        rang[i] = g == grille.end() ? -2 - static_cast<std::ptrdiff_t>(i) : g - grille.begin();
    }
    std::vector<std::size_t> chef(n);
    for (std::size_t i = 0; i < n; ++i)
        chef[i] = i;
    const auto racine = [&](std::size_t i) {
        while (chef[i] != i)
            i = chef[i] = chef[chef[i]];
        return i;
    };
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t k = i + 1; k < n; ++k) {
            const Fenetre &a = toutes[i];
            const Fenetre &b = toutes[k];
            if (rang[i] >= 0 && rang[k] >= 0 && std::abs(rang[i] - rang[k]) == 1 &&
                a.accordables == b.accordables && a.manquantes == b.manquantes &&
                a.debutCm <= b.finCm && b.debutCm <= a.finCm)
                chef[racine(i)] = racine(k);
        }
    std::vector<Fenetre> r;
    std::vector<bool> vue(n, false);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t c = racine(i);
        if (vue[c])
            continue;
        vue[c] = true;
        std::vector<std::size_t> membres;
        for (std::size_t k = i; k < n; ++k)
            if (racine(k) == c)
                membres.push_back(k);
        std::ptrdiff_t premier = rang[i];
        std::ptrdiff_t dernier = rang[i];
        for (std::size_t k : membres) {
            premier = std::min(premier, rang[k]);
            dernier = std::max(dernier, rang[k]);
        }
        // The run's centre is the branch most forgiving of a cut a little off;
        // there, the widest of its windows.
        const std::ptrdiff_t centre = premier + (dernier - premier) / 2;
        std::size_t garde = i;
        for (std::size_t k : membres)
            if (rang[k] == centre &&
                (rang[garde] != centre || toutes[k].largeurCm() > toutes[garde].largeurCm()))
                garde = k;
        Fenetre f = toutes[garde];
        if (premier >= 0) {
            f.brancheMinCm = grille[static_cast<std::size_t>(premier)];
            f.brancheMaxCm = grille[static_cast<std::size_t>(dernier)];
        }
        r.push_back(std::move(f));
    }
    return r;
}

Bord bord(const Fenetre &meilleure, const Parametres &p, const std::optional<Branches> &branches)
{
    Bord r;
    if (branches) {
        const std::vector<std::int32_t> l = longueurs(*branches);
        // The search cannot go below its smallest step nor past its largest length.
        if (!l.empty() && meilleure.brancheMinCm <= l.front() &&
            l.front() - branches->pasCm >= Defauts::PlageBrancheCm.min)
            r.brancheCm = l.front();
        else if (!l.empty() && meilleure.brancheMaxCm >= l.back() &&
                 l.back() + branches->pasCm <= Defauts::PlageBrancheCm.max)
            r.brancheCm = l.back();
    }
    if (meilleure.debutCm <= p.echelleMinCm && p.echelleMinCm > 0)
        r.echelleCm = p.echelleMinCm;
    else if (meilleure.finCm >= p.echelleMaxCm && p.echelleMaxCm < Defauts::RechercheEchelleMaxCm)
        r.echelleCm = p.echelleMaxCm;
    return r;
}

std::vector<Fenetre> classe(std::vector<Fenetre> toutes, std::size_t nombre)
{
    std::size_t plus = 0;
    for (const Fenetre &f : toutes)
        plus = std::max(plus, f.accordables.size());
    std::erase_if(toutes, [plus](const Fenetre &f) { return f.accordables.size() < plus; });
    // Widest first; between equals, the lowest worst SWR the tuner sees (a
    // window without nec2c's answers has none: it comes after), then the
    // shorter ladder, then the shorter branch.
    std::stable_sort(toutes.begin(), toutes.end(), [](const Fenetre &a, const Fenetre &b) {
        if (a.largeurCm() != b.largeurCm())
            return a.largeurCm() > b.largeurCm();
        const bool ra = std::isfinite(a.rosBoiteMax);
        const bool rb = std::isfinite(b.rosBoiteMax);
        if (ra != rb)
            return ra;
        if (ra && a.rosBoiteMax != b.rosBoiteMax)
            return a.rosBoiteMax < b.rosBoiteMax;
        if (a.debutCm != b.debutCm)
            return a.debutCm < b.debutCm;
        return a.brancheCm < b.brancheCm;
    });
    if (toutes.size() > nombre)
        toutes.resize(nombre);
    return toutes;
}

std::vector<Antennes> prepare(const Nec::Entrees &e, const Parametres &p,
                              const std::optional<Branches> &branches)
{
    std::vector<Antennes> r;
    if (!branches) {
        r.push_back(antennes(e, e.antenne.brancheCm, p));
        return r;
    }
    for (std::int32_t b : longueurs(*branches))
        r.push_back(antennes(e, b, p, branches));
    return r;
}

std::vector<QByteArray> decks(const std::vector<Antennes> &a)
{
    std::vector<QByteArray> r;
    for (const Antennes &x : a)
        for (const Nec::Entrees &e : x.entrees)
            if (QByteArray d = Nec::deck(e); std::find(r.begin(), r.end(), d) == r.end())
                r.push_back(std::move(d));
    return r;
}

std::vector<Fenetre> cherche(std::vector<Antennes> &a, const Parametres &p, std::size_t nombre,
                             const Impedances &impedances)
{
    std::vector<Fenetre> toutes;
    for (Antennes &x : a) {
        x.zB.clear();
        for (const Nec::Entrees &e : x.entrees) {
            const std::vector<Nec::ImpedanceB> *z = impedances ? impedances(Nec::deck(e)) : nullptr;
            if (!z) {
                x.zB.clear();
                break;
            }
            x.zB.push_back(*z);
        }
        x.rangees.clear();
        ecarte(x);
        if (p.regle == Regle::Nec && !x.avecNec())
            continue;
        x.rangees = rangees(x, p);
        for (Fenetre &f : fenetres(x, p))
            toutes.push_back(std::move(f));
    }
    std::erase_if(toutes, [&](const Fenetre &f) { return f.largeurCm() < p.largeurMinCm; });
    std::vector<double> grille;
    for (const Antennes &x : a)
        grille.push_back(x.brancheCm);
    std::sort(grille.begin(), grille.end());
    grille.erase(std::unique(grille.begin(), grille.end()), grille.end());
    return classe(regroupe(toutes, grille), nombre);
}

std::vector<Nec::BandeEchouee> echecs(const std::vector<Antennes> &a)
{
    std::vector<Nec::BandeEchouee> r;
    for (const Antennes &x : a)
        for (const Nec::BandeEchouee &b : x.echecs)
            if (std::none_of(r.begin(), r.end(),
                             [&](const Nec::BandeEchouee &c) { return c.bande.k == b.bande.k; }))
                r.push_back(b);
    std::sort(r.begin(), r.end(), [](const Nec::BandeEchouee &x, const Nec::BandeEchouee &y) {
        return x.bande.k < y.bande.k;
    });
    return r;
}

namespace {

QString noms(const std::vector<std::int32_t> &bandes)
{
    QStringList r;
    for (std::int32_t b : bandes)
        r << QString::number(b);
    return r.join(u' ');
}

QString valeur(double v, int decimales)
{
    return std::isfinite(v) ? Nec::texte(v, decimales) : QString();
}

} // namespace

QByteArray csv(const std::vector<Fenetre> &fenetres)
{
    QString t = QStringLiteral("rang,branche_cm,debut_cm,fin_cm,centre_cm,largeur_cm,"
                               "bandes_accordables,bandes_manquantes,ros_boite_max,perte_max_db,"
                               "branche_min_cm,branche_max_cm\n");
    int rang = 0;
    for (const Fenetre &f : fenetres)
        t += QStringList{QString::number(++rang),       Nec::texte(f.brancheCm),
                         QString::number(f.debutCm),    QString::number(f.finCm),
                         QString::number(f.centreCm()), QString::number(f.largeurCm()),
                         noms(f.accordables),           noms(f.manquantes),
                         valeur(f.rosBoiteMax, 2),      valeur(f.perteMaxDb, 3),
                         Nec::texte(f.brancheMinCm),    Nec::texte(f.brancheMaxCm)}
                 .join(u',') +
             u'\n';
    return t.toUtf8();
}

} // namespace Longueurs
