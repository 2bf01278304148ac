#include "nec/Modele.h"
#include "nec/Verification.h"
#include "regles/Erreurs.h"

#include <QTest>

namespace {

// The cards of a deck, by their two-letter name, each split in fields.
QList<QStringList> cartes(const QByteArray &deck, const QString &nom)
{
    QList<QStringList> r;
    for (const QString &ligne : QString::fromLatin1(deck).split(u'\n'))
        if (ligne.startsWith(nom + u' ') || ligne == nom)
            r << ligne.split(u' ', Qt::SkipEmptyParts);
    return r;
}

} // namespace

class TstModele : public QObject {
    Q_OBJECT
private slots:
    void segmentation_data();
    void segmentation();
    void tropDeSegments_data();
    void tropDeSegments();
    void sols_data();
    void sols();
    void fil();
    void uneExecutionPourToutesLesBandes();
};

void TstModele::segmentation_data()
{
    QTest::addColumn<double>("longueurM");
    QTest::addColumn<double>("frequenceMHz");
    QTest::addColumn<int>("segments");
    // 28.5 MHz: lambda / 20 = 0.52594 m.
    QTest::newRow("short antenna: the minimum") << 2.0 << 28.5 << 21;
    QTest::newRow("default antenna, 10 m band") << 41.24 << 28.5 << 79;
    QTest::newRow("default antenna, 80 m only") << 41.24 << 3.65 << 21;
    QTest::newRow("default antenna, 20 m band") << 41.24 << 14.1 << 39;
    QTest::newRow("even count goes up to odd") << 0.52594 * 30.5 << 28.5 << 31;
    QTest::newRow("exactly 22 steps is 22, then 23") << 22 * 299.792458 / 28.5 / 20 << 28.5 << 23;
    QTest::newRow("long antenna, 10 m band") << 400.0 << 28.5 << 761;
    QTest::newRow("just below the limit") << 2000 * 299.792458 / 28.5 / 20 << 28.5 << 2001;
}

void TstModele::segmentation()
{
    QFETCH(double, longueurM);
    QFETCH(double, frequenceMHz);
    QFETCH(int, segments);
    const Nec::Segmentation s = Nec::segmentation(longueurM, frequenceMHz);
    QCOMPARE(s.segments, segments);
    // The feed is the centre segment: as many on each side.
    QCOMPARE(s.alimentation - 1, s.segments - s.alimentation);
    QCOMPARE_LE(longueurM / s.segments, 299.792458 / frequenceMHz / 20 * (1 + 1e-9));
}

void TstModele::tropDeSegments_data()
{
    QTest::addColumn<double>("longueurM");
    QTest::addColumn<double>("frequenceMHz");
    QTest::addColumn<QString>("nombre");
    QTest::newRow("one step past the limit") << 2001.5 * 299.792458 / 28.5 / 20 << 28.5 << "2003";
    QTest::newRow("1.2 km at 28.5 MHz") << 1200.0 << 28.5 << "2283";
    QTest::newRow("1 km at 50 MHz") << 1000.0 << 50.0 << "3337";
}

void TstModele::tropDeSegments()
{
    QFETCH(double, longueurM);
    QFETCH(double, frequenceMHz);
    QFETCH(QString, nombre);
    try {
        const auto s = Nec::segmentation(longueurM, frequenceMHz);
        QVERIFY2(false, qPrintable(QString::number(s.segments)));
    } catch (const KesuErreur &e) {
        QCOMPARE(e.texte(), Textes::NecTropDeSegments.arg(nombre));
    }
}

void TstModele::sols_data()
{
    QTest::addColumn<Nec::Sol>("sol");
    QTest::addColumn<QString>("ge");
    QTest::addColumn<QStringList>("gn");
    QTest::newRow("libre") << Nec::Sol::Libre << "0" << QStringList();
    QTest::newRow("pauvre") << Nec::Sol::Pauvre << "1"
                            << QStringList{"GN", "2", "0", "0", "0", "5", "0.001"};
    QTest::newRow("moyen") << Nec::Sol::Moyen << "1"
                           << QStringList{"GN", "2", "0", "0", "0", "13", "0.005"};
    QTest::newRow("bon") << Nec::Sol::Bon << "1"
                         << QStringList{"GN", "2", "0", "0", "0", "20", "0.03"};
    QTest::newRow("mer") << Nec::Sol::Mer << "1"
                         << QStringList{"GN", "2", "0", "0", "0", "80", "5"};
}

// Over a ground: GE 1 and a Sommerfeld-Norton GN 2 card; free space: neither.
void TstModele::sols()
{
    QFETCH(Nec::Sol, sol);
    QFETCH(QString, ge);
    QFETCH(QStringList, gn);
    Nec::Antenne a;
    a.sol = sol;
    const QByteArray d = Nec::deck(a, {3.65});
    QCOMPARE(cartes(d, "GE"), QList<QStringList>{(QStringList{"GE", ge})});
    const auto g = cartes(d, "GN");
    QCOMPARE(g.size(), gn.isEmpty() ? 0 : 1);
    if (!gn.isEmpty())
        QCOMPARE(g.first(), gn);
    // In free space the wire's height means nothing.
    const QStringList fil = cartes(d, "GW").first();
    QCOMPARE(fil[5], sol == Nec::Sol::Libre ? QString("0") : QString("10"));
}

void TstModele::fil()
{
    Nec::Antenne a;
    a.brancheCm = 2062;
    a.diametreMm = 2.5;
    a.hauteurM = 12.5;
    const QByteArray d = Nec::deck(a, {3.65, 28.5, 7.05});
    const auto gw = cartes(d, "GW");
    QCOMPARE(gw.size(), 1);
    QCOMPARE(gw.first(), (QStringList{"GW", "1", "79", "-20.62", "0", "12.5", "20.62", "0", "12.5",
                                      "0.00125"}));
    const auto ex = cartes(d, "EX");
    QCOMPARE(ex.size(), 1);
    QCOMPARE(ex.first().mid(0, 4), (QStringList{"EX", "0", "1", "40"}));
    QVERIFY(d.endsWith("EN\n"));
}

// Every band in one run, in the given order; the deck depends on the bands'
// frequencies only, not on their names.
void TstModele::uneExecutionPourToutesLesBandes()
{
    Nec::Entrees e;
    e.bandes = {{1, 80, 3650}, {4, 20, 14100}, {8, 10, 28500}};
    const QByteArray d = Nec::deck(e);
    const auto fr = cartes(d, "FR");
    QCOMPARE(fr.size(), 3);
    QCOMPARE(fr[0][5], "3.65");
    QCOMPARE(fr[1][5], "14.1");
    QCOMPARE(fr[2][5], "28.5");
    QCOMPARE(cartes(d, "XQ").size(), 3);
}

QTEST_APPLESS_MAIN(TstModele)
#include "tst_modele.moc"
