#include "client/PriorYearConversion.h"

#include "client/EmployeeDerivedFields.h"
#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/StateTables.h"

#include <QString>

#include <algorithm>
#include <initializer_list>
#include <cstring>

namespace {

int NewJerseyIndex()
{
    return StateCodeIndex(QStringLiteral("NJ")) + 1;
}

// Copies the bytes of this year's record from field first up to the end of field last.
template <typename Record, typename First, typename Last>
void CopyRange(Record& to, const Record& from, First Record::*first, Last Record::*last)
{
    const auto* begin = reinterpret_cast<const char*>(&(from.*first));
    const auto* end = reinterpret_cast<const char*>(&(from.*last)) + sizeof(Last);
    std::memcpy(reinterpret_cast<char*>(&to) + (begin - reinterpret_cast<const char*>(&from)), begin,
                static_cast<size_t>(end - begin));
}

QString OutOfRange(const char* field, qint64 value, qint64 lowest, qint64 highest)
{
    if (value >= lowest && value <= highest)
        return {};
    return QStringLiteral("the %1 (%2) lies outside %3 to %4").arg(QString::fromLatin1(field)).arg(value).arg(lowest).arg(highest);
}

// The first problem of the list, or none.
QString FirstOf(std::initializer_list<QString> problems)
{
    for (const QString& problem : problems)
        if (!problem.isEmpty())
            return problem;
    return {};
}

} // namespace

QString OutOfRangeField(const CompanyRecord2025& prior)
{
    const CompanyRecord old = ThisYearLayoutOf(prior);
    return FirstOf({OutOfRange("company state", old.CurrentState, 1, StateCount),
                    OutOfRange("pay run frequency", old.ProcessFrequency, 0, 4)});
}

QString OutOfRangeField(const EmployeeRecord2025& prior)
{
    // An employee not paid yet may have neither a work state nor a frequency.
    const EmployeeRecord old = ThisYearLayoutOf(prior);
    return FirstOf({OutOfRange("work state", old.WorkStateIndex, 0, StateCount),
                    OutOfRange("pay frequency", old.Frequency, 0, 4)});
}

CompanyRecord ConvertCompanyRecord(const CompanyRecord2025& prior)
{
    const CompanyRecord old = ThisYearLayoutOf(prior);
    CompanyRecord rec;
    std::memset(&rec, 0, sizeof rec);

    CopyRange(rec, old, &CompanyRecord::Name, &CompanyRecord::DepositStat);
    rec.StateID = old.StateID;
    rec.StateID2 = old.StateID2;
    rec.UnempTaxRate = old.UnempTaxRate;
    rec.DisbTaxRate = old.DisbTaxRate;
    rec.UnempMaxWage = old.UnempMaxWage;
    rec.DisbMaxWage = old.DisbMaxWage;
    if (old.CurrentState == NewJerseyIndex()) {
        // Only New Jersey's own wage base is known to have changed; the other states keep theirs.
        rec.UnempMaxWage[NewJerseyIndex()] = kNewJerseyWageBase;
        rec.DisbMaxWage[NewJerseyIndex()] = kNewJerseyWageBase;
    }
    rec.CurrentState = old.CurrentState;
    rec.DirDeposit = old.DirDeposit;
    rec.IncludeTips = old.IncludeTips;
    rec.UserEarnings = old.UserEarnings;
    rec.UserDeduct = old.UserDeduct;
    rec.UserLib = old.UserLib;
    CopyRange(rec, old, &CompanyRecord::Designee, &CompanyRecord::DesigneePIN);
    rec.F1094CPIVName = old.F1094CPIVName;
    rec.F1094CPIVEIN = old.F1094CPIVEIN;
    rec.F940StateCode = old.F940StateCode;
    std::memcpy(rec.reserved8232, old.reserved8232, sizeof rec.reserved8232);
    rec.FW3CtrlNum = old.FW3CtrlNum;
    rec.FW3Contact = old.FW3Contact;
    // Kinds of payer and of employer; the third-party sick pay box belongs to last year's filing.
    for (int box = 1; box <= 12; ++box)
        rec.FW3ChkMark[box] = old.FW3ChkMark[box];
    rec.PayDateFrom = old.PayDateFrom;
    rec.PayDateTo = old.PayDateTo;
    rec.StartChkNum = old.StartChkNum;
    rec.PayrollPosted = true;
    CopyRange(rec, old, &CompanyRecord::vpFullName, &CompanyRecord::hpCheckStub);
    CopyRange(rec, old, &CompanyRecord::GenerateChk, &CompanyRecord::AccountNum);

    rec.PayTaxBal = prior.PayTaxBal;
    rec.PayRTN = prior.PayRTN;
    rec.PayAcctNum = prior.PayAcctNum;
    rec.PayAcctType = prior.PayAcctType;
    rec.SignerName = prior.SignerName;
    rec.SignerTitle = prior.SignerTitle;
    rec.SignForm = prior.SignForm;
    return rec;
}

bool IsValidEmployee(const EmployeeRecord2025& prior)
{
    // Zeros only are a hole in a damaged or sparse file, never a person: every employee has a number.
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&prior);
    if (std::all_of(bytes, bytes + sizeof prior, [](std::uint8_t byte) { return byte == 0; }))
        return false;
    const EmployeeRecord old = ThisYearLayoutOf(prior);
    return !IsValidDateStr(old.DateResigned) && !old.Deceased;
}

int GetNumDependents(const EmployeeRecord& record)
{
    const int children = record.FW4Box3a > 0 ? RoundToWhole(record.FW4Box3a) / static_cast<int>(kChildCredit) : 0;
    const int others = record.FW4Box3b > 0 ? RoundToWhole(record.FW4Box3b) / static_cast<int>(kOtherDependentCredit) : 0;
    return children + others;
}

EmployeeRecord ConvertEmployeeRecord(const EmployeeRecord2025& prior, int employeeNum)
{
    const EmployeeRecord old = ThisYearLayoutOf(prior);
    EmployeeRecord rec;
    std::memset(&rec, 0, sizeof rec);

    rec.EmployeeNum = employeeNum;
    CopyRange(rec, old, &EmployeeRecord::FirstName, &EmployeeRecord::DateSuspEnds);
    rec.DateResigned = QStringLiteral("  /  /    ");
    // Last year's stored age counts from last year; the employee screen's rule recomputes it.
    rec.EmployeeAge = EmployeeAgeOf(old.DateOfBirth);
    CopyRange(rec, old, &EmployeeRecord::CurrSalary, &EmployeeRecord::ActualRaise);
    CopyRange(rec, old, &EmployeeRecord::Comment1, &EmployeeRecord::StdOverTime);
    rec.Deceased = false;
    rec.DoubleOT = false;
    CopyRange(rec, old, &EmployeeRecord::VactAccrued, &EmployeeRecord::IRASimplePct);
    rec.FedAddTax = old.FedAddTax;
    CopyRange(rec, old, &EmployeeRecord::StWithAllow, &EmployeeRecord::CityStdDeduct);
    rec.GTLIAutoCalc = old.GTLIAutoCalc;
    rec.GTLIFaceAmt = old.GTLIFaceAmt;
    rec.GTLIEmpPmt = old.GTLIEmpPmt;
    CopyRange(rec, old, &EmployeeRecord::FedExempt, &EmployeeRecord::StWithExempt);
    CopyRange(rec, old, &EmployeeRecord::DirDeposit, &EmployeeRecord::AccountType);

    rec.UserAmount = prior.UserAmount;
    rec.UserAction = prior.UserAction;
    rec.UserTaxExemp = prior.UserTaxExemp;
    rec.UserCafePlan = prior.UserCafePlan;
    rec.UserTaxDefr = prior.UserTaxDefr;
    // A limit that spans years continues with what is left of it.
    for (int field = 1; field <= 15; ++field) {
        const double used = prior.Amounts[PriorAmountGroupOfUserField(field)][kYearToDateColumn];
        rec.UserMaxAmt[field] = std::max(0.0, RoundToDecimals(prior.UserMaxAmt[field] - used, 2));
    }
    std::memcpy(&rec.RDepCareBen, &prior.Recurring, sizeof prior.Recurring);
    rec.FW2CtrlNum = prior.FW2CtrlNum;

    rec.FW4Box2c = prior.FW4Box2c;
    rec.FW4Box3a = prior.FW4Box3a > 0
                       ? (RoundToWhole(prior.FW4Box3a) / static_cast<int>(kPriorChildCredit)) * kChildCredit
                       : prior.FW4Box3a;
    rec.FW4Box3b = prior.FW4Box3b;
    rec.FW4Box3 = rec.FW4Box3a + rec.FW4Box3b;
    rec.FW4Box4a = prior.FW4Box4a;
    rec.FW4Box4b = prior.FW4Box4b;
    rec.FedWithAllow = GetNumDependents(rec);

    rec.F1095CBoxaFN = prior.F1095CBoxaFN;
    rec.F1095CBoxaMI = prior.F1095CBoxaMI;
    rec.F1095CBoxaLN = prior.F1095CBoxaLN;
    rec.F1095CBoxb = prior.F1095CBoxb;
    rec.F1095CBoxc = prior.F1095CBoxc;
    return rec;
}
