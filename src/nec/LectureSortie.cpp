#include "nec/LectureSortie.h"

#include <charconv>
#include <cmath>

namespace Nec {

namespace {

constexpr std::string_view MarqueFrequence = "FREQUENCY :";
constexpr std::string_view MarqueEntree = "ANTENNA INPUT PARAMETERS";
constexpr std::string_view MarquePuissance = "INPUT POWER";
constexpr std::string_view MarquePerte = "STRUCTURE LOSS";
constexpr std::string_view MarqueDiagramme = "RADIATION PATTERNS";
constexpr std::string_view MarqueMoyenne = "AVERAGE POWER GAIN:";
constexpr std::string_view MarqueAngleSolide = "(";
// The pattern's rows start after its five lines of headings.
constexpr int EntetesDiagramme = 4;

// Splits off the next line; the view shrinks past it.
std::string_view ligneSuivante(std::string_view &reste)
{
    const auto fin = reste.find('\n');
    const std::string_view ligne = reste.substr(0, fin);
    reste = fin == std::string_view::npos ? std::string_view() : reste.substr(fin + 1);
    return ligne;
}

std::vector<std::string_view> mots(std::string_view ligne)
{
    std::vector<std::string_view> r;
    std::size_t i = 0;
    while (i < ligne.size()) {
        const auto debut = ligne.find_first_not_of(" \t\r", i);
        if (debut == std::string_view::npos)
            break;
        const auto fin = std::min(ligne.find_first_of(" \t\r", debut), ligne.size());
        r.push_back(ligne.substr(debut, fin - debut));
        i = fin;
    }
    return r;
}

// INF and NAN, which nec2c prints when its solution breaks down, are read as
// such: the run's check rejects them as impossible, not as unreadable.
std::optional<double> reel(std::string_view mot)
{
    double v = 0;
    const auto r = std::from_chars(mot.data(), mot.data() + mot.size(), v);
    if (r.ec != std::errc() || r.ptr != mot.data() + mot.size())
        return std::nullopt;
    return v;
}

// The impedance row comes two header lines after the block's title.
std::optional<std::complex<double>> ligneImpedance(std::string_view &reste)
{
    ligneSuivante(reste);
    ligneSuivante(reste);
    const auto m = mots(ligneSuivante(reste));
    if (m.size() < 11)
        return std::nullopt;
    const auto r = reel(m[6]);
    const auto x = reel(m[7]);
    if (!r || !x)
        return std::nullopt;
    return std::complex<double>(*r, *x);
}

// The number after the '=' of a POWER BUDGET line.
std::optional<double> apresEgal(std::string_view ligne)
{
    const auto egal = ligne.find('=');
    if (egal == std::string_view::npos)
        return std::nullopt;
    const auto m = mots(ligne.substr(egal + 1));
    return m.empty() ? std::nullopt : reel(m[0]);
}

// A pattern's rows, up to the first line that is not one; false when a row
// is garbled.
bool lignesDiagramme(std::string_view &reste, Diagramme &d)
{
    for (int i = 0; i < EntetesDiagramme; ++i)
        ligneSuivante(reste);
    while (!reste.empty()) {
        std::string_view avant = reste;
        const auto m = mots(ligneSuivante(reste));
        if (m.size() < 5 || !reel(m[0])) {
            reste = avant;
            return true;
        }
        const auto t = reel(m[0]);
        const auto p = reel(m[1]);
        const auto g = reel(m[4]);
        if (!t || !p || !g)
            return false;
        d.points.push_back({*t, *p, *g});
    }
    return true;
}

} // namespace

std::optional<std::vector<ImpedanceB>> litSortie(std::string_view sortie)
{
    std::vector<ImpedanceB> resultat;
    double frequence = 0;
    bool enAttente = false; // a frequency read, its impedance not yet
    double puissance = 0;   // the last POWER BUDGET's input power
    while (!sortie.empty()) {
        const std::string_view ligne = ligneSuivante(sortie);
        if (const auto p = ligne.find(MarqueFrequence); p != std::string_view::npos) {
            const auto m = mots(ligne.substr(p + MarqueFrequence.size()));
            const auto f = m.empty() ? std::nullopt : reel(m[0]);
            if (enAttente || !f || !std::isfinite(*f))
                return std::nullopt;
            frequence = *f;
            enAttente = true;
        } else if (ligne.find(MarqueEntree) != std::string_view::npos) {
            const auto z = ligneImpedance(sortie);
            if (!enAttente || !z)
                return std::nullopt;
            resultat.push_back({frequence, *z});
            enAttente = false;
            puissance = 0;
        } else if (!enAttente && !resultat.empty() &&
                   ligne.find(MarquePuissance) != std::string_view::npos) {
            puissance = apresEgal(ligne).value_or(0);
        } else if (!enAttente && !resultat.empty() && puissance > 0 &&
                   ligne.find(MarquePerte) != std::string_view::npos) {
            if (const auto perte = apresEgal(ligne))
                resultat.back().perteFilPct = 100 * *perte / puissance;
        } else if (!enAttente && !resultat.empty() &&
                   ligne.find(MarqueDiagramme) != std::string_view::npos) {
            // A frequency's cards add to its pattern.
            auto d = std::make_shared<Diagramme>(
                resultat.back().diagramme ? *resultat.back().diagramme : Diagramme());
            if (!lignesDiagramme(sortie, *d))
                return std::nullopt;
            resultat.back().diagramme = std::move(d);
        } else if (!enAttente && resultat.size() > 0 && resultat.back().diagramme &&
                   ligne.find(MarqueMoyenne) != std::string_view::npos) {
            const auto m = mots(ligne.substr(ligne.find(MarqueMoyenne) + MarqueMoyenne.size()));
            const auto p = ligne.find(MarqueAngleSolide);
            auto d = std::make_shared<Diagramme>(*resultat.back().diagramme);
            d->gainMoyen = m.empty() ? d->gainMoyen : reel(m[0]).value_or(d->gainMoyen);
            if (p != std::string_view::npos) {
                const auto fin = ligne.find(')', p);
                std::string_view a = ligne.substr(p + 1, fin - p - 1);
                if (!a.empty() && a.front() == '+')
                    a.remove_prefix(1);
                d->angleSolidePi = reel(a).value_or(d->angleSolidePi);
            }
            resultat.back().diagramme = std::move(d);
        }
    }
    if (enAttente || resultat.empty())
        return std::nullopt;
    return resultat;
}

int frequencesCalculees(std::string_view sortie)
{
    int n = 0;
    for (auto p = sortie.find(MarqueEntree); p != std::string_view::npos;
         p = sortie.find(MarqueEntree, p + 1))
        ++n;
    return n;
}

std::string derniereLigne(std::string_view texte)
{
    std::string derniere;
    while (!texte.empty()) {
        const auto m = mots(ligneSuivante(texte));
        if (m.empty())
            continue;
        derniere.clear();
        for (const std::string_view mot : m) {
            if (!derniere.empty())
                derniere += ' ';
            derniere += mot;
        }
    }
    return derniere;
}

} // namespace Nec
