#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>

// Files written by this process while it lives can hold at most `octets`
// bytes, as on a disk that fills up: a write beyond fails (EFBIG) instead of
// ending the process (SIGXFSZ ignored). Put back as it was when it goes.
class LimiteFichier {
public:
    explicit LimiteFichier(rlim_t octets)
    {
        getrlimit(RLIMIT_FSIZE, &avant_);
        signalAvant_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = avant_;
        limite.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~LimiteFichier()
    {
        setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, signalAvant_);
    }
    LimiteFichier(const LimiteFichier &) = delete;
    LimiteFichier &operator=(const LimiteFichier &) = delete;

private:
    rlimit avant_{};
    void (*signalAvant_)(int) = nullptr;
};
#endif
