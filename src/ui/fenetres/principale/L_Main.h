#pragma once

#include "calc/Seuils.h"
#include "chart/EnvironnementTrace.h"
#include "state/EtatCalcul.h"
#include "ui/fenetres/principale/controles/DernierGraphe.h"

#include "projet/FichierProjet.h"

#include <QMainWindow>
#include <QRect>
#include <array>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class TForm3;
class LongueursConseillees;
class DiagrammesNec;
class VerificationNec;
class ZoneImage;

// The main window: inputs, band choice, impedance class, the chart or the lobe
// panel, and the actions. Its handlers are spread over a few files by subject.
class TForm1 : public QMainWindow, private EnvironnementTrace {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Client area under the menu bar, as laid out.
    static constexpr int LargeurClient = 786;
    static constexpr int HauteurClient = 509;

    // Inputs.
    QLabel *Label1, *Label2, *Label3, *Label4, *LabelCoefDip;
    QLineEdit *LongDip, *LongEch, *CoefDip;
    QComboBox *CbCoefEch;
    // Actions.
    QPushButton *BitBtn1, *Button1, *ClicAB, *ClicBC, *AideClic, *LRayon, *BitBtn2;
    // Read-outs.
    QGroupBox *GroupBox2;
    QLabel *LabelAB;
    QLineEdit *DipElec, *DipPhysique, *EchElec, *EchPhysique;
    // Impedance class and thresholds.
    QGroupBox *GroupBox3, *GroupBox4, *GroupBox5;
    QRadioButton *ChSerie_bas, *ChSerie_moy, *ChPara;
    QLabel *Label5, *Label6, *Label7;
    QLineEdit *LimiteBasse, *LimitMoyenne, *LimiteHaute;
    // Bands.
    QGroupBox *GroupBox1;
    QCheckBox *Ch80m, *Ch40m, *Ch30m, *Ch20m, *Ch17m, *Ch15m, *Ch12m, *Ch10m;
    std::array<QCheckBox *, NombreBandes> casesBandes() const;
    // Chart and lobe panel.
    QProgressBar *ProgressBar1;
    ZoneImage *Image1;
    ZoneImage *Image80, *Image40, *Image30, *Image20, *Image17, *Image15, *Image12, *Image10;
    std::array<ZoneImage *, NombreBandes> imagesLobes() const;
    // Menu.
    QMenu *MenuFichier;
    QAction *EnregistrerImage, *Imprimer, *Quitter;
    // Projects: every input of the three windows and notes, in a .kesu file.
    QAction *Nouveau, *Ouvrir, *Enregistrer, *EnregistrerSous, *ExporterModele, *NotesProjet;
    QMenu *MenuRecents;
    QLabel *EtatProjet;
    QMenu *MenuEdit;
    QAction *FrqBande, *A_Propos;
    // "Outils" > "Vérification NEC-2…", enabled once a "Lancer" has succeeded.
    QMenu *MenuOutils;
    QAction *VerifNec;
    QAction *DiagNec;
    // "Outils" > "Langue / Language": French or English, from the next start.
    QMenu *MenuLangue;
    VerificationNec *verificationNec = nullptr;
    // "Outils" > "Longueurs conseillées…", enabled with the NEC-2 entry.
    QAction *LongConseil;
    QAction *MoteurNonVerifie;
    LongueursConseillees *longueursConseillees = nullptr;
    DiagrammesNec *diagrammesNec = nullptr;

    TForm3 *Form3 = nullptr;

    // Handlers, named after their control and event.
    void FormActivate();
    void Button1Click();
    void BandeClic(QObject *sender);
    void LongDipChange();
    void ClicABClick();
    void ClicBCClick();
    void Image1MouseMove(Qt::MouseButtons boutons, int x, int y);
    void Image1MouseUp(Qt::MouseButton bouton, int x, int y);
    void LRayonClick();
    void Impression1Click();
    void ChSerie_moyClick(QObject *sender);
    void LimiteBasChange();
    void LimitMoyenneChange();
    void LimiteHautChange();
    void LimiteSelect(QLineEdit *sender);
    void AideClicClick();
    void FrqBandeClick();
    void A_ProposClick();
    void VerifNecClick();
    void DiagNecClick();
    void LangueClick(const QString &code);
    void LongConseilClick();
    // The NEC-2 entry's handler, and its tips saying why it is disabled.
    void prepareVerifNec();
    void EnregistrerImageClick();
    // Projects (L_Main_Projet.cpp). The questions before losing changes
    // return false when the user cancels.
    void NouveauClick();
    void OuvrirClick();
    bool EnregistrerClick();
    bool EnregistrerSousClick();
    void ExporterModeleClick();
    void NotesClick();
    bool ouvreProjet(const QString &chemin);
    // A file of "Fichiers récents"; one that no longer exists is said and
    // taken off the list. A copy: the menu it comes from is built again.
    void ouvreRecent(QString chemin);
    bool abandonAccepte();
    // The inputs of the three windows as a project, over the one opened.
    Projet::Fichier projetCourant();
    Projet::Fichier projetAEnregistrer();
    bool projetModifie();
    const QString &cheminProjet() const { return cheminProjet_; }
    // What the picture shows, the chart or the lobe panel, as a picture
    // `facteur` times the size shown; null when it shows neither.
    QImage imageAffichee(int facteur);
    void LibelleBandes();
    // F1: the help context of the focused control or of the first enclosing
    // control that has one; 0 when none has.
    int contexteAide() const;
    void aideContextuelle();

    bool demarrageFait() const { return demarrageFait_; }

protected:
    void closeEvent(QCloseEvent *e) override;

public:
    // How the chart picture is drawn for the picture's size on this screen,
    // `facteur` times finer.
    RenduGraphe renduGraphe(qreal facteur = 1) const;

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *objet, QEvent *e) override;

private:
    void construitProjet();
    void appliqueProjet(const Projet::Fichier &f);
    void projetEnregistre(const QString &chemin, const Projet::Fichier &ecrit);
    void afficheEtatProjet();
    void recents(const QString &chemin);
    void listeRecents();
    QString cheminProjet_;
    Projet::Fichier projet_;    // as opened or saved: unknown keys, notes
    Projet::Fichier reference_; // what "modified" compares with
    bool lectureSeule_ = false;
    bool referencePrise_ = false;
    std::vector<std::pair<QString, QString>> defautsPrincipale_;

    void construitControles();
    void construitSeuils();
    void construitBandes();
    // Every menu, in L_Main_Menus.cpp.
    void construitMenu();
    void connecteMenus();
    // The picture shows the last "Lancer"'s chart or the lobe panel.
    bool imageMontree() const;
    void connecteHandlers();
    void ordreTabulation();
    // Lays the controls out for the client area's size: the picture takes the
    // room it is given, the controls around it follow their edges.
    void disposeControles();
    // The last "Lancer"'s chart again, for the picture's present size.
    void redessineGraphe();

    // What the chart drawing asks of the window.
    bool chParaCoche() const override;
    bool chSerieBasCoche() const override;
    void montreProgression() override;
    void pasProgression() override;
    void cacheProgression() override;
    void montreImpression() override;

    void seuilChange(QLineEdit *boite, double &seuil, Seuils::Genre genre);
    // Ends an armed move of B or C without storing anything: the read-outs get
    // back the texts they had when it was armed.
    void abandonneDeplacement();
    void couleursLecture(QLineEdit *elec, QLineEdit *physique, bool armees);
    void arme(bool deplaceAB);

    QWidget *client_ = nullptr;
    // The read-outs' texts when the move was armed: DipElec, DipPhysique,
    // EchElec, EchPhysique.
    std::array<QString, 4> lecturesAvantDeplacement_;
    bool demarrageFait_ = false;
    DernierGraphe dernierGraphe_;
    // Every control that moves, with its place at the designed size.
    std::vector<std::pair<QWidget *, QRect>> disposition_;
};
