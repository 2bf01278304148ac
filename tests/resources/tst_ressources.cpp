#include "regles/Erreurs.h"
#include "resources/Ressources.h"

#include <QTest>

namespace {

// Whether the blue pattern reaches out along a half-axis from the centre,
// leaving out the inner eighth where every lobe and the wire meet.
bool bleuVers(const QImage &image, int dx, int dy)
{
    const int debut = (dx != 0 ? image.width() : image.height()) / 8;
    for (int t = debut;; ++t) {
        const int x = image.width() / 2 + dx * t;
        const int y = image.height() / 2 + dy * t;
        if (!image.valid(x, y))
            return false;
        const QRgb c = image.pixel(x, y);
        if (qBlue(c) > 160 && qRed(c) < 120 && qGreen(c) < 120)
            return true;
    }
}

} // namespace

class TstRessources : public QObject {
    Q_OBJECT
private slots:
    void presentes_data();
    void presentes();
    void absente_data();
    void absente();
    void orientationDesLobes_data();
    void orientationDesLobes();
    void glyphesImprimante();
};

void TstRessources::presentes_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QSize>("taille");
    QTest::newRow("lamda0_25") << "lamda0_25" << QSize(157, 152);
    QTest::newRow("lamda0_5") << "lamda0_5" << QSize(157, 146);
    QTest::newRow("lamda0_64") << "lamda0_64" << QSize(157, 149);
    QTest::newRow("lamda1_5") << "lamda1_5" << QSize(157, 149);
    QTest::newRow("lamda2") << "lamda2" << QSize(157, 153);
    QTest::newRow("lamda3") << "lamda3" << QSize(157, 157);
    QTest::newRow("About picture") << "logo" << QSize(176, 207);
    QTest::newRow("window icon") << "icone" << QSize(32, 32);
    QTest::newRow("print glyphs") << "imprimante" << QSize(32, 16);
}

void TstRessources::presentes()
{
    QFETCH(QString, nom);
    QFETCH(QSize, taille);
    const QImage image = ChargeBitmap(nom);
    QCOMPARE(image.size(), taille);
    // Names are matched whatever their letter case.
    QCOMPARE(ChargeBitmap(nom.toUpper()), image);
    QCOMPARE(CheminBitmap(nom.at(0).toUpper() + nom.mid(1)), CheminBitmap(nom));
}

void TstRessources::absente_data()
{
    QTest::addColumn<QString>("nom");
    QTest::newRow("unknown diagram") << "LAMDA4";
    QTest::newRow("prefix of a name") << "lamda0";
}

void TstRessources::absente()
{
    QFETCH(QString, nom);
    QVERIFY(CheminBitmap(nom).isEmpty());
    try {
        ChargeBitmap(nom);
        QFAIL("no error raised");
    } catch (const KesuErreur &e) {
        QCOMPARE(e.texte(), QStringLiteral("Ressource %1 non trouvée").arg(nom));
    }
}

void TstRessources::orientationDesLobes_data()
{
    // As drawn: 0 at the top, 90 to the right, the wire along 90–270.
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("vers0");
    QTest::addColumn<bool>("vers90");
    QTest::newRow("0.25: nearly circular") << "lamda0_25" << true << true;
    QTest::newRow("0.5: nulls along the wire") << "lamda0_5" << true << false;
    QTest::newRow("0.64: main lobes across the wire") << "lamda0_64" << true << false;
    QTest::newRow("1.5: lobes toward 0 and 180") << "lamda1_5" << true << false;
    QTest::newRow("2: none toward 0 or 180") << "lamda2" << false << false;
    QTest::newRow("3: none toward 0 or 180") << "lamda3" << false << false;
}

void TstRessources::orientationDesLobes()
{
    QFETCH(QString, nom);
    QFETCH(bool, vers0);
    QFETCH(bool, vers90);
    const QImage image = ChargeBitmap(nom);
    QCOMPARE(image.pixel(image.width() - 1, 0), qRgb(255, 255, 255));
    QCOMPARE(bleuVers(image, 0, -1), vers0);
    QCOMPARE(bleuVers(image, 0, 1), vers0);
    QCOMPARE(bleuVers(image, 1, 0), vers90);
    QCOMPARE(bleuVers(image, -1, 0), vers90);
}

void TstRessources::glyphesImprimante()
{
    const GlyphesBouton glyphes = ChargeGlyphes(QStringLiteral("imprimante"));
    QCOMPARE(glyphes.normal.size(), QSize(16, 16));
    QCOMPARE(glyphes.inactif.size(), QSize(16, 16));
    QVERIFY(glyphes.normal != glyphes.inactif);
    // The button face shows through around the printer.
    QCOMPARE(qAlpha(glyphes.inactif.pixel(0, 0)), 0);
}

QTEST_APPLESS_MAIN(TstRessources)
#include "tst_ressources.moc"
