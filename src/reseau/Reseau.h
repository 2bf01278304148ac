#pragma once

#include "regles/Defauts.h"

#include <array>
#include <complex>
#include <limits>

// The tuner the user owns, as a network of real parts after its balun: what
// setting matches 50 ohms, what it loses, and what its parts must stand.
namespace Reseau {

using Complexe = std::complex<double>;

// A high-pass T (series C1 on the transmitter's side, shunt L, series C2 on
// the antenna's), or an L (series L and shunt C, the C on either side: the
// switch real boxes have, both tried).
enum class Type { T, L };
// Their short names (command line, files), in the enum's order.
inline constexpr const char *NomsReseaux[] = {"t", "l"};

// The user's parts, the transmitter's power and what the box may lose and
// stand. Qs of 0 are ideal parts.
struct Pieces {
    Type type = Type::T;
    double cMinPf = Defauts::CMinPf;
    double cMaxPf = Defauts::CMaxPfT;
    double lMinUh = Defauts::LMinUh;
    double lMaxUh = Defauts::LMaxUh;
    double qBobine = Defauts::QBobine;
    double qCondensateur = Defauts::QCondensateur;
    double puissanceW = Defauts::PuissanceW;
    double perteMaxDb = Defauts::PerteBoiteMaxDb;
    double tensionMaxV = Defauts::TensionMaxV;
    bool operator==(const Pieces &) const = default;
};

// The capacitors' range an L-network starts from: its shunt C matches wider.
inline constexpr double CMaxPfL = Defauts::CMaxPfL;

// Why no setting serves: the part that reaches a limit (named by where it
// sits), the network that cannot match such a load at all, or the loss or a
// capacitor's voltage over what the user allows.
enum class Limite { Aucune, C1Min, C1Max, LMin, LMax, C2Min, C2Max, Perte, Tension };

// Where an L-network's capacitor sits.
enum class Montage { T, CCoteEmetteur, CCoteAntenne };

inline constexpr double Nan = std::numeric_limits<double>::quiet_NaN();

// Whether a part of a setting sits at an end of its range.
enum class Butee { Non, Min, Max };

// A setting and what it gives at the user's power; the parts a network lacks
// are NaN (an L has C1 when its C is on the transmitter's side, else C2).
struct Reglage {
    bool trouve = false; // a setting within the parts' ranges matches
    Montage montage = Montage::T;
    double c1Pf = Nan;
    double lUh = Nan;
    double c2Pf = Nan;
    double ros = Nan; // at 50 ohms, the parts' losses included
    double perteDb = Nan;
    double puissanceBobineW = Nan;
    double tensionC1V = Nan; // peak
    double tensionC2V = Nan;
    double courantBobineA = Nan; // RMS
    Limite limite = Limite::Aucune;
    // A part held at its limit because the exact match needs it further: the
    // other parts then give the best SWR they can, which RosAccord accepts.
    bool approche = false;
    Butee buteeC1 = Butee::Non;
    Butee buteeL = Butee::Non;
    Butee buteeC2 = Butee::Non;
    // Without a setting, what the part named by limite would need (pF or
    // uH), and the end of its range it passes; NaN when no value of it would
    // match.
    double valeurRequise = Nan;
    double valeurBorne = Nan;
    // Found, within the loss and the voltages the user allows.
    bool accordable() const { return trouve && limite == Limite::Aucune; }
};

inline constexpr double Z0Emetteur = 50;
// What "matches" means: the SWR at 50 ohms no higher than this.
inline constexpr double RosAccord = 1.2;

// The least-loss setting matching zCharge (after the balun) at frequenceHz:
// an exact match within the parts' ranges, else (when that needs a part
// beyond its range) the part at that limit, the other free part giving the
// best SWR, if that SWR is within RosAccord.
Reglage regle(const Pieces &p, Complexe zCharge, double frequenceHz);

// Whether a setting exists within the limits: regle's verdict, stopping at the
// first setting that serves (the map asks it at every centimetre).
bool accordable(const Pieces &p, Complexe zCharge, double frequenceHz);

// accordable's verdict for one set of parts at one frequency, asked load after
// load along the ladder: the same booleans at a fraction of the cost. A
// setting's parts are solved by accordable's own code; whether they serve is
// first judged with plain real arithmetic, which decides only when the load
// lies further from every limit than the rounding of either computation can
// reach. Nearer (under the default parts, a few settings in a hundred
// thousand), accordable's own code judges; so it does for a T that matches
// but serves at no step of its sweep (the solver then narrows its least loss
// down between two steps, which may serve), unless bounds on C2's voltage and
// on what C2 and the coil lose rule out every C2 that search could reach:
// such a load costs what accordable costs. The T tries first
// the C2 that served the previous load: neighbouring centimetres take the
// same, so most loads cost one setting instead of a walk down the sweep.
class Accord {
public:
    Accord(const Pieces &p, double frequenceHz);
    bool operator()(Complexe zCharge);

    // The steps of the T's sweep of C2, both ends included.
    static constexpr int Pas = 49;

private:
    Pieces p_;
    double frequenceHz_;
    double omega_;
    std::array<double, Pas> c2_{}; // farads, at each step
    int dernier_ = Pas - 1;        // the step that served last
    double chargeMin_;             // the power the load must take, the loss at its limit
    double tensionMax2_;
};

} // namespace Reseau
