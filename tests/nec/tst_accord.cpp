#include "../longueurs/AntenneDefaut.h"
#include "FichierStocke.h"
#include "nec/LectureSortie.h"

#include <QTest>

class TstAccord : public QObject {
    Q_OBJECT
private slots:
    void carteParDefaut_data();
    void carteParDefaut();
};

void TstAccord::carteParDefaut_data()
{
    QTest::addColumn<Nec::Critere>("critere");
    QTest::addColumn<double>("qBobine");
    QTest::addColumn<double>("cMaxPf");
    QTest::newRow("T") << Nec::Critere::ReseauT << 150.0 << 250.0;
    QTest::newRow("L") << Nec::Critere::ReseauL << 150.0 << 1000.0;
    QTest::newRow("T, Q 50, 150 pF") << Nec::Critere::ReseauT << 50.0 << 150.0;
    QTest::newRow("L, Q 50, 150 pF") << Nec::Critere::ReseauL << 50.0 << 150.0;
}

// Every centimetre of the default map, at every frequency of every band: the
// quick verdict is the solver's own, asked directly, and the map's rows are
// those verdicts (and-ed across each band's sweep).
void TstAccord::carteParDefaut()
{
    Nec::Entrees e = antenneDefaut();
    e.longueurMaxCm = Nec::longueurMaxParDefaut(e.echelleCm);
    QFETCH(Nec::Critere, critere);
    QFETCH(double, qBobine);
    QFETCH(double, cMaxPf);
    e.critere = critere;
    e.pieces.qBobine = qBobine;
    e.pieces.cMaxPf = cMaxPf;
    const Reseau::Pieces p = Nec::piecesJugees(e);
    const QByteArray s = litStocke(QStringLiteral(KESU_SORTIES_LONGUEURS), "defaut_0.out");
    const std::vector<Nec::ImpedanceB> zB = *Nec::litSortie({s.constData(), std::size_t(s.size())});
    const Nec::Resultat carte = Nec::evalue(e, zB, nullptr, false);
    const std::size_t n = static_cast<std::size_t>(e.longueurMaxCm) + 1;
    for (std::size_t j = 0; j < e.bandes.size(); ++j) {
        std::vector<bool> bande(n, true);
        std::size_t k = Nec::debutBalayage(e, j);
        const std::vector<double> balayage = Nec::balayageKHz(e, e.bandes[j]);
        for (std::size_t i = 0; i <= balayage.size(); ++i) {
            const double f = i ? balayage[i - 1] * 1e3 : e.bandes[j].frequenceKHz * 1e3;
            Nec::Parcours ligne(zB[i ? k++ : j].z, e.echelle.z0, Nec::propagation(e.echelle, f),
                                0.01);
            Reseau::Accord accord(p, f);
            std::vector<bool> rapide(n), direct(n);
            for (std::size_t l = 0; l < n; ++l, ligne.avance()) {
                const Nec::Complexe z = ligne.impedance() / static_cast<double>(e.boite.balun);
                rapide[l] = accord(z);
                direct[l] = Reseau::accordable(p, z, f);
                bande[l] = bande[l] && (i == 0 || direct[l]);
            }
            QCOMPARE(rapide, direct);
            if (i == 0)
                QCOMPARE(carte.carte[j].libreNec, direct);
        }
        QCOMPARE(carte.carte[j].libreNecBande, bande);
    }
}

QTEST_APPLESS_MAIN(TstAccord)
#include "tst_accord.moc"
