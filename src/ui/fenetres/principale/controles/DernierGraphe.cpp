#include "ui/fenetres/principale/controles/DernierGraphe.h"

#include "calc/CalculRun.h"
#include "surface/RasterSurface.h"

void DernierGraphe::retient(bool chPara, bool chSerieBas)
{
    etat_ = EtatCalcul;
    classe_.para = chPara;
    classe_.serieBas = chSerieBas;
    present_ = true;
}

void DernierGraphe::trace(QImage &image, const RenduGraphe &rendu, EnvironnementTrace &env)
{
    // The chart is drawn in the picture's own coordinates, so A is at its left
    // edge wherever the picture stands in the window.
    CalculRun::EchellesEcran(0, rendu.taille.width(), rendu.taille.height());
    if (image.size() != rendu.taille) {
        image = QImage(rendu.taille, QImage::Format_RGB32);
        image.fill(Qt::white);
    }
    RasterSurface surface(image, rendu.police);
    surface.setFinesse(rendu.finesse);
    TraceGraphe(surface, env);
}

DessinGraphe DernierGraphe::dessine(const RenduGraphe &rendu)
{
    // The whole state goes back as it was, whether the drawing ends or fails:
    // what was typed, moved or ticked since the "Lancer" stays.
    const SauvegardeEtatCalcul restaure;
    EtatCalcul = etat_;
    DessinGraphe dessin;
    trace(dessin.image, rendu, classe_);
    dessin.echelles = EchellesGraphe::lues(EtatCalcul);
    return dessin;
}
