#pragma once

#include "client/EmployeeChecks.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class TCheckBoxEdit;
class TDateEdit;
class TDeluxeComboBox;
class TDollarEdit;
class TEnterAsTab;
class TFilterEdit;
class TFocusFrame;
class TStateEdit;

// True after the new employee dialog created an employee; false while it is open.
extern bool NewEmployeeAdded;

// "Create New Employee": a new employee's personal data, three of the history dates, the salaries
// and comments, and the pay and withholding settings, with the Form W-4 on the dialog's own
// values. Ok checks the entries, appends the employee to the file and posts it; Cancel asks and
// creates nothing. Esc and the close box ask as Cancel.
class TFrmNewEmployee : public QDialog {
    Q_OBJECT
public:
    explicit TFrmNewEmployee(QWidget* parent = nullptr);
    ~TFrmNewEmployee() override;

    void CheckFieldStatus();
    // Raises EFieldException after focusing the first entry that refuses the employee.
    void ValidateFields();
    EmployeeEntries Entries() const;

    void BtnFormW4Click();
    void BtnOkClick();
    void BtnCancelClick();
    void reject() override;

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

    TDateEdit *DateOfBirth, *DateHired, *DateNextRev;
    TDollarEdit *CurrSalary, *InitSalary;
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

    QToolButton* BtnFormW4;
    QPushButton *BtnOk, *BtnCancel;

    // The Form W-4 values of the employee being created, which have no entries here.
    bool FW4Box2c = false;
    double FW4Box3a = 0, FW4Box3b = 0, FW4Box3 = 0, FW4Box4a = 0, FW4Box4b = 0;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend void SaveNewEmployeeForm(TFrmNewEmployee& form);

    QWidget* buildPersonal();
    QWidget* buildHistorical();
    QWidget* buildProcessing();
    QWidget* buildBottomBar();
    void FormShow();
    void RegularRateExit();
    void DirDepositClick();
    void MaritalStatusChange(TCheckBoxEdit* sender);
    QWidget* entryOf(EmployeeField field) const;
    void close(bool created);

    TEnterAsTab* enterAsTab_;
    TFocusFrame* Rect = nullptr;
    std::array<TCheckBoxEdit*, 3> MaritalStatus{};
    bool maritalAttached_ = true;
    bool shown_ = false;
};

// The dialog's entries and its Form W-4 values into EmployeeRec, with the derived fields. It does
// not post.
void SaveNewEmployeeForm(TFrmNewEmployee& form);

// The opener for manual entry's New button: shows the dialog modally; true when it created an
// employee, which is then the last record of the file.
bool ShowNewEmployeeDialog(QWidget* owner);
