#pragma once

#include "client/EmployeeChecks.h"
#include "client/ui/ScreenRules.h"

#include <QString>

#include <array>
#include <map>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QToolButton;
class QPushButton;
class TCheckBoxEdit;
class TDateEdit;
class TDeluxeComboBox;
class TDollarEdit;
class TEnterAsTab;
class TFilterEdit;
class TFocusFrame;
class TRSNavigator;
class TStateEdit;

// "Employee File Maintenance": the employees of the open client, one at a time, with personal
// data, history, pay and withholding settings and the to-date totals of the amount groups. The
// navigator moves through the employee file; every move and the close check and post the employee
// on screen first. While a pay period is open, or on the template client, employees can be neither
// added nor deleted and the entries that decide whether an employee can be paid are locked.
class TFrmEmployee : public TSetupScreen {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 9;
    // How far Page Up and Page Down move the view.
    static constexpr int kPageStep = 576;

    explicit TFrmEmployee(QWidget* parent = nullptr);

    // The window caption from the name entries.
    void SetupCaption();
    // Paints every missing or invalid entry.
    void CheckFieldStatus();
    // Refuses an employee that cannot be left: focuses the entry and raises EFieldException.
    void ValidateFields();
    // What the checks see of the entries.
    EmployeeEntries Entries() const;
    QWidget* EntryOf(EmployeeField field) const { return checked_[static_cast<std::size_t>(field)]; }
    bool Restricted() const { return restricted_; }

    // The month-, quarter- and year-to-date entry (column 2, 3 or 4) of an amount group.
    TDollarEdit* AmountEntry(int group, int column) const;
    // The caption of user-defined item 1..15.
    QLabel* UserItemLabel(int item) const { return userLabels_.at(static_cast<std::size_t>(item - 1)); }

    QScrollArea* ScrollBox1;
    TFilterEdit *FirstName, *MiddleName, *LastName, *Suffix, *Address, *City;
    TStateEdit* State;
    TFilterEdit *ZipCode, *EmployeeNum;
    TStateEdit* WorkState;
    QComboBox* CityName;
    QLineEdit* PhoneNumber;
    QComboBox* Gender;
    QLineEdit* SocSecNum;
    TDeluxeComboBox *Department, *Position;
    TFilterEdit* EmailAddress;
    QCheckBox* DirDeposit;
    TFilterEdit *BankAcctNum, *BankRouting, *EmployeeID;
    QComboBox* AccountType;

    TDateEdit *DateOfBirth, *DateHired, *DatePromoted, *DateOfRaise, *DateReviewed, *DateNextRev, *DateSuspend,
        *DateSuspEnds, *DateResigned;
    QCheckBox* Deceased;
    TDollarEdit *CurrSalary, *InitSalary, *PrevSalary, *AmtOfRaise, *EstRaise, *ActualRaise;
    TFilterEdit *Comment1, *Comment2;

    QComboBox* Frequency;
    TCheckBoxEdit *Single, *Married, *HOH;
    QCheckBox* Salaried;
    TDollarEdit *RegularRate, *OverTimeRate, *StdRegTime, *StdOverTime;
    QCheckBox* DoubleOT;
    TFilterEdit* OtherRateDesc;
    TDollarEdit *OtherRate, *VactAccrued, *SickAccrued;
    TFilterEdit* FedWithAllow;
    TDollarEdit* FedAddTax;
    TFilterEdit* StWithAllow;
    TDollarEdit *StAddTax, *StStdDeduct;
    TFilterEdit* CityWithAllow;
    TDollarEdit *CityAddTax, *CityStdDeduct;
    QCheckBox *FedWithExempt, *StWithExempt;
    QCheckBox *FedExempt, *FICAExempt, *MedExempt, *FUTAExempt, *StateExempt, *UnempExempt, *DisbExempt;

    QToolButton *BtnCalculate, *BtnFormW4, *BtnHelp;
    TRSNavigator* RSNavigator;
    QPushButton* BtnClose;

protected:
    void SaveScreen() override;
    void RevertScreen() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend void LoadEmployeeForm(TFrmEmployee& form);
    friend void SaveEmployeeForm(TFrmEmployee& form);

    QWidget* buildPersonal();
    QWidget* buildHistorical();
    QWidget* buildProcessing();
    QWidget* buildAmountSection(int index);
    QWidget* buildBottomBar();
    void setTabOrder();
    void mapCheckedEntries();

    void FormShow();
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void FieldExit(QWidget* sender);
    void RegularRateExit();
    void DoubleOTClick();
    void DirDepositClick();
    void MaritalStatusChange(TCheckBoxEdit* sender);
    void BtnCalculateClick();
    void BtnFormW4Click();
    void RSNavigatorBeforeAction();
    void RSNavigatorAfterAction();
    void scrollTo(int position);
    void scrollBy(int delta);
    void focusEntry(QWidget* entry);
    void updateRaise();
    void rememberStoredSocSecNum();

    TEnterAsTab* enterAsTab_;
    TFocusFrame* Rect = nullptr;
    std::array<TCheckBoxEdit*, 3> MaritalStatus{};
    std::array<QWidget*, kEmployeeFieldCount> checked_{};
    std::map<int, std::array<TDollarEdit*, 3>> amounts_;
    std::array<QLabel*, 15> userLabels_{};
    std::array<int, 15> userGroups_{};
    QString storedSocSecNum_; // the number as the employee file holds it for the employee on screen
    bool restricted_ = false;
    bool maritalAttached_ = true;
    bool shown_ = false;
};

// The binders between EmployeeRec and the screen's entries. Neither posts; saving also rebuilds
// the derived fields (EmployeeDerivedFields.h). Both leave RebuildRecIndex as they found it.
void LoadEmployeeForm(TFrmEmployee& form);
void SaveEmployeeForm(TFrmEmployee& form);
