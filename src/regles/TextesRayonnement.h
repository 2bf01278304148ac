#pragma once

#include <QCoreApplication>
#include <QString>

// The radiation patterns: what their command says, and what fails.
namespace Textes {

// %1 is the frequency in MHz.
inline QString DiagrammeAbsent()
{
    return QCoreApplication::translate(
        "Textes", "nec2c n'a pas donné de diagramme de rayonnement à %1 MHz : ce moteur ne "
                  "calcule pas le champ lointain");
}
// %1 is the frequency in MHz, %2 the directions given, %3 those asked.
inline QString DiagrammeIncomplet()
{
    return QCoreApplication::translate(
        "Textes", "nec2c a donné %2 directions du diagramme de rayonnement à %1 MHz au lieu des "
                  "%3 demandées");
}
// %1 is the frequency in MHz.
inline QString DiagrammeNonFini()
{
    return QCoreApplication::translate("Textes",
                                       "nec2c donne à %1 MHz un gain qui n'est pas un nombre fini");
}
inline QString AideOptionDiagrammes()
{
    return QCoreApplication::translate(
        "Textes", "Diagrammes de rayonnement NEC-2 sans fenêtre : écrit leurs chiffres en CSV. "
                  "« kesu --diagrammes --help » en donne les options.");
}
inline QString AideUtilisationDiagrammes()
{
    return QCoreApplication::translate("Textes", "kesu --diagrammes [options]");
}
inline QString AideDiagrammes()
{
    return QCoreApplication::translate(
        "Textes",
        "Calcule l'antenne avec nec2c comme kesu --nec, avec son champ lointain à la fréquence de "
        "référence de chaque bande et au centre de son plan de bande quand il s'en écarte d'au "
        "moins 1 %, et écrit sur la sortie standard une ligne par bande et fréquence : le gain "
        "maximal en dBi au-dessus du sol (sur toute la sphère en espace libre), son élévation et "
        "son azimut (depuis l'axe du fil) au dixième de degré, cherchés par un second calcul "
        "autour du meilleur point de la grille (le milieu d'un plateau de gains égaux), "
        "l'ouverture à -3 dB du lobe en élévation sur la coupe qui passe par ce maximum (de "
        "l'autre côté du zénith quand le lobe le traverse), le gain à 10, 20 et 30 degrés "
        "d'élévation en travers du fil, et la part de la puissance perdue dans le sol, mesurée "
        "contre le bilan de puissance du même modèle en espace libre. Mêmes options, contrôles "
        "et codes de sortie que kesu --nec.");
}
inline QString AidePointsDiagramme()
{
    return QCoreApplication::translate(
        "Textes", "Écrit chaque point calculé au lieu des chiffres : les coupes en élévation en "
                  "travers (travers) et le long du fil (long), la coupe en élévation à l'azimut "
                  "du lobe le plus fort quand il n'est pas en travers (lobe), et la coupe en "
                  "azimut à l'élévation du lobe principal, ou sous 45 degrés quand il monte "
                  "vers le zénith (azimut).");
}

} // namespace Textes
