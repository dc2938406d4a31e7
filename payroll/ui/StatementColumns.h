#pragma once

#include "payroll/PriorPeriodStatement.h"

#include <QWidget>

#include <functional>
#include <map>

class QLabel;

// The four columns of an earnings statement as the prior payroll period windows show them: a
// heading over each column, then per line its caption and its right-aligned amount label, named
// "PPP" + the line's name; the totals stand under a rule.
class TStatementColumns : public QWidget {
    Q_OBJECT
public:
    explicit TStatementColumns(QWidget* parent = nullptr);

    QLabel* Amount(int group) const { return amounts_.at(group); }
    QLabel* Caption(int group) const { return captions_.at(group); }

    // The user items take the company's names as captions; a nameless item shows neither caption
    // nor amount.
    void ShowUserItemNames();
    // Every amount label shows amount(group).
    void ShowAmounts(const std::function<double(int group)>& amount);

private:
    std::map<int, QLabel*> amounts_;
    std::map<int, QLabel*> captions_;
};
