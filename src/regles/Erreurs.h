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

// The NEC-2 check: the antenna computed by nec2c beside the chart's rule.
namespace Textes {
inline QString NecIntrouvable()
{
    return QCoreApplication::translate(
        "Textes", "Le programme nec2c est introuvable : installez-le par la commande "
                  "« apt-get install nec2c » (en administrateur)");
}
inline QString NecDossierTemporaire()
{
    return QCoreApplication::translate("Textes",
                                       "Impossible de préparer les fichiers du calcul NEC-2");
}
// %1 is nec2c's exit status.
inline QString NecCodeRetour()
{
    return QCoreApplication::translate("Textes", "nec2c a échoué (code de retour %1)");
}
// %1 is nec2c's exit status, %2 the reason it gave, in its own words.
inline QString NecRaison()
{
    return QCoreApplication::translate(
        "Textes", "nec2c a refusé le calcul (code de retour %1) en signalant : « %2 »");
}
inline QString NecArret()
{
    return QCoreApplication::translate("Textes", "nec2c s'est arrêté brutalement");
}
// %1 is the time limit in seconds.
inline QString NecDelai()
{
    return QCoreApplication::translate(
        "Textes", "nec2c n'a pas terminé son calcul dans le délai de %1 s : calcul abandonné");
}
inline QString NecSortieIllisible()
{
    return QCoreApplication::translate("Textes", "La sortie de nec2c est illisible");
}
// %1 is the frequency nec2c answered at, %2 the one asked, both in MHz.
inline QString NecFrequenceInattendue()
{
    return QCoreApplication::translate(
        "Textes", "nec2c a répondu à %1 MHz au lieu de %2 MHz : calcul rejeté");
}
// %1 is the number of segments the antenna would need, %2 the most accepted.
inline QString NecTropDeSegments()
{
    return QCoreApplication::translate(
        "Textes", "L'antenne demanderait %1 segments, au-delà des %2 que la vérification "
                  "accepte : calcul refusé");
}
inline QString NecAucuneBande()
{
    return QCoreApplication::translate("Textes", "Aucune bande n'est cochée");
}
inline QString NecAnnule()
{
    return QCoreApplication::translate("Textes", "Calcul annulé");
}
// A box of the main window read by the check: %1 names it, %2 is its error.
inline QString NecChampPrincipal()
{
    return QCoreApplication::translate("Textes", "%1 (fenêtre principale) : %2");
}
// %1 names the field, %2 is the typed text.
inline QString NecPasUnNombre()
{
    return QCoreApplication::translate("Textes", "%1 : « %2 » n'est pas un nombre");
}
inline QString NecHauteur()
{
    return QCoreApplication::translate("Textes",
                                       "Hauteur : elle doit être positive au-dessus d'un sol");
}
// The limits of NEC-2's thin-wire model. %1 is the longest segment in mm, %2
// the fraction of the shortest wavelength it is.
inline QString NecEcartement()
{
    return QCoreApplication::translate(
        "Textes", "Écartement de l'échelle : il doit être positif et d'au plus %1 mm (1/%2 de "
                  "la longueur d'onde la plus courte)");
}
// %1 is the shortest wavelength in m, %2 the largest diameter in mm.
inline QString NecFilEpais()
{
    return QCoreApplication::translate(
        "Textes", "Fil trop épais pour la longueur d'onde la plus courte (%1 m) : le modèle de "
                  "fil mince de NEC-2 demande un diamètre d'au plus %2 mm");
}
// %1 is the shortest segment in mm, %2 the ratio, %3 the wire's radius in mm.
inline QString NecSegmentCourt()
{
    return QCoreApplication::translate(
        "Textes", "Segments trop courts pour le rayon du fil : le plus court mesure %1 mm, "
                  "NEC-2 demande au moins %2 fois le rayon (%3 mm)");
}
// %1 is the height of the ends in m, %2 the lowest apex height that keeps
// them above the ground, in m.
inline QString NecExtremitesV()
{
    return QCoreApplication::translate(
        "Textes", "Forme en V inversé : les extrémités des branches descendent à %1 m, elles "
                  "doivent rester au-dessus du sol : placez le sommet à %2 m au moins");
}
// The same, %3 the narrowest angle between the arms, in degrees, that keeps
// the ends above the ground at this height.
inline QString NecExtremitesVAngle()
{
    return QCoreApplication::translate(
        "Textes", "Forme en V inversé : les extrémités des branches descendent à %1 m, elles "
                  "doivent rester au-dessus du sol : placez le sommet à %2 m au moins, ou "
                  "ouvrez l'angle entre les branches à %3° au moins");
}
// %1 is the height of the lowest point in m, %2 the ratio, %3 the least height in mm.
inline QString NecSolProche()
{
    return QCoreApplication::translate(
        "Textes", "Hauteur : le point le plus bas du fil (%1 m) est trop près du sol pour son "
                  "rayon ; NEC-2 demande au moins %2 fois le rayon, soit %3 mm");
}
// %1 and %2 are the bounds in degrees.
inline QString NecAngle()
{
    return QCoreApplication::translate(
        "Textes", "Angle entre les branches : il doit être supérieur à %1 et d'au plus %2 degrés");
}
// %1 names the input, %2 is its value, %3 and %4 the bounds of its range.
inline QString NecHorsPlage()
{
    return QCoreApplication::translate("Textes", "%1 : %2 est hors de la plage admise, de %3 à %4");
}
inline QString NecBalun()
{
    return QCoreApplication::translate("Textes", "Balun : son rapport doit être 1, 4 ou 9");
}
inline QString NecRegion()
{
    return QCoreApplication::translate("Textes", "Région IARU : elle doit être 1, 2 ou 3");
}
// %1 and %2 are the bounds.
inline QString NecPoints()
{
    return QCoreApplication::translate(
        "Textes", "Points par bande : il en faut de %1 à %2, les bords compris");
}
// The command line: %1 is the option or the value.
inline QString NecOptionInconnue()
{
    return QCoreApplication::translate("Textes", "Option inconnue : %1");
}
inline QString NecValeurManquante()
{
    return QCoreApplication::translate("Textes", "Valeur manquante après %1");
}
inline QString NecValeurIncorrecte()
{
    return QCoreApplication::translate("Textes", "Valeur incorrecte pour %1 : %2");
}
inline QString NecBandeInconnue()
{
    return QCoreApplication::translate("Textes", "Bande inconnue dans Kesu.ini : %1");
}
inline QString ArgumentInattendu()
{
    return QCoreApplication::translate("Textes", "Argument inattendu : %1");
}
inline QString OptionSansValeur()
{
    return QCoreApplication::translate("Textes", "L'option %1 ne prend pas de valeur");
}
inline QString OptionSansNec()
{
    return QCoreApplication::translate("Textes", "L'option %1 ne s'emploie qu'avec --nec");
}
// %1 is the parser's own (English) account, for a case none of the above names.
inline QString CommandeIncorrecte()
{
    return QCoreApplication::translate("Textes", "Ligne de commande incorrecte : %1");
}

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
