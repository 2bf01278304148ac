#include "regles/Arithmetique.h"

#include "regles/Erreurs.h"

#include <cmath>
#include <limits>

namespace Arith {

namespace {

constexpr long double MinInt32 = std::numeric_limits<std::int32_t>::min();
constexpr long double MaxInt32 = std::numeric_limits<std::int32_t>::max();

std::int32_t verifieEntier(std::int64_t v)
{
    if (v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max())
        leveErreur(Textes::DebordementEntier());
    return static_cast<std::int32_t>(v);
}

// Rounds with the current mode, nearest with ties to even; rintl rather than
// nearbyintl, which is many times slower for the same result.
long double arrondiPair(long double x)
{
    return std::rintl(x);
}

} // namespace

std::int32_t somme(std::int32_t a, std::int32_t b)
{
    return verifieEntier(std::int64_t{a} + b);
}

std::int32_t difference(std::int32_t a, std::int32_t b)
{
    return verifieEntier(std::int64_t{a} - b);
}

std::int32_t produit(std::int32_t a, std::int32_t b)
{
    return verifieEntier(std::int64_t{a} * b);
}

long double verifie(long double x)
{
    if (std::isnan(x))
        leveErreur(Textes::OperationIncorrecte());
    if (std::isinf(x))
        leveErreur(Textes::DebordementReel());
    return x;
}

std::int32_t arrondi(long double x)
{
    const long double r = arrondiPair(verifie(x));
    if (r < MinInt32 || r > MaxInt32)
        leveErreur(Textes::VerificationEtendue());
    // +0.0 for -0.0, so that a result never prints as "-0".
    return static_cast<std::int32_t>(r);
}

std::int64_t arrondi64(long double x)
{
    const long double r = arrondiPair(verifie(x));
    constexpr long double borne = 9223372036854775808.0L; // 2^63
    if (r < -borne || r >= borne)
        leveErreur(Textes::VerificationEtendue());
    return static_cast<std::int64_t>(r);
}

std::int32_t tronque(long double x)
{
    const long double r = std::truncl(verifie(x));
    if (r < MinInt32 || r > MaxInt32)
        leveErreur(Textes::VerificationEtendue());
    return static_cast<std::int32_t>(r);
}

long double divise(long double a, long double b)
{
    verifie(a);
    verifie(b);
    if (b == 0) {
        if (a == 0)
            leveErreur(Textes::OperationIncorrecte());
        leveErreur(Textes::DivisionParZero());
    }
    return verifie(a / b);
}

double versDouble(long double x)
{
    verifie(x);
    if (std::fabs(x) > static_cast<long double>(std::numeric_limits<double>::max()))
        leveErreur(Textes::DebordementReel());
    return static_cast<double>(x);
}

std::int32_t StrToInt(const QString &texte)
{
    const auto incorrect = [&]() -> std::int32_t {
        leveErreur(Textes::EntierIncorrect().arg(texte));
    };
    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n && texte[i] == u' ')
        ++i;
    bool negatif = false;
    if (i < n && (texte[i] == u'+' || texte[i] == u'-')) {
        negatif = texte[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && texte[i] == u'$') {
        base = 16;
        ++i;
    }
    if (i == n)
        return incorrect();
    std::int64_t valeur = 0;
    for (; i < n; ++i) {
        const char16_t c = texte[i].unicode();
        int chiffre;
        if (c >= u'0' && c <= u'9')
            chiffre = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            chiffre = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            chiffre = c - u'A' + 10;
        else
            return incorrect();
        valeur = valeur * base + chiffre;
        if (valeur > std::int64_t{1} << 32)
            return incorrect();
    }
    if (negatif)
        valeur = -valeur;
    if (valeur < std::numeric_limits<std::int32_t>::min() ||
        valeur > std::numeric_limits<std::int32_t>::max())
        return incorrect();
    return static_cast<std::int32_t>(valeur);
}

} // namespace Arith
