#pragma once

#include "state/EtatCalcul.h"

#include <QByteArray>
#include <QString>

// The band settings file: eight lines, band name at positions 1-2, frequency at
// positions 4-8, read by fixed positions. Opened by its bare name, so it is the
// file of that name in the current working directory.
namespace FichierBandes {

inline const QString NomFichier = QStringLiteral("Kesu.ini");

using Table = std::array<LigneBande, NombreBandes>;

// Reads the eight rows from the file's bytes; any bad or missing line throws.
Table lit(const QByteArray &contenu);
// Reads a band file, Kesu.ini of the working folder unless told another, into
// EtatCalcul.TableBandes; throws when the file cannot be opened or read, and
// leaves the table untouched then.
void charge(const QString &chemin = NomFichier);

// The bytes of the file for a table: "<band> <frequency>" and CR LF per line.
QByteArray texte(const Table &table);
// Writes a table to Kesu.ini. The lines go to a temporary file
// in the same folder, which then replaces Kesu.ini in one step, so a failure
// never leaves a damaged file; it throws and Kesu.ini stays as it was.
void sauve(const Table &table);

} // namespace FichierBandes
