#include "FenetreTest.h"
#include "Francais.h"
#include "regles/TextesLongueurs.h"
#include "ui/fenetres/longueurs/LongueursConseillees.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"
#include "ui/plateforme/AideViewer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>

// The "Longueurs conseillées" window: its search, "Appliquer" handing the
// centre to the main window and the chart drawn for it, its help.
class TstLongueursConseillees : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sansNec2cAppliquer();
    void avecNec2c();
    void clavierEtBords();

private:
    QTemporaryDir dossier_;
};

namespace {

LongueursConseillees *ouvre(FenetreTest &f)
{
    f->Button1->click();
    f->LongConseil->trigger();
    return f->longueursConseillees;
}

} // namespace

void TstLongueursConseillees::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", dossier_.filePath("config").toLocal8Bit());
}

void TstLongueursConseillees::sansNec2cAppliquer()
{
    FenetreTest f;
    QVERIFY(!f->LongConseil->isEnabled());
    LongueursConseillees *l = ouvre(f);
    l->calculs().programme = QStringLiteral("kesu-sans-nec2c");
    l->hide();
    l->show();
    QCOMPARE(l->Critere->currentIndex(), 0); // the chart's rule, the only one left
    if (!suiteEnAnglais())
        QVERIFY(l->Etat->text().contains(QStringLiteral("NEC-2 (paquet nec2c)")));
    l->Chercher->click();
    QVERIFY(!l->fenetres().empty());
    QCOMPARE(l->Liste->rowCount(), static_cast<int>(l->fenetres().size()));
    if (!suiteEnAnglais())
        QVERIFY(l->Etat->text().contains(QStringLiteral("NEC-2 (paquet nec2c)")));
    const int rang = l->Liste->rowCount() - 1;
    l->Liste->setCurrentCell(rang, 0);
    const std::int32_t centre = l->fenetres()[rang].centreCm();
    QCOMPARE(l->Liste->item(rang, 2)->text(), QString::number(centre));
    const QImage avant = f->Image1->picture().copy();
    l->Appliquer->click();
    QCOMPARE(f->LongEch->text(), QString::number(centre));
    QCOMPARE(f->EchPhysique->text(), QString::number(centre));
    QVERIFY(f->Image1->picture() != avant);
    for (QShortcut *raccourci : l->findChildren<QShortcut *>())
        if (raccourci->key() == QKeySequence(Qt::Key_F1))
            emit raccourci->activated();
    QCOMPARE(f.plateforme.aides.size(), 1);
    QCOMPARE(f.plateforme.aides[0].contexte, AideViewer::ContexteLongueurs);
    QCOMPARE(AideViewer::ancre(AideViewer::ContexteLongueurs), QStringLiteral("longueurs"));
    // A branch search says its cost before it starts: 51 branches, each a
    // tolerance shorter and longer taken on the grid, 60 runs.
    l->ChercherBranche->setChecked(true);
    QVERIFY2(l->Cout->text().startsWith("60"), qPrintable(l->Cout->text()));
}

// nec2c in the background, one branch length and no tolerance: each band's
// SWR and loss shown for the window chosen.
void TstLongueursConseillees::avecNec2c()
{
    FenetreTest f;
    LongueursConseillees *l = ouvre(f);
    if (!l->calculs().disponible())
        QSKIP("nec2c is not installed");
    l->Tolerance->setText(QStringLiteral("0"));
    l->Critere->setCurrentIndex(2);
    l->Chercher->click();
    // Greyed until the search has its own results (kept answers may give them
    // at once).
    QVERIFY(l->Chercher->isEnabled() || !l->Liste->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(l->Chercher->isEnabled(), 30000);
    QVERIFY(l->Liste->isEnabled());
    QVERIFY(!l->fenetres().empty());
    QCOMPARE(l->Detail->rowCount(), 8);
    QVERIFY(l->Detail->item(0, 2)->text().toDouble() >= 1);
    // The tuner's criterion is the one shown: the SWR behind the balun, its
    // maximum and the margin to it; |Z| at C for information only.
    if (!suiteEnAnglais()) {
        QVERIFY(l->Detail->horizontalHeaderItem(2)->text().startsWith("ROS"));
        // The first line says which bands the best window misses, and how close.
        if (!l->fenetres().front().manquantes.empty())
            QVERIFY2(l->Etat->text().contains("pour 10 au plus"), qPrintable(l->Etat->text()));
    }
    for (int r = 0; r < 8; ++r) {
        QCOMPARE(l->Detail->item(r, 3)->text(), QStringLiteral("10"));
        QVERIFY(qAbs(l->Detail->item(r, 4)->text().toDouble() -
                     (10 - l->Detail->item(r, 2)->text().toDouble())) <= 0.011);
    }
    const int avant = l->calculs().executions();
    l->EchelleMax->setText(QStringLiteral("3000"));
    l->Chercher->click(); // the same antenna: answered from memory at once
    QVERIFY(l->Chercher->isEnabled());
    QCOMPARE(l->calculs().executions(), avant);
    QVERIFY(l->fenetres().front().finCm <= 3000);
}

// Tab leaves the list, Enter on it applies the row chosen, never searching
// again, and leaves the window in place; the best at an end is said; the
// mnemonics are unique.
void TstLongueursConseillees::clavierEtBords()
{
    FenetreTest f;
    LongueursConseillees *l = ouvre(f);
    l->calculs().programme = QStringLiteral("kesu-sans-nec2c");
    l->hide();
    l->show();
    l->ChercherBranche->setChecked(true);
    l->Tolerance->setText(QStringLiteral("0"));
    l->BrancheMin->setText(QStringLiteral("2000"));
    l->BrancheMax->setText(QStringLiteral("2100"));
    l->Chercher->click();
    QVERIFY(l->Etat->text().contains(Textes::LongueursBrancheAuBord().arg(2000)));
    QVERIFY(l->Liste->item(0, 1)->text().startsWith("2050 (2000 "));
    QApplication::setActiveWindow(l);
    const int rang = 1;
    l->Liste->setFocus();
    l->Liste->setCurrentCell(rang, 0);
    QTest::keyClick(l->Liste, Qt::Key_Tab);
    QVERIFY(!l->Liste->hasFocus());
    l->Liste->setFocus();
    const QPoint ou = l->pos();
    QTest::keyClick(l->Liste, Qt::Key_Return);
    QCOMPARE(l->Liste->currentRow(), rang);
    QCOMPARE(f->LongEch->text(), QString::number(l->fenetres()[rang].centreCm()));
    QCOMPARE(l->pos(), ou);
    // Each box, button and choice reached by Alt has its own letter.
    QStringList textes{l->SurLaBande->text(), l->ChercherBranche->title()};
    for (const QPushButton *b : l->findChildren<QPushButton *>())
        textes << b->text();
    for (const QLabel *e : l->findChildren<QLabel *>())
        textes << (e->buddy() ? e->text() : QString());
    QString lettres;
    for (const QString &t : textes)
        if (const qsizetype i = t.indexOf(u'&'); i >= 0) {
            QVERIFY2(!lettres.contains(t[i + 1].toLower()), qPrintable(t));
            lettres += t[i + 1].toLower();
        }
    QCOMPARE(lettres.size(), 13); // 4 buttons, 7 labels, a box, a group
}

QTEST_MAIN(TstLongueursConseillees)
#include "tst_longueurs_conseillees.moc"
