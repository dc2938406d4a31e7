#pragma once

#include "payroll/PriorPeriodStatement.h"
#include "payroll/ui/PriorPeriodView.h"

class QComboBox;
class QLabel;
class TPayDateRangeBox;

// Other Payroll Periods: the current employee's stored periods from one pay date to another,
// added up and laid out as an earnings statement. Opened from manual entry (PPPOtherFromManual
// set) it starts on the latest period only, otherwise on all of them.
class TFrmPPPOther : public TPriorPeriodView {
    Q_OBJECT
public:
    // Needs a stored period (see ShowPPPOther).
    explicit TFrmPPPOther(QWidget* parent = nullptr);

    QLabel* LblReportName = nullptr;
    QLabel* EmployeeFullName = nullptr;
    QLabel* PPPDateFromTo = nullptr;
    TPayDateRangeBox* PayDates = nullptr;
    QComboBox* CbxPayDateFrom = nullptr;
    QComboBox* CbxPayDateTo = nullptr;

private:
    void FormShow();
    void SumPayPeriods();
    void ShowAmounts();

    int periodCount_ = 0;
    PriorPeriodSums sums_{true};
};

// Opens the view modally; without a stored period it says so instead.
void ShowPPPOther();
