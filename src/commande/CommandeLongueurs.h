#pragma once

#include "commande/CommandeNec.h"
#include "longueurs/Recherche.h"

#include <QCommandLineOption>
#include <QList>
#include <QStringList>
#include <QTextStream>
#include <optional>

class QCommandLineParser;

// "kesu --longueurs [options]": the advised ladder lengths as CSV on standard
// output, no window.
namespace Longueurs {

struct Demande {
    Nec::Demande nec;
    Parametres parametres;
    std::optional<Branches> branches; // set by any of --branche-min, --branche-max, --pas
    int nombre = Defauts::FenetresListees;
};

// "--longueurs" itself.
QCommandLineOption optionLongueurs();

// The search's own options, for a parser, their defaults in their help.
QList<QCommandLineOption> optionsLongueurs();

// The first of them the parser found, as typed ("--tolerance"), or nothing.
QString optionLongueursDonnee(const QCommandLineParser &parseur);

// What a parsed line asks; throws the message of the first bad value.
Demande demande(const QCommandLineParser &parseur);

// Computes decks' impedances at B side by side (nec2c, or a stand-in in
// tests), giving up after delaiS seconds (never when 0).
using Calculateurs =
    std::function<Nec::ExecutionNec::Bilans(const std::vector<QByteArray> &decks, double delaiS)>;

// The arguments after the program's name, "--longueurs" included. Every
// option is checked before the band table is read; the exit status is the
// check's: 0, 1 when the band table cannot be read or a computation fails,
// 2 for a bad option or value.
int ligneCommande(const QStringList &arguments, const Commande::LecteurBandes &bandes,
                  QTextStream &sortie, QTextStream &erreurs, const Calculateurs &calcule);

// The real nec2c's runs side by side, as the command line makes them.
Calculateurs calculateursNec();

// The same with Kesu.ini from the working folder and the real nec2c.
int ligneCommande(const QStringList &arguments);

} // namespace Longueurs
