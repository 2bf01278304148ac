#pragma once

#include "ui/plateforme/Plateforme.h"

#include <QStringList>
#include <functional>

// Platform services for tests: records every message, answers confirmations
// from a queue and runs modal windows through a scripted function instead of
// a modal loop.
// The user's pictures and documents folders under a settings folder (the
// XDG_CONFIG_HOME of a test), both there and apart, as on a desktop: a
// picture proposed among the documents shows.
void dossiersUtilisateur(const QString &configuration);

class PlateformeTest : public Plateforme {
public:
    PlateformeTest();
    ~PlateformeTest() override { installePlateforme(nullptr); }

    QStringList avertissements;
    QStringList erreurs;          // message dialogs of the error type
    QStringList erreursParDefaut; // default error boxes, text as shown
    QStringList confirmations;
    QList<Reponse> reponses; // taken in order; Annuler when empty
    struct Aide {
        QString fichier;
        int contexte;
    };
    QList<Aide> aides;
    int codeFin = -1;
    // Runs in place of a modal loop; returns the window's result.
    std::function<int(QDialog &)> surModal;
    // Answers the print dialog: the printer is prepared here; false cancels.
    std::function<bool(QPrinter &)> surImpression;
    // Answers the dialog choosing a file to save, given the proposed path and
    // the filters, the filter shown first in `filtre`: returns the chosen path
    // and sets `filtre`; empty cancels. The proposals are kept in order.
    std::function<QString(const QString &, const QStringList &, QString &filtre)> surEnregistrement;
    QStringList propositionsEnregistrement;
    // The questions before replacing a file, answered in order; "Non" when
    // the list is empty.
    QStringList remplacements;
    QList<bool> reponsesRemplacement;

    void avertissement(const QString &texte) override { avertissements << texte; }
    void erreur(const QString &texte) override { erreurs << texte; }
    Reponse confirmation(const QString &texte) override;
    // Unsaved changes asked about, answered from `reponses` as confirmations.
    QStringList questionsEnregistrer;
    Reponse questionEnregistrer(const QString &texte) override;
    // The file chosen to open, or empty (cancelled).
    QString fichierAOuvrir;
    QString dialogueOuverture(QWidget *, const QString &, const QStringList &) override
    {
        return fichierAOuvrir;
    }
    void erreurParDefaut(const QString &texte) override;
    int execModal(QDialog &dialogue) override;
    void aide(const QString &fichier, int contexte) override { aides.append({fichier, contexte}); }
    bool remplacement(const QString &texte) override;
    bool dialogueImpression(QPrinter &imprimante, QWidget *parent) override;
    QString dialogueEnregistrement(QWidget *parent, const QString &titre,
                                   const QString &proposition, const QStringList &filtres,
                                   QString &filtre) override;
    void termine(int code) override { codeFin = code; }
    void efface();
};
