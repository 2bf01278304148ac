#pragma once

#include <QImage>
#include <QRgb>
#include <QString>

// A rectangle by its edges, as the drawing operations take it: right and bottom
// are the first column and row outside.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

enum class ModeCrayon { Copie, Inversion };

// Where the chart, the lobe background and the caption blocks are drawn: the
// screen picture or the printer page. The drawing routines know only this.
// Pixel coordinates, x to the right, y downwards.
class Surface {
public:
    virtual ~Surface() = default;

    // Pen: colour, width (0 draws as 1; a negative request is ignored), mode.
    void setCouleurCrayon(QRgb c) { couleurCrayon_ = c; }
    QRgb couleurCrayon() const { return couleurCrayon_; }
    void setEpaisseurCrayon(int w)
    {
        if (w >= 0)
            epaisseurCrayon_ = w;
    }
    int epaisseurCrayon() const { return epaisseurCrayon_; }
    void setModeCrayon(ModeCrayon m) { modeCrayon_ = m; }
    ModeCrayon modeCrayon() const { return modeCrayon_; }

    void setCouleurPinceau(QRgb c) { couleurPinceau_ = c; }
    QRgb couleurPinceau() const { return couleurPinceau_; }
    void setCouleurPolice(QRgb c) { couleurPolice_ = c; }
    QRgb couleurPolice() const { return couleurPolice_; }

    // How many of this surface's pixels make one pixel of the chart on a
    // screen at ratio 1: thin lines and the letters' fixed distances from
    // their points are that many pixels, so that a finer picture looks the
    // same. 1 on such a screen and on the printed page.
    void setFinesse(int f) { finesse_ = f > 1 ? f : 1; }
    int finesse() const { return finesse_; }
    int enPixels(int n) const { return n * finesse_; }

    int x() const { return x_; }
    int y() const { return y_; }
    void moveTo(int x, int y)
    {
        x_ = x;
        y_ = y;
    }

    // Draws from the current position to (x, y), the end pixel excluded; a
    // zero-length line with a pen wider than one pixel is a round dot.
    virtual void lineTo(int x, int y) = 0;
    // Text by its top-left corner on an opaque box of the brush colour; the
    // current position moves to the text's right.
    virtual void textOut(int x, int y, const QString &texte) = 0;
    virtual int largeurTexte(const QString &texte) const = 0;
    // Outline with the pen, interior with the brush, right and bottom excluded.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    // Brush fill, right and bottom excluded; an inverted rectangle fills its
    // mirror image, an empty one nothing.
    virtual void fillRect(const Rect &r) = 0;
    // One-pixel border in the brush colour.
    virtual void frameRect(const Rect &r) = 0;
    virtual void stretchDraw(const Rect &r, const QImage &image) = 0;

private:
    QRgb couleurCrayon_ = qRgb(0, 0, 0);
    int epaisseurCrayon_ = 1;
    ModeCrayon modeCrayon_ = ModeCrayon::Copie;
    QRgb couleurPinceau_ = qRgb(255, 255, 255);
    QRgb couleurPolice_ = qRgb(0, 0, 0);
    int x_ = 0;
    int y_ = 0;
    int finesse_ = 1;
};
