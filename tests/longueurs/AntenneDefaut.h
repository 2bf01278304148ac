#pragma once

#include "DefautsTest.h"
#include "nec/Verification.h"

// The main window's start-up antenna, every band of the default table ticked,
// as the advised lengths read it.
inline Nec::Entrees antenneDefaut()
{
    Nec::Entrees e;
    e.antenne.brancheCm = Defauts::BrancheCm;
    e.longElecDip = 2126;
    e.echelleCm = Defauts::EchelleCm;
    e.echelle.coefVelocite = Defauts::CoefEchelle;
    for (std::size_t k = 0; k < Defauts::Table.size(); ++k) {
        e.bandes.push_back(
            {static_cast<int>(k + 1), Defauts::Table[k].Bande, Defauts::Table[k].Frequence});
        e.frequenceMaxTableKHz = std::max(e.frequenceMaxTableKHz, Defauts::Table[k].Frequence);
    }
    return e;
}
