#pragma once

#include <QString>

class ReportCanvas;
struct CompanyRecord;
struct EmployeeRecord;

// The four heading rows of a check stub, label and value on each side.
struct StubHeadings {
    QString CompanyName;
    QString PayPeriod;
    QString EmployeeName;
    QString PayDate;
    QString SocialSecurity;
    QString CheckNumber;
    QString EmployeeNumber;
    QString StatusLabel;
    QString Status;
};

// The headings of the current employee's stub for the current pay run.
StubHeadings EmployeeStubHeadings(const CompanyRecord& company, const EmployeeRecord& employee);

// The heading rows from the stub's line y0.
void DrawStubHeadings(ReportCanvas& report, double y0, const StubHeadings& headings);
// The boxes, rules, the two titles and the column headings below the heading rows.
void DrawStubFrame(ReportCanvas& report, double y0);
// The earnings and deductions of the current pay run with their year-to-date totals, and the
// four summary figures.
void DrawStubAmounts(ReportCanvas& report, double y0, const CompanyRecord& company, const EmployeeRecord& employee);
