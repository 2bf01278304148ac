#include "nec/ExecutionNec.h"
#include "nec/Modele.h"
#include "rayonnement/Diagrammes.h"

#include <QTest>
#include <cmath>

using Rayonnement::DiagrammeBande;

namespace {

// A half-wave dipole for 20 m, without ladder: its band table's row alone.
Nec::Entrees dipole(Nec::Sol sol, double hauteurM)
{
    Nec::Entrees e;
    e.antenne.brancheCm = 505;
    e.antenne.sol = sol;
    e.antenne.hauteurM = hauteurM;
    e.echelle.coefVelocite = 0.92;
    e.echelleCm = 0;
    e.longueurMaxCm = Nec::longueurMaxParDefaut(0);
    e.bandes = {{4, 20, 14100}};
    return e;
}

std::vector<DiagrammeBande> calcule(const Nec::Entrees &e)
{
    const auto b =
        Nec::ExecutionNec::executeBloquant(Rayonnement::deck(e), Rayonnement::nombreFrequences(e));
    const auto *z = std::get_if<std::vector<Nec::ImpedanceB>>(&b);
    if (!z)
        qFatal("%s", qPrintable(std::get<QString>(b)));
    const Rayonnement::Lecture l = Rayonnement::lit(e, *z);
    if (!l.echecs.empty())
        qFatal("%s", qPrintable(l.echecs.front().raison));
    return l.diagrammes;
}

} // namespace

class TstDiagrammes : public QObject {
    Q_OBJECT
private slots:
    void deckDuControle();
    void references_data();
    void references();
    void symetries();
};

// The patterns come from the check's own deck: the same frequencies in the
// same order (a centre the sweep lacks asked after them), each pattern
// frequency's XQ turned into its RP cards.
void TstDiagrammes::deckDuControle()
{
    Nec::Entrees e = dipole(Nec::Sol::Moyen, 10);
    e.bandes = {{1, 80, 3650}, {2, 40, 7050}};
    for (int points : {5, 4}) {
        e.points = points;
        const QByteArray controle = Nec::deck(e);
        const QByteArray d = Rayonnement::deck(e);
        const auto fs = Rayonnement::frequences(e);
        // 80 m's plan centre is its reference: asked once.
        QCOMPARE(fs.size(), std::size_t(3));
        QCOMPARE(d.count("RP 0 91 2 1000 0 0 1 90\n"), 3);
        QByteArray sans;
        int rp = 0;
        for (const QByteArray &l : d.split('\n')) {
            if (l.startsWith("RP 0 23 46 1001")) {
                sans += "XQ\n";
                ++rp;
            } else if (!l.startsWith("RP ") && !l.isEmpty()) {
                sans += l + '\n';
            }
        }
        QCOMPARE(rp, 3);
        if (points % 2 == 1) {
            QCOMPARE(sans, controle);
        } else {
            // The even sweep's centre, 7100 kHz, follows the check's own.
            QVERIFY(sans.startsWith(controle.left(controle.size() - 3)));
            QVERIFY(sans.endsWith("FR 0 1 0 0 7.1 0\nXQ\nEN\n"));
            QCOMPARE(fs.back().reponse, std::size_t(Nec::nombreFrequences(e)));
        }
    }
}

// The textbook's references, through the engine: a half-wave dipole in free
// space gives 2.15 dBi broadside; half a wavelength over a perfect ground,
// 8.4 dBi at 30 degrees, and nothing lost in the ground.
void TstDiagrammes::references_data()
{
    QTest::addColumn<int>("sol");
    QTest::addColumn<double>("hauteurM");
    QTest::addColumn<double>("gainDbi");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<double>("elevationDeg");
    QTest::newRow("espace libre") << int(Nec::Sol::Libre) << 10.0 << 2.15 << 0.1 << 0.0;
    QTest::newRow("sol parfait, λ/2") << int(Nec::Sol::Parfait) << 10.64 << 8.4 << 0.2 << 30.0;
}

void TstDiagrammes::references()
{
    QFETCH(int, sol);
    QFETCH(double, hauteurM);
    QFETCH(double, gainDbi);
    QFETCH(double, tolerance);
    QFETCH(double, elevationDeg);
    const auto d = calcule(dipole(static_cast<Nec::Sol>(sol), hauteurM));
    QVERIFY(!d.empty());
    const Rayonnement::Chiffres &c = d.front().chiffres;
    QVERIFY2(std::abs(c.gainMaxDbi - gainDbi) <= tolerance,
             qPrintable(QString::number(c.gainMaxDbi)));
    QVERIFY2(std::abs(c.elevationMaxDeg - elevationDeg) <= 1,
             qPrintable(QString::number(c.elevationMaxDeg)));
    QCOMPARE(c.azimutMaxDeg, 90.0);
    QVERIFY(c.perteSolPct < 0.5);
    // In free space, along the wire a dipole has its null.
    if (sol == int(Nec::Sol::Libre))
        QVERIFY(d.front().coupes.azimut[0] < c.gainMaxDbi - 15);
}

// Over a real ground: the azimuth cut unfolds its quarter symmetrically, the
// broadside gains are the cut's, the -3 dB span brackets the take-off angle,
// and the ground takes a share of the power.
void TstDiagrammes::symetries()
{
    const auto d = calcule(dipole(Nec::Sol::Moyen, 10));
    QCOMPARE(d.size(), std::size_t(2)); // the reference and the plan's centre
    for (const DiagrammeBande &b : d) {
        for (int k = 1; k < 90; ++k) {
            QCOMPARE(b.coupes.azimut[static_cast<std::size_t>(k)],
                     b.coupes.azimut[static_cast<std::size_t>(180 - k)]);
        }
        const Rayonnement::Chiffres &c = b.chiffres;
        QCOMPARE(c.gain20Dbi, b.coupes.travers[20]);
        QVERIFY(c.ouvertureDeg > 10 && c.ouvertureDeg < 90);
        // The same span found here on the broadside cut, where the lobe is:
        // each side where the gain line crosses 3 dB under the maximum.
        const auto &t = b.coupes.travers;
        const int m = int(std::max_element(t.begin(), t.end()) - t.begin());
        const double seuil = t[std::size_t(m)] - 3;
        const auto traverse = [&](int a, int pas) {
            for (int e = a; e + pas >= 0 && e + pas <= 90; e += pas)
                if (t[std::size_t(e + pas)] < seuil)
                    return e + pas * (t[std::size_t(e)] - seuil) /
                                   (t[std::size_t(e)] - t[std::size_t(e + pas)]);
            return pas < 0 ? 0.0 : 90.0;
        };
        QVERIFY2(std::abs(c.ouvertureDeg - (traverse(m, 1) - traverse(m, -1))) < 1e-9,
                 qPrintable(QString::number(c.ouvertureDeg)));
        QCOMPARE(c.gainMaxDbi, *std::max_element(b.coupes.travers.begin(), b.coupes.travers.end()));
        QVERIFY(c.perteSolPct > 5 && c.perteSolPct < 60);
        QVERIFY(b.coupes.travers[0] < -100); // no field along the ground
    }
    QVERIFY(d.back().centre);
}

QTEST_GUILESS_MAIN(TstDiagrammes)
#include "tst_diagrammes.moc"
