#pragma once

#include <QString>
#include <optional>

// Numbers in decks, CSV and the check's texts: always with a decimal point,
// whatever locale the desktop gave the program.
namespace Nec {

// Shortest text that reads back to the same double.
QString texte(double v);
// Fixed number of decimals.
QString texte(double v, int decimales);
// At most that many decimals, without trailing zeros: for numbers in messages.
QString texteArrondi(double v, int decimales);
// The whole text (spaces around allowed, a decimal comma accepted) as a finite
// number, or nothing.
std::optional<double> nombre(const QString &texte);
// As nombre, but a text that is not a number throws the message naming the field.
double nombreChamp(const QString &texte, const QString &champ);

} // namespace Nec
