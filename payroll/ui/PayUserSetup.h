#pragma once

#include "payroll/UserFieldSetup.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TDollarEdit;

// "User Defined Field Action Setup": how one user field of the current employee is computed in
// every pay run, or the same setup for every employee. OK checks and stores it into EmployeeRec;
// a confirmed Cancel stores the setup of an unused field; Esc and the close box store nothing.
// The record is not posted here: the recurring entries screen that opened the window posts it.
class TFrmUserSetup : public QDialog {
    Q_OBJECT
public:
    // userFieldNum: the user field 1..15.
    explicit TFrmUserSetup(int userFieldNum, QWidget* parent = nullptr);

    static constexpr int kHelpContext = 38;

    QLineEdit* UserField = nullptr;
    TDollarEdit* UserAmount = nullptr;
    std::array<QRadioButton*, 8> UserActionGroup{};  // by UserAction, 0 "No Action" first
    TDollarEdit* UserMaxAmt = nullptr;
    QCheckBox* UserTaxExemp = nullptr;
    QCheckBox* UserTaxDefr = nullptr;
    QCheckBox* UserCafePlan = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* BtnHelp = nullptr;
    QPushButton* BtnApplytoAll = nullptr;

    void BtnOkClick();
    void BtnCancelClick();
    void BtnApplytoAllClick();

private:
    UserFieldSetup setup() const;
    void loadSetup(const UserFieldSetup& setup);
    void store();
    // Shows the first rule the setup breaks with the field focused; true when there is none.
    bool checked();

    int p_;
};
