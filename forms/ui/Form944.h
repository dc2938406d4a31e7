#pragma once

#include "forms/Form944Return.h"
#include "forms/ui/TaxFormScreen.h"
#include "platform/report/ReportSystem.h"

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class TCheckBoxEdit;
class TDateEdit;
class TDollarEdit;
class TFilterEdit;

// "Form 944 for 2026: Employer's ANNUAL Federal Tax Return". Every opening gathers the employees'
// year-to-date totals and each month's liability of the posted pay dates; the user enters lines 6,
// 8 and 10, the line 3 box, the overpayment's choice, the months where they are to differ and the
// closing of the business. The form is not approved for filing: Print stays off and its report
// goes only to the preview.
class TFrm944 : public TTaxFormScreen {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 32;

    // Raises EReportException when the layouts or the page pictures cannot be read.
    explicit TFrm944(QWidget* parent = nullptr);

    void BtnPrintClick();
    void BtnHelpClick();

    // The return as the entries show it.
    const Form944Return& Return() const { return form_; }

    std::array<TFilterEdit*, 10> EIN{};   // [1..9]
    TFilterEdit *CompanyName, *CompanyTradeName, *CompanyAddress, *CompanySuiteNum, *CompanyCity, *CompanyState;
    TFilterEdit *CompanyZipCode, *ForeignCountry, *ForeignProvCo, *ForeignZipCode;
    std::array<TDollarEdit*, 20> F944Amount{};    // [1..19]
    std::array<TCheckBoxEdit*, 7> F944ChkMark{};  // [1..6]
    std::array<TDollarEdit*, 13> F944TaxLib{};    // [1..12]
    TDollarEdit* F944TotalLib;
    TDateEdit* F944EndDate;
    QCheckBox* NoPrintPrepInfo;
    QPushButton *BtnCalculate, *BtnPrint, *BtnClose, *BtnHelp;
    QLabel* LblNotApproved;

    ReportSystem Rpt944;

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
    void F944ChkMarkChange(TCheckBoxEdit* sender);
    void F944ChkMark6Change();
    void ValidateFields();
    void Rpt944Print();

    Form944Return form_;
};
