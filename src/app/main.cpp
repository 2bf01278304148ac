#include "ui/A_Propos.h"
#include "ui/L_Main.h"
#include "ui/PlateformeQt.h"
#include "ui/StyleKesu.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

namespace {

// The window is laid out for the classic 8-point dialog font; a free bitmap font
// with the same metrics keeps every text inside its control.
void policeEcran()
{
    if (QFontDatabase::addApplicationFont(QStringLiteral(":/polices/ms_sans_serif.ttf")) < 0)
        return;
    QFont police(QStringLiteral("MS Sans Serif"));
    police.setPixelSize(13);
    police.setStyleStrategy(QFont::NoAntialias);
    QApplication::setFont(police);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kesu"));
    QApplication::setApplicationVersion(QStringLiteral("1.6.0.1"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/icone.png")));

    QTranslator traductionQt;
    if (traductionQt.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication::setStyle(new StyleKesu);
    policeEcran();

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
