// Time of one complete chart drawing on the screen picture area, the work that
// "Lancer" does between the click and the picture, and of the print job's
// chart page written to a PDF file.
#include "DefautsTest.h"
#include "calc/TraceGraphe.h"
#include "chart/EnvironnementMuet.h"
#include "print/GeometriePage.h"
#include "print/Impression.h"
#include "print/Legendes.h"
#include "print/SurfacePage.h"
#include "state/EtatCalcul.h"
#include "surface/RasterSurface.h"

#include "Lancement.h"
#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

// The state that a run with the window's default bands and thresholds leaves
// for the given electrical lengths on the 785 x 330 picture area.
void etatEcran(std::int32_t longElecDip, std::int32_t longElecEch)
{
    Defauts::EtatApresLancer(longElecDip, longElecEch);
    EtatCalcul.EchelleX = 785.0 / EtatCalcul.LongElecTotale;
    EtatCalcul.EchelleY = 330 / 2.37;
    EtatCalcul.DemiHauteur = 165;
    EtatCalcul.GrapheCourants = true;
}

void ecran(benchmark::State &etat)
{
    etatEcran(static_cast<std::int32_t>(etat.range(0)), static_cast<std::int32_t>(etat.range(1)));
    QImage image(785, 330, QImage::Format_RGB32);
    image.fill(Qt::white);
    RasterSurface surface(image, QApplication::font());
    EnvironnementMuet env;
    for (auto _ : etat) {
        TraceGraphe(surface, env);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The print job's work after its dialog, as the print button does it: the
// page geometry, the chart and its caption drawn on a 300-dpi A4 raster, and
// the page sent to a PDF file.
void impressionPdf(benchmark::State &etat)
{
    etatEcran(2126, 3261);
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("kesu.pdf"));
    const TextesFenetre textes{"2062", "0.97", "3000", "0.92", true};
    EnvironnementMuet env;
    for (auto _ : etat) {
        QPrinter imprimante;
        imprimante.setResolution(300);
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(fichier);
        imprimante.setPageSize(QPageSize(QPageSize::A4));
        imprimante.setDocName(TitreImpression());
        const QRectF zone = imprimante.pageRect(QPrinter::DevicePixel);
        EtatCalcul.GrapheCourants = true;
        ImprimePage(imprimante, {qRound(zone.left()), qRound(zone.top())},
                    {QSize(785, 330), textes, &env, {}});
    }
    etat.counters["octets"] = static_cast<double>(QFileInfo(fichier).size());
}

} // namespace

// Default antenna (2062 cm and 3000 cm physical, 5387 cm electrical); 100 m +
// 100 m physical with the default factors; the longest length still drawn
// centimetre by centimetre; 1 000 000 000 cm + 1 000 000 000 cm with factor 1.
BENCHMARK(ecran)
    ->Args({2126, 3261})
    ->Args({10309, 10870})
    ->Args({2126, 97874})
    ->Args({1'000'000'000, 1'000'000'000})
    ->ArgNames({"LongElecDip", "LongElecEch"})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

BENCHMARK(impressionPdf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    // Texts need the font database, hence a GUI application, but no display.
    plateformeSansEcran();
    QApplication application(argc, argv);
    return lanceBenchmarks(argc, argv);
}
