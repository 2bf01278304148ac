#include "FenetreTest.h"
#include "Francais.h"
#include "ui/fenetres/diagrammes/DessinDiagrammes.h"
#include "ui/fenetres/diagrammes/DiagrammesNec.h"
#include "ui/fenetres/verification/VerificationNec.h"
#include "ui/plateforme/AideViewer.h"

#include "chart/TraceCourbes.h"
#include "nec/Nombres.h"
#include "surface/Couleurs.h"
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <cmath>

// "Diagrammes NEC-2…": computed from the check's inputs, greyed once they
// change, saved as PNG and PDF, printed, F1.
class TstDiagrammesFenetre : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void calculPerimeEtFichiers();
    void echelle_data();
    void echelle();
    void dessin();

private:
    QTemporaryDir dossier_;
};

void TstDiagrammesFenetre::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", dossier_.filePath("config").toLocal8Bit());
}

void TstDiagrammesFenetre::calculPerimeEtFichiers()
{
    FenetreTest f;
    QVERIFY(!f->DiagNec->isEnabled());
    f->Button1->click();
    f->DiagNec->trigger();
    DiagrammesNec *d = f->diagrammesNec;
    QVERIFY(d && d->isVisible());
    QVERIFY(!d->Enregistrer->isEnabled());
    // Enter computes, as in the check's window.
    QTest::keyClick(d, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(d->Calculer->isEnabled(), 30000);
    // Eight bands, each at its reference and, where it lies 1 % away or
    // more, its plan's centre: 10 m alone.
    QCOMPARE(d->diagrammes().size(), std::size_t(9));
    // Each button has its own accelerator.
    QSet<QChar> touches;
    for (QPushButton *b : {d->Calculer, d->Annuler, d->Enregistrer, d->Imprimer, d->Fermer})
        touches.insert((b->text().section(u'&', 1) + u' ').front().toLower());
    QCOMPARE(touches.size(), 5);
    QVERIFY(!d->perime());
    if (!suiteEnAnglais())
        QVERIFY(d->Etat->text().contains(QStringLiteral("sol moyen")));
    // The mouse over the first elevation plot reads its angle and gain.
    const QRectF r = d->Vue->rangee(0);
    const auto pa = DessinDiagrammes::parties(r);
    const QString lu = DessinDiagrammes::lecture(
        QPointF(pa.elevation.center().x() + 20, pa.elevation.center().y()), r,
        d->diagrammes().front(), DessinDiagrammes::maximum(d->diagrammes()));
    QVERIFY2(lu.startsWith(QStringLiteral("80 m")), qPrintable(lu));
    // At 30 degrees of elevation (the half-circle's centre sits 14 pixels
    // above the plot's foot): the broadside gain, then the one along the wire.
    const QPointF pied(pa.elevation.center().x(), pa.elevation.bottom() - 14);
    const Rayonnement::DiagrammeBande &b = d->diagrammes().front();
    const QString a30 =
        DessinDiagrammes::lecture(pied + QPointF(20 * std::cos(M_PI / 6), -20 * std::sin(M_PI / 6)),
                                  r, b, DessinDiagrammes::maximum(d->diagrammes()));
    QVERIFY(b.coupes.travers[30] != b.coupes.long_[30]);
    const qsizetype travers = a30.indexOf(Nec::texte(b.coupes.travers[30], 2) + " dBi");
    const qsizetype long_ = a30.indexOf(Nec::texte(b.coupes.long_[30], 2) + " dBi");
    QVERIFY2(a30.contains(QStringLiteral(" 30°")) && travers > 0 && long_ > travers,
             qPrintable(a30));
    // The read-out follows the mouse, and goes when it leaves the plots.
    const auto survole = [&](QPointF q) {
        QMouseEvent e(QEvent::MouseMove, q, d->Vue->mapToGlobal(q), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(d->Vue, &e);
        return d->Survol->text();
    };
    QVERIFY(survole(pied + QPointF(20, -20)).startsWith(QStringLiteral("80 m")));
    // In the row, away from its plots.
    QCOMPARE(survole(QPointF(r.right() - 2, r.bottom() - 2)), DessinDiagrammes::legendeTraits());
    survole(pied + QPointF(20, -20));
    QEvent depart(QEvent::Leave);
    QCoreApplication::sendEvent(d->Vue, &depart);
    QCOMPARE(d->Survol->text(), DessinDiagrammes::legendeTraits());

    // The check's height kept anew: the patterns are greyed.
    {
        QSettings s(QStringLiteral("Kesu"), QStringLiteral("Kesu"));
        s.setValue(QStringLiteral("VerificationNec/Hauteur"), QStringLiteral("12"));
    }
    d->actualise();
    QVERIFY(d->perime());

    // PNG and PDF, named with their extension when the filter chose it.
    QStringList fichiers;
    f.plateforme.surEnregistrement = [&](const QString &, const QStringList &filtres,
                                         QString &filtre) {
        filtre = filtres[fichiers.size()];
        fichiers << QDir(f.dossier()).filePath(fichiers.isEmpty() ? "d" : "d2");
        return fichiers.back();
    };
    // Saved from a maximised window: the picture does not depend on it.
    d->showMaximized();
    d->resize(2400, 900);
    QCoreApplication::processEvents();
    d->EnregistrerClick();
    d->EnregistrerClick();
    QImage png(QDir(f.dossier()).filePath("d.png"));
    QVERIFY(!png.isNull());
    QCOMPARE(png.width(), 3200); // drawn at twice its 1600 points
    // Every row's figures reach into the right quarter of the picture.
    const int h = (png.height() - 400) / 9;
    for (int y0 = png.height() - 9 * h; y0 < png.height(); y0 += h) {
        int encre = 0;
        for (int y = y0; y < y0 + h; y += 2)
            for (int x = 2400; x < 3200; x += 2)
                encre += png.pixel(x, y) != qRgb(255, 255, 255);
        QVERIFY2(encre > 20, qPrintable(QString::number(y0)));
    }
    QFile pdf(QDir(f.dossier()).filePath("d2.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));
    // Printed to a file.
    f.plateforme.surImpression = [&](QPrinter &p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QDir(f.dossier()).filePath("imprime.pdf"));
        return true;
    };
    d->ImprimerClick();
    QVERIFY(QFileInfo(QDir(f.dossier()).filePath("imprime.pdf")).size() > 1000);
    // A .pdf typed with the PNG filter chosen writes a PDF under that name.
    f.plateforme.surEnregistrement = [&](const QString &, const QStringList &filtres,
                                         QString &filtre) {
        filtre = filtres.front();
        return QDir(f.dossier()).filePath("diag.pdf");
    };
    d->EnregistrerClick();
    QFile tape(QDir(f.dossier()).filePath("diag.pdf"));
    QVERIFY(tape.open(QIODevice::ReadOnly));
    QVERIFY(tape.readAll().startsWith("%PDF"));
    QVERIFY(!QFileInfo::exists(QDir(f.dossier()).filePath("diag.pdf.png")));

    QTest::keyClick(d, Qt::Key_F1);
    QCOMPARE(f.plateforme.aides.size(), 1);
    QCOMPARE(f.plateforme.aides.front().contexte, AideViewer::ContexteDiagrammes);
}

// The radio amateur's logarithmic scale: each 2 dB below the outer ring
// shrinks the radius by 0.89; nothing goes past the ring.
void TstDiagrammesFenetre::echelle_data()
{
    QTest::addColumn<double>("sousMax");
    QTest::addColumn<double>("rayon");
    QTest::newRow("anneau extérieur") << 0.0 << 1.0;
    QTest::newRow("-3 dB") << -3.0 << 0.83962;
    QTest::newRow("-10 dB") << -10.0 << 0.55841;
    QTest::newRow("-20 dB") << -20.0 << 0.31181;
    QTest::newRow("au-dessus du maximum") << 2.0 << 1.0;
}

void TstDiagrammesFenetre::echelle()
{
    QFETCH(double, sousMax);
    QFETCH(double, rayon);
    QVERIFY(std::abs(DessinDiagrammes::rayon(7 + sousMax, 7) - rayon) < 1e-5);
}

// A pattern at its maximum all round is drawn on the outer ring: the
// half-circle's top and the circle's right in the band's colour.
void TstDiagrammesFenetre::dessin()
{
    Rayonnement::DiagrammeBande d{{1, 80, 3650}, 3650, false, {}, {}};
    d.coupes.travers.fill(5);
    d.coupes.long_.fill(-999.99);
    d.coupes.azimut.fill(5);
    d.chiffres = {5, 45, 90, 90, 5, 5, 5, 0};
    QImage image(900, 220, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRectF r(0, 0, 900, 220);
    {
        QPainter p(&image);
        DessinDiagrammes::rangee(p, r, d, 5, false);
    }
    // Drawn on white, the bands' pale colours (80 m's pink, 30 m's yellow,
    // 12 m's light green) are darkened to a contrast of 3 to 1; blue is kept.
    const auto lin = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    for (int k : {1, 3, 4, 7}) {
        const QColor c = Couleurs::surBlanc(QColor::fromRgb(CouleursBandes[std::size_t(k)]));
        QVERIFY(1.05 / (0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) +
                        0.0722 * lin(c.blueF()) + 0.05) >=
                3);
        QCOMPARE(c == QColor::fromRgb(CouleursBandes[std::size_t(k)]), k == 4);
    }
    const QColor bande = Couleurs::surBlanc(QColor::fromRgb(CouleursBandes[1]));
    const auto proche = [&](QPointF q) {
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy) {
                const QPoint a = q.toPoint() + QPoint(dx, dy);
                if (!image.rect().contains(a))
                    continue;
                const QColor c = image.pixelColor(a);
                if (std::abs(c.red() - bande.red()) + std::abs(c.green() - bande.green()) +
                        std::abs(c.blue() - bande.blue()) <
                    60)
                    return true;
            }
        return false;
    };
    const auto pa = DessinDiagrammes::parties(r);
    // The elevation half-circle's centre sits on its bottom edge, less its
    // scale's line: its top is the highest band-coloured point of the part.
    int haut = -1;
    for (int y = 0; y < image.height() && haut < 0; ++y)
        if (proche(QPointF(pa.elevation.center().x(), y)))
            haut = y;
    // Near the top: the outer ring spans nearly the whole part's height.
    QVERIFY2(haut > 0 && haut < pa.elevation.height() / 6, qPrintable(QString::number(haut)));
    QVERIFY(proche(QPointF(pa.elevation.center().x() - 1, haut)));
    QVERIFY(!proche(QPointF(pa.elevation.center().x(), pa.elevation.center().y())));
    // The azimuth circle: its right edge at the ring, its centre bare.
    QVERIFY(!proche(pa.azimut.center()));
}

QTEST_MAIN(TstDiagrammesFenetre)
#include "tst_diagrammes_fenetre.moc"
