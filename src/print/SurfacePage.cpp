#include "print/SurfacePage.h"

#include "regles/Erreurs.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// At 8 points the longest caption row, "Coefficient de vélocité choisi pour
// l'échelle : ", stays inside the caption frame on an A4 or Letter page; the
// letters on the chart keep about the size they have on screen.
constexpr int TaillePoints = 8;

QImage pageBlanche(int largeur, int hauteur)
{
    QImage page;
    if (largeur > 0 && hauteur > 0)
        page = QImage(largeur, hauteur, QImage::Format_RGB32);
    if (page.isNull())
        leveErreur(Textes::PageImpossible());
    page.fill(Qt::white);
    return page;
}

} // namespace

SurfacePage::SurfacePage(int largeur, int hauteur, int resolution)
    : PixelsPage(pageBlanche(largeur, hauteur)), RasterSurface(pixels, PolicePage(resolution))
{
}

QFont SurfacePage::PolicePage(int resolution)
{
    QFont police;
    // Liberation Sans has Arial's metrics; Qt falls back to another sans-serif
    // face where it is missing.
    police.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    police.setStyleHint(QFont::SansSerif);
    police.setPixelSize(std::max(1, qRound(TaillePoints * resolution / 72.0)));
    return police;
}

void SurfacePage::textOut(int x, int y, const QString &texte)
{
    RasterSurface::textOut(x, y, texte);
    if (gardeTextes_ && !texte.isEmpty())
        textes_.push_back({{x, y}, texte});
}

void SurfacePage::peint(QPainter &peintre) const
{
    peintre.setRenderHint(QPainter::LosslessImageRendering);
    peintre.drawImage(0, 0, image());
    if (textes_.empty())
        return;
    // The raster's letters were drawn at the font's pixel size on the page's
    // pixels, by their box's top-left corner; the text layer takes the same
    // size and the same baseline, the ascent below that corner, so that a
    // selection or a search highlights the printed words. Their advances
    // agree within about half a point by the end of the longest row.
    peintre.save();
    peintre.setFont(police());
    peintre.setPen(QColor(0, 0, 0, 0));
    const int ascent = QFontMetrics(police(), &image()).ascent();
    for (const Texte &t : textes_)
        peintre.drawText(t.position + QPoint(0, ascent), t.texte);
    peintre.restore();
}
