#pragma once

#include <QProxyStyle>

// The window is laid out for the classic check boxes and radio buttons: a
// 13-pixel indicator and 4 pixels before the caption. Qt's own metrics are
// wider and would clip captions such as "40 m" in their 41-pixel boxes.
// Combo boxes get the classic narrow arrow, so that "0.92" shows whole in the
// 45-pixel ladder factor box.
class StyleKesu : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metrique, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl controle, const QStyleOptionComplex *option,
                         SubControl partie, const QWidget *widget = nullptr) const override;

    static constexpr int LargeurFleche = 13;
};
