#pragma once

#include "forms/Form1095CEntries.h"
#include "forms/ui/TaxFormScreen.h"
#include "platform/report/ReportSystem.h"

#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TCheckBoxEdit;
class TDateEdit;
class TDollarEdit;
class TFilterEdit;
class TRSNavigator;

// "Form 1095-C Employer-Provided Health Insurance Offer and Coverage 2026": one form per employee
// record, kept in the employee's record. The navigator moves between employees; leaving one drops
// what its codes do not call for, checks the form and posts it, and a form that fails stays
// shown. Closing posts the form shown without checking it. Print All needs every employee to
// have been shown. The form is not approved for filing: its print buttons stay off and its
// report goes to the preview only.
class TFrm1095C : public TTaxFormScreen {
    Q_OBJECT
public:
    // Raises EReportException when the layout or its page picture cannot be read.
    explicit TFrm1095C(QWidget* parent = nullptr);

    void BtnPrintOneClick();
    void BtnPrintAllClick();
    void BtnPrintInstClick();
    void BtnEmployeesClick();
    void BtnHelpClick();

    // The checks of the form: EFieldException after scrolling to and focusing the field.
    void ValidateFields();
    void ClearUnneededLine15();
    void ClearUnneededLine17();
    void EnableMonthColumns();
    void EnableCoverageMonths();
    void UpdatePrintAll();

    // What the entries hold now.
    Form1095CEntries Entries() const;
    // The reviewed flag of each employee record, record n at n - 1.
    const std::vector<bool>& F1095CChecked() const { return checked_; }

    TCheckBoxEdit *F1095CVoid, *F1095CCorrect;
    TFilterEdit *EmpFirstName, *EmpMiddleInitial, *EmpLastName;
    QLineEdit* EmpSocSecNum;
    TFilterEdit *EmpAddress, *EmpCity, *EmpState, *EmpZipCode;
    TFilterEdit *CompName, *CompAddress, *CompCity, *CompState, *CompZipCocde;
    QLineEdit *CompFederalID, *CompPhoneNumber;
    TFilterEdit *EmployeeAge, *F1095CPSM;
    std::array<TFilterEdit*, k1095CColumns> F1095CBox14{}, F1095CBox16{}, F1095CBox17{};
    std::array<TDollarEdit*, k1095CColumns> F1095CBox15{};
    TCheckBoxEdit* F1095CCovInd;
    // Part III rows [1..13].
    std::array<TFilterEdit*, k1095CCoveredRows + 1> F1095CBoxaFN{}, F1095CBoxaMI{}, F1095CBoxaLN{};
    std::array<QLineEdit*, k1095CCoveredRows + 1> F1095CBoxb{};
    std::array<TDateEdit*, k1095CCoveredRows + 1> F1095CBoxc{};
    std::array<TCheckBoxEdit*, k1095CCoveredRows + 1> F1095CBoxd{};
    std::array<std::array<TCheckBoxEdit*, 13>, k1095CCoveredRows + 1> F1095CBoxe{};   // [row][1..12]
    QLabel *LblNotApproved, *StaticText1, *StaticText2, *StaticText3;
    QPushButton *BtnPrintOne, *BtnPrintAll, *BtnPrintInst, *BtnEmployees, *BtnClose, *BtnHelp;
    QCheckBox* ChkMaskSSN;
    TRSNavigator* RSNavigator;

    ReportSystem Rpt1095C, Rpt1095CInst;

protected:
    void FormShow() override;
    void SaveForm() override;
    void LoadForm() override;
    QWidget* FirstField() const override;
    QWidget* LastField() const override;
    void FieldEnter(QWidget* entry) override;
    void FieldExit(QWidget* entry) override;
    bool FormKeyDown(QKeyEvent* event) override;
    void SaveScreen() override;
    void RevertScreen() override;

private:
    void showCheckedEntries(const Form1095CEntries& entries);
    void F1095CBox14_0Change();
    void setMonthColumns(bool enabled);
    void F1095CBoxdChange(int row);
    void F1095CBoxeChange(int row);
    QWidget* failedField(const Form1095CFailure& failure) const;
    void RSNavigatorBeforeAction(TRSNavigator& sender);
    void RSNavigatorAfterAction();
    void markShown();
    void printForms(int first, int last);
    void Rpt1095CPrint();
    void Rpt1095CInstPrint();

    std::vector<bool> checked_;
    int firstRecToPrint_ = 0;
    int lastRecToPrint_ = 0;
};
