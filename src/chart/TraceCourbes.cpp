#include "chart/TraceCourbes.h"

#include "chart/EnvironnementTrace.h"
#include "courant/RegleBandeau.h"
#include "regles/Arithmetique.h"
#include "surface/Couleurs.h"
#include "surface/Surface.h"

#include <QString>

#include <cmath>

namespace {

constexpr long double VitesseLumiere = 30'000'000.0L; // cm * kHz

// Bands' label rows and strip rows are slices of DemiHauteur.
constexpr long double DiviseurBandeau = 6.875L;

// What one band's curve needs besides its samples.
struct Courbe {
    std::int32_t fin;     // samples 0 .. fin - 1
    std::int32_t longDip; // LamdaDip is recorded at this sample
    std::int32_t iEZ;     // the "EZ" mark stands at this sample
    std::int32_t demiHauteur;
    double nu;
    int k;

    // The last label row, where every band's "EZ" stands.
    std::int32_t yEZ() const
    {
        return Arith::arrondi(Arith::produit(7, demiHauteur) / 8.0L + demiHauteur / 33.0L +
                              demiHauteur);
    }
};

void marqueEZ(Surface &surface, std::int32_t x, std::int32_t y, std::int32_t yEZ)
{
    surface.lineTo(x, yEZ);
    surface.textOut(Arith::difference(x, surface.enPixels(15)), yEZ, QStringLiteral("EZ"));
    surface.moveTo(x, y);
}

void courbeParCentimetre(Surface &surface, const Echantillons &ech, const Courbe &c)
{
    // A one-pixel line to where the pen stands draws nothing: spared.
    const bool fin = surface.epaisseurCrayon() <= 1;
    for (std::int32_t i = 0; i < c.fin; ++i) {
        const std::int32_t x = ech.colonne(i);
        const std::int32_t y = ech.rangee(i);
        if (!fin || x != surface.x() || y != surface.y())
            surface.lineTo(x, y);
        if (i == c.iEZ)
            marqueEZ(surface, x, y, c.yEZ());
        if (i == c.longDip)
            EtatCalcul.LamdaDip[c.k] = Arith::versDouble(i * static_cast<long double>(c.nu));
    }
}

// Draws the samples a to b of column x as the per-centimetre polyline would:
// first the line from the current position to sample a (when entree), then
// what the steps between the samples cover, which is every row between their
// extremes. A one-pixel line leaves out its end, so the run's last row is
// covered only by whatever starts there next; when nothing does (ouverte), a
// last row that the samples reach only on their final plateau stays bare.
void tronconParColonne(Surface &surface, const Echantillons &ech, std::int32_t x, std::int32_t a,
                       std::int32_t b, bool entree, bool ouverte)
{
    if (entree)
        surface.lineTo(x, ech.rangee(a));
    const bool fin = surface.epaisseurCrayon() <= 1;
    const auto couvre = [&](std::int32_t de, std::int32_t jusqua) {
        const auto [haut, bas] = ech.rangeesExtremes(de, jusqua);
        surface.moveTo(x, haut);
        surface.lineTo(x, fin ? Rapide::somme(bas, 1) : bas);
    };
    if (b > a) {
        if (ouverte && fin) {
            const std::int32_t palier = ech.debutPalier(a, b);
            if (palier > a) {
                couvre(a, palier - 1);
                surface.moveTo(x, ech.rangee(palier - 1));
                surface.lineTo(x, ech.rangee(b));
            }
        } else {
            couvre(a, b);
        }
    }
    surface.moveTo(x, ech.rangee(b));
}

void courbeParColonnes(Surface &surface, const Echantillons &ech, const Courbe &c)
{
    const std::int32_t dernier = c.fin - 1;
    for (std::int32_t a = 0;;) {
        const std::int32_t b = ech.finColonne(a, dernier);
        const std::int32_t x = ech.colonne(a);
        if (a <= c.iEZ && c.iEZ <= b) {
            // The "EZ" box covers what was drawn before it, not what comes after.
            const std::int32_t y = ech.rangee(c.iEZ);
            const std::int32_t yEZ = c.yEZ();
            tronconParColonne(surface, ech, x, a, c.iEZ, true, y == yEZ);
            marqueEZ(surface, x, y, yEZ);
            tronconParColonne(surface, ech, x, c.iEZ, b, false, b == dernier);
        } else {
            tronconParColonne(surface, ech, x, a, b, true, b == dernier);
        }
        if (a <= c.longDip && c.longDip <= b)
            EtatCalcul.LamdaDip[c.k] =
                Arith::versDouble(c.longDip * static_cast<long double>(c.nu));
        if (b == dernier)
            break;
        a = b + 1;
    }
}

// What a band's strip needs besides its samples.
struct Bandeau {
    std::int32_t debut; // samples debut .. fin - 1
    std::int32_t fin;
    std::int32_t y;
    RegleBandeau regle;
};

void bandeauParCentimetre(Surface &surface, const Echantillons &ech, const Bandeau &b)
{
    // A dot drawn again where it stands changes no pixel, so the rest of a
    // column that already has its dot is skipped.
    const bool copie = surface.modeCrayon() == ModeCrayon::Copie;
    bool marquee = false;
    std::int32_t derniere = 0;
    for (std::int32_t i = b.debut; i < b.fin; ++i) {
        const std::int32_t x = ech.colonne(i);
        if (copie && marquee && x == derniere)
            continue;
        if (b.regle.marque(std::fabs(ech.sinus(i)))) {
            surface.moveTo(x, b.y);
            surface.lineTo(x, b.y);
            marquee = true;
            derniere = x;
        }
    }
}

// A column is marked when one of its samples is; neighbouring marked columns
// are drawn as one wide line, whose round dots on every column are exactly
// the dots of the marks.
void bandeauParColonnes(Surface &surface, const Echantillons &ech, const Bandeau &b)
{
    const bool large = surface.epaisseurCrayon() > 1;
    bool enCours = false;
    std::int32_t premiere = 0;
    std::int32_t derniere = 0;
    const auto trace = [&] {
        surface.moveTo(premiere, b.y);
        if (large)
            surface.lineTo(derniere, b.y);
        else
            surface.moveTo(derniere, b.y); // a one-pixel dot draws nothing
    };
    const std::int32_t dernier = b.fin - 1;
    for (std::int32_t a = b.debut; a <= dernier;) {
        const std::int32_t fin = ech.finColonne(a, dernier);
        if (b.regle.marque(b.regle.haute ? ech.maxAbsolu(a, fin) : ech.minAbsolu(a, fin))) {
            const std::int32_t x = ech.colonne(a);
            if (enCours && (x == derniere + 1 || x == derniere - 1)) {
                derniere = x;
            } else {
                if (enCours)
                    trace();
                premiere = derniere = x;
                enCours = true;
            }
        }
        if (fin == dernier)
            break;
        a = fin + 1;
    }
    if (enCours)
        trace();
}

} // namespace

void TraceCourbes(Surface &surface, EnvironnementTrace &env, ModeTrace mode)
{
    TEtatCalcul &e = EtatCalcul;
    const long double echelleX = e.EchelleX;
    const long double echelleY = e.EchelleY;
    const std::int32_t demiHauteur = e.DemiHauteur;
    const std::int32_t gauche = e.GaucheGraphe;
    const std::int32_t longDip = e.LongElecDip;
    const std::int32_t finEchantillons = Arith::difference(e.LongElecTotale, 2);
    const bool parColonnes =
        mode == ModeTrace::ParColonnes ||
        (mode == ModeTrace::Automatique && e.LongElecTotale > LongueurParCentimetre);

    env.montreProgression();

    for (int k = 1; k <= NombreBandes; ++k) {
        const LigneBande &bande = e.TableBandes[k - 1];
        // A zero frequency stops the drawing here, selected band or not.
        const double lambda = Arith::versDouble(Arith::divise(VitesseLumiere, bande.Frequence));
        const double nu = Arith::versDouble(Arith::divise(bande.Frequence, VitesseLumiere));
        surface.setCouleurPolice(CouleursBandes[k]);
        surface.setCouleurCrayon(CouleursBandes[k]);
        if (e.BandeActive[k] && finEchantillons > 0) {
            const Courbe courbe{
                finEchantillons, longDip, Arith::arrondi(0.64L * lambda), demiHauteur, nu, k,
            };
            const long double rangee =
                demiHauteur + Arith::produit(k - 1, demiHauteur) / 8.0L + demiHauteur / 33.0L;
            surface.textOut(Arith::somme(gauche, surface.enPixels(5)), Arith::arrondi(rangee),
                            QString::number(bande.Bande) + QStringLiteral(" m"));
            surface.moveTo(gauche, demiHauteur);
            const Echantillons ech(nu, echelleX, echelleY, demiHauteur, gauche);
            if (parColonnes)
                courbeParColonnes(surface, ech, courbe);
            else
                courbeParCentimetre(surface, ech, courbe);
        }
        surface.moveTo(gauche, demiHauteur);
        env.pasProgression();
    }

    // Eight strips of h rows share the strip area; a dot of h - 1 pixels
    // leaves one row between neighbouring strips.
    const std::int32_t h = Arith::tronque(demiHauteur / DiviseurBandeau / 8.0L);
    const RegleBandeau regle = RegleBandeau::pour(env.chParaCoche(), env.chSerieBasCoche(),
                                                  e.SeuilBas, e.SeuilMoyen, e.SeuilHaut);

    for (int k = 1; k <= NombreBandes; ++k) {
        const double nu =
            Arith::versDouble(Arith::divise(e.TableBandes[k - 1].Frequence, VitesseLumiere));
        surface.setCouleurPolice(CouleursBandes[k]);
        surface.setCouleurCrayon(CouleursBandes[k]);
        surface.setEpaisseurCrayon(Arith::difference(h, 1));
        if (e.BandeActive[k]) {
            // From 10 cm past B to 3 cm before C; a mark is a zero-length
            // line, which the wide pen draws as a round dot.
            const Bandeau bandeau{
                Arith::somme(longDip, 10),
                finEchantillons,
                Arith::difference(Arith::somme(e.MargeY, Arith::produit(k, h)), 1),
                regle,
            };
            const Echantillons ech(nu, echelleX, echelleY, demiHauteur, gauche);
            if (parColonnes)
                bandeauParColonnes(surface, ech, bandeau);
            else
                bandeauParCentimetre(surface, ech, bandeau);
        }
        env.pasProgression();
    }

    surface.setEpaisseurCrayon(1);
    surface.setCouleurPolice(Couleurs::Black);
    env.cacheProgression();
}
