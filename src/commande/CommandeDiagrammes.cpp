#include "commande/CommandeDiagrammes.h"

#include "rayonnement/Diagrammes.h"
#include "regles/Erreurs.h"
#include "regles/TextesRayonnement.h"

#include <QCommandLineParser>

namespace Rayonnement {

QCommandLineOption optionDiagrammes()
{
    return QCommandLineOption(QStringLiteral("diagrammes"), Textes::AideOptionDiagrammes());
}

QCommandLineOption optionPoints()
{
    return QCommandLineOption(QStringLiteral("points-diagramme"), Textes::AidePointsDiagramme());
}

int ligneCommande(const QStringList &arguments, const Commande::LecteurBandes &bandes,
                  QTextStream &sortie, QTextStream &erreurs, const Nec::Calculateur &calcule)
{
    return Nec::commandeCalculee(
        {optionDiagrammes(),
         Textes::AideUtilisationDiagrammes(),
         Textes::AideDiagrammes(),
         [&calcule](const Nec::Entrees &e, const std::vector<Nec::ImpedanceB> &zB, Nec::Resultat &r,
                    const QCommandLineParser &parseur) {
             // The bands the check kept, less those
             // whose patterns cannot be used.
             Lecture l = lit(e, zB, r);
             // The second run, around each maximum.
             if (!l.diagrammes.empty()) {
                 const Nec::Bilan b = calcule(deckAffinage(e, l.diagrammes),
                                              nombreFrequencesAffinage(e, l.diagrammes),
                                              Nec::demande(parseur).delaiS);
                 if (const auto *message = std::get_if<QString>(&b))
                     leveErreur(*message);
                 affine(e, l, std::get<std::vector<Nec::ImpedanceB>>(b));
             }
             r.echecs.insert(r.echecs.end(), l.echecs.begin(), l.echecs.end());
             return parseur.isSet(optionPoints()) ? csvPoints(l.diagrammes)
                                                  : csvChiffres(l.diagrammes);
         },
         {optionPoints()},
         deck,
         nombreFrequences},
        arguments, bandes, sortie, erreurs, calcule);
}

int ligneCommande(const QStringList &arguments)
{
    return Nec::surLeTerminal([&](QTextStream &s, QTextStream &e, const Nec::Calculateur &c) {
        return Rayonnement::ligneCommande(arguments, Commande::litKesuIni, s, e, c);
    });
}

} // namespace Rayonnement
