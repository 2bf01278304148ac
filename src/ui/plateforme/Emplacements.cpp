#include "ui/plateforme/Emplacements.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString Emplacements::fichierFourni(const QString &nom, const QString &dossierProgramme)
{
    const QDir programme(dossierProgramme);
    // The way from the program's folder to the data folder is relative, so it
    // holds wherever the tree was installed or moved.
    const QString dossiers[] = {
        programme.path(),
        QDir::cleanPath(programme.filePath(QStringLiteral(KESU_DONNEES_DEPUIS_PROGRAMME)))};
    for (const QString &dossier : dossiers) {
        const QFileInfo fichier(QDir(dossier), nom);
        if (fichier.isFile())
            return fichier.absoluteFilePath();
    }
    return {};
}

QString Emplacements::fichierFourni(const QString &nom)
{
    return fichierFourni(nom, QCoreApplication::applicationDirPath());
}

QString Emplacements::dossierUtilisateur(QStandardPaths::StandardLocation genre)
{
    const QString dossier = QStandardPaths::writableLocation(genre);
    if (dossier.isEmpty() || !QFileInfo(dossier).isDir())
        return QDir::homePath();
    return dossier;
}
