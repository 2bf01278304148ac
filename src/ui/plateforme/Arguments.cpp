#include "ui/plateforme/Arguments.h"

#include "commande/CommandeAjuste.h"
#include "commande/CommandeBoite.h"
#include "commande/CommandeDiagrammes.h"
#include "commande/CommandeLongueurs.h"
#include "commande/CommandeNec.h"
#include "commande/Ouverture.h"
#include "nec/Moteur.h"
#include "regles/TextesCommande.h"
#include "regles/TextesLigne.h"
#include "regles/TextesLongueurs.h"
#include "ui/plateforme/Langue.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>

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
    // The language is known before any text is: the help, the messages and
    // the NEC-2 check all speak it. Its option is taken out of the line, which
    // the check reads again with options of its own.
    QStringList liste = arguments(argc, argv);
    QString demandee;
    const bool langueLue = Langue::retireOption(liste, demandee);
    QCoreApplication app(argc, argv);
    const QString langue = Langue::choisie(demandee);
    Langue::installe(langue);
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    const QString optionLangue = QStringLiteral("--") + Langue::nomOption();
    if (!langueLue || (!demandee.isEmpty() && !Langue::codes().contains(demandee))) {
        erreurs << (langueLue ? Textes::NecValeurIncorrecteAttendu().arg(
                                    optionLangue, demandee, Commande::enumeration(Langue::codes()))
                              : Textes::NecValeurManquante().arg(optionLangue))
                << '\n';
        return {false, false, 2, langue};
    }

    const QCommandLineOption aide = Commande::optionAide();
    const QCommandLineOption version = Commande::optionVersion();
    const QCommandLineOption nec = Nec::optionNec();
    // A check of an installed copy starts the program as a user would and
    // ends it once the window is up.
    QCommandLineOption quitte(QStringLiteral("quitte-apres-affichage"), Textes::AideOptionQuitte());
    quitte.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption longueurs = Longueurs::optionLongueurs();
    const QCommandLineOption choix(
        Langue::nomOption(), Textes::AideOptionLangue().arg(Commande::enumeration(Langue::codes())),
        QCoreApplication::translate("Commande", "LANGUE"));
    const QCommandLineOption boite = Nec::optionBoite();
    const QCommandLineOption diagrammes = Rayonnement::optionDiagrammes();
    const QCommandLineOption ajuste = Ajustement::optionAjuste();
    const QCommandLineOption s1p = Ajustement::optionS1p();
    const QList<QCommandLineOption> generales{aide,      version, nec, boite, diagrammes,
                                              longueurs, ajuste,  s1p, choix, quitte};
    // The commands without a window, one at a time.
    const auto commandes = {&nec, &boite, &diagrammes, &longueurs, &ajuste, &s1p};
    const auto donnee = [&liste](const QCommandLineOption &c) {
        return liste.contains(QStringLiteral("--") + c.names().constFirst());
    };
    // A project named on the line, as a file manager starts the program with
    // it: the window opens it; not the value of an option taking a file.
    const auto valeurDe = [](const QString &avant, const QCommandLineOption &o) {
        return avant == QStringLiteral("--") + o.names().constFirst();
    };
    QString projet;
    if (std::none_of(commandes.begin(), commandes.end(), [&](auto *c) { return donnee(*c); }))
        for (qsizetype i = 1; i < liste.size(); ++i)
            if (liste[i].endsWith(QStringLiteral(".kesu"), Qt::CaseInsensitive) &&
                !liste[i].startsWith(u'-') && !valeurDe(liste[i - 1], Commande::optionProjet()) &&
                !valeurDe(liste[i - 1], Commande::optionEnregistreProjet())) {
                projet = liste.takeAt(i);
                break;
            }
    // The check's options are known here too, so that the line parses whole;
    // the check reads them again with its own help.
    QCommandLineParser parseur;
    const QString faute =
        Commande::analyse(parseur,
                          generales + Nec::optionsNec() + Longueurs::optionsLongueurs() +
                              Ajustement::optionsAjuste() + Ajustement::optionsS1p().mid(1, 2) +
                              QList{Rayonnement::optionPoints(), Nec::optionDeck(),
                                    Commande::optionProjet(), Commande::optionEnregistreProjet()},
                          liste);
    // One command at a time.
    QStringList donnees;
    for (const QCommandLineOption *c : commandes)
        if (parseur.isSet(*c))
            donnees << QStringLiteral("--") + c->names().constFirst();
    if (donnees.size() > 1) {
        erreurs << Textes::CommandesCombinees().arg(donnees[0], donnees[1]) << '\n';
        return {false, false, Commande::Refus, langue};
    }
    if (parseur.isSet(longueurs))
        return {false, false, Longueurs::ligneCommande(liste.mid(1)), langue};
    if (parseur.isSet(nec))
        return {false, false, Nec::ligneCommande(liste.mid(1)), langue};
    if (parseur.isSet(boite))
        return {false, false, Nec::ligneCommandeBoite(liste.mid(1)), langue};
    if (parseur.isSet(diagrammes))
        return {false, false, Rayonnement::ligneCommande(liste.mid(1)), langue};
    if (parseur.isSet(ajuste))
        return {false, false, Ajustement::ligneCommande(liste.mid(1)), langue};
    if (parseur.isSet(s1p))
        return {false, false, Ajustement::ligneCommandeS1p(liste.mid(1)), langue};
    if (!faute.isEmpty()) {
        erreurs << faute << '\n';
        return {false, false, Commande::Refus, langue};
    }
    // An option of a command given without it would be silently ignored by
    // the window: it is refused with the commands it goes with.
    const auto noms = [](const QList<const QCommandLineOption *> &c) {
        QStringList r;
        for (const QCommandLineOption *o : c)
            r << QStringLiteral("--") + o->names().constFirst();
        return Commande::enumeration(r);
    };
    const QList<std::pair<QCommandLineOption, QString>> propres{
        {Nec::optionDeck(), noms({&nec})},
        {Rayonnement::optionPoints(), noms({&diagrammes})},
        {Commande::optionProjet(), noms({&nec, &boite, &diagrammes, &longueurs, &ajuste, &s1p})},
        {Commande::optionEnregistreProjet(),
         noms({&nec, &boite, &diagrammes, &longueurs, &ajuste, &s1p})},
    };
    QString sansCommande;
    for (const auto &[o, avec] : propres)
        if (sansCommande.isEmpty() && parseur.isSet(o))
            sansCommande = Textes::OptionSansCommande().arg(
                QStringLiteral("--") + o.names().constFirst(), avec);
    // The antenna's options serve every command that computes it.
    if (const auto [o, avec] = Ajustement::optionPropreDonnee(parseur);
        sansCommande.isEmpty() && !o.isEmpty())
        sansCommande = Textes::OptionSansCommande().arg(o, avec);
    const QString sansNec = Nec::optionNecDonnee(parseur);
    const QString sansLongueurs = Longueurs::optionLongueursDonnee(parseur);
    if (!sansNec.isEmpty() || !sansLongueurs.isEmpty() || !sansCommande.isEmpty()) {
        erreurs << (!sansNec.isEmpty()
                        ? Textes::OptionSansCommande().arg(
                              sansNec, noms({&nec, &boite, &diagrammes, &longueurs, &ajuste, &s1p}))
                    : !sansCommande.isEmpty() ? sansCommande
                                              : Textes::OptionSansLongueurs().arg(sansLongueurs))
                << '\n';
        return {false, false, Commande::Refus, langue};
    }
    if (parseur.isSet(aide)) {
        sortie << Commande::aide(Textes::AideUtilisationKesu(), Textes::AideKesu(), generales);
        return {false, false, 0, langue};
    }
    if (parseur.isSet(version)) {
        // The engine on the error stream, as the commands without a window say it.
        sortie << Commande::texteVersion() << '\n';
        sortie.flush();
        erreurs << Nec::texteMoteurEnUsage() << '\n';
        return {false, false, 0, langue};
    }
    return {true, parseur.isSet(quitte), 0, langue, projet};
}
