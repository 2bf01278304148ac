#pragma once

#include "nec/ExecutionNec.h"
#include "nec/Verification.h"

#include <QDialog>
#include <functional>

class CarteNec;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

// The "Vérification NEC-2" window: gathers the check's own inputs, starts the
// computation and shows its map and table. nec2c runs as a separate process,
// so the program stays responsive meanwhile.
class VerificationNec : public QDialog {
    Q_OBJECT
public:
    // What the main window gives: branch, ladder, velocity factor, class,
    // thresholds and ticked bands; throws when one of its boxes is bad.
    using EntreesPrincipales = std::function<Nec::Entrees()>;

    explicit VerificationNec(EntreesPrincipales principales, QWidget *parent = nullptr);
    ~VerificationNec() override;

    QLineEdit *Diametre, *Hauteur, *Z0, *Perte, *LimiteBasse, *LimiteMoyenne, *LimiteHaute,
        *LongueurMax;
    QComboBox *Sol;
    QLabel *Principale, *Classe, *Etat, *Survol;
    QPushButton *Calculer, *Annuler, *Exporter, *Fermer;
    QProgressBar *Progression;
    CarteNec *Carte;
    QTableWidget *Tableau;

    Nec::ExecutionNec &execution() { return *execution_; }
    const Nec::Resultat &resultat() const { return resultat_; }

    void CalculerClick();
    void AnnulerClick();
    void ExporterClick();
    // Shows the kept results again for the current inputs when they need no
    // new nec2c run (Z0, loss, limits, end of the map, the ladder's length).
    void actualise();

signals:
    void longueurChoisie(std::int32_t cm);

protected:
    void closeEvent(QCloseEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    Nec::Entrees entrees() const;
    void termine(const std::vector<Nec::ImpedanceB> &z);
    void echec(const QString &texte);
    void enCours(bool oui);
    void montre();
    void afficheContexte(const Nec::Entrees &e);
    void afficheContexteCourant();
    void vide(const QString &etat);
    void litReglages();
    void sauveReglages() const;

    EntreesPrincipales principales_;
    Nec::ExecutionNec *execution_;
    QByteArray deckDemande_;
    Nec::Entrees demandees_;
    // The last result: the deck nec2c computed and its impedances at B.
    QByteArray deck_;
    std::vector<Nec::ImpedanceB> zB_;
    Nec::Entrees entrees_;
    Nec::Resultat resultat_;
};
