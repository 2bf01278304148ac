#include "FenetreTest.h"
#include "GrapheDirect.h"
#include "ui/Application.h"
#include "ui/PoliceEcran.h"
#include "ui/ZoneImage.h"

#include <QApplication>
#include <QPushButton>
#include <QTranslator>

#include <cmath>

// The program on a desktop scaled by a fraction, as laptops often are: run
// under QT_SCALE_FACTOR 1.25, 1.5 and 1.75, one run each. The chart follows
// the ratio as it is, not the nearest whole one.
class TstDensiteFractionnaire : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void grapheAuRatioExact();

private:
    QTranslator traduction_;
};

void TstDensiteFractionnaire::initTestCase()
{
    Q_INIT_RESOURCE(kesu_polices);
    prepareApplication(traduction_);
    const qreal ratio = qApp->devicePixelRatio();
    QVERIFY2(ratio != std::round(ratio), qPrintable(QString::number(ratio)));
}

void TstDensiteFractionnaire::grapheAuRatioExact()
{
    const qreal ratio = qApp->devicePixelRatio();
    FenetreTest f;
    f->Button1->click();
    QImage montre = f->Image1->picture();
    QCOMPARE(montre.size(), (QSizeF(785, 330) * ratio).toSize());
    montre.setDevicePixelRatio(1);
    // Letters and their distances in proportion...
    QCOMPARE(montre, GrapheDirect(montre.size(), PoliceGraphe(ratio), ratio));
    // ...and thin lines as wide as the ratio rounds to: the baseline, where
    // no curve comes near it a little right of A.
    const int x = qRound(30 * ratio);
    const QRgb trait = montre.pixel(x, EtatCalcul.DemiHauteur);
    int largeur = 0;
    for (int y = EtatCalcul.DemiHauteur - 3; y <= EtatCalcul.DemiHauteur + 3; ++y)
        largeur += montre.pixel(x, y) == trait ? 1 : 0;
    QCOMPARE(largeur, int(std::lround(ratio)));
}

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    TstDensiteFractionnaire test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_densite_fractionnaire.moc"
