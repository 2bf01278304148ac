// The start-up sequence, run once as the main window is first activated.
#include "ui/fenetres/principale/L_Main.h"

#include "regles/Defauts.h"
#include "regles/Erreurs.h"
#include "regles/Reel.h"
#include "state/FichierBandes.h"
#include "ui/plateforme/Plateforme.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

void TForm1::FormActivate()
{
    demarrageFait_ = true;
    CbCoefEch->setCurrentIndex(CbCoefEch->findText(QString::number(Defauts::CoefEchelle)));
    InitialiseEtatCalcul(StrToRealTexte(LimiteBasse->text()), StrToRealTexte(LimitMoyenne->text()),
                         StrToRealTexte(LimiteHaute->text()));
    BitBtn2->hide();
    try {
        FichierBandes::charge();
        LibelleBandes();
    } catch (...) {
        // Without its band table the program has nothing to draw: it says so
        // and ends, whatever went wrong with the file.
        plateforme().erreur(Textes::FichierBandesIntrouvable());
        plateforme().termine(1);
    }
    // The project's "modified" compares with the window as it starts.
    reference_ = projetCourant();
    referencePrise_ = true;
}
