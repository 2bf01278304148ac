// Time of the chart drawn again for the window's picture after a resize or on
// a finer screen, and of the chart saved as a PNG four times the size shown:
// what the user waits for between a resize and the new chart, or between the
// file dialog and the file.
#include "DefautsTest.h"
#include "calc/TraceGraphe.h"
#include "state/EtatCalcul.h"
#include "ui/fenetres/principale/controles/DernierGraphe.h"
#include "ui/plateforme/Application.h"
#include "ui/plateforme/PoliceEcran.h"

#include "Lancement.h"
#include <QApplication>
#include <QBuffer>
#include <QFont>
#include <QTranslator>

#include <benchmark/benchmark.h>

namespace {

// The last "Lancer" of the default antenna (2062 cm and 3000 cm physical,
// 5387 cm electrical) with the window's default bands and thresholds.
DernierGraphe lancerParDefaut()
{
    Defauts::EtatApresLancer();
    EtatCalcul.GrapheCourants = true;
    DernierGraphe graphe;
    graphe.retient(false, false);
    return graphe;
}

RenduGraphe rendu(QSize taille, int finesse)
{
    return {taille, static_cast<double>(finesse),
            finesse == 1 ? QApplication::font() : PoliceGraphe(finesse)};
}

// Maximised on a 1920 x 1080 screen: the client area about 1920 x 1020 under
// the title bar and the menu, so the picture 1919 x 841.
void redessineMaximise(benchmark::State &etat)
{
    DernierGraphe graphe = lancerParDefaut();
    const RenduGraphe r = rendu({1919, 841}, 1);
    for (auto _ : etat)
        benchmark::DoNotOptimize(graphe.dessine(r).image.constBits());
}

// The designed size on a screen with two device pixels per pixel.
void redessine2x(benchmark::State &etat)
{
    DernierGraphe graphe = lancerParDefaut();
    const RenduGraphe r = rendu({1570, 660}, 2);
    for (auto _ : etat)
        benchmark::DoNotOptimize(graphe.dessine(r).image.constBits());
}

// "Enregistrer l'image…" at four times the designed size: the chart drawn for
// 3140 x 1320 and encoded as PNG.
void png4x(benchmark::State &etat)
{
    DernierGraphe graphe = lancerParDefaut();
    const RenduGraphe r = rendu({3140, 1320}, 4);
    qint64 octets = 0;
    for (auto _ : etat) {
        QBuffer tampon;
        tampon.open(QIODevice::WriteOnly);
        graphe.dessine(r).image.save(&tampon, "PNG");
        octets = tampon.size();
    }
    etat.counters["octets"] = static_cast<double>(octets);
}

} // namespace

BENCHMARK(redessineMaximise)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(redessine2x)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(png4x)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    plateformeSansEcran();
    QApplication application(argc, argv);
    // The screen font and style as the program sets them up.
    Q_INIT_RESOURCE(kesu_polices);
    QTranslator traduction;
    prepareApplication(traduction);
    return lanceBenchmarks(argc, argv);
}
