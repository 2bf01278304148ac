#include "StrToReal.h"

#include <charconv>
#include <limits>
#include <string>

namespace {

bool chiffre(char c)
{
    return c >= '0' && c <= '9';
}

// Whether a number that no double can hold is too large (rather than too
// small): its first significant digit stands at or above the units' place.
bool tropGrand(const std::string &nombre)
{
    long long rang = 0; // places of the first significant digit above the units
    bool trouve = false;
    bool apresPoint = false;
    std::size_t i = 0;
    for (; i < nombre.size() && nombre[i] != 'e'; ++i) {
        const char c = nombre[i];
        if (c == '.') {
            apresPoint = true;
        } else if (chiffre(c)) {
            if (!trouve && c != '0') {
                trouve = true;
                if (apresPoint)
                    break;
            }
            if (trouve && !apresPoint)
                ++rang;
            else if (!trouve && apresPoint)
                --rang;
        }
    }
    const std::size_t e = nombre.find('e');
    if (e != std::string::npos) {
        const bool moins = nombre[e + 1] == '-';
        long long exposant = 0;
        for (std::size_t j = e + 1; j < nombre.size(); ++j)
            if (chiffre(nombre[j]) && exposant < 1'000'000'000)
                exposant = exposant * 10 + (nombre[j] - '0');
        rang += moins ? -exposant : exposant;
    }
    return rang > 0;
}

} // namespace

extern "C" long double StrToReal(const char *texte)
{
    if (texte == nullptr)
        return 0;
    const char *p = texte;
    while (*p == ' ' || *p == '\t')
        ++p;

    // Copy the number with a point as its separator; from_chars reads it the
    // same way whatever the desktop's regional settings.
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
    // from_chars is correctly rounded: the nearest double to the decimal text.
    // Out of range it leaves the value alone; overflow then becomes an infinity
    // of the text's sign (reported as a floating-point overflow) and underflow
    // a zero of that sign.
    double valeur = 0;
    const char *debut = nombre.data();
    const char *fin = debut + nombre.size();
    if (*debut == '+')
        ++debut;
    const auto [ptr, ec] = std::from_chars(debut, fin, valeur);
    if (ec == std::errc::result_out_of_range) {
        valeur = tropGrand(nombre) ? std::numeric_limits<double>::infinity() : 0.0;
        if (*debut == '-')
            valeur = -valeur;
    }
    return static_cast<long double>(valeur);
}
