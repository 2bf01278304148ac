#include "surface/RasterSurface.h"

#include <QtTest>

namespace {

constexpr QRgb Blanc = qRgb(255, 255, 255);
constexpr QRgb Noir = qRgb(0, 0, 0);
constexpr QRgb Argent = qRgb(192, 192, 192);

QImage image(int largeur, int hauteur, QRgb fond = Blanc)
{
    QImage img(largeur, hauteur, QImage::Format_RGB32);
    img.fill(fond);
    return img;
}

// One character per pixel: '.' white, '#' black, 'o' silver, '?' anything else.
QStringList grille(const QImage &img)
{
    QStringList lignes;
    for (int y = 0; y < img.height(); ++y) {
        QString ligne;
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            ligne += p == Blanc ? u'.' : p == Noir ? u'#' : p == Argent ? u'o' : u'?';
        }
        lignes << ligne;
    }
    return lignes;
}

} // namespace

class TestRasterSurface : public QObject {
    Q_OBJECT

private slots:
    void lignes_data();
    void lignes();
    void lignesCoupees_data();
    void lignesCoupees();
    void inversion();
    void imagePartagee();
    void texte();
    void rectangles();
    void remplissage_data();
    void remplissage();
};

void TestRasterSurface::lignes_data()
{
    QTest::addColumn<QPoint>("depart");
    QTest::addColumn<QPoint>("arrivee");
    QTest::addColumn<int>("epaisseur");
    QTest::addColumn<QString>("attendu"); // rows 0 to 4, separated by '|'

    const QString horizontale = "........|.####...|........|........|........";
    QTest::newRow("end excluded") << QPoint(1, 1) << QPoint(5, 1) << 1 << horizontale;
    QTest::newRow("width 0 as 1") << QPoint(1, 1) << QPoint(5, 1) << 0 << horizontale;
    QTest::newRow("shallow") << QPoint(0, 0) << QPoint(5, 2) << 1
                             << "##......|..##....|....#...|........|........";
    QTest::newRow("steep") << QPoint(1, 0) << QPoint(3, 5) << 1
                           << ".#......|.#......|..#.....|..#.....|...#....";
    // Exactly half-way, the pixel on the start's side.
    QTest::newRow("vertical down")
        << QPoint(1, 0) << QPoint(1, 4) << 1 << ".#......|.#......|.#......|.#......|........";
    QTest::newRow("vertical up") << QPoint(2, 4) << QPoint(2, 1) << 1
                                 << "........|........|..#.....|..#.....|..#.....";
    QTest::newRow("tie backwards")
        << QPoint(4, 2) << QPoint(0, 0) << 1 << "........|.##.....|...##...|........|........";
    QTest::newRow("zero length thin")
        << QPoint(3, 2) << QPoint(3, 2) << 1 << "........|........|........|........|........";
    // Even dots are centred on the pixel's top-left corner, odd ones on it.
    QTest::newRow("dot 2") << QPoint(3, 2) << QPoint(3, 2) << 2
                           << "........|..##....|..##....|........|........";
    QTest::newRow("dot 4") << QPoint(3, 2) << QPoint(3, 2) << 4
                           << "..##....|.####...|.####...|..##....|........";
    QTest::newRow("dot 5") << QPoint(3, 2) << QPoint(3, 2) << 5
                           << "..###...|.#####..|.#####..|.#####..|..###...";
    QTest::newRow("wide, round ends")
        << QPoint(3, 2) << QPoint(4, 2) << 5 << "..####..|.######.|.######.|.######.|..####..";
}

void TestRasterSurface::lignes()
{
    QFETCH(QPoint, depart);
    QFETCH(QPoint, arrivee);
    QFETCH(int, epaisseur);
    QFETCH(QString, attendu);

    QImage img = image(8, 5);
    RasterSurface s(img, QFont());
    s.setEpaisseurCrayon(epaisseur);
    s.moveTo(depart.x(), depart.y());
    s.lineTo(arrivee.x(), arrivee.y());
    QCOMPARE(grille(img).join('|'), attendu);
    QCOMPARE(QPoint(s.x(), s.y()), arrivee);
}

void TestRasterSurface::lignesCoupees_data()
{
    QTest::addColumn<QPoint>("depart");
    QTest::addColumn<QPoint>("arrivee");
    QTest::addColumn<int>("epaisseur");
    QTest::newRow("shallow through") << QPoint(-50, -7) << QPoint(90, 33) << 1;
    QTest::newRow("steep through") << QPoint(3, -60) << QPoint(17, 95) << 1;
    QTest::newRow("wide through") << QPoint(-40, 45) << QPoint(70, -12) << 4;
    QTest::newRow("vertical through") << QPoint(12, 70) << QPoint(12, -30) << 1;
    QTest::newRow("vertical beside") << QPoint(-1, 5) << QPoint(-1, 30) << 1;
}

// Clipping skips the hidden part of a line without moving its visible pixels.
void TestRasterSurface::lignesCoupees()
{
    QFETCH(QPoint, depart);
    QFETCH(QPoint, arrivee);
    QFETCH(int, epaisseur);

    const QPoint decalage(100, 100);
    QImage petite = image(30, 40);
    QImage grande = image(300, 300);
    for (auto [img, d] : {std::pair{&petite, QPoint()}, std::pair{&grande, decalage}}) {
        RasterSurface s(*img, QFont());
        s.setEpaisseurCrayon(epaisseur);
        s.moveTo(depart.x() + d.x(), depart.y() + d.y());
        s.lineTo(arrivee.x() + d.x(), arrivee.y() + d.y());
    }
    QCOMPARE(grille(petite), grille(grande.copy(QRect(decalage, petite.size()))));
}

void TestRasterSurface::inversion()
{
    QImage img = image(3, 1);
    img.setPixel(0, 0, Argent);
    img.setPixel(1, 0, qRgb(0, 0, 0x80));
    img.setPixel(2, 0, Noir);
    RasterSurface s(img, QFont());
    s.setModeCrayon(ModeCrayon::Inversion);
    s.lineTo(3, 0);
    QCOMPARE(img.pixel(0, 0), qRgb(0x3F, 0x3F, 0x3F));
    QCOMPARE(img.pixel(1, 0), qRgb(0xFF, 0xFF, 0x7F));
    QCOMPARE(img.pixel(2, 0), Blanc);
    s.moveTo(1, -4); // and down a column
    s.lineTo(1, 1);
    QCOMPARE(img.pixel(1, 0), qRgb(0, 0, 0x80));

    // Overlapping dots of a wide line, and a wide outline's corners, invert once.
    QImage copie = image(80, 40, Argent);
    QImage inverse = image(80, 40, Argent);
    for (QImage *i : {&copie, &inverse}) {
        RasterSurface w(*i, QFont());
        w.setModeCrayon(i == &inverse ? ModeCrayon::Inversion : ModeCrayon::Copie);
        w.setCouleurPinceau(Argent);
        w.setEpaisseurCrayon(6);
        w.rectangle(3, 3, 30, 36);
        w.moveTo(40, 5);
        w.lineTo(75, 30);
    }
    for (int y = 0; y < copie.height(); ++y)
        for (int x = 0; x < copie.width(); ++x)
            if (copie.pixel(x, y) == Noir)
                copie.setPixel(x, y, qRgb(0x3F, 0x3F, 0x3F));
    QCOMPARE(inverse, copie);
}

// A copy taken between two drawings keeps what it saw: the surface writes
// into its own image only.
void TestRasterSurface::imagePartagee()
{
    QImage img = image(4, 3);
    RasterSurface s(img, QFont());
    s.moveTo(0, 1);
    s.lineTo(4, 1);
    const QImage copie = img;
    s.moveTo(0, 2);
    s.lineTo(4, 2);
    s.rectangle(0, 0, 2, 2);
    QCOMPARE(grille(copie).join('|'), QStringLiteral("....|####|...."));
    QCOMPARE(grille(img).join('|'), QStringLiteral("##..|####|####"));
}

void TestRasterSurface::texte()
{
    constexpr QRgb Police = qRgb(0xFF, 0x00, 0xFF);
    QImage img = image(120, 40);
    RasterSurface s(img, QFont());
    s.setCouleurPinceau(Argent);
    s.setCouleurPolice(Police);
    const QString texte = QStringLiteral("Répartition 80 m");
    s.textOut(7, 9, texte);

    // An opaque box of the brush colour holding the glyphs, nothing outside.
    const QRect boite(7, 9, s.largeurTexte(texte), s.hauteurTexte());
    QCOMPARE(QPoint(s.x(), s.y()), QPoint(boite.right() + 1, 9));
    int encre = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            encre += p == Police;
            QVERIFY(boite.contains(x, y) ? p == Police || p == Argent : p == Blanc);
        }
    QVERIFY(encre > 0);
}

void TestRasterSurface::rectangles()
{
    QImage img = image(12, 8);
    RasterSurface s(img, QFont());
    s.setCouleurPinceau(Argent);
    s.rectangle(8, 6, 2, 1);     // corners in any order
    s.rectangle(0, 0, 1, 4);     // one column wide: outline only
    s.frameRect({10, 5, 12, 1}); // bottom above top: rows 2 to 5
    QImage source(2, 2, QImage::Format_RGB32);
    source.fill(Noir);
    source.setPixel(1, 1, Argent);
    s.stretchDraw({7, 8, 3, 5}, source); // mirrored both ways, clipped below
    QCOMPARE(grille(img).join('|'), QStringLiteral("#...........|#.######....|#.#oooo#..oo|"
                                                   "#.#oooo#..oo|..#oooo#..oo|..######..oo|"
                                                   "....oo##....|....oo##...."));
}

void TestRasterSurface::remplissage_data()
{
    QTest::addColumn<Rect>("rect");
    QTest::addColumn<QRect>("rempli");
    QTest::newRow("normal") << Rect{2, 1, 5, 4} << QRect(QPoint(2, 1), QPoint(4, 3));
    QTest::newRow("bottom above top") << Rect{2, 4, 5, 1} << QRect(QPoint(2, 2), QPoint(4, 4));
    QTest::newRow("right left of left") << Rect{5, 1, 2, 4} << QRect(QPoint(3, 1), QPoint(5, 3));
    QTest::newRow("top equals bottom") << Rect{2, 3, 5, 3} << QRect();
    QTest::newRow("left equals right") << Rect{4, 1, 4, 5} << QRect();
    QTest::newRow("clipped mirror") << Rect{9, 9, 6, 4} << QRect(QPoint(7, 5), QPoint(7, 5));
}

void TestRasterSurface::remplissage()
{
    QFETCH(Rect, rect);
    QFETCH(QRect, rempli);
    QImage img = image(8, 6);
    RasterSurface s(img, QFont());
    s.setCouleurPinceau(Argent);
    s.fillRect(rect);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            QCOMPARE(img.pixel(x, y), rempli.contains(x, y) ? Argent : Blanc);
}

QTEST_MAIN(TestRasterSurface)
#include "tst_rastersurface.moc"
