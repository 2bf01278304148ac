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

// Equal gains, as NEC-2 writes them with two decimals.
constexpr double Egal = 0.001;

// The -3 dB span of the lobe nearest elevationDeg on an elevation cut (0..90,
// 1 degree steps), the crossings interpolated. The pattern is symmetric about
// the antenna's middle: past the zenith the cut goes on as itself mirrored,
// so a lobe standing on the zenith spans both sides. The horizons bound it.
double ouverture(const std::array<double, 91> &cut, double elevationDeg)
{
    std::array<double, 181> g{};
    for (std::size_t a = 0; a <= 180; ++a)
        g[a] = cut[a <= 90 ? a : 180 - a];
    // The lobe's top on the cut, within a few degrees of the maximum.
    const int centre = std::clamp(static_cast<int>(std::lround(elevationDeg)), 0, 90);
    std::size_t i = static_cast<std::size_t>(centre);
    for (int a = std::max(0, centre - 3); a <= std::min(90, centre + 3); ++a)
        if (g[static_cast<std::size_t>(a)] > g[i])
            i = static_cast<std::size_t>(a);
    if (!std::isfinite(g[i]) || g[i] < -900)
        return Nan;
    const double seuil = g[i] - 3;
    const auto croise = [&](std::size_t a, std::size_t b) {
        return a + (double(b) - double(a)) * (g[a] - seuil) / (g[a] - g[b]);
    };
    double bas = 0;
    for (std::size_t k = i; k > 0; --k)
        if (!(g[k - 1] >= seuil)) {
            bas = croise(k, k - 1);
            break;
        }
    double haut = 180;
    for (std::size_t k = i; k < 180; ++k)
        if (!(g[k + 1] >= seuil)) {
            haut = croise(k, k + 1);
            break;
        }
    return haut - bas;
}

// The middle of a plateau of equal directions, given as (elevation,
// azimuth): the middle of its elevations, and broadside when it holds
// broadside (a zenith lobe's every azimuth), else the middle of its
// azimuths. In free space a ring around the wire is one lobe, read as its
// horizon.
std::pair<double, double> milieu(const std::vector<std::pair<double, double>> &egaux, bool libre)
{
    double eMin = 90, eMax = 0, aMin = 90, aMax = 0;
    bool travers = false;
    for (const auto &[el, az] : egaux) {
        eMin = std::min(eMin, el);
        eMax = std::max(eMax, el);
        aMin = std::min(aMin, az);
        aMax = std::max(aMax, az);
        travers = travers || std::abs(az - 90) < 0.05;
    }
    return {libre ? eMin : (eMin + eMax) / 2, travers ? 90 : (aMin + aMax) / 2};
}

// The row of the grid (its elevation) the azimuth cut is drawn at.
int ligneAzimut(const Grille &g, double elevationMaxDeg)
{
    const auto proche = [](double el) {
        const int tMax = static_cast<int>(std::lround(90 - el));
        return std::clamp(
            2 + PasLignes * static_cast<int>(std::lround((tMax - 2) / double(PasLignes))), 2, 90);
    };
    if (elevationMaxDeg <= 60)
        return proche(elevationMaxDeg);
    // A lobe near the zenith: the row of the strongest direction at or
    // below 45 degrees.
    int ligne = proche(45);
    double m = -std::numeric_limits<double>::infinity();
    for (int t = 46; t <= 90; ++t)
        for (int p = 0; p <= 90; ++p)
            if (g(t, p) > m) {
                m = g(t, p);
                ligne = t;
            }
    return ligne;
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
    // The strongest direction of the upper hemisphere, the middle of the
    // grid's plateau when several equal it.
    double gMax = -std::numeric_limits<double>::infinity();
    for (int t = 0; t <= 90; ++t)
        for (int p = 0; p <= 90; ++p)
            gMax = std::max(gMax, g(t, p));
    std::vector<std::pair<double, double>> egaux;
    for (int t = 0; t <= 90; ++t)
        for (int p = 0; p <= 90; ++p)
            if (g(t, p) >= gMax - Egal)
                egaux.emplace_back(90 - t, p);
    const auto [elevation, azimut] = milieu(egaux, libre);
    Chiffres &ch = r.chiffres;
    ch.gainMaxDbi = gMax;
    ch.elevationMaxDeg = elevation;
    ch.azimutMaxDeg = azimut;
    // The azimuth cut unfolded from its quarter.
    const int ligne = ligneAzimut(g, elevation);
    c.elevationAzimutDeg = 90 - ligne;
    for (int k = 0; k < 180; ++k) {
        int a = (2 * k) % 180;
        if (a > 90)
            a = 180 - a;
        c.azimut[static_cast<std::size_t>(k)] = g(ligne, a);
    }
    // Until the second run: the span on the 1 degree cut nearest the lobe.
    ch.ouvertureDeg = ouverture(azimut > 45 ? c.travers : c.long_, elevation);
    ch.gain10Dbi = c.travers[10];
    ch.gain20Dbi = c.travers[20];
    ch.gain30Dbi = c.travers[30];
    // Until the second run: NEC-2's average gain over the quarter it
    // computed is, by symmetry, that over the sphere in free space and over
    // the hemisphere above a ground, which holds the power the ground does
    // not take.
    const double rayonnee = z.diagramme->gainMoyen * (libre ? 1 : 0.5);
    const double fil = std::isnan(z.perteFilPct) ? 0 : z.perteFilPct;
    ch.perteSolPct = libre ? 0 : 100 * (1 - rayonnee) - fil;
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
        // A centre within 1 % of the reference frequency would draw the same
        // pattern twice: the reference stands for both.
        const double centre = (plan.front() + plan.back()) / 2;
        if (std::abs(centre - b.frequenceKHz) < 0.01 * b.frequenceKHz)
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

namespace {

// The second run's directions around a pattern's maximum.
struct Fenetre {
    double elevationBasDeg, elevationHautDeg, azimutBasDeg, azimutHautDeg;
    int nElevations, nAzimuts;
    int azimutCoupes; // the first of the three elevation cuts
    std::size_t points() const
    {
        return static_cast<std::size_t>(nElevations) * static_cast<std::size_t>(nAzimuts) + 3 * 91;
    }
};
constexpr double PasFin = 0.1;
// The power balances: 2 degree rows, from the zenith to the horizon over a
// ground and to the nadir in free space, azimuths 5 degrees apart. Against a
// search in 1 degree steps both averages come within 0.01 %, where the
// grid's rows 4 degrees apart are 0.05 % off, the size of a perfect
// ground's share read as -0.1 %.
constexpr auto BilanSol = "RP 0 46 19 1001 0 0 2 5\n";
constexpr auto BilanLibre = "RP 0 91 19 1001 0 0 2 5\n";
constexpr std::size_t PointsBilanSol = 46 * 19;
constexpr std::size_t PointsBilanLibre = 91 * 19;

Fenetre fenetre(const DiagrammeBande &d)
{
    const double el = d.chiffres.elevationMaxDeg;
    const double az = d.chiffres.azimutMaxDeg;
    Fenetre f{};
    f.elevationBasDeg = std::max(0.0, el - 2.5);
    f.elevationHautDeg = std::min(90.0, el + 2.5);
    f.azimutBasDeg = std::max(0.0, az - 1.5);
    f.azimutHautDeg = std::min(90.0, az + 1.5);
    f.nElevations =
        1 + static_cast<int>(std::lround((f.elevationHautDeg - f.elevationBasDeg) / PasFin));
    f.nAzimuts = 1 + static_cast<int>(std::lround((f.azimutHautDeg - f.azimutBasDeg) / PasFin));
    f.azimutCoupes = std::clamp(static_cast<int>(std::lround(az)) - 1, 0, 88);
    return f;
}

QByteArray frequence(double kHz)
{
    return "FR 0 1 0 0 " + Nec::texte(kHz / 1000).toLatin1() + " 0\n";
}

} // namespace

QByteArray deckAffinage(const Nec::Entrees &e, const std::vector<DiagrammeBande> &d)
{
    // The check's model up to its first frequency.
    QByteArray r;
    for (const QByteArray &l : Nec::deck(e).split('\n')) {
        if (l.startsWith("FR "))
            break;
        if (!l.isEmpty())
            r += l + '\n';
    }
    for (const DiagrammeBande &b : d) {
        const Fenetre f = fenetre(b);
        // Theta counts from the zenith.
        r += frequence(b.frequenceKHz) + "RP 0 " + QByteArray::number(f.nElevations) + ' ' +
             QByteArray::number(f.nAzimuts) + " 1000 " +
             Nec::texte(90 - f.elevationHautDeg).toLatin1() + ' ' +
             Nec::texte(f.azimutBasDeg).toLatin1() + " 0.1 0.1\n" + "RP 0 91 3 1000 0 " +
             QByteArray::number(f.azimutCoupes) + " 1 1\n";
        if (e.antenne.sol != Nec::Sol::Libre)
            r += BilanSol;
    }
    // Free space after every pattern over the ground, each frequency with
    // its own GN card: the runs side by side (Nec::decoupe) begin with the
    // model's ground.
    if (e.antenne.sol != Nec::Sol::Libre)
        for (const DiagrammeBande &b : d)
            r += frequence(b.frequenceKHz) + "GN -1\n" + BilanLibre;
    return r + "EN\n";
}

int nombreFrequencesAffinage(const Nec::Entrees &e, const std::vector<DiagrammeBande> &d)
{
    return static_cast<int>(d.size()) * (e.antenne.sol == Nec::Sol::Libre ? 1 : 2);
}

namespace {

// Why the second run's answer k cannot be used, or nothing.
std::optional<QString> fauteAffinage(const std::vector<Nec::ImpedanceB> &z, std::size_t k,
                                     double kHz, std::size_t demandees, bool moyenne)
{
    const QString mhz = Nec::texte(kHz / 1000);
    if (k >= z.size() || z[k].manquante)
        return Textes::NecSansReponse().arg(mhz);
    const Nec::Diagramme *d = z[k].diagramme.get();
    if (!d)
        return Textes::DiagrammeAbsent().arg(mhz);
    if (d->points.size() != demandees)
        return Textes::DiagrammeIncomplet().arg(mhz).arg(d->points.size()).arg(demandees);
    const bool fini = std::all_of(d->points.begin(), d->points.end(), [](const Nec::PointGain &p) {
        return std::isfinite(p.theta) && std::isfinite(p.phi) && std::isfinite(p.gainDbi);
    });
    if (!fini || (moyenne && !(d->gainMoyen > 0)))
        return Textes::DiagrammeNonFini().arg(mhz);
    return std::nullopt;
}

// The answers of the second run around b's maximum, and over a ground those
// of the same model in free space (null in free space).
void affineUn(DiagrammeBande &b, const Nec::ImpedanceB &sol, const Nec::ImpedanceB *libre)
{
    const Nec::Diagramme &fin = *sol.diagramme;
    const Fenetre f = fenetre(b);
    const std::size_t n = f.points() - 3 * 91;
    double gMax = -std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k < n; ++k)
        gMax = std::max(gMax, fin.points[k].gainDbi);
    std::vector<std::pair<double, double>> egaux;
    for (std::size_t k = 0; k < n; ++k)
        if (fin.points[k].gainDbi >= gMax - Egal)
            egaux.emplace_back(90 - fin.points[k].theta, fin.points[k].phi);
    const auto [elevation, azimut] = milieu(egaux, !libre);
    Chiffres &ch = b.chiffres;
    ch.gainMaxDbi = gMax;
    ch.elevationMaxDeg = std::round(elevation * 10) / 10;
    ch.azimutMaxDeg = std::round(azimut * 10) / 10;
    // The three cuts, 1 degree of azimuth apart: the one nearest the
    // maximum's azimuth goes through it.
    const int choisie =
        std::clamp(static_cast<int>(std::lround(ch.azimutMaxDeg)) - f.azimutCoupes, 0, 2);
    std::array<double, 91> coupe{};
    coupe.fill(Nan);
    for (std::size_t k = n; k < f.points(); ++k) {
        const Nec::PointGain &p = fin.points[k];
        const long el = 90 - std::lround(p.theta);
        if (std::lround(p.phi) == f.azimutCoupes + choisie && el >= 0 && el <= 90)
            coupe[static_cast<std::size_t>(el)] = p.gainDbi;
    }
    // Off broadside by more than the grid's step: the lobe has its own cut.
    if (std::abs(ch.azimutMaxDeg - 90) >= 2) {
        b.coupes.lobe = coupe;
        b.coupes.azimutLobeDeg = f.azimutCoupes + choisie;
        ch.ouvertureDeg = ouverture(coupe, ch.elevationMaxDeg);
    } else {
        b.coupes.lobe.fill(Nan);
        b.coupes.azimutLobeDeg = Nan;
        ch.ouvertureDeg = ouverture(b.coupes.travers, ch.elevationMaxDeg);
    }
    if (!libre)
        return;
    // The model's own balance: the power NEC-2 finds radiated in free space
    // over the power it should (the input less the wire's loss) is a little
    // off one; the power radiated above the ground is read against it, so
    // that a perfect ground takes nothing.
    const auto bilan = [](const Nec::ImpedanceB &z, double angle) {
        const double fil = std::isnan(z.perteFilPct) ? 0 : z.perteFilPct;
        return z.diagramme->gainMoyen * angle / (1 - fil / 100);
    };
    // Over the hemisphere the average gain is twice the share radiated.
    ch.perteSolPct = 100 * (1 - bilan(sol, 0.5) / bilan(*libre, 1)) *
                     (1 - (std::isnan(sol.perteFilPct) ? 0 : sol.perteFilPct) / 100);
}

} // namespace

void affine(const Nec::Entrees &e, Lecture &l, const std::vector<Nec::ImpedanceB> &z)
{
    const bool libre = e.antenne.sol == Nec::Sol::Libre;
    const std::size_t n = l.diagrammes.size();

    std::vector<DiagrammeBande> gardes;
    std::optional<Nec::BandeVerifiee> ecartee;
    for (std::size_t i = 0; i < n; ++i) {
        DiagrammeBande &b = l.diagrammes[i];
        std::optional<QString> faute = fauteAffinage(
            z, i, b.frequenceKHz, fenetre(b).points() + (libre ? 0 : PointsBilanSol), !libre);
        if (!faute && !libre)
            faute = fauteAffinage(z, n + i, b.frequenceKHz, PointsBilanLibre, true);
        if (faute) {
            if (!ecartee || !(*ecartee == b.bande))
                l.echecs.push_back({b.bande, *faute});
            ecartee = b.bande;
            continue;
        }
        affineUn(b, z[i], libre ? nullptr : &z[n + i]);
    }
    // A band goes whole, its reference and its centre.
    for (DiagrammeBande &b : l.diagrammes)
        if (std::none_of(l.echecs.begin(), l.echecs.end(),
                         [&](const Nec::BandeEchouee &x) { return x.bande == b.bande; }))
            gardes.push_back(std::move(b));
    l.diagrammes = std::move(gardes);
    enOrdre(e, l.echecs);
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
        if (b.coupes.aLobe())
            for (int el = 0; el <= 90; ++el)
                t += ligne({debut, QStringLiteral("lobe"), QString::number(el),
                            Nec::champ(b.coupes.azimutLobeDeg),
                            Nec::champ(b.coupes.lobe[static_cast<std::size_t>(el)], 2)});
        for (int k = 0; k < 180; ++k)
            t += ligne({debut, QStringLiteral("azimut"), Nec::champ(b.coupes.elevationAzimutDeg),
                        QString::number(2 * k),
                        Nec::champ(b.coupes.azimut[static_cast<std::size_t>(k)], 2)});
    }
    return t.toUtf8();
}

} // namespace Rayonnement
