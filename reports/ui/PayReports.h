#pragma once

#include "platform/report/ReportSystem.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TDateEdit;

// The report window: asks for the date printed on a report and an optional description of the
// payroll period, then runs the printout of the report kind the main window chose (ReportKind).
// The date and the description are kept for the next run.
class TFrmReports : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 16;

    explicit TFrmReports(QWidget* parent = nullptr);

    QLabel* ReportName = nullptr;
    QLabel* Label1 = nullptr;
    TDateEdit* ReportDate = nullptr;
    QGroupBox* GroupBox = nullptr;
    QLineEdit* ReportPeriod = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* BtnHelp = nullptr;

    ReportSystem RptEmpRoster;
    ReportSystem RptToDate;
    ReportSystem RptToDateJ;
    ReportSystem RptState;
    ReportSystem RptDepartmental;

    void BtnOkClick();
    void done(int result) override;

private:
    void FormShow();
    void FormClose();
    void execute(ReportSystem& system);
    // Asks for the state and runs the state report on it; nothing when the picker is cancelled.
    void runStateReport();
};
