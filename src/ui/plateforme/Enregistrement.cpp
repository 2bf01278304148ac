#include "ui/plateforme/Enregistrement.h"

#include "ui/plateforme/Emplacements.h"
#include "ui/plateforme/Reglages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

bool estUneImage(const QString &extension)
{
    static const QStringList images{QStringLiteral("png"), QStringLiteral("jpg"),
                                    QStringLiteral("jpeg"), QStringLiteral("bmp"),
                                    QStringLiteral("svg")};
    return images.contains(extension, Qt::CaseInsensitive);
}

QString dossierRetenu(const QString &extension)
{
    const QString dossier = Reglages::lit(Reglages::dossierPour(extension)).toString();
    return !dossier.isEmpty() && QFileInfo(dossier).isDir() ? dossier : QString();
}

} // namespace

QString Enregistrement::extensionDuFiltre(const QString &filtre)
{
    static const QRegularExpression motif(QStringLiteral("\\*\\.([^\\s);]+)"));
    return motif.match(filtre).captured(1);
}

QString Enregistrement::avecExtension(const QString &chemin, const QString &extension)
{
    if (extension.isEmpty() || chemin.isEmpty())
        return chemin;
    if (QFileInfo(chemin).suffix().compare(extension, Qt::CaseInsensitive) == 0)
        return chemin;
    // "essai." is read as "essai" with a dot the user meant to complete.
    return chemin + (chemin.endsWith(u'.') ? QString() : QStringLiteral(".")) + extension;
}

QString Enregistrement::proposition(const QString &nomOuChemin)
{
    const QFileInfo info(nomOuChemin);
    const QString extension = info.suffix();
    const QString retenu = dossierRetenu(extension);
    if (info.isAbsolute())
        return retenu.isEmpty() ? nomOuChemin : QDir(retenu).filePath(info.fileName());
    const QString dossier = !retenu.isEmpty()
                                ? retenu
                                : Emplacements::dossierUtilisateur(
                                      estUneImage(extension) ? QStandardPaths::PicturesLocation
                                                             : QStandardPaths::DocumentsLocation);
    return QDir(dossier).filePath(nomOuChemin);
}

void Enregistrement::retiensDossier(const QString &chemin)
{
    const QFileInfo info(chemin);
    Reglages::ecrit(Reglages::dossierPour(info.suffix()), info.absolutePath());
}

QString Enregistrement::questionRemplacement(const QString &chemin)
{
    return QCoreApplication::translate(
               "Plateforme", "Le fichier « %1 » existe déjà dans ce dossier.\nVoulez-vous le "
                             "remplacer ?")
        .arg(QFileInfo(chemin).fileName());
}
