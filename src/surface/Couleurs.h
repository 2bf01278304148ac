#pragma once

#include <QColor>
#include <QRgb>
#include <cmath>

// The program's colours, by their classic names, for the windows and every
// drawing alike (opaque, as a drawing surface holds them).
namespace Couleurs {

constexpr QRgb Black = qRgb(0x00, 0x00, 0x00);
constexpr QRgb White = qRgb(0xFF, 0xFF, 0xFF);
constexpr QRgb Teal = qRgb(0x00, 0x80, 0x80);
constexpr QRgb Silver = qRgb(0xC0, 0xC0, 0xC0);
constexpr QRgb Grey = qRgb(0x80, 0x80, 0x80);
constexpr QRgb Navy = qRgb(0x00, 0x00, 0x80);
constexpr QRgb Blue = qRgb(0x00, 0x00, 0xFF);
constexpr QRgb Yellow = qRgb(0xFF, 0xFF, 0x00);
constexpr QRgb Red = qRgb(0xFF, 0x00, 0x00);
constexpr QRgb Green = qRgb(0x00, 0x80, 0x00);

// A colour made dark enough to read on white, on screen and on paper: its
// contrast with white at least 3 to 1 (what a line or a mark needs to be
// told apart), its hue kept. A band's yellow or light green turns to olive or
// a deeper green; a colour dark enough already is returned as it is. For
// drawings on white alone: the main chart keeps its colours.
inline QColor surBlanc(QColor c)
{
    const auto lineaire = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const auto contraste = [&](const QColor &x) {
        const double l = 0.2126 * lineaire(x.redF()) + 0.7152 * lineaire(x.greenF()) +
                         0.0722 * lineaire(x.blueF());
        return 1.05 / (l + 0.05);
    };
    for (int k = 0; k < 40 && contraste(c) < 3; ++k)
        c = c.darker(105);
    return c;
}

} // namespace Couleurs
