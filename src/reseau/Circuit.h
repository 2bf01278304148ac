#pragma once

#include "reseau/Reseau.h"

#include <array>

// A ladder of at most three parts between the transmitter and the load,
// solved by complex arithmetic: the impedance it shows, and the currents,
// voltages and losses at a given power into it.
namespace Reseau {

enum class Genre { Condensateur, Bobine };
enum class Place { Serie, Derivation };

struct Element {
    Genre genre;
    Place place;
    double valeur; // farads or henrys
};

struct Analyse {
    Complexe zEntree;
    double perteDb;
    std::array<double, 3> courantA{};      // RMS, in each part
    std::array<double, 3> tensionCreteV{}; // peak, across each part's reactance
    std::array<double, 3> puissanceW{};    // heating each part
};

// The parts' reactance at omega, and their series resistance for a Q (0: none).
double reactance(const Element &e, double omega);
double resistance(const Element &e, double omega, const Pieces &p);

// Parts from the transmitter's side to the load's.
Complexe impedanceEntree(const Element *elements, int n, Complexe zCharge, double omega,
                         const Pieces &p);
Analyse analyse(const Element *elements, int n, Complexe zCharge, double omega, const Pieces &p);

// The SWR of z at 50 ohms.
double rosSur50(Complexe z);

} // namespace Reseau
