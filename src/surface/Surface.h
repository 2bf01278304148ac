#pragma once

#include <QImage>
#include <QRgb>
#include <QString>

#include <algorithm>
#include <cmath>

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
    // screen at ratio 1, as the screen gives it: 1.5 on a desktop scaled to
    // 150 %. Thin lines and the letters' fixed distances from their points
    // follow it, so that a finer picture looks the same. 1 on such a screen
    // and on the printed page.
    void setFinesse(double f) { finesse_ = f > 1 ? std::min(f, LimiteFinesse) : 1; }
    double finesse() const { return finesse_; }
    // n pixels of that screen in this surface's pixels, to the nearest: a
    // letter 5 pixels from its point stands 8 from it at 1.5, not 10.
    int enPixels(int n) const { return static_cast<int>(std::lround(n * finesse_)); }
    // A thin line is as many pixels wide as the finesse rounds to: one at
    // 1.25, two at 1.5 and 1.75.
    int largeurFine() const { return enPixels(1); }

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
    // Far above any screen's ratio or saved picture's; it keeps enPixels()
    // within an int.
    static constexpr double LimiteFinesse = 1024;
    double finesse_ = 1;
};
