#include "FenetreTest.h"
#include "GrapheDirect.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>

#include <cmath>

// The window at sizes other than the designed one: the layout, the chart drawn
// for the picture's new size, the lobe panel and the moves of B and C.
class TstDisposition : public QObject {
    Q_OBJECT
private slots:
    void agrandie_data();
    void agrandie();
    void lobesProportionnels();
    void deplacementAvecLesNouvellesEchelles();
    void tailleMinimale();
};

namespace {

// The visible controls directly on the client area.
QList<QWidget *> controles(TForm1 &w)
{
    QList<QWidget *> liste;
    for (QWidget *c : w.centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (c->isVisible())
            liste << c;
    return liste;
}

// Pairs of controls that overlap, by object name.
QSet<QString> chevauchements(TForm1 &w)
{
    QSet<QString> paires;
    const QList<QWidget *> liste = controles(w);
    for (QWidget *a : liste)
        for (QWidget *b : liste)
            if (a != b && a->objectName() < b->objectName() &&
                a->geometry().intersects(b->geometry()))
                paires << a->objectName() + QLatin1Char('/') + b->objectName();
    return paires;
}

void redimensionne(FenetreTest &f, int largeur, int hauteur)
{
    f->resize(largeur, hauteur + f->menuBar()->height() + f->statusBar()->height());
    QTRY_COMPARE(f->centralWidget()->size(), QSize(largeur, hauteur));
}

} // namespace

void TstDisposition::agrandie_data()
{
    QTest::addColumn<QSize>("client");
    QTest::newRow("designed") << QSize(786, 509);
    QTest::newRow("1000 x 720") << QSize(1000, 720);
    QTest::newRow("wider only") << QSize(1400, 509);
    QTest::newRow("full HD") << QSize(1920, 1030);
}

void TstDisposition::agrandie()
{
    QFETCH(QSize, client);
    FenetreTest f;
    f->Button1->click(); // the print button shows, the chart is drawn
    const QSet<QString> dessin = chevauchements(*f.w);
    QVERIFY(dessin.contains("Image1/ProgressBar1") || f->ProgressBar1->isHidden());

    redimensionne(f, client.width(), client.height());
    const int dx = client.width() - TForm1::LargeurClient;
    const int dy = client.height() - TForm1::HauteurClient;

    // Nothing overlaps that did not at the designed size, and every control
    // that takes clicks is the one found under its centre.
    QCOMPARE(chevauchements(*f.w), dessin);
    for (QWidget *c : controles(*f.w)) {
        if (c->focusPolicy() == Qt::NoFocus)
            continue; // frames, the picture, the progress bar
        QWidget *trouve = f->centralWidget()->childAt(c->geometry().center());
        while (trouve != nullptr && trouve->parentWidget() != f->centralWidget())
            trouve = trouve->parentWidget();
        QCOMPARE(trouve, c);
    }
    QCOMPARE(f->Image1->geometry(), QRect(0, 99, 785 + dx, 330 + dy));
    QCOMPARE(f->ClicAB->geometry(), QRect(340, 448 + dy, 69, 25));
    QCOMPARE(f->GroupBox3->geometry(), QRect(552, 432 + dy, 133, 73));
    QCOMPARE(f->AideClic->geometry(), QRect(707 + dx, 453 + dy, 65, 25));
    QCOMPARE(f->Button1->geometry(), QRect(703 + dx, 20, 73, 25));
    QCOMPARE(f->GroupBox1->geometry(), QRect(424, 8, 265, 81));

    // The chart shown is the one the formulas give for the new size, at once,
    // and the scales are those of that chart.
    const QSize taille = f->Image1->size();
    QCOMPARE(f->Image1->picture(), GrapheDirect(taille, f->font()));
    QCOMPARE(EtatCalcul.EchelleX, double(taille.width()) / 5387);
    QCOMPARE(EtatCalcul.DemiHauteur, std::lrint(taille.height() / 2.0)); // ties to even
    QVERIFY(f->BitBtn2->isVisible());
}

void TstDisposition::lobesProportionnels()
{
    FenetreTest f;
    f->Button1->click();
    f->LRayon->click();
    QList<QRect> avant;
    for (ZoneImage *z : f->imagesLobes()) {
        avant << z->geometry();
        QCOMPARE(&z->pictureA(z->size()), &z->picture()); // drawn at its own size
    }
    redimensionne(f, 786 + 785, 509 + 330); // the picture twice as large each way
    for (int i = 0; i < avant.size(); ++i) {
        const QRect r = f->imagesLobes()[i]->geometry();
        QCOMPARE(r.left(), 2 * avant[i].left());
        QCOMPARE(r.width(), 2 * avant[i].width());
        QCOMPARE(r.top(), 99 + 2 * (avant[i].top() - 99));
        QCOMPARE(r.height(), 2 * avant[i].height());
        const ZoneImage *z = f->imagesLobes()[i];
        QVERIFY(z->isVisible());
        // Drawn larger, the area shows the diagram with four times the pixels.
        QCOMPARE(z->pictureA(z->size()).size(), z->picture().size() * 4);
    }
    // Back to the chart: drawn for the larger picture.
    f->Button1->click();
    QCOMPARE(f->Image1->picture().size(), QSize(785 * 2, 330 * 2));
}

void TstDisposition::deplacementAvecLesNouvellesEchelles()
{
    FenetreTest f;
    f->Button1->click();
    redimensionne(f, 1200, 600);
    f->ClicAB->click();
    // B stands at 2126 cm: on the wider chart it is further right.
    const int xB = qRound(2126 * EtatCalcul.EchelleX);
    QVERIFY(xB > 400);
    QTest::mouseMove(f->Image1, QPoint(xB, 50));
    QTRY_VERIFY(std::abs(f->DipElec->text().toInt() - 2126) <= 3);
    // Made smaller again while armed: the read-outs follow the new scale.
    redimensionne(f, 786, 509);
    QTest::mouseMove(f->Image1, QPoint(qRound(1000 * 785.0 / 5387), 60));
    QTRY_VERIFY(std::abs(f->DipElec->text().toInt() - 1000) <= 7);
}

void TstDisposition::tailleMinimale()
{
    FenetreTest f;
    f->resize(300, 200);
    QTest::qWait(20);
    QCOMPARE(f->centralWidget()->size(), QSize(786, 509));
}

QTEST_MAIN(TstDisposition)
#include "tst_disposition.moc"
