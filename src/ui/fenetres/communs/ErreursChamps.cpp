#include "ui/fenetres/communs/ErreursChamps.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

const QColor Encre(0xc0, 0, 0);
const QColor Teinte(0xff, 0xe4, 0xe4);

} // namespace

void ErreursChamps::ajoute(Nec::Champ cle, QFormLayout *forme, QWidget *champ)
{
    auto *message = new QLabel;
    message->setObjectName(champ->objectName() + QStringLiteral("Erreur"));
    message->setWordWrap(true);
    QPalette p = message->palette();
    p.setColor(QPalette::WindowText, Encre);
    message->setPalette(p);
    int ligne = -1;
    QFormLayout::ItemRole role = QFormLayout::FieldRole;
    forme->getWidgetPosition(champ, &ligne, &role);
    // Under a box, in the boxes' column; under a line across the form, across.
    if (role == QFormLayout::SpanningRole)
        forme->insertRow(ligne + 1, message);
    else
        forme->insertRow(ligne + 1, QString(), message);
    forme->setRowVisible(message, false);
    marques_[cle] = {forme, champ, message};
}

void ErreursChamps::ajoute(Nec::Champ cle, Nec::Champ commeCelle)
{
    marques_[cle] = marques_.at(commeCelle);
}

void ErreursChamps::montre(const Nec::ErreurChamp &erreur, bool focalise)
{
    const auto it = marques_.find(erreur.champ());
    if (it == marques_.end())
        return;
    const Marque &m = it->second;
    m.message->setText(erreur.texte());
    m.forme->setRowVisible(m.message, true);
    if (auto *e = qobject_cast<QLineEdit *>(m.champ)) {
        QPalette p = e->palette();
        p.setColor(QPalette::Base, Teinte);
        e->setPalette(p);
        if (focalise)
            e->selectAll();
    }
    if (focalise)
        m.champ->setFocus(Qt::OtherFocusReason);
}

void ErreursChamps::efface()
{
    for (const auto &[cle, m] : marques_) {
        if (m.message->text().isEmpty())
            continue;
        m.message->clear();
        m.forme->setRowVisible(m.message, false);
        if (qobject_cast<QLineEdit *>(m.champ))
            m.champ->setPalette(QPalette());
    }
}

QString ErreursChamps::texte(Nec::Champ cle) const
{
    const auto it = marques_.find(cle);
    return it == marques_.end() ? QString() : it->second.message->text();
}
