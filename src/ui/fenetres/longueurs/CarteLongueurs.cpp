#include "ui/fenetres/longueurs/CarteLongueurs.h"

#include "chart/TraceCourbes.h"
#include "nec/Nombres.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {

constexpr int ClGauche = 78; // room for "80 m" and "Fenêtres"
constexpr int ClDroite = 12;
constexpr int ClHaut = 6;
constexpr int ClRangee = 10;
constexpr int ClEcart = 3;
constexpr int ClRangeeFenetres = 14;
constexpr int ClEchelle = 22; // the metre scale under the rows
const QColor ClFond(236, 236, 236);
const QColor ClProposee(40, 140, 60);

QString metresCarte(std::int32_t cm)
{
    return Nec::texte(cm / 100.0, 2) + QStringLiteral(" m");
}

} // namespace

CarteLongueurs::CarteLongueurs(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(ClHaut + NombreBandes * (ClRangee + ClEcart) + ClEcart + ClRangeeFenetres +
                   ClEchelle);
    setMouseTracking(true);
}

void CarteLongueurs::montre(std::int32_t debutCm, const std::vector<std::vector<bool>> &rangees,
                            const std::vector<Nec::BandeVerifiee> &bandes,
                            const std::vector<Longueurs::Fenetre> &fenetres, int choisie)
{
    debutCm_ = debutCm;
    rangees_ = rangees;
    bandes_ = bandes;
    fenetres_ = fenetres;
    choisie_ = choisie;
    update();
}

void CarteLongueurs::efface()
{
    rangees_.clear();
    bandes_.clear();
    fenetres_.clear();
    choisie_ = -1;
    update();
}

int CarteLongueurs::colonne(std::int32_t cm) const
{
    const std::int32_t n =
        rangees_.empty()
            ? 1
            : std::max<std::int32_t>(1, static_cast<std::int32_t>(rangees_[0].size()) - 1);
    const int largeur = std::max(1, width() - ClGauche - ClDroite);
    return ClGauche + static_cast<int>(std::lround(double(cm - debutCm_) * largeur / n));
}

std::int32_t CarteLongueurs::longueurEn(int x) const
{
    const int largeur = width() - ClGauche - ClDroite;
    if (rangees_.empty() || largeur <= 0 || x < ClGauche || x > ClGauche + largeur)
        return -1;
    const double n = std::max<double>(1, rangees_[0].size() - 1.0);
    return debutCm_ + static_cast<std::int32_t>(std::lround(double(x - ClGauche) * n / largeur));
}

void CarteLongueurs::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (rangees_.empty())
        return;
    const std::int32_t n = static_cast<std::int32_t>(rangees_[0].size());
    const std::int32_t fin = debutCm_ + n - 1;
    int y = ClHaut;
    for (std::size_t j = 0; j < rangees_.size() && j < bandes_.size();
         ++j, y += ClRangee + ClEcart) {
        p.setPen(palette().windowText().color());
        p.drawText(QRect(0, y - 2, ClGauche - 6, ClRangee + 4), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1 m").arg(bandes_[j].bande));
        p.fillRect(QRect(ClGauche, y, colonne(fin) - ClGauche + 1, ClRangee), ClFond);
        const QColor couleur = QColor::fromRgb(CouleursBandes[bandes_[j].k]);
        // Runs of lengths the tuner cannot match, each drawn once.
        for (std::int32_t l = 0; l < n;) {
            if (rangees_[j][l]) {
                ++l;
                continue;
            }
            std::int32_t b = l;
            while (b + 1 < n && !rangees_[j][b + 1])
                ++b;
            const int x0 = colonne(debutCm_ + l);
            p.fillRect(QRect(x0, y, std::max(1, colonne(debutCm_ + b + 1) - x0), ClRangee),
                       couleur);
            l = b + 1;
        }
    }
    y += ClEcart;
    p.setPen(palette().windowText().color());
    p.drawText(QRect(0, y, ClGauche - 6, ClRangeeFenetres), Qt::AlignRight | Qt::AlignVCenter,
               QCoreApplication::translate("CarteLongueurs", "Fenêtres"));
    p.fillRect(QRect(ClGauche, y, colonne(fin) - ClGauche + 1, ClRangeeFenetres), ClFond);
    for (std::size_t i = 0; i < fenetres_.size(); ++i) {
        const Longueurs::Fenetre &f = fenetres_[i];
        const int x0 = colonne(f.debutCm);
        const QRect r(x0, y, std::max(2, colonne(f.finCm + 1) - x0), ClRangeeFenetres);
        p.fillRect(r, ClProposee);
        if (static_cast<int>(i) == choisie_) {
            p.setPen(QPen(Qt::black, 2));
            p.drawRect(r.adjusted(-2, -2, 2, 2));
            p.drawLine(colonne(f.centreCm()), ClHaut, colonne(f.centreCm()), y + ClRangeeFenetres);
        }
    }
    // The scale: the range's ends and its middle, in metres.
    y += ClRangeeFenetres + 4;
    p.setPen(palette().windowText().color());
    const std::int32_t graduations[] = {debutCm_, debutCm_ + (n - 1) / 2, fin};
    for (std::int32_t cm : graduations) {
        const int x = colonne(cm);
        p.drawLine(x, y - 3, x, y);
        const QString t = metresCarte(cm);
        const int l = fontMetrics().horizontalAdvance(t);
        p.drawText(std::clamp(x - l / 2, ClGauche - 10, width() - l - 2),
                   y + fontMetrics().ascent() + 1, t);
    }
}

void CarteLongueurs::mouseMoveEvent(QMouseEvent *e)
{
    const std::int32_t l = longueurEn(static_cast<int>(e->position().x()));
    emit survol(
        l < 0 ? QString()
              : QCoreApplication::translate("CarteLongueurs", "Échelle : %1").arg(metresCarte(l)));
}

void CarteLongueurs::leaveEvent(QEvent *)
{
    emit survol({});
}
