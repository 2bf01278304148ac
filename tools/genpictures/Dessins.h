#pragma once

#include "Rayonnement.h"

#include <QImage>

// The pictures that come with Kesu, drawn from scratch so that nothing binary
// needs to be kept in the repository.
namespace Dessins {

// A polar diagram of the horizontal pattern: white background, bearings every
// 30° clockwise from the top, dashed level rings and radials, the wire along
// 90–270 and the pattern in blue, with the elevation it is drawn at.
// `finesse` times as many pixels each way for the same drawing: the window
// shows that one when it draws a diagram larger than its size.
// `elevation` is the word written before the elevation, in the picture's
// language.
QImage diagramme(const Rayonnement::Diagramme &d, int finesse, const QString &elevation);

// The About picture: a doublet between two masts, fed by its ladder line from
// a tuner on the ground. 176 × 207.
QImage logo();

// The window icon: the same doublet and ladder line, 32 × 32.
QImage icone();

// The print button's glyphs side by side, 32 × 16: the printer on the left,
// its greyed, embossed look for the disabled button on the right.
QImage imprimante();

} // namespace Dessins
