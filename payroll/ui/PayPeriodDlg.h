#pragma once

#include "payroll/PayPeriod.h"

#include <QDialog>

class QPushButton;
class QRadioButton;
class TDateEdit;
class TFilterEdit;

// "Payroll Processing Setup": the pay period's dates, the pay date, the first check number and
// the frequency to process, with Close Month and Close Quarter at hand. Process opens the period;
// Cancel, Esc and the close box leave no period open. However it closes, the company record is
// written to the company file.
class TFrmPayPeriod : public QDialog {
    Q_OBJECT
public:
    explicit TFrmPayPeriod(QWidget* parent = nullptr);

    static constexpr int kHelpContext = 18;

    TDateEdit* PayDateFrom = nullptr;
    TDateEdit* PayDateTo = nullptr;
    TDateEdit* PayDate = nullptr;
    TFilterEdit* StartChkNum = nullptr;
    QRadioButton* pfAll = nullptr;
    QRadioButton* pfWeekly = nullptr;
    QRadioButton* pfBiWeekly = nullptr;
    QRadioButton* pfSemiMonthly = nullptr;
    QRadioButton* pfMonthly = nullptr;
    QPushButton* BtnProcess = nullptr;
    QPushButton* BtnCloseMonth = nullptr;
    QPushButton* BtnCloseQuarter = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* BtnHelp = nullptr;

    void BtnProcessClick();
    void BtnCloseMonthClick();
    void BtnCloseQuarterClick();
    // Cancel, Esc and the close box.
    void reject() override;
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    PayPeriodForm form() const;
    void loadForm(const PayPeriodForm& form);
    void focusField(PayPeriodField field);
    // Close Month and Close Quarter follow the enabling of the main window's commands.
    void enableClosing();

    bool shown_ = false;
    bool closed_ = false;
};

// Shows the dialog modally; the Pay Period command runs it.
void ShowPayPeriodDialog();
