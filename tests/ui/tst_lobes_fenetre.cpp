#include "FenetreTest.h"
#include "Francais.h"
#include "resources/Ressources.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

// The name of the diagram that an area shows, found by comparing pictures:
// those of the suite's language, which write a word on them.
QString diagramme(const ZoneImage *zone)
{
    const QString langue = suiteEnAnglais() ? QStringLiteral("_en") : QString();
    for (const char *nom : {"lamda0_25", "lamda0_5", "lamda0_64", "lamda1_5", "lamda2", "lamda3"})
        if (zone->picture() == ChargeBitmap(QString::fromLatin1(nom) + langue)
                                   .convertToFormat(zone->picture().format()))
            return QString::fromLatin1(nom);
    return {};
}

} // namespace

// The lobe panel opened from the window after "Lancer".
class TstLobesFenetre : public QObject {
    Q_OBJECT
private slots:
    void panneauParDefaut();
    void bandeCocheeOuDecocheeApresLeLancer();
    void aucuneBande();
    void lancerArreteApresLePanneauMontreLeFondTeal();
};

void TstLobesFenetre::panneauParDefaut()
{
    FenetreTest f;
    f->Button1->click();
    f->LRayon->click();
    const QStringList attendus{"lamda0_25", "lamda0_5", "lamda1_5", "lamda1_5",
                               "lamda1_5",  "lamda1_5", "lamda2",   "lamda2"};
    for (int k = 1; k <= NombreBandes; ++k) {
        QVERIFY(f->imagesLobes()[k - 1]->isVisible());
        QCOMPARE(diagramme(f->imagesLobes()[k - 1]), attendus[k - 1]);
        // Each diagram names its band where the pointer rests.
        QVERIFY(f->imagesLobes()[k - 1]->toolTip().contains(
            QString::number(EtatCalcul.TableBandes[k - 1].Bande) + " m"));
    }
    QVERIFY(f->Image1->isHidden());
    QVERIFY(!f->ClicAB->isEnabled());
    QVERIFY(!f->ClicBC->isEnabled());
    QVERIFY(!f->LRayon->isEnabled());
    QVERIFY(f->BitBtn2->isVisible());
    QVERIFY(!EtatCalcul.GrapheCourants);
    QVERIFY(f.plateforme.erreursParDefaut.isEmpty());
}

void TstLobesFenetre::bandeCocheeOuDecocheeApresLeLancer()
{
    FenetreTest f;
    f->Ch20m->click(); // 20 m not drawn: its LamdaDip stays 0
    f->Button1->click();
    f->Ch20m->click();
    f->Ch40m->click(); // drawn, then unticked
    f->LRayon->click();
    QCOMPARE(diagramme(f->Image20), "lamda0_25");
    QVERIFY(f->Image20->isVisible());
    QVERIFY(f->Image40->isHidden());
    QVERIFY(f->Image80->isVisible());
}

void TstLobesFenetre::aucuneBande()
{
    FenetreTest f;
    f->Button1->click();
    for (QCheckBox *c : f->casesBandes())
        c->click();
    f->LRayon->click();
    for (ZoneImage *z : f->imagesLobes())
        QVERIFY(z->isHidden());
    QVERIFY(f->Image1->isHidden());
    QVERIFY(f->BitBtn2->isVisible());
}

void TstLobesFenetre::lancerArreteApresLePanneauMontreLeFondTeal()
{
    FenetreTest f;
    f->Button1->click();
    f->LRayon->click();
    for (QCheckBox *c : f->casesBandes())
        c->click();
    f->Button1->click();
    if (!suiteEnAnglais())
        QCOMPARE(f.plateforme.avertissements, QStringList{"Vous devez saisir au moins une bande"});
    QVERIFY(f->Image1->isVisible());
    for (ZoneImage *z : f->imagesLobes())
        QVERIFY(z->isHidden());
    const QImage &image = f->Image1->picture();
    QCOMPARE(QColor(image.pixel(400, 200)), QColor(0x008080));
    QCOMPARE(QColor(image.pixel(0, 200)), QColor(Qt::black)); // the rectangle's outline
}

QTEST_MAIN(TstLobesFenetre)
#include "tst_lobes_fenetre.moc"
