// Time of one complete chart drawing on the screen picture area, the work
// that "Lancer" does between the click and the picture.
#include "calc/TraceGraphe.h"
#include "state/EtatCalcul.h"
#include "surface/RasterSurface.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

struct EnvironnementMuet : EnvironnementTrace {
    bool chParaCoche() const override { return false; }
    bool chSerieBasCoche() const override { return false; }
    void montreProgression() override {}
    void pasProgression() override {}
    void cacheProgression() override {}
    void montreImpression() override {}
};

// The state that a run with the window's default texts leaves, for a ladder
// of longElecEch electrical centimetres on a 785 x 330 picture.
void etatEcran(std::int32_t longElecEch)
{
    EtatCalcul = TEtatCalcul{};
    InitialiseEtatCalcul(0.8, 0.6, 0.3);
    const LigneBande table[NombreBandes] = {{3650, 80},  {7050, 40},  {10120, 30}, {14100, 20},
                                            {18100, 17}, {21200, 15}, {24940, 12}, {28500, 10}};
    for (int k = 0; k < NombreBandes; ++k)
        EtatCalcul.TableBandes[k] = table[k];
    EtatCalcul.LongElecDip = 2126;
    EtatCalcul.LongElecEch = longElecEch;
    EtatCalcul.LongElecTotale = 2126 + longElecEch;
    EtatCalcul.EchelleX = 785.0 / EtatCalcul.LongElecTotale;
    EtatCalcul.EchelleY = 330 / 2.37;
    EtatCalcul.DemiHauteur = 165;
}

void dessin(benchmark::State &etat)
{
    etatEcran(static_cast<std::int32_t>(etat.range(0)));
    QImage image(785, 330, QImage::Format_RGB32);
    image.fill(Qt::white);
    RasterSurface surface(image, QFont());
    EnvironnementMuet env;
    for (auto _ : etat) {
        TraceGraphe(surface, env);
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

// Default antenna (5387 cm), then a kilometre of electrical length.
BENCHMARK(dessin)
    ->Arg(3261)
    ->Arg(100000 - 2126)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    // Texts need the font database, hence a GUI application, but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
