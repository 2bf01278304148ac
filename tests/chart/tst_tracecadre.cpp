#include "Graphe.h"

#include "chart/TraceCadre.h"

#include <QtTest>

namespace {

constexpr QRgb Noir = qRgb(0, 0, 0);
constexpr QRgb Blanc = qRgb(255, 255, 255);
constexpr QRgb Argent = qRgb(0xC0, 0xC0, 0xC0);
constexpr QRgb Marine = qRgb(0x00, 0x00, 0x80);
constexpr QRgb Gris = qRgb(0x80, 0x80, 0x80);
constexpr QRgb ArgentInverse = qRgb(0x3F, 0x3F, 0x3F);
constexpr QRgb MarineInverse = qRgb(0xFF, 0xFF, 0x7F);

// Colours of a column from row `de` to row `a`, one run "first-last:#RRGGBB" per
// change of colour.
QStringList colonne(const QImage &img, int x, int de, int a)
{
    QStringList runs;
    int debut = de;
    for (int y = de; y <= a; ++y)
        if (y == a || img.pixel(x, y + 1) != img.pixel(x, y)) {
            runs << QStringLiteral("%1-%2:%3")
                        .arg(debut)
                        .arg(y)
                        .arg(QColor(img.pixel(x, y)).name());
            debut = y + 1;
        }
    return runs;
}

QString run(int de, int a, QRgb c)
{
    return QStringLiteral("%1-%2:%3").arg(de).arg(a).arg(QColor(c).name());
}

} // namespace

class TestTraceCadre : public QObject {
    Q_OBJECT

private slots:
    void init() { etatParDefaut(); }
    void zones_data();
    void zones();
    void bandeauEtBords();
    void lettres_data();
    void lettres();
};

void TestTraceCadre::zones_data()
{
    QTest::addColumn<bool>("para");
    QTest::addColumn<bool>("serieBas");
    QTest::addColumn<double>("seuilMoyen");
    QTest::addColumn<QStringList>("attendu");

    // Column 500, over the ladder: outline, strip area, zones, baseline at 165.
    const auto avecZones = [](int gris1, int marine1, int argent, int gris2) {
        return QStringList{run(0, 23, Noir),         run(24, gris1 - 1, Argent),
                           run(gris1, marine1 - 1, Gris), run(marine1, 164, Marine),
                           run(165, 165, MarineInverse), run(166, argent - 1, Marine),
                           run(argent, argent, Argent),  run(argent + 1, gris2, Gris),
                           run(gris2 + 1, 328, Argent),  run(329, 329, Noir)};
    };
    QTest::newRow("medium 0.6 under 0.8") << false << false << 0.6 << avecZones(55, 82, 249, 276);
    QTest::newRow("low draws the medium zones") << false << true << 0.6 << avecZones(55, 82, 249, 276);
    QTest::newRow("high narrows to 0.3") << true << false << 0.6 << avecZones(55, 124, 207, 276);
    QTest::newRow("medium 0.9 over 0.8")
        << false << false << 0.9
        << QStringList{run(0, 23, Noir),        run(24, 39, Argent),   run(40, 53, Gris),
                       run(54, 164, Marine),    run(165, 165, MarineInverse),
                       run(166, 275, Marine),   run(276, 289, Gris),   run(290, 328, Argent),
                       run(329, 329, Noir)};
    QTest::newRow("medium equal to low: no grey")
        << false << false << 0.8
        << QStringList{run(0, 23, Noir),      run(24, 53, Argent), run(54, 164, Marine),
                       run(165, 165, MarineInverse), run(166, 275, Marine),
                       run(276, 328, Argent), run(329, 329, Noir)};
}

void TestTraceCadre::zones()
{
    QFETCH(bool, para);
    QFETCH(bool, serieBas);
    QFETCH(double, seuilMoyen);
    QFETCH(QStringList, attendu);

    EtatCalcul.SeuilMoyen = seuilMoyen;
    EnvironnementFactice env;
    env.para = para;
    env.serieBas = serieBas;
    QImage img = ecran();
    RasterSurface s(img, QFont());
    TraceCadre(s, env);
    QCOMPARE(colonne(img, 500, 0, 329), attendu);
    // The zones span the ladder only; the navy one, truncated, stops at 783.
    QCOMPARE(colonne(img, 783, 200, 200), QStringList{run(200, 200, Marine)});
    QCOMPARE(colonne(img, 311, 200, 200), QStringList{run(200, 200, Marine)});
    QCOMPARE(colonne(img, 309, 200, 200), QStringList{run(200, 200, Argent)});
}

void TestTraceCadre::bandeauEtBords()
{
    EnvironnementFactice env;
    QImage img = ecran();
    RasterSurface s(img, QFont());
    TraceCadre(s, env);

    for (int x = 311; x <= 783; ++x) {
        QCOMPARE(colonne(img, x, 0, 24), (QStringList{run(0, 23, Noir), run(24, 24, Argent)}));
        QCOMPARE(img.pixel(x, 165) == ArgentInverse || img.pixel(x, 165) == MarineInverse, true);
    }
    QCOMPARE(colonne(img, 309, 0, 24), (QStringList{run(0, 0, Noir), run(1, 24, Argent)}));
    // Baseline: the outline's pixel at its left end turns white, silver dark grey.
    QCOMPARE(img.pixel(0, 165), Blanc);
    QCOMPARE(img.pixel(100, 165), ArgentInverse);
    QCOMPARE(img.pixel(0, 164), Noir);
    QCOMPARE(img.pixel(784, 100), Noir);
    QCOMPARE(img.pixel(785 - 1, 329), Noir);
    // The B line runs the full height except where the letter's box covers it.
    const int finLettre = 28 + s.hauteurTexte();
    for (int y = 0; y < 330; ++y)
        if (y < 28 || y >= finLettre)
            QCOMPARE(img.pixel(310, y), Noir);
    // The surface is left as the curves expect it.
    QCOMPARE(s.couleurPinceau(), Argent);
    QCOMPARE(s.couleurCrayon(), Noir);
    QCOMPARE(s.modeCrayon(), ModeCrayon::Copie);
}

void TestTraceCadre::lettres_data()
{
    QTest::addColumn<int>("gauche");
    QTest::addColumn<int>("margeX");
    QTest::addColumn<int>("margeY");
    QTest::addColumn<QList<QPoint>>("positions"); // A, B, C

    QTest::newRow("screen") << 0 << 0 << 0
                            << QList<QPoint>{{5, 28}, {308, 28}, {773, 28}};
    // On the page A follows the offsets, B ignores GaucheGraphe, C both.
    QTest::newRow("offsets") << 20 << 7 << 10
                             << QList<QPoint>{{32, 38}, {315, 38}, {773, 38}};
}

void TestTraceCadre::lettres()
{
    QFETCH(int, gauche);
    QFETCH(int, margeX);
    QFETCH(int, margeY);
    QFETCH(QList<QPoint>, positions);

    EtatCalcul.GaucheGraphe = gauche;
    EtatCalcul.MargeX = margeX;
    EtatCalcul.MargeY = margeY;
    EnvironnementFactice env;
    QImage img = ecran(830, 360);
    RasterSurface s(img, QFont());
    TraceCadre(s, env);
    const QStringList lettres{"A", "B", "C"};
    for (int i = 0; i < 3; ++i)
        QVERIFY2(texteEn(img, s, positions[i].x(), positions[i].y(), lettres[i], Noir),
                 qPrintable(lettres[i]));
}

QTEST_MAIN(TestTraceCadre)
#include "tst_tracecadre.moc"
