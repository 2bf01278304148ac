#include "nec/Interruption.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace Nec {

namespace {

// The self-pipe: the handler writes the signal's number, the run's event loop
// reads it. Only async-signal-safe calls in the handler.
int tube[2] = {-1, -1};
volatile std::sig_atomic_t enCours = 0;

extern "C" void recoit(int signal)
{
    if (!enCours) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    const int erreur = errno;
    const unsigned char octet = static_cast<unsigned char>(signal);
    [[maybe_unused]] const auto ecrits = write(tube[1], &octet, 1);
    errno = erreur;
}

// The signal kept in the pipe, or 0.
int signalRecu()
{
    unsigned char octet = 0;
    int signal = 0;
    while (read(tube[0], &octet, 1) == 1)
        signal = octet;
    return signal;
}

} // namespace

void installeInterruptions()
{
    if (tube[0] >= 0)
        return;
    if (pipe2(tube, O_CLOEXEC | O_NONBLOCK) != 0) {
        tube[0] = tube[1] = -1;
        return;
    }
    struct sigaction action = {};
    action.sa_handler = recoit;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    // A closed terminal, or a session that ends, is one more way to be told to stop.
    sigaction(SIGHUP, &action, nullptr);
}

GardeInterruption::GardeInterruption()
{
    enCours = 1;
}

GardeInterruption::~GardeInterruption()
{
    enCours = 0;
    if (tube[0] < 0)
        return;
    // A signal that came after the run's own check is delivered here too.
    if (const int signal = signalRecu()) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
}

bool interruptionEnAttente()
{
    if (tube[0] < 0)
        return false;
    pollfd p{tube[0], POLLIN, 0};
    return poll(&p, 1, 0) > 0;
}

int GardeInterruption::descripteur() const
{
    return tube[0];
}

} // namespace Nec
