#pragma once

#include "commande/CommandeNec.h"

// "kesu --boite [options]": the tuner's setting for every band and every point
// of its band plan, as CSV on standard output, no window.
namespace Nec {

QCommandLineOption optionBoite();

// The table: one line per band (at its reference frequency, then at each point
// of its plan), computed from a run's answers.
QByteArray csvBoite(const Entrees &e, const std::vector<ImpedanceB> &zB, const Resultat &r);

// As --nec's, with the same options, checks and exit codes.
int ligneCommandeBoite(const QStringList &arguments, const Commande::LecteurBandes &bandes,
                       QTextStream &sortie, QTextStream &erreurs, const Calculateur &calcule);
int ligneCommandeBoite(const QStringList &arguments);

} // namespace Nec
