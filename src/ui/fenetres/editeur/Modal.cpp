#include "ui/fenetres/editeur/Modal.h"

#include "ui/fenetres/editeur/GrilleFrequences.h"

#include "regles/Arithmetique.h"
#include "regles/Erreurs.h"
#include "state/EtatCalcul.h"
#include "ui/plateforme/AideViewer.h"
#include "ui/plateforme/HandlerGarde.h"
#include "ui/plateforme/Plateforme.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int ColonneBande = 0;
constexpr int ColonneFrequence = 1;

// Client area below the menu bar, and the grid's place in it.
constexpr int LargeurClient = 151;
constexpr int HauteurClient = 245;
constexpr QRect PlaceGrille(4, 0, 144, 244);
constexpr int LargeurColonneBande = 56;
constexpr int LargeurColonneFrequence = 72;
constexpr int HauteurLigne = 24;

// The bundled screen font is a bitmap font whose sizes are its cell heights: a
// character height of 11 pixels (8 points) is the 13-pixel cell, 13 pixels
// (10 points) the 16-pixel cell.
constexpr int CelluleHauteur11 = 13;
constexpr int CelluleHauteur13 = 16;

QFont msSansSerifGras(int hauteurCellule)
{
    QFont police(QStringLiteral("MS Sans Serif"));
    police.setPixelSize(hauteurCellule);
    police.setBold(true);
    return police;
}

} // namespace

TForm2::TForm2(QWidget *AOwner)
    : QDialog(AOwner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(tr("Fréquences"));
    setFont(msSansSerifGras(CelluleHauteur13));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);
    MainMenu1->setFont(QApplication::font(MainMenu1)); // menus keep the system font
    Quitter1 = MainMenu1->addAction(tr("&Quitter"));
    Quitter1->setObjectName(QStringLiteral("Quitter1"));

    EditFreq = new QTableWidget(NombreBandes, 2, this);
    EditFreq->setObjectName(QStringLiteral("EditFreq"));
    EditFreq->setFont(msSansSerifGras(CelluleHauteur11));
    auto *titres = new TitresEditFreq(EditFreq);
    EditFreq->setHorizontalHeader(titres);
    EditFreq->setHorizontalHeaderLabels({tr("Bandes"), tr("Fréquences")});
    EditFreq->verticalHeader()->hide();
    titres->setSectionResizeMode(QHeaderView::Fixed);
    titres->setSectionsClickable(false);
    titres->setFixedHeight(HauteurLigne);
    EditFreq->setColumnWidth(ColonneBande, LargeurColonneBande);
    EditFreq->setColumnWidth(ColonneFrequence, LargeurColonneFrequence);
    EditFreq->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    EditFreq->verticalHeader()->setMinimumSectionSize(HauteurLigne);
    EditFreq->verticalHeader()->setDefaultSectionSize(HauteurLigne);
    EditFreq->setShowGrid(true);
    EditFreq->setSelectionMode(QAbstractItemView::SingleSelection);
    EditFreq->setSelectionBehavior(QAbstractItemView::SelectItems);
    // Every way into a cell opens its editor, moving between cells included, so
    // the focused cell always shows its editor.
    EditFreq->setEditTriggers(QAbstractItemView::AllEditTriggers);

    // Cells in the highlighted-text colour.
    QPalette couleurs = EditFreq->palette();
    couleurs.setColor(QPalette::Base, couleurs.color(QPalette::HighlightedText));
    EditFreq->setPalette(couleurs);

    delegue_ = new DelegueEditFreq(EditFreq);
    delegue_->surSaisie = [this](int colonne, int ligne, const QString &texte) {
        executeGarde([&] { EditFreqSetEditText(colonne, ligne, texte); });
    };
    EditFreq->setItemDelegate(delegue_);

    // The grid follows any resizing of the window, keeping its margins.
    auto *disposition = new QVBoxLayout(this);
    disposition->setMenuBar(MainMenu1);
    disposition->setSpacing(0);
    disposition->setContentsMargins(PlaceGrille.left(), PlaceGrille.top(),
                                    LargeurClient - PlaceGrille.right() - 1,
                                    HauteurClient - PlaceGrille.bottom() - 1);
    disposition->addWidget(EditFreq);

    resize(LargeurClient, HauteurClient + MainMenu1->sizeHint().height());
    if (const QScreen *ecran = AOwner ? AOwner->screen() : QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());

    connecteGarde(Quitter1, &QAction::triggered, this, [this](bool) { Quitter1Click(); });
    // F1 opens the editor's section of the help. The editor holds the main
    // window only, so that the help window it opens can be read and scrolled.
    setWindowModality(Qt::WindowModal);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connecteGarde(f1, &QShortcut::activated, this,
                  [] { plateforme().aide(AideViewer::document(), AideViewer::ContexteEditeur); });
}

void TForm2::FormActivate()
{
    EtatCalcul.FreqModifiees = false;
    for (int ligne = 0; ligne < NombreBandes; ++ligne) {
        const LigneBande &bande = EtatCalcul.TableBandes[ligne];
        EditFreq->setItem(ligne, ColonneBande, new QTableWidgetItem(QString::number(bande.Bande)));
        EditFreq->setItem(ligne, ColonneFrequence,
                          new QTableWidgetItem(QString::number(bande.Frequence)));
    }
    EditFreq->setCurrentCell(0, ColonneBande);
}

void TForm2::EditFreqSetEditText(int, int, const QString &)
{
    EtatCalcul.FreqModifiees = true;
}

void TForm2::Quitter1Click()
{
    valideSaisieEnCours();
    if (EtatCalcul.FreqModifiees) {
        const Plateforme::Reponse reponse =
            plateforme().confirmation(tr("Sauvegarder définitivement les fréquences ?"));
        if (reponse != Plateforme::Reponse::Annuler) {
            // All sixteen cells are converted before anything is taken, and for
            // "Oui" the file is written before the table takes the values, so
            // a refusal or a failure leaves both as they were.
            const FichierBandes::Table table = lisGrille();
            if (reponse == Plateforme::Reponse::Oui) {
                verifiePourLeFichier(table);
                FichierBandes::sauve(table);
            }
            EtatCalcul.TableBandes = table;
        }
    }
    accept();
}

void TForm2::reject() {}

void TForm2::showEvent(QShowEvent *e)
{
    // A modal window becomes the active one as it is first shown. The window
    // manager may hold the activation back (there is none under a bare X
    // server), and the editor must not come up empty, so its first showing is
    // what counts; coming back to it later refills nothing.
    if (!e->spontaneous() && !rempli_) {
        rempli_ = true;
        executeGarde([this] { FormActivate(); });
    }
    QDialog::showEvent(e);
}

void TForm2::closeEvent(QCloseEvent *e)
{
    e->ignore();
    if (isVisible())
        executeGarde([this] { Quitter1Click(); });
}

void TForm2::valideSaisieEnCours()
{
    delegue_->valideEditeurOuvert();
}

FichierBandes::Table TForm2::lisGrille()
{
    // Converts one cell; on bad text the cell gets the focus before the error
    // is shown, ready to be corrected.
    const auto entier = [this](int ligne, int colonne) {
        const QTableWidgetItem *cellule = EditFreq->item(ligne, colonne);
        try {
            return Arith::StrToInt(cellule ? cellule->text() : QString());
        } catch (const KesuErreur &) {
            EditFreq->setCurrentCell(ligne, colonne);
            throw;
        }
    };
    FichierBandes::Table table;
    for (int ligne = 0; ligne < NombreBandes; ++ligne) {
        table[ligne].Frequence = entier(ligne, ColonneFrequence);
        table[ligne].Bande = entier(ligne, ColonneBande);
    }
    return table;
}

void TForm2::verifiePourLeFichier(const FichierBandes::Table &table)
{
    // The offending cell gets the focus before the message, ready to be corrected.
    if (const auto hors = FichierBandes::horsFichier(table)) {
        EditFreq->setCurrentCell(hors->ligne, hors->frequence ? ColonneFrequence : ColonneBande);
        leveErreur(hors->texte);
    }
}
