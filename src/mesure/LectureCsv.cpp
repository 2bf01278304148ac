#include "mesure/Collecte.h"
#include "regles/TextesMesure.h"

#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <optional>

// CSV from analyzers: a header line, then a line per frequency, fields
// separated by commas, semicolons or tabs (whichever the header uses), numbers
// with a decimal point. The header names the frequency with its unit, and
// either R and X at the point measured (ohms) or the real and imaginary parts
// of S11 against 50 ohms; other columns (SWR, |Z|, phase…) are left aside.
namespace Mesure {

namespace {

enum class Role { Frequence, R, X, SReel, SImag };

// A header's words, lower case, accents and units' punctuation gone:
// "Fréquence (MHz)" gives {"frequence", "mhz"}.
QStringList mots(QString entete)
{
    entete = entete.normalized(QString::NormalizationForm_D).toLower();
    entete.remove(QRegularExpression(QStringLiteral("[\\x{0300}-\\x{036f}]")));
    return entete.split(QRegularExpression(QStringLiteral("[^a-z0-9]+")), Qt::SkipEmptyParts);
}

struct Colonne {
    Role role;
    double uniteHz = 1;
};

std::optional<Colonne> colonne(const QString &entete)
{
    QStringList m = mots(entete);
    if (m.isEmpty())
        return std::nullopt;
    if (m.first().startsWith(QStringLiteral("freq"))) {
        static const std::array<std::pair<const char *, double>, 4> Unites{
            {{"hz", 1}, {"khz", 1e3}, {"mhz", 1e6}, {"ghz", 1e9}}};
        for (const auto &[nom, facteur] : Unites)
            if (m.contains(QLatin1String(nom)))
                return Colonne{Role::Frequence, facteur};
        return std::nullopt; // a frequency without its unit is not read
    }
    m.removeAll(QStringLiteral("ohm"));
    m.removeAll(QStringLiteral("ohms"));
    const QString n = m.join(u' ');
    static const QStringList Rs{"r", "rs", "resistance", "re z", "real z", "z re", "z real", "zr"};
    static const QStringList Xs{"x", "xs", "reactance", "im z", "imag z", "z im", "z imag", "zi"};
    static const QStringList Sr{"re", "real", "s11 re", "re s11", "s11 real", "real s11", "s11r"};
    static const QStringList Si{"im", "imag", "s11 im", "im s11", "s11 imag", "imag s11", "s11i"};
    if (Rs.contains(n))
        return Colonne{Role::R};
    if (Xs.contains(n))
        return Colonne{Role::X};
    if (Sr.contains(n))
        return Colonne{Role::SReel};
    if (Si.contains(n))
        return Colonne{Role::SImag};
    return std::nullopt;
}

QList<QByteArray> champs(const QByteArray &ligne, char separateur)
{
    QList<QByteArray> c = ligne.split(separateur);
    for (QByteArray &x : c) {
        x = x.trimmed();
        if (x.size() >= 2 && x.startsWith('"') && x.endsWith('"'))
            x = x.mid(1, x.size() - 2).trimmed();
    }
    return c;
}

} // namespace

Releve litCsv(const QByteArray &octets, const QString &nom)
{
    Collecte c(nom);
    const QList<QByteArray> l = lignes(octets);
    int numero = 0;
    while (numero < l.size() && l[numero].trimmed().isEmpty())
        ++numero;
    if (numero == l.size())
        c.refuseFichier(Textes::MesureVide());
    QByteArray entete = l[numero];
    if (entete.startsWith("\xEF\xBB\xBF"))
        entete.remove(0, 3);
    const char separateur = entete.contains(';') ? ';' : entete.contains('\t') ? '\t' : ',';
    const QList<QByteArray> noms = champs(entete, separateur);
    std::array<qsizetype, 5> place;
    place.fill(-1);
    double uniteHz = 1;
    for (qsizetype i = 0; i < noms.size(); ++i)
        if (const auto col = colonne(QString::fromUtf8(noms[i]));
            col && place[static_cast<int>(col->role)] < 0) {
            place[static_cast<int>(col->role)] = i;
            if (col->role == Role::Frequence)
                uniteHz = col->uniteHz;
        }
    const auto a = [&](Role r) { return place[static_cast<int>(r)] >= 0; };
    const bool enZ = a(Role::R) && a(Role::X);
    if (!a(Role::Frequence) || (!enZ && !(a(Role::SReel) && a(Role::SImag))))
        c.refuse(numero + 1, Textes::MesureEnTete().arg(QString::fromUtf8(entete.left(120))));
    const qsizetype p = place[static_cast<int>(enZ ? Role::R : Role::SReel)];
    const qsizetype q = place[static_cast<int>(enZ ? Role::X : Role::SImag)];
    const qsizetype pf = place[static_cast<int>(Role::Frequence)];
    for (++numero; numero < l.size(); ++numero) {
        if (l[numero].trimmed().isEmpty())
            continue;
        const QList<QByteArray> v = champs(l[numero], separateur);
        if (v.size() != noms.size())
            c.refuse(numero + 1, Textes::MesureColonnes().arg(v.size()).arg(noms.size()));
        const Complexe valeur{c.nombre(numero + 1, v[p]), c.nombre(numero + 1, v[q])};
        c.ajoute(numero + 1, c.nombre(numero + 1, v[pf]) * uniteHz,
                 enZ ? reflexion(valeur, 50) : valeur, v[pf]);
    }
    return c.fin();
}

} // namespace Mesure
