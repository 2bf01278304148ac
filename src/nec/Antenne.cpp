#include "nec/Antenne.h"

#include <cmath>
#include <numbers>

namespace Nec {

std::optional<ConstantesSol> constantes(Sol sol)
{
    switch (sol) {
    case Sol::Pauvre:
        return ConstantesSol{5, 0.001};
    case Sol::Moyen:
        return ConstantesSol{13, 0.005};
    case Sol::Bon:
        return ConstantesSol{20, 0.03};
    case Sol::Mer:
        return ConstantesSol{80, 5};
    case Sol::Libre:
    case Sol::Parfait:
    case Sol::Personnalise:
        break;
    }
    return std::nullopt;
}

std::optional<ConstantesSol> constantes(const Antenne &antenne)
{
    if (antenne.sol == Sol::Personnalise)
        return antenne.solPersonnalise;
    return constantes(antenne.sol);
}

double conductivite(Fil fil)
{
    switch (fil) {
    case Fil::Aluminium:
        return 3.5e7;
    case Fil::AcierCuivre:
        return 1.74e7;
    case Fil::Cuivre:
        break;
    }
    return 5.8e7;
}

Direction direction(const Antenne &antenne)
{
    // Exact for the flat wire: no cosine's rounding in its deck.
    if (antenne.forme == Forme::Horizontale)
        return {1, 0};
    const double demiAngle = antenne.angleDeg / 2 * std::numbers::pi / 180;
    return {std::sin(demiAngle), -std::cos(demiAngle)};
}

double chuteM(const Antenne &antenne)
{
    return -direction(antenne).z * antenne.brancheCm / 100;
}

} // namespace Nec
