#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Which NEC-2 engine runs, and whether it computes a real ground right.
// Debian's nec2c lost four pieces of NEC-2's Sommerfeld-ground code in its
// translation to C; Kesu builds its own corrected one (nec2c-kesu) and checks
// whatever engine it is given on two decks whose answers are known.
namespace Nec {

// The variable that names an engine (tests, experts), then Kesu's own engine
// beside the program, then nec2c on the PATH.
inline constexpr auto VariableMoteur = "KESU_NEC2C";
inline constexpr auto MoteurKesu = "nec2c-kesu";
QString programmeNec();

// Where a program is, by name on the PATH or by its path; empty when it is
// nowhere to be found.
QString cheminProgramme(const QString &programme);

enum class EtatMoteur {
    Introuvable,
    Sain,       // both check decks within the tolerance
    Fautif,     // one is off: its ground code is Debian's
    NonVerifie, // the check decks gave no readable answer (a stand-in, a broken program)
};

struct VerdictMoteur {
    QString chemin; // as found, or as given when not found
    EtatMoteur etat = EtatMoteur::Introuvable;
    double ecartPct = 0; // the worst of the two, relative to |Z|
};

// How far the answers may stray from the corrected engine's, in percent.
inline constexpr double EcartMaxPct = 0.5;

// How long each check deck may take. Each took the corrected engine 60 to
// 130 ms, and at most 1.2 s with both cores of the machine kept busy (two
// other programs spinning, the engine at a lower priority): the limit is for
// an engine that hangs, not for a loaded machine, and keeps 25 times that.
// Tests set a short one for their stand-ins.
inline constexpr int DelaiControleMs = 30000;
void fixeDelaiControleMs(int ms);

// Whether an engine the check could not judge (NonVerifie) may compute over a
// real ground: refused unless the user allows it, for the whole program.
void accepteMoteurNonVerifie(bool oui);
bool moteurNonVerifieAccepte();

// Runs the check decks the first time a program is judged, then answers from
// memory while the file keeps its modification time.
VerdictMoteur verdictMoteur(const QString &programme);

// What names an engine for the results kept between runs: its path, the
// time its file was changed and its size, so that a rebuilt engine computes
// again.
QByteArray identiteMoteur(const QString &programme);

// What the About box, --version and the help say: the path and the verdict.
QString descriptionMoteur(const VerdictMoteur &verdict);

// The engine in use and its verdict, as --version says it after the version.
QString texteMoteurEnUsage();

// The message that refuses this deck with this engine: a deck over a real
// ground (its GN card) with an engine whose ground is faulty, or that could
// not be checked and was not allowed. Nothing when it may run.
std::optional<QString> refusMoteur(const QString &programme, const QByteArray &deck);

} // namespace Nec
