#include "mesure/LectureMesure.h"
#include "regles/Erreurs.h"
#include "regles/TextesMesure.h"
#include "regles/TextesProjet.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <numbers>
#include <sys/stat.h>

using Mesure::Complexe;

namespace {

// A sweep whose impedances the test knows: matched, capacitive and low,
// high and inductive, near an open end.
const double FrequencesHz[] = {3.5e6, 3.6e6, 3.8e6, 7.05e6};
const Complexe Z[] = {{50, 0}, {12.5, -30}, {600, 400}, {4800, -2100}};

QByteArray nombre(double v)
{
    return QByteArray::number(v, 'g', 17);
}

// The sweep written as an analyzer would, computed here from Z alone.
QByteArray touchstone(const QByteArray &unite, double facteur, const QByteArray &format, double r)
{
    QByteArray t = "! made by hand\n# " + unite + " s " + format + " r " + nombre(r) + "\n";
    for (int i = 0; i < 4; ++i) {
        const Complexe g = (Z[i] - r) / (Z[i] + r);
        const double angle = std::arg(g) * 180 / std::numbers::pi;
        const double a = format == "ri"   ? g.real()
                         : format == "ma" ? std::abs(g)
                                          : 20 * std::log10(std::abs(g) + 1e-300);
        const double b = format == "ri" ? g.imag() : angle;
        t += nombre(FrequencesHz[i] / facteur) + "  " + nombre(a) + "\t" + nombre(b) + " ! point\n";
    }
    return t;
}

void compare(const Mesure::Releve &r)
{
    QCOMPARE(r.points.size(), std::size_t{4});
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(r.points[i].frequenceHz, FrequencesHz[i]);
        const Complexe z = Mesure::impedance(r, r.points[i]);
        QVERIFY2(std::abs(z - Z[i]) <= 1e-9 * std::abs(Z[i]),
                 qPrintable(QStringLiteral("point %1: %2%3j").arg(i).arg(z.real()).arg(z.imag())));
    }
}

} // namespace

class TstMesure : public QObject {
    Q_OBJECT
private slots:
    void memesImpedances_data();
    void memesImpedances();
    void refus_data();
    void refus();
    void fichiers();
    void interpolation();
};

void TstMesure::memesImpedances_data()
{
    QTest::addColumn<QByteArray>("contenu");
    // Z -> S against 50 ohms; the CSV gives it directly.
    QByteArray csvS = "Frequency (MHz);Re(S11);Im(S11);SWR\n";
    QByteArray csvZ = "\xEF\xBB\xBF\"Fréquence [kHz]\",\"R (ohm)\",\"X (ohm)\"\r\n";
    QByteArray z1 = "# MHZ Z RI R 75\n";
    QByteArray z2 = "[Version] 2.0\n# Hz Z RI R 50\n[Number of Ports] 1\n[Reference] 75\n"
                    "[Number of Frequencies] 4\n[Network Data]\n";
    for (int i = 0; i < 4; ++i) {
        const Complexe g = (Z[i] - 50.0) / (Z[i] + 50.0);
        csvS += nombre(FrequencesHz[i] / 1e6) + ";" + nombre(g.real()) + ";" + nombre(g.imag()) +
                ";1.5\n";
        csvZ += nombre(FrequencesHz[i] / 1e3) + "," + nombre(Z[i].real()) + "," +
                nombre(Z[i].imag()) + "\r\n";
        z1 += nombre(FrequencesHz[i] / 1e6) + " " + nombre(Z[i].real() / 75) + " " +
              nombre(Z[i].imag() / 75) + "\n";
        z2 +=
            nombre(FrequencesHz[i]) + " " + nombre(Z[i].real()) + " " + nombre(Z[i].imag()) + "\n";
    }
    z2 += "[End]\n";
    QTest::newRow("RI, Hz, R 50") << touchstone("hz", 1, "ri", 50);
    QTest::newRow("MA, kHz, R 50") << touchstone("khz", 1e3, "ma", 50);
    QTest::newRow("DB, MHz, R 75") << touchstone("MHz", 1e6, "db", 75);
    QTest::newRow("defaults: GHz, S, MA, R 50")
        << touchstone("ghz", 1e9, "ma", 50).replace("# ghz s ma r 50", "#");
    QTest::newRow("Z normalised to R (1.x)") << z1;
    QTest::newRow("Z in ohms (2.0), [Reference]") << z2;
    QTest::newRow("CSV, S11, semicolons") << csvS;
    QTest::newRow("CSV, R and X, quoted, CRLF") << csvZ;
}

void TstMesure::memesImpedances()
{
    QFETCH(QByteArray, contenu);
    compare(Mesure::litOctets(contenu, QStringLiteral("m.s1p")));
}

void TstMesure::refus_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<int>("ligne"); // 0: the file as a whole
    QTest::addColumn<QString>("raison");
    const QByteArray ok = "# MHz S RI R 50\n3.5 0.1 0.2\n";
    QTest::newRow("not a number") << ok + "3.6 0,1 0.2\n" << 3 << Textes::MesureNombre().arg("0,1");
    QTest::newRow("not finite") << ok + "3.6 nan 0.2\n" << 3 << Textes::MesureNonFini().arg("nan");
    QTest::newRow("frequency repeated") << ok + "3.5 0.1 0.2\n"
                                        << 3 << Textes::MesureFrequences().arg("3.5", "3.5");
    QTest::newRow("frequency going down") << ok + "\n! c\n3.4 0.1 0.2\n"
                                          << 5 << Textes::MesureFrequences().arg("3.4", "3.5");
    QTest::newRow("reflection above 1") << ok + "3.6 0.8 0.61\n"
                                        << 3 << Textes::MesureReflexion().arg("1.006");
    QTest::newRow("negative R in a CSV") << QByteArray("freq (hz),r,x\n3500000,-1,0\n") << 2
                                         << Textes::MesureReflexion().arg("1.0408");
    QTest::newRow("two-port data") << QByteArray("# GHz S RI R 50\n1 0 0 1 0 1 0 0 0\n") << 2
                                   << Textes::MesureColonnes().arg(9).arg(3);
    QTest::newRow("Y parameters") << QByteArray("!\n# MHz Y RI R 50\n") << 2
                                  << Textes::MesureParametre().arg("Y");
    QTest::newRow("two ports (2.0)")
        << QByteArray("[Version] 2.0\n# MHz S RI\n[Number of Ports] 2\n") << 3
        << Textes::MesurePorts().arg(2);
    QTest::newRow("frequencies announced")
        << QByteArray("[Version] 2.0\n# MHz S RI\n[Number of Ports] 1\n[Number of Frequencies] 2\n"
                      "[Network Data]\n3.5 0 0\n[End]\n")
        << 0 << Textes::MesureNombreFrequences().arg(2).arg(1);
    QTest::newRow("empty") << QByteArray("! only a comment\n# MHz S RI\n") << 0
                           << Textes::MesureVide();
    QTest::newRow("CSV without unit") << QByteArray("Frequency,R,X\n3.5,50,0\n") << 1
                                      << Textes::MesureEnTete().arg("Frequency,R,X");
    QTest::newRow("CSV short line")
        << QByteArray("Freq(MHz);R;X\n3.5;50\n") << 2 << Textes::MesureColonnes().arg(2).arg(3);
    QByteArray trop = "# Hz S RI\n";
    for (int i = 1; i <= int(Mesure::PointsMax) + 1; ++i)
        trop += QByteArray::number(i) + " 0 0\n";
    QTest::newRow("too many points") << trop << int(Mesure::PointsMax) + 2
                                     << Textes::MesureTropDePoints().arg(Mesure::PointsMax);
}

void TstMesure::refus()
{
    QFETCH(QByteArray, contenu);
    QFETCH(int, ligne);
    QFETCH(QString, raison);
    const QString attendu = ligne ? Textes::MesureLigne().arg("a.s1p").arg(ligne).arg(raison)
                                  : Textes::MesureFichier().arg("a.s1p", raison);
    try {
        Mesure::litOctets(contenu, QStringLiteral("a.s1p"));
        QFAIL("accepted");
    } catch (const KesuErreur &e) {
        QCOMPARE(e.texte(), attendu);
    }
}

// What the file is before it is read: a pipe would never end.
void TstMesure::fichiers()
{
    QTemporaryDir d;
    const QString tube = d.filePath(QStringLiteral("t.s1p"));
    QVERIFY(mkfifo(QFile::encodeName(tube).constData(), 0600) == 0);
    for (const auto &[chemin, raison] :
         {std::pair{tube, Textes::ProjetPasOrdinaire()},
          {d.filePath(QStringLiteral("absent.s1p")), Textes::ProjetAbsent()}}) {
        try {
            Mesure::lit(chemin);
            QFAIL("accepted");
        } catch (const KesuErreur &e) {
            QCOMPARE(e.texte(), Textes::MesureFichier().arg(QFileInfo(chemin).fileName(), raison));
        }
    }
    QFile f(d.filePath(QStringLiteral("ok.s1p")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(touchstone("khz", 1e3, "ri", 50));
    f.close();
    compare(Mesure::lit(f.fileName()));
}

// Between two points the reflection turns the shorter way round: across the
// real axis on the left of the chart, not through its centre.
void TstMesure::interpolation()
{
    const Mesure::Releve r{"m",
                           50,
                           {{1e6, std::polar(0.5, 170 * std::numbers::pi / 180)},
                            {2e6, std::polar(0.5, -170 * std::numbers::pi / 180)},
                            {3e6, std::polar(0.1, -170 * std::numbers::pi / 180)}}};
    const auto z = [](Complexe g) { return 50.0 * (1.0 + g) / (1.0 - g); };
    const auto milieu = Mesure::interpole(r, 1.5e6);
    QVERIFY(milieu && std::abs(*milieu - Complexe(50.0 / 3, 0)) < 1e-9);
    QVERIFY(std::abs(*Mesure::interpole(r, 3e6) - z(r.points[2].gamma)) < 1e-12);
    QVERIFY(std::abs(*Mesure::interpole(r, 2.5e6) - z(0.6 * r.points[1].gamma)) < 1e-9);
    QVERIFY(!Mesure::interpole(r, 0.9e6) && !Mesure::interpole(r, 3.1e6));
}

QTEST_GUILESS_MAIN(TstMesure)
#include "tst_mesure.moc"
