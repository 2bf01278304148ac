#include "ui/StyleKesu.h"

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
