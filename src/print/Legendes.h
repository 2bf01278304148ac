#pragma once

#include <QString>
#include <cstdint>

class Surface;

// What the caption blocks read from the main window, as the boxes show it:
// the texts are printed exactly as typed, without conversion or trimming.
struct TextesFenetre {
    QString LongDip;
    QString CoefDip;
    QString LongEch;
    QString CbCoefEch;
    bool ChSerie_moy = false; // "Impédance moyenne" checked
};

// Where a caption block's rows go, from the page values held in EtatCalcul:
// X1 and X2 at one and five eighths of the printed chart's width right of
// GaucheGraphe (g), rows S apart, T the bottom of the printed chart.
struct PlacementLegende {
    std::int32_t g = 0;
    std::int32_t X1 = 0;
    std::int32_t X2 = 0;
    std::int32_t S = 0;
    std::int32_t T = 0;
};
PlacementLegende CalculePlacement();

// The caption block under a printed chart: lengths and velocity factors of the
// branch and the ladder, then the impedance class of the calculation.
void LegendeCourants(Surface &page, const TextesFenetre &textes);

// The caption block under a printed lobe panel: the branch's length and
// velocity factor, then one row per selected band with the branch length in
// wavelengths of that band.
void LegendeLobes(Surface &page, const TextesFenetre &textes);
