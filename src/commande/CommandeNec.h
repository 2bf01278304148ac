#pragma once

#include "commande/Ouverture.h"
#include "nec/ExecutionNec.h"
#include "nec/Verification.h"
#include "state/FichierBandes.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>
#include <vector>

class QCommandLineParser;

// The check's options on the command line, in one table: each one's name, its
// value's name, its help and the input it sets.

// "kesu --nec [options]": the check's table as CSV on standard output, no window.
namespace Nec {

// A band named on the command line, as typed for the message that may name it.
struct BandeDemandee {
    double bande;
    QString texte;
};

// What the command line asks for before the band table is read: every input
// but the bands, which are rows of Kesu.ini.
struct Demande {
    Entrees entrees;                   // its bands left empty
    std::vector<BandeDemandee> bandes; // named by --bandes, in order; empty for all
    double delaiS = DelaiBloquantS;    // nec2c's run, 0 for no limit
    bool sansCache = false;            // compute again what was kept
    int taches = 0;                    // nec2c runs at once; 0 for Nec::taches()'s default
    bool moteurNonVerifie = false;     // an engine the check could not judge, used over a ground
};

// An option's value as a number, or as a whole number (centimetres, counts):
// a text that is not one throws the message naming the option and the text,
// and what the option takes when `attendu` says it.
[[noreturn]] void valeurIncorrecte(const QString &option, const QString &texte,
                                   const QString &attendu = {});
// The same for a value chosen among names: they are listed.
[[noreturn]] void valeurHorsListe(const QString &option, const QString &texte,
                                  const QStringList &noms);
double reelOption(const QString &option, const QString &texte);
// A whole number beyond what it can hold is refused with `plage`, the range
// the value must keep.
// `attendu` says what the option takes (Textes::AttenduCentimetres…).
std::int32_t entierOption(const QString &option, const QString &texte, Defauts::Plage plage,
                          const QString &attendu);

// How the line asks the engine to be run, put in force for the whole
// process: the cache left aside, an unverified engine allowed, the runs side by side.
void appliqueExecution(const Demande &d);

// The main window's start-up values: what an absent option leaves.
Demande demandeParDefaut();

// "--nec" itself, and its "--deck", which writes the model instead.
QCommandLineOption optionNec();
QCommandLineOption optionDeck();

// The check's options, for a parser; their help gives each one's unit, allowed
// values and default.
QList<QCommandLineOption> optionsNec();

// The first of them the parser found, as typed ("--z0"), or nothing.
QString optionNecDonnee(const QCommandLineParser &parseur);

// The inputs a parsed line asks for. Throws the message of the first bad
// value; every input but the bands is also checked against its limits here,
// so that a bad value is told even where there is no band table.
Demande demande(const QCommandLineParser &parseur);

// Computes a deck's impedances at B (nec2c, or a stand-in in tests), giving up
// after delaiS seconds (never when 0).
using Calculateur = std::function<Bilan(const QByteArray &deck, int frequences, double delaiS)>;

// The bands named on the line (all when none is), from the band table, and the
// table's highest frequency; throws when a band is unknown or the inputs are bad.
void completeBandes(Entrees &e, const std::vector<BandeDemandee> &demandees,
                    const FichierBandes::Table &table);

// A command that computes the antenna as --nec does, with the same options,
// checks and exit codes, and writes its own table from the answers: the rows
// of the bands the check kept (Resultat::lignes), every other band named on
// the error stream with its reason, exit status 1.
struct CommandeCalculee {
    QCommandLineOption option; // "--nec", "--boite", "--diagrammes"
    QString utilisation;
    QString description;
    // The table of the bands in lignes. A band it cannot write for a reason
    // of its own goes to echecs; a KesuErreur it throws (a value that is not
    // finite, see champ) leaves out the band whose rows throw it, with the
    // error as its reason, and ends the command with Echec when no band
    // is to blame.
    std::function<QByteArray(const Entrees &, const std::vector<ImpedanceB> &zB, Resultat &,
                             const QCommandLineParser &)>
        ecrit;
    QList<QCommandLineOption> propres = {}; // the options of this command alone
    // The deck and its number of frequencies: the check's when not given.
    std::function<QByteArray(const Entrees &)> deck = {};
    std::function<int(const Entrees &)> frequences = {};
};
int commandeCalculee(const CommandeCalculee &commande, const QStringList &arguments,
                     const Commande::LecteurBandes &bandes, QTextStream &sortie,
                     QTextStream &erreurs, const Calculateur &calcule);

// The arguments after the program's name, "--nec" included. Every option and
// value is checked before the band table is read. --help and --version print
// on sortie. Returns the exit status: 0, 1 when the band table cannot be read
// or the computation fails, 2 for a bad option or value.
int ligneCommande(const QStringList &arguments, const Commande::LecteurBandes &bandes,
                  QTextStream &sortie, QTextStream &erreurs, const Calculateur &calcule);

// The same with a band table at hand.
int ligneCommande(const QStringList &arguments, const FichierBandes::Table &bandes,
                  QTextStream &sortie, QTextStream &erreurs, const Calculateur &calcule);

// The same with Kesu.ini from the working folder and the real nec2c; SIGINT or
// SIGTERM during the run stops nec2c and removes its folder.
int ligneCommande(const QStringList &arguments);

// A command run from a terminal: its streams, signals and the real nec2c
// handed to `commande`, as every command of the check family runs.
using CommandeSurTerminal =
    std::function<int(QTextStream &sortie, QTextStream &erreurs, const Calculateur &calcule)>;
int surLeTerminal(const CommandeSurTerminal &commande);

} // namespace Nec
