#include "FenetreTest.h"
#include "Francais.h"
#include "GrapheDirect.h"
#include "regles/Erreurs.h"
#include "state/EcritureFichier.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"
#include "ui/plateforme/PoliceEcran.h"

#include <QAction>
#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

#include <unistd.h>

// The "Fichier" menu: its entries, the print entry following the print
// button, and the picture saved as a PNG file.
class TstFichier : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void entrees();
    void imprimerSuitLeBouton();
    void enregistre_data();
    void enregistre();
    void destinationProtegee();
    void annule();
    void nomFinal_data();
    void nomFinal();
    void remplacementEchoue();

private:
    QTemporaryDir reglages_;
};

namespace {

QStringList textes(const QList<QAction *> &actions)
{
    QStringList t;
    for (const QAction *a : actions)
        t << a->text();
    return t;
}

// Answers the save dialog with `chemin` and the filter at `choix`.
void repond(FenetreTest &f, const QString &chemin, int choix)
{
    f.plateforme.surEnregistrement = [chemin, choix](const QString &, const QStringList &filtres,
                                                     QString &filtre) {
        filtre = filtres.at(choix);
        return chemin;
    };
}

} // namespace

void TstFichier::initTestCase()
{
    // The user's settings go to a folder of the test's own.
    qputenv("XDG_CONFIG_HOME", reglages_.path().toLocal8Bit());
    dossiersUtilisateur(reglages_.path());
}

// Each test starts with nothing remembered.
void TstFichier::init()
{
    QSettings("Kesu", "Kesu").remove("Enregistrement");
}

void TstFichier::entrees()
{
    FenetreTest f;
    if (!suiteEnAnglais())
        QCOMPARE(textes(f->menuBar()->actions()),
                 (QStringList{"&Fichier", "&Editer", "&Outils", "A &Propos"}));
    if (!suiteEnAnglais())
        QCOMPARE(textes(f->MenuFichier->actions()),
                 (QStringList{"&Nouveau", "&Ouvrir…", "Fichiers &récents", "&Enregistrer",
                              "Enregistrer &sous…", "No&tes du projet…", "", "E&xporter l'image…",
                              "Exporter le &modèle NEC-2…", "&Imprimer…", "", "&Quitter"}));
    f->Quitter->trigger();
    QTRY_VERIFY(!f->isVisible());
}

void TstFichier::imprimerSuitLeBouton()
{
    FenetreTest f;
    QVERIFY(!f->Imprimer->isEnabled());
    f->Button1->click();
    QVERIFY(f->Imprimer->isEnabled());
    int dialogues = 0;
    f.plateforme.surImpression = [&dialogues](QPrinter &) {
        ++dialogues;
        return false;
    };
    f->Imprimer->trigger();
    QCOMPARE(dialogues, 1);
    f->ClicAB->click(); // an armed move hides the print button
    QVERIFY(!f->Imprimer->isEnabled());
}

void TstFichier::enregistre_data()
{
    QTest::addColumn<bool>("lobes");
    QTest::addColumn<int>("choix");
    QTest::addColumn<int>("facteur");
    QTest::newRow("chart, as shown") << false << 0 << 1;
    QTest::newRow("chart, 2x") << false << 1 << 2;
    QTest::newRow("chart, 4x") << false << 2 << 4;
    QTest::newRow("lobe panel, as shown") << true << 0 << 1;
    QTest::newRow("lobe panel, 4x") << true << 2 << 4;
}

void TstFichier::enregistre()
{
    QFETCH(bool, lobes);
    QFETCH(int, choix);
    QFETCH(int, facteur);
    FenetreTest f;
    f->Button1->click();
    if (lobes)
        f->LRayon->click();
    const QImage affichee = f->Image1->picture();
    QTemporaryDir dossier;
    // The extension is added when the name has none.
    repond(f, dossier.filePath("graphe"), choix);
    f->EnregistrerImage->trigger();

    QCOMPARE(f.plateforme.propositionsEnregistrement.size(), 1);
    QString images = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (images.isEmpty() || !QDir(images).exists())
        images = QDir::homePath();
    QCOMPARE(f.plateforme.propositionsEnregistrement.first(),
             QDir(images).filePath(lobes ? "Kesu lobes 2062.png" : "Kesu 2062-3000.png"));
    QVERIFY(f.plateforme.erreursParDefaut.isEmpty());
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{"graphe.png"});
    // The next dialog opens at the size chosen.
    QString preselection, choisi;
    f.plateforme.surEnregistrement = [&](const QString &, const QStringList &filtres,
                                         QString &filtre) {
        preselection = filtre;
        choisi = filtres.at(choix);
        return QString();
    };
    f->EnregistrerImage->trigger();
    QCOMPARE(preselection, choisi);
    QImage png(dossier.filePath("graphe.png"));
    QVERIFY(lobes || png.size() == QSize(785, 330) * facteur);
    png = png.convertToFormat(QImage::Format_RGB32);

    if (lobes) {
        // The diagrams on the window's background, in their places, each row
        // over a strip where each diagram's band is named: as shown, the
        // diagrams are the very pixels on the screen.
        const int bande = (png.height() - 330 * facteur) / 2;
        QVERIFY(png.width() == 785 * facteur && bande >= 13 * facteur);
        QCOMPARE(png.pixel(2 * facteur, 2 * facteur), qRgb(0, 0x80, 0x80));
        const QRect zone80 = f->Image80->geometry().translated(-f->Image1->pos());
        QCOMPARE(png.pixel((zone80.topLeft() + QPoint(2, 2)) * facteur), qRgb(255, 255, 255));
        const QImage ecran = f->centralWidget()->grab(f->Image1->geometry()).toImage();
        QImage vide(785 * facteur, bande, QImage::Format_RGB32);
        vide.fill(qRgb(0, 0x80, 0x80));
        QList<QImage> legendes{vide};
        for (ZoneImage *z : f->imagesLobes()) {
            const QRect r = z->geometry().translated(-f->Image1->pos());
            const int decalage = r.y() > zone80.bottom() ? bande : 0;
            if (facteur == 1)
                QCOMPARE(png.copy(r.translated(0, decalage)),
                         ecran.copy(r).convertToFormat(QImage::Format_RGB32));
            const QImage legende = png.copy(r.x() * facteur, (r.bottom() + 1) * facteur + decalage,
                                            r.width() * facteur, bande);
            QVERIFY(!legendes.contains(legende)); // not empty, not another's
            legendes << legende;
        }
        return;
    }
    if (facteur == 1) {
        QCOMPARE(png, affichee); // the very picture on the screen
        return;
    }
    // The chart drawn for that size, lines and letters in proportion.
    const QImage direct = GrapheDirect(QSize(785, 330) * facteur, PoliceGraphe(facteur), facteur);
    QCOMPARE(png, direct);
    // Saving changed nothing on the screen or in the scales.
    QCOMPARE(f->Image1->picture(), affichee);
    QCOMPARE(EtatCalcul.EchelleX, 785.0 / 5387);
}

void TstFichier::destinationProtegee()
{
    FenetreTest f;
    f->Button1->click();
    QTemporaryDir temporaire;
    // Root writes anywhere on a writable file system, not in /proc.
    const bool root = ::geteuid() == 0;
    const QString dossier = root ? QStringLiteral("/proc") : temporaire.path();
    if (!root)
        QFile::setPermissions(dossier, QFile::ReadOwner | QFile::ExeOwner);
    const QString chemin = QDir(dossier).filePath("Kesu.png");
    repond(f, chemin, 2);
    f->EnregistrerImage->trigger();
    QCOMPARE(f.plateforme.erreursParDefaut.size(), 1);
    if (!suiteEnAnglais())
        QVERIFY2(f.plateforme.erreursParDefaut.first().startsWith(
                     QStringLiteral("Impossible d'enregistrer l'image %1 : ").arg(chemin)),
                 qPrintable(f.plateforme.erreursParDefaut.first()));
    QVERIFY(!QFile::exists(chemin));
    if (!root)
        QVERIFY(QDir(dossier).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QFile::setPermissions(temporaire.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TstFichier::annule()
{
    FenetreTest f;
    f->EnregistrerImage->trigger(); // nothing shown yet: no dialog
    QVERIFY(f.plateforme.propositionsEnregistrement.isEmpty());
    f->Button1->click();
    f->EnregistrerImage->trigger(); // cancelled
    QCOMPARE(f.plateforme.propositionsEnregistrement.size(), 1);
    QVERIFY(f.plateforme.erreursParDefaut.isEmpty());
    QVERIFY(f->Image1->isVisible());
}

// The name typed gets its extension, and the question before replacing is
// about the file that would be replaced; refused, the dialog comes back there.
void TstFichier::nomFinal_data()
{
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QStringList>("avant");
    QTest::addColumn<QList<bool>>("reponses");
    QTest::addColumn<QString>("ecrit");
    QTest::newRow("new") << "essai4x" << QStringList{} << QList<bool>{} << "essai4x.png";
    QTest::newRow("typed with its dot")
        << "essai4x." << QStringList{} << QList<bool>{} << "essai4x.png";
    QTest::newRow("replaced") << "essai4x" << QStringList{"essai4x.png"} << QList<bool>{true}
                              << "essai4x.png";
    QTest::newRow("refused") << "essai4x" << QStringList{"essai4x.png"} << QList<bool>{false} << "";
}

void TstFichier::nomFinal()
{
    QFETCH(QString, tape);
    QFETCH(QStringList, avant);
    QFETCH(QList<bool>, reponses);
    QFETCH(QString, ecrit);
    FenetreTest f;
    f->Button1->click();
    QTemporaryDir dossier;
    for (const QString &nom : avant) {
        QFile ancien(dossier.filePath(nom));
        QVERIFY(ancien.open(QIODevice::WriteOnly) && ancien.write("ancien") == 6);
    }
    // "essai4x" typed at the first showing; cancelled when shown in that folder.
    f.plateforme.surEnregistrement = [&](const QString &proposition, const QStringList &,
                                         QString &) {
        return proposition.startsWith(dossier.path()) ? QString() : dossier.filePath(tape);
    };
    f.plateforme.reponsesRemplacement = reponses;
    f->EnregistrerImage->trigger();
    QCOMPARE(f.plateforme.remplacements.size(), reponses.size());
    if (!suiteEnAnglais())
        QVERIFY(reponses.isEmpty() || f.plateforme.remplacements[0].contains("« essai4x.png »"));
    QFile png(dossier.filePath("essai4x.png"));
    QVERIFY(png.open(QIODevice::ReadOnly));
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{"essai4x.png"});
    QCOMPARE(png.readAll() == "ancien", ecrit.isEmpty());
    // Refused, the dialog comes back at the final name; saved, the next
    // picture is proposed in the same folder.
    f->EnregistrerImage->trigger();
    QCOMPARE(f.plateforme.propositionsEnregistrement.last(),
             dossier.filePath(ecrit.isEmpty() ? "essai4x.png" : "Kesu 2062-3000.png"));
}

// The written picture cannot take its name (here a folder took it meanwhile):
// the user is told, and no file is left behind.
void TstFichier::remplacementEchoue()
{
    FenetreTest f;
    f->Button1->click();
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("graphe.png");
    repond(f, chemin, 0);
    EcritureFichier::avantRemplacement = [](const QString &c) { QDir().mkpath(c + "/pris"); };
    f->EnregistrerImage->trigger();
    EcritureFichier::avantRemplacement = nullptr;
    QCOMPARE(f.plateforme.erreursParDefaut,
             QStringList{texteBoiteErreur(
                 Textes::ImageNonEnregistree().arg(chemin, Textes::FichierNonMisEnPlace()))});
    QCOMPARE(QDir(dossier.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"graphe.png"}); // the folder, nothing else
}

QTEST_MAIN(TstFichier)
#include "tst_fichier.moc"
