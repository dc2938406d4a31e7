#pragma once

#include "client/ui/ScreenRules.h"
#include "client/ui/TaxTableWidgets.h"

class QAction;
class QCheckBox;
class QPushButton;
class TDollarEdit;
class TFilterEdit;
class TRSNavigator;

// The city withholding tables, one city record at a time; record 1 ("NONE", the employees without
// a city tax) is shown but cannot be changed. A record is checked and posted when the screen
// leaves it.
class TFrmCity : public TSetupScreen {
    Q_OBJECT
public:
    explicit TFrmCity(QWidget* parent = nullptr);

    static constexpr int kHelpContext = 49;

    TFilterEdit* CityName = nullptr;
    TaxTableColumns Single, Married;
    TDollarEdit* WithValue = nullptr;
    TDollarEdit* TaxCredit1 = nullptr;
    TDollarEdit* TaxCredit2 = nullptr;
    TDollarEdit* TaxCreditPer1 = nullptr;
    TDollarEdit* TaxCreditPer2 = nullptr;
    TDollarEdit* MinStdDeduct1 = nullptr;
    TDollarEdit* MinStdDeduct2 = nullptr;
    TDollarEdit* MaxStdDeduct1 = nullptr;
    TDollarEdit* MaxStdDeduct2 = nullptr;
    TFilterEdit* StdDeductPct1 = nullptr;
    TFilterEdit* StdDeductPct2 = nullptr;
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

    // The binders: CityTaxRec to and from the controls.
    void LoadCityForm();
    void SaveCityForm();

    // Record 1 cannot be changed.
    void SetupFieldAccess();
    // A flat credit and a credit per allowance of the same status exclude each other.
    void CheckTaxCredits();
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
