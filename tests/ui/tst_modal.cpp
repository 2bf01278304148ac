#include "DefautsTest.h"
#include "Francais.h"
#include "LimiteFichier.h"
#include "PlateformeTest.h"
#include "regles/Erreurs.h"
#include "state/EtatCalcul.h"
#include "state/FichierBandes.h"
#include "ui/fenetres/editeur/Modal.h"
#include "ui/plateforme/Application.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

using Reponse = Plateforme::Reponse;

namespace {

const QByteArray FichierFourni = Defauts::KesuIni;
const QString Question = QStringLiteral("Sauvegarder définitivement les fréquences ?");
const QString EnregistrementImpossible = QStringLiteral(
    "Impossible d'enregistrer le fichier Kesu.ini : le fichier existant est conservé.");

constexpr int Bande = 0;
constexpr int Frequence = 1;

QByteArray contenu(const QString &chemin)
{
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("(illisible)");
}

// The table a file's bytes hold, or nothing for a bad file: an exception
// escaping a test function would end the whole run, not just that function.
std::optional<FichierBandes::Table> lue(const QByteArray &octets)
{
    try {
        return FichierBandes::lit(octets);
    } catch (const KesuErreur &) {
        return std::nullopt;
    }
}

int pixelsSombres(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qGray(image.pixel(x, y)) < 96;
    return n;
}

QString texteCellule(const TForm2 &editeur, int ligne, int colonne)
{
    const QTableWidgetItem *cellule = editeur.EditFreq->item(ligne, colonne);
    return cellule ? cellule->text() : QString();
}

} // namespace

// Tables compared row by row, shown as the file would hold them.
bool operator==(const LigneBande &a, const LigneBande &b)
{
    return a.Bande == b.Bande && a.Frequence == b.Frequence;
}
char *toString(const FichierBandes::Table &table)
{
    return qstrdup(FichierBandes::texte(table).replace("\r\n", " | ").constData());
}

namespace {

enum class Panne { DossierProtege, FichierTropGrand, KesuIniEstUnDossier };

} // namespace

Q_DECLARE_METATYPE(Reponse)
Q_DECLARE_METATYPE(Panne)

// The band editor driven as a user drives it: cells typed through their cell
// editor, "Quitter" chosen from the menu bar, questions answered by the test
// platform. Each test works in a fresh folder holding the shipped Kesu.ini.
class TstModal : public QObject {
    Q_OBJECT

    PlateformeTest plateforme_;
    std::unique_ptr<QTemporaryDir> dossier_;
    QString dossierDeDepart_;
    FichierBandes::Table tableDeDepart_{};
    // Undoes the fault a test put in place; cleanup() runs it even when the
    // test stopped before, so that the next tests can write their Kesu.ini.
    std::function<void()> repare_;
    QTranslator traduction_;

    QString kesuIni() const { return dossier_->filePath(QStringLiteral("Kesu.ini")); }

    void repare()
    {
        if (const std::function<void()> r = std::exchange(repare_, nullptr))
            r();
    }

    // The helpers report failure to their caller, which stops there: a QTest
    // check inside them would leave only the helper and let the test go on.
    [[nodiscard]] bool ouvre(TForm2 &editeur)
    {
        editeur.show();
        return QTest::qWaitForWindowActive(&editeur);
    }

    // Types a text into a cell as the user does: the cell gets the focus, its
    // editor shows the old text selected, the keys replace it.
    [[nodiscard]] bool tape(TForm2 &editeur, int ligne, int colonne, const QString &texte)
    {
        QTableWidget *grille = editeur.EditFreq;
        grille->setCurrentCell(ligne, colonne);
        auto editeurCellule = [&] {
            return qobject_cast<QLineEdit *>(
                grille->indexWidget(grille->model()->index(ligne, colonne)));
        };
        if (!editeurCellule())
            grille->editItem(grille->item(ligne, colonne));
        QLineEdit *saisie = editeurCellule();
        if (!saisie)
            return false;
        saisie->selectAll();
        QTest::keyClick(saisie, Qt::Key_Delete);
        QTest::keyClicks(saisie, texte);
        return saisie->text() == texte;
    }

    void quitte(TForm2 &editeur, std::optional<Reponse> reponse = std::nullopt)
    {
        plateforme_.confirmations.clear();
        if (reponse)
            plateforme_.reponses = {*reponse};
        editeur.Quitter1->trigger();
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<Reponse>();
        // Fonts and style as the program sets them up.
        Q_INIT_RESOURCE(kesu_polices);
        prepareApplication(traduction_);
        dossierDeDepart_ = QDir::currentPath();
        tableDeDepart_ = FichierBandes::lit(FichierFourni);
    }

    void init()
    {
        dossier_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dossier_->isValid());
        QFile fichier(kesuIni());
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write(FichierFourni);
        fichier.close();
        QVERIFY(QDir::setCurrent(dossier_->path()));
        EtatCalcul = TEtatCalcul{};
        EtatCalcul.TableBandes = tableDeDepart_;
        EtatCalcul.FreqModifiees = true; // activation must clear it
        plateforme_.efface();
        plateforme_.surModal = nullptr;
        plateforme_.surImpression = nullptr;
    }

    void cleanup()
    {
        repare();
        QDir::setCurrent(dossierDeDepart_);
        QFile::setPermissions(dossier_->path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        dossier_.reset();
    }

    void aspect()
    {
        TForm2 editeur;
        QVERIFY(ouvre(editeur));
        if (!suiteEnAnglais())
            QCOMPARE(editeur.windowTitle(), QStringLiteral("Fréquences"));
        const Qt::WindowFlags drapeaux = editeur.windowFlags();
        QVERIFY(!(drapeaux & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        // One command directly on the menu bar, no submenu.
        QCOMPARE(editeur.MainMenu1->actions().size(), 1);
        QCOMPARE(editeur.MainMenu1->actions().first(), editeur.Quitter1);
        if (!suiteEnAnglais())
            QCOMPARE(editeur.Quitter1->text(), QStringLiteral("&Quitter")); // shown "Quitter"
        QVERIFY(!editeur.Quitter1->menu());

        // Client area of 151 x 245 below the menu bar, grid at (4, 0) in it.
        const int menu = editeur.MainMenu1->height();
        QCOMPARE(editeur.size(), QSize(151, 245 + menu));
        QCOMPARE(editeur.EditFreq->geometry(), QRect(4, menu, 144, 244));
        if (!suiteEnAnglais())
            QCOMPARE(editeur.EditFreq->horizontalHeaderItem(Bande)->text(),
                     QStringLiteral("Bandes"));
        if (!suiteEnAnglais())
            QCOMPARE(editeur.EditFreq->horizontalHeaderItem(Frequence)->text(),
                     QStringLiteral("Fréquences"));

        // The grid follows the window when it is resized.
        editeur.resize(editeur.width() + 40, editeur.height() + 30);
        QTRY_COMPARE(editeur.EditFreq->geometry(), QRect(4, menu, 184, 274));
    }

    void ouvertureRemplitLaGrilleUneFois()
    {
        EtatCalcul.TableBandes[7] = {29000, 10};
        TForm2 editeur;
        editeur.show(); // filled even before the window manager activates it
        QCOMPARE(EtatCalcul.FreqModifiees, false);
        for (int ligne = 0; ligne < 8; ++ligne) {
            QCOMPARE(texteCellule(editeur, ligne, Bande),
                     QString::number(EtatCalcul.TableBandes[ligne].Bande));
            QCOMPARE(texteCellule(editeur, ligne, Frequence),
                     QString::number(EtatCalcul.TableBandes[ligne].Frequence));
        }
        QCOMPARE(texteCellule(editeur, 7, Frequence), QStringLiteral("29000"));
        QVERIFY(QTest::qWaitForWindowActive(&editeur));

        // Coming back to the editor (after a message box, another program)
        // keeps what the user typed.
        QVERIFY(tape(editeur, 2, Frequence, QStringLiteral("10130")));
        QWidget ailleurs;
        ailleurs.show();
        ailleurs.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ailleurs));
        editeur.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editeur));
        QCOMPARE(EtatCalcul.FreqModifiees, true);
        quitte(editeur, Reponse::Non);
        QCOMPARE(EtatCalcul.TableBandes[2].Frequence, 10130);
    }

    void sansModificationFermeSansQuestion()
    {
        TForm2 editeur;
        QVERIFY(ouvre(editeur));
        editeur.EditFreq->setCurrentCell(3, Frequence); // moving around is no edit
        quitte(editeur, Reponse::Oui);
        QVERIFY(!editeur.isVisible());
        QVERIFY(plateforme_.confirmations.isEmpty());
        QCOMPARE(EtatCalcul.TableBandes, tableDeDepart_);
        QCOMPARE(contenu(kesuIni()), FichierFourni);
    }

    void reponses_data()
    {
        QTest::addColumn<Reponse>("reponse");
        QTest::addColumn<bool>("tablePrend");
        QTest::addColumn<QByteArray>("fichier");
        QTest::newRow("Oui : pris et enregistré")
            << Reponse::Oui << true
            << QByteArray("80 3650\r\n40 7100\r\n30 10120\r\n20 14100\r\n"
                          "17 18100\r\n15 21200\r\n12 24940\r\n60 28500\r\n");
        QTest::newRow("Non : pris pour la séance") << Reponse::Non << true << FichierFourni;
        QTest::newRow("Annuler : abandonné") << Reponse::Annuler << false << FichierFourni;
    }

    void reponses()
    {
        QFETCH(Reponse, reponse);
        QFETCH(bool, tablePrend);
        QFETCH(QByteArray, fichier);

        TForm2 editeur;
        QVERIFY(ouvre(editeur));
        QVERIFY(tape(editeur, 1, Frequence, QStringLiteral("7100")));
        QVERIFY(tape(editeur, 7, Bande, QStringLiteral("60"))); // left open: Quitter takes it
        quitte(editeur, reponse);

        if (!suiteEnAnglais())
            QCOMPARE(plateforme_.confirmations, QStringList{Question});
        QVERIFY(plateforme_.erreursParDefaut.isEmpty());
        QVERIFY(!editeur.isVisible());
        FichierBandes::Table attendue = tableDeDepart_;
        if (tablePrend) {
            attendue[1].Frequence = 7100;
            attendue[7].Bande = 60;
        }
        QCOMPARE(EtatCalcul.TableBandes, attendue);
        QCOMPARE(contenu(kesuIni()), fichier);

        // The next opening starts from the table in force.
        TForm2 suivant;
        QVERIFY(ouvre(suivant));
        QCOMPARE(texteCellule(suivant, 1, Frequence), QString::number(attendue[1].Frequence));
        QCOMPARE(texteCellule(suivant, 7, Bande), QString::number(attendue[7].Bande));
    }

    void valeurRetapeeCompteCommeModification()
    {
        TForm2 editeur;
        QVERIFY(ouvre(editeur));
        QVERIFY(tape(editeur, 4, Frequence, QStringLiteral("18068")));
        QVERIFY(tape(editeur, 4, Frequence, QStringLiteral("18100")));
        QCOMPARE(EtatCalcul.FreqModifiees, true);
        quitte(editeur, Reponse::Oui);
        if (!suiteEnAnglais())
            QCOMPARE(plateforme_.confirmations, QStringList{Question});
        QCOMPARE(contenu(kesuIni()), FichierFourni);
        QVERIFY(!editeur.isVisible());
    }

    // "Quitter" is the way out: Escape does nothing, and a close request from
    // the window manager gets the same question as "Quitter".
    void autresSorties()
    {
        TForm2 editeur;
        QVERIFY(ouvre(editeur));
        QVERIFY(tape(editeur, 0, Frequence, QStringLiteral("3700")));
        // The first Escape leaves the cell editor, the next ones reach the window.
        QTest::keyClick(editeur.EditFreq->indexWidget(editeur.EditFreq->currentIndex()),
                        Qt::Key_Escape);
        QTest::keyClick(editeur.EditFreq, Qt::Key_Escape);
        QTest::keyClick(&editeur, Qt::Key_Escape);
        QVERIFY(editeur.isVisible());
        QVERIFY(plateforme_.confirmations.isEmpty());

        QVERIFY(tape(editeur, 0, Frequence, QStringLiteral("3700")));
        plateforme_.reponses = {Reponse::Non};
        editeur.close();
        if (!suiteEnAnglais())
            QCOMPARE(plateforme_.confirmations, QStringList{Question});
        QVERIFY(!editeur.isVisible());
        QCOMPARE(EtatCalcul.TableBandes[0].Frequence, 3700);
    }

    // A failed save shows the error, keeps Kesu.ini byte for byte and leaves
    // no stray file, takes nothing into the table and keeps the editor open;
    // once the cause is gone, "Oui" again saves.
    void echecEnregistrement_data()
    {
        QTest::addColumn<Panne>("panne");
        QTest::newRow("dossier protégé en écriture") << Panne::DossierProtege;
        QTest::newRow("écriture interrompue (fichier trop grand)") << Panne::FichierTropGrand;
        QTest::newRow("Kesu.ini est un dossier") << Panne::KesuIniEstUnDossier;
    }

    void echecEnregistrement()
    {
        QFETCH(Panne, panne);
        const QString dossier = dossier_->path();
        switch (panne) {
        case Panne::DossierProtege: {
            repare_ = [dossier] {
                QFile::setPermissions(dossier,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            };
            QVERIFY(QFile::setPermissions(dossier, QFile::ReadOwner | QFile::ExeOwner));
            QFile sonde(dossier + QStringLiteral("/sonde"));
            if (sonde.open(QIODevice::WriteOnly)) {
                sonde.remove();
                QSKIP("folder permissions do not stop this user (root)");
            }
            break;
        }
        case Panne::FichierTropGrand: {
#ifdef Q_OS_UNIX
            // The file needs 72 bytes.
            auto limite = std::make_shared<LimiteFichier>(16);
            repare_ = [limite]() mutable { limite.reset(); };
#else
            QSKIP("needs a file size limit");
#endif
            break;
        }
        case Panne::KesuIniEstUnDossier:
            repare_ = [this] { QDir(kesuIni()).removeRecursively(); };
            QVERIFY(QFile::remove(kesuIni()));
            QVERIFY(QDir(dossier).mkdir(QStringLiteral("Kesu.ini")));
            break;
        }
        const QByteArray octetsAvant = contenu(kesuIni());

        TForm2 editeur;
        QVERIFY(ouvre(editeur));
        QVERIFY(tape(editeur, 3, Frequence, QStringLiteral("14200")));
        quitte(editeur, Reponse::Oui);

        if (!suiteEnAnglais())
            QCOMPARE(plateforme_.erreursParDefaut, QStringList{EnregistrementImpossible});
        QVERIFY(editeur.isVisible());
        QCOMPARE(EtatCalcul.FreqModifiees, true);
        QCOMPARE(EtatCalcul.TableBandes, tableDeDepart_);
        QCOMPARE(QDir(dossier).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("Kesu.ini")});
        if (panne == Panne::KesuIniEstUnDossier)
            QVERIFY(QFileInfo(kesuIni()).isDir());
        else
            QCOMPARE(contenu(kesuIni()), octetsAvant);

        repare();
        plateforme_.efface();
        quitte(editeur, Reponse::Oui);
        QVERIFY(plateforme_.erreursParDefaut.isEmpty());
        QVERIFY(!editeur.isVisible());
        QCOMPARE(EtatCalcul.TableBandes[3].Frequence, 14200);
        const std::optional<FichierBandes::Table> relue = lue(contenu(kesuIni()));
        QVERIFY(relue);
        QCOMPARE(*relue, EtatCalcul.TableBandes);
    }

    // Bad text anywhere keeps the whole grid out of the table, row 5's
    // frequency and the rows before it included.
    void celluleIncorrecte_data()
    {
        QTest::addColumn<Reponse>("reponse");
        QTest::addColumn<QString>("texte");
        QTest::newRow("lettres, Oui") << Reponse::Oui << QStringLiteral("1x7");
        QTest::newRow("vide, Non") << Reponse::Non << QString();
        QTest::newRow("blanc après le nombre, Oui") << Reponse::Oui << QStringLiteral("17 ");
        QTest::newRow("au-delà de 32 bits, Non") << Reponse::Non << QStringLiteral("4294967296");
    }

    void celluleIncorrecte()
    {
        QFETCH(Reponse, reponse);
        QFETCH(QString, texte);

        TForm2 editeur;
        QVERIFY(ouvre(editeur));
        QVERIFY(tape(editeur, 0, Frequence, QStringLiteral("3700")));
        QVERIFY(tape(editeur, 4, Frequence, QStringLiteral("18120")));
        QVERIFY(tape(editeur, 4, Bande, texte));
        quitte(editeur, reponse);

        if (!suiteEnAnglais())
            QCOMPARE(plateforme_.erreursParDefaut,
                     QStringList{
                         QStringLiteral("'%1' n'est pas une valeur entière correcte.").arg(texte)});
        QVERIFY(editeur.isVisible());
        QCOMPARE(EtatCalcul.FreqModifiees, true);
        QCOMPARE(EtatCalcul.TableBandes, tableDeDepart_);
        QCOMPARE(contenu(kesuIni()), FichierFourni);
        QCOMPARE(editeur.EditFreq->currentRow(), 4); // ready to be corrected
        QCOMPARE(editeur.EditFreq->currentColumn(), Bande);

        plateforme_.efface();
        QVERIFY(tape(editeur, 4, Bande, QStringLiteral("17")));
        quitte(editeur, reponse);
        QVERIFY(plateforme_.erreursParDefaut.isEmpty());
        QVERIFY(!editeur.isVisible());
        FichierBandes::Table attendue = tableDeDepart_;
        attendue[0].Frequence = 3700;
        attendue[4].Frequence = 18120;
        QCOMPARE(EtatCalcul.TableBandes, attendue);
        QCOMPARE(contenu(kesuIni()),
                 reponse == Reponse::Oui ? FichierBandes::texte(attendue) : FichierFourni);
    }

    // Values the file cannot hold are refused for "Oui" before anything is
    // taken or written, and kept for the run with "Non".
    void valeursHorsFichier_data()
    {
        QTest::addColumn<int>("ligne");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("message");
        const QString bande = QStringLiteral(
            "Ligne %1 : la bande %2 ne peut pas être enregistrée dans Kesu.ini, qui n'accepte que "
            "les bandes de -9 à 99.");
        const QString frequence = QStringLiteral(
            "Ligne %1 : la fréquence %2 ne peut pas être enregistrée dans Kesu.ini, qui "
            "n'accepte que les fréquences de -9999 à 99999.");
        QTest::newRow("bande 160") << 0 << Bande << QStringLiteral("160") << bande.arg(1).arg(160);
        QTest::newRow("bande -10") << 7 << Bande << QStringLiteral("-10") << bande.arg(8).arg(-10);
        QTest::newRow("fréquence 100000")
            << 3 << Frequence << QStringLiteral("100000") << frequence.arg(4).arg(100000);
        QTest::newRow("fréquence -10000")
            << 2 << Frequence << QStringLiteral("-10000") << frequence.arg(3).arg(-10000);
    }

    void valeursHorsFichier()
    {
        QFETCH(int, ligne);
        QFETCH(int, colonne);
        QFETCH(QString, texte);
        QFETCH(QString, message);

        TForm2 editeur;
        QVERIFY(ouvre(editeur));
        QVERIFY(tape(editeur, 5, Frequence, QStringLiteral("21050")));
        QVERIFY(tape(editeur, ligne, colonne, texte));
        quitte(editeur, Reponse::Oui);

        if (!suiteEnAnglais())
            QCOMPARE(plateforme_.erreursParDefaut, QStringList{message});
        QVERIFY(editeur.isVisible());
        QCOMPARE(EtatCalcul.TableBandes, tableDeDepart_);
        QCOMPARE(contenu(kesuIni()), FichierFourni);
        QCOMPARE(editeur.EditFreq->currentRow(), ligne);
        QCOMPARE(editeur.EditFreq->currentColumn(), colonne);

        plateforme_.efface();
        quitte(editeur, Reponse::Non);
        QVERIFY(plateforme_.erreursParDefaut.isEmpty());
        QVERIFY(!editeur.isVisible());
        const LigneBande &prise = EtatCalcul.TableBandes[ligne];
        QCOMPARE(colonne == Bande ? prise.Bande : prise.Frequence, texte.toInt());
        QCOMPARE(EtatCalcul.TableBandes[5].Frequence, 21050);
        QCOMPARE(contenu(kesuIni()), FichierFourni);
    }

    // The widest values the file holds are saved as plain decimal text and
    // read back unchanged by the next start.
    void valeursLimitesRelues_data()
    {
        QTest::addColumn<int>("colonne");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("valeur");
        QTest::addColumn<QByteArray>("ligneEcrite");
        QTest::newRow("bande 9") << Bande << QStringLiteral("9") << 9 << QByteArray(" 9 7050\r\n");
        QTest::newRow("bande 0") << Bande << QStringLiteral("0") << 0 << QByteArray(" 0 7050\r\n");
        QTest::newRow("bande -9") << Bande << QStringLiteral("-9") << -9
                                  << QByteArray("-9 7050\r\n");
        QTest::newRow("bande 99") << Bande << QStringLiteral("99") << 99
                                  << QByteArray("99 7050\r\n");
        QTest::newRow("bande 07, zéro en tête")
            << Bande << QStringLiteral("07") << 7 << QByteArray(" 7 7050\r\n");
        QTest::newRow("fréquence 99999")
            << Frequence << QStringLiteral("99999") << 99999 << QByteArray("40 99999\r\n");
        QTest::newRow("fréquence -9999")
            << Frequence << QStringLiteral("-9999") << -9999 << QByteArray("40 -9999\r\n");
        QTest::newRow("fréquence +007000, signe et zéros en tête")
            << Frequence << QStringLiteral("+007000") << 7000 << QByteArray("40 7000\r\n");
    }

    void valeursLimitesRelues()
    {
        QFETCH(int, colonne);
        QFETCH(QString, texte);
        QFETCH(int, valeur);
        QFETCH(QByteArray, ligneEcrite);

        TForm2 editeur;
        QVERIFY(ouvre(editeur));
        QVERIFY(tape(editeur, 1, colonne, texte));
        quitte(editeur, Reponse::Oui);

        QVERIFY(plateforme_.erreursParDefaut.isEmpty());
        QVERIFY(!editeur.isVisible());
        const QByteArray octets = contenu(kesuIni());
        QCOMPARE(octets.split('\n').value(1) + '\n', ligneEcrite);
        const std::optional<FichierBandes::Table> relue = lue(octets);
        QVERIFY2(relue, octets.constData());
        QCOMPARE(*relue, EtatCalcul.TableBandes);
        QCOMPARE(colonne == Bande ? (*relue)[1].Bande : (*relue)[1].Frequence, valeur);
    }

    void celluleOuverteEnGras()
    {
        // The band editor's grid, in the bundled bitmap font the program uses.
        TForm2 editeur;
        editeur.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editeur));
        QTableWidget *grille = editeur.EditFreq;
        grille->setCurrentCell(2, 1);
        grille->editItem(grille->item(2, 1));
        auto *saisie = qobject_cast<QLineEdit *>(grille->indexWidget(grille->model()->index(2, 1)));
        QVERIFY(saisie);
        saisie->deselect();
        // The same text in a plain box of the same font, not struck twice.
        QLineEdit simple(saisie->text());
        simple.setFrame(false);
        simple.setFont(grille->font());
        simple.resize(saisie->size());
        const int gras = pixelsSombres(saisie->grab().toImage());
        const int maigre = pixelsSombres(simple.grab().toImage());
        QVERIFY2(gras > maigre * 3 / 2,
                 qPrintable(QStringLiteral("%1 / %2").arg(gras).arg(maigre)));
    }
};

QTEST_MAIN(TstModal)
#include "tst_modal.moc"
