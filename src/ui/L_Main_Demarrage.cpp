// Start-up sequence and the main window's small handlers: band boxes, their
// captions, the parameter-change rule, help, the menu commands.
#include "ui/L_Main.h"

#include "regles/Erreurs.h"
#include "regles/Reel.h"
#include "state/FichierBandes.h"
#include "ui/A_Propos.h"
#include "ui/AideViewer.h"
#include "ui/Modal.h"
#include "ui/Plateforme.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

void TForm1::FormActivate()
{
    demarrageFait_ = true;
    CbCoefEch->setCurrentIndex(2);
    InitialiseEtatCalcul(StrToRealTexte(LimiteBasse->text()), StrToRealTexte(LimitMoyenne->text()),
                         StrToRealTexte(LimiteHaute->text()));
    BitBtn2->hide();
    try {
        FichierBandes::charge();
        LibelleBandes();
    } catch (...) {
        // Without its band table the program has nothing to draw: it says so
        // and ends, whatever went wrong with the file.
        plateforme().erreur(Textes::FichierBandesIntrouvable);
        plateforme().termine(1);
    }
}

void TForm1::BandeClic(QObject *sender)
{
    static const char *const noms[NombreBandes] = {"Ch80m", "Ch40m", "Ch30m", "Ch20m",
                                                   "Ch17m", "Ch15m", "Ch12m", "Ch10m"};
    for (int k = 1; k <= NombreBandes; ++k)
        if (sender->objectName() == QLatin1String(noms[k - 1]))
            EtatCalcul.BandeActive[k] = !EtatCalcul.BandeActive[k];
}

void TForm1::LibelleBandes()
{
    const auto cases = casesBandes();
    for (int k = 1; k <= NombreBandes; ++k)
        cases[k - 1]->setText(QString::number(EtatCalcul.TableBandes[k - 1].Bande) +
                              QStringLiteral(" m"));
}

void TForm1::LongDipChange()
{
    LRayon->setEnabled(false);
}

void TForm1::AideClicClick()
{
    plateforme().aide(AideViewer::document(), 0);
}

void TForm1::aideContextuelle()
{
    const int n = contexteAide();
    if (n != 0)
        plateforme().aide(AideViewer::document(), n);
}

void TForm1::FrqBandeClick()
{
    {
        TForm2 editeur(this);
        plateforme().execModal(editeur);
    }
    ClicAB->setEnabled(false);
    ClicBC->setEnabled(false);
    LRayon->setEnabled(false);
    LibelleBandes();
}

void TForm1::A_ProposClick()
{
    Form3->chargeLogo();
    plateforme().execModal(*Form3);
    ClicAB->setEnabled(false);
    ClicBC->setEnabled(false);
    LRayon->setEnabled(false);
}

bool TForm1::chParaCoche() const
{
    return ChPara->isChecked();
}

bool TForm1::chSerieBasCoche() const
{
    return ChSerie_bas->isChecked();
}

void TForm1::montreProgression()
{
    ProgressBar1->show();
    ProgressBar1->repaint();
}

void TForm1::pasProgression()
{
    // Like the classic control, a step past the end starts the bar over.
    int v = ProgressBar1->value() + 10;
    if (v > ProgressBar1->maximum())
        v -= ProgressBar1->maximum() - ProgressBar1->minimum();
    ProgressBar1->setValue(v);
    ProgressBar1->repaint();
}

void TForm1::cacheProgression()
{
    ProgressBar1->hide();
}

void TForm1::montreImpression()
{
    BitBtn2->show();
}
