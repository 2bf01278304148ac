#include "print/Impression.h"

#include "calc/TraceGraphe.h"
#include "print/GeometriePage.h"
#include "print/SurfacePage.h"
#include "regles/Arithmetique.h"
#include "regles/Erreurs.h"
#include "state/Echelles.h"
#include "surface/Couleurs.h"

#include <QPaintDevice>
#include <QPainter>

namespace {

// Starts the job with the finished page, so that a failure while composing it
// never leaves a half page at the printer.
void envoie(QPaintDevice &appareil, const SurfacePage &page)
{
    QPainter peintre;
    if (!peintre.begin(&appareil))
        leveErreur(Textes::DemarrageImpossible());
    page.peint(peintre);
    peintre.end();
}

} // namespace

void PlaceCopieEcran(Surface &page, int x, int y, int w, int h, const QImage &image)
{
    const Rect r{x, y, Arith::somme(x, w), Arith::somme(y, h)};
    page.stretchDraw(r, image);
    page.setCouleurPinceau(Couleurs::Black);
    page.frameRect(r);
}

void ImprimePage(QPaintDevice &appareil, PointEntier decalage, const DemandeImpression &demande)
{
    const SauvegardeEchelles echellesEcran;
    const GeometriePage geo = CalculeGeometrie(appareil.width(), appareil.height(), decalage,
                                               demande.image.width(), demande.image.height());
    AppliqueGeometrie(geo);
    SurfacePage page(geo.HorzRes, geo.VertRes, appareil.logicalDpiX());
    if (EtatCalcul.GrapheCourants) {
        TraceGraphe(page, *demande.env);
        page.gardeTextes(); // the captions stay text in the document
        LegendeCourants(page, demande.textes);
    } else {
        if (!demande.copieEcran.isNull())
            PlaceCopieEcran(page, geo.P.X, geo.P.Y, geo.Wc, geo.Hc, demande.copieEcran);
        page.gardeTextes();
        LegendeLobes(page, demande.textes);
    }
    envoie(appareil, page);
}
