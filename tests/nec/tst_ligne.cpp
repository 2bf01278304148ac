#include "nec/Ligne.h"
#include "nec/Modele.h"

#include <QTest>

using Nec::Complexe;

namespace {

constexpr double F = 14.1e6;

// The physical length of a fraction of a wavelength on the line.
double longueur(const Nec::Echelle &e, double fraction)
{
    return fraction * e.coefVelocite * Nec::VitesseLumiere / F;
}

bool proche(Complexe a, Complexe b, double tolerance = 1e-6)
{
    return std::abs(a - b) <= tolerance * std::max(1.0, std::abs(b));
}

} // namespace

class TstLigne : public QObject {
    Q_OBJECT
private slots:
    void transformations_data();
    void transformations();
    void chargeAdaptee_data();
    void chargeAdaptee();
    void perteReduitRos();
    void perteCroitAvecFrequence();
    void parcours_data();
    void parcours();
};

void TstLigne::transformations_data()
{
    QTest::addColumn<Complexe>("zB");
    QTest::addColumn<double>("z0");
    QTest::addColumn<double>("coef");
    QTest::newRow("resistive, 450 ohms") << Complexe(73, 0) << 450.0 << 0.92;
    QTest::newRow("inductive, 600 ohms") << Complexe(58.5, 78.4) << 600.0 << 0.97;
    QTest::newRow("high, capacitive") << Complexe(4536, -2253) << 450.0 << 0.82;
}

// Lossless: a quarter wave inverts about Z0, a half wave repeats, a whole
// number of half waves too.
void TstLigne::transformations()
{
    QFETCH(Complexe, zB);
    QFETCH(double, z0);
    QFETCH(double, coef);
    const Nec::Echelle e{z0, coef, 0};
    QVERIFY(proche(Nec::impedanceEnC(zB, e, F, longueur(e, 0.25)), z0 * z0 / zB));
    QVERIFY(proche(Nec::impedanceEnC(zB, e, F, longueur(e, 0.5)), zB));
    QVERIFY(proche(Nec::impedanceEnC(zB, e, F, longueur(e, 1.5)), zB, 1e-5));
    QVERIFY(proche(Nec::impedanceEnC(zB, e, F, 0), zB));
    // The SWR of a lossless line is the same everywhere.
    QCOMPARE_LE(std::abs(Nec::ros(zB, e, F, 0) - Nec::ros(zB, e, F, 7.3)), 1e-9);
}

void TstLigne::chargeAdaptee_data()
{
    QTest::addColumn<double>("perte");
    QTest::newRow("lossless") << 0.0;
    QTest::newRow("lossy") << 3.0;
}

void TstLigne::chargeAdaptee()
{
    QFETCH(double, perte);
    const Nec::Echelle e{450, 0.92, perte};
    for (double l : {0.0, 1.0, 7.77, 30.0})
        QVERIFY(proche(Nec::impedanceEnC(450, e, F, l), 450));
    QCOMPARE(Nec::ros(450, e, F, 12), 1.0);
}

void TstLigne::perteReduitRos()
{
    const Complexe zB(4536, -2253);
    const Nec::Echelle sansPerte{450, 0.92, 0};
    const Nec::Echelle avecPerte{450, 0.92, 2};
    const double aB = Nec::ros(zB, avecPerte, F, 0);
    QCOMPARE(aB, Nec::ros(zB, sansPerte, F, 0));
    double avant = aB;
    for (double l : {10.0, 30.0, 100.0}) {
        const double r = Nec::ros(zB, avecPerte, F, l);
        QCOMPARE_LT(r, avant);
        QCOMPARE_GT(r, 1.0);
        avant = r;
    }
    // A long lossy line ends looking like Z0 whatever the load.
    QVERIFY(proche(Nec::impedanceEnC(zB, avecPerte, F, 5000), 450, 1e-3));
}

// 1 dB per 100 m at 10 MHz: twice that at 40 MHz.
void TstLigne::perteCroitAvecFrequence()
{
    const Nec::Echelle e{450, 0.92, 1};
    const double a10 = Nec::propagation(e, 10e6).real();
    QVERIFY(qFuzzyCompare(a10 * 100 * 20 * std::log10(std::exp(1.0)), 1.0));
    QVERIFY(qFuzzyCompare(Nec::propagation(e, 40e6).real(), 2 * a10));
    QVERIFY(qFuzzyCompare(Nec::propagation(e, 10e6).imag(),
                          2 * M_PI * 10e6 / (0.92 * Nec::VitesseLumiere)));
}

void TstLigne::parcours_data()
{
    QTest::addColumn<Complexe>("zB");
    QTest::addColumn<double>("perte");
    QTest::newRow("low, lossless") << Complexe(58.5, 78.4) << 0.0;
    QTest::newRow("high, lossless") << Complexe(4536, -2253) << 0.0;
    QTest::newRow("high, lossy") << Complexe(4536, -2253) << 3.0;
    QTest::newRow("near an open end") << Complexe(1e6, 1e5) << 0.0;
}

// Stepping along the line gives the line equations' values, even thousands of
// steps from B.
void TstLigne::parcours()
{
    QFETCH(Complexe, zB);
    QFETCH(double, perte);
    const Nec::Echelle e{450, 0.92, perte};
    const Complexe gamma = Nec::propagation(e, F);
    Nec::Parcours p(zB, e.z0, gamma, 0.01);
    for (int l = 0; l <= 8000; ++l, p.avance()) {
        if (l % 997 != 0 && l != 8000)
            continue;
        const Complexe attendue = Nec::impedance(zB, e.z0, gamma, l / 100.0);
        QVERIFY2(proche(p.impedance(), attendue, 1e-8), qPrintable(QString::number(l)));
        QCOMPARE_LE(std::abs(p.module() - std::abs(attendue)), 1e-8 * std::abs(attendue));
    }
}

QTEST_APPLESS_MAIN(TstLigne)
#include "tst_ligne.moc"
