#pragma once

#include "ajustement/Ajustement.h"
#include "commande/CommandeLongueurs.h"
#include "commande/CommandeNec.h"

#include <QCommandLineOption>
#include <QList>
#include <QStringList>
#include <QTextStream>

class QCommandLineParser;

// "kesu --ajuste MESURE [options]": the model fitted to an analyzer's sweep,
// as CSV; "kesu --s1p [options]": the model's impedance as a Touchstone file,
// for the analyzer's software to show beside its own sweeps.
namespace Ajustement {

QCommandLineOption optionAjuste();
QCommandLineOption optionS1p();
// --point-mesure, shared by both; --inconnues, the fit's; --de, --a, --pas,
// the Touchstone export's.
QList<QCommandLineOption> optionsAjuste();
QList<QCommandLineOption> optionsS1p();
// The first option of these two commands alone the parser found, as typed,
// with the commands it goes with; nothing when none.
std::pair<QString, QString> optionPropreDonnee(const QCommandLineParser &parseur);

// The arguments after the program's name, the command included. Exit status:
// 0 when the fit converged (or the file is written), 1 when it did not or the
// engine failed, 2 for a bad option or a measurement file refused.
int ligneCommande(const QStringList &arguments, const Commande::LecteurBandes &bandes,
                  QTextStream &sortie, QTextStream &erreurs,
                  const Longueurs::Calculateurs &calcule);
int ligneCommande(const QStringList &arguments);
int ligneCommandeS1p(const QStringList &arguments, const Commande::LecteurBandes &bandes,
                     QTextStream &sortie, QTextStream &erreurs, const Nec::Calculateur &calcule);
int ligneCommandeS1p(const QStringList &arguments);

// The Touchstone text of impedances at one point, frequencies increasing
// (a frequency asked twice once): "# Hz S RI R 50" after comments naming
// the program, the antenna and the ground.
QByteArray touchstone(const Nec::Entrees &e, Point p, std::vector<Nec::ImpedanceB> zB);

} // namespace Ajustement
