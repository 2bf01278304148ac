#pragma once

#include "regles/Defauts.h"

#include <cstdint>

// The two verdicts on where C may fall: the chart's rule of thumb and what a
// tuner can match of the impedance NEC-2 gives.
namespace Nec {

enum class Classe { Basse, Moyenne, Haute };

// Each class's short name (command line, exported table), in the enum's order.
inline constexpr const char *NomsClasses[] = {"basse", "moyenne", "haute"};

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

// True where the tuner can match an impedance of this modulus.
bool accordable(double module, Classe classe, const LimitesAccord &limites);

} // namespace Nec
