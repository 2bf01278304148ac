#pragma once

#include <QCoreApplication>
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
// Kesu.ini keeps two positions for the band name and five for the frequency
// (Defauts::BandeMin...): %1 is the line, %2 the value, %3 and %4 the limits.
inline const QString BandeHorsFichier =
    QStringLiteral("Ligne %1 : la bande %2 ne peut pas être enregistrée dans Kesu.ini, qui "
                   "n'accepte que les bandes de %3 à %4");
inline const QString FrequenceHorsFichier =
    QStringLiteral("Ligne %1 : la fréquence %2 ne peut pas être enregistrée dans Kesu.ini, qui "
                   "n'accepte que les fréquences de %3 à %4");
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

// Saving a file the user chose: %1 is the file, %2 one of the reasons below.
inline const QString ImageNonEnregistree =
    QStringLiteral("Impossible d'enregistrer l'image %1 : %2");
inline const QString FichierNonEnregistre =
    QStringLiteral("Impossible d'enregistrer le fichier %1 : %2");
inline const QString DossierAbsent = QStringLiteral("le dossier n'existe pas");
inline const QString DossierProtege =
    QStringLiteral("le dossier n'accepte pas l'écriture d'un fichier");
inline const QString NomDeDossier = QStringLiteral("un dossier porte déjà ce nom");
inline const QString FichierProtege =
    QStringLiteral("le fichier existant est protégé en écriture, il est conservé");
inline const QString FichierNonCree = QStringLiteral("le fichier ne peut pas être créé");
inline const QString EcritureInterrompue =
    QStringLiteral("l'écriture a échoué (disque plein ou retiré ?), rien n'a été enregistré");
inline const QString EcritureInterrompueConserve = QStringLiteral(
    "l'écriture a échoué (disque plein ou retiré ?), le fichier existant est conservé");
inline const QString FichierNonRemplace =
    QStringLiteral("le fichier existant ne peut pas être remplacé, il est conservé");
inline const QString FichierNonMisEnPlace = QStringLiteral(
    "le fichier écrit n'a pas pu prendre son nom dans le dossier, rien n'a été enregistré");
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
// %1 is the time limit in seconds.
inline const QString NecDelai =
    QStringLiteral("nec2c n'a pas terminé son calcul dans le délai de %1 s : calcul abandonné");
inline const QString NecSortieIllisible = QStringLiteral("La sortie de nec2c est illisible");
// %1 is the frequency nec2c answered at, %2 the one asked, both in MHz.
inline const QString NecFrequenceInattendue =
    QStringLiteral("nec2c a répondu à %1 MHz au lieu de %2 MHz : calcul rejeté");
// %1 is the frequency in MHz, %2 the resistance in ohms.
inline const QString NecNonPhysique =
    QStringLiteral("nec2c donne à %1 MHz une résistance de %2 Ω au point B, ce qui n'a pas de "
                   "sens physique : calcul rejeté");
// %1 is the band's name in metres.
inline const QString NecNonFini =
    QStringLiteral("Bande de %1 m : le calcul le long de l'échelle ne donne pas de valeur finie "
                   ": calcul rejeté");
// %1 is the number of segments the antenna would need, %2 the most accepted.
inline const QString NecTropDeSegments =
    QStringLiteral("L'antenne demanderait %1 segments, au-delà des %2 que la vérification "
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
// The limits of NEC-2's thin-wire model. %1 is the longest segment in mm, %2
// the fraction of the shortest wavelength it is.
inline const QString NecEcartement =
    QStringLiteral("Écartement de l'échelle : il doit être positif et d'au plus %1 mm (1/%2 de "
                   "la longueur d'onde la plus courte)");
// %1 is the shortest wavelength in m, %2 the largest diameter in mm.
inline const QString NecFilEpais =
    QStringLiteral("Fil trop épais pour la longueur d'onde la plus courte (%1 m) : le modèle de "
                   "fil mince de NEC-2 demande un diamètre d'au plus %2 mm");
// %1 is the shortest segment in mm, %2 the ratio, %3 the wire's radius in mm.
inline const QString NecSegmentCourt =
    QStringLiteral("Segments trop courts pour le rayon du fil : le plus court mesure %1 mm, "
                   "NEC-2 demande au moins %2 fois le rayon (%3 mm)");
// %1 is the height of the lowest point in m.
inline const QString NecExtremitesV =
    QStringLiteral("Forme en V inversé : les extrémités des branches descendent à %1 m, elles "
                   "doivent rester au-dessus du sol");
// %1 is the height of the lowest point in m, %2 the ratio, %3 the least height in mm.
inline const QString NecSolProche =
    QStringLiteral("Hauteur : le point le plus bas du fil (%1 m) est trop près du sol pour son "
                   "rayon ; NEC-2 demande au moins %2 fois le rayon, soit %3 mm");
// %1 and %2 are the bounds in degrees.
inline const QString NecAngle =
    QStringLiteral("Angle entre les branches : il doit être supérieur à %1 et d'au plus %2 degrés");
inline const QString NecZ0 = QStringLiteral("Impédance de l'échelle : elle doit être positive");
inline const QString NecPerte =
    QStringLiteral("Perte de l'échelle : elle ne peut pas être négative");
// %1 names the limit.
inline const QString NecLimite = QStringLiteral("%1 : la limite doit être positive");
inline const QString NecBalun = QStringLiteral("Balun : son rapport doit être 1, 4 ou 9");
inline const QString NecRosMax =
    QStringLiteral("ROS maximal de la boîte : il doit être d'au moins 1");
inline const QString NecRegion = QStringLiteral("Région IARU : elle doit être 1, 2 ou 3");
// %1 and %2 are the bounds.
inline const QString NecPoints =
    QStringLiteral("Points par bande : il en faut de %1 à %2, les bords compris");
inline const QString NecLongueurMax = QStringLiteral("Longueur maximale : elle doit être positive");
// The command line: %1 is the option or the value.
inline const QString NecOptionInconnue = QStringLiteral("Option inconnue : %1");
inline const QString NecValeurManquante = QStringLiteral("Valeur manquante après %1");
inline const QString NecValeurIncorrecte = QStringLiteral("Valeur incorrecte pour %1 : %2");
inline const QString NecBandeInconnue = QStringLiteral("Bande inconnue dans Kesu.ini : %1");
inline const QString ArgumentInattendu = QStringLiteral("Argument inattendu : %1");
inline const QString OptionSansValeur = QStringLiteral("L'option %1 ne prend pas de valeur");
inline const QString OptionSansNec = QStringLiteral("L'option %1 ne s'emploie qu'avec --nec");
// %1 is the parser's own (English) account, for a case none of the above names.
inline const QString CommandeIncorrecte = QStringLiteral("Ligne de commande incorrecte : %1");

// The advised lengths' search. Functions, so that each is translated when said.
inline QString LongueursPlage()
{
    return QCoreApplication::translate(
        "Textes", "Échelle : la longueur de départ doit être positive ou nulle, et au plus celle "
                  "de fin, qui ne dépasse pas %1 cm");
}
inline QString LongueursTolerance()
{
    return QCoreApplication::translate(
        "Textes", "Tolérance sur les branches : elle doit être comprise entre 0 et %1 %");
}
inline QString LongueursBranches()
{
    return QCoreApplication::translate(
        "Textes", "Branches : la longueur de départ doit être positive et au plus celle de fin, "
                  "avec un pas d'au moins %1 cm et au plus %2 longueurs");
}
inline QString LongueursNombre()
{
    return QCoreApplication::translate("Textes", "Nombre de fenêtres : il doit être positif");
}
inline QString OptionSansLongueurs()
{
    return QCoreApplication::translate("Textes", "L'option %1 ne s'emploie qu'avec --longueurs");
}
} // namespace Textes
