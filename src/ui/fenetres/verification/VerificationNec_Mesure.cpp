// The NEC-2 check's measured sweep: read, shown beside the model in the
// table, dropped, and the model written for the analyzer's software.
#include "ui/fenetres/verification/VerificationNec.h"

#include "commande/CommandeAjuste.h"
#include "mesure/LectureMesure.h"
#include "nec/Nombres.h"
#include "regles/Erreurs.h"
#include "state/EcritureFichier.h"
#include "ui/plateforme/Plateforme.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

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
    montre();
}

void VerificationNec::RetirerMesureClick()
{
    mesure_.reset();
    afficheMesure();
    montre();
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
