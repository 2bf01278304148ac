#pragma once

#include "ajustement/Ajustement.h"
#include "mesure/Releve.h"
#include "nec/Verification.h"
#include "ui/fenetres/verification/AbaqueSmith.h"
#include "ui/fenetres/verification/ArcFrequence.h"

#include <QWidget>
#include <optional>
#include <vector>

// SWR and impedance against frequency, a small panel per band across its plan:
// above, the SWR the tuner sees behind the balun; below, R and X at C. The
// model is a line read on the same curve as the Smith chart's arc (so both
// say the same between the points computed), a measured sweep its points,
// brought to C from where the analyzer was connected. Hovering a panel reads
// the frequency under the mouse, the model there and the measured point
// nearest in frequency.
class CourbesMesure : public QWidget {
    Q_OBJECT
public:
    explicit CourbesMesure(QWidget *parent = nullptr);

    void montre(const Nec::Entrees &e, const std::vector<AbaqueSmith::Bande> &modele,
                const std::optional<Mesure::Releve> &mesure, Ajustement::Point point, bool grise);
    void efface();

    // A measured point once at C, and the SWR it gives the tuner.
    struct PointMesure {
        double frequenceHz;
        Nec::Complexe zC;
        double ros;
    };
    const std::vector<PointMesure> &mesure() const { return mesure_; }
    std::size_t nombreBandes() const { return panneaux_.size(); }

    // The model at a frequency of band j's plan, as the line draws it.
    Nec::Complexe zModele(std::size_t j, double frequenceHz) const;
    double rosModele(std::size_t j, double frequenceHz) const;

    // Band j's plots: the SWR above, R and X at C below; and where a value at
    // a frequency is drawn in them.
    QRectF cadreRos(std::size_t j) const;
    QRectF cadreOhms(std::size_t j) const;
    QPointF pixelRos(std::size_t j, double frequenceHz, double ros) const;
    QPointF pixelOhms(std::size_t j, double frequenceHz, double ohms) const;

    QString texteSurvol(QPoint souris) const;
    // What the curves show, said under them while nothing is hovered.
    QString legende() const;

    // No taller than the map in the tab beside it: shown, it grows with the window.
    QSize sizeHint() const override { return {560, 190}; }
    QSize minimumSizeHint() const override { return {240, 220}; }

signals:
    void survol(const QString &texte);

protected:
    void paintEvent(QPaintEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    // From bas to haut, a graduation every pas.
    struct Axe {
        double bas, haut, pas;
    };
    struct Panneau {
        AbaqueSmith::Bande bande;
        ArcFrequence arc;
        // The frequencies the line is drawn through: evenly spread, and every
        // point computed.
        std::vector<double> traces;
        std::vector<std::size_t> mesures;  // the measured points within the plan
        double rosHaut, ohmsBas, ohmsHaut; // the values to show
    };
    struct Disposition {
        QRectF titre, ros, ohms;
        Axe f, axeRos, axeOhms;
    };
    Disposition disposition(std::size_t j) const;
    // The band under a pixel and the frequency of its column there.
    std::optional<std::pair<std::size_t, double>> sous(QPointF souris) const;
    QFont petite() const;
    void dessine(QPainter &p, std::size_t j) const;

    Nec::Entrees entrees_;
    std::vector<Panneau> panneaux_;
    std::vector<PointMesure> mesure_;
    QString nomMesure_;
    bool grise_ = false;
    std::optional<std::pair<std::size_t, double>> curseur_;
};
