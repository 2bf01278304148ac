#pragma once

#include "regles/Defauts.h"

#include <optional>

// The antenna as it is hung: the ladder's two conductors end a spacing apart,
// the gap between them is the feed, and a branch leaves each conductor,
// straight out or sloping down as an inverted V, over a ground or in free
// space.
namespace Nec {

inline constexpr double VitesseLumiere = 299'792'458.0; // m/s

// The perfect ground is a reference (the textbook's image antenna), not one a
// station stands on. The user's own ground takes the constants the user gives
// (or a fit to a measurement finds).
enum class Sol { Libre, Pauvre, Moyen, Bon, Mer, Parfait, Personnalise };

// Each ground's short name (command line, user's settings), in the enum's order.
inline constexpr const char *NomsSols[] = {"libre", "pauvre",  "moyen",       "bon",
                                           "mer",   "parfait", "personnalise"};

struct ConstantesSol {
    double permittivite; // relative
    double conductivite; // S/m
    bool operator==(const ConstantesSol &) const = default;
};

// Nothing for free space, the perfect ground and the user's own.
std::optional<ConstantesSol> constantes(Sol sol);

enum class Forme { Horizontale, VInversee };

// What the wire is made of: its losses heat it a little (NEC-2's LD 5 card).
enum class Fil { Cuivre, Aluminium, AcierCuivre };

// Each material's short name (command line, user's settings), in the enum's order.
inline constexpr const char *NomsFils[] = {"cuivre", "aluminium", "acier-cuivre"};

// In S/m: annealed copper; aluminium wire alloy; copper-clad steel at its
// 30 % IACS direct-current rating, a pessimistic bound on HF where the current
// runs mostly in the copper skin.
double conductivite(Fil fil);

// Each shape's short name (command line, user's settings), in the enum's order.
inline constexpr const char *NomsFormes[] = {"horizontale", "v"};

struct Antenne {
    double brancheCm = Defauts::BrancheCm; // one branch, A-B
    double diametreMm = Defauts::DiametreMm;
    double hauteurM = Defauts::HauteurM; // of the wire, or of an inverted V's apex
    Sol sol = Sol::Moyen;
    double ecartementMm =
        Defauts::EcartementMm; // between the ladder's conductors: the feed segment
    Forme forme = Forme::Horizontale;
    double angleDeg = Defauts::AngleDeg; // between an inverted V's arms
    Fil fil = Fil::Cuivre;
    // The user's own ground, used when sol is Sol::Personnalise; an average
    // ground's until given.
    ConstantesSol solPersonnalise{Defauts::PermittiviteSol, Defauts::ConductiviteSol};
    bool operator==(const Antenne &) const = default;
};

// The ground's constants under this antenna: the user's own ground's, or the
// class's; nothing for free space and the perfect ground.
std::optional<ConstantesSol> constantes(const Antenne &antenne);

// Where a branch goes from its conductor: x outwards, z up (unit vector).
struct Direction {
    double x;
    double z;
};
Direction direction(const Antenne &antenne);

// How far below the feed the branches' ends hang (0 for a flat wire).
double chuteM(const Antenne &antenne);

} // namespace Nec
