// The NEC-2 check's measured sweep: read, shown beside the model in the
// table, dropped, and the model written for the analyzer's software.
#include "ui/fenetres/verification/VerificationNec.h"

#include "commande/CommandeAjuste.h"
#include "mesure/LectureMesure.h"
#include "nec/Nombres.h"
#include "regles/Erreurs.h"
#include "state/EcritureFichier.h"
#include "ui/fenetres/ajustement/FenetreAjustement.h"
#include "ui/fenetres/verification/AbaqueSmith.h"
#include "ui/fenetres/verification/CourbesMesure.h"
#include "ui/plateforme/HandlerGarde.h"
#include "ui/plateforme/Plateforme.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

Ajustement::Point VerificationNec::pointMesure() const
{
    return static_cast<Ajustement::Point>(std::max(0, PointMesure->currentIndex()));
}

void VerificationNec::ChargerMesureClick()
{
    const QString chemin = plateforme().dialogueOuverture(
        this, tr("Charger une mesure"),
        {tr("Mesures d'analyseur (*.s1p *.S1P *.csv *.CSV *.txt)"), tr("Tous les fichiers (*)")});
    if (!chemin.isEmpty())
        chargeMesure(chemin);
}

void VerificationNec::chargeMesure(const QString &chemin)
{
    // Read whole first: a refusal throws before anything shown changes.
    Mesure::Releve lu = Mesure::lit(chemin);
    mesure_ = std::move(lu);
    afficheMesure();
    if (!zB_.empty())
        montre();
}

void VerificationNec::RetirerMesureClick()
{
    mesure_.reset();
    afficheMesure();
    if (!zB_.empty())
        montre();
}

void VerificationNec::AjusterClick()
{
    if (!mesure_)
        return;
    erreurs_.efface();
    Ajustement::Demande d;
    QByteArray deck;
    try {
        d.entrees = entrees(carteAuto_, deck);
    } catch (const Nec::ErreurChamp &erreur) {
        montreErreur(erreur, true);
        throw;
    }
    d.releve = *mesure_;
    d.point = pointMesure();
    auto *f = new FenetreAjustement(std::move(d), execution_->programme, this);
    f->setAttribute(Qt::WA_DeleteOnClose);
    connect(f, &FenetreAjustement::appliquer, this,
            [this](const Nec::Entrees &a, const std::vector<Ajustement::Inconnue> &i) {
                executeGarde([&] { appliqueAjustement(a, i); });
            });
    f->show();
}

void VerificationNec::afficheMesure()
{
    NomMesure->setText(mesure_ ? tr("%1 : %2 points de %3 à %4 kHz")
                                     .arg(mesure_->nom)
                                     .arg(mesure_->points.size())
                                     .arg(Nec::texte(mesure_->points.front().frequenceHz / 1e3, 0))
                                     .arg(Nec::texte(mesure_->points.back().frequenceHz / 1e3, 0))
                               : tr("Aucune mesure chargée"));
    RetirerMesure->setEnabled(mesure_.has_value());
    Ajuster->setEnabled(mesure_.has_value());
}

std::vector<std::optional<Nec::Complexe>> VerificationNec::mesuresTableau() const
{
    std::vector<std::optional<Nec::Complexe>> r;
    if (!mesure_)
        return r;
    for (const Nec::LigneTableau &l : resultat_.lignes) {
        const double f = l.bande.frequenceKHz * 1e3;
        const auto z = Mesure::interpole(*mesure_, f);
        r.push_back(z ? std::optional(Ajustement::versC(entrees_, pointMesure(), *z, f))
                      : std::nullopt);
    }
    return r;
}

void VerificationNec::appliqueAjustement(const Nec::Entrees &a,
                                         const std::vector<Ajustement::Inconnue> &inconnues)
{
    using I = Ajustement::Inconnue;
    const auto demandee = [&](I i) {
        return std::find(inconnues.begin(), inconnues.end(), i) != inconnues.end();
    };
    if (demandee(I::Hauteur))
        Hauteur->setText(Nec::texteArrondi(a.antenne.hauteurM, 2));
    if (demandee(I::Z0))
        Z0->setText(Nec::texteArrondi(a.echelle.z0, 1));
    if (demandee(I::Sol)) {
        // Three figures, without the zeros that would claim more.
        const auto trois = [](double v) {
            return Nec::texte(Nec::nombre(Nec::texteSignificatif(v, 3)).value_or(v));
        };
        Epsilon->setText(trois(a.antenne.solPersonnalise.permittivite));
        Sigma->setText(trois(a.antenne.solPersonnalise.conductivite));
        Sol->setCurrentIndex(static_cast<int>(Nec::Sol::Personnalise));
    }
    std::optional<std::int32_t> branche;
    std::optional<double> coef;
    if (demandee(I::Branche))
        branche = static_cast<std::int32_t>(std::lround(a.antenne.brancheCm));
    if (demandee(I::CoefEchelle))
        coef = std::round(a.echelle.coefVelocite * 1000) / 1000;
    // Kept at once: the other windows (the advised lengths, the patterns)
    // compute the antenna from the settings.
    sauveReglages();
    if (branche || coef)
        emit modeleAjuste(branche, coef);
}

void VerificationNec::montreMesureGraphique()
{
    Courbes->montre(entrees_, Abaque->bandes(), mesure_, pointMesure(), perime_);
    LectureCourbes->setText(Courbes->legende());
    if (!mesure_ || zB_.empty()) {
        Abaque->effaceMesure();
        LectureAbaque->setText(Abaque->legende());
        return;
    }
    // Where the chart plots: Z at C behind the balun.
    std::vector<std::pair<double, std::complex<double>>> points;
    for (const Mesure::Point &p : mesure_->points)
        points.emplace_back(p.frequenceHz,
                            Ajustement::versC(entrees_, pointMesure(),
                                              Mesure::impedance(*mesure_, p), p.frequenceHz) /
                                static_cast<double>(entrees_.boite.balun));
    Abaque->montreMesure(std::move(points), mesure_->nom);
    LectureAbaque->setText(Abaque->legende());
}

void VerificationNec::ExporterTouchstoneClick()
{
    QString filtre = tr("Touchstone (*.s1p)");
    const QString nom = plateforme().fichierAEnregistrer(this, tr("Exporter Touchstone"),
                                                         tr("modele-kesu.s1p"), {filtre}, filtre);
    if (nom.isEmpty())
        return;
    EcritOuSignale(nom, Ajustement::touchstone(entrees_, pointMesure(), zB_),
                   Textes::FichierNonEnregistre());
}
