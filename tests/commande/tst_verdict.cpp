#include "commande/CommandeBoite.h"
#include "commande/CommandeDiagrammes.h"
#include "commande/CommandeLongueurs.h"
#include "commande/CommandeNec.h"
#include "nec/Modele.h"
#include "regles/TextesMoteur.h"
#include "regles/TextesRayonnement.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <limits>

// The commands that compute the check's antenna judge its bands alike: on the
// same answers of a doctored nec2c, each leaves out the same bands with the
// same reasons, exit status 1, and none writes "nan" or "inf".
class TstVerdict : public QObject {
    Q_OBJECT
private slots:
    void memeVerdict_data();
    void memeVerdict();
};

namespace {

FichierBandes::Table bandesLivrees()
{
    QFile f(QStringLiteral(KESU_INI_LIVRE));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing %s", KESU_INI_LIVRE);
    return FichierBandes::lit(f.readAll());
}

const FichierBandes::Table Bandes = bandesLivrees();
constexpr double Nan = std::numeric_limits<double>::quiet_NaN();

// What the stand-in does wrong at 14.1 MHz, 20 m's own frequency.
enum class Faute { Aucune, ResistanceNegative, Manquante, ImpedanceNan, Coupe, GainNan, Deplace };
constexpr double FrequenceFautive = 14.1;

// A stand-in nec2c: one answer per FR card, a pattern of every direction its
// RP cards ask (a lobe at 30 degrees of elevation), then the fault.
std::vector<Nec::ImpedanceB> repond(const QByteArray &deck, Faute faute)
{
    std::vector<Nec::ImpedanceB> r;
    for (const QByteArray &l : deck.split('\n')) {
        const QList<QByteArray> c = l.simplified().split(' ');
        if (c[0] == "FR") {
            const double f = c[5].toDouble();
            r.push_back({f, {60 + 3 * f, 40 - 2 * f}});
            r.back().perteFilPct = 1;
        } else if (c[0] == "RP" && !r.empty()) {
            auto d = std::make_shared<Nec::Diagramme>(r.back().diagramme ? *r.back().diagramme
                                                                         : Nec::Diagramme());
            for (int i = 0; i < c[2].toInt(); ++i)
                for (int j = 0; j < c[3].toInt(); ++j) {
                    const double theta = c[5].toDouble() + i * c[7].toDouble();
                    const double phi = c[6].toDouble() + j * c[8].toDouble();
                    d->points.push_back({theta, phi, 7 - std::abs(60 - theta) / 8 - phi / 90});
                }
            d->gainMoyen = 0.8;
            r.back().diagramme = d;
        }
    }
    for (Nec::ImpedanceB &z : r) {
        if (std::abs(z.frequenceMHz - FrequenceFautive) > 1e-9)
            continue;
        auto d = z.diagramme ? std::make_shared<Nec::Diagramme>(*z.diagramme) : nullptr;
        // The direction 10 degrees above the horizon, broadside.
        const auto dix = [&]() -> Nec::PointGain & {
            for (Nec::PointGain &p : d->points)
                if (p.theta == 80 && p.phi == 90)
                    return p;
            qFatal("no direction at 10 degrees");
        };
        if (faute == Faute::ResistanceNegative)
            z.z = {-20, 5};
        else if (faute == Faute::Manquante)
            z = {z.frequenceMHz, {Nan, Nan}, true};
        else if (faute == Faute::ImpedanceNan)
            z.z = {Nan, 12};
        else if (d && faute == Faute::Coupe)
            d->points.resize(100);
        else if (d && faute == Faute::GainNan)
            dix().gainDbi = Nan;
        else if (d && faute == Faute::Deplace)
            dix().phi = 91; // the count is right, a cut lacks its point
        if (d)
            z.diagramme = d;
    }
    return r;
}

struct Execution {
    int code = -1;
    QString sortie;
    QString erreurs;
};

Execution execute(const QString &commande, Faute faute)
{
    Execution r;
    QTextStream s(&r.sortie);
    QTextStream e(&r.erreurs);
    // --points-diagramme is an option of --diagrammes.
    const QStringList arguments =
        QStringList{commande == "--points-diagramme" ? "--diagrammes" : commande, "--bandes",
                    "40,20,15"} +
        QStringList{commande}.filter("points");
    const auto table = [] { return Bandes; };
    const auto calcule = [faute](const QByteArray &deck, int, double) -> Nec::Bilan {
        return repond(deck, faute);
    };
    if (commande == "--nec")
        r.code = Nec::ligneCommande(arguments, table, s, e, calcule);
    else if (commande == "--boite")
        r.code = Nec::ligneCommandeBoite(arguments, table, s, e, calcule);
    else if (commande == "--longueurs")
        r.code = Longueurs::ligneCommande(
            arguments, table, s, e,
            [faute](const std::vector<QByteArray> &decks, double) -> Nec::ExecutionNec::Bilans {
                std::vector<std::vector<Nec::ImpedanceB>> z;
                for (const QByteArray &d : decks)
                    z.push_back(repond(d, faute));
                return z;
            });
    else
        r.code = Rayonnement::ligneCommande(arguments, table, s, e, calcule);
    s.flush();
    e.flush();
    return r;
}

// The bands a table holds rows of (its first column), or those a list of
// windows names.
QSet<QString> bandesEcrites(const QString &commande, const QString &sortie)
{
    QSet<QString> r;
    const QStringList lignes = sortie.split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lignes.size(); ++i) {
        const QStringList c = lignes[i].split(u',');
        if (commande == "--longueurs")
            for (const QString &b : (c[6] + u' ' + c[7]).split(u' ', Qt::SkipEmptyParts))
                r.insert(b);
        else
            r.insert(c[0]);
    }
    return r;
}

} // namespace

void TstVerdict::memeVerdict_data()
{
    QTest::addColumn<int>("faute");
    QTest::addColumn<QString>("raison"); // of 20 m, left out; none when kept
    QTest::addColumn<bool>("diagrammesSeuls");
    // The default ground: 23 rows of 46 azimuths, and two cuts of 91 elevations.
    const int directions = 23 * 46 + 2 * 91;
    QTest::newRow("rien") << int(Faute::Aucune) << QString() << false;
    QTest::newRow("résistance négative")
        << int(Faute::ResistanceNegative) << Textes::NecResistanceNonPhysique().arg("14.1", "-20")
        << false;
    QTest::newRow("fréquence manquante")
        << int(Faute::Manquante) << Textes::NecSansReponse().arg("14.1") << false;
    QTest::newRow("impédance NaN")
        << int(Faute::ImpedanceNan) << Textes::NecImpedanceNonFinie().arg("14.1") << false;
    QTest::newRow("diagramme coupé à 100 lignes")
        << int(Faute::Coupe) << Textes::DiagrammeIncomplet().arg("14.1").arg(100).arg(directions)
        << true;
    QTest::newRow("gain NaN") << int(Faute::GainNan) << Textes::DiagrammeNonFini().arg("14.1")
                              << true;
    QTest::newRow("direction déplacée") << int(Faute::Deplace) << Textes::ValeurNonFinie() << true;
}

void TstVerdict::memeVerdict()
{
    QFETCH(int, faute);
    QFETCH(QString, raison);
    QFETCH(bool, diagrammesSeuls);
    const QRegularExpression nonFini(QStringLiteral("nan|inf"),
                                     QRegularExpression::CaseInsensitiveOption);
    for (const QString commande :
         {"--nec", "--boite", "--longueurs", "--diagrammes", "--points-diagramme"}) {
        const Execution x = execute(commande, static_cast<Faute>(faute));
        const bool diagrammes = commande.contains("diagramme");
        const bool ecartee = !raison.isEmpty() && (diagrammes || !diagrammesSeuls);
        const QString quoi = commande + u' ' + x.erreurs;
        QVERIFY2(!x.sortie.contains(nonFini), qPrintable(quoi));
        QVERIFY2(x.sortie.count(u'\n') > 1 || commande == "--longueurs", qPrintable(quoi));
        QCOMPARE(bandesEcrites(commande, x.sortie).contains("20"), !ecartee);
        QVERIFY2(bandesEcrites(commande, x.sortie).contains("40"), qPrintable(quoi));
        QCOMPARE(x.code, ecartee ? 1 : 0);
        const QString ligne =
            (commande == "--longueurs" ? Textes::BandeEcartee() : Textes::BandeEchouee())
                .arg(20)
                .arg(raison) +
            u'\n';
        QCOMPARE(x.erreurs, ecartee ? ligne : QString());
    }
}

QTEST_GUILESS_MAIN(TstVerdict)
#include "tst_verdict.moc"
