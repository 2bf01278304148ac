// "Lancer": reads the typed lengths and factors, shows the electrical lengths
// and draws the chart.
#include "ui/L_Main.h"

#include "calc/Arithmetique.h"
#include "calc/CalculRun.h"
#include "calc/Reel.h"
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
        plateforme().avertissement(QStringLiteral("Vous devez saisir au moins une bande"));
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
        plateforme().avertissement(
            QStringLiteral("Vous n'avez pas défini l'antenne et/ou sa ligne"));
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
        RasterSurface surface(image, font());
        TraceGraphe(surface, *this);
    }
    Image1->update();

    ClicAB->setEnabled(true);
    ClicBC->setEnabled(true);
    LRayon->setEnabled(true);
    VerifNec->setEnabled(true);
}
