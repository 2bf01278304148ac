// "Outils" > "Longueurs conseillées…": the search of the ladder lengths, fed
// with the main window's inputs and the NEC-2 check's, and its "Appliquer";
// "Diagrammes NEC-2…", the far field of the same antenna.
#include "ui/fenetres/principale/L_Main.h"

#include "ui/fenetres/diagrammes/DiagrammesNec.h"
#include "ui/fenetres/longueurs/LongueursConseillees.h"
#include "ui/fenetres/principale/EntreesPrincipales.h"
#include "ui/fenetres/verification/VerificationNec.h"
#include "ui/plateforme/HandlerGarde.h"

#include <QAction>
#include <QLineEdit>

void TForm1::LongConseilClick()
{
    if (!longueursConseillees) {
        longueursConseillees = new LongueursConseillees(
            [this] { return VerificationNec::entreesReglees(entreesPrincipales(*this)); }, this);
        longueursConseillees->setWindowFlag(Qt::Window);
        // The window's centre becomes the ladder's, and the chart shows it.
        connect(longueursConseillees, &LongueursConseillees::appliquer, this,
                [this](std::int32_t echelleCm, std::optional<std::int32_t> brancheCm) {
                    executeGarde([&] {
                        if (brancheCm)
                            LongDip->setText(QString::number(*brancheCm));
                        LongEch->setText(QString::number(echelleCm));
                        Button1Click();
                    });
                });
    }
    longueursConseillees->show();
    longueursConseillees->raise();
    longueursConseillees->activateWindow();
}

void TForm1::DiagNecClick()
{
    if (!diagrammesNec) {
        diagrammesNec = new DiagrammesNec(
            [this] { return VerificationNec::entreesReglees(entreesPrincipales(*this)); }, this);
        diagrammesNec->setWindowFlag(Qt::Window);
    }
    diagrammesNec->show();
    diagrammesNec->raise();
    diagrammesNec->activateWindow();
}
