#include "ui/ZoneImage.h"

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
    update();
}

void ZoneImage::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    if (mode_ == Mode::Etire) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), picture_);
    } else {
        p.drawImage((width() - picture_.width()) / 2, (height() - picture_.height()) / 2, picture_);
    }
}

void ZoneImage::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    emit sourisBouge(event->buttons(), pos.x(), pos.y());
}

void ZoneImage::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    emit sourisRelachee(event->button(), pos.x(), pos.y());
}
