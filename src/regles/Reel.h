#pragma once

#include <QString>

// The program's one way of reading a typed real: the companion library's
// StrToReal, stored at once as a double. An overflow is reported.
double StrToRealTexte(const QString &texte);
