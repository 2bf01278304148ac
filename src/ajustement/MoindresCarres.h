#pragma once

#include <functional>
#include <optional>
#include <vector>

// Least squares on a few bounded unknowns whose residuals are costly: a
// Levenberg-Marquardt walk in coordinates scaled to each unknown's range,
// derivatives by finite differences asked all at once (so that the caller
// computes them side by side), a step that never leaves the bounds.
namespace Ajustement {

struct Borne {
    double min;
    double max;
    // Walked in its logarithm: a quantity known within decades (a ground's
    // conductivity).
    bool logarithmique = false;
};

// The residuals at each of several points (unknowns' values), in the order
// asked; nothing for a point that could not be computed.
using Residus = std::vector<double>;
using Evaluation =
    std::function<std::vector<std::optional<Residus>>(const std::vector<std::vector<double>> &)>;

enum class Arret {
    Converge,   // the misfit no longer improves
    Limite,     // the evaluations allowed are spent
    Echec,      // the residuals could not be computed at the start
    Interrompu, // the caller said stop
};

struct Resultat {
    std::vector<double> valeurs;
    // One standard deviation each, from the misfit's curvature at the end
    // and the residuals' own scatter; NaN when the data cannot tell the
    // unknown (its derivative vanishes, or another one moves just as it).
    std::vector<double> incertitudes;
    double ecartDepart = 0; // root mean square of the residuals
    double ecartFin = 0;
    Arret arret = Arret::Echec;
    int evaluations = 0; // points computed, the start included
    int iterations = 0;
};

struct Reglages {
    int evaluationsMax = 60;
    // Stops once an accepted step lowers the sum of squares by less than this share.
    double gainMin = 1e-4;
    // The finite difference's step, as a share of each unknown's range.
    double pas = 1e-3;
    std::function<bool()> interrompu; // polled between evaluations
    // Whether the caller's own budget is spent (engine runs rather than
    // points): polled before each evaluation, it stops as evaluationsMax does.
    std::function<bool()> epuise;
};

Resultat moindresCarres(const std::vector<double> &depart, const std::vector<Borne> &bornes,
                        const Evaluation &evalue, const Reglages &reglages = {});

} // namespace Ajustement
