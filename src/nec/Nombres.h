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
// Rounded to that many significant figures, written without an exponent
// (4635.5 gives "4640" for 3): what a value deserves when a small change of the
// antenna moves it by far more than its last decimals.
QString texteSignificatif(double v, int chiffres);
// As a person writes it: no exponent below a trillion (1e+06 reads 1000000),
// twelve significant figures at most. For values and bounds in messages.
QString texteLisible(double v);
// At most that many decimals, without trailing zeros: for numbers in messages.
QString texteArrondi(double v, int decimales);
// A number in a CSV field, shortest or with that many decimals. A table
// never holds "nan" or "inf", which no spreadsheet reads as the failure it
// is: a value that is not finite throws, and the command leaves out the band
// of the row it was writing.
QString champ(double v);
QString champ(double v, int decimales);
// The same for a value that may be absent (NaN): an empty field then, as a
// part the network lacks. An infinite value is no absence: it throws.
QString champOuVide(double v, int decimales);
// The whole text (spaces around allowed, a decimal comma accepted) as a finite
// number, or nothing.
std::optional<double> nombre(const QString &texte);
// As nombre, but a text that is not a number throws the message naming the field.
double nombreChamp(const QString &texte, const QString &champ);

} // namespace Nec
