#include "ui/fenetres/diagrammes/DessinDiagrammes.h"

#include "chart/TraceCourbes.h"
#include "nec/Nombres.h"
#include "surface/Couleurs.h"
#include "ui/fenetres/verification/CarteNec.h"

#include <QCoreApplication>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace DessinDiagrammes {

namespace {

constexpr double Rad = std::numbers::pi / 180;
constexpr double Anneaux[] = {0, -3, -10, -20};
// Below this nec2c finds no field (under the horizon over a ground).
constexpr double Nul = -999;

QString tr(const char *t)
{
    return QCoreApplication::translate("DessinDiagrammes", t);
}

QColor couleur(int k, bool grise)
{
    const QColor c = Couleurs::surBlanc(QColor::fromRgb(CouleursBandes[k]));
    return grise ? CarteNec::fanee(c) : c;
}

// The half-circle's centre and radius in its rectangle.
std::pair<QPointF, double> demiCercle(QRectF r)
{
    const double rayonMax = std::min(r.width() / 2, r.height() - 14) - 6;
    return {QPointF(r.center().x(), r.bottom() - 14), std::max(4.0, rayonMax)};
}
std::pair<QPointF, double> cercle(QRectF r)
{
    return {r.center(), std::max(4.0, std::min(r.width(), r.height()) / 2 - 16)};
}

// The three elevation cuts' pens: broadside solid, along the wire dashed,
// through the lobe's azimuth dash-dotted.
QPen styloTravers(const QColor &c, double e)
{
    return QPen(c, e);
}
QPen styloLong(const QColor &c, double e)
{
    return QPen(c, e * 0.6, Qt::DashLine);
}
QPen styloLobe(const QColor &c, double e)
{
    return QPen(c, e, Qt::DashDotLine);
}

QPointF polaire(QPointF c, double rayonPx, double angleDeg, double fraction)
{
    return {c.x() + rayonPx * fraction * std::cos(angleDeg * Rad),
            c.y() - rayonPx * fraction * std::sin(angleDeg * Rad)};
}

void grille(QPainter &p, QPointF c, double rp, bool demi, const QColor &trait)
{
    p.setPen(QPen(trait, 0.8, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    for (double a : Anneaux) {
        const double f = rayon(a, 0);
        const QRectF boite(c.x() - rp * f, c.y() - rp * f, 2 * rp * f, 2 * rp * f);
        p.setPen(QPen(trait, a == 0 ? 1.2 : 0.8, a == 0 ? Qt::SolidLine : Qt::DotLine));
        if (demi)
            p.drawArc(boite, 0, 180 * 16);
        else
            p.drawEllipse(boite);
    }
    p.setPen(QPen(trait, 0.6, Qt::DotLine));
    for (int a = 0; a < (demi ? 180 : 360); a += 30)
        p.drawLine(c, polaire(c, rp, a, 1));
    if (demi)
        p.drawLine(polaire(c, rp, 0, 1), polaire(c, rp, 180, 1));
}

void courbe(QPainter &p, QPointF c, double rp, const std::vector<std::pair<double, double>> &pts,
            double maxDbi, const QPen &stylo)
{
    QPainterPath chemin;
    bool debut = true;
    for (const auto &[angle, gain] : pts) {
        const QPointF q = polaire(c, rp, angle, gain > Nul ? rayon(gain, maxDbi) : 0);
        if (debut)
            chemin.moveTo(q);
        else
            chemin.lineTo(q);
        debut = false;
    }
    p.setPen(stylo);
    p.setBrush(Qt::NoBrush);
    p.drawPath(chemin);
}

void texte(QPainter &p, QPointF a, const QString &t, Qt::Alignment al = Qt::AlignLeft)
{
    const QFontMetricsF m(p.font());
    const double w = m.horizontalAdvance(t);
    const double x = al & Qt::AlignHCenter ? a.x() - w / 2
                     : al & Qt::AlignRight ? a.x() - w
                                           : a.x();
    p.drawText(QPointF(x, a.y()), t);
}

} // namespace

double rayon(double gainDbi, double maxDbi)
{
    const double sous = std::max(0.0, maxDbi - gainDbi);
    return std::pow(0.89, sous / 2);
}

Parties parties(QRectF r)
{
    const double h = r.height();
    const QRectF elevation(r.left(), r.top(), std::min(2 * h, r.width() * 0.42), h);
    const QRectF azimut(elevation.right() + 8, r.top(), std::min(h, r.width() * 0.25), h);
    return {elevation, azimut,
            QRectF(azimut.right() + 12, r.top(), r.right() - azimut.right() - 12, h)};
}

void rangee(QPainter &p, QRectF r, const Rayonnement::DiagrammeBande &d, double maxDbi, bool grise)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const Parties pa = parties(r);
    const QColor trait(grise ? 0xc8c8c8 : 0x909090);
    const QColor encre = grise ? QColor(0x909090) : QColor(Qt::black);
    const QColor c = couleur(d.bande.k, grise);
    const double epaisseur = std::max(1.5, r.height() / 110);
    // Elevation: broadside to the wire on both sides (the pattern is
    // symmetric), along it dashed.
    {
        const auto [centre, rp] = demiCercle(pa.elevation);
        grille(p, centre, rp, true, trait);
        std::vector<std::pair<double, double>> travers, long_;
        for (int el = 0; el <= 180; ++el) {
            const auto i = static_cast<std::size_t>(el <= 90 ? el : 180 - el);
            travers.emplace_back(el, d.coupes.travers[i]);
            long_.emplace_back(el, d.coupes.long_[i]);
        }
        courbe(p, centre, rp, long_, maxDbi, styloLong(c, epaisseur));
        if (d.coupes.aLobe()) {
            std::vector<std::pair<double, double>> lobe;
            for (int el = 0; el <= 180; ++el)
                lobe.emplace_back(
                    el, d.coupes.lobe[static_cast<std::size_t>(el <= 90 ? el : 180 - el)]);
            courbe(p, centre, rp, lobe, maxDbi, styloLobe(c, epaisseur));
        }
        courbe(p, centre, rp, travers, maxDbi, styloTravers(c, epaisseur));
        p.setPen(encre);
        for (int a : {0, 30, 60, 90})
            texte(p, polaire(centre, rp + 4, a, 1) + QPointF(a == 0 ? 2 : 0, a == 0 ? 4 : -2),
                  QString::number(a) + u'°', a == 90 ? Qt::AlignHCenter : Qt::AlignLeft);
        // The rings' levels under the left half of the ground line.
        QFont petite = p.font();
        if (petite.pixelSize() > 0) // a page's lettering
            petite.setPixelSize(std::max(8, static_cast<int>(petite.pixelSize() * 0.85)));
        else
            petite.setPointSizeF(petite.pointSizeF() * 0.85);
        p.save();
        p.setFont(petite);
        const double sous = QFontMetricsF(petite).ascent() + 2;
        for (double a : Anneaux)
            texte(p, polaire(centre, rp, 180, rayon(a, 0)) + QPointF(1, sous),
                  a == 0 ? tr("0 dB") : Nec::texte(a).replace(u'-', QChar(0x2212)));
        p.restore();
        texte(p,
              QPointF(pa.elevation.left(), pa.elevation.top() + QFontMetricsF(p.font()).ascent()),
              tr("Élévation"));
    }
    // Azimuth: the wire lies along 0-180, drawn across.
    {
        const auto [centre, rp] = cercle(pa.azimut);
        grille(p, centre, rp, false, trait);
        std::vector<std::pair<double, double>> az;
        for (int k = 0; k <= 180; ++k)
            az.emplace_back(2 * k, d.coupes.azimut[static_cast<std::size_t>(k % 180)]);
        courbe(p, centre, rp, az, maxDbi, styloTravers(c, epaisseur));
        p.setPen(QPen(encre, 2));
        p.drawLine(polaire(centre, rp * 0.25, 0, 1), polaire(centre, rp * 0.25, 180, 1));
        p.setPen(encre);
        // The angles from the wire at the outer ring.
        const QFontMetricsF m(p.font());
        texte(p, polaire(centre, rp + 3, 90, 1), QStringLiteral("90°"), Qt::AlignHCenter);
        texte(p, polaire(centre, rp + 3, 0, 1) + QPointF(0, m.ascent() / 2), QStringLiteral("0°"));
        // Inside the ring: outside, the elevation plot's 30° stands there.
        texte(p, polaire(centre, rp, 180, 1) + QPointF(3, -3), QStringLiteral("180°"));
        texte(p, QPointF(pa.azimut.center().x(), pa.azimut.bottom() - 2),
              tr("Azimut à %1° d'élévation").arg(Nec::texte(d.coupes.elevationAzimutDeg)),
              Qt::AlignHCenter);
    }
    // The figures.
    const Rayonnement::Chiffres &f = d.chiffres;
    const QFontMetricsF m(p.font());
    const double l = m.lineSpacing();
    double y = pa.chiffres.top() + l;
    QFont gras = p.font();
    gras.setBold(true);
    p.save();
    p.setFont(gras);
    p.setPen(grise ? encre : c.darker(150));
    texte(p, QPointF(pa.chiffres.left(), y),
          tr("%1 m — %2 kHz%3")
              .arg(d.bande.bande)
              .arg(Nec::texte(d.frequenceKHz), d.centre ? tr(" (centre de la bande)") : QString()));
    p.restore();
    p.setPen(encre);
    const QStringList lignes{
        tr("Gain maximal : %1 dBi").arg(Nec::texte(f.gainMaxDbi, 2)),
        tr("à %1° d'élévation, azimut %2°")
            .arg(Nec::texte(f.elevationMaxDeg), Nec::texte(f.azimutMaxDeg)),
        d.coupes.aLobe()
            ? tr("Ouverture à −3 dB : %1° (coupe à l'azimut %2°)")
                  .arg(Nec::texte(f.ouvertureDeg, 1), Nec::texte(d.coupes.azimutLobeDeg))
            : tr("Ouverture à −3 dB : %1°").arg(Nec::texte(f.ouvertureDeg, 1)),
        tr("En travers à 10°, 20°, 30° : %1, %2, %3 dBi")
            .arg(Nec::texte(f.gain10Dbi, 1), Nec::texte(f.gain20Dbi, 1),
                 Nec::texte(f.gain30Dbi, 1)),
        tr("Perdu dans le sol : %1 %").arg(Nec::texte(f.perteSolPct, 1)),
    };
    for (const QString &t : lignes) {
        y += l;
        texte(p, QPointF(pa.chiffres.left(), y), t);
    }
    p.restore();
}

double hauteurRangee(double largeur)
{
    return std::clamp(largeur / 4.2, 120.0, 320.0);
}

double hauteurRangeePage(double largeur)
{
    return std::max(120.0, largeur / 4.2);
}

QString legendeTraits()
{
    return tr("Trait plein : en travers du fil ; tirets : le long du fil ; tirets et points : "
              "par l'azimut du lobe le plus fort quand il n'est pas en travers. Anneaux à 0, −3, "
              "−10 et −20 dB du gain le plus fort de toutes les bandes.");
}

QFont police(QFont base, double largeur)
{
    base.setPixelSize(std::max(9, static_cast<int>(std::lround(hauteurRangeePage(largeur) / 20))));
    return base;
}

double hauteurEntete(const QFontMetricsF &m)
{
    return 6 * m.lineSpacing();
}

void page(QPainter &p, QRectF r, const QString &legende,
          const std::vector<Rayonnement::DiagrammeBande> &d, double maxDbi)
{
    p.save();
    p.setPen(Qt::black);
    p.setFont(police(p.font(), r.width()));
    const QFontMetricsF m(p.font());
    const QRectF titre(r.left(), r.top(), r.width(), 3 * m.lineSpacing());
    p.drawText(titre, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, legende);
    // The legend: a sample of each line, then what the rings are.
    double x = r.left();
    const double yl = titre.bottom() + m.lineSpacing();
    const QStringList traits{tr("en travers du fil"), tr("le long du fil"),
                             tr("par l'azimut du lobe")};
    const QColor c(Qt::black);
    const QPen stylos[] = {styloTravers(c, 1.5), styloLong(c, 1.5), styloLobe(c, 1.5)};
    for (int k = 0; k < 3; ++k) {
        p.setPen(stylos[k]);
        p.drawLine(QPointF(x, yl - m.ascent() / 3), QPointF(x + 36, yl - m.ascent() / 3));
        p.setPen(Qt::black);
        texte(p, QPointF(x + 42, yl), traits[k]);
        x += 42 + m.horizontalAdvance(traits[k]) + 24;
    }
    texte(p, QPointF(x, yl),
          tr("anneaux à 0, −3, −10 et −20 dB de %1 dBi").arg(Nec::texte(maxDbi, 2)));
    double y = r.top() + hauteurEntete(m);
    const double h = hauteurRangeePage(r.width());
    for (const Rayonnement::DiagrammeBande &b : d) {
        if (y + h > r.bottom())
            break;
        rangee(p, QRectF(r.left(), y, r.width(), h), b, maxDbi, false);
        y += h + m.lineSpacing() / 2;
    }
    p.restore();
}

QString lecture(QPointF point, QRectF r, const Rayonnement::DiagrammeBande &d, double maxDbi)
{
    (void)maxDbi;
    const Parties pa = parties(r);
    if (pa.elevation.contains(point)) {
        const auto [c, rp] = demiCercle(pa.elevation);
        const QPointF v = point - c;
        if (std::hypot(v.x(), v.y()) > rp + 6 || v.y() > 0)
            return {};
        const double a = std::atan2(-v.y(), v.x()) / Rad;
        const int el = std::clamp(static_cast<int>(std::lround(a <= 90 ? a : 180 - a)), 0, 90);
        QString t = tr("%1 m : élévation %2°, en travers %3 dBi, le long du fil %4 dBi")
                        .arg(d.bande.bande)
                        .arg(el)
                        .arg(Nec::texte(d.coupes.travers[static_cast<std::size_t>(el)], 2),
                             Nec::texte(d.coupes.long_[static_cast<std::size_t>(el)], 2));
        if (d.coupes.aLobe())
            t += tr(", à l'azimut %1° %2 dBi")
                     .arg(Nec::texte(d.coupes.azimutLobeDeg),
                          Nec::texte(d.coupes.lobe[static_cast<std::size_t>(el)], 2));
        return t;
    }
    if (pa.azimut.contains(point)) {
        const auto [c, rp] = cercle(pa.azimut);
        const QPointF v = point - c;
        if (std::hypot(v.x(), v.y()) > rp + 6)
            return {};
        double a = std::atan2(-v.y(), v.x()) / Rad;
        if (a < 0)
            a += 360;
        const int k = static_cast<int>(std::lround(a / 2)) % 180;
        return tr("%1 m : azimut %2° (0° le long du fil), %3 dBi à %4° d'élévation")
            .arg(d.bande.bande)
            .arg(2 * k)
            .arg(Nec::texte(d.coupes.azimut[static_cast<std::size_t>(k)], 2),
                 Nec::texte(d.coupes.elevationAzimutDeg));
    }
    return {};
}

double maximum(const std::vector<Rayonnement::DiagrammeBande> &d)
{
    double m = -std::numeric_limits<double>::infinity();
    for (const auto &b : d)
        m = std::max(m, b.chiffres.gainMaxDbi);
    return m;
}

} // namespace DessinDiagrammes
