#include "PlateformeTest.h"

#include "regles/Erreurs.h"
#include "ui/plateforme/Langue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

void dossiersUtilisateur(const QString &configuration)
{
    const QDir d(configuration);
    QFile dossiers(d.filePath(QStringLiteral("user-dirs.dirs")));
    if (d.mkpath(QStringLiteral("Images")) && d.mkpath(QStringLiteral("Documents")) &&
        dossiers.open(QIODevice::WriteOnly))
        dossiers.write(
            QStringLiteral("XDG_PICTURES_DIR=\"%1\"\nXDG_DOCUMENTS_DIR=\"%2\"\n")
                .arg(d.filePath(QStringLiteral("Images")), d.filePath(QStringLiteral("Documents")))
                .toUtf8());
}

PlateformeTest::PlateformeTest()
{
    // What the program remembers between runs goes to a folder of the tests'
    // own, not to the user's settings, unless the test chose one.
    static const QTemporaryDir reglages;
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", reglages.path().toLocal8Bit());
        dossiersUtilisateur(reglages.path());
    }
    installePlateforme(this);
    // The suite runs once more in English (KESU_LANGUE=en), as the program
    // starts then.
    Langue::installe(Langue::choisie());
}

Plateforme::Reponse PlateformeTest::confirmation(const QString &texte)
{
    confirmations << texte;
    return reponses.isEmpty() ? Reponse::Annuler : reponses.takeFirst();
}

Plateforme::Reponse PlateformeTest::questionEnregistrer(const QString &texte)
{
    questionsEnregistrer << texte;
    return reponses.isEmpty() ? Reponse::Annuler : reponses.takeFirst();
}

void PlateformeTest::erreurParDefaut(const QString &texte)
{
    erreursParDefaut << texteBoiteErreur(texte);
}

int PlateformeTest::execModal(QDialog &dialogue)
{
    return surModal ? surModal(dialogue) : 0;
}

bool PlateformeTest::dialogueImpression(QPrinter &imprimante, QWidget *)
{
    return surImpression ? surImpression(imprimante) : false;
}

bool PlateformeTest::remplacement(const QString &texte)
{
    remplacements << texte;
    return !reponsesRemplacement.isEmpty() && reponsesRemplacement.takeFirst();
}

QString PlateformeTest::dialogueEnregistrement(QWidget *, const QString &,
                                               const QString &proposition,
                                               const QStringList &filtres, QString &filtre)
{
    propositionsEnregistrement << proposition;
    return surEnregistrement ? surEnregistrement(proposition, filtres, filtre) : QString();
}

void PlateformeTest::efface()
{
    avertissements.clear();
    erreurs.clear();
    erreursParDefaut.clear();
    confirmations.clear();
    reponses.clear();
    remplacements.clear();
    reponsesRemplacement.clear();
    aides.clear();
    codeFin = -1;
}
