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
// written whole or not at all; the folder keeps the newest entries only. An
// entry that cannot be read is removed and computed again; a folder that
// cannot be written only loses the keeping.
namespace Nec::CacheResultats {

// Off for this run (--sans-cache), or while KESU_SANS_CACHE is set (the
// tests, which count the engine's runs).
void desactive();
bool actif();

// The folder: KESU_CACHE when set, else the user's cache folder.
QString dossier();

std::optional<std::vector<ImpedanceB>> lit(const QString &programme, const QByteArray &deck);
void ecrit(const QString &programme, const QByteArray &deck, const std::vector<ImpedanceB> &z);

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
