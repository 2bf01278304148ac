#pragma once

#include <QImage>
#include <QWidget>

// A picture area: shows a bitmap centred at its own size, or stretched to the
// area, and reports mouse moves and button releases in its own coordinates,
// in device pixels: those of a picture drawn at the screen's pixel ratio.
class ZoneImage : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Centre, Etire };

    explicit ZoneImage(Mode mode, QWidget *parent = nullptr);

    QImage &picture() { return picture_; }
    const QImage &picture() const { return picture_; }
    void setPicture(const QImage &image);
    // A finer version of the picture, drawn instead of it when the area is
    // larger than the picture in device pixels; cleared by setPicture.
    void setPictureFine(const QImage &image);
    // What a stretched area shows at `taille` device pixels.
    const QImage &pictureA(QSize taille) const;

signals:
    void sourisBouge(Qt::MouseButtons boutons, int x, int y);
    void sourisRelachee(Qt::MouseButton bouton, int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPoint pixelSouris(const QMouseEvent *event) const;

    Mode mode_;
    QImage picture_;
    QImage fine_;
};
