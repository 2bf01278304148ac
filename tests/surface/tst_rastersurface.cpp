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
            const QRgb p = img.pixel(x, y) & 0xFFFFFF;
            ligne += p == (Blanc & 0xFFFFFF) ? u'.'
                   : p == (Noir & 0xFFFFFF)  ? u'#'
                   : p == (Argent & 0xFFFFFF) ? u'o'
                                              : u'?';
        }
        lignes << ligne;
    }
    return lignes;
}

QRgb complement(QRgb c) { return qRgb(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c)); }

} // namespace

class TestRasterSurface : public QObject {
    Q_OBJECT

private slots:
    void lignes_data();
    void lignes();
    void lignesCoupees_data();
    void lignesCoupees();
    void inversion();
    void inversionLargeUneSeuleFois();
    void texte_data();
    void texte();
    void rectangle();
    void remplissage_data();
    void remplissage();
    void cadre();
    void etirement();
};

void TestRasterSurface::lignes_data()
{
    QTest::addColumn<QPoint>("depart");
    QTest::addColumn<QPoint>("arrivee");
    QTest::addColumn<int>("epaisseur");
    QTest::addColumn<QStringList>("attendu");

    const QStringList horizontale{"........", ".####...", "........", "........", "........"};
    QTest::newRow("horizontal, end excluded") << QPoint(1, 1) << QPoint(5, 1) << 1 << horizontale;
    QTest::newRow("width 0 draws as 1") << QPoint(1, 1) << QPoint(5, 1) << 0 << horizontale;
    QTest::newRow("vertical upwards") << QPoint(2, 4) << QPoint(2, 0) << 1
                                      << QStringList{"........", "..#.....", "..#.....", "..#.....", "..#....."};
    QTest::newRow("shallow") << QPoint(0, 0) << QPoint(5, 2) << 1
                             << QStringList{"##......", "..##....", "....#...", "........", "........"};
    QTest::newRow("steep") << QPoint(1, 0) << QPoint(3, 5) << 1
                           << QStringList{".#......", ".#......", "..#.....", "..#.....", "...#...."};
    // Exactly half-way the pixel on the start's side is taken, both ways.
    QTest::newRow("tie, forwards") << QPoint(0, 0) << QPoint(4, 2) << 1
                                   << QStringList{"##......", "..##....", "........", "........", "........"};
    QTest::newRow("tie, backwards") << QPoint(4, 2) << QPoint(0, 0) << 1
                                    << QStringList{"........", ".##.....", "...##...", "........", "........"};
    QTest::newRow("zero length, thin pen") << QPoint(3, 2) << QPoint(3, 2) << 1
                                           << QStringList(5, "........");
    // Dots: odd widths centred on the pixel, even ones on its top-left corner.
    QTest::newRow("dot 2") << QPoint(3, 2) << QPoint(3, 2) << 2
                           << QStringList{"........", "..##....", "..##....", "........", "........"};
    QTest::newRow("dot 3") << QPoint(3, 2) << QPoint(3, 2) << 3
                           << QStringList{"........", "..###...", "..###...", "..###...", "........"};
    QTest::newRow("dot 4") << QPoint(3, 2) << QPoint(3, 2) << 4
                           << QStringList{"..##....", ".####...", ".####...", "..##....", "........"};
    QTest::newRow("dot 5") << QPoint(3, 2) << QPoint(3, 2) << 5
                           << QStringList{"..###...", ".#####..", ".#####..", ".#####..", "..###..."};
    QTest::newRow("wide line, round ends, end included")
        << QPoint(3, 2) << QPoint(4, 2) << 5
        << QStringList{"..####..", ".######.", ".######.", ".######.", "..####.."};
}

void TestRasterSurface::lignes()
{
    QFETCH(QPoint, depart);
    QFETCH(QPoint, arrivee);
    QFETCH(int, epaisseur);
    QFETCH(QStringList, attendu);

    QImage img = image(8, 5);
    RasterSurface s(img, QFont());
    s.setEpaisseurCrayon(epaisseur);
    s.moveTo(depart.x(), depart.y());
    s.lineTo(arrivee.x(), arrivee.y());
    QCOMPARE(grille(img), attendu);
    QCOMPARE(QPoint(s.x(), s.y()), arrivee);
}

void TestRasterSurface::lignesCoupees_data()
{
    QTest::addColumn<QPoint>("depart");
    QTest::addColumn<QPoint>("arrivee");
    QTest::addColumn<int>("epaisseur");

    QTest::newRow("shallow through") << QPoint(-50, -7) << QPoint(90, 33) << 1;
    QTest::newRow("steep through") << QPoint(3, -60) << QPoint(17, 95) << 1;
    QTest::newRow("from inside out") << QPoint(10, 10) << QPoint(-45, 31) << 1;
    QTest::newRow("wide through") << QPoint(-40, 45) << QPoint(70, -12) << 4;
    QTest::newRow("wide just outside") << QPoint(-2, -30) << QPoint(-2, 70) << 5;
}

// A line clipped to a small image has exactly the pixels of the same line on
// a large image that holds it whole.
void TestRasterSurface::lignesCoupees()
{
    QFETCH(QPoint, depart);
    QFETCH(QPoint, arrivee);
    QFETCH(int, epaisseur);

    const QPoint decalage(100, 100);
    QImage petite = image(30, 40);
    QImage grande = image(300, 300);
    RasterSurface sp(petite, QFont());
    RasterSurface sg(grande, QFont());
    for (RasterSurface *s : {&sp, &sg}) {
        const QPoint d = s == &sg ? decalage : QPoint();
        s->setEpaisseurCrayon(epaisseur);
        s->moveTo(depart.x() + d.x(), depart.y() + d.y());
        s->lineTo(arrivee.x() + d.x(), arrivee.y() + d.y());
    }
    QCOMPARE(grille(petite), grille(grande.copy(QRect(decalage, petite.size()))));
}

void TestRasterSurface::inversion()
{
    const QList<QRgb> fonds{Argent, qRgb(0, 0, 0x80), Noir, qRgb(0x12, 0x34, 0x56)};
    QImage img = image(fonds.size(), 1);
    for (int x = 0; x < fonds.size(); ++x)
        img.setPixel(x, 0, fonds[x]);
    RasterSurface s(img, QFont());
    s.setCouleurCrayon(qRgb(255, 0, 0)); // ignored when inverting
    s.setModeCrayon(ModeCrayon::Inversion);
    s.moveTo(0, 0);
    s.lineTo(fonds.size(), 0);
    QCOMPARE(img.pixel(0, 0), qRgb(0x3F, 0x3F, 0x3F));
    QCOMPARE(img.pixel(1, 0), qRgb(0xFF, 0xFF, 0x7F));
    QCOMPARE(img.pixel(2, 0), Blanc);
    QCOMPARE(img.pixel(3, 0), complement(fonds[3]));
}

// The dots of a wide stroke overlap, and so do a wide outline's sides;
// inverting a pixel twice would restore it.
void TestRasterSurface::inversionLargeUneSeuleFois()
{
    const QList<std::function<void(Surface &)>> traits{
        [](Surface &s) { s.lineTo(33, 25); },
        [](Surface &s) { s.rectangle(3, 3, 30, 36); },
    };
    for (const auto &trait : traits) {
        QImage copie = image(40, 40, Argent);
        QImage inverse = image(40, 40, Argent);
        RasterSurface sc(copie, QFont());
        RasterSurface si(inverse, QFont());
        si.setModeCrayon(ModeCrayon::Inversion);
        for (RasterSurface *s : {&sc, &si}) {
            s->setCouleurPinceau(Argent);
            s->setEpaisseurCrayon(6);
            s->moveTo(5, 7);
            trait(*s);
        }
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                QCOMPARE(inverse.pixel(x, y),
                         copie.pixel(x, y) == Noir ? complement(Argent) : Argent);
    }
}

void TestRasterSurface::texte_data()
{
    QTest::addColumn<QString>("texte");
    QTest::newRow("letter") << QStringLiteral("A");
    QTest::newRow("band label") << QStringLiteral("80 m");
    QTest::newRow("accents") << QStringLiteral("Répartition");
    QTest::newRow("empty") << QString();
}

void TestRasterSurface::texte()
{
    QFETCH(QString, texte);
    constexpr QRgb Fond = qRgb(0xC0, 0xC0, 0xC0);
    constexpr QRgb Police = qRgb(0xFF, 0x00, 0xFF);
    QImage img = image(120, 40);
    RasterSurface s(img, QFont());
    s.setCouleurPinceau(Fond);
    s.setCouleurPolice(Police);
    s.textOut(7, 9, texte);

    const QRect boite(7, 9, s.largeurTexte(texte), s.hauteurTexte());
    QCOMPARE(QPoint(s.x(), s.y()), QPoint(boite.x() + boite.width(), 9));
    int encre = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (!boite.contains(x, y))
                QCOMPARE(p, Blanc);
            else if (p == Police)
                ++encre;
            else
                QCOMPARE(p, Fond);
        }
    QCOMPARE(encre > 0, !texte.isEmpty());
}

void TestRasterSurface::rectangle()
{
    QImage img = image(10, 7);
    RasterSurface s(img, QFont());
    s.setCouleurPinceau(Argent);
    s.rectangle(8, 6, 2, 1); // corners in any order
    s.rectangle(0, 0, 1, 4); // one column wide: outline only
    QCOMPARE(grille(img), (QStringList{"#.........", "#.######..", "#.#oooo#..", "#.#oooo#..",
                                       "..#oooo#..", "..######..", ".........."}));
}

void TestRasterSurface::remplissage_data()
{
    QTest::addColumn<Rect>("rect");
    QTest::addColumn<QRect>("rempli");

    QTest::newRow("normal") << Rect{2, 1, 5, 4} << QRect(QPoint(2, 1), QPoint(4, 3));
    QTest::newRow("bottom above top") << Rect{2, 4, 5, 1} << QRect(QPoint(2, 2), QPoint(4, 4));
    QTest::newRow("right left of left") << Rect{5, 1, 2, 4} << QRect(QPoint(3, 1), QPoint(5, 3));
    QTest::newRow("both inverted") << Rect{5, 4, 2, 1} << QRect(QPoint(3, 2), QPoint(5, 4));
    QTest::newRow("top equals bottom") << Rect{2, 3, 5, 3} << QRect();
    QTest::newRow("left equals right") << Rect{4, 1, 4, 5} << QRect();
    QTest::newRow("clipped") << Rect{-3, -2, 3, 2} << QRect(QPoint(0, 0), QPoint(2, 1));
    QTest::newRow("clipped mirror") << Rect{9, 9, 6, 4} << QRect(QPoint(7, 5), QPoint(7, 5));
}

void TestRasterSurface::remplissage()
{
    QFETCH(Rect, rect);
    QFETCH(QRect, rempli);
    QImage img = image(8, 6);
    RasterSurface s(img, QFont());
    s.setCouleurPinceau(Argent);
    s.setCouleurCrayon(qRgb(255, 0, 0)); // no outline
    s.fillRect(rect);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            QCOMPARE(img.pixel(x, y), rempli.contains(x, y) ? Argent : Blanc);
}

void TestRasterSurface::cadre()
{
    QImage img = image(7, 6);
    RasterSurface s(img, QFont());
    s.setCouleurPinceau(Argent);
    s.frameRect({1, 5, 6, 1}); // bottom above top: rows 2..5, as fillRect
    s.frameRect({3, 0, 3, 2}); // empty
    QCOMPARE(grille(img), (QStringList{".......", ".......", ".ooooo.", ".o...o.", ".o...o.",
                                       ".ooooo."}));
}

void TestRasterSurface::etirement()
{
    QImage source(2, 2, QImage::Format_RGB32);
    source.setPixel(0, 0, Noir);
    source.setPixel(1, 0, Argent);
    source.setPixel(0, 1, Argent);
    source.setPixel(1, 1, Noir);
    QImage img = image(8, 5);
    RasterSurface s(img, QFont());
    s.stretchDraw({0, 0, 4, 4}, source);
    s.stretchDraw({7, 3, 4, 7}, source); // mirrored left-right, clipped below
    QCOMPARE(grille(img), (QStringList{"##oo....", "##oo....", "oo##....", "oo##.oo#",
                                       ".....oo#"}));
}

QTEST_MAIN(TestRasterSurface)
#include "tst_rastersurface.moc"
