#include "ui/fenetres/principale/controles/ZoneImage.h"

#include <QMouseEvent>
#include <QPainter>

ZoneImage::ZoneImage(Mode mode, QWidget *parent) : QWidget(parent), mode_(mode)
{
    // Moves are reported with or without a button held; while a button pressed
    // here is held, Qt keeps sending them here even outside the area.
    setMouseTracking(true);
}

void ZoneImage::setPicture(const QImage &image)
{
    picture_ = image;
    fine_ = QImage();
    update();
}

void ZoneImage::setPictureFine(const QImage &image)
{
    fine_ = image;
    update();
}

const QImage &ZoneImage::pictureA(QSize taille) const
{
    // The lobe areas as laid out are up to a fifth larger than their diagrams,
    // which they have always shown stretched: the finer picture takes over
    // only beyond that.
    constexpr double Seuil = 1.25;
    const bool agrandie =
        taille.width() > Seuil * picture_.width() || taille.height() > Seuil * picture_.height();
    return agrandie && !fine_.isNull() ? fine_ : picture_;
}

void ZoneImage::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    if (mode_ == Mode::Etire) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), pictureA((QSizeF(size()) * devicePixelRatioF()).toSize()));
    } else {
        // A picture finer than the screen shows at its size in screen pixels.
        const QSize taille = picture_.deviceIndependentSize().toSize();
        p.drawImage((width() - taille.width()) / 2, (height() - taille.height()) / 2, picture_);
    }
}

QPoint ZoneImage::pixelSouris(const QMouseEvent *event) const
{
    return (event->position() * devicePixelRatioF()).toPoint();
}

void ZoneImage::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = pixelSouris(event);
    emit sourisBouge(event->buttons(), pos.x(), pos.y());
}

void ZoneImage::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = pixelSouris(event);
    emit sourisRelachee(event->button(), pos.x(), pos.y());
}
