#pragma once

#include <QCoreApplication>
#include <QString>

// What fitting the model to a measurement says.
namespace Textes {

inline QString AjusteSolLibre()
{
    return QCoreApplication::translate(
        "Textes", "Le sol ne peut pas être ajusté en espace libre : choisissez un sol");
}
// %1 the unknown (coef-echelle, z0).
inline QString AjusteEchelleEnB()
{
    return QCoreApplication::translate(
        "Textes", "%1 ne peut pas être ajusté sur une mesure prise en B : l'échelle n'est pas "
                  "entre l'analyseur et l'antenne");
}
// %1 the measurement's file name.
inline QString AjusteAucunPoint()
{
    return QCoreApplication::translate("Textes",
                                       "La mesure %1 n'a aucun point dans les bandes cochées");
}
inline QString AjusteConverge()
{
    return QCoreApplication::translate(
        "Textes", "Ajustement terminé : l'écart ne diminue plus (%1 calculs de nec2c).");
}
inline QString AjusteLimite()
{
    return QCoreApplication::translate(
        "Textes", "Ajustement arrêté après %1 calculs de nec2c, le plus permis : l'écart "
                  "diminuait encore ; relancez-le depuis ces valeurs.");
}
inline QString AjusteInterrompu()
{
    return QCoreApplication::translate("Textes", "Ajustement interrompu.");
}
inline QString AjusteEchec()
{
    return QCoreApplication::translate("Textes",
                                       "L'ajustement n'a pas pu calculer l'antenne de départ");
}
// %1 the misfit after the fit.
inline QString AjusteInexplique()
{
    return QCoreApplication::translate(
        "Textes",
        "Le modèle n'explique pas cette mesure (écart %1 après ajustement) : les valeurs "
        "trouvées ne veulent rien dire. Causes possibles : des objets près du fil (arbres, "
        "toit, gouttière), un courant de mode commun sur l'échelle, une mesure faussée "
        "(étalonnage, câble entre l'analyseur et le point mesuré, point de mesure mal choisi).");
}

// The window.
inline QString AjusteEchelleEnBInfobulle()
{
    return QCoreApplication::translate(
        "Textes", "La mesure est prise en B : l'échelle n'est pas entre l'analyseur et "
                  "l'antenne, elle ne peut pas être ajustée");
}
inline QString AjusteEnCours()
{
    return QCoreApplication::translate("Textes", "Ajustement en cours…");
}
inline QString AjusteArretDemande()
{
    return QCoreApplication::translate(
        "Textes", "Interruption demandée : les calculs de nec2c en cours s'arrêtent…");
}
inline QString AjusteApplicable()
{
    return QCoreApplication::translate(
        "Textes", "Le modèle explique la mesure : « Appliquer » reporte les valeurs ajustées "
                  "dans la vérification NEC-2.");
}
inline QString AjusteAucuneInconnue()
{
    return QCoreApplication::translate("Textes", "Cochez au moins une inconnue à ajuster.");
}

// The command line.
inline QString AideOptionAjuste()
{
    return QCoreApplication::translate(
        "Textes", "Ajuste le modèle à une mesure d'analyseur (Touchstone .s1p ou CSV) sans "
                  "fenêtre : écrit les valeurs ajustées en CSV sur la sortie standard. « kesu "
                  "--ajuste MESURE --help » en donne les options.");
}
inline QString AideUtilisationAjuste()
{
    return QStringLiteral("kesu --ajuste MESURE [options]");
}
inline QString AideAjuste()
{
    return QCoreApplication::translate(
        "Textes",
        "Lit la mesure MESURE (Touchstone 1.x ou 2.0 à un port, ou CSV), garde ses points "
        "dans les bandes cochées (8 au plus par bande), puis déplace les inconnues choisies "
        "jusqu'à ce que l'impédance du modèle au point de mesure rejoigne la mesure, par "
        "moindres carrés sur les coefficients de réflexion (chaque point rapporté à son propre "
        "|Z|), calculs de nec2c menés côte à côte. Les autres options donnent l'antenne de "
        "départ, comme pour kesu --nec. Écrit « inconnue,depart,ajuste,incertitude,unite », "
        "une ligne par inconnue (sol en donne deux : epsilon et sigma), puis la ligne ecart "
        "(écart quadratique moyen avant et après). Code de sortie : 0 quand l'ajustement "
        "converge et explique la mesure, 1 sinon ou quand nec2c échoue, 2 pour une option "
        "incorrecte ou une mesure refusée.");
}
inline QString AidePointMesure()
{
    return QCoreApplication::translate(
        "Textes", "Où la mesure est prise : %1 (c : au bout de l'échelle ; balun : côté 50 ohms "
                  "du balun, selon --balun ; b : au point d'alimentation).");
}
inline QString AideInconnues()
{
    return QCoreApplication::translate(
        "Textes", "Inconnues à ajuster, séparées par des virgules, parmi %1 (sol : la "
                  "permittivité et la conductivité d'un sol personnalisé).");
}
inline QString AideOptionS1p()
{
    return QCoreApplication::translate(
        "Textes", "Écrit l'impédance du modèle en Touchstone (.s1p) sur la sortie standard, "
                  "pour le logiciel d'un analyseur. « kesu --s1p --help » en donne les options.");
}
inline QString AideUtilisationS1p()
{
    return QStringLiteral("kesu --s1p [options]");
}
inline QString AideS1p()
{
    return QCoreApplication::translate(
        "Textes",
        "Calcule l'antenne avec nec2c comme kesu --nec et écrit son impédance au point de "
        "mesure en Touchstone « # Hz S RI R 50 », précédée de commentaires nommant le programme, "
        "l'antenne et le sol : à la fréquence de chaque bande et aux points de son plan, ou de "
        "--de à --a par pas de --pas. Code de sortie : 0, 1 quand nec2c échoue, 2 pour une "
        "option incorrecte.");
}
inline QString AideDeS1p()
{
    return QCoreApplication::translate("Textes", "Première fréquence, en MHz (avec --a et --pas).");
}
inline QString AideAS1p()
{
    return QCoreApplication::translate("Textes",
                                       "Dernière fréquence, en MHz (avec --de et --pas).");
}
inline QString AidePasS1p()
{
    return QCoreApplication::translate("Textes", "Pas des fréquences, en kHz (avec --de et --a).");
}
// %1 the most frequencies.
inline QString S1pPlage()
{
    return QCoreApplication::translate(
        "Textes", "--de, --a et --pas vont ensemble : 0 < --de ≤ --a, --pas > 0, au plus %1 "
                  "fréquences, toutes sous 100 MHz");
}
// %1 the point's name (c, balun, b). In ASCII: Touchstone files are.
inline QString S1pPoint()
{
    return QCoreApplication::translate("Textes", "Impedance au point de mesure %1");
}
inline QString S1pFrequenceManquante()
{
    return QCoreApplication::translate("Textes", "nec2c n'a pas répondu à %1 kHz");
}

} // namespace Textes
