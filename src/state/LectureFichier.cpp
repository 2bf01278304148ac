#include "state/LectureFichier.h"

#include "regles/TextesProjet.h"

#include <QFile>
#include <QFileInfo>

EchecLecture LitFichierBorne(const QString &chemin, qint64 max, QByteArray &octets)
{
    const QFileInfo info(chemin);
    if (!info.exists())
        return EchecLecture::Absent;
    if (info.isDir())
        return EchecLecture::Dossier;
    if (!info.isFile())
        return EchecLecture::NonOrdinaire;
    if (info.size() > max)
        return EchecLecture::TropGrand;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return info.isReadable() ? EchecLecture::Illisible : EchecLecture::AccesRefuse;
    // It may have grown since it was looked at.
    octets = f.read(max + 1);
    if (f.error() != QFileDevice::NoError)
        return EchecLecture::Illisible;
    if (octets.size() > max)
        return EchecLecture::TropGrand;
    return EchecLecture::Aucun;
}

QString RaisonLecture(EchecLecture echec, const QString &tropGrand)
{
    switch (echec) {
    case EchecLecture::Aucun:
        break;
    case EchecLecture::Absent:
        return Textes::ProjetAbsent();
    case EchecLecture::Dossier:
        return Textes::ProjetDossier();
    case EchecLecture::NonOrdinaire:
        return Textes::ProjetPasOrdinaire();
    case EchecLecture::TropGrand:
        return tropGrand;
    case EchecLecture::AccesRefuse:
        return Textes::ProjetAccesRefuse();
    case EchecLecture::Illisible:
        return Textes::ProjetNonLu();
    }
    return {};
}
