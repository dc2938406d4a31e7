#pragma once

#include "forms/ui/TaxFormScreen.h"
#include "platform/report/ReportSystem.h"

#include <array>

class QPushButton;
class TCheckBoxEdit;
class TDollarEdit;
class TFilterEdit;

// "Schedule B (Form 941): Report of Tax Liability for Semiweekly Schedule Depositors": the daily
// federal tax liability of the quarter as posted, one box per day of each month, with the month
// and quarter totals. Leaving a box recomputes the totals; closing posts the company record.
// Printing needs the quarter and the quarter's total equal to Form 941 line 12 at cents, and is
// offered only once the payroll is posted and someone has quarter-to-date wages.
class TFrmScheduleB : public TTaxFormScreen {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 33;

    // Raises EReportException when the layout or its page picture cannot be read.
    explicit TFrmScheduleB(QWidget* parent = nullptr);

    void BtnPrintClick();
    void BtnHelpClick();

    std::array<TFilterEdit*, 10> EIN{};        // [1..9]
    TFilterEdit* CompanyName;
    std::array<TFilterEdit*, 5> CalYear{};     // [1..4]
    std::array<TCheckBoxEdit*, 5> F941CurQtr{};   // [1..4]
    // Days [1..31] and the month's total [32] of months 1 to 3.
    std::array<TDollarEdit*, 33> TaxLibMonth1{}, TaxLibMonth2{}, TaxLibMonth3{};
    TDollarEdit* TaxLibQtr;
    QPushButton *BtnCalculate, *BtnPrint, *BtnClose, *BtnHelp;

    ReportSystem RptScheduleB;

protected:
    void FormShow() override;
    void SaveForm() override;
    void LoadForm() override;
    void CalcLines() override;
    QWidget* FirstField() const override;
    QWidget* LastField() const override;
    void FieldEnter(QWidget* entry) override;
    void PageUp() override;
    void PageDown() override;

private:
    std::array<TDollarEdit*, 33>& month(int m);
    void RptScheduleBPrint();
};
