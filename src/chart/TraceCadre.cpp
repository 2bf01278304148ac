#include "chart/TraceCadre.h"

#include "chart/EnvironnementTrace.h"
#include "regles/Arithmetique.h"
#include "state/EtatCalcul.h"
#include "surface/Couleurs.h"
#include "surface/Surface.h"

#include <QRgb>

namespace {

constexpr QRgb Noir = Couleurs::Black;
constexpr QRgb Argent = Couleurs::Silver;
constexpr QRgb Marine = Couleurs::Navy;
constexpr QRgb Gris = Couleurs::Grey;

// The strip area is DemiHauteur / 6.875 high: 24 rows on screen, 8 bands of 3.
constexpr long double DiviseurBandeau = 6.875L;

} // namespace

void TraceCadre(Surface &surface, EnvironnementTrace &env)
{
    const TEtatCalcul &e = EtatCalcul;
    const long double echelleX = e.EchelleX;
    const long double echelleY = e.EchelleY;
    const std::int32_t demiHauteur = e.DemiHauteur;

    const std::int32_t gaucheCadre = Arith::somme(e.GaucheGraphe, e.MargeX);
    const std::int32_t xB = Arith::somme(e.GaucheGraphe, Arith::arrondi(e.LongElecDip * echelleX));
    const std::int32_t xC =
        Arith::somme(e.GaucheGraphe, Arith::arrondi(e.LongElecTotale * echelleX));
    const std::int32_t basCadre = Arith::produit(2, demiHauteur);
    // Rows of an amplitude above (signe -1) or below (signe +1) the baseline.
    const auto rangee = [&](double seuil, int signe) {
        return Arith::arrondi(demiHauteur + signe * (seuil * echelleY));
    };

    surface.setCouleurCrayon(Noir);
    surface.setCouleurPinceau(Argent);
    surface.rectangle(gaucheCadre, e.MargeY, xC, basCadre);

    surface.setCouleurPinceau(Noir);
    surface.fillRect({xB, Arith::somme(e.MargeY, 1), Arith::difference(xC, 1),
                      Arith::somme(e.MargeY, Arith::arrondi(demiHauteur / DiviseurBandeau))});

    // The radio buttons choose the inner zone: "Impédance haute" narrows it to
    // SeuilHaut; the low and medium classes both show SeuilMoyen.
    const double t = env.chParaCoche() ? e.SeuilHaut : e.SeuilMoyen;

    // The inner zone's right edge is truncated and, unlike the others, not
    // pulled back by one: on screen it may cover the outline's last column.
    surface.setCouleurPinceau(Marine);
    surface.fillRect({xB, rangee(t, -1),
                      Arith::somme(e.GaucheGraphe, Arith::tronque(e.LongElecTotale * echelleX)),
                      rangee(t, +1)});

    // Both grey rectangles run from the t row to the SeuilBas row; when t is
    // the lower threshold they are upside down and fill their mirror image.
    surface.setCouleurPinceau(Gris);
    surface.fillRect({xB, rangee(e.SeuilBas, +1), Arith::difference(xC, 1), rangee(t, +1)});
    surface.fillRect({xB, rangee(t, -1), Arith::difference(xC, 1), rangee(e.SeuilBas, -1)});

    surface.setCouleurPinceau(Argent);
    surface.setModeCrayon(ModeCrayon::Inversion);
    surface.moveTo(gaucheCadre, demiHauteur);
    surface.lineTo(xC, demiHauteur);

    surface.setModeCrayon(ModeCrayon::Copie);
    surface.moveTo(xB, e.MargeY);
    surface.lineTo(xB, basCadre);

    const std::int32_t hautLettres = Arith::somme(e.MargeY, Arith::arrondi(demiHauteur / 6.0L));
    surface.textOut(Arith::somme(gaucheCadre, surface.enPixels(5)), hautLettres,
                    QStringLiteral("A"));
    // B and C stand left of their points; neither counts GaucheGraphe, and C
    // not MargeX either, so on the page they sit further left than on screen.
    surface.textOut(
        Arith::difference(Arith::somme(e.MargeX, Arith::arrondi(e.LongElecDip * echelleX)),
                          surface.enPixels(2)),
        hautLettres, QStringLiteral("B"));
    surface.textOut(
        Arith::difference(Arith::arrondi(e.LongElecTotale * echelleX), surface.enPixels(12)),
        hautLettres, QStringLiteral("C"));
}
