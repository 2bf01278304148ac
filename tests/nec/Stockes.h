#pragma once

#include <QFile>

// A file of tests/nec/sorties: our own nec2c runs and the decks they ran.
inline QByteArray stocke(const QString &nom)
{
    QFile f(QStringLiteral(KESU_SORTIES_NEC "/") + nom);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing stored file %s", qPrintable(nom));
    return f.readAll();
}
