#pragma once

#include <QChar>
#include <QString>

// The pocket calculator behind a money field: a display of at most 17 characters, a pending
// operator, two operands and a memory. Results are rounded to the field's decimals at each
// operator. Messages go through AppMessageBox.
class CalculatorEngine {
public:
    enum Input { None = 0, Digit = 1, Decimal = 2, Clear = 3, Operator = 4, GetRecall = 5 };
    static constexpr int MaxChars = 17;

    // decimals: the results' decimals; fieldText: what "Get" fetches.
    CalculatorEngine(int decimals, const QString& fieldText);

    void digit(QChar digit);
    void point();
    // "+", "-", "*", "/", "=" or "%".
    void operate(QChar op);
    void clearEntry();
    void allClear();
    void plusMinus();
    void backspace();
    void round();
    void store();
    void sum();
    void recall();
    void get();

    const QString& display() const { return display_; }
    bool recallEnabled() const { return stored_ != 0; }
    double stored() const { return stored_; }

private:
    double displayValue() const;
    void showResult(double value);

    int decimals_;
    QString fieldText_;
    QString display_ = QStringLiteral("0");
    double oper1_ = 0;
    double oper2_ = 0;
    double stored_ = 0;
    int numOper_ = 0;
    Input lastInput_ = None;
    QChar operFlag_ = QChar(' ');
    bool decFlag_ = false;
};

// A number in general format: up to 15 significant digits, no thousands separators, exponent
// form ("1.5E20", "1E-6") past 15 digits before the point or below 0.00001.
QString GeneralFloatText(double value);
