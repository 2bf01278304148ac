#pragma once

#include <QString>

// The desktop's decimal separator, whatever default locale the program chose.
QString SeparateurRegional();

// A branch length in wavelengths as the lobe caption writes it: rounded half
// up to two significant digits and at most two decimals, then written with
// exactly two decimals (0.248 -> "0.25", 12.34 -> "12.00"); a value of 100 or
// more after rounding is written in exponent form with at most two significant
// digits ("1E2", "1.5E3"). The decimal separator is the user's regional one,
// as the desktop sets it ("," in French), "." when none is set.
QString FormatLamda(double valeur, const QString &separateur = SeparateurRegional());
