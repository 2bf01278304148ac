#include "FenetreTest.h"
#include "Francais.h"
#include "print/FormatLamda.h"

#include <QCheckBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

// The printed PDF keeps its caption blocks as text that a reader can select,
// search and read aloud, worded exactly as they print and lying on the printed
// letters, so that a selection or a search highlights them.
class TstLegendesPdf : public QObject {
    Q_OBJECT
private slots:
    void legendes_data();
    void legendes();

private:
    QTemporaryDir sortie_;
};

namespace {

QString texteDuPdf(const QString &pdf)
{
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Sheet pixels per point: the page raster's own resolution.
constexpr double Pixels = 300 / 72.0;

// Each caption row of the text layer, its box in sheet pixels.
QList<QRectF> lignesDuPdf(const QString &pdf)
{
    QProcess p;
    p.start("pdftotext", {"-bbox-layout", pdf, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    static const QRegularExpression ligne(
        R"re(<line xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)")re");
    QList<QRectF> lignes;
    for (const auto &m : ligne.globalMatch(QString::fromUtf8(p.readAllStandardOutput())))
        lignes << QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) * Pixels,
                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()) * Pixels);
    return lignes;
}

// The sheet as Ghostscript prints it, without smoothing.
QImage feuille(const QString &pdf)
{
    QProcess gs;
    gs.start("gs",
             {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pgmraw", "-r300",
              "-dGraphicsAlphaBits=1", "-dTextAlphaBits=1", "-sOutputFile=" + pdf + ".pgm", pdf});
    if (!gs.waitForFinished(60000) || gs.exitCode() != 0)
        return {};
    return QImage(pdf + ".pgm");
}

// The box of the dark pixels in zone, leaving out the caption frame's rules,
// which cross the whole zone.
QRectF encre(const QImage &feuille, const QRect &zone)
{
    const QRect z = zone & feuille.rect();
    QRect boite;
    for (int y = z.top(); y <= z.bottom(); ++y) {
        QRect rangee;
        for (int x = z.left(); x <= z.right(); ++x)
            if (qGray(feuille.pixel(x, y)) < 128)
                rangee |= QRect(x, y, 1, 1);
        if (rangee.width() < z.width())
            boite |= rangee;
    }
    return boite;
}

} // namespace

void TstLegendesPdf::legendes_data()
{
    QTest::addColumn<bool>("lobes");
    QTest::addColumn<QStringList>("lignes");
    QTest::newRow("chart") << false
                           << QStringList{"Longueur physique d'une branche : 2062cm",
                                          "Coefficient de vélocité choisi pour le dipole: 0.97",
                                          "Longueur physique de l'échelle : 3000cm",
                                          "Coefficient de vélocité choisi pour l'échelle : 0.92",
                                          "Calcul éffectués pour une impédance moyenne ou basse."};
    QTest::newRow("lobe panel, 80 m and 20 m")
        << true
        << QStringList{"Longueur physique d'une branche : 2062cm",
                       "Coefficient de vélocité choisi pour le dipole : 0.97",
                       "Bande : 80 m",
                       "Nombre de Lamda dans le demi-dipole : 0.26",
                       "Bande : 20 m",
                       "Nombre de Lamda dans le demi-dipole : 1.00"};
}

void TstLegendesPdf::legendes()
{
    QFETCH(bool, lobes);
    QFETCH(QStringList, lignes);
    FenetreTest f;
    if (lobes)
        for (QCheckBox *c : {f->Ch40m, f->Ch30m, f->Ch17m, f->Ch15m, f->Ch12m, f->Ch10m})
            c->click();
    f->Button1->click();
    if (lobes)
        f->LRayon->click();
    const QString pdf = sortie_.filePath(lobes ? "lobes.pdf" : "graphe.pdf");
    f.plateforme.surImpression = [pdf](QPrinter &p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        p.setPageSize(QPageSize(QPageSize::A4));
        return true;
    };
    f->BitBtn2->click();
    QVERIFY(f.plateforme.erreursParDefaut.isEmpty());

    const QString texte = texteDuPdf(pdf);
    QVERIFY2(!texte.isEmpty(), "pdftotext (poppler-utils) is needed");
    // The lobe caption writes its numbers with the desktop's decimal separator.
    for (QString ligne : lignes) {
        if (ligne.startsWith("Nombre"))
            ligne.replace('.', SeparateurRegional());
        if (!suiteEnAnglais())
            QVERIFY2(texte.contains(ligne), qPrintable(ligne + "\n--- in ---\n" + texte));
    }
    // Only the captions are text: the chart's letters stay in its picture.
    QVERIFY(!texte.contains("EZ"));

    // Each row of text lies on its printed letters, within a point and a half:
    // they are looked for half a row above and below it and beyond its ends.
    const QImage page = feuille(pdf);
    QVERIFY2(!page.isNull(), "gs (ghostscript) is needed");
    const QList<QRectF> rangees = lignesDuPdf(pdf);
    QCOMPARE(rangees.size(), lignes.size());
    const double marge = 1.5 * Pixels;
    for (const QRectF &r : rangees) {
        const QRect zone =
            r.adjusted(-4 * Pixels, -r.height() / 2, 4 * Pixels, r.height() / 2).toAlignedRect();
        const QRectF lettres = encre(page, zone);
        QString ecart; // in sheet pixels, 300 to the inch
        QDebug(&ecart) << "text" << r << "letters" << lettres;
        QVERIFY2(!lettres.isEmpty() && std::abs(lettres.left() - r.left()) <= marge &&
                     std::abs(lettres.right() - r.right()) <= marge &&
                     lettres.top() >= r.top() - marge && lettres.bottom() <= r.bottom() + marge,
                 qPrintable(ecart));
    }
}

QTEST_MAIN(TstLegendesPdf)
#include "tst_legendes_pdf.moc"
