#pragma once

#include "calc/CalculRun.h"
#include "chart/EnvironnementMuet.h"
#include "state/Echelles.h"
#include "surface/RasterSurface.h"

#include <QImage>

// The chart of EtatCalcul as it stands drawn straight for a white picture of
// `taille` pixels at the given finesse, letters in `police`; what a
// window or a saved picture of that size must show. EtatCalcul is left as it was.
inline QImage GrapheDirect(QSize taille, const QFont &police, double finesse = 1)
{
    const SauvegardeEtatCalcul restaure;
    CalculRun::EchellesEcran(0, taille.width(), taille.height());
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        RasterSurface surface(image, police);
        surface.setFinesse(finesse);
        EnvironnementMuet env;
        TraceGraphe(surface, env);
    }
    return image;
}
