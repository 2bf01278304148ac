#include "ui/plateforme/Application.h"

#include "regles/Version.h"
#include "resources/Ressources.h"
#include "ui/plateforme/Langue.h"
#include "ui/plateforme/PoliceEcran.h"
#include "ui/plateforme/StyleKesu.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QTranslator>
#include <QWidget>

namespace {

// The window is laid out for the classic 8-point dialog font; a free bitmap font
// with the same metrics keeps every text inside its control.
void policeEcran()
{
    // A bitmap font cannot scale: on a finer screen it would keep its 1x glyphs
    // with 2x spacing. Its scalable twin takes its place there.
    if (qApp->devicePixelRatio() != 1) {
        QApplication::setFont(PoliceVectorielle());
        return;
    }
    if (QFontDatabase::addApplicationFont(QStringLiteral(":/polices/ms_sans_serif.ttf")) < 0)
        return;
    QFont police(QStringLiteral("MS Sans Serif"));
    police.setPixelSize(13);
    police.setStyleStrategy(QFont::NoAntialias);
    QApplication::setFont(police);
}

} // namespace

void prepareApplication(QTranslator &traductionQt)
{
    QApplication::setApplicationName(QStringLiteral("Kesu"));
    QApplication::setApplicationVersion(QLatin1String(KesuVersion));
    // Qt's own dialogs speak the program's language.
    if (traductionQt.load(QStringLiteral("qtbase_") + Langue::courante(),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication::setStyle(new StyleKesu);
    policeEcran();
}

void centreSurEcran(QWidget &fenetre)
{
    if (const QScreen *ecran = fenetre.screen()) {
        QRect cadre = fenetre.frameGeometry();
        cadre.moveCenter(ecran->availableGeometry().center());
        fenetre.move(cadre.topLeft());
    }
}

void iconeApplication()
{
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ChargeBitmap(QStringLiteral("ICONE")))));
}
