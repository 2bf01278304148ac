#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A file kept beside the tests: our own nec2c runs and the decks they ran, as
// nec2c wrote them less the heading of its geometry listing, which the reader
// of its output never looks at.
inline QByteArray litStocke(const QString &dossier, const QString &nom)
{
    QFile f(dossier + QLatin1Char('/') + nom);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing stored file %s", qPrintable(nom));
    return f.readAll();
}
