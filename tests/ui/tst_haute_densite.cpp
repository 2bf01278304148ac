#include "FenetreTest.h"
#include "GrapheDirect.h"
#include "ui/Application.h"
#include "ui/PoliceEcran.h"
#include "ui/ZoneImage.h"

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
// screen's device pixels rather than enlarged.
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
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
}

void TstHauteDensite::textesAuDoubleSansEspacement()
{
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

    // The same label in the window's font at ratio 2.
    QVERIFY(!QFontInfo(QApplication::font()).family().contains(QStringLiteral("MS Sans")));
    QLabel label(Texte);
    label.setAutoFillBackground(true);
    label.adjustSize();
    const QImage grande = label.grab().toImage();
    QCOMPARE(grande.devicePixelRatio(), 2.0);
    const QRect b = encre(grande);

    // Twice as high and twice as wide, within a glyph's rounding: a 1x font
    // spaced out to 2x would be as wide but half as high.
    QVERIFY2(std::abs(b.height() - 2.0 * a.height()) <= 0.15 * 2 * a.height(),
             qPrintable(QStringLiteral("%1 vs %2").arg(b.height()).arg(a.height())));
    QVERIFY2(std::abs(b.width() - 2.0 * a.width()) <= 0.05 * 2 * a.width(),
             qPrintable(QStringLiteral("%1 vs %2").arg(b.width()).arg(a.width())));
}

void TstHauteDensite::grapheEnPixelsDuPeripherique()
{
    FenetreTest f;
    f->Button1->click();
    const QImage &image = f->Image1->picture();
    QCOMPARE(image.size(), QSize(785 * 2, 330 * 2));
    QCOMPARE(image.devicePixelRatio(), 2.0);
    QCOMPARE(EtatCalcul.EchelleX, 1570.0 / 5387);

    // The chart the formulas give for 1570 x 660, with lines and letters in
    // proportion.
    const QImage direct = GrapheDirect({1570, 660}, PoliceGraphe(2), 2);
    QImage montre = image;
    montre.setDevicePixelRatio(1);
    QCOMPARE(montre, direct);
    // The baseline is two pixels thick, not one.
    const int y = EtatCalcul.DemiHauteur;
    QCOMPARE(QColor(image.pixel(30, y - 1)), QColor(image.pixel(30, y)));
}

void TstHauteDensite::deplacementEnPixelsDuPeripherique()
{
    FenetreTest f;
    f->Button1->click();
    f->ClicAB->click();
    // The mouse at 200 screen pixels is at device pixel 400 of the chart,
    // within the test's own mouse rounding of a screen pixel (7 cm).
    QTest::mouseMove(f->Image1, QPoint(200, 40));
    const long attendu = std::lround(400 / (1570.0 / 5387));
    QTRY_VERIFY2(std::abs(f->DipElec->text().toLong() - attendu) <= 7,
                 qPrintable(f->DipElec->text()));
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TstHauteDensite test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_haute_densite.moc"
