#include "../longueurs/AntenneDefaut.h"
#include "nec/ExecutionNec.h"
#include "nec/Modele.h"
#include "nec/Nombres.h"
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

std::vector<Nec::ImpedanceB> execute(const QByteArray &deck, int frequences)
{
    const auto b = Nec::ExecutionNec::executeBloquant(deck, frequences);
    const auto *z = std::get_if<std::vector<Nec::ImpedanceB>>(&b);
    if (!z)
        qFatal("%s", qPrintable(std::get<QString>(b)));
    return *z;
}

// Both runs, or the first alone.
std::vector<DiagrammeBande> calcule(const Nec::Entrees &e, bool affine = true)
{
    Rayonnement::Lecture l =
        Rayonnement::lit(e, execute(Rayonnement::deck(e), Rayonnement::nombreFrequences(e)));
    if (affine)
        Rayonnement::affine(e, l,
                            execute(Rayonnement::deckAffinage(e, l.diagrammes),
                                    Rayonnement::nombreFrequencesAffinage(e, l.diagrammes)));
    if (!l.echecs.empty())
        qFatal("%s", qPrintable(l.echecs.front().raison));
    return l.diagrammes;
}

// The main window's start-up antenna with one band of the default table.
Nec::Entrees defaut(std::size_t k)
{
    Nec::Entrees e = antenneDefaut();
    e.longueurMaxCm = Nec::longueurMaxParDefaut(e.echelleCm);
    e.bandes = {e.bandes[k]};
    return e;
}

// The -3 dB span of a cut around its peak nearest an elevation, read as
// one line from horizon to horizon across the zenith (the far side is the
// cut itself mirrored).
double span(const std::array<double, 91> &cut, double elevation)
{
    std::vector<double> g;
    for (int a = 0; a <= 180; ++a)
        g.push_back(cut[std::size_t(a <= 90 ? a : 180 - a)]);
    int m = int(std::lround(elevation));
    for (int a = std::max(0, m - 3); a <= std::min(90, m + 3); ++a)
        if (g[std::size_t(a)] > g[std::size_t(m)])
            m = a;
    const double seuil = g[std::size_t(m)] - 3;
    const auto traverse = [&](int pas) {
        for (int e = m; e + pas >= 0 && e + pas <= 180; e += pas)
            if (g[std::size_t(e + pas)] < seuil)
                return e + pas * (g[std::size_t(e)] - seuil) /
                               (g[std::size_t(e)] - g[std::size_t(e + pas)]);
        return pas < 0 ? 0.0 : 180.0;
    };
    return traverse(1) - traverse(-1);
}

} // namespace

class TstDiagrammes : public QObject {
    Q_OBJECT
private slots:
    void deckDuControle();
    void references_data();
    void references();
    void symetries();
    void maximumAffine_data();
    void maximumAffine();
    void ouvertureAuZenith();
};

// The patterns come from the check's own deck: the same frequencies in the
// same order (a centre the sweep lacks asked after them), each pattern
// frequency's XQ turned into its RP cards.
void TstDiagrammes::deckDuControle()
{
    Nec::Entrees e = dipole(Nec::Sol::Moyen, 10);
    e.bandes = {{1, 80, 3650}, {8, 10, 28500}};
    for (int points : {5, 4}) {
        e.points = points;
        const QByteArray controle = Nec::deck(e);
        const QByteArray d = Rayonnement::deck(e);
        const auto fs = Rayonnement::frequences(e);
        // 80 m's plan centre is its reference: asked once; 10 m's lies 1.2 %
        // above it.
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
            // The even sweep's centre, 28850 kHz, follows the check's own.
            QVERIFY(sans.startsWith(controle.left(controle.size() - 3)));
            QVERIFY(sans.endsWith("FR 0 1 0 0 28.85 0\nXQ\nEN\n"));
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
    // Read against the model's own balance: nothing lost, to the tenth.
    QCOMPARE(Nec::texte(c.perteSolPct, 1), QStringLiteral("0.0"));
    // In free space, along the wire a dipole has its null.
    if (sol == int(Nec::Sol::Libre))
        QVERIFY(d.front().coupes.azimut[0] < c.gainMaxDbi - 15);
}

// Over a real ground: the azimuth cut unfolds its quarter symmetrically, the
// broadside gains are the cut's, the -3 dB span brackets the take-off angle,
// and the ground takes a share of the power.
void TstDiagrammes::symetries()
{
    Nec::Entrees e = dipole(Nec::Sol::Moyen, 10);
    e.bandes = {{4, 20, 14000}}; // 1.25 % under the plan's centre
    const auto d = calcule(e);
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
        QVERIFY2(std::abs(c.ouvertureDeg - span(b.coupes.travers, c.elevationMaxDeg)) < 1e-9,
                 qPrintable(QString::number(c.ouvertureDeg)));
        // The maximum in 0.1 degree steps, on or just above the 1 degree cut's.
        const double cut = *std::max_element(b.coupes.travers.begin(), b.coupes.travers.end());
        QVERIFY(c.gainMaxDbi >= cut && c.gainMaxDbi < cut + 0.05);
        QVERIFY(c.perteSolPct > 5 && c.perteSolPct < 60);
        QVERIFY(b.coupes.travers[0] < -100); // no field along the ground
    }
    QVERIFY(d.back().centre);
}

// The maximum of the start-up antenna on 10 m and 12 m lies off broadside:
// the two runs find it as a search in 0.1 degree steps over the lobe does
// (a deck of this test's own, around the grid's maximum), the lobe's own cut
// goes through it and shows it, and its -3 dB span is read on that cut.
void TstDiagrammes::maximumAffine_data()
{
    QTest::addColumn<int>("k");
    QTest::newRow("12 m") << 6;
    QTest::newRow("10 m") << 7;
}

void TstDiagrammes::maximumAffine()
{
    QFETCH(int, k);
    const Nec::Entrees e = defaut(std::size_t(k));
    const DiagrammeBande grille = calcule(e, false).front();
    const DiagrammeBande b = calcule(e).front();
    // The reference: 0.1 degree steps, 4 degrees of elevation and 3 of
    // azimuth either side of the grid's maximum.
    const double el0 = grille.chiffres.elevationMaxDeg;
    const double az0 = grille.chiffres.azimutMaxDeg;
    const QByteArray modele = Nec::deck(e);
    const QByteArray deck = modele.left(modele.indexOf("FR ")) + "FR 0 1 0 0 " +
                            Nec::texte(b.frequenceKHz / 1000).toLatin1() + " 0\nRP 0 81 61 1000 " +
                            Nec::texte(90 - el0 - 4).toLatin1() + ' ' +
                            Nec::texte(az0 - 3).toLatin1() + " 0.1 0.1\nEN\n";
    const auto z = execute(deck, 1);
    QVERIFY(z.front().diagramme && z.front().diagramme->points.size() == 81 * 61);
    double gMax = -1e9;
    for (const auto &p : z.front().diagramme->points)
        gMax = std::max(gMax, p.gainDbi);
    // Of equal gains, the middle.
    double eBas = 90, eHaut = 0, aBas = 90, aHaut = 0;
    for (const auto &p : z.front().diagramme->points)
        if (p.gainDbi == gMax) {
            eBas = std::min(eBas, 90 - p.theta);
            eHaut = std::max(eHaut, 90 - p.theta);
            aBas = std::min(aBas, p.phi);
            aHaut = std::max(aHaut, p.phi);
        }
    const Rayonnement::Chiffres &c = b.chiffres;
    const QString lu = QString::asprintf("%.2f dBi at %.1f, az %.1f; search: %.2f at %.2f, az %.2f",
                                         c.gainMaxDbi, c.elevationMaxDeg, c.azimutMaxDeg, gMax,
                                         (eBas + eHaut) / 2, (aBas + aHaut) / 2);
    QVERIFY2(std::abs(c.gainMaxDbi - gMax) <= 0.05, qPrintable(lu));
    QVERIFY2(std::abs(c.elevationMaxDeg - (eBas + eHaut) / 2) <= 0.3, qPrintable(lu));
    QVERIFY2(std::abs(c.azimutMaxDeg - (aBas + aHaut) / 2) <= 0.3, qPrintable(lu));
    QVERIFY2(c.azimutMaxDeg < 80, qPrintable(lu)); // off broadside
    // The lobe's cut, within a degree of the maximum's azimuth, shows it.
    QVERIFY(b.coupes.aLobe());
    QVERIFY(std::abs(b.coupes.azimutLobeDeg - c.azimutMaxDeg) <= 0.5);
    const auto haut = std::max_element(b.coupes.lobe.begin(), b.coupes.lobe.end());
    QVERIFY(std::abs(double(haut - b.coupes.lobe.begin()) - c.elevationMaxDeg) <= 1);
    QVERIFY(c.gainMaxDbi - *haut < 0.1);
    QVERIFY2(std::abs(c.ouvertureDeg - span(b.coupes.lobe, c.elevationMaxDeg)) < 1e-9,
             qPrintable(QString::number(c.ouvertureDeg)));
    // The points' CSV writes the cut as "lobe", at its azimuth.
    const int el = int(std::lround(c.elevationMaxDeg));
    const QByteArray attendu = ",lobe," + QByteArray::number(el) + ',' +
                               Nec::champ(b.coupes.azimutLobeDeg).toLatin1() + ',' +
                               Nec::champ(b.coupes.lobe[std::size_t(el)], 2).toLatin1() + '\n';
    QVERIFY(Rayonnement::csvPoints({b}).contains(attendu));
}

// 80 m's lobe stands on the zenith: its span goes on across it, and its
// azimuth cut is drawn low enough to tell the long-distance directions.
void TstDiagrammes::ouvertureAuZenith()
{
    const DiagrammeBande b = calcule(defaut(0)).front();
    const Rayonnement::Chiffres &c = b.chiffres;
    QVERIFY2(c.elevationMaxDeg > 70, qPrintable(QString::number(c.elevationMaxDeg)));
    QVERIFY2(c.ouvertureDeg > 90, qPrintable(QString::number(c.ouvertureDeg)));
    QVERIFY(std::abs(c.ouvertureDeg - span(b.coupes.travers, c.elevationMaxDeg)) < 1e-9);
    QVERIFY(!b.coupes.aLobe());
    QVERIFY(b.coupes.elevationAzimutDeg <= 45);
}

QTEST_GUILESS_MAIN(TstDiagrammes)
#include "tst_diagrammes.moc"
