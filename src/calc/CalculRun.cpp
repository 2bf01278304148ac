#include "calc/CalculRun.h"

#include "regles/Arithmetique.h"
#include "state/EtatCalcul.h"

namespace CalculRun {

std::int32_t LongueurElectrique(const QString &texteLongueur, double coefficient)
{
    const std::int32_t physique = Arith::StrToInt(texteLongueur);
    return Arith::arrondi(Arith::divise(physique, coefficient));
}

void EchellesEcran(std::int32_t gauche, std::int32_t largeur, std::int32_t hauteur)
{
    EtatCalcul.GaucheGraphe = gauche;
    EtatCalcul.EchelleX = Arith::versDouble(
        Arith::divise(Arith::difference(largeur, gauche), EtatCalcul.LongElecTotale));
    EtatCalcul.EchelleY = Arith::versDouble(Arith::divise(hauteur, EtatCalcul.PlageVerticale));
    EtatCalcul.DemiHauteur = Arith::arrondi(Arith::divise(hauteur, EtatCalcul.DiviseurHauteur));
    EtatCalcul.MargeX = 0;
    EtatCalcul.MargeY = 0;
}

} // namespace CalculRun
