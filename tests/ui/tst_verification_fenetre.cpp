#include "FenetreTest.h"
#include "Francais.h"
#include "ProgrammeFactice.h"
#include "nec/Moteur.h"
#include "nec/Nombres.h"
#include "regles/Erreurs.h"
#include "regles/TextesNec.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"
#include "ui/fenetres/verification/AbaqueSmith.h"
#include "ui/fenetres/verification/CarteNec.h"
#include "ui/fenetres/verification/TableauNec.h"
#include "ui/fenetres/verification/VerificationNec.h"
#include "ui/plateforme/AideViewer.h"

#include "ui/plateforme/Reglages.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>

namespace {

// The main window after a default "Lancer", and its check window opened.
struct Verification {
    Verification()
    {
        f->Button1->click();
        f->VerifNec->trigger();
        v = f->verificationNec;
        v->execution().programme = QStringLiteral(KESU_NEC_MEMOIRE);
    }
    // Runs the computation and waits for its end.
    void calcule()
    {
        v->Calculer->click();
        QTRY_VERIFY_WITH_TIMEOUT(v->Calculer->isEnabled(), 20000);
    }
    FenetreTest f;
    VerificationNec *v = nullptr;
};

} // namespace

class TstVerificationFenetre : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void menuApresLancer();
    void calculParDefaut();
    void recalculSansNec();
    void classeDeLaFenetrePrincipale();
    void entreesIncorrectes_data();
    void entreesIncorrectes();
    void perime_data();
    void perime();
    void reouverture();
    void necAbsent();
    void refusDeNec2c();
    void annulation();
    void fermetureAnnule();
    void clicSurLaCarte();
    void exportCsv();
    void reglagesRetenus();
    void vInverseRelevee();
    void entreeCalcule();
    void boutonsHorsDefilement();
    void boiteEnTEtEnL();
    void abaqueEntreDeuxPoints();
    void lecturesDeHauteurFixe();
    void tailleEtTouches();
    void mesureAuTableau();
    void ajustementApplique();

private:
    QTemporaryDir dossier_;
};

void TstVerificationFenetre::initTestCase()
{
    // The user's settings go to a folder of the test's own.
    qputenv("XDG_CONFIG_HOME", dossier_.filePath("config").toLocal8Bit());
    // These tests count the engine's runs, which kept answers would spare.
    qputenv("KESU_SANS_CACHE", "1");
    // The stand-in engines answer no check deck: allowed over a ground by
    // the user's setting, which each window reads, and judged in little time.
    Reglages::ecrit(Reglages::MoteurNonVerifie, true);
    Nec::fixeDelaiControleMs(2000);
}

// Each test starts from the window's defaults.
void TstVerificationFenetre::init()
{
    QSettings("Kesu", "Kesu").remove("VerificationNec");
}

void TstVerificationFenetre::menuApresLancer()
{
    FenetreTest f;
    QVERIFY(!f->VerifNec->isEnabled());
    // The disabled entry says why, in the menu and on the status bar.
    QVERIFY(f->MenuOutils->toolTipsVisible());
    if (!suiteEnAnglais())
        QVERIFY(f->VerifNec->toolTip().contains("« Lancer »"));
    QCOMPARE(f->VerifNec->statusTip(), f->VerifNec->toolTip());
    if (!suiteEnAnglais())
        QCOMPARE(f->MenuOutils->title(), "&Outils"); // shown "Outils"
    if (!suiteEnAnglais())
        QCOMPARE(f->VerifNec->text(), "&Vérification NEC-2…");
    f->Button1->click();
    QVERIFY(f->VerifNec->isEnabled());
    f->VerifNec->trigger();
    QVERIFY(f->verificationNec->isVisible());
    if (!suiteEnAnglais())
        QCOMPARE(f->verificationNec->windowTitle(), "Vérification NEC-2");
    QVERIFY(!f->VerifNec->toolTip().contains("« Lancer »"));
    // Inside the screen, whatever its size; the table's columns fill its width.
    VerificationNec *v = f->verificationNec;
    QVERIFY(v->screen()->availableGeometry().contains(v->frameGeometry()));
    QCOMPARE_GE(v->Tableau->horizontalHeader()->length(), v->Tableau->viewport()->width());
    v->windowHandle()->requestActivate();
    QTRY_COMPARE(QApplication::activeWindow(), v);
    QTest::keyClick(v, Qt::Key_F1);
    QCOMPARE(f.plateforme.aides.size(), 1);
    QCOMPARE(f.plateforme.aides.front().fichier, AideViewer::document());
    QCOMPARE(f.plateforme.aides.front().contexte, AideViewer::ContexteNec);
}

void TstVerificationFenetre::calculParDefaut()
{
    Verification t;
    const QByteArray chartAvant =
        QByteArray(reinterpret_cast<const char *>(t.f->Image1->picture().constBits()),
                   t.f->Image1->picture().sizeInBytes());
    QElapsedTimer chrono;
    chrono.start();
    t.calcule();
    qInfo("button to map: %lld ms", chrono.elapsed());
    QCOMPARE(t.v->Etat->text(), QString());
    QCOMPARE(t.v->Tableau->rowCount(), 8);
    QCOMPARE(t.v->Tableau->item(0, 0)->text(), "80 m");
    QCOMPARE(t.v->Tableau->item(7, 1)->text(), "28500");
    QCOMPARE(t.v->resultat().carte.size(), std::size_t(8));
    // The map runs to 60 m: twice the 30 m ladder.
    QCOMPARE(t.v->resultat().carte.front().module.size(), std::size_t(6001));
    QVERIFY(t.v->Exporter->isEnabled());
    QVERIFY(t.v->Progression->isHidden());
    QCOMPARE(t.v->execution().executions(), 1);
    // The chart is left as it was.
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(t.f->Image1->picture().constBits()),
                        t.f->Image1->picture().sizeInBytes()),
             chartAvant);
    QVERIFY(t.f.plateforme.erreursParDefaut.isEmpty());
}

// Z0, loss, limits and the map's end need no new nec2c run.
void TstVerificationFenetre::recalculSansNec()
{
    Verification t;
    t.calcule();
    const auto avant = t.v->resultat().lignes;
    t.v->Z0->setText("600");
    t.v->Perte->setText("1.5");
    t.v->LimiteMoyenne->setText("300");
    t.v->LongueurMax->setText("25");
    QCOMPARE(t.v->execution().executions(), 1);
    const auto &apres = t.v->resultat().lignes;
    QCOMPARE(apres.size(), avant.size());
    QCOMPARE(apres.front().zB, avant.front().zB);
    QVERIFY(apres.front().zC != avant.front().zC);
    QCOMPARE(t.v->resultat().carte.front().module.size(), std::size_t(2501));
    // The antenna changed: the map stays, and a new run is asked for.
    t.v->Hauteur->setText("12");
    t.v->Z0->setText("450");
    if (!suiteEnAnglais())
        QVERIFY(t.v->Etat->text().contains("Calculer"));
    QCOMPARE(t.v->execution().executions(), 1);
    t.calcule();
    QCOMPARE(t.v->execution().executions(), 2);
    // Back to the first antenna: answered from memory.
    t.v->Hauteur->setText("10");
    t.calcule();
    QCOMPARE(t.v->execution().executions(), 2);
}

// The class of the main window decides the limit, and follows its changes.
void TstVerificationFenetre::classeDeLaFenetrePrincipale()
{
    Verification t;
    t.calcule();
    if (!suiteEnAnglais())
        QVERIFY(t.v->Classe->text().endsWith("impédance moyenne"));
    if (!suiteEnAnglais())
        QCOMPARE(t.v->Principale->text(), "Branche 2062 cm, échelle 3000 cm, coefficient 0.92");
    t.f->ChPara->click();
    if (!suiteEnAnglais())
        QVERIFY(t.v->Classe->text().endsWith("impédance haute"));
    for (const Nec::LigneTableau &l : t.v->resultat().lignes)
        QCOMPARE(l.accordableNec, std::abs(l.zC) >= 1000);
    QCOMPARE(t.v->execution().executions(), 1);
}

void TstVerificationFenetre::entreesIncorrectes_data()
{
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("message");
    QTest::newRow("diameter not a number")
        << "Diametre"
        << "2 mm" << Textes::NecPasUnNombre().arg("Diamètre du fil (mm)", "2 mm");
    QTest::newRow("diameter 0") << "Diametre"
                                << "0"
                                << Textes::NecHorsPlage().arg(
                                       "Diamètre du fil (mm)", "0",
                                       Nec::texteLisible(Defauts::PlageDiametreMm.min),
                                       Nec::texteLisible(Defauts::PlageDiametreMm.max));
    QTest::newRow("diameter of the branch")
        << "Diametre"
        << "20620"
        << Textes::NecHorsPlage().arg("Diamètre du fil (mm)", "20620",
                                      Nec::texteLisible(Defauts::PlageDiametreMm.min),
                                      Nec::texteLisible(Defauts::PlageDiametreMm.max));
    QTest::newRow("height 0") << "Hauteur"
                              << "0"
                              << Textes::NecHorsPlage().arg(
                                     "Hauteur (m)", "0",
                                     Nec::texteLisible(Defauts::PlageHauteurM.min),
                                     Nec::texteLisible(Defauts::PlageHauteurM.max));
    QTest::newRow("Z0 0") << "Z0"
                          << "0"
                          << Textes::NecHorsPlage().arg(
                                 "Impédance Z0 (Ω)", "0",
                                 Nec::texteLisible(Defauts::PlageZ0Ohms.min),
                                 Nec::texteLisible(Defauts::PlageZ0Ohms.max));
    QTest::newRow("Z0 empty") << "Z0"
                              << "" << Textes::NecPasUnNombre().arg("Impédance Z0 (Ω)", "");
    QTest::newRow("negative loss")
        << "Perte"
        << "-0.5"
        << Textes::NecHorsPlage().arg("Perte de l'échelle (dB/100 m à 10 MHz)", "-0.5",
                                      Nec::texteLisible(Defauts::PlagePerteDb100m.min),
                                      Nec::texteLisible(Defauts::PlagePerteDb100m.max));
    QTest::newRow("low limit 0") << "LimiteBasse"
                                 << "0"
                                 << Textes::NecHorsPlage().arg(
                                        "Limite basse (Ω)", "0",
                                        Nec::texteLisible(Defauts::PlageLimiteOhms.min),
                                        Nec::texteLisible(Defauts::PlageLimiteOhms.max));
    QTest::newRow("high limit negative")
        << "LimiteHaute"
        << "-1000"
        << Textes::NecHorsPlage().arg("Limite haute (Ω)", "-1000",
                                      Nec::texteLisible(Defauts::PlageLimiteOhms.min),
                                      Nec::texteLisible(Defauts::PlageLimiteOhms.max));
    QTest::newRow("map end 0") << "LongueurMax"
                               << "0"
                               << Textes::NecHorsPlage().arg(
                                      "Longueur maximale de la carte (cm)", "0",
                                      Nec::texteLisible(Defauts::PlageLongueurMaxCm.min),
                                      Nec::texteLisible(Defauts::PlageLongueurMaxCm.max));
}

// The message names the field; nothing is computed, nothing typed is lost.
void TstVerificationFenetre::entreesIncorrectes()
{
    QFETCH(QString, champ);
    QFETCH(QString, texte);
    QFETCH(QString, message);
    Verification t;
    auto *e = t.v->findChild<QLineEdit *>(champ);
    QVERIFY(e);
    const auto places = [&] {
        QList<QRect> r;
        for (const QWidget *w : t.v->findChildren<QLineEdit *>())
            r << QRect(w->mapTo(t.v, QPoint()), w->size());
        return r;
    };
    QVERIFY(QTest::qWaitForWindowExposed(t.v));
    QCoreApplication::processEvents();
    const QList<QRect> avant = places();
    e->setText(texte);
    QCoreApplication::processEvents();
    // No box moves while the note is shown.
    QCOMPARE(places(), avant);
    // Said beside the box as soon as typed, with no box over the window.
    auto *aCote = t.v->findChild<QLabel *>(champ + "Erreur");
    QVERIFY(aCote);
    if (!suiteEnAnglais())
        QCOMPARE(aCote->text(), message);
    QVERIFY(aCote->isVisible());
    QVERIFY(t.f.plateforme.erreursParDefaut.isEmpty());
    t.v->Diametre->setFocus();
    t.v->Calculer->click();
    if (!suiteEnAnglais())
        QCOMPARE(t.f.plateforme.erreursParDefaut, QStringList{texteBoiteErreur(message)});
    QCOMPARE(t.v->focusWidget(), e);
    QCOMPARE(t.v->execution().executions(), 0);
    QCOMPARE(t.v->Tableau->rowCount(), 0);
    QCOMPARE(e->text(), texte);
    QVERIFY(t.v->Calculer->isEnabled());
}

void TstVerificationFenetre::perime_data()
{
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("grise");
    QTest::newRow("height") << "Hauteur"
                            << "12" << true;
    QTest::newRow("ground") << "Sol"
                            << "4" << true;
    QTest::newRow("branch") << "LongDip"
                            << "2000" << true;
    QTest::newRow("band unticked") << "Ch80m"
                                   << "" << true;
    QTest::newRow("ladder not a number") << "LongEch"
                                         << "x" << true;
    QTest::newRow("Z0 not a number") << "Z0"
                                     << "x" << true;
    QTest::newRow("Z0") << "Z0"
                        << "600" << false;
    QTest::newRow("loss") << "Perte"
                          << "1.5" << false;
    QTest::newRow("limit") << "LimiteMoyenne"
                           << "300" << false;
    QTest::newRow("map end") << "LongueurMax"
                             << "45" << false;
    QTest::newRow("map end typed auto") << "LongueurMax"
                                        << "Auto" << false;
    QTest::newRow("ladder") << "LongEch"
                            << "2500" << false;
    QTest::newRow("ladder factor") << "CbCoefEch"
                                   << "0.8" << false;
    QTest::newRow("chart threshold") << "LimitMoyenne"
                                     << "0.7" << false;
    QTest::newRow("class") << "ChPara"
                           << "" << false;
}

// Results that no longer match the inputs are greyed at once and cannot be
// exported; those that need no new run are redrawn at once.
void TstVerificationFenetre::perime()
{
    QFETCH(QString, champ);
    QFETCH(QString, texte);
    QFETCH(bool, grise);
    Verification t;
    t.calcule();
    QWidget *w = t.v->findChild<QWidget *>(champ);
    if (!w)
        w = t.f->findChild<QWidget *>(champ);
    QVERIFY(w);
    const auto change = [&] {
        if (auto *e = qobject_cast<QLineEdit *>(w))
            e->setText(texte);
        else if (auto *c = qobject_cast<QComboBox *>(w))
            c->setCurrentText(texte);
        else
            qobject_cast<QAbstractButton *>(w)->click();
    };
    const QByteArray avant = Nec::csv(t.v->resultat().lignes);
    if (champ == "Sol")
        t.v->Sol->setCurrentIndex(texte.toInt());
    else
        change();
    QCOMPARE(t.v->perime(), grise);
    QCOMPARE(t.v->Carte->grise(), grise);
    QCOMPARE(t.v->Exporter->isEnabled(), !grise);
    QCOMPARE(t.v->Etat->isVisible(), grise);
    QCOMPARE(t.v->execution().executions(), 1);
    // A bad box of the main window: "Calculer" hands the focus back to it.
    if (champ == "LongEch" && grise) {
        t.v->Calculer->click();
        QCOMPARE(t.f->focusWidget(), w);
    }
    if (!grise && !texte.startsWith("Auto")) {
        QVERIFY(Nec::csv(t.v->resultat().lignes) != avant);
        QCOMPARE(t.v->Tableau->item(0, 4)->text(),
                 Nec::texteSignificatif(std::abs(t.v->resultat().lignes[0].zC), 3));
    }
}

// Reopened, the window shows results for the inputs it shows, even after a
// change it was not told of (the band editor's frequencies).
void TstVerificationFenetre::reouverture()
{
    Verification t;
    t.calcule();
    t.v->close();
    EtatCalcul.TableBandes[0].Frequence = 3700;
    t.f->VerifNec->trigger();
    QVERIFY(t.v->perime());
    if (!suiteEnAnglais())
        QVERIFY(t.v->Etat->text().contains("les bandes ont changé"));
    EtatCalcul.TableBandes[0].Frequence = 3650;
    t.v->close();
    t.f->VerifNec->trigger();
    QVERIFY(!t.v->perime());
    QVERIFY(t.v->Exporter->isEnabled());
}

void TstVerificationFenetre::necAbsent()
{
    Verification t;
    t.v->execution().programme = "nec2c-absent-de-ce-systeme";
    t.calcule();
    QCOMPARE(t.v->Etat->text(), Textes::NecIntrouvable());
    QCOMPARE(t.v->Tableau->rowCount(), 0);
    QVERIFY(t.v->resultat().carte.empty());
    QVERIFY(!t.v->Exporter->isEnabled());
    // Said as soon as the window opens, before any "Calculer".
    t.v->close();
    t.v->Etat->clear();
    t.f->VerifNec->trigger();
    QCOMPARE(t.v->Etat->text(), Textes::NecIntrouvable());
    // How to install it, said in either language.
    QVERIFY(Textes::NecIntrouvable().contains("apt-get install nec2c"));
    if (!suiteEnAnglais())
        QVERIFY(Textes::NecIntrouvable().contains("« apt-get install nec2c »"));
    // The rest of the program goes on.
    t.f->Button1->click();
    QVERIFY(t.f.plateforme.erreursParDefaut.isEmpty());
    QVERIFY(t.f->LRayon->isEnabled());
}

void TstVerificationFenetre::annulation()
{
    Verification t;
    t.v->execution().programme = programmeFactice(dossier_, "lent", "exec sleep 20");
    t.v->Calculer->click();
    QVERIFY(t.v->Annuler->isEnabled());
    QVERIFY(!t.v->Calculer->isEnabled());
    QVERIFY(t.v->Progression->isVisible());
    // The main window answers meanwhile.
    t.f->LongEch->setText("2500");
    QTest::qWait(100);
    QVERIFY(t.v->execution().enCours());
    QElapsedTimer chrono;
    chrono.start();
    t.v->Annuler->click();
    QCOMPARE_LT(chrono.elapsed(), 2000);
    QVERIFY(!t.v->execution().enCours());
    QCOMPARE(t.v->Etat->text(), Textes::NecAnnule());
    QVERIFY(t.v->Calculer->isEnabled());
    QVERIFY(t.v->Progression->isHidden());
    QCOMPARE(t.v->Tableau->rowCount(), 0);
}

void TstVerificationFenetre::fermetureAnnule()
{
    Verification t;
    t.v->execution().programme = programmeFactice(dossier_, "lent2", "exec sleep 20");
    t.v->Calculer->click();
    QVERIFY(t.v->execution().enCours());
    t.v->close();
    QVERIFY(!t.v->execution().enCours());
    QVERIFY(t.v->Calculer->isEnabled());
}

// A run nec2c refuses: its own reason reaches the window. (The check itself
// now refuses a wire that close to the ground, so nec2c's answer is played.)
void TstVerificationFenetre::refusDeNec2c()
{
    Verification t;
    t.v->execution().programme = programmeFactice(
        dossier_, "refus",
        "echo 'GEOMETRY DATA ERROR -- SEGMENT 1 LIES IN GROUND PLANE' >&2; exit 255");
    t.calcule();
    QCOMPARE(t.v->Etat->text(), Textes::NecRaison().arg(255).arg(
                                    "GEOMETRY DATA ERROR -- SEGMENT 1 LIES IN GROUND PLANE"));
    QCOMPARE(t.v->Tableau->rowCount(), 0);
}

void TstVerificationFenetre::clicSurLaCarte()
{
    Verification t;
    t.calcule();
    t.v->resize(1200, 700);
    // The pointer goes to the first window under it: the main window is moved
    // from under the map.
    t.f->move(0, 760);
    QTest::qWait(20);
    CarteNec *c = t.v->Carte;
    // Band 40 m's NEC row, near 12.34 m: a pixel spans several centimetres.
    const QPoint p = c->point(1234, 1, true);
    const std::int32_t l = c->longueurEn(p.x());
    const double cmParPixel = 6000.0 / (c->colonne(6000) - c->colonne(0));
    QCOMPARE_LE(std::abs(l - 1234), cmParPixel);
    QCOMPARE(c->colonne(l), p.x());
    const QString survol = c->texteSurvol(p);
    const double module = t.v->resultat().carte[1].module[l];
    if (!suiteEnAnglais())
        QCOMPARE(survol, "Échelle : " + Nec::texte(l / 100.0, 2) +
                             " m — 40 m : |Z| = " + Nec::texte(module, 0) + " Ω");
    QTest::mouseMove(c, p);
    QTRY_COMPARE(t.v->Survol->text(), survol);
    QTest::mouseClick(c, Qt::LeftButton, {}, p);
    QCOMPARE(t.f->LongEch->text(), QString::number(l));
    // The map keeps its scale under the mouse.
    QCOMPARE(c->colonne(6000), c->colonne(0) + int(6000 / cmParPixel + 0.5));
    QCOMPARE(t.v->resultat().carte.front().module.size(), std::size_t(6001));
    // The table and the map's C follow the new ladder at once.
    QCOMPARE(t.v->execution().executions(), 1);
    const Nec::LigneTableau &ligne = t.v->resultat().lignes[1];
    QCOMPARE_LE(std::abs(std::abs(ligne.zC) - module), 1e-3);
    QCOMPARE(c->longueurEn(c->colonne(0) - 1), -1);
    // Off the strips, the legend comes back.
    QTest::mouseMove(c, {c->colonne(0) - 5, p.y()});
    if (!suiteEnAnglais())
        QTRY_VERIFY(t.v->Survol->text().startsWith("En couleur : C ne doit pas tomber là"));
}

void TstVerificationFenetre::exportCsv()
{
    Verification t;
    t.calcule();
    const QString nom = dossier_.filePath("table.csv");
    t.f.plateforme.surEnregistrement = [nom](const QString &, const QStringList &, QString &) {
        return nom;
    };
    t.v->Exporter->click();
    QFile f(nom);
    QVERIFY(f.open(QIODevice::ReadOnly));
    // The table first, the inputs it came from after it on every line.
    const QList<QByteArray> lignes = f.readAll().split('\n');
    const QList<QByteArray> tableau = Nec::csv(t.v->resultat().lignes).split('\n');
    QCOMPARE(lignes.size(), tableau.size());
    for (qsizetype i = 0; i + 1 < lignes.size(); ++i)
        QVERIFY(lignes[i].startsWith(tableau[i] + ','));
    QVERIFY(lignes[0].endsWith(",sol,ecartement_mm,forme,angle_deg,z0_ohm,perte_db_100m_10mhz,"
                               "classe,limite_ohm,seuil_bas,seuil_moyen,seuil_haut,"
                               "longueur_carte_cm,fil"));
    QVERIFY(lignes[1].endsWith(
        ",2,10,moyen,25,horizontale,120,450,0.6,moyenne,500,0.8,0.6,0.3,6000,cuivre"));
    const QString absent = dossier_.filePath("absent/table.csv");
    t.f.plateforme.surEnregistrement = [absent](const QString &, const QStringList &, QString &) {
        return absent;
    };
    t.v->Exporter->click();
    QCOMPARE(t.f.plateforme.erreursParDefaut.size(), 1);
}

void TstVerificationFenetre::reglagesRetenus()
{
    // Kept for the run (a new start is a new project): the window opened
    // again reads them back.
    Verification t;
    t.v->Z0->setText("600");
    t.v->Sol->setCurrentIndex(4);
    t.v->LongueurMax->setText("55");
    t.v->Region->setCurrentIndex(2);
    t.v->Critere->setCurrentIndex(1);
    t.v->Balun->setCurrentIndex(2);
    t.v->RosMax->setText("3");
    t.v->Verdict->setCurrentIndex(1);
    t.v->close();
    delete t.v;
    t.f->verificationNec = nullptr;
    t.f->VerifNec->trigger();
    t.v = t.f->verificationNec;
    for (const QComboBox *c : {t.v->Region, t.v->Critere, t.v->Balun, t.v->Verdict})
        QCOMPARE(c->currentIndex(), c == t.v->Region || c == t.v->Balun ? 2 : 1);
    QCOMPARE(t.v->RosMax->text(), "3");
    QCOMPARE(t.v->Z0->text(), "600");
    QCOMPARE(t.v->Sol->currentIndex(), 4);
    QCOMPARE(t.v->LongueurMax->text(), "55");
    QCOMPARE(t.v->Diametre->text(), "2");
    // Kesu.ini holds the bands only.
    QFile ini(t.f.dossier() + "/Kesu.ini");
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QCOMPARE(ini.readAll(), FenetreTest::KesuIni);
}

// Choosing an inverted V at the default height, where its ends would be
// underground: the apex is raised to the lowest height that keeps them clear,
// said, and nothing is refused.
void TstVerificationFenetre::vInverseRelevee()
{
    Verification t;
    t.v->Forme->setCurrentIndex(static_cast<int>(Nec::Forme::VInversee));
    QCOMPARE(t.v->Hauteur->text(), "10.4");
    auto *aCote = t.v->findChild<QLabel *>("HauteurErreur");
    QVERIFY(aCote && aCote->text().isEmpty());
    QVERIFY(t.v->Etat->text().contains("10.4"));
    // High enough already: left as typed.
    t.v->Forme->setCurrentIndex(0);
    t.v->Hauteur->setText("14");
    t.v->Forme->setCurrentIndex(static_cast<int>(Nec::Forme::VInversee));
    QCOMPARE(t.v->Hauteur->text(), "14");
}

// Enter in a box runs the computation, and during it does nothing: the
// window, and what was typed, stay.
void TstVerificationFenetre::entreeCalcule()
{
    Verification t;
    t.v->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.v));
    // "Calculer" clicked greys out; the focus leaves it for "Fermer".
    QTest::mouseClick(t.v->Calculer, Qt::LeftButton);
    QVERIFY(!t.v->Calculer->isEnabled());
    t.v->Hauteur->setFocus();
    QTest::keyClick(t.v->Hauteur, Qt::Key_Return);
    QVERIFY(t.v->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(t.v->Calculer->isEnabled(), 20000);
    QCOMPARE(t.v->execution().executions(), 1);
    t.v->Hauteur->setText("12");
    QTest::keyClick(t.v->Hauteur, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(t.v->execution().executions(), 2, 20000);
    QVERIFY(t.v->isVisible());
    QCOMPARE(t.v->Hauteur->text(), "12");
}

// The action buttons never scroll out of sight with the inputs.
void TstVerificationFenetre::boutonsHorsDefilement()
{
    Verification t;
    for (QWidget *b :
         std::initializer_list<QWidget *>{t.v->Calculer, t.v->Annuler, t.v->Exporter, t.v->Fermer})
        for (QWidget *w = b; w; w = w->parentWidget())
            QVERIFY2(!qobject_cast<QScrollArea *>(w), qPrintable(b->objectName()));
}

// The T and L criteria: no new run; the parts' group comes alive, an L's
// capacitors start at 1000 pF, the table gives each band's setting, and the
// Smith chart reads a band's point at its pixel.
void TstVerificationFenetre::boiteEnTEtEnL()
{
    Verification t;
    t.calcule();
    QVERIFY(!t.v->Pieces->isEnabled());
    QVERIFY(t.v->Tableau->isColumnHidden(15));
    t.v->Critere->setCurrentIndex(2); // Boîte en T
    QCOMPARE(t.v->execution().executions(), 1);
    QVERIFY(t.v->Pieces->isEnabled());
    QVERIFY(!t.v->Tableau->isColumnHidden(15));
    QCOMPARE(t.v->entreesResultat().critere, Nec::Critere::ReseauT);
    for (int r = 0; r < t.v->Tableau->rowCount(); ++r) {
        const Nec::LigneTableau &l = t.v->resultat().lignes[static_cast<std::size_t>(r)];
        QCOMPARE(l.accordableNec, l.reglage.accordable());
        QCOMPARE(t.v->Tableau->item(r, 15)->text(), TableauNec::texteReglage(l.reglage));
        if (l.reglage.trouve && !suiteEnAnglais())
            QVERIFY(t.v->Tableau->item(r, 15)->text().startsWith("C1 "));
    }
    t.v->Critere->setCurrentIndex(3); // Boîte en L
    QCOMPARE(t.v->CMax->text(), "1000");
    QCOMPARE(t.v->entreesResultat().pieces.type, Reseau::Type::L);
    t.v->Critere->setCurrentIndex(2);
    QCOMPARE(t.v->CMax->text(), "250");
    // A bad part is said beside its box and greys the results.
    t.v->CMin->setText("400");
    QVERIFY(!t.v->erreur(Nec::Champ::CMax).isEmpty());
    QVERIFY(t.v->perime());
    t.v->CMin->setText("10");
    QVERIFY(!t.v->perime());

    t.v->Onglets->setCurrentIndex(1);
    QTRY_VERIFY(t.v->Abaque->isVisible());
    const Nec::LigneTableau &l = t.v->resultat().lignes.front();
    const Nec::Complexe z = l.zC / 4.0;
    const QPoint p = t.v->Abaque->pixel((z - 50.0) / (z + 50.0)).toPoint();
    const QString lu = t.v->Abaque->texteSurvol(p);
    QVERIFY2(lu.startsWith(QStringLiteral("80 m, 3650 kHz")) || suiteEnAnglais(), qPrintable(lu));
    QVERIFY(!t.v->Abaque->grab().isNull());
    // The shaded zone: each cell's reflection coefficient, at 50 ohms after
    // the balun, is a load the T matches at 80 m exactly where it is shaded.
    const QImage &zone = t.v->Abaque->zone();
    const Reseau::Pieces pieces = Nec::piecesJugees(t.v->entreesResultat());
    int ombrees = 0, claires = 0;
    for (int y = 3; y < zone.height(); y += 7)
        for (int x = 3; x < zone.width(); x += 7) {
            const std::complex<double> g((2.0 * x + 1) / zone.width() - 1,
                                         1 - (2.0 * y + 1) / zone.height());
            if (std::abs(g) >= 1)
                continue;
            const bool ombree = qAlpha(zone.pixel(x, y)) > 0;
            QCOMPARE(ombree, Reseau::accordable(pieces, 50.0 * (1.0 + g) / (1.0 - g), 3.65e6));
            (ombree ? ombrees : claires)++;
        }
    QVERIFY(ombrees > 10 && claires > 10);
}

// Halfway in frequency between two points NEC computed, the arc reads a
// frequency between them and the load drawn there; on a point, that point.
void TstVerificationFenetre::abaqueEntreDeuxPoints()
{
    Verification t;
    t.calcule();
    t.v->Onglets->setCurrentIndex(1);
    QTRY_VERIFY(t.v->Abaque->isVisible());
    AbaqueSmith *a = t.v->Abaque;
    const double balun = t.v->entreesResultat().boite.balun;
    const auto pixelDe = [&](Nec::Complexe zC) {
        const Nec::Complexe z = zC / balun;
        return a->pixel((z - 50.0) / (z + 50.0));
    };
    int lus = 0;
    for (std::size_t j = 0; j < a->bandes().size(); ++j) {
        std::vector<Nec::PointC> pts(a->bandes()[j].points.begin() + 1,
                                     a->bandes()[j].points.end());
        for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
            const Nec::PointC &p = pts[i], &q = pts[i + 1];
            // The arc goes through each point computed.
            QCOMPARE_LE(QLineF(a->pixel(j, p.frequenceHz), pixelDe(p.zC)).length(), 0.01);
            const auto surLePoint = a->lecture(pixelDe(p.zC).toPoint());
            QVERIFY(surLePoint && surLePoint->calcule);
            QCOMPARE_LE(QLineF(pixelDe(surLePoint->zC), pixelDe(p.zC)).length(), 1.0);
            // Points too close on screen for a place between them.
            if (QLineF(pixelDe(p.zC), pixelDe(q.zC)).length() < 14)
                continue;
            const double milieu = (p.frequenceHz + q.frequenceHz) / 2;
            const QPoint souris = a->pixel(j, milieu).toPoint();
            const auto l = a->lecture(souris);
            QVERIFY(l);
            QCOMPARE(l->bande, j);
            QVERIFY(!l->calcule);
            QCOMPARE_GT(l->frequenceHz, p.frequenceHz);
            QCOMPARE_LT(l->frequenceHz, q.frequenceHz);
            // The load read is the one drawn under the mouse, between the two.
            QCOMPARE_LE(QLineF(pixelDe(l->zC), souris).length(), 1.0);
            const double corde = std::abs(q.zC - p.zC);
            QCOMPARE_LT(std::abs(l->zC - p.zC), corde);
            QCOMPARE_LT(std::abs(l->zC - q.zC), corde);
            if (!suiteEnAnglais())
                QVERIFY(a->texteSurvol(souris).startsWith(
                    QString::number(a->bandes()[j].bande.bande) + " m, ≈ "));
            ++lus;
        }
    }
    QCOMPARE_GE(lus, 8);
}

// Hovering the map or the chart changes their lines' text, not their height.
void TstVerificationFenetre::lecturesDeHauteurFixe()
{
    Verification t;
    t.calcule();
    // Narrow: the map's legend takes more lines than a reading.
    t.v->resize(900, 700);
    t.f->move(0, 800);
    QVERIFY(QTest::qWaitForWindowExposed(t.v));
    QCoreApplication::processEvents();
    // The whole legend, however many lines it wraps to at that width.
    QCOMPARE_GE(t.v->Survol->height(), t.v->Survol->heightForWidth(t.v->Survol->width()));
    QCOMPARE_GE(t.v->Survol->height(), 2 * t.v->Survol->fontMetrics().lineSpacing());
    const auto survole = [&](QWidget *w, QLabel *ligne, QPoint p) {
        const int h = ligne->height();
        const QString avant = ligne->text();
        QTest::mouseMove(w, p);
        QTRY_VERIFY(ligne->text() != avant);
        QCoreApplication::processEvents();
        QCOMPARE(ligne->height(), h);
    };
    CarteNec *c = t.v->Carte;
    survole(c, t.v->Survol, c->point(1234, 0, true));
    survole(c, t.v->Survol, {c->colonne(0) - 5, 5});
    t.v->Onglets->setCurrentIndex(1);
    QTRY_VERIFY(t.v->Abaque->isVisible());
    QCoreApplication::processEvents();
    AbaqueSmith *a = t.v->Abaque;
    const Nec::PointC &p = a->bandes().front().points.back();
    survole(a, t.v->LectureAbaque, a->pixel(0, p.frequenceHz).toPoint());
    survole(a, t.v->LectureAbaque, {1, 1});
}

// The window's opening size shows every column of the table, and the grounds'
// list its longest name; each button and labelled box has an Alt key of its own.
void TstVerificationFenetre::tailleEtTouches()
{
    Verification t;
    t.calcule();
    t.v->resize(VerificationNec::TailleVoulue);
    QVERIFY(QTest::qWaitForWindowExposed(t.v));
    QCoreApplication::processEvents();
    QVERIFY(!t.v->Tableau->horizontalScrollBar()->isVisible());
    // The tuner's setting too, its parts at their limits marked.
    t.v->Critere->setCurrentIndex(2);
    t.calcule();
    QCoreApplication::processEvents();
    QVERIFY2(!t.v->Tableau->horizontalScrollBar()->isVisible(),
             qPrintable(QString::number(t.v->Tableau->horizontalHeader()->length() -
                                        t.v->Tableau->viewport()->width())));
    QCOMPARE_GE(t.v->Sol->width(), t.v->Sol->sizeHint().width());
    QSet<int> touches;
    int sans = 0;
    const auto touche = [&](const QString &texte, bool voulue) {
        const QKeySequence k = QKeySequence::mnemonic(texte);
        if (k.isEmpty()) {
            QVERIFY2(!voulue, qPrintable(texte));
            ++sans;
            return;
        }
        QVERIFY2(!touches.contains(k[0].toCombined()), qPrintable(texte));
        touches.insert(k[0].toCombined());
    };
    for (QPushButton *b :
         {t.v->Calculer, t.v->Annuler, t.v->Exporter, t.v->Fermer, t.v->ChargerMesure,
          t.v->RetirerMesure, t.v->Ajuster, t.v->ExporterTouchstone})
        touche(b->text(), true);
    for (QLabel *l : t.v->findChildren<QLabel *>())
        if (l->buddy())
            touche(l->text(), false);
    for (int i = 0; i < t.v->Onglets->count(); ++i)
        touche(t.v->Onglets->tabText(i), false);
    touche(t.v->Pieces->title(), false);
    // The Latin letters go round the most used boxes.
    QCOMPARE_GE(touches.size(), 24);
    if (!suiteEnAnglais())
        QCOMPARE(t.v->Calculer->text(), "&Calculer");
    qInfo("%d texts without a key", sans);
}

// A sweep read shows each band's measured Z at C beside the model's; a file
// refused leaves the one shown; Retirer takes it away.
void TstVerificationFenetre::mesureAuTableau()
{
    Verification t;
    t.calcule();
    const Nec::Complexe z(100, 50);
    const Nec::Complexe g = (z - 50.0) / (z + 50.0);
    const QString bon = dossier_.filePath("m.s1p");
    QFile f(bon);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("# kHz S RI R 50\n7000 %1 %2\n7100 %1 %2\n")
                .arg(g.real(), 0, 'g', 17)
                .arg(g.imag(), 0, 'g', 17)
                .toLatin1());
    f.close();
    t.v->chargeMesure(bon);
    const auto &lignes = t.v->resultat().lignes;
    const int r = static_cast<int>(
        std::find_if(lignes.begin(), lignes.end(),
                     [](const Nec::LigneTableau &l) { return l.bande.bande == 40; }) -
        lignes.begin());
    QVERIFY(!t.v->Tableau->isColumnHidden(16));
    QCOMPARE(t.v->Tableau->item(r, 16)->text(), TableauNec::complexe(z));
    QCOMPARE(t.v->Tableau->item(r, 17)->text(),
             Nec::texte(100 * std::abs(lignes[r].zC - z) / std::abs(z), 1));
    QCOMPARE(t.v->Tableau->item(0, 16)->text(), QString()); // 80 m: the sweep does not reach it
    // Taken behind the 4:1 balun, the same reading stands for four times that Z at C.
    t.v->PointMesure->setCurrentIndex(1);
    QCOMPARE(t.v->Tableau->item(r, 16)->text(), TableauNec::complexe(4.0 * z));
    QFile mauvais(dossier_.filePath("nan.s1p"));
    QVERIFY(mauvais.open(QIODevice::WriteOnly));
    mauvais.write("# kHz S RI R 50\n7000 nan 0\n");
    mauvais.close();
    QVERIFY_THROWS_EXCEPTION(KesuErreur, t.v->chargeMesure(mauvais.fileName()));
    QCOMPARE(t.v->mesure()->nom, QStringLiteral("m.s1p"));
    QCOMPARE(t.v->Tableau->item(r, 16)->text(), TableauNec::complexe(4.0 * z));
    t.v->RetirerMesure->click();
    QVERIFY(!t.v->mesure() && t.v->Tableau->isColumnHidden(16));
}

// A fit applied: this window's boxes take the antenna's values, the main
// window's the branch in whole centimetres and the ladder's factor; what was
// not fitted stays.
void TstVerificationFenetre::ajustementApplique()
{
    Verification t;
    Nec::Entrees a = t.v->entreesResultat();
    a.antenne.hauteurM = 7.2649;
    a.antenne.brancheCm = 2113.6;
    a.echelle.coefVelocite = 0.86991;
    a.echelle.z0 = 600;
    using I = Ajustement::Inconnue;
    t.v->appliqueAjustement(a, {I::Hauteur, I::Branche, I::CoefEchelle});
    QCOMPARE(t.v->Hauteur->text(), "7.26");
    QCOMPARE(t.f->LongDip->text(), "2114");
    QCOMPARE(t.f->CbCoefEch->currentText(), "0.87");
    QCOMPARE(t.v->Z0->text(), "450");
    // What the advised lengths then compute from.
    QCOMPARE(VerificationNec::entreesReglees({}).antenne.hauteurM, 7.26);
    a.antenne.solPersonnalise = {7.5, 0.0021};
    t.v->appliqueAjustement(a, {I::Sol});
    QCOMPARE(t.v->Sol->currentIndex(), static_cast<int>(Nec::Sol::Personnalise));
    QCOMPARE(t.v->Epsilon->text(), "7.5");
    QCOMPARE(t.v->Sigma->text(), "0.0021");
}

QTEST_MAIN(TstVerificationFenetre)
#include "tst_verification_fenetre.moc"
