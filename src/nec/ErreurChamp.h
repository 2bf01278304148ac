#pragma once

#include "regles/Erreurs.h"

#include <QString>
#include <utility>

namespace Nec {

// The inputs an error can be about, so that a window shows it beside its box:
// the main window's first, then the check's own.
enum class Champ {
    Branche,
    Echelle,
    CoefEchelle,
    CoefDipole,
    Bandes,
    Diametre,
    Ecartement,
    Angle,
    Hauteur,
    Z0,
    Perte,
    LimiteBasse,
    LimiteMoyenne,
    LimiteHaute,
    LongueurMax,
    Balun,
    RosMax,
    Region,
    Points,
    CMin,
    CMax,
    LMin,
    LMax,
    QBobine,
    QCondensateur,
    Puissance,
    PerteBoiteMax,
    TensionMax,
    Permittivite,
    Conductivite,
};

class ErreurChamp : public KesuErreur {
public:
    ErreurChamp(Champ champ, QString texte) : KesuErreur(std::move(texte)), champ_(champ) {}
    Champ champ() const { return champ_; }

private:
    Champ champ_;
};

} // namespace Nec
