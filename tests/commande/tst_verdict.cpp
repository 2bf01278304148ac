#include "BandesLivrees.h"
#include "commande/CommandeBoite.h"
#include "commande/CommandeDiagrammes.h"
#include "commande/CommandeLongueurs.h"
#include "commande/CommandeNec.h"
#include "regles/TextesMoteur.h"
#include "regles/TextesRayonnement.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

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

// What the stand-in nec2c does wrong at 14.1 MHz, 20 m's own frequency.
enum class Faute { Aucune, ResistanceNegative, Manquante, Coupe, GainNan, Deplace, Enorme };

// One answer per FR card, with a pattern of every direction its RP cards ask.
std::vector<Nec::ImpedanceB> repond(const QByteArray &deck, Faute faute)
{
    std::vector<Nec::ImpedanceB> r;
    for (const QByteArray &l : deck.split('\n')) {
        const QList<QByteArray> c = l.simplified().split(' ');
        const bool fautive = !r.empty() && r.back().frequenceMHz == 14.1;
        if (c[0] == "FR") {
            const double f = c[5].toDouble();
            r.push_back({f, {60 + 3 * f, 40 - 2 * f}, f == 14.1 && faute == Faute::Manquante});
            if (f == 14.1 && faute == Faute::ResistanceNegative)
                r.back().z = {-20, 5};
            if (f == 14.1 && faute == Faute::Enorme) // finite, beyond any ladder's reach
                r.back().z = {1e300, 1e300};
        } else if (c[0] == "RP") {
            auto d = std::make_shared<Nec::Diagramme>(r.back().diagramme ? *r.back().diagramme
                                                                         : Nec::Diagramme());
            for (int i = 0; i < c[2].toInt(); ++i)
                for (int j = 0; j < c[3].toInt(); ++j) {
                    const double theta = c[5].toDouble() + i * c[7].toDouble();
                    Nec::PointGain p{theta, c[6].toDouble() + j * c[8].toDouble(), theta / 20};
                    if (fautive && theta == 80 && p.phi == 90) { // 10 degrees up, broadside
                        p.gainDbi = faute == Faute::GainNan ? NAN : p.gainDbi;
                        p.phi = faute == Faute::Deplace ? 91 : p.phi; // as many, one off the cuts
                    }
                    if (!fautive || faute != Faute::Coupe || d->points.size() < 100)
                        d->points.push_back(p);
                }
            d->gainMoyen = 0.8;
            r.back().diagramme = d;
        }
    }
    return r;
}

// The command's exit status, table and error stream.
std::tuple<int, QString, QString> execute(const QString &commande, Faute faute)
{
    const FichierBandes::Table bandes = bandesLivrees();
    const auto table = [&] { return bandes; };
    QString sortie, erreurs;
    QTextStream s(&sortie), e(&erreurs);
    const QStringList arguments = commande.split(u' ') + QStringList{"--bandes", "40,20,15"};
    const auto calcule = [faute](const QByteArray &d, int, double) -> Nec::Bilan {
        return repond(d, faute);
    };
    const auto calculeTous = [faute](const std::vector<QByteArray> &decks, double) {
        std::vector<std::vector<Nec::ImpedanceB>> z;
        for (const QByteArray &d : decks)
            z.push_back(repond(d, faute));
        return Nec::ExecutionNec::Bilans(z);
    };
    const int code =
        commande == "--nec"         ? Nec::ligneCommande(arguments, table, s, e, calcule)
        : commande == "--boite"     ? Nec::ligneCommandeBoite(arguments, table, s, e, calcule)
        : commande == "--longueurs" ? Longueurs::ligneCommande(arguments, table, s, e, calculeTous)
                                    : Rayonnement::ligneCommande(arguments, table, s, e, calcule);
    s.flush();
    e.flush();
    return {code, sortie, erreurs};
}

} // namespace

void TstVerdict::memeVerdict_data()
{
    QTest::addColumn<int>("faute");
    QTest::addColumn<QString>("raison"); // of 20 m, left out; none when kept
    QTest::addColumn<bool>("diagrammesSeuls");
    // The default ground: 23 rows of 46 azimuths, and two cuts of 91 elevations.
    const int directions = 23 * 46 + 2 * 91;
    const std::tuple<const char *, Faute, QString, bool> lignes[]{
        {"rien", Faute::Aucune, QString(), false},
        {"résistance négative", Faute::ResistanceNegative,
         Textes::NecResistanceNonPhysique().arg("14.1", "-20"), false},
        {"fréquence manquante", Faute::Manquante, Textes::NecSansReponse().arg("14.1"), false},
        {"diagramme coupé à 100 lignes", Faute::Coupe,
         Textes::DiagrammeIncomplet().arg("14.1").arg(100).arg(directions), true},
        {"gain NaN", Faute::GainNan, Textes::DiagrammeNonFini().arg("14.1"), true},
        {"direction déplacée", Faute::Deplace, Textes::ValeurNonFinie(), true},
        {"valeurs le long de l'échelle hors d'atteinte", Faute::Enorme, Textes::NecLigneNonFinie(),
         false}};
    for (const auto &[nom, faute, raison, seuls] : lignes)
        QTest::newRow(nom) << int(faute) << raison << seuls;
}

void TstVerdict::memeVerdict()
{
    QFETCH(int, faute);
    QFETCH(QString, raison);
    QFETCH(bool, diagrammesSeuls);
    for (const QString commande :
         {"--nec", "--boite", "--longueurs", "--diagrammes", "--diagrammes --points-diagramme"}) {
        const auto [code, sortie, erreurs] = execute(commande, static_cast<Faute>(faute));
        const bool ecartee = !raison.isEmpty() && (commande.contains("diag") || !diagrammesSeuls);
        using R = QRegularExpression;
        // A band's rows start with its name; --longueurs lists windows.
        const bool bandes = commande != "--longueurs";
        const QList<int> vu{sortie.contains(R("nan|inf", R::CaseInsensitiveOption)),
                            sortie.contains(R("^40,", R::MultilineOption)),
                            sortie.contains(R("^20,", R::MultilineOption)), code};
        QVERIFY2(vu == (QList<int>{false, bandes, !ecartee && bandes, ecartee}),
                 qPrintable(commande)); // nan or inf, 40 m, 20 m, exit code
        const QString ligne =
            (commande == "--longueurs" ? Textes::BandeEcartee() : Textes::BandeEchouee())
                .arg(20)
                .arg(raison);
        QCOMPARE(erreurs, ecartee ? ligne + u'\n' : QString());
    }
}

QTEST_GUILESS_MAIN(TstVerdict)
#include "tst_verdict.moc"
