// Printing the chart or the lobe panel, whichever the window showed last, on
// one page with a caption block.
#include "ui/L_Main.h"

#include "calc/Erreurs.h"
#include "print/GeometriePage.h"
#include "print/Legendes.h"
#include "print/SurfacePage.h"
#include "print/TextesImpression.h"
#include "print/ui/CopieEcran.h"
#include "ui/Plateforme.h"
#include "ui/ZoneImage.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The page is drawn as a raster at the printer's resolution: 300 dpi keeps an
// A4 page near 35 MB, where the printer's finest mode would need sixteen times that.
constexpr int ResolutionPage = 300;

// The hourglass for as long as the job runs, however it ends.
class Sablier {
public:
    Sablier() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sablier() { QApplication::restoreOverrideCursor(); }
    Sablier(const Sablier &) = delete;
    Sablier &operator=(const Sablier &) = delete;
};

// Where the printable area starts on the sheet; (0, 0) when the printer does
// not tell.
PointEntier decalageImpression(const QPrinter &imprimante)
{
    const QRectF zone = imprimante.pageRect(QPrinter::DevicePixel);
    if (!zone.isValid() || zone.left() < 0 || zone.top() < 0)
        return {};
    return {qRound(zone.left()), qRound(zone.top())};
}

TextesFenetre textesFenetre(const TForm1 &w)
{
    return {w.LongDip->text(), w.CoefDip->text(), w.LongEch->text(), w.CbCoefEch->currentText(),
            w.ChSerie_moy->isChecked()};
}

// Starts the job with the finished page, so that a failure while composing it
// never leaves a half page at the printer.
void envoie(QPrinter &imprimante, const SurfacePage &page)
{
    QPainter peintre;
    if (!peintre.begin(&imprimante))
        leveErreur(TextesImpression::DemarrageImpossible);
    page.peint(peintre);
    peintre.end();
}

} // namespace

void TForm1::Impression1Click()
{
    QPrinter imprimante;
    imprimante.setResolution(ResolutionPage);
    if (!plateforme().dialogueImpression(imprimante, this))
        return;

    const Sablier sablier;
    const SauvegardeEchelles echellesEcran;
    try {
        const GeometriePage geo =
            CalculeGeometrie(imprimante.width(), imprimante.height(),
                             decalageImpression(imprimante), Image1->width(), Image1->height());
        AppliqueGeometrie(geo);
        imprimante.setDocName(TextesImpression::Titre);
        SurfacePage page(geo.HorzRes, geo.VertRes, imprimante.resolution());
        if (EtatCalcul.GrapheCourants) {
            TraceGraphe(page, *this);
            page.gardeTextes();
            LegendeCourants(page, textesFenetre(*this));
        } else {
            CopieEcran(page, centralWidget(), geo.P.X, geo.P.Y, geo.Wc, geo.Hc, Image1->y(),
                       Image1->x(), Image1->width(), Image1->height());
            page.gardeTextes();
            LegendeLobes(page, textesFenetre(*this));
        }
        envoie(imprimante, page);
    } catch (...) {
        // Qt's PDF engine cannot abort a begun job, which is why the page is
        // only sent once complete; a print server's engine drops the job here.
        imprimante.abort();
        throw;
    }
    BitBtn2->hide();
}
