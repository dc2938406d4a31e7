#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

struct CompanyRecord;
struct EmployeeRecord;

// What the Form W-4 screen holds: the employee's step 1 data and the step 2 to 4 entries.
struct W4Entries {
    QString FirstName, MiddleName, LastName, SocSecNum, Address, City;
    QString State; // the state code, empty when none is chosen
    QString ZipCode;
    bool Single = false, Married = false, HOH = false;
    bool FW4Box2c = false;
    double FW4Box3a = 0, FW4Box3b = 0, FW4Box3 = 0, FW4Box4a = 0, FW4Box4b = 0;
    double FedAddTax = 0;
    bool FedWithExempt = false;
};

// The entries a check can point at, in the screen's order.
enum class W4Field { FirstName, LastName, SocSecNum, Address, City, State, ZipCode, Single, FW4Box3a, FW4Box3b };

struct W4Fault {
    W4Field field;
    QString message;
};

inline constexpr int kChildCredit = 2200;     // step 3, per qualifying child under age 17
inline constexpr int kDependentCredit = 500;  // step 3, per other dependent

// A step 3 amount that is not a whole multiple of its credit. A negative amount lowered the step 3
// total and so raised the withholding; it counts as off too.
bool W4AmountOffMultiple(double amount, int credit);
// The federal allowances: one per full credit of each step 3 amount above 0.
int W4Allowances(double box3a, double box3b);
// Step 3's total.
double W4Box3Total(double box3a, double box3b);

// The first entry that cannot be processed or printed, in the screen's order; none when all pass.
std::optional<W4Fault> CheckW4Entries(const W4Entries& entries);

// The employee's W-4 as the record holds it.
W4Entries W4EntriesFromEmployee(const EmployeeRecord& employee);
// Stores the entries and the allowances into the record, texts cut to the stored widths. The
// derived fields (full name, last address line) are rebuilt when the employee screen next saves.
void StoreW4Entries(const W4Entries& entries, EmployeeRecord& employee);

// The parameters of the printed form's layout "FormW4"; a parameter left out prints nothing.
std::vector<std::pair<QString, QString>> W4PrintParameters(const W4Entries& entries, const CompanyRecord& company);
