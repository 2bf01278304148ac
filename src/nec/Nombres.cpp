#include "nec/Nombres.h"

#include "regles/Erreurs.h"
#include "regles/TextesMoteur.h"
#include "regles/TextesNec.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace Nec {

namespace {

// Room for any double in fixed notation with a few decimals (1e308 has 309
// digits); a text that still does not fit is written in its shortest form,
// which always fits, never as whatever the buffer held.
template <class... Format> QString ecrit(double v, Format... format)
{
    char tampon[400];
    auto r = std::to_chars(tampon, tampon + sizeof tampon, v, format...);
    if (r.ec != std::errc())
        r = std::to_chars(tampon, tampon + sizeof tampon, v);
    return QString::fromLatin1(tampon, r.ptr - tampon);
}

} // namespace

QString texte(double v)
{
    return ecrit(v);
}

QString texte(double v, int decimales)
{
    // -0.00 would read as a sign where there is none.
    const QString t = ecrit(v, std::chars_format::fixed, decimales);
    const bool zero =
        std::all_of(t.begin() + 1, t.end(), [](QChar c) { return c == u'0' || c == u'.'; });
    return t.startsWith(u'-') && zero ? t.mid(1) : t;
}

QString champ(double v)
{
    if (!std::isfinite(v))
        leveErreur(Textes::ValeurNonFinie());
    return texte(v);
}

QString champ(double v, int decimales)
{
    if (!std::isfinite(v))
        leveErreur(Textes::ValeurNonFinie());
    return texte(v, decimales);
}

QString champOuVide(double v, int decimales)
{
    return std::isnan(v) ? QString() : champ(v, decimales);
}

QString texteSignificatif(double v, int chiffres)
{
    if (v == 0 || !std::isfinite(v))
        return texte(v == 0 ? 0.0 : v);
    const int rang = static_cast<int>(std::floor(std::log10(std::abs(v))));
    const int decimales = chiffres - 1 - rang;
    if (decimales >= 0) {
        // Rounding may carry into one more digit (99.96 gives 100.0): one
        // decimal fewer then.
        const QString t = texte(v, decimales);
        const double r = std::abs(t.toDouble());
        return r >= std::pow(10.0, rang + 1) && decimales > 0 ? texte(v, decimales - 1) : t;
    }
    const double pas = std::pow(10.0, -decimales);
    return texte(std::round(v / pas) * pas, 0);
}

QString texteLisible(double v)
{
    // QString::number writes a decimal point whatever the locale.
    return QString::number(v, 'g', 12);
}

QString texteArrondi(double v, int decimales)
{
    const double echelle = std::pow(10.0, decimales);
    const double r = std::round(v * echelle) / echelle;
    return texte(r == 0 ? 0.0 : r);
}

std::optional<double> nombre(const QString &texte)
{
    const QByteArray octets = texte.trimmed().toLatin1().replace(',', '.');
    if (octets.isEmpty())
        return std::nullopt;
    const char *debut = octets.constData();
    const char *fin = debut + octets.size();
    // from_chars takes no leading '+', which people type.
    if (*debut == '+')
        ++debut;
    double v = 0;
    const auto r = std::from_chars(debut, fin, v);
    if (r.ec != std::errc() || r.ptr != fin || !std::isfinite(v))
        return std::nullopt;
    return v;
}

double nombreChamp(const QString &texte, const QString &champ)
{
    if (const auto v = nombre(texte))
        return *v;
    leveErreur(Textes::NecPasUnNombre().arg(champ, texte));
}

} // namespace Nec
