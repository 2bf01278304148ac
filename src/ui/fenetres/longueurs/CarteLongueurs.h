#pragma once

#include "longueurs/Recherche.h"

#include <QWidget>
#include <cstdint>
#include <vector>

// The range of ladder lengths searched, for one branch length: a row per band
// in its colour where the tuner cannot match it (as on the NEC-2 map, a gap is
// where C may fall), and under them the windows proposed, the chosen one
// framed.
class CarteLongueurs : public QWidget {
    Q_OBJECT
public:
    explicit CarteLongueurs(QWidget *parent = nullptr);

    // rangees[j] runs from debutCm on, a centimetre a step, for bandes[j].
    void montre(std::int32_t debutCm, const std::vector<std::vector<bool>> &rangees,
                const std::vector<Nec::BandeVerifiee> &bandes,
                const std::vector<Longueurs::Fenetre> &fenetres, int choisie);
    void efface();

    // The ladder length at a column, in cm; -1 off the range.
    std::int32_t longueurEn(int x) const;
    int colonne(std::int32_t cm) const;
    int fenetreChoisie() const { return choisie_; }

    QSize sizeHint() const override { return {640, height()}; }

signals:
    void survol(const QString &texte);

protected:
    void paintEvent(QPaintEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    std::int32_t debutCm_ = 0;
    std::vector<std::vector<bool>> rangees_;
    std::vector<Nec::BandeVerifiee> bandes_;
    std::vector<Longueurs::Fenetre> fenetres_;
    int choisie_ = -1;
};
