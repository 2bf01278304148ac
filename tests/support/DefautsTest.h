#pragma once

#include "regles/Defauts.h"
#include "state/EtatCalcul.h"

#include <QByteArray>
#include <algorithm>

// What the tests start from, beside the program's own start-up values
// (regles/Defauts.h): the default band settings file, as bytes and as a table,
// and EtatCalcul as start-up and a default "Lancer" leave it.
namespace Defauts {

inline const QByteArray KesuIni = "80 3650\r\n40 7050\r\n30 10120\r\n20 14100\r\n"
                                  "17 18100\r\n15 21200\r\n12 24940\r\n10 28500\r\n";

inline constexpr std::array<LigneBande, NombreBandes> Table{{{3650, 80},
                                                             {7050, 40},
                                                             {10120, 30},
                                                             {14100, 20},
                                                             {18100, 17},
                                                             {21200, 15},
                                                             {24940, 12},
                                                             {28500, 10}}};

// Start-up with the default thresholds and band table, then the electrical
// lengths of a "Lancer", by default those of the default boxes: 2062 cm at
// 0.97 and 3000 cm at 0.92, that is 2126 + 3261 = 5387 cm. The scales are left
// to the caller.
inline void EtatApresLancer(std::int32_t longElecDip = 2126, std::int32_t longElecEch = 3261)
{
    EtatCalcul = TEtatCalcul{};
    InitialiseEtatCalcul(SeuilBas, SeuilMoyen, SeuilHaut);
    std::copy(Table.begin(), Table.end(), EtatCalcul.TableBandes.begin());
    EtatCalcul.LongElecDip = longElecDip;
    EtatCalcul.LongElecEch = longElecEch;
    EtatCalcul.LongElecTotale = longElecDip + longElecEch;
}

} // namespace Defauts
