#include "DefautsTest.h"
#include "calc/TraceGraphe.h"
#include "chart/EnvironnementMuet.h"
#include "chart/TraceCadre.h"
#include "chart/TraceCourbes.h"
#include "state/Echelles.h"
#include "state/EtatCalcul.h"
#include "surface/RasterSurface.h"

#include <QtTest>

namespace {

// Counts the lines drawn: the drawing's work, whatever the machine's speed.
class SurfaceComptee : public RasterSurface {
public:
    using RasterSurface::RasterSurface;
    int lignes = 0;
    void lineTo(int x, int y) override
    {
        ++lignes;
        RasterSurface::lineTo(x, y);
    }
};

// A picture of largeur x hauteur pixels whose chart starts at column gauche
// and spans largeurGraphe columns, its baseline on row demiHauteur.
struct Geometrie {
    int largeur = 785;
    int hauteur = 330;
    int gauche = 0;
    int margeY = 0;
    int demiHauteur = 165;
    int largeurGraphe = 785;
    int hauteurGraphe = 330;
};

enum Classe { Moyenne, Haute, Basse };

// The state of a run with the default bands and thresholds.
void etat(std::int32_t longElecDip, std::int32_t longElecTotale, const Geometrie &g)
{
    Defauts::EtatApresLancer();
    EtatCalcul.LongElecDip = longElecDip;
    EtatCalcul.LongElecEch = longElecTotale - longElecDip;
    EtatCalcul.LongElecTotale = longElecTotale;
    EtatCalcul.GaucheGraphe = g.gauche;
    EtatCalcul.MargeY = g.margeY;
    EtatCalcul.DemiHauteur = g.demiHauteur;
    EtatCalcul.EchelleX = static_cast<double>(g.largeurGraphe) / longElecTotale;
    EtatCalcul.EchelleY = g.hauteurGraphe / 2.37;
}

// One chart drawn from the state above, and everything it leaves behind.
struct Dessin {
    QImage image;
    QPoint position;
    int epaisseur;
    QRgb crayon;
    QRgb police;
    ParBande<double> lamdaDip;
    int lignes;
};

Dessin dessine(ModeTrace mode, const Geometrie &g, Classe classe = Moyenne, int epaisseur = 1)
{
    const SauvegardeEtatCalcul restaure;
    EnvironnementMuet env;
    env.para = classe == Haute;
    env.serieBas = classe == Basse;
    QImage image(g.largeur, g.hauteur, QImage::Format_RGB32);
    image.fill(Qt::green);
    SurfaceComptee s(image, QFont());
    s.setEpaisseurCrayon(epaisseur); // what the curves draw with
    TraceCadre(s, env);
    TraceCourbes(s, env, mode);
    const Dessin d{image,
                   QPoint(s.x(), s.y()),
                   s.epaisseurCrayon(),
                   s.couleurCrayon(),
                   s.couleurPolice(),
                   EtatCalcul.LamdaDip,
                   s.lignes};
    return d;
}

int pixelsDifferents(const QImage &a, const QImage &b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

} // namespace

Q_DECLARE_METATYPE(Geometrie)

// The chart of a long antenna: each column drawn from what its samples
// cover, with the pixels of the per-centimetre drawing and a work that no
// longer grows with the length.
class TestTraceLong : public QObject {
    Q_OBJECT

private slots:
    void commeParCentimetre_data();
    void commeParCentimetre();
    void plusieursPeriodesParColonne();
    void borne();
    void travailBorne_data();
    void travailBorne();
    void milliardDeCentimetres();
};

void TestTraceLong::commeParCentimetre_data()
{
    QTest::addColumn<int>("longDip");
    QTest::addColumn<int>("longTotale");
    QTest::addColumn<Geometrie>("g");
    QTest::addColumn<int>("classe");
    QTest::addColumn<int>("epaisseur");

    const Geometrie ecran;
    // Chart from column 40 to 2440 of a wider page: the curves' last column,
    // one past the frame, shows.
    const Geometrie page{2480, 1200, 40, 40, 500, 2400, 970};
    QTest::newRow("99 999 cm, medium") << 2126 << 99'999 << ecran << int(Moyenne) << 1;
    QTest::newRow("100 001 cm, high") << 50'000 << 100'001 << ecran << int(Haute) << 1;
    QTest::newRow("100 003 cm, low") << 9'000 << 100'003 << ecran << int(Basse) << 1;
    QTest::newRow("150 000 cm on a page") << 70'000 << 150'000 << page << int(Moyenne) << 1;
    // Every band's curve stands on the "EZ" row at its "EZ" sample: the drop
    // to the label has no length.
    QTest::newRow("curves through the EZ row")
        << 30'000 << 140'000 << Geometrie{785, 460, 0, 0, 165, 785, 457} << int(Moyenne) << 1;
    // A pen left at 3 pixels: curves with round dots, and the strips keep it
    // (DemiHauteur 54 asks for a width of -1).
    QTest::newRow("3-pixel pen") << 2126 << 130'000 << Geometrie{785, 108, 0, 0, 54, 785, 108}
                                 << int(Haute) << 3;
    QTest::newRow("ladder of 12 cm") << 149'988 << 150'000 << ecran << int(Haute) << 1;
    QTest::newRow("chart one column wide")
        << 2126 << 110'000 << Geometrie{785, 330, 300, 0, 165, 0, 330} << int(Moyenne) << 1;
}

void TestTraceLong::commeParCentimetre()
{
    QFETCH(int, longDip);
    QFETCH(int, longTotale);
    QFETCH(Geometrie, g);
    QFETCH(int, classe);
    QFETCH(int, epaisseur);

    etat(longDip, longTotale, g);
    EtatCalcul.BandeActive[3] = false; // an unselected band leaves no trace either way
    const Dessin cm = dessine(ModeTrace::ParCentimetre, g, Classe(classe), epaisseur);
    const Dessin col = dessine(ModeTrace::ParColonnes, g, Classe(classe), epaisseur);
    QCOMPARE(pixelsDifferents(cm.image, col.image), 0);
    QCOMPARE(col.position, cm.position);
    QCOMPARE(col.epaisseur, cm.epaisseur);
    QCOMPARE(col.crayon, cm.crayon);
    QCOMPARE(col.police, cm.police);
    QCOMPARE(col.lamdaDip, cm.lamdaDip);
    QVERIFY(col.lignes < cm.lignes);
}

// Columns of 20 000 cm hold up to 19 periods: the envelope comes from six
// turns of each kind spread over the column, whose samples lie within half a
// centimetre's phase of every turn's, so a top or bottom row could only
// differ where the exact row boundary falls within a thousandth of a pixel.
void TestTraceLong::plusieursPeriodesParColonne()
{
    const Geometrie etroit{60, 330, 0, 0, 165, 60, 330};
    etat(300'000, 1'200'000, etroit);
    for (int k = 2; k <= 7; ++k)
        EtatCalcul.BandeActive[k] = false;
    const Dessin cm = dessine(ModeTrace::ParCentimetre, etroit, Haute);
    const Dessin col = dessine(ModeTrace::ParColonnes, etroit, Haute);
    QVERIFY(pixelsDifferents(cm.image, col.image) <= 2 * etroit.largeur);
    QCOMPARE(col.lamdaDip, cm.lamdaDip);
}

// Every real antenna keeps the per-centimetre drawing.
void TestTraceLong::borne()
{
    const Geometrie ecran;
    etat(2126, LongueurParCentimetre, ecran);
    QCOMPARE(dessine(ModeTrace::Automatique, ecran).lignes,
             dessine(ModeTrace::ParCentimetre, ecran).lignes);
    etat(2126, LongueurParCentimetre + 1, ecran);
    const int colonnes = dessine(ModeTrace::ParColonnes, ecran).lignes;
    QCOMPARE(dessine(ModeTrace::Automatique, ecran).lignes, colonnes);
    QVERIFY(colonnes * 10 < dessine(ModeTrace::ParCentimetre, ecran).lignes);
}

void TestTraceLong::travailBorne_data()
{
    QTest::addColumn<int>("longDip");
    QTest::addColumn<int>("longTotale");
    QTest::newRow("1 km") << 50'000 << 100'001;
    QTest::newRow("100 km") << 2126 << 10'000'000;
    QTest::newRow("20 000 km") << 1'000'000'000 << 2'000'000'000;
    QTest::newRow("the longest total") << 2'000'000'000 << 2'147'483'647;
}

// At most two lines per column and band for the curves and one per run of
// marked columns for the strips, however long the antenna.
void TestTraceLong::travailBorne()
{
    QFETCH(int, longDip);
    QFETCH(int, longTotale);
    const Geometrie ecran;
    etat(longDip, longTotale, ecran);
    const Dessin d = dessine(ModeTrace::Automatique, ecran);
    QVERIFY2(d.lignes <= 3 * NombreBandes * ecran.largeur, qPrintable(QString::number(d.lignes)));
}

// 1 000 000 000 cm of branch and of ladder with the factor 1.
void TestTraceLong::milliardDeCentimetres()
{
    const Geometrie ecran;
    etat(1'000'000'000, 2'000'000'000, ecran);
    EnvironnementMuet env;
    QImage image(785, 330, QImage::Format_RGB32);
    RasterSurface s(image, QFont());
    QElapsedTimer chrono;
    chrono.start();
    TraceGraphe(s, env);
    QVERIFY2(chrono.elapsed() < 1000, qPrintable(QString::number(chrono.elapsed())));

    // The last band drawn covers the chart between its extremes in every
    // column; every band marks its strip and records its branch length.
    for (int x = 0; x < 785; ++x)
        QCOMPARE(image.pixel(x, 100), CouleursBandes[NombreBandes]);
    for (int k = 1; k <= NombreBandes; ++k) {
        bool bande = false;
        for (int x = 0; x < 785; ++x)
            bande = bande || image.pixel(x, 3 * k - 1) == CouleursBandes[k];
        QVERIFY(bande);
        const double attendu = 1e9 * EtatCalcul.TableBandes[k - 1].Frequence / 30'000'000.0;
        QVERIFY(qAbs(EtatCalcul.LamdaDip[k] / attendu - 1) < 1e-15);
    }
    QVERIFY(EtatCalcul.GrapheCourants);
}

QTEST_MAIN(TestTraceLong)
#include "tst_tracelong.moc"
