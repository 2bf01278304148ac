#pragma once

#include <QString>
#include <QVariant>

// What the program remembers for the user from one run to the next, where the
// desktop keeps such settings (~/.config/Kesu/Kesu.conf on Linux), beside the
// NEC-2 window's: never in the working folder, whose Kesu.ini holds the band
// table only.
namespace Reglages {
QVariant lit(const QString &cle, const QVariant &defaut = {});
void ecrit(const QString &cle, const QVariant &valeur);

// The size factor last chosen for a saved picture.
inline const QString TailleImage = QStringLiteral("Enregistrement/TailleImage");
// Whether an engine the NEC-2 check could not judge computes over a ground.
inline const QString MoteurNonVerifie = QStringLiteral("Nec/MoteurNonVerifie");
// The folder a file of that extension was last saved into.
QString dossierPour(const QString &extension);
} // namespace Reglages
