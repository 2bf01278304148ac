#pragma once

#include "rayonnement/Diagrammes.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

// The radiation patterns drawn in the radio amateur's usual polar form: gain
// in dBi on a logarithmic radius whose outer ring is the overall maximum,
// rings at -3, -10 and -20 dB, the elevation half-circle in degrees and the
// azimuth circle with the wire across it. One drawing for the window at any
// density, the PNG and PDF files and paper: it takes a painter, no widget.
namespace DessinDiagrammes {

// The radius, 0 to 1, of a gain under the scale's maximum: each 2 dB below
// shrinks it by 0.89, so that deep nulls stay inside the circle.
double rayon(double gainDbi, double maxDbi);

// A row: the elevation half-circle, the azimuth circle, the figures.
struct Parties {
    QRectF elevation;
    QRectF azimut;
    QRectF chiffres;
};
Parties parties(QRectF rangee);

// One band's row. Greyed, it still shows a result whose inputs changed.
void rangee(QPainter &p, QRectF r, const Rayonnement::DiagrammeBande &d, double maxDbi, bool grise);

// A whole page: the caption naming the antenna, ground and height, the
// legend of the lines and rings, then the rows, as many as fit the height
// given, each as high as hauteurRangeePage tells: a page fills its width
// whatever the window's.
void page(QPainter &p, QRectF r, const QString &legende,
          const std::vector<Rayonnement::DiagrammeBande> &d, double maxDbi);
// The height a row takes in the window, and on a page, of this width.
double hauteurRangee(double largeur);
double hauteurRangeePage(double largeur);
// A page's lettering, as large as its rows make room for: a saved picture
// is as legible as its page, whatever the window's size.
QFont police(QFont base, double largeur);
// The height of a page's caption and legend, above its first row, in its
// lettering.
double hauteurEntete(const QFontMetricsF &m);
// What the lines and rings are, in words.
QString legendeTraits();

// What the mouse reads at a point of a row: the angle and the gain of the
// cut under it, or nothing away from the plots.
QString lecture(QPointF point, QRectF r, const Rayonnement::DiagrammeBande &d, double maxDbi);

// The highest gain of all the bands: the outer ring of every plot.
double maximum(const std::vector<Rayonnement::DiagrammeBande> &d);

} // namespace DessinDiagrammes
