#pragma once

#include <QCoreApplication>
#include <QString>
#include <exception>

// Every failure the user can meet is a KesuErreur carrying the text that the
// default error box shows. The texts live here and nowhere else, written in
// French and translated when they are asked for: each is a function, so that
// the language chosen at start-up applies.
namespace Textes {
inline QString DebordementEntier()
{
    return QCoreApplication::translate("Textes", "Débordement d'entier");
}
inline QString VerificationEtendue()
{
    return QCoreApplication::translate("Textes", "Erreur de vérification d'étendue");
}
inline QString DivisionParZero()
{
    return QCoreApplication::translate("Textes", "Division par zéro en virgule flottante");
}
inline QString OperationIncorrecte()
{
    return QCoreApplication::translate("Textes", "Opération en virgule flottante incorrecte");
}
inline QString DebordementReel()
{
    return QCoreApplication::translate("Textes", "Débordement en virgule flottante");
}
// %1 is replaced by the offending text.
inline QString EntierIncorrect()
{
    return QCoreApplication::translate("Textes", "'%1' n'est pas une valeur entière correcte");
}
inline QString EnregistrementImpossible()
{
    return QCoreApplication::translate(
        "Textes", "Impossible d'enregistrer le fichier %1 : le fichier existant est conservé");
}
// Kesu.ini keeps two positions for the band name and five for the frequency
// (Defauts::BandeMin...): %1 is the line, %2 the value, %3 and %4 the limits.
inline QString BandeHorsFichier()
{
    return QCoreApplication::translate(
        "Textes", "Ligne %1 : la bande %2 ne peut pas être enregistrée dans Kesu.ini, qui "
                  "n'accepte que les bandes de %3 à %4");
}
inline QString FrequenceHorsFichier()
{
    return QCoreApplication::translate(
        "Textes", "Ligne %1 : la fréquence %2 ne peut pas être enregistrée dans Kesu.ini, qui "
                  "n'accepte que les fréquences de %3 à %4");
}
inline QString AideIntrouvable()
{
    return QCoreApplication::translate("Textes", "Impossible d'ouvrir le fichier d'aide %1");
}
inline QString RessourceIntrouvable()
{
    return QCoreApplication::translate("Textes", "Ressource %1 non trouvée");
}
inline QString FichierBandesIntrouvable()
{
    return QCoreApplication::translate("Textes", "Fichier KESU.INI introuvable");
}

// The warnings of "Lancer".
inline QString AucuneBande()
{
    return QCoreApplication::translate("Textes", "Vous devez saisir au moins une bande");
}
inline QString AntenneNonDefinie()
{
    return QCoreApplication::translate("Textes", "Vous n'avez pas défini l'antenne et/ou sa ligne");
}

// Printing.
inline QString ErreurHardCopy()
{
    return QCoreApplication::translate("Textes", "Erreur de HardCopy");
}
// The page raster could not be allocated (an empty or enormous page).
inline QString PageImpossible()
{
    return QCoreApplication::translate("Textes", "Impossible de préparer la page à imprimer");
}
// The printer refused to start the job (for instance an unwritable PDF file).
inline QString DemarrageImpossible()
{
    return QCoreApplication::translate("Textes", "Impossible de démarrer l'impression");
}

// Saving a file the user chose: %1 is the file, %2 one of the reasons below.
inline QString ImageNonEnregistree()
{
    return QCoreApplication::translate("Textes", "Impossible d'enregistrer l'image %1 : %2");
}
inline QString FichierNonEnregistre()
{
    return QCoreApplication::translate("Textes", "Impossible d'enregistrer le fichier %1 : %2");
}
inline QString DossierAbsent()
{
    return QCoreApplication::translate("Textes", "le dossier n'existe pas");
}
inline QString DossierProtege()
{
    return QCoreApplication::translate("Textes",
                                       "le dossier n'accepte pas l'écriture d'un fichier");
}
inline QString NomDeDossier()
{
    return QCoreApplication::translate("Textes", "un dossier porte déjà ce nom");
}
inline QString FichierProtege()
{
    return QCoreApplication::translate(
        "Textes", "le fichier existant est protégé en écriture, il est conservé");
}
inline QString FichierNonCree()
{
    return QCoreApplication::translate("Textes", "le fichier ne peut pas être créé");
}
inline QString EcritureInterrompue()
{
    return QCoreApplication::translate(
        "Textes", "l'écriture a échoué (disque plein ou retiré ?), rien n'a été enregistré");
}
inline QString EcritureInterrompueConserve()
{
    return QCoreApplication::translate(
        "Textes",
        "l'écriture a échoué (disque plein ou retiré ?), le fichier existant est conservé");
}
inline QString FichierNonRemplace()
{
    return QCoreApplication::translate(
        "Textes", "le fichier existant ne peut pas être remplacé, il est conservé");
}
inline QString FichierNonMisEnPlace()
{
    return QCoreApplication::translate(
        "Textes",
        "le fichier écrit n'a pas pu prendre son nom dans le dossier, rien n'a été enregistré");
}
inline QString FichierNonOrdinaire()
{
    return QCoreApplication::translate(
        "Textes",
        "ce nom désigne un périphérique ou un tube, pas un fichier : il est laissé tel quel");
}
inline QString ImageTropGrande()
{
    return QCoreApplication::translate("Textes",
                                       "l'image est trop grande pour la mémoire disponible");
}

} // namespace Textes

class KesuErreur : public std::exception {
public:
    explicit KesuErreur(QString texte) : texte_(std::move(texte)), utf8_(texte_.toUtf8()) {}
    const QString &texte() const noexcept { return texte_; }
    const char *what() const noexcept override { return utf8_.constData(); }

private:
    QString texte_;
    QByteArray utf8_;
};

[[noreturn]] inline void leveErreur(const QString &texte)
{
    throw KesuErreur(texte);
}

// The text the default error box shows: a full stop is added when the message
// ends in a character that sorts after ".".
QString texteBoiteErreur(const QString &texte);
