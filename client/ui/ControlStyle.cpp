#include "client/ui/ControlStyle.h"

#include <QAbstractSpinBox>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>

namespace {

// The square an indicator is drawn in, centred in the rectangle the style was given, with room
// for a one-pixel outline on whole pixels.
QRectF IndicatorSquare(const QRect& rect)
{
    const int side = qMin(rect.width(), rect.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(QRectF(rect).center());
    return square.adjusted(0.5, 0.5, -0.5, -0.5);
}

// The text colour of the control: enabled or disabled, as the visual style gives it.
QColor Ink(const QStyleOption& option)
{
    return option.palette.color(QPalette::WindowText);
}

// The field inside the indicator: the control's base colour where the style gives one, and a
// tint of the ink while the mouse holds it down.
void FillField(const QStyleOption& option, QPainter& painter, const QPainterPath& field)
{
    const QColor base = option.palette.color(QPalette::Base);
    if (base.alpha() == 255)
        painter.fillPath(field, base);
    if (option.state & QStyle::State_Sunken) {
        QColor tint = Ink(option);
        tint.setAlpha(60);
        painter.fillPath(field, tint);
    }
}

void DrawCheckBox(const QStyleOption& option, QPainter& painter)
{
    const QRectF square = IndicatorSquare(option.rect);
    const qreal side = square.width();
    const QColor ink = Ink(option);
    QPainterPath field;
    field.addRect(square);
    FillField(option, painter, field);
    painter.setPen(QPen(ink, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(square);

    const qreal stroke = qMax<qreal>(1.5, side * 0.15);
    if (option.state & QStyle::State_NoChange) {
        painter.fillRect(QRectF(square.left() + side * 0.25, square.center().y() - stroke / 2, side * 0.5, stroke), ink);
    } else if (option.state & QStyle::State_On) {
        QPainterPath tick;
        tick.moveTo(square.left() + side * 0.22, square.top() + side * 0.52);
        tick.lineTo(square.left() + side * 0.42, square.top() + side * 0.72);
        tick.lineTo(square.left() + side * 0.78, square.top() + side * 0.28);
        painter.setPen(QPen(ink, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(tick);
    }
}

void DrawRadioButton(const QStyleOption& option, QPainter& painter)
{
    const QRectF square = IndicatorSquare(option.rect);
    const QColor ink = Ink(option);
    QPainterPath field;
    field.addEllipse(square);
    FillField(option, painter, field);
    painter.setPen(QPen(ink, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(square);
    if (option.state & QStyle::State_On) {
        const qreal radius = square.width() * 0.25;
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(square.center(), radius, radius);
    }
}

QColor Blend(const QColor& a, const QColor& b, qreal shareOfA)
{
    return QColor::fromRgbF(a.redF() * shareOfA + b.redF() * (1 - shareOfA),
                            a.greenF() * shareOfA + b.greenF() * (1 - shareOfA),
                            a.blueF() * shareOfA + b.blueF() * (1 - shareOfA));
}

// A filled triangle pointing up or down, centred in rect, sized to the button.
void DrawSpinArrow(QPainter& painter, const QRect& rect, bool up, const QColor& colour)
{
    const qreal half = qMax<qreal>(3.0, qMin(rect.width() * 0.28, rect.height() * 0.45));
    const qreal height = half * 0.9;
    const QPointF centre = QRectF(rect).center();
    const qreal tip = up ? centre.y() - height / 2 : centre.y() + height / 2;
    const qreal base = up ? centre.y() + height / 2 : centre.y() - height / 2;
    QPainterPath arrow;
    arrow.moveTo(centre.x() - half, base);
    arrow.lineTo(centre.x() + half, base);
    arrow.lineTo(centre.x(), tip);
    arrow.closeSubpath();
    painter.fillPath(arrow, colour);
}

// The frame, field and buttons of a spin box or date edit; the text is its own line edit.
void DrawSpinBox(const QStyleOptionSpinBox& option, QPainter& painter, const QStyle& style, const QWidget* widget)
{
    const QColor ink = Ink(option);
    QColor base = option.palette.color(QPalette::Base);
    if (base.alpha() != 255)
        base = option.palette.color(QPalette::Window);
    const QRectF frame = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    if (option.frame) {
        painter.fillRect(option.rect, base);
        const bool focused = (option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_Enabled);
        painter.setPen(QPen(focused ? option.palette.color(QPalette::Highlight) : Blend(ink, base, 0.45), 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame);
    }
    if (option.buttonSymbols == QAbstractSpinBox::NoButtons)
        return;

    const QRect up = style.subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, widget);
    const QRect down = style.subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown, widget);
    // The buttons fill the frame's right end; one line parts them from the field, one from each other.
    const QRectF buttons(QPointF(up.left(), frame.top()), QPointF(frame.right(), frame.bottom()));
    const qreal middle = std::round((up.bottom() + 1 + down.top()) / 2.0) + 0.5;
    painter.fillRect(buttons, Blend(ink, base, 0.08));
    painter.setPen(QPen(Blend(ink, base, 0.3), 1.0));
    painter.drawLine(QPointF(buttons.left() + 0.5, buttons.top()), QPointF(buttons.left() + 0.5, buttons.bottom()));
    painter.drawLine(QPointF(buttons.left() + 0.5, middle), QPointF(buttons.right(), middle));

    const QColor off = option.palette.color(QPalette::Disabled, QPalette::WindowText);
    const bool enabled = option.state & QStyle::State_Enabled;
    const auto drawButton = [&](const QRect& rect, QStyle::SubControl which, QAbstractSpinBox::StepEnabledFlag step) {
        if ((option.activeSubControls & which) && (option.state & QStyle::State_Sunken)) {
            QColor tint = ink;
            tint.setAlpha(50);
            painter.fillRect(rect, tint);
        }
        const bool live = enabled && (option.stepEnabled & step);
        DrawSpinArrow(painter, rect, which == QStyle::SC_SpinBoxUp, live ? ink : off);
    };
    drawButton(up, QStyle::SC_SpinBoxUp, QAbstractSpinBox::StepUpEnabled);
    drawButton(down, QStyle::SC_SpinBoxDown, QAbstractSpinBox::StepDownEnabled);
}

} // namespace

ControlStyle::ControlStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

QPalette ControlStyle::standardPalette() const
{
    QPalette palette = QProxyStyle::standardPalette();
    // Fusion's blue gives its white selected text a contrast of only 3.7.
    const QColor selection(0x2a, 0x6d, 0xb0);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Highlight, selection);
    return palette;
}

int ControlStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const
{
    // A drop-down list drawn as a menu draws each entry with the box's own colours, not the
    // list's: a box coloured as a missing entry (black on yellow) would write the black on the
    // dark list of a dark style. Drawn as a list, the entries take the list's colours in every
    // look.
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ControlStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    if (element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (element == PE_IndicatorCheckBox)
        DrawCheckBox(*option, *painter);
    else
        DrawRadioButton(*option, *painter);
    painter->restore();
}

void ControlStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                      const QWidget* widget) const
{
    const auto* spinBox = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
    if (control != CC_SpinBox || !spinBox) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    DrawSpinBox(*spinBox, *painter, *this, widget);
    painter->restore();
}
