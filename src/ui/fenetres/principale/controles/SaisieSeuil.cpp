#include "ui/fenetres/principale/controles/SaisieSeuil.h"

#include <QFocusEvent>

void SaisieSeuil::focusInEvent(QFocusEvent *e)
{
    const bool selectionnee = hasSelectedText();
    QLineEdit::focusInEvent(e);
    if (!selectionnee &&
        (e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason))
        deselect();
}
