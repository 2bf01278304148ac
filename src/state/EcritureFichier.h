#pragma once

#include <QByteArray>
#include <QString>

// Where writing a whole file failed.
enum class EchecEcriture {
    Aucun,
    Ouverture,    // the temporary file beside the destination cannot be created
    Ecriture,     // the bytes did not all reach it (disk full, size limit)
    Remplacement, // it cannot take the destination's place
};

// Writes the bytes to a temporary file in the destination's folder, which then
// replaces the destination in one step: a failure leaves neither a partial
// file nor a damaged earlier one. The band table, the saved pictures and the
// exported tables are all written this way.
EchecEcriture EcritEnUneFois(const QString &chemin, const QByteArray &octets);
