#pragma once

#include "state/FichierBandes.h"

#include <QDialog>

class QAction;
class QMenuBar;
class QTableWidget;
class DelegueEditFreq;

// The band frequency editor: the eight rows of TableBandes in a grid, kept for
// the run or also saved to Kesu.ini when the user leaves by "Quitter". It is
// created for each use and works directly on EtatCalcul.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(QWidget *AOwner = nullptr);

    QMenuBar *MainMenu1;
    QAction *Quitter1;      // "Quitter", the only way out
    QTableWidget *EditFreq; // row r-1 is band r: column 0 its name, column 1 its frequency

    // Once per opening, as the editor first shows: clears FreqModifiees and
    // fills the grid from TableBandes.
    void FormActivate();
    // The cell editor changed the text of cell (ACol, ARow) by typing.
    void EditFreqSetEditText(int ACol, int ARow, const QString &Value);
    // Asks what to do with the edits, takes them and closes the editor.
    void Quitter1Click();

    // Escape must not drop the user's edits behind their back: it does nothing.
    void reject() override;

protected:
    void showEvent(QShowEvent *e) override;
    // A close request from the window manager is answered like "Quitter".
    void closeEvent(QCloseEvent *e) override;

private:
    void valideSaisieEnCours();
    FichierBandes::Table lisGrille();
    void verifiePourLeFichier(const FichierBandes::Table &table);

    DelegueEditFreq *delegue_;
    bool rempli_ = false;
};
