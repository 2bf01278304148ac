#pragma once

#include <QCoreApplication>
#include <QString>

// What reading an analyzer's sweep says when it refuses the file.
namespace Textes {

// %1 the file's name, %2 the line, %3 the reason (one of those below).
inline QString MesureLigne()
{
    return QCoreApplication::translate("Textes", "Mesure %1, ligne %2 : %3");
}
// %1 the file's name, %2 the reason.
inline QString MesureFichier()
{
    return QCoreApplication::translate("Textes", "Mesure %1 : %2");
}
inline QString MesureVide()
{
    return QCoreApplication::translate("Textes", "le fichier ne contient aucun point de mesure");
}
// %1 the largest number of points.
inline QString MesureTropDePoints()
{
    return QCoreApplication::translate("Textes", "plus de %1 points de mesure");
}
// %1 the largest size in megabytes.
inline QString MesureTropGrande()
{
    return QCoreApplication::translate("Textes", "le fichier dépasse %1 Mo");
}
inline QString MesureNombre()
{
    return QCoreApplication::translate("Textes", "« %1 » n'est pas un nombre");
}
inline QString MesureNonFini()
{
    return QCoreApplication::translate("Textes", "valeur non finie « %1 »");
}
// %1 the count found, %2 the count expected.
inline QString MesureColonnes()
{
    return QCoreApplication::translate("Textes", "%1 valeurs là où il en faut %2");
}
// %1 the frequency, %2 the previous one, both as written in the file.
inline QString MesureFrequences()
{
    return QCoreApplication::translate(
        "Textes", "la fréquence %1 ne suit pas la précédente (%2) : elles doivent croître");
}
inline QString MesureFrequenceNulle()
{
    return QCoreApplication::translate("Textes", "la fréquence %1 n'est pas positive");
}
// %1 the reflection's magnitude.
inline QString MesureReflexion()
{
    return QCoreApplication::translate(
        "Textes", "coefficient de réflexion de module %1, plus grand que 1 (une charge passive "
                  "ne renvoie pas plus qu'elle ne reçoit)");
}
inline QString MesureOption()
{
    return QCoreApplication::translate("Textes", "ligne d'options incomprise : « %1 »");
}
inline QString MesureParametre()
{
    return QCoreApplication::translate(
        "Textes", "paramètres %1 : Kesu lit des paramètres S ou Z d'un dipôle (un port)");
}
inline QString MesurePorts()
{
    return QCoreApplication::translate(
        "Textes", "fichier à %1 ports : Kesu lit la mesure d'un seul port (.s1p)");
}
inline QString MesureMotCle()
{
    return QCoreApplication::translate("Textes", "mot-clé %1 non pris en charge ici");
}
// %1 the count the file announces, %2 the count it holds.
inline QString MesureNombreFrequences()
{
    return QCoreApplication::translate("Textes",
                                       "le fichier annonce %1 fréquences et en contient %2");
}
inline QString MesureEnTete()
{
    return QCoreApplication::translate(
        "Textes", "en-tête sans colonne de fréquence avec son unité (Hz, kHz, MHz ou GHz) "
                  "suivie de R et X, ou des parties réelle et imaginaire de S11 : « %1 »");
}

inline QString MesureHorsDonnees()
{
    return QCoreApplication::translate("Textes", "valeurs hors du bloc [Network Data]");
}

} // namespace Textes
