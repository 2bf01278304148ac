#pragma once

#include <QByteArray>
#include <QProcess>

// The engine's process, and every process it starts in turn (a wrapper
// script's children), handled as one: they run in a session of their own, so
// that a terminal's Ctrl+C reaches the program, not them, and are ended
// together, on cancel, on a time limit, on the program's end, and even when
// the program itself is killed outright.
namespace Nec {

// What is kept of the engine's error stream: its end, which holds the reason
// it stopped; an engine writing without end costs no memory.
inline constexpr qsizetype ErreursMax = 64 * 1024;

class ProcessusMoteur : public QProcess {
public:
    explicit ProcessusMoteur(QObject *parent = nullptr);
    // The run's private folder, the engine's working directory: the program
    // removes it; if the program is killed outright, the watcher does, with
    // the files the engine wrote there (not its subfolders).
    void dossierPrive(const QString &chemin);
    // Ends the whole group if it still runs.
    ~ProcessusMoteur() override;
    ProcessusMoteur(const ProcessusMoteur &) = delete;
    ProcessusMoteur &operator=(const ProcessusMoteur &) = delete;

    // Kills the engine and every process of its group, then waits at most
    // attenteMs (all the time needed when negative) for its end. An object
    // starts one engine only: after tue, it is done.
    void tue(int attenteMs = -1);

    // The end of what the engine wrote on its error stream (ErreursMax bytes
    // at most), read as it came.
    QByteArray erreurs();

private:
    void litErreurs();

    QByteArray erreurs_;
    QByteArray dossier_; // read by the watcher, in the child, before the exec
    // Held open by the program while the engine runs: when it closes, by the
    // program's choice or its death, a watcher in the engine's group ends the
    // group. -1 once closed.
    int gardien_[2] = {-1, -1};
    // On Windows, a job object holding the engine: killed with it on
    // cancel, and by Windows itself when the program's handle to it closes,
    // the program's death included.
    void *travail_ = nullptr;
};

} // namespace Nec
