#include "ui/fenetres/verification/TableauNec.h"

#include "chart/TraceCourbes.h"
#include "nec/Nombres.h"
#include "ui/fenetres/verification/CarteNec.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <cmath>

namespace {

constexpr int Colonnes = 15;
constexpr int ChiffresZ = 3;

QString complexe(Nec::Complexe z)
{
    const QString signe = z.imag() < 0 ? QStringLiteral(" − j") : QStringLiteral(" + j");
    // Three figures: near a high impedance, 1 % more branch moves Z at B by
    // tens of percent, so more would be false precision. The CSV keeps them.
    return Nec::texteSignificatif(z.real(), ChiffresZ) + signe +
           Nec::texteSignificatif(std::abs(z.imag()), ChiffresZ);
}

QString ouiNon(bool v)
{
    return v ? QCoreApplication::translate("TableauNec", "Oui")
             : QCoreApplication::translate("TableauNec", "Non");
}

// A band's colour faded toward white, as the map fades it.
QColor fanee(QColor c)
{
    constexpr float Reste = 1 - CarteNec::Voile;
    return QColor::fromRgbF(Reste * c.redF() + CarteNec::Voile,
                            Reste * c.greenF() + CarteNec::Voile,
                            Reste * c.blueF() + CarteNec::Voile);
}

} // namespace

TableauNec::TableauNec(QWidget *parent) : TableauEtale(Colonnes, parent)
{
    // Headings on two lines: the columns are as narrow as their numbers.
    setHorizontalHeaderLabels({tr("Bande"), tr("Fréquence\n(kHz)"), tr("Z en B\n(Ω)"),
                               tr("Z en C\n(Ω)"), tr("|Z| en C\n(Ω)"), tr("ROS"), tr("Accord\nNEC"),
                               tr("Accord\ngraphe"), tr("Accord\nbande"), tr("ROS\nboîte"),
                               tr("Perte\n(dB)"), tr("Rendement\n(%)"), tr("Perte fil\n(%)"),
                               tr("Libre à tort\n(%)"), tr("Interdit à tort\n(%)")});
}

void TableauNec::montre(const std::vector<Nec::LigneTableau> &lignes,
                        const std::vector<Nec::BandeEchouee> &echecs, bool grise)
{
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
        item(r, 0)->setData(Qt::DecorationRole, grise ? fanee(couleur) : couleur);
    };
    // Both kinds in the band table's order.
    std::size_t i = 0;
    std::size_t j = 0;
    for (int r = 0; i < lignes.size() || j < echecs.size(); ++r) {
        if (j == echecs.size() || (i < lignes.size() && lignes[i].bande.k < echecs[j].bande.k)) {
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
            };
            for (int c = 0; c < Colonnes; ++c)
                place(r, c, textes[c], encre);
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
}
