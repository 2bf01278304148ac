// The help, from the "Aide" button or F1 on a control, and the About box.
#include "ui/fenetres/principale/L_Main.h"

#include "ui/fenetres/apropos/A_Propos.h"
#include "ui/plateforme/AideViewer.h"
#include "ui/plateforme/Plateforme.h"

#include <QPushButton>

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

void TForm1::A_ProposClick()
{
    Form3->chargeLogo();
    plateforme().execModal(*Form3);
    ClicAB->setEnabled(false);
    ClicBC->setEnabled(false);
    LRayon->setEnabled(false);
}
