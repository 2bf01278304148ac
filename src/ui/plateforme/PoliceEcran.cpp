#include "ui/plateforme/PoliceEcran.h"

#include <cmath>

namespace {

// Liberation Sans at 11 pixels, narrowed to 97 %, is 13 pixels high and within
// a pixel or two of MS Sans Serif's widths on the window's longest captions.
constexpr qreal TailleVectorielle = 11;
constexpr int Largeur = 97;

QFont vectorielle(int taillePixels)
{
    QFont police(QStringLiteral("Liberation Sans"));
    police.setStyleHint(QFont::SansSerif);
    police.setPixelSize(taillePixels);
    police.setStretch(Largeur);
    return police;
}

} // namespace

QFont PoliceVectorielle()
{
    return vectorielle(static_cast<int>(TailleVectorielle));
}

QFont PoliceGraphe(qreal ratio)
{
    return vectorielle(std::max(1, static_cast<int>(std::lround(TailleVectorielle * ratio))));
}
