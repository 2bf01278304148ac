#pragma once

#include "state/EtatCalcul.h"

#include <QRgb>
#include <cstdint>

class Surface;
class EnvironnementTrace;

// Colour of band k (1..8) by its position in the band table, not its name:
// the pen of its curve and strip and the text of its label. Element 0 is unused.
inline constexpr ParBande<QRgb> CouleursBandes{
    qRgb(0, 0, 0),      qRgb(255, 109, 128), qRgb(255, 0, 0),
    qRgb(255, 255, 15), qRgb(0, 0, 255),     qRgb(255, 121, 25),
    qRgb(0, 100, 175),  qRgb(122, 255, 127), qRgb(255, 0, 255),
};

// Normalised current i centimetres from A for a band of nu cycles per
// centimetre: sin(i * 2 pi * nu), the phase formed in extended precision.
double SinusCourant(std::int32_t i, double nu);

// Draws over the frame, for each selected band: its standing wave of current
// sampled every centimetre from A to C with its label and its "EZ" mark at
// 0.64 wavelength, then its strip of marks where the ladder's impedance lies
// outside the chosen class. Records LamdaDip for the selected bands and drives
// the progress bar (16 steps). Ends with pen width 1 and black text.
void TraceCourbes(Surface &surface, EnvironnementTrace &env);
