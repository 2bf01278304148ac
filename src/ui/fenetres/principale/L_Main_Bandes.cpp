// The band boxes: their ticks, their captions, and the band editor that
// changes the table they are named from.
#include "ui/fenetres/principale/L_Main.h"

#include "ui/fenetres/editeur/Modal.h"
#include "ui/plateforme/Plateforme.h"

#include <QCheckBox>
#include <QPushButton>

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
