#pragma once

#include "client/ui/ScreenRules.h"

#include <QString>

#include <functional>

#include <map>
#include <vector>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;
class TDollarEdit;
class TEnterAsTab;
class TFocusFrame;
class TFrmClock;
class TRSNavigator;

// "Employee Manual Entry": the current pay of one employee of the open pay period. The user enters
// or corrects hours and amounts, recomputes the employee (Process) or only adds up the totals
// (Calculate), steps through the employees who may be paid in the period, takes an employee out of
// the pay run; whenever an employee gains or loses pay the checks are numbered anew. Every move to another employee and the closing store the
// employee shown with its totals; a qualified overtime amount without 40 regular hours stops both.
// Closing also marks the pay run as awaiting posting when anybody has pay, and posts the company
// record with that and the check numbers a renumbering gave out.
class TFrmManual : public TSetupScreen {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 21;

    explicit TFrmManual(QWidget* parent = nullptr);

    // The entry of a record field ("RegularTime", "Wages", "FICALib" ...), or null.
    TDollarEdit* Field(const QString& name) const;
    // The caption of a row by its name ("LblBonus", "UserEarnings1" ...), or null.
    QLabel* Caption(const QString& name) const;
    // The clock button of an hour field (tag 101 RegularTime .. 106 OtherTime).
    QToolButton* ClockButton(int tag) const;
    TFrmClock* Clock() const { return FrmClock; }

    QLineEdit *PayDateFromTo, *PayDate, *CheckNumber;
    QScrollArea* ScrollBox;
    TRSNavigator* RSNavigator;
    QPushButton *BtnProcess, *BtnCalculate, *BtnEmployees, *BtnRecurring, *BtnPriorPeriods, *BtnYTD, *BtnClose,
        *BtnHelp;

protected:
    void SaveScreen() override;
    void RevertScreen() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend void LoadManualForm(TFrmManual& form);
    friend void SaveManualForm(TFrmManual& form);

    QWidget* buildSections();
    QHBoxLayout* buildBottomRow();
    TDollarEdit* addField(const char* name, int tag, bool hours, bool other);

    void FormShow();
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void FieldChange();
    void CheckNumberDblClick();
    void CheckNumberExit();
    void BtnProcessClick();
    void BtnCalculateClick();
    void BtnPayClockClick(int tag);
    void BtnEmployeesClick();
    void BtnRecurringClick();
    void BtnPriorPeriodsClick();
    void RSNavigatorBeforeAction();

    void ShowUserItems();
    void ShowCaption();
    void ShowReportButtons();
    void CalculateTotals();
    void AskReprocess();
    void DeleteFromPayroll();
    void CheckQualifiedOT();
    void CheckEligibleOrStay(int noted);
    void changePay(const std::function<void()>& change);
    void recompute(bool processing);
    void storeShownEmployee();

    std::map<QString, TDollarEdit*> fields_;
    std::map<QString, QLabel*> captions_;
    std::map<int, QLabel*> captionsByTag_;
    std::map<int, QToolButton*> clockButtons_;
    std::vector<TDollarEdit*> tabOrder_;
    TFocusFrame* Rect = nullptr;
    TEnterAsTab* enterAsTab_;
    TFrmClock* FrmClock;
    bool shown_ = false;
    bool loading_ = false;
};

// The binders between the current column of EmployeeRec and the window. Neither posts; both leave
// ManualEntryModified as they found it. Saving also rebuilds the Form W-2 control number.
void LoadManualForm(TFrmManual& form);
void SaveManualForm(TFrmManual& form);

// The Manual Entry command: refuses a browse-only client, since the window posts at every move and
// at closing, and a pay period without anybody who may be paid; otherwise shows the window modally.
void ShowManualEntry();
