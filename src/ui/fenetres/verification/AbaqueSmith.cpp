#include "ui/fenetres/verification/AbaqueSmith.h"

#include "chart/TraceCourbes.h"
#include "nec/Nombres.h"
#include "regles/TextesNec.h"
#include "surface/Couleurs.h"
#include "ui/fenetres/verification/CarteNec.h"
#include "ui/fenetres/verification/TableauNec.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

constexpr double Z0 = Reseau::Z0Emetteur;
// The shaded zone's cells across the chart's diameter.
constexpr int CellulesZone = 160;
// How near the mouse must come to an arc for the hover to read it, and to a
// point computed for the hover to read that point rather than the arc.
constexpr double PresDeLArc = 10;
constexpr double SurLePoint = 5;
// Steps per span between two points computed, where the hover looks for the
// nearest place on the arc; each step is a straight piece, short enough that
// the place found is on the arc to a fraction of a pixel.
constexpr int PasParIntervalle = 24;
// The normalised resistances and reactances the grid draws.
constexpr double Graduations[] = {0.2, 0.5, 1, 2, 5};

double distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
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
    arcs_.clear();
    for (const Bande &b : bandes_)
        arcs_.push_back(arc(b));
    grise_ = grise;
    zoneBande_ = std::clamp(zoneBande_, 0, std::max(0, static_cast<int>(bandes_.size()) - 1));
    update();
    // What was read under the mouse may no longer be there.
    emit survol({});
}

void AbaqueSmith::efface()
{
    bandes_.clear();
    arcs_.clear();
    update();
    emit survol({});
}

// The points NEC computed, in frequency order, joined by a cubic Hermite
// curve in the reflection plane whose slope at each point is the
// Catmull-Rom one taken against frequency: (Γ[i+1] − Γ[i−1]) / (f[i+1] −
// f[i−1]); at the ends, the slope of the parabola through the end and its
// neighbour with the neighbour's slope. The curve goes through every point
// computed, its slope is continuous, and the plan's points need not be
// evenly spaced. Between two points, the frequency read is the one the
// curve is parametrised by, and Z at C is the load whose Γ is the curve's
// there: the hover reads what is drawn. No nec2c run is made for it.
AbaqueSmith::Arc AbaqueSmith::arc(const Bande &b) const
{
    std::vector<Nec::PointC> pts(b.points.begin() + (b.points.size() > 1 ? 1 : 0), b.points.end());
    // The reference frequency is a point computed too, where it falls inside
    // the plan and is not one of its points already.
    if (b.points.size() > 1) {
        const Nec::PointC &r = b.points.front();
        const auto [bas, haut] = std::minmax_element(
            pts.begin(), pts.end(), [](const Nec::PointC &x, const Nec::PointC &y) {
                return x.frequenceHz < y.frequenceHz;
            });
        const bool dedans = r.frequenceHz > bas->frequenceHz && r.frequenceHz < haut->frequenceHz;
        if (dedans && std::none_of(pts.begin(), pts.end(), [&](const Nec::PointC &x) {
                return std::abs(x.frequenceHz - r.frequenceHz) < 0.5;
            }))
            pts.push_back(r);
    }
    std::sort(pts.begin(), pts.end(), [](const Nec::PointC &x, const Nec::PointC &y) {
        return x.frequenceHz < y.frequenceHz;
    });
    Arc a;
    for (const Nec::PointC &p : pts) {
        if (!a.f.empty() && p.frequenceHz - a.f.back() < 0.5)
            continue;
        a.f.push_back(p.frequenceHz);
        a.zC.push_back(p.zC);
        a.g.push_back(gamma(p.zC));
    }
    const std::size_t n = a.f.size();
    a.pente.assign(n, {});
    if (n < 2)
        return a;
    const auto corde = [&a](std::size_t i, std::size_t j) {
        return (a.g[j] - a.g[i]) / (a.f[j] - a.f[i]);
    };
    for (std::size_t i = 1; i + 1 < n; ++i)
        a.pente[i] = corde(i - 1, i + 1);
    if (n == 2) {
        a.pente[0] = a.pente[1] = corde(0, 1);
        return a;
    }
    a.pente[0] = 2.0 * corde(0, 1) - a.pente[1];
    a.pente[n - 1] = 2.0 * corde(n - 2, n - 1) - a.pente[n - 2];
    return a;
}

std::complex<double> AbaqueSmith::Arc::en(double hz) const
{
    if (f.size() < 2)
        return g.empty() ? std::complex<double>() : g.front();
    hz = std::clamp(hz, f.front(), f.back());
    const std::size_t i =
        std::min<std::size_t>(
            static_cast<std::size_t>(std::upper_bound(f.begin(), f.end(), hz) - f.begin()),
            f.size() - 1) -
        1;
    const double h = f[i + 1] - f[i];
    const double t = (hz - f[i]) / h;
    const double t2 = t * t;
    const double t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * g[i] + (t3 - 2 * t2 + t) * h * pente[i] +
           (-2 * t3 + 3 * t2) * g[i + 1] + (t3 - t2) * h * pente[i + 1];
}

QPointF AbaqueSmith::pixel(std::size_t j, double frequenceHz) const
{
    return pixel(arcs_[j].en(frequenceHz));
}

void AbaqueSmith::choisitZone(int j)
{
    zoneBande_ = std::max(0, j);
    update();
}

QFont AbaqueSmith::petite() const
{
    QFont f = font();
    f.setPointSizeF(std::max(7.0, f.pointSizeF() * 0.85));
    return f;
}

QSizeF AbaqueSmith::marges() const
{
    const QFontMetricsF m(petite());
    return {m.horizontalAdvance(QStringLiteral("−j250")) + 6, m.height() + 4};
}

QRectF AbaqueSmith::disque() const
{
    const QSizeF m = marges();
    const double cote =
        std::max(10.0, std::min(width() - 2 * m.width(), height() - 2 * m.height()));
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
    const QPointF o = d.center();
    const QColor trait = palette().color(QPalette::Mid);
    const QColor encre = palette().color(QPalette::Text);
    p.setPen(QPen(encre, 1.2));
    p.drawEllipse(d);
    QPainterPath bord;
    bord.addEllipse(d);
    if (!bandes_.empty() && Nec::critereReseau(entrees_.critere)) {
        p.save();
        p.setClipPath(bord);
        p.drawImage(d, zone());
        p.restore();
    }
    // Circles of constant resistance and arcs of constant reactance.
    p.save();
    p.setClipPath(bord);
    p.setPen(QPen(trait, 0.8));
    for (double v : Graduations) {
        const double rr = r / (1 + v);
        p.drawEllipse(QPointF(o.x() + r * v / (1 + v), o.y()), rr, rr);
        const double rx = r / v;
        for (int s : {-1, 1})
            p.drawEllipse(QPointF(d.right(), o.y() - s * rx), rx, rx);
    }
    p.drawLine(QPointF(d.left(), o.y()), QPointF(d.right(), o.y()));
    p.restore();
    // Their values in ohms, as a Smith chart labels them: each resistance
    // above the axis where its circle crosses it, each reactance outside the
    // rim where its arc meets it.
    p.setFont(petite());
    const QFontMetricsF m(p.font());
    p.setPen(encre);
    for (double v : Graduations)
        p.drawText(QPointF(o.x() + r * (v - 1) / (v + 1) + 2, o.y() - 3), Nec::texte(v * Z0));
    const auto dehors = [&](std::complex<double> g, const QString &t) {
        const double w = m.horizontalAdvance(t);
        const double h = m.height();
        const double c = g.real() / std::abs(g);
        const double s = g.imag() / std::abs(g);
        // Just clear of the rim, whichever way the rim faces there.
        const double loin = r + 3 + std::abs(c) * w / 2 + std::abs(s) * h / 2;
        const QPointF centre(o.x() + c * loin, o.y() - s * loin);
        p.drawText(QRectF(centre.x() - w / 2, centre.y() - h / 2, w, h), Qt::AlignCenter, t);
    };
    for (double v : Graduations)
        for (int signe : {1, -1}) {
            const std::complex<double> z(0, signe * v);
            dehors((z - 1.0) / (z + 1.0),
                   (signe > 0 ? QStringLiteral("+j") : QStringLiteral("−j")) + Nec::texte(v * Z0));
        }
    dehors(-1, QStringLiteral("0"));
    dehors(1, QStringLiteral("∞"));
    if (bandes_.empty())
        return;
    // The tuner's circle: the SWR it takes behind the balun.
    const double s = entrees_.boite.rosMax;
    const double rg = r * (s - 1) / (s + 1);
    p.setPen(QPen(encre, 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(o, rg, rg);
    for (std::size_t j = 0; j < bandes_.size(); ++j) {
        const Bande &b = bandes_[j];
        const Arc &a = arcs_[j];
        QColor c = Couleurs::surBlanc(QColor::fromRgb(CouleursBandes[b.bande.k]));
        if (grise_)
            c = CarteNec::fanee(c);
        // Each span a cubic Bézier: the Hermite piece the hover reads, exactly.
        QPainterPath chemin;
        if (!a.g.empty())
            chemin.moveTo(pixel(a.g.front()));
        for (std::size_t i = 0; i + 1 < a.f.size(); ++i) {
            const double h = a.f[i + 1] - a.f[i];
            chemin.cubicTo(pixel(a.g[i] + h * a.pente[i] / 3.0),
                           pixel(a.g[i + 1] - h * a.pente[i + 1] / 3.0), pixel(a.g[i + 1]));
        }
        p.setPen(QPen(c, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(chemin);
        // The reference frequency's dot, ringed dark to stand out on the
        // shaded zone whatever the band's colour.
        p.setPen(QPen(grise_ ? trait : QColor(0, 0, 0, 200), 1.2));
        p.setBrush(c);
        p.drawEllipse(pixel(gamma(b.points.front().zC)), 4.0, 4.0);
    }
}

QString AbaqueSmith::legende() const
{
    if (bandes_.empty())
        return {};
    QStringList legende{tr("Normalisé à 50 Ω après le balun %1:1").arg(entrees_.boite.balun),
                        tr("Tirets : ROS %1").arg(Nec::texteLisible(entrees_.boite.rosMax))};
    if (Nec::critereReseau(entrees_.critere)) {
        const Bande &b = bandes_[static_cast<std::size_t>(zoneBande_)];
        legende << (entrees_.critere == Nec::Critere::ReseauT
                        ? tr("Vert : ce que la boîte en T accorde à %1 m")
                        : tr("Vert : ce que la boîte en L accorde à %1 m"))
                       .arg(b.bande.bande);
    }
    legende << Textes::AbaqueSurvol();
    return legende.join(QStringLiteral(". "));
}

std::optional<AbaqueSmith::Lecture> AbaqueSmith::lecture(QPoint souris) const
{
    const QPointF m(souris);
    // A point computed under the mouse is read as NEC gave it.
    std::optional<Lecture> point;
    double pres = SurLePoint;
    for (std::size_t j = 0; j < bandes_.size(); ++j)
        for (const Nec::PointC &pt : bandes_[j].points)
            if (const double d = distance(pixel(gamma(pt.zC)), m); d < pres) {
                pres = d;
                point = Lecture{j, pt.frequenceHz, pt.zC, true};
            }
    if (point)
        return point;
    // Elsewhere, the nearest place on an arc: the frequency there, and the
    // load the arc draws at it.
    std::optional<std::pair<std::size_t, double>> proche;
    pres = PresDeLArc;
    for (std::size_t j = 0; j < arcs_.size(); ++j) {
        const Arc &a = arcs_[j];
        for (std::size_t i = 0; i + 1 < a.f.size(); ++i) {
            const double pas = (a.f[i + 1] - a.f[i]) / PasParIntervalle;
            QPointF avant = pixel(a.g[i]);
            for (int k = 0; k < PasParIntervalle; ++k) {
                const double f0 = a.f[i] + k * pas;
                const QPointF apres = pixel(a.en(f0 + pas));
                const QPointF v = apres - avant;
                const double l2 = QPointF::dotProduct(v, v);
                const double u =
                    l2 > 0 ? std::clamp(QPointF::dotProduct(m - avant, v) / l2, 0.0, 1.0) : 0;
                if (const double d = distance(avant + u * v, m); d < pres) {
                    pres = d;
                    proche = {j, f0 + u * pas};
                }
                avant = apres;
            }
        }
    }
    if (!proche)
        return std::nullopt;
    const auto [j, f] = *proche;
    const std::complex<double> g = arcs_[j].en(f);
    const Nec::Complexe zC = static_cast<double>(entrees_.boite.balun) * Z0 * (1.0 + g) / (1.0 - g);
    return Lecture{j, f, zC, false};
}

QString AbaqueSmith::texteSurvol(QPoint souris) const
{
    const std::optional<Lecture> l = lecture(souris);
    if (!l)
        return {};
    const Nec::Complexe z = l->zC / static_cast<double>(entrees_.boite.balun);
    const QString ros = Nec::texte(Nec::rosBoite(l->zC, entrees_.boite.balun), 2);
    const int bande = bandes_[l->bande].bande.bande;
    if (l->calcule)
        return tr("%1 m, %2 kHz : Z en C %3 Ω ; après le balun %4 Ω, ROS %5")
            .arg(bande)
            .arg(Nec::texte(l->frequenceHz / 1e3), TableauNec::complexe(l->zC),
                 TableauNec::complexe(z), ros);
    return Textes::AbaqueEntrePoints().arg(bande).arg(Nec::texte(l->frequenceHz / 1e3, 0),
                                                      TableauNec::complexe(l->zC),
                                                      TableauNec::complexe(z), ros);
}

void AbaqueSmith::mouseMoveEvent(QMouseEvent *e)
{
    emit survol(texteSurvol(e->position().toPoint()));
}

void AbaqueSmith::leaveEvent(QEvent *)
{
    emit survol({});
}
