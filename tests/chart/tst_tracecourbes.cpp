#include "Graphe.h"

#include "calc/Erreurs.h"
#include "calc/TraceGraphe.h"
#include "chart/TraceCourbes.h"

#include <QtTest>

#include <cmath>

namespace {

constexpr QRgb Noir = qRgb(0, 0, 0);
constexpr QRgb Argent = qRgb(0xC0, 0xC0, 0xC0);
const int LignesEtiquettes[9] = {0, 170, 191, 211, 232, 252, 273, 294, 314};
const int ColonnesEZ[9] = {0, 766, 397, 276, 198, 155, 132, 112, 98};

void seulement(int k)
{
    for (int j = 1; j <= NombreBandes; ++j)
        EtatCalcul.BandeActive[j] = j == k;
}

QString etiquette(int k) { return QString::number(EtatCalcul.TableBandes[k - 1].Bande) + " m"; }

// Columns of the ladder where band k's strip rows (3k - 2 and 3k - 1 on
// screen) hold its colour; fails if its colour shows anywhere else above the
// curves' highest row.
QList<int> marques(const QImage &img, int k)
{
    QList<int> colonnes;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y <= 24; ++y)
            if (img.pixel(x, y) == CouleursBandes[k]) {
                if (y != 3 * k - 2 && y != 3 * k - 1)
                    return {-1};
                if (colonnes.isEmpty() || colonnes.last() != x)
                    colonnes << x;
            }
    return colonnes;
}

} // namespace

class TestTraceCourbes : public QObject {
    Q_OBJECT

private slots:
    void init() { etatParDefaut(); }
    void etiquettesEtEZ_data();
    void etiquettesEtEZ();
    void bandes();
    void bandeNonSelectionnee();
    void sansMarque_data();
    void sansMarque();
    void classes_data();
    void classes();
    void egaliteNeMarquePas_data();
    void egaliteNeMarquePas();
    void lamdaDip();
    void frequenceNulle_data();
    void frequenceNulle();
};

void TestTraceCourbes::etiquettesEtEZ_data()
{
    QTest::addColumn<int>("k");
    for (int k = 1; k <= NombreBandes; ++k)
        QTest::addRow("band %d", k) << k;
}

// One band alone, so that no other curve crosses its texts.
void TestTraceCourbes::etiquettesEtEZ()
{
    QFETCH(int, k);
    seulement(k);
    EnvironnementFactice env;
    QImage img = ecran();
    RasterSurface s(img, QFont());
    TraceGraphe(s, env);

    QVERIFY(texteEn(img, s, 5, LignesEtiquettes[k], etiquette(k), CouleursBandes[k]));
    const int x = ColonnesEZ[k];
    QVERIFY(texteEn(img, s, x - 15, 314, QStringLiteral("EZ"), CouleursBandes[k]));
    QCOMPARE(img.pixel(x, 313), CouleursBandes[k]); // the drop from the curve

    // Without the sample at round(0.64 wavelength) there is no "EZ".
    EtatCalcul.LongElecTotale = 5262; // 80 m's mark is at 5260 cm
    img = ecran();
    RasterSurface sans(img, QFont());
    TraceGraphe(sans, env);
    QCOMPARE(texteEn(img, sans, x - 15, 314, QStringLiteral("EZ"), CouleursBandes[k]), k != 1);
}

void TestTraceCourbes::bandes()
{
    EnvironnementFactice env;
    QImage img = ecran();
    RasterSurface s(img, QFont());
    TraceGraphe(s, env);
    for (int k = 1; k <= NombreBandes; ++k) {
        const QList<int> colonnes = marques(img, k);
        QVERIFY2(!colonnes.isEmpty() && colonnes.first() >= 310, qPrintable(QString::number(k)));
    }
    for (int x = 310; x < 784; ++x) // the rows between the strips stay black
        for (int y : {3, 6, 9, 12, 15, 18, 21})
            QCOMPARE(img.pixel(x, y), Noir);

    QCOMPARE(env.journal, (QStringList{"montre", "cache", "impression"}));
    QCOMPARE(env.pas, 16);
    QVERIFY(EtatCalcul.GrapheCourants);
    // What the printed caption block starts from.
    QCOMPARE(s.couleurCrayon(), CouleursBandes[8]);
    QCOMPARE(s.epaisseurCrayon(), 1);
    QCOMPARE(s.couleurPolice(), Noir);
    QCOMPARE(s.couleurPinceau(), Argent);
    QCOMPARE(s.modeCrayon(), ModeCrayon::Copie);
}

void TestTraceCourbes::bandeNonSelectionnee()
{
    EtatCalcul.BandeActive[3] = false;
    EtatCalcul.LamdaDip[3] = 0.125;
    EnvironnementFactice env;
    QImage img = ecran();
    RasterSurface s(img, QFont());
    TraceGraphe(s, env);

    // Its label place stays bare chart area and its colour shows nowhere.
    const int largeur = s.largeurTexte(etiquette(3));
    for (int y = LignesEtiquettes[3]; y < LignesEtiquettes[3] + s.hauteurTexte(); ++y)
        for (int x = 5; x < 5 + largeur; ++x)
            QCOMPARE(img.pixel(x, y), Argent);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            QVERIFY(img.pixel(x, y) != CouleursBandes[3]);
    QCOMPARE(EtatCalcul.LamdaDip[3], 0.125);
    QVERIFY(!marques(img, 4).isEmpty()); // the next band keeps its own row
    QCOMPARE(env.pas, 16);
}

void TestTraceCourbes::sansMarque_data()
{
    QTest::addColumn<int>("longElecEch");
    QTest::addColumn<int>("hauteur");
    QTest::addColumn<bool>("marque");

    QTest::newRow("ladder of 13 cm") << 13 << 330 << true;
    QTest::newRow("ladder of 12 cm") << 12 << 330 << false;
    QTest::newRow("DemiHauteur 164: one-pixel pen") << 3261 << 328 << false;
    QTest::newRow("DemiHauteur 54: width request ignored") << 3261 << 108 << true;
}

void TestTraceCourbes::sansMarque()
{
    QFETCH(int, longElecEch);
    QFETCH(int, hauteur);
    QFETCH(bool, marque);

    // "Impédance haute" with a threshold of 0 marks wherever there is current.
    EtatCalcul.SeuilHaut = 0;
    EtatCalcul.LongElecTotale = EtatCalcul.LongElecDip + longElecEch;
    EtatCalcul.EchelleX = 785.0 / EtatCalcul.LongElecTotale;
    EtatCalcul.EchelleY = hauteur / 2.37;
    EtatCalcul.DemiHauteur = hauteur / 2;
    seulement(2);
    EnvironnementFactice env;
    env.para = true;
    QImage img = ecran(785, hauteur);
    RasterSurface s(img, QFont());
    // A wider pen left over from an earlier drawing stays when h is 0.
    s.setEpaisseurCrayon(3);
    TraceGraphe(s, env);
    int couleur = 0;
    for (int x = 700; x < 785; ++x)
        for (int y = 0; y < hauteur / 2 / 6.875; ++y)
            couleur += img.pixel(x, y) == CouleursBandes[2];
    QCOMPARE(couleur > 0, marque);
}

void TestTraceCourbes::classes_data()
{
    QTest::addColumn<bool>("para");
    QTest::addColumn<bool>("serieBas");
    QTest::addColumn<bool>("auMaximum");
    QTest::addColumn<bool>("auZero");

    // 20 m: a current maximum of the ladder at 388 px, a zero at 465 px.
    QTest::newRow("high marks all but the zeros") << true << false << true << false;
    QTest::newRow("medium marks all but the maxima") << false << false << false << true;
    QTest::newRow("low marks all but the maxima") << false << true << false << true;
}

void TestTraceCourbes::classes()
{
    QFETCH(bool, para);
    QFETCH(bool, serieBas);
    QFETCH(bool, auMaximum);
    QFETCH(bool, auZero);

    seulement(4);
    EnvironnementFactice env;
    env.para = para;
    env.serieBas = serieBas;
    QImage img = ecran();
    RasterSurface s(img, QFont());
    TraceGraphe(s, env);
    const QList<int> colonnes = marques(img, 4);
    QCOMPARE(colonnes.contains(388), auMaximum);
    QCOMPARE(colonnes.contains(465), auZero);

    if (serieBas) { // SeuilBas above SeuilMoyen: more of the ladder is marked
        env.serieBas = false;
        QImage moyenne = ecran();
        RasterSurface sm(moyenne, QFont());
        TraceGraphe(sm, env);
        QVERIFY(colonnes.size() > marques(moyenne, 4).size());
    }
}

void TestTraceCourbes::egaliteNeMarquePas_data()
{
    QTest::addColumn<bool>("para");
    QTest::newRow("high, threshold at the largest |s|") << true;
    QTest::newRow("medium, threshold at the smallest |s|") << false;
}

// With the threshold at the extreme |s| of the ladder's samples no sample is
// strictly beyond it; one ulp inside, the extreme sample marks.
void TestTraceCourbes::egaliteNeMarquePas()
{
    QFETCH(bool, para);
    seulement(4);
    const double nu = EtatCalcul.TableBandes[3].Frequence / 30'000'000.0;
    double extreme = para ? 0.0 : 1.0;
    for (int i = EtatCalcul.LongElecDip + 10; i < EtatCalcul.LongElecTotale - 2; ++i) {
        const double s = std::fabs(SinusCourant(i, nu));
        extreme = para ? std::max(extreme, s) : std::min(extreme, s);
    }
    for (const double t : {extreme, std::nextafter(extreme, 0.5)}) {
        (para ? EtatCalcul.SeuilHaut : EtatCalcul.SeuilMoyen) = t;
        EnvironnementFactice env;
        env.para = para;
        QImage img = ecran();
        RasterSurface s(img, QFont());
        TraceGraphe(s, env);
        QCOMPARE(marques(img, 4).isEmpty(), t == extreme);
    }
}

void TestTraceCourbes::lamdaDip()
{
    EnvironnementFactice env;
    QImage img = ecran();
    RasterSurface s(img, QFont());
    TraceGraphe(s, env);
    QVERIFY(qAbs(EtatCalcul.LamdaDip[1] - 2126.0 * 3650 / 3e7) < 1e-15);
    for (int k = 1; k <= NombreBandes; ++k) {
        const double attendu = 2126.0 * EtatCalcul.TableBandes[k - 1].Frequence / 3e7;
        QVERIFY2(qAbs(EtatCalcul.LamdaDip[k] - attendu) < 1e-14, qPrintable(QString::number(k)));
    }

    // A ladder of 2 cm: the sampling stops before B and nothing is recorded.
    EtatCalcul.LamdaDip[5] = 0.5;
    EtatCalcul.LongElecTotale = EtatCalcul.LongElecDip + 2;
    TraceGraphe(s, env);
    QCOMPARE(EtatCalcul.LamdaDip[5], 0.5);
}

void TestTraceCourbes::frequenceNulle_data()
{
    QTest::addColumn<bool>("selectionnee");
    QTest::newRow("selected") << true;
    QTest::newRow("not selected") << false;
}

void TestTraceCourbes::frequenceNulle()
{
    QFETCH(bool, selectionnee);
    EtatCalcul.TableBandes[2].Frequence = 0;
    EtatCalcul.BandeActive[3] = selectionnee;
    EnvironnementFactice env;
    QImage img = ecran();
    RasterSurface s(img, QFont());
    try {
        TraceGraphe(s, env);
        QFAIL("no error");
    } catch (const KesuErreur &erreur) {
        QCOMPARE(erreur.texte(), QStringLiteral("Division par zéro en virgule flottante"));
    }
    // Bands 1 and 2 are drawn, then the drawing stops: the bar stays shown.
    QVERIFY(texteEn(img, s, 5, LignesEtiquettes[2], etiquette(2), CouleursBandes[2]));
    QCOMPARE(env.pas, 2);
    QCOMPARE(env.journal, QStringList{"montre"});
    QVERIFY(!EtatCalcul.GrapheCourants);
}

QTEST_MAIN(TestTraceCourbes)
#include "tst_tracecourbes.moc"
