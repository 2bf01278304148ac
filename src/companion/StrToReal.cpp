#include "StrToReal.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool chiffre(char c) { return c >= '0' && c <= '9'; }

} // namespace

extern "C" long double StrToReal(const char *texte)
{
    if (texte == nullptr)
        return 0;
    const char *p = texte;
    while (*p == ' ' || *p == '\t')
        ++p;

    // Copy the number in the "C" locale's form, so that strtod never depends
    // on the user's regional settings.
    std::string nombre;
    if (*p == '+' || *p == '-')
        nombre += *p++;
    bool vuChiffre = false;
    while (chiffre(*p)) {
        nombre += *p++;
        vuChiffre = true;
    }
    if (*p == '.' || *p == ',') {
        ++p;
        nombre += '.';
        while (chiffre(*p)) {
            nombre += *p++;
            vuChiffre = true;
        }
    }
    if (!vuChiffre)
        return 0;
    if (*p == 'e' || *p == 'E') {
        const char *q = p + 1;
        std::string exposant = "e";
        if (*q == '+' || *q == '-')
            exposant += *q++;
        if (chiffre(*q)) {
            while (chiffre(*q))
                exposant += *q++;
            nombre += exposant;
        }
    }
    // strtod is correctly rounded: the nearest double to the decimal text.
    errno = 0;
    const double valeur = std::strtod(nombre.c_str(), nullptr);
    return static_cast<long double>(valeur);
}
