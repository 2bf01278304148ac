#include "longueurs/CalculsNec.h"

#include "longueurs/Estimation.h"
#include "nec/CacheResultats.h"
#include "nec/Modele.h"
#include "nec/Parallele.h"

#include <QTimer>
#include <algorithm>
#include <utility>

namespace Longueurs {

namespace {
// Kept for the session: a new window, or the next search, starts from it.
double calibreSession = 0;
} // namespace

double CalculsNec::calibre()
{
    return calibreSession;
}

void CalculsNec::fixeCalibre(double secondesParFrequence)
{
    calibreSession = secondesParFrequence;
}

int CalculsNec::paralleles() const
{
    return paralleles_ > 0 ? paralleles_ : Nec::taches();
}

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
    parallelesLot_ = paralleles();
    frequencesDeck_.clear();
    for (const QByteArray &d : decks_)
        frequencesDeck_.push_back(static_cast<int>(Nec::frequencesDemandees(d).size()));
    comptes_.assign(decks_.size(), false);
    debutVu_ = false;
    enCache_ = frequencesLot_ = finies_ = 0;
    auDernierS_ = 0;
    chrono_.start();
    lot_ = new Nec::Lot(programme, parallelesLot_, decks_, this);
    lot_->progression = [this](int faites, int total) {
        frequencesLot_ = total;
        suitAvancement();
        emit progression(faites, total);
    };
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

void CalculsNec::suitAvancement()
{
    if (!lot_)
        return;
    const std::vector<std::optional<Nec::Bilan>> &b = lot_->bilans();
    bool nouveau = false;
    for (std::size_t i = 0; i < b.size() && i < comptes_.size(); ++i)
        if (b[i] && !comptes_[i]) {
            comptes_[i] = true;
            // Those answered before the first word came from the cache: no measure.
            if (!debutVu_)
                ++enCache_;
            else {
                finies_ += frequencesDeck_[i];
                nouveau = true;
            }
        }
    debutVu_ = true;
    if (nouveau)
        auDernierS_ = chrono_.elapsed() / 1000.0;
}

std::optional<double> CalculsNec::resteS() const
{
    if (!lot_)
        return std::nullopt;
    Estimation::Avancement a;
    a.frequences = frequencesLot_;
    a.finies = finies_;
    a.auDernierS = auDernierS_;
    a.ecouleS = chrono_.elapsed() / 1000.0;
    a.paralleles = parallelesLot_;
    return Estimation::resteS(a, calibreSession);
}

std::optional<double> CalculsNec::dureeS(const std::vector<QByteArray> &decks, int *aFaire) const
{
    int n = 0;
    int frequences = 0;
    const bool cache = Nec::CacheResultats::actif();
    for (const QByteArray &d : decks)
        if (!memoire_.contains(d) && !(cache && Nec::CacheResultats::lit(programme, d))) {
            ++n;
            frequences += static_cast<int>(Nec::frequencesDemandees(d).size());
        }
    if (aFaire)
        *aFaire = n;
    if (calibreSession <= 0)
        return std::nullopt;
    return Estimation::duree(frequences, paralleles(), calibreSession);
}

void CalculsNec::annule()
{
    // What the lot measured serves the next estimates, even when stopped.
    if (lot_ && finies_ > 0)
        calibreSession = Estimation::parFrequence(auDernierS_, finies_, parallelesLot_);
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
