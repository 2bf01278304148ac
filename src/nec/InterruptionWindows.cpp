// Windows has no signals: a console's Ctrl+C, Ctrl+Break or its closing come
// to a control handler, on a thread of their own. During a run the handler
// raises a flag the run's event loop polls (the guard has no descriptor); once
// the run's cleanup is done, the program ends as Ctrl+C would have ended it.
// Outside a run the handler declines, and Windows ends the program as usual.
#include "nec/Interruption.h"

#include <atomic>
#include <windows.h>

namespace Nec {

namespace {

std::atomic<bool> enCours{false};
std::atomic<bool> recu{false};
bool installe = false;

BOOL WINAPI controle(DWORD evenement)
{
    if (!enCours)
        return FALSE;
    switch (evenement) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
        recu = true;
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void installeInterruptions()
{
    if (!installe)
        installe = SetConsoleCtrlHandler(controle, TRUE) != 0;
}

GardeInterruption::GardeInterruption()
{
    enCours = true;
}

GardeInterruption::~GardeInterruption()
{
    enCours = false;
    // The status a console program ended by Ctrl+C has.
    if (recu.exchange(false))
        ExitProcess(STATUS_CONTROL_C_EXIT);
}

bool interruptionEnAttente()
{
    return recu;
}

int GardeInterruption::descripteur() const
{
    return -1;
}

} // namespace Nec
