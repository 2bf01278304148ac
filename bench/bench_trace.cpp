// Time of one complete chart drawing on the screen picture area, the work that
// "Lancer" does between the click and the picture, and of the print job's
// chart page written to a PDF file.
#include "EnvironnementMuet.h"
#include "EtatParDefaut.h"
#include "calc/TraceGraphe.h"
#include "print/GeometriePage.h"
#include "print/Legendes.h"
#include "print/SurfacePage.h"
#include "print/TextesImpression.h"
#include "state/EtatCalcul.h"
#include "surface/RasterSurface.h"

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
    EtatParDefaut(longElecDip, longElecEch);
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
        imprimante.setDocName(TextesImpression::Titre);
        const QRectF zone = imprimante.pageRect(QPrinter::DevicePixel);
        const SauvegardeEchelles echellesEcran;
        const GeometriePage geo =
            CalculeGeometrie(imprimante.width(), imprimante.height(),
                             {qRound(zone.left()), qRound(zone.top())}, 785, 330);
        AppliqueGeometrie(geo);
        SurfacePage page(geo.HorzRes, geo.VertRes, imprimante.resolution());
        TraceGraphe(page, env);
        LegendeCourants(page, textes);
        QPainter peintre;
        if (!peintre.begin(&imprimante))
            throw std::runtime_error("cannot write the PDF file");
        page.peint(peintre);
        peintre.end();
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
