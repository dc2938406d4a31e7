#pragma once

#include "platform/report/ReportSystem.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class ReportProject;

// Reprints the output of one posted pay date: the standard earnings statements with their Payroll
// Summary, the condensed statements or the payroll journal, all read from the pay history. The
// window stays open for further printouts.
class TFrmPriorPayDatesRpt : public QDialog {
    Q_OBJECT
public:
    explicit TFrmPriorPayDatesRpt(QWidget* parent = nullptr);
    ~TFrmPriorPayDatesRpt() override;

    QGroupBox* GrpReportType = nullptr;
    QRadioButton* ChkEarnings = nullptr;
    QRadioButton* ChkEarningsCond = nullptr;
    QRadioButton* ChkJournal = nullptr;
    QGroupBox* GrpPayDate = nullptr;
    QComboBox* CbxPayDate = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;

    ReportSystem RptPriorPayDates;
    ReportSystem RptPriorPayDatesCond;
    ReportSystem RptPriorDatesJ;

    // The slot of the pay date the printouts print, set by every Ok.
    int PriorToIndex = 1;

    void BtnOkClick();

private:
    void FormShow();

    ReportProject& project_;
    ReportSystem* previousEngine_;
};
