#pragma once

#include "nec/ExecutionNec.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <deque>
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
    explicit CalculsNec(QObject *parent = nullptr, int paralleles = Defauts::ExecutionsParalleles);

    QString programme = Nec::programmeNec();

    // Computes every deck not yet known; termine follows once all are, at
    // once when none was missing.
    void lance(const std::vector<QByteArray> &decks);
    // Stops the runs; neither termine nor echec follows.
    void annule();
    bool enCours() const { return enCours_; }
    bool disponible() const { return Nec::disponible(programme); }
    // nullptr when the deck was never computed.
    const std::vector<Nec::ImpedanceB> *impedances(const QByteArray &deck) const;
    // How many runs really started nec2c.
    int executions() const;

signals:
    void progression(int faites, int total);
    void termine();
    void echec(const QString &texte);

private:
    struct Part {
        QByteArray deck; // the whole deck it belongs to
        std::size_t rang;
        QByteArray texte;
    };
    void suivant(std::size_t i);
    void fini(std::size_t i, const std::vector<Nec::ImpedanceB> *z, const QString &texte);

    std::vector<Nec::ExecutionNec *> executions_;
    std::vector<Part> parts_; // what each one runs
    std::deque<Part> attente_;
    // The parts answered of the decks under way, in order.
    QHash<QByteArray, std::vector<std::vector<Nec::ImpedanceB>>> partiels_;
    QHash<QByteArray, std::vector<Nec::ImpedanceB>> memoire_;
    int actives_ = 0;
    int faites_ = 0;
    int total_ = 0;
    bool enCours_ = false;
};

} // namespace Longueurs
