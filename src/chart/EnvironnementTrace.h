#pragma once

// What the chart drawing reads from and drives on the main window, without
// knowing its widgets: the checked impedance-class radio buttons, the progress
// bar and the print button.
class EnvironnementTrace {
public:
    virtual ~EnvironnementTrace() = default;
    virtual bool chParaCoche() const = 0;     // "Impédance haute"
    virtual bool chSerieBasCoche() const = 0; // "Impédance basse"
    virtual void montreProgression() = 0;
    virtual void pasProgression() = 0;
    virtual void cacheProgression() = 0;
    virtual void montreImpression() = 0; // shows the print button
};
