#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A stand-in for nec2c: a shell script, in a test's folder, doing what the
// test needs (failing, crashing, hanging, writing garbage).
inline QString programmeFactice(const QTemporaryDir &dossier, const QString &nom,
                                const QByteArray &corps)
{
    const QString chemin = dossier.filePath(nom);
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write("#!/bin/sh\n" + corps + "\n") < 0)
        qFatal("cannot write %s", qPrintable(chemin));
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    return chemin;
}
