#include "nec/Nombres.h"
#include "nec/Verification.h"
#include "regles/Erreurs.h"

#include <QTest>

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

class TstVerification : public QObject {
    Q_OBJECT
private slots:
    void tableauEtCarteConcordent();
    void reprise_data();
    void reprise();
    void valeurNonFinie();
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
            std::size_t accords = 0;
            for (std::size_t i = 0; i < c.module.size(); ++i)
                accords += c.libreGraphe[i] == c.libreNec[i];
            QCOMPARE(l.accordPct, 100.0 * accords / 4501);
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
        QCOMPARE(repris.lignes[j].accordPct, frais.lignes[j].accordPct);
    }
    // The change shows somewhere.
    bool difference = false;
    for (std::size_t j = 0; j < frais.carte.size(); ++j)
        difference = difference || frais.carte[j].libreGraphe != precedent.carte[j].libreGraphe ||
                     frais.carte[j].libreNec != precedent.carte[j].libreNec;
    QVERIFY(difference);
}

// A ladder whose values overflow gives no row: the computation failed.
void TstVerification::valeurNonFinie()
{
    Nec::Entrees e = entrees();
    e.echelle.z0 = 1e300;
    try {
        Nec::evalue(e, Impedances);
        QFAIL("a row was made");
    } catch (const KesuErreur &erreur) {
        QCOMPARE(erreur.texte(), Textes::NecNonFini.arg(80));
    }
}

QTEST_APPLESS_MAIN(TstVerification)
#include "tst_verification.moc"
