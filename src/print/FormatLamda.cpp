#include "print/FormatLamda.h"

#include "regles/ChiffresDecimaux.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr int Precision = 2; // significant digits kept
constexpr int Decimales = 2; // decimals kept and written

// The value as decimal digits d1 d2 ... and an exponent e, value = 0.d1d2... x 10^e,
// without trailing zeros; no digits for zero.
struct Decimal {
    std::string chiffres;
    int exposant = 0;
};

// The rounding works on the decimal expansion to 18 significant digits, not on
// the binary value: the double nearest 1.15 reads 1.14999999999999991 and
// stays 1.1, while 0.125 is exactly 0.125 and goes up to 0.13.
Decimal decimal(double valeur)
{
    const ChiffresDecimaux c = DixHuitChiffres(valeur);
    return {c.chiffres, c.exposant + 1};
}

void arrondit(Decimal &d)
{
    const int garde = std::min(Precision, d.exposant + Decimales);
    if (garde < 0) {
        d.chiffres.clear();
        return;
    }
    const bool monte = garde < static_cast<int>(d.chiffres.size()) && d.chiffres[garde] >= '5';
    d.chiffres.resize(static_cast<std::size_t>(garde));
    if (monte) {
        int i = garde - 1;
        for (; i >= 0 && d.chiffres[i] == '9'; --i)
            d.chiffres[i] = '0';
        if (i >= 0) {
            ++d.chiffres[i];
        } else { // 99 -> 100, or nothing kept -> 1 in the next place up
            d.chiffres.insert(d.chiffres.begin(), '1');
            ++d.exposant;
        }
    }
    while (!d.chiffres.empty() && d.chiffres.back() == '0')
        d.chiffres.pop_back();
}

char chiffre(const Decimal &d, int i)
{
    return i >= 0 && i < static_cast<int>(d.chiffres.size()) ? d.chiffres[i] : '0';
}

} // namespace

QString SeparateurRegional()
{
    return QLocale::system().decimalPoint();
}

QString FormatLamda(double valeur, const QString &separateur)
{
    if (std::isnan(valeur))
        return QStringLiteral("NAN");
    if (std::isinf(valeur))
        return valeur > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");

    Decimal d = decimal(valeur);
    if (d.chiffres.find_first_not_of('0') == std::string::npos)
        d = {};
    else
        arrondit(d);

    // A rounded zero carries no sign.
    std::string texte = !d.chiffres.empty() && std::signbit(valeur) ? "-" : "";
    if (d.exposant > Precision) {
        texte += d.chiffres[0];
        if (d.chiffres.size() > 1)
            texte += '.' + d.chiffres.substr(1);
        texte += 'E' + std::to_string(d.exposant - 1);
    } else {
        if (d.exposant <= 0 || d.chiffres.empty())
            texte += '0';
        else
            for (int i = 0; i < d.exposant; ++i)
                texte += chiffre(d, i);
        texte += '.';
        for (int i = 0; i < Decimales; ++i)
            texte += chiffre(d, d.exposant + i);
    }
    return QString::fromStdString(texte).replace(QLatin1Char('.'), separateur);
}
