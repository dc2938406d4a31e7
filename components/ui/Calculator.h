#pragma once

#include "components/CalculatorEngine.h"

#include <QDialog>

class QGridLayout;
class QLabel;
class QToolButton;

// The small modal calculator a money field opens. Its result can be put back into the field.
class TCalculator : public QDialog {
    Q_OBJECT
public:
    // fieldText: what "Get" fetches; decimals: the results' decimals.
    TCalculator(const QString& fieldText, int decimals, QWidget* parent = nullptr);

    // The user chose Put.
    bool putKey() const { return putKey_; }
    QString display() const;
    QToolButton* button(const QString& caption) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addButton(const QString& name, const QString& caption, const QString& hint, int column, int row,
        int width, void (TCalculator::*action)(QChar caption));
    void refresh();
    // Button actions get the first character of the button's caption.
    void clickDigit(QChar digit) { engine_.digit(digit); }
    void clickOperator(QChar op) { engine_.operate(op); }
    void clickPoint(QChar) { engine_.point(); }
    void clickClearEntry(QChar) { engine_.clearEntry(); }
    void clickAllClear(QChar) { engine_.allClear(); }
    void clickPlusMinus(QChar) { engine_.plusMinus(); }
    void clickBackspace(QChar) { engine_.backspace(); }
    void clickRound(QChar) { engine_.round(); }
    void clickStore(QChar) { engine_.store(); }
    void clickSum(QChar) { engine_.sum(); }
    void clickRecall(QChar) { engine_.recall(); }
    void clickGet(QChar) { engine_.get(); }
    void clickPut(QChar = QChar());

    CalculatorEngine engine_;
    QGridLayout* grid_ = nullptr;
    QLabel* display_ = nullptr;
    QToolButton* recall_ = nullptr;
    bool putKey_ = false;
};
