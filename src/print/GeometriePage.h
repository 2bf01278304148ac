#pragma once

#include "state/EtatCalcul.h"

#include <cstdint>

// Where the chart or the lobe panel goes on the printer page, in device pixels.
struct GeometriePage {
    std::int32_t HorzRes = 0; // printable area
    std::int32_t VertRes = 0;
    PointEntier P;       // printing offset
    std::int32_t W = 0;  // HorzRes - 2 P.X
    std::int32_t H = 0;  // VertRes - 2 P.Y
    std::int32_t Wc = 0; // printed picture
    std::int32_t Hc = 0;
    std::int32_t x0 = 0;       // becomes GaucheGraphe
    std::int32_t y0 = 0;       // becomes DemiHauteur
    bool ajusteLargeur = true; // fitted to the width, else to the height
};

// Fits a picture area of largeurImage x hauteurImage to the page: one wider
// than tall fills the printable width, one taller than wide the printable
// height, a square one whichever the page's shape calls for. The other side
// follows the area's proportions and is not checked against the page.
GeometriePage CalculeGeometrie(std::int32_t horzRes, std::int32_t vertRes, PointEntier p,
                               std::int32_t largeurImage, std::int32_t hauteurImage);

// Gives EtatCalcul the page's scales and offsets, from which the chart drawing
// and the caption blocks place everything: GaucheGraphe, DemiHauteur, EchelleX,
// EchelleY, and MargeY (width fit) or MargeX (height fit).
void AppliqueGeometrie(const GeometriePage &g);
