#pragma once

#include <QString>

// The impedance thresholds as typed in their boxes: a value of 1 or more is
// read as tenths, then held within the bounds of its class, then written back
// with one decimal.
namespace Seuils {

enum class Genre { Bas, Moyen, Haut };

// Divides a value of 1 or more by ten, once, then corrects it to the bounds of
// its class. The medium threshold is held at or below the low one as it stands.
double corrige(Genre genre, double valeur, double seuilBas);

// One decimal, a point, a minus sign for a negative value. The rounding looks
// at the double's exact decimal digits (17 decimals, or 18 significant digits
// from 10 up) and rounds a 5 or more in the second decimal away from zero:
// 0.25 gives 0.3 while 0.85, whose double lies just below, gives 0.8.
QString formate(double valeur);

} // namespace Seuils
