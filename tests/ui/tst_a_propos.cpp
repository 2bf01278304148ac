#include "FenetreTest.h"
#include "ui/plateforme/Application.h"

#include <QDialog>
#include <QScreen>
#include <QTranslator>

// The About box, opened from the main window's menu.
class TstAPropos : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void aProposAuCentreDeLEcran();

private:
    QTranslator traduction_;
};

void TstAPropos::initTestCase()
{
    // Fonts and style as the program sets them up.
    Q_INIT_RESOURCE(kesu_polices);
    prepareApplication(traduction_);
}

void TstAPropos::aProposAuCentreDeLEcran()
{
    FenetreTest f;
    f->move(0, 0);
    QPoint centre;
    f.plateforme.surModal = [&](QDialog &d) {
        d.show();
        centre = d.frameGeometry().center();
        d.hide();
        return 1;
    };
    f->A_Propos->trigger();
    const QPoint ecran = f->screen()->availableGeometry().center();
    QVERIFY2((centre - ecran).manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));
}

QTEST_MAIN(TstAPropos)
#include "tst_a_propos.moc"
