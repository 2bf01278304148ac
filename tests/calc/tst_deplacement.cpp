#include "calc/CalculRun.h"
#include "calc/Deplacement.h"
#include "state/EtatCalcul.h"

#include <QTest>

// The read-outs while B or C follows the mouse, after a "Lancer" with the
// default inputs on the 785 x 330 chart.
class TstDeplacement : public QObject {
    Q_OBJECT
private slots:
    void init();
    void lancerParDefaut();
    void moveOfB_data();
    void moveOfB();
    void moveOfC_data();
    void moveOfC();
};

void TstDeplacement::init()
{
    EtatCalcul = {};
    EtatCalcul.PlageVerticale = 2.37;
    EtatCalcul.DiviseurHauteur = 2;
    EtatCalcul.CoefVelDip = 0.97;
    EtatCalcul.CoefVelEch = 0.92;
    EtatCalcul.LongElecDip = CalculRun::LongueurElectrique("2062", 0.97);
    EtatCalcul.LongElecEch = CalculRun::LongueurElectrique("3000", 0.92);
    EtatCalcul.LongElecTotale = EtatCalcul.LongElecDip + EtatCalcul.LongElecEch;
    CalculRun::EchellesEcran(0, 785, 330);
}

void TstDeplacement::lancerParDefaut()
{
    QCOMPARE(EtatCalcul.LongElecDip, 2126);
    QCOMPARE(EtatCalcul.LongElecEch, 3261);
    QCOMPARE(EtatCalcul.LongElecTotale, 5387);
    QCOMPARE(EtatCalcul.EchelleX, 785.0 / 5387);
    QCOMPARE(EtatCalcul.EchelleY, 330 / 2.37);
    QCOMPARE(EtatCalcul.DemiHauteur, 165);
    QCOMPARE(EtatCalcul.GaucheGraphe, 0);
}

void TstDeplacement::moveOfB_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<qint64>("electrique");
    QTest::addColumn<qint64>("physique");
    QTest::newRow("x 300") << 300 << qint64(2059) << qint64(1997);
    QTest::newRow("left of the chart") << -10 << qint64(-69) << qint64(-67);
    QTest::newRow("at A") << 0 << qint64(0) << qint64(0);
}

void TstDeplacement::moveOfB()
{
    QFETCH(int, x);
    QFETCH(qint64, electrique);
    QFETCH(qint64, physique);
    const Deplacement::Lectures l = Deplacement::lecturesB(x);
    QCOMPARE(l.electrique, electrique);
    QCOMPARE(l.physique, physique);
}

void TstDeplacement::moveOfC_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("lu");
    QTest::addColumn<qint64>("electrique");
    QTest::addColumn<qint64>("physique");
    QTest::newRow("x 700") << 700 << true << qint64(2678) << qint64(2463);
    QTest::newRow("x 784") << 784 << true << qint64(3254) << qint64(2994);
    QTest::newRow("one cm past B") << 310 << true << qint64(1) << qint64(1);
    QTest::newRow("left of B") << 300 << false << qint64(0) << qint64(0);
}

void TstDeplacement::moveOfC()
{
    QFETCH(int, x);
    QFETCH(bool, lu);
    QFETCH(qint64, electrique);
    QFETCH(qint64, physique);
    const auto l = Deplacement::lecturesC(x);
    QCOMPARE(l.has_value(), lu);
    if (lu) {
        QCOMPARE(l->electrique, electrique);
        QCOMPARE(l->physique, physique);
    }
}

QTEST_APPLESS_MAIN(TstDeplacement)
#include "tst_deplacement.moc"
