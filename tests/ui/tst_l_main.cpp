#include "FenetreTest.h"
#include "Francais.h"
#include "ui/fenetres/editeur/Modal.h"
#include "ui/fenetres/longueurs/LongueursConseillees.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"
#include "ui/fenetres/verification/VerificationNec.h"
#include "ui/plateforme/AideViewer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableWidget>
#include <QToolTip>

// The main window as a user meets it: start-up, band boxes, the rule that a
// changed input disables the lobe button, help, and the About box.
class TstLMain : public QObject {
    Q_OBJECT
private slots:
    void etatAuDemarrage();
    void fichierIllisibleTermineLeProgramme_data();
    void fichierIllisibleTermineLeProgramme();
    void casesDeBandes();
    void premiereLigne160();
    void regleDeChangementDeParametre();
    void demarrageUneSeuleFois();
    void aideF1_data();
    void aideF1();
    void boutonAide();
    void clavierDeChaqueFenetre();
    void erreurDansUnHandlerEstAfficheeEtLeProgrammeContinue();
    void editeurDeBandesGardePourLaSession();
    void ordreDeTabulationEtBulles();
};

void TstLMain::etatAuDemarrage()
{
    FenetreTest w;
    QCOMPARE(w->CbCoefEch->currentText(), "0.92");
    QCOMPARE(w->CbCoefEch->count(), 5);
    QCOMPARE(w->CbCoefEch->itemText(0), "0.97");
    const QStringList legendes{"80 m", "40 m", "30 m", "20 m", "17 m", "15 m", "12 m", "10 m"};
    for (int k = 1; k <= NombreBandes; ++k) {
        QVERIFY(w->casesBandes()[k - 1]->isChecked());
        QCOMPARE(w->casesBandes()[k - 1]->text(), legendes[k - 1]);
        QVERIFY(EtatCalcul.BandeActive[k]);
        QCOMPARE(EtatCalcul.LamdaDip[k], 0.0);
    }
    QCOMPARE(EtatCalcul.TableBandes[3].Frequence, 14100);
    QCOMPARE(EtatCalcul.SeuilBas, 0.8);
    QCOMPARE(EtatCalcul.SeuilMoyen, 0.6);
    QCOMPARE(EtatCalcul.SeuilHaut, 0.3);
    QCOMPARE(EtatCalcul.PlageVerticale, 2.37);
    QCOMPARE(EtatCalcul.DiviseurHauteur, 2);
    QVERIFY(!EtatCalcul.DeplacementArme && !EtatCalcul.DeplaceAB && !EtatCalcul.DeplaceBC);
    QVERIFY(!EtatCalcul.GrapheCourants);
    QCOMPARE(EtatCalcul.LongElecTotale, 0);
    QCOMPARE(EtatCalcul.EchelleX, 0.0);

    QVERIFY(w->Image1->isHidden());
    for (ZoneImage *z : w->imagesLobes())
        QVERIFY(z->isHidden());
    QVERIFY(w->ProgressBar1->isHidden());
    QVERIFY(w->BitBtn2->isHidden());
    QVERIFY(w->Button1->isEnabled());
    QVERIFY(!w->ClicAB->isEnabled());
    QVERIFY(!w->ClicBC->isEnabled());
    QVERIFY(!w->LRayon->isEnabled());
    QCOMPARE(QApplication::focusWidget(), w->LongDip);
    QVERIFY(w->ChSerie_moy->isChecked());
    QCOMPARE(w->LongDip->text(), "2062");
    QCOMPARE(w->LongEch->text(), "3000");
    QCOMPARE(w->CoefDip->text(), "0.97");
    QVERIFY(w->DipElec->text().isEmpty());
    QCOMPARE(w->Image1->geometry(), QRect(0, 99, 785, 330));
    QCOMPARE(w->centralWidget()->size(), QSize(786, 509));
    // In the English run, the translation is found and installed.
    QCOMPARE(w->windowTitle(), suiteEnAnglais()
                                   ? "Impedances along a KESU antenna"
                                   : "Visualisation des impédances sur une antenne KESU");
    QCOMPARE(w->LRayon->palette().color(QPalette::Active, QPalette::ButtonText).rgb() & 0xFFFFFF,
             0xFF0000u);
    QCOMPARE(w.plateforme.codeFin, -1);
    QVERIFY(w.plateforme.erreurs.isEmpty());
}

void TstLMain::fichierIllisibleTermineLeProgramme_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<bool>("present");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("bad text") << QByteArray("80 3650\r\nxx 7050\r\n") << true;
    QTest::newRow("empty") << QByteArray("") << true;
}

void TstLMain::fichierIllisibleTermineLeProgramme()
{
    QFETCH(QByteArray, contenu);
    QFETCH(bool, present);
    FenetreTest w(present ? contenu : QByteArray());
    if (!suiteEnAnglais())
        QCOMPARE(w.plateforme.erreurs, QStringList{"Fichier KESU.INI introuvable"});
    QCOMPARE(w.plateforme.codeFin, 1);
    QVERIFY(w->Ch80m->text().isEmpty()); // not labelled
}

void TstLMain::casesDeBandes()
{
    FenetreTest w;
    w->Ch30m->click();
    QVERIFY(!EtatCalcul.BandeActive[3]);
    for (int k : {1, 2, 4, 5, 6, 7, 8})
        QVERIFY(EtatCalcul.BandeActive[k]);
    w->Ch30m->click();
    QVERIFY(EtatCalcul.BandeActive[3]);
    // The space bar toggles like the mouse.
    w->Ch10m->setFocus();
    QTest::keyClick(w->Ch10m, Qt::Key_Space);
    QVERIFY(!EtatCalcul.BandeActive[8]);
    QVERIFY(w->Ch40m->toolTip().isEmpty());
    if (!suiteEnAnglais())
        QCOMPARE(w->GroupBox1->toolTip(), "Choix des bandes de travail de l'antenne");
}

void TstLMain::premiereLigne160()
{
    QByteArray contenu = FenetreTest::KesuIni;
    contenu.replace("80 3650", "16 1850");
    FenetreTest w(contenu);
    QCOMPARE(w->Ch80m->text(), "16 m");
    EtatCalcul.TableBandes[0].Bande = 160;
    w->LibelleBandes();
    QCOMPARE(w->Ch80m->text(), "160 m");
    w->Ch80m->click();
    QVERIFY(!EtatCalcul.BandeActive[1]);
}

void TstLMain::regleDeChangementDeParametre()
{
    FenetreTest w;
    for (QWidget *entree :
         {static_cast<QWidget *>(w->LongDip), static_cast<QWidget *>(w->LongEch),
          static_cast<QWidget *>(w->CoefDip), static_cast<QWidget *>(w->CbCoefEch)}) {
        w->LRayon->setEnabled(true);
        w->ClicAB->setEnabled(true);
        QTest::keyClick(entree, Qt::Key_5);
        QVERIFY2(!w->LRayon->isEnabled(), qPrintable(entree->objectName()));
        QVERIFY(w->ClicAB->isEnabled());
    }
    // Typing and restoring the old text still leaves it disabled.
    w->LRayon->setEnabled(true);
    w->LongDip->setText("2062x");
    w->LRayon->setEnabled(true);
    w->LongDip->setText("2062");
    QVERIFY(!w->LRayon->isEnabled());
    // Choosing a list entry counts too.
    w->LRayon->setEnabled(true);
    w->CbCoefEch->setCurrentIndex(0);
    QVERIFY(!w->LRayon->isEnabled());
}

void TstLMain::demarrageUneSeuleFois()
{
    FenetreTest w;
    w->Ch20m->click();
    w->CbCoefEch->setCurrentIndex(4);
    w->ClicAB->setEnabled(true);
    w->LRayon->setEnabled(true);
    int affichages = 0;
    w.plateforme.surModal = [&](QDialog &d) {
        ++affichages;
        d.show();
        QTest::qWait(1);
        d.accept();
        return int(QDialog::Accepted);
    };
    w->A_ProposClick();
    w->A_ProposClick();
    QCOMPARE(affichages, 2);
    w->activateWindow();
    QTest::qWait(10);
    QVERIFY(!EtatCalcul.BandeActive[4]);
    QCOMPARE(w->CbCoefEch->currentText(), "0.66");
    QVERIFY(!w->ClicAB->isEnabled());
    QVERIFY(!w->LRayon->isEnabled());
    QVERIFY(w->Form3->isHidden()); // kept for the next showing
}

void TstLMain::aideF1_data()
{
    QTest::addColumn<QString>("controle");
    QTest::addColumn<int>("contexte");
    QTest::newRow("LongDip") << "LongDip" << 1;
    QTest::newRow("CoefDip") << "CoefDip" << 2;
    QTest::newRow("LongEch") << "LongEch" << 3;
    QTest::newRow("CbCoefEch") << "CbCoefEch" << 4;
    QTest::newRow("band box") << "Ch12m" << 7;
    QTest::newRow("Lancer") << "Button1" << 8;
    QTest::newRow("threshold box") << "LimiteBasse" << 0;
    QTest::newRow("read-out") << "DipElec" << 0;
    QTest::newRow("ChPara") << "ChPara" << 0;
}

void TstLMain::aideF1()
{
    QFETCH(QString, controle);
    QFETCH(int, contexte);
    FenetreTest w;
    auto *c = w->findChild<QWidget *>(controle);
    QVERIFY(c);
    c->setFocus();
    QCOMPARE(w->contexteAide(), contexte);
    w.plateforme.aides.clear();
    QTest::keyClick(c, Qt::Key_F1);
    if (contexte == 0) {
        QVERIFY(w.plateforme.aides.isEmpty());
    } else {
        QCOMPARE(w.plateforme.aides.size(), 1);
        QCOMPARE(w.plateforme.aides[0].contexte, contexte);
        QVERIFY(QFileInfo(w.plateforme.aides[0].fichier).isAbsolute());
        QCOMPARE(QFileInfo(w.plateforme.aides[0].fichier).fileName(),
                 suiteEnAnglais() ? "Kesu.en.hlp" : "Kesu.hlp");
    }
}

// "Aide" opens the same document as F1: the one beside the program, or the
// user's copy in the working folder when there is one.
void TstLMain::boutonAide()
{
    FenetreTest w;
    // The document of the language the program speaks.
    const QString nom = suiteEnAnglais() ? "Kesu.en.hlp" : "Kesu.hlp";
    const QString aCote = QCoreApplication::applicationDirPath() + "/" + nom;
    for (const bool copie : {false, true}) {
        if (copie)
            QVERIFY(QFile::copy(aCote, w.dossier() + "/" + nom.toLower()));
        w.plateforme.aides.clear();
        w->LimiteHaute->setFocus();
        w->AideClic->click();
        w->LongDip->setFocus();
        QTest::keyClick(w->LongDip, Qt::Key_F1);
        QCOMPARE(w.plateforme.aides.size(), 2);
        QCOMPARE(w.plateforme.aides[0].contexte, 0);
        const QFileInfo ouvert(w.plateforme.aides[0].fichier);
        QCOMPARE(w.plateforme.aides[1].fichier, ouvert.filePath());
        QCOMPARE(ouvert.canonicalFilePath(),
                 QFileInfo(copie ? w.dossier() + "/" + nom.toLower() : aCote).canonicalFilePath());
    }
}

namespace {

// The texts of a window whose mnemonics one key would share: the menu bar's
// titles with the buttons, group boxes and labels of a field (hidden ones
// too), then each menu apart, whose keys act only while it is open.
QStringList doublons(QWidget *fenetre)
{
    QList<QStringList> portees(1);
    for (QWidget *w : fenetre->findChildren<QWidget *>()) {
        const auto *l = qobject_cast<QLabel *>(w);
        if (w->window() == fenetre && (qobject_cast<QAbstractButton *>(w) || (l && l->buddy())))
            portees[0] << w->property("text").toString();
        if (const auto *g = qobject_cast<QGroupBox *>(w); g && g->window() == fenetre)
            portees[0] << g->title();
        for (QAction *a : qobject_cast<QMenuBar *>(w) ? w->actions() : QList<QAction *>()) {
            portees[0] << a->text();
            portees << QStringList();
            for (QAction *entree : a->menu() ? a->menu()->actions() : QList<QAction *>())
                portees.last() << entree->text();
        }
    }
    QStringList resultat;
    for (const QStringList &textes : portees) {
        QMap<QString, QString> vues;
        for (const QString &t : textes) {
            const QString touche = QKeySequence::mnemonic(t).toString();
            if (!touche.isEmpty() && vues.contains(touche))
                resultat << vues[touche] + ", " + t;
            vues[touche] = t;
        }
    }
    return resultat;
}

} // namespace

// No key reaches two things in a window, Alt+F opens "Fichier" rather than
// closing the program, and F1 opens each window's own help.
void TstLMain::clavierDeChaqueFenetre()
{
    FenetreTest w;
    QCOMPARE(doublons(w.w.get()), QStringList());
    QTest::keyClick(w.w.get(), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(w->MenuFichier->isVisible());
    w->MenuFichier->close();
    QVERIFY(w->isVisible());
    QStringList trouves;
    w.plateforme.surModal = [&](QDialog &d) {
        trouves << doublons(&d);
        for (QShortcut *raccourci : d.findChildren<QShortcut *>())
            if (raccourci->key() == QKeySequence(Qt::Key_F1))
                emit raccourci->activated();
        return 0;
    };
    w->FrqBande->trigger();
    w->A_Propos->trigger();
    QCOMPARE(trouves, QStringList());
    QCOMPARE(w.plateforme.aides.size(), 2);
    QCOMPARE(w.plateforme.aides[0].contexte, AideViewer::ContexteEditeur);
    QCOMPARE(w.plateforme.aides[1].contexte, AideViewer::ContexteAPropos);
    w->Button1->click();
    w->VerifNec->trigger();
    QCOMPARE(doublons(w->verificationNec), QStringList());
    w->LongConseil->trigger();
    QCOMPARE(doublons(w->longueursConseillees), QStringList());
}

void TstLMain::erreurDansUnHandlerEstAfficheeEtLeProgrammeContinue()
{
    FenetreTest w;
    w->LongDip->setText("20x2");
    w->Button1->click();
    if (!suiteEnAnglais())
        QCOMPARE(w.plateforme.erreursParDefaut,
                 QStringList{"'20x2' n'est pas une valeur entière correcte."});
    QVERIFY(w->isVisible());
}

void TstLMain::editeurDeBandesGardePourLaSession()
{
    FenetreTest w;
    w->Button1->click();
    const QImage graphe = w->Image1->picture();
    w.plateforme.reponses = {Plateforme::Reponse::Non};
    w.plateforme.surModal = [](QDialog &d) {
        auto &editeur = dynamic_cast<TForm2 &>(d);
        editeur.show();
        QTableWidget *grille = editeur.EditFreq;
        grille->setCurrentCell(0, 0);
        grille->editItem(grille->item(0, 0));
        auto *saisie = qobject_cast<QLineEdit *>(grille->indexWidget(grille->currentIndex()));
        if (saisie) {
            saisie->selectAll();
            QTest::keyClicks(saisie, "160");
        }
        editeur.Quitter1->trigger();
        return editeur.result();
    };
    w->FrqBande->trigger();
    if (!suiteEnAnglais())
        QCOMPARE(w.plateforme.confirmations,
                 QStringList{"Sauvegarder définitivement les fréquences ?"});
    QCOMPARE(EtatCalcul.TableBandes[0].Bande, 160);
    QCOMPARE(w->Ch80m->text(), "160 m");
    QVERIFY(!w->ClicAB->isEnabled());
    QVERIFY(!w->ClicBC->isEnabled());
    QVERIFY(!w->LRayon->isEnabled());
    QCOMPARE(w->Image1->picture(), graphe); // not redrawn
    QFile f(w.dossier() + "/Kesu.ini");
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), FenetreTest::KesuIni); // kept for this run only
}

void TstLMain::ordreDeTabulationEtBulles()
{
    FenetreTest w;
    QStringList visites;
    QWidget *c = w->LongDip;
    do {
        if ((c->focusPolicy() & Qt::TabFocus) && !c->objectName().isEmpty())
            visites << c->objectName();
        c = c->nextInFocusChain();
    } while (c != w->LongDip && visites.size() < 60);
    const QStringList attendu{
        "LongDip",  "LongEch",     "CoefDip",      "CbCoefEch",   "BitBtn1",     "Button1",
        "DipElec",  "EchElec",     "DipPhysique",  "EchPhysique", "ClicAB",      "ClicBC",
        "AideClic", "LimiteBasse", "LimitMoyenne", "LimiteHaute", "ChSerie_bas", "ChSerie_moy",
        "LRayon",   "BitBtn2",     "Ch80m",        "Ch40m",       "Ch30m",       "Ch20m",
        "Ch17m",    "Ch15m",       "Ch12m",        "Ch10m",       "ChPara"};
    QCOMPARE(visites.mid(0, attendu.size()), attendu);

    // A band box has no hint of its own: its group box's hint shows.
    QHelpEvent bulle(QEvent::ToolTip, QPoint(5, 5), w->Ch40m->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(w->Ch40m, &bulle);
    if (!suiteEnAnglais())
        QTRY_COMPARE(QToolTip::text(), QString("Choix des bandes de travail de l'antenne"));
}

QTEST_MAIN(TstLMain)
#include "tst_l_main.moc"
