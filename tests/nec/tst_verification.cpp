#include "Stockes.h"
#include "nec/LectureSortie.h"
#include "nec/Nombres.h"
#include "nec/Verification.h"
#include "regles/Erreurs.h"
#include "regles/TextesMoteur.h"

#include <QTest>
#include <limits>

namespace {

Nec::Entrees entrees()
{
    Nec::Entrees e;
    e.longElecDip = 2126;
    e.echelleCm = 3000;
    e.longueurMaxCm = 4500;
    e.bandes = {{1, 80, 3650}, {4, 20, 14100}, {8, 10, 28500}};
    return e;
}

const std::vector<Nec::ImpedanceB> Impedances{
    {3.65, {58.5, 78.5}}, {14.1, {3335.5, 717.0}}, {28.5, {2513.1, 887.5}}};

} // namespace

Q_DECLARE_METATYPE(Nec::ImpedanceB)

class TstVerification : public QObject {
    Q_OBJECT
private slots:
    void tableauEtCarteConcordent();
    void colonnes_data();
    void colonnes();
    void pointsDUneBande();
    void reprise_data();
    void reprise();
    void valeurNonFinie();
    void bandeEchouee_data();
    void bandeEchouee();
    void troisChiffres_data();
    void troisChiffres();
};

void TstVerification::troisChiffres_data()
{
    QTest::addColumn<double>("valeur");
    QTest::addColumn<QString>("texte");
    QTest::newRow("high impedance") << 4635.5 << "4640";
    QTest::newRow("tens") << 98.68 << "98.7";
    QTest::newRow("carry into a digit") << 99.96 << "100";
    QTest::newRow("below one") << 0.012345 << "0.0123";
    QTest::newRow("negative reactance") << -2253.4 << "-2250";
    QTest::newRow("zero") << 0.0 << "0";
}

// The window's impedances: three significant figures, never an exponent.
void TstVerification::troisChiffres()
{
    QFETCH(double, valeur);
    QFETCH(QString, texte);
    QCOMPARE(Nec::texteSignificatif(valeur, 3), texte);
}

namespace {

// The model written again from its equations, apart from the program's.
struct Ligne2 {
    Nec::Complexe gamma;
    double z0;
    Nec::Complexe zC(Nec::Complexe zB, double l) const
    {
        const Nec::Complexe ch = std::cosh(gamma * l), sh = std::sinh(gamma * l);
        return z0 * (zB * ch + z0 * sh) / (z0 * ch + zB * sh);
    }
    // Power in at C over power into B, from the voltage and current along the line.
    double perteDb(Nec::Complexe zB, double l) const
    {
        const Nec::Complexe vB = 1.0, iB = 1.0 / zB;
        const Nec::Complexe vC = vB * std::cosh(gamma * l) + iB * z0 * std::sinh(gamma * l);
        const Nec::Complexe iC = iB * std::cosh(gamma * l) + vB / z0 * std::sinh(gamma * l);
        return 10 * std::log10((vC * std::conj(iC)).real() / (vB * std::conj(iB)).real());
    }
};

Ligne2 ligne2(const Nec::Entrees &e, double kHz)
{
    const double f = kHz * 1e3;
    return {{e.echelle.perteDb100m / 100 * std::log(10.0) / 20 * std::sqrt(f / 1e7),
             2 * M_PI * f / (e.echelle.coefVelocite * 299792458.0)},
            e.echelle.z0};
}

double ros2(Nec::Complexe z, double r)
{
    const double g = std::abs((z - r) / (z + r));
    return (1 + g) / (1 - g);
}

void proche(double a, double b)
{
    QVERIFY2(std::abs(a - b) <= 1e-7 * (1 + std::abs(b)), qPrintable(QString::number(a)));
}

} // namespace

void TstVerification::colonnes_data()
{
    QTest::addColumn<QString>("sortie"); // a stored nec2c run
    QTest::addColumn<int>("premiere");   // its first band's place in the table
    QTest::addColumn<double>("z0");
    QTest::addColumn<double>("perte");
    QTest::addColumn<int>("balun"); // 0: the |Z| limit
    QTest::addColumn<double>("rosMax");
    QTest::addColumn<int>("region");
    QTest::newRow("defaults") << "defaut.out" << 1 << 450.0 << 0.6 << 0 << 10.0 << 1;
    QTest::newRow("free space, 9:1 tuner, region 2")
        << "libre.out" << 4 << 600.0 << 2.0 << 9 << 10.0 << 2;
    QTest::newRow("over ground, 1:1 tuner, lossy")
        << "sol_moyen.out" << 4 << 300.0 << 3.0 << 1 << 3.0 << 3;
}

// Every column against the model computed again: the line equations for Z at
// C, the SWR of that Z, the loss from the power at both ends, each sweep point
// and each centimetre of the map.
void TstVerification::colonnes()
{
    QFETCH(QString, sortie);
    QFETCH(int, premiere);
    QFETCH(int, balun);
    const std::vector<Nec::ImpedanceB> stockees = *Nec::litSortie(stocke(sortie).toStdString());
    const Nec::BandeVerifiee table[] = {{1, 80, 3650},  {2, 40, 7050},  {3, 30, 10120},
                                        {4, 20, 14100}, {5, 17, 18100}, {6, 15, 21200},
                                        {7, 12, 24940}, {8, 10, 28500}};
    Nec::Entrees e = entrees();
    QFETCH(double, z0);
    QFETCH(double, perte);
    QFETCH(double, rosMax);
    QFETCH(int, region);
    e.echelle = {z0, 0.92, perte};
    e.critere = balun ? Nec::Critere::Boite : Nec::Critere::Limite;
    e.boite = {balun ? balun : 4, rosMax};
    e.region = region;
    e.bandes.assign(table + premiere - 1, table + premiere - 1 + stockees.size());
    // The sweep's impedances: the stored ones, moved a little at each point.
    std::vector<Nec::ImpedanceB> z = stockees;
    for (const auto &s : stockees)
        for (int k = 0; k < e.points; ++k)
            z.push_back({0, s.z * (1 + 0.04 * k) - Nec::Complexe(0, 30.0 * k)});
    QCOMPARE(Nec::nombreFrequences(e), int(z.size()));
    const Nec::Resultat r = Nec::evalue(e, z);
    std::size_t point = stockees.size();
    for (std::size_t j = 0; j < r.lignes.size(); ++j) {
        const Nec::LigneTableau &l = r.lignes[j];
        const Ligne2 ligne = ligne2(e, l.bande.frequenceKHz);
        const auto accorde = [&](Nec::Complexe zc) {
            return balun ? ros2(zc / double(balun), 50) <= rosMax : std::abs(zc) <= 500;
        };
        const Nec::Complexe zC = ligne.zC(l.zB, 30);
        proche(l.zC.real(), zC.real());
        proche(l.zC.imag(), zC.imag());
        proche(l.ros, ros2(zC, z0));
        proche(l.perteDb, ligne.perteDb(l.zB, 30));
        proche(l.rendementPct, 100 / std::pow(10, ligne.perteDb(l.zB, 30) / 10));
        proche(l.rosBoite, ros2(zC / double(e.boite.balun), 50));
        QCOMPARE(l.accordableNec, accorde(zC));
        double pire = 0;
        bool bande = true;
        std::vector<bool> libre(4501, true);
        for (int k = 0; k < e.points; ++k, ++point) {
            const double kHz = Nec::balayageKHz(e, l.bande)[k];
            const Ligne2 lk = ligne2(e, kHz);
            pire = std::max(pire, ros2(lk.zC(z[point].z, 30) / double(e.boite.balun), 50));
            bande = bande && accorde(lk.zC(z[point].z, 30));
            for (int cm = 0; cm <= 4500; cm += 1)
                libre[cm] = libre[cm] && accorde(lk.zC(z[point].z, cm / 100.0));
        }
        proche(l.rosBoiteMaxBande, pire);
        QCOMPARE(l.accordableBande, bande);
        int libresATort = 0, interditsATort = 0, ecarts = 0;
        for (int cm = 0; cm <= 4500; ++cm) {
            libresATort += r.carte[j].libreGraphe[cm] && !libre[cm];
            interditsATort += !r.carte[j].libreGraphe[cm] && libre[cm];
            ecarts += libre[cm] != r.carte[j].libreNecBande[cm];
        }
        // A point right at the limit may fall either side by rounding.
        QCOMPARE_LE(ecarts, 2);
        QCOMPARE_LE(std::abs(l.libreATortPct - 100.0 * libresATort / 4501), 0.05);
        QCOMPARE_LE(std::abs(l.interditATortPct - 100.0 * interditsATort / 4501), 0.05);
    }
}

// The sweep of 20 m in region 1: five points from edge to edge, after the
// bands' own frequencies in the deck.
void TstVerification::pointsDUneBande()
{
    Nec::Entrees e = entrees();
    e.bandes = {{4, 20, 14100}, {9, 11, 27000}};
    const std::vector<double> f = Nec::frequencesDemandees(Nec::deck(e));
    const std::vector<double> attendu{14.1, 27, 14, 14.0875, 14.175, 14.2625, 14.35};
    QCOMPARE(f, attendu);
    // Outside region 1, 40 m reaches 7300 kHz.
    e.bandes = {{2, 40, 7050}};
    e.points = 2;
    e.region = 3;
    QCOMPARE(Nec::frequencesDemandees(Nec::deck(e)), (std::vector<double>{7.05, 7, 7.3}));
}

// The table's row at C and the map at the ladder's length come by two roads
// (the line equations, the map's stepping): they must agree.
void TstVerification::tableauEtCarteConcordent()
{
    for (const Nec::Classe classe :
         {Nec::Classe::Basse, Nec::Classe::Moyenne, Nec::Classe::Haute}) {
        Nec::Entrees e = entrees();
        e.classe = classe;
        const Nec::Resultat r = Nec::evalue(e, Impedances);
        QCOMPARE(r.lignes.size(), std::size_t(3));
        for (std::size_t j = 0; j < r.lignes.size(); ++j) {
            const Nec::LigneTableau &l = r.lignes[j];
            const Nec::CarteBande &c = r.carte[j];
            QCOMPARE(c.module.size(), std::size_t(4501));
            QCOMPARE(c.k, l.bande.k);
            QCOMPARE(l.accordableNec, bool(c.libreNec[3000]));
            QCOMPARE(l.accordableGraphe, bool(c.libreGraphe[3000]));
            QCOMPARE_LE(std::abs(std::abs(l.zC) - c.module[3000]), 1e-4 * std::abs(l.zC));
            QCOMPARE(l.accordableBande, bool(c.libreNecBande[3000]));
        }
    }
}

void TstVerification::reprise_data()
{
    QTest::addColumn<int>("changement");
    QTest::newRow("Z0") << 0;
    QTest::newRow("limits") << 1;
    QTest::newRow("class") << 2;
    QTest::newRow("thresholds") << 3;
    QTest::newRow("velocity factor") << 4;
    QTest::newRow("map end") << 5;
    QTest::newRow("branch") << 6;
}

// Recomputing from a previous result gives exactly what a fresh computation
// gives, whatever changed.
void TstVerification::reprise()
{
    QFETCH(int, changement);
    const Nec::Entrees avant = entrees();
    const Nec::Resultat precedent = Nec::evalue(avant, Impedances);
    Nec::Entrees e = avant;
    switch (changement) {
    case 0:
        e.echelle.z0 = 600;
        break;
    case 1:
        e.limites.moyenne = 300;
        break;
    case 2:
        e.classe = Nec::Classe::Haute;
        break;
    case 3:
        e.seuils.moyen = 0.4;
        break;
    case 4:
        e.echelle.coefVelocite = 0.82;
        break;
    case 5:
        e.longueurMaxCm = 5000;
        break;
    default:
        e.longElecDip = 2000;
    }
    const Nec::Resultat frais = Nec::evalue(e, Impedances);
    const Nec::Resultat repris = Nec::evalue(e, Impedances, &precedent);
    for (std::size_t j = 0; j < frais.carte.size(); ++j) {
        QCOMPARE(repris.carte[j].libreGraphe, frais.carte[j].libreGraphe);
        QCOMPARE(repris.carte[j].libreNec, frais.carte[j].libreNec);
        QCOMPARE(repris.lignes[j].libreATortPct, frais.lignes[j].libreATortPct);
        QCOMPARE(repris.lignes[j].interditATortPct, frais.lignes[j].interditATortPct);
    }
    // The change shows somewhere.
    bool difference = false;
    for (std::size_t j = 0; j < frais.carte.size(); ++j)
        difference = difference || frais.carte[j].libreGraphe != precedent.carte[j].libreGraphe ||
                     frais.carte[j].libreNec != precedent.carte[j].libreNec;
    QVERIFY(difference);
}

// A ladder whose values overflow gives no row: the band is left out, said why.
void TstVerification::valeurNonFinie()
{
    Nec::Entrees e = entrees();
    e.echelle.z0 = 1e300;
    const Nec::Resultat r = Nec::evalue(e, Impedances);
    QVERIFY(r.lignes.empty());
    QCOMPARE(r.echecs.front().bande.bande, 80);
    QCOMPARE(r.echecs.front().raison, Textes::NecLigneNonFinie());
}

void TstVerification::bandeEchouee_data()
{
    QTest::addColumn<Nec::ImpedanceB>("reponse"); // for 20 m
    QTest::addColumn<QString>("raison");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("negative R") << Nec::ImpedanceB{14.1, {-160.71, 20}}
                                << Textes::NecResistanceNonPhysique().arg("14.1", "-160.71");
    QTest::newRow("R of zero") << Nec::ImpedanceB{14.1, {0, 20}}
                               << Textes::NecResistanceNonPhysique().arg("14.1", "0");
    QTest::newRow("not finite") << Nec::ImpedanceB{14.1, {nan, 20}}
                                << Textes::NecImpedanceNonFinie().arg("14.1");
    QTest::newRow("no answer") << Nec::ImpedanceB{14.1, {nan, nan}, true}
                               << Textes::NecSansReponse().arg("14.1");
}

// One band's unusable answer leaves that band out, with its reason, and keeps
// the others as they were.
void TstVerification::bandeEchouee()
{
    QFETCH(Nec::ImpedanceB, reponse);
    QFETCH(QString, raison);
    std::vector<Nec::ImpedanceB> z = Impedances;
    z[1] = reponse;
    const Nec::Entrees e = entrees();
    const Nec::Resultat r = Nec::evalue(e, z);
    const Nec::Resultat entier = Nec::evalue(e, Impedances);
    QCOMPARE(r.echecs.size(), std::size_t(1));
    QCOMPARE(r.echecs.front().bande.bande, 20);
    QCOMPARE(r.echecs.front().raison, raison);
    QCOMPARE(r.lignes.size(), std::size_t(2));
    QCOMPARE(r.lignes[1].bande.bande, 10);
    QCOMPARE(r.lignes[1].zC, entier.lignes[2].zC);
    QCOMPARE(r.carte[1].libreNec, entier.carte[2].libreNec);
}

QTEST_APPLESS_MAIN(TstVerification)
#include "tst_verification.moc"
