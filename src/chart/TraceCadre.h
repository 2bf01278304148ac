#pragma once

class Surface;
class EnvironnementTrace;

// Paints the chart's fixed background with the scales and offsets held in
// EtatCalcul: the silver chart area, the black strip area over the ladder, the
// impedance-class zones, the baseline, the line at B and the letters A, B, C.
// Leaves the pen black in copy mode and the brush silver, which the band
// curves use for the boxes behind their texts.
void TraceCadre(Surface &surface, EnvironnementTrace &env);
