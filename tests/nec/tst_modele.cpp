#include "nec/LectureSortie.h"
#include "nec/Modele.h"
#include "nec/Verification.h"
#include "regles/Erreurs.h"

#include <QFile>
#include <QTest>
#include <cmath>

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

// The deck of the default antenna over average ground, all bands of the
// default table: stored beside the output nec2c gave for it.
QByteArray stocke(const QString &nom)
{
    QFile f(QStringLiteral(KESU_SORTIES_NEC "/") + nom);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing stored file %s", qPrintable(nom));
    return f.readAll();
}

const std::vector<double> Table{3.65, 7.05, 10.12, 14.1, 18.1, 21.2, 24.94, 28.5};

// The geometry cards of a deck, frequencies left out.
QByteArray geometrie(const QByteArray &deck)
{
    return deck.left(deck.indexOf("FR "));
}

} // namespace

class TstModele : public QObject {
    Q_OBJECT
private slots:
    void decoupe_data();
    void decoupe();
    void refusees_data();
    void refusees();
    void sols_data();
    void sols();
    void fil();
    void vInverse();
    void geometrieSansLesCoches();
    void convergence();
    void uneExecutionPourToutesLesBandes();
};

void TstModele::decoupe_data()
{
    QTest::addColumn<double>("longueurM");
    QTest::addColumn<double>("raison");
    QTest::addColumn<double>("pasMaxM");
    QTest::addColumn<int>("effiles");
    QTest::addColumn<int>("reguliers");
    // A 25 mm feed; 28.5 MHz: lambda / 20 = 0.52594 m.
    QTest::newRow("default branch") << 20.62 << 1.05 << 0.52594 << 61 << 22;
    QTest::newRow("twice as dense") << 20.62 << std::sqrt(1.05) << 0.26297 << 95 << 43;
    QTest::newRow("just past the taper") << 9.8 << 1.05 << 0.52594 << 61 << 1;
    QTest::newRow("short branch, tapered only") << 2.0 << 1.05 << 0.52594 << 32 << 0;
    QTest::newRow("1 cm branch") << 0.01 << 1.05 << 0.52594 << 1 << 0;
    QTest::newRow("80 m band only: long taper") << 20.62 << 1.05 << 4.1066 << 76 << 0;
}

// Segments grow from the feed by at most the ratio, never beyond the longest
// allowed, and the arm keeps its length.
void TstModele::decoupe()
{
    QFETCH(double, longueurM);
    QFETCH(double, raison);
    QFETCH(double, pasMaxM);
    QFETCH(int, effiles);
    QFETCH(int, reguliers);
    const double premier = 0.025 * raison;
    const Nec::Bras b = Nec::decoupeBras(longueurM, premier, raison, pasMaxM);
    QCOMPARE(b.segmentsEffiles, effiles);
    QCOMPARE(b.segmentsReguliers, reguliers);
    QCOMPARE_LE(std::abs(b.longueurEffileeM + b.longueurReguliereM - longueurM), 1e-12);
    QCOMPARE_LE(b.premierM, premier * std::sqrt(raison));
    const double dernier = b.premierM * std::pow(raison, b.segmentsEffiles - 1);
    QCOMPARE_LE(dernier, pasMaxM);
    if (reguliers > 0) {
        const double pas = b.longueurReguliereM / reguliers;
        QCOMPARE_LE(pas, pasMaxM * (1 + 1e-12));
        QCOMPARE(pas / dernier, raison);
    }
}

void TstModele::refusees_data()
{
    QTest::addColumn<Nec::Antenne>("antenne");
    QTest::addColumn<QString>("message"); // empty: accepted
    const Nec::Antenne d;
    const auto avec = [&](auto change) {
        Nec::Antenne a = d;
        change(a);
        return a;
    };
    QTest::newRow("default") << d << QString();
    QTest::newRow("5 m thick wire")
        << avec([](auto &a) { a.diametreMm = 5000; }) << Textes::NecFilEpais.arg("10.52", "335");
    QTest::newRow("10 mm wire across a 25 mm feed")
        << avec([](auto &a) { a.diametreMm = 10; }) << Textes::NecSegmentCourt.arg("25", "8", "5");
    QTest::newRow("6.25 mm wire: just 8 radii")
        << avec([](auto &a) { a.diametreMm = 6.25; }) << QString();
    QTest::newRow("1 cm branch of 3 mm wire") << avec([](auto &a) {
        a.brancheCm = 1;
        a.diametreMm = 3;
    }) << Textes::NecSegmentCourt.arg("10", "8", "1.5");
    QTest::newRow("no spacing") << avec([](auto &a) { a.ecartementMm = 0; })
                                << Textes::NecEcartement.arg("526", "20");
    QTest::newRow("spacing beyond lambda / 20")
        << avec([](auto &a) { a.ecartementMm = 600; }) << Textes::NecEcartement.arg("526", "20");
    QTest::newRow("1 km branch") << avec([](auto &a) { a.brancheCm = 100000; })
                                 << Textes::NecTropDeSegments.arg("3971");
    QTest::newRow("height 0") << avec([](auto &a) { a.hauteurM = 0; }) << Textes::NecHauteur;
    QTest::newRow("5 mm above the ground") << avec([](auto &a) { a.hauteurM = 0.005; })
                                           << Textes::NecSolProche.arg("0.005", "10", "10");
    QTest::newRow("height 0 in free space") << avec([](auto &a) {
        a.hauteurM = 0;
        a.sol = Nec::Sol::Libre;
    }) << QString();
    QTest::newRow("inverted V at 10 m: ends underground")
        << avec([](auto &a) { a.forme = Nec::Forme::VInversee; })
        << Textes::NecExtremitesV.arg("-0.31");
    QTest::newRow("inverted V ends 5 mm up") << avec([](auto &a) {
        a.forme = Nec::Forme::VInversee;
        a.hauteurM = 10.315;
    }) << Textes::NecSolProche.arg("0.005", "10", "10");
    QTest::newRow("inverted V at 14 m") << avec([](auto &a) {
        a.forme = Nec::Forme::VInversee;
        a.hauteurM = 14;
    }) << QString();
    QTest::newRow("inverted V, arms together") << avec([](auto &a) {
        a.forme = Nec::Forme::VInversee;
        a.angleDeg = 0;
    }) << Textes::NecAngle.arg("0", "180");
    QTest::newRow("inverted V, arms above the feed") << avec([](auto &a) {
        a.forme = Nec::Forme::VInversee;
        a.angleDeg = 200;
    }) << Textes::NecAngle.arg("0", "180");
}

// What NEC-2's thin-wire model does not hold for is refused, naming the limit.
void TstModele::refusees()
{
    QFETCH(Nec::Antenne, antenne);
    QFETCH(QString, message);
    try {
        const QByteArray d = Nec::deck(antenne, 28.5, {3.65});
        QVERIFY2(message.isEmpty(), qPrintable(message));
        QVERIFY(d.endsWith("EN\n"));
    } catch (const KesuErreur &e) {
        QCOMPARE(e.texte(), message);
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
    const QByteArray d = Nec::deck(a, 3.65, {3.65});
    QCOMPARE(cartes(d, "GE"), QList<QStringList>{(QStringList{"GE", ge})});
    const auto g = cartes(d, "GN");
    QCOMPARE(g.size(), gn.isEmpty() ? 0 : 1);
    if (!gn.isEmpty())
        QCOMPARE(g.first(), gn);
    // In free space the wire's height means nothing.
    const QStringList fil = cartes(d, "GW").first();
    QCOMPARE(fil[5], sol == Nec::Sol::Libre ? QString("0") : QString("10"));
}

// The feed as it is built: a segment as long as the ladder's spacing, fed,
// and each branch tapering out from its ends.
void TstModele::fil()
{
    Nec::Antenne a;
    a.diametreMm = 2.5;
    a.hauteurM = 12.5;
    a.ecartementMm = 50;
    const QByteArray d = Nec::deck(a, 28.5, {3.65, 28.5, 7.05});
    const auto gw = cartes(d, "GW");
    QCOMPARE(gw.size(), 5);
    QCOMPARE(gw[0],
             (QStringList{"GW", "1", "1", "-0.025", "0", "12.5", "0.025", "0", "12.5", "0.00125"}));
    // Tag 2 goes right, tag 3 left, each to 20.62 m beyond its conductor.
    QCOMPARE(gw[1].mid(0, 4), (QStringList{"GW", "2", gw[1][2], "0.025"}));
    QCOMPARE(gw[1][9], "0");
    QCOMPARE(gw[2].mid(6), (QStringList{"20.645", "0", "12.5", "0.00125"}));
    QCOMPARE(gw[4].mid(6), (QStringList{"-20.645", "0", "12.5", "0.00125"}));
    QCOMPARE(cartes(d, "GC"),
             QList<QStringList>(2, {"GC", "0", "0", "1.05", "0.00125", "0.00125"}));
    QCOMPARE(cartes(d, "EX"),
             QList<QStringList>{(QStringList{"EX", "0", "1", "1", "0", "1", "0"})});
    QVERIFY(d.endsWith("EN\n"));
    // The default antenna's deck, as nec2c was given it for the stored output.
    QCOMPARE(Nec::deck(Nec::Antenne{}, 28.5, Table), stocke("defaut.nec"));
    QCOMPARE(Nec::deck(Nec::Antenne{}, 28.5, Table, {std::sqrt(1.05), 40}),
             stocke("defaut_fin.nec"));
}

// The arms slope down from the apex, half the angle off the vertical.
void TstModele::vInverse()
{
    Nec::Antenne a;
    a.forme = Nec::Forme::VInversee;
    a.hauteurM = 14;
    const auto gw = cartes(Nec::deck(a, 28.5, {3.65}), "GW");
    QCOMPARE(gw[0].mid(3, 6), (QStringList{"-0.0125", "0", "14", "0.0125", "0", "14"}));
    // The arm's two wires meet, and its end is 20.62 m down the slope.
    QCOMPARE(gw[2].mid(3, 3), gw[1].mid(6, 3));
    QCOMPARE_LE(std::abs(gw[2][6].toDouble() - (0.0125 + 20.62 * std::sqrt(3) / 2)), 1e-12);
    QCOMPARE_LE(std::abs(gw[2][8].toDouble() - 3.69), 1e-12);
    QCOMPARE_LE(std::abs(gw[4][6].toDouble() + gw[2][6].toDouble()), 0.0);
    QCOMPARE(gw[4][8], gw[2][8]);
}

// The geometry follows the band table's highest frequency, not the bands
// ticked: a band alone gets the deck it gets among all the others.
void TstModele::geometrieSansLesCoches()
{
    Nec::Entrees tout;
    for (int k = 0; k < 8; ++k)
        tout.bandes.push_back({k + 1, 0, static_cast<std::int32_t>(std::lround(Table[k] * 1000))});
    Nec::Entrees seul = tout;
    seul.bandes = {tout.bandes[1]};
    seul.frequenceMaxTableKHz = 28500;
    QCOMPARE(geometrie(Nec::deck(seul)), geometrie(Nec::deck(tout)));
    QCOMPARE(Nec::frequencesDemandees(Nec::deck(seul)), std::vector<double>{7.05});
    QCOMPARE(Nec::frequencesDemandees(Nec::deck(tout)), Table);
}

// The stored runs of the default deck and of the same antenna cut twice as
// finely: |Z| at B moves by under 1 % on every band.
void TstModele::convergence()
{
    const QByteArray a = stocke("defaut.out");
    const QByteArray b = stocke("defaut_fin.out");
    const auto z = Nec::litSortie(std::string_view(a.constData(), a.size()));
    const auto fin = Nec::litSortie(std::string_view(b.constData(), b.size()));
    QVERIFY(z && fin);
    QCOMPARE(z->size(), Table.size());
    QCOMPARE(fin->size(), Table.size());
    for (std::size_t i = 0; i < Table.size(); ++i) {
        QCOMPARE((*z)[i].frequenceMHz, Table[i]);
        QCOMPARE_LE(std::abs(std::abs((*fin)[i].z) / std::abs((*z)[i].z) - 1), 0.01);
    }
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
