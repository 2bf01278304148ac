#pragma once

#include <QString>
#include <QStringList>

// The language of the texts: French, the language the program is written in,
// at every start whatever the desktop's locale, unless the user chose English.
namespace Langue {
// The codes Kesu speaks, French first.
QStringList codes();
// The option that chooses the language for one run, without its dashes.
QString nomOption();
// The key under which the user's choice is kept in the settings.
QString cleReglage();

// The language of this run: `demandee` (from the command line) when not empty,
// else the KESU_LANGUE variable of the environment, else the user's choice kept
// in the settings, else French. A code Kesu does not speak counts as none.
QString choisie(const QString &demandee = {});

// Installs the program's translation into the running application (one must
// exist) and makes `code` the current language; Qt's own texts follow it in
// prepareApplication().
void installe(const QString &code);
QString courante();

// Takes "--langue X" or "--langue=X" out of a command line; `code` gets X, and
// stays empty when the option is absent. False when the option has no value.
bool retireOption(QStringList &arguments, QString &code);
} // namespace Langue
