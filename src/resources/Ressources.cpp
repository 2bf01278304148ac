#include "resources/Ressources.h"

#include "regles/Erreurs.h"

#include <QDirIterator>
#include <QFileInfo>

QString CheminBitmap(const QString &nom)
{
    // The resource file system is case-sensitive; the names the program asks
    // for are not, so compare each picture's name ourselves.
    QDirIterator it(QString::fromLatin1(DossierImages), QDir::Files);
    while (it.hasNext()) {
        const QFileInfo fichier(it.next());
        if (fichier.completeBaseName().compare(nom, Qt::CaseInsensitive) == 0)
            return fichier.filePath();
    }
    return {};
}

QImage ChargeBitmap(const QString &nom)
{
    const QString chemin = CheminBitmap(nom);
    QImage image;
    if (chemin.isEmpty() || !image.load(chemin))
        leveErreur(Textes::RessourceIntrouvable().arg(nom));
    return image;
}

GlyphesBouton ChargeGlyphes(const QString &nom)
{
    const QImage bande = ChargeBitmap(nom);
    const int cote = bande.height();
    if (bande.width() < 2 * cote)
        leveErreur(Textes::RessourceIntrouvable().arg(nom));
    return {bande.copy(0, 0, cote, cote), bande.copy(cote, 0, cote, cote)};
}
