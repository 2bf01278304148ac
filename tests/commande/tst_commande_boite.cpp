#include "BandesLivrees.h"
#include "commande/CommandeBoite.h"
#include "nec/Nombres.h"
#include "nec/TexteReseau.h"
#include "regles/Defauts.h"
#include "regles/TextesBoite.h"
#include "regles/TextesLigne.h"
#include "regles/TextesNec.h"
#include "reseau/Circuit.h"

#include <QFile>
#include <QTest>
#include <cmath>
#include <numbers>

namespace {

struct Execution {
    int code;
    QList<QStringList> lignes;
    QString erreurs;
};

// kesu --boite with a stand-in nec2c answering 20 + 15 k - j 40 k ohms at B
// for the k-th frequency asked.
Execution execute(const QStringList &options)
{
    Execution r{};
    QString sortie;
    QTextStream s(&sortie);
    QTextStream e(&r.erreurs);
    const auto calcule = [](const QByteArray &, int n, double) -> Nec::Bilan {
        std::vector<Nec::ImpedanceB> z;
        for (int k = 0; k < n; ++k)
            z.push_back({0, {20.0 + 15 * k, -40.0 * k}});
        return z;
    };
    const FichierBandes::Table table = bandesLivrees();
    r.code = Nec::ligneCommandeBoite(
        QStringList{"--boite"} + options, [&] { return table; }, s, e, calcule);
    s.flush();
    e.flush();
    for (const QString &l : sortie.split(u'\n', Qt::SkipEmptyParts))
        r.lignes << l.split(u',');
    return r;
}

} // namespace

class TstCommandeBoite : public QObject {
    Q_OBJECT
private slots:
    void tableau_data();
    void tableau();
    void refus_data();
    void refus();
    void limites_data();
    void limites();
};

// Every row's printed parts, put back into the circuit with the load behind
// the balun, match 50 ohms (SWR within 1.2) and lose what the row says; a row
// that serves names no limit, one that does not names one.
void TstCommandeBoite::tableau_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("reseaux");
    QTest::newRow("T par défaut") << QStringList{} << QStringList{"t"};
    QTest::newRow("L") << QStringList{"--reseau", "l"} << QStringList{"l-emetteur", "l-antenne"};
    QTest::newRow("critère reseau-l, 1:1") << QStringList{"--classe", "reseau-l", "--balun", "1"}
                                           << QStringList{"l-emetteur", "l-antenne"};
    // A typed C max holds for an L too, whose own default is larger.
    QTest::newRow("L, C max 300 pF")
        << QStringList{"--reseau", "l", "--c-max", "300"} << QStringList{"l-emetteur", "l-antenne"};
    QTest::newRow("T, pièces réelles à 400 W")
        << QStringList{"--q-bobine", "80",  "--q-condensateur", "500", "--puissance", "400",
                       "--c-max",    "500", "--l-max",          "40"}
        << QStringList{"t"};
}

void TstCommandeBoite::tableau()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, reseaux);
    const Execution e = execute(options);
    QCOMPARE(e.code, 0);
    QCOMPARE(e.lignes.front().join(u','),
             QStringLiteral("bande,frequence_khz,r_c,x_c,reseau,c1_pf,l_uh,c2_pf,perte_boite_db,"
                            "puissance_bobine_w,tension_c1_v,tension_c2_v,courant_bobine_a,"
                            "accordable,limite,valeur_requise,en_butee"));
    Reseau::Pieces p;
    const auto option = [&](const char *nom, double defaut) {
        const qsizetype i = options.indexOf(QString::fromLatin1(nom));
        return i < 0 ? defaut : options[i + 1].toDouble();
    };
    p.qBobine = option("--q-bobine", p.qBobine);
    p.qCondensateur = option("--q-condensateur", p.qCondensateur);
    p.puissanceW = option("--puissance", p.puissanceW);
    const double balun = option("--balun", Defauts::Balun);
    const double cMax =
        option("--c-max", reseaux.contains("t") ? Defauts::CMaxPfT : Defauts::CMaxPfL);
    // Eight bands, each at its reference frequency and its plan's points.
    QVERIFY(e.lignes.size() > 8 * 2);
    int servent = 0;
    for (qsizetype i = 1; i < e.lignes.size(); ++i) {
        const QStringList &l = e.lignes[i];
        QCOMPARE(l.size(), 17);
        QVERIFY2(reseaux.contains(l[4]), qPrintable(l[4]));
        QCOMPARE(l[14].isEmpty(), l[13] == "1");
        // A value needed only where a part is in the way, beyond its end.
        if (!l[15].isEmpty()) {
            const bool bobine = l[14].startsWith(u'l');
            const bool min = l[14].endsWith(QStringLiteral("min"));
            const double borne =
                bobine ? (min ? Defauts::LMinUh : Defauts::LMaxUh) : (min ? Defauts::CMinPf : cMax);
            QVERIFY2(min ? l[15].toDouble() < borne : l[15].toDouble() > borne,
                     qPrintable(l.join(u',')));
        }
        // The parts at an end of their range, as printed.
        const QStringList butees = l[16].split(u'+', Qt::SkipEmptyParts);
        const std::pair<int, const char *> parties[] = {{5, "c1"}, {6, "l"}, {7, "c2"}};
        for (const auto &[colonne, nom] : parties) {
            if (l[colonne].isEmpty())
                continue;
            const bool bobine = colonne == 6;
            const double v = l[colonne].toDouble();
            const double pas = bobine ? 0.0005 : 0.005;
            const QString n = QString::fromLatin1(nom);
            const auto au = [&](double borne) { return std::abs(v - borne) <= pas; };
            QCOMPARE(butees.contains(n + QStringLiteral("-min")),
                     au(bobine ? Defauts::LMinUh : Defauts::CMinPf));
            QCOMPARE(butees.contains(n + QStringLiteral("-max")),
                     au(bobine ? Defauts::LMaxUh : cMax));
        }
        if (l[5].isEmpty() && l[7].isEmpty())
            continue; // no setting in range
        const double w = 2 * std::numbers::pi * l[1].toDouble() * 1e3;
        const Reseau::Complexe z(l[2].toDouble() / balun, l[3].toDouble() / balun);
        using Reseau::Element, Reseau::Genre, Reseau::Place;
        const Element bobine{Genre::Bobine, l[4] == "t" ? Place::Derivation : Place::Serie,
                             l[6].toDouble() * 1e-6};
        std::vector<Element> c;
        if (l[4] == "t")
            c = {{Genre::Condensateur, Place::Serie, l[5].toDouble() * 1e-12},
                 bobine,
                 {Genre::Condensateur, Place::Serie, l[7].toDouble() * 1e-12}};
        else if (l[4] == "l-emetteur")
            c = {{Genre::Condensateur, Place::Derivation, l[5].toDouble() * 1e-12}, bobine};
        else
            c = {bobine, {Genre::Condensateur, Place::Derivation, l[7].toDouble() * 1e-12}};
        QCOMPARE(l[4] == "l-emetteur", l[7].isEmpty());
        const Reseau::Analyse a = Reseau::analyse(c.data(), static_cast<int>(c.size()), z, w, p);
        QVERIFY2(Reseau::rosSur50(a.zEntree) <= Reseau::RosAccord, qPrintable(l.join(u',')));
        QVERIFY2(std::abs(a.perteDb - l[8].toDouble()) < 0.01, qPrintable(l.join(u',')));
        // Each part's figures in its own column, at the user's power (to 1 %:
        // the circuit is rebuilt from the parts as rounded in print).
        const std::size_t b = l[4] == "l-antenne" ? 0 : 1;
        const auto egal = [&](int colonne, double attendu, double pas) {
            QVERIFY2(std::abs(l[colonne].toDouble() - attendu) <= pas / 2 + 0.01 * attendu,
                     qPrintable(QStringLiteral("%1 : %2").arg(colonne).arg(l.join(u','))));
        };
        egal(9, a.puissanceW[b], 0.01);
        egal(12, a.courantA[b], 0.001);
        if (l[4] != "l-antenne")
            egal(10, a.tensionCreteV[0], 1);
        if (l[4] != "l-emetteur")
            egal(11, a.tensionCreteV[l[4] == "t" ? 2 : 1], 1);
        for (const int colonne : {5, 7})
            QVERIFY(l[colonne].isEmpty() || l[colonne].toDouble() <= cMax + 0.005);
        servent += l[13] == "1";
    }
    QVERIFY(servent > 0);
}

// The parts' values checked as every other input: refused at once, exit 2.
void TstCommandeBoite::refus_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");
    QTest::newRow("C min above C max")
        << QStringList{"--c-min", "300"} << Textes::NecPiecesOrdre().arg("Capacité maximale (pF)");
    QTest::newRow("no power") << QStringList{"--puissance", "0"}
                              << Textes::NecHorsPlage().arg(
                                     "Puissance de l'émetteur (W)", "0",
                                     Nec::texteLisible(Defauts::PlagePuissanceW.min),
                                     Nec::texteLisible(Defauts::PlagePuissanceW.max));
    QTest::newRow("unknown network")
        << QStringList{"--reseau", "pi"}
        << Textes::NecValeurIncorrecteAttendu().arg("--reseau", "pi", "t ou l");
}

void TstCommandeBoite::refus()
{
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    const Execution e = execute(options);
    QCOMPARE(e.code, 2);
    QVERIFY(e.lignes.isEmpty());
    QCOMPARE(e.erreurs, message + u'\n');
}

// The part in the way, named as the file and the window name it.
void TstCommandeBoite::limites_data()
{
    using L = Reseau::Limite;
    QTest::addColumn<int>("limite");
    QTest::addColumn<int>("montage");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    const int t = int(Reseau::Montage::T);
    const auto sous = [](const QString &p) { return Textes::LimiteSousMin().arg(p); };
    const auto sur = [](const QString &p) { return Textes::LimiteSurMax().arg(p); };
    QTest::newRow("C1 min") << int(L::C1Min) << t << "c1-min" << sous("C1");
    QTest::newRow("C1 max") << int(L::C1Max) << t << "c1-max" << sur("C1");
    QTest::newRow("L min") << int(L::LMin) << t << "l-min" << sous(Textes::PieceSelf());
    QTest::newRow("L max") << int(L::LMax) << t << "l-max" << sur(Textes::PieceSelf());
    QTest::newRow("C2 min") << int(L::C2Min) << t << "c2-min" << sous("C2");
    QTest::newRow("C2 max") << int(L::C2Max) << t << "c2-max" << sur("C2");
    QTest::newRow("L, C on the antenna's side")
        << int(L::C2Max) << int(Reseau::Montage::CCoteAntenne) << "c2-max"
        << sur(Textes::PieceCCoteAntenne());
    QTest::newRow("loss") << int(L::Perte) << t << "perte" << Textes::LimitePerte();
    // With the value it would need, in the part's unit, to four figures.
    QTest::newRow("C max, 1068 pF needed")
        << int(L::C1Max) << int(Reseau::Montage::CCoteEmetteur) << "c1-max"
        << Textes::LimiteRequiseMax().arg(sur(Textes::PieceCCoteEmetteur()), "1068 pF", "1000 pF");
    QTest::newRow("L min, 0.05 µH needed")
        << int(L::LMin) << t << "l-min"
        << Textes::LimiteRequiseMin().arg(sous(Textes::PieceSelf()), "0.04321 µH", "0.5 µH");
    QTest::newRow("serves") << int(L::Aucune) << t << ""
                            << "";
}

void TstCommandeBoite::limites()
{
    QFETCH(int, limite);
    QFETCH(int, montage);
    Reseau::Reglage r;
    r.limite = static_cast<Reseau::Limite>(limite);
    r.montage = static_cast<Reseau::Montage>(montage);
    if (QByteArray(QTest::currentDataTag()).contains("needed")) {
        const bool c = r.limite == Reseau::Limite::C1Max;
        r.valeurRequise = c ? 1067.8 : 0.043214;
        r.valeurBorne = c ? 1000 : 0.5;
    }
    QTEST(Nec::nomLimite(r.limite), "nom");
    QTEST(Nec::texteLimite(r), "texte");
}

QTEST_GUILESS_MAIN(TstCommandeBoite)
#include "tst_commande_boite.moc"
