#pragma once

#include "nec/ExecutionNec.h"
#include "nec/Verification.h"

#include <QByteArray>
#include <QString>
#include <array>
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
    // on the grid's row nearest the strongest lobe's elevation
    double elevationAzimutDeg = 0; // the azimuth cut's elevation
};

struct Chiffres {
    double gainMaxDbi;
    double elevationMaxDeg; // the take-off angle
    double azimutMaxDeg;    // from the wire's axis, 0..90
    double ouvertureDeg;    // the -3 dB span of the strongest lobe in elevation
    double gain10Dbi;       // broadside, at 10, 20 and 30 degrees of elevation
    double gain20Dbi;
    double gain30Dbi;
    double perteSolPct; // the share of the input power the ground takes
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

// The figures as CSV (a line per band and frequency), or every point of the
// cuts (a line per point, the cut named travers, long or azimut). A -3 dB span
// the cut cannot tell is an empty field; any other value that is not finite
// throws (Nec::champ).
QByteArray csvChiffres(const std::vector<DiagrammeBande> &d);
QByteArray csvPoints(const std::vector<DiagrammeBande> &d);

} // namespace Rayonnement
