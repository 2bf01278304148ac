#pragma once

#include <QByteArray>
#include <vector>

// How many nec2c processes compute at once. nec2c uses one core: a deck's
// frequencies are shared out between several runs, each its own process and
// folder, and their answers put back in the deck's order.
namespace Nec {

// The number in force for the program's runs: the machine's cores unless
// fixeTaches chose another (the command line's --taches, the check window's
// setting), never more than memory allows.
int taches();
// n within Defauts::PlageTaches; 0 goes back to the default.
void fixeTaches(int n);
// One per core, within what memory holds.
int tachesParDefaut();

// How many runs of the largest deck the program writes fit in half of this
// machine's memory.
int tachesMemoire();

// The deck in at most n decks that share its frequencies out, in order: the
// cards before the first FR (the antenna, the ground, the feed) begin each
// one; each FR card goes with the cards that follow it up to the next FR (its
// XQ, its RP). Run side by side, their answers put end to end are the whole
// deck's. A deck with fewer frequencies than n gives one deck a frequency.
std::vector<QByteArray> decoupe(const QByteArray &deck, int n);

} // namespace Nec
