#pragma once

#include "state/EtatCalcul.h"

// The scale and offset fields of EtatCalcul that a chart is drawn with: the
// moves of B and C and the lobe panel read them back, a print job replaces
// them for the page.
struct EchellesGraphe {
    std::int32_t GaucheGraphe = 0;
    std::int32_t DemiHauteur = 0;
    std::int32_t MargeX = 0;
    std::int32_t MargeY = 0;
    double EchelleX = 0;
    double EchelleY = 0;

    static EchellesGraphe lues(const TEtatCalcul &e);
    void appliqueA(TEtatCalcul &e) const;
};
