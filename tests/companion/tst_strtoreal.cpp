#include "LocaleVirgule.h"
#include "StrToReal.h"

#include <QTest>
#include <cmath>

class TstStrToReal : public QObject {
    Q_OBJECT
private slots:
    void valeurs_data();
    void valeurs();
    void debordementDonneUnInfini();
};

void TstStrToReal::valeurs_data()
{
    QTest::addColumn<QByteArray>("texte");
    QTest::addColumn<double>("attendu");
    // The texts the program feeds it must give the nearest double exactly.
    QTest::newRow("0.97") << QByteArray("0.97") << 0.97;
    QTest::newRow("0.95") << QByteArray("0.95") << 0.95;
    QTest::newRow("0.92") << QByteArray("0.92") << 0.92;
    QTest::newRow("0.82") << QByteArray("0.82") << 0.82;
    QTest::newRow("0.66") << QByteArray("0.66") << 0.66;
    QTest::newRow("0.8") << QByteArray("0.8") << 0.8;
    QTest::newRow("0.6") << QByteArray("0.6") << 0.6;
    QTest::newRow("0.3") << QByteArray("0.3") << 0.3;
    QTest::newRow("one digit") << QByteArray("7") << 7.0;
    QTest::newRow("threshold written back") << QByteArray("1.2") << 1.2;
    QTest::newRow("negative") << QByteArray("-0.4") << -0.4;
    QTest::newRow("leading blanks") << QByteArray("  0.5") << 0.5;
    QTest::newRow("comma separator") << QByteArray("0,92") << 0.92;
    QTest::newRow("exponent") << QByteArray("9.2e-1") << 0.92;
    QTest::newRow("trailing text ignored") << QByteArray("0.8 ohm") << 0.8;
    QTest::newRow("bare point") << QByteArray(".5") << 0.5;
    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("letters") << QByteArray("abc") << 0.0;
    QTest::newRow("lone sign") << QByteArray("-") << 0.0;
    QTest::newRow("no nan") << QByteArray("nan") << 0.0;
    QTest::newRow("no inf") << QByteArray("inf") << 0.0;
    QTest::newRow("dangling exponent") << QByteArray("2e") << 2.0;
}

void TstStrToReal::valeurs()
{
    QFETCH(QByteArray, texte);
    QFETCH(double, attendu);
    QCOMPARE(static_cast<double>(StrToReal(texte.constData())), attendu);
    // A French or German desktop must not change what a point means.
    for (const char *nom : {"fr_FR.UTF-8", "de_DE.UTF-8"}) {
        const LocaleVirgule virgule(nom);
        QVERIFY2(virgule.active(), nom);
        QCOMPARE(static_cast<double>(StrToReal(texte.constData())), attendu);
    }
}

void TstStrToReal::debordementDonneUnInfini()
{
    QCOMPARE(static_cast<double>(StrToReal(nullptr)), 0.0);
    QVERIFY(std::isinf(StrToReal("1e999")));
    QVERIFY(StrToReal("-1e999") < 0);
    QVERIFY(std::isinf(StrToReal("1000000000000000000000000000000000000000000000000000000000000"
                                 "0000000000000000000000000000000000000000000000000000000000000"
                                 "0000000000000000000000000000000000000000000000000000000000000"
                                 "0000000000000000000000000000000000000000000000000000000000000"
                                 "0000000000000000000000000000000000000000000000000000000000000"
                                 "0000000000000000000000000000000000000000000000000000000000000")));
    // Too small for a double is zero, with its sign; never an infinity.
    QCOMPARE(static_cast<double>(StrToReal("1e-999")), 0.0);
    QCOMPARE(static_cast<double>(StrToReal("0.5e309")), HUGE_VAL);
    QVERIFY(std::signbit(static_cast<double>(StrToReal("-1e-999"))));
}

QTEST_APPLESS_MAIN(TstStrToReal)
#include "tst_strtoreal.moc"
