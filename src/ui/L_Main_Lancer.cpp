// "Lancer": reads the typed lengths and factors, shows the electrical lengths
// and draws the chart.
#include "ui/L_Main.h"

#include "calc/CalculRun.h"
#include "calc/TraceGraphe.h"
#include "regles/Arithmetique.h"
#include "regles/Erreurs.h"
#include "regles/Reel.h"
#include "surface/RasterSurface.h"
#include "ui/Plateforme.h"
#include "ui/ZoneImage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

void TForm1::Button1Click()
{
    for (ZoneImage *zone : imagesLobes())
        zone->hide();
    Image1->show();

    bool uneBande = false;
    for (int k = 1; k <= NombreBandes; ++k)
        uneBande = uneBande || EtatCalcul.BandeActive[k];
    if (!uneBande) {
        plateforme().avertissement(Textes::AucuneBande);
        return;
    }

    EtatCalcul.CoefVelDip = StrToRealTexte(CoefDip->text());
    EtatCalcul.CoefVelEch = StrToRealTexte(CbCoefEch->currentText());
    EtatCalcul.LongElecDip = CalculRun::LongueurElectrique(LongDip->text(), EtatCalcul.CoefVelDip);
    EtatCalcul.LongElecEch = CalculRun::LongueurElectrique(LongEch->text(), EtatCalcul.CoefVelEch);

    DipElec->setText(QString::number(EtatCalcul.LongElecDip));
    EchElec->setText(QString::number(EtatCalcul.LongElecEch));
    DipPhysique->setText(LongDip->text());
    EchPhysique->setText(LongEch->text());

    if (EtatCalcul.LongElecDip < 1 || EtatCalcul.LongElecEch < 1) {
        plateforme().avertissement(Textes::AntenneNonDefinie);
        return;
    }
    EtatCalcul.LongElecTotale = Arith::somme(EtatCalcul.LongElecDip, EtatCalcul.LongElecEch);
    // The chart is drawn in the picture's own coordinates, so A is at its left
    // edge: the picture's place in the window (0 as laid out, but it moves when
    // the window is resized) must not squeeze or shift the chart.
    CalculRun::EchellesEcran(0, Image1->width(), Image1->height());

    QImage &image = Image1->picture();
    if (image.size() != Image1->size()) {
        image = QImage(Image1->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
    }
    {
        // When the drawing stops on an error, the bands drawn so far are shown.
        const struct Rafraichit {
            ZoneImage *zone;
            ~Rafraichit() { zone->update(); }
        } rafraichit{Image1};
        RasterSurface surface(image, font());
        TraceGraphe(surface, *this);
    }

    ClicAB->setEnabled(true);
    ClicBC->setEnabled(true);
    LRayon->setEnabled(true);
    VerifNec->setEnabled(true);
}
