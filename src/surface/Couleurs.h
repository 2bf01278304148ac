#pragma once

#include <QRgb>

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

} // namespace Couleurs
