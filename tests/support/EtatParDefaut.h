#pragma once

#include "state/EtatCalcul.h"

// The calculation state that a "Lancer" with the window's default bands and
// thresholds leaves for the given electrical lengths (the default antenna:
// 2062 cm and 3000 cm physical, 2126 cm and 3261 cm electrical), all bands
// selected; the scales are left for the caller to set for its picture.
inline void EtatParDefaut(std::int32_t longElecDip = 2126, std::int32_t longElecEch = 3261)
{
    EtatCalcul = TEtatCalcul{};
    InitialiseEtatCalcul(0.8, 0.6, 0.3);
    const LigneBande table[NombreBandes] = {{3650, 80},  {7050, 40},  {10120, 30}, {14100, 20},
                                            {18100, 17}, {21200, 15}, {24940, 12}, {28500, 10}};
    for (int k = 0; k < NombreBandes; ++k)
        EtatCalcul.TableBandes[k] = table[k];
    EtatCalcul.LongElecDip = longElecDip;
    EtatCalcul.LongElecEch = longElecEch;
    EtatCalcul.LongElecTotale = longElecDip + longElecEch;
}
