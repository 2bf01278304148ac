#include "nec/Modele.h"

#include "nec/Nombres.h"
#include "regles/Erreurs.h"

#include <algorithm>
#include <cmath>

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
        break;
    }
    return std::nullopt;
}

Segmentation segmentation(double longueurFilM, double frequenceMaxMHz)
{
    const double pasMax = VitesseLumiere / (frequenceMaxMHz * 1e6) / 20;
    // A hair below the exact quotient so that a length of exactly n steps is n.
    const double n = std::ceil(longueurFilM / pasMax * (1 - 1e-12));
    const double impair = std::fmod(n, 2) == 0 ? n + 1 : n;
    // SegmentsMax is odd, so an even count just below it still fits.
    if (!(impair <= SegmentsMax))
        leveErreur(Textes::NecTropDeSegments.arg(texte(impair, 0)));
    const int segments = std::max(SegmentsMin, static_cast<int>(impair));
    return {segments, segments / 2 + 1};
}

QByteArray deck(const Antenne &antenne, const std::vector<double> &frequencesMHz)
{
    const double demi = antenne.brancheCm / 100;
    const double fMax = *std::max_element(frequencesMHz.begin(), frequencesMHz.end());
    const Segmentation s = segmentation(2 * demi, fMax);
    const auto sol = constantes(antenne.sol);
    // In free space the height changes nothing; the wire stays at z = 0.
    const QString z = sol ? texte(antenne.hauteurM) : QStringLiteral("0");
    QString d = QStringLiteral("CM Kesu\nCE\n");
    d += QStringLiteral("GW 1 %1 %2 0 %3 %4 0 %3 %5\n")
             .arg(s.segments)
             .arg(texte(-demi), z, texte(demi), texte(antenne.diametreMm / 2000));
    if (sol) {
        d += QStringLiteral("GE 1\nGN 2 0 0 0 %1 %2\n")
                 .arg(texte(sol->permittivite), texte(sol->conductivite));
    } else {
        d += QStringLiteral("GE 0\n");
    }
    d += QStringLiteral("EX 0 1 %1 0 1 0\n").arg(s.alimentation);
    // Currents are not printed: only the feed impedance is read.
    d += QStringLiteral("PT -1\n");
    for (double f : frequencesMHz)
        d += QStringLiteral("FR 0 1 0 0 %1 0\nXQ\n").arg(texte(f));
    d += QStringLiteral("EN\n");
    return d.toLatin1();
}

} // namespace Nec
