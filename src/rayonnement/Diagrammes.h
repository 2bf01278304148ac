#pragma once

#include "nec/ExecutionNec.h"
#include "nec/Verification.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <limits>
#include <vector>

// How the antenna radiates, band by band, from the NEC-2 check's own deck with
// radiation pattern cards added: the power gain in dBi over the user's ground
// (the whole sphere in free space), its elevation and azimuth cuts, and the
// figures a radio amateur chooses a band's use by.
namespace Rayonnement {

// A frequency the patterns are computed at: a band's reference frequency, or
// the centre of its band plan; `reponse` is its place among the deck's answers.
struct FrequenceDiagramme {
    std::size_t bande; // the band's place among the inputs' bands
    double frequenceKHz;
    bool centre;
    std::size_t reponse;
};
std::vector<FrequenceDiagramme> frequences(const Nec::Entrees &e);

// The check's deck, each pattern frequency computing its pattern: over a
// ground the upper hemisphere, in free space the whole sphere, every 2 degrees
// of azimuth on rows 4 degrees of elevation apart (the antenna is symmetric
// about its wire and about its middle, so a quarter of the azimuths tells
// all), and the elevation cuts along the wire and broadside to it in 1 degree
// steps. The centres a sweep lacks are asked
// after every frequency of the check, which keeps the check's answers where
// they were.
QByteArray deck(const Nec::Entrees &e);
int nombreFrequences(const Nec::Entrees &e);

// The cuts of one pattern, in dBi; -999.99 where nec2c finds no field (below
// the horizon over a ground).
struct Coupes {
    std::array<double, 91> travers{}; // elevation 0..90 broadside to the wire
    std::array<double, 91> long_{};   // elevation 0..90 along the wire
    std::array<double, 180> azimut{}; // 0..358 by 2, 0 along the wire
    // On the grid's row nearest the strongest lobe's elevation; for a lobe
    // near the zenith, whose azimuths all look alike, the row of the
    // strongest direction below 45 degrees, where the long-distance
    // contacts are.
    double elevationAzimutDeg = 0; // the azimuth cut's elevation
    // The elevation cut through the strongest lobe's azimuth, 1 degree
    // steps, when that lobe is off broadside; azimutLobeDeg is NaN without it.
    std::array<double, 91> lobe{};
    double azimutLobeDeg = std::numeric_limits<double>::quiet_NaN();
    bool aLobe() const { return azimutLobeDeg == azimutLobeDeg; }
};

struct Chiffres {
    double gainMaxDbi;
    double elevationMaxDeg; // the take-off angle
    double azimutMaxDeg;    // from the wire's axis, 0..90
    // The -3 dB span of the strongest lobe in elevation, on the cut through
    // it, across the zenith onto the cut's other side when the lobe goes so.
    double ouvertureDeg;
    double gain10Dbi; // broadside, at 10, 20 and 30 degrees of elevation
    double gain20Dbi;
    double gain30Dbi;
    // The share of the input power the ground takes, against the same
    // antenna's power balance in free space.
    double perteSolPct;
};

struct DiagrammeBande {
    Nec::BandeVerifiee bande;
    double frequenceKHz;
    bool centre;
    Coupes coupes;
    Chiffres chiffres;
};

// How many directions the deck's cards ask at each pattern frequency.
std::size_t directionsDemandees(const Nec::Entrees &e);

// The patterns of the bands a run kept, and the bands left out with their
// reasons, in the bands' order.
struct Lecture {
    std::vector<DiagrammeBande> diagrammes;
    std::vector<Nec::BandeEchouee> echecs;
};

// The patterns of the bands the check kept from these answers (controle,
// Nec::evalue's verdict on them), in the bands' order, each band's reference
// frequency before its centre. A band is left out, with the first reason, when
// one of its frequencies has no answer or no pattern (an engine that ignores RP
// cards), a pattern with fewer or more directions than the cards asked (an
// output cut short), or a gain that is not finite: never a smaller pattern
// that would read as a weaker antenna. Only those bands are in echecs.
Lecture lit(const Nec::Entrees &e, const std::vector<Nec::ImpedanceB> &zB,
            const Nec::Resultat &controle);
// The same, judged by the check first: its reasons and the patterns' together,
// in the bands' order.
Lecture lit(const Nec::Entrees &e, const std::vector<Nec::ImpedanceB> &zB);

// The second run, that makes the figures exact. The grid's maximum is only
// as fine as its rows (4 degrees) and azimuths (2 degrees): this deck asks,
// at each pattern's frequency, the directions around it in 0.1 degree steps
// (2.5 degrees of elevation and 1.5 of azimuth either side), three 1 degree
// elevation cuts through its azimuth and the next ones, and, over a ground,
// the power radiated above it and that of the same model in free space (its
// own power balance), both on 2 degree rows. The patterns in d are lit's, in its order.
QByteArray deckAffinage(const Nec::Entrees &e, const std::vector<DiagrammeBande> &d);
int nombreFrequencesAffinage(const Nec::Entrees &e, const std::vector<DiagrammeBande> &d);
// The second run's answers put into the patterns of l: the maximum at 0.1
// degree (the middle of the plateau NEC-2's two-decimal gains make), the
// elevation cut through it when it is off broadside, its -3 dB span on that
// cut and the ground's share. A pattern whose answers are missing or cut
// short goes to l.echecs with its reason, in the bands' order.
void affine(const Nec::Entrees &e, Lecture &l, const std::vector<Nec::ImpedanceB> &z);

// The figures as CSV (a line per band and frequency), or every point of the
// cuts (a line per point, the cut named travers, long, lobe or azimut). A -3 dB span
// the cut cannot tell is an empty field; any other value that is not finite
// throws (Nec::champ).
QByteArray csvChiffres(const std::vector<DiagrammeBande> &d);
QByteArray csvPoints(const std::vector<DiagrammeBande> &d);

} // namespace Rayonnement
