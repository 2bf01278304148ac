#include "regles/ChiffresDecimaux.h"

#include <charconv>
#include <cmath>

ChiffresDecimaux DixHuitChiffres(double x)
{
    ChiffresDecimaux d;
    if (!std::isfinite(x))
        return d;
    char tampon[64];
    const char *fin = std::to_chars(tampon, tampon + sizeof tampon, std::fabs(x),
                                    std::chars_format::scientific, 17)
                          .ptr;
    const char *p = tampon;
    for (; *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.chiffres.push_back(*p);
    ++p;
    if (*p == '+')
        ++p;
    std::from_chars(p, fin, d.exposant);
    return d;
}
