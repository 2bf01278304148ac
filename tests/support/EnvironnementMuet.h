#pragma once

#include "chart/EnvironnementTrace.h"

// A window that lets the chart draw and shows nothing (no progress bar, no
// print button); the medium impedance class unless told otherwise.
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
