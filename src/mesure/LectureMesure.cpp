#include "mesure/LectureMesure.h"

#include "mesure/Collecte.h"
#include "nec/Nombres.h"
#include "regles/Erreurs.h"
#include "regles/TextesMesure.h"
#include "state/LectureFichier.h"

#include <QFileInfo>

namespace Mesure {

Releve litOctets(const QByteArray &octets, const QString &nom)
{
    for (const QByteArray &brute : lignes(octets)) {
        const QByteArray ligne = brute.trimmed();
        if (ligne.isEmpty() || ligne.startsWith('!'))
            continue;
        if (ligne.startsWith('#') || ligne.startsWith('['))
            return litTouchstone(octets, nom);
        break;
    }
    return litCsv(octets, nom);
}

Releve lit(const QString &chemin)
{
    const QString nom = QFileInfo(chemin).fileName();
    QByteArray octets;
    const EchecLecture echec = LitFichierBorne(chemin, TailleMax, octets);
    if (echec != EchecLecture::Aucun)
        leveErreur(Textes::MesureFichier().arg(
            nom, RaisonLecture(echec, Textes::MesureTropGrande().arg(TailleMax / (1024 * 1024)))));
    return litOctets(octets, nom);
}

} // namespace Mesure
