#pragma once

#include "longueurs/CalculsNec.h"
#include "longueurs/Recherche.h"
#include "ui/fenetres/communs/TableauEtale.h"

#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>

class CarteLongueurs;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The "Longueurs conseillées" window: the range of ladder lengths and the
// criterion, the windows of lengths where the tuner matches the most bands,
// ranked, the range's map and, for the chosen window, each band's SWR and
// loss. "Appliquer" hands the centre (and the branch when it was searched) to
// the main window. nec2c runs in the background; the chart's rule needs none.
class LongueursConseillees : public QDialog {
    Q_OBJECT
public:
    // The inputs as the user's settings keep them: read back, and written
    // (what a project file and the next opening take).
    void litReglages();
    void sauveReglages() const;
    // What the main window and the NEC-2 check's settings give; throws a
    // Nec::ErreurChamp naming a bad box of the main window.
    using EntreesPrincipales = std::function<Nec::Entrees()>;

    explicit LongueursConseillees(EntreesPrincipales principales, QWidget *parent = nullptr);
    ~LongueursConseillees() override;

    QLineEdit *EchelleMin, *EchelleMax, *Tolerance, *ToleranceEchelle, *LargeurMin, *BrancheMin,
        *BrancheMax, *Pas;
    QComboBox *Critere;
    QCheckBox *SurLaBande;
    QGroupBox *ChercherBranche;
    QLabel *Antenne, *Etat, *Survol, *Cout;
    QPushButton *Chercher, *Annuler, *Appliquer, *Fermer;
    QProgressBar *Progression;
    TableauEtale *Liste, *Detail;
    CarteLongueurs *Carte;

    Longueurs::CalculsNec &calculs() { return *calculs_; }
    const std::vector<Longueurs::Fenetre> &fenetres() const { return fenetres_; }
    // The chosen window's row; -1 when none.
    int choisie() const;

    void ChercherClick();
    void AnnulerClick();
    void AppliquerClick();

signals:
    // A window's centre for the ladder, and the branch when it was searched.
    void appliquer(std::int32_t echelleCm, std::optional<std::int32_t> brancheCm);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    enum class Ton { Info, Erreur };
    // The boxes as they stand; throws the first bad one's message.
    Longueurs::Parametres parametres() const;
    std::optional<Longueurs::Branches> branches() const;
    void termine();
    void echec(const QString &texte);
    void enCours(bool oui);
    void montreListe();
    void montreChoisie();
    void afficheEtat(const QString &texte, Ton ton = Ton::Info);
    void criteres();

    // What a branch search would cost, said before it starts: the engine's
    // runs still to make and, once some were timed, how long they take.
    void estimeCout();

    EntreesPrincipales principales_;
    Longueurs::CalculsNec *calculs_;
    Longueurs::Parametres parametres_;
    bool brancheCherchee_ = false;
    std::vector<Longueurs::Antennes> antennes_;
    std::vector<Longueurs::Fenetre> fenetres_;
    std::optional<Longueurs::Branches> branchesCherchees_; // the search's range, when searched
};
