#include "ui/plateforme/StyleKesu.h"
#include <QStyleOptionComplex>

int StyleKesu::pixelMetric(PixelMetric metrique, const QStyleOption *option,
                           const QWidget *widget) const
{
    switch (metrique) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return 13;
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
        return 4;
    default:
        return QProxyStyle::pixelMetric(metrique, option, widget);
    }
}

QRect StyleKesu::subControlRect(ComplexControl controle, const QStyleOptionComplex *option,
                                SubControl partie, const QWidget *widget) const
{
    if (controle == CC_ComboBox && option != nullptr) {
        // A two-pixel border, the arrow against the right one, the text in the rest.
        const QRect r = option->rect.adjusted(2, 2, -2, -2);
        if (partie == SC_ComboBoxArrow)
            return QRect(r.right() - LargeurFleche + 1, r.top(), LargeurFleche, r.height());
        if (partie == SC_ComboBoxEditField)
            return r.adjusted(0, 0, -LargeurFleche, 0);
    }
    return QProxyStyle::subControlRect(controle, option, partie, widget);
}
