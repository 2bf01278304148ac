// Printing the chart or the lobe panel, whichever the window showed last, on
// one page with a caption block.
#include "ui/fenetres/principale/L_Main.h"

#include "print/Impression.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"
#include "ui/plateforme/CopieEcran.h"
#include "ui/plateforme/Plateforme.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
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

} // namespace

void TForm1::Impression1Click()
{
    QPrinter imprimante;
    imprimante.setResolution(ResolutionPage);
    // The dialog proposes a PDF file named after what is printed; the job
    // itself keeps its one title.
    imprimante.setDocName(EtatCalcul.GrapheCourants ? TitreImpression() : TitreFichierLobes());
    if (!plateforme().impression(imprimante, this))
        return;
    imprimante.setDocName(TitreImpression());

    const Sablier sablier;
    DemandeImpression demande{Image1->size(), textesFenetre(*this), this, {}};
    if (!EtatCalcul.GrapheCourants)
        demande.copieEcran = CopieEcran(centralWidget(), Image1->y(), Image1->x(), Image1->width(),
                                        Image1->height());
    try {
        ImprimePage(imprimante, decalageImpression(imprimante), demande);
    } catch (...) {
        // Qt's PDF engine cannot abort a begun job, which is why the page is
        // only sent once complete; a print server's engine drops the job here.
        imprimante.abort();
        throw;
    }
    BitBtn2->hide();
}
