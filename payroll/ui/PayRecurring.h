#pragma once

#include "client/CompanyRecord.h"
#include "client/ui/ScreenRules.h"

#include <array>

class QCheckBox;
class QPushButton;
class TDateEdit;
class TDollarEdit;
class TFilterEdit;
class TRSNavigator;

// "Recurring Payroll Entries": employee by employee, the amounts every automatic pay run copies
// into the period (benefits, health insurance, retirement plan percentages, the nonqualified plan
// and the 15 user fields), the company's names of the user fields and the data of the automatic
// group-term life cost. Each navigation and the closing write the employee; the closing writes the
// company's user-field names too.
class TFrmRecurring : public TSetupScreen {
    Q_OBJECT
public:
    explicit TFrmRecurring(QWidget* parent = nullptr);
    ~TFrmRecurring() override;

    static constexpr int kHelpContext = 37;

    TDollarEdit* RDepCareBen = nullptr;
    TDollarEdit* RFringeBen = nullptr;
    TDollarEdit* RGTLIAmount = nullptr;
    TDollarEdit* RHealthIns = nullptr;
    std::array<TDollarEdit*, 15> RUserFields{};  // RUserPay1..5, RUserDeduct1..5, RUserLib1..5
    TDollarEdit* Plan401kPct = nullptr;
    TDollarEdit* Plan403bPct = nullptr;
    TDollarEdit* Plan408k6Pct = nullptr;
    TDollarEdit* Plan457bPct = nullptr;
    TDollarEdit* IRASimplePct = nullptr;
    TDollarEdit* RNonQualPlan = nullptr;
    std::array<TFilterEdit*, 15> UserFields{};   // UserEarnings1..5, UserDeduct1..5, UserLib1..5
    QCheckBox* GTLIAutoCalc = nullptr;
    TDateEdit* DateOfBirth = nullptr;
    TDollarEdit* GTLIFaceAmt = nullptr;
    TDollarEdit* GTLIEmpPmt = nullptr;
    TRSNavigator* RSNavigator = nullptr;
    QPushButton* BtnSetup = nullptr;
    QPushButton* BtnHelp = nullptr;
    QPushButton* BtnClose = nullptr;

    // The user field 1..15 whose recurring amount last had the focus.
    int UserFieldNum = 1;

    // The binders: EmployeeRec and the company's user-field names to and from the controls.
    void LoadRecurringForm();
    void SaveRecurringForm();
    void SetupFields();
    void GTLIAutoCalcClick();
    void BtnSetupClick();

protected:
    void SaveScreen() override;
    void RevertScreen() override;
    void MakeEntriesReadOnly() override;
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void validate();
    void fieldStatusPass();
    void focusMoved(QWidget* old, QWidget* now);
    void updateCaption();

    bool shown_ = false;
    std::array<RecordText<20>, 15> namesAtOpening_{};
    QMetaObject::Connection focusWatch_;
};

// Opens the screen on the current employee of the open client.
void ShowRecurring();
