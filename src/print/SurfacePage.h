#pragma once

#include "surface/RasterSurface.h"

#include <QFont>
#include <QImage>
#include <vector>

class QPainter;

namespace detail {
// Holds the page's pixels so that they exist before the surface drawing on them.
struct PixelsPage {
    explicit PixelsPage(QImage image) : pixels(std::move(image)) {}
    QImage pixels;
};
} // namespace detail

// The printer page as a Surface. A printer's paint engine may ignore raster
// operations (Qt's PDF engine does), yet the chart's baseline must invert what
// lies under it on paper as on screen. So the page is drawn as a raster at the
// printer's resolution, by the very rules of the screen chart, and handed to
// the printer in one piece when it is complete.
class SurfacePage : private detail::PixelsPage, public RasterSurface {
public:
    // A white page of largeur x hauteur device pixels at resolution dots per
    // inch; throws when such a page cannot be held in memory.
    SurfacePage(int largeur, int hauteur, int resolution);

    // The font of the chart letters and the captions: a scalable sans-serif
    // face at 8 points of the page's resolution.
    static QFont PolicePage(int resolution);

    // From now on every text drawn is also kept as text: the caption blocks,
    // so that a reader can select, search and read them aloud in the PDF.
    void gardeTextes() { gardeTextes_ = true; }
    void textOut(int x, int y, const QString &texte) override;

    // Draws the page at the painter's origin, pixel for pixel: a lossy image
    // compression would blur the thin lines and the inverted baseline. The
    // kept texts are laid over their pixels as text, in a transparent ink, so
    // that the paper shows exactly the raster's letters.
    void peint(QPainter &peintre) const;

private:
    struct Texte {
        QPoint position; // the box's top-left corner
        QString texte;
    };
    std::vector<Texte> textes_;
    bool gardeTextes_ = false;
};
