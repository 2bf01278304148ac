#pragma once

#include "regles/Defauts.h"

#include "state/EtatCalcul.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The band settings file: eight lines, band name at positions 1-2, frequency at
// positions 4-8, read by fixed positions. Opened by its bare name, so it is the
// file of that name in the current working directory.
namespace FichierBandes {

inline const QString NomFichier = QStringLiteral("Kesu.ini");

using Table = std::array<LigneBande, NombreBandes>;

// Reads the eight rows from the file's bytes; any bad or missing line throws.
Table lit(const QByteArray &contenu);
// Reads Kesu.ini into EtatCalcul.TableBandes; throws when the file cannot be
// opened or read, and leaves the table untouched then.
// Kesu.ini from the working folder, or the error that says it is not found
// (a file of over a megabyte, a pipe or a device is none).
Table litFichier();
void charge();

// The file keeps two positions for the band name and five for the frequency:
// anything wider would not read back, or read back as another value.
using Defauts::BandeMax;
using Defauts::BandeMin;
using Defauts::FrequenceMax;
using Defauts::FrequenceMin;

// The first value of a table that the file cannot store: its row (0-based),
// whether it is the frequency or the band name, and the message that says so.
struct HorsFichier {
    int ligne = 0;
    bool frequence = false;
    QString texte;
};
std::optional<HorsFichier> horsFichier(const Table &table);

// The bytes of the file for a table: "<band> <frequency>" and CR LF per line.
QByteArray texte(const Table &table);
// Writes a table to Kesu.ini. The lines go to a temporary file
// in the same folder, which then replaces Kesu.ini in one step, so a failure
// never leaves a damaged file; it throws and Kesu.ini stays as it was. A table
// the file cannot store is refused before anything is written.
void sauve(const Table &table);

} // namespace FichierBandes
