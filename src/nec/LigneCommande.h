#pragma once

#include "nec/ExecutionNec.h"
#include "nec/OptionsNec.h"
#include "state/FichierBandes.h"

#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>

// "kesu --nec [options]": the check's table as CSV on standard output, no window.
namespace Nec {

// Computes a deck's impedances at B (nec2c, or a stand-in in tests), giving up
// after delaiS seconds (never when 0).
using Calculateur = std::function<Bilan(const QByteArray &deck, int frequences, double delaiS)>;
// Reads the band table; throws when it cannot.
using LecteurBandes = std::function<FichierBandes::Table()>;

// The bands named on the line (all when none is), from the band table, and the
// table's highest frequency; throws when a band is unknown or the inputs are bad.
void completeBandes(Entrees &e, const std::vector<BandeDemandee> &demandees,
                    const FichierBandes::Table &table);

// Kesu.ini from the working folder; throws when it cannot be read.
FichierBandes::Table litKesuIni();

// The band table for a command without a window, or nothing when it cannot be
// read: the message is then written to `erreurs`, and the command ends with 1.
std::optional<FichierBandes::Table> tableDeLaCommande(const LecteurBandes &litBandes,
                                                      QTextStream &erreurs);

// The arguments after the program's name, "--nec" included. Every option and
// value is checked before the band table is read. --help and --version print
// on sortie. Returns the exit status: 0, 1 when the band table cannot be read
// or the computation fails, 2 for a bad option or value.
int ligneCommande(const QStringList &arguments, const LecteurBandes &bandes, QTextStream &sortie,
                  QTextStream &erreurs, const Calculateur &calcule);

// The same with a band table at hand.
int ligneCommande(const QStringList &arguments, const FichierBandes::Table &bandes,
                  QTextStream &sortie, QTextStream &erreurs, const Calculateur &calcule);

// The same with Kesu.ini from the working folder and the real nec2c; SIGINT or
// SIGTERM during the run stops nec2c and removes its folder.
int ligneCommande(const QStringList &arguments);

} // namespace Nec
