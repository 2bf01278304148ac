#pragma once

#include "calc/TraceGraphe.h"
#include "chart/EnvironnementMuet.h"
#include "state/Echelles.h"
#include "state/EtatCalcul.h"

#include <QFont>
#include <QImage>
#include <QSize>

// How a chart picture is drawn: its size in pixels, its finesse (see
// Surface) and the font of its letters. The screen at ratio 1 is {size, 1,
// the window's font}; a finer picture has wider lines, larger letters and
// distances in proportion, so that it looks the same.
struct RenduGraphe {
    QSize taille;
    double finesse = 1;
    QFont police;
};

struct DessinGraphe {
    QImage image;
    EchellesGraphe echelles;
};

// The chart of the last "Lancer", kept so that it can be drawn again at any
// size (a resized window, a finer screen, a saved picture) as that "Lancer"
// would have drawn it there, whatever was typed or ticked since.
class DernierGraphe {
public:
    // Keeps EtatCalcul as the chart was just drawn with it, and the impedance
    // class that was checked.
    void retient(bool chPara, bool chSerieBas);
    void oublie() { present_ = false; }
    bool present() const { return present_; }

    // The chart on a white picture; EtatCalcul is left as it was.
    DessinGraphe dessine(const RenduGraphe &rendu);

    // Draws the chart of EtatCalcul as it stands for a picture of rendu.taille
    // onto image (made that size, white, when it is not) with env's impedance
    // class: "Lancer" and dessine() share it.
    static void trace(QImage &image, const RenduGraphe &rendu, EnvironnementTrace &env);

private:
    TEtatCalcul etat_;
    EnvironnementMuet classe_; // the impedance class of that "Lancer"
    bool present_ = false;
};
