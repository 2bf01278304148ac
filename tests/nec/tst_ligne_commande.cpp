#include "nec/Ligne.h"
#include "nec/LigneCommande.h"
#include "nec/Nombres.h"
#include "regles/Erreurs.h"

#include <QFile>
#include <QLocale>
#include <QTest>
#include <clocale>

using Nec::ImpedanceB;

namespace {

// The band table the program ships.
FichierBandes::Table bandesLivrees()
{
    QFile f(QStringLiteral(KESU_INI_LIVRE));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing %s", KESU_INI_LIVRE);
    return FichierBandes::lit(f.readAll());
}

const FichierBandes::Table Bandes = bandesLivrees();

struct Execution {
    int code;
    QString sortie;
    QString erreurs;
    QByteArray deck; // what the calculator was given
};

// Runs the command line with a calculator that answers 100 + 10 k - j 50 k
// ohms for the k-th frequency asked, or a failure when given one.
Execution execute(const QStringList &options, const QString &panne = {})
{
    Execution r{};
    QTextStream sortie(&r.sortie);
    QTextStream erreurs(&r.erreurs);
    const auto calcule = [&](const QByteArray &deck, int n) -> Nec::Bilan {
        r.deck = deck;
        if (!panne.isEmpty())
            return panne;
        std::vector<ImpedanceB> z;
        for (int k = 0; k < n; ++k)
            z.push_back({0, {100.0 + 10 * k, -50.0 * k}});
        return z;
    };
    r.code = Nec::ligneCommande(QStringList{"--nec"} + options, Bandes, sortie, erreurs, calcule);
    sortie.flush();
    erreurs.flush();
    return r;
}

QList<QStringList> lignes(const QString &csv)
{
    QList<QStringList> r;
    for (const QString &l : csv.split(u'\n', Qt::SkipEmptyParts))
        r << l.split(u',');
    return r;
}

double valeur(const QString &t)
{
    return Nec::nombre(t).value();
}

} // namespace

class TstLigneCommande : public QObject {
    Q_OBJECT
private slots:
    void colonnes();
    void options_data();
    void options();
    void mauvaisesOptions_data();
    void mauvaisesOptions();
    void echecNec();
    void impedanceEnCSuitLaLigne();
    void pointDecimalSousLocaleFrancaise();
};

void TstLigneCommande::colonnes()
{
    const Execution e = execute({});
    QCOMPARE(e.code, 0);
    QVERIFY(e.erreurs.isEmpty());
    const auto l = lignes(e.sortie);
    QCOMPARE(l.size(), 9);
    QCOMPARE(l[0].join(u','), "bande,frequence_khz,r_b,x_b,r_c,x_c,module_c,ros,accordable_nec,"
                              "accordable_graphe,accord_pct");
    for (qsizetype i = 1; i < l.size(); ++i) {
        QCOMPARE(l[i].size(), 11);
        QCOMPARE(l[i][0].toInt(), Bandes[i - 1].Bande);
        QCOMPARE(l[i][1].toInt(), Bandes[i - 1].Frequence);
        QCOMPARE(valeur(l[i][2]), 100.0 + 10 * (i - 1));
        for (int b : {8, 9})
            QVERIFY(l[i][b] == "0" || l[i][b] == "1");
        QCOMPARE_GE(valeur(l[i][10]), 0.0);
        QCOMPARE_LE(valeur(l[i][10]), 100.0);
    }
}

void TstLigneCommande::options_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("attendu"); // what the deck must contain
    QTest::newRow("defaults") << QStringList()
                              << QStringList{"GW 1 1 -0.0125 0 10 0.0125 0 10 0.001",
                                             " 20.6325 0 10 0.001\n", "GN 2 0 0 0 13 0.005"};
    QTest::newRow("branch, diameter, height")
        << QStringList{"--branche", "1000", "--diametre", "1.5", "--hauteur", "7.5"}
        << QStringList{"GW 1 1 -0.0125 0 7.5 0.0125 0 7.5 0.00075", " 10.0125 0 7.5 0.00075\n"};
    QTest::newRow("sea, bands in the order given")
        << QStringList{"--sol", "mer", "--bandes", "20,80"}
        << QStringList{"GN 2 0 0 0 80 5", "FR 0 1 0 0 14.1 0\nXQ\nFR 0 1 0 0 3.65 0"};
    QTest::newRow("free space") << QStringList{"--sol", "libre"}
                                << QStringList{"GW 1 1 -0.0125 0 0 0.0125 0 0 0.001", "GE 0"};
}

void TstLigneCommande::options()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, attendu);
    const Execution e = execute(options);
    QCOMPARE(e.code, 0);
    for (const QString &a : attendu)
        QVERIFY2(e.deck.contains(a.toLatin1()), qPrintable(a));
}

void TstLigneCommande::mauvaisesOptions_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown option")
        << QStringList{"--longueur", "3"} << Textes::NecOptionInconnue.arg("--longueur");
    QTest::newRow("missing value") << QStringList{"--z0"} << Textes::NecValeurManquante.arg("--z0");
    QTest::newRow("not a number") << QStringList{"--z0", "abc"}
                                  << Textes::NecValeurIncorrecte.arg("--z0", "abc");
    QTest::newRow("fractional cm")
        << QStringList{"--echelle", "30.5"} << Textes::NecValeurIncorrecte.arg("--echelle", "30.5");
    QTest::newRow("unknown ground")
        << QStringList{"--sol", "sable"} << Textes::NecValeurIncorrecte.arg("--sol", "sable");
    QTest::newRow("unknown class")
        << QStringList{"--classe", "forte"} << Textes::NecValeurIncorrecte.arg("--classe", "forte");
    QTest::newRow("unknown band") << QStringList{"--bandes", "80,60"}
                                  << Textes::NecBandeInconnue.arg("60");
    QTest::newRow("zero diameter") << QStringList{"--diametre", "0"} << Textes::NecDiametre;
    QTest::newRow("wire thicker than the branch")
        << QStringList{"--branche", "10", "--diametre", "100"} << Textes::NecDiametre;
    QTest::newRow("height 0 over ground") << QStringList{"--hauteur", "0"} << Textes::NecHauteur;
    QTest::newRow("negative Z0") << QStringList{"--z0", "-450"} << Textes::NecZ0;
    QTest::newRow("negative loss") << QStringList{"--perte", "-1"} << Textes::NecPerte;
    QTest::newRow("zero limit") << QStringList{"--classe", "haute", "--limite", "0"}
                                << Textes::NecLimite.arg("Limite haute");
    QTest::newRow("velocity factor above 1")
        << QStringList{"--coef-echelle", "1.2"} << Textes::NecCoefEchelle;
    QTest::newRow("too many segments")
        << QStringList{"--branche", "70000"} << Textes::NecTropDeSegments.arg("2805");
}

void TstLigneCommande::mauvaisesOptions()
{
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    const Execution e = execute(options);
    QCOMPARE(e.code, 2);
    QCOMPARE(e.erreurs, message + u'\n');
    QVERIFY(e.sortie.isEmpty());
    QVERIFY(e.deck.isEmpty()); // nothing computed
}

void TstLigneCommande::echecNec()
{
    const Execution e = execute({}, Textes::NecIntrouvable);
    QCOMPARE(e.code, 1);
    QCOMPARE(e.erreurs, Textes::NecIntrouvable + u'\n');
    QVERIFY(e.sortie.isEmpty());
}

// With the real nec2c: Z at C is Z at B carried along the ladder.
void TstLigneCommande::impedanceEnCSuitLaLigne()
{
    QString texte;
    QString erreurs;
    QTextStream sortie(&texte);
    QTextStream flux(&erreurs);
    const int code = Nec::ligneCommande(
        {"--nec", "--echelle", "1234", "--z0", "600"}, Bandes, sortie, flux,
        [](const QByteArray &d, int n) { return Nec::ExecutionNec::executeBloquant(d, n); });
    sortie.flush();
    flux.flush();
    QCOMPARE(code, 0);
    const auto l = lignes(texte);
    QCOMPARE(l.size(), 9);
    const Nec::Echelle echelle{600, 0.92, 0};
    for (qsizetype i = 1; i < l.size(); ++i) {
        const std::complex<double> zB(valeur(l[i][2]), valeur(l[i][3]));
        const std::complex<double> zC(valeur(l[i][4]), valeur(l[i][5]));
        const auto attendu = Nec::impedanceEnC(zB, echelle, l[i][1].toInt() * 1e3, 12.34);
        QVERIFY2(std::abs(zC - attendu) < 1e-3 * std::abs(attendu) + 0.05, qPrintable(l[i][0]));
        QCOMPARE_LE(std::abs(valeur(l[i][6]) - std::abs(zC)), 0.02);
    }
}

void TstLigneCommande::pointDecimalSousLocaleFrancaise()
{
    const QLocale avant;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const char *cLocale = std::setlocale(LC_ALL, "fr_FR.UTF-8");
    const Execution e = execute({"--z0", "450.5", "--coef-echelle", "0,92"});
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(avant);
    QCOMPARE(e.code, 0);
    QVERIFY(e.deck.contains("GW 1 1 -0.0125 0 10 0.0125 0 10 0.001"));
    for (const QStringList &l : lignes(e.sortie).mid(1))
        QCOMPARE(l.size(), 11);
    QVERIFY(e.sortie.contains("100.00,0.00"));
    if (!cLocale)
        qInfo("no French C locale here: the Qt default locale only was French");
}

QTEST_GUILESS_MAIN(TstLigneCommande)
#include "tst_ligne_commande.moc"
