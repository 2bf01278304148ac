#pragma once

#include "mesure/Releve.h"

#include <QByteArray>

// Reading a sweep saved by an analyzer: Touchstone one-port files (1.x and
// 2.0) or CSV. Nothing in the file is trusted: a line that cannot be read,
// frequencies that do not increase, a reflection above 1, a value that is not
// finite, too many points or none refuse the whole file with KesuErreur,
// naming the file, the line and the reason. The caller's state is never
// touched by a refusal.
namespace Mesure {

// Reads the file (a regular file, bounded in size).
Releve lit(const QString &chemin);
// Reads the bytes of a file named `nom`: Touchstone when its first line that
// is not a comment starts with '#' or '[', CSV otherwise.
Releve litOctets(const QByteArray &octets, const QString &nom);

// The largest file read, in bytes.
inline constexpr qint64 TailleMax = 16 * 1024 * 1024;

} // namespace Mesure
