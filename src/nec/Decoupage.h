#pragma once

#include "regles/Defauts.h"

#include "nec/Antenne.h"

#include <optional>

// How the antenna is cut into NEC-2 segments, and the geometries NEC-2's
// thin-wire model does not hold for.
namespace Nec {

using Defauts::SegmentsMax;

// NEC-2's user's guide: with the thin-wire kernel a segment must be at least
// about 8 radii long for the field on it to be within 1 %; the kernel wants
// 2 pi a / lambda well below 1; and a wire meets its image in the ground, so
// it must stay several radii above it.
inline constexpr double SegmentSurRayonMin = 8;
inline constexpr double CirconferenceSurLambdaMax = 0.1;
inline constexpr double HauteurSurRayonMin = 10;
// An inverted V's angle between its arms, in degrees: above AngleMin (arms
// apart), at most AngleMax (flat).
inline constexpr double AngleMin = 0;
inline constexpr double AngleMax = 180;

// How finely the arms are cut. From the feed each segment is `raison` times
// the one before (a ratio whose error against a uniform fine cut stays under
// 1 %), up to a `fractionLambda`-th of the shortest wavelength; beyond that,
// equal segments. Twice the density is {sqrt(raison), 2 x fractionLambda}.
struct Maillage {
    double raison = 1.05;
    double fractionLambda = 20;
};

// One arm, from the feed segment outwards: a tapered wire, then a uniform one.
struct Bras {
    int segmentsEffiles = 0;
    double longueurEffileeM = 0;
    double premierM = 0; // the tapered wire's first segment, by the feed
    int segmentsReguliers = 0;
    double longueurReguliereM = 0;
};

// The arm of this length whose first segment is about premierM, no segment
// longer than pasMaxM, each no more than `raison` times the one before.
Bras decoupeBras(double longueurM, double premierM, double raison, double pasMaxM);

struct Decoupage {
    Bras bras; // each of the two, the same
    int segments = 0;
    double plusCourtM = 0;
};

// The antenna cut for frequencies up to frequenceMaxMHz. Throws the message
// naming the limit when NEC-2's thin-wire model does not hold for the wire, or
// when it would need more than SegmentsMax segments (nec2c would run for
// many minutes).
Decoupage decoupage(const Antenne &antenne, double frequenceMaxMHz, const Maillage &maillage = {});

// What keeps an inverted V's ends clear of the ground (HauteurSurRayonMin
// radii above it) at its other values: the lowest apex height, rounded up to
// the decimetre, and the narrowest angle between the arms, rounded up to the
// degree (nothing when even flat arms hang too low).
double sommetMinimalM(const Antenne &antenne);
std::optional<double> angleMinimalDeg(const Antenne &antenne);

// Throws when an inverted V's angle is out of range or when, over a ground,
// the wire reaches it or comes too close to it for its radius (an inverted V's
// ends are its lowest points).
void verifiePose(const Antenne &antenne);

} // namespace Nec
