#include "nec/Regle.h"

#include <QTest>

using Nec::Classe;

class TstRegle : public QObject {
    Q_OBJECT
private slots:
    void graphe_data();
    void graphe();
    void positionElectrique_data();
    void positionElectrique();
    void accordable_data();
    void accordable();
};

void TstRegle::graphe_data()
{
    // 7500 kHz is 1/4000 cycle per cm: a node every 2000 cm, a crest 1000 cm
    // past it, where |sin| is exactly 1; at 1/12 turn (333.33.. cm) it is 1/2.
    QTest::addColumn<int>("position");
    QTest::addColumn<Classe>("classe");
    QTest::addColumn<double>("seuil");
    QTest::addColumn<bool>("marque");
    QTest::newRow("moyenne, node") << 0 << Classe::Moyenne << 0.6 << true;
    QTest::newRow("moyenne, crest") << 1000 << Classe::Moyenne << 0.6 << false;
    QTest::newRow("moyenne, node, threshold 0: equality") << 0 << Classe::Moyenne << 0.0 << false;
    QTest::newRow("basse, near node") << 3990 << Classe::Basse << 0.8 << true;
    QTest::newRow("basse, crest: equality") << 1000 << Classe::Basse << 1.0 << false;
    QTest::newRow("basse, crest, above") << 1000 << Classe::Basse << 1.01 << true;
    QTest::newRow("haute, crest") << 3000 << Classe::Haute << 0.3 << true;
    QTest::newRow("haute, crest: equality") << 1000 << Classe::Haute << 1.0 << false;
    QTest::newRow("haute, node") << 4000 << Classe::Haute << 0.3 << false;
    QTest::newRow("haute, 1/12 turn") << 333 << Classe::Haute << 0.3 << true;
    QTest::newRow("haute, 1/12 turn, above") << 333 << Classe::Haute << 0.5 << false;
}

void TstRegle::graphe()
{
    QFETCH(int, position);
    QFETCH(Classe, classe);
    QFETCH(double, seuil);
    QFETCH(bool, marque);
    // Only the class's own threshold counts: the others are set to values
    // that would give the opposite verdict.
    Nec::SeuilsGraphe s{marque ? 0.0 : 2.0, marque ? 0.0 : 2.0, marque ? 2.0 : -1.0};
    if (classe == Classe::Haute)
        s = {marque ? 2.0 : 0.0, marque ? 2.0 : 0.0, seuil};
    else if (classe == Classe::Moyenne)
        s.moyen = seuil;
    else
        s.bas = seuil;
    QCOMPARE(Nec::grapheMarque(7500, position, classe, s), marque);
}

void TstRegle::positionElectrique_data()
{
    QTest::addColumn<int>("longElecDip");
    QTest::addColumn<int>("echelle");
    QTest::addColumn<double>("coef");
    QTest::addColumn<int>("position");
    QTest::newRow("default ladder") << 2126 << 3000 << 0.92 << 2126 + 3261;
    QTest::newRow("B itself") << 2126 << 0 << 0.92 << 2126;
    QTest::newRow("rounds down") << 100 << 3 << 0.92 << 103;
    QTest::newRow("rounds up") << 100 << 7 << 0.92 << 108;
    QTest::newRow("the branch from A") << 0 << 2062 << 0.97 << 2126;
}

void TstRegle::positionElectrique()
{
    QFETCH(int, longElecDip);
    QFETCH(int, echelle);
    QFETCH(double, coef);
    QFETCH(int, position);
    QCOMPARE(Nec::positionElectrique(longElecDip, echelle, coef), position);
}

void TstRegle::accordable_data()
{
    QTest::addColumn<double>("module");
    QTest::addColumn<Classe>("classe");
    QTest::addColumn<bool>("resultat");
    QTest::newRow("basse, at the limit") << 150.0 << Classe::Basse << true;
    QTest::newRow("basse, above") << 150.01 << Classe::Basse << false;
    QTest::newRow("moyenne, at the limit") << 500.0 << Classe::Moyenne << true;
    QTest::newRow("moyenne, above") << 500.5 << Classe::Moyenne << false;
    QTest::newRow("moyenne, low") << 12.0 << Classe::Moyenne << true;
    QTest::newRow("haute, at the limit") << 1000.0 << Classe::Haute << true;
    QTest::newRow("haute, below") << 999.9 << Classe::Haute << false;
    QTest::newRow("haute, low") << 50.0 << Classe::Haute << false;
}

void TstRegle::accordable()
{
    QFETCH(double, module);
    QFETCH(Classe, classe);
    QFETCH(bool, resultat);
    QCOMPARE(Nec::accordable(module, classe, Nec::LimitesAccord{}), resultat);
}

QTEST_APPLESS_MAIN(TstRegle)
#include "tst_regle.moc"
