#include "ui/fenetres/communs/ErreursChamps.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

#include <algorithm>

namespace {

const QColor Encre(0xc0, 0, 0);
const QColor Teinte(0xff, 0xe4, 0xe4);

} // namespace

namespace {

// The widget the note lies on: the scrolling inputs' own, so that it scrolls
// with its box; the window when the box does not scroll.
QWidget *hote(QWidget *champ)
{
    for (QWidget *w = champ; w; w = w->parentWidget())
        if (w->parentWidget() && qobject_cast<QScrollArea *>(w->parentWidget()->parentWidget()))
            return w;
    return champ->window();
}

} // namespace

void ErreursChamps::ajoute(Nec::Champ cle, QWidget *champ)
{
    auto *message = new QLabel(hote(champ));
    message->setObjectName(champ->objectName() + QStringLiteral("Erreur"));
    message->setWordWrap(true);
    message->setAutoFillBackground(true);
    message->setMargin(3);
    message->setFrameShape(QFrame::Box);
    QPalette p = message->palette();
    p.setColor(QPalette::WindowText, Encre);
    p.setColor(QPalette::Window, QColor(0xff, 0xf4, 0xf4));
    message->setPalette(p);
    message->hide();
    marques_[cle] = {champ, message};
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
    // Under the box, from its left edge to the inputs' right edge.
    QWidget *sur = m.message->parentWidget();
    const QPoint coin = m.champ->mapTo(sur, QPoint(0, m.champ->height() + 1));
    const int largeur = std::max(m.champ->width(), sur->width() - coin.x() - 4);
    m.message->setGeometry(coin.x(), coin.y(), largeur, m.message->heightForWidth(largeur));
    m.message->raise();
    m.message->show();
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
        m.message->hide();
        if (qobject_cast<QLineEdit *>(m.champ))
            m.champ->setPalette(QPalette());
    }
}

QString ErreursChamps::texte(Nec::Champ cle) const
{
    const auto it = marques_.find(cle);
    return it == marques_.end() ? QString() : it->second.message->text();
}
