#pragma once

#include "nec/LectureSortie.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// The engine's answers kept between runs, in the user's cache folder: the same
// deck given to the same engine is never computed twice, whether the NEC-2
// window, the advised lengths or the command line asks. Each deck's answers
// are a file named by the SHA-256 of the engine's identity and the deck,
// written whole or not at all. An entry is trusted only when it names that
// same key, its body matches the checksum it carries and it answers exactly
// the deck's frequencies; anything else is computed again and replaced. A
// folder that cannot be written only loses the keeping.
//
// Only the program's own files are ever removed: when the folder holds too
// many, the oldest of those whose name and first line are the program's go,
// and only in a folder the program marked as its own when it made it (a
// folder the user named that already held files is never pruned).
namespace Nec::CacheResultats {

// Off for this run (--sans-cache), or while KESU_SANS_CACHE is set (the
// tests, which count the engine's runs).
void desactive();
bool actif();

// The folder: KESU_CACHE when set, else the user's cache folder.
QString dossier();

std::optional<std::vector<ImpedanceB>> lit(const QString &programme, const QByteArray &deck);
void ecrit(const QString &programme, const QByteArray &deck, const std::vector<ImpedanceB> &z);

// A deck's key for this engine: the SHA-256 of the engine's identity and the
// deck, in 64 lowercase hexadecimal digits; the entry's file name.
QByteArray cle(const QString &programme, const QByteArray &deck);

// An entry's bytes: a first line naming the format, the key and the SHA-256
// of the body, then one answer a line.
QByteArray entree(const QByteArray &cle, const std::vector<ImpedanceB> &z);

// The answers an entry's bytes hold, when they are exactly an entry written
// for `cle` (format, key and checksum) answering `frequences` (MHz, the
// deck's, in order); nothing otherwise. Reads only its arguments.
std::optional<std::vector<ImpedanceB>> litEntree(const QByteArray &octets, const QByteArray &cle,
                                                 const std::vector<double> &frequences);

// The folder where the engine keeps its ground grids between runs (they
// depend on the ground and the frequency only, not on the antenna), one per
// engine; empty when the cache is off or cannot be written.
QString dossierGrilles(const QString &programme);

// At most this many entries (a default search writes three, a branch search
// up to 150): beyond, the oldest go.
inline constexpr int EntreesMax = 2000;
// A grid is 17 kB, one per ground and frequency: 34 MB at most.
inline constexpr int GrillesMax = 2000;

} // namespace Nec::CacheResultats
