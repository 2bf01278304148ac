#pragma once

#include <QString>

// The lobe picture for a branch `lamdaDip` wavelengths long, by its resource
// name in lower case: "lamda0_25" below 0.3, "lamda0_5" below 0.6, "lamda0_64"
// above 0.6 and below 0.68, "lamda1_5" below 1.6, "lamda2" below 2.6, and
// "lamda3" for the rest, not-a-number included. The thresholds are the exact
// decimals, compared with the stored double without rounding either of them.
QString ClasseLobes(double lamdaDip);
