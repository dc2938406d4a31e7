#pragma once

#include "platform/report/ReportSystem.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TPayDateRangeBox;

// The payroll of any range of posted pay dates, as a detailed report or as a journal, with an
// optional report name and period description. The window stays open for further reports; the
// two texts are offered again the next time.
class TFrmCustomPayRpt : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCustomPayRpt(QWidget* parent = nullptr);

    QGroupBox* GrpReportType = nullptr;
    QRadioButton* ChkStandard = nullptr;
    QRadioButton* ChkJournal = nullptr;
    TPayDateRangeBox* GrpPayDates = nullptr;
    QLabel* LblFrom = nullptr;
    QComboBox* CbxPayDateFrom = nullptr;
    QLabel* LblTo = nullptr;
    QComboBox* CbxPayDateTo = nullptr;
    QGroupBox* GrpReportName = nullptr;
    QLineEdit* CustPayPerRptName = nullptr;
    QGroupBox* GrpPeriodName = nullptr;
    QLineEdit* CustPayPerRpt = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;

    ReportSystem RptCustomPay;
    ReportSystem RptCustomPayJ;

    // The range the reports print, set on opening and by every accepted Ok.
    int CustomFromIndex = 1;
    int CustomToIndex = 1;

    void BtnOkClick();
    void done(int result) override;

private:
    void FormShow();
};
