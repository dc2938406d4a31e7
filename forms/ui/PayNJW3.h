#pragma once

#include "forms/NJW3Reconciliation.h"
#include "forms/ui/TaxFormScreen.h"
#include "platform/report/ReportSystem.h"

class QLabel;
class QPushButton;
class TDollarEdit;
class TFilterEdit;

// "Form NJ-W-3": New Jersey's annual reconciliation of income tax withheld, gathered afresh from
// the year's records at every opening and shown read-only over the form's picture. Print prints
// it as the employer's worksheet (New Jersey takes it electronically); NJ-EFW2 checks the EFW2
// submitter data and opens the New Jersey EFW2 file screen.
class TFrmNJW3 : public TTaxFormScreen {
    Q_OBJECT
public:
    // Raises EReportException when the layout or its page picture cannot be read.
    explicit TFrmNJW3(QWidget* parent = nullptr);

    void BtnPrintClick();
    void BtnNJEFW2Click();

    QLabel *LblTaxableYear, *LblFilingYear, *LblNote;
    TFilterEdit *StateID, *CompName, *CompTradeName, *CompAddress, *CompCity, *CompState, *CompZipCode;
    TFilterEdit* TotalEmployees;
    TDollarEdit *TotalIncome, *AmountWithheld;
    QPushButton *BtnPrint, *BtnNJEFW2, *BtnClose;
    ReportSystem RptNJW3;

protected:
    void FormShow() override;
    void SaveForm() override {}
    void LoadForm() override {}
    QWidget* FirstField() const override;
    QWidget* LastField() const override;

private:
    void RptNJW3Print();

    NJW3Reconciliation form_;
};
