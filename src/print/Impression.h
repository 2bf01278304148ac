#pragma once

#include "print/Legendes.h"
#include "state/EtatCalcul.h"

#include <QCoreApplication>
#include <QImage>
#include <QSize>

class EnvironnementTrace;
class QPaintDevice;

// The print job's title, which a PDF keeps as its document title.
inline QString TitreImpression()
{
    return QCoreApplication::translate("Impression", "Répartition des courants");
}
// The name proposed for a PDF file of the lobe panel.
inline QString TitreFichierLobes()
{
    return QCoreApplication::translate("Impression", "Lobes de rayonnement");
}

// What a print job takes from the window, gathered before it starts.
struct DemandeImpression {
    QSize image;                       // the picture area, as laid out on screen
    TextesFenetre textes;              // the boxes' texts, for the caption block
    EnvironnementTrace *env = nullptr; // the chart's window, when the chart is printed
    QImage copieEcran;                 // the lobe panel as shown; null when it could not be copied
};

// One page on the device (a printer, or any paint device of a printer's
// resolution) whose printable area starts at `decalage` on the sheet: the
// chart drawn again for the page, or the lobe panel copied from the screen,
// whichever EtatCalcul.GrapheCourants says the window showed last, with its
// caption block. The page is composed first and sent in one piece, so a
// failure leaves nothing at the printer; it throws then. The screen's scales
// in EtatCalcul are back as they were when it returns, however it ends.
void ImprimePage(QPaintDevice &appareil, PointEntier decalage, const DemandeImpression &demande);

// The screen copy on the page: the image scaled into the rectangle from (x, y)
// to (x + w, y + h) inside a one-pixel black frame.
class Surface;
void PlaceCopieEcran(Surface &page, int x, int y, int w, int h, const QImage &image);
