// Every menu of the main window, built and connected in one place:
// "Fichier", "Editer", "Outils" and "A Propos"; and the choice of language.
#include "ui/fenetres/principale/L_Main.h"

#include "nec/Moteur.h"

#include "ui/plateforme/HandlerGarde.h"
#include "ui/plateforme/Langue.h"
#include "ui/plateforme/Plateforme.h"
#include "ui/plateforme/Reglages.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

// "Imprimer…" can be chosen exactly when the print button shows.
class SuitBouton : public QObject {
public:
    SuitBouton(QWidget *bouton, QAction *action) : QObject(action), bouton_(bouton), action_(action)
    {
        bouton->installEventFilter(this);
        action_->setEnabled(!bouton_->isHidden());
    }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent)
            action_->setEnabled(!bouton_->isHidden());
        return false;
    }

private:
    QWidget *bouton_;
    QAction *action_;
};

} // namespace

void TForm1::construitMenu()
{
    // Alt+F opens this menu, as on every desktop: the close button takes
    // another letter, so that the key never ends the program.
    MenuFichier = menuBar()->addMenu(tr("&Fichier"));
    MenuFichier->setObjectName(QStringLiteral("MenuFichier"));
    Nouveau = MenuFichier->addAction(tr("&Nouveau"));
    Nouveau->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    Ouvrir = MenuFichier->addAction(tr("&Ouvrir…"));
    Ouvrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    MenuRecents = MenuFichier->addMenu(tr("Fichiers &récents"));
    MenuRecents->setObjectName(QStringLiteral("MenuRecents"));
    Enregistrer = MenuFichier->addAction(tr("&Enregistrer"));
    Enregistrer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    EnregistrerSous = MenuFichier->addAction(tr("Enregistrer &sous…"));
    EnregistrerSous->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    NotesProjet = MenuFichier->addAction(tr("No&tes du projet…"));
    MenuFichier->addSeparator();
    EnregistrerImage = MenuFichier->addAction(tr("E&xporter l'image…"));
    EnregistrerImage->setObjectName(QStringLiteral("EnregistrerImage"));
    EnregistrerImage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    ExporterModele = MenuFichier->addAction(tr("Exporter le &modèle NEC-2…"));
    for (auto [a, nom] : {std::pair{Nouveau, "Nouveau"},
                          {Ouvrir, "Ouvrir"},
                          {Enregistrer, "Enregistrer"},
                          {EnregistrerSous, "EnregistrerSous"},
                          {NotesProjet, "NotesProjet"},
                          {ExporterModele, "ExporterModele"}})
        a->setObjectName(QString::fromLatin1(nom));
    Imprimer = MenuFichier->addAction(tr("&Imprimer…"));
    Imprimer->setObjectName(QStringLiteral("Imprimer"));
    Imprimer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    MenuFichier->addSeparator();
    Quitter = MenuFichier->addAction(tr("&Quitter"));
    Quitter->setObjectName(QStringLiteral("Quitter"));
    Quitter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    MenuEdit = menuBar()->addMenu(tr("&Editer"));
    MenuEdit->setObjectName(QStringLiteral("MenuEdit"));
    FrqBande = MenuEdit->addAction(tr("&Fréquences des bandes"));
    FrqBande->setObjectName(QStringLiteral("FrqBande"));
    FrqBande->setStatusTip(tr("Permet de changer la valeur des fréquences de références"));
    MenuOutils = menuBar()->addMenu(tr("&Outils"));
    MenuOutils->setObjectName(QStringLiteral("MenuOutils"));
    VerifNec = MenuOutils->addAction(tr("&Vérification NEC-2…"));
    VerifNec->setObjectName(QStringLiteral("VerifNec"));
    VerifNec->setEnabled(false);
    DiagNec = MenuOutils->addAction(tr("&Diagrammes NEC-2…"));
    DiagNec->setObjectName(QStringLiteral("DiagNec"));
    DiagNec->setEnabled(false);
    LongConseil = MenuOutils->addAction(tr("&Longueurs conseillées…"));
    LongConseil->setObjectName(QStringLiteral("LongConseil"));
    LongConseil->setEnabled(false);
    // An engine the check could not judge is refused over a ground unless
    // the user, who knows the engine, says otherwise: a setting kept for good.
    MenuOutils->addSeparator();
    MoteurNonVerifie = MenuOutils->addAction(tr("Accepter un moteur NEC-2 &non vérifié"));
    MoteurNonVerifie->setObjectName(QStringLiteral("MoteurNonVerifie"));
    MoteurNonVerifie->setCheckable(true);
    MoteurNonVerifie->setChecked(Reglages::lit(Reglages::MoteurNonVerifie, false).toBool());
    Nec::accepteMoteurNonVerifie(MoteurNonVerifie->isChecked());
    // Named in both languages, so that a user who does not read the one shown
    // still finds it.
    MenuLangue = MenuOutils->addMenu(tr("Langue / Language"));
    MenuLangue->setObjectName(QStringLiteral("MenuLangue"));
    auto *groupe = new QActionGroup(MenuLangue);
    // Each language under its own name.
    const std::pair<QString, QString> langues[] = {{QStringLiteral("fr"), tr("Français")},
                                                   {QStringLiteral("en"), tr("English")}};
    for (const auto &[code, nom] : langues) {
        QAction *a = MenuLangue->addAction(nom);
        a->setObjectName(QStringLiteral("Langue_") + code);
        a->setData(code);
        a->setCheckable(true);
        a->setChecked(code == Langue::courante());
        groupe->addAction(a);
    }
    A_Propos = menuBar()->addAction(tr("A &Propos"));
    A_Propos->setObjectName(QStringLiteral("A_Propos"));
}

void TForm1::connecteMenus()
{
    new SuitBouton(BitBtn2, Imprimer);
    connecteGarde(Imprimer, &QAction::triggered, this, [this] { Impression1Click(); });
    connecteGarde(EnregistrerImage, &QAction::triggered, this, [this] { EnregistrerImageClick(); });
    connecteGarde(Nouveau, &QAction::triggered, this, [this] { NouveauClick(); });
    connecteGarde(Ouvrir, &QAction::triggered, this, [this] { OuvrirClick(); });
    connecteGarde(Enregistrer, &QAction::triggered, this, [this] { EnregistrerClick(); });
    connecteGarde(EnregistrerSous, &QAction::triggered, this, [this] { EnregistrerSousClick(); });
    connecteGarde(NotesProjet, &QAction::triggered, this, [this] { NotesClick(); });
    connecteGarde(ExporterModele, &QAction::triggered, this, [this] { ExporterModeleClick(); });
    connecteGarde(Quitter, &QAction::triggered, this, [this] { close(); });
    // The open menu shows whether there is a picture to save; Ctrl+S, which a
    // disabled entry would swallow, finds that out when pressed.
    connect(MenuFichier, &QMenu::aboutToShow, this,
            [this] { EnregistrerImage->setEnabled(imageMontree()); });
    connect(MenuFichier, &QMenu::aboutToHide, this, [this] { EnregistrerImage->setEnabled(true); });
    connecteGarde(FrqBande, &QAction::triggered, this, [this] { FrqBandeClick(); });
    connecteGarde(A_Propos, &QAction::triggered, this, [this] { A_ProposClick(); });
    for (QAction *a : MenuLangue->actions())
        connecteGarde(a, &QAction::triggered, this,
                      [this, a] { LangueClick(a->data().toString()); });
    connecteGarde(MoteurNonVerifie, &QAction::toggled, this, [](bool oui) {
        Reglages::ecrit(Reglages::MoteurNonVerifie, oui);
        Nec::accepteMoteurNonVerifie(oui);
    });
    prepareVerifNec();
    connecteGarde(LongConseil, &QAction::triggered, this, [this] { LongConseilClick(); });
    connecteGarde(DiagNec, &QAction::triggered, this, [this] { DiagNecClick(); });
}

void TForm1::LangueClick(const QString &code)
{
    Reglages::ecrit(Langue::cleReglage(), code);
    // Every window is built in the language of the start: the choice is kept
    // for the next one, and said so.
    if (code != Langue::courante())
        plateforme().avertissement(code == QLatin1String("en")
                                       ? tr("Kesu sera en anglais à son prochain démarrage.")
                                       : tr("Kesu sera en français à son prochain démarrage."));
}
