#include "ui/fenetres/verification/AbaqueSmith.h"

#include "chart/TraceCourbes.h"
#include "nec/Nombres.h"
#include "ui/fenetres/verification/CarteNec.h"
#include "ui/fenetres/verification/TableauNec.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr double Z0 = Reseau::Z0Emetteur;
// The shaded zone's cells across the chart's diameter.
constexpr int CellulesZone = 160;
// How near the mouse must come to a point for the hover to read it.
constexpr double PresDuPoint = 10;

QColor couleurBande(int k, bool grise)
{
    const QColor c = QColor::fromRgb(CouleursBandes[k]);
    return grise ? CarteNec::fanee(c) : c;
}

} // namespace

AbaqueSmith::AbaqueSmith(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void AbaqueSmith::montre(const Nec::Entrees &e, std::vector<Bande> bandes, bool grise)
{
    entrees_ = e;
    bandes_ = std::move(bandes);
    grise_ = grise;
    zoneBande_ = std::clamp(zoneBande_, 0, std::max(0, static_cast<int>(bandes_.size()) - 1));
    update();
}

void AbaqueSmith::efface()
{
    bandes_.clear();
    update();
}

void AbaqueSmith::choisitZone(int j)
{
    zoneBande_ = std::max(0, j);
    update();
}

QRectF AbaqueSmith::disque() const
{
    const double cote = std::max(10.0, std::min(width(), height()) - 24.0);
    return {(width() - cote) / 2, (height() - cote) / 2, cote, cote};
}

std::complex<double> AbaqueSmith::gamma(Nec::Complexe zC) const
{
    const Nec::Complexe z = zC / static_cast<double>(entrees_.boite.balun);
    return (z - Z0) / (z + Z0);
}

QPointF AbaqueSmith::pixel(std::complex<double> g) const
{
    const QRectF d = disque();
    return {d.center().x() + g.real() * d.width() / 2, d.center().y() - g.imag() * d.height() / 2};
}

const QImage &AbaqueSmith::zone()
{
    const Reseau::Pieces p = Nec::piecesJugees(entrees_);
    const Bande &b = bandes_[static_cast<std::size_t>(zoneBande_)];
    const double f = b.points.front().frequenceHz;
    const auto cle = std::tuple{p, f, entrees_.boite.balun, disque().size().toSize()};
    if (cleZone_ && *cleZone_ == cle)
        return zone_;
    cleZone_ = cle;
    zone_ = QImage(CellulesZone, CellulesZone, QImage::Format_ARGB32_Premultiplied);
    zone_.fill(Qt::transparent);
    const QRgb vert = qPremultiply(qRgba(0x2e, 0x9e, 0x4f, 0x50));
    // Neighbouring cells are near loads: the quick verdict made for the map.
    Reseau::Accord accordable(p, f);
    for (int y = 0; y < CellulesZone; ++y)
        for (int x = 0; x < CellulesZone; ++x) {
            const std::complex<double> g((2.0 * x + 1) / CellulesZone - 1,
                                         1 - (2.0 * y + 1) / CellulesZone);
            if (std::abs(g) >= 1)
                continue;
            const std::complex<double> z = Z0 * (1.0 + g) / (1.0 - g);
            if (accordable(z))
                zone_.setPixel(x, y, vert);
        }
    return zone_;
}

void AbaqueSmith::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF d = disque();
    const double r = d.width() / 2;
    const QColor trait = palette().color(QPalette::Mid);
    p.setPen(QPen(palette().color(QPalette::Text), 1.2));
    p.drawEllipse(d);
    if (!bandes_.empty() && Nec::critereReseau(entrees_.critere)) {
        QPainterPath bord;
        bord.addEllipse(d);
        p.save();
        p.setClipPath(bord);
        p.drawImage(d, zone());
        p.restore();
    }
    // Circles of constant resistance and arcs of constant reactance.
    p.save();
    QPainterPath bord;
    bord.addEllipse(d);
    p.setClipPath(bord);
    p.setPen(QPen(trait, 0.8));
    const double valeurs[] = {0.2, 0.5, 1, 2, 5};
    for (double v : valeurs) {
        const double rr = r / (1 + v);
        p.drawEllipse(QPointF(d.center().x() + r * v / (1 + v), d.center().y()), rr, rr);
        const double rx = r / v;
        for (int s : {-1, 1})
            p.drawEllipse(QPointF(d.right(), d.center().y() - s * rx), rx, rx);
    }
    p.drawLine(QPointF(d.left(), d.center().y()), QPointF(d.right(), d.center().y()));
    p.restore();
    p.setPen(palette().color(QPalette::Text));
    for (double v : valeurs)
        p.drawText(QPointF(d.center().x() + r * (v - 1) / (v + 1) + 2, d.center().y() - 3),
                   Nec::texte(v * Z0));
    if (bandes_.empty())
        return;
    // The tuner's circle: the SWR it takes behind the balun.
    const double s = entrees_.boite.rosMax;
    const double rg = r * (s - 1) / (s + 1);
    p.setPen(QPen(palette().color(QPalette::Text), 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(d.center(), rg, rg);
    for (const Bande &b : bandes_) {
        const QColor c = couleurBande(b.bande.k, grise_);
        // The band plan's points in frequency order; the reference apart.
        std::vector<Nec::PointC> tries(b.points.begin() + (b.points.size() > 1 ? 1 : 0),
                                       b.points.end());
        QPolygonF arc;
        for (const Nec::PointC &pt : tries)
            arc << pixel(gamma(pt.zC));
        p.setPen(QPen(c, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(arc);
        p.setPen(QPen(c.darker(130), 1));
        p.setBrush(c);
        p.drawEllipse(pixel(gamma(b.points.front().zC)), 4.0, 4.0);
    }
    // What is drawn, said in the corner.
    QStringList legende{tr("Normalisé à 50 Ω après le balun %1:1").arg(entrees_.boite.balun),
                        tr("Tirets : ROS %1").arg(Nec::texteLisible(s))};
    if (Nec::critereReseau(entrees_.critere)) {
        const Bande &b = bandes_[static_cast<std::size_t>(zoneBande_)];
        legende << (entrees_.critere == Nec::Critere::ReseauT
                        ? tr("Vert : ce que la boîte en T accorde à %1 m")
                        : tr("Vert : ce que la boîte en L accorde à %1 m"))
                       .arg(b.bande.bande);
    }
    p.setPen(palette().color(QPalette::Text));
    const int h = fontMetrics().height();
    for (int i = 0; i < legende.size(); ++i)
        p.drawText(QPointF(4, h * (i + 1)), legende[i]);
}

QString AbaqueSmith::texteSurvol(QPoint souris) const
{
    double meilleure = PresDuPoint;
    QString texte;
    for (const Bande &b : bandes_)
        for (const Nec::PointC &pt : b.points) {
            const QPointF q = pixel(gamma(pt.zC));
            const double dist = std::hypot(q.x() - souris.x(), q.y() - souris.y());
            if (dist >= meilleure)
                continue;
            meilleure = dist;
            const Nec::Complexe z = pt.zC / static_cast<double>(entrees_.boite.balun);
            texte = tr("%1 m, %2 kHz : Z en C %3 Ω ; après le balun %4 Ω, ROS %5")
                        .arg(b.bande.bande)
                        .arg(Nec::texte(pt.frequenceHz / 1e3), TableauNec::complexe(pt.zC),
                             TableauNec::complexe(z),
                             Nec::texte(Nec::rosBoite(pt.zC, entrees_.boite.balun), 2));
        }
    return texte;
}

void AbaqueSmith::mouseMoveEvent(QMouseEvent *e)
{
    emit survol(texteSurvol(e->position().toPoint()));
}

void AbaqueSmith::leaveEvent(QEvent *)
{
    emit survol({});
}
