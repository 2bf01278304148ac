#include "Francais.h"
#include "chart/TraceCourbes.h"
#include "nec/Ligne.h"
#include "nec/Nombres.h"
#include "nec/Regle.h"
#include "surface/Couleurs.h"
#include "ui/fenetres/verification/AbaqueSmith.h"
#include "ui/fenetres/verification/CourbesMesure.h"
#include "ui/fenetres/verification/TableauNec.h"

#include <QtTest>

// A measured sweep beside the model: the SWR and impedance curves per band,
// and the measured points over the Smith chart's arcs. The model is made up
// here (no nec2c run): two bands, the first with uneven points.
namespace {

using Complexe = std::complex<double>;

Complexe zDuModele(double hz)
{
    const double u = (hz - 3.5e6) / 1e5;
    return {180 + 40 * u + 9 * u * u, -320 + 150 * u};
}

std::vector<AbaqueSmith::Bande> modele()
{
    AbaqueSmith::Bande b80{{1, 80, 3650}, {}};
    for (double f : {3650e3, 3500e3, 3560e3, 3600e3, 3700e3, 3800e3})
        b80.points.push_back({f, zDuModele(f)});
    AbaqueSmith::Bande b40{{3, 40, 7100}, {}};
    for (double f : {7100e3, 7000e3, 7100e3, 7200e3})
        b40.points.push_back({f, Complexe(900 - (f - 7e6) / 1e3, 400 - (f - 7e6) / 500)});
    return {b80, b40};
}

Nec::Entrees entrees(int balun)
{
    Nec::Entrees e;
    e.boite.balun = balun;
    e.echelleCm = 1234;
    return e;
}

QColor couleurBande(int k)
{
    return Couleurs::surBlanc(QColor::fromRgb(CouleursBandes[k]));
}

// The image's colour at a pixel of the widget, near enough to c.
bool proche(const QImage &image, QPointF p, QColor c)
{
    const QPointF q = p * image.devicePixelRatio();
    const QColor lu = image.pixelColor(static_cast<int>(q.x()), static_cast<int>(q.y()));
    return std::abs(lu.red() - c.red()) + std::abs(lu.green() - c.green()) +
               std::abs(lu.blue() - c.blue()) <
           60;
}

} // namespace

class TstCourbesMesure : public QObject {
    Q_OBJECT
private slots:
    void modeleParLesPoints_data();
    void modeleParLesPoints();
    void mesureRameneeEnC_data();
    void mesureRameneeEnC();
    void mesureSurLAbaque();
};

void TstCourbesMesure::modeleParLesPoints_data()
{
    QTest::addColumn<int>("balun");
    QTest::addColumn<QSize>("taille");
    QTest::newRow("1:1, en colonne") << 1 << QSize(300, 640);
    QTest::newRow("4:1, côte à côte") << 4 << QSize(700, 380);
    QTest::newRow("9:1") << 9 << QSize(560, 380);
}

// The line goes through every point computed: the model read there is NEC's
// Z, its SWR the tuner's, and the band's colour is drawn at their pixels.
void TstCourbesMesure::modeleParLesPoints()
{
    QFETCH(int, balun);
    QFETCH(QSize, taille);
    CourbesMesure c;
    c.resize(taille);
    c.montre(entrees(balun), modele(), std::nullopt, Ajustement::Point::C, false);
    QCOMPARE(c.nombreBandes(), 2u);
    const QImage image = c.grab().toImage();
    int vus = 0;
    for (std::size_t j = 0; j < 2; ++j) {
        const AbaqueSmith::Bande b = modele()[j];
        for (const Nec::PointC &p : b.points) {
            QCOMPARE_LE(std::abs(c.zModele(j, p.frequenceHz) - p.zC), 1e-9 * std::abs(p.zC));
            const double ros = Nec::rosBoite(p.zC, balun);
            QCOMPARE_LE(std::abs(c.rosModele(j, p.frequenceHz) - ros), 1e-9 * ros);
            const QColor couleur = couleurBande(b.bande.k);
            QVERIFY(c.cadreRos(j).contains(c.pixelRos(j, p.frequenceHz, ros)));
            QVERIFY2(proche(image, c.pixelRos(j, p.frequenceHz, ros), couleur),
                     qPrintable(QString::number(p.frequenceHz)));
            QVERIFY(proche(image, c.pixelOhms(j, p.frequenceHz, p.zC.real()), couleur));
            ++vus;
        }
    }
    QCOMPARE(vus, 10);
    // No sweep: the hover reads the model alone.
    const QString lu = c.texteSurvol(c.pixelRos(0, 3600e3, 2).toPoint());
    QVERIFY2(lu.startsWith("80 m, 360") && !lu.contains(';'), qPrintable(lu));
}

void TstCourbesMesure::mesureRameneeEnC_data()
{
    QTest::addColumn<Ajustement::Point>("point");
    QTest::newRow("en C") << Ajustement::Point::C;
    QTest::newRow("après le balun") << Ajustement::Point::Balun;
    QTest::newRow("en B") << Ajustement::Point::B;
}

// Each measured point within a plan is drawn at its Z brought to C, and the
// hover on it reads its frequency and the SWR the tuner sees behind the balun.
void TstCourbesMesure::mesureRameneeEnC()
{
    QFETCH(Ajustement::Point, point);
    const Nec::Entrees e = entrees(4);
    Mesure::Releve r{QStringLiteral("balayage.s1p"), 75, {}};
    for (double f : {3.3e6, 3.52e6, 3.61e6, 3.75e6, 5e6, 7.15e6})
        r.points.push_back({f, std::polar(0.3 + f / 2e7, f / 1e6)});
    CourbesMesure c;
    c.resize(700, 400);
    c.montre(e, modele(), r, point, false);
    const QImage image = c.grab().toImage();
    int lus = 0;
    for (const Mesure::Point &m : r.points) {
        const std::size_t j = m.frequenceHz < 5e6 ? 0 : 1;
        if (m.frequenceHz < 3.5e6 || m.frequenceHz == 5e6)
            continue;
        Complexe z = 75.0 * (1.0 + m.gamma) / (1.0 - m.gamma);
        if (point == Ajustement::Point::Balun)
            z *= 4.0;
        else if (point == Ajustement::Point::B)
            z = Nec::impedanceEnC(z, e.echelle, m.frequenceHz, 12.34);
        const double g = std::abs((z / 4.0 - 50.0) / (z / 4.0 + 50.0));
        const double ros = (1 + g) / (1 - g);
        const QPointF q = c.pixelOhms(j, m.frequenceHz, z.real());
        QVERIFY(c.cadreOhms(j).contains(q));
        QVERIFY2(proche(image, q, QColor(0x20, 0x20, 0x20)), qPrintable(QString::number(lus)));
        const QString lu = c.texteSurvol(c.pixelRos(j, m.frequenceHz, ros).toPoint());
        const QString attendu = QStringLiteral("%1 kHz : ROS %2")
                                    .arg(Nec::texte(m.frequenceHz / 1e3), Nec::texte(ros, 2));
        QVERIFY2(lu.contains(attendu) || suiteEnAnglais(), qPrintable(lu + " / " + attendu));
        QVERIFY(lu.contains(Nec::texte(ros, 2)));
        ++lus;
    }
    QCOMPARE(lus, 4);
    // Out of every plan: kept, read nowhere.
    QCOMPARE(c.mesure().size(), r.points.size());
    const QString loin = c.texteSurvol(c.pixelRos(0, 3.5e6, 2).toPoint());
    QVERIFY2(loin.contains("3520 kHz") || suiteEnAnglais(), qPrintable(loin));
}

// Over the arcs, a measured point takes the colour of the band whose plan
// holds it, dark grey between the plans, and is not drawn beyond them; the
// hover on it reads the sweep, its frequency and its Z.
void TstCourbesMesure::mesureSurLAbaque()
{
    AbaqueSmith a;
    a.resize(420, 420);
    a.montre(entrees(4), modele(), false);
    const std::vector<std::pair<double, Complexe>> zs{
        {3.7e6, {30, 20}}, {7.05e6, {80, -60}}, {5e6, {20, -5}}, {14e6, {50, 0}}};
    a.montreMesure(zs, QStringLiteral("antenne.csv"));
    const std::optional<QColor> attendues[] = {couleurBande(1), couleurBande(3),
                                               QColor(0x55, 0x55, 0x55), std::nullopt};
    const QImage image = a.grab().toImage();
    for (std::size_t i = 0; i < zs.size(); ++i) {
        QCOMPARE(a.couleurMesure(i), attendues[i]);
        const auto [f, z] = zs[i];
        const QPointF q = a.pixel((z - 50.0) / (z + 50.0));
        QCOMPARE(a.mesureSous(q.toPoint()), attendues[i] ? std::optional(i) : std::nullopt);
        if (!attendues[i])
            continue;
        QVERIFY(proche(image, q, *attendues[i]));
        const QString lu = a.texteSurvol(q.toPoint());
        const QString attendu = QStringLiteral("Mesure antenne.csv, %1 kHz : Z en C %2 Ω")
                                    .arg(Nec::texte(f / 1e3), TableauNec::complexe(4.0 * z));
        QVERIFY2(lu.startsWith(attendu) || suiteEnAnglais(), qPrintable(lu));
        QVERIFY(lu.endsWith(Nec::texte(Nec::rosBoite(4.0 * z, 4), 2)));
    }
    QVERIFY(a.legende().contains("antenne.csv"));
    a.effaceMesure();
    QVERIFY(!a.legende().contains("antenne.csv"));
    QCOMPARE(a.couleurMesure(0), std::nullopt);
    QCOMPARE(a.mesureSous(a.pixel((zs[0].second - 50.0) / (zs[0].second + 50.0)).toPoint()),
             std::nullopt);
}

QTEST_MAIN(TstCourbesMesure)
#include "tst_courbes_mesure.moc"
