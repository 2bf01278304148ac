#include "FenetreTest.h"
#include "Francais.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace {

void bouge(QWidget *zone, int x, Qt::MouseButtons boutons = Qt::NoButton)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(x, 50), zone->mapToGlobal(QPointF(x, 50)),
                  Qt::NoButton, boutons, Qt::NoModifier);
    QApplication::sendEvent(zone, &e);
}

void relache(QWidget *zone, int x, Qt::MouseButton bouton = Qt::LeftButton)
{
    QMouseEvent e(QEvent::MouseButtonRelease, QPointF(x, 50), zone->mapToGlobal(QPointF(x, 50)),
                  bouton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(zone, &e);
}

QRgb fond(const QLineEdit *e)
{
    return e->palette().color(QPalette::Base).rgb() & 0xFFFFFF;
}
QRgb encre(const QLineEdit *e)
{
    return e->palette().color(QPalette::Text).rgb() & 0xFFFFFF;
}

} // namespace

// Moving B or C with the mouse after "Lancer" with the default inputs.
class TstDeplacementFenetre : public QObject {
    Q_OBJECT
private slots:
    void armerB();
    void deplacerBEtRelacher();
    void deplacerCPuisRevenirAGaucheDeB();
    void cJusteApresB();
    void cExactementSurB();
    void bHorsDuGrapheBoutonTenu();
    void relacherDroitTermine();
    void clicSansDeplacementArmeNeChangeRien();
    void relacherSansBougerRendLeTexteDuDernierLancer();
    void lobesPendantUnDeplacementLeTermine();
};

void TstDeplacementFenetre::armerB()
{
    FenetreTest f;
    f->Button1->click();
    f->ClicAB->click();
    QVERIFY(EtatCalcul.DeplacementArme && EtatCalcul.DeplaceAB && !EtatCalcul.DeplaceBC);
    QCOMPARE(f->cursor().shape(), Qt::CrossCursor);
    QVERIFY(!f->ClicAB->isEnabled());
    QVERIFY(!f->ClicBC->isEnabled());
    QVERIFY(!f->Button1->isEnabled());
    QVERIFY(f->BitBtn2->isHidden());
    QVERIFY(f->LRayon->isEnabled());
    QCOMPARE(fond(f->DipElec), 0xFFFF00u);
    QCOMPARE(encre(f->DipElec), 0xFF0000u);
    QCOMPARE(fond(f->DipPhysique), 0x008000u);
    QCOMPARE(encre(f->DipPhysique), 0xFFFF00u);
    QCOMPARE(fond(f->EchElec), fond(f->LongDip)); // the other segment is untouched
}

void TstDeplacementFenetre::deplacerBEtRelacher()
{
    FenetreTest f;
    f->Button1->click();
    f->ClicAB->click();
    bouge(f->Image1, 300);
    QCOMPARE(f->DipElec->text(), "2059");
    QCOMPARE(f->DipPhysique->text(), "1997");
    QCOMPARE(EtatCalcul.PointSouris.X, 300);
    relache(f->Image1, 300);
    QCOMPARE(EtatCalcul.LongElecDip, 2059);
    QCOMPARE(f->LongDip->text(), "1997");
    QVERIFY(!EtatCalcul.DeplacementArme && !EtatCalcul.DeplaceAB);
    QVERIFY(!f->LRayon->isEnabled()); // the new text disabled it
    QVERIFY(f->Button1->isEnabled());
    QVERIFY(!f->ClicAB->isEnabled());
    QVERIFY(f->BitBtn2->isHidden());
    QCOMPARE(f->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(encre(f->DipElec), 0x000000u);
    QCOMPARE(fond(f->DipElec), fond(f->LongDip));
    // The next "Lancer" finds the same electrical length again.
    f->Button1->click();
    QCOMPARE(EtatCalcul.LongElecDip, 2059);
}

void TstDeplacementFenetre::deplacerCPuisRevenirAGaucheDeB()
{
    FenetreTest f;
    f->Button1->click();
    f->ClicBC->click();
    QCOMPARE(fond(f->EchElec), 0xFFFF00u);
    bouge(f->Image1, 700);
    QCOMPARE(f->EchElec->text(), "2678");
    QCOMPARE(f->EchPhysique->text(), "2463");
    bouge(f->Image1, 300); // left of B: the read-outs keep their text
    QCOMPARE(f->EchElec->text(), "2678");
    relache(f->Image1, 300);
    QCOMPARE(EtatCalcul.LongElecEch, 2678);
    QCOMPARE(f->LongEch->text(), "2463");
    QCOMPARE(EtatCalcul.LongElecTotale, 5387); // not updated by a move
    f->Button1->click();
    QCOMPARE(EtatCalcul.LongElecEch, 2677);
}

void TstDeplacementFenetre::cJusteApresB()
{
    FenetreTest f;
    f->Button1->click();
    f->ClicBC->click();
    bouge(f->Image1, 310);
    QCOMPARE(f->EchElec->text(), "1");
    QCOMPARE(f->EchPhysique->text(), "1");
    bouge(f->Image1, 784);
    QCOMPARE(f->EchElec->text(), "3254");
    QCOMPARE(f->EchPhysique->text(), "2994");
}

// With 7850 cm in all on 785 columns each column is 10 cm, so column 300 is B
// itself: no ladder there, the read-outs keep what they showed.
void TstDeplacementFenetre::cExactementSurB()
{
    FenetreTest f;
    f->LongDip->setText("2910"); // 3000 cm electrical at 0.97
    f->LongEch->setText("4462"); // 4850 cm electrical at 0.92
    f->Button1->click();
    QCOMPARE(EtatCalcul.LongElecDip, 3000);
    QCOMPARE(EtatCalcul.LongElecTotale, 7850);
    f->ClicBC->click();
    bouge(f->Image1, 700);
    QCOMPARE(f->EchElec->text(), "4000");
    QCOMPARE(f->EchPhysique->text(), "3680");
    bouge(f->Image1, 300);
    QCOMPARE(f->EchElec->text(), "4000");
    QCOMPARE(f->EchPhysique->text(), "3680");
    bouge(f->Image1, 301); // the next column is a ladder of 10 cm
    QCOMPARE(f->EchElec->text(), "10");
    QCOMPARE(f->EchPhysique->text(), "9");
    bouge(f->Image1, 300);
    relache(f->Image1, 300);
    QCOMPARE(EtatCalcul.LongElecEch, 10);
    QCOMPARE(f->LongEch->text(), "9");
}

void TstDeplacementFenetre::bHorsDuGrapheBoutonTenu()
{
    FenetreTest f;
    f->Button1->click();
    f->ClicAB->click();
    bouge(f->Image1, -10, Qt::LeftButton);
    QCOMPARE(f->DipElec->text(), "-69");
    QCOMPARE(f->DipPhysique->text(), "-67");
    relache(f->Image1, -10);
    QCOMPARE(f->LongDip->text(), "-67");
    f->Button1->click();
    if (!suiteEnAnglais())
        QCOMPARE(f.plateforme.avertissements,
                 QStringList{"Vous n'avez pas défini l'antenne et/ou sa ligne"});
}

void TstDeplacementFenetre::relacherDroitTermine()
{
    FenetreTest f;
    f->Button1->click();
    f->ClicBC->click();
    bouge(f->Image1, 700);
    relache(f->Image1, 700, Qt::RightButton);
    QVERIFY(!EtatCalcul.DeplacementArme);
    QCOMPARE(EtatCalcul.LongElecEch, 2678);
}

void TstDeplacementFenetre::clicSansDeplacementArmeNeChangeRien()
{
    FenetreTest f;
    f->Button1->click();
    bouge(f->Image1, 300);
    relache(f->Image1, 300);
    QCOMPARE(f->DipElec->text(), "2126");
    QCOMPARE(f->LongDip->text(), "2062");
    QCOMPARE(EtatCalcul.LongElecDip, 2126);
    QVERIFY(f->ClicAB->isEnabled());
    QVERIFY(f->LRayon->isEnabled());
}

void TstDeplacementFenetre::relacherSansBougerRendLeTexteDuDernierLancer()
{
    FenetreTest f;
    f->Button1->click();
    f->LongDip->setText("1500"); // typed after the run
    f->ClicAB->click();
    relache(f->Image1, 10);
    QCOMPARE(f->LongDip->text(), "2062");
    QCOMPARE(EtatCalcul.LongElecDip, 2126);
}

void TstDeplacementFenetre::lobesPendantUnDeplacementLeTermine()
{
    FenetreTest f;
    f->Button1->click();
    f->ClicAB->click();
    bouge(f->Image1, 300);
    f->LRayon->click();
    QVERIFY(!EtatCalcul.DeplacementArme && !EtatCalcul.DeplaceAB && !EtatCalcul.DeplaceBC);
    QVERIFY(f->Button1->isEnabled());
    QCOMPARE(f->DipElec->text(), "2126"); // nothing stored
    QCOMPARE(f->DipPhysique->text(), "2062");
    QCOMPARE(EtatCalcul.LongElecDip, 2126);
    QCOMPARE(f->LongDip->text(), "2062");
    QCOMPARE(f->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(fond(f->DipElec), fond(f->LongDip));
    QVERIFY(f->Image1->isHidden());
}

QTEST_MAIN(TstDeplacementFenetre)
#include "tst_deplacement_fenetre.moc"
