#include "rayonnement/Diagrammes.h"

#include "nec/Nombres.h"
#include "regles/Erreurs.h"
#include "regles/TextesMoteur.h"
#include "regles/TextesRayonnement.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace Rayonnement {

namespace {

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
// The whole pattern, a quarter of the azimuths (the rest by symmetry) in 2
// degree steps on rows 4 degrees of elevation apart, the horizon among them,
// with NEC-2's average power gain; then both elevation cuts in 1 degree steps.
// A far-field point cost nec2c about 14 us for the default antenna: rows of 2
// degrees would have made the patterns cost 40 % of the check.
constexpr auto GrilleSol = "RP 0 23 46 1001 2 0 4 2\n";
constexpr auto GrilleLibre = "RP 0 45 46 1001 2 0 4 2\n";
constexpr int PasLignes = 4;
constexpr auto CoupesElevation = "RP 0 91 2 1000 0 0 1 90\n";

QByteArray cartes(const Nec::Entrees &e)
{
    return QByteArray(e.antenne.sol == Nec::Sol::Libre ? GrilleLibre : GrilleSol) + CoupesElevation;
}

// Power gain by whole degrees of theta (0..180) and phi (0..90).
struct Grille {
    std::array<std::array<double, 91>, 181> g;
    Grille()
    {
        for (auto &ligne : g)
            ligne.fill(Nan);
    }
    double operator()(int theta, int phi) const
    {
        return g[static_cast<std::size_t>(theta)][static_cast<std::size_t>(phi)];
    }
};

Grille grille(const Nec::Diagramme &d)
{
    Grille r;
    for (const Nec::PointGain &p : d.points) {
        const long t = std::lround(p.theta);
        const long f = std::lround(p.phi);
        if (t >= 0 && t <= 180 && f >= 0 && f <= 90)
            r.g[static_cast<std::size_t>(t)][static_cast<std::size_t>(f)] = p.gainDbi;
    }
    return r;
}

// The -3 dB span around index i of a cut given as (elevation, gain) rising in
// elevation, the crossings interpolated; the cut's ends bound it.
double ouverture(const std::vector<std::pair<double, double>> &coupe, std::size_t i)
{
    const double seuil = coupe[i].second - 3;
    const auto croise = [&](std::size_t a, std::size_t b) {
        const auto &[ea, ga] = coupe[a];
        const auto &[eb, gb] = coupe[b];
        return ea + (eb - ea) * (ga - seuil) / (ga - gb);
    };
    double bas = coupe.front().first;
    for (std::size_t k = i; k > 0; --k)
        if (!(coupe[k - 1].second >= seuil)) {
            bas = croise(k, k - 1);
            break;
        }
    double haut = coupe.back().first;
    for (std::size_t k = i; k + 1 < coupe.size(); ++k)
        if (!(coupe[k + 1].second >= seuil)) {
            haut = croise(k, k + 1);
            break;
        }
    return haut - bas;
}

DiagrammeBande analyse(const Nec::BandeVerifiee &b, const FrequenceDiagramme &f,
                       const Nec::ImpedanceB &z, bool libre)
{
    const Grille g = grille(*z.diagramme);
    DiagrammeBande r{b, f.frequenceKHz, f.centre, {}, {}};
    Coupes &c = r.coupes;
    for (int el = 0; el <= 90; ++el) {
        c.travers[static_cast<std::size_t>(el)] = g(90 - el, 90);
        c.long_[static_cast<std::size_t>(el)] = g(90 - el, 0);
    }
    // The strongest direction of the upper hemisphere; of equals, the lowest
    // and the most broadside (free space's ring around the wire reads as the
    // horizon broadside).
    int tMax = 90;
    int pMax = 90;
    double gMax = -std::numeric_limits<double>::infinity();
    for (int t = 90; t >= 0; --t)
        for (int p = 90; p >= 0; --p)
            if (g(t, p) > gMax) {
                gMax = g(t, p);
                tMax = t;
                pMax = p;
            }
    Chiffres &ch = r.chiffres;
    ch.gainMaxDbi = gMax;
    ch.elevationMaxDeg = 90 - tMax;
    ch.azimutMaxDeg = pMax;
    // The azimuth cut on the row nearest the take-off angle, unfolded from its
    // quarter.
    const int ligne = std::clamp(
        2 + PasLignes * static_cast<int>(std::lround((tMax - 2) / double(PasLignes))), 2, 90);
    c.elevationAzimutDeg = 90 - ligne;
    for (int k = 0; k < 180; ++k) {
        int a = (2 * k) % 180;
        if (a > 90)
            a = 180 - a;
        c.azimut[static_cast<std::size_t>(k)] = g(ligne, a);
    }
    // The lobe's elevation cut: one of the 1 degree cuts, or the grid's
    // column at its azimuth.
    std::vector<std::pair<double, double>> coupe;
    for (int el = 0; el <= 90; ++el)
        if (!std::isnan(g(90 - el, pMax)))
            coupe.emplace_back(el, g(90 - el, pMax));
    std::size_t i = 0;
    for (std::size_t k = 0; k < coupe.size(); ++k)
        if (std::abs(coupe[k].first - ch.elevationMaxDeg) <
            std::abs(coupe[i].first - ch.elevationMaxDeg))
            i = k;
    ch.ouvertureDeg = coupe.empty() ? Nan : ouverture(coupe, i);
    ch.gain10Dbi = c.travers[10];
    ch.gain20Dbi = c.travers[20];
    ch.gain30Dbi = c.travers[30];
    // NEC-2's average gain over the quarter it computed is, by symmetry, that
    // over the sphere in free space and over the hemisphere above a ground,
    // which holds the power the ground does not take.
    const double rayonnee = z.diagramme->gainMoyen * (libre ? 1 : 0.5);
    const double fil = std::isnan(z.perteFilPct) ? 0 : z.perteFilPct;
    ch.perteSolPct = libre ? 0 : std::max(0.0, 100 * (1 - rayonnee) - fil);
    return r;
}

QString ligne(const QStringList &champs)
{
    return champs.join(u',') + u'\n';
}

} // namespace

std::vector<FrequenceDiagramme> frequences(const Nec::Entrees &e)
{
    std::vector<FrequenceDiagramme> r;
    std::size_t ajoutees = static_cast<std::size_t>(Nec::nombreFrequences(e));
    for (std::size_t j = 0; j < e.bandes.size(); ++j) {
        const Nec::BandeVerifiee &b = e.bandes[j];
        r.push_back({j, static_cast<double>(b.frequenceKHz), false, j});
        const std::vector<double> plan = Nec::balayageKHz(e, b);
        if (plan.empty())
            continue;
        // An odd sweep holds its centre; an even one has it asked at the end.
        // A centre that is the reference frequency itself is not asked twice.
        const double centre = (plan.front() + plan.back()) / 2;
        if (std::abs(centre - b.frequenceKHz) < 0.5)
            continue;
        if (plan.size() % 2 == 1)
            r.push_back(
                {j, plan[plan.size() / 2], true, Nec::debutBalayage(e, j) + plan.size() / 2});
        else
            r.push_back({j, centre, true, ajoutees++});
    }
    return r;
}

int nombreFrequences(const Nec::Entrees &e)
{
    int n = Nec::nombreFrequences(e);
    for (const FrequenceDiagramme &f : frequences(e))
        n += f.reponse >= static_cast<std::size_t>(Nec::nombreFrequences(e));
    return n;
}

QByteArray deck(const Nec::Entrees &e)
{
    const QByteArray base = Nec::deck(e);
    const std::vector<FrequenceDiagramme> fs = frequences(e);
    const auto total = static_cast<std::size_t>(Nec::nombreFrequences(e));
    std::vector<bool> avecDiagramme(total, false);
    QByteArray fin;
    for (const FrequenceDiagramme &f : fs) {
        if (f.reponse < total)
            avecDiagramme[f.reponse] = true;
        else
            fin +=
                "FR 0 1 0 0 " + Nec::texte(f.frequenceKHz / 1000).toLatin1() + " 0\n" + cartes(e);
    }
    QByteArray r;
    std::size_t k = 0;
    bool apresFr = false;
    for (const QByteArray &l : base.split('\n')) {
        if (l.isEmpty())
            continue;
        if (l == "EN") {
            r += fin;
        } else if (l.startsWith("FR ")) {
            apresFr = true;
        } else if (l == "XQ" && apresFr) {
            apresFr = false;
            if (avecDiagramme[k++]) {
                r += cartes(e);
                continue;
            }
        }
        r += l + '\n';
    }
    return r;
}

std::size_t directionsDemandees(const Nec::Entrees &e)
{
    // Each RP card asks its NTH times NPH directions.
    std::size_t n = 0;
    for (const QByteArray &l : cartes(e).split('\n')) {
        const QList<QByteArray> c = l.split(' ');
        if (c.size() > 3 && c[0] == "RP")
            n += static_cast<std::size_t>(c[2].toInt()) * static_cast<std::size_t>(c[3].toInt());
    }
    return n;
}

namespace {

// Why the pattern at f cannot be used, or nothing.
std::optional<QString> fauteDiagramme(const std::vector<Nec::ImpedanceB> &zB,
                                      const FrequenceDiagramme &f, std::size_t demandees,
                                      bool libre)
{
    const QString mhz = Nec::texte(f.frequenceKHz / 1000);
    if (f.reponse >= zB.size() || zB[f.reponse].manquante)
        return Textes::NecSansReponse().arg(mhz);
    const Nec::Diagramme *d = zB[f.reponse].diagramme.get();
    if (!d)
        return Textes::DiagrammeAbsent().arg(mhz);
    if (d->points.size() != demandees)
        return Textes::DiagrammeIncomplet().arg(mhz).arg(d->points.size()).arg(demandees);
    const bool fini = std::all_of(d->points.begin(), d->points.end(), [](const Nec::PointGain &p) {
        return std::isfinite(p.theta) && std::isfinite(p.phi) && std::isfinite(p.gainDbi);
    });
    // Over a ground, the average gain tells the ground's share.
    if (!fini || (!libre && !std::isfinite(d->gainMoyen)))
        return Textes::DiagrammeNonFini().arg(mhz);
    return std::nullopt;
}

void enOrdre(const Nec::Entrees &e, std::vector<Nec::BandeEchouee> &echecs)
{
    const auto rang = [&](const Nec::BandeEchouee &b) {
        return std::find(e.bandes.begin(), e.bandes.end(), b.bande) - e.bandes.begin();
    };
    std::stable_sort(echecs.begin(), echecs.end(),
                     [&](const auto &a, const auto &b) { return rang(a) < rang(b); });
}

} // namespace

Lecture lit(const Nec::Entrees &e, const std::vector<Nec::ImpedanceB> &zB,
            const Nec::Resultat &controle)
{
    Lecture r;
    const bool libre = e.antenne.sol == Nec::Sol::Libre;
    const std::size_t demandees = directionsDemandees(e);
    const std::vector<FrequenceDiagramme> fs = frequences(e);
    for (std::size_t j = 0; j < e.bandes.size(); ++j) {
        const Nec::BandeVerifiee &b = e.bandes[j];
        if (std::none_of(controle.lignes.begin(), controle.lignes.end(),
                         [&](const Nec::LigneTableau &l) { return l.bande == b; }))
            continue;
        std::vector<DiagrammeBande> bande;
        std::optional<QString> faute;
        for (const FrequenceDiagramme &f : fs) {
            if (f.bande != j || faute)
                continue;
            faute = fauteDiagramme(zB, f, demandees, libre);
            if (!faute)
                bande.push_back(analyse(b, f, zB[f.reponse], libre));
        }
        if (faute)
            r.echecs.push_back({b, *faute});
        else
            r.diagrammes.insert(r.diagrammes.end(), bande.begin(), bande.end());
    }
    return r;
}

Lecture lit(const Nec::Entrees &e, const std::vector<Nec::ImpedanceB> &zB)
{
    // The check's verdict alone: the ladder's map is not needed.
    const Nec::Resultat controle = Nec::evalue(e, zB, nullptr, false);
    Lecture r = lit(e, zB, controle);
    r.echecs.insert(r.echecs.end(), controle.echecs.begin(), controle.echecs.end());
    enOrdre(e, r.echecs);
    return r;
}

QByteArray csvChiffres(const std::vector<DiagrammeBande> &d)
{
    QString t = QStringLiteral("bande,frequence_khz,gain_max_dbi,elevation_max_deg,"
                               "azimut_max_deg,ouverture_elevation_deg,gain_10deg_dbi,"
                               "gain_20deg_dbi,gain_30deg_dbi,perte_sol_pct\n");
    for (const DiagrammeBande &b : d) {
        const Chiffres &c = b.chiffres;
        t += ligne({QString::number(b.bande.bande), Nec::champ(b.frequenceKHz),
                    Nec::champ(c.gainMaxDbi, 2), Nec::champ(c.elevationMaxDeg),
                    Nec::champ(c.azimutMaxDeg), Nec::champOuVide(c.ouvertureDeg, 1),
                    Nec::champ(c.gain10Dbi, 2), Nec::champ(c.gain20Dbi, 2),
                    Nec::champ(c.gain30Dbi, 2), Nec::champ(c.perteSolPct, 1)});
    }
    return t.toUtf8();
}

QByteArray csvPoints(const std::vector<DiagrammeBande> &d)
{
    QString t = QStringLiteral("bande,frequence_khz,coupe,elevation_deg,azimut_deg,gain_dbi\n");
    for (const DiagrammeBande &b : d) {
        const QString debut = QString::number(b.bande.bande) + u',' + Nec::champ(b.frequenceKHz);
        for (int el = 0; el <= 90; ++el)
            t += ligne({debut, QStringLiteral("travers"), QString::number(el), QStringLiteral("90"),
                        Nec::champ(b.coupes.travers[static_cast<std::size_t>(el)], 2)});
        for (int el = 0; el <= 90; ++el)
            t += ligne({debut, QStringLiteral("long"), QString::number(el), QStringLiteral("0"),
                        Nec::champ(b.coupes.long_[static_cast<std::size_t>(el)], 2)});
        for (int k = 0; k < 180; ++k)
            t += ligne({debut, QStringLiteral("azimut"), Nec::champ(b.coupes.elevationAzimutDeg),
                        QString::number(2 * k),
                        Nec::champ(b.coupes.azimut[static_cast<std::size_t>(k)], 2)});
    }
    return t.toUtf8();
}

} // namespace Rayonnement
