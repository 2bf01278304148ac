#pragma once

#include "surface/Surface.h"

#include <QFont>
#include <QImage>

#include <vector>

// A Surface over a QImage, drawn pixel by pixel so that every drawing gives
// the same pixels on every machine: the chart on screen, and the chart raster
// that the print job places on the page.
//
// Pixel rules:
// - A one-pixel pen (width 0 or 1) draws Bresenham's line from the current
//   position to the end point, the end pixel excluded; where the exact line
//   passes halfway between two pixels, the pixel on the start's side is taken.
//   A zero-length line draws nothing.
// - A wider pen of width w draws the union of round dots of diameter w centred
//   on every Bresenham pixel from the start to the end point, both included, so
//   the ends are round and a zero-length line is one dot. A pixel belongs to
//   the dot when its centre lies within w / 2 of the dot's centre. For an odd
//   w that centre is the pixel's own centre; for an even w, which cannot be
//   centred on a pixel, it is the pixel's top-left corner: the dot lies within
//   columns x - w/2 ... x + w/2 - 1 and the same rows, so a dot of width 2 is
//   the pixel and its neighbours to the left, above and above-left.
// - A rectangle's outline is its outermost ring of pixels; a wider pen draws
//   its dots centred on that ring.
// - Inversion mode replaces every pixel under the pen once by its complement
//   (255 minus each of red, green and blue), however many dots cover it.
// - Everything is clipped to the image; coordinates outside it are allowed.
// - With a finesse above 1, thin lines (pen width 0 or 1) are drawn
//   largeurFine() pixels wide, by the wide pen's rules.
class RasterSurface : public Surface {
public:
    // Draws into image, which must outlive the surface; an image of another
    // format is converted to Format_RGB32 first. Texts use police without
    // antialiasing, so that they hold only the font and brush colours; they
    // need the font database of a running QGuiApplication.
    RasterSurface(QImage &image, const QFont &police);

    const QImage &image() const { return *image_; }
    const QFont &police() const { return police_; }

    void lineTo(int x, int y) override;
    void textOut(int x, int y, const QString &texte) override;
    int largeurTexte(const QString &texte) const override;
    // Height of the box behind a text: the font's ascent plus its descent.
    int hauteurTexte() const;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void fillRect(const Rect &r) override;
    // The border of the area that fillRect would fill with the same rectangle.
    void frameRect(const Rect &r) override;
    // Nearest-neighbour scaling into the area that fillRect would fill; an
    // inverted edge mirrors the picture along that axis.
    void stretchDraw(const Rect &r, const QImage &image) override;

private:
    class Couverture;
    // One row of a round dot: columns centre + gauche ... centre + droite.
    struct LigneDisque {
        int dy;
        int gauche;
        int droite;
    };

    const std::vector<LigneDisque> &disque(int largeur);
    int largeurTrait() const;

    void traceFin(int x0, int y0, int x1, int y1);
    void traceLarge(int x0, int y0, int x1, int y1, int largeur, Couverture &couverture);
    void point(int x, int y, int largeur);
    // Every operation that paints through pixel() calls prepare() first.
    void prepare();
    void pixel(int x, int y, QRgb couleur);
    void peindreCrayon(const Couverture &couverture);
    void remplir(int gauche, int haut, int droite, int bas, QRgb couleur);

    QImage *image_;
    uchar *pixels_ = nullptr;
    qsizetype octetsParLigne_ = 0;
    QFont police_;
    // The dot of the last wide pen: the chart's strips draw thousands.
    int largeurDisque_ = 0;
    std::vector<LigneDisque> disque_;
};
