#include "ui/fenetres/communs/TailleOuverture.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

QSize tailleOuverture(const QWidget *fenetre, QSize voulue)
{
    const QWidget *principale =
        fenetre->parentWidget() ? fenetre->parentWidget()->window() : fenetre;
    if (const QScreen *ecran = principale->screen())
        voulue = voulue.boundedTo(ecran->availableGeometry().size() - QSize(16, 48));
    return voulue.expandedTo(fenetre->minimumSizeHint());
}

void metACote(QWidget &outil, const QWidget &principale)
{
    const QScreen *ecran = principale.screen();
    if (!ecran)
        return;
    const QRect dispo = ecran->availableGeometry();
    const QRect p = principale.frameGeometry();
    const QSize t = outil.frameGeometry().size();
    const int aDroite = dispo.right() - p.right();
    const int aGauche = p.left() - dispo.left();
    const int x = aDroite >= t.width()   ? p.right() + 1
                  : aGauche >= t.width() ? p.left() - t.width()
                  : aDroite >= aGauche   ? dispo.right() + 1 - t.width()
                                         : dispo.left();
    const int y =
        std::clamp(p.top(), dispo.top(), std::max(dispo.top(), dispo.bottom() + 1 - t.height()));
    outil.move(x, y);
}
