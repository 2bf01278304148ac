#pragma once

#include "regles/Defauts.h"

#include "nec/LectureSortie.h"
#include "nec/Moteur.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QProcess>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

class QTemporaryDir;
class QTimer;

// Running nec2c as a separate process on a deck written to a private
// temporary folder, and reading back the impedance of each frequency.
namespace Nec {

class ProcessusMoteur;

// The window's runs have no time limit (the user cancels); a run for the
// command line has one, by default enough for the largest antenna the check
// accepts: SegmentsMax segments, eight bands and their sweeps (48 frequencies)
// over a Sommerfeld ground took the corrected nec2c 458 s of one core, which
// the default limit passes by 1.3 times.
inline constexpr int SansDelai = 0;
inline constexpr double DelaiBloquantS = Defauts::DelaiCommandeS;

// The most of an output file read back. The largest the program asks, as
// measured with the corrected engine: SegmentsMax segments and 48 frequencies
// write about 0.3 MB (the geometry's listing, 0.2 MB, then 2 kB a frequency);
// the patterns' deck adds a far-field grid of 0.27 MB at each of up to 16
// frequencies, about 5 MB in all. Fifty times that is no engine's answer to
// our decks: a larger file is not read.
inline constexpr qsizetype SortieMax = qsizetype(256) * 1024 * 1024;

// How a run ended, as far as the program can tell.
struct FinExecution {
    bool introuvable = false; // the program could not be started
    bool delaiDepasse = false;
    double delaiS = 0; // the limit that was passed
    QProcess::ExitStatus statut = QProcess::NormalExit;
    int code = 0;
    QByteArray sortie;                       // the output file's contents
    bool sortieTropGrande = false;           // beyond SortieMax: left unread
    QByteArray erreurs;                      // what it wrote on its error stream
    std::vector<double> frequencesDemandees; // MHz, the deck's, in order
};

// The impedances, or the one French message that says what went wrong, with
// nec2c's own reason when it gave one. Every answer is checked: at most one
// per frequency asked, each at the frequency asked, in order; the frequencies
// left without an answer are marked missing. Whether a value is physical is
// judged band by band (evalue), so that one band's failure keeps the others.
using Bilan = std::variant<std::vector<ImpedanceB>, QString>;
Bilan interprete(const FinExecution &fin);

// Whether a program can be started under this name (a path or a name looked
// up in PATH): said before any run, so that a missing nec2c is known at once.
bool disponible(const QString &programme);

// Several decks computed together by at most `taches` nec2c at once. Each deck
// is first looked up whole in the cache; the others' frequencies are shared
// out between `taches` runs each, taken in the decks' order, each run its own
// process and folder, and the answers put back in the deck's
// order and kept whole in the cache, so that no answer depends on how many
// runs computed it. A run that fails leaves only its own frequencies missing;
// a deck all of whose runs failed alike gets their message, and its failure
// (as a refused deck's) stops the others. Neither the limit nor the signals
// are its concern: the caller stops it.
class Lot : public QObject {
public:
    Lot(const QString &programme, int taches, std::vector<QByteArray> decks,
        QObject *parent = nullptr);
    ~Lot() override;
    Lot(const Lot &) = delete;
    Lot &operator=(const Lot &) = delete;

    // Frequencies computed, over those the engine is asked (the cache's not counted).
    std::function<void(int faites, int total)> progression;
    // Every deck answered, or one failed; perhaps before demarre returns.
    std::function<void()> fin;

    void demarre();
    // Ends every run and removes every folder; fin does not follow.
    void arrete(int attenteMs = -1);
    // Reads the running engines' outputs for the progress.
    void suit();
    bool fini() const { return fini_; }
    // How many decks went to the engine.
    int executions() const { return executions_; }
    // Each deck's answers, or why it has none; nothing for a deck left undone.
    const std::vector<std::optional<Bilan>> &bilans() const { return bilans_; }

private:
    struct Course;
    struct Etat;
    void lanceSuivantes();
    void finie(Course *c);
    void acheve(Course &c, Bilan b);
    void verifieFin();
    void signale();

    QString programme_;
    int taches_;
    std::vector<QByteArray> decks_;
    std::vector<std::optional<Bilan>> bilans_;
    std::vector<std::unique_ptr<Course>> courses_;
    std::vector<Etat> etats_;
    std::size_t suivante_ = 0;
    int actives_ = 0;
    int total_ = 0;
    int executions_ = 0;
    bool echec_ = false;
    bool fini_ = false;
};

class ExecutionNec : public QObject {
    Q_OBJECT
public:
    explicit ExecutionNec(QObject *parent = nullptr);
    ~ExecutionNec() override;

    QString programme = programmeNec();
    int delaiMs = SansDelai;

    // Starts a run; `frequences` is how many the deck asks, for the progress.
    // A deck already computed is answered from memory at once, before this
    // returns; so is a deck that cannot even be written.
    void lance(const QByteArray &deck, int frequences);
    // Ends a running nec2c; neither termine nor echec follows.
    void annule();
    bool enCours() const { return lot_ != nullptr; }
    bool disponible() const { return Nec::disponible(programme); }
    // How many decks went to nec2c (each perhaps over several runs).
    int executions() const { return executions_; }

    // The same run, shared out between taches() runs, waiting for its end, for the command line: a
    // limit in seconds (none when not positive), and SIGINT, SIGTERM or SIGHUP end it cleanly once
    // installeInterruptions() was called. Needs the QCoreApplication; `frequences` is unused beside
    // the deck's own FR cards, kept for the callers' signature.
    static Bilan executeBloquant(const QByteArray &deck, int frequences,
                                 const QString &programme = programmeNec(),
                                 double delaiS = DelaiBloquantS);

    // Several decks waited for together, at most `paralleles` nec2c at once (a
    // Lot): every deck's impedances in order, or the first deck failure's
    // message, which stops the other runs. The limit holds for the whole;
    // signals as above. `interrompu`, when given, is asked every 50 ms (from
    // the waiting thread, which may be a window's worker): true ends the runs
    // as a signal does, with Textes::NecAnnule.
    using Bilans = std::variant<std::vector<std::vector<ImpedanceB>>, QString>;
    static Bilans executeBloquants(const std::vector<QByteArray> &decks, int paralleles,
                                   const QString &programme = programmeNec(),
                                   double delaiS = DelaiBloquantS,
                                   const std::function<bool()> &interrompu = {});

signals:
    void progression(int faites, int total);
    void termine(const std::vector<Nec::ImpedanceB> &impedances);
    void echec(const QString &texte);

private:
    void fin(bool delaiDepasse);
    void arrete();

    QHash<QByteArray, std::vector<ImpedanceB>> memoire_;
    Lot *lot_ = nullptr;
    QTimer *delai_ = nullptr;
    QTimer *suivi_ = nullptr;
    QByteArray deck_;
    int frequences_ = 0;
    int executions_ = 0;
};

} // namespace Nec
