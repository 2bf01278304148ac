#include "Stockes.h"
#include "nec/LectureSortie.h"
#include "nec/Modele.h"
#include "nec/Verification.h"
#include "regles/Defauts.h"
#include "regles/Erreurs.h"
#include "regles/TextesNec.h"

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
    void decoupe();
    void refusees_data();
    void refusees();
    void sols_data();
    void sols();
    void fil();
    void geometrieSansLesCoches();
    void convergence();
    void uneExecutionPourToutesLesBandes();
};

// Whatever its length, an arm keeps it, no segment passes the longest allowed
// and each grows from the one before by the ratio at most.
void TstModele::decoupe()
{
    for (double longueur : {0.01, 2.0, 9.8, 20.62, 493.0}) {
        const Nec::Bras b = Nec::decoupeBras(longueur, 0.02625, 1.05, 0.52594);
        QCOMPARE_LE(std::abs(b.longueurEffileeM + b.longueurReguliereM - longueur), 1e-9);
        const double dernier = b.premierM * std::pow(1.05, b.segmentsEffiles - 1);
        QCOMPARE_LE(dernier, 0.52594);
        if (b.segmentsReguliers > 0)
            QCOMPARE(b.longueurReguliereM / b.segmentsReguliers / dernier, 1.05);
    }
}

void TstModele::refusees_data()
{
    using Nec::Antenne;
    const auto V = Nec::Forme::VInversee;
    QTest::addColumn<Antenne>("antenne");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::newRow("default") << Antenne{} << QString();
    QTest::newRow("5 m thick wire")
        << Antenne{.diametreMm = 5000} << Textes::NecFilEpais().arg("10.52", "335");
    QTest::newRow("10 mm wire across a 25 mm feed")
        << Antenne{.diametreMm = 10} << Textes::NecSegmentCourt().arg("25", "8", "5");
    QTest::newRow("6.25 mm wire: 8 radii") << Antenne{.diametreMm = 6.25} << QString();
    QTest::newRow("no spacing") << Antenne{.ecartementMm = 0}
                                << Textes::NecEcartement().arg("526", "20");
    QTest::newRow("1 km branch") << Antenne{.brancheCm = 100000}
                                 << Textes::NecTropDeSegments().arg("3971").arg(
                                        Defauts::SegmentsMax);
    QTest::newRow("height 0") << Antenne{.hauteurM = 0} << Textes::NecHauteur();
    QTest::newRow("5 mm above the ground")
        << Antenne{.hauteurM = 0.005} << Textes::NecSolProche().arg("0.005", "10", "10");
    QTest::newRow("height 0 in free space")
        << Antenne{.hauteurM = 0, .sol = Nec::Sol::Libre} << QString();
    QTest::newRow("inverted V at 10 m: ends underground")
        << Antenne{.forme = V} << Textes::NecExtremitesVAngle().arg("-0.31", "10.4", "123");
    QTest::newRow("inverted V at 10.4 m") << Antenne{.hauteurM = 10.4, .forme = V} << QString();
    QTest::newRow("inverted V at 10 m, 123 degrees")
        << Antenne{.forme = V, .angleDeg = 123} << QString();
    QTest::newRow("inverted V 5 mm high: no angle will do")
        << Antenne{.hauteurM = 0.005, .forme = V} << Textes::NecExtremitesV().arg("-10.31", "10.4");
    QTest::newRow("inverted V at 14 m") << Antenne{.hauteurM = 14, .forme = V} << QString();
    QTest::newRow("inverted V, arms together")
        << Antenne{.forme = V, .angleDeg = 0} << Textes::NecAngle().arg("0", "180");
}

// What NEC-2's thin-wire model does not hold for is refused, naming the limit.
void TstModele::refusees()
{
    QFETCH(Nec::Antenne, antenne);
    QFETCH(QString, message);
    try {
        Nec::deck(antenne, 28.5, {3.65});
        QVERIFY2(message.isEmpty(), qPrintable(message));
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
// and a branch beyond each of its ends; the arms slope down in an inverted V.
void TstModele::fil()
{
    Nec::Antenne a{.diametreMm = 2.5, .hauteurM = 12.5, .ecartementMm = 50};
    auto gw = cartes(Nec::deck(a, 28.5, {3.65}), "GW");
    QCOMPARE(gw[0],
             (QStringList{"GW", "1", "1", "-0.025", "0", "12.5", "0.025", "0", "12.5", "0.00125"}));
    QCOMPARE(gw[4].mid(6, 3), (QStringList{"-20.645", "0", "12.5"}));
    a.forme = Nec::Forme::VInversee;
    a.hauteurM = 14;
    gw = cartes(Nec::deck(a, 28.5, {3.65}), "GW");
    QCOMPARE_LE(std::abs(gw[2][6].toDouble() - (0.025 + 20.62 * std::sqrt(3) / 2)), 1e-12);
    QCOMPARE_LE(std::abs(gw[2][8].toDouble() - 3.69), 1e-12);
    // The default antenna's decks, as nec2c was given them for the stored outputs.
    QCOMPARE(Nec::deck(Nec::Antenne{}, 28.5, Table), stocke("defaut.nec"));
    QCOMPARE(Nec::deck(Nec::Antenne{}, 28.5, Table, {std::sqrt(1.05), 40}),
             stocke("defaut_fin.nec"));
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
    QCOMPARE(z.value().size(), Table.size());
    for (std::size_t i = 0; i < Table.size(); ++i)
        QCOMPARE_LE(std::abs(std::abs(fin.value()[i].z) / std::abs((*z)[i].z) - 1), 0.01);
}

// Every band in one run, in the given order; the deck depends on the bands'
// frequencies only, not on their names.
void TstModele::uneExecutionPourToutesLesBandes()
{
    Nec::Entrees e;
    e.bandes = {{1, 80, 3650}, {4, 20, 14100}, {8, 10, 28500}};
    const QByteArray d = Nec::deck(e);
    const auto fr = cartes(d, "FR");
    // The bands' own frequencies first, then their sweeps.
    QCOMPARE(fr.size(), Nec::nombreFrequences(e));
    QCOMPARE(fr[0][5], "3.65");
    QCOMPARE(fr[1][5], "14.1");
    QCOMPARE(fr[2][5], "28.5");
    QCOMPARE(cartes(d, "XQ").size(), fr.size());
}

QTEST_APPLESS_MAIN(TstModele)
#include "tst_modele.moc"
