#include "nec/LigneCommande.h"
#include "ui/A_Propos.h"
#include "ui/Application.h"
#include "ui/L_Main.h"
#include "ui/PlateformeQt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QScreen>
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

    TForm1 Form1;
    Form1.Form3 = new TForm3(&Form1);
    Form1.show();
    if (const QScreen *ecran = Form1.screen()) {
        QRect cadre = Form1.frameGeometry();
        cadre.moveCenter(ecran->availableGeometry().center());
        Form1.move(cadre.topLeft());
    }
    const int code = QApplication::exec();
    installePlateforme(nullptr);
    return code;
}
