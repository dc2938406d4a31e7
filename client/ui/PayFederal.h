#pragma once

#include <QDialog>

#include <array>

class QPushButton;
class TDollarEdit;

// The federal withholding schedules and payroll tax rates and wage bases of the year. They are
// the program's own: the user sees them read-only; in developer mode they can be edited, and
// Close writes the federal table file.
class TFrmFederal : public QDialog {
    Q_OBJECT
public:
    explicit TFrmFederal(QWidget* parent = nullptr);

    static constexpr int kRows = 7;
    using Column = std::array<TDollarEdit*, kRows>;
    Column SWagesOver{}, SWagesNotOver{}, STaxAmount{}, STaxRate{};
    Column MWagesOver{}, MWagesNotOver{}, MTaxAmount{}, MTaxRate{};
    Column HOHWagesOver{}, HOHWagesNotOver{}, HOHTaxAmount{}, HOHTaxRate{};
    TDollarEdit* ExemptionVal = nullptr;
    TDollarEdit* FICARate = nullptr;
    TDollarEdit* MaxFICAWages = nullptr;
    TDollarEdit* MedicareRate = nullptr;
    TDollarEdit* MaxMedicareWages = nullptr;
    TDollarEdit* FUTARate = nullptr;
    TDollarEdit* MaxFUTAWages = nullptr;
    TDollarEdit* MedSurcharge = nullptr;
    TDollarEdit* MedExclWages = nullptr;
    QPushButton* BtnClose = nullptr;

    // The binders: FederalTaxRec to and from the controls; saving derives the two maximum taxes.
    void LoadFederalForm();
    void SaveFederalForm();

    void BtnCloseClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool shown_ = false;
};
