#pragma once

#include "nec/ExecutionNec.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QTimer>
#include <optional>
#include <vector>

// The decks of a search computed in the background, a few nec2c processes at
// once, and remembered: a new search over another range, another criterion or
// fewer branch lengths asks nec2c nothing it already answered. Each deck's
// frequencies are shared out between the processes, so that even one deck
// keeps every core busy.
namespace Longueurs {

class CalculsNec : public QObject {
    Q_OBJECT
public:
    // paralleles: nec2c at once; 0 for Nec::taches() at each search.
    explicit CalculsNec(QObject *parent = nullptr, int paralleles = 0);
    ~CalculsNec() override;

    QString programme = Nec::programmeNec();

    // Computes every deck not yet known; termine follows once all are, at
    // once when none was missing.
    void lance(const std::vector<QByteArray> &decks);
    // Stops the runs; neither termine nor echec follows.
    void annule();
    bool enCours() const { return lot_ != nullptr; }
    bool disponible() const { return Nec::disponible(programme); }
    // nullptr when the deck was never computed.
    const std::vector<Nec::ImpedanceB> *impedances(const QByteArray &deck) const;
    // How many decks went to nec2c.
    int executions() const { return executions_; }

    // How long the lot under way has left, in seconds: its own pace once a
    // deck is answered, the session's before; nothing while neither is known.
    std::optional<double> resteS() const;
    // How long these decks would take, those nec2c has not answered yet
    // (neither here nor in the engine's cache), at the session's pace;
    // nothing before a first measure. aFaire: how many decks that is.
    std::optional<double> dureeS(const std::vector<QByteArray> &decks, int *aFaire = nullptr) const;
    // The session's pace, a core's seconds per frequency, from the last lot
    // measured (ended, or stopped once a deck was answered); 0 before.
    static double calibre();
    static void fixeCalibre(double secondesParFrequence);

signals:
    // In frequencies computed, over all the runs: the pace tells the time left.
    void progression(int faites, int total);
    void termine();
    void echec(const QString &texte);

private:
    void fini();
    void suitAvancement();
    int paralleles() const;

    int paralleles_;
    Nec::Lot *lot_ = nullptr;
    std::vector<QByteArray> decks_; // the lot's
    QHash<QByteArray, std::vector<Nec::ImpedanceB>> memoire_;
    QTimer *suivi_;
    int executions_ = 0;
    // The lot's measure: its decks' frequencies, those already answered
    // from the cache (not the engine's), and its decks answered so far.
    QElapsedTimer chrono_;
    std::vector<int> frequencesDeck_;
    std::vector<bool> comptes_;
    bool debutVu_ = false;
    int enCache_ = 0;
    int frequencesLot_ = 0;
    int finies_ = 0;
    double auDernierS_ = 0;
    int parallelesLot_ = 1;
};

} // namespace Longueurs
