#include "print/ui/CopieEcran.h"

#include "calc/Arithmetique.h"
#include "print/TextesImpression.h"
#include "surface/Surface.h"
#include "ui/Plateforme.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace {

// The displayed pixels of the source rectangle; where it reaches beyond the
// client area (a window made smaller than laid out) the copy shows the
// window's background there. Null when nothing can be copied.
QImage copie(QWidget *client, const QRect &source)
{
    if (client == nullptr || source.isEmpty())
        return {};
    const QRect visible = source.intersected(client->rect());
    if (visible.isEmpty())
        return {};
    const QPixmap pixels = client->grab(visible);
    if (pixels.isNull())
        return {};
    if (visible == source)
        return pixels.toImage();
    const qreal ratio = pixels.devicePixelRatio();
    QImage entiere((QSizeF(source.size()) * ratio).toSize(), QImage::Format_RGB32);
    entiere.setDevicePixelRatio(ratio);
    entiere.fill(client->palette().color(QPalette::Window));
    QPainter peintre(&entiere);
    peintre.drawPixmap(visible.topLeft() - source.topLeft(), pixels);
    return entiere;
}

} // namespace

void CopieEcran(Surface &page, QWidget *client, int x, int y, int w, int h, int top, int left,
                int width, int height)
{
    const Rect r{x, y, Arith::somme(x, w), Arith::somme(y, h)};
    const QImage image = copie(client, QRect(left, top, width, height));
    if (image.isNull()) {
        plateforme().erreur(TextesImpression::ErreurHardCopy);
        return;
    }
    page.stretchDraw(r, image);
    page.setCouleurPinceau(qRgb(0, 0, 0));
    page.frameRect(r);
}
