#include "longueurs/CommandeLongueurs.h"

#include "longueurs/OptionsLongueurs.h"
#include "nec/Interruption.h"
#include "nec/Modele.h"
#include "nec/Moteur.h"
#include "regles/Commande.h"
#include "regles/Erreurs.h"
#include "regles/TextesCommande.h"
#include "regles/TextesMoteur.h"

#include <QCommandLineParser>
#include <QHash>

namespace Longueurs {

int ligneCommande(const QStringList &arguments, const Nec::LecteurBandes &litBandes,
                  QTextStream &sortie, QTextStream &erreurs, const Calculateurs &calcule)
{
    const QList<QCommandLineOption> options =
        QList{Commande::optionAide(), Commande::optionVersion()} + Nec::optionsNec() +
        optionsLongueurs();
    QCommandLineParser parseur;
    if (const auto fin = Commande::ouvre(
            parseur, options, optionLongueurs(), arguments, Textes::AideUtilisationLongueurs(),
            Textes::AideLongueurs(), sortie, erreurs, Nec::texteMoteurEnUsage))
        return *fin;
    Demande d;
    try {
        d = demande(parseur);
    } catch (const KesuErreur &erreur) {
        erreurs << erreur.texte() << '\n';
        return 2;
    }
    const auto table = Nec::tableDeLaCommande(litBandes, erreurs);
    if (!table)
        return 1;
    Nec::Entrees e = d.nec.entrees;
    std::vector<Antennes> antennes;
    std::vector<QByteArray> aCalculer;
    try {
        Nec::completeBandes(e, d.nec.bandes, *table);
        antennes = prepare(e, d.parametres, d.branches);
        for (const Antennes &a : antennes)
            for (const Nec::Entrees &x : a.entrees)
                Nec::valide(x);
        // Too many segments: a value the check refuses.
        if (d.parametres.regle == Regle::Nec)
            aCalculer = decks(antennes);
    } catch (const KesuErreur &erreur) {
        erreurs << erreur.texte() << '\n';
        return 2;
    }
    // Each deck's frequencies shared out between the runs side by side.
    std::vector<QByteArray> parts;
    std::vector<std::size_t> nombreParts;
    for (const QByteArray &deck : aCalculer) {
        const std::vector<QByteArray> p = Nec::partage(deck, Defauts::ExecutionsParalleles);
        parts.insert(parts.end(), p.begin(), p.end());
        nombreParts.push_back(p.size());
    }
    QHash<QByteArray, std::vector<Nec::ImpedanceB>> calcules;
    if (!parts.empty()) {
        const Nec::ExecutionNec::Bilans bilans = calcule(parts, d.nec.delaiS);
        if (const auto *message = std::get_if<QString>(&bilans)) {
            erreurs << *message << '\n';
            return 1;
        }
        const auto &z = std::get<std::vector<std::vector<Nec::ImpedanceB>>>(bilans);
        std::size_t k = 0;
        for (std::size_t i = 0; i < aCalculer.size(); ++i) {
            std::vector<Nec::ImpedanceB> tout;
            for (std::size_t j = 0; j < nombreParts[i] && k < z.size(); ++j, ++k)
                tout.insert(tout.end(), z[k].begin(), z[k].end());
            calcules.insert(aCalculer[i], std::move(tout));
        }
    }
    const auto trouve = [&](const QByteArray &deck) -> const std::vector<Nec::ImpedanceB> * {
        const auto i = calcules.constFind(deck);
        return i == calcules.cend() ? nullptr : &*i;
    };
    sortie << QString::fromUtf8(
        csv(cherche(antennes, d.parametres, static_cast<std::size_t>(d.nombre), trouve)));
    // The windows stand without the bands nec2c could not compute: said, and
    // the exit status says the search is not whole.
    const std::vector<Nec::BandeEchouee> ecartees = echecs(antennes);
    for (const Nec::BandeEchouee &b : ecartees)
        erreurs << Textes::BandeEcartee().arg(b.bande.bande).arg(b.raison) << '\n';
    return ecartees.empty() ? 0 : 1;
}

int ligneCommande(const QStringList &arguments)
{
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    Nec::installeInterruptions();
    return ligneCommande(arguments, Nec::litKesuIni, sortie, erreurs,
                         [](const std::vector<QByteArray> &decks, double delaiS) {
                             return Nec::ExecutionNec::executeBloquants(
                                 decks, Defauts::ExecutionsParalleles, Nec::programmeNec(), delaiS);
                         });
}

} // namespace Longueurs
