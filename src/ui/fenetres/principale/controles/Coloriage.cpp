#include "ui/fenetres/principale/controles/Coloriage.h"

#include <QWidget>

void Coloriage::colore(QWidget *w, std::initializer_list<QPalette::ColorRole> roles, QRgb couleur)
{
    QPalette p = w->palette();
    for (QPalette::ColorRole role : roles)
        p.setColor(role, QColor(couleur));
    w->setPalette(p);
}
