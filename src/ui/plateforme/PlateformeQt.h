#pragma once

#include "ui/plateforme/Plateforme.h"

#include <QString>

// The platform services of the real program, with Qt's dialogs.
class PlateformeQt : public Plateforme {
public:
    void avertissement(const QString &texte) override;
    void erreur(const QString &texte) override;
    Reponse confirmation(const QString &texte) override;
    Reponse questionEnregistrer(const QString &texte) override;
    QString dialogueOuverture(QWidget *parent, const QString &titre,
                              const QStringList &filtres) override;
    void erreurParDefaut(const QString &texte) override;
    int execModal(QDialog &dialogue) override;
    void aide(const QString &fichier, int contexte) override;
    bool remplacement(const QString &texte) override;
    bool dialogueImpression(QPrinter &imprimante, QWidget *parent) override;
    QString dialogueEnregistrement(QWidget *parent, const QString &titre,
                                   const QString &proposition, const QStringList &filtres,
                                   QString &filtre) override;
    void termine(int code) override;
};

// The file that the print dialog's "Print to File (PDF)" proposes for a job:
// named after its title, in the user's documents folder, or in the home
// folder when there is no documents folder.
QString fichierImpressionPropose(const QString &titre);
