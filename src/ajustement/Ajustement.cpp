#include "ajustement/Ajustement.h"

#include "nec/Ligne.h"
#include "nec/Modele.h"
#include "regles/Erreurs.h"
#include "regles/TextesAjustement.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace Ajustement {

Complexe auPoint(const Nec::Entrees &e, Point p, Complexe zB, double frequenceHz)
{
    if (p == Point::B)
        return zB;
    const Complexe zC = Nec::impedanceEnC(zB, e.echelle, frequenceHz, e.echelleCm / 100.0);
    return p == Point::C ? zC : zC / static_cast<double>(e.boite.balun);
}

Complexe versC(const Nec::Entrees &e, Point p, Complexe zMesure, double frequenceHz)
{
    switch (p) {
    case Point::C:
        break;
    case Point::Balun:
        return zMesure * static_cast<double>(e.boite.balun);
    case Point::B:
        return Nec::impedanceEnC(zMesure, e.echelle, frequenceHz, e.echelleCm / 100.0);
    }
    return zMesure;
}

std::vector<std::size_t> pointsRetenus(const Nec::Entrees &e, const Mesure::Releve &r)
{
    std::vector<std::size_t> retenus;
    for (const Nec::BandeVerifiee &b : e.bandes) {
        const std::vector<double> plan = Nec::balayageKHz(e, b);
        double basHz = b.frequenceKHz * 990.0, hautHz = b.frequenceKHz * 1010.0;
        if (!plan.empty()) {
            basHz = std::min(basHz, *std::min_element(plan.begin(), plan.end()) * 1000);
            hautHz = std::max(hautHz, *std::max_element(plan.begin(), plan.end()) * 1000);
        }
        std::vector<std::size_t> dedans;
        for (std::size_t i = 0; i < r.points.size(); ++i)
            if (r.points[i].frequenceHz >= basHz && r.points[i].frequenceHz <= hautHz)
                dedans.push_back(i);
        // Evenly through the band, its first and last points kept.
        const std::size_t n = std::min(dedans.size(), PointsParBande);
        for (std::size_t k = 0; k < n; ++k) {
            const std::size_t j = n == 1 ? 0 : k * (dedans.size() - 1) / (n - 1);
            retenus.push_back(dedans[j]);
        }
    }
    std::sort(retenus.begin(), retenus.end());
    retenus.erase(std::unique(retenus.begin(), retenus.end()), retenus.end());
    return retenus;
}

Moteur moteur(std::function<Nec::ExecutionNec::Bilans(const std::vector<QByteArray> &)> calcule)
{
    return [calcule = std::move(calcule)](const std::vector<QByteArray> &decks, QString &message) {
        std::vector<std::optional<std::vector<Nec::ImpedanceB>>> r(decks.size());
        auto bilans = calcule(decks);
        if (const auto *m = std::get_if<QString>(&bilans)) {
            message = *m;
            return r;
        }
        auto &z = std::get<std::vector<std::vector<Nec::ImpedanceB>>>(bilans);
        for (std::size_t i = 0; i < r.size() && i < z.size(); ++i)
            r[i] = std::move(z[i]);
        return r;
    };
}

Complexe residu(Complexe zModele, Complexe zMesure)
{
    const double reference = std::abs(zMesure);
    return Mesure::reflexion(zModele, reference) - Mesure::reflexion(zMesure, reference);
}

namespace {

// One of the fit's scalar unknowns: sol gives two, the permittivity and the
// conductivity.
struct Parametre {
    QString nom;
    QString unite;
    bool moteur; // changing it changes Z at B: an engine run
    Borne borne;
    double (*lit)(const Nec::Entrees &);
    void (*ecrit)(Nec::Entrees &, double);
};

// The bounds: the inputs' own ranges, narrowed around the start where a
// range is far wider than any error of measure (a branch is never off by
// half its length).
std::vector<Parametre> parametres(const Demande &d)
{
    const Nec::Entrees &e = d.entrees;
    std::vector<Parametre> p;
    for (Inconnue i : d.inconnues) {
        switch (i) {
        case Inconnue::Hauteur: {
            const double h = e.antenne.hauteurM;
            p.push_back({QStringLiteral("hauteur"),
                         QStringLiteral("m"),
                         true,
                         {std::max(Defauts::PlageHauteurM.min, h / 3),
                          std::min(Defauts::PlageHauteurM.max, h * 3)},
                         [](const Nec::Entrees &x) { return x.antenne.hauteurM; },
                         [](Nec::Entrees &x, double v) { x.antenne.hauteurM = v; }});
            break;
        }
        case Inconnue::Branche: {
            const double b = e.antenne.brancheCm;
            p.push_back({QStringLiteral("branche"),
                         QStringLiteral("cm"),
                         true,
                         {std::max(Defauts::PlageBrancheCm.min, b * 0.8),
                          std::min(Defauts::PlageBrancheCm.max, b * 1.2)},
                         [](const Nec::Entrees &x) { return x.antenne.brancheCm; },
                         [](Nec::Entrees &x, double v) { x.antenne.brancheCm = v; }});
            break;
        }
        case Inconnue::CoefEchelle:
            p.push_back({QStringLiteral("coef-echelle"),
                         QString(),
                         false,
                         {Defauts::PlageCoefEchelle.min, Defauts::PlageCoefEchelle.max},
                         [](const Nec::Entrees &x) { return x.echelle.coefVelocite; },
                         [](Nec::Entrees &x, double v) { x.echelle.coefVelocite = v; }});
            break;
        case Inconnue::Z0:
            p.push_back({QStringLiteral("z0"),
                         QStringLiteral("ohm"),
                         false,
                         {Defauts::PlageZ0Ohms.min, Defauts::PlageZ0Ohms.max},
                         [](const Nec::Entrees &x) { return x.echelle.z0; },
                         [](Nec::Entrees &x, double v) { x.echelle.z0 = v; }});
            break;
        case Inconnue::Sol:
            p.push_back(
                {QStringLiteral("epsilon"),
                 QString(),
                 true,
                 {Defauts::PlagePermittivite.min, Defauts::PlagePermittivite.max},
                 [](const Nec::Entrees &x) { return x.antenne.solPersonnalise.permittivite; },
                 [](Nec::Entrees &x, double v) { x.antenne.solPersonnalise.permittivite = v; }});
            p.push_back(
                {QStringLiteral("sigma"),
                 QStringLiteral("S/m"),
                 true,
                 {Defauts::PlageConductivite.min, Defauts::PlageConductivite.max, true},
                 [](const Nec::Entrees &x) { return x.antenne.solPersonnalise.conductivite; },
                 [](Nec::Entrees &x, double v) { x.antenne.solPersonnalise.conductivite = v; }});
            break;
        }
    }
    return p;
}

} // namespace

Bilan ajuste(const Demande &d, const Moteur &moteur, std::function<bool()> interrompu)
{
    Nec::Entrees depart = d.entrees;
    const bool sol =
        std::find(d.inconnues.begin(), d.inconnues.end(), Inconnue::Sol) != d.inconnues.end();
    if (sol) {
        if (depart.antenne.sol == Nec::Sol::Libre)
            leveErreur(Textes::AjusteSolLibre());
        // The ground becomes the user's own, starting from the class chosen.
        if (const auto c = Nec::constantes(depart.antenne))
            depart.antenne.solPersonnalise = *c;
        depart.antenne.sol = Nec::Sol::Personnalise;
    }
    const std::vector<Parametre> p = parametres(d);
    if (d.point == Point::B)
        for (const Parametre &x : p)
            if (!x.moteur)
                leveErreur(Textes::AjusteEchelleEnB().arg(x.nom));
    const std::vector<std::size_t> retenus = pointsRetenus(depart, d.releve);
    if (retenus.empty())
        leveErreur(Textes::AjusteAucunPoint().arg(d.releve.nom));
    std::vector<double> frequencesMHz;
    std::vector<Complexe> mesures;
    for (std::size_t i : retenus) {
        frequencesMHz.push_back(d.releve.points[i].frequenceHz / 1e6);
        mesures.push_back(Mesure::impedance(d.releve, d.releve.points[i]));
    }
    const double geometrieMHz = std::max(Nec::frequenceGeometrieMHz(depart), frequencesMHz.back());

    Bilan bilan;
    // Z at B depends only on the unknowns that change the antenna: a point
    // that moves the ladder alone reuses its answers.
    std::map<std::vector<double>, std::optional<std::vector<Complexe>>> calcules;
    const auto entrees = [&](const std::vector<double> &v) {
        Nec::Entrees x = depart;
        for (std::size_t k = 0; k < p.size(); ++k)
            p[k].ecrit(x, v[k]);
        return x;
    };
    const auto cle = [&](const std::vector<double> &v) {
        std::vector<double> c;
        for (std::size_t k = 0; k < p.size(); ++k)
            if (p[k].moteur)
                c.push_back(v[k]);
        return c;
    };
    const Evaluation evalue = [&](const std::vector<std::vector<double>> &points) {
        std::vector<QByteArray> decks;
        std::vector<std::vector<double>> cles;
        for (const auto &v : points) {
            const auto c = cle(v);
            if (calcules.count(c) || std::find(cles.begin(), cles.end(), c) != cles.end())
                continue;
            try {
                decks.push_back(Nec::deck(entrees(v).antenne, geometrieMHz, frequencesMHz));
                cles.push_back(c);
            } catch (const KesuErreur &) {
                calcules[c] = std::nullopt; // a geometry NEC-2 cannot compute
            }
        }
        if (!decks.empty()) {
            const auto reponses = moteur(decks, bilan.message);
            bilan.executions += static_cast<int>(decks.size());
            if (d.progression)
                d.progression(bilan.executions);
            for (std::size_t k = 0; k < cles.size(); ++k) {
                std::optional<std::vector<Complexe>> z;
                if (k < reponses.size() && reponses[k] &&
                    reponses[k]->size() == frequencesMHz.size()) {
                    z.emplace();
                    for (const Nec::ImpedanceB &r : *reponses[k])
                        z->push_back(r.manquante ? Complexe(NAN, NAN) : r.z);
                    if (std::any_of(z->begin(), z->end(),
                                    [](Complexe c) { return !std::isfinite(std::abs(c)); }))
                        z.reset();
                }
                calcules[cles[k]] = z;
            }
        }
        std::vector<std::optional<Residus>> r;
        for (const auto &v : points) {
            const auto &z = calcules[cle(v)];
            if (!z) {
                r.emplace_back();
                continue;
            }
            const Nec::Entrees x = entrees(v);
            Residus res;
            for (std::size_t i = 0; i < mesures.size(); ++i) {
                const Complexe e =
                    residu(auPoint(x, d.point, (*z)[i], frequencesMHz[i] * 1e6), mesures[i]);
                res.push_back(e.real());
                res.push_back(e.imag());
            }
            r.push_back(std::move(res));
        }
        return r;
    };

    std::vector<Borne> bornes;
    std::vector<double> v0;
    for (const Parametre &x : p) {
        bornes.push_back(x.borne);
        v0.push_back(std::clamp(x.lit(depart), x.borne.min, x.borne.max));
    }
    // The misfit of the antenna as typed.
    const auto premier = evalue({v0});
    if (premier.empty() || !premier[0]) {
        bilan.arret = Arret::Echec;
        return bilan;
    }
    double sommeDepart = 0;
    for (double x : *premier[0])
        sommeDepart += x * x;

    // The ladder's unknowns cost no engine run: they are first walked over
    // their whole range on a coarse grid, which keeps the fit out of the
    // minima a line several wavelengths long has every few percent of its
    // velocity factor.
    const auto cherche = [&](std::vector<double> &v) {
        for (std::size_t k = 0; k < p.size(); ++k) {
            if (p[k].moteur)
                continue;
            std::vector<std::vector<double>> grille;
            constexpr int Pas = 200;
            for (int j = 0; j <= Pas; ++j) {
                auto w = v;
                w[k] = p[k].borne.min + (p[k].borne.max - p[k].borne.min) * j / Pas;
                grille.push_back(w);
            }
            const auto r = evalue(grille);
            double meilleur = INFINITY;
            for (std::size_t j = 0; j < r.size(); ++j) {
                if (!r[j])
                    continue;
                double s = 0;
                for (double x : *r[j])
                    s += x * x;
                if (s < meilleur) {
                    meilleur = s;
                    v[k] = grille[j][k];
                }
            }
        }
    };
    cherche(v0);
    Reglages reglages;
    reglages.interrompu = interrompu;
    // The engine runs are what cost: the ladder's points come free.
    reglages.evaluationsMax = std::numeric_limits<int>::max();
    reglages.epuise = [&] { return bilan.executions >= d.executionsMax; };
    const Resultat res = moindresCarres(v0, bornes, evalue, reglages);
    bilan.arret = res.arret;
    bilan.ecartAvant = std::sqrt(sommeDepart / static_cast<double>(premier[0]->size()));
    bilan.ecartApres = res.ecartFin;
    bilan.pointsUtilises = retenus.size();
    bilan.ajustees = entrees(res.valeurs);
    for (std::size_t k = 0; k < p.size(); ++k)
        bilan.valeurs.push_back(
            {p[k].nom, p[k].unite, p[k].lit(depart), res.valeurs[k], res.incertitudes[k]});
    return bilan;
}

QString texteArret(const Bilan &b)
{
    switch (b.arret) {
    case Arret::Converge:
        return Textes::AjusteConverge().arg(b.executions);
    case Arret::Limite:
        return Textes::AjusteLimite().arg(b.executions);
    case Arret::Interrompu:
        return Textes::AjusteInterrompu();
    case Arret::Echec:
        break;
    }
    return b.message.isEmpty() ? Textes::AjusteEchec() : b.message;
}

} // namespace Ajustement
