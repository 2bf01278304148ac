#pragma once

#include "nec/Verification.h"
#include "ui/fenetres/verification/ArcFrequence.h"

#include <QImage>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

// Z at C behind the balun on a Smith chart normalised to 50 ohms: each band an
// arc across its band plan in its colour, the circle of the SWR the tuner
// takes and, under the T and L criteria, the loads the user's parts match at
// one band, shaded. Hovering an arc reads its band, frequency and Z: exactly
// at the points computed, interpolated along the arc between them. A measured
// sweep may be laid over the arcs, its points as small crosses.
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
    const std::vector<Bande> &bandes() const { return bandes_; }
    // An analyzer's sweep over the arcs: each point's frequency and its Z
    // after the balun (the caller brings it there from where it was taken),
    // `nom` the sweep's name for the hover. Points outside every band's plan
    // but within the span of those shown are drawn dark grey; beyond it, not.
    void montreMesure(std::vector<std::pair<double, std::complex<double>>> zApresBalunParFrequence,
                      QString nom);
    void effaceMesure();
    // The colour of measured point i's cross, or nothing when it is not drawn.
    std::optional<QColor> couleurMesure(std::size_t i) const;
    // The measured point drawn under a pixel, if one is near.
    std::optional<std::size_t> mesureSous(QPoint souris) const;

    // The band whose reachable loads are shaded, by its place among those shown.
    void choisitZone(int j);

    // The pixel a reflection coefficient (after the balun) is drawn at; the
    // pixel of band j's arc at a frequency of its plan.
    QPointF pixel(std::complex<double> gamma) const;
    QPointF pixel(std::size_t j, double frequenceHz) const;

    // What hovering a pixel reads on the nearest arc, if one passes near:
    // a point computed (calcule) or a frequency between two of them.
    struct Lecture {
        std::size_t bande; // among those shown
        double frequenceHz;
        Nec::Complexe zC;
        bool calcule;
    };
    std::optional<Lecture> lecture(QPoint souris) const;
    QString texteSurvol(QPoint p) const;
    // What the chart shows, said under it while nothing is hovered.
    QString legende() const;

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
    // A band's arc: Γ after the balun against frequency, through every point
    // computed.
    ArcFrequence arc(const Bande &b) const;
    QRectF disque() const;
    // Room left round the disc for the ±j labels.
    QSizeF marges() const;
    QFont petite() const;
    std::complex<double> gamma(Nec::Complexe zC) const;
    QPointF pixelMesure(std::size_t i) const;

    Nec::Entrees entrees_;
    std::vector<Bande> bandes_;
    std::vector<ArcFrequence> arcs_;
    std::vector<std::pair<double, std::complex<double>>> mesure_;
    QString nomMesure_;
    bool grise_ = false;
    int zoneBande_ = 0;
    // The shaded loads, kept while the parts, the band and the size stay.
    QImage zone_;
    std::optional<std::tuple<Reseau::Pieces, double, int, QSize>> cleZone_;
};
