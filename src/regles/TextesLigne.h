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
inline QString NecEtLongueurs()
{
    return QCoreApplication::translate(
        "Textes", "--nec et --longueurs sont deux commandes qui ne se combinent pas : donnez "
                  "l'une ou l'autre");
}
// %1 is the parser's own (English) account, for a case none of the above names.
inline QString CommandeIncorrecte()
{
    return QCoreApplication::translate("Textes", "Ligne de commande incorrecte : %1");
}

} // namespace Textes
