#include "calc/Seuils.h"

#include "regles/ChiffresDecimaux.h"

#include <charconv>
#include <cmath>
#include <string>

namespace Seuils {

namespace {

// Exact comparisons of a double with the decimal bounds: 5·x is exact in long
// double (53 + 3 bits), so "x < 0.8" is "5·x < 4" with no rounding at all.
bool sousHuitDixiemes(double x)
{
    return 5.0L * x < 4.0L;
}
bool sousSixDixiemes(double x)
{
    return 5.0L * x < 3.0L;
}

// The digits of |x| in fixed notation, as they read before the one-decimal
// rounding.
std::string chiffresFixes(double a)
{
    // Written with a point whatever the desktop's regional settings.
    char tampon[400];
    if (a < 10) {
        const auto r =
            std::to_chars(tampon, tampon + sizeof tampon, a, std::chars_format::fixed, 17);
        return std::string(tampon, r.ptr);
    }
    // 18 significant digits, the rest of the integer part written as zeros.
    auto [chiffres, exposant] = DixHuitChiffres(a);
    const int entiers = exposant + 1;
    if (static_cast<int>(chiffres.size()) < entiers)
        chiffres.append(entiers - chiffres.size(), '0');
    return chiffres.substr(0, entiers) + '.' + chiffres.substr(entiers) + "00";
}

} // namespace

double corrige(Genre genre, double valeur, double seuilBas)
{
    if (valeur >= 1)
        valeur /= 10;
    switch (genre) {
    case Genre::Bas:
        if (sousHuitDixiemes(valeur))
            valeur = 0.8;
        break;
    case Genre::Moyen:
        if (valeur > seuilBas || sousSixDixiemes(valeur))
            valeur = 0.6;
        break;
    case Genre::Haut:
        if (valeur > 0.5)
            valeur = 0.3;
        break;
    }
    return valeur;
}

QString formate(double valeur)
{
    std::string fixe = chiffresFixes(std::fabs(valeur));
    const std::size_t point = fixe.find('.');
    std::string entier = fixe.substr(0, point);
    const std::string fraction = fixe.substr(point + 1) + "00";
    int dixiemes = fraction[0] - '0';
    if (fraction[1] >= '5') {
        if (++dixiemes == 10) {
            dixiemes = 0;
            // Carry into the integer part, from its last digit.
            int i = static_cast<int>(entier.size()) - 1;
            for (; i >= 0 && entier[i] == '9'; --i)
                entier[i] = '0';
            if (i < 0)
                entier.insert(entier.begin(), '1');
            else
                ++entier[i];
        }
    }
    const bool zero = entier.find_first_not_of('0') == std::string::npos && dixiemes == 0;
    const std::string signe = (valeur < 0 && !zero) ? "-" : "";
    return QString::fromStdString(signe + entier + '.' + char('0' + dixiemes));
}

} // namespace Seuils
