#pragma once

#include "nec/Verification.h"

#include <QWidget>
#include <cstdint>
#include <vector>

// The NEC-2 check's map along the ladder, from B (0) to the chosen end: for
// each band a row with the chart's verdict and a row with NEC's, drawn in the
// band's colour where C may not fall and left bare where it may.
class CarteNec : public QWidget {
    Q_OBJECT
public:
    explicit CarteNec(QWidget *parent = nullptr);

    // Greyed, the map still shows results that no longer match the inputs.
    // surLaBande shows NEC's verdict across each band rather than at its
    // reference frequency.
    void montre(const Nec::Resultat &resultat, std::int32_t echelleCm, bool grise = false,
                bool surLaBande = false);
    void efface();
    bool grise() const { return grise_; }

    // How much of white veils a greyed map, and a band's colour so veiled
    // (the table, the Smith chart and the patterns grey the same way).
    static constexpr float Voile = 0.63f;
    static QColor fanee(QColor c);

    // The ladder length at a column, in cm; -1 off the strips.
    std::int32_t longueurEn(int x) const;
    int colonne(std::int32_t cm) const;
    // The middle of a row at a length: the j-th band shown, its chart or NEC row.
    QPoint point(std::int32_t cm, std::size_t j, bool nec) const;
    // What hovering a point shows: the length there and |Z| of the band under it.
    QString texteSurvol(QPoint p) const;

    QSize sizeHint() const override { return {640, height()}; }

signals:
    void longueurChoisie(std::int32_t cm);
    void survol(const QString &texte);

protected:
    void paintEvent(QPaintEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    // The band shown at a row of pixels; -1 between bands.
    int bandeEn(int y) const;
    int hautBande(std::size_t j) const;
    std::int32_t fin() const;

    std::vector<Nec::CarteBande> carte_;
    std::vector<Nec::BandeVerifiee> bandes_;
    std::int32_t echelleCm_ = 0;
    bool grise_ = false;
    bool surLaBande_ = false;
};
