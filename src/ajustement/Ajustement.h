#pragma once

#include "ajustement/MoindresCarres.h"
#include "mesure/Releve.h"
#include "nec/ExecutionNec.h"
#include "nec/LectureSortie.h"
#include "nec/Verification.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

// Fitting the model to a measured sweep: the unknowns the user picks (the
// wire's height, the branch, the ladder's velocity factor and Z0, the ground)
// moved until the model's impedance where the sweep was taken meets it.
namespace Ajustement {

using Complexe = std::complex<double>;

// Where the analyzer was connected: the ladder's end C, the tuner's side of
// the balun, or the feed point B.
enum class Point { C, Balun, B };
inline constexpr const char *NomsPoints[] = {"c", "balun", "b"};

enum class Inconnue { Hauteur, Branche, CoefEchelle, Z0, Sol };
inline constexpr const char *NomsInconnues[] = {"hauteur", "branche", "coef-echelle", "z0", "sol"};

// The model's impedance where the sweep was taken, from its Z at B.
Complexe auPoint(const Nec::Entrees &e, Point p, Complexe zB, double frequenceHz);
// A measured impedance brought to C (the ladder's end, before the balun).
Complexe versC(const Nec::Entrees &e, Point p, Complexe zMesure, double frequenceHz);

// The sweep's points the fit uses: those within a ticked band's plan (or
// within 1 % of its reference frequency when the region plans none), at most
// PointsParBande a band, evenly taken.
inline constexpr std::size_t PointsParBande = 8;
std::vector<std::size_t> pointsRetenus(const Nec::Entrees &e, const Mesure::Releve &r);

// How far the model is from one measured point: the two reflection
// coefficients against a reference equal to the measured |Z|, subtracted.
// A point of a few ohms and one of some kilo-ohms weigh alike, and an
// ideal balun's ratio changes nothing.
Complexe residu(Complexe zModele, Complexe zMesure);

// What the fit computes Z at B with: several decks at once (side by side),
// each deck's answers or nothing when it failed; `message` says why.
using Moteur = std::function<std::vector<std::optional<std::vector<Nec::ImpedanceB>>>(
    const std::vector<QByteArray> &decks, QString &message)>;

// A Moteur made of runs that answer every deck or fail together (as
// Nec::ExecutionNec::executeBloquants does): `calcule` runs the decks.
Moteur moteur(std::function<Nec::ExecutionNec::Bilans(const std::vector<QByteArray> &)> calcule);

struct Demande {
    Nec::Entrees entrees; // the antenna to start from, its bands ticked
    Mesure::Releve releve;
    Point point = Point::C;
    std::vector<Inconnue> inconnues{Inconnue::Hauteur, Inconnue::Branche, Inconnue::CoefEchelle};
    int executionsMax = 60; // engine runs at most
    // Told the engine runs made so far after each batch of them, from the
    // thread that fits: what a window's progress shows.
    std::function<void(int executions)> progression;
};

struct Valeur {
    QString nom;   // hauteur, branche, coef-echelle, z0, epsilon, sigma
    QString unite; // m, cm, empty, ohm, empty, S/m
    double depart;
    double ajuste;
    double incertitude; // one standard deviation, NaN when the sweep cannot tell
};

// A fit whose misfit stays above this (the root mean square of residu) is
// no fit: the model cannot explain the measurement.
inline constexpr double EcartInexplique = 0.1;

struct Bilan {
    std::vector<Valeur> valeurs; // in the order asked; sol gives epsilon, then sigma
    double ecartAvant = 0;
    double ecartApres = 0;
    Arret arret = Arret::Echec;
    int executions = 0; // engine runs made
    std::size_t pointsUtilises = 0;
    Nec::Entrees ajustees; // the start with the fitted values
    QString message;       // the engine's failure, when arret is Echec
    bool inexplique() const { return ecartApres > EcartInexplique; }
};

// Throws KesuErreur when the request cannot be fitted at all (no point in a
// ticked band, the ladder's unknowns asked of a sweep taken at B, the ground
// asked of free space).
Bilan ajuste(const Demande &d, const Moteur &moteur, std::function<bool()> interrompu = {});

// The sentence that says why the fit stopped: converged, stopped at the
// limit, interrupted, or the engine's failure.
QString texteArret(const Bilan &b);

} // namespace Ajustement
