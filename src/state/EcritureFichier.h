#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Where writing a whole file failed.
enum class EchecEcriture {
    Aucun,
    Ouverture,    // the temporary file beside the destination cannot be created
    Ecriture,     // the bytes did not all reach it (disk full, size limit)
    Remplacement, // it cannot take the destination's place
    NonOrdinaire, // the destination is a device, a pipe or a socket (or a link to one)
};

// Writes the bytes to a temporary file in the destination's folder, which then
// replaces the destination in one step: a failure leaves neither a partial
// file nor a damaged earlier one. A destination that is not a plain file (a
// device, a pipe; a link is followed) is refused, never replaced by a file.
// Every file the program writes goes through here: the band table, projects,
// pictures, PDFs, exported tables and decks, the kept results.
EchecEcriture EcritEnUneFois(const QString &chemin, const QByteArray &octets);

// Why writing `chemin` failed, in words for the user; `existait` says whether
// the destination was there before, so that a kept file is only mentioned
// when there was one.
QString RaisonEchec(EchecEcriture echec, const QString &chemin, bool existait);

// Writes a file the user chose, or raises the error that says why not:
// `modele` takes the file's name (%1) and the reason (%2).
void EcritOuSignale(const QString &chemin, const QByteArray &octets, const QString &modele);

namespace EcritureFichier {
// Runs with the destination's path once the bytes are written, just before
// they take its place: a folder pulled away or a name taken at that moment
// happens rarely in use, and tests make it happen here.
inline std::function<void(const QString &)> avantRemplacement;
} // namespace EcritureFichier
