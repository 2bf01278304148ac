#include "surface/RasterSurface.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

using Entier = std::int64_t;

// The columns (or rows) that a rectangle's two edges cover: first inclusive,
// second exclusive. An edge pair given the wrong way round covers its mirror
// image, equal edges cover nothing.
std::pair<Entier, Entier> etendue(int debut, int fin)
{
    if (debut <= fin)
        return {debut, fin};
    return {Entier{fin} + 1, Entier{debut} + 1};
}

Entier racineEntiere(Entier n)
{
    Entier r = static_cast<Entier>(std::sqrt(static_cast<double>(n)));
    while (r * r > n)
        --r;
    while ((r + 1) * (r + 1) <= n)
        ++r;
    return r;
}

// Visits Bresenham's pixels from (x0, y0) towards (x1, y1), the end pixel
// included or not, restricted to the window [xMin, xMax] x [yMin, yMax]. The
// pixels outside the window along the major axis are skipped arithmetically,
// so a line from far outside costs only what is visible.
template <class Fn>
void bresenham(Entier x0, Entier y0, Entier x1, Entier y1, bool avecFin, Entier xMin, Entier xMax,
               Entier yMin, Entier yMax, Fn &&visite)
{
    const Entier ax = x1 >= x0 ? x1 - x0 : x0 - x1;
    const Entier ay = y1 >= y0 ? y1 - y0 : y0 - y1;
    const Entier sx = x1 >= x0 ? 1 : -1;
    const Entier sy = y1 >= y0 ? 1 : -1;
    const bool xMajeur = ax >= ay;
    const Entier majeur = xMajeur ? ax : ay;
    const Entier mineur = xMajeur ? ay : ax;
    const Entier debutMaj = xMajeur ? x0 : y0;
    const Entier debutMin = xMajeur ? y0 : x0;
    const Entier pasMaj = xMajeur ? sx : sy;
    const Entier pasMin = xMajeur ? sy : sx;
    const Entier basMaj = xMajeur ? xMin : yMin;
    const Entier hautMaj = xMajeur ? xMax : yMax;
    const Entier basMin = xMajeur ? yMin : xMin;
    const Entier hautMin = xMajeur ? yMax : xMax;

    const Entier nombre = avecFin ? majeur + 1 : majeur;
    Entier nDebut = pasMaj > 0 ? basMaj - debutMaj : debutMaj - hautMaj;
    Entier nFin = pasMaj > 0 ? hautMaj - debutMaj : debutMaj - basMaj;
    nDebut = std::max<Entier>(nDebut, 0);
    nFin = std::min<Entier>(nFin, nombre - 1);
    if (nDebut > nFin)
        return;

    // m counts the minor steps taken; d > 0 when leaving pixel n means the
    // exact line is past the half-way point, so the next pixel steps. The
    // closed form m(n) = ceil(n * mineur / majeur - 1/2) is exact in 64 bits
    // while majeur stays below 2^30; longer lines are walked from the start.
    Entier m = 0;
    Entier d = 2 * mineur - majeur;
    if (nDebut == 0) {
        // The usual case, a line that starts inside: no division needed.
    } else if (majeur > 0 && majeur <= (Entier{1} << 30)) {
        m = (2 * nDebut * mineur + majeur - 1) / (2 * majeur);
        d = 2 * mineur * (nDebut + 1) - majeur - 2 * majeur * m;
    } else {
        for (Entier n = 0; n < nDebut; ++n) {
            if (d > 0) {
                ++m;
                d -= 2 * majeur;
            }
            d += 2 * mineur;
        }
    }
    for (Entier n = nDebut; n <= nFin; ++n) {
        const Entier cMin = debutMin + pasMin * m;
        if (cMin >= basMin && cMin <= hautMin) {
            const Entier cMaj = debutMaj + pasMaj * n;
            if (xMajeur)
                visite(cMaj, cMin);
            else
                visite(cMin, cMaj);
        }
        if (d > 0) {
            ++m;
            d -= 2 * majeur;
        }
        d += 2 * mineur;
    }
}

// Qt's text rasteriser returns with the upper halves of the AVX registers in
// use. Until they are cleared every SSE instruction that follows pays for the
// transition: the sines and lines of a chart drawn after its first label took
// half as long again.
void libereRegistresAvx()
{
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        asm volatile("vzeroupper");
#endif
}

} // namespace

// The pixels that one stroke of a wide pen covers, row by row, so that each is
// painted once even where the dots overlap.
class RasterSurface::Couverture {
public:
    Couverture(Entier haut, Entier bas) : haut_(haut), lignes_(std::max<Entier>(bas - haut + 1, 0))
    {
    }

    void ajoute(Entier y, Entier gauche, Entier droite)
    {
        if (y < haut_ || y >= haut_ + static_cast<Entier>(lignes_.size()))
            return;
        auto &ligne = lignes_[static_cast<std::size_t>(y - haut_)];
        // Consecutive dots of one line overlap or touch: extend in place.
        if (!ligne.empty() && gauche <= ligne.back().second + 1 &&
            droite >= ligne.back().first - 1) {
            ligne.back().first = std::min(ligne.back().first, gauche);
            ligne.back().second = std::max(ligne.back().second, droite);
            return;
        }
        ligne.emplace_back(gauche, droite);
    }

    template <class Fn> void parcours(Fn &&segment) const
    {
        for (std::size_t i = 0; i < lignes_.size(); ++i) {
            auto ligne = lignes_[i];
            if (ligne.empty())
                continue;
            std::sort(ligne.begin(), ligne.end());
            Entier g = ligne.front().first;
            Entier d = ligne.front().second;
            for (const auto &[a, b] : ligne) {
                if (a > d + 1) {
                    segment(haut_ + static_cast<Entier>(i), g, d);
                    g = a;
                }
                d = std::max(d, b);
            }
            segment(haut_ + static_cast<Entier>(i), g, d);
        }
    }

private:
    Entier haut_;
    std::vector<std::vector<std::pair<Entier, Entier>>> lignes_;
};

RasterSurface::RasterSurface(QImage &image, const QFont &police) : image_(&image), police_(police)
{
    if (image_->format() != QImage::Format_RGB32)
        image_->convertTo(QImage::Format_RGB32);
    police_.setStyleStrategy(QFont::NoAntialias);
}

void RasterSurface::prepare()
{
    // bits() detaches an image that is shared since the last operation.
    pixels_ = image_->bits();
    octetsParLigne_ = image_->bytesPerLine();
}

void RasterSurface::pixel(int x, int y, QRgb couleur)
{
    auto *p = reinterpret_cast<QRgb *>(pixels_ + y * octetsParLigne_) + x;
    if (modeCrayon() == ModeCrayon::Inversion)
        *p = 0xFF000000u | (~*p & 0x00FFFFFFu);
    else
        *p = 0xFF000000u | couleur;
}

// The rows of a dot of diameter w: pixel (dx, dy) is inside when
// (2dx + c)^2 + (2dy + c)^2 <= w^2, with c = 1 for an even w (centre on the
// pixel's top-left corner) and 0 for an odd one (centre on the pixel).
const std::vector<RasterSurface::LigneDisque> &RasterSurface::disque(int w)
{
    if (w == largeurDisque_)
        return disque_;
    const int c = w % 2 == 0 ? 1 : 0;
    const int r = w / 2;
    const Entier w2 = Entier{w} * w;
    disque_.clear();
    for (int dy = -r; dy <= r - c; ++dy) {
        const Entier v = 2 * Entier{dy} + c;
        // Largest dx with (2dx + c)^2 <= w^2 - v^2; the row is symmetric about -c/2.
        const int droite = static_cast<int>((racineEntiere(w2 - v * v) - c) / 2);
        disque_.push_back({dy, -droite - c, droite});
    }
    largeurDisque_ = w;
    return disque_;
}

// A lone dot's rows are disjoint: painted directly, each pixel once.
void RasterSurface::point(int x, int y, int largeur)
{
    const QRgb couleur = couleurCrayon();
    for (const auto &l : disque(largeur)) {
        const Entier py = Entier{y} + l.dy;
        if (py < 0 || py >= image_->height())
            continue;
        const Entier g = std::max<Entier>(Entier{x} + l.gauche, 0);
        const Entier d = std::min<Entier>(Entier{x} + l.droite, image_->width() - 1);
        for (Entier px = g; px <= d; ++px)
            pixel(static_cast<int>(px), static_cast<int>(py), couleur);
    }
}

int RasterSurface::largeurTrait() const
{
    const int largeur = epaisseurCrayon();
    return largeur <= 1 ? largeurFine() : largeur;
}

void RasterSurface::lineTo(int x, int y)
{
    prepare();
    const int x0 = this->x();
    const int y0 = this->y();
    const int largeur = largeurTrait();
    if (largeur <= 1) {
        traceFin(x0, y0, x, y);
    } else if (x == x0 && y == y0) {
        point(x, y, largeur);
    } else {
        const Entier marge = largeur / 2 + 1;
        Couverture couverture(
            std::max<Entier>(Entier{std::min(y0, y)} - marge, 0),
            std::min<Entier>(Entier{std::max(y0, y)} + marge, image_->height() - 1));
        traceLarge(x0, y0, x, y, largeur, couverture);
        peindreCrayon(couverture);
    }
    moveTo(x, y);
}

void RasterSurface::traceFin(int x0, int y0, int x1, int y1)
{
    const QRgb couleur = couleurCrayon();
    if (x0 == x1) {
        // A vertical line, Bresenham's pixels without its stepping: the long
        // chart draws one per column and band.
        if (x0 < 0 || x0 >= image_->width() || y0 == y1)
            return;
        const Entier haut = std::max<Entier>(y1 > y0 ? y0 : Entier{y1} + 1, 0);
        const Entier bas = std::min<Entier>(y1 > y0 ? Entier{y1} - 1 : y0, image_->height() - 1);
        const bool inversion = modeCrayon() == ModeCrayon::Inversion;
        for (Entier y = haut; y <= bas; ++y) {
            auto *p = reinterpret_cast<QRgb *>(pixels_ + y * octetsParLigne_) + x0;
            *p = 0xFF000000u | (inversion ? ~*p & 0x00FFFFFFu : couleur);
        }
        return;
    }
    bresenham(
        x0, y0, x1, y1, false, 0, image_->width() - 1, 0, image_->height() - 1,
        [&](Entier px, Entier py) { pixel(static_cast<int>(px), static_cast<int>(py), couleur); });
}

void RasterSurface::traceLarge(int x0, int y0, int x1, int y1, int largeur, Couverture &couverture)
{
    const auto &lignes = disque(largeur);
    const Entier marge = largeur / 2 + 1;
    bresenham(x0, y0, x1, y1, true, -marge, image_->width() - 1 + marge, -marge,
              image_->height() - 1 + marge, [&](Entier cx, Entier cy) {
                  for (const auto &l : lignes)
                      couverture.ajoute(cy + l.dy, cx + l.gauche, cx + l.droite);
              });
}

void RasterSurface::peindreCrayon(const Couverture &couverture)
{
    const QRgb couleur = couleurCrayon();
    const Entier largeurImage = image_->width();
    couverture.parcours([&](Entier y, Entier gauche, Entier droite) {
        const Entier g = std::max<Entier>(gauche, 0);
        const Entier d = std::min<Entier>(droite, largeurImage - 1);
        for (Entier x = g; x <= d; ++x)
            pixel(static_cast<int>(x), static_cast<int>(y), couleur);
    });
}

void RasterSurface::remplir(int gauche, int haut, int droite, int bas, QRgb couleur)
{
    const int g = std::max(gauche, 0);
    const int d = std::min(droite, image_->width());
    const int h = std::max(haut, 0);
    const int b = std::min(bas, image_->height());
    if (g >= d || h >= b)
        return;
    const QRgb valeur = 0xFF000000u | couleur;
    for (int y = h; y < b; ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image_->scanLine(y));
        std::fill(ligne + g, ligne + d, valeur);
    }
}

void RasterSurface::textOut(int x, int y, const QString &texte)
{
    const QFontMetrics metriques(police_, image_);
    const int largeur = metriques.horizontalAdvance(texte);
    const int hauteur = metriques.height();
    remplir(x, y, x + largeur, y + hauteur, couleurPinceau());
    if (largeur > 0) {
        QPainter peintre(image_);
        peintre.setFont(police_);
        peintre.setPen(QColor(couleurPolice()));
        // Glyphs that overhang their advance stay inside the box, as the box
        // is all that a caller can know about the text's extent.
        peintre.setClipRect(QRect(x, y, largeur, hauteur));
        peintre.drawText(QPoint(x, y + metriques.ascent()), texte);
        peintre.end();
        libereRegistresAvx();
    }
    moveTo(x + largeur, y);
}

int RasterSurface::largeurTexte(const QString &texte) const
{
    return QFontMetrics(police_, image_).horizontalAdvance(texte);
}

int RasterSurface::hauteurTexte() const
{
    return QFontMetrics(police_, image_).height();
}

void RasterSurface::rectangle(int x1, int y1, int x2, int y2)
{
    prepare();
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    if (x1 == x2 || y1 == y2)
        return;
    // The interior first, so that a wide outline covers its inner edge.
    remplir(x1 + 1, y1 + 1, x2 - 1, y2 - 1, couleurPinceau());
    const int droite = x2 - 1;
    const int bas = y2 - 1;
    const int largeur = largeurTrait();
    if (largeur <= 1) {
        const QRgb couleur = couleurCrayon();
        const int h = std::max(y1, 0);
        const int b = std::min(bas, image_->height() - 1);
        const int g = std::max(x1, 0);
        const int d = std::min(droite, image_->width() - 1);
        for (int y = h; y <= b; ++y) {
            if (y == y1 || y == bas) {
                for (int x = g; x <= d; ++x)
                    pixel(x, y, couleur);
            } else {
                if (x1 >= 0 && x1 < image_->width())
                    pixel(x1, y, couleur);
                if (droite != x1 && droite >= 0 && droite < image_->width())
                    pixel(droite, y, couleur);
            }
        }
        return;
    }
    const Entier marge = largeur / 2 + 1;
    Couverture couverture(std::max<Entier>(y1 - marge, 0),
                          std::min<Entier>(bas + marge, image_->height() - 1));
    traceLarge(x1, y1, droite, y1, largeur, couverture);
    traceLarge(droite, y1, droite, bas, largeur, couverture);
    traceLarge(droite, bas, x1, bas, largeur, couverture);
    traceLarge(x1, bas, x1, y1, largeur, couverture);
    peindreCrayon(couverture);
}

void RasterSurface::fillRect(const Rect &r)
{
    const auto [g, d] = etendue(r.left, r.right);
    const auto [h, b] = etendue(r.top, r.bottom);
    const auto borne = [](Entier v) {
        return static_cast<int>(std::clamp<Entier>(v, -1, Entier{1} << 30));
    };
    remplir(borne(g), borne(h), borne(d), borne(b), couleurPinceau());
}

void RasterSurface::frameRect(const Rect &r)
{
    const auto [g, d] = etendue(r.left, r.right);
    const auto [h, b] = etendue(r.top, r.bottom);
    if (g >= d || h >= b)
        return;
    const auto borne = [](Entier v) {
        return static_cast<int>(std::clamp<Entier>(v, -1, Entier{1} << 30));
    };
    const QRgb c = couleurPinceau();
    remplir(borne(g), borne(h), borne(d), borne(h + 1), c);
    remplir(borne(g), borne(b - 1), borne(d), borne(b), c);
    remplir(borne(g), borne(h), borne(g + 1), borne(b), c);
    remplir(borne(d - 1), borne(h), borne(d), borne(b), c);
}

void RasterSurface::stretchDraw(const Rect &r, const QImage &image)
{
    const auto [g, d] = etendue(r.left, r.right);
    const auto [h, b] = etendue(r.top, r.bottom);
    const Entier largeur = d - g;
    const Entier hauteur = b - h;
    if (largeur <= 0 || hauteur <= 0 || image.isNull())
        return;
    const QImage source = image.format() == QImage::Format_RGB32
                              ? image
                              : image.convertToFormat(QImage::Format_RGB32);
    const Entier sl = source.width();
    const Entier sh = source.height();
    const bool miroirX = r.right < r.left;
    const bool miroirY = r.bottom < r.top;
    const Entier x0 = std::max<Entier>(g, 0);
    const Entier x1 = std::min<Entier>(d, image_->width());
    const Entier y0 = std::max<Entier>(h, 0);
    const Entier y1 = std::min<Entier>(b, image_->height());
    for (Entier y = y0; y < y1; ++y) {
        const Entier j = miroirY ? hauteur - 1 - (y - h) : y - h;
        // Each target pixel takes the source pixel under its centre.
        const Entier sy = ((2 * j + 1) * sh) / (2 * hauteur);
        const auto *src =
            reinterpret_cast<const QRgb *>(source.constScanLine(static_cast<int>(sy)));
        auto *dst = reinterpret_cast<QRgb *>(image_->scanLine(static_cast<int>(y)));
        for (Entier x = x0; x < x1; ++x) {
            const Entier i = miroirX ? largeur - 1 - (x - g) : x - g;
            const Entier sx = ((2 * i + 1) * sl) / (2 * largeur);
            dst[x] = 0xFF000000u | src[sx];
        }
    }
}
