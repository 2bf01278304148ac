#pragma once

#include <QCoreApplication>
#include <QString>

// What the NEC-2 check says: its run of nec2c, and its refusals of an input
// or of an antenna NEC-2's thin-wire model does not hold for.
namespace Textes {
inline QString NecIntrouvable()
{
    return QCoreApplication::translate(
        "Textes", "Le programme nec2c est introuvable : installez-le par la commande "
                  "« apt-get install nec2c » (en administrateur)");
}
inline QString NecDossierTemporaire()
{
    return QCoreApplication::translate("Textes",
                                       "Impossible de préparer les fichiers du calcul NEC-2");
}
// %1 is nec2c's exit status.
inline QString NecCodeRetour()
{
    return QCoreApplication::translate("Textes", "nec2c a échoué (code de retour %1)");
}
// %1 is nec2c's exit status, %2 the reason it gave, in its own words.
inline QString NecRaison()
{
    return QCoreApplication::translate(
        "Textes", "nec2c a refusé le calcul (code de retour %1) en signalant : « %2 »");
}
inline QString NecArret()
{
    return QCoreApplication::translate("Textes", "nec2c s'est arrêté brutalement");
}
// %1 is the time limit in seconds.
inline QString NecDelai()
{
    return QCoreApplication::translate(
        "Textes", "nec2c n'a pas terminé son calcul dans le délai de %1 s : calcul abandonné");
}
inline QString NecSortieIllisible()
{
    return QCoreApplication::translate("Textes", "La sortie de nec2c est illisible");
}
// %1 is the bound in MiB.
inline QString NecSortieTropGrande()
{
    return QCoreApplication::translate(
        "Textes", "La sortie de nec2c dépasse %1 Mo, bien plus que tout calcul de Kesu : elle "
                  "est tenue pour illisible");
}
// %1 is the frequency nec2c answered at, %2 the one asked, both in MHz.
inline QString NecFrequenceInattendue()
{
    return QCoreApplication::translate(
        "Textes", "nec2c a répondu à %1 MHz au lieu de %2 MHz : calcul rejeté");
}
// %1 is the number of segments the antenna would need, %2 the most accepted.
inline QString NecTropDeSegments()
{
    return QCoreApplication::translate(
        "Textes", "L'antenne demanderait %1 segments, au-delà des %2 que la vérification "
                  "accepte : calcul refusé");
}
inline QString NecAucuneBande()
{
    return QCoreApplication::translate("Textes", "Aucune bande n'est cochée");
}
inline QString NecAnnule()
{
    return QCoreApplication::translate("Textes", "Calcul annulé");
}
// A box of the main window read by the check: %1 names it, %2 is its error.
inline QString NecChampPrincipal()
{
    return QCoreApplication::translate("Textes", "%1 (fenêtre principale) : %2");
}
// %1 names the field, %2 is the typed text.
inline QString NecPasUnNombre()
{
    return QCoreApplication::translate("Textes", "%1 : « %2 » n'est pas un nombre");
}
inline QString NecHauteur()
{
    return QCoreApplication::translate("Textes",
                                       "Hauteur : elle doit être positive au-dessus d'un sol");
}
// The limits of NEC-2's thin-wire model. %1 is the longest segment in mm, %2
// the fraction of the shortest wavelength it is.
inline QString NecEcartement()
{
    return QCoreApplication::translate(
        "Textes", "Écartement de l'échelle : il doit être positif et d'au plus %1 mm (1/%2 de "
                  "la longueur d'onde la plus courte)");
}
// %1 is the shortest wavelength in m, %2 the largest diameter in mm.
inline QString NecFilEpais()
{
    return QCoreApplication::translate(
        "Textes", "Fil trop épais pour la longueur d'onde la plus courte (%1 m) : le modèle de "
                  "fil mince de NEC-2 demande un diamètre d'au plus %2 mm");
}
// %1 is the shortest segment in mm, %2 the ratio, %3 the wire's radius in mm.
inline QString NecSegmentCourt()
{
    return QCoreApplication::translate(
        "Textes", "Segments trop courts pour le rayon du fil : le plus court mesure %1 mm, "
                  "NEC-2 demande au moins %2 fois le rayon (%3 mm)");
}
// %1 is the height of the ends in m, %2 the lowest apex height that keeps
// them above the ground, in m.
inline QString NecExtremitesV()
{
    return QCoreApplication::translate(
        "Textes", "Forme en V inversé : les extrémités des branches descendent à %1 m, elles "
                  "doivent rester au-dessus du sol : placez le sommet à %2 m au moins");
}
// The same, %3 the narrowest angle between the arms, in degrees, that keeps
// the ends above the ground at this height.
inline QString NecExtremitesVAngle()
{
    return QCoreApplication::translate(
        "Textes", "Forme en V inversé : les extrémités des branches descendent à %1 m, elles "
                  "doivent rester au-dessus du sol : placez le sommet à %2 m au moins, ou "
                  "ouvrez l'angle entre les branches à %3° au moins");
}
// %1 is the height of the lowest point in m, %2 the ratio, %3 the least height in mm.
inline QString NecSolProche()
{
    return QCoreApplication::translate(
        "Textes", "Hauteur : le point le plus bas du fil (%1 m) est trop près du sol pour son "
                  "rayon ; NEC-2 demande au moins %2 fois le rayon, soit %3 mm");
}
// %1 and %2 are the bounds in degrees.
inline QString NecAngle()
{
    return QCoreApplication::translate(
        "Textes", "Angle entre les branches : il doit être supérieur à %1 et d'au plus %2 degrés");
}
// %1 names the input, %2 is its value, %3 and %4 the bounds of its range.
inline QString NecHorsPlage()
{
    return QCoreApplication::translate("Textes", "%1 : %2 est hors de la plage admise, de %3 à %4");
}
inline QString NecBalun()
{
    return QCoreApplication::translate("Textes", "Balun : son rapport doit être 1, 4 ou 9");
}
inline QString NecRegion()
{
    return QCoreApplication::translate("Textes", "Région IARU : elle doit être 1, 2 ou 3");
}
// %1 and %2 are the bounds.
inline QString NecPoints()
{
    return QCoreApplication::translate(
        "Textes", "Points par bande : il en faut de %1 à %2, les bords compris");
}

// The Smith chart of the check, under it while nothing is hovered.
inline QString AbaqueSurvol()
{
    return QCoreApplication::translate(
        "Textes", "Survolez un arc : sa fréquence et Z en C, interpolés entre les points calculés");
}
// Read on the Smith chart between two points computed: %1 is the band in m, %2
// the frequency in kHz, %3 Z at C, %4 Z after the balun (both in ohms), %5 the
// SWR at 50 ohms.
inline QString AbaqueEntrePoints()
{
    return QCoreApplication::translate(
        "Textes", "%1 m, ≈ %2 kHz (entre deux points calculés) : Z en C ≈ %3 Ω ; après le "
                  "balun %4 Ω, ROS %5");
}

// A measured point read on the Smith chart: %1 is the sweep's name, %2 the
// frequency in kHz, %3 Z at C, %4 Z after the balun (both in ohms), %5 the SWR
// at 50 ohms.
inline QString AbaqueMesure()
{
    return QCoreApplication::translate(
        "Textes", "Mesure %1, %2 kHz : Z en C %3 Ω ; après le balun %4 Ω, ROS %5");
}
// Read on the SWR and impedance curves: %1 is the band in m, %2 the frequency
// in kHz, %3 the model's SWR behind the balun, %4 its Z at C in ohms.
inline QString CourbesModele()
{
    return QCoreApplication::translate("Textes", "%1 m, %2 kHz : modèle ROS %3, Z en C %4 Ω");
}
// Follows it when a sweep is shown: %1 is the sweep's name, %2 the frequency
// of its nearest point in kHz, %3 and %4 that point's SWR and Z at C.
inline QString CourbesPointMesure()
{
    return QCoreApplication::translate("Textes", " ; mesure %1 à %2 kHz : ROS %3, Z en C %4 Ω");
}

} // namespace Textes
