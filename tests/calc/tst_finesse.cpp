#include "DefautsTest.h"
#include "calc/CalculRun.h"
#include "calc/TraceGraphe.h"
#include "chart/EnvironnementMuet.h"
#include "state/EtatCalcul.h"
#include "surface/RasterSurface.h"

#include <QFont>
#include <QGuiApplication>
#include <QTest>

// A chart drawn f times finer, for f times the picture, is the same chart: its
// letters stand f times as far from their points, its thin lines are f pixels
// wide. The letters are placed by fixed distances that only the finesse scales,
// by the finesse as it is on a desktop scaled by a fraction: at 1.5 a letter
// 12 pixels left of its point at ratio 1 stands 18 left of it, not 24.
class TstFinesse : public QObject {
    Q_OBJECT
private slots:
    void lettresAuxMemesPlaces_data();
    void lettresAuxMemesPlaces();
};

namespace {

// Records where each text goes and draws it as the screen does.
class Releve : public RasterSurface {
public:
    using RasterSurface::RasterSurface;
    struct Texte {
        QPoint position;
        QString texte;
    };
    QList<Texte> textes;
    void textOut(int x, int y, const QString &texte) override
    {
        textes.append({{x, y}, texte});
        RasterSurface::textOut(x, y, texte);
    }
};

QList<Releve::Texte> textesDuGraphe(double finesse)
{
    Defauts::EtatApresLancer();
    const QSize taille = (QSizeF(785, 330) * finesse).toSize();
    CalculRun::EchellesEcran(0, taille.width(), taille.height());
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::white);
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPixelSize(qRound(11 * finesse));
    Releve surface(image, police);
    surface.setFinesse(finesse);
    EnvironnementMuet env;
    TraceGraphe(surface, env);
    return surface.textes;
}

} // namespace

void TstFinesse::lettresAuxMemesPlaces_data()
{
    QTest::addColumn<double>("finesse");
    // How far a letter may stand from f times its place at ratio 1: its point
    // rounds once at a whole finesse; at a fraction the half height that the
    // label rows are slices of rounds too.
    QTest::addColumn<double>("marge");
    QTest::newRow("1.25x") << 1.25 << 2.5;
    QTest::newRow("1.5x") << 1.5 << 2.5;
    QTest::newRow("1.75x") << 1.75 << 2.5;
    QTest::newRow("2x") << 2.0 << 2.0;
    QTest::newRow("4x") << 4.0 << 4.0;
}

void TstFinesse::lettresAuxMemesPlaces()
{
    QFETCH(double, finesse);
    QFETCH(double, marge);
    const QList<Releve::Texte> simple = textesDuGraphe(1);
    const QList<Releve::Texte> fin = textesDuGraphe(finesse);
    QCOMPARE(fin.size(), simple.size());
    QVERIFY(simple.size() > 10); // A, B, C, 8 labels, the EZ marks
    for (qsizetype i = 0; i < simple.size(); ++i) {
        QCOMPARE(fin[i].texte, simple[i].texte);
        // Within the rounding of the point the letters stand by and of their
        // distance from it.
        const QPointF ecart = fin[i].position - QPointF(simple[i].position) * finesse;
        QVERIFY2(std::abs(ecart.x()) <= marge && std::abs(ecart.y()) <= marge,
                 qPrintable(QStringLiteral("%1 at %2,%3 for %4,%5")
                                .arg(fin[i].texte)
                                .arg(fin[i].position.x())
                                .arg(fin[i].position.y())
                                .arg(simple[i].position.x())
                                .arg(simple[i].position.y())));
    }
}

QTEST_MAIN(TstFinesse)
#include "tst_finesse.moc"
