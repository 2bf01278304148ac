// The advised lengths of the default antenna over average ground, eight bands
// across the whole band, branch +-2 %: the search from "Chercher" to the list
// shown (three nec2c runs), the same from the command line beside the
// engine's own time on its decks, the same search repeated (from the results
// kept between runs), a new search
// after a change of range or criterion (no nec2c run), and a branch search
// over 50 branch lengths.
#include "commande/CommandeLongueurs.h"
#include "nec/Parallele.h"
#include "ui/fenetres/longueurs/LongueursConseillees.h"

#include "Lancement.h"
#include "ParDefaut.h"
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

void cherche(LongueursConseillees &l)
{
    l.Chercher->click();
    // Blocks until something happens: a spinning wait would take a core from nec2c.
    while (!l.Chercher->isEnabled())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (l.fenetres().empty())
        throw std::runtime_error("no window found: is nec2c installed?");
    l.Liste->repaint();
}

// A new window each time, so that nothing is answered from memory.
void rechercheParDefaut(benchmark::State &etat)
{
    for (auto _ : etat) {
        etat.PauseTiming();
        LongueursConseillees l(principales);
        l.show();
        QApplication::processEvents();
        etat.ResumeTiming();
        cherche(l);
        if (l.calculs().executions() != 3)
            throw std::runtime_error("not three antennas");
    }
}

// kesu --longueurs in a folder holding the default Kesu.ini.
void commande(benchmark::State &etat)
{
    QTemporaryDir dossier;
    copieKesuIni(dossier);
    const QString avant = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    QString sortie, erreurs;
    // The engine's own time on the same decks, side by side with the whole.
    qint64 moteurNs = 0;
    for (auto _ : etat) {
        sortie.clear();
        QTextStream s(&sortie), e(&erreurs);
        const int code = Longueurs::ligneCommande(
            {QStringLiteral("--longueurs")}, Commande::litKesuIni, s, e,
            [&moteurNs](const std::vector<QByteArray> &decks, double delaiS) {
                QElapsedTimer chrono;
                chrono.start();
                auto r = Nec::ExecutionNec::executeBloquants(decks, Nec::taches(),
                                                             Nec::programmeNec(), delaiS);
                moteurNs += chrono.nsecsElapsed();
                return r;
            });
        if (code != 0)
            throw std::runtime_error("kesu --longueurs failed");
    }
    etat.counters["moteur_ms"] =
        benchmark::Counter(moteurNs / 1e6 / static_cast<double>(etat.iterations()));
    QDir::setCurrent(avant);
}

// The same search asked again: answered from the results kept between runs.
void commandeRepetee(benchmark::State &etat)
{
    QTemporaryDir dossier, cache;
    copieKesuIni(dossier);
    const QString avant = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    qunsetenv("KESU_SANS_CACHE");
    qputenv("KESU_CACHE", cache.path().toLocal8Bit());
    const auto recherche = [] {
        QString sortie, erreurs;
        QTextStream s(&sortie), e(&erreurs);
        if (Longueurs::ligneCommande({QStringLiteral("--longueurs")}, Commande::litKesuIni, s, e,
                                     [](const std::vector<QByteArray> &decks, double delaiS) {
                                         return Nec::ExecutionNec::executeBloquants(
                                             decks, Nec::taches(), Nec::programmeNec(), delaiS);
                                     }) != 0)
            throw std::runtime_error("kesu --longueurs failed");
    };
    recherche(); // fills the cache
    for (auto _ : etat)
        recherche();
    qputenv("KESU_SANS_CACHE", "1");
    qunsetenv("KESU_CACHE");
    QDir::setCurrent(avant);
}

// Range and criterion changed in turn: nec2c's answers are kept.
void nouvelleRecherche(benchmark::State &etat)
{
    LongueursConseillees l(principales);
    l.show();
    cherche(l);
    const int executions = l.calculs().executions();
    int tour = 0;
    for (auto _ : etat) {
        ++tour;
        l.EchelleMax->setText(tour % 2 ? QStringLiteral("3000") : QStringLiteral("4000"));
        l.Critere->setCurrentIndex(tour % 3 ? 1 : 2);
        cherche(l);
    }
    if (l.calculs().executions() != executions)
        throw std::runtime_error("nec2c ran again");
}

// 50 branch lengths, 1800 to 2290 cm by 10 cm, each at +-2 %, from an empty cache.
void cinquanteBranches(benchmark::State &etat)
{
    for (auto _ : etat) {
        etat.PauseTiming();
        LongueursConseillees l(principales);
        l.show();
        l.ChercherBranche->setChecked(true);
        l.BrancheMin->setText(QStringLiteral("1800"));
        l.BrancheMax->setText(QStringLiteral("2290"));
        l.Pas->setText(QStringLiteral("10"));
        QApplication::processEvents();
        // From an empty cache: the engine's ground grids are kept from the
        // first branch on, as they are for a user.
        QTemporaryDir cache;
        qunsetenv("KESU_SANS_CACHE");
        qputenv("KESU_CACHE", cache.path().toLocal8Bit());
        etat.ResumeTiming();
        cherche(l);
        etat.PauseTiming();
        qputenv("KESU_SANS_CACHE", "1");
        qunsetenv("KESU_CACHE");
        etat.ResumeTiming();
    }
}

// kesu --longueurs --branche-min 1800: the default branch search (1800 to
// 2300 cm by 10 cm, each at +-2 %) from an empty cache, its decks on every core.
void commandeBranches(benchmark::State &etat)
{
    QTemporaryDir dossier;
    copieKesuIni(dossier);
    const QString avant = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    for (auto _ : etat) {
        etat.PauseTiming();
        QTemporaryDir cache;
        qunsetenv("KESU_SANS_CACHE");
        qputenv("KESU_CACHE", cache.path().toLocal8Bit());
        etat.ResumeTiming();
        QString sortie, erreurs;
        QTextStream s(&sortie), e(&erreurs);
        if (Longueurs::ligneCommande({QStringLiteral("--longueurs"),
                                      QStringLiteral("--branche-min"), QStringLiteral("1800")},
                                     Commande::litKesuIni, s, e,
                                     [](const std::vector<QByteArray> &decks, double delaiS) {
                                         return Nec::ExecutionNec::executeBloquants(
                                             decks, Nec::taches(), Nec::programmeNec(), delaiS);
                                     }) != 0)
            throw std::runtime_error("kesu --longueurs --branche-min 1800 failed");
        etat.PauseTiming();
        qputenv("KESU_SANS_CACHE", "1");
        qunsetenv("KESU_CACHE");
        etat.ResumeTiming();
    }
    QDir::setCurrent(avant);
}

} // namespace

BENCHMARK(rechercheParDefaut)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(commande)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(commandeRepetee)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(nouvelleRecherche)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(cinquanteBranches)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(commandeBranches)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char **argv)
{
    plateformeSansEcran();
    // Every run asks the engine: the answers kept between runs would time nothing.
    qputenv("KESU_SANS_CACHE", "1");
    // The window's settings go to a folder of the benchmark's own.
    QTemporaryDir reglages;
    qputenv("XDG_CONFIG_HOME", reglages.path().toLocal8Bit());
    QApplication application(argc, argv);
    return lanceBenchmarks(argc, argv);
}
