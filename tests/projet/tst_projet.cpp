#include "BandesLivrees.h"
#include "commande/CommandeNec.h"
#include "projet/FichierProjet.h"
#include "regles/TextesProjet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

struct Execution {
    int code;
    QString sortie, erreurs;
    QByteArray deck;
};

// kesu --nec with a stand-in nec2c answering 50 + 7 k + j 30 k ohms.
Execution nec(const QStringList &options)
{
    Execution r{};
    QTextStream s(&r.sortie), e(&r.erreurs);
    const FichierBandes::Table table = bandesLivrees();
    r.code = Nec::ligneCommande(
        QStringList{"--nec"} + options, [&] { return table; }, s, e,
        [&r](const QByteArray &d, int n, double) -> Nec::Bilan {
            r.deck = d;
            std::vector<Nec::ImpedanceB> z;
            for (int k = 0; k < n; ++k)
                z.push_back({0, {50.0 + 7 * k, 30.0 * k}});
            return z;
        });
    s.flush();
    e.flush();
    return r;
}

} // namespace

class TstProjet : public QObject {
    Q_OBJECT
private slots:
    void lecture();
    void formatPlusRecent();
    void allerRetour_data();
    void allerRetour();
    void modification_data();
    void modification();
    void chargeRefuse_data();
    void chargeRefuse();
    void ligneDeCommande_data();
    void ligneDeCommande();
    void deckExporte();
    void refusees();
};

// A file written by hand: the unknown key kept and written back, the bad
// value named with its line and dropped, the notes' lines kept.
void TstProjet::lecture()
{
    const QByteArray texte = "# mon doublet\n"
                             "format = 1\n"
                             "branche_cm = 2100\n"
                             "nec.sol = sable\n"
                             "cle_d_un_autre_kesu = 7\n"
                             "ligne sans egal\n"
                             "nec.hauteur_m = 12.5\n"
                             "notes = jardin\\nmât de 12 m \\\\ nord\n";
    const Projet::Lecture l = Projet::lit(texte);
    QCOMPARE(l.fautes.size(), 2);
    QVERIFY(l.fautes[0].startsWith(Textes::ProjetValeurIncorrecte().arg(4).left(8)));
    QCOMPARE(l.fautes[1], Textes::ProjetLigneIllisible().arg(6));
    QVERIFY(!l.lectureSeule);
    QCOMPARE(l.fichier.valeur("branche_cm"), std::optional<QString>("2100"));
    QVERIFY(!l.fichier.valeur("nec.sol"));
    QCOMPARE(l.fichier.notes, QStringLiteral("jardin\nmât de 12 m \\ nord"));
    const QByteArray ecrit = Projet::ecrit(l.fichier);
    QVERIFY(ecrit.contains("cle_d_un_autre_kesu = 7\n"));
    QCOMPARE(Projet::lit(ecrit).fichier, l.fichier);
    // Saved whole beside the previous file, which it replaces only then.
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("a.kesu");
    QString raison;
    QVERIFY(Projet::enregistre(chemin, l.fichier, raison));
    QVERIFY(!Projet::enregistre(dossier.filePath("absent/a.kesu"), l.fichier, raison));
    QVERIFY(!raison.isEmpty());
    QCOMPARE(Projet::charge(chemin, raison).value(), ecrit);
}

void TstProjet::formatPlusRecent()
{
    const Projet::Lecture l = Projet::lit("format = 2\nbranche_cm = 2000\nnouveaute = oui\n");
    QVERIFY(l.lectureSeule);
    QVERIFY(l.fautes.isEmpty());
    QCOMPARE(l.fichier.valeur("nouveaute"), std::optional<QString>("oui"));
    // Without its format line a file is read as this program's own.
    QCOMPARE(Projet::lit("branche_cm = 2000\n").fautes, QStringList{Textes::ProjetSansFormat()});
}

// Read and saved again without a change, a file is the same bytes, whatever
// it holds; the lines not used are named.
void TstProjet::allerRetour_data()
{
    QTest::addColumn<QByteArray>("texte");
    QTest::addColumn<QStringList>("fautes");
    QTest::addColumn<QString>("branche"); // branche_cm as used, empty for none
    const auto incorrecte = [](const char *v) {
        return QStringList{Textes::ProjetValeurIncorrecte().arg(2).arg(
            "branche_cm", v, Textes::ProjetPasUnEntier())};
    };
    const QStringList rien, double1{Textes::ProjetCleEnDouble().arg(3).arg("branche_cm").arg(2)};
    const std::tuple<const char *, QByteArray, QStringList, const char *> lignes[]{
        {"valeur incorrecte gardée", "format = 1\nbranche_cm = 21 m\n", incorrecte("21 m"), ""},
        {"centimètres fractionnaires", "format = 1\nbranche_cm = 2100.5\n", incorrecte("2100.5"),
         ""},
        {"ligne sans égal",
         "format = 1\nbranche_cm = 2100\nbref\n",
         {Textes::ProjetLigneIllisible().arg(3)},
         "2100"},
        {"clé en double, la première lue", "format = 1\nbranche_cm = 2100\nbranche_cm = 2200\n",
         double1, "2100"},
        {"UTF-8 invalide", "format = 1\nautre\xff = \xfe\xc3\nnotes = caf\xe9\n", rien, ""},
        {"CRLF et notes à retour chariot",
         "# x\r\nformat = 1\r\nbranche_cm = 2100\r\nnotes = a\\r\\nb\r\n", rien, "2100"},
        {"sans fin de ligne finale", "format = 1\nbranche_cm=2100", rien, "2100"},
        {"espaces, tabulations, lignes vides",
         "  format=1 \n\n\t branche_cm \t=  2100   \n   # c = d\nnotes =    retrait  \n", rien,
         "2100"},
        {"retour chariot brut dans les notes", "format = 1\nnotes = a\rb\r\r\n", rien, ""},
        {"format plus ancien que tout", "format = 01\n", rien, ""}};
    for (const auto &[nom, texte, fautes, branche] : lignes)
        QTest::newRow(nom) << texte << fautes << QString(branche);
}

void TstProjet::allerRetour()
{
    QFETCH(QByteArray, texte);
    QFETCH(QString, branche);
    const Projet::Lecture l = Projet::lit(texte);
    QTEST(l.fautes, "fautes");
    QCOMPARE(l.fichier.valeur("branche_cm"),
             branche.isEmpty() ? std::nullopt : std::optional<QString>(branche));
    QCOMPARE(Projet::ecrit(l.fichier), texte);
    // Saved, opened and saved again.
    QTemporaryDir dossier;
    QString raison;
    QVERIFY(Projet::enregistre(dossier.filePath("p"), l.fichier, raison));
    QCOMPARE(Projet::charge(dossier.filePath("p"), raison).value(), texte);
}

// A change is made in its line, the rest kept; what is written reads back
// with the values given.
void TstProjet::modification_data()
{
    QTest::addColumn<QByteArray>("texte");
    QTest::addColumn<QString>("cle"); // "notes" sets the notes
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<QByteArray>("attendu");
    const char *const lignes[][5]{
        {"en place, espaces et CRLF gardés", "format = 1\r\n branche_cm   =  2100  \r\nx\r\n",
         "branche_cm", "2200", "format = 1\r\n branche_cm   =  2200  \r\nx\r\n"},
        {"ajoutée à la fin, dans le style du fichier", "format = 1\r\nx = 1", "echelle_cm", "1500",
         "format = 1\r\nx = 1\r\nechelle_cm = 1500\r\n"},
        {"remplace une valeur incorrecte", "format = 1\nbranche_cm =\n", "branche_cm", "2100",
         "format = 1\nbranche_cm = 2100\n"},
        {"la première de deux", "format = 1\nbranche_cm = 100\nbranche_cm = 200\n", "branche_cm",
         "300", "format = 1\nbranche_cm = 300\nbranche_cm = 200\n"},
        {"notes, espaces et retours chariot", "format = 1\nnotes = a\n", "notes", "  b\r\nc\\ ",
         "format = 1\nnotes =   b\\r\\nc\\\\ \n"},
        {"notes collées au signe égal", "format = 1\nnotes=a\n", "notes", " b",
         "format = 1\nnotes=  b\n"},
        {"notes ajoutées", "format = 1\n", "notes", "n", "format = 1\nnotes = n\n"},
        {"format ajouté après les commentaires", "# a\n# b\nbranche_cm = 100\n", "branche_cm",
         "100", "# a\n# b\nformat = 1\nbranche_cm = 100\n"},
        {"format ajouté à un fichier vide", "", "x", "1", "format = 1\nx = 1\n"},
        {"format plus récent enregistré dans celui-ci", "format = 2\nnouveau = 1\n", "nouveau", "1",
         "format = 1\nnouveau = 1\n"}};
    for (const auto &l : lignes)
        QTest::newRow(l[0]) << QByteArray(l[1]) << QString(l[2]) << QString(l[3])
                            << QByteArray(l[4]);
}

void TstProjet::modification()
{
    QFETCH(QByteArray, texte);
    QFETCH(QString, cle);
    QFETCH(QString, valeur);
    QFETCH(QByteArray, attendu);
    Projet::Fichier f = Projet::lit(texte).fichier;
    cle == "notes" ? void(f.notes = valeur) : f.pose(cle, valeur);
    QCOMPARE(Projet::ecrit(f), attendu);
    f.format = Projet::Format;
    QCOMPARE(Projet::lit(attendu).fichier, f);
}

// Only a regular file of at most a megabyte is read, and why not is said in
// French.
void TstProjet::chargeRefuse_data()
{
    QTest::addColumn<QString>("genre");
    QTest::addColumn<QString>("raison"); // empty when it is read
    QTest::newRow("absent") << "absent" << Textes::ProjetAbsent();
    QTest::newRow("dossier") << "dossier" << Textes::ProjetDossier();
    QTest::newRow("tube") << "tube" << Textes::ProjetPasOrdinaire();
    QTest::newRow("/dev/zero") << "/dev/zero" << Textes::ProjetPasOrdinaire();
    QTest::newRow("un octet de trop") << "grand" << Textes::ProjetTropGrand().arg(1);
    QTest::newRow("juste à la limite") << "limite" << QString();
}

void TstProjet::chargeRefuse()
{
    QFETCH(QString, genre);
    QFETCH(QString, raison);
    QTemporaryDir dossier;
    const QString chemin = genre.startsWith(u'/') ? genre : dossier.filePath(genre);
    if (genre == "dossier")
        QVERIFY(QDir(dossier.path()).mkdir(genre));
    if (genre == "tube")
        QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
    QFile f(chemin);
    if (genre == "grand" || genre == "limite")
        QVERIFY(f.open(QIODevice::WriteOnly) &&
                f.write(QByteArray(Projet::TailleMax + (genre == "grand"), '#')) > 0 && f.flush());
    QString dite;
    const auto lu = Projet::charge(chemin, dite);
    QCOMPARE(dite, raison);
    QCOMPARE(lu ? qint64(lu->size()) : -1, raison.isEmpty() ? Projet::TailleMax : -1);
}

// "--projet" gives the same table as the same inputs typed, the line's own
// options winning; "--enregistre-projet" writes them.
void TstProjet::ligneDeCommande_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("antenne") << QStringList{"--hauteur", "12",    "--sol",     "BON",
                                            "--bandes",  "40,20", "--branche", "2100"};
    QTest::newRow("classe haute et sa limite")
        << QStringList{"--classe", "haute", "--limite", "1200", "--z0", "600"};
    QTest::newRow("boîte en T") << QStringList{"--classe",    "reseau-t", "--c-max", "400",
                                               "--puissance", "400",      "--fil",   "aluminium"};
    QTest::newRow("the user's own ground")
        << QStringList{"--sol", "personnalise", "--epsilon", "7", "--sigma", "0.002"};
}

void TstProjet::ligneDeCommande()
{
    QFETCH(QStringList, options);
    QTemporaryDir dossier;
    const QString projet = dossier.filePath("p.kesu");
    const Execution tapee = nec(options + QStringList{"--enregistre-projet", projet});
    QCOMPARE(tapee.code, 0);
    const Execution lue = nec({"--projet", projet});
    QCOMPARE(lue.code, 0);
    QCOMPARE(lue.deck, tapee.deck);
    QCOMPARE(lue.sortie, tapee.sortie);
    if (options.contains("personnalise"))
        QVERIFY(lue.deck.contains("GN 2 0 0 0 7 0.002\n"));
    // An option on the line wins over the project.
    const Execution surchargee = nec({"--projet", projet, "--hauteur", "7"});
    QVERIFY(surchargee.deck.contains(" 7 "));
    QVERIFY(surchargee.deck != tapee.deck);
    // A project that cannot be read ends the command.
    QCOMPARE(nec({"--projet", dossier.filePath("absent.kesu")}).code, 1);
}

// The model for other programs is the check's deck with comment cards.
void TstProjet::deckExporte()
{
    const Execution deck = nec({"--deck", "--sol", "mer"});
    QCOMPARE(deck.code, 0);
    const Execution calcul = nec({"--sol", "mer"});
    QByteArray sansCommentaires;
    for (const QByteArray &l : deck.sortie.toLatin1().split('\n')) {
        // NEC-2 reads 80 columns of a card.
        QVERIFY2(l.size() <= 80, l.constData());
        if (!l.isEmpty() && (!l.startsWith("CM ") || l == "CM Kesu"))
            sansCommentaires += l + '\n';
    }
    QCOMPARE(sansCommentaires, calcul.deck);
    QVERIFY(deck.sortie.contains("CM Sol : mer"));
}

// Out of its range or not in the band table, a value is refused, the same for
// the window's reading as for a command, which names each and ends.
void TstProjet::refusees()
{
    QTemporaryDir dossier;
    const QString projet = dossier.filePath("p.kesu");
    const QByteArray texte = "format = 1\nbandes = 40 11\nnec.hauteur_m = -5\nbranche_cm = 10\n"
                             "nec.c_max_pf = 10001\nnec.z0_ohm = 1000\n";
    QFile f(projet);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(texte) == texte.size());
    f.close();
    const QString refus = Textes::ProjetValeurRefusee().arg(projet) + u'\n';
    QCOMPARE(
        nec({"--projet", projet}).erreurs,
        refus.arg(2).arg("bandes", "40 11",
                         Textes::ProjetBandeInconnue().arg("80 40 30 20 17 15 12 10")) +
            refus.arg(3).arg("nec.hauteur_m", "-5", Textes::ProjetHorsPlage().arg("0.1", "300")) +
            refus.arg(5).arg("nec.c_max_pf", "10001", Textes::ProjetHorsPlage().arg("1", "10000")));
    QCOMPARE(nec({"--projet", projet}).code, 2);
}

QTEST_GUILESS_MAIN(TstProjet)
#include "tst_projet.moc"
