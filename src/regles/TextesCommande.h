#pragma once

#include <QCoreApplication>
#include <QString>

// The command line's help, written in French and translated like every text
// the user reads. The options' defaults and allowed names are not written
// here: the help takes them from the values the program starts with.
namespace Textes {

// The help's layout: %1 is the usage line.
inline QString AideUtilisation()
{
    return QCoreApplication::translate("Textes", "Utilisation : %1");
}
inline QString AideTitreOptions()
{
    return QCoreApplication::translate("Textes", "Options :");
}
// %1 describes the option, %2 is its default.
inline QString AideDefaut()
{
    return QCoreApplication::translate("Textes", "%1 Défaut\u00a0:\u00a0%2.");
}
// The last two of a list of allowed names: "moyen ou bon".
inline QString AideOu()
{
    return QCoreApplication::translate("Textes", "%1 ou %2");
}

// The program.
inline QString AideUtilisationKesu()
{
    return QCoreApplication::translate("Textes", "kesu [options] [projet.kesu]");
}
inline QString AideKesu()
{
    return QCoreApplication::translate(
        "Textes", "Longueurs d'une antenne doublet alimentée par ligne échelle : répartition "
                  "des courants et impédances. Sans option, ouvre la fenêtre du programme, et le "
                  "projet nommé s'il y en a un.");
}
inline QString AideOptionAide()
{
    return QCoreApplication::translate("Textes", "Affiche cette aide et quitte.");
}
inline QString AideOptionVersion()
{
    return QCoreApplication::translate("Textes", "Affiche la version de Kesu et quitte.");
}
inline QString AideOptionNec()
{
    return QCoreApplication::translate(
        "Textes", "Vérification NEC-2 sans fenêtre : écrit son tableau en CSV sur la sortie "
                  "standard. « kesu --nec --help » en donne les options.");
}
// %1 lists the languages.
inline QString AideOptionLangue()
{
    return QCoreApplication::translate(
        "Textes", "Langue des textes pour ce démarrage : %1. Sans cette option, Kesu parle "
                  "français, ou la langue choisie dans le menu Outils.");
}
inline QString AideOptionQuitte()
{
    return QCoreApplication::translate("Textes",
                                       "Ferme le programme dès que sa fenêtre est affichée.");
}

// The NEC-2 check.
inline QString AideUtilisationNec()
{
    return QCoreApplication::translate("Textes", "kesu --nec [options]");
}
inline QString AideNec()
{
    return QCoreApplication::translate(
        "Textes",
        "Calcule l'antenne avec nec2c, sans fenêtre, et écrit sur la sortie standard le tableau de "
        "la vérification NEC-2 en CSV : une ligne d'en-tête, puis une ligne par bande. Les bandes "
        "sont celles de Kesu.ini, le fichier que lit la fenêtre du programme. Une option absente "
        "garde la valeur de départ de la fenêtre principale ; les nombres s'écrivent avec un point "
        "décimal. Code de sortie : 0 quand le tableau est écrit, 1 quand Kesu.ini est introuvable "
        "ou que nec2c échoue, 2 pour une option ou une valeur incorrecte.");
}
inline QString AideBranche()
{
    return QCoreApplication::translate(
        "Textes", "Longueur physique d'une branche, en centimètres entiers, de %1 à %2.");
}
inline QString AideEchelle()
{
    return QCoreApplication::translate(
        "Textes", "Longueur physique de l'échelle, en centimètres entiers, de %1 à %2.");
}
inline QString AideCoefEchelle()
{
    return QCoreApplication::translate(
        "Textes", "Coefficient de vélocité de l'échelle, sans unité, de %1 à %2.");
}
inline QString AideDiametre()
{
    return QCoreApplication::translate("Textes", "Diamètre du fil, en millimètres, de %1 à %2.");
}
inline QString AideHauteur()
{
    return QCoreApplication::translate(
        "Textes",
        "Hauteur du fil au-dessus du sol, en mètres, de %1 à %2 ; sans effet en espace libre.");
}
// %1 lists the grounds.
inline QString AideSol()
{
    return QCoreApplication::translate("Textes",
                                       "Sol sous l'antenne : %1 (libre : espace libre, sans sol ; "
                                       "parfait : sol parfaitement conducteur, une référence ; "
                                       "personnalise : le sol de --epsilon et --sigma).");
}
inline QString AideEpsilon()
{
    return QCoreApplication::translate(
        "Textes", "Permittivité relative du sol personnalisé (--sol personnalise), de %1 à %2.");
}
inline QString AideSigma()
{
    return QCoreApplication::translate(
        "Textes", "Conductivité du sol personnalisé (--sol personnalise), en S/m, de %1 à %2.");
}
inline QString AideEcartement()
{
    return QCoreApplication::translate(
        "Textes",
        "Écartement des conducteurs de l'échelle, en millimètres, de %1 à %2 : la longueur du "
        "segment d'alimentation au centre de l'antenne.");
}
// %1 lists the shapes.
inline QString AideForme()
{
    return QCoreApplication::translate(
        "Textes", "Forme de l'antenne : %1 (v : V inversé, la hauteur est alors celle du sommet).");
}
inline QString AideMoteurNonVerifie()
{
    return QCoreApplication::translate(
        "Textes", "Calcule au-dessus d'un sol même avec un moteur NEC-2 que les cas de contrôle "
                  "n'ont pas pu juger (sans cette option, il y est refusé).");
}
inline QString AideSansCache()
{
    return QCoreApplication::translate(
        "Textes", "Calcule de nouveau ce que le moteur a déjà répondu pour la même antenne, au "
                  "lieu de le reprendre du cache de l'utilisateur.");
}
// %1 and %2 are the bounds.
inline QString AideTaches()
{
    return QCoreApplication::translate(
        "Textes", "Nombre de calculs de nec2c menés en même temps, de %1 à %2 ; par défaut, un "
                  "par cœur de la machine.");
}
// %1 lists the materials.
inline QString AideFil()
{
    return QCoreApplication::translate(
        "Textes", "Matière du fil des branches : %1 (cuivre : 58 MS/m ; aluminium : 35 MS/m ; "
                  "acier-cuivre : acier cuivré, 17.4 MS/m).");
}
inline QString AideAngle()
{
    return QCoreApplication::translate("Textes", "Angle entre les deux branches d'un V inversé, en "
                                                 "degrés, plus grand que 0 et au plus 180.");
}
inline QString AideDelai()
{
    return QCoreApplication::translate("Textes", "Durée au-delà de laquelle le calcul de nec2c est "
                                                 "abandonné, en secondes, de %1 à %2 ; 0 : sans "
                                                 "limite.");
}
inline QString AideZ0()
{
    return QCoreApplication::translate(
        "Textes", "Impédance caractéristique de l'échelle, en ohms, de %1 à %2.");
}
inline QString AidePerte()
{
    return QCoreApplication::translate(
        "Textes", "Perte de l'échelle, en dB pour 100 m à 10 MHz, de %1 à %2.");
}
// %1 lists the classes.
inline QString AideClasse()
{
    return QCoreApplication::translate(
        "Textes",
        "Classe d'impédance de la boîte d'accord, comme dans la fenêtre principale, ou boite pour "
        "juger par le balun et le ROS maximal de sa propre boîte : %1.");
}
inline QString AideBalun()
{
    return QCoreApplication::translate(
        "Textes",
        "Rapport du balun devant la boîte d'accord, pour --boite et en classes boite, reseau-t "
        "et reseau-l : 1, 4 ou 9 (1:1, 4:1, 9:1).");
}
inline QString AideRosMax()
{
    return QCoreApplication::translate(
        "Textes", "ROS maximal sous 50 ohms que la boîte accorde, en classe boite, de %1 à %2.");
}
inline QString AideRegion()
{
    return QCoreApplication::translate(
        "Textes",
        "Région IARU dont le plan de bandes donne les bords de chaque bande : 1, 2 ou 3.");
}
inline QString AidePoints()
{
    return QCoreApplication::translate(
        "Textes",
        "Nombre de fréquences calculées dans chaque bande du plan, également espacées d'un bord à "
        "l'autre, bords compris : de 2 à 100.");
}
inline QString AideLimite()
{
    return QCoreApplication::translate(
        "Textes",
        "Limite d'accord de la classe choisie, en ohms, de %1 à %2 : le plus grand |Z| que la "
        "boîte accorde en classe basse ou moyenne, le plus petit en classe haute.");
}
// %1, %2, %3: the low, medium and high class's limits.
inline QString AideDefautLimite()
{
    return QCoreApplication::translate("Textes", "%1 en classe basse, %2 en moyenne, %3 en haute");
}
inline QString AideBandes()
{
    return QCoreApplication::translate(
        "Textes", "Bandes à calculer, en mètres, séparées par des virgules (par exemple "
                  "80,40,20), parmi celles de Kesu.ini, dans l'ordre donné.");
}
inline QString AideToutesBandes()
{
    return QCoreApplication::translate("Textes", "toutes celles de Kesu.ini");
}

// The advised lengths. Functions, so that each is translated when said.
inline QString AideOptionLongueurs()
{
    return QCoreApplication::translate(
        "Textes", "Longueurs d'échelle conseillées sans fenêtre : écrit les fenêtres de "
                  "longueurs en CSV sur la sortie standard. « kesu --longueurs --help » en donne "
                  "les options.");
}
inline QString AideUtilisationLongueurs()
{
    return QStringLiteral("kesu --longueurs [options]");
}
inline QString AideLongueurs()
{
    return QCoreApplication::translate(
        "Textes",
        "Cherche, centimètre par centimètre, les fenêtres de longueurs d'échelle où la boîte "
        "accorde chaque bande, sur toute la bande, pour la branche telle que donnée et pour la "
        "branche raccourcie et allongée de la tolérance, et les écrit en CSV sur la sortie "
        "standard : une ligne d'en-tête, puis une ligne par fenêtre, de celle qui accorde le plus "
        "de bandes à la plus large. Avec --branche-min ou --branche-max, cherche aussi la "
        "longueur de branche. Les options de --nec s'y emploient aussi. Code de sortie : 0 quand "
        "la liste est écrite, 1 quand Kesu.ini est introuvable ou que nec2c échoue, 2 pour une "
        "option ou une valeur incorrecte.");
}
inline QString AideEchelleMin()
{
    return QCoreApplication::translate(
        "Textes", "Longueur d'échelle où la recherche commence, en centimètres entiers.");
}
inline QString AideEchelleMax()
{
    return QCoreApplication::translate(
        "Textes", "Longueur d'échelle où la recherche finit, en centimètres entiers.");
}
inline QString AideTolerance()
{
    return QCoreApplication::translate(
        "Textes", "Tolérance sur les branches, en % : l'antenne est aussi calculée avec des "
                  "branches plus courtes et plus longues d'autant ; 0 : telles que données.");
}
inline QString AideToleranceEchelle()
{
    return QCoreApplication::translate(
        "Textes", "Tolérance sur le coefficient de vélocité de l'échelle, en % : une longueur "
                  "n'est conseillée que si chaque bande y tient aussi avec un coefficient plus "
                  "petit et plus grand d'autant, pour chaque branche ; 0 : tel que donné.");
}
inline QString AideLargeurMin()
{
    return QCoreApplication::translate(
        "Textes", "Largeur la plus petite d'une fenêtre proposée, en centimètres : une fenêtre "
                  "plus étroite n'est pas une longueur que l'on coupe.");
}
inline QString AideBrancheMin()
{
    return QCoreApplication::translate(
        "Textes", "Cherche aussi la branche, à partir de cette longueur, en centimètres entiers.");
}
inline QString AideBrancheMax()
{
    return QCoreApplication::translate(
        "Textes", "Cherche aussi la branche, jusqu'à cette longueur, en centimètres entiers.");
}
inline QString AidePas()
{
    return QCoreApplication::translate(
        "Textes", "Pas entre deux longueurs de branche cherchées, en centimètres entiers, d'au "
                  "moins 10.");
}
// %1 lists the rules.
inline QString AideRegle()
{
    return QCoreApplication::translate(
        "Textes", "Ce qui dit qu'une bande s'accorde : %1 (graphe : la règle des bandeaux du "
                  "graphe, sans nec2c ; nec : le critère de --classe sur l'impédance calculée).");
}
inline QString AideNombre()
{
    return QCoreApplication::translate("Textes", "Nombre de fenêtres écrites, au plus.");
}

} // namespace Textes
