#include "nec/LectureSortie.h"

#include <QFile>
#include <QTest>

namespace {

QByteArray sortie(const QString &nom)
{
    QFile f(QStringLiteral(KESU_SORTIES_NEC "/") + nom);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing stored output %s", qPrintable(nom));
    return f.readAll();
}

std::string_view vue(const QByteArray &b)
{
    return {b.constData(), std::size_t(b.size())};
}

} // namespace

using Attendues = QList<QList<double>>; // frequency, R, X[, the wire's loss in %]

class TstLectureSortie : public QObject {
    Q_OBJECT
private slots:
    void lisible_data();
    void lisible();
    void illisible_data();
    void illisible();
    void progression();
    void raison_data();
    void raison();
    void diagramme();
};

// Outputs of our own nec2c runs on the decks stored beside them.
void TstLectureSortie::lisible_data()
{
    QTest::addColumn<QByteArray>("texte");
    QTest::addColumn<Attendues>("attendues");
    QTest::newRow("average ground, two frequencies")
        << sortie("sol_moyen.out") << Attendues{{14.1, 65.163, -55.437}, {28.5, 3629.5, 1068.6}};
    QTest::newRow("free space") << sortie("libre.out") << Attendues{{14.1, 65.7, -45.547}};
    // Windows line ends, as a copied file may have.
    QTest::newRow("CR LF") << sortie("libre.out").replace("\n", "\r\n")
                           << Attendues{{14.1, 65.7, -45.547}};
    // The wire's loss from the power budget that follows the impedance.
    QTest::newRow("lossless wire") << sortie("libre.out") << Attendues{{14.1, 65.7, -45.547, 0}};
    QTest::newRow("lossy wire")
        << sortie("libre.out").replace("STRUCTURE LOSS=  0.0000E+00", "STRUCTURE LOSS=  1.2850E-04")
        << Attendues{{14.1, 65.7, -45.547, 2.5}};
}

void TstLectureSortie::lisible()
{
    QFETCH(QByteArray, texte);
    QFETCH(Attendues, attendues);
    const auto z = Nec::litSortie(vue(texte));
    QVERIFY(z);
    QCOMPARE(z->size(), std::size_t(attendues.size()));
    for (qsizetype i = 0; i < attendues.size(); ++i) {
        QCOMPARE((*z)[i].frequenceMHz, attendues[i][0]);
        QCOMPARE((*z)[i].z.real(), attendues[i][1]);
        QCOMPARE((*z)[i].z.imag(), attendues[i][2]);
        if (attendues[i].size() > 3)
            QCOMPARE((*z)[i].perteFilPct, attendues[i][3]);
    }
}

void TstLectureSortie::illisible_data()
{
    QTest::addColumn<QByteArray>("texte");
    const QByteArray complete = sortie("sol_moyen.out");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not nec2c's") << QByteArray("Segmentation fault\n");
    QTest::newRow("cut in the impedance row") << sortie("sol_moyen_coupee_ligne.out");
    QTest::newRow("cut after a frequency") << sortie("sol_moyen_coupee_frequence.out");
    QTest::newRow("a frequency twice before its impedance")
        << QByteArray(complete).replace("FREQUENCY :", "FREQUENCY : 14.1 MHz\n FREQUENCY :");
    QTest::newRow("cut after the block's title")
        << complete.left(complete.lastIndexOf("ANTENNA INPUT PARAMETERS") + 40);
    QTest::newRow("garbled number") << QByteArray(complete).replace("6.5163E+01", "6.5163E+0#");
    QTest::newRow("overflowed field") << QByteArray(complete).replace("3.6295E+03", "**********");
    QTest::newRow("impedance without frequency")
        << QByteArray(complete).replace("FREQUENCY : 1.4100E+01", "FREQUENCE : 1.4100E+01");
}

// A truncated or garbled output never gives a partial or invented result.
void TstLectureSortie::illisible()
{
    QFETCH(QByteArray, texte);
    QVERIFY(!Nec::litSortie(vue(texte)));
}

void TstLectureSortie::progression()
{
    QCOMPARE(Nec::frequencesCalculees(""), 0);
    QCOMPARE(Nec::frequencesCalculees(vue(sortie("sol_moyen_coupee_frequence.out"))), 1);
    QCOMPARE(Nec::frequencesCalculees(vue(sortie("sol_moyen.out"))), 2);
}

void TstLectureSortie::raison_data()
{
    QTest::addColumn<QByteArray>("texte");
    QTest::addColumn<QByteArray>("raison");
    QTest::newRow("wire in the ground plane")
        << sortie("sol_moyen_au_sol.out")
        << QByteArray("GEOMETRY DATA ERROR -- SEGMENT 1 LIES IN GROUND PLANE");
    QTest::newRow("error stream, CR LF") << QByteArray("nec2c:  kesu.nec: No such file\r\n\r\n")
                                         << QByteArray("nec2c: kesu.nec: No such file");
    QTest::newRow("blanks only") << QByteArray(" \n\t\r\n") << QByteArray();
}

// What nec2c says last, to be quoted when it refuses a deck.
void TstLectureSortie::raison()
{
    QFETCH(QByteArray, texte);
    QFETCH(QByteArray, raison);
    QCOMPARE(QByteArray::fromStdString(Nec::derniereLigne(vue(texte))), raison);
}

// A pattern follows its frequency's impedance: every row's angles and total
// gain, and the average gain with its solid angle; the next frequency, asked
// without one, has none. A garbled row refuses the output.
void TstLectureSortie::diagramme()
{
    const QByteArray texte = sortie("diagramme.out");
    const auto z = Nec::litSortie(vue(texte));
    QVERIFY(z);
    QCOMPARE(z->size(), std::size_t(2));
    QVERIFY(z->front().diagramme);
    QVERIFY(!z->back().diagramme);
    const Nec::Diagramme &d = *z->front().diagramme;
    QCOMPARE(d.points.size(), std::size_t(6));
    QCOMPARE(d.points[1].theta, 45.0);
    QCOMPARE(d.points[1].phi, 0.0);
    QCOMPARE(d.points[1].gainDbi, -1.84);
    QCOMPARE(d.points[2].gainDbi, -999.99);
    QCOMPARE(d.points[5].phi, 90.0);
    QCOMPARE(d.gainMoyen, 1.0535);
    QCOMPARE(d.angleSolidePi, 0.5);
    QVERIFY(!Nec::litSortie(
        vue(QByteArray(texte).replace("   45.00     90.00", "   45.00     9#.00"))));
}

QTEST_APPLESS_MAIN(TstLectureSortie)
#include "tst_lecture_sortie.moc"
