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
// "C1 au-delà de son maximum"…, or empty when the setting serves.
QString texteLimite(const Reseau::Reglage &r);

} // namespace Nec
