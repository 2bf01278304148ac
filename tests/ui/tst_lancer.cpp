#include "FenetreTest.h"
#include "Francais.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

// "Lancer" from the window: the read-outs, the stored lengths and scales, the
// chart and the buttons, and what stays as it was when it stops early.
class TstLancer : public QObject {
    Q_OBJECT
private slots:
    void lancerParDefaut();
    void aucuneBande();
    void longueurNulle();
    void echelleNulle();
    void coefficientNul();
    void texteDeLongueurIncorrect();
    void egaliteVersLePair();
    void lecturesPhysiquesCopieesTellesQuelles();
    void fenetreAgrandieMemeGraphe();
};

void TstLancer::lancerParDefaut()
{
    FenetreTest f;
    f->Button1->click();
    QCOMPARE(EtatCalcul.LongElecDip, 2126);
    QCOMPARE(EtatCalcul.LongElecEch, 3261);
    QCOMPARE(EtatCalcul.LongElecTotale, 5387);
    QCOMPARE(EtatCalcul.DemiHauteur, 165);
    QCOMPARE(EtatCalcul.EchelleX, 785.0 / 5387);
    QCOMPARE(EtatCalcul.EchelleY, 330 / 2.37);
    QCOMPARE(EtatCalcul.CoefVelDip, 0.97);
    QCOMPARE(EtatCalcul.CoefVelEch, 0.92);
    QCOMPARE(f->DipElec->text(), "2126");
    QCOMPARE(f->DipPhysique->text(), "2062");
    QCOMPARE(f->EchElec->text(), "3261");
    QCOMPARE(f->EchPhysique->text(), "3000");
    QVERIFY(f->Image1->isVisible());
    QCOMPARE(f->Image1->picture().size(), QSize(785, 330));
    QCOMPARE(QColor(f->Image1->picture().pixel(100, 10)), QColor(0xC0C0C0)); // chart area
    QVERIFY(f->ClicAB->isEnabled());
    QVERIFY(f->ClicBC->isEnabled());
    QVERIFY(f->LRayon->isEnabled());
    QVERIFY(f->BitBtn2->isVisible());
    QVERIFY(f->ProgressBar1->isHidden());
    QVERIFY(EtatCalcul.GrapheCourants);
    QVERIFY(f.plateforme.avertissements.isEmpty());
    QVERIFY(f.plateforme.erreursParDefaut.isEmpty());
}

void TstLancer::aucuneBande()
{
    FenetreTest f;
    f->Button1->click();
    const TEtatCalcul avant = EtatCalcul;
    for (QCheckBox *c : f->casesBandes())
        c->click();
    f->LongDip->setText("1000");
    f->Button1->click();
    if (!suiteEnAnglais())
        QCOMPARE(f.plateforme.avertissements, QStringList{"Vous devez saisir au moins une bande"});
    QCOMPARE(EtatCalcul.LongElecDip, avant.LongElecDip);
    QCOMPARE(EtatCalcul.CoefVelDip, avant.CoefVelDip);
    QCOMPARE(f->DipElec->text(), "2126");
    QVERIFY(f->ClicAB->isEnabled()); // the buttons keep their state
    QVERIFY(f->Image1->isVisible());
}

void TstLancer::longueurNulle()
{
    FenetreTest f;
    f->Button1->click();
    const QImage avant = f->Image1->picture();
    f->ClicAB->setEnabled(false);
    f->LongDip->setText("0");
    f->Button1->click();
    if (!suiteEnAnglais())
        QCOMPARE(f.plateforme.avertissements,
                 QStringList{"Vous n'avez pas défini l'antenne et/ou sa ligne"});
    QCOMPARE(f->DipElec->text(), "0");
    QCOMPARE(f->DipPhysique->text(), "0");
    QCOMPARE(EtatCalcul.LongElecDip, 0);
    QCOMPARE(EtatCalcul.LongElecTotale, 5387); // from the previous run
    QCOMPARE(f->Image1->picture(), avant);
    QVERIFY(!f->ClicAB->isEnabled());
    QVERIFY(!f->LRayon->isEnabled()); // disabled by the text change, not re-enabled
}

// A ladder of 0 cm is no line at all: the run stops as for a branch of 0 cm.
void TstLancer::echelleNulle()
{
    FenetreTest f;
    f->Button1->click();
    const QImage avant = f->Image1->picture();
    f->LongEch->setText("0");
    f->Button1->click();
    if (!suiteEnAnglais())
        QCOMPARE(f.plateforme.avertissements,
                 QStringList{"Vous n'avez pas défini l'antenne et/ou sa ligne"});
    QCOMPARE(f->EchElec->text(), "0");
    QCOMPARE(f->EchPhysique->text(), "0");
    QCOMPARE(EtatCalcul.LongElecEch, 0);
    QCOMPARE(EtatCalcul.LongElecTotale, 5387); // from the previous run
    QCOMPARE(EtatCalcul.EchelleX, 785.0 / 5387);
    QCOMPARE(f->Image1->picture(), avant);
    QVERIFY(!f->LRayon->isEnabled());
}

void TstLancer::coefficientNul()
{
    FenetreTest f;
    f->CoefDip->setText("0");
    f->Button1->click();
    if (!suiteEnAnglais())
        QCOMPARE(f.plateforme.erreursParDefaut,
                 QStringList{"Division par zéro en virgule flottante."});
    QVERIFY(f->DipElec->text().isEmpty());
    QVERIFY(f->EchElec->text().isEmpty());
    QCOMPARE(EtatCalcul.CoefVelDip, 0.0); // stored before the error
    QCOMPARE(EtatCalcul.CoefVelEch, 0.92);
    QVERIFY(!f->ClicAB->isEnabled());
}

void TstLancer::texteDeLongueurIncorrect()
{
    FenetreTest f;
    f->LongEch->setText("30 m");
    f->Button1->click();
    if (!suiteEnAnglais())
        QCOMPARE(f.plateforme.erreursParDefaut,
                 QStringList{"'30 m' n'est pas une valeur entière correcte."});
    QCOMPARE(EtatCalcul.LongElecDip, 2126); // the branch was already stored
    QVERIFY(f->DipElec->text().isEmpty());
}

void TstLancer::egaliteVersLePair()
{
    FenetreTest f;
    f->LongDip->setText("5");
    f->CoefDip->setText("2");
    f->Button1->click();
    QCOMPARE(EtatCalcul.LongElecDip, 2);
    QCOMPARE(f->DipElec->text(), "2");
}

void TstLancer::lecturesPhysiquesCopieesTellesQuelles()
{
    FenetreTest f;
    f->LongDip->setText("  2062");
    f->Button1->click();
    QCOMPARE(f->DipPhysique->text(), "  2062");
    QCOMPARE(f->DipElec->text(), "2126");
}

void TstLancer::fenetreAgrandieMemeGraphe()
{
    FenetreTest f;
    f->Button1->click();
    const QImage avant = f->Image1->picture();
    const QSize designee = f->size();
    f->resize(f->width() + 300, f->height() + 200);
    // The picture takes the room it is given, A still at its left edge.
    QTRY_COMPARE(f->Image1->size(), QSize(785 + 300, 330 + 200));
    QCOMPARE(f->Image1->pos(), QPoint(0, 99));
    f->Button1->click();
    QCOMPARE(EtatCalcul.GaucheGraphe, 0);
    QCOMPARE(EtatCalcul.EchelleX, 1085.0 / 5387);
    QCOMPARE(f->Image1->picture().size(), QSize(1085, 530));
    // Back to the designed size, the chart is the same as before.
    f->resize(designee);
    QTRY_COMPARE(f->Image1->picture(), avant);
    QCOMPARE(EtatCalcul.EchelleX, 785.0 / 5387);
}

QTEST_MAIN(TstLancer)
#include "tst_lancer.moc"
