#include "projet/FichierProjet.h"

#include "projet/Cles.h"
#include "regles/TextesProjet.h"

#include <QFile>
#include <QSaveFile>

namespace Projet {

namespace {

constexpr auto CleFormat = "format";
constexpr auto CleNotes = "notes";

// The notes on one line: backslash and line ends escaped.
QString echappe(const QString &t)
{
    QString r;
    for (const QChar c : t) {
        if (c == u'\\')
            r += QStringLiteral("\\\\");
        else if (c == u'\n')
            r += QStringLiteral("\\n");
        else if (c != u'\r')
            r += c;
    }
    return r;
}

QString desechappe(const QString &t)
{
    QString r;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == u'\\' && i + 1 < t.size()) {
            ++i;
            r += t[i] == u'n' ? QChar(u'\n') : t[i];
        } else {
            r += t[i];
        }
    }
    return r;
}

} // namespace

std::optional<QString> Fichier::valeur(const QString &cle) const
{
    for (const Valeur &v : valeurs)
        if (v.cle == cle)
            return v.valeur;
    return std::nullopt;
}

bool Fichier::operator==(const Fichier &autre) const
{
    if (format != autre.format || notes != autre.notes || valeurs.size() != autre.valeurs.size())
        return false;
    for (const Valeur &v : valeurs)
        if (autre.valeur(v.cle) != v.valeur)
            return false;
    return true;
}

void Fichier::pose(const QString &cle, const QString &valeur)
{
    for (Valeur &v : valeurs)
        if (v.cle == cle) {
            v.valeur = valeur;
            return;
        }
    valeurs.push_back({cle, valeur});
}

Lecture lit(const QByteArray &texte)
{
    Lecture r;
    r.fichier.format = 0;
    const QStringList lignes = QString::fromUtf8(texte).split(u'\n');
    for (qsizetype n = 0; n < lignes.size(); ++n) {
        const QString ligne = lignes[n].trimmed();
        if (ligne.isEmpty() || ligne.startsWith(u'#'))
            continue;
        const qsizetype egal = ligne.indexOf(u'=');
        const int numero = static_cast<int>(n + 1);
        if (egal <= 0) {
            r.fautes << Textes::ProjetLigneIllisible().arg(numero);
            continue;
        }
        const QString cle = ligne.left(egal).trimmed();
        const QString valeur = ligne.mid(egal + 1).trimmed();
        if (cle == QLatin1String(CleFormat)) {
            bool ok = false;
            const int f = valeur.toInt(&ok);
            if (!ok || f < 1)
                r.fautes << Textes::ProjetValeurIncorrecte().arg(numero).arg(
                    cle, valeur, Textes::ProjetPasUnEntier());
            else
                r.fichier.format = f;
            continue;
        }
        if (cle == QLatin1String(CleNotes)) {
            r.fichier.notes = desechappe(valeur);
            continue;
        }
        if (const Cle *c = Projet::cle(cle)) {
            if (const auto faute = fauteValeur(*c, valeur)) {
                r.fautes << Textes::ProjetValeurIncorrecte().arg(numero).arg(cle, valeur, *faute);
                continue;
            }
        }
        r.fichier.pose(cle, valeur);
    }
    if (r.fichier.format == 0) {
        r.fautes << Textes::ProjetSansFormat();
        r.fichier.format = Format;
    }
    r.lectureSeule = r.fichier.format > Format;
    return r;
}

QByteArray ecrit(const Fichier &f)
{
    QString t = Textes::ProjetEnTete() + u'\n';
    t += QStringLiteral("%1 = %2\n").arg(QLatin1String(CleFormat)).arg(Format);
    // The known keys in the program's order, then the others as they came.
    for (const Cle &c : cles())
        if (const auto v = f.valeur(QLatin1String(c.nom)))
            t += QStringLiteral("%1 = %2\n").arg(QLatin1String(c.nom), *v);
    for (const Valeur &v : f.valeurs)
        if (!cle(v.cle))
            t += QStringLiteral("%1 = %2\n").arg(v.cle, v.valeur);
    t += QStringLiteral("%1 = %2\n").arg(QLatin1String(CleNotes), echappe(f.notes));
    return t.toUtf8();
}

bool enregistre(const QString &chemin, const Fichier &f, QString &raison)
{
    QSaveFile s(chemin);
    if (!s.open(QIODevice::WriteOnly) || s.write(ecrit(f)) < 0 || !s.commit()) {
        raison = s.errorString();
        return false;
    }
    return true;
}

std::optional<QByteArray> charge(const QString &chemin, QString &raison)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        raison = f.errorString();
        return std::nullopt;
    }
    return f.readAll();
}

} // namespace Projet
