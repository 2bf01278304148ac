#include "ui/fenetres/verification/CourbesMesure.h"

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

constexpr double Z0Boite = Reseau::Z0Emetteur;
// Frequencies evenly spread across a plan where the model's line is drawn,
// besides the points computed.
constexpr int PasDuTrace = 50;
// Above this the SWR axis stops: a far mismatch reads as off the top.
constexpr double RosAfficheMax = 50;
// Room round a panel, between its plots and round its marks, in pixels.
constexpr double MargePanneau = 6;
constexpr double LongueurGraduation = 4;
// The share of a panel's plots the SWR takes; R and X the rest.
constexpr double PartRos = 0.45;
// A measured point's dot, and half the width of its cross.
constexpr double RayonPoint = 2.6;
constexpr double DemiCroix = 3;
// The measured points' ink, whatever the band.
const QColor EncreMesure(0x20, 0x20, 0x20);

bool fini(Nec::Complexe z)
{
    return std::isfinite(z.real()) && std::isfinite(z.imag());
}

// Z at C whose reflection after the balun, at 50 ohms, is g.
Nec::Complexe versZ(std::complex<double> g, double balun)
{
    return balun * Z0Boite * (1.0 + g) / (1.0 - g);
}

// The coordinate of v on an axis drawn from a to b (pixels).
double surAxe(double v, double bas, double haut, double a, double b)
{
    return a + (v - bas) / (haut - bas) * (b - a);
}

} // namespace

CourbesMesure::CourbesMesure(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void CourbesMesure::montre(const Nec::Entrees &e, const std::vector<AbaqueSmith::Bande> &modele,
                           const std::optional<Mesure::Releve> &mesure, Ajustement::Point point,
                           bool grise)
{
    entrees_ = e;
    grise_ = grise;
    curseur_.reset();
    const double balun = e.boite.balun;
    // The sweep at C, then as the tuner sees it behind the balun.
    mesure_.clear();
    nomMesure_.clear();
    if (mesure) {
        nomMesure_ = mesure->nom;
        for (const Mesure::Point &m : mesure->points) {
            const Nec::Complexe z = Mesure::impedance(*mesure, m);
            if (!fini(z))
                continue;
            const Nec::Complexe zC = Ajustement::versC(e, point, z, m.frequenceHz);
            if (fini(zC))
                mesure_.push_back({m.frequenceHz, zC, Nec::ros(zC / balun, Z0Boite)});
        }
    }
    panneaux_.clear();
    for (const AbaqueSmith::Bande &b : modele) {
        if (b.points.empty())
            continue;
        Panneau pn{b, {}, {}, {}, 1, 0, 0};
        std::vector<double> f;
        std::vector<std::complex<double>> g;
        for (const Nec::PointC &p : pointsOrdonnes(b.points)) {
            const Nec::Complexe z = p.zC / balun;
            f.push_back(p.frequenceHz);
            g.push_back((z - Z0Boite) / (z + Z0Boite));
        }
        pn.arc = ArcFrequence(f, std::move(g));
        pn.traces = f;
        if (f.size() > 1)
            for (int i = 1; i < PasDuTrace; ++i)
                pn.traces.push_back(f.front() + (f.back() - f.front()) * i / PasDuTrace);
        std::sort(pn.traces.begin(), pn.traces.end());
        // The ranges the plots show: the model's and the measured points'.
        double rosHaut = entrees_.boite.rosMax, bas = 0, haut = 0;
        const auto tient = [&](double ros, Nec::Complexe zC) {
            rosHaut = std::max(rosHaut, std::min(ros, RosAfficheMax));
            bas = std::min({bas, zC.real(), zC.imag()});
            haut = std::max({haut, zC.real(), zC.imag()});
        };
        for (double x : pn.traces)
            if (const Nec::Complexe zC = versZ(pn.arc.en(x), balun); fini(zC))
                tient(Nec::ros(zC / balun, Z0Boite), zC);
        for (std::size_t i = 0; i < mesure_.size(); ++i)
            if (pn.arc.couvre(mesure_[i].frequenceHz)) {
                pn.mesures.push_back(i);
                tient(mesure_[i].ros, mesure_[i].zC);
            }
        pn.rosHaut = rosHaut;
        pn.ohmsBas = bas;
        pn.ohmsHaut = haut;
        panneaux_.push_back(std::move(pn));
    }
    update();
    emit survol({});
}

void CourbesMesure::efface()
{
    panneaux_.clear();
    mesure_.clear();
    nomMesure_.clear();
    curseur_.reset();
    update();
    emit survol({});
}

Nec::Complexe CourbesMesure::zModele(std::size_t j, double frequenceHz) const
{
    return versZ(panneaux_[j].arc.en(frequenceHz), entrees_.boite.balun);
}

double CourbesMesure::rosModele(std::size_t j, double frequenceHz) const
{
    return Nec::ros(zModele(j, frequenceHz) / static_cast<double>(entrees_.boite.balun), Z0Boite);
}

QFont CourbesMesure::petite() const
{
    QFont f = font();
    f.setPointSizeF(std::max(7.0, f.pointSizeF() * 0.85));
    return f;
}

namespace {

// An axis over [bas, haut] graduated every 1, 2 or 5 times a power of ten,
// the graduations at least `ecart` pixels apart over `pixels`; `etendu` pushes
// the ends out to graduations.
struct Graduation {
    double bas, haut, pas;
};
Graduation gradue(double bas, double haut, double pixels, double ecart, bool etendu)
{
    if (!std::isfinite(bas) || !std::isfinite(haut)) {
        bas = 0;
        haut = 1;
    }
    if (!(haut > bas)) {
        bas -= 1;
        haut += 1;
    }
    const double n = std::max(1.0, std::floor(pixels / ecart));
    double p10 = std::pow(10.0, std::floor(std::log10((haut - bas) / n)));
    for (;; p10 *= 10)
        for (double m : {1.0, 2.0, 5.0}) {
            const double pas = m * p10;
            const double b = etendu ? std::floor(bas / pas) * pas : bas;
            const double h = etendu ? std::ceil(haut / pas) * pas : haut;
            if ((h - b) / pas <= n + 1e-9)
                return {b, h, pas};
        }
}

// A graduation's text: as many decimals as its step needs, a true minus.
QString texteGraduation(double v, double pas)
{
    const int decimales = std::max(0, static_cast<int>(-std::floor(std::log10(pas) + 1e-9)));
    return Nec::texte(std::abs(v) < pas * 1e-9 ? 0.0 : v, decimales)
        .replace(QLatin1Char('-'), QChar(0x2212));
}

} // namespace

CourbesMesure::Disposition CourbesMesure::disposition(std::size_t j) const
{
    const std::size_t n = panneaux_.size();
    const QFontMetricsF m(petite());
    const double ligne = m.height();
    const int colonnes = static_cast<int>(
        std::clamp<double>(std::floor(width() / (m.horizontalAdvance(QStringLiteral("0")) * 40)), 1,
                           static_cast<double>(n)));
    const int lignes = static_cast<int>((n + colonnes - 1) / colonnes);
    const double w = static_cast<double>(width()) / colonnes;
    const double h = static_cast<double>(height()) / lignes;
    const int c = static_cast<int>(j) % colonnes, l = static_cast<int>(j) / colonnes;
    const QRectF panneau = QRectF(c * w, l * h, w, h)
                               .adjusted(MargePanneau, MargePanneau, -MargePanneau, -MargePanneau);

    QFont grasse = font();
    grasse.setBold(true);
    const QRectF titre(panneau.left(), panneau.top(), panneau.width(),
                       QFontMetricsF(grasse).height());
    const double gauche =
        panneau.left() + m.horizontalAdvance(QStringLiteral("−0000")) + LongueurGraduation + 4;
    const double droite = panneau.right() - m.horizontalAdvance(QStringLiteral("X")) - 6;
    // Half a line over the top plot and under the bottom one for their end
    // graduations; between them, those and the unit of the bottom one.
    const double haut = titre.bottom() + ligne / 2 + 2;
    const double bas = panneau.bottom() - ligne - LongueurGraduation - 2;
    const double entre = 2 * ligne + 4;
    const double courbes = std::max(20.0, bas - haut - entre);
    Disposition d;
    d.titre = titre;
    d.ros = QRectF(gauche, haut, std::max(20.0, droite - gauche), courbes * PartRos);
    d.ohms = QRectF(gauche, d.ros.bottom() + entre, d.ros.width(), courbes * (1 - PartRos));
    const Panneau &p = panneaux_[j];
    const Graduation f = gradue(p.arc.debut(), p.arc.fin(), d.ros.width(),
                                m.horizontalAdvance(QStringLiteral("00000")) + 3 * ligne, false);
    d.f = {p.arc.debut(), p.arc.fin(), f.pas};
    const Graduation r = gradue(1, p.rosHaut, d.ros.height(), 1.6 * ligne, true);
    d.axeRos = {1, r.haut, r.pas};
    const Graduation o = gradue(p.ohmsBas, p.ohmsHaut, d.ohms.height(), 1.6 * ligne, true);
    d.axeOhms = {o.bas, o.haut, o.pas};
    return d;
}

QRectF CourbesMesure::cadreRos(std::size_t j) const
{
    return disposition(j).ros;
}

QRectF CourbesMesure::cadreOhms(std::size_t j) const
{
    return disposition(j).ohms;
}

QPointF CourbesMesure::pixelRos(std::size_t j, double frequenceHz, double ros) const
{
    const Disposition d = disposition(j);
    return {surAxe(frequenceHz, d.f.bas, d.f.haut, d.ros.left(), d.ros.right()),
            surAxe(ros, d.axeRos.bas, d.axeRos.haut, d.ros.bottom(), d.ros.top())};
}

QPointF CourbesMesure::pixelOhms(std::size_t j, double frequenceHz, double ohms) const
{
    const Disposition d = disposition(j);
    return {surAxe(frequenceHz, d.f.bas, d.f.haut, d.ohms.left(), d.ohms.right()),
            surAxe(ohms, d.axeOhms.bas, d.axeOhms.haut, d.ohms.bottom(), d.ohms.top())};
}

void CourbesMesure::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t j = 0; j < panneaux_.size(); ++j)
        dessine(p, j);
}

void CourbesMesure::dessine(QPainter &p, std::size_t j) const
{
    const Panneau &pn = panneaux_[j];
    const Disposition d = disposition(j);
    const QColor encre = palette().color(QPalette::Text);
    QColor grille = palette().color(QPalette::Mid);
    grille.setAlpha(90);
    QColor couleur = Couleurs::surBlanc(QColor::fromRgb(CouleursBandes[pn.bande.bande.k]));
    QColor mesure = EncreMesure;
    if (grise_) {
        couleur = CarteNec::fanee(couleur);
        mesure = CarteNec::fanee(mesure);
    }
    const QFontMetricsF m(petite());
    const double ligne = m.height();

    // The band's name over its plots, the SWR's unit at its left.
    QFont grasse = font();
    grasse.setBold(true);
    p.setFont(grasse);
    p.setPen(couleur);
    p.drawText(d.titre, Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("%1 m").arg(pn.bande.bande.bande));
    p.setFont(petite());
    p.setPen(encre);
    p.drawText(
        QRectF(d.titre.left(), d.titre.top(), d.ros.left() - d.titre.left(), d.titre.height()),
        Qt::AlignLeft | Qt::AlignVCenter, tr("ROS"));
    p.drawText(QRectF(d.titre.left(), d.ros.bottom() + ligne / 2 + 2,
                      d.ohms.left() - d.titre.left() - LongueurGraduation, ligne),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Ω"));

    const auto x = [&](double hz) {
        return surAxe(hz, d.f.bas, d.f.haut, d.ros.left(), d.ros.right());
    };
    // Frames, value graduations and their grid lines.
    const auto cadre = [&](const QRectF &r, const Axe &a, bool un) {
        const auto y = [&](double v) { return surAxe(v, a.bas, a.haut, r.bottom(), r.top()); };
        std::vector<double> valeurs;
        if (un && std::fmod(a.bas, a.pas) != 0)
            valeurs.push_back(a.bas);
        for (double v = std::ceil(a.bas / a.pas) * a.pas; v <= a.haut + a.pas * 1e-9; v += a.pas)
            valeurs.push_back(v);
        for (double v : valeurs) {
            const double yv = y(v);
            p.setPen(QPen(std::abs(v) < a.pas * 1e-9 ? palette().color(QPalette::Mid) : grille, 1));
            p.drawLine(QPointF(r.left(), yv), QPointF(r.right(), yv));
            p.setPen(encre);
            p.drawLine(QPointF(r.left() - LongueurGraduation, yv), QPointF(r.left(), yv));
            p.drawText(QRectF(d.titre.left(), yv - ligne / 2,
                              r.left() - LongueurGraduation - 2 - d.titre.left(), ligne),
                       Qt::AlignRight | Qt::AlignVCenter, texteGraduation(v, a.pas));
        }
        for (double f = std::ceil(d.f.bas / d.f.pas) * d.f.pas; f <= d.f.haut; f += d.f.pas) {
            p.setPen(QPen(grille, 1));
            p.drawLine(QPointF(x(f), r.top()), QPointF(x(f), r.bottom()));
            p.setPen(encre);
            p.drawLine(QPointF(x(f), r.bottom()), QPointF(x(f), r.bottom() + LongueurGraduation));
        }
        p.setPen(QPen(encre, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    };
    cadre(d.ros, d.axeRos, true);
    cadre(d.ohms, d.axeOhms, false);
    // The frequencies under the bottom plot, in kHz, the unit at the right
    // end; a graduation that would run into it is left unwritten.
    const double yf = d.ohms.bottom() + LongueurGraduation + 1;
    const QString khz = QStringLiteral("kHz");
    const double lk = m.horizontalAdvance(khz);
    const QRectF unite(d.ohms.right() + MargePanneau - lk, yf, lk, ligne);
    p.drawText(unite, Qt::AlignRight | Qt::AlignTop, khz);
    for (double f = std::ceil(d.f.bas / d.f.pas) * d.f.pas; f <= d.f.haut; f += d.f.pas) {
        const QString t = texteGraduation(f / 1e3, d.f.pas / 1e3);
        const double l = m.horizontalAdvance(t);
        const QRectF r(x(f) - l / 2, yf, l, ligne);
        if (r.right() < unite.left() - 4)
            p.drawText(r, Qt::AlignCenter, t);
    }

    // The tuner's limit, dashed across the SWR.
    p.save();
    p.setClipRect(d.ros);
    const double yLimite =
        surAxe(entrees_.boite.rosMax, d.axeRos.bas, d.axeRos.haut, d.ros.bottom(), d.ros.top());
    p.setPen(QPen(encre, 1, Qt::DashLine));
    p.drawLine(QPointF(d.ros.left(), yLimite), QPointF(d.ros.right(), yLimite));
    p.restore();

    // The model: a line through the curve's values, or a dot for a band its
    // region plans none for.
    const auto ligneModele = [&](const QRectF &r, const Axe &a, auto valeur, Qt::PenStyle style,
                                 const QString &nom) {
        const auto y = [&](double v) { return surAxe(v, a.bas, a.haut, r.bottom(), r.top()); };
        p.save();
        p.setClipRect(r.adjusted(-1, -1, 1, 1));
        if (pn.traces.size() == 1) {
            p.setPen(Qt::NoPen);
            p.setBrush(couleur);
            p.drawEllipse(QPointF(x(pn.traces.front()), y(valeur(pn.traces.front()))), 3.5, 3.5);
        } else {
            QPainterPath chemin;
            for (double f : pn.traces) {
                const QPointF q(x(f), y(valeur(f)));
                if (chemin.elementCount() == 0)
                    chemin.moveTo(q);
                else
                    chemin.lineTo(q);
            }
            p.setPen(QPen(couleur, 2, style, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(chemin);
        }
        p.restore();
        if (!nom.isEmpty()) {
            const double yv = std::clamp(y(valeur(pn.traces.back())), r.top() + ligne / 2,
                                         r.bottom() - ligne / 2);
            p.setPen(couleur);
            p.drawText(QRectF(r.right() + 3, yv - ligne / 2, MargePanneau + 20, ligne),
                       Qt::AlignLeft | Qt::AlignVCenter, nom);
        }
    };
    const double balun = entrees_.boite.balun;
    ligneModele(d.ros, d.axeRos,
                [&](double f) {
                    return std::min(Nec::ros(zModele(j, f) / balun, Z0Boite), 2 * RosAfficheMax);
                },
                Qt::SolidLine, {});
    ligneModele(
        d.ohms, d.axeOhms, [&](double f) { return zModele(j, f).real(); }, Qt::SolidLine,
        QStringLiteral("R"));
    ligneModele(
        d.ohms, d.axeOhms, [&](double f) { return zModele(j, f).imag(); }, Qt::DashLine,
        QStringLiteral("X"));

    // The measured points: dots for the SWR and R, crosses for X.
    p.save();
    p.setClipRect(d.ros.adjusted(-RayonPoint, -RayonPoint, RayonPoint, RayonPoint));
    p.setPen(Qt::NoPen);
    p.setBrush(mesure);
    // A short circuit's SWR is infinite: off the top, not drawn.
    for (std::size_t i : pn.mesures)
        if (std::isfinite(mesure_[i].ros))
            p.drawEllipse(pixelRos(j, mesure_[i].frequenceHz, mesure_[i].ros), RayonPoint,
                          RayonPoint);
    p.setClipRect(d.ohms.adjusted(-RayonPoint, -RayonPoint, RayonPoint, RayonPoint));
    for (std::size_t i : pn.mesures)
        p.drawEllipse(pixelOhms(j, mesure_[i].frequenceHz, mesure_[i].zC.real()), RayonPoint,
                      RayonPoint);
    p.setPen(QPen(mesure, 1.4));
    for (std::size_t i : pn.mesures) {
        const QPointF q = pixelOhms(j, mesure_[i].frequenceHz, mesure_[i].zC.imag());
        p.drawLine(q + QPointF(-DemiCroix, -DemiCroix), q + QPointF(DemiCroix, DemiCroix));
        p.drawLine(q + QPointF(-DemiCroix, DemiCroix), q + QPointF(DemiCroix, -DemiCroix));
    }
    p.restore();

    // The frequency read under the mouse.
    if (curseur_ && curseur_->first == j) {
        p.setPen(QPen(encre, 1, Qt::DotLine));
        const double xc = x(curseur_->second);
        for (const QRectF &r : {d.ros, d.ohms})
            p.drawLine(QPointF(xc, r.top()), QPointF(xc, r.bottom()));
    }
}

std::optional<std::pair<std::size_t, double>> CourbesMesure::sous(QPointF souris) const
{
    for (std::size_t j = 0; j < panneaux_.size(); ++j) {
        const Disposition d = disposition(j);
        const QRectF zone(d.ros.left(), d.titre.top(), d.ros.width(),
                          d.ohms.bottom() - d.titre.top());
        if (!zone.contains(souris))
            continue;
        const ArcFrequence &a = panneaux_[j].arc;
        if (a.f().size() == 1)
            return std::pair{j, a.f().front()};
        return std::pair{j, surAxe(souris.x(), d.ros.left(), d.ros.right(), d.f.bas, d.f.haut)};
    }
    return std::nullopt;
}

QString CourbesMesure::texteSurvol(QPoint souris) const
{
    const auto s = sous(QPointF(souris));
    if (!s)
        return {};
    const auto [j, f] = *s;
    const Panneau &pn = panneaux_[j];
    const Nec::Complexe z = zModele(j, f);
    QString texte =
        Textes::CourbesModele()
            .arg(pn.bande.bande.bande)
            .arg(Nec::texte(f / 1e3, 0), Nec::texte(rosModele(j, f), 2), TableauNec::complexe(z));
    // The measured point nearest in frequency.
    const auto proche =
        std::min_element(pn.mesures.begin(), pn.mesures.end(), [&](std::size_t a, std::size_t b) {
            return std::abs(mesure_[a].frequenceHz - f) < std::abs(mesure_[b].frequenceHz - f);
        });
    if (proche != pn.mesures.end()) {
        const PointMesure &m = mesure_[*proche];
        texte += Textes::CourbesPointMesure().arg(nomMesure_, Nec::texte(m.frequenceHz / 1e3),
                                                  Nec::texte(m.ros, 2), TableauNec::complexe(m.zC));
    }
    return texte;
}

QString CourbesMesure::legende() const
{
    if (panneaux_.empty())
        return {};
    QString l = tr("En haut, le ROS que voit la boîte après le balun %1:1 (tirets : sa limite) ; "
                   "en bas, R (trait plein) et X (tirets) en C. Lignes : le modèle NEC-2")
                    .arg(entrees_.boite.balun);
    if (!nomMesure_.isEmpty())
        l += QStringLiteral(". ") + tr("Points et croix : la mesure %1").arg(nomMesure_);
    return l;
}

void CourbesMesure::mouseMoveEvent(QMouseEvent *e)
{
    const auto s = sous(e->position());
    if (s != curseur_) {
        curseur_ = s;
        update();
    }
    emit survol(texteSurvol(e->position().toPoint()));
}

void CourbesMesure::leaveEvent(QEvent *)
{
    if (curseur_) {
        curseur_.reset();
        update();
    }
    emit survol({});
}
