// The NEC-2 check of the default antenna over average ground, eight bands:
// from "Calculer" to the map painted (nec2c's run is most of it), and the
// map recomputed and painted after a change of Z0, which runs no nec2c; and
// "kesu --nec" as a script runs it beside the engine alone on the same deck,
// and beside "kesu --diagrammes", the check with its radiation patterns.
#include "commande/CommandeNec.h"
#include "nec/ExecutionNec.h"
#include "nec/Moteur.h"
#include "ui/fenetres/verification/CarteNec.h"
#include "ui/fenetres/verification/VerificationNec.h"

#include "Lancement.h"
#include "ParDefaut.h"
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

void attendFin(VerificationNec &v)
{
    while (!v.Calculer->isEnabled())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    if (v.resultat().lignes.size() != 8)
        throw std::runtime_error("the check computed nothing: is nec2c installed?");
}

// A new window each time, so that nothing is answered from memory.
void calculComplet(benchmark::State &etat)
{
    for (auto _ : etat) {
        etat.PauseTiming();
        VerificationNec v(principales);
        v.show();
        QApplication::processEvents();
        etat.ResumeTiming();
        v.Calculer->click();
        attendFin(v);
        v.Carte->repaint();
    }
}

// The map computed again after each change of Z0, by the window's criterion:
// the class it starts with, or one of the tuner's (NomsClasses' place).
void recalculSous(benchmark::State &etat, int critere)
{
    VerificationNec v(principales);
    v.show();
    if (critere >= 0)
        v.Critere->setCurrentIndex(
            v.Critere->findData(QString::fromLatin1(Nec::NomsClasses[critere])));
    v.Calculer->click();
    attendFin(v);
    bool bascule = false;
    for (auto _ : etat) {
        v.Z0->setText((bascule = !bascule) ? QStringLiteral("600") : QStringLiteral("450"));
        v.Carte->repaint();
    }
    if (v.execution().executions() != 1)
        throw std::runtime_error("nec2c ran again");
}

void recalcul(benchmark::State &etat)
{
    recalculSous(etat, -1);
}

// Under "Boîte en T" (4) or "Boîte en L" (5): the network solved at every
// centimetre of every band's frequencies.
void recalculReseau(benchmark::State &etat)
{
    recalculSous(etat, static_cast<int>(etat.range(0)));
}

// The map and table alone, from impedances at B already known: fresh (0), or
// after a change of Z0 that keeps the chart's rows (1).
void evaluation(benchmark::State &etat)
{
    const Nec::Entrees e = [] {
        Nec::Entrees r = principales();
        r.longueurMaxCm = Nec::longueurMaxParDefaut(r.echelleCm);
        return r;
    }();
    std::vector<Nec::ImpedanceB> z;
    for (const Nec::BandeVerifiee &b : e.bandes)
        z.push_back({b.frequenceKHz / 1000.0, {120.0 + b.k, -300.0 * b.k}});
    const Nec::Resultat precedent = Nec::evalue(e, z);
    for (auto _ : etat)
        benchmark::DoNotOptimize(Nec::evalue(e, z, etat.range(0) ? &precedent : nullptr));
}

// Runs a program to its end in a folder, as a script would.
void execute(const QString &programme, const QStringList &arguments, const QString &dossier)
{
    QProcess p;
    p.setWorkingDirectory(dossier);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(programme, arguments);
    if (!p.waitForFinished(-1) || p.exitCode() != 0)
        throw std::runtime_error("a run failed: " + programme.toStdString());
}

// The default deck of "kesu --nec", as it hands it to the engine.
QByteArray deckParDefaut()
{
    Nec::Demande d = Nec::demandeParDefaut();
    d.entrees.longueurMaxCm = Nec::longueurMaxParDefaut(d.entrees.echelleCm);
    QFile f(QStringLiteral(KESU_INI_DEFAUT));
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("no Kesu.ini");
    Nec::completeBandes(d.entrees, {}, FichierBandes::lit(f.readAll()));
    return Nec::deck(d.entrees);
}

// The engine alone on the default deck (0), and "kesu --nec --sans-cache"
// with its defaults (1), its runs one per core, which adds its start, the
// check of the engine (cached within a run only), the reading of the output
// and the map along the ladder; beside them, "kesu --diagrammes --sans-cache"
// (2), the same check with the radiation patterns, and "kesu --nec
// --sans-cache --taches 1" (3), the whole deck in one run.
void commandeNec(benchmark::State &etat)
{
    QTemporaryDir dossier;
    QFile::copy(QStringLiteral(KESU_INI_DEFAUT), dossier.filePath(QStringLiteral("Kesu.ini")));
    QFile deck(dossier.filePath(QStringLiteral("kesu.nec")));
    if (!deck.open(QIODevice::WriteOnly) || deck.write(deckParDefaut()) < 0)
        throw std::runtime_error("deck not written");
    deck.close();
    const QString kesu =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("kesu"));
    const QStringList arguments[] = {
        {},
        {QStringLiteral("--nec"), QStringLiteral("--sans-cache")},
        {QStringLiteral("--diagrammes"), QStringLiteral("--sans-cache")},
        {QStringLiteral("--nec"), QStringLiteral("--sans-cache"), QStringLiteral("--taches"),
         QStringLiteral("1")}};
    for (auto _ : etat) {
        if (etat.range(0) == 0)
            execute(Nec::programmeNec(),
                    {QStringLiteral("-i"), QStringLiteral("kesu.nec"), QStringLiteral("-o"),
                     QStringLiteral("kesu.out")},
                    dossier.path());
        else
            execute(kesu, arguments[etat.range(0)], dossier.path());
    }
}

// "kesu --nec" with the engine's answers already kept: the program's own
// work alone, by the class asked (NomsClasses' place: 1 "moyenne", 4
// "reseau-t", 5 "reseau-l").
void commandeCache(benchmark::State &etat)
{
    QTemporaryDir dossier;
    QFile::copy(QStringLiteral(KESU_INI_DEFAUT), dossier.filePath(QStringLiteral("Kesu.ini")));
    const QString kesu =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("kesu"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("KESU_SANS_CACHE"));
    env.insert(QStringLiteral("KESU_CACHE"), dossier.filePath(QStringLiteral("cache")));
    const QStringList arguments{
        QStringLiteral("--nec"), QStringLiteral("--classe"),
        QString::fromLatin1(Nec::NomsClasses[static_cast<std::size_t>(etat.range(0))])};
    const auto lance = [&] {
        QProcess p;
        p.setWorkingDirectory(dossier.path());
        p.setProcessEnvironment(env);
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(kesu, arguments);
        if (!p.waitForFinished(-1) || p.exitCode() != 0)
            throw std::runtime_error("kesu --nec failed");
    };
    lance(); // the engine runs once, its answers kept
    for (auto _ : etat)
        lance();
}

} // namespace

BENCHMARK(commandeCache)
    ->Arg(1)
    ->Arg(4)
    ->Arg(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5)
    ->Repetitions(3);
BENCHMARK(commandeNec)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK(evaluation)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(calculComplet)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(recalcul)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(recalculReseau)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond)->Repetitions(3);

int main(int argc, char **argv)
{
    plateformeSansEcran();
    // Every run asks the engine: the answers kept between runs would time nothing.
    qputenv("KESU_SANS_CACHE", "1");
    // The window's settings go to a folder of the benchmark's own.
    QTemporaryDir reglages;
    qputenv("XDG_CONFIG_HOME", reglages.path().toLocal8Bit());
    QApplication application(argc, argv);
    return lanceBenchmarks(argc, argv);
}
