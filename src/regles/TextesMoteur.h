#pragma once

#include <QCoreApplication>
#include <QString>

// The NEC-2 engine: which one runs, whether it computes a real ground right,
// and the bands a run could not compute.
namespace Textes {

// %1 is the engine's path, %2 its worst gap on the check decks, in percent.
inline QString MoteurFautif()
{
    return QCoreApplication::translate(
        "Textes",
        "Le moteur NEC-2 « %1 » calcule mal les sols réels : il s'écarte de %2 % d'un cas de "
        "contrôle. Les calculs au-dessus d'un sol sont refusés ; l'espace libre reste possible. "
        "Le moteur corrigé de Kesu, nec2c-kesu, est construit par ./run.sh et installé avec le "
        "paquet kesu ; la variable KESU_NEC2C désigne un autre moteur");
}
// %1 is the engine's path.
inline QString MoteurNonVerifieRefuse()
{
    return QCoreApplication::translate(
        "Textes",
        "Le moteur NEC-2 « %1 » n'a pas pu être vérifié : il n'a pas répondu aux cas de "
        "contrôle, ou pas dans le délai. Les calculs au-dessus d'un sol sont refusés ; l'espace "
        "libre reste possible. Pour l'utiliser quand même au-dessus d'un sol, cochez « Accepter un "
        "moteur NEC-2 non vérifié » dans le menu Outils, ou donnez l'option --moteur-non-verifie à "
        "une commande");
}
// What the About box, --version and the help say of the engine in use: %1 is
// its path, %2 the verdict below.
inline QString MoteurEnUsage()
{
    return QCoreApplication::translate("Textes", "Moteur NEC-2 : %1 (%2)");
}
inline QString MoteurIntrouvable()
{
    return QCoreApplication::translate("Textes", "introuvable");
}
inline QString MoteurSain()
{
    return QCoreApplication::translate("Textes", "sol réel correct aux cas de contrôle");
}
// %1 is the worst gap in percent.
inline QString MoteurDefaillant()
{
    return QCoreApplication::translate(
        "Textes", "défaillant : écart de %1 % aux cas de contrôle, sols réels refusés");
}
inline QString MoteurNonVerifie()
{
    return QCoreApplication::translate("Textes",
                                       "non vérifié : les cas de contrôle n'ont pas abouti");
}

// A band left out of a run: %1 is its name in metres, %2 the reason.
inline QString BandeEchouee()
{
    return QCoreApplication::translate("Textes", "Bande de %1 m : %2");
}
// A band the advised lengths leave out: %1 is its name in metres, %2 the reason.
inline QString BandeEcartee()
{
    return QCoreApplication::translate("Textes", "Bande de %1 m laissée de côté : %2");
}
// %1 is the frequency in MHz.
inline QString NecSansReponse()
{
    return QCoreApplication::translate("Textes", "nec2c n'a pas donné de réponse à %1 MHz");
}
// %1 is the frequency in MHz, %2 the resistance in ohms.
inline QString NecResistanceNonPhysique()
{
    return QCoreApplication::translate(
        "Textes", "nec2c donne à %1 MHz une résistance de %2 Ω au point B, ce qui n'a pas de "
                  "sens physique");
}
// %1 is the frequency in MHz.
inline QString NecImpedanceNonFinie()
{
    return QCoreApplication::translate(
        "Textes", "nec2c donne à %1 MHz une impédance au point B qui n'est pas un nombre fini");
}
inline QString NecLigneNonFinie()
{
    return QCoreApplication::translate(
        "Textes", "le calcul le long de l'échelle ne donne pas de valeur finie");
}
// A value of a band's row in a table that is not a number.
inline QString ValeurNonFinie()
{
    return QCoreApplication::translate("Textes",
                                       "le calcul donne une valeur qui n'est pas un nombre fini");
}

} // namespace Textes
