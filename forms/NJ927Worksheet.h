#pragma once

#include <QString>

#include <array>
#include <optional>
#include <vector>

// The New Jersey employer's quarterly worksheets: the NJ-927 return (gross income tax withheld,
// unemployment, workforce, disability and family leave contributions) and the WR-30 wage list,
// for the quarter in CompanyRec.CurrentQuarter, from the posted pay data of the employees who work
// in New Jersey. Nothing of it is stored: every opening gathers it again.

// 2026 figures of the New Jersey Department of Labor.
inline const QString NJEmployerWageBaseText = QStringLiteral("$44,800.00");
inline const QString NJWorkerWageBaseText = QStringLiteral("$171,100.00");
inline constexpr double NJUIWFAdditionPercent = 0.425;   // added to the employer's UI rate
inline constexpr double NJWorkerDIRate = 0.0019;
inline constexpr double NJFLIRate = 0.0023;
inline constexpr int NJBaseWeeksCeiling = 14;
inline constexpr int WR30RowsPerPage = 40;

// The state number of New Jersey, the index of the per-state arrays.
int NewJerseyStateNumber();
// The return's due date of quarter 1..4; empty for any other quarter.
QString NJ927DueDate(int quarter);

// One line of the WR-30 list.
struct WR30Row {
    int recordNumber = 0;   // the employee's record, counted from 1
    QString SocSecNum;
    QString Name;           // a blank, then last name, suffix, first and middle name in upper case
    double WagesPaid = 0;   // the quarter's New Jersey wages, in cents; the user may correct them
    QString BaseWeeks;      // two digits, at most "14"
};

// What the worksheet shows above its lines.
struct NJ927Header {
    QString StateID;        // the company's New Jersey unemployment number
    QString CompName;       // upper case
    QString QtrYear;        // "2/2026"
    QString QuarterEnding;
    QString ReportDue;
};

// The worksheet's entries, each held as its box shows it: amounts in cents, rates to six
// decimals, counts and plan codes as typed.
struct NJ927Lines {
    std::array<double, 3> GITMonth{};          // gross income tax withheld per month of the quarter
    double GITWages = 0;                       // 01
    double TotalGIT = 0;                       // 02
    double GITPaid = 0;                        // 03
    double GITBalDue = 0;                      // 04
    double GITOverPaid = 0;                    // 05
    bool Refund = false;
    bool Credit = false;
    bool RefundReadOnly = true;                // the marks take no entry without an overpayment
    double GITPayment = 0;                     // 06
    std::array<QString, 3> Month;              // 07: covered workers per month
    double GrossWages = 0;                     // 08
    double ExcessEmployerWages = 0;            // 09
    double ExcessWorkerWages = 0;              // 10
    double TaxableWagesUIWF = 0;               // 11
    double TaxableWagesDIEmployer = 0;         // 12
    QString DIPlanEmployer;
    double TaxableWagesDIWorker = 0;           // 13
    QString DIPlanWorker;
    double TaxableWagesFLI = 0;                // 14
    QString FLIPlan;
    double UIRate = 0;                         // 15
    double UITax = 0;
    double DIEmployerRate = 0;                 // 16
    double DIEmployerTax = 0;
    double DIWorkerRate = 0;                   // 17
    double DIWorkerTax = 0;
    double FLIRate = 0;                        // 18
    double FLITax = 0;
    double Payments = 0;                       // 19
    double BalanceDue = 0;                     // 20
    double Payment = 0;                        // 21
    QString PrivatePlanDI;                     // 22
    QString PrivatePlanFLI;                    // 23
    double BalanceDue1 = 0, BalanceDue2 = 0, GrandTotal1 = 0;
    double AmountToPay1 = 0, AmountToPay2 = 0, GrandTotal2 = 0;
    bool PrintEnabled = false;
};

// The first fault that stops the worksheet from printing: the entry to correct and the message.
struct NJ927Fault {
    enum class Entry { Refund, DIPlanEmployer, PrivatePlanDI };
    Entry entry;
    bool atTop;             // the entry lies at the top of the worksheet, else at its bottom
    QString message;
};

class NJ927Worksheet {
public:
    // Gathers the quarter: the WR-30 list and its sums, the header, the monthly income tax,
    // the counts of covered workers, the UI rate and plan "S"; then calculates. Walks every
    // employee and reads the one that was current again.
    void Gather();
    // Recomputes every derived line from the entries, as the boxes hold them.
    void Calculate();
    // The first check that fails before printing, or none.
    std::optional<NJ927Fault> Validate() const;

    NJ927Header Header;
    NJ927Lines Lines;
    // One slot per employee of the client in the order of the name index; empty for an
    // employee without a row.
    std::vector<std::optional<WR30Row>> Rows;
    double DIWorkerWagesTotal = 0;
    double DIEmployerWagesTotal = 0;
    int WR30EmployeeCount = 0;           // rows whose wages are not 0.00
    double DisbTaxRatePercent = 0;       // the company's New Jersey DI rate
    bool PayrollPosted = false;          // no processed payroll awaits posting

private:
    void gatherRows();
    // The quarter's months as posting kept them: income tax withheld and covered workers.
    void gatherMonths();
};

// The number of WR-30 pages: one for up to 40 rows, one more for every further 40 or part.
int WR30PageCount(int listedRows);
