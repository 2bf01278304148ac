#pragma once

#include <QCoreApplication>
#include <QString>

// What the advised lengths' search says when it refuses its range or count.
namespace Textes {

// The advised lengths' search. Functions, so that each is translated when said.
inline QString LongueursSansEchelle()
{
    return QCoreApplication::translate(
        "Textes", "--echelle n'a pas de sens avec --longueurs : la recherche parcourt les "
                  "longueurs d'échelle de --echelle-min à --echelle-max");
}
inline QString LongueursPlage()
{
    return QCoreApplication::translate(
        "Textes", "Échelle : la longueur de départ doit être positive ou nulle, et au plus celle "
                  "de fin, qui ne dépasse pas %1 cm");
}
inline QString LongueursTolerance()
{
    return QCoreApplication::translate(
        "Textes", "Tolérance sur les branches : elle doit être comprise entre 0 et %1 %");
}
inline QString LongueursToleranceEchelle()
{
    return QCoreApplication::translate(
        "Textes", "Tolérance sur le coefficient de l'échelle : elle doit être comprise entre 0 "
                  "et %1 %");
}
inline QString LongueursLargeurMin()
{
    return QCoreApplication::translate(
        "Textes", "Largeur minimale : elle doit être comprise entre 1 et %1 cm");
}
inline QString LongueursBranches()
{
    return QCoreApplication::translate(
        "Textes", "Branches : la longueur de départ doit être positive et au plus celle de fin, "
                  "avec un pas d'au moins %1 cm et au plus %2 longueurs");
}
inline QString LongueursNombre()
{
    return QCoreApplication::translate("Textes", "Nombre de fenêtres : il doit être positif");
}
// The best window reaches the end of a range that could go further.
inline QString LongueursBrancheAuBord()
{
    return QCoreApplication::translate(
        "Textes", "La meilleure branche est au bord de la plage cherchée (%1 cm) : la meilleure "
                  "longueur peut être au-delà, élargissez-la.");
}
inline QString LongueursEchelleAuBord()
{
    return QCoreApplication::translate(
        "Textes", "La meilleure fenêtre touche le bord de la plage d'échelle cherchée (%1 cm) : "
                  "la meilleure longueur peut être au-delà, élargissez-la.");
}
inline QString OptionSansLongueurs()
{
    return QCoreApplication::translate("Textes", "L'option %1 ne s'emploie qu'avec --longueurs");
}

} // namespace Textes
