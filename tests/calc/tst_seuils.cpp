#include "LocaleVirgule.h"
#include "calc/Seuils.h"

#include <QTest>

using Seuils::Genre;

class TstSeuils : public QObject {
    Q_OBJECT
private slots:
    void formate_data();
    void formate();
    void corrige_data();
    void corrige();
};

void TstSeuils::formate_data()
{
    QTest::addColumn<double>("valeur");
    QTest::addColumn<QString>("texte");
    QTest::newRow("0.8") << 0.8 << "0.8";
    QTest::newRow("0.0") << 0.0 << "0.0";
    QTest::newRow("1.2") << 1.2 << "1.2";
    QTest::newRow("-0.4") << -0.4 << "-0.4";
    QTest::newRow("0.25 rounds up") << 0.25 << "0.3";
    QTest::newRow("0.85 lies below") << 0.85 << "0.8";
    QTest::newRow("0.96 carries") << 0.96 << "1.0";
    QTest::newRow("9.96 carries into tens") << 9.96 << "10.0";
    QTest::newRow("-0.04 is no negative zero") << -0.04 << "0.0";
    QTest::newRow("12.25 from ten up") << 12.25 << "12.3";
    QTest::newRow("12.35 lies below") << 12.35 << "12.3";
    QTest::newRow("huge") << 1e20 << "100000000000000000000.0";
}

void TstSeuils::formate()
{
    QFETCH(double, valeur);
    QFETCH(QString, texte);
    QCOMPARE(Seuils::formate(valeur), texte);
    // The box must read a point on a French desktop too.
    const LocaleVirgule virgule;
    QVERIFY(virgule.active());
    QCOMPARE(Seuils::formate(valeur), texte);
}

void TstSeuils::corrige_data()
{
    QTest::addColumn<int>("genre");
    QTest::addColumn<double>("valeur");
    QTest::addColumn<double>("seuilBas");
    QTest::addColumn<double>("attendu");
    const int bas = int(Genre::Bas), moyen = int(Genre::Moyen), haut = int(Genre::Haut);
    QTest::newRow("low 5 tenths raised") << bas << 5.0 << 0.8 << 0.8;
    QTest::newRow("low 9 tenths kept") << bas << 9.0 << 0.8 << 0.9;
    QTest::newRow("low 0.8 kept") << bas << 0.8 << 0.8 << 0.8;
    QTest::newRow("low 12 once divided") << bas << 12.0 << 0.8 << 1.2;
    QTest::newRow("medium 7 tenths") << moyen << 7.0 << 0.8 << 0.7;
    QTest::newRow("medium above low") << moyen << 9.0 << 0.8 << 0.6;
    QTest::newRow("medium equal to low stays") << moyen << 0.8 << 0.8 << 0.8;
    QTest::newRow("medium 0.6 unchanged") << moyen << 0.6 << 0.8 << 0.6;
    QTest::newRow("medium below 0.6") << moyen << 0.5 << 0.8 << 0.6;
    QTest::newRow("high 6 tenths") << haut << 6.0 << 0.8 << 0.3;
    QTest::newRow("high 0.5 stays") << haut << 5.0 << 0.8 << 0.5;
    QTest::newRow("high 0") << haut << 0.0 << 0.8 << 0.0;
    QTest::newRow("high negative stays") << haut << -0.4 << 0.8 << -0.4;
}

void TstSeuils::corrige()
{
    QFETCH(int, genre);
    QFETCH(double, valeur);
    QFETCH(double, seuilBas);
    QFETCH(double, attendu);
    QCOMPARE(Seuils::corrige(Genre(genre), valeur, seuilBas), attendu);
}

QTEST_APPLESS_MAIN(TstSeuils)
#include "tst_seuils.moc"
