#pragma once

#include "FichierStocke.h"

// A file of tests/nec/sorties.
inline QByteArray stocke(const QString &nom)
{
    return litStocke(QStringLiteral(KESU_SORTIES_NEC), nom);
}
