#pragma once

#include "reseau/Reseau.h"

#include <QString>

// How a network's setting is named: in the table files (short names, the same
// in every language) and in the windows (sentences).
namespace Nec {

// "t", "l-emetteur", "l-antenne".
QString nomMontage(Reseau::Montage m);
// "c1-max", "l-min", "perte", "tension"…, or empty when the setting serves.
QString nomLimite(Reseau::Limite l);
// "C1 au-delà de son maximum"…, with the value the part would need when
// known, or empty when the setting serves.
QString texteLimite(const Reseau::Reglage &r);
// The parts of a setting at an end of their range, by their limits' short
// names joined by "+" ("l-min", "c1-max+c2-max"), or empty.
QString nomsButees(const Reseau::Reglage &r);

} // namespace Nec
