// Time from the start of the process to the main window shown: painted once
// and its start-up sequence done. Each iteration starts this program again as
// a child that sets up the application as the program does, shows the
// window and tells the moment it was shown on the monotonic clock, which the
// parent compares with the moment it started the child.
#include "ui/fenetres/apropos/A_Propos.h"
#include "ui/fenetres/principale/L_Main.h"
#include "ui/plateforme/Application.h"
#include "ui/plateforme/PlateformeQt.h"

#include "Lancement.h"
#include "ParDefaut.h"
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTranslator>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr const char *ArgumentEnfant = "--fenetre";

std::int64_t maintenantNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Notes the main window's first paint.
class PremierAffichage : public QObject {
public:
    bool peinte = false;
    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() == QEvent::Paint)
            peinte = true;
        return QObject::eventFilter(objet, evenement);
    }
};

// The child: the program's own set-up and platform services, then the window;
// prints the moment it was shown.
int fenetre(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTranslator traductionQt;
    prepareApplication(traductionQt);
    PlateformeQt services;
    installePlateforme(&services);

    TForm1 Form1;
    Form1.Form3 = new TForm3(&Form1);
    PremierAffichage affichage;
    Form1.installEventFilter(&affichage);
    Form1.show();
    while (!(affichage.peinte && Form1.demarrageFait()))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // The paint event is noted before it is handled: let it finish.
    QApplication::processEvents();
    std::printf("%lld\n", static_cast<long long>(maintenantNs()));
    installePlateforme(nullptr);
    return 0;
}

void demarrage(benchmark::State &etat)
{
    // The window reads Kesu.ini from the working folder at start-up.
    QTemporaryDir dossier;
    copieKesuIni(dossier);
    const std::string ici = QDir::currentPath().toStdString();
    const std::string programme = QCoreApplication::applicationFilePath().toStdString();
    if (chdir(dossier.path().toLocal8Bit().constData()) != 0)
        throw std::runtime_error("cannot enter the working folder");

    for (auto _ : etat) {
        int tube[2];
        if (pipe(tube) != 0)
            throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, tube[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, tube[0]);
        char *arguments[] = {const_cast<char *>(programme.c_str()),
                             const_cast<char *>(ArgumentEnfant), nullptr};
        pid_t enfant = 0;
        const std::int64_t debut = maintenantNs();
        const int erreur =
            posix_spawn(&enfant, programme.c_str(), &actions, nullptr, arguments, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(tube[1]);
        if (erreur != 0)
            throw std::runtime_error("cannot start the child");
        std::string sortie;
        char tampon[64];
        for (ssize_t n; (n = read(tube[0], tampon, sizeof tampon)) > 0;)
            sortie.append(tampon, static_cast<std::size_t>(n));
        close(tube[0]);
        int statut = 0;
        waitpid(enfant, &statut, 0);
        if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0 || sortie.empty())
            throw std::runtime_error("the child did not show its window");
        etat.SetIterationTime(static_cast<double>(std::stoll(sortie) - debut) * 1e-9);
    }
    if (chdir(ici.c_str()) != 0)
        throw std::runtime_error("cannot go back to the first folder");
}

} // namespace

BENCHMARK(demarrage)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    plateformeSansEcran();
    if (argc == 2 && std::string(argv[1]) == ArgumentEnfant)
        return fenetre(argc, argv);
    QCoreApplication application(argc, argv); // for applicationFilePath()
    return lanceBenchmarks(argc, argv);
}
