#pragma once

#include <optional>

// How long the engine will take, from what it took. The unit is a core's
// seconds per frequency: a deck's frequencies are shared out between the runs
// side by side, so a search of F frequencies on P runs lasts about F / P of
// them, whatever its number of decks, and a measure taken with another number
// of runs still serves.
namespace Longueurs::Estimation {

// What one measure says: `secondes` to answer `frequences` with `paralleles`
// runs side by side. 0 when nothing was answered.
double parFrequence(double secondes, int frequences, int paralleles);

// What `frequences` cost at `parFrequence`: never more runs at once than
// frequencies.
double duree(int frequences, int paralleles, double parFrequence);

// A lot of decks under way. Only the decks answered whole are measured: the
// frequencies a run has written so far say nothing of its start nor of the
// cores left idle at the end.
struct Avancement {
    int frequences = 0;    // the lot's, all those the engine computes
    int finies = 0;        // those of the decks answered
    double auDernierS = 0; // since the start, when the last deck was answered
    double ecouleS = 0;    // since the start
    int paralleles = 1;
};

// The seconds left: the lot's own pace once a deck is answered, else the
// session's (calibre, a core's seconds per frequency, 0 when none), less the
// time spent since; never below nothing. Unknown while neither exists.
std::optional<double> resteS(const Avancement &a, double calibre);

} // namespace Longueurs::Estimation
