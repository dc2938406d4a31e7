#pragma once

#include "forms/W3Totals.h"
#include "forms/ui/TaxFormScreen.h"
#include "platform/report/ReportSystem.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class TCheckBoxEdit;
class TDollarEdit;
class TFilterEdit;
class TFittedLabel;

// "Form W-3 Transmittal of Wage and Tax Statements 2026": the totals of the client's Forms W-2,
// computed at every opening into the company's W-3 block, with the boxes the user completes. The
// three checks (kind of payer, kind of employer, contact person) stop printing; closing saves
// everything, shows a failing check once, and counts the visit toward the electronic filing only
// when all three pass. The SSA takes no paper W-3 but its own red-ink form, so the screen and the
// printout say this one is not to be filed.
class TFrmW3 : public TTaxFormScreen {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 35;
    static const QString kNotApproved;

    // Raises EReportException when the layout or its page picture cannot be read.
    explicit TFrmW3(QWidget* parent = nullptr);

    // The W-3 totals and box 15 from the employees.
    void CalcFields();
    // Throws EFieldException with the failing box focused.
    void ValidateFields();
    void BtnPrintClick();
    void BtnHelpClick();

    TFilterEdit* FW3CtrlNum;
    std::array<TCheckBoxEdit*, 14> FW3ChkMark{};   // [1..13]
    TFittedLabel* TotalFormsW2;
    TFilterEdit* FW3EstNumber;
    TFittedLabel *FederalID, *CompName, *CompTradeName, *CompAddress, *CompCityStateZip;
    std::array<TDollarEdit*, 13> FW3Amount{};      // [1..8, 10..12]; 9 stays empty
    QLineEdit* FW3OtherID;
    TFilterEdit* FW3Box13;
    TDollarEdit *FW3Box14, *FW3Box16, *FW3Box17, *FW3Box18, *FW3Box19;
    TFittedLabel *StateName, *StateID;
    TFilterEdit* FW3Contact;
    TFittedLabel *PhoneNumber, *EmailAddress, *FaxNumber;
    QLabel* LblNotApproved;
    QPushButton *BtnPrint, *BtnClose, *BtnHelp;

    ReportSystem RptW3;

protected:
    void FormShow() override;
    void SaveForm() override;
    void LoadForm() override;
    QWidget* FirstField() const override;
    QWidget* LastField() const override;
    void FieldExit(QWidget* entry) override;
    void SaveScreen() override;

private:
    // A click in a group of marks leaves exactly that mark checked.
    void markGroupClicked(int mark, int first, int last);
    void box13KeyPressed(QChar& key);
    void focusProblem(W3Check check);
    void RptW3Print();

    W3StateBox box15_;
};
