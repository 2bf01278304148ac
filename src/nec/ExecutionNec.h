#pragma once

#include "regles/Defauts.h"

#include "nec/LectureSortie.h"
#include "nec/Moteur.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QProcess>
#include <QString>
#include <memory>
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
    bool enCours() const { return processus_ != nullptr; }
    bool disponible() const { return Nec::disponible(programme); }
    // How many runs really started nec2c.
    int executions() const { return executions_; }

    // The same run, waiting for its end, for the command line: a limit in
    // seconds (none when not positive), and SIGINT, SIGTERM or SIGHUP end it cleanly
    // once installeInterruptions() was called. Needs the QCoreApplication; `frequences` is unused
    // beside the deck's own FR cards, kept for the callers' signature.
    static Bilan executeBloquant(const QByteArray &deck, int frequences,
                                 const QString &programme = programmeNec(),
                                 double delaiS = DelaiBloquantS);

    // Several decks waited for together, at most `paralleles` nec2c at once:
    // every deck's impedances in order, or the first failure's message, which
    // stops the other runs. The limit holds for the whole; signals as above.
    using Bilans = std::variant<std::vector<std::vector<ImpedanceB>>, QString>;
    static Bilans executeBloquants(const std::vector<QByteArray> &decks, int paralleles,
                                   const QString &programme = programmeNec(),
                                   double delaiS = DelaiBloquantS);

signals:
    void progression(int faites, int total);
    void termine(const std::vector<Nec::ImpedanceB> &impedances);
    void echec(const QString &texte);

private:
    void fin(bool delaiDepasse);
    void arrete();
    void suit();

    QHash<QByteArray, std::vector<ImpedanceB>> memoire_;
    std::unique_ptr<QTemporaryDir> dossier_;
    ProcessusMoteur *processus_ = nullptr;
    QTimer *delai_ = nullptr;
    QTimer *suivi_ = nullptr;
    QByteArray deck_;
    int frequences_ = 0;
    int executions_ = 0;
};

} // namespace Nec
