#pragma once

#include "chart/Echantillons.h"
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

// Up to this electrical length A-C the curves and strips are drawn sample by
// sample, one per centimetre. Beyond it each column is drawn from what its
// samples cover, so that the time no longer grows with the length: identical
// pixels as long as a column holds no more than four periods of a band.
inline constexpr std::int32_t LongueurParCentimetre = 100'000;

enum class ModeTrace {
    Automatique,   // by the length, as above
    ParCentimetre, // every sample drawn, whatever the length
    ParColonnes,   // per-column envelopes, whatever the length
};

// Draws over the frame, for each selected band: its standing wave of current
// sampled every centimetre from A to C with its label and its "EZ" mark at
// 0.64 wavelength, then its strip of marks where the ladder's impedance lies
// outside the chosen class. Records LamdaDip for the selected bands and drives
// the progress bar (16 steps). Ends with pen width 1 and black text.
void TraceCourbes(Surface &surface, EnvironnementTrace &env,
                  ModeTrace mode = ModeTrace::Automatique);
