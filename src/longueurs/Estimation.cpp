#include "longueurs/Estimation.h"

#include <algorithm>

namespace Longueurs::Estimation {

double parFrequence(double secondes, int frequences, int paralleles)
{
    if (frequences <= 0 || secondes <= 0)
        return 0;
    return secondes * std::min(std::max(1, paralleles), frequences) / frequences;
}

double duree(int frequences, int paralleles, double parFrequence)
{
    if (frequences <= 0)
        return 0;
    return parFrequence * frequences / std::min(std::max(1, paralleles), frequences);
}

std::optional<double> resteS(const Avancement &a, double calibre)
{
    const bool mesure = a.finies > 0 && a.auDernierS > 0;
    const double c = mesure ? parFrequence(a.auDernierS, a.finies, a.paralleles) : calibre;
    if (c <= 0)
        return std::nullopt;
    // What the runs under way did since the last answer is part of what is left.
    const double depuis = a.ecouleS - (mesure ? a.auDernierS : 0);
    return std::max(0.0, duree(a.frequences - a.finies, a.paralleles, c) - depuis);
}

} // namespace Longueurs::Estimation
