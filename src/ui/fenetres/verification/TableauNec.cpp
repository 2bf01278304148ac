#include "ui/fenetres/verification/TableauNec.h"

#include "chart/TraceCourbes.h"
#include "nec/Nombres.h"
#include "nec/TexteReseau.h"
#include "regles/TextesBoite.h"
#include "ui/fenetres/verification/CarteNec.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <cmath>

namespace {

constexpr int Colonnes = 18;
constexpr int ColonneReglage = 15;
constexpr int ColonneMesure = 16; // then the distance
constexpr int ChiffresZ = 3;

} // namespace

QString TableauNec::complexe(Nec::Complexe z)
{
    const QString signe = z.imag() < 0 ? QStringLiteral(" − j") : QStringLiteral(" + j");
    // Three figures: near a high impedance, 1 % more branch moves Z at B by
    // tens of percent, so more would be false precision. The CSV keeps them.
    return Nec::texteSignificatif(z.real(), ChiffresZ) + signe +
           Nec::texteSignificatif(std::abs(z.imag()), ChiffresZ);
}

namespace {

QString ouiNon(bool v)
{
    return v ? QCoreApplication::translate("TableauNec", "Oui")
             : QCoreApplication::translate("TableauNec", "Non");
}

} // namespace

TableauNec::TableauNec(QWidget *parent) : TableauEtale(Colonnes, parent)
{
    // Headings on two lines: the columns are as narrow as their numbers.
    setHorizontalHeaderLabels(
        {tr("Bande"), tr("Fréquence\n(kHz)"), tr("Z en B\n(Ω)"), tr("Z en C\n(Ω)"),
         tr("|Z| en C\n(Ω)"), tr("ROS"), tr("Accord\nNEC"), tr("Accord\ngraphe"),
         tr("Accord\nbande"), tr("ROS\nboîte"), tr("Perte\n(dB)"), tr("Rendement\n(%)"),
         tr("Perte fil\n(%)"), tr("Libre\nà tort (%)"), tr("Interdit\nà tort (%)"),
         tr("Réglage\n(pF, µH)"), tr("Z mesurée\nen C (Ω)"), tr("Écart à la\nmesure (%)")});
    setColumnHidden(ColonneReglage, true);
    setColumnHidden(ColonneMesure, true);
    setColumnHidden(ColonneMesure + 1, true);
    horizontalHeaderItem(ColonneMesure + 1)
        ->setToolTip(
            tr("|Z du modèle − Z mesurée| / |Z mesurée|, en C, à la fréquence de la bande"));
}

QString TableauNec::texteReglage(const Reseau::Reglage &r)
{
    if (!r.trouve)
        return Nec::texteLimite(r);
    // A part at an end of its range says which.
    const auto valeur = [](double v, Reseau::Butee b) {
        const QString t = Nec::texteSignificatif(v, 3);
        if (b == Reseau::Butee::Non)
            return t;
        return t + u' ' + (b == Reseau::Butee::Min ? Textes::ButeeMin() : Textes::ButeeMax());
    };
    QStringList parties;
    if (std::isfinite(r.c1Pf))
        parties << (r.montage == Reseau::Montage::T ? QStringLiteral("C1 ")
                                                    : QStringLiteral("C ")) +
                       valeur(r.c1Pf, r.buteeC1);
    parties << QStringLiteral("L ") + valeur(r.lUh, r.buteeL);
    if (std::isfinite(r.c2Pf))
        parties << (r.montage == Reseau::Montage::T ? QStringLiteral("C2 ")
                                                    : QStringLiteral("C ")) +
                       valeur(r.c2Pf, r.buteeC2);
    // On lines of their own, so that the column stays narrow enough for the
    // whole table to show: the first two parts, the rest, why it does not serve.
    QString t = parties.mid(0, 2).join(QStringLiteral(" · "));
    QStringList suite = parties.mid(2);
    if (r.montage != Reseau::Montage::T)
        suite << (r.montage == Reseau::Montage::CCoteEmetteur ? tr("C côté émetteur")
                                                              : tr("C côté antenne"));
    // Its loss beside it: a column of its own would push the table wider than the window.
    suite << tr("perte %1 dB").arg(Nec::texte(r.perteDb, 2));
    if (!suite.isEmpty())
        t += u'\n' + suite.join(QStringLiteral(" · "));
    if (!r.accordable())
        t += u'\n' + Nec::texteLimite(r);
    return t;
}

void TableauNec::montre(const std::vector<Nec::LigneTableau> &lignes,
                        const std::vector<Nec::BandeEchouee> &echecs, bool grise, bool reseau,
                        const std::vector<std::optional<Nec::Complexe>> &mesures)
{
    setColumnHidden(ColonneReglage, !reseau);
    setColumnHidden(ColonneMesure, mesures.empty());
    setColumnHidden(ColonneMesure + 1, mesures.empty());
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    clearSpans();
    setRowCount(static_cast<int>(lignes.size() + echecs.size()));
    const QBrush encre =
        palette().brush(grise ? QPalette::Disabled : QPalette::Active, QPalette::Text);
    const auto place = [&](int r, int c, const QString &texte, const QBrush &couleur) {
        auto *item = new QTableWidgetItem(texte);
        item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                      : Qt::AlignRight | Qt::AlignVCenter);
        item->setForeground(couleur);
        setItem(r, c, item);
        return item;
    };
    const auto pastille = [&](int r, int k) {
        const QColor couleur = QColor::fromRgb(CouleursBandes[k]);
        item(r, 0)->setData(Qt::DecorationRole, grise ? CarteNec::fanee(couleur) : couleur);
    };
    // Both kinds in the band table's order.
    std::size_t i = 0;
    std::size_t j = 0;
    for (int r = 0; i < lignes.size() || j < echecs.size(); ++r) {
        if (j == echecs.size() || (i < lignes.size() && lignes[i].bande.k < echecs[j].bande.k)) {
            const std::optional<Nec::Complexe> mesure =
                i < mesures.size() ? mesures[i] : std::nullopt;
            const Nec::LigneTableau &l = lignes[i++];
            const QString textes[Colonnes] = {
                QString::number(l.bande.bande) + QStringLiteral(" m"),
                QString::number(l.bande.frequenceKHz),
                complexe(l.zB),
                complexe(l.zC),
                Nec::texteSignificatif(std::abs(l.zC), ChiffresZ),
                Nec::texte(l.ros, 2),
                ouiNon(l.accordableNec),
                ouiNon(l.accordableGraphe),
                ouiNon(l.accordableBande),
                Nec::texte(l.rosBoite, 2),
                Nec::texte(l.perteDb, 2),
                Nec::texte(l.rendementPct, 1),
                std::isfinite(l.perteFilPct) ? Nec::texte(l.perteFilPct, 2) : QString(),
                Nec::texte(l.libreATortPct, 1),
                Nec::texte(l.interditATortPct, 1),
                texteReglage(l.reglage),
                mesure ? complexe(*mesure) : QString(),
                mesure ? Nec::texte(100 * std::abs(l.zC - *mesure) / std::abs(*mesure), 1)
                       : QString(),
            };
            for (int c = 0; c < Colonnes; ++c)
                place(r, c, textes[c], encre);
            if (reseau) {
                // The parts set the column's width; why a setting does not
                // serve is elided there, and whole in the tooltip.
                QStringList parties = textes[ColonneReglage].split(u'\n');
                const int hauteur = static_cast<int>(parties.size());
                if (!l.reglage.accordable())
                    parties.removeLast();
                int large = 0;
                for (const QString &x : parties)
                    large = std::max(large, fontMetrics().horizontalAdvance(x) + 8);
                item(r, ColonneReglage)
                    ->setData(Qt::SizeHintRole,
                              QSize(large, hauteur * fontMetrics().lineSpacing() + 6));
            }
            // What the parts must stand at the user's power.
            if (l.reglage.trouve) {
                QTableWidgetItem *reglage = item(r, ColonneReglage);
                reglage->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                QStringList tensions;
                for (double v : {l.reglage.tensionC1V, l.reglage.tensionC2V})
                    if (std::isfinite(v))
                        tensions << Nec::texte(v, 0);
                reglage->setToolTip(tr("Tension de crête des condensateurs : %1 V ; self : %2 A "
                                       "efficaces, %3 W dissipés")
                                        .arg(tensions.join(QStringLiteral(", ")),
                                             Nec::texte(l.reglage.courantBobineA, 2),
                                             Nec::texte(l.reglage.puissanceBobineW, 1)));
            }
            if (reseau && !l.reglage.accordable())
                // The value the part would need, whole however narrow the column.
                item(r, ColonneReglage)->setToolTip(Nec::texteLimite(l.reglage));
            pastille(r, l.bande.k);
            continue;
        }
        const Nec::BandeEchouee &e = echecs[j++];
        const QBrush rouge = grise ? encre : QBrush(QColor(0xc0, 0, 0));
        place(r, 0, QString::number(e.bande.bande) + QStringLiteral(" m"), encre);
        place(r, 1, QString::number(e.bande.frequenceKHz), encre);
        QTableWidgetItem *raison = place(r, 2, e.raison, rouge);
        raison->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        raison->setToolTip(e.raison);
        // Across the columns: it widens none of them.
        raison->setData(Qt::SizeHintRole, QSize(0, 0));
        setSpan(r, 2, 1, Colonnes - 2);
        pastille(r, e.bande.k);
    }
    ajusteColonnes();
    if (reseau)
        resizeRowsToContents();
}
