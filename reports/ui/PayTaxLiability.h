#pragma once

#include "platform/report/ReportSystem.h"
#include "reports/TaxLiability.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class TPayDateRangeBox;

// The Employer Federal and State Tax Liabilities window: what the employer owes for a range of
// posted pay dates, summed again on every accepted change of the range, shown and printable on one
// page. A refused range leaves both lists, the sums, the period line and the printout on the range
// shown before.
class TFrmTaxLiability : public QDialog {
    Q_OBJECT
public:
    // Needs at least one posted pay date; the main window enables the command only then.
    explicit TFrmTaxLiability(QWidget* parent = nullptr);

    QScrollArea* ScrollBox = nullptr;
    QLabel* CompanyName = nullptr;
    QLabel* LblReportName = nullptr;
    QLabel* PPPDateFromTo = nullptr;
    QLabel* LblSocialSecurityAmount = nullptr;
    QLabel* LblMedicareAmount = nullptr;
    QLabel* LblTaxWithholdingAmount = nullptr;
    QLabel* LblForm941LiabilityAmount = nullptr;
    QLabel* LblForm940LiabilityAmount = nullptr;
    QLabel* LblStateWithholdingTaxAmount = nullptr;
    QLabel* LblStateUnemploymentTaxAmount = nullptr;
    QLabel* LblStateDisabilityTaxAmount = nullptr;
    QLabel* LblTotalStateTaxLiabilityAmount = nullptr;
    TPayDateRangeBox* GroupPayDates = nullptr;
    QComboBox* CbxPayDateFrom = nullptr;
    QComboBox* CbxPayDateTo = nullptr;
    QPushButton* BtnPrint = nullptr;
    QPushButton* BtnClose = nullptr;

    ReportSystem RptTaxLiability;

    void BtnPrintClick();

private:
    QWidget* makeDisplay();
    void SumLiabilities();
    void ShowLiabilities();

    std::vector<QLabel*> amounts_;   // in the order of TaxLiabilityLines
    TaxLiabilities sums_;
};
