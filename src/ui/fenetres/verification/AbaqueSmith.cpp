#include "ui/fenetres/verification/AbaqueSmith.h"

#include "chart/TraceCourbes.h"
#include "nec/Ligne.h"
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
// Half the width of a measured point's cross.
constexpr double BrasCroix = 3.5;

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

// The points NEC computed, in frequency order, joined by the curve of
// ArcFrequence. Between two points, the frequency read is the one the curve
// is parametrised by, and Z at C is the load whose Γ is the curve's there:
// the hover reads what is drawn. No nec2c run is made for it.
ArcFrequence AbaqueSmith::arc(const Bande &b) const
{
    std::vector<double> f;
    std::vector<std::complex<double>> g;
    for (const Nec::PointC &p : pointsOrdonnes(b.points)) {
        f.push_back(p.frequenceHz);
        g.push_back(gamma(p.zC));
    }
    return {std::move(f), std::move(g)};
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
        const ArcFrequence &a = arcs_[j];
        QColor c = Couleurs::surBlanc(QColor::fromRgb(CouleursBandes[b.bande.k]));
        if (grise_)
            c = CarteNec::fanee(c);
        // Each span a cubic Bézier: the Hermite piece the hover reads, exactly.
        QPainterPath chemin;
        const auto &f = a.f();
        const auto &g = a.g();
        const auto &pente = a.pente();
        if (!g.empty())
            chemin.moveTo(pixel(g.front()));
        for (std::size_t i = 0; i + 1 < f.size(); ++i) {
            const double h = f[i + 1] - f[i];
            chemin.cubicTo(pixel(g[i] + h * pente[i] / 3.0),
                           pixel(g[i + 1] - h * pente[i + 1] / 3.0), pixel(g[i + 1]));
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
    // The measured points over the arcs: a cross each, on a white halo so
    // that it reads on an arc of its own colour and on the shaded zone.
    p.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < mesure_.size(); ++i) {
        const std::optional<QColor> c = couleurMesure(i);
        if (!c)
            continue;
        const QPointF q = pixelMesure(i);
        for (const auto &[couleur, epaisseur] :
             {std::pair{QColor(255, 255, 255, 220), 3.6}, std::pair{*c, 1.6}}) {
            p.setPen(QPen(couleur, epaisseur, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(q + QPointF(-BrasCroix, -BrasCroix), q + QPointF(BrasCroix, BrasCroix));
            p.drawLine(q + QPointF(-BrasCroix, BrasCroix), q + QPointF(BrasCroix, -BrasCroix));
        }
    }
}

void AbaqueSmith::montreMesure(
    std::vector<std::pair<double, std::complex<double>>> zApresBalunParFrequence, QString nom)
{
    mesure_ = std::move(zApresBalunParFrequence);
    nomMesure_ = std::move(nom);
    update();
    emit survol({});
}

void AbaqueSmith::effaceMesure()
{
    mesure_.clear();
    nomMesure_.clear();
    update();
    emit survol({});
}

QPointF AbaqueSmith::pixelMesure(std::size_t i) const
{
    const std::complex<double> z = mesure_[i].second;
    return pixel((z - Z0) / (z + Z0));
}

std::optional<QColor> AbaqueSmith::couleurMesure(std::size_t i) const
{
    if (i >= mesure_.size())
        return std::nullopt;
    const auto &[f, z] = mesure_[i];
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag()))
        return std::nullopt;
    double bas = HUGE_VAL, haut = -HUGE_VAL;
    for (const ArcFrequence &a : arcs_)
        if (!a.f().empty()) {
            bas = std::min(bas, a.debut());
            haut = std::max(haut, a.fin());
        }
    if (f < bas || f > haut)
        return std::nullopt;
    QColor c(0x55, 0x55, 0x55);
    for (std::size_t j = 0; j < arcs_.size(); ++j)
        if (arcs_[j].couvre(f)) {
            c = Couleurs::surBlanc(QColor::fromRgb(CouleursBandes[bandes_[j].bande.k]));
            break;
        }
    return grise_ ? CarteNec::fanee(c) : c;
}

std::optional<std::size_t> AbaqueSmith::mesureSous(QPoint souris) const
{
    std::optional<std::size_t> sous;
    double pres = SurLePoint;
    for (std::size_t i = 0; i < mesure_.size(); ++i)
        if (couleurMesure(i))
            if (const double d = distance(pixelMesure(i), QPointF(souris)); d < pres) {
                pres = d;
                sous = i;
            }
    return sous;
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
    if (!mesure_.empty())
        legende << tr("Croix : la mesure %1").arg(nomMesure_);
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
        const ArcFrequence &a = arcs_[j];
        const auto &f = a.f();
        for (std::size_t i = 0; i + 1 < f.size(); ++i) {
            const double pas = (f[i + 1] - f[i]) / PasParIntervalle;
            QPointF avant = pixel(a.g()[i]);
            for (int k = 0; k < PasParIntervalle; ++k) {
                const double f0 = f[i] + k * pas;
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
    // A measured point lies over the arcs: it is read first.
    if (const std::optional<std::size_t> i = mesureSous(souris)) {
        const auto &[f, z] = mesure_[*i];
        const double balun = entrees_.boite.balun;
        return Textes::AbaqueMesure().arg(nomMesure_, Nec::texte(f / 1e3),
                                          TableauNec::complexe(z * balun), TableauNec::complexe(z),
                                          Nec::texte(Nec::ros(z, Z0), 2));
    }
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
