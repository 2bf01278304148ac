#include "ui/fenetres/verification/CarteNec.h"

#include "chart/TraceCourbes.h"
#include "nec/Nombres.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {

constexpr int Gauche = 78; // room for "80 m NEC"
constexpr int Droite = 12;
constexpr int Haut = 16; // room for the "C" over its line
constexpr int Rangee = 10;
constexpr int EcartBandes = 6;
constexpr int HauteurBande = 2 * Rangee + 2 + EcartBandes;
constexpr int Echelle = 24; // the metre scale under the strips
// The "libre à tort" mark: a red line along the chart row's foot, seen over
// the band's colour and over the bare grey alike.
constexpr int Tort = 3;
const QColor LibreATort(220, 0, 0);

// A step of 1, 2 or 5 times a power of ten metres, ticks at least 45 px apart.
double pasGraduation(double metresParPixel)
{
    const double minimum = 45 * metresParPixel;
    double p = 0.01;
    for (;;)
        for (double m : {1.0, 2.0, 5.0}) {
            if (m * p >= minimum)
                return m * p;
            if (m == 5.0)
                p *= 10;
        }
}

QString metres(std::int32_t cm)
{
    return Nec::texte(cm / 100.0, 2) + QStringLiteral(" m");
}

} // namespace

CarteNec::CarteNec(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(Haut + NombreBandes * HauteurBande + Echelle);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

void CarteNec::montre(const Nec::Resultat &resultat, std::int32_t echelleCm, bool grise,
                      bool surLaBande)
{
    grise_ = grise;
    surLaBande_ = surLaBande;
    carte_ = resultat.carte;
    bandes_.clear();
    for (const Nec::LigneTableau &l : resultat.lignes)
        bandes_.push_back(l.bande);
    echelleCm_ = echelleCm;
    update();
}

QColor CarteNec::fanee(QColor c)
{
    constexpr float Reste = 1 - Voile;
    return QColor::fromRgbF(Reste * c.redF() + Voile, Reste * c.greenF() + Voile,
                            Reste * c.blueF() + Voile);
}

void CarteNec::efface()
{
    carte_.clear();
    bandes_.clear();
    grise_ = false;
    update();
}

std::int32_t CarteNec::fin() const
{
    return carte_.empty() ? 0 : static_cast<std::int32_t>(carte_.front().module.size()) - 1;
}

int CarteNec::colonne(std::int32_t cm) const
{
    const int largeur = std::max(1, width() - Gauche - Droite);
    return Gauche + static_cast<int>(std::lround(double(cm) * largeur / std::max(1, fin())));
}

std::int32_t CarteNec::longueurEn(int x) const
{
    const int largeur = width() - Gauche - Droite;
    if (carte_.empty() || largeur <= 0 || x < Gauche || x > Gauche + largeur)
        return -1;
    return static_cast<std::int32_t>(std::lround(double(x - Gauche) * fin() / largeur));
}

QPoint CarteNec::point(std::int32_t cm, std::size_t j, bool nec) const
{
    return {colonne(cm), hautBande(j) + (nec ? Rangee + 2 : 0) + Rangee / 2};
}

int CarteNec::hautBande(std::size_t j) const
{
    return Haut + static_cast<int>(j) * HauteurBande;
}

int CarteNec::bandeEn(int y) const
{
    for (std::size_t j = 0; j < carte_.size(); ++j)
        if (y >= hautBande(j) && y < hautBande(j) + 2 * Rangee + 2)
            return static_cast<int>(j);
    return -1;
}

QString CarteNec::texteSurvol(QPoint p) const
{
    const std::int32_t l = longueurEn(p.x());
    if (l < 0)
        return {};
    QString t = tr("Échelle : ") + metres(l);
    if (const int j = bandeEn(p.y()); j >= 0)
        t += tr(" — %1 m : |Z| = %2 Ω")
                 .arg(bandes_[j].bande)
                 .arg(Nec::texte(carte_[j].module[l], 0));
    return t;
}

void CarteNec::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (carte_.empty())
        return;
    const int droite = width() - Droite;
    // Asked on every centimetre of every row below: once is enough.
    const std::int32_t bout = fin();
    for (std::size_t j = 0; j < carte_.size(); ++j) {
        const Nec::CarteBande &c = carte_[j];
        const QColor couleur = QColor::fromRgb(CouleursBandes[c.k]);
        const QString nom = QString::number(bandes_[j].bande) + QStringLiteral(" m");
        const std::vector<bool> &nec = surLaBande_ ? c.libreNecBande : c.libreNec;
        const std::vector<bool> *rangees[] = {&c.libreGraphe, &nec};
        const QString libelles[] = {tr(" graphe"), QStringLiteral(" NEC")};
        for (int r = 0; r < 2; ++r) {
            const int y = hautBande(j) + r * (Rangee + 2);
            p.setPen(Qt::black);
            p.drawText(QRect(2, y - 2, Gauche - 6, Rangee + 4), Qt::AlignRight | Qt::AlignVCenter,
                       nom + libelles[r]);
            p.fillRect(QRect(Gauche, y, droite - Gauche, Rangee), QColor(235, 235, 235));
            // Each run of lengths where C may not fall is one bar.
            const std::vector<bool> &libre = *rangees[r];
            for (std::int32_t a = 0; a <= bout;) {
                if (libre[a]) {
                    ++a;
                    continue;
                }
                std::int32_t b = a;
                while (b + 1 <= bout && !libre[b + 1])
                    ++b;
                const int x0 = colonne(a);
                p.fillRect(QRect(x0, y, std::max(1, colonne(b + 1) - x0), Rangee), couleur);
                a = b + 1;
            }
        }
        // The dangerous disagreement: the chart lets C fall, the tuner fails.
        const int yTort = hautBande(j) + Rangee - Tort;
        for (std::int32_t a = 0; a <= bout;) {
            if (!(c.libreGraphe[a] && !nec[a])) {
                ++a;
                continue;
            }
            std::int32_t b = a;
            while (b + 1 <= bout && c.libreGraphe[b + 1] && !nec[b + 1])
                ++b;
            const int x0 = colonne(a);
            p.fillRect(QRect(x0, yTort, std::max(1, colonne(b + 1) - x0), Tort), LibreATort);
            a = b + 1;
        }
    }
    // The metre scale.
    const int yEchelle = hautBande(carte_.size());
    p.setPen(Qt::black);
    p.drawLine(Gauche, yEchelle, droite, yEchelle);
    const double pas = pasGraduation(bout / 100.0 / std::max(1, droite - Gauche));
    for (int i = 0;; ++i) {
        const double m = i * pas;
        const auto cm = static_cast<std::int32_t>(std::lround(m * 100));
        if (cm > bout)
            break;
        const int x = colonne(cm);
        p.drawLine(x, yEchelle, x, yEchelle + 4);
        const QString t = Nec::texte(m, pas < 1 ? (pas < 0.1 ? 2 : 1) : 0);
        p.drawText(QRect(x - 30, yEchelle + 5, 60, Echelle - 6), Qt::AlignHCenter | Qt::AlignTop,
                   t);
    }
    p.drawText(QRect(2, yEchelle + 5, Gauche - 16, Echelle - 6), Qt::AlignRight | Qt::AlignTop,
               tr("m depuis B"));
    // The current C.
    if (echelleCm_ >= 0 && echelleCm_ <= bout) {
        const int x = colonne(echelleCm_);
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawLine(x, Haut - 2, x, yEchelle);
        p.drawText(QRect(x - 10, 0, 20, Haut - 2), Qt::AlignCenter, QStringLiteral("C"));
    }
    if (grise_)
        p.fillRect(rect(), QColor::fromRgbF(1, 1, 1, Voile));
}

void CarteNec::mouseMoveEvent(QMouseEvent *e)
{
    const QString t = texteSurvol(e->position().toPoint());
    // Tool tips take the application's font, which may lack "|" and "—":
    // this one names the map's own.
    setToolTip(t.isEmpty()
                   ? t
                   : QStringLiteral("<span style=\"font-family:'%1'; white-space:pre\">%2</span>")
                         .arg(font().family(), t.toHtmlEscaped()));
    emit survol(t);
    QWidget::mouseMoveEvent(e);
}

void CarteNec::mousePressEvent(QMouseEvent *e)
{
    const std::int32_t l = longueurEn(e->position().toPoint().x());
    if (e->button() == Qt::LeftButton && l >= 0)
        emit longueurChoisie(l);
    QWidget::mousePressEvent(e);
}

void CarteNec::leaveEvent(QEvent *e)
{
    emit survol(QString());
    QWidget::leaveEvent(e);
}
