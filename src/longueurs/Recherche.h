#pragma once

#include "nec/Verification.h"
#include "regles/Defauts.h"

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// Which ladder lengths to cut: the runs of consecutive lengths, a centimetre
// apart, where the tuner matches every band, for the branch as typed and for
// the branch a little shorter and longer, since nobody cuts a wire to the
// centimetre. The rows along the ladder are the NEC-2 check's own map.
namespace Longueurs {

// What says a band is tunable: the chart's strips, or the NEC-2 check's
// criterion on the computed impedance.
enum class Regle { Graphe, Nec };
inline constexpr const char *NomsRegles[] = {"graphe", "nec"};

struct Parametres {
    std::int32_t echelleMinCm = Defauts::EchelleMinCm;
    std::int32_t echelleMaxCm = Defauts::EchelleMaxCm;
    double tolerancePct = Defauts::ToleranceBranchePct;
    // On the ladder's velocity factor: a window holds at the branch and the
    // factor each a little lower, as typed and a little higher (nine cases).
    double toleranceEchellePct = Defauts::ToleranceEchellePct;
    std::int32_t largeurMinCm = Defauts::LargeurMinCm; // narrower windows are left out
    Regle regle = Regle::Nec;
    // Across each band (its plan's sweep) rather than at its reference frequency.
    bool surLaBande = true;
    bool operator==(const Parametres &) const = default;
};

// The branch lengths searched too: from min to max by pas.
struct Branches {
    std::int32_t minCm = Defauts::BrancheMinCm;
    std::int32_t maxCm = Defauts::BrancheMaxCm;
    std::int32_t pasCm = Defauts::PasBrancheCm;
    bool operator==(const Branches &) const = default;
};

// Throw the message of the first bad value.
void valide(const Parametres &p);
void valide(const Branches &b);

std::vector<std::int32_t> longueurs(const Branches &b);

// The factors the branch is computed at: as typed first, then shorter and
// longer by the tolerance (only the first when there is none).
std::vector<double> facteurs(double tolerancePct);

// The same inputs for a branch this many times as long: NEC-2's wire and the
// chart's electrical length alike. The map reaches at least finCm.
Nec::Entrees variante(const Nec::Entrees &e, double facteur, std::int32_t finCm);

// One branch length: the inputs at each factor of the branch and of the
// ladder's velocity factor, with nec2c's impedances at B when they are known
// (none under the chart's rule without nec2c). The velocity factor changes no
// deck: only the branch asks nec2c anything.
struct Antennes {
    double brancheCm = 0;
    std::vector<Nec::Entrees> entrees;            // one per pair of factors, as typed first
    std::vector<std::vector<Nec::ImpedanceB>> zB; // the same order, or empty
    // Each band's verdict along the range, as the last search found it.
    std::vector<std::vector<bool>> rangees;
    // The bands nec2c could not compute at some factor: left out of the
    // windows, neither tunable nor missed (one flag per band, and why).
    std::vector<bool> ecartees;
    std::vector<Nec::BandeEchouee> echecs;
    bool avecNec() const { return !zB.empty() && zB.size() == entrees.size(); }
};

// The inputs at each factor for a branch length. With a grid (the branch
// search's), a shorter or longer branch is the grid's nearest length, so that
// it is another branch of the search and nec2c computes it once: the
// tolerance is then the grid's, within half a step of the one asked.
Antennes antennes(const Nec::Entrees &e, double brancheCm, const Parametres &p,
                  const std::optional<Branches> &grille = std::nullopt);

// A band at a window's centre. Without nec2c's impedances the values are NaN.
struct DetailBande {
    std::int32_t bande = 0; // metres
    bool accordable = false;
    double rosBoiteMax = 0; // what the tuner sees, worst over the band and the branches
    // |Z| at C at its worst for the class: the largest for a low or medium
    // class, the smallest for the high one.
    double moduleCPire = 0;
    double perteDb = 0; // the ladder's, at the reference frequency, branch as typed
    // Under the T and L criteria: the network's setting at the worst point of
    // the band and the cases (one that does not serve, else the greatest loss).
    Reseau::Reglage reglagePire;
};

struct Fenetre {
    double brancheCm = 0;
    // In a branch search, the neighbouring branches that tune the same bands
    // over overlapping lengths are this one window: their first and last
    // (the branch itself when it stands alone).
    double brancheMinCm = 0;
    double brancheMaxCm = 0;
    std::int32_t debutCm = 0;
    std::int32_t finCm = 0;
    std::vector<std::int32_t> accordables; // band names, in the table's order
    std::vector<std::int32_t> manquantes;
    double rosBoiteMax = 0; // over the tunable bands, at the centre
    double perteMaxDb = 0;
    std::vector<DetailBande> details; // every band
    std::int32_t centreCm() const { return debutCm + (finCm - debutCm) / 2; }
    std::int32_t largeurCm() const { return finCm - debutCm + 1; }
};

// Each band's verdict along the range, from echelleMinCm on: true where the
// tuner matches it at every factor.
std::vector<std::vector<bool>> rangees(const Antennes &a, const Parametres &p);

// Every maximal run of lengths where the same bands, at least one, are
// tunable, from the antennas' rangees.
std::vector<Fenetre> fenetres(const Antennes &a, const Parametres &p);

// The windows of neighbouring branches of the grid (its lengths in order)
// that tune the same bands over overlapping ladder lengths count once: a
// run of equally good branches is one advice, not one line per step. Each
// run keeps its centre branch's window, with the run's first and last
// branch; a window alone keeps its own branch as both.
std::vector<Fenetre> regroupe(const std::vector<Fenetre> &toutes,
                              const std::vector<double> &grille);

// Where the best window meets the end of a range that could go further, so
// that the best length may lie beyond: the branch searched, the ladder.
struct Bord {
    std::optional<std::int32_t> brancheCm; // the run reaches this end of the branches
    std::optional<std::int32_t> echelleCm; // the window reaches this end of the ladder
    bool operator==(const Bord &) const = default;
};
Bord bord(const Fenetre &meilleure, const Parametres &p, const std::optional<Branches> &branches);

// What to propose: the windows with the most bands, widest first, at most
// nombre of them.
std::vector<Fenetre> classe(std::vector<Fenetre> toutes, std::size_t nombre);

// The values at a window's centre.
void complete(Fenetre &f, const Antennes &a, const Parametres &p);

// A whole search: the antennas of every branch length (the one typed, or the
// range's), the decks nec2c must compute for them, and the ranked windows
// once their impedances are known.
std::vector<Antennes> prepare(const Nec::Entrees &e, const Parametres &p,
                              const std::optional<Branches> &branches);
std::vector<QByteArray> decks(const std::vector<Antennes> &a);
// Finds each antenna's impedances by its deck (nullptr when unknown: the
// chart's rule needs none). A band whose answers cannot be used at some
// factor is left out of that antenna's windows (Antennes::echecs).
using Impedances = std::function<const std::vector<Nec::ImpedanceB> *(const QByteArray &deck)>;
std::vector<Fenetre> cherche(std::vector<Antennes> &a, const Parametres &p, std::size_t nombre,
                             const Impedances &impedances);

// Every band left out of a search, once each, in the table's order.
std::vector<Nec::BandeEchouee> echecs(const std::vector<Antennes> &a);

// The list as CSV, a header line then a line per window, ranked; the
// branches a window stands for come last, after the columns of old.
QByteArray csv(const std::vector<Fenetre> &fenetres);

} // namespace Longueurs
