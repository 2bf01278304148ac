#include "state/Echelles.h"

EchellesGraphe EchellesGraphe::lues(const TEtatCalcul &e)
{
    return {e.GaucheGraphe, e.DemiHauteur, e.MargeX, e.MargeY, e.EchelleX, e.EchelleY};
}

void EchellesGraphe::appliqueA(TEtatCalcul &e) const
{
    e.GaucheGraphe = GaucheGraphe;
    e.DemiHauteur = DemiHauteur;
    e.MargeX = MargeX;
    e.MargeY = MargeY;
    e.EchelleX = EchelleX;
    e.EchelleY = EchelleY;
}
