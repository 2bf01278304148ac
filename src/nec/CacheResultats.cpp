#include "nec/CacheResultats.h"

#include "nec/Modele.h"
#include "nec/Moteur.h"
#include "nec/Nombres.h"
#include "state/EcritureFichier.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <atomic>
#include <cmath>

namespace Nec::CacheResultats {

namespace {

std::atomic<bool> desactivee{false};
// The format's name and version: an entry of another version is not read,
// only computed again; both are pruned as the program's own.
constexpr auto Format = "kesu-resultats";
constexpr auto Version = "2";
// The engine's grid files begin so (nec2c/corrections/06-grilles-controlees.patch).
constexpr auto FormatGrille = "nec2c-kesu somnec ";
constexpr auto Grilles = "grilles";
// The engine reports each frequency to a few digits: an answer is the
// deck's frequency when within this share of it, as for a run's output.
constexpr double EcartFrequence = 1e-4;

// The file that says a folder is the program's own, and what it holds.
constexpr auto Marque = ".kesu-cache";
constexpr auto TexteMarque = "kesu nec2c cache\n";

QByteArray condense(const QByteArray &octets)
{
    return QCryptographicHash::hash(octets, QCryptographicHash::Sha256).toHex();
}

// One answer a line: frequency, R, X, the wire's loss, whether it is missing.
QByteArray corps(const std::vector<ImpedanceB> &z)
{
    QByteArray t;
    for (const ImpedanceB &r : z)
        t += QStringList{Nec::texte(r.frequenceMHz), Nec::texte(r.z.real()), Nec::texte(r.z.imag()),
                         Nec::texte(r.perteFilPct),
                         r.manquante ? QStringLiteral("1") : QStringLiteral("0")}
                 .join(u' ')
                 .toLatin1() +
             '\n';
    return t;
}

QByteArray premiereLigne(const QString &chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readLine(128);
}

bool hexadecimal(QStringView nom)
{
    return std::all_of(nom.begin(), nom.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
    });
}

// An entry of the program: 64 hexadecimal digits, and its format's first line.
bool nomEntree(const QString &nom)
{
    return nom.size() == 64 && hexadecimal(nom);
}

bool entreeNotre(const QFileInfo &f)
{
    return nomEntree(f.fileName()) &&
           premiereLigne(f.filePath()).startsWith(QByteArray(Format) + ' ');
}

// A grid of the engine: two 16-digit halves of the dielectric constant's
// bits, perhaps followed by the process number of a write that never ended;
// and the engine's first line.
bool nomGrille(const QString &nom)
{
    const qsizetype point = nom.indexOf(u'.');
    const QStringView base = QStringView(nom).left(point < 0 ? nom.size() : point);
    if (base.size() != 33 || base[16] != u'-' || !hexadecimal(base.left(16)) ||
        !hexadecimal(base.mid(17)))
        return false;
    if (point < 0)
        return true;
    const QStringView processus = QStringView(nom).mid(point + 1);
    return !processus.isEmpty() && std::all_of(processus.begin(), processus.end(),
                                               [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool grilleNotre(const QFileInfo &f)
{
    return nomGrille(f.fileName()) && premiereLigne(f.filePath()).startsWith(FormatGrille);
}

bool marque(const QString &chemin)
{
    QFile f(QDir(chemin).filePath(QString::fromLatin1(Marque)));
    return f.open(QIODevice::ReadOnly) && f.read(64) == TexteMarque;
}

// The folder, made when missing; it becomes the program's own (marked) when
// the program makes it, when it is empty, or when `sienParNom` (a name only
// the program gives, in a folder of its own). False when it cannot be had.
bool prepare(const QString &chemin, bool sienParNom)
{
    QDir d(chemin);
    const bool existait = d.exists();
    if (!existait && !QDir().mkpath(chemin))
        return false;
    if (!marque(chemin) &&
        (!existait || sienParNom ||
         d.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)))
        EcritEnUneFois(d.filePath(QString::fromLatin1(Marque)), TexteMarque);
    return true;
}

// Once the folder holds more than `max` of the program's files, the oldest
// go: only in a folder of the program's, only its own files.
void elague(const QString &chemin, int max, bool (*notre)(const QFileInfo &),
            bool (*nom)(const QString &))
{
    if (!marque(chemin))
        return;
    QFileInfoList fichiers = QDir(chemin).entryInfoList(QDir::Files, QDir::Time);
    fichiers.removeIf([nom](const QFileInfo &f) { return !nom(f.fileName()); });
    for (qsizetype i = max; i < fichiers.size(); ++i)
        if (notre(fichiers[i]))
            QFile::remove(fichiers[i].filePath());
}

// Another engine's grids: removed only from a folder of the program's that
// holds nothing but its grids.
void retireGrilles(const QString &chemin)
{
    QDir d(chemin);
    if (!marque(chemin))
        return;
    const QFileInfoList tout =
        d.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &f : tout)
        if (f.fileName() != QLatin1String(Marque) &&
            (!f.isFile() || f.isSymLink() || !grilleNotre(f)))
            return;
    for (const QFileInfo &f : tout)
        if (f.fileName() != QLatin1String(Marque))
            QFile::remove(f.filePath());
    QFile::remove(d.filePath(QString::fromLatin1(Marque)));
    QDir().rmdir(chemin);
}

// A deck asking for radiation patterns: its answers are more than the
// impedances an entry keeps, so it is computed each time.
bool avecDiagrammes(const QByteArray &deck)
{
    return deck.startsWith("RP ") || deck.contains("\nRP ");
}

} // namespace

QByteArray cle(const QString &programme, const QByteArray &deck)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(identiteMoteur(programme));
    h.addData(QByteArrayView("\n"));
    h.addData(deck);
    return h.result().toHex();
}

QByteArray entree(const QByteArray &cle, const std::vector<ImpedanceB> &z)
{
    const QByteArray c = corps(z);
    return QByteArray(Format) + ' ' + Version + ' ' + cle + ' ' + condense(c) + '\n' + c;
}

// Any fault makes the entry unreadable: nothing is half-read.
std::optional<std::vector<ImpedanceB>> litEntree(const QByteArray &octets, const QByteArray &cle,
                                                 const std::vector<double> &frequences)
{
    const qsizetype fin = octets.indexOf('\n');
    if (fin < 0 || frequences.empty())
        return std::nullopt;
    const QByteArray c = octets.mid(fin + 1);
    if (octets.left(fin) != QByteArray(Format) + ' ' + Version + ' ' + cle + ' ' + condense(c))
        return std::nullopt;
    const QList<QByteArray> lignes = c.split('\n');
    if (std::size_t(lignes.size()) != frequences.size() + 1 || !lignes.back().isEmpty())
        return std::nullopt;
    std::vector<ImpedanceB> z;
    for (std::size_t i = 0; i < frequences.size(); ++i) {
        const QList<QByteArray> m = lignes[qsizetype(i)].split(' ');
        if (m.size() != 5 || (m[4] != "0" && m[4] != "1"))
            return std::nullopt;
        // NaN and infinities are kept as such (a band's reason comes from them).
        double v[4];
        for (int k = 0; k < 4; ++k) {
            bool ok = false;
            v[k] = m[k].toDouble(&ok);
            if (!ok)
                return std::nullopt;
        }
        if (!(std::abs(v[0] - frequences[i]) <= EcartFrequence * frequences[i]))
            return std::nullopt;
        z.push_back({v[0], {v[1], v[2]}, m[4] == "1", v[3]});
    }
    return z;
}

void desactive()
{
    desactivee = true;
}

bool actif()
{
    return !desactivee && qEnvironmentVariableIsEmpty("KESU_SANS_CACHE");
}

QString dossier()
{
    if (const QString d = qEnvironmentVariable("KESU_CACHE"); !d.isEmpty())
        return d;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
        .filePath(QStringLiteral("kesu/nec2c"));
}

namespace {

// The user's cache folder under the program's name is the program's own,
// even when an earlier version made it without the mark.
bool dossierParDefaut()
{
    return qEnvironmentVariableIsEmpty("KESU_CACHE");
}

} // namespace

std::optional<std::vector<ImpedanceB>> lit(const QString &programme, const QByteArray &deck)
{
    if (!actif() || avecDiagrammes(deck))
        return std::nullopt;
    const QByteArray c = cle(programme, deck);
    QFile f(QDir(dossier()).filePath(QString::fromLatin1(c)));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    // An entry not trusted is left for the computation's answer to replace.
    return litEntree(f.readAll(), c, frequencesDemandees(deck));
}

void ecrit(const QString &programme, const QByteArray &deck, const std::vector<ImpedanceB> &z)
{
    if (!actif() || avecDiagrammes(deck) || !prepare(dossier(), dossierParDefaut()))
        return;
    const QByteArray c = cle(programme, deck);
    if (EcritEnUneFois(QDir(dossier()).filePath(QString::fromLatin1(c)), entree(c, z)) !=
        EchecEcriture::Aucun)
        return;
    elague(dossier(), EntreesMax, entreeNotre, nomEntree);
}

QString dossierGrilles(const QString &programme)
{
    if (!actif())
        return {};
    const QString racine = dossier();
    if (!prepare(racine, dossierParDefaut()))
        return {};
    // Grids from another build of the engine are not this one's.
    const QString nom = QString::fromLatin1(cle(programme, {}).left(16));
    const QString grilles = QDir(racine).filePath(QString::fromLatin1(Grilles));
    if (!prepare(grilles, marque(racine)))
        return {};
    const QString chemin = QDir(grilles).filePath(nom);
    if (!QFileInfo::exists(chemin) && marque(grilles))
        for (const QString &autre : QDir(grilles).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            retireGrilles(QDir(grilles).filePath(autre));
    if (!prepare(chemin, marque(grilles)))
        return {};
    elague(chemin, GrillesMax, grilleNotre, nomGrille);
    return chemin;
}

} // namespace Nec::CacheResultats
