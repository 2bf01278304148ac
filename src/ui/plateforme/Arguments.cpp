#include "ui/plateforme/Arguments.h"

#include "longueurs/CommandeLongueurs.h"
#include "longueurs/OptionsLongueurs.h"
#include "nec/LigneCommande.h"
#include "nec/OptionsNec.h"
#include "regles/Commande.h"
#include "regles/Erreurs.h"
#include "regles/TextesCommande.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

// The arguments as QCoreApplication reads them on Unix, before there is one.
QStringList arguments(int argc, char **argv)
{
    QStringList r;
    for (int i = 0; i < argc; ++i)
        r << QString::fromLocal8Bit(argv[i]);
    return r;
}

} // namespace

Suite traiteArguments(int &argc, char **argv)
{
    const QCommandLineOption aide = Commande::optionAide();
    const QCommandLineOption version = Commande::optionVersion();
    const QCommandLineOption nec = Nec::optionNec();
    // A check of an installed copy starts the program as a user would and
    // ends it once the window is up.
    QCommandLineOption quitte(QStringLiteral("quitte-apres-affichage"), Textes::AideOptionQuitte);
    quitte.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption longueurs = Longueurs::optionLongueurs();
    const QList<QCommandLineOption> generales{aide, version, nec, longueurs, quitte};
    // The check's options are known here too, so that the line parses whole;
    // the check reads them again with its own help.
    QCommandLineParser parseur;
    const QStringList liste = arguments(argc, argv);
    const QString faute = Commande::analyse(
        parseur, generales + Nec::optionsNec() + Longueurs::optionsLongueurs(), liste);
    if (parseur.isSet(longueurs)) {
        QCoreApplication app(argc, argv);
        return {false, false, Longueurs::ligneCommande(liste.mid(1))};
    }
    if (parseur.isSet(nec)) {
        QCoreApplication app(argc, argv);
        return {false, false, Nec::ligneCommande(liste.mid(1))};
    }
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    const QString sansNec = Nec::optionNecDonnee(parseur);
    const QString sansLongueurs = Longueurs::optionLongueursDonnee(parseur);
    if (!faute.isEmpty() || !sansNec.isEmpty() || !sansLongueurs.isEmpty()) {
        erreurs << (!faute.isEmpty()     ? faute
                    : !sansNec.isEmpty() ? Textes::OptionSansNec.arg(sansNec)
                                         : Textes::OptionSansLongueurs().arg(sansLongueurs))
                << '\n';
        return {false, false, 2};
    }
    if (parseur.isSet(aide)) {
        sortie << Commande::aide(Textes::AideUtilisationKesu, Textes::AideKesu, generales);
        return {};
    }
    if (parseur.isSet(version)) {
        sortie << Commande::texteVersion() << '\n';
        return {};
    }
    return {true, parseur.isSet(quitte), 0};
}
