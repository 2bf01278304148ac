#pragma once

#include <QCoreApplication>
#include <QString>

// Project files: what reading one says, and their commands.
namespace Textes {

inline QString ProjetEnTete()
{
    return QCoreApplication::translate(
        "Textes", "# Projet Kesu : une valeur par ligne, « clé = valeur », nombres avec un point");
}
// %1 is the line's number.
inline QString ProjetLigneIllisible()
{
    return QCoreApplication::translate("Textes", "Ligne %1 : ni « clé = valeur » ni commentaire");
}
// %1 the line, %2 the key, %3 the value, %4 what it should be.
inline QString ProjetValeurIncorrecte()
{
    return QCoreApplication::translate("Textes",
                                       "Ligne %1 : %2 = %3 ne convient pas (%4) ; la valeur "
                                       "par défaut est gardée");
}
// %1 the line, %2 the key, %3 the line that gives it first.
inline QString ProjetCleEnDouble()
{
    return QCoreApplication::translate(
        "Textes", "Ligne %1 : %2 est déjà donnée ligne %3 ; cette ligne n'est pas lue");
}
inline QString ProjetPasUnNombre()
{
    return QCoreApplication::translate("Textes", "un nombre avec un point décimal");
}
inline QString ProjetFormatAttendu()
{
    return QCoreApplication::translate("Textes", "un numéro de format, entier, à partir de 1");
}
// A command refuses a project's bad value: %1 the project, %2 the line, %3
// the key, %4 the value, %5 what it should be.
inline QString ProjetValeurRefusee()
{
    return QCoreApplication::translate("Textes",
                                       "Projet %1, ligne %2 : %3 = %4 ne convient pas (%5)");
}
// %1 and %2 the bounds of the range.
inline QString ProjetHorsPlage()
{
    return QCoreApplication::translate("Textes", "un nombre de %1 à %2");
}
// %1 the band table's bands, separated by spaces.
inline QString ProjetBandeInconnue()
{
    return QCoreApplication::translate("Textes", "des bandes de Kesu.ini parmi %1");
}
inline QString ProjetPasUnEntier()
{
    return QCoreApplication::translate("Textes", "un nombre entier");
}
inline QString ProjetBandes()
{
    return QCoreApplication::translate("Textes", "des noms de bandes séparés par des espaces");
}
// %1 lists the choices.
inline QString ProjetChoix()
{
    return QCoreApplication::translate("Textes", "l'un de %1");
}
inline QString ProjetSansFormat()
{
    return QCoreApplication::translate(
        "Textes", "Le fichier ne dit pas son format : il est lu comme un projet de ce Kesu");
}
// %1 the file's format, %2 this program's.
inline QString ProjetPlusRecent()
{
    return QCoreApplication::translate(
        "Textes", "Ce projet vient d'un Kesu plus récent (format %1, celui-ci lit le format %2) : "
                  "il est ouvert en lecture seule ; « Enregistrer sous… » en fait une copie au "
                  "format %2, qui garde aussi ce que ce Kesu ne connaît pas.");
}
// %1 the file, %2 the reason.
// The reason a command keeps a project of a newer Kesu: %1 its format, %2 this one's.
inline QString ProjetPlusRecentConserve()
{
    return QCoreApplication::translate(
        "Textes", "il vient d'un Kesu plus récent (format %1, celui-ci écrit le format %2) ; "
                  "il est conservé tel quel, enregistrez sous un autre nom");
}
inline QString ProjetIllisible()
{
    return QCoreApplication::translate("Textes", "Impossible d'ouvrir le projet %1 : %2");
}
// Why a project cannot be opened: the reasons that ProjetIllisible gives.
inline QString ProjetAbsent()
{
    return QCoreApplication::translate("Textes", "le fichier n'existe pas");
}
inline QString ProjetDossier()
{
    return QCoreApplication::translate("Textes", "c'est un dossier, pas un fichier");
}
inline QString ProjetPasOrdinaire()
{
    return QCoreApplication::translate(
        "Textes", "ce n'est pas un fichier ordinaire (un périphérique ou un tube, par exemple)");
}
inline QString ProjetAccesRefuse()
{
    return QCoreApplication::translate("Textes", "l'accès au fichier est refusé");
}
// %1 the bound in megabytes.
inline QString ProjetTropGrand()
{
    return QCoreApplication::translate(
        "Textes", "le fichier dépasse %1 Mo, bien plus qu'un projet ne peut en contenir");
}
inline QString ProjetNonLu()
{
    return QCoreApplication::translate("Textes", "le fichier ne peut pas être lu");
}
// Escape or closing the notes after typing in them.
inline QString AbandonnerNotes()
{
    return QCoreApplication::translate("Textes",
                                       "Abandonner les modifications des notes du projet ?");
}
// %1 the file of "Fichiers récents" that is no longer there.
inline QString RecentAbsent()
{
    return QCoreApplication::translate(
        "Textes", "Le projet %1 n'existe plus : il est retiré des fichiers récents.");
}
inline QString ProjetNonEnregistre()
{
    return QCoreApplication::translate("Textes", "Impossible d'enregistrer le projet %1 : %2");
}
inline QString AideProjet()
{
    return QCoreApplication::translate(
        "Textes", "Prend les données dans un projet Kesu (.kesu) ; les options de la ligne "
                  "l'emportent.");
}
inline QString AideEnregistreProjet()
{
    return QCoreApplication::translate(
        "Textes", "Écrit les données de cette ligne (projet et options) dans un projet Kesu.");
}
inline QString AideDeck()
{
    return QCoreApplication::translate(
        "Textes", "Écrit le modèle NEC-2 que la vérification calcule, avec des cartes de "
                  "commentaire, au lieu de son tableau.");
}

} // namespace Textes
