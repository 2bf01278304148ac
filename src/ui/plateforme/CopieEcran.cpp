#include "ui/plateforme/CopieEcran.h"

#include "regles/Erreurs.h"
#include "ui/plateforme/Plateforme.h"

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

QImage CopieEcran(QWidget *client, int top, int left, int width, int height)
{
    QImage image = copie(client, QRect(left, top, width, height));
    if (image.isNull())
        plateforme().erreur(Textes::ErreurHardCopy());
    return image;
}
