#include "projet/Cles.h"

#include "nec/Antenne.h"
#include "nec/Nombres.h"
#include "nec/Regle.h"
#include "regles/Defauts.h"
#include "regles/TextesProjet.h"

#include <algorithm>
#include <cmath>

namespace Projet {

namespace {

QStringList noms(std::initializer_list<const char *> l)
{
    QStringList r;
    for (const char *n : l)
        r << QString::fromLatin1(n);
    return r;
}
template <std::size_t N> QStringList noms(const char *const (&l)[N])
{
    QStringList r;
    for (const char *n : l)
        r << QString::fromLatin1(n);
    return r;
}

// The range of a key whose value the NEC-2 check bounds, as it bounds the
// same input typed in its window or on the command line.
std::optional<Defauts::Plage> plage(const Cle &c)
{
    using namespace Defauts;
    static const std::pair<const char *, Plage> plages[] = {
        {"branche_cm", PlageBrancheCm},
        {"echelle_cm", PlageEchelleCm},
        {"coef_echelle", PlageCoefEchelle},
        {"nec.diametre_mm", PlageDiametreMm},
        {"nec.hauteur_m", PlageHauteurM},
        {"nec.ecartement_mm", PlageEcartementMm},
        {"nec.sol_epsilon", PlagePermittivite},
        {"nec.sol_sigma_s_m", PlageConductivite},
        {"nec.z0_ohm", PlageZ0Ohms},
        {"nec.perte_db_100m", PlagePerteDb100m},
        {"nec.limite_basse_ohm", PlageLimiteOhms},
        {"nec.limite_moyenne_ohm", PlageLimiteOhms},
        {"nec.limite_haute_ohm", PlageLimiteOhms},
        {"nec.ros_max", PlageRosMax},
        {"nec.c_min_pf", PlageCapacitePf},
        {"nec.c_max_pf", PlageCapacitePf},
        {"nec.l_min_uh", PlageInductanceUh},
        {"nec.l_max_uh", PlageInductanceUh},
        {"nec.q_bobine", PlageQ},
        {"nec.q_condensateur", PlageQ},
        {"nec.puissance_w", PlagePuissanceW},
        {"nec.perte_boite_max_db", PlagePerteBoiteDb},
        {"nec.tension_max_v", PlageTensionV},
    };
    for (const auto &[nom, p] : plages)
        if (qstrcmp(nom, c.nom) == 0)
            return p;
    return std::nullopt;
}

// The value's number outside the key's range, said with the range.
std::optional<QString> horsPlage(const Cle &c, double v)
{
    const auto p = plage(c);
    if (!p || p->contient(v))
        return std::nullopt;
    return Textes::ProjetHorsPlage().arg(::Nec::texteLisible(p->min), ::Nec::texteLisible(p->max));
}

constexpr auto Nec = "VerificationNec";
constexpr auto Longueurs = "LongueursConseillees";

} // namespace

const std::vector<Cle> &cles()
{
    using G = Genre;
    static const QStringList oui = noms({"oui", "non"});
    static const std::vector<Cle> t{
        // The main window.
        {"branche_cm", G::Entier, {}, nullptr, "LongDip", "branche"},
        {"echelle_cm", G::Entier, {}, nullptr, "LongEch", "echelle"},
        {"coef_branche", G::Reel, {}, nullptr, "CoefDip", nullptr},
        {"coef_echelle", G::Reel, {}, nullptr, "CbCoefEch", "coef-echelle"},
        {"bandes", G::Bandes, {}, nullptr, "bandes", nullptr},
        {"classe", G::Choix, noms({"basse", "moyenne", "haute"}), nullptr, "classe", nullptr},
        {"seuil_bas", G::Reel, {}, nullptr, "LimiteBasse", nullptr},
        {"seuil_moyen", G::Reel, {}, nullptr, "LimitMoyenne", nullptr},
        {"seuil_haut", G::Reel, {}, nullptr, "LimiteHaute", nullptr},
        // The NEC-2 check.
        {"nec.diametre_mm", G::Reel, {}, Nec, "Diametre", "diametre"},
        {"nec.fil", G::Choix, noms(::Nec::NomsFils), Nec, "Fil", "fil"},
        {"nec.hauteur_m", G::Reel, {}, Nec, "Hauteur", "hauteur"},
        {"nec.sol", G::Choix, noms(::Nec::NomsSols), Nec, "Sol", "sol"},
        // The user's own ground's constants, used with nec.sol = personnalise.
        {"nec.sol_epsilon", G::Reel, {}, Nec, "Epsilon", "epsilon"},
        {"nec.sol_sigma_s_m", G::Reel, {}, Nec, "Sigma", "sigma"},
        {"nec.forme", G::Choix, noms(::Nec::NomsFormes), Nec, "Forme", "forme"},
        {"nec.angle_deg", G::Reel, {}, Nec, "Angle", "angle"},
        {"nec.ecartement_mm", G::Reel, {}, Nec, "Ecartement", "ecartement"},
        {"nec.z0_ohm", G::Reel, {}, Nec, "Z0", "z0"},
        {"nec.perte_db_100m", G::Reel, {}, Nec, "Perte", "perte"},
        {"nec.critere", G::Choix, noms({"limite", "boite", "reseau-t", "reseau-l"}), Nec, "Critere",
         nullptr},
        {"nec.limite_basse_ohm", G::Reel, {}, Nec, "LimiteBasse", nullptr},
        {"nec.limite_moyenne_ohm", G::Reel, {}, Nec, "LimiteMoyenne", nullptr},
        {"nec.limite_haute_ohm", G::Reel, {}, Nec, "LimiteHaute", nullptr},
        {"nec.balun", G::Choix, noms({"1", "4", "9"}), Nec, "Balun", "balun"},
        {"nec.ros_max", G::Reel, {}, Nec, "RosMax", "ros-max"},
        {"nec.region", G::Choix, noms({"1", "2", "3"}), Nec, "Region", "region"},
        {"nec.verdict", G::Choix, noms({"reference", "bande"}), Nec, "Verdict", nullptr},
        {"nec.longueur_carte_m", G::TexteOuAuto, {}, Nec, "LongueurMax", nullptr},
        {"nec.c_min_pf", G::Reel, {}, Nec, "CMin", "c-min"},
        {"nec.c_max_pf", G::Reel, {}, Nec, "CMax", "c-max"},
        {"nec.l_min_uh", G::Reel, {}, Nec, "LMin", "l-min"},
        {"nec.l_max_uh", G::Reel, {}, Nec, "LMax", "l-max"},
        {"nec.q_bobine", G::Reel, {}, Nec, "QBobine", "q-bobine"},
        {"nec.q_condensateur", G::Reel, {}, Nec, "QCondensateur", "q-condensateur"},
        {"nec.puissance_w", G::Reel, {}, Nec, "Puissance", "puissance"},
        {"nec.perte_boite_max_db", G::Reel, {}, Nec, "PerteBoiteMax", "perte-boite-max"},
        {"nec.tension_max_v", G::Reel, {}, Nec, "TensionMax", "tension-max"},
        // The advised lengths.
        {"longueurs.echelle_min_cm", G::Entier, {}, Longueurs, "EchelleMin", "echelle-min"},
        {"longueurs.echelle_max_cm", G::Entier, {}, Longueurs, "EchelleMax", "echelle-max"},
        {"longueurs.tolerance_pct", G::Reel, {}, Longueurs, "Tolerance", "tolerance"},
        {"longueurs.tolerance_echelle_pct",
         G::Reel,
         {},
         Longueurs,
         "ToleranceEchelle",
         "tolerance-echelle"},
        {"longueurs.largeur_min_cm", G::Entier, {}, Longueurs, "LargeurMin", "largeur-min"},
        {"longueurs.critere", G::Choix, noms({"graphe", "limite", "boite", "reseau-t", "reseau-l"}),
         Longueurs, "Critere", nullptr},
        {"longueurs.sur_la_bande", G::Oui, oui, Longueurs, "SurLaBande", nullptr},
        {"longueurs.chercher_branche", G::Oui, oui, Longueurs, "ChercherBranche", nullptr},
        {"longueurs.branche_min_cm", G::Entier, {}, Longueurs, "BrancheMin", "branche-min"},
        {"longueurs.branche_max_cm", G::Entier, {}, Longueurs, "BrancheMax", "branche-max"},
        {"longueurs.pas_cm", G::Entier, {}, Longueurs, "Pas", "pas"},
    };
    return t;
}

const Cle *cle(const QString &nom)
{
    for (const Cle &c : cles())
        if (nom == QLatin1String(c.nom))
            return &c;
    return nullptr;
}

std::optional<QString> fauteValeur(const Cle &c, const QString &valeur, const QList<int> &bandes)
{
    switch (c.genre) {
    case Genre::Reel:
        if (const auto v = Nec::nombre(valeur))
            return horsPlage(c, *v);
        return Textes::ProjetPasUnNombre();
    case Genre::Entier: {
        const auto v = Nec::nombre(valeur);
        // As the command line's options take them, so that a project it writes
        // reads back.
        if (v && *v == std::floor(*v) && std::fabs(*v) <= 1e9)
            return horsPlage(c, *v);
        return Textes::ProjetPasUnEntier();
    }
    case Genre::TexteOuAuto:
        if (valeur.isEmpty() || valeur == QLatin1String("auto") || Nec::nombre(valeur))
            return std::nullopt;
        return Textes::ProjetPasUnNombre();
    case Genre::Bandes:
        for (const QString &b : valeur.split(u' ', Qt::SkipEmptyParts)) {
            const auto v = Nec::nombre(b);
            if (!v)
                return Textes::ProjetBandes();
            // A band the table does not hold: the window has no box for it and
            // a command no frequency.
            if (!bandes.isEmpty() &&
                std::none_of(bandes.begin(), bandes.end(), [&](int n) { return n == *v; })) {
                QStringList noms;
                for (int n : bandes)
                    noms << QString::number(n);
                return Textes::ProjetBandeInconnue().arg(noms.join(u' '));
            }
        }
        return std::nullopt;
    case Genre::Choix:
    case Genre::Oui:
        if (c.choix.contains(valeur))
            return std::nullopt;
        return Textes::ProjetChoix().arg(c.choix.join(QStringLiteral(", ")));
    }
    return std::nullopt;
}

} // namespace Projet
