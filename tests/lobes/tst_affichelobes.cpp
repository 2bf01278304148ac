#include "DefautsTest.h"
#include "lobes/AfficheLobes.h"
#include "regles/Erreurs.h"
#include "resources/Ressources.h"
#include "state/EtatCalcul.h"
#include "surface/Surface.h"

#include <QTest>

namespace {

// What the panel does to the window and to the surface, in one list, so that
// the order of the two can be checked together.
using Journal = QStringList;

class SurfaceEnregistreuse : public Surface {
public:
    explicit SurfaceEnregistreuse(Journal &j) : journal(j) {}
    // The panel uses only the rectangle; anything else shows in the journal.
    void lineTo(int, int) override { journal << "lineTo"; }
    void textOut(int, int, const QString &) override { journal << "textOut"; }
    int largeurTexte(const QString &) const override { return 0; }
    void rectangle(int x1, int y1, int x2, int y2) override
    {
        journal << QString::asprintf("rectangle %d,%d,%d,%d crayon #%06x pinceau #%06x", x1, y1, x2,
                                     y2, couleurCrayon() & 0xFFFFFFu, couleurPinceau() & 0xFFFFFFu);
    }
    void fillRect(const Rect &) override { journal << "fillRect"; }
    void frameRect(const Rect &) override { journal << "frameRect"; }
    void stretchDraw(const Rect &, const QImage &) override { journal << "stretchDraw"; }
    Journal &journal;
};

class PanneauFactice : public PanneauLobes {
public:
    explicit PanneauFactice(Journal &j) : journal(j) {}
    void desactiveDeplacements() override { journal << "desactiveDeplacements"; }
    void inverseVisibiliteImage1() override { journal << "inverseVisibiliteImage1"; }
    int largeurImage1() const override { return 785; }
    int hauteurImage1() const override { return 330; }
    void afficheBande(int k, const QImage &image) override
    {
        journal << QStringLiteral("afficheBande %1").arg(k);
        images[k] = image;
    }
    void cacheBande(int k) override { journal << QStringLiteral("cacheBande %1").arg(k); }
    void desactiveLRayon() override { journal << "desactiveLRayon"; }
    void afficheImpression() override { journal << "afficheImpression"; }
    Journal &journal;
    ParBande<QImage> images{};
};

// Runs the panel with fakes; what it did is in `journal` even if it fails.
ParBande<QImage> affiche(Journal &journal)
{
    SurfaceEnregistreuse surface(journal);
    PanneauFactice panneau(journal);
    AfficheLobes(surface, panneau);
    return panneau.images;
}

} // namespace

class TstAfficheLobes : public QObject {
    Q_OBJECT
private slots:
    void init();
    void imagesDesBandesParDefaut_data();
    void imagesDesBandesParDefaut();
    void ordreDesOperations_data();
    void ordreDesOperations();
    void ressourceManquante();
};

void TstAfficheLobes::init()
{
    // The default branch, 2062 cm at 0.97 (2126 cm electrical), over the
    // frequencies of the usual settings file, 80 m to 10 m.
    for (int k = 1; k <= NombreBandes; ++k) {
        EtatCalcul.BandeActive[k] = true;
        EtatCalcul.LamdaDip[k] = 2126.0L * Defauts::Table[k - 1].Frequence / 30000000.0L;
    }
    EtatCalcul.GaucheGraphe = 0;
    EtatCalcul.GrapheCourants = true;
}

void TstAfficheLobes::imagesDesBandesParDefaut_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("nom");
    QTest::newRow("80 m, 3650 kHz") << 1 << "lamda0_25";
    QTest::newRow("40 m, 7050 kHz") << 2 << "lamda0_5";
    QTest::newRow("30 m, 10120 kHz") << 3 << "lamda1_5";
    QTest::newRow("20 m, 14100 kHz") << 4 << "lamda1_5";
    QTest::newRow("17 m, 18100 kHz") << 5 << "lamda1_5";
    QTest::newRow("15 m, 21200 kHz") << 6 << "lamda1_5";
    QTest::newRow("12 m, 24940 kHz") << 7 << "lamda2";
    QTest::newRow("10 m, 28500 kHz") << 8 << "lamda2";
}

void TstAfficheLobes::imagesDesBandesParDefaut()
{
    QFETCH(int, k);
    QFETCH(QString, nom);
    Journal journal;
    QCOMPARE(affiche(journal)[k], ChargeBitmap(nom));
}

void TstAfficheLobes::ordreDesOperations_data()
{
    QTest::addColumn<QList<int>>("selection");
    QTest::addColumn<int>("gaucheGraphe");
    QTest::newRow("all eight bands") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8} << 0;
    QTest::newRow("80 m and 10 m, left position kept from a print") << QList<int>{1, 8} << 120;
    QTest::newRow("none: all hidden, still printable") << QList<int>{} << 0;
}

void TstAfficheLobes::ordreDesOperations()
{
    QFETCH(QList<int>, selection);
    QFETCH(int, gaucheGraphe);
    EtatCalcul.GaucheGraphe = gaucheGraphe;
    Journal attendu{
        "desactiveDeplacements", "inverseVisibiliteImage1",
        QStringLiteral("rectangle %1,0,785,330 crayon #000000 pinceau #008080").arg(gaucheGraphe)};
    for (int k = 1; k <= NombreBandes; ++k) {
        EtatCalcul.BandeActive[k] = selection.contains(k);
        const char *action = selection.contains(k) ? "afficheBande %1" : "cacheBande %1";
        attendu << QString::fromLatin1(action).arg(k);
    }
    attendu << "desactiveLRayon"
            << "afficheImpression";

    Journal journal;
    affiche(journal);
    QCOMPARE(journal, attendu);
    QCOMPARE(EtatCalcul.GrapheCourants, false);
}

void TstAfficheLobes::ressourceManquante()
{
    // A build without the pictures: take them out of the resource system.
    Q_CLEANUP_RESOURCE(kesu_images);
    EtatCalcul.BandeActive[1] = false;
    Journal journal;
    QString texte;
    try {
        affiche(journal);
    } catch (const KesuErreur &e) {
        texte = e.texte();
    }
    Q_INIT_RESOURCE(kesu_images);

    QCOMPARE(texte, QStringLiteral("Ressource lamda0_5 non trouvée"));
    // Stopped at band 2: LRayon, the print button and the flag are untouched.
    QCOMPARE(journal.last(), QStringLiteral("cacheBande 1"));
    QCOMPARE(EtatCalcul.GrapheCourants, true);
    QVERIFY(!CheminBitmap(QStringLiteral("lamda0_5")).isEmpty());
}

QTEST_APPLESS_MAIN(TstAfficheLobes)
#include "tst_affichelobes.moc"
