#pragma once

#include "longueurs/Recherche.h"
#include "nec/OptionsNec.h"

#include <QCommandLineOption>
#include <QList>
#include <optional>

class QCommandLineParser;

// The search's own options on the command line, in one table like the
// check's; every option of the check applies too.
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

} // namespace Longueurs
