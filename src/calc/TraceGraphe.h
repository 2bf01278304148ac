#pragma once

#include "chart/EnvironnementTrace.h"

class Surface;

// Draws the whole chart on the surface with the scales and offsets held in
// EtatCalcul: the frame, then the band curves and strips; then shows the print
// button and sets GrapheCourants.
void TraceGraphe(Surface &surface, EnvironnementTrace &env);
