#include "nec/LigneCommande.h"
#include "ui/A_Propos.h"
#include "ui/Application.h"
#include "ui/HandlerGarde.h"
#include "ui/L_Main.h"
#include "ui/PlateformeQt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <cstring>

int main(int argc, char *argv[])
{
    // The NEC-2 check's command line opens no window and needs no display.
    if (std::any_of(argv + 1, argv + argc,
                    [](const char *a) { return std::strcmp(a, "--nec") == 0; })) {
        QCoreApplication app(argc, argv);
        return Nec::ligneCommande(QCoreApplication::arguments().mid(1));
    }
    QApplication app(argc, argv);
    QTranslator traductionQt;
    prepareApplication(traductionQt);

    PlateformeQt services;
    installePlateforme(&services);
    executeGarde(iconeApplication);

    TForm1 Form1;
    Form1.Form3 = new TForm3(&Form1);
    Form1.show();
    centreSurEcran(Form1);
    // A check of an installed copy starts it as a user would and ends it once
    // the window is up: the start-up sequence, queued when the window was
    // shown, runs first and may still end the run with its own status.
    if (QApplication::arguments().contains(QStringLiteral("--quitte-apres-affichage")))
        QTimer::singleShot(0, &Form1, [] { QApplication::exit(0); });
    const int code = QApplication::exec();
    installePlateforme(nullptr);
    return code;
}
