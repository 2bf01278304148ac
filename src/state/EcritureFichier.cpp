#include "state/EcritureFichier.h"

#include "regles/Erreurs.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

EchecEcriture EcritEnUneFois(const QString &chemin, const QByteArray &octets)
{
    // Renaming over /dev/null or a named pipe would put a file in its place
    // (root may do it): such a destination is only ever refused.
    const QFileInfo destination(chemin);
    if (destination.exists() && !destination.isDir() && !destination.isFile())
        return EchecEcriture::NonOrdinaire;
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return EchecEcriture::Ouverture;
    // flush() before commit(): a write cut short (disk full, size limit) only
    // shows there, and commit() would otherwise rename the truncated file.
    if (fichier.write(octets) != octets.size() || !fichier.flush()) {
        fichier.cancelWriting();
        return EchecEcriture::Ecriture;
    }
    if (EcritureFichier::avantRemplacement)
        EcritureFichier::avantRemplacement(chemin);
    // A failed commit removes the temporary file: nothing is left behind.
    if (!fichier.commit())
        return EchecEcriture::Remplacement;
    return EchecEcriture::Aucun;
}

QString RaisonEchec(EchecEcriture echec, const QString &chemin, bool existait)
{
    const QFileInfo destination(chemin);
    switch (echec) {
    case EchecEcriture::Aucun:
        break;
    case EchecEcriture::Ouverture: {
        const QFileInfo dossier(destination.absolutePath());
        if (!dossier.isDir())
            return Textes::DossierAbsent();
        if (destination.isDir())
            return Textes::NomDeDossier();
        if (!dossier.isWritable())
            return Textes::DossierProtege();
        if (existait && !destination.isWritable())
            return Textes::FichierProtege();
        return Textes::FichierNonCree();
    }
    case EchecEcriture::Ecriture:
        return existait ? Textes::EcritureInterrompueConserve() : Textes::EcritureInterrompue();
    case EchecEcriture::Remplacement:
        return existait ? Textes::FichierNonRemplace() : Textes::FichierNonMisEnPlace();
    case EchecEcriture::NonOrdinaire:
        return Textes::FichierNonOrdinaire();
    }
    return {};
}

void EcritOuSignale(const QString &chemin, const QByteArray &octets, const QString &modele)
{
    const bool existait = QFileInfo::exists(chemin);
    const EchecEcriture echec = EcritEnUneFois(chemin, octets);
    if (echec != EchecEcriture::Aucun)
        leveErreur(
            modele.arg(QDir::toNativeSeparators(chemin), RaisonEchec(echec, chemin, existait)));
}
