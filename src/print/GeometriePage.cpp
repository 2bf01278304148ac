#include "print/GeometriePage.h"

#include "regles/Arithmetique.h"

GeometriePage CalculeGeometrie(std::int32_t horzRes, std::int32_t vertRes, PointEntier p,
                               std::int32_t largeurImage, std::int32_t hauteurImage)
{
    GeometriePage g;
    g.HorzRes = horzRes;
    g.VertRes = vertRes;
    g.P = p;
    g.W = Arith::difference(horzRes, Arith::produit(2, p.X));
    g.H = Arith::difference(vertRes, Arith::produit(2, p.Y));
    g.ajusteLargeur =
        (g.H >= g.W && largeurImage >= hauteurImage) || (g.H < g.W && largeurImage > hauteurImage);
    // The quotient first, then the product, both in extended precision.
    if (g.ajusteLargeur) {
        g.Wc = g.W;
        g.Hc = Arith::tronque(Arith::verifie(Arith::divise(g.W, largeurImage) * hauteurImage));
        g.x0 = p.X;
        g.y0 = Arith::difference(vertRes / 4, g.Hc / 4);
    } else {
        g.Hc = g.H;
        g.Wc = Arith::tronque(Arith::verifie(Arith::divise(g.H, hauteurImage) * largeurImage));
        g.x0 = Arith::difference(horzRes / 4, g.Wc / 4);
        g.y0 = p.Y;
    }
    return g;
}

void AppliqueGeometrie(const GeometriePage &g)
{
    // Only the margin of the fitted side moves; the other keeps its value.
    if (g.ajusteLargeur)
        EtatCalcul.MargeY = g.P.Y;
    else
        EtatCalcul.MargeX = g.P.X;
    EtatCalcul.GaucheGraphe = g.x0;
    EtatCalcul.EchelleX = Arith::versDouble(Arith::divise(g.Wc, EtatCalcul.LongElecTotale));
    EtatCalcul.EchelleY = Arith::versDouble(Arith::divise(g.Hc, EtatCalcul.PlageVerticale));
    EtatCalcul.DemiHauteur = g.y0;
}
