#include "Rayonnement.h"

#include <QTest>

class TstRayonnement : public QObject {
    Q_OBJECT
private slots:
    void champRelatif_data();
    void champRelatif();
    void lobesDesImages_data();
    void lobesDesImages();
};

void TstRayonnement::champRelatif_data()
{
    QTest::addColumn<double>("brin");
    QTest::addColumn<double>("elevation");
    QTest::addColumn<int>("azimut");
    QTest::addColumn<double>("attendu");
    QTest::newRow("0.5: strongest across the wire") << 0.5 << 10.0 << 0 << 1.0;
    QTest::newRow("0.5: null toward 90") << 0.5 << 10.0 << 90 << 0.0;
    QTest::newRow("0.64: side lobe near 58 at 0.38") << 0.64 << 10.0 << 58 << 0.377;
    QTest::newRow("1.5: 0.73 toward 0") << 1.5 << 10.0 << 0 << 0.732;
    QTest::newRow("1.5: strongest toward 315") << 1.5 << 10.0 << 315 << 1.0;
    QTest::newRow("2: nothing toward 0") << 2.0 << 10.0 << 0 << 0.0;
    QTest::newRow("0.25 at 10: deep dip along the wire") << 0.25 << 10.0 << 90 << 0.137;
    QTest::newRow("0.25 at 60: nearly circular") << 0.25 << 60.0 << 90 << 0.816;
    QTest::newRow("along the wire at the horizon") << 0.5 << 0.0 << 270 << 0.0;
}

void TstRayonnement::champRelatif()
{
    QFETCH(double, brin);
    QFETCH(double, elevation);
    QFETCH(int, azimut);
    QFETCH(double, attendu);
    const std::vector<double> v = Rayonnement::diagramme(brin, elevation, 720);
    QVERIFY2(std::abs(v[static_cast<std::size_t>(2 * azimut)] - attendu) < 0.01,
             qPrintable(QString::number(v[static_cast<std::size_t>(2 * azimut)])));
}

void TstRayonnement::lobesDesImages_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<int>("lobes");
    QTest::newRow("lamda0_25") << 0 << 2;
    QTest::newRow("lamda0_5") << 1 << 2;
    QTest::newRow("lamda0_64") << 2 << 6;
    QTest::newRow("lamda1_5") << 3 << 6;
    QTest::newRow("lamda2") << 4 << 8;
    QTest::newRow("lamda3") << 5 << 12;
}

void TstRayonnement::lobesDesImages()
{
    QFETCH(int, indice);
    QFETCH(int, lobes);
    const Rayonnement::Diagramme &d = Rayonnement::Diagrammes[static_cast<std::size_t>(indice)];
    QCOMPARE(QLatin1String(d.nom), QLatin1String(QTest::currentDataTag()));
    const std::vector<double> v = Rayonnement::diagramme(d.longueurBrin, d.elevation, 1440);
    const std::size_t n = v.size();
    int maxima = 0;
    for (std::size_t i = 0; i < n; ++i) {
        QVERIFY(std::isfinite(v[i]) && v[i] >= 0 && v[i] <= 1);
        if (v[i] > v[(i + n - 1) % n] && v[i] >= v[(i + 1) % n])
            ++maxima;
    }
    QCOMPARE(maxima, lobes);
}

QTEST_APPLESS_MAIN(TstRayonnement)
#include "tst_rayonnement.moc"
