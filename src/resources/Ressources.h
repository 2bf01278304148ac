#pragma once

#include <QImage>
#include <QString>

// The pictures that come with the program (lobe diagrams, About picture, window
// icon, print glyphs) live in the resource system under this folder, one PNG
// per picture, named after the picture.
inline constexpr char DossierImages[] = ":/images";

// Resource path of the picture called `nom`, the name matched without regard
// to letter case ("LAMDA0_25" finds lamda0_25.png); empty when there is none.
// Lets the windows build icons and pixmaps from the same pictures.
QString CheminBitmap(const QString &nom);

// The picture called `nom`, matched without regard to letter case. A missing
// or unreadable picture raises "Ressource <nom> non trouvée".
QImage ChargeBitmap(const QString &nom);

// A picture button's glyphs: a strip of square glyphs side by side, the first
// for the normal button, the second for the disabled one.
struct GlyphesBouton {
    QImage normal;
    QImage inactif;
};

// Splits the strip called `nom` (twice as wide as high) into its two glyphs.
// Raises "Ressource <nom> non trouvée" like ChargeBitmap.
GlyphesBouton ChargeGlyphes(const QString &nom);
