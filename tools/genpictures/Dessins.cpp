#include "Dessins.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace Dessins {
namespace {

// Scalable faces found on any desktop with Qt; the first one present wins.
QFont policePixels(double taille)
{
    QFont police;
    police.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                        QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    police.setPixelSize(static_cast<int>(taille));
    police.setHintingPreference(QFont::PreferFullHinting);
    return police;
}

QPointF polaire(QPointF centre, double rayon, double azimut)
{
    const double a = Rayonnement::radians(azimut);
    return centre + QPointF(rayon * std::sin(a), -rayon * std::cos(a));
}

// Bearings from 0 to 330 every 30°.
constexpr int PasAzimut = 30;
constexpr int EchantillonsCourbe = 1440;

} // namespace

QImage diagramme(const Rayonnement::Diagramme &d, int finesse, const QString &elevation)
{
    QImage image(d.largeur * finesse, d.hauteur * finesse, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(finesse, finesse);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QFont police = policePixels(9);
    // Measured at the base size: the finer picture is the same drawing.
    QImage mesure(1, 1, QImage::Format_RGB32);
    const QFontMetricsF fm(police, &mesure);
    p.setFont(police);

    // The circle takes all the room the bearing labels leave around it.
    constexpr double ecartTexte = 2.5;
    double largeurTexte = 0;
    for (int az = 0; az < 360; az += PasAzimut)
        largeurTexte = std::max(largeurTexte, fm.tightBoundingRect(QString::number(az)).width());
    const double hauteurTexte = fm.tightBoundingRect(QStringLiteral("0123456789")).height();
    const double rayon = std::floor(std::min(d.largeur / 2.0 - ecartTexte - largeurTexte - 1.0,
                                             d.hauteur / 2.0 - ecartTexte - hauteurTexte - 1.0));
    // Pixel centres, so that one-pixel lines through the centre stay sharp.
    const QPointF centre(std::floor(d.largeur / 2.0) + 0.5, std::floor(d.hauteur / 2.0) + 0.5);

    // Level rings and bearing radials, dashed and light so the pattern stands out.
    QPen pointille(QColor(0x9A, 0x9A, 0x9A), 1.0);
    pointille.setDashPattern({2.0, 2.0});
    p.setPen(pointille);
    p.setBrush(Qt::NoBrush);
    for (double niveau : {0.25, 0.5, 0.75})
        p.drawEllipse(centre, rayon * niveau, rayon * niveau);
    for (int az = 0; az < 360; az += PasAzimut)
        p.drawLine(centre, polaire(centre, rayon, az));

    p.setPen(QPen(Qt::black, 1.0));
    p.drawEllipse(centre, rayon, rayon);

    for (int az = 0; az < 360; az += PasAzimut) {
        const QString texte = QString::number(az);
        const QRectF boite = fm.tightBoundingRect(texte);
        const double a = Rayonnement::radians(az);
        // Push the label out until its box clears the circle, whatever the side.
        const double recul =
            (std::abs(std::sin(a)) * boite.width() + std::abs(std::cos(a)) * boite.height()) / 2;
        const QPointF milieu = polaire(centre, rayon + ecartTexte + recul, az);
        p.drawText(milieu - boite.center(), texte);
    }

    // The wire itself, short, along 90–270, so the reader sees how the
    // pattern sits with respect to it.
    p.setPen(QPen(QColor(0x80, 0x40, 0x00), 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(polaire(centre, rayon * 0.16, 270), polaire(centre, rayon * 0.16, 90));

    const std::vector<double> champ =
        Rayonnement::diagramme(d.longueurBrin, d.elevation, EchantillonsCourbe);
    QPainterPath courbe;
    for (int i = 0; i < EchantillonsCourbe; ++i) {
        const QPointF pt = polaire(centre, rayon * champ[static_cast<std::size_t>(i)],
                                   360.0 * i / EchantillonsCourbe);
        if (i == 0)
            courbe.moveTo(pt);
        else
            courbe.lineTo(pt);
    }
    courbe.closeSubpath();
    p.setPen(QPen(QColor(0x00, 0x00, 0xFF), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(courbe);

    // The 0.25 picture is not at the same elevation as the others: say so on
    // every picture, in a corner the circle leaves free: on two short lines,
    // which fit beside the 210 label even on the flattest picture.
    p.setPen(QColor(0x30, 0x30, 0x30));
    const double base = d.hauteur - 1.0 - fm.descent();
    p.drawText(QPointF(1.0, base - fm.lineSpacing()), elevation);
    p.drawText(QPointF(1.0, base), QStringLiteral("%1°").arg(d.elevation));
    return image;
}

QImage logo()
{
    constexpr int L = 176;
    constexpr int H = 207;
    constexpr double sol = 184;
    QImage image(L, H, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient ciel(0, 0, 0, sol);
    ciel.setColorAt(0, QColor(0x8F, 0xC1, 0xEE));
    ciel.setColorAt(1, QColor(0xE9, 0xF4, 0xFC));
    p.fillRect(QRectF(0, 0, L, sol), ciel);
    QLinearGradient herbe(0, sol, 0, H);
    herbe.setColorAt(0, QColor(0x7C, 0xB3, 0x4F));
    herbe.setColorAt(1, QColor(0x4C, 0x84, 0x2C));
    p.fillRect(QRectF(0, sol, L, H - sol), herbe);

    // Two masts near the edges, the wire slung between them.
    constexpr double hautMat = 24;
    for (double x : {12.5, 163.5}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6A, 0x6A, 0x6A));
        p.drawRect(QRectF(x - 1.5, hautMat, 3, sol - hautMat + 2));
        p.setBrush(QColor(0x9A, 0x9A, 0x9A));
        p.drawRect(QRectF(x - 1.5, hautMat, 1, sol - hautMat + 2));
        p.setBrush(QColor(0x50, 0x50, 0x50));
        p.drawEllipse(QPointF(x, hautMat), 2.5, 2.5);
    }

    // Halyards from the mast tops to the end insulators.
    const QPointF isolGauche(27, 31);
    const QPointF isolDroit(L - 27, 31);
    const QPointF isolCentre(L / 2.0, 50);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.0));
    p.drawLine(QPointF(14, hautMat + 1), isolGauche - QPointF(4, 0));
    p.drawLine(QPointF(L - 14, hautMat + 1), isolDroit + QPointF(4, 0));

    // The two branches sag a little toward the centre, pulled by the line.
    const QPen fil(QColor(0x8A, 0x45, 0x12), 1.6, Qt::SolidLine, Qt::RoundCap);
    p.setPen(fil);
    p.setBrush(Qt::NoBrush);
    QPainterPath brins;
    brins.moveTo(isolGauche + QPointF(4, 0));
    brins.quadTo(QPointF(58, 44), isolCentre - QPointF(4, 0));
    brins.moveTo(isolDroit - QPointF(4, 0));
    brins.quadTo(QPointF(L - 58, 44), isolCentre + QPointF(4, 0));
    p.drawPath(brins);

    const auto isolateur = [&p](QPointF c, double rx, double ry) {
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.0));
        p.setBrush(QColor(0xFA, 0xF6, 0xE8));
        p.drawRoundedRect(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), ry, ry);
    };
    isolateur(isolGauche, 4, 2);
    isolateur(isolDroit, 4, 2);

    // The ladder line: two wires held apart by spacers, down to the tuner.
    constexpr double ecartFils = 3.0;
    constexpr double basLigne = 160;
    const double xc = L / 2.0;
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 2.0, Qt::SolidLine, Qt::FlatCap));
    for (double y = isolCentre.y() + 10; y < basLigne - 3; y += 9)
        p.drawLine(QPointF(xc - ecartFils - 2, y), QPointF(xc + ecartFils + 2, y));
    p.setPen(QPen(QColor(0x6E, 0x32, 0x08), 1.5));
    p.drawLine(QPointF(xc - ecartFils, isolCentre.y() + 2), QPointF(xc - ecartFils, basLigne + 2));
    p.drawLine(QPointF(xc + ecartFils, isolCentre.y() + 2), QPointF(xc + ecartFils, basLigne + 2));
    isolateur(isolCentre, 6, 3);

    // The antenna tuner at the foot of the line, with its two knobs and meter.
    const QRectF boite(xc - 20, basLigne, 40, sol - basLigne + 3);
    QLinearGradient tole(0, boite.top(), 0, boite.bottom());
    tole.setColorAt(0, QColor(0xD8, 0xD8, 0xD8));
    tole.setColorAt(1, QColor(0x98, 0x98, 0x98));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.0));
    p.setBrush(tole);
    p.drawRoundedRect(boite, 2, 2);
    p.setBrush(QColor(0xFF, 0xF8, 0xD8));
    p.drawRect(QRectF(xc - 6, basLigne + 5, 12, 7));
    p.drawLine(QPointF(xc, basLigne + 12), QPointF(xc + 3, basLigne + 7));
    p.setBrush(QColor(0x28, 0x28, 0x28));
    p.drawEllipse(QPointF(xc - 13, basLigne + 13), 3.5, 3.5);
    p.drawEllipse(QPointF(xc + 13, basLigne + 13), 3.5, 3.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    for (double x : {xc - ecartFils, xc + ecartFils})
        p.drawEllipse(QPointF(x, basLigne + 1.5), 1.5, 1.5);
    return image;
}

QImage icone()
{
    constexpr int C = 32;
    QImage image(C, C, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A sky tile, so the dark wire shows on light and dark task bars alike.
    QLinearGradient ciel(0, 0, 0, C);
    ciel.setColorAt(0, QColor(0xA8, 0xD0, 0xF2));
    ciel.setColorAt(1, QColor(0xEC, 0xF5, 0xFD));
    p.setPen(QPen(QColor(0x3C, 0x6E, 0x9C), 1.0));
    p.setBrush(ciel);
    p.drawRoundedRect(QRectF(0.5, 0.5, C - 1, C - 1), 5, 5);

    // The doublet: two branches meeting at the centre insulator.
    p.setPen(QPen(QColor(0x7A, 0x34, 0x08), 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(3, 8), QPointF(29, 8));

    // Ladder line down to the tuner: two wires and their spacers.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    for (int y = 13; y <= 22; y += 3)
        p.drawRect(QRectF(12, y, 8, 1));
    p.setBrush(QColor(0x7A, 0x34, 0x08));
    p.drawRect(QRectF(13, 10, 1, 14));
    p.drawRect(QRectF(18, 10, 1, 14));

    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.0));
    p.setBrush(QColor(0xFA, 0xF6, 0xE8));
    p.drawRect(QRectF(11.5, 6.5, 9, 4));

    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.0));
    p.setBrush(QColor(0xB0, 0xB0, 0xB0));
    p.drawRect(QRectF(8.5, 23.5, 15, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawEllipse(QPointF(12, 26), 1.3, 1.3);
    p.drawEllipse(QPointF(20, 26), 1.3, 1.3);
    return image;
}

QImage imprimante()
{
    // Drawn pixel by pixel: at 16 × 16 any smoothing would blur it.
    static const char *const motif[16] = {
        "................", //
        "....KKKKKKKK....", //
        "....KWWWWWWK....", //
        "....KWGGGGWK....", //
        "....KWWWWWWK....", //
        "....KWGGGWWK....", //
        "..KKKKKKKKKKKK..", //
        ".KLLLLLLLLLLLLK.", //
        ".KSSSSSSSSSSSSK.", //
        ".KSSSSSSSSSNNSK.", //
        ".KSSSSSSSSSSSSK.", //
        ".KDDDDDDDDDDDDK.", //
        ".KKKWWWWWWWWKKK.", //
        "...KWWWWWWWWK...", //
        "...KKKKKKKKKK...", //
        "................", //
    };
    const auto couleur = [](char c) -> QRgb {
        switch (c) {
        case 'K':
            return qRgb(0x00, 0x00, 0x00);
        case 'W':
            return qRgb(0xFF, 0xFF, 0xFF);
        case 'G':
            return qRgb(0x80, 0x80, 0x80);
        case 'L':
            return qRgb(0xE8, 0xE8, 0xE8);
        case 'S':
            return qRgb(0xC0, 0xC0, 0xC0);
        case 'D':
            return qRgb(0x80, 0x80, 0x80);
        case 'N':
            return qRgb(0x00, 0xC0, 0x00);
        default:
            return qRgba(0, 0, 0, 0);
        }
    };
    constexpr int C = 16;
    QImage image(2 * C, C, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < C; ++y)
        for (int x = 0; x < C; ++x)
            image.setPixel(x, y, couleur(motif[y][x]));

    // The disabled look of a classic picture button: the dark strokes in
    // shadow grey over a white copy shifted one pixel down and right.
    const auto fonce = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= C || y >= C)
            return false;
        const QRgb c = image.pixel(x, y);
        return qAlpha(c) != 0 && qGray(c) < 0xA0;
    };
    for (int y = 0; y < C; ++y)
        for (int x = 0; x < C; ++x) {
            if (fonce(x, y))
                image.setPixel(C + x, y, qRgb(0x80, 0x80, 0x80));
            else if (fonce(x - 1, y - 1))
                image.setPixel(C + x, y, qRgb(0xFF, 0xFF, 0xFF));
        }
    return image;
}

} // namespace Dessins
