#pragma once

#include "regles/Defauts.h"

#include <complex>
#include <cstdint>

// The two verdicts on where C may fall: the chart's rule of thumb and what a
// tuner can match of the impedance NEC-2 gives.
namespace Nec {

enum class Classe { Basse, Moyenne, Haute };

// Each class's short name (command line, exported table), in the enum's order,
// then the tuner the user owns, which the chart has no class for: by the SWR
// it sees, or as a T or an L network of real parts.
inline constexpr const char *NomsClasses[] = {"basse", "moyenne",  "haute",
                                              "boite", "reseau-t", "reseau-l"};

// What decides where the tuner matches C: a limit on |Z| of the chart's class,
// the user's own tuner behind its balun, judged by the SWR it sees or as a
// network of the user's parts.
enum class Critere { Limite, Boite, ReseauT, ReseauL };

// A criterion's place in NomsClasses (and in the windows' lists), and back:
// the chart's class is kept when the criterion is not a class.
inline int rangCritere(Critere critere, Classe classe)
{
    return critere == Critere::Limite ? static_cast<int>(classe) : 2 + static_cast<int>(critere);
}
inline void depuisRang(int rang, Critere &critere, Classe &classe)
{
    critere = rang < 3 ? Critere::Limite : static_cast<Critere>(rang - 2);
    if (rang < 3)
        classe = static_cast<Classe>(rang);
}
inline bool critereReseau(Critere c)
{
    return c == Critere::ReseauT || c == Critere::ReseauL;
}

inline constexpr int Baluns[] = {1, 4, 9};

// A balun of ratio 1:balun in front of a tuner that matches up to rosMax at
// 50 ohms.
struct Boite {
    int balun = Defauts::Balun;
    double rosMax = Defauts::RosMaxBoite;
    bool operator==(const Boite &) const = default;
};

inline constexpr double ImpedanceEmetteur = 50;

// The SWR the tuner sees at 50 ohms when C is z, through the balun.
double rosBoite(std::complex<double> z, int balun);

// The chart's thresholds on |sin| (the main window's start-up values).
struct SeuilsGraphe {
    double bas = Defauts::SeuilBas;
    double moyen = Defauts::SeuilMoyen;
    double haut = Defauts::SeuilHaut;
    bool operator==(const SeuilsGraphe &) const = default;
};

// What the tuner can match: |Z| up to basse or moyenne, or from haute up.
struct LimitesAccord {
    double basse = Defauts::LimiteBasseOhms;
    double moyenne = Defauts::LimiteMoyenneOhms;
    double haute = Defauts::LimiteHauteOhms;
    bool operator==(const LimitesAccord &) const = default;
};

// Electrical position from A of a point l cm down the ladder, as the chart
// places C: LongElecDip + l / VF, rounded to the centimetre, ties to even.
std::int32_t positionElectrique(std::int32_t longElecDip, std::int32_t echelleCm,
                                double coefEchelle);

// The chart's verdict at an electrical position: true where its strip is
// marked, that is where C may not fall.
bool grapheMarque(std::int32_t frequenceKHz, std::int32_t positionCm, Classe classe,
                  const SeuilsGraphe &seuils);

// True where the tuner can match an impedance of this modulus. Inline: the
// map asks it at every centimetre of every band.
inline bool accordable(double module, Classe classe, const LimitesAccord &limites)
{
    switch (classe) {
    case Classe::Haute:
        return module >= limites.haute;
    case Classe::Moyenne:
        return module <= limites.moyenne;
    case Classe::Basse:
        break;
    }
    return module <= limites.basse;
}
bool accordable(const Boite &boite, std::complex<double> z);

} // namespace Nec
