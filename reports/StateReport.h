#pragma once

#include "reports/ReportPages.h"

class ReportCanvas;

// The state unemployment and disability tax report of one state for the quarter to date: the
// totals the state's quarterly return asks for, and a wage report of every employee working in
// the state who was paid in the quarter, in name order.

// The totals of the employees in the report, from their quarter-to-date amounts.
struct StateReportTotals {
    double wages = 0;            // the report wages
    double employeeUIWages = 0;  // UnempEarning
    double employeeDIWages = 0;  // DisbEarnings
    double employerUIWages = 0;  // UICompWages
    double employerDIWages = 0;  // DICompWages
    double employerUITax = 0;    // UnempLib
    double employeeUITax = 0;    // UnempTax
    double employerDITax = 0;    // DisbLib
    double employeeDITax = 0;    // DisbTax
    int employees = 0;

    double UITotal() const { return employerUITax + employeeUITax; }
    double DITotal() const { return employerDITax + employeeDITax; }
    double GrandTotal() const { return UITotal() + DITotal(); }
};

// Whether the current employee belongs to the report of the state stateIndex (1..54): working in
// that state and paid gross wages in the quarter.
bool InStateReport(int stateIndex);
// The current employee's wages in the report: quarter-to-date gross wages, and the tips when the
// company keeps them out of gross wages, so tips are always part of the wages.
double StateReportWages();

// The totals of every employee in the report of the state; the employee that was current stays
// current.
StateReportTotals SumStateReport(int stateIndex);

// Prints the report of the state held in StateTaxRec. The heading's second line puts the state's
// name before the report name; the date line is the period description or "For the quarter
// ended " and the report date.
void PrintStateReport(ReportCanvas& report, const ReportTexts& texts);
