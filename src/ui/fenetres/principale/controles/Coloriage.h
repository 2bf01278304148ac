#pragma once

#include "surface/Couleurs.h"

#include <QPalette>
#include <QRgb>
#include <initializer_list>

class QWidget;

// The one way the windows colour a control, with the colours of surface/Couleurs.h.
namespace Coloriage {

// Gives the listed palette roles of a control one colour.
void colore(QWidget *w, std::initializer_list<QPalette::ColorRole> roles, QRgb couleur);

} // namespace Coloriage
