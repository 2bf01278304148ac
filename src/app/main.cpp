#include "ui/fenetres/apropos/A_Propos.h"
#include "ui/fenetres/principale/L_Main.h"
#include "ui/plateforme/Application.h"
#include "ui/plateforme/Arguments.h"
#include "ui/plateforme/HandlerGarde.h"
#include "ui/plateforme/Langue.h"
#include "ui/plateforme/PlateformeQt.h"

#include <QApplication>
#include <QTimer>
#include <QTranslator>

int main(int argc, char *argv[])
{
    const Suite suite = traiteArguments(argc, argv);
    if (!suite.fenetre)
        return suite.code;
    QApplication app(argc, argv);
    Langue::installe(suite.langue);
    QTranslator traductionQt;
    prepareApplication(traductionQt);

    PlateformeQt services;
    installePlateforme(&services);
    executeGarde(iconeApplication);

    TForm1 Form1;
    Form1.Form3 = new TForm3(&Form1);
    Form1.show();
    centreSurEcran(Form1);
    // The start-up sequence, queued when the window was shown, runs first and
    // may still end the run with its own status.
    if (!suite.projet.isEmpty())
        QTimer::singleShot(0, &Form1, [&Form1, &suite] {
            executeGarde([&] { Form1.ouvreProjet(suite.projet); });
        });
    if (suite.quitteApresAffichage)
        QTimer::singleShot(0, &Form1, [] { QApplication::exit(0); });
    const int code = QApplication::exec();
    installePlateforme(nullptr);
    return code;
}
