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

// The whole record, for a drawing that must leave nothing behind.
struct EtatComplet {
    TEtatCalcul etat;

    static EtatComplet lues(const TEtatCalcul &e) { return {e}; }
    void appliqueA(TEtatCalcul &e) const { e = etat; }
};

// Keeps a part of EtatCalcul while a drawing replaces it, and puts it back
// when it goes out of scope, whether the drawing ended or failed.
template <class Partie> class Sauvegarde {
public:
    explicit Sauvegarde(TEtatCalcul &e = EtatCalcul) : etat_(e), avant_(Partie::lues(e)) {}
    ~Sauvegarde() { avant_.appliqueA(etat_); }
    Sauvegarde(const Sauvegarde &) = delete;
    Sauvegarde &operator=(const Sauvegarde &) = delete;

private:
    TEtatCalcul &etat_;
    Partie avant_;
};

// A print job draws with the page's scales: a move of B or C and the lobe
// panel then go on with the screen's.
using SauvegardeEchelles = Sauvegarde<EchellesGraphe>;
// A chart drawn again for another size, or straight in a test, leaves the
// record as it found it: what was typed, moved or ticked since stays.
using SauvegardeEtatCalcul = Sauvegarde<EtatComplet>;
