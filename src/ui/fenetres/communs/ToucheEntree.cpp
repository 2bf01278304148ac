#include "ui/fenetres/communs/ToucheEntree.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

void sansBoutonParDefaut(QDialog &fenetre)
{
    for (QPushButton *b : fenetre.findChildren<QPushButton *>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
}

bool traiteEntree(QKeyEvent *e, QPushButton &action)
{
    if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter)
        return false;
    if (auto *bouton = qobject_cast<QPushButton *>(QApplication::focusWidget());
        bouton && bouton->isEnabled())
        bouton->click();
    else if (action.isEnabled())
        action.click();
    e->accept();
    return true;
}
