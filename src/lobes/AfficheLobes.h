#pragma once

#include <QImage>

class Surface;

// What the lobe panel does to the main window. The window implements it; the
// panel itself knows neither widgets nor their names.
class PanneauLobes {
public:
    virtual ~PanneauLobes() = default;

    // Disables the drag buttons ClicAB and ClicBC.
    virtual void desactiveDeplacements() = 0;
    // Shows Image1 if hidden, hides it if shown.
    virtual void inverseVisibiliteImage1() = 0;
    virtual int largeurImage1() const = 0;
    virtual int hauteurImage1() const = 0;
    // Band k's picture area (k = 1..8, Image80 … Image10): replaces its
    // picture by `image` and shows it.
    virtual void afficheBande(int k, const QImage &image) = 0;
    // The same diagram with four times the pixels each way, for drawing band
    // k's area larger than the picture; null when there is none.
    virtual void afficheBandeFine(int, const QImage &) {}
    // Hides band k's picture area; its picture stays loaded.
    virtual void cacheBande(int k) = 0;
    // Disables the lobe button LRayon.
    virtual void desactiveLRayon() = 0;
    // Shows the print button BitBtn2.
    virtual void afficheImpression() = 0;
};

// Replaces the chart by one lobe diagram per selected band, chosen from
// EtatCalcul.LamdaDip, and paints the chart's own picture teal on `surface`
// (the surface of Image1). A missing picture raises "Ressource … non trouvée"
// and leaves the panel as far as it got: bands before it shown, LRayon still
// enabled, the print button and GrapheCourants untouched.
void AfficheLobes(Surface &surface, PanneauLobes &panneau);
