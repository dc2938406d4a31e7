#pragma once

#include "client/CompanyEntries.h"
#include "client/CompanyRecord.h"
#include "client/ui/ScreenRules.h"

#include <QString>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class TDollarEdit;
class TEnterAsTab;
class TFilterEdit;
class TStateEdit;

// The company setup screen: the employer's identity and address, deposit, direct deposit, tips,
// electronic payment, designee and signer data, the two tax payment addresses, and the identifiers,
// rates and wage bases of one state at a time. The record is posted when the screen closes, and
// every employee's gross and net pay are then recomputed so that the tips option takes effect.
class TFrmCompany : public TSetupScreen {
    Q_OBJECT
public:
    explicit TFrmCompany(QWidget* parent = nullptr);
    ~TFrmCompany() override;

    static constexpr int kHelpContext = 7;
    static constexpr int kClientWidth = 716;
    static constexpr int kClientHeight = 743;

    TFilterEdit* Name = nullptr;
    TFilterEdit* TradeName = nullptr;
    TFilterEdit* Address = nullptr;
    TFilterEdit* SuiteNum = nullptr;
    TFilterEdit* City = nullptr;
    TStateEdit* State = nullptr;
    TFilterEdit* ZipCode = nullptr;
    QLineEdit* PhoneNumber = nullptr;
    QLineEdit* FaxNumber = nullptr;
    QLineEdit* FederalID = nullptr;
    TFilterEdit* EmailAddress = nullptr;
    TFilterEdit* FourCharID = nullptr;
    QCheckBox* ForeignAdr = nullptr;
    TFilterEdit* ForeignCountry = nullptr;
    QToolButton* BtnViewCountryCodes = nullptr;
    TFilterEdit* ForeignProvCo = nullptr;
    TFilterEdit* ForeignZipCode = nullptr;
    QCheckBox* DepositStat = nullptr;
    QCheckBox* DirDeposit = nullptr;
    TFilterEdit* AccountID = nullptr;
    QCheckBox* IncludeTips = nullptr;
    QCheckBox* PayTaxBal = nullptr;
    TFilterEdit* PayRTN = nullptr;
    TFilterEdit* PayAcctNum = nullptr;
    QComboBox* PayAcctType = nullptr;
    QCheckBox* Designee = nullptr;
    TFilterEdit* DesigneeName = nullptr;
    QLineEdit* DesigneePhone = nullptr;
    TFilterEdit* DesigneePIN = nullptr;
    TFilterEdit* SignerName = nullptr;
    TFilterEdit* SignerTitle = nullptr;
    QCheckBox* SignForm = nullptr;
    TFilterEdit* URL_EFTPS = nullptr;
    TFilterEdit* URL_State = nullptr;
    QLineEdit* CurrentState = nullptr;
    TFilterEdit* StateID = nullptr;
    TFilterEdit* StateID2 = nullptr;
    TDollarEdit* UnempTaxRate = nullptr;
    TDollarEdit* DisbTaxRate = nullptr;
    TDollarEdit* UnempMaxWage = nullptr;
    TDollarEdit* DisbMaxWage = nullptr;

    QToolButton* BtnFirst = nullptr;
    QToolButton* BtnPrior = nullptr;
    QToolButton* BtnNext = nullptr;
    QToolButton* BtnLast = nullptr;
    QToolButton* BtnList = nullptr;
    QPushButton* BtnClose = nullptr;
    QPushButton* BtnHelp = nullptr;

    QMenu* PopupMenu = nullptr;
    QAction* RuntheNJUIDIRateChangeUtility = nullptr;

    // The binders: the controls to and from CompanyRec; with whole false only the state block.
    void LoadCompanyForm(bool whole);
    void SaveCompanyForm(bool whole);

    void CheckFieldStatus();
    void ValidateFields();
    void SetupButtons();
    // Moves to another state: 1 first, 2 next, 3 prior, 4 last, 5 chosen from the list.
    void ButtonClick(int tag);
    void ForeignAdrClick();
    void DirDepositClick();
    void PayTaxBalClick();
    void DesigneeClick();
    void BtnViewCountryCodesClick();
    void RuntheNJUIDIRateChangeUtilityClick();

    // The control that shows a field.
    QWidget* FieldControl(CompanyField field) const;

    static const QString kCountryCodesFile;

protected:
    void SaveScreen() override;
    void RevertScreen() override;
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    CompanyEntries entries() const;
    bool altKey(int key);

    // What closing without saving puts back.
    CompanyRecord openedRecord_;
    QString openedFederalURL_;
    QString openedStateURL_;
    QString openedCityStateZip_;
    bool posted_ = false;
    bool shown_ = false;
    QString countryCodesPath_;
    QMetaObject::Connection focusWatch_;
};
