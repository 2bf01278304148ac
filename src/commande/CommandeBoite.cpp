#include "commande/CommandeBoite.h"

#include "nec/Nombres.h"
#include "nec/TexteReseau.h"
#include "regles/TextesBoite.h"

#include <algorithm>
#include <cmath>

namespace Nec {

namespace {

const QString EnTete = QStringLiteral(
    "bande,frequence_khz,r_c,x_c,reseau,c1_pf,l_uh,c2_pf,perte_boite_db,puissance_bobine_w,"
    "tension_c1_v,tension_c2_v,courant_bobine_a,accordable,limite,valeur_requise,en_butee");

QString ligne(const BandeVerifiee &b, double kHz, Complexe zC, const Reseau::Reglage &r)
{
    // A part the network lacks, or a setting not found, leaves its column empty.
    const auto si = [&r](double v, int d) { return r.trouve ? champOuVide(v, d) : QString(); };
    return QStringList{QString::number(b.bande), champ(kHz), champ(zC.real(), 2),
                       champ(zC.imag(), 2), nomMontage(r.montage), si(r.c1Pf, 2), si(r.lUh, 3),
                       si(r.c2Pf, 2), si(r.perteDb, 3), si(r.puissanceBobineW, 2),
                       si(r.tensionC1V, 0), si(r.tensionC2V, 0), si(r.courantBobineA, 3),
                       QString::number(r.accordable() ? 1 : 0), nomLimite(r.limite),
                       // In the unit of the part named by limite.
                       champOuVide(r.valeurRequise, r.limite == Reseau::Limite::LMin ||
                                                            r.limite == Reseau::Limite::LMax
                                                        ? 3
                                                        : 2),
                       nomsButees(r)}
               .join(u',') +
           u'\n';
}

} // namespace

QCommandLineOption optionBoite()
{
    return QCommandLineOption(QStringLiteral("boite"), Textes::AideOptionBoite());
}

QByteArray csvBoite(const Entrees &e, const std::vector<ImpedanceB> &zB, const Resultat &r)
{
    QString t = EnTete + u'\n';
    for (const LigneTableau &l : r.lignes) {
        const auto j = static_cast<std::size_t>(
            std::find(e.bandes.begin(), e.bandes.end(), l.bande) - e.bandes.begin());
        for (const PointC &p : pointsC(e, zB, j))
            t += ligne(l.bande, p.frequenceHz / 1e3, p.zC, reglageC(e, p.zC, p.frequenceHz));
    }
    return t.toUtf8();
}

int ligneCommandeBoite(const QStringList &arguments, const Commande::LecteurBandes &bandes,
                       QTextStream &sortie, QTextStream &erreurs, const Calculateur &calcule)
{
    return commandeCalculee({optionBoite(), Textes::AideUtilisationBoite(), Textes::AideBoite(),
                             [](const Entrees &e, const std::vector<ImpedanceB> &zB, Resultat &r,
                                const QCommandLineParser &) { return csvBoite(e, zB, r); }},
                            arguments, bandes, sortie, erreurs, calcule);
}

int ligneCommandeBoite(const QStringList &arguments)
{
    return surLeTerminal([&](QTextStream &s, QTextStream &e, const Calculateur &c) {
        return ligneCommandeBoite(arguments, Commande::litKesuIni, s, e, c);
    });
}

} // namespace Nec
