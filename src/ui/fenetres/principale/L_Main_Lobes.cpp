// The lobe panel: one radiation diagram per selected band in place of the chart.
#include "ui/fenetres/principale/L_Main.h"

#include "lobes/AfficheLobes.h"
#include "state/EtatCalcul.h"
#include "surface/RasterSurface.h"
#include "ui/fenetres/principale/controles/ZoneImage.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

namespace {

class PanneauFenetre : public PanneauLobes {
public:
    explicit PanneauFenetre(TForm1 &w) : w_(w) {}
    void desactiveDeplacements() override
    {
        w_.ClicAB->setEnabled(false);
        w_.ClicBC->setEnabled(false);
    }
    void inverseVisibiliteImage1() override { w_.Image1->setVisible(w_.Image1->isHidden()); }
    // The size of Image1's picture, in device pixels.
    int largeurImage1() const override { return w_.renduGraphe().taille.width(); }
    int hauteurImage1() const override { return w_.renduGraphe().taille.height(); }
    void afficheBande(int k, const QImage &image) override
    {
        ZoneImage *zone = w_.imagesLobes()[k - 1];
        zone->setPicture(image);
        // The diagram names no band on screen (the PNG and the page do): the
        // pointer resting on it does.
        zone->setToolTip(QCoreApplication::translate("TForm1", "Bande de %1 m")
                             .arg(EtatCalcul.TableBandes[k - 1].Bande));
        zone->show();
    }
    void afficheBandeFine(int k, const QImage &fine) override
    {
        w_.imagesLobes()[k - 1]->setPictureFine(fine);
    }
    void cacheBande(int k) override { w_.imagesLobes()[k - 1]->hide(); }
    void desactiveLRayon() override { w_.LRayon->setEnabled(false); }
    void afficheImpression() override { w_.BitBtn2->show(); }

private:
    TForm1 &w_;
};

} // namespace

void TForm1::LRayonClick()
{
    // A move of B or C armed now could never end: its release happens on the
    // chart, which the panel hides. It ends here without storing anything.
    if (EtatCalcul.DeplacementArme)
        abandonneDeplacement();

    QImage &image = Image1->picture();
    if (image.isNull()) {
        image = QImage(renduGraphe().taille, QImage::Format_RGB32);
        image.fill(Qt::white);
    }
    PanneauFenetre panneau(*this);
    {
        RasterSurface surface(image, font());
        AfficheLobes(surface, panneau);
    }
    Image1->update();
}

void TForm1::LongDipChange()
{
    // A new branch length makes the panel out of date until the next "Lancer".
    LRayon->setEnabled(false);
}
