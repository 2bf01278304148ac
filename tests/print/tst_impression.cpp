#include "EnvironnementMuet.h"
#include "FenetreTest.h"
#include "print/GeometriePage.h"
#include "print/Legendes.h"
#include "print/SurfacePage.h"
#include "print/ui/CopieEcran.h"
#include "ui/PlateformeQt.h"
#include "ui/ZoneImage.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

// The print button with the print dialog answered by the test: the job writes
// an A5 PDF at 300 dpi, which Ghostscript turns back into pixels.
namespace {

constexpr int Decalage = 50; // 12 pt margins: the page raster lands on whole pixels

void prepare(QPrinter &imprimante, const QString &fichier = {})
{
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(fichier);
    imprimante.setResolution(300);
    imprimante.setPageSize(QPageSize(QPageSize::A5));
    imprimante.setPageMargins({12, 12, 12, 12}, QPageLayout::Point);
}

// The printable area as Ghostscript prints it, without smoothing.
QImage imprimee(const QString &pdf, QSize taille)
{
    QProcess gs;
    gs.start("gs", {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=ppmraw", "-r300",
                    "-dGraphicsAlphaBits=1", "-dTextAlphaBits=1", "-dInterpolateControl=0",
                    "-sOutputFile=" + pdf + ".ppm", pdf});
    if (!gs.waitForFinished(60000) || gs.exitCode() != 0)
        return {};
    return QImage(pdf + ".ppm")
        .convertToFormat(QImage::Format_RGB32)
        .copy(QRect(QPoint(Decalage, Decalage), taille));
}

QString titre(const QString &pdf)
{
    QProcess p;
    p.start("pdfinfo", {pdf});
    p.waitForFinished(10000);
    const QString sortie = QString::fromUtf8(p.readAllStandardOutput());
    const qsizetype i = sortie.indexOf("Title:");
    return i < 0 ? QString() : sortie.mid(i + 6, sortie.indexOf('\n', i) - i - 6).trimmed();
}

// The page the job should have sent, composed from the same pieces.
QImage pageAttendue(FenetreTest &f)
{
    QPrinter imprimante;
    prepare(imprimante);
    const SauvegardeEchelles ecran;
    const GeometriePage g =
        CalculeGeometrie(imprimante.width(), imprimante.height(), {Decalage, Decalage}, 785, 330);
    AppliqueGeometrie(g);
    SurfacePage page(g.HorzRes, g.VertRes, 300);
    const TextesFenetre textes{f->LongDip->text(), f->CoefDip->text(), f->LongEch->text(),
                               f->CbCoefEch->currentText(), f->ChSerie_moy->isChecked()};
    if (EtatCalcul.GrapheCourants) {
        EnvironnementMuet env;
        TraceGraphe(page, env);
        LegendeCourants(page, textes);
    } else {
        CopieEcran(page, f->centralWidget(), Decalage, Decalage, g.Wc, g.Hc, 99, 0, 785, 330);
        LegendeLobes(page, textes);
    }
    return page.image();
}

using Ecran = std::tuple<int, int, int, int, double, double>;
Ecran valeursEcran()
{
    const TEtatCalcul &e = EtatCalcul;
    return {e.GaucheGraphe, e.DemiHauteur, e.MargeX, e.MargeY, e.EchelleX, e.EchelleY};
}

// The application's cursor when the chart drawing shows its progress bar.
struct EspionCurseur : QObject {
    QList<Qt::CursorShape> formes;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Show)
            formes << (QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                                      : Qt::ArrowCursor);
        return false;
    }
};

} // namespace

class TstImpression : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QCOMPARE(QApplication::overrideCursor(), nullptr); }
    void imprime_data();
    void imprime();
    void annulation();
    void erreurAbandonneLeTravail();
    void copieImpossible();
    void apresImpression();
    void fichierPropose();

private:
    // Presses the print button, the dialog confirmed onto pdf.
    void imprimeVers(FenetreTest &f, const QString &pdf)
    {
        f.plateforme.surImpression = [this, pdf](QPrinter &p) {
            titreAuDialogue_ = p.docName();
            return prepare(p, pdf), true;
        };
        f->BitBtn2->click();
    }
    QTemporaryDir sortie_;
    QString titreAuDialogue_;
};

void TstImpression::imprime_data()
{
    QTest::addColumn<bool>("lobes");
    QTest::newRow("chart") << false;
    QTest::newRow("lobe panel") << true;
}

void TstImpression::imprime()
{
    QFETCH(bool, lobes);
    FenetreTest f;
    f->Button1->click();
    if (lobes)
        f->LRayon->click();
    const Ecran avant = valeursEcran();
    EspionCurseur espion;
    f->ProgressBar1->installEventFilter(&espion);
    const QString pdf = sortie_.filePath(lobes ? "lobes.pdf" : "graphe.pdf");
    imprimeVers(f, pdf);

    QVERIFY(f.plateforme.erreurs.isEmpty() && f.plateforme.erreursParDefaut.isEmpty());
    QVERIFY(f->BitBtn2->isHidden());
    QCOMPARE(EtatCalcul.GrapheCourants, !lobes);
    QVERIFY(valeursEcran() == avant);
    QCOMPARE(espion.formes, lobes ? QList<Qt::CursorShape>{} : QList{Qt::WaitCursor});
    // The dialog already knows the job's title, which names the file it proposes.
    const QString titreJob = lobes ? "Lobes de rayonnement" : "Répartition des courants";
    QCOMPARE(titreAuDialogue_, titreJob);
    QCOMPARE(titre(pdf), titreJob);

    const QImage attendue = pageAttendue(f);
    const QImage page = imprimee(pdf, attendue.size());
    QVERIFY2(!page.isNull(), "Ghostscript (gs) is needed");
    QCOMPARE(page, attendue);
    if (lobes) { // the copy's frame at the offset, the window's teal inside
        QCOMPARE(page.pixel(Decalage, Decalage), 0xFF000000);
        QCOMPARE(page.pixel(Decalage + 2, Decalage + 2), 0xFF008080);
    } else { // the baseline inverted on paper, here over silver
        const GeometriePage g = CalculeGeometrie(page.width(), page.height(), {50, 50}, 785, 330);
        QCOMPARE(page.pixel(g.x0 + 150, g.y0), 0xFF3F3F3F);
    }
}

void TstImpression::annulation()
{
    FenetreTest f;
    f->Button1->click();
    const Ecran avant = valeursEcran();
    f.plateforme.surImpression = [&](QPrinter &p) {
        return prepare(p, sortie_.filePath("non.pdf")), false;
    };
    f->BitBtn2->click();
    QVERIFY(f->BitBtn2->isVisible());
    QVERIFY(valeursEcran() == avant);
    QVERIFY(!QFile::exists(sortie_.filePath("non.pdf")));
}

void TstImpression::erreurAbandonneLeTravail()
{
    FenetreTest f;
    f->Button1->click();
    const Ecran avant = valeursEcran();
    EtatCalcul.TableBandes[3].Frequence = 0; // stops the chart half-way down the page
    imprimeVers(f, sortie_.filePath("erreur.pdf"));
    QCOMPARE(f.plateforme.erreursParDefaut, QStringList{"Division par zéro en virgule flottante."});
    QVERIFY(!QFile::exists(sortie_.filePath("erreur.pdf"))); // not even a blank page
    QVERIFY(valeursEcran() == avant);
}

void TstImpression::copieImpossible()
{
    FenetreTest f;
    f->Button1->click();
    f->LRayon->click();
    f->Image1->resize(0, 330); // nothing to copy
    imprimeVers(f, sortie_.filePath("sanscopie.pdf"));
    QCOMPARE(f.plateforme.erreurs, QStringList{"Erreur de HardCopy"});
    QVERIFY(f.plateforme.erreursParDefaut.isEmpty());
    QVERIFY(QFile::exists(sortie_.filePath("sanscopie.pdf"))); // with the caption block
    QVERIFY(f->BitBtn2->isHidden());
}

void TstImpression::apresImpression()
{
    FenetreTest f;
    f->Button1->click();
    imprimeVers(f, sortie_.filePath("avant.pdf"));
    // A move of B reads the mouse on the screen chart, as before the print.
    f->ClicAB->click();
    f->Image1MouseMove(Qt::NoButton, 300, 100);
    QCOMPARE(f->DipElec->text(), "2059");
    QCOMPARE(f->DipPhysique->text(), "1997");
    f->Image1MouseUp(Qt::LeftButton, 300, 100);
    // The lobe panel's background starts at the screen's left edge.
    f->Button1->click();
    imprimeVers(f, sortie_.filePath("avant.pdf"));
    f->LRayon->click();
    QCOMPARE(f->Image1->picture().pixel(0, 100), 0xFF000000);
    QCOMPARE(f->Image1->picture().pixel(1, 100), 0xFF008080);
}

// "Print to File (PDF)" proposes the job's title in the documents folder, or
// in the home folder when there is none.
void TstImpression::fichierPropose()
{
    QTemporaryDir maison;
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", maison.path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    const QString sansDocuments = fichierImpressionPropose("Lobes de rayonnement");
    QDir(maison.path()).mkdir("Documents");
    const QString avecDocuments = fichierImpressionPropose("Répartition des courants");
    qputenv("HOME", home);
    if (!config.isNull())
        qputenv("XDG_CONFIG_HOME", config);
    QCOMPARE(sansDocuments, maison.filePath("Lobes de rayonnement.pdf"));
    QCOMPARE(avecDocuments, maison.filePath("Documents/Répartition des courants.pdf"));
}

QTEST_MAIN(TstImpression)
#include "tst_impression.moc"
