#pragma once

#include "ajustement/Ajustement.h"
#include "mesure/Releve.h"
#include "nec/ExecutionNec.h"
#include "nec/Verification.h"
#include "ui/fenetres/communs/ErreursChamps.h"

#include <QDialog>
#include <functional>
#include <optional>

class AbaqueSmith;
class CarteNec;
class CourbesMesure;
class QGroupBox;
class QTabWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class TableauNec;

// The "Vérification NEC-2" window: gathers the check's own inputs, starts the
// computation and shows its map and table. nec2c runs as a separate process,
// so the program stays responsive meanwhile. The results shown always match
// the inputs shown: a change that needs no new run redraws them at once, any
// other greys them until "Calculer" computes them again.
class VerificationNec : public QDialog {
    Q_OBJECT
public:
    // The inputs as the user's settings keep them: read back, and written
    // (what a project file and the next opening take).
    void litReglages();
    void sauveReglages() const;
    // What the main window gives: branch, ladder, velocity factor, class,
    // thresholds and ticked bands; throws a Nec::ErreurChamp naming the main
    // window's box that is bad.
    using EntreesPrincipales = std::function<Nec::Entrees()>;

    explicit VerificationNec(EntreesPrincipales principales, QWidget *parent = nullptr);
    ~VerificationNec() override;

    // The check's own inputs (antenna, ladder, tuner, region) as this window
    // last saved them in the user's settings, its defaults where none was,
    // over the main window's: what another window computes the same antenna from.
    static Nec::Entrees entreesReglees(Nec::Entrees e);

    // The size the window opens at, where the screen allows: on a 1280 × 1024
    // screen, every column of the table in sight under every criterion, the
    // T's and L's setting included (a measured sweep's two columns may need
    // the scroll bar).
    static constexpr QSize TailleVoulue{1264, 760};

    // A ground as the list names it, with its constants: "Sol moyen (εr 13,
    // σ 0.005 S/m)".
    static QString libelleSol(Nec::Sol sol);

    // What the map's end box takes, as when empty, for twice the ladder.
    static inline const QString Auto = QStringLiteral("auto");

    QLineEdit *Epsilon, *Sigma; // the user's own ground, used when chosen
    QLineEdit *Diametre, *Hauteur, *Angle, *Ecartement, *Z0, *Perte, *LimiteBasse, *LimiteMoyenne,
        *LimiteHaute, *LongueurMax, *RosMax;
    // The tuner as a network: its parts, the transmitter's power, its limits.
    QLineEdit *CMin, *CMax, *LMin, *LMax, *QBobine, *QCondensateur, *Puissance, *PerteBoiteMax,
        *TensionMax;
    QGroupBox *Pieces;
    // nec2c runs at once, for this window's runs and the others'.
    QSpinBox *Taches;
    QComboBox *Sol, *Forme, *Fil, *Region, *Critere, *Balun, *Verdict, *ZoneBande;
    QTabWidget *Onglets;
    AbaqueSmith *Abaque;
    // The SWR across each band and R and X at C, the model's and a measurement's.
    CourbesMesure *Courbes;
    QLabel *Principale, *Classe, *Etat;
    // The lines under the map and under the Smith chart: a legend, or what is
    // hovered, at a height the hover does not change.
    QLabel *Survol, *LectureAbaque, *LectureCourbes;
    QPushButton *Calculer, *Annuler, *Exporter, *Fermer;
    // An analyzer's sweep of the antenna, set beside the model: its name,
    // where it was taken, and what can be done with it.
    QGroupBox *GroupeMesure;
    QLabel *NomMesure;
    QComboBox *PointMesure;
    QPushButton *ChargerMesure, *RetirerMesure, *Ajuster, *ExporterTouchstone;
    QProgressBar *Progression;
    CarteNec *Carte;
    TableauNec *Tableau;

    Nec::ExecutionNec &execution() { return *execution_; }
    const Nec::Resultat &resultat() const { return resultat_; }
    // The inputs the results shown were computed from.
    const Nec::Entrees &entreesResultat() const { return entrees_; }
    // True while the results shown no longer match the inputs.
    bool perime() const { return perime_; }
    // The error shown beside an input's box; empty when none is.
    QString erreur(Nec::Champ champ) const { return erreurs_.texte(champ); }

    void CalculerClick();
    void AnnulerClick();
    void ExporterClick();
    // A sweep read replaces the one shown only once read whole: a file
    // refused leaves everything as it was, and says why.
    void ChargerMesureClick();
    void chargeMesure(const QString &chemin);
    void RetirerMesureClick();
    // Opens the fit of the inputs as they stand to the sweep shown.
    void AjusterClick();
    void ExporterTouchstoneClick();
    const std::optional<Mesure::Releve> &mesure() const { return mesure_; }
    Ajustement::Point pointMesure() const;
    // The fitted values put in the boxes: this window's own here (height, Z0,
    // the user's own ground), the main window's through modeleAjuste.
    void appliqueAjustement(const Nec::Entrees &ajustees,
                            const std::vector<Ajustement::Inconnue> &inconnues);
    // Brings the results shown in line with the inputs: redrawn when they
    // need no new nec2c run (Z0, loss, limits, end of the map, the ladder, the
    // class), greyed otherwise or while an input is bad.
    void actualise();

signals:
    void longueurChoisie(std::int32_t cm);
    // A fit applied: the main window's own inputs it moved (the branch in
    // whole centimetres, the ladder's velocity factor), nothing for the others.
    void modeleAjuste(std::optional<std::int32_t> brancheCm, std::optional<double> coefEchelle);
    // "Calculer" met a bad box of the main window: it is that window's to focus.
    void champPrincipalIncorrect(Nec::Champ champ);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    enum class Ton { Info, Perime, Erreur };

    // The inputs as they stand and their deck. `carteAuto` is the map's end
    // when its box says "auto"; 0 takes the default for the current ladder.
    Nec::Entrees entrees(std::int32_t carteAuto, QByteArray &deck) const;
    void termine(const std::vector<Nec::ImpedanceB> &z);
    void echec(const QString &texte);
    void enCours(bool oui);
    void arrete();
    void montre();
    // An L's capacitor range starts wider than a T's: the default follows
    // the network chosen, a range the user typed stays.
    void critereChoisi();
    QList<QLineEdit *> champsSaisis() const;
    void grise(const QString &raison);
    void montreErreur(const Nec::ErreurChamp &erreur, bool focalise);
    void afficheEtat(const QString &texte, Ton ton = Ton::Info);
    void afficheEchecs();
    // Choosing an inverted V whose ends would reach the ground at the height
    // typed raises the apex to the lowest height that keeps them clear, and
    // says so: the user is never greeted by a refusal of the values as they
    // were.
    void proposeSommet();
    void afficheContexteCourant();
    void vide(const QString &etat);

    QSize tailleOuverture() const;

    EntreesPrincipales principales_;
    Nec::ExecutionNec *execution_;
    ErreursChamps erreurs_;
    QByteArray deckDemande_;
    Nec::Entrees demandees_;
    // The last result: the deck nec2c computed, its impedances at B, the
    // inputs they are shown for.
    QByteArray deck_;
    std::vector<Nec::ImpedanceB> zB_;
    Nec::Entrees entrees_;
    Nec::Resultat resultat_;
    bool perime_ = false;
    // The map's "auto" end, fixed by the last computation: a length clicked
    // on the map must not rescale it under the mouse.
    std::int32_t carteAuto_ = 0;
    std::optional<Mesure::Releve> mesure_;
    // Each table line's measured Z at C, at its frequency; empty without a sweep.
    std::vector<std::optional<Nec::Complexe>> mesuresTableau() const;
    void afficheMesure();
    // The sweep on the Smith chart and the SWR curves, beside the model's.
    void montreMesureGraphique();
};
