#include "ui/A_Propos.h"
#include "ui/Application.h"
#include "ui/HandlerGarde.h"
#include "ui/L_Main.h"
#include "ui/PlateformeQt.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
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
    const int code = QApplication::exec();
    installePlateforme(nullptr);
    return code;
}
