#pragma once

#include <QString>

// Where a file the user saves goes, and under which name: the rules every
// save dialog follows, kept apart from the dialogs so that they can be tried
// without one.
namespace Enregistrement {
// The extension a file dialog's filter names, "png" for "Image (*.png)";
// empty when it names none.
QString extensionDuFiltre(const QString &filtre);
// The path with the extension added when its name ends with another one or
// with none: "essai" and "essai.v2" become "essai.png" and "essai.v2.png".
QString avecExtension(const QString &chemin, const QString &extension);
// Where to propose a file: a bare name goes into the folder last saved into
// for its extension, or else into the user's folder for that kind of file
// (pictures, documents; the home folder when it does not exist); a full path
// keeps its name and moves to the folder last saved into, when there is one.
QString proposition(const QString &nomOuChemin);
// Remembers the folder of a saved file for the next proposal of its extension.
void retiensDossier(const QString &chemin);
// The question asked before a file is replaced.
QString questionRemplacement(const QString &chemin);
} // namespace Enregistrement
