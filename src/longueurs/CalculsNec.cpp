#include "longueurs/CalculsNec.h"

#include "nec/Modele.h"

#include <algorithm>

namespace Longueurs {

CalculsNec::CalculsNec(QObject *parent, int paralleles) : QObject(parent)
{
    for (int i = 0; i < std::max(1, paralleles); ++i) {
        auto *x = new Nec::ExecutionNec(this);
        const std::size_t n = executions_.size();
        connect(x, &Nec::ExecutionNec::termine, this,
                [this, n](const std::vector<Nec::ImpedanceB> &z) { fini(n, &z, {}); });
        connect(x, &Nec::ExecutionNec::echec, this,
                [this, n](const QString &t) { fini(n, nullptr, t); });
        executions_.push_back(x);
    }
    parts_.resize(executions_.size());
}

const std::vector<Nec::ImpedanceB> *CalculsNec::impedances(const QByteArray &deck) const
{
    const auto i = memoire_.constFind(deck);
    return i == memoire_.cend() ? nullptr : &*i;
}

int CalculsNec::executions() const
{
    int n = 0;
    for (const Nec::ExecutionNec *x : executions_)
        n += x->executions();
    return n;
}

void CalculsNec::lance(const std::vector<QByteArray> &decks)
{
    annule();
    for (const QByteArray &d : decks) {
        if (memoire_.contains(d) || partiels_.contains(d))
            continue;
        const std::vector<QByteArray> p = Nec::partage(d, static_cast<int>(executions_.size()));
        partiels_.insert(d, std::vector<std::vector<Nec::ImpedanceB>>(p.size()));
        for (std::size_t i = 0; i < p.size(); ++i)
            attente_.push_back({d, i, p[i]});
    }
    faites_ = 0;
    total_ = static_cast<int>(attente_.size());
    if (attente_.empty()) {
        emit termine();
        return;
    }
    enCours_ = true;
    emit progression(0, total_);
    for (std::size_t i = 0; i < executions_.size() && !attente_.empty(); ++i)
        suivant(i);
}

void CalculsNec::suivant(std::size_t i)
{
    parts_[i] = attente_.front();
    attente_.pop_front();
    ++actives_;
    executions_[i]->programme = programme;
    executions_[i]->lance(parts_[i].texte,
                          static_cast<int>(Nec::frequencesDemandees(parts_[i].texte).size()));
}

void CalculsNec::fini(std::size_t i, const std::vector<Nec::ImpedanceB> *z, const QString &texte)
{
    --actives_;
    if (!z) {
        annule();
        emit echec(texte);
        return;
    }
    const Part &p = parts_[i];
    auto partiel = partiels_.find(p.deck);
    if (partiel != partiels_.end()) {
        (*partiel)[p.rang] = *z;
        std::size_t vides = 0;
        for (const auto &x : *partiel)
            vides += x.empty();
        if (vides == 0) {
            std::vector<Nec::ImpedanceB> tout;
            for (const auto &x : *partiel)
                tout.insert(tout.end(), x.begin(), x.end());
            memoire_.insert(p.deck, std::move(tout));
            partiels_.erase(partiel);
        }
    }
    emit progression(++faites_, total_);
    if (!attente_.empty()) {
        suivant(i);
    } else if (actives_ == 0) {
        enCours_ = false;
        emit termine();
    }
}

void CalculsNec::annule()
{
    attente_.clear();
    partiels_.clear();
    for (Nec::ExecutionNec *x : executions_)
        x->annule();
    actives_ = 0;
    enCours_ = false;
}

} // namespace Longueurs
