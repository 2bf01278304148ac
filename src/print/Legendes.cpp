#include "print/Legendes.h"

#include "print/FormatLamda.h"
#include "regles/Arithmetique.h"
#include "state/EtatCalcul.h"
#include "surface/Couleurs.h"
#include "surface/Surface.h"

#include <QCoreApplication>
#include <QRgb>

namespace {

constexpr QRgb Noir = Couleurs::Black;
constexpr QRgb Blanc = Couleurs::White;
constexpr std::int32_t PasDeBase = 30;

QString longueurBranche(const TextesFenetre &t)
{
    return QCoreApplication::translate("Legendes", "Longueur physique d'une branche : %1cm")
        .arg(t.LongDip);
}

QString longueurEchelle(const TextesFenetre &t)
{
    return QCoreApplication::translate("Legendes", "Longueur physique de l'échelle : %1cm")
        .arg(t.LongEch);
}

QString coefficientEchelle(const TextesFenetre &t)
{
    return QCoreApplication::translate("Legendes",
                                       "Coefficient de vélocité choisi pour l'échelle : %1")
        .arg(t.CbCoefEch);
}

// Black text on white boxes, whatever the chart left behind.
void debutBloc(Surface &page)
{
    page.setCouleurPolice(Noir);
    page.setCouleurPinceau(Blanc);
}

void cadre(Surface &page, const Rect &r)
{
    page.setCouleurPinceau(Noir);
    page.frameRect(r);
}

} // namespace

PlacementLegende CalculePlacement()
{
    const TEtatCalcul &e = EtatCalcul;
    // On the page LongElecTotale x EchelleX is the printed chart's width.
    const long double largeur =
        Arith::verifie(e.LongElecTotale * static_cast<long double>(e.EchelleX));
    PlacementLegende p;
    p.g = e.GaucheGraphe;
    p.X1 = Arith::somme(p.g, Arith::tronque(Arith::divise(largeur, 8)));
    p.X2 = Arith::somme(p.g, Arith::tronque(Arith::divise(Arith::verifie(largeur * 5), 8)));
    p.S = Arith::somme(e.MargeY, PasDeBase);
    p.T = Arith::produit(2, e.DemiHauteur);
    return p;
}

void LegendeCourants(Surface &page, const TextesFenetre &textes)
{
    const PlacementLegende p = CalculePlacement();
    const Rect f{Arith::difference(p.X1, p.g), Arith::somme(p.T, p.S),
                 Arith::difference(Arith::produit(7, p.X1), p.g),
                 Arith::somme(Arith::somme(p.T, Arith::produit(4, p.S)), PasDeBase)};
    debutBloc(page);

    // The rows stand MargeY below the frame's slots of S pixels; a font up to
    // 60 pixels high keeps the last row inside the frame.
    const std::int32_t margeY = EtatCalcul.MargeY;
    const auto rangee = [&](std::int32_t n) {
        return Arith::somme(Arith::somme(p.T, Arith::produit(n, p.S)), margeY);
    };
    std::int32_t y = rangee(1);
    page.textOut(p.X1, y, longueurBranche(textes));
    page.textOut(
        p.X2, y,
        QCoreApplication::translate("Legendes", "Coefficient de vélocité choisi pour le dipole: %1")
            .arg(textes.CoefDip));
    y = rangee(2);
    page.textOut(p.X1, y, longueurEchelle(textes));
    page.textOut(p.X2, y, coefficientEchelle(textes));
    // The impedance class stands alone, left of the second column.
    y = rangee(3);
    page.textOut(Arith::difference(p.X2, Arith::produit(2, p.X1)), y,
                 textes.ChSerie_moy
                     ? QCoreApplication::translate(
                           "Legendes", "Calcul éffectués pour une impédance moyenne ou basse.")
                     : QCoreApplication::translate("Legendes",
                                                   "Calcul éffectués pour une impédance basse."));
    cadre(page, f);
}

void LegendeLobes(Surface &page, const TextesFenetre &textes)
{
    const PlacementLegende p = CalculePlacement();
    debutBloc(page);

    std::int32_t y = Arith::somme(p.T, p.S);
    page.textOut(p.X1, y, longueurBranche(textes));
    page.textOut(p.X2, y,
                 QCoreApplication::translate("Legendes",
                                             "Coefficient de vélocité choisi pour le dipole : %1")
                     .arg(textes.CoefDip));
    // Selected bands only, one row each, in band order.
    std::int32_t n = 0;
    for (int k = 1; k <= NombreBandes; ++k) {
        if (!EtatCalcul.BandeActive[k])
            continue;
        ++n;
        y = Arith::somme(p.T, Arith::produit(Arith::somme(n, 1), p.S));
        page.textOut(p.X1, y,
                     QCoreApplication::translate("Legendes", "Bande : %1 m")
                         .arg(EtatCalcul.TableBandes[k - 1].Bande));
        page.textOut(
            p.X2, y,
            QCoreApplication::translate("Legendes", "Nombre de Lamda dans le demi-dipole : %1")
                .arg(FormatLamda(EtatCalcul.LamdaDip[k])));
    }
    cadre(page,
          {Arith::difference(p.X1, p.g), p.T, Arith::difference(Arith::produit(7, p.X1), p.g),
           Arith::somme(Arith::somme(p.T, Arith::produit(Arith::somme(n, 2), p.S)), PasDeBase)});
}
