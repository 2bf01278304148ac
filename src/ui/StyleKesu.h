#pragma once

#include <QProxyStyle>

// The window is laid out for the classic check boxes and radio buttons: a
// 13-pixel indicator and 4 pixels before the caption. Qt's own metrics are
// wider and would clip captions such as "40 m" in their 41-pixel boxes.
class StyleKesu : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metrique, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};
