#include "FenetreTest.h"
#include "GrapheDirect.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"
#include "ui/plateforme/Application.h"
#include "ui/plateforme/PoliceEcran.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTranslator>

#include <cmath>

// The program on a screen with two device pixels per pixel, as under
// QT_SCALE_FACTOR=2: sharp texts of the right size, and a chart drawn with the
// screen's device pixels rather than enlarged. Run again at the fractions that
// laptops use, 1.25, 1.5 and 1.75, where the chart follows the ratio as it is,
// not the nearest whole one.
class TstHauteDensite : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void textesAuDoubleSansEspacement();
    void grapheEnPixelsDuPeripherique();
    void deplacementEnPixelsDuPeripherique();

private:
    QTranslator traduction_;
};

namespace {

// The box around the pixels that differ from the top-left one.
QRect encre(const QImage &image)
{
    const QRgb fond = image.pixel(0, 0);
    QRect boite;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != fond)
                boite |= QRect(x, y, 1, 1);
    return boite;
}

const QString Texte = QStringLiteral("Longueur physique d'une branche :");

} // namespace

void TstHauteDensite::initTestCase()
{
    Q_INIT_RESOURCE(kesu_polices);
    prepareApplication(traduction_);
    QCOMPARE(qApp->devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
}

void TstHauteDensite::textesAuDoubleSansEspacement()
{
    const qreal ratio = qApp->devicePixelRatio();
    // The text as the bitmap screen font draws it at ratio 1.
    QVERIFY(QFontDatabase::addApplicationFont(QStringLiteral(":/polices/ms_sans_serif.ttf")) >= 0);
    QFont bitmap(QStringLiteral("MS Sans Serif"));
    bitmap.setPixelSize(13);
    QImage simple(300, 30, QImage::Format_RGB32);
    simple.fill(Qt::white);
    {
        QPainter p(&simple);
        p.setFont(bitmap);
        p.drawText(2, 20, Texte);
    }
    const QRect a = encre(simple);

    // The same label in the window's font at the screen's ratio.
    QVERIFY(!QFontInfo(QApplication::font()).family().contains(QStringLiteral("MS Sans")));
    QLabel label(Texte);
    label.setAutoFillBackground(true);
    label.adjustSize();
    const QImage grande = label.grab().toImage();
    QCOMPARE(grande.devicePixelRatio(), ratio);
    const QRect b = encre(grande);

    // Twice as high and twice as wide at 2, within a glyph's rounding: a 1x
    // font spaced out to 2x would be as wide but half as high.
    QVERIFY2(std::abs(b.height() - ratio * a.height()) <= 0.15 * ratio * a.height(),
             qPrintable(QStringLiteral("%1 vs %2").arg(b.height()).arg(a.height())));
    QVERIFY2(std::abs(b.width() - ratio * a.width()) <= 0.05 * ratio * a.width(),
             qPrintable(QStringLiteral("%1 vs %2").arg(b.width()).arg(a.width())));
}

void TstHauteDensite::grapheEnPixelsDuPeripherique()
{
    const qreal ratio = qApp->devicePixelRatio();
    FenetreTest f;
    f->Button1->click();
    const QImage &image = f->Image1->picture();
    const QSize taille = (QSizeF(785, 330) * ratio).toSize(); // 1570 x 660 at 2
    QCOMPARE(image.size(), taille);
    QCOMPARE(image.devicePixelRatio(), ratio);
    QCOMPARE(EtatCalcul.EchelleX, taille.width() / 5387.0);

    // The chart the formulas give for that size, with lines, letters and the
    // letters' distances in proportion.
    const QImage direct = GrapheDirect(taille, PoliceGraphe(ratio), ratio);
    QImage montre = image;
    montre.setDevicePixelRatio(1);
    QCOMPARE(montre, direct);
    // The baseline ends on its row and is as many pixels thick as the ratio
    // rounds to: two at 1.5, 1.75 and 2, not one.
    const int y = EtatCalcul.DemiHauteur;
    const QRgb trait = image.pixel(30, y);
    int epaisseur = 0;
    while (image.pixel(30, y - epaisseur) == trait)
        ++epaisseur;
    QCOMPARE(epaisseur, int(std::lround(ratio)));
    QVERIFY(image.pixel(30, y + 1) != trait);
}

void TstHauteDensite::deplacementEnPixelsDuPeripherique()
{
    FenetreTest f;
    f->Button1->click();
    f->ClicAB->click();
    // The mouse at 200 screen pixels is at device pixel 400 of the chart at 2,
    // within the test's own mouse rounding of a screen pixel (7 cm) and, at a
    // fraction, the half device pixel that the mouse's place rounds by.
    QTest::mouseMove(f->Image1, QPoint(200, 40));
    const qreal ratio = qApp->devicePixelRatio();
    const long attendu = std::lround(200 * ratio / EtatCalcul.EchelleX);
    const double marge = 7 + (ratio == std::round(ratio) ? 0 : 0.5 / EtatCalcul.EchelleX);
    QTRY_VERIFY2(std::abs(f->DipElec->text().toLong() - attendu) <= marge,
                 qPrintable(f->DipElec->text()));
}

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TstHauteDensite test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_haute_densite.moc"
