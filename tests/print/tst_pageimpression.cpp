#include "DefautsTest.h"
#include "calc/CalculRun.h"
#include "calc/TraceGraphe.h"
#include "chart/EnvironnementMuet.h"
#include "print/FormatLamda.h"
#include "print/GeometriePage.h"
#include "print/Legendes.h"
#include "print/SurfacePage.h"

#include <QtTest>

// The printed page without a printer, on a large page: 4800 x 6600 device
// pixels with the printing offset (90, 110), for the default antenna on the
// 785 x 330 picture.
namespace {

constexpr QRgb Noir = 0xFF000000;
constexpr QRgb Blanc = 0xFFFFFFFF;

const TextesFenetre Textes{"2062", "0.97", "3000", "0.92", true};

// The text drawn alone on its white box, compared with the page there.
bool texteEn(const SurfacePage &page, int x, int y, const QString &texte)
{
    QImage seul(page.largeurTexte(texte), page.hauteurTexte(), QImage::Format_RGB32);
    RasterSurface s(seul, page.police());
    s.textOut(0, 0, texte);
    return page.image().copy(QRect(QPoint(x, y), seul.size())) == seul;
}

// A one-pixel black outline on columns l..r-1 and rows t..b-1, white outside.
bool cadreEn(const QImage &img, int l, int t, int r, int b)
{
    const int mx = (l + r) / 2, my = (t + b) / 2;
    return img.pixel(l, t) == Noir && img.pixel(r - 1, b - 1) == Noir && img.pixel(l, my) == Noir &&
           img.pixel(mx, b - 1) == Noir && img.pixel(l - 1, my) == Blanc &&
           img.pixel(r, my) == Blanc && img.pixel(mx, t - 1) == Blanc && img.pixel(mx, b) == Blanc;
}

} // namespace

class TstPageImpression : public QObject {
    Q_OBJECT
private slots:
    void init();
    void format_data();
    void format();
    void geometrie_data();
    void geometrie();
    void grapheEtLegende_data();
    void grapheEtLegende();
    void legendeLobes();
};

void TstPageImpression::init()
{
    // After start-up and "Lancer" with the default texts on the 785 x 330 area.
    Defauts::EtatApresLancer();
    CalculRun::EchellesEcran(0, 785, 330);
}

void TstPageImpression::format_data()
{
    QTest::addColumn<double>("valeur");
    QTest::addColumn<QString>("texte");
    QTest::newRow("0.248") << 0.248 << "0.25";
    QTest::newRow("0.125, exact half up") << 0.125 << "0.13";
    QTest::newRow("0.992") << 0.992 << "0.99";
    QTest::newRow("0.996 carries") << 0.996 << "1.00";
    QTest::newRow("1.234, two digits") << 1.234 << "1.20";
    QTest::newRow("1.25, exact half up") << 1.25 << "1.30";
    QTest::newRow("nearest double to 1.15 is below") << 1.15 << "1.10";
    QTest::newRow("12.34") << 12.34 << "12.00";
    QTest::newRow("0") << 0.0 << "0.00";
    QTest::newRow("100") << 100.0 << "1E2";
    QTest::newRow("99.6 rounds to 100") << 99.6 << "1E2";
    QTest::newRow("1234") << 1234.0 << "1.2E3";
    QTest::newRow("0.005 up to the last decimal") << 0.005 << "0.01";
    QTest::newRow("-0.001 loses its sign") << -0.001 << "0.00";
}

void TstPageImpression::format()
{
    QFETCH(double, valeur);
    QFETCH(QString, texte);
    QCOMPARE(FormatLamda(valeur, QStringLiteral(".")), texte);
    // The caption writes the desktop's own separator.
    QCOMPARE(FormatLamda(valeur, QStringLiteral(",")), QString(texte).replace('.', ','));
}

void TstPageImpression::geometrie_data()
{
    QTest::addColumn<QRect>("page"); // offset and printable area
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QList<int>>("attendu"); // W, H, Wc, Hc, x0, y0, width fit
    QTest::newRow("785 x 330 picture, offset (90, 110)")
        << QRect(90, 110, 4800, 6600) << QSize(785, 330)
        << QList<int>{4620, 6380, 4620, 1942, 90, 1165, 1};
    QTest::newRow("offset not given") << QRect(0, 0, 4800, 6600) << QSize(785, 330)
                                      << QList<int>{4800, 6600, 4800, 2017, 0, 1146, 1};
    QTest::newRow("tall area: height fit") << QRect(90, 110, 4800, 6600) << QSize(330, 785)
                                           << QList<int>{4620, 6380, 2682, 6380, 530, 110, 0};
    QTest::newRow("square area, wide page: height fit")
        << QRect(0, 0, 6600, 4800) << QSize(100, 100)
        << QList<int>{6600, 4800, 4800, 4800, 450, 0, 0};
}

void TstPageImpression::geometrie()
{
    QFETCH(QRect, page);
    QFETCH(QSize, image);
    QFETCH(QList<int>, attendu);
    const GeometriePage g = CalculeGeometrie(page.width(), page.height(), {page.x(), page.y()},
                                             image.width(), image.height());
    QCOMPARE((QList<int>{g.W, g.H, g.Wc, g.Hc, g.x0, g.y0, g.ajusteLargeur}), attendu);
    AppliqueGeometrie(g);
    QCOMPARE(EtatCalcul.GaucheGraphe, g.x0);
    QCOMPARE(EtatCalcul.DemiHauteur, g.y0);
    // Only the fitted side's margin moves.
    QCOMPARE(EtatCalcul.MargeY, g.ajusteLargeur ? page.y() : 0);
    QCOMPARE(EtatCalcul.MargeX, g.ajusteLargeur ? 0 : page.x());
    QCOMPARE(EtatCalcul.EchelleX, double(g.Wc) / 5387);
    QCOMPARE(EtatCalcul.EchelleY, g.Hc / 2.37);
}

void TstPageImpression::grapheEtLegende_data()
{
    QTest::addColumn<bool>("moyenne");
    QTest::addColumn<QString>("classe");
    QTest::newRow("Impédance moyenne")
        << true << "Calcul éffectués pour une impédance moyenne ou basse.";
    QTest::newRow("basse or haute") << false << "Calcul éffectués pour une impédance basse.";
}

void TstPageImpression::grapheEtLegende()
{
    QFETCH(bool, moyenne);
    QFETCH(QString, classe);
    AppliqueGeometrie(CalculeGeometrie(4800, 6600, {90, 110}, 785, 330));
    const PlacementLegende p = CalculePlacement();
    QCOMPARE((QList<int>{p.g, p.X1, p.X2, p.S, p.T}), (QList<int>{90, 667, 2977, 140, 2330}));

    SurfacePage page(4800, 6600, 300);
    EnvironnementMuet env;
    TraceGraphe(page, env);
    TextesFenetre textes = Textes;
    textes.ChSerie_moy = moyenne;
    textes.LongDip = " 2062"; // printed as typed
    LegendeCourants(page, textes);

    const QImage &img = page.image();
    QVERIFY(cadreEn(img, 90, 110, 4710, 2330));
    // The baseline inverts as on screen: silver along the branch, navy over the ladder.
    QCOMPARE(img.pixel(700, 1165), 0xFF3F3F3F);
    QCOMPARE(img.pixel(700, 1164), 0xFFC0C0C0);
    int marineInverse = 0;
    for (int x = 1900; x < 4700; ++x)
        marineInverse += img.pixel(x, 1165) == 0xFFFFFF7F;
    QVERIFY(marineInverse > 1000);

    QVERIFY(cadreEn(img, 577, 2470, 4579, 2920));
    QVERIFY(texteEn(page, 667, 2580, "Longueur physique d'une branche :  2062cm"));
    QVERIFY(texteEn(page, 2977, 2580, "Coefficient de vélocité choisi pour le dipole: 0.97"));
    QVERIFY(texteEn(page, 667, 2720, "Longueur physique de l'échelle : 3000cm"));
    QVERIFY(texteEn(page, 2977, 2720, "Coefficient de vélocité choisi pour l'échelle : 0.92"));
    QVERIFY(texteEn(page, 1643, 2860, classe));
}

void TstPageImpression::legendeLobes()
{
    AppliqueGeometrie(CalculeGeometrie(4800, 6600, {90, 110}, 785, 330));
    for (int k = 1; k <= 8; ++k)
        EtatCalcul.LamdaDip[k] = 2126.0 * EtatCalcul.TableBandes[k - 1].Frequence / 30e6;
    SurfacePage page(4800, 6600, 300);
    LegendeLobes(page, Textes);

    QVERIFY(cadreEn(page.image(), 577, 2330, 4579, 3760));
    QVERIFY(texteEn(page, 667, 2470, "Longueur physique d'une branche : 2062cm"));
    QVERIFY(texteEn(page, 2977, 2470, "Coefficient de vélocité choisi pour le dipole : 0.97"));
    const char *lamdas[] = {"0.26", "0.50", "0.72", "1.00", "1.30", "1.50", "1.80", "2.00"};
    // The wavelengths take the desktop's separator: a comma in test.sh's
    // French round, a point otherwise.
    const bool francais = qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("fr_FR")) ||
                          qEnvironmentVariable("LANG").startsWith(QLatin1String("fr_FR"));
    const QString separateur = francais ? QStringLiteral(",") : QStringLiteral(".");
    for (int k = 1; k <= 8; ++k) {
        const int y = 2330 + (k + 1) * 140; // 2610 ... 3590
        QVERIFY(texteEn(page, 667, y,
                        QString("Bande : %1 m").arg(EtatCalcul.TableBandes[k - 1].Bande)));
        QVERIFY(texteEn(page, 2977, y,
                        QString("Nombre de Lamda dans le demi-dipole : ") +
                            QString(lamdas[k - 1]).replace('.', separateur)));
    }

    // Unselected bands leave no row; the frame ends below the last one.
    for (int k = 1; k <= 8; ++k)
        EtatCalcul.BandeActive[k] = k == 5;
    SurfacePage page2(4800, 6600, 300);
    LegendeLobes(page2, Textes);
    QVERIFY(texteEn(page2, 667, 2610, "Bande : 17 m"));
    QVERIFY(cadreEn(page2.image(), 577, 2330, 4579, 2330 + 3 * 140 + 30));
}

QTEST_MAIN(TstPageImpression)
#include "tst_pageimpression.moc"
