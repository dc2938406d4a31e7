#pragma once

#include "forms/ui/TaxFormScreen.h"
#include "platform/report/ReportSystem.h"

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class TCheckBoxEdit;
class TDateEdit;
class TDollarEdit;
class TFilterEdit;

// "Form 941 for 2026: Employer's QUARTERLY Federal Tax Return" of the quarter posted since the last
// Close Quarter. Opening gathers the employees' quarter-to-date totals into the company record's
// Form 941 block and computes the lines; the user enters adjustments, deposits and check marks.
// Tax Adjustment opens Schedule B. Print prints the return and, for a balance due that is not paid
// electronically, the payment voucher.
class TFrm941 : public TTaxFormScreen {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 32;

    // Raises EReportException when the layouts or the page pictures cannot be read.
    explicit TFrm941(QWidget* parent = nullptr);

    void BtnPrintClick();
    void BtnTaxAdjustmentClick();
    void BtnHelpClick();

    std::array<TFilterEdit*, 10> EIN{};   // [1..9]
    TFilterEdit *CompName, *CompTradeName, *CompAddress, *CompSuiteNum, *CompCity, *CompState, *CompZipCode;
    TFilterEdit *CompForeignCountry, *CompForeignProvCo, *CompForeignZipCode;
    std::array<TCheckBoxEdit*, 5> F941CurQtr{};   // [1..4]
    TFilterEdit* F941NumEmps;
    std::array<TDollarEdit*, 23> F941Amount{};    // [1..22]
    std::array<TCheckBoxEdit*, 9> F941ChkMark{};  // [1..8]
    std::array<TDollarEdit*, 4> TaxLibMonth{};    // [1..3]
    TDollarEdit* TaxLibQtr;
    TDateEdit* F941EndDate;
    QCheckBox* NoPrintPrepInfo;
    QPushButton *BtnCalculate, *BtnPrint, *BtnTaxAdjustment, *BtnClose, *BtnHelp;
    QComboBox* CbxSelectQtr;
    QLabel* StatusBar;
    QLabel* LblNotFinal;

    ReportSystem Rpt941;
    // Some employee has taxable third-party sick pay this quarter: line 8 is the payroll's.
    bool HasThirdPartySickPay = false;

protected:
    void FormShow() override;
    void SaveForm() override;
    void LoadForm() override;
    void CalcLines() override;
    void EnableControls() override;
    QWidget* FirstField() const override;
    QWidget* LastField() const override;
    void FieldEnter(QWidget* entry) override;

private:
    void buildPage1(TLayoutPicture* page, const ReportLayout& layout);
    void buildPage2(TLayoutPicture* page, const ReportLayout& layout);
    void buildButtons();
    void gatherAndLoad();
    void F941ChkMarkChange(TCheckBoxEdit* sender);
    void F941ChkMark7Change();
    // The quarter the user chose for a return without employees; none while the choice is closed.
    std::optional<int> chosenQuarter() const;
    void ValidateFields();
    // Asks before a depositor's return prints with no deposits on line 13; No goes back to line 13.
    void ConfirmDeposits();
    void Rpt941Print();
};
