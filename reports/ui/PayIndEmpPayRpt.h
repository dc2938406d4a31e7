#pragma once

#include "platform/report/ReportSystem.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TPayDateRangeBox;

// One employee's posted payroll over a range of pay dates: earnings statements from the first
// stored pay date up to a chosen one, or a journal of any range. The chosen employee stays the
// current employee afterwards; the window stays open for further reports.
class TFrmIndEmpPayRpt : public QDialog {
    Q_OBJECT
public:
    explicit TFrmIndEmpPayRpt(QWidget* parent = nullptr);

    QGroupBox* GrpEmployee = nullptr;
    QComboBox* CbxEmployeeName = nullptr;
    QGroupBox* GrpReportType = nullptr;
    QRadioButton* ChkEarnings = nullptr;
    QRadioButton* ChkJournal = nullptr;
    TPayDateRangeBox* GrpPayDates = nullptr;
    QLabel* LblFrom = nullptr;
    QComboBox* CbxPayDateFrom = nullptr;
    QLabel* LblTo = nullptr;
    QComboBox* CbxPayDateTo = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;

    ReportSystem RptEarnings;
    ReportSystem RptJournal;

    // The range the reports print, set on opening and by every Ok.
    int FromSlot = 1;
    int ToSlot = 1;

    void BtnOkClick();

private:
    void FormShow();
    void ReportTypeClick();

    // The record number of each entry of the employee list.
    std::vector<int> records_;
};
