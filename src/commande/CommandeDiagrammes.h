#pragma once

#include "commande/CommandeNec.h"

// "kesu --diagrammes [options]": the radiation patterns' figures, or every
// point of their cuts (--points-diagramme), as CSV on standard output.
namespace Rayonnement {

QCommandLineOption optionDiagrammes();
QCommandLineOption optionPoints();

// As --nec's, with the same options, checks and exit codes.
int ligneCommande(const QStringList &arguments, const Commande::LecteurBandes &bandes,
                  QTextStream &sortie, QTextStream &erreurs, const Nec::Calculateur &calcule);
int ligneCommande(const QStringList &arguments);

} // namespace Rayonnement
