#include "ui/plateforme/PlateformeQt.h"

#include "regles/Erreurs.h"
#include "ui/plateforme/AideViewer.h"
#include "ui/plateforme/Emplacements.h"
#include "ui/plateforme/Enregistrement.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

namespace {

void boite(QMessageBox::Icon icone, const QString &titre, const QString &texte,
           QWidget *parent = nullptr)
{
    QMessageBox boite(icone, titre, texte, QMessageBox::NoButton, parent);
    boite.addButton(QCoreApplication::translate("Plateforme", "OK"), QMessageBox::AcceptRole);
    boite.exec();
}

} // namespace

void PlateformeQt::avertissement(const QString &texte)
{
    boite(QMessageBox::Warning, QCoreApplication::translate("Plateforme", "Attention"), texte);
}

void PlateformeQt::erreur(const QString &texte)
{
    boite(QMessageBox::Critical, QCoreApplication::translate("Plateforme", "Erreur"), texte,
          QApplication::activeWindow());
}

Plateforme::Reponse PlateformeQt::confirmation(const QString &texte)
{
    QMessageBox boite(QMessageBox::Question,
                      QCoreApplication::translate("Plateforme", "Confirmation"), texte,
                      QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *oui =
        boite.addButton(QCoreApplication::translate("Plateforme", "&Oui"), QMessageBox::YesRole);
    QAbstractButton *non =
        boite.addButton(QCoreApplication::translate("Plateforme", "&Non"), QMessageBox::NoRole);
    QAbstractButton *annuler = boite.addButton(QCoreApplication::translate("Plateforme", "Annuler"),
                                               QMessageBox::RejectRole);
    boite.setDefaultButton(oui);
    boite.setEscapeButton(annuler);
    boite.exec();
    if (boite.clickedButton() == oui)
        return Reponse::Oui;
    if (boite.clickedButton() == non)
        return Reponse::Non;
    return Reponse::Annuler;
}

Plateforme::Reponse PlateformeQt::questionEnregistrer(const QString &texte)
{
    QMessageBox boite(QMessageBox::Warning, QStringLiteral("Kesu"), texte, QMessageBox::NoButton,
                      QApplication::activeWindow());
    QPushButton *oui = boite.addButton(QCoreApplication::translate("Plateforme", "&Enregistrer"),
                                       QMessageBox::AcceptRole);
    QAbstractButton *non =
        boite.addButton(QCoreApplication::translate("Plateforme", "&Ne pas enregistrer"),
                        QMessageBox::DestructiveRole);
    QAbstractButton *annuler = boite.addButton(QCoreApplication::translate("Plateforme", "Annuler"),
                                               QMessageBox::RejectRole);
    boite.setDefaultButton(oui);
    boite.setEscapeButton(annuler);
    boite.exec();
    if (boite.clickedButton() == oui)
        return Reponse::Oui;
    if (boite.clickedButton() == non)
        return Reponse::Non;
    return Reponse::Annuler;
}

QString PlateformeQt::dialogueOuverture(QWidget *parent, const QString &titre,
                                        const QStringList &filtres)
{
    return QFileDialog::getOpenFileName(parent, titre, QString(),
                                        filtres.join(QStringLiteral(";;")));
}

void PlateformeQt::erreurParDefaut(const QString &texte)
{
    boite(QMessageBox::Critical, QStringLiteral("Kesu"), texteBoiteErreur(texte),
          QApplication::activeWindow());
}

int PlateformeQt::execModal(QDialog &dialogue)
{
    return dialogue.exec();
}

void PlateformeQt::aide(const QString &fichier, int contexte)
{
    AideViewer::ouvre(fichier, contexte);
}

QString fichierImpressionPropose(const QString &titre)
{
    // Qt's own proposal, print.pdf in the working folder, is hidden away in the
    // program's data folder.
    return QDir(Emplacements::dossierUtilisateur(QStandardPaths::DocumentsLocation))
        .filePath(titre + QStringLiteral(".pdf"));
}

bool PlateformeQt::remplacement(const QString &texte)
{
    QMessageBox boite(QMessageBox::Question,
                      QCoreApplication::translate("Plateforme", "Confirmation"), texte,
                      QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *oui =
        boite.addButton(QCoreApplication::translate("Plateforme", "&Oui"), QMessageBox::YesRole);
    QPushButton *non =
        boite.addButton(QCoreApplication::translate("Plateforme", "&Non"), QMessageBox::NoRole);
    boite.setDefaultButton(non);
    boite.setEscapeButton(non);
    boite.exec();
    return boite.clickedButton() == oui;
}

bool PlateformeQt::dialogueImpression(QPrinter &imprimante, QWidget *parent)
{
    // Naming a PDF file makes the printer a PDF writer; the dialog must still
    // offer the user's own printer first when there is one. Shown again after
    // a refused replacement, it keeps the name chosen.
    if (imprimante.outputFileName().isEmpty()) {
        const QPrinter::OutputFormat format = imprimante.outputFormat();
        imprimante.setOutputFileName(
            Enregistrement::proposition(fichierImpressionPropose(imprimante.docName())));
        imprimante.setOutputFormat(format);
    }
    QPrintDialog dialogue(&imprimante, parent);
    return dialogue.exec() == QDialog::Accepted;
}

QString PlateformeQt::dialogueEnregistrement(QWidget *parent, const QString &titre,
                                             const QString &proposition, const QStringList &filtres,
                                             QString &filtre)
{
    // The replacement is asked about once the name is final (Plateforme).
    return QFileDialog::getSaveFileName(parent, titre, proposition,
                                        filtres.join(QStringLiteral(";;")), &filtre,
                                        QFileDialog::DontConfirmOverwrite);
}

void PlateformeQt::termine(int code)
{
    QCoreApplication::exit(code);
}
