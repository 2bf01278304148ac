#include "nec/CacheResultats.h"

#include "nec/Moteur.h"
#include "nec/Nombres.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <atomic>
#include <cmath>

namespace Nec::CacheResultats {

namespace {

std::atomic<bool> desactivee{false};
constexpr auto EnTete = "kesu-resultats 1";

QByteArray empreinte(const QString &programme, const QByteArray &deck)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(identiteMoteur(programme));
    h.addData(QByteArrayView("\n"));
    h.addData(deck);
    return h.result().toHex();
}

QString chemin(const QString &programme, const QByteArray &deck)
{
    return QDir(dossier()).filePath(QString::fromLatin1(empreinte(programme, deck)));
}

// One answer a line: frequency, R, X, the wire's loss, whether it is missing.
QByteArray texte(const std::vector<ImpedanceB> &z)
{
    QByteArray t = QByteArray(EnTete) + '\n';
    for (const ImpedanceB &r : z)
        t += QStringList{Nec::texte(r.frequenceMHz), Nec::texte(r.z.real()), Nec::texte(r.z.imag()),
                         Nec::texte(r.perteFilPct),
                         r.manquante ? QStringLiteral("1") : QStringLiteral("0")}
                 .join(u' ')
                 .toLatin1() +
             '\n';
    return t;
}

// Any fault makes the entry unreadable: nothing is half-read.
std::optional<std::vector<ImpedanceB>> lu(const QByteArray &t)
{
    QList<QByteArray> lignes = t.split('\n');
    if (lignes.size() < 3 || lignes.front() != EnTete || !lignes.back().isEmpty())
        return std::nullopt;
    std::vector<ImpedanceB> z;
    for (qsizetype i = 1; i + 1 < lignes.size(); ++i) {
        const QList<QByteArray> m = lignes[i].split(' ');
        if (m.size() != 5 || (m[4] != "0" && m[4] != "1"))
            return std::nullopt;
        // NaN and infinities are kept as such (a band's reason comes from them).
        double v[4];
        for (int k = 0; k < 4; ++k) {
            bool ok = false;
            v[k] = QByteArray(m[k]).toDouble(&ok);
            if (!ok)
                return std::nullopt;
        }
        z.push_back({v[0], {v[1], v[2]}, m[4] == "1", v[3]});
    }
    return z;
}

// The oldest entries go once there are too many.
void elague(const QString &chemin, int max)
{
    QDir d(chemin);
    const QFileInfoList entrees = d.entryInfoList(QDir::Files, QDir::Time);
    for (qsizetype i = max; i < entrees.size(); ++i)
        QFile::remove(entrees[i].filePath());
}

constexpr auto Grilles = "grilles";

// A deck asking for radiation patterns: its answers are more than the
// impedances an entry keeps, so it is computed each time.
bool avecDiagrammes(const QByteArray &deck)
{
    return deck.startsWith("RP ") || deck.contains("\nRP ");
}

} // namespace

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

std::optional<std::vector<ImpedanceB>> lit(const QString &programme, const QByteArray &deck)
{
    if (!actif() || avecDiagrammes(deck))
        return std::nullopt;
    QFile f(chemin(programme, deck));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    auto z = lu(f.readAll());
    f.close();
    if (!z)
        f.remove();
    return z;
}

void ecrit(const QString &programme, const QByteArray &deck, const std::vector<ImpedanceB> &z)
{
    if (!actif() || avecDiagrammes(deck) || !QDir().mkpath(dossier()))
        return;
    QSaveFile f(chemin(programme, deck));
    if (!f.open(QIODevice::WriteOnly) || f.write(texte(z)) < 0 || !f.commit())
        return;
    elague(dossier(), EntreesMax);
}

QString dossierGrilles(const QString &programme)
{
    if (!actif())
        return {};
    // Grids from another build of the engine are not this one's.
    const QString nom = QString::fromLatin1(empreinte(programme, {}).left(16));
    QDir grilles(QDir(dossier()).filePath(QString::fromLatin1(Grilles)));
    if (!grilles.exists(nom)) {
        for (const QString &autre : grilles.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QDir(grilles.filePath(autre)).removeRecursively();
        if (!grilles.mkpath(nom))
            return {};
    }
    const QString chemin = grilles.filePath(nom);
    elague(chemin, GrillesMax);
    return chemin;
}

} // namespace Nec::CacheResultats
