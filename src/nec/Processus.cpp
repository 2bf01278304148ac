#include "nec/Processus.h"

#include <QFile>

#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#include <sys/syscall.h>
#endif
#endif

namespace Nec {

#ifdef Q_OS_UNIX
namespace {

// In the child, between fork and exec: async-signal-safe calls only. Qt may
// start the child as vfork does, in the program's memory: a fork there runs no
// handler of the program's libraries when the C library allows it.
pid_t forkNu()
{
#if defined(__GLIBC__) && __GLIBC_PREREQ(2, 34)
    return _Fork();
#else
    return fork();
#endif
}

void fermeTout(int garde)
{
#if defined(Q_OS_LINUX) && defined(SYS_close_range)
    if ((garde == 0 || syscall(SYS_close_range, 0u, unsigned(garde - 1), 0u) == 0) &&
        syscall(SYS_close_range, unsigned(garde + 1), ~0u, 0u) == 0)
        return;
#endif
    rlimit l{};
    const int dernier =
        getrlimit(RLIMIT_NOFILE, &l) == 0 && l.rlim_cur != RLIM_INFINITY && l.rlim_cur < 65536
            ? int(l.rlim_cur)
            : 65536;
    for (int fd = 0; fd < dernier; ++fd)
        if (fd != garde)
            close(fd);
}

#ifdef Q_OS_LINUX
// Removes the files of a folder, then the folder, with system calls alone.
void efface(const char *dossier)
{
    const int d = open(dossier, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d < 0)
        return;
    struct Entree {
        std::uint64_t inode;
        std::int64_t suivante;
        unsigned short longueur;
        unsigned char type;
        char nom[1];
    };
    alignas(8) char tampon[1024];
    // A pass that removes files may skip some of the listing: passes again.
    for (int passe = 0; passe < 8; ++passe) {
        bool retire = false;
        lseek(d, 0, SEEK_SET);
        for (;;) {
            const long n = syscall(SYS_getdents64, d, tampon, sizeof tampon);
            if (n <= 0)
                break;
            for (long i = 0; i < n;) {
                const auto *e = reinterpret_cast<const Entree *>(tampon + i);
                i += e->longueur;
                const char *nom = e->nom;
                if (nom[0] == '.' && (nom[1] == 0 || (nom[1] == '.' && nom[2] == 0)))
                    continue;
                retire |= unlinkat(d, nom, 0) == 0;
            }
        }
        if (!retire)
            break;
    }
    close(d);
    rmdir(dossier);
}

// Once the program is dead, out of the engine's group so as to outlive it:
// waits (at most two seconds) for the group to be gone, then removes the
// run's folder.
void nettoieApres(pid_t groupe, const char *dossier)
{
    setpgid(0, 0);
    for (int i = 0; i < 200 && ::kill(-groupe, 0) == 0; ++i) {
        const timespec pause{0, 10'000'000};
        nanosleep(&pause, nullptr);
    }
    efface(dossier);
}
#endif

// The engine's side, before its exec: a session of its own (and so a process
// group whose id is its pid), and a watcher in that group which ends the
// group once the program closes its end of the pipe, or dies.
void isole(pid_t programme, int lecture, const char *dossier)
{
    setsid();
#ifdef Q_OS_LINUX
    // The engine alone dies with the program even if the watcher could not
    // be made; the check of the parent closes the gap before prctl.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    if (getppid() != programme)
        _exit(127);
    if (lecture < 0 || forkNu() != 0)
        return;
    // The watcher: nothing of the program's kept but the pipe's end, so that
    // it holds neither the engine's streams nor the program's files open.
    // Only a group the engine leads is ended: never the program's own.
    const pid_t groupe = getpgrp();
    if (groupe != getppid())
        _exit(0);
    fermeTout(lecture);
    char octet;
    ssize_t lu;
    while ((lu = read(lecture, &octet, 1)) < 0 && errno == EINTR) {
    }
    // No word from the program, only the pipe's end: it died, and left the
    // folder behind.
#ifdef Q_OS_LINUX
    if (lu == 0 && dossier[0] != 0) {
        const pid_t nettoyeur = forkNu();
        if (nettoyeur == 0) {
            nettoieApres(groupe, dossier);
            _exit(0);
        }
        // Out of the group before the group is killed, whichever runs first.
        if (nettoyeur > 0)
            setpgid(nettoyeur, nettoyeur);
    }
#else
    Q_UNUSED(dossier);
#endif
    ::kill(-groupe, SIGKILL);
    _exit(0);
}

} // namespace
#endif

ProcessusMoteur::ProcessusMoteur(QObject *parent) : QProcess(parent)
{
    connect(this, &QProcess::readyReadStandardError, this, &ProcessusMoteur::litErreurs);
#ifdef Q_OS_UNIX
    // Both ends closed at the engine's exec; the watcher keeps the reading one.
    if (pipe2(gardien_, O_CLOEXEC) != 0)
        gardien_[0] = gardien_[1] = -1;
    const pid_t programme = getpid();
    const int lecture = gardien_[0];
    setChildProcessModifier(
        [this, programme, lecture] { isole(programme, lecture, dossier_.constData()); });
#endif
#ifdef Q_OS_WIN
    // No process group to kill: a job ends the engine and whatever it starts.
    if (HANDLE job = CreateJobObjectW(nullptr, nullptr)) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limites{};
        limites.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limites, sizeof limites);
        travail_ = job;
    }
    connect(this, &QProcess::started, this, [this] {
        if (!travail_)
            return;
        if (HANDLE p = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE,
                                   static_cast<DWORD>(processId()))) {
            AssignProcessToJobObject(static_cast<HANDLE>(travail_), p);
            CloseHandle(p);
        }
    });
#endif
}

void ProcessusMoteur::dossierPrive(const QString &chemin)
{
    setWorkingDirectory(chemin);
    dossier_ = QFile::encodeName(chemin);
}

ProcessusMoteur::~ProcessusMoteur()
{
    tue();
}

void ProcessusMoteur::tue(int attenteMs)
{
#ifdef Q_OS_UNIX
    // Not yet reaped, the engine's pid still names its group: no other can
    // have taken it. The rest of the group (or all of it once reaped) is the
    // watcher's, which the closed pipe wakes.
    if (state() != QProcess::NotRunning && processId() > 0)
        ::kill(-pid_t(processId()), SIGKILL);
    // The word that tells the watcher the program lives and cleans up itself;
    // written while the program still holds the reading end, so that the pipe
    // never lacks a reader.
    if (gardien_[1] >= 0) {
        [[maybe_unused]] const auto ecrit = ::write(gardien_[1], "x", 1);
    }
    for (int &fd : gardien_)
        if (fd >= 0)
            ::close(std::exchange(fd, -1));
#endif
#ifdef Q_OS_WIN
    if (travail_) {
        TerminateJobObject(static_cast<HANDLE>(travail_), 1);
        CloseHandle(static_cast<HANDLE>(std::exchange(travail_, nullptr)));
    }
#endif
    if (state() != QProcess::NotRunning) {
        kill();
        waitForFinished(attenteMs);
    }
}

void ProcessusMoteur::litErreurs()
{
    erreurs_ += readAllStandardError();
    // Cut seldom: the copy is paid once per ErreursMax bytes read.
    if (erreurs_.size() > 2 * ErreursMax)
        erreurs_ = erreurs_.last(ErreursMax);
}

QByteArray ProcessusMoteur::erreurs()
{
    litErreurs();
    return erreurs_.size() > ErreursMax ? erreurs_.last(ErreursMax) : erreurs_;
}

} // namespace Nec
