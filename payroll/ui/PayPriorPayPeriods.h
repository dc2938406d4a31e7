#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;
class TRSNavigator;
class TStatementColumns;

// The Prior Payroll Periods window: one stored pay period of the current employee laid out as an
// earnings statement. It steps through the pay dates and the employees, prints the statement and
// opens the other-periods and summary views. The header shows the employee as of today; the
// amounts are the stored ones. It only reads, so a browse-only client needs nothing more.
class TFrmPriorPayPeriods : public QDialog {
    Q_OBJECT
public:
    // Opens on the latest stored period; needs one (see ShowPriorPayPeriods).
    explicit TFrmPriorPayPeriods(QWidget* parent = nullptr);

    QScrollArea* ScrollBox = nullptr;
    QWidget* Statement = nullptr;    // what is printed
    QLabel* LblEarningsStatement = nullptr;
    QLabel* CompanyName = nullptr;
    QLabel* CompanyTradeName = nullptr;
    QLabel* CompanyAddress = nullptr;
    QLabel* CompanyCityStateZip = nullptr;
    QLabel* PPPDateFromTo = nullptr;
    QLabel* PPPPayDate = nullptr;
    QLabel* LblCheckNumber = nullptr;
    QLabel* PPPCheckNumber = nullptr;
    QLabel* EmployeeNum = nullptr;
    QLabel* EmployeeDeptPos = nullptr;
    QLabel* EmployeeSocSecNum = nullptr;
    QLabel* EmployeeMarriedFedWithAllow = nullptr;
    QLabel* EmployeeRegularRate = nullptr;
    QLabel* EmployeeFullName = nullptr;
    QLabel* EmployeeAddress = nullptr;
    QLabel* EmployeeCityStateZip = nullptr;
    QLabel* LblOtherWages = nullptr;
    TStatementColumns* Columns = nullptr;
    QComboBox* CbxPayDates = nullptr;
    QToolButton* BtnFirst = nullptr;
    QToolButton* BtnNext = nullptr;
    QToolButton* BtnPrior = nullptr;
    QToolButton* BtnLast = nullptr;
    TRSNavigator* RSNavigator = nullptr;
    QPushButton* BtnPrint = nullptr;
    QPushButton* BtnSummary = nullptr;
    QPushButton* BtnOther = nullptr;
    QPushButton* BtnClose = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeStatement();
    QWidget* makeControls();
    void FormShow();
    // The navigator's Alt keys; true when the key was one of them.
    bool FormKeyDown(const QKeyEvent& key);
    void CbxPayDatesChange(int index);
    void ButtonClick(QToolButton* button);
    void RSNavigatorAfterAction();
    void BtnPrintClick();
    void BtnSummaryClick();
    void BtnOtherClick();
    void ShowEmployee();
    void LoadPriorPayPeriodsForm();
    void UpdateNavButtons();
    void ShowCheckNumber();
    void showSlot(int slot);

    int periodCount_ = 0;
    int checkNumber_ = 0;
};

// The Prior Payroll Periods command: the window over the open client, modal; without a stored
// period it says so instead.
void ShowPriorPayPeriods();
