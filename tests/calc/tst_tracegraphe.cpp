#include "DefautsTest.h"
#include "calc/TraceGraphe.h"
#include "chart/TraceCadre.h"
#include "chart/TraceCourbes.h"
#include "regles/Erreurs.h"
#include "state/EtatCalcul.h"
#include "surface/RasterSurface.h"

#include <QtTest>

#include <cmath>

namespace {

constexpr QRgb Noir = qRgb(0, 0, 0);
constexpr QRgb Argent = qRgb(0xC0, 0xC0, 0xC0);
constexpr QRgb Marine = qRgb(0x00, 0x00, 0x80);
constexpr QRgb Gris = qRgb(0x80, 0x80, 0x80);
constexpr QRgb MarineInverse = qRgb(0xFF, 0xFF, 0x7F);
const int LignesEtiquettes[9] = {0, 170, 191, 211, 232, 252, 273, 294, 314};
const int ColonnesEZ[9] = {0, 766, 397, 276, 198, 155, 132, 112, 98};

struct EnvironnementFactice : EnvironnementTrace {
    bool para = false;
    bool serieBas = false;
    QStringList journal;
    int pas = 0;

    bool chParaCoche() const override { return para; }
    bool chSerieBasCoche() const override { return serieBas; }
    void montreProgression() override { journal << "montre"; }
    void pasProgression() override { ++pas; }
    void cacheProgression() override { journal << "cache"; }
    void montreImpression() override { journal << "impression"; }
};

// Colour run "first-last:#rrggbb" of a column.
QString run(int de, int a, QRgb c)
{
    return QStringLiteral("%1-%2:%3").arg(de).arg(a).arg(QColor(c).name());
}

QImage imageVerte(int hauteur)
{
    QImage image(785, hauteur, QImage::Format_RGB32);
    image.fill(Qt::green);
    return image;
}

// A 785-pixel-wide picture area, as a previous drawing may have left it.
struct Ecran {
    QImage image;
    RasterSurface surface;
    explicit Ecran(int hauteur = 330) : image(imageVerte(hauteur)), surface(image, QFont()) {}
    QRgb operator()(int x, int y) const { return image.pixel(x, y); }
    // The text stands at (x, y) exactly: its box matches the text drawn alone.
    bool texte(int x, int y, const QString &texte, QRgb couleur) const
    {
        QImage seul(surface.largeurTexte(texte), surface.hauteurTexte(), QImage::Format_RGB32);
        RasterSurface s(seul, surface.police());
        s.setCouleurPinceau(Argent);
        s.setCouleurPolice(couleur);
        s.textOut(0, 0, texte);
        return image.copy(QRect(QPoint(x, y), seul.size())) == seul;
    }
    QStringList colonne(int x) const
    {
        QStringList runs;
        for (int y = 0, debut = 0; y < image.height(); ++y)
            if (y + 1 == image.height() || image.pixel(x, y + 1) != image.pixel(x, y)) {
                runs << run(debut, y, image.pixel(x, y));
                debut = y + 1;
            }
        return runs;
    }
    // Columns where band k's strip rows (3k - 2 and 3k - 1) hold its colour;
    // {-1} if its colour shows elsewhere above the curves' highest row.
    QList<int> marques(int k) const
    {
        QList<int> colonnes;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y <= 24; ++y)
                if (image.pixel(x, y) == CouleursBandes[k]) {
                    if (y != 3 * k - 2 && y != 3 * k - 1)
                        return {-1};
                    if (colonnes.isEmpty() || colonnes.last() != x)
                        colonnes << x;
                }
        return colonnes;
    }
};

void seulement(int k)
{
    for (int j = 1; j <= NombreBandes; ++j)
        EtatCalcul.BandeActive[j] = j == k;
}

QString etiquette(int k)
{
    return QString::number(EtatCalcul.TableBandes[k - 1].Bande) + " m";
}

} // namespace

class TestTraceGraphe : public QObject {
    Q_OBJECT

private slots:
    void init();
    void zones_data();
    void zones();
    void cadre();
    void lettres_data();
    void lettres();
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
    void frequenceNulle_data();
    void frequenceNulle();
};

// The state after start-up and a run with the window's default texts.
void TestTraceGraphe::init()
{
    Defauts::EtatApresLancer();
    EtatCalcul.EchelleX = 785.0 / 5387;
    EtatCalcul.EchelleY = 330 / 2.37;
    EtatCalcul.DemiHauteur = 165;
}

void TestTraceGraphe::zones_data()
{
    QTest::addColumn<bool>("para");
    QTest::addColumn<bool>("serieBas");
    QTest::addColumn<double>("seuilMoyen");
    QTest::addColumn<QStringList>("attendu");

    // Column 500, over the ladder: outline and strip area, zones, baseline.
    const auto zones = [](int gris1, int marine1, int argent, int gris2) {
        return QStringList{run(0, 23, Noir),
                           run(24, gris1 - 1, Argent),
                           run(gris1, marine1 - 1, Gris),
                           run(marine1, 164, Marine),
                           run(165, 165, MarineInverse),
                           run(166, argent - 1, Marine),
                           run(argent, argent, Argent),
                           run(argent + 1, gris2, Gris),
                           run(gris2 + 1, 328, Argent),
                           run(329, 329, Noir)};
    };
    QTest::newRow("medium 0.6") << false << false << 0.6 << zones(55, 82, 249, 276);
    QTest::newRow("low draws medium zones") << false << true << 0.6 << zones(55, 82, 249, 276);
    QTest::newRow("high 0.3") << true << false << 0.6 << zones(55, 124, 207, 276);
    QTest::newRow("medium 0.9 over low 0.8")
        << false << false << 0.9
        << QStringList{run(0, 23, Noir),     run(24, 39, Argent),          run(40, 53, Gris),
                       run(54, 164, Marine), run(165, 165, MarineInverse), run(166, 275, Marine),
                       run(276, 289, Gris),  run(290, 328, Argent),        run(329, 329, Noir)};
    QTest::newRow("medium equal to low")
        << false << false << 0.8 << QStringList{run(0, 23, Noir),      run(24, 53, Argent),
                                                run(54, 164, Marine),  run(165, 165, MarineInverse),
                                                run(166, 275, Marine), run(276, 328, Argent),
                                                run(329, 329, Noir)};
}

void TestTraceGraphe::zones()
{
    QFETCH(bool, para);
    QFETCH(bool, serieBas);
    QFETCH(double, seuilMoyen);
    QFETCH(QStringList, attendu);

    EtatCalcul.SeuilMoyen = seuilMoyen;
    EnvironnementFactice env;
    env.para = para;
    env.serieBas = serieBas;
    Ecran e;
    TraceCadre(e.surface, env);
    QCOMPARE(e.colonne(500), attendu);
    // Zones span the ladder; the navy one's truncated edge stops it at 783.
    QCOMPARE(e(309, 200), Argent);
    QCOMPARE(e(311, 200), Marine);
    QCOMPARE(e(783, 200), Marine);
    // The grey zones and the strip area stop at 783 too: the outline's last
    // column stays whole, white only where the baseline inverts it.
    QCOMPARE(e.colonne(784), (QStringList{run(0, 164, Noir), run(165, 165, qRgb(255, 255, 255)),
                                          run(166, 329, Noir)}));
}

void TestTraceGraphe::cadre()
{
    EnvironnementFactice env;
    Ecran e;
    TraceCadre(e.surface, env);
    for (int x = 311; x <= 783; ++x) { // the strip area, rows 1 to 23
        QCOMPARE(e.colonne(x).first(), run(0, 23, Noir));
        QCOMPARE(e(x, 24), Argent);
    }
    QCOMPARE(e.colonne(100).mid(0, 3), (QStringList{run(0, 0, Noir), run(1, 164, Argent),
                                                    run(165, 165, qRgb(0x3F, 0x3F, 0x3F))}));
    QCOMPARE(e(0, 165), qRgb(255, 255, 255));           // the outline under the baseline
    QCOMPARE(e.colonne(310).first(), run(0, 27, Noir)); // B line, up to the letter
    QCOMPARE(e.colonne(310).last(), run(28 + e.surface.hauteurTexte(), 329, Noir));
    // What the curves rely on.
    QCOMPARE(e.surface.couleurPinceau(), Argent);
    QCOMPARE(e.surface.modeCrayon(), ModeCrayon::Copie);
}

void TestTraceGraphe::lettres_data()
{
    QTest::addColumn<int>("gauche");
    QTest::addColumn<int>("margeX");
    QTest::addColumn<int>("margeY");
    QTest::addColumn<QList<QPoint>>("positions"); // A, B, C

    QTest::newRow("screen") << 0 << 0 << 0 << QList<QPoint>{{5, 28}, {308, 28}, {773, 28}};
    // A follows both offsets, B ignores GaucheGraphe, C ignores both.
    QTest::newRow("offsets") << 20 << 7 << 10 << QList<QPoint>{{32, 38}, {315, 38}, {773, 38}};
}

void TestTraceGraphe::lettres()
{
    QFETCH(int, gauche);
    QFETCH(int, margeX);
    QFETCH(int, margeY);
    QFETCH(QList<QPoint>, positions);

    EtatCalcul.GaucheGraphe = gauche;
    EtatCalcul.MargeX = margeX;
    EtatCalcul.MargeY = margeY;
    EnvironnementFactice env;
    Ecran e;
    TraceCadre(e.surface, env);
    for (int i = 0; i < 3; ++i)
        QVERIFY(e.texte(positions[i].x(), positions[i].y(), QString(QChar(u'A' + i)), Noir));
}

void TestTraceGraphe::etiquettesEtEZ_data()
{
    QTest::addColumn<int>("k");
    for (int k = 1; k <= NombreBandes; ++k)
        QTest::addRow("band %d", k) << k;
}

// One band alone, so that no other curve crosses its texts.
void TestTraceGraphe::etiquettesEtEZ()
{
    QFETCH(int, k);
    seulement(k);
    EnvironnementFactice env;
    Ecran e;
    TraceGraphe(e.surface, env);
    QVERIFY(e.texte(5, LignesEtiquettes[k], etiquette(k), CouleursBandes[k]));
    QVERIFY(e.texte(ColonnesEZ[k] - 15, 314, "EZ", CouleursBandes[k]));
    QCOMPARE(e(ColonnesEZ[k], 313), CouleursBandes[k]); // the drop from the curve

    // 80 m's mark is at 5260 cm: sampling up to 5259 cm leaves it out.
    EtatCalcul.LongElecTotale = 5262;
    Ecran court;
    TraceGraphe(court.surface, env);
    QCOMPARE(court.texte(ColonnesEZ[k] - 15, 314, "EZ", CouleursBandes[k]), k != 1);
}

void TestTraceGraphe::bandes()
{
    EnvironnementFactice env;
    Ecran e;
    TraceGraphe(e.surface, env);
    for (int k = 1; k <= NombreBandes; ++k)
        QVERIFY(!e.marques(k).isEmpty() && e.marques(k).first() >= 310);
    for (int x = 310; x < 784; ++x) // rows between the strips stay black
        for (int y = 3; y < 24; y += 3)
            QCOMPARE(e(x, y), Noir);

    QCOMPARE(env.journal, (QStringList{"montre", "cache", "impression"}));
    QCOMPARE(env.pas, 16);
    QVERIFY(EtatCalcul.GrapheCourants);
    // What the printed caption block starts from.
    QCOMPARE(e.surface.couleurCrayon(), CouleursBandes[8]);
    QCOMPARE(e.surface.epaisseurCrayon(), 1);
    QCOMPARE(e.surface.couleurPolice(), Noir);
    QCOMPARE(e.surface.couleurPinceau(), Argent);

    for (int k = 1; k <= NombreBandes; ++k) // 80 m: 2126 * 3650 / 3e7
        QVERIFY(qAbs(EtatCalcul.LamdaDip[k] -
                     2126.0 * EtatCalcul.TableBandes[k - 1].Frequence / 3e7) < 1e-15);
    // A ladder of 2 cm: the sampling stops before B and records nothing.
    EtatCalcul.LamdaDip[5] = 0.5;
    EtatCalcul.LongElecTotale = EtatCalcul.LongElecDip + 2;
    TraceGraphe(e.surface, env);
    QCOMPARE(EtatCalcul.LamdaDip[5], 0.5);
}

void TestTraceGraphe::bandeNonSelectionnee()
{
    EtatCalcul.BandeActive[3] = false;
    EtatCalcul.LamdaDip[3] = 0.125;
    EnvironnementFactice env;
    Ecran e;
    TraceGraphe(e.surface, env);
    // No label (its place stays bare), curve, "EZ" or strip.
    const QRect place(5, LignesEtiquettes[3], e.surface.largeurTexte(etiquette(3)),
                      e.surface.hauteurTexte());
    for (int y = 0; y < 330; ++y)
        for (int x = 0; x < 785; ++x)
            QVERIFY(place.contains(x, y) ? e(x, y) == Argent : e(x, y) != CouleursBandes[3]);
    QVERIFY(!e.marques(4).isEmpty()); // the next band keeps its own row
    QCOMPARE(EtatCalcul.LamdaDip[3], 0.125);
    QCOMPARE(env.pas, 16);
}

void TestTraceGraphe::sansMarque_data()
{
    QTest::addColumn<int>("longElecEch");
    QTest::addColumn<int>("hauteur");
    QTest::addColumn<bool>("marque");
    QTest::newRow("ladder of 13 cm") << 13 << 330 << true;
    QTest::newRow("ladder of 12 cm") << 12 << 330 << false;
    QTest::newRow("DemiHauteur 164: one-pixel pen") << 3261 << 328 << false;
    QTest::newRow("DemiHauteur 54: earlier pen kept") << 3261 << 108 << true;
}

void TestTraceGraphe::sansMarque()
{
    QFETCH(int, longElecEch);
    QFETCH(int, hauteur);
    QFETCH(bool, marque);

    // "Impédance haute" at 0 marks wherever there is current.
    EtatCalcul.SeuilHaut = 0;
    EtatCalcul.LongElecTotale = EtatCalcul.LongElecDip + longElecEch;
    EtatCalcul.EchelleX = 785.0 / EtatCalcul.LongElecTotale;
    EtatCalcul.EchelleY = hauteur / 2.37;
    EtatCalcul.DemiHauteur = hauteur / 2;
    seulement(2);
    EnvironnementFactice env;
    env.para = true;
    Ecran e(hauteur);
    e.surface.setEpaisseurCrayon(3); // kept when the strips ask for a width of -1
    TraceGraphe(e.surface, env);
    bool couleur = false;
    for (int x = 700; x < 785; ++x)
        for (int y = 0; y < hauteur / 2 / 6.875; ++y)
            couleur = couleur || e(x, y) == CouleursBandes[2];
    QCOMPARE(couleur, marque);
}

void TestTraceGraphe::classes_data()
{
    QTest::addColumn<bool>("para");
    QTest::addColumn<bool>("serieBas");
    QTest::addColumn<bool>("auMaximum");
    QTest::addColumn<bool>("auZero");
    // 20 m along the ladder: a current maximum at 388 px, a zero at 465 px.
    QTest::newRow("high: all but the zeros") << true << false << true << false;
    QTest::newRow("medium: all but the maxima") << false << false << false << true;
    QTest::newRow("low: all but the maxima") << false << true << false << true;
}

void TestTraceGraphe::classes()
{
    QFETCH(bool, para);
    QFETCH(bool, serieBas);
    QFETCH(bool, auMaximum);
    QFETCH(bool, auZero);

    seulement(4);
    EnvironnementFactice env;
    env.para = para;
    env.serieBas = serieBas;
    Ecran e;
    TraceGraphe(e.surface, env);
    QCOMPARE(e.marques(4).contains(388), auMaximum);
    QCOMPARE(e.marques(4).contains(465), auZero);
    if (serieBas) { // SeuilBas 0.8 over SeuilMoyen 0.6 marks more of the ladder
        env.serieBas = false;
        Ecran moyenne;
        TraceGraphe(moyenne.surface, env);
        QVERIFY(e.marques(4).size() > moyenne.marques(4).size());
    }
}

void TestTraceGraphe::egaliteNeMarquePas_data()
{
    QTest::addColumn<bool>("para");
    QTest::newRow("high at the largest |s|") << true;
    QTest::newRow("medium at the smallest |s|") << false;
}

// At the ladder's extreme |s| no sample is strictly beyond the threshold;
// one step inside, the extreme sample marks.
void TestTraceGraphe::egaliteNeMarquePas()
{
    QFETCH(bool, para);
    seulement(4);
    const double nu = 14100 / 30'000'000.0;
    double extreme = para ? 0.0 : 1.0;
    for (int i = 2126 + 10; i < 5387 - 2; ++i) {
        const double s = std::fabs(SinusCourant(i, nu));
        extreme = para ? std::max(extreme, s) : std::min(extreme, s);
    }
    for (const double t : {extreme, std::nextafter(extreme, 0.5)}) {
        (para ? EtatCalcul.SeuilHaut : EtatCalcul.SeuilMoyen) = t;
        EnvironnementFactice env;
        env.para = para;
        Ecran e;
        TraceGraphe(e.surface, env);
        QCOMPARE(e.marques(4).isEmpty(), t == extreme);
    }
}

void TestTraceGraphe::frequenceNulle_data()
{
    QTest::addColumn<bool>("selectionnee");
    QTest::newRow("selected") << true;
    QTest::newRow("not selected") << false;
}

void TestTraceGraphe::frequenceNulle()
{
    QFETCH(bool, selectionnee);
    EtatCalcul.TableBandes[2].Frequence = 0;
    EtatCalcul.BandeActive[3] = selectionnee;
    EnvironnementFactice env;
    Ecran e;
    try {
        TraceGraphe(e.surface, env);
        QFAIL("no error");
    } catch (const KesuErreur &erreur) {
        QCOMPARE(erreur.texte(), QStringLiteral("Division par zéro en virgule flottante"));
    }
    // Bands 1 and 2 are drawn, then everything stops with the bar shown.
    QVERIFY(e.texte(5, LignesEtiquettes[2], etiquette(2), CouleursBandes[2]));
    QCOMPARE(env.pas, 2);
    QCOMPARE(env.journal, QStringList{"montre"});
    QVERIFY(!EtatCalcul.GrapheCourants);
}

QTEST_MAIN(TestTraceGraphe)
#include "tst_tracegraphe.moc"
