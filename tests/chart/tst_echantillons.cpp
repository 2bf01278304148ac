#include "chart/Echantillons.h"
#include "regles/Erreurs.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// Frequencies of the default bands, the ends of what Kesu.ini can hold, and a
// band whose wavelength is longer than most antennas.
constexpr std::int32_t Frequences[] = {3650, 7050, 14100, 28500, 99999, -9999, -7050, 7};

double nuDe(std::int32_t frequence)
{
    return static_cast<double>(frequence / 30'000'000.0L);
}

QString erreurDe(const auto &calcul)
{
    try {
        calcul();
    } catch (const KesuErreur &e) {
        return e.texte();
    }
    return {};
}

// Brute force over every sample of a run, the reference for the shortcuts.
struct Force {
    Force(const Echantillons &e, std::int32_t a, std::int32_t b)
    {
        for (std::int32_t i = a; i <= b; ++i) {
            const double s = e.sinus(i);
            rangees.push_back(e.rangeeDe(s));
            absolus.push_back(std::fabs(s));
        }
    }
    std::pair<std::int32_t, std::int32_t> extremes() const
    {
        const auto [haut, bas] = std::minmax_element(rangees.begin(), rangees.end());
        return {*haut, *bas};
    }
    // Index in the run of the first sample of the last row's plateau.
    std::int32_t palier() const
    {
        auto c = rangees.size() - 1;
        while (c > 0 && rangees[c - 1] == rangees.back())
            --c;
        return static_cast<std::int32_t>(c);
    }
    std::vector<std::int32_t> rangees;
    std::vector<double> absolus;
};

std::int32_t finColonne(const Echantillons &e, std::int32_t a, std::int32_t dernier)
{
    std::int32_t b = a;
    while (b < dernier && e.decalage(b + 1) == e.decalage(a))
        ++b;
    return b;
}

} // namespace

// The chart's inner loops round and reduce by their own means: they must give
// the guarded arithmetic's and the library's results bit for bit, or the
// per-centimetre chart would move.
class TestEchantillons : public QObject {
    Q_OBJECT

private slots:
    void arrondiCommeArith();
    void plancherCommeFloor();
    void sinusCommeLaFormule();
    void enveloppes_data();
    void enveloppes();
    void colonnes_data();
    void colonnes();
};

void TestEchantillons::arrondiCommeArith()
{
    const long double valeurs[] = {
        0.5L,   1.5L,  2.5L,        -0.5L,         -1.5L,          -2.5L,         0.4999999999L,
        165.5L, -0.0L, 1e9L + 0.5L, 2147483646.5L, -2147483647.5L, 2147483647.4L, -2147483648.4L};
    for (const long double x : valeurs)
        QVERIFY2(Rapide::arrondi(x) == Arith::arrondi(x), qPrintable(QString::number(double(x))));
    // Out of range: the same error as the guarded rounding.
    const long double hors[] = {2147483647.5L, -2147483648.6L, 1e30L,
                                std::numeric_limits<long double>::infinity(),
                                std::numeric_limits<long double>::quiet_NaN()};
    for (const long double x : hors) {
        const QString attendu = erreurDe([&] { Arith::arrondi(x); });
        QVERIFY(!attendu.isEmpty());
        QCOMPARE(erreurDe([&] { Rapide::arrondi(x); }), attendu);
    }
    QCOMPARE(erreurDe([] { Rapide::somme(2147483647, 1); }), Textes::DebordementEntier());
}

void TestEchantillons::plancherCommeFloor()
{
    const long double valeurs[] = {0.0L,         -0.0L,   0.5L,         -0.5L, 3.0L,   -3.0L,
                                   2.999999999L, -1e-30L, 1e17L + 0.5L, 4e18L, -7e18L, 1e300L};
    for (const long double x : valeurs) {
        const long double attendu = std::floor(x);
        QCOMPARE(Rapide::plancher(x), attendu);
        QCOMPARE(std::signbit(Rapide::plancher(x)), std::signbit(attendu));
    }
}

void TestEchantillons::sinusCommeLaFormule()
{
    QRandomGenerator aleas(2062);
    for (const std::int32_t f : Frequences) {
        const double nu = nuDe(f);
        for (int n = 0; n < 20000; ++n) {
            const std::int32_t i =
                n < 100 ? n : static_cast<std::int32_t>(aleas.bounded(2'000'000'000));
            long double phase = i * DeuxPi * nu;
            phase -= DeuxPi * std::floor(phase / DeuxPi);
            const double attendu = std::sin(static_cast<double>(phase));
            if (SinusCourant(i, nu) != attendu ||
                std::signbit(SinusCourant(i, nu)) != std::signbit(attendu))
                QFAIL(qPrintable(QStringLiteral("%1 kHz, %2 cm").arg(f).arg(i)));
        }
    }
}

void TestEchantillons::enveloppes_data()
{
    QTest::addColumn<int>("hauteur"); // of the chart, in pixels
    QTest::addRow("screen") << 330;
    QTest::addRow("page") << 1942;
    // Rows change seldom: long plateaus, even over the turns of the curve.
    QTest::addRow("five pixels") << 5;
}

// Runs of up to four periods, where the shortcuts are exact, anywhere up to
// two thousand million centimetres.
void TestEchantillons::enveloppes()
{
    QFETCH(int, hauteur);
    QRandomGenerator aleas(hauteur);
    for (const std::int32_t f : Frequences) {
        const Echantillons e(nuDe(f), 785.0L / 5387, hauteur / 2.37L, hauteur / 2, 0);
        const std::int32_t periode = static_cast<std::int32_t>(30'000'000 / std::abs(f)) + 1;
        for (int n = 0; n < 25; ++n) {
            const std::int32_t a = static_cast<std::int32_t>(aleas.bounded(2'000'000'000));
            const std::int32_t longueur =
                static_cast<std::int32_t>(aleas.bounded(1 + std::min(4 * periode - 8, 35000)));
            const std::int32_t b = a + longueur;
            const Force force(e, a, b);
            const QString cas = QStringLiteral("%1 kHz, samples %2 to %3").arg(f).arg(a).arg(b);
            QVERIFY2(e.rangeesExtremes(a, b) == force.extremes(), qPrintable(cas));
            QVERIFY2(e.minAbsolu(a, b) ==
                         *std::min_element(force.absolus.begin(), force.absolus.end()),
                     qPrintable(cas));
            QVERIFY2(e.maxAbsolu(a, b) ==
                         *std::max_element(force.absolus.begin(), force.absolus.end()),
                     qPrintable(cas));
            QVERIFY2(e.debutPalier(a, b) == a + force.palier(), qPrintable(cas));
        }
    }
}

void TestEchantillons::colonnes_data()
{
    QTest::addColumn<double>("echelleX");
    QTest::addRow("screen, 2e9 cm") << 785 / 2e9;
    QTest::addRow("page, 100001 cm") << 2400 / 100001.0;
    QTest::addRow("wider than the samples") << 3.7;
    QTest::addRow("right to left") << -785 / 150000.0;
    QTest::addRow("one column") << 0.0;
}

void TestEchantillons::colonnes()
{
    QFETCH(double, echelleX);
    const Echantillons e(nuDe(7050), echelleX, 139, 165, 0);
    QRandomGenerator aleas(7);
    // Samples whose columns stay within 32 bits.
    const double limite = std::min(1.999e9, 2e9 / std::max(std::fabs(echelleX), 1.0));
    for (int n = 0; n < 200; ++n) {
        const std::int32_t a = static_cast<std::int32_t>(aleas.bounded(limite));
        const std::int32_t dernier = a + static_cast<std::int32_t>(aleas.bounded(30000));
        QCOMPARE(e.finColonne(a, dernier), finColonne(e, a, dernier));
    }
}

QTEST_MAIN(TestEchantillons)
#include "tst_echantillons.moc"
