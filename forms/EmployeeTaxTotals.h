#pragma once

#include "client/EmployeeRecord.h"

// The employees' income tax, Social Security and Medicare amounts of one column (quarter- or
// year-to-date) added up, as Forms 941 and 944 report them.
struct EmployeeTaxTotals {
    int employeesWithWages = 0;        // employees with federal wages above 0
    double wages = 0;                  // federal wages, tips and other compensation
    double incomeTax = 0;              // federal income tax withheld, third-party sick pay's included
    double socialSecurityWages = 0;    // tips included
    double socialSecurityTax = 0;      // charged: employee, employer and third-party sick pay shares
    double tips = 0;
    double medicareWages = 0;
    double medicareTax = 0;            // charged, as above, without the Additional Medicare Tax
    double additionalMedicareWages = 0;
    double additionalMedicareTax = 0;
    double sickPayTaxes = 0;           // the three taxes withheld on third-party sick pay
    bool thirdPartySickPay = false;    // some employee has taxable third-party sick pay

    void Add(const EmployeeRecord& employee, int column);
};

// Every employee of the open client's column added up; the employee that was current stays current.
EmployeeTaxTotals GatherEmployeeTaxTotals(int column);

// Lines 5a-5e of Form 941 (4a-4e of Form 944): column 2 is column 1 times the rate, to the cent, as
// the form prints it. The taxes the payroll charged differ from that by their fractions of cents.
struct SocialSecurityMedicareLines {
    double socialSecurityWages = 0;     // tips not included
    double socialSecurityTax = 0;
    double socialSecurityTips = 0;
    double socialSecurityTipsTax = 0;
    double medicareWages = 0;
    double medicareTax = 0;
    double additionalMedicareWages = 0;
    double additionalMedicareTax = 0;
    double total = 0;
    double fractionsOfCents = 0;        // taxes charged less the total
};

inline constexpr double kSocialSecurityRate = 0.124;       // employee and employer, 6.2 % each
inline constexpr double kMedicareRate = 0.029;             // employee and employer, 1.45 % each
inline constexpr double kAdditionalMedicareRate = 0.009;   // employee only

SocialSecurityMedicareLines ComputeSocialSecurityMedicare(const EmployeeTaxTotals& totals);
