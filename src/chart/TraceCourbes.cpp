#include "chart/TraceCourbes.h"

#include "calc/Arithmetique.h"
#include "calc/TraceGraphe.h"
#include "surface/Surface.h"

#include <QString>

#include <cmath>

namespace {

constexpr long double DeuxPi = 6.283185307179586477L;
constexpr long double VitesseLumiere = 30'000'000.0L; // cm * kHz

// Bands' label rows and strip rows are slices of DemiHauteur.
constexpr long double DiviseurBandeau = 6.875L;

// Column of the point i centimetres from A.
std::int32_t colonne(std::int32_t i, long double echelleX, std::int32_t gauche)
{
    return Arith::somme(gauche, Arith::arrondi(i * echelleX));
}

} // namespace

double SinusCourant(std::int32_t i, double nu)
{
    // The x87 sine costs about ten times the double one. Reducing the phase
    // to one turn in extended precision first keeps the extended phase's
    // accuracy, so the double sine lands on the same pixels.
    long double phase = i * DeuxPi * nu;
    phase -= DeuxPi * std::floor(phase / DeuxPi);
    return std::sin(static_cast<double>(phase));
}

void TraceCourbes(Surface &surface, EnvironnementTrace &env)
{
    TEtatCalcul &e = EtatCalcul;
    const long double echelleX = e.EchelleX;
    const long double echelleY = e.EchelleY;
    const std::int32_t demiHauteur = e.DemiHauteur;
    const std::int32_t gauche = e.GaucheGraphe;
    const std::int32_t longDip = e.LongElecDip;
    const std::int32_t finEchantillons = Arith::difference(e.LongElecTotale, 2);

    env.montreProgression();

    for (int k = 1; k <= NombreBandes; ++k) {
        const LigneBande &bande = e.TableBandes[k - 1];
        // A zero frequency stops the drawing here, selected band or not.
        const double lambda = Arith::versDouble(Arith::divise(VitesseLumiere, bande.Frequence));
        const double nu = Arith::versDouble(Arith::divise(bande.Frequence, VitesseLumiere));
        surface.setCouleurPolice(CouleursBandes[k]);
        surface.setCouleurCrayon(CouleursBandes[k]);
        if (e.BandeActive[k] && finEchantillons > 0) {
            const std::int32_t iEZ = Arith::arrondi(0.64L * lambda);
            for (std::int32_t i = 0; i < finEchantillons; ++i) {
                if (i == 0) {
                    const long double rangee = demiHauteur +
                                               Arith::produit(k - 1, demiHauteur) / 8.0L +
                                               demiHauteur / 33.0L;
                    surface.textOut(Arith::somme(gauche, 5), Arith::arrondi(rangee),
                                    QString::number(bande.Bande) + QStringLiteral(" m"));
                    surface.moveTo(gauche, demiHauteur);
                }
                const std::int32_t x = colonne(i, echelleX, gauche);
                const std::int32_t y = Arith::arrondi(demiHauteur - SinusCourant(i, nu) * echelleY);
                surface.lineTo(x, y);
                if (i == iEZ) {
                    // Down to the last label row, where every band's "EZ" stands.
                    const std::int32_t yEZ = Arith::arrondi(Arith::produit(7, demiHauteur) / 8.0L +
                                                            demiHauteur / 33.0L + demiHauteur);
                    surface.lineTo(x, yEZ);
                    surface.textOut(Arith::difference(x, 15), yEZ, QStringLiteral("EZ"));
                    surface.moveTo(x, y);
                }
                if (i == longDip)
                    e.LamdaDip[k] = Arith::versDouble(i * static_cast<long double>(nu));
            }
        }
        surface.moveTo(gauche, demiHauteur);
        env.pasProgression();
    }

    // Eight strips of h rows share the strip area; a dot of h - 1 pixels
    // leaves one row between neighbouring strips.
    const std::int32_t h = Arith::tronque(demiHauteur / DiviseurBandeau / 8.0L);
    double t = env.chParaCoche() ? e.SeuilHaut : e.SeuilMoyen;
    if (env.chSerieBasCoche())
        t = e.SeuilBas;
    const bool haute = env.chParaCoche();

    for (int k = 1; k <= NombreBandes; ++k) {
        const double nu =
            Arith::versDouble(Arith::divise(e.TableBandes[k - 1].Frequence, VitesseLumiere));
        surface.setCouleurPolice(CouleursBandes[k]);
        surface.setCouleurCrayon(CouleursBandes[k]);
        surface.setEpaisseurCrayon(Arith::difference(h, 1));
        if (e.BandeActive[k]) {
            const std::int32_t yBande =
                Arith::difference(Arith::somme(e.MargeY, Arith::produit(k, h)), 1);
            // From 10 cm past B to 3 cm before C; a mark is a zero-length
            // line, which the wide pen draws as a round dot.
            for (std::int32_t i = Arith::somme(longDip, 10); i < finEchantillons; ++i) {
                const double s = std::fabs(SinusCourant(i, nu));
                if (haute ? s > t : s < t) {
                    const std::int32_t x = colonne(i, echelleX, gauche);
                    surface.moveTo(x, yBande);
                    surface.lineTo(x, yBande);
                }
            }
        }
        env.pasProgression();
    }

    surface.setEpaisseurCrayon(1);
    surface.setCouleurPolice(qRgb(0, 0, 0));
    env.cacheProgression();
}
