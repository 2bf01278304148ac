#include "FenetreTest.h"
#include "print/FormatLamda.h"

#include <QCheckBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>

// The printed PDF keeps its caption blocks as text that a reader can select,
// search and read aloud, worded exactly as they print.
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
        QVERIFY2(texte.contains(ligne), qPrintable(ligne + "\n--- in ---\n" + texte));
    }
    // Only the captions are text: the chart's letters stay in its picture.
    QVERIFY(!texte.contains("EZ"));
}

QTEST_MAIN(TstLegendesPdf)
#include "tst_legendes_pdf.moc"
