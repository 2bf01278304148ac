#include "state/EtatCalcul.h"

TEtatCalcul EtatCalcul;

void InitialiseEtatCalcul(double seuilBas, double seuilMoyen, double seuilHaut)
{
    for (int k = 1; k <= NombreBandes; ++k) {
        EtatCalcul.BandeActive[k] = true;
        EtatCalcul.LamdaDip[k] = 0;
    }
    EtatCalcul.SeuilBas = seuilBas;
    EtatCalcul.SeuilMoyen = seuilMoyen;
    EtatCalcul.SeuilHaut = seuilHaut;
    EtatCalcul.DeplaceAB = false;
    EtatCalcul.DeplaceBC = false;
    EtatCalcul.DeplacementArme = false;
    EtatCalcul.GrapheCourants = false;
    EtatCalcul.PlageVerticale = 2.37;
    EtatCalcul.DiviseurHauteur = 2;
}
