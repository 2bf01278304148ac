#pragma once

#include <QPalette>
#include <QRgb>
#include <initializer_list>

class QWidget;

// The colours of the main window, and the one way its handlers colour a control.
namespace Couleurs {

constexpr QRgb Teal = 0x008080;
constexpr QRgb Silver = 0xC0C0C0;
constexpr QRgb Grey = 0x808080;
constexpr QRgb Blue = 0x0000FF;
constexpr QRgb Yellow = 0xFFFF00;
constexpr QRgb Red = 0xFF0000;
constexpr QRgb Green = 0x008000;
constexpr QRgb Black = 0x000000;

// Gives the listed palette roles of a control one colour.
void colore(QWidget *w, std::initializer_list<QPalette::ColorRole> roles, QRgb couleur);

} // namespace Couleurs
