#pragma once

#include <QString>
#include <exception>

// Every failure the user can meet is a KesuErreur carrying the exact French
// text that the default error box shows. The texts live here and nowhere else.
namespace Textes {
inline const QString DebordementEntier = QStringLiteral("Débordement d'entier");
inline const QString VerificationEtendue = QStringLiteral("Erreur de vérification d'étendue");
inline const QString DivisionParZero = QStringLiteral("Division par zéro en virgule flottante");
inline const QString OperationIncorrecte =
    QStringLiteral("Opération en virgule flottante incorrecte");
inline const QString DebordementReel = QStringLiteral("Débordement en virgule flottante");
// %1 is replaced by the offending text.
inline const QString EntierIncorrect = QStringLiteral("'%1' n'est pas une valeur entière correcte");
inline const QString EnregistrementImpossible =
    QStringLiteral("Impossible d'enregistrer le fichier %1 : le fichier existant est conservé");
// Kesu.ini keeps two positions for the band name and five for the frequency:
// anything wider would not read back, or read back as another value.
inline const QString BandeHorsFichier =
    QStringLiteral("Ligne %1 : la bande %2 ne peut pas être enregistrée dans Kesu.ini, qui "
                   "n'accepte que les bandes de -9 à 99");
inline const QString FrequenceHorsFichier =
    QStringLiteral("Ligne %1 : la fréquence %2 ne peut pas être enregistrée dans Kesu.ini, qui "
                   "n'accepte que les fréquences de -9999 à 99999");
inline const QString AideIntrouvable = QStringLiteral("Impossible d'ouvrir le fichier d'aide %1");
inline const QString RessourceIntrouvable = QStringLiteral("Ressource %1 non trouvée");
// Saving the picture: %1 is the file, %2 one of the reasons below.
inline const QString ImageNonEnregistree =
    QStringLiteral("Impossible d'enregistrer l'image %1 : %2");
inline const QString DossierProtege =
    QStringLiteral("le dossier n'accepte pas l'écriture d'un fichier");
inline const QString FichierNonCree = QStringLiteral("le fichier ne peut pas être créé");
inline const QString EcritureInterrompue =
    QStringLiteral("l'écriture a échoué (disque plein ou retiré ?)");
inline const QString FichierNonRemplace =
    QStringLiteral("le fichier existant ne peut pas être remplacé");
inline const QString ImageTropGrande =
    QStringLiteral("l'image est trop grande pour la mémoire disponible");
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

[[noreturn]] inline void leveErreur(const QString &texte) { throw KesuErreur(texte); }

// The text the default error box shows: a full stop is added when the message
// ends in a character that sorts after ".".
QString texteBoiteErreur(const QString &texte);
