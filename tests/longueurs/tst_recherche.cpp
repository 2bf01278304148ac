#include "AntenneDefaut.h"
#include "Stockees.h"
#include "longueurs/Estimation.h"
#include "longueurs/Recherche.h"
#include "nec/Regle.h"

#include <QTest>
#include <cmath>
#include <limits>

// On the defaults, at the centre of each window proposed, every band it names
// is tunable across the band at each of the three branch lengths, computed
// here by the line's closed form rather than the map's steps; every band it
// misses fails somewhere. The windows come ranked, their width counted whole.
class TstRecherche : public QObject {
    Q_OBJECT
private slots:
    void centresAccordes_data();
    void centresAccordes();
    void brancheCalculeeUneFois();
    void rang();
    void regroupe_data();
    void regroupe();
    void estimation();
};

Q_DECLARE_METATYPE(Longueurs::Regle)
Q_DECLARE_METATYPE(Nec::Critere)
Q_DECLARE_METATYPE(Nec::Classe)

void TstRecherche::centresAccordes_data()
{
    QTest::addColumn<Longueurs::Regle>("regle");
    QTest::addColumn<Nec::Critere>("critere");
    QTest::addColumn<Nec::Classe>("classe");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<bool>("surLaBande");
    using L = Longueurs::Regle;
    using C = Nec::Critere;
    using K = Nec::Classe;
    QTest::newRow("boîte, bandes entières") << L::Nec << C::Boite << K::Moyenne << 2.0 << true;
    QTest::newRow("moyenne, bandes entières") << L::Nec << C::Limite << K::Moyenne << 2.0 << true;
    QTest::newRow("haute, bandes entières") << L::Nec << C::Limite << K::Haute << 2.0 << true;
    QTest::newRow("basse, référence") << L::Nec << C::Limite << K::Basse << 2.0 << false;
    QTest::newRow("boîte, sans tolérance") << L::Nec << C::Boite << K::Moyenne << 0.0 << true;
    // The tuner as a network of the default parts, at each point's frequency.
    QTest::newRow("boîte en L, bandes entières")
        << L::Nec << C::ReseauL << K::Moyenne << 2.0 << true;
    QTest::newRow("boîte en T, référence") << L::Nec << C::ReseauT << K::Moyenne << 2.0 << false;
    QTest::newRow("graphe moyenne") << L::Graphe << C::Limite << K::Moyenne << 2.0 << true;
    QTest::newRow("graphe haute") << L::Graphe << C::Limite << K::Haute << 2.0 << true;
}

void TstRecherche::centresAccordes()
{
    QFETCH(Longueurs::Regle, regle);
    QFETCH(Nec::Critere, critere);
    QFETCH(Nec::Classe, classe);
    QFETCH(double, tolerance);
    QFETCH(bool, surLaBande);
    static const auto stockees = impedancesStockees();
    Nec::Entrees e = antenneDefaut();
    e.critere = critere;
    e.classe = classe;
    Longueurs::Parametres p;
    p.regle = regle;
    p.tolerancePct = tolerance;
    p.surLaBande = surLaBande;
    std::vector<Longueurs::Antennes> a = Longueurs::prepare(e, p, std::nullopt);
    for (const QByteArray &d : Longueurs::decks(a))
        QVERIFY2(stockees.contains(d), "the deck is no longer the one stored");
    const auto f = Longueurs::cherche(a, p, 1000, [&](const QByteArray &d) {
        const auto i = stockees.constFind(d);
        return i == stockees.cend() ? nullptr : &*i;
    });
    QVERIFY(!f.empty());
    const std::vector<double> facteurs = Longueurs::facteurs(tolerance);
    // The ladder's velocity factor varies too: nine cases with both tolerances.
    const std::vector<double> coefs = Longueurs::facteurs(p.toleranceEchellePct);
    QCOMPARE(a.front().zB.size(), facteurs.size() * coefs.size());
    for (std::size_t i = 0; i < f.size(); ++i) {
        const Longueurs::Fenetre &w = f[i];
        QCOMPARE(w.largeurCm(), w.finCm - w.debutCm + 1);
        QVERIFY(w.largeurCm() >= p.largeurMinCm);
        QVERIFY(w.debutCm >= p.echelleMinCm && w.finCm <= p.echelleMaxCm);
        QCOMPARE(w.accordables.size() + w.manquantes.size(), e.bandes.size());
        if (i > 0) {
            QCOMPARE(w.accordables.size(), f[i - 1].accordables.size());
            QVERIFY(w.largeurCm() <= f[i - 1].largeurCm());
        }
        double rosPire = 0; // the tuner's worst SWR over the bands it names
        for (std::size_t j = 0; j < e.bandes.size(); ++j) {
            const Nec::BandeVerifiee &b = e.bandes[j];
            const bool nommee = std::find(w.accordables.begin(), w.accordables.end(), b.bande) !=
                                w.accordables.end();
            bool partout = true;
            for (std::size_t v = 0; v < facteurs.size() * coefs.size(); ++v) {
                Nec::Entrees x = Longueurs::variante(e, facteurs[v / coefs.size()], p.echelleMaxCm);
                x.echelle.coefVelocite =
                    std::min(1.0, e.echelle.coefVelocite * coefs[v % coefs.size()]);
                QCOMPARE(x.antenne.brancheCm, e.antenne.brancheCm * facteurs[v / coefs.size()]);
                if (regle == Longueurs::Regle::Graphe) {
                    partout = partout && !Nec::grapheMarque(
                                             b.frequenceKHz,
                                             Nec::positionElectrique(x.longElecDip, w.centreCm(),
                                                                     x.echelle.coefVelocite),
                                             classe, x.seuils);
                    continue;
                }
                // The stored answers: the reference frequencies, then the sweeps in order.
                const std::vector<Nec::ImpedanceB> &z = a.front().zB[v];
                std::size_t k = e.bandes.size();
                for (std::size_t i2 = 0; i2 < j; ++i2)
                    k += Nec::balayageKHz(x, e.bandes[i2]).size();
                std::vector<std::pair<double, Nec::Complexe>> points;
                for (double kHz : Nec::balayageKHz(x, b)) {
                    QVERIFY(std::abs(z[k].frequenceMHz * 1e3 - kHz) <= 1e-4 * kHz);
                    points.emplace_back(kHz * 1e3, z[k++].z);
                }
                if (!surLaBande || points.empty())
                    points = {{b.frequenceKHz * 1e3, z[j].z}};
                for (const auto &[hz, zB] : points) {
                    const Nec::Complexe zC = Nec::impedance(
                        zB, x.echelle.z0, Nec::propagation(x.echelle, hz), w.centreCm() / 100.0);
                    partout = partout && Nec::accordableC(x, zC, hz);
                    if (nommee)
                        rosPire = std::max(rosPire, Nec::rosBoite(zC, e.boite.balun));
                }
            }
            QVERIFY2(partout == nommee, qPrintable(QStringLiteral("%1 m at %2 cm of window %3")
                                                       .arg(b.bande)
                                                       .arg(w.centreCm())
                                                       .arg(i + 1)));
        }
        if (regle != Longueurs::Regle::Graphe)
            QVERIFY2(std::abs(w.rosBoiteMax - rosPire) <= 1e-9 * rosPire,
                     qPrintable(QStringLiteral("%1 against %2").arg(w.rosBoiteMax).arg(rosPire)));
    }
}

// In a branch search, a branch 2 % shorter or longer is another branch of
// the grid: 11 branches from 20 to 21 m by 10 cm ask 19 decks, not 33.
void TstRecherche::brancheCalculeeUneFois()
{
    const Longueurs::Parametres p;
    const std::vector<Longueurs::Antennes> a =
        Longueurs::prepare(antenneDefaut(), p, Longueurs::Branches{2000, 2100, 10});
    QCOMPARE(a.size(), std::size_t(11));
    QCOMPARE(Longueurs::decks(a).size(), std::size_t(19));
    for (const Longueurs::Antennes &x : a)
        for (const Nec::Entrees &v : x.entrees)
            QCOMPARE(std::fmod(v.antenne.brancheCm + 1e-9, 10.0) < 1e-6, true);
}

// The ranking: the most bands only; then the widest; between equals the
// lowest worst SWR at the tuner, one without it after; then the shorter
// ladder, then the shorter branch; at most as many as asked.
void TstRecherche::rang()
{
    const double sans = std::numeric_limits<double>::infinity();
    const auto f = [](double branche, std::int32_t debut, std::int32_t fin, std::size_t bandes,
                      double ros) {
        Longueurs::Fenetre r;
        r.brancheCm = branche;
        r.debutCm = debut;
        r.finCm = fin;
        r.accordables.assign(bandes, 40);
        r.rosBoiteMax = ros;
        return r;
    };
    const std::vector<Longueurs::Fenetre> toutes{
        f(2062, 100, 199, 3, 2.0),                             // 0: wide, fewer bands: left out
        f(2062, 500, 519, 4, 3.0),                             // 1
        f(2062, 600, 619, 4, 1.5),                             // 2: as wide, lower SWR
        f(2062, 700, 719, 4, sans), f(2000, 800, 839, 4, 9.0), // 4: the widest
        f(2062, 450, 469, 4, 3.0),                             // 5: as 1, shorter ladder
        f(2050, 450, 469, 4, 3.0),                             // 6: as 5, shorter branch
        f(2062, 300, 304, 4, 1.0),
    };
    std::vector<std::int32_t> debuts;
    for (const Longueurs::Fenetre &r : Longueurs::classe(toutes, 6))
        debuts.push_back(r.debutCm * 10000 + static_cast<std::int32_t>(r.brancheCm));
    QCOMPARE(debuts,
             (std::vector<std::int32_t>{8002000, 6002062, 4502050, 4502062, 5002062, 7002062}));
}

// Neighbouring branches tuning the same bands over overlapping lengths are
// one window, its centre branch's (the widest there), with the run's ends;
// the first then said at an end of the ranges (branches 2000 to 2030 by 10,
// ladder 500 to 4000 cm) or not (-1). Windows "branch:from-to:bands".
void TstRecherche::regroupe_data()
{
    QTest::addColumn<QString>("fenetres");
    QTest::addColumn<QString>("attendu"); // "centre:from-to:first-last" and the ends
    QTest::newRow("trois") << "2000:800-839:40 20;2010:805-845:40 20;2020:810-850:40 20"
                           << "2010:805-845:2000-2020 2000 -1";
    QTest::newRow("un pas manque") << "2000:800-839:40;2020:810-850:40"
                                   << "2000:800-839:2000-2000;2020:810-850:2020-2020 2000 -1";
    QTest::newRow("autres bandes") << "2010:805-845:40 20;2020:810-850:40"
                                   << "2010:805-845:2010-2010;2020:810-850:2020-2020 -1 -1";
    QTest::newRow("deux au centre")
        << "2010:800-900:40;2020:800-840:40;2020:850-900:40;2030:820-880:40"
        << "2020:850-900:2010-2030 2030 -1";
    QTest::newRow("fin d'échelle") << "2010:3900-4000:40"
                                   << "2010:3900-4000:2010-2010 -1 4000";
}

void TstRecherche::regroupe()
{
    QFETCH(QString, fenetres);
    QFETCH(QString, attendu);
    std::vector<Longueurs::Fenetre> avant;
    for (const QString &t : fenetres.split(u';')) {
        const QStringList c = t.split(u':');
        Longueurs::Fenetre f;
        f.brancheCm = c[0].toDouble();
        f.debutCm = c[1].section(u'-', 0, 0).toInt();
        f.finCm = c[1].section(u'-', 1, 1).toInt();
        for (const QString &b : c[2].split(u' '))
            f.accordables.push_back(b.toInt());
        avant.push_back(f);
    }
    QStringList rendu;
    const auto apres = Longueurs::regroupe(avant, {2000, 2010, 2020, 2030});
    for (const Longueurs::Fenetre &f : apres)
        rendu << QStringLiteral("%1:%2-%3:%4-%5")
                     .arg(f.brancheCm)
                     .arg(f.debutCm)
                     .arg(f.finCm)
                     .arg(f.brancheMinCm)
                     .arg(f.brancheMaxCm);
    const Longueurs::Bord b =
        Longueurs::bord(apres.front(), {}, Longueurs::Branches{2000, 2035, 10});
    QCOMPARE(
        rendu.join(u';') +
            QStringLiteral(" %1 %2").arg(b.brancheCm.value_or(-1)).arg(b.echelleCm.value_or(-1)),
        attendu);
}

// The time left: 10 s for 40 of 100 frequencies on 2 runs is 0.5 s a
// frequency on one core; 60 more on 2 runs, 15 s, less what ran since.
void TstRecherche::estimation()
{
    using namespace Longueurs::Estimation;
    QCOMPARE(resteS({100, 40, 10, 12, 2}, 9).value_or(-1), 13.0); // its own pace first
    QCOMPARE(resteS({100, 40, 10, 10, 4}, 0).value_or(-1), 15.0); // 4 runs: 1 s
    QCOMPARE(resteS({100, 0, 0, 5, 2}, 0.5).value_or(-1), 20.0);  // the session's
    QCOMPARE(resteS({100, 0, 0, 5, 2}, 0).value_or(-1), -1.0);    // unknown
    QCOMPARE(resteS({100, 40, 10, 30, 2}, 0).value_or(-1), 0.0);  // late
    QCOMPARE(duree(1, 4, 0.5), 0.5);                              // one frequency, one run
}

QTEST_GUILESS_MAIN(TstRecherche)
#include "tst_recherche.moc"
