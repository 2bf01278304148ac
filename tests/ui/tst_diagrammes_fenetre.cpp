#include "FenetreTest.h"
#include "Francais.h"
#include "ui/fenetres/diagrammes/DessinDiagrammes.h"
#include "ui/fenetres/diagrammes/DiagrammesNec.h"
#include "ui/fenetres/verification/VerificationNec.h"
#include "ui/plateforme/AideViewer.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>

// "Diagrammes NEC-2…": computed from the check's inputs, greyed once they
// change, saved as PNG and PDF, printed, F1.
class TstDiagrammesFenetre : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void calculPerimeEtFichiers();

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
    d->Calculer->click();
    QTRY_VERIFY_WITH_TIMEOUT(d->Calculer->isEnabled(), 30000);
    // Eight bands, each at its reference and, where it differs, its plan's
    // centre (80 m and 12 m have theirs at the reference).
    QCOMPARE(d->diagrammes().size(), std::size_t(14));
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
    d->EnregistrerClick();
    d->EnregistrerClick();
    QImage png(QDir(f.dossier()).filePath("d.png"));
    QVERIFY(!png.isNull());
    QCOMPARE(png.width(), 3200); // drawn at twice its 1600 points
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

    QTest::keyClick(d, Qt::Key_F1);
    QCOMPARE(f.plateforme.aides.size(), 1);
    QCOMPARE(f.plateforme.aides.front().contexte, AideViewer::ContexteDiagrammes);
}

QTEST_MAIN(TstDiagrammesFenetre)
#include "tst_diagrammes_fenetre.moc"
