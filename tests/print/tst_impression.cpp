#include "FenetreTest.h"
#include "Francais.h"
#include "chart/EnvironnementMuet.h"
#include "print/GeometriePage.h"
#include "print/Impression.h"
#include "print/Legendes.h"
#include "print/SurfacePage.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"
#include "ui/plateforme/CopieEcran.h"
#include "ui/plateforme/PlateformeQt.h"

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

// The whole sheet as Ghostscript prints it at 300 dpi, without smoothing.
QImage feuille(const QString &pdf)
{
    QProcess gs;
    gs.start("gs", {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=ppmraw", "-r300",
                    "-dGraphicsAlphaBits=1", "-dTextAlphaBits=1", "-dInterpolateControl=0",
                    "-sOutputFile=" + pdf + ".ppm", pdf});
    if (!gs.waitForFinished(60000) || gs.exitCode() != 0)
        return {};
    return QImage(pdf + ".ppm").convertToFormat(QImage::Format_RGB32);
}

// The printable area of the sheet.
QImage imprimee(const QString &pdf, QSize taille)
{
    const QImage f = feuille(pdf);
    return f.isNull() ? f : f.copy(QRect(QPoint(Decalage, Decalage), taille));
}

bool sombre(const QImage &img, int x, int y)
{
    return qGray(img.pixel(x, y)) < 128;
}

// The longest run of dark pixels in row y, as its first and last columns.
std::pair<int, int> plusLongTrait(const QImage &img, int y)
{
    std::pair<int, int> trait{0, -1};
    for (int x = 0, debut = -1; x <= img.width(); ++x) {
        if (x < img.width() && sombre(img, x, y)) {
            if (debut < 0)
                debut = x;
        } else if (debut >= 0) {
            if (x - 1 - debut > trait.second - trait.first)
                trait = {debut, x - 1};
            debut = -1;
        }
    }
    return trait;
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

// The page the job should have sent: the job itself, run on an image of the
// printable area at the printer's resolution instead of the printer.
QImage pageAttendue(FenetreTest &f)
{
    QPrinter imprimante;
    prepare(imprimante);
    QImage page(imprimante.width(), imprimante.height(), QImage::Format_RGB32);
    constexpr int PointsParMetre = 11811; // 300 dpi
    page.setDotsPerMeterX(PointsParMetre);
    page.setDotsPerMeterY(PointsParMetre);
    const TextesFenetre textes{f->LongDip->text(), f->CoefDip->text(), f->LongEch->text(),
                               f->CbCoefEch->currentText(), f->ChSerie_moy->isChecked()};
    EnvironnementMuet env;
    const QImage copie =
        EtatCalcul.GrapheCourants ? QImage() : CopieEcran(f->centralWidget(), 99, 0, 785, 330);
    ImprimePage(page, {Decalage, Decalage}, {QSize(785, 330), textes, &env, copie});
    return page;
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
    void legendeDansSonCadre_data();
    void legendeDansSonCadre();
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
    // The dialog proposes a file named after what is printed; the job keeps
    // its one title.
    if (!suiteEnAnglais())
        QCOMPARE(titreAuDialogue_, lobes ? "Lobes de rayonnement" : "Répartition des courants");
    if (!suiteEnAnglais())
        QCOMPARE(titre(pdf), "Répartition des courants");

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
    if (!suiteEnAnglais())
        QCOMPARE(f.plateforme.erreursParDefaut,
                 QStringList{"Division par zéro en virgule flottante."});
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
    if (!suiteEnAnglais())
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

void TstImpression::legendeDansSonCadre_data()
{
    QTest::addColumn<QPageSize::PageSizeId>("format");
    QTest::newRow("A4") << QPageSize::A4;
    QTest::newRow("Letter") << QPageSize::Letter;
}

// The chart on a real sheet at 300 dpi with the printer's own margins: the
// caption rows, the longest one included, must stay inside their frame. The
// frame and the chart are found from the printed pixels alone.
void TstImpression::legendeDansSonCadre()
{
    QFETCH(QPageSize::PageSizeId, format);
    FenetreTest f;
    f->Button1->click();
    const QString pdf = sortie_.filePath(QStringLiteral("feuille%1.pdf").arg(format));
    f.plateforme.surImpression = [&](QPrinter &p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        p.setPageSize(QPageSize(format));
        return true;
    };
    f->BitBtn2->click();
    QVERIFY(f.plateforme.erreursParDefaut.isEmpty());
    const QImage img = feuille(pdf);
    QVERIFY2(!img.isNull(), "Ghostscript (gs) is needed");

    // The frame: the lowest long dark line, and the dark columns rising from its ends.
    const auto longue = [&](int y) {
        const auto [debut, fin] = plusLongTrait(img, y);
        return fin - debut >= 1000;
    };
    int b = img.height() - 1;
    while (b > 0 && !longue(b))
        --b;
    const auto [l, r] = plusLongTrait(img, b);
    int t = b;
    while (t > 0 && sombre(img, l, t - 1))
        --t;
    QVERIFY2(b - t > 200, "no frame found");
    for (int y = t; y <= b; ++y)
        QVERIFY(sombre(img, l, y) && sombre(img, r, y));
    // The chart's bottom edge: the next long dark line above the frame.
    int c = t - 1;
    while (c > 0 && !longue(c))
        --c;
    QVERIFY2(c > 0, "no chart found");

    // Below the chart, every dark pixel is the frame or text clear of it.
    int texte = 0;
    for (int y = c + 1; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (!sombre(img, x, y))
                continue;
            const bool cadre = ((x == l || x == r) && y >= t && y <= b) ||
                               ((y == t || y == b) && x >= l && x <= r);
            if (cadre)
                continue;
            QVERIFY2(x > l + 1 && x < r - 1 && y > t + 1 && y < b - 1,
                     qPrintable(QStringLiteral("ink at (%1, %2), frame (%3, %4)-(%5, %6)")
                                    .arg(x)
                                    .arg(y)
                                    .arg(l)
                                    .arg(t)
                                    .arg(r)
                                    .arg(b)));
            ++texte;
        }
    QVERIFY(texte > 5000); // the three rows are there
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
