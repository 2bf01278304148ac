#pragma once

#include <QRect>
#include <QString>

class QTextBrowser;

// The help viewer: a window of our own that shows the program's help document.
namespace AideViewer {
// Opens the help file at its contents (contexte 0) or at the section of a help
// context; the file name is matched without regard to letter case. A missing
// file is reported by the viewer.
void ouvre(const QString &fichier, int contexte);

// The file that a name designates: relative names start from the current
// working directory, and the name is looked up in its folder without regard to
// letter case. Empty when no such file exists.
QString cheminResolu(const QString &fichier);

// The help document that "Aide" and F1 open, in the program's language
// (Kesu.hlp in French, Kesu.en.hlp in English): in the working folder
// first, so that a copy the user keeps there wins; then beside the program (the
// build tree, or a copied folder); then in the data folder of the installed
// tree, found from the program's folder; the French one when the language's
// is nowhere. The bare name when there is none, so that the viewer reports it
// missing.
QString document();
// The same search for a program in the given folder.
QString document(const QString &dossierProgramme);

// The help contexts of the windows other than the main one: F1 there opens
// the window's own section.
constexpr int ContexteEditeur = 12;
constexpr int ContexteAPropos = 13;
constexpr int ContexteNec = 14;
constexpr int ContexteLongueurs = 15;
constexpr int ContexteDiagrammes = 16;

// The anchor of a help context's section in the document; empty for 0 (the
// contents) and for a number the document does not know.
QString ancre(int contexte);

// Where a window whose frame is `cadre` goes to show whole within `ecran`
// (the screen's available area): its frame no larger than it, then moved in
// by as little as it takes. A window already inside stays where it is.
QRect placeDans(const QRect &cadre, const QRect &ecran);

// The viewer window, created by the first successful ouvre() and then reused;
// null before that.
QTextBrowser *fenetre();
} // namespace AideViewer
