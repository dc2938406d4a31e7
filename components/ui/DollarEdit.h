#pragma once

#include "components/DollarEditRules.h"
#include "components/ui/EntryFieldSupport.h"

#include <QColor>
#include <QLineEdit>

// The entry field for amounts, rates and other decimal numbers. It keeps a number beside its
// text: while focused the user types a plain number within the field's digits and limits; on
// leaving, the number is rounded to the field's decimals and shown with thousands separators,
// optionally a dollar sign, in red when negative. "C" or a double click opens the calculator.
class TDollarEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TDollarEdit(QWidget* parent = nullptr);

    // The number the text holds now, typed or not; an empty text reads as 0.
    double value() const;
    // Stores the number (at most 999999999999.99) and shows it formatted.
    void setValue(double value);

    TAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TAlignment alignment);
    // Decimals, 0 to 6 (2 after construction).
    int centDigits() const { return rules_.centDigits; }
    void setCentDigits(int digits);
    // Characters before the point while typing, a minus sign included; at most 12 (9 after construction).
    int dollarDigits() const { return rules_.dollarDigits; }
    void setDollarDigits(int digits);
    // "$" in the display of 0 and 2 decimals.
    bool currency() const { return rules_.currency; }
    void setCurrency(bool currency);
    // Text colour of a number of 0 or more.
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& color) { fontColor_ = color; }
    // An upper limit when above 0; a lower limit when not 0.
    double maxValue() const { return rules_.maxValue; }
    void setMaxValue(double value) { rules_.maxValue = value; }
    double minValue() const { return rules_.minValue; }
    void setMinValue(double value) { rules_.minValue = value; }
    bool minusKey() const { return rules_.minusKey; }
    void setMinusKey(bool allowed) { rules_.minusKey = allowed; }
    // Leaving the field with 0 is refused.
    bool requiredField() const { return requiredField_; }
    void setRequiredField(bool required) { requiredField_ = required; }

signals:
    // After the field's own entry and exit handling: the screen sees the plain text on entry and
    // the rounded, formatted value on exit.
    void entered();
    void exited();
    // A typed character after the key filter; null when the filter swallowed it.
    void keyPressed(QChar& key);
    void doubleClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Runs a typed character through the key filter; returns the character to insert (null for none).
    QChar filterKey(QChar key);
    void openCalculator();
    void formatValue();
    void parseText();
    void refuseLimit(MoneyLimit limit);

    MoneyFieldRules rules_;
    TAlignment alignment_ = taRightJustify;
    bool requiredField_ = false;
    QColor fontColor_;
    QColor defaultColor_;
    double fieldValue_ = 0;
    bool firstTime_ = false;
    FieldFocus focus_;
};
