// The NEC-2 check of the default antenna over average ground, eight bands:
// from "Calculer" to the map painted (nec2c's run is most of it), and the
// map recomputed and painted after a change of Z0, which runs no nec2c.
#include "nec/ExecutionNec.h"
#include "ui/fenetres/CarteNec.h"
#include "ui/fenetres/VerificationNec.h"

#include "Lancement.h"
#include "ParDefaut.h"
#include <QApplication>
#include <QLineEdit>
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

void recalcul(benchmark::State &etat)
{
    VerificationNec v(principales);
    v.show();
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

} // namespace

BENCHMARK(evaluation)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(calculComplet)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
BENCHMARK(recalcul)->Unit(benchmark::kMillisecond)->Repetitions(3);

int main(int argc, char **argv)
{
    plateformeSansEcran();
    // The window's settings go to a folder of the benchmark's own.
    QTemporaryDir reglages;
    qputenv("XDG_CONFIG_HOME", reglages.path().toLocal8Bit());
    QApplication application(argc, argv);
    return lanceBenchmarks(argc, argv);
}
