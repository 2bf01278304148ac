#include "FenetreTest.h"
#include "GrapheDirect.h"
#include "ui/PoliceEcran.h"
#include "ui/ZoneImage.h"

#include <QAction>
#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>

#include <unistd.h>

// The "Fichier" menu: its entries, the print entry following the print
// button, and the picture saved as a PNG file.
class TstFichier : public QObject {
    Q_OBJECT
private slots:
    void entrees();
    void imprimerSuitLeBouton();
    void enregistre_data();
    void enregistre();
    void destinationProtegee();
    void annule();
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

void TstFichier::entrees()
{
    FenetreTest f;
    QCOMPARE(textes(f->menuBar()->actions()),
             (QStringList{"Fichier", "Editer", "Outils", "A Propos"}));
    QCOMPARE(textes(f->MenuFichier->actions()),
             (QStringList{"Enregistrer l'image…", "Imprimer…", "", "Quitter"}));
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
             QDir(images).filePath("Kesu 2062-3000.png"));
    QVERIFY(f.plateforme.erreursParDefaut.isEmpty());
    QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{"graphe.png"});
    QImage png(dossier.filePath("graphe.png"));
    QCOMPARE(png.size(), QSize(785, 330) * facteur);
    png = png.convertToFormat(QImage::Format_RGB32);

    if (lobes) {
        // The diagrams on the window's background, in their places: as shown,
        // the very pixels on the screen.
        QCOMPARE(png.pixel(2 * facteur, 2 * facteur), qRgb(0, 0x80, 0x80));
        const QRect zone80 = f->Image80->geometry().translated(-f->Image1->pos());
        QCOMPARE(png.pixel((zone80.topLeft() + QPoint(2, 2)) * facteur), qRgb(255, 255, 255));
        if (facteur == 1)
            QCOMPARE(png, f->centralWidget()
                              ->grab(f->Image1->geometry())
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32));
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

QTEST_MAIN(TstFichier)
#include "tst_fichier.moc"
