#pragma once

#include "forms/Form1094CEntries.h"
#include "forms/ui/TaxFormScreen.h"
#include "platform/report/ReportSystem.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class TCheckBoxEdit;
class TFilterEdit;

// "Form 1094-C Transmittal of Employer-Provided Health Insurance Offer and Coverage Information
// Returns": the company's transmittal of its Forms 1095-C, kept in the company record. Line 18 is
// always the number of employee records; line 19 is checked at every opening and switches on
// lines 21 and 22 and Parts III and IV. The form is not approved for filing: Print stays off and
// its report goes to the preview only.
class TFrm1094C : public TTaxFormScreen {
    Q_OBJECT
public:
    // Raises EReportException when a layout or page picture cannot be read.
    explicit TFrm1094C(QWidget* parent = nullptr);

    void BtnPrintClick();
    void BtnHelpClick();
    // The checks of the form; EFieldException after scrolling to and focusing the field.
    void ValidateFields();

    // What the entries hold now.
    Form1094CEntries Entries() const;

    TCheckBoxEdit* F1094CCorrect;
    TFilterEdit *CompName, *CompAddress, *CompCity, *CompState, *CompZipCocde, *CompFW3Contact;
    QLineEdit *CompFederalID, *CompPhoneNumber;
    std::array<QLineEdit*, 17> F1094CBoxLine{};      // [9..16], lines 9 to 16
    TCheckBoxEdit* F1094CBox17;
    TFilterEdit* F1094CBox18;
    TCheckBoxEdit* F1094CBox19;
    TFilterEdit* F1094CBox20;
    TCheckBoxEdit *F1094CBox21Y, *F1094CBox21N;
    std::array<TCheckBoxEdit*, 5> F1094CBox22{};     // [1..4]
    std::array<TCheckBoxEdit*, k1094CMonthRows> F1094CBoxaY{}, F1094CBoxaN{}, F1094CBoxd{};
    std::array<TFilterEdit*, k1094CMonthRows> F1094CBoxb{}, F1094CBoxc{}, F1094CBoxe{};
    std::array<TFilterEdit*, k1094CMembers + 1> F1094CPIVName{};   // [1..30]
    std::array<QLineEdit*, k1094CMembers + 1> F1094CPIVEIN{};      // [1..30]
    std::array<QLabel*, 3> LblNotApproved{};
    QPushButton *BtnPrint, *BtnHelp, *BtnClose;

    ReportSystem Rpt1094C;

protected:
    void FormShow() override;
    void SaveForm() override;
    void LoadForm() override;
    void EnableControls() override;
    QWidget* FirstField() const override;
    QWidget* LastField() const override;
    void FieldExit(QWidget* entry) override;

private:
    void showEntries(const Form1094CEntries& entries);
    void F1094CBox19Change();
    void F1094CBox21Change(bool yesBox);
    void F1094CBoxaYNChange(int row, bool yesBox);
    QWidget* failedField(const Form1094CFailure& failure) const;
    void Rpt1094CPrint(ReportCanvas& report);
};
