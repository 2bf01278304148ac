#include "projet/FichierProjet.h"

#include "state/LectureFichier.h"

#include "projet/Cles.h"
#include "regles/TextesProjet.h"
#include "state/EcritureFichier.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace Projet {

namespace {

constexpr auto CleFormat = "format";
constexpr auto CleNotes = "notes";

// The notes on one line, any text written so that it reads back the same:
// backslash and both line-end characters escaped.
QString echappe(const QString &t)
{
    QString r;
    for (const QChar c : t) {
        if (c == u'\\')
            r += QStringLiteral("\\\\");
        else if (c == u'\n')
            r += QStringLiteral("\\n");
        else if (c == u'\r')
            r += QStringLiteral("\\r");
        else
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
            r += t[i] == u'n' ? QChar(u'\n') : t[i] == u'r' ? QChar(u'\r') : t[i];
        } else {
            r += t[i];
        }
    }
    return r;
}

// Only ASCII blanks surround a key or a value: bytes are compared, not
// characters, so that any other byte stays where it is.
bool blanc(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// [debut, fin) narrowed to what is not blank.
void resserre(const QByteArray &o, qsizetype &debut, qsizetype &fin)
{
    while (debut < fin && blanc(o[debut]))
        ++debut;
    while (fin > debut && blanc(o[fin - 1]))
        --fin;
}

QString enTexte(const QByteArray &o, qsizetype debut, qsizetype fin)
{
    return QString::fromUtf8(o.constData() + debut, fin - debut);
}

// Where the line's text ends: before "\n" or "\r\n", and before a carriage
// return that ends the file, which a line added after it turns into a line end.
qsizetype finContenu(const QByteArray &ligne)
{
    if (ligne.endsWith("\r\n"))
        return ligne.size() - 2;
    if (ligne.endsWith('\n') || ligne.endsWith('\r'))
        return ligne.size() - 1;
    return ligne.size();
}

QByteArray ligneNeuve(const QString &cle, const QString &valeur, const QByteArray &finLigne)
{
    return cle.toUtf8() + " = " + valeur.toUtf8() + finLigne;
}

// The line with its value replaced, spacing and line end kept; a space after
// the '=' when the value touched it, as the notes need one to be told apart.
QByteArray remplace(const Ligne &l, const QString &valeur)
{
    QByteArray v = valeur.toUtf8();
    if (l.debut > 0 && l.octets[l.debut - 1] == '=')
        v.prepend(' ');
    QByteArray r = l.octets;
    return r.replace(l.debut, l.fin - l.debut, v);
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
    QHash<QString, QString> siennes;
    for (const Valeur &v : autre.valeurs)
        if (!siennes.contains(v.cle))
            siennes.insert(v.cle, v.valeur);
    return std::all_of(valeurs.begin(), valeurs.end(), [&](const Valeur &v) {
        const auto s = siennes.constFind(v.cle);
        return s != siennes.constEnd() && *s == v.valeur;
    });
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

Lecture lit(const QByteArray &texte, const QList<int> &bandes)
{
    Lecture r;
    Fichier &f = r.fichier;
    f.format = 0;
    f.lu = true;
    // Each key's first line: a later one is not used. Looked up by name, as a
    // file of a megabyte may hold a hundred thousand keys.
    QHash<QString, int> premieres;
    const auto refuse = [&r](int numero, const QString &cle, const QString &valeur,
                             const QString &raison) {
        r.fautes << Textes::ProjetValeurIncorrecte().arg(numero).arg(cle, valeur, raison);
        r.refusees.push_back({numero, cle, valeur, raison});
    };
    for (qsizetype debut = 0; debut < texte.size();) {
        const qsizetype saut = texte.indexOf('\n', debut);
        const qsizetype fin = saut < 0 ? texte.size() : saut + 1;
        Ligne l{texte.mid(debut, fin - debut), {}, 0, 0, std::nullopt};
        debut = fin;
        const int numero = static_cast<int>(f.lignes.size() + 1);
        const QByteArray &o = l.octets;
        const qsizetype contenu = finContenu(o);
        qsizetype d = 0, e = contenu;
        resserre(o, d, e);
        const qsizetype egal = o.indexOf('=');
        qsizetype dc = 0, fc = egal;
        if (egal >= 0 && egal < contenu)
            resserre(o, dc, fc);
        if (d == e || o[d] == '#') {
            // A blank line or a comment.
        } else if (egal < 0 || egal >= contenu || dc == fc) {
            r.fautes << Textes::ProjetLigneIllisible().arg(numero);
        } else if (const QString cle = enTexte(o, dc, fc); premieres.contains(cle)) {
            r.fautes << Textes::ProjetCleEnDouble().arg(numero).arg(cle).arg(premieres[cle]);
        } else {
            premieres.insert(cle, numero);
            l.cle = cle;
            if (cle == QLatin1String(CleNotes)) {
                // All the text after "= ", spaces included.
                l.debut = egal + 1;
                if (l.debut < contenu && o[l.debut] == ' ')
                    ++l.debut;
                l.fin = contenu;
                f.notes = desechappe(enTexte(o, l.debut, l.fin));
                l.lue = f.notes;
            } else {
                l.debut = egal + 1;
                l.fin = contenu;
                resserre(o, l.debut, l.fin);
                if (l.debut == l.fin)
                    l.debut = l.fin = contenu;
                const QString valeur = enTexte(o, l.debut, l.fin);
                if (cle == QLatin1String(CleFormat)) {
                    bool ok = false;
                    const int n = valeur.toInt(&ok);
                    if (!ok || n < 1) {
                        refuse(numero, cle, valeur, Textes::ProjetFormatAttendu());
                    } else {
                        f.format = n;
                        l.lue = QString::number(n);
                    }
                } else if (const Cle *c = Projet::cle(cle); c && fauteValeur(*c, valeur, bandes)) {
                    refuse(numero, cle, valeur, *fauteValeur(*c, valeur, bandes));
                } else {
                    l.lue = valeur;
                    f.valeurs.push_back({cle, valeur});
                }
            }
        }
        f.lignes.push_back(std::move(l));
    }
    if (f.format == 0) {
        r.fautes << Textes::ProjetSansFormat();
        r.sansFormat = true;
        f.format = Format;
    }
    r.lectureSeule = f.format > Format;
    return r;
}

namespace {

QByteArray ecritNeuf(const Fichier &f)
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

} // namespace

QByteArray ecrit(const Fichier &f)
{
    if (!f.lu)
        return ecritNeuf(f);
    // New lines end as the file's first line does.
    const QByteArray finLigne =
        !f.lignes.empty() && f.lignes.front().octets.endsWith("\r\n") ? "\r\n" : "\n";
    const QString format = QString::number(Format);
    const bool avecFormat = std::any_of(f.lignes.begin(), f.lignes.end(), [](const Ligne &l) {
        return l.cle == QLatin1String(CleFormat);
    });
    // A file without its format line gets one after its leading comments.
    std::size_t placeFormat = f.lignes.size();
    if (!avecFormat) {
        placeFormat = 0;
        while (placeFormat < f.lignes.size() &&
               f.lignes[placeFormat].octets.trimmed().startsWith('#'))
            ++placeFormat;
    }
    QHash<QString, const QString *> valeurs;
    for (const Valeur &v : f.valeurs)
        if (!valeurs.contains(v.cle))
            valeurs.insert(v.cle, &v.valeur);
    QByteArray r;
    const auto ajoute = [&](const QByteArray &ligne) {
        if (r.endsWith('\r'))
            r += '\n';
        else if (!r.isEmpty() && !r.endsWith('\n'))
            r += finLigne;
        r += ligne;
    };
    QSet<QString> ecrites;
    for (std::size_t i = 0; i <= f.lignes.size(); ++i) {
        if (!avecFormat && i == placeFormat)
            ajoute(ligneNeuve(QLatin1String(CleFormat), format, finLigne));
        if (i == f.lignes.size())
            break;
        const Ligne &l = f.lignes[i];
        std::optional<QString> nouvelle;
        if (l.cle.isEmpty()) {
        } else if (l.cle == QLatin1String(CleFormat)) {
            // Always this program's format: a newer file saved here becomes one.
            if (l.lue != format)
                nouvelle = format;
        } else if (l.cle == QLatin1String(CleNotes)) {
            if (l.lue != f.notes)
                nouvelle = echappe(f.notes);
        } else if (const QString *v = valeurs.value(l.cle); v && *v != l.lue) {
            nouvelle = *v;
        }
        if (!l.cle.isEmpty())
            ecrites.insert(l.cle);
        r += nouvelle ? remplace(l, *nouvelle) : l.octets;
    }
    for (const Valeur &v : f.valeurs)
        if (!ecrites.contains(v.cle) && v.cle != QLatin1String(CleFormat) &&
            v.cle != QLatin1String(CleNotes))
            ajoute(ligneNeuve(v.cle, v.valeur, finLigne));
    if (!ecrites.contains(QLatin1String(CleNotes)) && !f.notes.isEmpty())
        ajoute(ligneNeuve(QLatin1String(CleNotes), echappe(f.notes), finLigne));
    return r;
}

bool enregistre(const QString &chemin, const Fichier &f, QString &raison)
{
    const bool existait = QFileInfo::exists(chemin);
    const EchecEcriture echec = EcritEnUneFois(chemin, ecrit(f));
    if (echec == EchecEcriture::Aucun)
        return true;
    raison = RaisonEchec(echec, chemin, existait);
    return false;
}

std::optional<QByteArray> charge(const QString &chemin, QString &raison)
{
    QByteArray octets;
    const EchecLecture echec = LitFichierBorne(chemin, TailleMax, octets);
    if (echec == EchecLecture::Aucun)
        return octets;
    raison = RaisonLecture(echec, Textes::ProjetTropGrand().arg(TailleMax / (1024 * 1024)));
    return std::nullopt;
}

} // namespace Projet
