#pragma once

#include "ajustement/Ajustement.h"
#include "nec/Moteur.h"

#include <QDialog>
#include <QElapsedTimer>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QThread;
class TableauEtale;

// The "Ajuster le modèle" window: the unknowns to move, the fit started and
// followed, its values with their uncertainties, and the fitted antenna given
// back to the NEC-2 check when the model explains the measurement.
//
// The fit runs in a worker thread, engine runs included: executeBloquants
// waits in an event loop of its own, which a worker thread has as the GUI
// thread does, so the window stays responsive and nec2c's processes belong
// to the worker. "Annuler" raises a flag that both the fit and the engine's
// wait poll: the runs under way are ended, their folders removed.
class FenetreAjustement : public QDialog {
    Q_OBJECT
public:
    // `demande` gives the antenna (the check window's inputs, its bands
    // ticked), the measurement and where it was taken; its unknowns and runs
    // allowed are the boxes' defaults.
    explicit FenetreAjustement(Ajustement::Demande demande, QString programme = Nec::programmeNec(),
                               QWidget *parent = nullptr);
    ~FenetreAjustement() override;

    QLabel *Mesure, *Points, *PointMesure;
    QCheckBox *Hauteur, *Branche, *CoefEchelle, *Z0, *Sol;
    QSpinBox *CalculsMax;
    QPushButton *Ajuster, *Annuler, *Appliquer, *Fermer;
    QProgressBar *Progression;
    // What the window is doing, then why the fit stopped.
    QLabel *Etat;
    TableauEtale *Resultats;
    // The misfit before and after; whether the fit may be applied.
    QLabel *Ecart, *Verdict;

    bool enCours() const { return travail_ != nullptr; }
    // The last fit's result; nothing before the first ends.
    const std::optional<Ajustement::Bilan> &bilan() const { return bilan_; }
    // The unknowns ticked.
    std::vector<Ajustement::Inconnue> inconnues() const;

    void AjusterClick();
    void AnnulerClick();
    void AppliquerClick();

signals:
    void appliquer(const Nec::Entrees &ajustees,
                   const std::vector<Ajustement::Inconnue> &inconnues);
    // A fit ended, whatever its outcome.
    void fini();

protected:
    void closeEvent(QCloseEvent *e) override;
    void reject() override;

private:
    void progression(int executions);
    void termine(const Ajustement::Bilan &b, const QString &erreur);
    void montre(const Ajustement::Bilan &b);
    void etatBoutons();
    // Stops a fit under way and waits for its thread: the engine's
    // processes end with it.
    void arrete();

    Ajustement::Demande demande_;
    QString programme_;
    std::unique_ptr<QThread> travail_;
    std::atomic<bool> interrompu_{false};
    QElapsedTimer chrono_;
    int executionsMax_ = 0;
    std::optional<Ajustement::Bilan> bilan_;
    std::vector<Ajustement::Inconnue> inconnuesBilan_;
    bool aucunPoint_ = false;
    int course_ = 0; // the fits started, the current one's number
};
