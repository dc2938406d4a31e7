#pragma once

#include "client/ui/ScreenRules.h"
#include "client/ui/TaxTableWidgets.h"

class QAction;
class QCheckBox;
class QPushButton;
class TDollarEdit;
class TRSNavigator;

// The withholding tables, unemployment and disability taxes, credits, deductions and exclusions
// of each of the 54 states, one state at a time. A state's record is checked and posted when the
// screen leaves it; the state shown becomes the company's current state.
class TFrmState : public TSetupScreen {
    Q_OBJECT
public:
    explicit TFrmState(QWidget* parent = nullptr);

    static constexpr int kHelpContext = 8;

    TaxTableColumns Single, Married;
    QCheckBox* MinusFedTax = nullptr;
    QCheckBox* WholeDollar = nullptr;
    TDollarEdit* WithValue = nullptr;
    TDollarEdit* TaxCredit1 = nullptr;
    TDollarEdit* TaxCredit2 = nullptr;
    TDollarEdit* TaxCreditPer1 = nullptr;
    TDollarEdit* TaxCreditPer2 = nullptr;
    TDollarEdit* MinStdDeduct1 = nullptr;
    TDollarEdit* MinStdDeduct2 = nullptr;
    TDollarEdit* MaxStdDeduct1 = nullptr;
    TDollarEdit* MaxStdDeduct2 = nullptr;
    TDollarEdit* StdDeductPct1 = nullptr;
    TDollarEdit* StdDeductPct2 = nullptr;
    TDollarEdit* UnempTaxRate = nullptr;
    TDollarEdit* UnempMaxWage = nullptr;
    TDollarEdit* BaseWages = nullptr;
    TDollarEdit* DisbTaxRate = nullptr;
    TDollarEdit* DisbMaxWage = nullptr;
    QCheckBox* Allow401k = nullptr;
    QCheckBox* Allow403b = nullptr;
    QCheckBox* Allow408k6 = nullptr;
    QCheckBox* Allow457b = nullptr;
    QCheckBox* AllowIRASimp = nullptr;
    QCheckBox* AllowCafPlan = nullptr;
    TRSNavigator* RSNavigator = nullptr;
    QPushButton* BtnClose = nullptr;
    QPushButton* BtnHelp = nullptr;
    QAction* PopCalculateTaxAmount = nullptr;

    // The binders: StateTaxRec to and from the controls.
    void LoadStateForm();
    void SaveStateForm();

    void SetupCaption();
    // Refuses a record whose tables break their rules; the message explains the rules.
    void ValidateTables();
    void PopCalculateTaxAmountClick();

protected:
    void SaveScreen() override;
    void RevertScreen() override;
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    bool shown_ = false;
};
