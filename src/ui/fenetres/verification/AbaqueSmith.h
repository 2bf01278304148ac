#pragma once

#include "nec/Verification.h"

#include <QImage>
#include <QWidget>
#include <optional>
#include <vector>

// Z at C behind the balun on a Smith chart normalised to 50 ohms: each band an
// arc across its band plan in its colour, the circle of the SWR the tuner
// takes and, under the T and L criteria, the loads the user's parts match at
// one band, shaded. Hovering a point reads its band, frequency and Z.
class AbaqueSmith : public QWidget {
    Q_OBJECT
public:
    explicit AbaqueSmith(QWidget *parent = nullptr);

    struct Bande {
        Nec::BandeVerifiee bande;
        std::vector<Nec::PointC> points; // the reference frequency first
    };
    void montre(const Nec::Entrees &e, std::vector<Bande> bandes, bool grise);
    void efface();
    // The band whose reachable loads are shaded, by its place among those shown.
    void choisitZone(int j);

    // The reflection coefficient a load after the balun gives, and the pixel
    // it is drawn at; the nearest point shown to a pixel, as the hover reads it.
    QPointF pixel(std::complex<double> gamma) const;
    QString texteSurvol(QPoint p) const;
    // The loads the parts reach at the zone's band, a cell a pixel across the
    // chart's square (transparent outside them), drawn over the disc.
    const QImage &zone();

    // No taller than the map beside it: shown, it grows with the window.
    QSize sizeHint() const override { return {260, 190}; }
    QSize minimumSizeHint() const override { return {160, 160}; }

signals:
    void survol(const QString &texte);

protected:
    void paintEvent(QPaintEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    QRectF disque() const;
    std::complex<double> gamma(Nec::Complexe zC) const;

    Nec::Entrees entrees_;
    std::vector<Bande> bandes_;
    bool grise_ = false;
    int zoneBande_ = 0;
    // The shaded loads, kept while the parts, the band and the size stay.
    QImage zone_;
    std::optional<std::tuple<Reseau::Pieces, double, int, QSize>> cleZone_;
};
