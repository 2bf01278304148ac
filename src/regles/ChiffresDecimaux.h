#pragma once

#include <string>

// |x| written to 18 significant digits, as the decimal roundings of the
// threshold boxes and the lobe caption read it: the digits d1 d2 ... d18 and
// the exponent e such that |x| = d1.d2...d18 x 10^e. Written with a point
// whatever the desktop's regional settings; no digits for an infinity or NaN.
struct ChiffresDecimaux {
    std::string chiffres;
    int exposant = 0;
};
ChiffresDecimaux DixHuitChiffres(double x);
