#include "longueurs/CalculsNec.h"

#include "nec/Parallele.h"

#include <QTimer>
#include <algorithm>
#include <utility>

namespace Longueurs {

CalculsNec::CalculsNec(QObject *parent, int paralleles)
    : QObject(parent), paralleles_(paralleles), suivi_(new QTimer(this))
{
    suivi_->setInterval(100);
    connect(suivi_, &QTimer::timeout, this, [this] {
        if (lot_)
            lot_->suit();
    });
}

CalculsNec::~CalculsNec()
{
    annule();
}

const std::vector<Nec::ImpedanceB> *CalculsNec::impedances(const QByteArray &deck) const
{
    const auto i = memoire_.constFind(deck);
    return i == memoire_.cend() ? nullptr : &*i;
}

void CalculsNec::lance(const std::vector<QByteArray> &decks)
{
    annule();
    decks_.clear();
    for (const QByteArray &d : decks)
        if (!memoire_.contains(d) && std::find(decks_.begin(), decks_.end(), d) == decks_.end())
            decks_.push_back(d);
    if (decks_.empty()) {
        emit termine();
        return;
    }
    lot_ = new Nec::Lot(programme, paralleles_ > 0 ? paralleles_ : Nec::taches(), decks_, this);
    lot_->progression = [this](int faites, int total) { emit progression(faites, total); };
    lot_->fin = [this] { fini(); };
    Nec::Lot *lot = lot_; // gone from lot_ if it ends at once, deleted later
    lot->demarre();
    executions_ += lot->executions();
    if (lot_)
        suivi_->start();
}

void CalculsNec::fini()
{
    const std::vector<std::optional<Nec::Bilan>> bilans = lot_->bilans();
    annule();
    for (std::size_t i = 0; i < bilans.size(); ++i)
        if (bilans[i])
            if (const auto *texte = std::get_if<QString>(&*bilans[i])) {
                emit echec(*texte);
                return;
            }
    for (std::size_t i = 0; i < bilans.size(); ++i)
        if (bilans[i])
            memoire_.insert(decks_[i], std::get<std::vector<Nec::ImpedanceB>>(*bilans[i]));
    emit termine();
}

void CalculsNec::annule()
{
    suivi_->stop();
    if (Nec::Lot *lot = std::exchange(lot_, nullptr)) {
        lot->fin = nullptr;
        lot->progression = nullptr;
        lot->arrete(1000);
        // Perhaps in its own call to fini.
        lot->deleteLater();
    }
}

} // namespace Longueurs
