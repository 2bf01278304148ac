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
inline const QString FichierBandesIntrouvable = QStringLiteral("Fichier KESU.INI introuvable");

// The warnings of "Lancer".
inline const QString AucuneBande = QStringLiteral("Vous devez saisir au moins une bande");
inline const QString AntenneNonDefinie =
    QStringLiteral("Vous n'avez pas défini l'antenne et/ou sa ligne");

// Printing.
inline const QString ErreurHardCopy = QStringLiteral("Erreur de HardCopy");
// The page raster could not be allocated (an empty or enormous page).
inline const QString PageImpossible = QStringLiteral("Impossible de préparer la page à imprimer");
// The printer refused to start the job (for instance an unwritable PDF file).
inline const QString DemarrageImpossible = QStringLiteral("Impossible de démarrer l'impression");

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

[[noreturn]] inline void leveErreur(const QString &texte)
{
    throw KesuErreur(texte);
}

// The text the default error box shows: a full stop is added when the message
// ends in a character that sorts after ".".
QString texteBoiteErreur(const QString &texte);

// The NEC-2 check: the antenna computed by nec2c beside the chart's rule.
namespace Textes {
inline const QString NecIntrouvable =
    QStringLiteral("Le programme nec2c est introuvable : installez-le par la commande "
                   "« apt-get install nec2c » (en administrateur)");
inline const QString NecDossierTemporaire =
    QStringLiteral("Impossible de préparer les fichiers du calcul NEC-2");
// %1 is nec2c's exit status.
inline const QString NecCodeRetour = QStringLiteral("nec2c a échoué (code de retour %1)");
// %1 is nec2c's exit status, %2 the reason it gave, in its own words.
inline const QString NecRaison =
    QStringLiteral("nec2c a refusé le calcul (code de retour %1) en signalant : « %2 »");
inline const QString NecArret = QStringLiteral("nec2c s'est arrêté brutalement");
inline const QString NecDelai =
    QStringLiteral("nec2c n'a pas terminé son calcul en 30 secondes : calcul abandonné");
inline const QString NecSortieIllisible = QStringLiteral("La sortie de nec2c est illisible");
// %1 is the number of segments the antenna would need.
inline const QString NecTropDeSegments =
    QStringLiteral("L'antenne demanderait %1 segments, au-delà des 2001 que la vérification "
                   "accepte : calcul refusé");
inline const QString NecAucuneBande = QStringLiteral("Aucune bande n'est cochée");
inline const QString NecAnnule = QStringLiteral("Calcul annulé");
// A box of the main window read by the check: %1 names it, %2 is its error.
inline const QString NecChampPrincipal = QStringLiteral("%1 (fenêtre principale) : %2");
// %1 names the field, %2 is the typed text.
inline const QString NecPasUnNombre = QStringLiteral("%1 : « %2 » n'est pas un nombre");
inline const QString NecDiametre =
    QStringLiteral("Diamètre du fil : il doit être positif et plus petit que la branche");
inline const QString NecBranche =
    QStringLiteral("Longueur de la branche : elle doit être positive");
inline const QString NecEchelle =
    QStringLiteral("Longueur de l'échelle : elle ne peut pas être négative");
inline const QString NecCoefEchelle =
    QStringLiteral("Coefficient de vélocité de l'échelle : il doit être compris entre 0 et 1");
inline const QString NecHauteur =
    QStringLiteral("Hauteur : elle doit être positive au-dessus d'un sol");
inline const QString NecZ0 = QStringLiteral("Impédance de l'échelle : elle doit être positive");
inline const QString NecPerte =
    QStringLiteral("Perte de l'échelle : elle ne peut pas être négative");
// %1 names the limit.
inline const QString NecLimite = QStringLiteral("%1 : la limite doit être positive");
inline const QString NecLongueurMax = QStringLiteral("Longueur maximale : elle doit être positive");
// The command line: %1 is the option or the value.
inline const QString NecOptionInconnue = QStringLiteral("Option inconnue : %1");
inline const QString NecValeurManquante = QStringLiteral("Valeur manquante après %1");
inline const QString NecValeurIncorrecte = QStringLiteral("Valeur incorrecte pour %1 : %2");
inline const QString NecBandeInconnue = QStringLiteral("Bande inconnue dans Kesu.ini : %1");
} // namespace Textes
