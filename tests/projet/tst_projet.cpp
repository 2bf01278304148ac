#include "commande/CommandeNec.h"
#include "projet/FichierProjet.h"
#include "regles/TextesProjet.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

FichierBandes::Table bandesLivrees()
{
    QFile f(QStringLiteral(KESU_INI_LIVRE));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing %s", KESU_INI_LIVRE);
    return FichierBandes::lit(f.readAll());
}

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
    void ligneDeCommande_data();
    void ligneDeCommande();
    void deckExporte();
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

QTEST_GUILESS_MAIN(TstProjet)
#include "tst_projet.moc"
