#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QPrinter;
class QWidget;

// The platform services the windows use: message boxes, modal windows, the
// help viewer, the print dialog, the dialog choosing a file to save and ending
// the program. The program installs the Qt implementation; tests install one
// that answers without a modal loop. What the program decides around the
// dialogs (the final file name, when to ask before replacing) is done here,
// the same for both.
class Plateforme {
public:
    enum class Reponse { Oui, Non, Annuler };

    virtual ~Plateforme() = default;

    // Plain warning box, no owner, caption "Attention", one OK button.
    virtual void avertissement(const QString &texte) = 0;
    // Message dialog of the error type: caption "Erreur", one OK button.
    virtual void erreur(const QString &texte) = 0;
    // Message dialog of the confirmation type: "&Oui" (default), "&Non",
    // "Annuler" (Escape).
    virtual Reponse confirmation(const QString &texte) = 0;
    // Unsaved changes: "&Enregistrer" (default) answers Oui, "&Ne pas
    // enregistrer" Non, "Annuler" (Escape) Annuler.
    virtual Reponse questionEnregistrer(const QString &texte) = 0;
    // The dialog choosing a file to open: its path, empty when cancelled.
    virtual QString dialogueOuverture(QWidget *parent, const QString &titre,
                                      const QStringList &filtres) = 0;
    // The default error box: caption "Kesu", error icon.
    virtual void erreurParDefaut(const QString &texte) = 0;
    // Shows a window modally and returns its result.
    virtual int execModal(QDialog &dialogue) = 0;
    // Opens the help viewer on a file, at its contents (contexte 0) or at a
    // help context.
    virtual void aide(const QString &fichier, int contexte) = 0;
    // The print dialog on the given printer; true when confirmed. A PDF file
    // named without its extension gets it, the question before replacing is
    // asked for that final name, and the folder is remembered.
    bool impression(QPrinter &imprimante, QWidget *parent);
    // The dialog to choose a file to save, opened at `proposition` (a bare
    // name goes where such files go) with the given filters, `filtre` chosen at
    // first and set to the one chosen. The name gets the chosen filter's
    // extension when it has not got it, the question before replacing is
    // asked for that final name (refused, the dialog comes back), and the
    // folder is remembered. The final path, empty when cancelled.
    QString fichierAEnregistrer(QWidget *parent, const QString &titre, const QString &proposition,
                                const QStringList &filtres, QString &filtre);
    // The question before a file is replaced: "&Oui", "&Non" (default,
    // Escape); true replaces it.
    virtual bool remplacement(const QString &texte) = 0;
    // The print dialog itself; true when confirmed.
    virtual bool dialogueImpression(QPrinter &imprimante, QWidget *parent) = 0;
    // The standard save dialog itself, which asks nothing before replacing:
    // the path chosen, as typed, empty when cancelled.
    virtual QString dialogueEnregistrement(QWidget *parent, const QString &titre,
                                           const QString &proposition, const QStringList &filtres,
                                           QString &filtre) = 0;
    // Ends the program with the given exit status.
    virtual void termine(int code) = 0;
};

Plateforme &plateforme();
// Installs the services to use (the program's own at start, a test's in tests).
void installePlateforme(Plateforme *p);
