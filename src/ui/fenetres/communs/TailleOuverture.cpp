#include "ui/fenetres/communs/TailleOuverture.h"

#include <QScreen>
#include <QWidget>

QSize tailleOuverture(const QWidget *fenetre, QSize voulue)
{
    const QWidget *principale =
        fenetre->parentWidget() ? fenetre->parentWidget()->window() : fenetre;
    if (const QScreen *ecran = principale->screen())
        voulue = voulue.boundedTo(ecran->availableGeometry().size() - QSize(16, 48));
    return voulue.expandedTo(fenetre->minimumSizeHint());
}
