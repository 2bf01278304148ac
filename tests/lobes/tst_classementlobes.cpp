#include "lobes/ClassementLobes.h"

#include <QTest>
#include <cmath>
#include <limits>

class TstClassementLobes : public QObject {
    Q_OBJECT
private slots:
    void classe_data();
    void classe();
};

void TstClassementLobes::classe_data()
{
    QTest::addColumn<double>("lamdaDip");
    QTest::addColumn<QString>("image");

    QTest::newRow("never drawn, 0") << 0.0 << "lamda0_25";
    QTest::newRow("negative") << -1.0 << "lamda0_25";
    QTest::newRow("default branch at 3500 kHz, 0.248") << 2126.0 * 3500 / 30000000 << "lamda0_25";
    QTest::newRow("default branch at 14000 kHz, 0.992") << 2126.0 * 14000 / 30000000 << "lamda1_5";
    QTest::newRow("0.2999") << 0.2999 << "lamda0_25";
    QTest::newRow("double nearest 0.3") << 0.3 << "lamda0_25";
    QTest::newRow("next double above 0.3") << std::nextafter(0.3, 1.0) << "lamda0_5";
    QTest::newRow("0.3001") << 0.3001 << "lamda0_5";
    QTest::newRow("double nearest 0.6") << 0.6 << "lamda0_5";
    QTest::newRow("next double above 0.6") << std::nextafter(0.6, 1.0) << "lamda0_64";
    QTest::newRow("0.6001") << 0.6001 << "lamda0_64";
    QTest::newRow("0.65") << 0.65 << "lamda0_64";
    QTest::newRow("0.6799") << 0.6799 << "lamda0_64";
    QTest::newRow("next double below 0.68") << std::nextafter(0.68, 0.0) << "lamda0_64";
    QTest::newRow("double nearest 0.68") << 0.68 << "lamda1_5";
    QTest::newRow("1.5999") << 1.5999 << "lamda1_5";
    QTest::newRow("next double below 1.6") << std::nextafter(1.6, 0.0) << "lamda1_5";
    QTest::newRow("double nearest 1.6") << 1.6 << "lamda2";
    QTest::newRow("2.5999") << 2.5999 << "lamda2";
    QTest::newRow("next double below 2.6") << std::nextafter(2.6, 0.0) << "lamda2";
    QTest::newRow("double nearest 2.6") << 2.6 << "lamda3";
    QTest::newRow("long antenna, 40") << 40.0 << "lamda3";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "lamda3";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "lamda3";
}

void TstClassementLobes::classe()
{
    QFETCH(double, lamdaDip);
    QFETCH(QString, image);
    QCOMPARE(ClasseLobes(lamdaDip), image);
}

QTEST_APPLESS_MAIN(TstClassementLobes)
#include "tst_classementlobes.moc"
