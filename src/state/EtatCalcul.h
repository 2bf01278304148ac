#pragma once

#include <array>
#include <cstdint>

constexpr int NombreBandes = 8;

struct LigneBande {
    std::int32_t Frequence = 0; // kHz
    std::int32_t Bande = 0;     // metres, the band's name
};

struct PointEntier {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

// Band-indexed arrays are used with k = 1..8, the band's position everywhere in
// the program (check box k, colour k, lobe area k); element 0 is never used.
template <class T> using ParBande = std::array<T, NombreBandes + 1>;

// The one record of calculation state, shared by every window and drawing
// routine. Zero at program start; the start-up sequence gives it its working
// values.
struct TEtatCalcul {
    bool FreqModifiees = false;
    std::array<LigneBande, NombreBandes> TableBandes{}; // row k-1 is band k
    std::int32_t LongElecTotale = 0;
    std::int32_t LongElecDip = 0;
    std::int32_t LongElecEch = 0;
    std::int32_t DemiHauteur = 0;
    std::int32_t GaucheGraphe = 0;
    std::int32_t MargeX = 0;
    std::int32_t MargeY = 0;
    std::int32_t DiviseurHauteur = 0;
    double PlageVerticale = 0;
    double CoefVelDip = 0;
    double CoefVelEch = 0;
    double SeuilBas = 0;
    double SeuilMoyen = 0;
    double SeuilHaut = 0;
    double EchelleX = 0;
    double EchelleY = 0;
    bool DeplaceAB = false;
    bool DeplaceBC = false;
    bool DeplacementArme = false;
    bool GrapheCourants = false;
    ParBande<bool> BandeActive{};
    ParBande<double> LamdaDip{};
    PointEntier PointSouris{};
};

extern TEtatCalcul EtatCalcul;

// Steps 2 to 5 of the start-up initialisation: all bands selected, LamdaDip
// cleared, thresholds from the threshold boxes' texts (taken as they stand),
// flags cleared, vertical span and height divisor set.
void InitialiseEtatCalcul(double seuilBas, double seuilMoyen, double seuilHaut);
