#pragma once

#include "forms/NJ927Worksheet.h"
#include "forms/ui/TaxFormScreen.h"
#include "platform/report/ReportSystem.h"

#include <array>
#include <vector>

class QAction;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollArea;
class TCheckBoxEdit;
class TDollarEdit;
class TFilterEdit;

// "New Jersey State Employer's Quarterly Reports Forms NJ-927 and WR-30 Worksheets": the NJ-927
// worksheet of the current quarter over its page picture and, below it, the WR-30 list of the
// employees who work in New Jersey. Every opening gathers the quarter afresh; the entries live
// only while the window is open, and closing keeps only the choice to mask SSNs. Leaving an entry
// recalculates; Print checks the worksheet and prints the NJ-927 and the WR-30 pages. The window's
// pop-up menu writes the year's UI/WF/SWF, DI and FLI amounts into box 14 of the New Jersey
// employees' Forms W-2.
class TFrmNJUDI : public TTaxFormScreen {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 51;

    // Gathers the quarter and builds the list. Raises EReportException when the layout or its
    // page picture cannot be read.
    explicit TFrmNJUDI(QWidget* parent = nullptr);

    void BtnPrintClick();
    void BtnHelpClick();
    void PopMenuItemClick();
    // The scroll area the focus entered last: the NJ-927 page, the WR-30 list, or none yet.
    QScrollArea* ActiveScrollBox() const;

    QScrollArea* ScrollBox1;   // the NJ-927 page
    QScrollArea* ScrollBox2;   // the WR-30 list
    QLabel *LblStateID, *LblCompName, *LblQtrYear, *LblQuarterEnding, *LblReportDue;
    QLabel *LblMaxTaxableEmployerWages, *LblMaxTaxableWorkerWages, *LblNote1;
    std::array<TDollarEdit*, 3> GITMonth{};
    TDollarEdit *GITWages, *TotalGIT, *GITPaid, *GITBalDue, *GITOverPaid, *GITPayment;
    TCheckBoxEdit *Refund, *Credit;
    std::array<TFilterEdit*, 3> Month{};
    TDollarEdit *GrossWages, *ExcessEmployerWages, *ExcessWorkerWages, *TaxableWagesUIWF;
    TDollarEdit *TaxableWagesDIEmployer, *TaxableWagesDIWorker, *TaxableWagesFLI;
    TFilterEdit *DIPlanEmployer, *DIPlanWorker, *FLIPlan;
    TDollarEdit *UIRate, *UITax, *DIEmployerRate, *DIEmployerTax, *DIWorkerRate, *DIWorkerTax, *FLIRate, *FLITax;
    TDollarEdit *Payments, *BalanceDue, *Payment;
    TFilterEdit *PrivatePlanDI, *PrivatePlanFLI;
    TDollarEdit *BalanceDue1, *BalanceDue2, *GrandTotal1, *AmountToPay1, *AmountToPay2, *GrandTotal2;
    // One slot per employee in the order of the name index; null for an employee without a row.
    std::vector<QLabel*> SSN, EmpName;
    std::vector<TDollarEdit*> WagesPaid;
    std::vector<TFilterEdit*> BaseWeeks;
    QCheckBox* ChkMaskSSN;
    QPushButton *BtnCalculate, *BtnPrint, *BtnClose, *BtnHelp;
    QAction* PopMenuItem;

    ReportSystem RptNJUDI;
    NJ927Worksheet Sheet;

protected:
    void FormShow() override;
    void SaveForm() override;
    void LoadForm() override;
    void CalcLines() override;
    void EnableControls() override;
    QWidget* FirstField() const override;
    QWidget* LastField() const override;
    void FieldEnter(QWidget* entry) override;
    void SaveScreen() override;
    void RevertScreen() override;
    bool FormKeyDown(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPage();
    void buildWageList();
    void BaseWeeksChange(TFilterEdit* cell);
    void CheckBoxChange(TCheckBoxEdit* changed);
    bool ListScrolls() const;
    QWidget* FirstRowCell() const;
    QWidget* LastRowCell() const;

    enum class Area { None, Page, List };
    Area active_ = Area::None;
};
