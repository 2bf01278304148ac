#include "PlateformeTest.h"
#include "state/EtatCalcul.h"
#include "ui/A_Propos.h"
#include "ui/L_Main.h"
#include "ui/Modal.h"
#include "ui/ZoneImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QHelpEvent>
#include <QTableWidget>
#include <QToolTip>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const QByteArray Defaut = "80 3650\r\n40 7050\r\n30 10120\r\n20 14100\r\n"
                          "17 18100\r\n15 21200\r\n12 24940\r\n10 28500\r\n";

QRgb couleurTexte(const QWidget *w, QPalette::ColorRole role = QPalette::WindowText)
{
    return w->palette().color(role).rgb() & 0xFFFFFF;
}

} // namespace

// The main window as a user meets it: start-up, band boxes, the rule that a
// changed input disables the lobe button, help, and the About box.
class TstLMain : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
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
    void erreurDansUnHandlerEstAfficheeEtLeProgrammeContinue();
    void editeurDeBandesGardePourLaSession();
    void ordreDeTabulationEtBulles();

private:
    void ecrisFichier(const QByteArray &contenu);
    std::unique_ptr<TForm1> demarre();

    std::unique_ptr<QTemporaryDir> dossier_;
    QString avant_;
    PlateformeTest *plateforme_ = nullptr;
};

void TstLMain::init()
{
    EtatCalcul = {};
    plateforme_ = new PlateformeTest;
    dossier_ = std::make_unique<QTemporaryDir>();
    avant_ = QDir::currentPath();
    QDir::setCurrent(dossier_->path());
    ecrisFichier(Defaut);
}

void TstLMain::cleanup()
{
    QDir::setCurrent(avant_);
    dossier_.reset();
    delete plateforme_;
}

void TstLMain::ecrisFichier(const QByteArray &contenu)
{
    QFile f(dossier_->filePath("Kesu.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

std::unique_ptr<TForm1> TstLMain::demarre()
{
    auto w = std::make_unique<TForm1>();
    w->Form3 = new TForm3(w.get());
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get()) || !w->demarrageFait())
        w->FormActivate();
    return w;
}

void TstLMain::etatAuDemarrage()
{
    auto w = demarre();
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
    QCOMPARE(w->windowTitle(), "Visualisation des impédances sur une antenne KESU");
    QCOMPARE(couleurTexte(w->LRayon, QPalette::ButtonText), 0xFF0000u);
    QCOMPARE(plateforme_->codeFin, -1);
    QVERIFY(plateforme_->erreurs.isEmpty());
}

void TstLMain::fichierIllisibleTermineLeProgramme_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<bool>("present");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("bad text") << QByteArray("80 3650\r\nxx 7050\r\n") << true;
    QTest::newRow("empty") << QByteArray() << true;
}

void TstLMain::fichierIllisibleTermineLeProgramme()
{
    QFETCH(QByteArray, contenu);
    QFETCH(bool, present);
    QFile::remove(dossier_->filePath("Kesu.ini"));
    if (present)
        ecrisFichier(contenu);
    auto w = demarre();
    QCOMPARE(plateforme_->erreurs, QStringList{"Fichier KESU.INI introuvable"});
    QCOMPARE(plateforme_->codeFin, 1);
    QVERIFY(w->Ch80m->text().isEmpty()); // not labelled
}

void TstLMain::casesDeBandes()
{
    auto w = demarre();
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
    QCOMPARE(w->GroupBox1->toolTip(), "Choix des bandes de travail de l'antenne");
}

void TstLMain::premiereLigne160()
{
    QByteArray contenu = Defaut;
    contenu.replace("80 3650", "16 1850");
    ecrisFichier(contenu);
    auto w = demarre();
    QCOMPARE(w->Ch80m->text(), "16 m");
    EtatCalcul.TableBandes[0].Bande = 160;
    w->LibelleBandes();
    QCOMPARE(w->Ch80m->text(), "160 m");
    w->Ch80m->click();
    QVERIFY(!EtatCalcul.BandeActive[1]);
}

void TstLMain::regleDeChangementDeParametre()
{
    auto w = demarre();
    for (QWidget *entree : {static_cast<QWidget *>(w->LongDip), static_cast<QWidget *>(w->LongEch),
                            static_cast<QWidget *>(w->CoefDip),
                            static_cast<QWidget *>(w->CbCoefEch)}) {
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
    auto w = demarre();
    w->Ch20m->click();
    w->CbCoefEch->setCurrentIndex(4);
    w->ClicAB->setEnabled(true);
    w->LRayon->setEnabled(true);
    int affichages = 0;
    plateforme_->surModal = [&](QDialog &d) {
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
    auto w = demarre();
    auto *c = w->findChild<QWidget *>(controle);
    QVERIFY(c);
    c->setFocus();
    QCOMPARE(w->contexteAide(), contexte);
    plateforme_->aides.clear();
    QTest::keyClick(c, Qt::Key_F1);
    if (contexte == 0) {
        QVERIFY(plateforme_->aides.isEmpty());
    } else {
        QCOMPARE(plateforme_->aides.size(), 1);
        QCOMPARE(plateforme_->aides[0].contexte, contexte);
        QVERIFY(QFileInfo(plateforme_->aides[0].fichier).isAbsolute());
        QCOMPARE(QFileInfo(plateforme_->aides[0].fichier).fileName(), "Kesu.hlp");
    }
}

void TstLMain::boutonAide()
{
    auto w = demarre();
    w->LimiteHaute->setFocus();
    w->AideClic->click();
    QCOMPARE(plateforme_->aides.size(), 1);
    QCOMPARE(plateforme_->aides[0].fichier, "kesu.hlp");
    QCOMPARE(plateforme_->aides[0].contexte, 0);
}

void TstLMain::erreurDansUnHandlerEstAfficheeEtLeProgrammeContinue()
{
    auto w = demarre();
    w->LongDip->setText("20x2");
    w->Button1->click();
    QCOMPARE(plateforme_->erreursParDefaut,
             QStringList{"'20x2' n'est pas une valeur entière correcte."});
    QVERIFY(w->isVisible());
}

void TstLMain::editeurDeBandesGardePourLaSession()
{
    auto w = demarre();
    w->Button1->click();
    const QImage graphe = w->Image1->picture();
    plateforme_->reponses = {Plateforme::Reponse::Non};
    plateforme_->surModal = [](QDialog &d) {
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
    QCOMPARE(plateforme_->confirmations,
             QStringList{"Sauvegarder définitivement les fréquences ?"});
    QCOMPARE(EtatCalcul.TableBandes[0].Bande, 160);
    QCOMPARE(w->Ch80m->text(), "160 m");
    QVERIFY(!w->ClicAB->isEnabled());
    QVERIFY(!w->ClicBC->isEnabled());
    QVERIFY(!w->LRayon->isEnabled());
    QCOMPARE(w->Image1->picture(), graphe); // not redrawn
    QFile f(dossier_->filePath("Kesu.ini"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), Defaut); // kept for this run only
}

void TstLMain::ordreDeTabulationEtBulles()
{
    auto w = demarre();
    QStringList visites;
    QWidget *c = w->LongDip;
    do {
        if ((c->focusPolicy() & Qt::TabFocus) && !c->objectName().isEmpty())
            visites << c->objectName();
        c = c->nextInFocusChain();
    } while (c != w->LongDip && visites.size() < 60);
    const QStringList attendu{"LongDip",     "LongEch",     "CoefDip",      "CbCoefEch",
                              "BitBtn1",     "Button1",     "DipElec",      "EchElec",
                              "DipPhysique", "EchPhysique", "ClicAB",       "ClicBC",
                              "AideClic",    "LimiteBasse", "LimitMoyenne", "LimiteHaute",
                              "ChSerie_bas", "ChSerie_moy", "LRayon",       "BitBtn2",
                              "Ch80m",       "Ch40m",       "Ch30m",        "Ch20m",
                              "Ch17m",       "Ch15m",       "Ch12m",        "Ch10m",
                              "ChPara"};
    QCOMPARE(visites.mid(0, attendu.size()), attendu);

    // A band box has no hint of its own: its group box's hint shows.
    QHelpEvent bulle(QEvent::ToolTip, QPoint(5, 5), w->Ch40m->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(w->Ch40m, &bulle);
    QTRY_COMPARE(QToolTip::text(), QString("Choix des bandes de travail de l'antenne"));
}

QTEST_MAIN(TstLMain)
#include "tst_l_main.moc"
