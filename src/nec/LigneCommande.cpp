#include "nec/LigneCommande.h"

#include "nec/Interruption.h"
#include "nec/OptionsNec.h"
#include "regles/Commande.h"
#include "regles/Erreurs.h"
#include "regles/TextesCommande.h"
#include "regles/TextesMoteur.h"

#include <QCommandLineParser>
#include <QFile>
#include <algorithm>

namespace Nec {

static std::vector<BandeVerifiee> bandes(const std::vector<BandeDemandee> &demandees,
                                         const FichierBandes::Table &table)
{
    std::vector<BandeVerifiee> r;
    const auto ajoute = [&](int k) {
        r.push_back({k, table[k - 1].Bande, table[k - 1].Frequence});
    };
    if (demandees.empty())
        for (int k = 1; k <= NombreBandes; ++k)
            ajoute(k);
    for (const BandeDemandee &b : demandees) {
        int k = 1;
        while (k <= NombreBandes && table[k - 1].Bande != b.bande)
            ++k;
        if (k > NombreBandes)
            leveErreur(Textes::NecBandeInconnue().arg(b.texte));
        ajoute(k);
    }
    return r;
}

void completeBandes(Entrees &e, const std::vector<BandeDemandee> &demandees,
                    const FichierBandes::Table &table)
{
    e.bandes = bandes(demandees, table);
    // The antenna is cut for the table's highest band, ticked or not, so
    // that a band's impedance does not depend on the others asked.
    for (const auto &ligne : table)
        e.frequenceMaxTableKHz = std::max(e.frequenceMaxTableKHz, ligne.Frequence);
    valide(e);
}

std::optional<FichierBandes::Table> tableDeLaCommande(const LecteurBandes &litBandes,
                                                      QTextStream &erreurs)
{
    try {
        return litBandes();
    } catch (const std::exception &) {
        erreurs << Textes::FichierBandesIntrouvable() << '\n';
        return std::nullopt;
    }
}

int ligneCommande(const QStringList &arguments, const LecteurBandes &litBandes, QTextStream &sortie,
                  QTextStream &erreurs, const Calculateur &calcule)
{
    const QList<QCommandLineOption> options =
        QList{Commande::optionAide(), Commande::optionVersion()} + optionsNec();
    QCommandLineParser parseur;
    if (const auto fin =
            Commande::ouvre(parseur, options, optionNec(), arguments, Textes::AideUtilisationNec(),
                            Textes::AideNec(), sortie, erreurs, texteMoteurEnUsage))
        return *fin;
    Entrees e;
    std::vector<BandeDemandee> demandees;
    double delaiS = DelaiBloquantS;
    try {
        const Demande d = demande(parseur);
        e = d.entrees;
        demandees = d.bandes;
        delaiS = d.delaiS;
    } catch (const KesuErreur &erreur) {
        erreurs << erreur.texte() << '\n';
        return 2;
    }
    const auto table = tableDeLaCommande(litBandes, erreurs);
    if (!table)
        return 1;
    QByteArray d;
    try {
        completeBandes(e, demandees, *table);
        // Too many segments: a value the check refuses.
        d = deck(e);
    } catch (const KesuErreur &erreur) {
        erreurs << erreur.texte() << '\n';
        return 2;
    }
    const Bilan bilan = calcule(d, nombreFrequences(e), delaiS);
    if (const auto *message = std::get_if<QString>(&bilan)) {
        erreurs << *message << '\n';
        return 1;
    }
    // The bands computed are written; each one left out is named with its
    // reason, and the exit status says the table is not whole.
    const Resultat r = evalue(e, std::get<std::vector<ImpedanceB>>(bilan));
    sortie << QString::fromUtf8(csv(r.lignes));
    for (const BandeEchouee &echec : r.echecs)
        erreurs << Textes::BandeEchouee().arg(echec.bande.bande).arg(echec.raison) << '\n';
    return r.echecs.empty() ? 0 : 1;
}

int ligneCommande(const QStringList &arguments, const FichierBandes::Table &table,
                  QTextStream &sortie, QTextStream &erreurs, const Calculateur &calcule)
{
    return ligneCommande(
        arguments, [&] { return table; }, sortie, erreurs, calcule);
}

FichierBandes::Table litKesuIni()
{
    QFile f(FichierBandes::NomFichier);
    if (!f.open(QIODevice::ReadOnly))
        leveErreur(Textes::FichierBandesIntrouvable());
    return FichierBandes::lit(f.readAll());
}

int ligneCommande(const QStringList &arguments)
{
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    installeInterruptions();
    return ligneCommande(arguments, litKesuIni, sortie, erreurs,
                         [](const QByteArray &d, int n, double delaiS) {
                             return ExecutionNec::executeBloquant(d, n, programmeNec(), delaiS);
                         });
}

} // namespace Nec
