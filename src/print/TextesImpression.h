#pragma once

#include <QString>

// What the printed page and the print job say.
namespace TextesImpression {
// The print job's title, which a PDF keeps as its document title and the
// print dialog as the name of the file it proposes: the chart's, the lobe panel's.
inline const QString Titre = QStringLiteral("Répartition des courants");
inline const QString TitreLobes = QStringLiteral("Lobes de rayonnement");
inline const QString ErreurHardCopy = QStringLiteral("Erreur de HardCopy");
// The page raster could not be allocated (an empty or enormous page).
inline const QString PageImpossible = QStringLiteral("Impossible de préparer la page à imprimer");
// The printer refused to start the job (for instance an unwritable PDF file).
inline const QString DemarrageImpossible = QStringLiteral("Impossible de démarrer l'impression");
} // namespace TextesImpression
