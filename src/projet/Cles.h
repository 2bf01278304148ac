#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The keys a project file knows, each with the kind of value it takes and
// where the program keeps it: a box of the main window, or a setting of the
// NEC-2 check's or the advised lengths' window (their settings are what those
// windows open with), and the command-line option that sets it, if any.
namespace Projet {

enum class Genre { Reel, Entier, Choix, Bandes, Oui, TexteOuAuto };

struct Cle {
    const char *nom;
    Genre genre;
    QStringList choix;   // for Choix
    const char *groupe;  // the settings' group, or nullptr for the main window
    const char *reglage; // the setting's key, or the main window's box
    const char *option;  // kesu --nec / --longueurs, or nullptr
};

const std::vector<Cle> &cles();
const Cle *cle(const QString &nom);

// Why a value does not fit its key, or nothing when it does: its kind, then
// the physical range the NEC-2 check holds it to, and for "bandes" the band
// table's names (`bandes`; when empty, any number passes). The window and the
// commands refuse a project's values by this one test, so that both name the
// same ones for the same reasons.
std::optional<QString> fauteValeur(const Cle &c, const QString &valeur,
                                   const QList<int> &bandes = {});

} // namespace Projet
