#pragma once

#include "nec/Antenne.h"
#include "nec/Decoupage.h"

#include <QByteArray>
#include <vector>

// The NEC-2 input deck of the antenna.
namespace Nec {

// The whole deck, every frequency computed in one run: the feed segment (tag
// 1, the ladder's spacing), then each branch as a tapered wire growing from
// it and a uniform wire beyond. The geometry follows frequenceMaxMHz alone,
// the band table's highest frequency, ticked or not (a higher frequency asked
// raises it), so that Z at B does not change with the other bands asked. Throws
// as decoupage() and verifiePose() do.
QByteArray deck(const Antenne &antenne, double frequenceMaxMHz,
                const std::vector<double> &frequencesMHz, const Maillage &maillage = {});

// The same deck, then the frequencies of balayageMHz, which leave the geometry
// as it is: the antenna cut for the bands' reference frequencies gives the
// same Z at B there whatever the band edges asked.
QByteArray deckBalaye(const Antenne &antenne, double frequenceMaxMHz,
                      const std::vector<double> &frequencesMHz,
                      const std::vector<double> &balayageMHz);

// The frequencies a deck asks for, in order (its FR cards): what nec2c's
// answers are checked against.
std::vector<double> frequencesDemandees(const QByteArray &deck);

} // namespace Nec
