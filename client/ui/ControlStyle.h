#pragma once

#include <QProxyStyle>

// The Fusion style with check box and radio button indicators and spin boxes drawn in the colour
// of their text. Fusion derives those frames and arrows from the window colour, which vanishes
// under a sheet that gives the controls a transparent or dark background; the text colour is the
// one colour every visual style keeps legible against its background, for enabled and for
// disabled controls alike.
class ControlStyle : public QProxyStyle {
    Q_OBJECT
public:
    ControlStyle();

    // Fusion's palette with a selection deep enough for its white text to read.
    QPalette standardPalette() const override;
    // Drop-down lists open as lists, never as menus.
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};
