#pragma once

#include "forms/Form940Return.h"
#include "forms/ui/TaxFormScreen.h"
#include "platform/report/ReportSystem.h"

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class TCheckBoxEdit;
class TDollarEdit;
class TFilterEdit;
class TStateEdit;

// "Form 940 for 2026: Employer's Annual Federal Unemployment (FUTA) Tax Return & Schedule A":
// the return over the pictures of its two pages and of Schedule A. Every opening gathers lines 3
// to 8 from the employees; Calculate computes the other lines from what the user completed. The
// return is not approved for filing: Print stays disabled and its report goes to the preview only.
// Schedule A's credit reduction is shown as stored and never computed: the year's credit
// reduction states are announced after the program is built.
class TFrm940 : public TTaxFormScreen {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 48;
    static const QString kNotApproved;

    // Raises EReportException when a layout or its page picture cannot be read.
    explicit TFrm940(QWidget* parent = nullptr);

    void BtnPrintClick();
    void BtnHelpClick();
    // Throws EFieldException with the failing entry focused and scrolled into view.
    void ValidateFields();

    std::array<TFilterEdit*, 10> EIN1{}, EIN2{};   // [1..9]: page 1 and Schedule A
    TFilterEdit *CompName1, *CompName2, *CompTradeName, *CompAddress, *CompSuiteNum, *CompCity, *CompState,
        *CompZipCode, *CompForeignCountry, *CompForeignProvCo, *CompForeignZipCode;
    std::array<TCheckBoxEdit*, 5> F940Type{};       // [1..4]
    TStateEdit* F940StateCode;
    TCheckBoxEdit *F940SchAChk1, *F940SchAChk2;
    std::array<TDollarEdit*, 19> F940Amount{};      // [1..18]
    std::array<TCheckBoxEdit*, 6> F940Exempt{};     // [1..5]
    TCheckBoxEdit* F940NoWages;
    TCheckBoxEdit *F940OverPay1, *F940OverPay2;
    std::array<TCheckBoxEdit*, kScheduleARows + 1> F940States{};   // [1..53]
    std::array<TDollarEdit*, kScheduleARows + 1> F940CRWages{};
    std::array<QLabel*, kScheduleARows + 1> F940CRRate{};
    std::array<TDollarEdit*, kScheduleARows + 1> F940CRAmount{};
    TDollarEdit* F940TCRAmount;
    QLabel *LblNotApproved1, *LblNotApproved2;
    QCheckBox* NoPrintPrepInfo;
    QPushButton *BtnCalculate, *BtnPrint, *BtnClose, *BtnHelp;

    ReportSystem Rpt940;

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
    void overPayClicked(TCheckBoxEdit* changed);
    QWidget* problemEntry(const Form940Problem& problem) const;
    void Rpt940Print();
};
