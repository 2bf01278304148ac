#include "state/EcritureFichier.h"

#include <QSaveFile>

EchecEcriture EcritEnUneFois(const QString &chemin, const QByteArray &octets)
{
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return EchecEcriture::Ouverture;
    // flush() before commit(): a write cut short (disk full, size limit) only
    // shows there, and commit() would otherwise rename the truncated file.
    if (fichier.write(octets) != octets.size() || !fichier.flush()) {
        fichier.cancelWriting();
        return EchecEcriture::Ecriture;
    }
    if (!fichier.commit())
        return EchecEcriture::Remplacement;
    return EchecEcriture::Aucun;
}
