#include "nec/Regle.h"

#include "courant/RegleBandeau.h"
#include "courant/SinusCourant.h"
#include "nec/Ligne.h"

#include <cmath>

namespace Nec {

std::int32_t positionElectrique(std::int32_t longElecDip, std::int32_t echelleCm,
                                double coefEchelle)
{
    // The chart's own rounding, without the guarded calls' cost on every
    // centimetre of a map; out of range still throws.
    return Rapide::somme(longElecDip,
                         Rapide::arrondi(static_cast<long double>(echelleCm) / coefEchelle));
}

bool grapheMarque(std::int32_t frequenceKHz, std::int32_t positionCm, Classe classe,
                  const SeuilsGraphe &seuils)
{
    // The same cycles per centimetre and the same sine as the chart's strips.
    const double nu = static_cast<double>(frequenceKHz / 30'000'000.0L);
    return RegleBandeau::pour(classe == Classe::Haute, classe == Classe::Basse, seuils.bas,
                              seuils.moyen, seuils.haut)
        .marque(std::fabs(SinusCourant(positionCm, nu)));
}

double rosBoite(std::complex<double> z, int balun)
{
    return ros(z / static_cast<double>(balun), ImpedanceEmetteur);
}

bool accordable(const Boite &boite, std::complex<double> z)
{
    return rosBoite(z, boite.balun) <= boite.rosMax;
}

} // namespace Nec
