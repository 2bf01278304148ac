#include "DefautsTest.h"
#include "Stockees.h"
#include "commande/CommandeLongueurs.h"
#include "regles/TextesLigne.h"
#include "regles/TextesLongueurs.h"
#include "regles/TextesNec.h"

#include <QTest>

// "kesu --longueurs": its header, its exit statuses (those of --nec) and its
// help, with nec2c's stored answers or a failure in its stead.
class TstCommandeLongueurs : public QObject {
    Q_OBJECT
private slots:
    void sortie_data();
    void sortie();
    void nec2cCoteACote();
    void auBord();
};

namespace {

const QString EnTete =
    QStringLiteral("rang,branche_cm,debut_cm,fin_cm,centre_cm,largeur_cm,bandes_accordables,"
                   "bandes_manquantes,ros_boite_max,perte_max_db,branche_min_cm,branche_max_cm");

} // namespace

void TstCommandeLongueurs::sortie_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("necAbsent");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("debut"); // of standard output, or of the error
    QTest::addColumn<int>("lignes");    // of standard output
    // The ladder's velocity factor ±3 % and windows of 10 cm at least.
    QTest::newRow("défauts") << QStringList{} << false << 0 << EnTete << 3;
    QTest::newRow("échelle exacte") << QStringList{"--tolerance-echelle", "0", "--largeur-min", "1"}
                                    << false << 0 << EnTete << 4;
    QTest::newRow("dix au plus") << QStringList{"--classe", "haute", "--nombre", "2"} << false << 0
                                 << EnTete << 3;
    QTest::newRow("graphe sans nec2c")
        << QStringList{"--regle", "graphe", "--nombre", "3"} << true << 0 << EnTete << 2;
    QTest::newRow("nec2c absent") << QStringList{} << true << 1 << Textes::NecIntrouvable() << 0;
    QTest::newRow("pas trop fin") << QStringList{"--branche-min", "2000", "--pas", "5"} << false
                                  << 2 << Textes::LongueursBranches().arg(10).arg(200) << 0;
    QTest::newRow("plage à l'envers")
        << QStringList{"--echelle-min", "4000", "--echelle-max", "500"} << false << 2
        << Textes::LongueursPlage().arg(100000) << 0;
    QTest::newRow("règle inconnue")
        << QStringList{"--regle", "nec2"} << false << 2
        << Textes::NecValeurIncorrecteAttendu().arg("--regle", "nec2", "graphe ou nec") << 0;
    QTest::newRow("aucune fenêtre")
        << QStringList{"--nombre", "0"} << false << 2 << Textes::LongueursNombre() << 0;
    QTest::newRow("une seule échelle")
        << QStringList{"--echelle", "3000"} << false << 2 << Textes::LongueursSansEchelle() << 0;
    QTest::newRow("aide") << QStringList{"--help"} << false << 0
                          << QStringLiteral("Utilisation : kesu --longueurs [options]") << -1;
}

void TstCommandeLongueurs::sortie()
{
    QFETCH(QStringList, options);
    QFETCH(bool, necAbsent);
    QFETCH(int, code);
    QFETCH(QString, debut);
    QFETCH(int, lignes);
    static const auto stockees = impedancesStockees();
    QString sortie, erreurs;
    QTextStream s(&sortie), e(&erreurs);
    const auto calcule = [&](const std::vector<QByteArray> &decks,
                             double) -> Nec::ExecutionNec::Bilans {
        if (necAbsent)
            return Textes::NecIntrouvable();
        std::vector<std::vector<Nec::ImpedanceB>> r;
        for (const QByteArray &d : decks)
            r.push_back(stockees.value(d));
        return r;
    };
    const int rendu = Longueurs::ligneCommande(
        QStringList{"--longueurs"} + options, [] { return FichierBandes::Table(Defauts::Table); },
        s, e, calcule);
    s.flush();
    e.flush();
    QCOMPARE(rendu, code);
    QVERIFY2((code == 0 ? sortie : erreurs).startsWith(debut), qPrintable(sortie + erreurs));
    if (lignes >= 0)
        QCOMPARE(sortie.count(u'\n'), lignes);
    if (lignes < 0)
        QVERIFY(sortie.contains("--tolerance") && sortie.contains("--z0"));
    // Every listed window has its twelve fields, a dot for the decimals, its
    // branch alone.
    for (const QString &l : sortie.split(u'\n', Qt::SkipEmptyParts).mid(1))
        if (lignes >= 0) {
            const QStringList champs = l.split(u',');
            QCOMPARE(champs.size(), 12);
            QCOMPARE(champs[10], champs[1]);
            QCOMPARE(champs[11], champs[1]);
        }
}

// The real nec2c, two runs side by side on one small deck's halves.
void TstCommandeLongueurs::nec2cCoteACote()
{
    if (!Nec::disponible(Nec::programmeNec()))
        QSKIP("nec2c is not installed");
    QString sortie, erreurs;
    QTextStream s(&sortie), e(&erreurs);
    const int code = Longueurs::ligneCommande(
        {"--longueurs", "--sol", "libre", "--bandes", "20,15", "--tolerance", "0"},
        [] { return FichierBandes::Table(Defauts::Table); }, s, e,
        [](const std::vector<QByteArray> &decks, double delaiS) {
            return Nec::ExecutionNec::executeBloquants(decks, 2, Nec::programmeNec(), delaiS);
        });
    s.flush();
    e.flush();
    QCOMPARE(code, 0);
    QVERIFY2(sortie.startsWith(EnTete + "\n1,2062,"), qPrintable(sortie + erreurs));
}

// A run of branches counts once, its ends last; the best at an end is said.
void TstCommandeLongueurs::auBord()
{
    QString sortie, erreurs;
    QTextStream s(&sortie), e(&erreurs);
    QCOMPARE(Longueurs::ligneCommande(
                 {"--longueurs", "--regle", "graphe", "--branche-min", "2000", "--branche-max",
                  "2100", "--nombre", "1"},
                 [] { return FichierBandes::Table(Defauts::Table); }, s, e, nullptr),
             0);
    s.flush();
    e.flush();
    QCOMPARE(sortie, EnTete + "\n1,2050,632,651,641,20,80 40 20 17 12 10,30 15,,,2000,2100\n");
    QCOMPARE(erreurs, Textes::LongueursBrancheAuBord().arg(2000) + u'\n');
}

QTEST_GUILESS_MAIN(TstCommandeLongueurs)
#include "tst_commande_longueurs.moc"
