#pragma once

#include "platform/report/ReportSystem.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// The payroll check window: prints the checks of the current pay run, all or one employee's, on
// pre-printed or (with the check generator on) blank stock, and opens the pre-printed layout setup.
class TFrmCheck : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 28;
    // Shown while printing is off: why, and the two ways to turn it on.
    static constexpr const char* kPrintingOffText =
        "Printing is off: no check positions are set. For blank check stock, turn on "
        "Tools > Check Generator; for pre-printed checks, enter the positions with Setup.";

    explicit TFrmCheck(QWidget* parent = nullptr);

    QLabel* LblPayPeriod = nullptr;
    QLabel* LblPayDate = nullptr;
    QLabel* LblTotalChecks = nullptr;
    QLabel* LblFromTo = nullptr;
    QCheckBox* ChkDirDeposit = nullptr;
    QLabel* MemDirDepositAdvice = nullptr;
    QLabel* LblPrintingOff = nullptr;
    QPushButton* BtnPrintAll = nullptr;
    QPushButton* BtnPrintOne = nullptr;
    QPushButton* BtnSetup = nullptr;
    QPushButton* BtnDone = nullptr;
    QPushButton* BtnHelp = nullptr;
    ReportSystem RptPrintChecks;

    // The record range the next run prints (1-based, file order).
    int FirstCheckRecord = 0;
    int LastCheckRecord = 0;

    void SetupButtons();
    void BtnPrintAllClick();
    void BtnPrintOneClick();
    void BtnSetupClick();

private:
    void fill();
    void execute();
};

// Creates the check window, shows it modally and releases it.
void ShowCheckPrinting();
