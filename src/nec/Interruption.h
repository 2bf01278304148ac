#pragma once

// SIGINT, SIGTERM and SIGHUP during a blocking nec2c run (the command line):
// the run stops nec2c and removes its temporary folder first, then the program ends
// as the signal would have ended it, so a shell sees the usual status.
namespace Nec {

// Call once, from the main thread, before the first run. Outside a run the
// three signals keep their default action.
void installeInterruptions();

// Held by a blocking run for its whole life, built before its folder and its
// process: a signal that comes meanwhile is kept for the run, which watches
// descripteur(); when the guard goes, the run's cleanup done, the kept signal
// is delivered again with its default action.
class GardeInterruption {
public:
    GardeInterruption();
    ~GardeInterruption();
    GardeInterruption(const GardeInterruption &) = delete;
    GardeInterruption &operator=(const GardeInterruption &) = delete;

    // Readable once a signal came; -1 when installeInterruptions was never called.
    int descripteur() const;
};

// Whether a signal came during the run and waits for the guard's end: a wait
// outside the run's event loop (the engine's check) looks at it.
bool interruptionEnAttente();

} // namespace Nec
