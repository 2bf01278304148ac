#include "FenetreTest.h"
#include "Francais.h"
#include "chart/TraceCourbes.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>

namespace {

// What the user types into the four boxes.
struct Saisie {
    QString longDip;
    QString coefDip;
    QString longEch;
    QString coefEch;
};

const Saisie ParDefaut{"2062", "0.97", "3000", "0.92"};

void saisit(FenetreTest &f, const Saisie &s)
{
    f->LongDip->setText(s.longDip);
    f->CoefDip->setText(s.coefDip);
    f->LongEch->setText(s.longEch);
    f->CbCoefEch->setCurrentText(s.coefEch);
}

// "Lancer", timed.
qint64 lance(FenetreTest &f)
{
    QElapsedTimer chrono;
    chrono.start();
    f->Button1->click();
    return chrono.elapsed();
}

// A chart drawn completely, and the window ready for the next action.
void pret(FenetreTest &f)
{
    QVERIFY(EtatCalcul.GrapheCourants);
    QVERIFY(f->ProgressBar1->isHidden());
    QVERIFY(f->Button1->isEnabled());
    QVERIFY(f->BitBtn2->isVisible());
    QVERIFY(f->ClicAB->isEnabled());
    QVERIFY(f->ClicBC->isEnabled());
    QVERIFY(f->LRayon->isEnabled());
}

void glisse(QWidget *zone, int x)
{
    QMouseEvent bouge(QEvent::MouseMove, QPointF(x, 50), zone->mapToGlobal(QPointF(x, 50)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(zone, &bouge);
    QMouseEvent relache(QEvent::MouseButtonRelease, QPointF(x, 50),
                        zone->mapToGlobal(QPointF(x, 50)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(zone, &relache);
}

} // namespace

Q_DECLARE_METATYPE(Saisie)

// Whatever lengths and factors are typed, "Lancer" answers at once, with a
// chart or a message, and the window goes on working.
class TstLongueurs : public QObject {
    Q_OBJECT
private slots:
    void milliardDeCentimetres();
    void valeursExtremes_data();
    void valeursExtremes();
};

void TstLongueurs::milliardDeCentimetres()
{
    FenetreTest f;
    f->Button1->click();
    const QImage parDefaut = f->Image1->picture();

    saisit(f, {"1000000000", "1", "1000000000", "1"});
    const qint64 duree = lance(f);
    QVERIFY2(duree < 1000, qPrintable(QStringLiteral("%1 ms").arg(duree)));
    QCOMPARE(EtatCalcul.LongElecTotale, 2'000'000'000);
    QCOMPARE(f->DipElec->text(), "1000000000");
    QCOMPARE(f->EchElec->text(), "1000000000");
    QVERIFY(f.plateforme.avertissements.isEmpty());
    QVERIFY(f.plateforme.erreursParDefaut.isEmpty());
    pret(f);
    // Every column holds thousands of periods: the last band fills it.
    for (int x = 0; x < 785; ++x)
        QCOMPARE(f->Image1->picture().pixel(x, 100), CouleursBandes[NombreBandes]);

    // The lobes, a move of B across the chart and a new run all still work.
    f->LRayon->click();
    QVERIFY(f->Image1->isHidden());
    f->Button1->click();
    f->ClicAB->click();
    glisse(f->Image1, 700);
    QVERIFY(!EtatCalcul.DeplacementArme);
    QVERIFY(lance(f) < 1000);
    saisit(f, ParDefaut);
    f->Button1->click();
    pret(f);
    QCOMPARE(f->Image1->picture(), parDefaut);
}

void TstLongueurs::valeursExtremes_data()
{
    QTest::addColumn<Saisie>("saisie");
    QTest::addColumn<QString>("message"); // empty: a chart is drawn

    QTest::newRow("longest total") << Saisie{"2", "1", "2147483645", "1"} << QString();
    // The strips start 10 cm past B, beyond 32 bits: the curves are drawn,
    // then the sum's overflow stops the drawing.
    QTest::newRow("longest branch")
        << Saisie{"2147483645", "1", "2", "1"} << QStringLiteral("Débordement d'entier.");
    QTest::newRow("total beyond 32 bits")
        << Saisie{"2147483647", "1", "1", "1"} << QStringLiteral("Débordement d'entier.");
    QTest::newRow("branch beyond 32 bits") << Saisie{"2147483647", "0.5", "3000", "0.92"}
                                           << QStringLiteral("Erreur de vérification d'étendue.");
    QTest::newRow("tiny factor") << Saisie{"2062", "1e-300", "3000", "0.92"}
                                 << QStringLiteral("Erreur de vérification d'étendue.");
    QTest::newRow("small factor, 1e9 cm")
        << Saisie{"100", "0.0000001", "3000", "0.92"} << QString();
    QTest::newRow("negative over negative")
        << Saisie{"-500000000", "-0.5", "-500000000", "-0.5"} << QString();
    QTest::newRow("huge factor") << Saisie{"2062", "1e308", "3000", "0.92"}
                                 << QStringLiteral(
                                        "Vous n'avez pas défini l'antenne et/ou sa ligne");
    QTest::newRow("two centimetres") << Saisie{"1", "1", "1", "1"} << QString();
}

void TstLongueurs::valeursExtremes()
{
    QFETCH(Saisie, saisie);
    QFETCH(QString, message);

    FenetreTest f;
    saisit(f, saisie);
    QVERIFY(lance(f) < 1000);
    if (!suiteEnAnglais())
        QCOMPARE(f.plateforme.avertissements + f.plateforme.erreursParDefaut,
                 message.isEmpty() ? QStringList() : QStringList{message});
    if (message.isEmpty())
        pret(f);

    saisit(f, ParDefaut);
    f->Button1->click();
    pret(f);
    QCOMPARE(EtatCalcul.LongElecTotale, 5387);
}

QTEST_MAIN(TstLongueurs)
#include "tst_longueurs.moc"
