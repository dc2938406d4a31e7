// The refund of each return goes by direct deposit to the company's account, and the IRS takes a
// routing number only when its first two digits are 01-12 or 21-32 and its check digit holds.

#include "TestSupport.h"

#include "client/CompanyRecord.h"
#include "forms/Form940Return.h"
#include "forms/Form941Return.h"
#include "forms/Form944Return.h"

#include <functional>
#include <memory>
#include <optional>

namespace {

struct RoutingCase {
    const char* routing;
    bool accepted;
};

// The check digit of each is right unless the case says otherwise.
const RoutingCase kRoutingCases[] = {
    {"011000015", true},   // Federal Reserve district 01
    {"122105155", true},   // district 12
    {"211274450", true},   // thrift institution, 21
    {"322271627", true},   // thrift institution, 32
    {"011000016", false},  // check digit
    {"122105156", false},  // check digit
    {"000000000", false},  // 00: the government's own
    {"130000006", false},
    {"200000004", false},  // 13-20: no institution
    {"330000000", false},
    {"400000008", false},
    {"610000005", false},  // 61-72: electronic only
    {"800000006", false},  // traveler's checks
    {"990000000", false},
    {"", false},
    {"         ", false},
};

// The company's account, complete but for the routing number.
std::unique_ptr<CompanyRecord> CompanyWithAccount(const char* routing)
{
    auto company = std::make_unique<CompanyRecord>(NewCompanyRecord());
    company->PayRTN = QString::fromLatin1(routing);
    company->PayAcctNum = QStringLiteral("4567123");
    company->PayAcctType = QStringLiteral("Checking");
    company->F941EndDate = QStringLiteral("  /  /    ");
    return company;
}

struct RefundOutcome {
    bool refused = false;
    QString message;
};

// Form 941: 200.00 deposited against 100.00 of tax, refund asked.
RefundOutcome Check941(CompanyRecord& company)
{
    using namespace F941;
    company.F941Amount[IncomeTax] = 100.00;
    company.TaxLibQtr = 100.00;
    company.F941Amount[Deposits] = 200.00;
    CalcForm941Lines(company);
    SetForm941DepositBoxes(company);
    company.F941ChkMark[SendRefund] = true;
    const std::optional<Form941Problem> problem = CheckForm941(company, false);
    if (!problem)
        return {};
    EXPECT_EQ(problem->check, Form941Check::RefundAccount) << problem->message.toStdString();
    return {true, problem->message};
}

// Form 944: the same for the year.
RefundOutcome Check944(CompanyRecord& company)
{
    using namespace F944;
    Form944Return form;
    form.amount[IncomeTax] = 100.00;
    form.monthLiability[1] = 100.00;
    form.amount[Deposits] = 200.00;
    CalcForm944Lines(form);
    form.mark[SendRefund] = true;
    const std::optional<Form944Problem> problem = CheckForm944(form, company);
    if (!problem)
        return {};
    EXPECT_EQ(problem->check, Form944Check::RefundAccount) << problem->message.toStdString();
    return {true, problem->message};
}

// Form 940: 100.00 deposited against 40.00 of FUTA tax, refund asked.
RefundOutcome Check940(CompanyRecord& company)
{
    using namespace F940;
    company.F940StateCode = QStringLiteral("PA");
    company.F940Amount[TaxBeforeAdjustments] = 40.00;
    company.F940Amount[Deposits] = 100.00;
    CalcForm940Lines(company);
    company.F940OverPay2 = true;
    const std::optional<Form940Problem> problem = CheckForm940(company);
    if (!problem)
        return {};
    EXPECT_EQ(problem->check, Form940Check::RefundAccount) << problem->message.toStdString();
    return {true, problem->message};
}

struct FormCase {
    const char* form;
    std::function<RefundOutcome(CompanyRecord&)> check;
    const char* line;   // how the refusal names the routing number's line
};

} // namespace

TEST(RefundRoutingNumber, EveryReturnTakesOnlyWhatTheIrsTakes)
{
    const FormCase forms[] = {
        {"941", Check941, "Line 15c: the routing number"},
        {"944", Check944, "Line 12c: the routing number"},
        {"940", Check940, "Line 15: the routing number"},
    };
    for (const FormCase& form : forms) {
        for (const RoutingCase& c : kRoutingCases) {
            SCOPED_TRACE(std::string("Form ") + form.form + ", routing number \"" + c.routing + "\"");
            const std::unique_ptr<CompanyRecord> company = CompanyWithAccount(c.routing);
            const RefundOutcome outcome = form.check(*company);
            EXPECT_EQ(outcome.refused, !c.accepted) << outcome.message.toStdString();
            if (outcome.refused) {
                EXPECT_TRUE(outcome.message.contains(QLatin1String(form.line))) << outcome.message.toStdString();
            }
        }
    }
}
