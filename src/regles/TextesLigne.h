#pragma once

#include <QCoreApplication>
#include <QString>

// What a command without a window says when it refuses its line.
namespace Textes {

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
// The same with what the option takes: %3 is one of the two below, or the
// names it accepts ("libre, moyen ou parfait").
inline QString NecValeurIncorrecteAttendu()
{
    return QCoreApplication::translate("Textes", "Valeur incorrecte pour %1 : %2 (attendu : %3)");
}
inline QString AttenduEntier()
{
    return QCoreApplication::translate("Textes", "un nombre entier");
}
inline QString AttenduCentimetres()
{
    return QCoreApplication::translate("Textes", "un nombre entier de centimètres");
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
// %1 is an option, %2 the commands it goes with ("--nec, --boite ou --diagrammes").
inline QString OptionSansCommande()
{
    return QCoreApplication::translate("Textes", "L'option %1 ne s'emploie qu'avec %2");
}
// A command's band table missing: the window's own message first, then %1,
// the working folder, and how to get the default table.
inline QString FichierBandesIntrouvableLigne()
{
    return QCoreApplication::translate(
        "Textes",
        "Fichier KESU.INI introuvable. Kesu lit Kesu.ini dans le dossier de travail, ici %1. "
        "./run.sh et la commande kesu du paquet travaillent dans ~/.local/share/kesu et y "
        "placent celui par défaut ; sinon, copiez dans ce dossier celui qui vient avec Kesu "
        "(src/resources/Kesu.ini dans les sources, /usr/share/kesu/Kesu.ini une fois le paquet "
        "installé)");
}
// %1 and %2 are two commands given together ("--nec", "--longueurs").
inline QString CommandesCombinees()
{
    return QCoreApplication::translate(
        "Textes", "%1 et %2 sont deux commandes qui ne se combinent pas : donnez "
                  "l'une ou l'autre");
}
// %1 is the parser's own (English) account, for a case none of the above names.
inline QString CommandeIncorrecte()
{
    return QCoreApplication::translate("Textes", "Ligne de commande incorrecte : %1");
}

} // namespace Textes
