#include "FenetreTest.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"
#include "ui/plateforme/Application.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTranslator>

namespace {

// Paint events that cover the whole of a widget.
struct PeinturesCompletes : QObject {
    explicit PeinturesCompletes(QWidget *w) : w_(w) { w->installEventFilter(this); }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == w_ && e->type() == QEvent::Paint &&
            static_cast<QPaintEvent *>(e)->rect() == w_->rect())
            ++n;
        return false;
    }
    QWidget *w_;
    int n = 0;
};

} // namespace

// What a user meets on a real desktop: the keyboard, the ladder factor box,
// the look of disabled and edited controls, a drawing that stops half-way.
class TstBureau : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void facteurTapeGardeSonTexte_data();
    void facteurTapeGardeSonTexte();
    void seuilAuClavierNeSelectionnePas();
    void entreeEtEchap();
    void lobesInactifsEnTexteInactif();
    void dessinInterrompuMontreLesBandesTracees();

private:
    QTranslator traduction_;
};

void TstBureau::initTestCase()
{
    // Fonts and style as the program sets them up.
    Q_INIT_RESOURCE(kesu_polices);
    prepareApplication(traduction_);
}

void TstBureau::facteurTapeGardeSonTexte_data()
{
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("electrique"); // round(3000 / factor)
    QTest::newRow("0.9, not 0.97") << "0.9"
                                   << "3333";
    QTest::newRow("0.8, not 0.82") << "0.8"
                                   << "3750";
    QTest::newRow("0.6, not 0.66") << "0.6"
                                   << "5000";
}

void TstBureau::facteurTapeGardeSonTexte()
{
    QFETCH(QString, tape);
    QFETCH(QString, electrique);
    FenetreTest f;
    QComboBox *cb = f->CbCoefEch;
    cb->lineEdit()->selectAll();
    QTest::keyClicks(cb->lineEdit(), tape);
    QCOMPARE(cb->currentText(), tape);
    QTest::keyClick(cb->lineEdit(), Qt::Key_Return);
    QCOMPARE(cb->currentText(), tape);
    QCOMPARE(cb->count(), 5); // Enter adds nothing to the list
    f->Button1->click();
    QCOMPARE(f->EchElec->text(), electrique);

    // "0.92", as at start-up, is readable whole in the 45-pixel box.
    cb->setCurrentIndex(2);
    const QLineEdit *edition = cb->lineEdit();
    QCOMPARE(edition->text(), "0.92");
    QVERIFY(edition->fontMetrics().horizontalAdvance("0.92") + 4 <= edition->width());
}

void TstBureau::seuilAuClavierNeSelectionnePas()
{
    FenetreTest f;
    f->LimitMoyenne->setFocus(Qt::TabFocusReason);
    QVERIFY(!f->LimitMoyenne->hasSelectedText());
    f->LimiteBasse->setFocus(Qt::BacktabFocusReason);
    QVERIFY(!f->LimiteBasse->hasSelectedText());
    // The real keys: Tab from the low box to the medium one, then a digit that
    // adds to the value instead of replacing it (0.67 is written 0.7).
    QTest::keyClick(f->LimiteBasse, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f->LimitMoyenne);
    QTest::keyClick(f->LimitMoyenne, Qt::Key_7);
    QCOMPARE(f->LimitMoyenne->text(), "0.7");
    // A click still selects, so a digit replaces: 5 tenths, below 0.6.
    QTest::mouseClick(f->LimitMoyenne, Qt::LeftButton);
    QVERIFY(f->LimitMoyenne->hasSelectedText());
}

void TstBureau::entreeEtEchap()
{
    FenetreTest f;
    f->Button1->setFocus();
    QTest::keyClick(f->Button1, Qt::Key_Return);
    QCOMPARE(f->DipElec->text(), "2126");
    QVERIFY(EtatCalcul.GrapheCourants);

    // Escape ends an armed move of C without storing anything.
    f->ClicBC->setFocus();
    QTest::keyClick(f->ClicBC, Qt::Key_Enter);
    QVERIFY(EtatCalcul.DeplacementArme);
    QVERIFY(!f->Button1->isEnabled());
    QTest::mouseMove(f->Image1, QPoint(700, 100));
    QTest::keyClick(f.w.get(), Qt::Key_Escape);
    QVERIFY(!EtatCalcul.DeplacementArme);
    QVERIFY(!EtatCalcul.DeplaceBC);
    QVERIFY(f->Button1->isEnabled());
    QCOMPARE(f->EchElec->text(), "3261");
    QCOMPARE(f->EchPhysique->text(), "3000");
    QCOMPARE(f->LongEch->text(), "3000");
    QCOMPARE(EtatCalcul.LongElecEch, 3261);
}

void TstBureau::lobesInactifsEnTexteInactif()
{
    FenetreTest f;
    const QPalette &p = f->LRayon->palette();
    QVERIFY(!f->LRayon->isEnabled());
    QCOMPARE(p.color(QPalette::Active, QPalette::ButtonText).rgb() & 0xFFFFFF, 0xFF0000u);
    QCOMPARE(p.color(QPalette::Disabled, QPalette::ButtonText),
             QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText));
    QVERIFY(p.color(QPalette::Disabled, QPalette::ButtonText) != QColor(0xFF0000));
}

void TstBureau::dessinInterrompuMontreLesBandesTracees()
{
    // A band of frequency 0, as the band editor can leave it for the run,
    // stops the drawing on a division by zero after a chart was drawn.
    FenetreTest f;
    f->Button1->click();
    QVERIFY(f.plateforme.erreursParDefaut.isEmpty());
    QTest::qWait(20);
    EtatCalcul.TableBandes[3].Frequence = 0;
    PeinturesCompletes peintures(f->Image1);
    f->Button1->click();
    QCOMPARE(f.plateforme.erreursParDefaut.size(), 1);
    QTRY_VERIFY(peintures.n > 0);
    QVERIFY(f->ProgressBar1->isVisible());
    // The first three bands' labels are on the picture: band 1's colour at its
    // label row.
    const QImage &image = f->Image1->picture();
    bool bande1 = false;
    for (int x = 0; x < 60 && !bande1; ++x)
        for (int y = 165; y < 190 && !bande1; ++y)
            bande1 = (image.pixel(x, y) & 0xFFFFFF) == 0xFF6D80u;
    QVERIFY(bande1);
}

QTEST_MAIN(TstBureau)
#include "tst_bureau.moc"
