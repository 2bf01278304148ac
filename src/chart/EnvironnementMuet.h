#pragma once

#include "chart/EnvironnementTrace.h"

// A chart drawn unseen: no progress bar, the print button left as it is; the
// medium impedance class unless told otherwise. Redrawing the last chart, and
// the tests, draw with it.
struct EnvironnementMuet : EnvironnementTrace {
    bool para = false;     // "Impédance haute" checked
    bool serieBas = false; // "Impédance basse" checked
    bool chParaCoche() const override { return para; }
    bool chSerieBasCoche() const override { return serieBas; }
    void montreProgression() override {}
    void pasProgression() override {}
    void cacheProgression() override {}
    void montreImpression() override {}
};
