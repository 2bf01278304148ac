#pragma once

#include <QCoreApplication>
#include <QString>

// The tuner as a network: its parts' faults, why no setting serves, its
// table's headings and its command line.
namespace Textes {

// %1 names the maximum that is not above its minimum.
inline QString NecPiecesOrdre()
{
    return QCoreApplication::translate("Textes",
                                       "%1 : elle doit être supérieure à la valeur minimale");
}

// Why no setting serves: %1 names the part.
inline QString LimiteSousMin()
{
    return QCoreApplication::translate("Textes", "%1 sous son minimum");
}
inline QString LimiteSurMax()
{
    return QCoreApplication::translate("Textes", "%1 au-delà de son maximum");
}
// The same sentence (%1) and the value the part would need against its
// range's end, each with its unit.
inline QString LimiteRequiseMin()
{
    return QCoreApplication::translate("Textes", "%1 : il faudrait %2 (min %3)");
}
inline QString LimiteRequiseMax()
{
    return QCoreApplication::translate("Textes", "%1 : il faudrait %2 (max %3)");
}
// After a part's value in a setting, when it sits at an end of its range.
inline QString ButeeMin()
{
    return QCoreApplication::translate("Textes", "(min)");
}
inline QString ButeeMax()
{
    return QCoreApplication::translate("Textes", "(max)");
}
inline QString LimitePerte()
{
    return QCoreApplication::translate("Textes", "Perte au-delà du maximum");
}
inline QString LimiteTension()
{
    return QCoreApplication::translate("Textes", "Tension au-delà de la tenue des condensateurs");
}
inline QString PieceSelf()
{
    return QCoreApplication::translate("Textes", "Self");
}
// An L's capacitor, named by its side.
inline QString PieceCCoteEmetteur()
{
    return QCoreApplication::translate("Textes", "C côté émetteur");
}
inline QString PieceCCoteAntenne()
{
    return QCoreApplication::translate("Textes", "C côté antenne");
}

// The criteria's names in the windows' lists, after the |Z| classes and
// "Boîte d'accord".
inline QString CritereReseauT()
{
    return QCoreApplication::translate("Textes", "Boîte en T");
}
inline QString CritereReseauL()
{
    return QCoreApplication::translate("Textes", "Boîte en L");
}

// The command line.
inline QString AideOptionBoite()
{
    return QCoreApplication::translate(
        "Textes", "Réglages de la boîte d'accord sans fenêtre : écrit en CSV, pour chaque bande "
                  "et chaque point, le réglage qui accorde C. « kesu --boite --help » en donne "
                  "les options.");
}
inline QString AideUtilisationBoite()
{
    return QCoreApplication::translate("Textes", "kesu --boite [options]");
}
inline QString AideBoite()
{
    return QCoreApplication::translate(
        "Textes",
        "Calcule l'antenne avec nec2c comme kesu --nec, puis, pour chaque bande à sa fréquence de "
        "référence et à chaque point de son plan de bande, le réglage de la boîte (un T passe-haut "
        "C1, L, C2, ou un L, série L et C en parallèle d'un côté ou de l'autre) qui accorde 50 "
        "ohms avec le moins de perte dans les plages de ses pièces, derrière le balun : ses "
        "valeurs, sa perte, la puissance dissipée dans la self, les tensions de crête des "
        "condensateurs et le courant efficace de la self à la puissance de l'émetteur ; ou la "
        "pièce qui atteint sa limite. Colonnes vides : pièce absente ou aucun réglage. Mêmes "
        "options, contrôles et codes de sortie que kesu --nec.");
}
// %1 lists the networks.
inline QString AideReseau()
{
    return QCoreApplication::translate(
        "Textes", "Réseau de la boîte pour kesu --boite, quand la classe n'en choisit pas : %1.");
}
inline QString AideCMin()
{
    return QCoreApplication::translate(
        "Textes", "Capacité minimale de chaque condensateur variable, en pF, de %1 à %2.");
}
inline QString AideCMax()
{
    return QCoreApplication::translate(
        "Textes", "Capacité maximale de chaque condensateur variable, en pF, de %1 à %2 ; par "
                  "défaut 250 pour un T, 1000 pour un L.");
}
inline QString AideLMin()
{
    return QCoreApplication::translate("Textes", "Self minimale de la bobine, en µH, de %1 à %2.");
}
inline QString AideLMax()
{
    return QCoreApplication::translate("Textes", "Self maximale de la bobine, en µH, de %1 à %2.");
}
inline QString AideQBobine()
{
    return QCoreApplication::translate(
        "Textes", "Coefficient de qualité à vide de la bobine, de %1 à %2 ; 0 pour une bobine "
                  "sans perte.");
}
inline QString AideQCondensateur()
{
    return QCoreApplication::translate(
        "Textes", "Coefficient de qualité des condensateurs, de %1 à %2 ; 0 pour des "
                  "condensateurs sans perte.");
}
inline QString AidePuissance()
{
    return QCoreApplication::translate("Textes", "Puissance de l'émetteur, en watts, de %1 à %2.");
}
inline QString AidePerteBoiteMax()
{
    return QCoreApplication::translate(
        "Textes", "Perte maximale de la boîte en classe reseau-t ou reseau-l, en dB, de %1 à %2.");
}
inline QString AideTensionMax()
{
    return QCoreApplication::translate(
        "Textes", "Tension de crête que les condensateurs tiennent, en volts, de %1 à %2.");
}

} // namespace Textes
