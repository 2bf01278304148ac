#include "nec/Moteur.h"

#include "nec/Interruption.h"
#include "nec/LectureSortie.h"
#include "nec/Nombres.h"
#include "nec/Processus.h"
#include "regles/TextesMoteur.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <complex>

namespace Nec {

namespace {

// Two centre-fed straight wires of 1 mm radius, each a case where one of the
// translation's faults shows clearly, with the corrected engine's answers:
// a 20 m wire 2 m over sea water (Norton's F), and a 41.24 m wire 10 m over
// good ground (the contour below the branch points).
struct Controle {
    const char *deck;
    double frequenceMHz;
    std::complex<double> attendue;
};
const Controle Controles[] = {
    {"CM Kesu\nCE\nGW 1 41 -10 0 2 10 0 2 0.001\nGE 1\nGN 2 0 0 0 80 5\n"
     "EX 0 1 21 0 1 0\nFR 0 1 0 0 24.94 0\nXQ\nEN\n",
     24.94,
     {183.84, 735.37}},
    {"CM Kesu\nCE\nGW 1 41 -20.62 0 10 20.62 0 10 0.001\nGE 1\nGN 2 0 0 0 20 0.03\n"
     "EX 0 1 21 0 1 0\nFR 0 1 0 0 7.05 0\nXQ\nEN\n",
     7.05,
     {4733.0, -2044.1}},
};
std::atomic<int> delaiControle{DelaiControleMs};
std::atomic<bool> nonVerifieAccepte{false};

std::optional<std::complex<double>> calculeControle(const QString &chemin, const Controle &c)
{
    QTemporaryDir dossier;
    if (!dossier.isValid())
        return std::nullopt;
    QFile f(dossier.filePath(QStringLiteral("controle.nec")));
    if (!f.open(QIODevice::WriteOnly) || f.write(c.deck) < 0 || !f.flush())
        return std::nullopt;
    f.close();
    ProcessusMoteur p;
    p.dossierPrive(dossier.path());
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(chemin, {QStringLiteral("-i"), QStringLiteral("controle.nec"), QStringLiteral("-o"),
                     QStringLiteral("controle.out")});
    // In slices, so that a signal to the program ends the wait too.
    QElapsedTimer chrono;
    chrono.start();
    const int delai = delaiControle;
    while (!p.waitForFinished(50)) {
        if (p.state() == QProcess::NotRunning || chrono.elapsed() >= delai ||
            interruptionEnAttente()) {
            p.tue();
            return std::nullopt;
        }
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    QFile sortie(dossier.filePath(QStringLiteral("controle.out")));
    // The answer to one frequency holds in a few kilobytes.
    constexpr qint64 SortieControleMax = 1024 * 1024;
    if (!sortie.open(QIODevice::ReadOnly) || sortie.size() > SortieControleMax)
        return std::nullopt;
    const QByteArray s = sortie.read(SortieControleMax);
    const auto z = litSortie(std::string_view(s.constData(), s.size()));
    // One answer, at the frequency asked: anything else is no engine's answer.
    if (!z || z->size() != 1 || std::abs(z->front().frequenceMHz - c.frequenceMHz) > 1e-3)
        return std::nullopt;
    return z->front().z;
}

} // namespace

void fixeDelaiControleMs(int ms)
{
    delaiControle = ms;
}

void accepteMoteurNonVerifie(bool oui)
{
    nonVerifieAccepte = oui;
}

bool moteurNonVerifieAccepte()
{
    return nonVerifieAccepte;
}

QString cheminProgramme(const QString &programme)
{
    if (const QString c = QStandardPaths::findExecutable(programme); !c.isEmpty())
        return c;
    const QFileInfo i(programme);
    return i.isFile() && i.isExecutable() ? i.absoluteFilePath() : QString();
}

QString programmeNec()
{
    if (const QString v = qEnvironmentVariable(VariableMoteur); !v.isEmpty())
        return v;
    if (QCoreApplication::instance()) {
        // Beside the program, with the system's suffix for programs (.exe on Windows).
        const QString propre = QStandardPaths::findExecutable(
            QString::fromLatin1(MoteurKesu), {QCoreApplication::applicationDirPath()});
        if (!propre.isEmpty())
            return propre;
    }
    return QStringLiteral("nec2c");
}

VerdictMoteur verdictMoteur(const QString &programme)
{
    VerdictMoteur v{programme, EtatMoteur::Introuvable, 0};
    const QString chemin = cheminProgramme(programme);
    if (chemin.isEmpty())
        return v;
    v.chemin = chemin;
    // A rebuilt or replaced engine is judged again.
    const QByteArray cle = identiteMoteur(chemin);
    static QMutex garde;
    static QHash<QByteArray, VerdictMoteur> connus;
    const QMutexLocker verrou(&garde);
    if (const auto c = connus.constFind(cle); c != connus.cend())
        return *c;
    v.etat = EtatMoteur::Sain;
    for (const Controle &c : Controles) {
        const auto z = calculeControle(chemin, c);
        if (!z) {
            v.etat = EtatMoteur::NonVerifie;
            break;
        }
        const double ecart = 100 * std::abs(*z - c.attendue) / std::abs(c.attendue);
        v.ecartPct = std::max(v.ecartPct, ecart);
        if (!(ecart <= EcartMaxPct))
            v.etat = EtatMoteur::Fautif;
    }
    connus.insert(cle, v);
    return v;
}

QByteArray identiteMoteur(const QString &programme)
{
    const QString chemin = cheminProgramme(programme);
    const QFileInfo info(chemin.isEmpty() ? programme : chemin);
    return (info.absoluteFilePath() + u'\n' +
            QString::number(info.lastModified().toMSecsSinceEpoch()) + u'\n' +
            QString::number(info.size()))
        .toUtf8();
}

QString descriptionMoteur(const VerdictMoteur &verdict)
{
    QString etat;
    switch (verdict.etat) {
    case EtatMoteur::Introuvable:
        etat = Textes::MoteurIntrouvable();
        break;
    case EtatMoteur::Sain:
        etat = Textes::MoteurSain();
        break;
    case EtatMoteur::Fautif:
        etat = Textes::MoteurDefaillant().arg(texteArrondi(verdict.ecartPct, 1));
        break;
    case EtatMoteur::NonVerifie:
        etat = Textes::MoteurNonVerifie();
        break;
    }
    return Textes::MoteurEnUsage().arg(QDir::toNativeSeparators(verdict.chemin), etat);
}

QString texteMoteurEnUsage()
{
    return descriptionMoteur(verdictMoteur(programmeNec()));
}

std::optional<QString> refusMoteur(const QString &programme, const QByteArray &deck)
{
    // The faults are in the Sommerfeld ground's code: a perfect ground (GN 1)
    // and free space run on any engine.
    if (!deck.startsWith("GN 2") && !deck.contains("\nGN 2"))
        return std::nullopt;
    const VerdictMoteur v = verdictMoteur(programme);
    // An engine that could not be judged may be Debian's: its answers over a
    // ground are not given unless the user said so.
    if (v.etat == EtatMoteur::NonVerifie && !moteurNonVerifieAccepte())
        return Textes::MoteurNonVerifieRefuse().arg(QDir::toNativeSeparators(v.chemin));
    if (v.etat != EtatMoteur::Fautif)
        return std::nullopt;
    return Textes::MoteurFautif().arg(QDir::toNativeSeparators(v.chemin),
                                      texteArrondi(v.ecartPct, 1));
}

} // namespace Nec
