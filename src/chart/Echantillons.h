#pragma once

#include "courant/Rapide.h"
#include "courant/SinusCourant.h"

#include <cstdint>
#include <utility>

// One band's current as the chart samples it: the sample i centimetres from A
// stands at column GaucheGraphe + round(i * EchelleX) and row
// round(DemiHauteur - sin(i * 2 pi * nu) * EchelleY).
//
// Past some length there are thousands of samples per column, and the chart
// draws each column from what its samples cover instead of sample by sample.
// The envelope functions below find that from a few samples: between two turns
// of the sampled sine (its peaks and troughs, or for |s| its peaks and zeros)
// the samples are monotone, so the extremes over a run of samples are at its
// ends or next to a turn. A run holding more than PointsParFamille - 2 peaks
// (or troughs, or zeros) is judged on that many spread over it; every sample
// then lies within half a sample's phase of one of them.
class Echantillons {
public:
    static constexpr int PointsParFamille = 6;

    Echantillons(double nu, long double echelleX, long double echelleY, std::int32_t demiHauteur,
                 std::int32_t gauche);

    double sinus(std::int32_t i) const { return SinusCourant(i, nu_); }
    std::int32_t rangeeDe(double s) const { return Rapide::arrondi(demiHauteur_ - s * echelleY_); }
    std::int32_t rangee(std::int32_t i) const { return rangeeDe(sinus(i)); }
    // Column of sample i relative to GaucheGraphe, and absolute.
    std::int32_t decalage(std::int32_t i) const { return Rapide::arrondi(i * echelleX_); }
    std::int32_t colonne(std::int32_t i) const { return Rapide::somme(gauche_, decalage(i)); }

    // The last sample, at most dernier, in the column of sample a.
    std::int32_t finColonne(std::int32_t a, std::int32_t dernier) const;
    // Top and bottom rows of the samples a to b.
    std::pair<std::int32_t, std::int32_t> rangeesExtremes(std::int32_t a, std::int32_t b) const;
    // Largest and smallest |s| of the samples a to b.
    double maxAbsolu(std::int32_t a, std::int32_t b) const;
    double minAbsolu(std::int32_t a, std::int32_t b) const;
    // The first sample c in [a, b] such that the samples c to b all stand on
    // b's row.
    std::int32_t debutPalier(std::int32_t a, std::int32_t b) const;

private:
    template <class Fn>
    void pointsCritiques(std::int32_t a, std::int32_t b, long double quart, Fn &&visite) const;

    double nu_;
    // The frequency that the whole-centimetre samples show: nu folded into
    // [0, 1/2] cycle per centimetre, as sampling aliases it.
    long double frequence_;
    long double periode_; // 1 / frequence_, in centimetres
    long double echelleX_;
    long double echelleY_;
    std::int32_t demiHauteur_;
    std::int32_t gauche_;
};
