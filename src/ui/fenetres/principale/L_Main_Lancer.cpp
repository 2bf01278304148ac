// "Lancer": reads the typed lengths and factors, shows the electrical lengths
// and draws the chart.
#include "ui/fenetres/principale/L_Main.h"

#include "calc/CalculRun.h"
#include "regles/Arithmetique.h"
#include "regles/Erreurs.h"
#include "regles/Reel.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"
#include "ui/plateforme/Plateforme.h"

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
        plateforme().avertissement(Textes::AucuneBande());
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
        plateforme().avertissement(Textes::AntenneNonDefinie());
        return;
    }
    EtatCalcul.LongElecTotale = Arith::somme(EtatCalcul.LongElecDip, EtatCalcul.LongElecEch);
    QImage &image = Image1->picture();
    const RenduGraphe rendu = renduGraphe();
    dernierGraphe_.oublie();
    {
        // When the drawing stops on an error, the bands drawn so far are shown.
        const struct Rafraichit {
            ZoneImage *zone;
            ~Rafraichit()
            {
                zone->picture().setDevicePixelRatio(zone->devicePixelRatioF());
                zone->update();
            }
        } rafraichit{Image1};
        DernierGraphe::trace(image, rendu, *this);
    }
    dernierGraphe_.retient(chParaCoche(), chSerieBasCoche());

    ClicAB->setEnabled(true);
    ClicBC->setEnabled(true);
    LRayon->setEnabled(true);
    VerifNec->setEnabled(true);
    LongConseil->setEnabled(true);
    DiagNec->setEnabled(true);
}
