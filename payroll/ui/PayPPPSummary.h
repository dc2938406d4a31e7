#pragma once

#include "payroll/ui/PriorPeriodView.h"

class QLabel;

// Prior Payroll Periods Summary: every employee's pay in the stored period PriorPayPeriodIndex,
// added up and laid out as an earnings statement.
class TFrmPPPSummary : public TPriorPeriodView {
    Q_OBJECT
public:
    // Needs a stored period (see ShowPPPSummary).
    explicit TFrmPPPSummary(QWidget* parent = nullptr);

    QLabel* LblPayrollSummary = nullptr;
    QLabel* PPPDateFromTo = nullptr;
    QLabel* PPPPayDate = nullptr;
};

// Opens the summary modally; without a stored period it says so instead.
void ShowPPPSummary();
