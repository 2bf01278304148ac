#pragma once

#include "state/FichierBandes.h"

#include <QFile>

// The band table the program ships (its path is KESU_INI_LIVRE).
inline FichierBandes::Table bandesLivrees()
{
    QFile f(QStringLiteral(KESU_INI_LIVRE));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing %s", KESU_INI_LIVRE);
    return FichierBandes::lit(f.readAll());
}
