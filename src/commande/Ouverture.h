#pragma once

#include "projet/FichierProjet.h"
#include "state/FichierBandes.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QCommandLineParser;
class QTextStream;

// What every command without a window shares: the help and version options,
// the French account of a refused line and the help's layout, the band table
// and the exit codes. Qt's parser reads the line; its own texts are English
// and its help has no defaults.
namespace Commande {

// How a command ends: its table written (or its help, or its version); a
// computation that failed or a band table that cannot be read; a line it
// refused (an option, a value, a geometry).
enum CodeSortie : int { Reussite = 0, Echec = 1, Refus = 2 };

// Reads the band table; throws when it cannot.
using LecteurBandes = std::function<FichierBandes::Table()>;

// Kesu.ini from the working folder; throws when it cannot be read.
FichierBandes::Table litKesuIni();

// The band table for a command, or nothing when it cannot be read: the
// message is then written to `erreurs`, and the command ends with Echec.
std::optional<FichierBandes::Table> tableDeLaCommande(const LecteurBandes &litBandes,
                                                      QTextStream &erreurs);

QCommandLineOption optionAide();    // -h, --help
QCommandLineOption optionVersion(); // -v, --version
// "Kesu 1.2.3".
QString texteVersion();

// Adds the options to the parser and parses the arguments, the program's name
// first. Returns the message for the first fault (an unknown option, a value
// missing or not wanted, an argument no option takes), or nothing when the
// line is good. The options found stay readable after a fault.
QString analyse(QCommandLineParser &parseur, const QList<QCommandLineOption> &options,
                const QStringList &arguments);

// The usage line, the description, then every option not hidden, its
// description beside it, wrapped to fit a terminal of 80 columns.
QString aide(const QString &utilisation, const QString &description,
             const QList<QCommandLineOption> &options);

// The opening every command without a window shares: parses its line (the
// command's own option among the options, so that it is accepted), answers
// --help with the usage, the description and the options, and --version.
// "--projet FICHIER" puts a project's inputs before the line's own options,
// which win; "--enregistre-projet FICHIER" writes the line's inputs (project
// and options) to a project file; a project that cannot be read or written
// ends the command with Echec.
// Returns the exit status when the command ends there (2 for a refused line,
// its message written to `erreurs`; 0 after a help or version), or nothing
// when the command goes on with what the parser read. After --version,
// `etat` (when given) says on the error stream what the version depends on
// at run time: the standard output stays the version alone, for scripts and
// for help2man, which must not write this machine's paths into a manual page.
// A project's bands are checked against the table `litBandes` reads, when
// given and readable (one that is not is said by the command itself).
std::optional<int> ouvre(QCommandLineParser &parseur, const QList<QCommandLineOption> &options,
                         const QCommandLineOption &commande, const QStringList &arguments,
                         const QString &utilisation, const QString &description,
                         QTextStream &sortie, QTextStream &erreurs,
                         const std::function<QString()> &etat = {},
                         const LecteurBandes &litBandes = {});

// The bands of a table, by their names: what a project's "bandes" may hold.
QList<int> nomsBandes(const FichierBandes::Table &table);

QCommandLineOption optionProjet();
QCommandLineOption optionEnregistreProjet();

// The options a project's inputs give a command (the advised lengths' too
// when `longueurs`), and the project a parsed line gives over `base`.
QStringList argumentsDuProjet(const Projet::Fichier &f, bool longueurs);
Projet::Fichier projetDeLaLigne(const QCommandLineParser &parseur, Projet::Fichier base,
                                bool longueurs);

// The allowed names of a value, as a sentence says them: "a, b ou c".
QString enumeration(const QStringList &noms);

} // namespace Commande
