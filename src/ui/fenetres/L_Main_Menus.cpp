// Every menu of the main window, built and connected in one place:
// "Fichier", "Editer", "Outils" and "A Propos".
#include "ui/fenetres/L_Main.h"

#include "ui/plateforme/HandlerGarde.h"

#include <QAction>
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
    MenuFichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    MenuFichier->setObjectName(QStringLiteral("MenuFichier"));
    EnregistrerImage = MenuFichier->addAction(QStringLiteral("&Enregistrer l'image…"));
    EnregistrerImage->setObjectName(QStringLiteral("EnregistrerImage"));
    EnregistrerImage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Imprimer = MenuFichier->addAction(QStringLiteral("&Imprimer…"));
    Imprimer->setObjectName(QStringLiteral("Imprimer"));
    Imprimer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    MenuFichier->addSeparator();
    Quitter = MenuFichier->addAction(QStringLiteral("&Quitter"));
    Quitter->setObjectName(QStringLiteral("Quitter"));
    Quitter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    MenuEdit = menuBar()->addMenu(QStringLiteral("&Editer"));
    MenuEdit->setObjectName(QStringLiteral("MenuEdit"));
    FrqBande = MenuEdit->addAction(QStringLiteral("&Fréquences des bandes"));
    FrqBande->setObjectName(QStringLiteral("FrqBande"));
    FrqBande->setStatusTip(
        QStringLiteral("Permet de changer la valeur des fréquences de références"));
    MenuOutils = menuBar()->addMenu(QStringLiteral("&Outils"));
    MenuOutils->setObjectName(QStringLiteral("MenuOutils"));
    VerifNec = MenuOutils->addAction(QStringLiteral("&Vérification NEC-2…"));
    VerifNec->setObjectName(QStringLiteral("VerifNec"));
    VerifNec->setEnabled(false);
    LongConseil = MenuOutils->addAction(tr("&Longueurs conseillées…"));
    LongConseil->setObjectName(QStringLiteral("LongConseil"));
    LongConseil->setEnabled(false);
    A_Propos = menuBar()->addAction(QStringLiteral("A &Propos"));
    A_Propos->setObjectName(QStringLiteral("A_Propos"));
}

void TForm1::connecteMenus()
{
    new SuitBouton(BitBtn2, Imprimer);
    connecteGarde(Imprimer, &QAction::triggered, this, [this] { Impression1Click(); });
    connecteGarde(EnregistrerImage, &QAction::triggered, this, [this] { EnregistrerImageClick(); });
    connecteGarde(Quitter, &QAction::triggered, this, [this] { close(); });
    // The open menu shows whether there is a picture to save; Ctrl+S, which a
    // disabled entry would swallow, finds that out when pressed.
    connect(MenuFichier, &QMenu::aboutToShow, this,
            [this] { EnregistrerImage->setEnabled(imageMontree()); });
    connect(MenuFichier, &QMenu::aboutToHide, this, [this] { EnregistrerImage->setEnabled(true); });
    connecteGarde(FrqBande, &QAction::triggered, this, [this] { FrqBandeClick(); });
    connecteGarde(A_Propos, &QAction::triggered, this, [this] { A_ProposClick(); });
    prepareVerifNec();
    connecteGarde(LongConseil, &QAction::triggered, this, [this] { LongConseilClick(); });
}
