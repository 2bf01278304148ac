#include "BandesLivrees.h"
#include "commande/CommandeNec.h"
#include "nec/Ligne.h"
#include "nec/Moteur.h"
#include "nec/Nombres.h"
#include "projet/FichierProjet.h"
#include "regles/Defauts.h"
#include "regles/Erreurs.h"
#include "regles/TextesAjustement.h"
#include "regles/TextesLigne.h"
#include "regles/TextesMesure.h"
#include "regles/TextesMoteur.h"
#include "regles/TextesNec.h"
#include "regles/TextesProjet.h"
#include "regles/Version.h"
#include <QFileInfo>

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>

using Nec::ImpedanceB;

namespace {

const FichierBandes::Table Bandes = bandesLivrees();

struct Execution {
    int code;
    QString sortie;
    QString erreurs;
    QByteArray deck; // what the calculator was given
    bool tableLue;   // the band table was asked for
};

// Runs the command line with a calculator that answers 100 + 10 k - j 50 k
// ohms for the k-th frequency asked, or a failure when given one.
// A stand-in nec2c: every frequency answered, but `negative` (an index among
// them) with a negative resistance, or the whole run failing with `panne`.
Execution execute(const QStringList &options, const QString &panne = {}, int negative = -1)
{
    Execution r{};
    QTextStream sortie(&r.sortie);
    QTextStream erreurs(&r.erreurs);
    const auto calcule = [&](const QByteArray &deck, int n, double) -> Nec::Bilan {
        r.deck = deck;
        if (!panne.isEmpty())
            return panne;
        std::vector<ImpedanceB> z;
        for (int k = 0; k < n; ++k)
            z.push_back({0, {k == negative ? -160.71 : 100.0 + 10 * k, -50.0 * k}});
        return z;
    };
    const auto bandes = [&] {
        r.tableLue = true;
        return Bandes;
    };
    r.code = Nec::ligneCommande(QStringList{"--nec"} + options, bandes, sortie, erreurs, calcule);
    sortie.flush();
    erreurs.flush();
    return r;
}

// --nec on 40 m through a real engine, or a program standing in for one.
Execution avecMoteur(const QString &moteur, const QStringList &options)
{
    Execution r{};
    QTextStream sortie(&r.sortie);
    QTextStream erreurs(&r.erreurs);
    r.code = Nec::ligneCommande(QStringList{"--nec", "--bandes", "40"} + options, Bandes, sortie,
                                erreurs, [&](const QByteArray &d, int n, double s) {
                                    return Nec::ExecutionNec::executeBloquant(d, n, moteur, s);
                                });
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
    void memesEntrees_data();
    void memesEntrees();
    void defautsDeLAide_data();
    void defautsDeLAide();
    void programme_data();
    void programme();
    void echecNec();
    void bandeNonPhysique();
    void classeBoite();
    void moteurFautif();
    void moteurNonVerifie();
    void impedanceEnCSuitLaLigne();
    void rosSuitImpedanceEnC();
    void pointDecimalSousLocaleFrancaise();
    void projetEnregistre();
    void argumentsDuProjet_data();
    void argumentsDuProjet();
    void taches_data();
    void taches();
};

void TstLigneCommande::colonnes()
{
    const Execution e = execute({});
    QCOMPARE(e.code, 0);
    QVERIFY(e.erreurs.isEmpty());
    const auto l = lignes(e.sortie);
    QCOMPARE(l.size(), 9);
    QCOMPARE(l[0].join(u','), "bande,frequence_khz,r_b,x_b,r_c,x_c,module_c,ros,accordable_nec,"
                              "accordable_graphe,accordable_bande,ros_boite,ros_boite_max_bande,"
                              "perte_db,rendement_pct,libre_a_tort_pct,interdit_a_tort_pct");
    for (qsizetype i = 1; i < l.size(); ++i) {
        QCOMPARE(l[i].size(), 17);
        QCOMPARE(l[i][0].toInt(), Bandes[i - 1].Bande);
        QCOMPARE(l[i][1].toInt(), Bandes[i - 1].Frequence);
        QCOMPARE(valeur(l[i][2]), 100.0 + 10 * (i - 1));
        for (int b : {8, 9, 10})
            QVERIFY(l[i][b] == "0" || l[i][b] == "1");
        for (int p : {14, 15, 16}) {
            QCOMPARE_GE(valeur(l[i][p]), 0.0);
            QCOMPARE_LE(valeur(l[i][p]), 100.0);
        }
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
    QTest::newRow("region 2, three points on 80 m")
        << QStringList{"--region", "2", "--points", "3", "--bandes", "80"}
        << QStringList{"FR 0 1 0 0 3.65 0\nXQ\nFR 0 1 0 0 3.5 0\nXQ\nFR 0 1 0 0 3.75 0\nXQ\n"
                       "FR 0 1 0 0 4 0\nXQ\nEN"};
    QTest::newRow("free space") << QStringList{"--sol", "libre"}
                                << QStringList{"GW 1 1 -0.0125 0 0 0.0125 0 0 0.001", "GE 0"};
    QTest::newRow("aluminium wire")
        << QStringList{"--fil", "ALUMINIUM"} << QStringList{"LD 5 0 0 0 3.5e+07\nEX"};
    QTest::newRow("feed spacing, inverted V at its apex")
        << QStringList{"--ecartement=50", "--forme", "V", "--angle", "120", "--hauteur", "14"}
        << QStringList{"GW 1 1 -0.025 0 14 0.025 0 14 0.001"};
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
    QTest::addColumn<bool>("avantBandes"); // told before the band table is read
    QTest::newRow("unknown option")
        << QStringList{"--longueur", "3"} << Textes::NecOptionInconnue().arg("--longueur") << true;
    QTest::newRow("missing value")
        << QStringList{"--z0"} << Textes::NecValeurManquante().arg("--z0") << true;
    QTest::newRow("not a number") << QStringList{"--z0", "abc"}
                                  << Textes::NecValeurIncorrecte().arg("--z0", "abc") << true;
    QTest::newRow("fractional cm") << QStringList{"--echelle", "30.5"}
                                   << Textes::NecValeurIncorrecteAttendu().arg(
                                          "--echelle", "30.5", "un nombre entier de centimètres")
                                   << true;
    QTest::newRow("fractional branch")
        << QStringList{"--branche=2000.5"}
        << Textes::NecValeurIncorrecteAttendu().arg("--branche", "2000.5",
                                                    "un nombre entier de centimètres")
        << true;
    QTest::newRow("no run") << QStringList{"--taches", "0"}
                            << Textes::NecHorsPlage().arg("--taches", "0", "1", "64") << true;
    QTest::newRow("too many runs")
        << QStringList{"--taches", "65"} << Textes::NecHorsPlage().arg("--taches", "65", "1", "64")
        << true;
    QTest::newRow("half a run") << QStringList{"--taches", "1.5"}
                                << Textes::NecValeurIncorrecteAttendu().arg("--taches", "1.5",
                                                                            "un nombre entier")
                                << true;
    QTest::newRow("unknown ground")
        << QStringList{"--sol", "sable"}
        << Textes::NecValeurIncorrecteAttendu().arg(
               "--sol", "sable", "libre, pauvre, moyen, bon, mer, parfait ou personnalise")
        << true;
    QTest::newRow("unknown class")
        << QStringList{"--classe", "forte"}
        << Textes::NecValeurIncorrecteAttendu().arg(
               "--classe", "forte", "basse, moyenne, haute, boite, reseau-t ou reseau-l")
        << true;
    QTest::newRow("unknown band") << QStringList{"--bandes", "80,60"}
                                  << Textes::NecBandeInconnue().arg("60") << false;
    // Each input within its physical range: refused at once, naming it.
    QTest::newRow("zero diameter")
        << QStringList{"--diametre", "0"}
        << Textes::NecHorsPlage().arg("Diamètre du fil (mm)", "0",
                                      Nec::texteLisible(Defauts::PlageDiametreMm.min),
                                      Nec::texteLisible(Defauts::PlageDiametreMm.max))
        << true;
    QTest::newRow("10 nm wire") << QStringList{"--diametre", "0.00001"}
                                << Textes::NecHorsPlage().arg(
                                       "Diamètre du fil (mm)", "1e-05",
                                       Nec::texteLisible(Defauts::PlageDiametreMm.min),
                                       Nec::texteLisible(Defauts::PlageDiametreMm.max))
                                << true;
    QTest::newRow("1e62 dB of loss")
        << QStringList{"--perte", "1e62"}
        << Textes::NecHorsPlage().arg("Perte de l'échelle (dB/100 m à 10 MHz)", "1e+62",
                                      Nec::texteLisible(Defauts::PlagePerteDb100m.min),
                                      Nec::texteLisible(Defauts::PlagePerteDb100m.max))
        << true;
    QTest::newRow("10 000 km of ladder")
        << QStringList{"--echelle", "1000000000"}
        << Textes::NecHorsPlage().arg("Longueur de l'échelle (cm)", "1000000000",
                                      Nec::texteLisible(Defauts::PlageEchelleCm.min),
                                      Nec::texteLisible(Defauts::PlageEchelleCm.max))
        << true;
    QTest::newRow("Z0 of a megohm")
        << QStringList{"--z0", "1e6"}
        << Textes::NecHorsPlage().arg("Impédance Z0 (Ω)", "1000000",
                                      Nec::texteLisible(Defauts::PlageZ0Ohms.min),
                                      Nec::texteLisible(Defauts::PlageZ0Ohms.max))
        << true;
    QTest::newRow("Z0 of 1e300") << QStringList{"--z0", "1e300"}
                                 << Textes::NecHorsPlage().arg(
                                        "Impédance Z0 (Ω)", "1e+300",
                                        Nec::texteLisible(Defauts::PlageZ0Ohms.min),
                                        Nec::texteLisible(Defauts::PlageZ0Ohms.max))
                                 << true;
    QTest::newRow("1000 km high") << QStringList{"--hauteur", "1e6"}
                                  << Textes::NecHorsPlage().arg(
                                         "Hauteur (m)", "1000000",
                                         Nec::texteLisible(Defauts::PlageHauteurM.min),
                                         Nec::texteLisible(Defauts::PlageHauteurM.max))
                                  << true;
    QTest::newRow("wire thicker than the branch")
        << QStringList{"--branche", "10", "--diametre", "100"}
        << Textes::NecHorsPlage().arg("Diamètre du fil (mm)", "100",
                                      Nec::texteLisible(Defauts::PlageDiametreMm.min),
                                      Nec::texteLisible(Defauts::PlageDiametreMm.max))
        << true;
    QTest::newRow("height 0 over ground")
        << QStringList{"--hauteur", "0"}
        << Textes::NecHorsPlage().arg("Hauteur (m)", "0",
                                      Nec::texteLisible(Defauts::PlageHauteurM.min),
                                      Nec::texteLisible(Defauts::PlageHauteurM.max))
        << true;
    QTest::newRow("negative Z0") << QStringList{"--z0", "-450"}
                                 << Textes::NecHorsPlage().arg(
                                        "Impédance Z0 (Ω)", "-450",
                                        Nec::texteLisible(Defauts::PlageZ0Ohms.min),
                                        Nec::texteLisible(Defauts::PlageZ0Ohms.max))
                                 << true;
    QTest::newRow("negative loss")
        << QStringList{"--perte", "-1"}
        << Textes::NecHorsPlage().arg("Perte de l'échelle (dB/100 m à 10 MHz)", "-1",
                                      Nec::texteLisible(Defauts::PlagePerteDb100m.min),
                                      Nec::texteLisible(Defauts::PlagePerteDb100m.max))
        << true;
    QTest::newRow("zero limit") << QStringList{"--classe", "haute", "--limite", "0"}
                                << Textes::NecHorsPlage().arg(
                                       "Limite haute (Ω)", "0",
                                       Nec::texteLisible(Defauts::PlageLimiteOhms.min),
                                       Nec::texteLisible(Defauts::PlageLimiteOhms.max))
                                << true;
    QTest::newRow("velocity factor above 1")
        << QStringList{"--coef-echelle", "1.2"}
        << Textes::NecHorsPlage().arg("Coefficient de vélocité de l'échelle", "1.2",
                                      Nec::texteLisible(Defauts::PlageCoefEchelle.min),
                                      Nec::texteLisible(Defauts::PlageCoefEchelle.max))
        << true;
    QTest::newRow("too many segments")
        << QStringList{"--branche", "50000"}
        << Textes::NecTropDeSegments().arg("2029").arg(Defauts::SegmentsMax) << false;
    QTest::newRow("flag given a value")
        << QStringList{"--help=1"} << Textes::OptionSansValeur().arg("--help") << true;
    QTest::newRow("stray argument")
        << QStringList{"--z0", "450", "80"} << Textes::ArgumentInattendu().arg("80") << true;
    QTest::newRow("balun 2:1") << QStringList{"--balun", "2"} << Textes::NecBalun() << true;
    QTest::newRow("region 4") << QStringList{"--region", "4"} << Textes::NecRegion() << true;
    QTest::newRow("one point") << QStringList{"--points", "1"}
                               << Textes::NecPoints().arg(2).arg(100) << true;
    QTest::newRow("an empty band")
        << QStringList{"--bandes", "80,,40"}
        << Textes::NecValeurIncorrecte().arg("--bandes", "80,,40") << true;
    QTest::newRow("empty value") << QStringList{"--z0="}
                                 << Textes::NecValeurIncorrecte().arg("--z0", "") << true;
    // A whole number too large to hold is out of range like any other.
    QTest::newRow("1e308 cm") << QStringList{"--branche", "1e308"}
                              << Textes::NecHorsPlage().arg("--branche", "1e308", "10", "50000")
                              << true;
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
    QFETCH(bool, avantBandes);
    QCOMPARE(e.tableLue, !avantBandes);
}

// Ways of typing the same inputs: the check must compute the same thing.
void TstLigneCommande::memesEntrees_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("memes");
    QTest::newRow("= or space") << QStringList{"--z0=600", "--sol=mer", "--bandes=20,80"}
                                << QStringList{"--z0", "600", "--sol", "mer", "--bandes", "20,80"};
    QTest::newRow("names in any case") << QStringList{"--sol", "MER", "--classe", "Haute"}
                                       << QStringList{"--sol", "mer", "--classe", "haute"};
    QTest::newRow("the last one wins")
        << QStringList{"--z0", "300", "--z0", "600"} << QStringList{"--z0", "600"};
    QTest::newRow("limit before its class") << QStringList{"--limite", "800", "--classe", "haute"}
                                            << QStringList{"--classe", "haute", "--limite", "800"};
}

void TstLigneCommande::memesEntrees()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, memes);
    const Execution a = execute(options);
    const Execution b = execute(memes);
    QCOMPARE(a.code, 0);
    QCOMPARE(a.deck, b.deck);
    QCOMPARE(a.sortie, b.sortie);
}

// Each default the help gives, typed back, changes nothing: the help shows the
// values the check starts from. The context picks the default shown first.
void TstLigneCommande::defautsDeLAide_data()
{
    QTest::addColumn<QStringList>("contexte");
    for (const char *option : {"branche", "echelle", "coef-echelle", "diametre", "hauteur", "sol",
                               "z0", "perte", "classe", "balun", "ros-max", "region", "points"})
        QTest::newRow(option) << QStringList();
    QTest::newRow("limite") << QStringList{"--classe", "basse"};
}

void TstLigneCommande::defautsDeLAide()
{
    const Execution aide = execute({"--help"});
    QCOMPARE(aide.code, 0);
    const QString texte = aide.sortie.simplified();
    const QString option = QStringLiteral("--") + QTest::currentDataTag();
    const qsizetype debut = texte.indexOf(option + " <");
    QVERIFY(debut >= 0);
    const QString marque = QStringLiteral("Défaut : ");
    const qsizetype d = texte.indexOf(marque, debut) + marque.size();
    QString defaut = texte.mid(d, texte.indexOf(u' ', d) - d);
    defaut.chop(defaut.endsWith(u'.') ? 1 : 0);
    QFETCH(QStringList, contexte);
    const Execution base = execute(contexte);
    const Execution tape = execute(contexte + QStringList{option, defaut});
    QCOMPARE(tape.code, 0);
    QCOMPARE(tape.deck, base.deck);
    QCOMPARE(tape.sortie, base.sortie);
}

// The program itself, in a folder without Kesu.ini and without a display.
void TstLigneCommande::programme_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("sortie"); // what standard output holds
    QTest::addColumn<QString>("erreurs");
    QTest::newRow("help") << QStringList{"--help"} << 0 << "  --nec  " << QString();
    // The version alone on standard output; the engine said after it.
    QTest::newRow("version") << QStringList{"-v"} << 0 << QString("Kesu %1\n").arg(KesuVersion)
                             << Nec::texteMoteurEnUsage() + u'\n';
    QTest::newRow("the check's help")
        << QStringList{"--nec", "-h"} << 0 << "--bandes <LISTE>" << QString();
    QTest::newRow("the check's help in English")
        << QStringList{"--langue", "en", "--nec", "-h"} << 0 << "--bandes <LIST>" << QString();
    QTest::newRow("unknown language")
        << QStringList{"--langue=de"} << 2 << QString()
        << Textes::NecValeurIncorrecteAttendu().arg("--langue", "de", "fr ou en") + u'\n';
    QTest::newRow("bad value") << QStringList{"--nec", "--sol", "sable"} << 2 << QString()
                               << Textes::NecValeurIncorrecteAttendu().arg(
                                      "--sol", "sable",
                                      "libre, pauvre, moyen, bon, mer, parfait ou personnalise") +
                                      u'\n';
    QTest::newRow("unknown option") << QStringList{"--aide"} << 2 << QString()
                                    << Textes::NecOptionInconnue().arg("--aide") + u'\n';
    QTest::newRow("two commands") << QStringList{"--nec", "--longueurs"} << 2 << QString()
                                  << Textes::CommandesCombinees().arg("--nec", "--longueurs") +
                                         u'\n';
    QTest::newRow("tuner and check")
        << QStringList{"--boite", "--nec"} << 2 << QString()
        << Textes::CommandesCombinees().arg("--nec", "--boite") + u'\n';
    QTest::newRow("the tuner's help")
        << QStringList{"--boite", "-h"} << 0 << "--tension-max <V>" << QString();
    QTest::newRow("check's option without --nec")
        << QStringList{"--z0=450"} << 2 << QString()
        << Textes::OptionSansCommande().arg(
               "--z0", "--nec, --boite, --diagrammes, --longueurs, --ajuste ou --s1p") +
               u'\n';
    // A command's own option alone would be dropped by the window.
    for (const auto &[option, avec] :
         {std::pair{"--deck", "--nec"},
          {"--points-diagramme", "--diagrammes"},
          {"--projet=p.kesu", "--nec, --boite, --diagrammes, --longueurs, --ajuste ou --s1p"},
          {"--enregistre-projet=p.kesu",
           "--nec, --boite, --diagrammes, --longueurs, --ajuste ou --s1p"},
          {"--point-mesure=b", "--ajuste ou --s1p"},
          {"--inconnues=z0", "--ajuste"},
          {"--de=3.5", "--s1p"},
          {"--pas=5", "--longueurs ou --s1p"}})
        QTest::newRow(option) << QStringList{option} << 2 << QString()
                              << Textes::OptionSansCommande().arg(
                                     QString(option).section(u'=', 0, 0), avec) +
                                     u'\n';
    // A fit refused before any file is read, or for its file.
    QTest::newRow("unknown unknown")
        << QStringList{"--ajuste", "m.s1p", "--inconnues", "hauteur,masse"} << 2 << QString()
        << Textes::NecValeurIncorrecteAttendu().arg("--inconnues", "hauteur,masse",
                                                    "hauteur, branche, coef-echelle, z0 ou sol") +
               u'\n';
    QTest::newRow("measurement missing")
        << QStringList{"--ajuste", "absente.s1p"} << 2 << QString()
        << Textes::MesureFichier().arg("absente.s1p", Textes::ProjetAbsent()) + u'\n';
    QTest::newRow("half a range") << QStringList{"--s1p", "--de", "3.5", "--a", "3.8"} << 2
                                  << QString() << Textes::S1pPlage().arg(10000) + u'\n';
    QTest::newRow("good options, then Kesu.ini looked for")
        << QStringList{"--nec", "--sol", "MER"} << 1 << QString()
        << Textes::FichierBandesIntrouvableLigne().arg("%1") + u'\n';
}

void TstLigneCommande::programme()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir dossier;
    QProcess p;
    p.setWorkingDirectory(dossier.path());
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    // French, whatever language the suite runs in, unless a row asks.
    for (const char *nom : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "KESU_LANGUE"})
        environnement.remove(QString::fromLatin1(nom));
    p.setProcessEnvironment(environnement);
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/" KESU_PROGRAMME), arguments);
    QVERIFY(p.waitForFinished(30'000));
    QFETCH(int, code);
    QFETCH(QString, sortie);
    QFETCH(QString, erreurs);
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), code);
    QVERIFY2(QString::fromUtf8(p.readAllStandardOutput()).contains(sortie), qPrintable(sortie));
    // A row's %1 is the working folder, which a message may name.
    QCOMPARE(QString::fromUtf8(p.readAllStandardError()),
             erreurs.replace("%1", QFileInfo(dossier.path()).canonicalFilePath()));
}

// One band's answer not physical: the other rows written, the band named with
// its reason, and the exit status says the table is not whole.
void TstLigneCommande::bandeNonPhysique()
{
    const Execution e = execute({"--bandes", "80,40,30"}, {}, 2);
    QCOMPARE(e.code, 1);
    const auto l = lignes(e.sortie);
    QCOMPARE(l.size(), 3);
    QCOMPARE(l[1][0], "80");
    QCOMPARE(l[2][0], "40");
    QCOMPARE(e.erreurs, Textes::BandeEchouee().arg(30).arg(
                            Textes::NecResistanceNonPhysique().arg("10.12", "-160.71")) +
                            u'\n');
}

// The tuner criterion judges C by the SWR behind the balun, not by a |Z| limit.
void TstLigneCommande::classeBoite()
{
    const Execution e =
        execute({"--classe", "boite", "--balun", "4", "--ros-max", "1.5", "--echelle", "0"});
    QCOMPARE(e.code, 0);
    const auto l = lignes(e.sortie);
    const qsizetype nec = l[0].indexOf("accordable_nec");
    const qsizetype ros = l[0].indexOf("ros_boite");
    const qsizetype module = l[0].indexOf("module_c");
    bool differe = false;
    for (qsizetype i = 1; i < l.size(); ++i) {
        const bool accordable = l[i][nec] == "1";
        QCOMPARE(accordable, l[i][ros].toDouble() <= 1.5);
        differe = differe || accordable != (l[i][module].toDouble() <= Defauts::LimiteMoyenneOhms);
    }
    QVERIFY(differe); // where the medium class's limit would judge otherwise
}

// Debian's own nec2c computes real grounds wrong: refused over a ground,
// naming it, and still used in free space.
void TstLigneCommande::moteurFautif()
{
    const QString debian = QStringLiteral("/usr/bin/nec2c");
    if (!QFileInfo(debian).isExecutable())
        QSKIP("Debian's nec2c is not installed");
    const auto lance = [&](const QStringList &options) { return avecMoteur(debian, options); };
    const Execution sol = lance({"--hauteur", "2"});
    QCOMPARE(sol.code, 1);
    QVERIFY(sol.sortie.isEmpty());
    QVERIFY2(sol.erreurs.contains(debian), qPrintable(sol.erreurs));
    const Execution libre = lance({"--sol", "libre"});
    QCOMPARE(libre.code, 0);
    QCOMPARE(lignes(libre.sortie).size(), 2);
    QCOMPARE(Nec::verdictMoteur(debian).etat, Nec::EtatMoteur::Fautif);
    // The engine the tests run, Kesu's own, passes the same check.
    QCOMPARE(Nec::verdictMoteur(Nec::programmeNec()).etat, Nec::EtatMoteur::Sain);
}

// An engine that fails its check decks computes over a ground only when the
// line allows it; free space always.
void TstLigneCommande::moteurNonVerifie()
{
    QTemporaryDir dossier;
    const QString moteur = dossier.filePath("nec2c-muet");
    QFile f(moteur);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("#!/bin/sh\n[ \"$2\" = controle.nec ] && exit 1\nexec '%1' \"$@\"\n")
                .arg(Nec::programmeNec())
                .toUtf8());
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const auto lance = [&](const QStringList &options) { return avecMoteur(moteur, options); };
    const Execution refuse = lance({"--hauteur", "10"});
    QCOMPARE(refuse.code, 1);
    QVERIFY(refuse.sortie.isEmpty());
    QCOMPARE(refuse.erreurs, Textes::MoteurNonVerifieRefuse().arg(moteur) + u'\n');
    QCOMPARE(lance({"--sol", "libre"}).code, 0);
    const Execution permis = lance({"--hauteur", "10", "--moteur-non-verifie"});
    Nec::accepteMoteurNonVerifie(false);
    QCOMPARE(permis.code, 0);
    QCOMPARE(lignes(permis.sortie).size(), 2);
}

void TstLigneCommande::echecNec()
{
    const Execution e = execute({}, Textes::NecIntrouvable());
    QCOMPARE(e.code, 1);
    QCOMPARE(e.erreurs, Textes::NecIntrouvable() + u'\n');
    QVERIFY(e.sortie.isEmpty());
}

// With the real nec2c: Z at C is Z at B carried along the ladder.
void TstLigneCommande::impedanceEnCSuitLaLigne()
{
    QString texte;
    QString erreurs;
    QTextStream sortie(&texte);
    QTextStream flux(&erreurs);
    const int code = Nec::ligneCommande({"--nec", "--echelle", "1234", "--z0", "600"}, Bandes,
                                        sortie, flux, [](const QByteArray &d, int n, double) {
                                            return Nec::ExecutionNec::executeBloquant(d, n);
                                        });
    sortie.flush();
    flux.flush();
    QCOMPARE(code, 0);
    const auto l = lignes(texte);
    QCOMPARE(l.size(), 9);
    const Nec::Echelle echelle{600, 0.92, Nec::Echelle{}.perteDb100m};
    for (qsizetype i = 1; i < l.size(); ++i) {
        const std::complex<double> zB(valeur(l[i][2]), valeur(l[i][3]));
        const std::complex<double> zC(valeur(l[i][4]), valeur(l[i][5]));
        const auto attendu = Nec::impedanceEnC(zB, echelle, l[i][1].toInt() * 1e3, 12.34);
        QVERIFY2(std::abs(zC - attendu) < 1e-3 * std::abs(attendu) + 0.05, qPrintable(l[i][0]));
        QCOMPARE_LE(std::abs(valeur(l[i][6]) - std::abs(zC)), 0.02);
    }
}

// On a lossy ladder the SWR printed is the one of the Z at C printed.
void TstLigneCommande::rosSuitImpedanceEnC()
{
    const Execution e = execute({"--perte", "3", "--z0", "600"});
    QCOMPARE(e.code, 0);
    for (const QStringList &l : lignes(e.sortie).mid(1)) {
        const std::complex<double> zC(valeur(l[4]), valeur(l[5]));
        const double g = std::abs((zC - 600.0) / (zC + 600.0));
        QCOMPARE_LE(std::abs(valeur(l[7]) - (1 + g) / (1 - g)), 2e-3 * valeur(l[7]));
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
        QCOMPARE(l.size(), 17);
    QVERIFY(e.sortie.contains("100.00,0.00"));
    if (!cLocale)
        qInfo("no French C locale here: the Qt default locale only was French");
}

// The project a line saves holds what the line typed and what the project it
// read held, nothing more; a band typed twice is computed and kept once; a
// project of a newer Kesu is never written over.
void TstLigneCommande::projetEnregistre()
{
    QTemporaryDir dossier;
    const QString projet = dossier.filePath("p.kesu");
    Execution e = execute({"--enregistre-projet", projet});
    QCOMPARE(e.code, 0);
    QFile f(projet);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const Projet::Fichier vide = Projet::lit(f.readAll()).fichier;
    f.close();
    for (const char *cle : {"classe", "nec.critere", "bandes", "nec.z0_ohm"})
        QVERIFY2(!vide.valeur(cle), cle);

    e = execute(
        {"--projet", projet, "--bandes", "40,20,40", "--z0", "600", "--enregistre-projet", projet});
    QCOMPARE(e.code, 0);
    QCOMPARE(lignes(e.sortie).size(), 3); // the header, 40 m and 20 m
    QVERIFY(f.open(QIODevice::ReadOnly));
    const Projet::Fichier lu = Projet::lit(f.readAll()).fichier;
    f.close();
    QCOMPARE(lu.valeur("nec.z0_ohm"), "600");
    QCOMPARE(lu.valeur("bandes"), "40 20");
    for (const char *cle : {"classe", "nec.critere", "branche_cm"})
        QVERIFY2(!lu.valeur(cle), cle);

    const QByteArray plusRecent = "format = 2\nbranche_cm = 2000\n";
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(plusRecent);
    f.close();
    e = execute({"--projet", projet, "--enregistre-projet", projet});
    QCOMPARE(e.code, 1);
    QCOMPARE(e.erreurs, Textes::ProjetNonEnregistre().arg(
                            projet, Textes::ProjetPlusRecentConserve().arg(2).arg(1)) +
                            u'\n');
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), plusRecent);
    f.close();

    // A project that cannot be written fails the command.
    const QString absent = dossier.filePath("absent/p.kesu");
    e = execute({"--enregistre-projet", absent});
    QCOMPARE(e.code, 1);
    QVERIFY(e.erreurs.startsWith(Textes::ProjetNonEnregistre().arg(absent, QString())));

    // A bad value refuses the project, as a bad option would be refused.
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("format = 1\nnec.z0_ohm = 600\nbranche_cm = 2100 cm\n");
    f.close();
    e = execute({"--projet", projet});
    QCOMPARE(e.code, 2);
    QVERIFY(e.sortie.isEmpty() && e.deck.isEmpty());
    QCOMPARE(e.erreurs, Textes::ProjetValeurRefusee().arg(projet).arg(3).arg(
                            "branche_cm", "2100 cm", Textes::ProjetPasUnEntier()) +
                            u'\n');
}

// A project's inputs as the options they give a command: the branch search's
// range only while the search is on, the advised lengths' only to them.
void TstLigneCommande::argumentsDuProjet_data()
{
    QTest::addColumn<QString>("chercher");
    QTest::addColumn<bool>("longueurs");
    QTest::addColumn<bool>("branche");
    QTest::addColumn<bool>("echelle");
    QTest::newRow("search on") << "oui" << true << true << true;
    QTest::newRow("search off") << "non" << true << false << true;
    QTest::newRow("the check") << "oui" << false << false << false;
}

void TstLigneCommande::argumentsDuProjet()
{
    QFETCH(QString, chercher);
    QFETCH(bool, longueurs);
    Projet::Fichier f;
    f.pose("longueurs.chercher_branche", chercher);
    f.pose("longueurs.branche_min_cm", "1800");
    f.pose("longueurs.pas_cm", "5");
    f.pose("longueurs.echelle_min_cm", "900");
    f.pose("nec.z0_ohm", "600");
    const QStringList a = Commande::argumentsDuProjet(f, longueurs);
    QFETCH(bool, branche);
    QFETCH(bool, echelle);
    QCOMPARE(a.contains("--branche-min"), branche);
    QCOMPARE(a.contains("--pas"), branche);
    QCOMPARE(a.contains("--echelle-min"), echelle);
    QCOMPARE(a.mid(a.indexOf("--z0"), 2), (QStringList{"--z0", "600"}));
}

QTEST_GUILESS_MAIN(TstLigneCommande)
#include "tst_ligne_commande.moc"

void TstLigneCommande::taches_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QStringList petite{"--bandes", "40,20,10", "--branche", "1000", "--sans-cache"};
    QTest::newRow("check") << QStringList{"--nec"} + petite;
    QTest::newRow("tuner") << QStringList{"--boite"} + petite;
    QTest::newRow("patterns") << QStringList{"--diagrammes"} + petite;
    QTest::newRow("advised lengths") << QStringList{"--longueurs"} + petite;
}

// The real engine shared out between four runs writes, byte for byte, the
// table one run writes.
void TstLigneCommande::taches()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir dossier;
    QVERIFY(QFile::copy(QStringLiteral(KESU_INI_LIVRE), dossier.filePath("Kesu.ini")));
    const auto lance = [&](const QString &taches) {
        QProcess p;
        p.setWorkingDirectory(dossier.path());
        p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/" KESU_PROGRAMME),
                arguments + QStringList{"--taches", taches});
        if (!p.waitForFinished(120'000))
            qFatal("kesu %s: no end", qPrintable(arguments.join(' ')));
        return std::pair{p.exitCode(), p.readAllStandardOutput()};
    };
    const auto [code1, sortie1] = lance("1");
    const auto [code4, sortie4] = lance("4");
    QCOMPARE(code1, 0);
    QCOMPARE(code4, code1);
    QVERIFY(sortie1.count('\n') > 3);
    QCOMPARE(sortie4, sortie1);
}
