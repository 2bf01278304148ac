#pragma once

#include <QStandardPaths>
#include <QString>

// The files the program ships with, the help document and the default band
// table, found from the program's own folder: the build folder, the installed
// tree and a moved copy of either all work, whatever the install prefix.
namespace Emplacements {
// The shipped file of that name: beside the program (the build folder, a copied
// folder), else in the data folder of the installed tree. Empty when neither
// holds it.
QString fichierFourni(const QString &nom, const QString &dossierProgramme);
// The same for this program.
QString fichierFourni(const QString &nom);

// Where the user keeps files of a kind (documents, pictures) to propose a
// file there: that folder when it exists, else the home folder.
QString dossierUtilisateur(QStandardPaths::StandardLocation genre);
} // namespace Emplacements
