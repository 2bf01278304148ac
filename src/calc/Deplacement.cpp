#include "calc/Deplacement.h"

#include "regles/Arithmetique.h"
#include "state/EtatCalcul.h"

namespace Deplacement {

namespace {

// Electrical distance in cm from A to the mouse column.
long double distance(std::int32_t x)
{
    const std::int32_t d = Arith::difference(x, EtatCalcul.GaucheGraphe);
    return Arith::divise(d, EtatCalcul.EchelleX);
}

} // namespace

Lectures lecturesB(std::int32_t x)
{
    const long double L = distance(x);
    return {Arith::arrondi64(L), Arith::arrondi64(L * EtatCalcul.CoefVelDip)};
}

std::optional<Lectures> lecturesC(std::int32_t x)
{
    const long double L = distance(x);
    const std::int64_t echelle = Arith::arrondi64(L) - EtatCalcul.LongElecDip;
    if (echelle <= 0)
        return std::nullopt;
    return Lectures{echelle,
                    Arith::arrondi64((L - EtatCalcul.LongElecDip) * EtatCalcul.CoefVelEch)};
}

} // namespace Deplacement
