#include "W2Fixture.h"

#include "forms/Form940Return.h"

using namespace F940;

namespace {

class Form940ReturnTest : public W2Test {
protected:
    void addEarner(const QString& last, double fedEarnings, double plan401k, bool futaExempt = false)
    {
        addW2Employee(last, QStringLiteral("Pat"), fedEarnings);
        EmployeeRec.Plan401k[kYearToDateColumn] = plan401k;
        EmployeeRec.FUTAExempt = futaExempt;
        module->RSEmployee.PostRec();
    }

    // A return whose checks pass: one state, nothing owed or overpaid.
    static void completeReturn(CompanyRecord& c)
    {
        c.F940StateCode = QStringLiteral("PA");
        CalcForm940Lines(c);
    }
};

TEST_F(Form940ReturnTest, HandWorkedYear)
{
    addEarner(QStringLiteral("Adams"), 30000, 2000);
    EmployeeRec.FringeBen[kYearToDateColumn] = 500;   // inside the 30,000.00 of box 1
    module->RSEmployee.PostRec();
    addEarner(QStringLiteral("Dunn"), 4000, 1000);
    addEarner(QStringLiteral("Cole"), 10000, 0, true);
    readEmployee(1);

    CompanyRecord& c = CompanyRec;
    c.F940CRRate[5] = 0.003;
    GatherForm940Totals(c);
    EXPECT_EQ(QString(EmployeeRec.LastName), QStringLiteral("Adams"));
    const auto& amount = c.F940Amount;
    EXPECT_DOUBLE_EQ(amount[TotalPayments], 47000.00);
    EXPECT_DOUBLE_EQ(amount[ExemptPayments], 10500.00);
    EXPECT_DOUBLE_EQ(amount[OverBase], 24500.00);
    EXPECT_DOUBLE_EQ(amount[Subtotal], 35000.00);
    EXPECT_DOUBLE_EQ(amount[TaxableWages], 12000.00);
    EXPECT_DOUBLE_EQ(amount[TaxBeforeAdjustments], 72.00);
    const bool kinds[] = {true, false, false, false, true};   // 4a and 4e
    for (int kind = FringeBenefits; kind <= Other; ++kind)
        EXPECT_EQ(bool(c.F940Exempt[kind]), kinds[kind - 1]) << kind;
    EXPECT_DOUBLE_EQ(c.F940CRRate[5], 0);

    // The deposits of the quarters come a cent short: below the Part 5 floor nothing compares them.
    c.F940Amount[Quarter1] = 71.99;
    c.F940Amount[Deposits] = 72.00;
    completeReturn(c);
    EXPECT_DOUBLE_EQ(amount[TotalTax], 72.00);
    EXPECT_DOUBLE_EQ(amount[YearLiability], 71.99);
    EXPECT_FALSE(CheckForm940(c));

    c.F940NoWages = true;
    CalcForm940Lines(c);
    EXPECT_DOUBLE_EQ(amount[AllWagesExcluded], 648.00);
    EXPECT_DOUBLE_EQ(amount[TotalTax], 720.00);
    EXPECT_DOUBLE_EQ(amount[BalanceDue], 648.00);
    ASSERT_TRUE(CheckForm940(c));
    EXPECT_EQ(CheckForm940(c)->check, Form940Check::Line12Line17);
    c.F940NoWages = false;
    CalcForm940Lines(c);
    EXPECT_DOUBLE_EQ(amount[AllWagesExcluded], 0);
}

TEST_F(Form940ReturnTest, EmployeeShareAboveTheWageBase)
{
    const struct {
        double fedEarnings, plan401k, fringe, cafe;
        bool exempt;
        double payments, exemptPayments, overBase;
    } cases[] = {
        {7000, 0, 0, 0, false, 7000, 0, 0},
        {7000.01, 0, 0, 0, false, 7000.01, 0, 0.01},
        {6999.99, 0, 0, 0, false, 6999.99, 0, 0},
        {6000, 1000, 0, 0, false, 7000, 0, 0},              // the deferral is a FUTA wage
        {8000, 0, 500, 300, false, 8300, 800, 500},         // cafeteria plan put back, exempt
        {9000, 500, 0, 0, true, 9500, 9500, 0},
    };
    addEarner(QStringLiteral("Case"), 0, 0);
    for (const auto& c : cases) {
        EmployeeRecord& e = EmployeeRec;
        const int y = kYearToDateColumn;
        e.FedEarnings[y] = c.fedEarnings;
        e.Plan401k[y] = c.plan401k;
        e.FringeBen[y] = c.fringe;
        e.CafePlan[y] = c.cafe;
        e.FUTAExempt = c.exempt;
        const Form940Employee share = Form940EmployeeShare(e);
        EXPECT_DOUBLE_EQ(share.payments, c.payments) << c.fedEarnings;
        EXPECT_DOUBLE_EQ(share.exempt, c.exemptPayments) << c.fedEarnings;
        EXPECT_DOUBLE_EQ(share.overBase, c.overBase) << c.fedEarnings;
    }
}

TEST_F(Form940ReturnTest, TaxDeferredUserDeductionsArePayments)
{
    addEarner(QStringLiteral("Case"), 5000, 0);
    EmployeeRec.UserDeduct2[kYearToDateColumn] = 250;
    EmployeeRec.UserDeduct3[kYearToDateColumn] = 99;
    EmployeeRec.UserTaxDefr[2] = true;
    EXPECT_DOUBLE_EQ(Form940EmployeeShare(EmployeeRec).payments, 5250);
}

TEST_F(Form940ReturnTest, OverpaymentOfADollarNeedsAChoice)
{
    for (const double over : {0.99, 1.00}) {
        CompanyRecord& c = CompanyRec;
        c.F940Amount[TaxBeforeAdjustments] = 100;
        c.F940Amount[Deposits] = 100 + over;
        c.F940OverPay1 = c.F940OverPay2 = false;
        completeReturn(c);
        EXPECT_DOUBLE_EQ(c.F940Amount[Overpayment], over);
        const auto problem = CheckForm940(c);
        EXPECT_EQ(problem.has_value(), over >= 1.00) << over;
        if (problem)
            EXPECT_EQ(problem->check, Form940Check::Overpayment);
        c.F940OverPay2 = true;
        c.PayRTN = QStringLiteral("021000021");
        c.PayAcctNum = QStringLiteral("12345");
        c.PayAcctType = QStringLiteral("Checking");
        EXPECT_FALSE(CheckForm940(c));
    }
    // Without an overpayment the choice is let go.
    CompanyRec.F940Amount[Deposits] = 100;
    CalcForm940Lines(CompanyRec);
    EXPECT_FALSE(CompanyRec.F940OverPay2);
}

TEST_F(Form940ReturnTest, QuarterlyLiabilitiesCountAboveFiveHundred)
{
    for (const double tax : {500.00, 500.01}) {
        CompanyRecord& c = CompanyRec;
        c.F940Amount[TaxBeforeAdjustments] = tax;
        c.F940Amount[Deposits] = tax;
        c.F940Amount[Quarter1] = 100;
        completeReturn(c);
        const bool partFive = tax > 500;
        EXPECT_EQ(CheckForm940(c).has_value(), partFive) << tax;
        const FormParams params = Form940Params(c, PreparerRec, {});
        EXPECT_EQ(params.Has(QStringLiteral("F940Amount14")), partFive) << tax;
        EXPECT_EQ(params.Has(QStringLiteral("F940Amount18")), partFive) << tax;
    }
}

TEST_F(Form940ReturnTest, BalanceGoesOnTheVoucherAndARefundToTheBankAccount)
{
    const struct {
        double balance;            // line 8 less deposits of 100.00: above 0 a balance, below an overpayment
        bool paysElectronically;
        bool sendRefund;
        bool voucher, bankData;
    } cases[] = {
        {100.99, false, false, false, false},
        {101.00, false, false, true, false},
        {101.00, true, false, false, false},
        {40.00, true, false, false, false},
        {40.00, false, true, false, true},
    };
    CompanyRecord& c = CompanyRec;
    c.PayRTN = QStringLiteral("021000021");
    c.PayAcctNum = QStringLiteral("12345");
    c.PayAcctType = QStringLiteral("checking");
    for (const auto& k : cases) {
        c.F940Amount[TaxBeforeAdjustments] = k.balance;
        c.F940Amount[Deposits] = 100;
        c.PayTaxBal = k.paysElectronically;
        completeReturn(c);
        c.F940OverPay1 = !k.sendRefund && c.F940Amount[Overpayment] > 0;
        c.F940OverPay2 = k.sendRefund;
        EXPECT_EQ(PrintsForm940V(c), k.voucher) << k.balance;
        const FormParams params = Form940Params(c, PreparerRec, {});
        EXPECT_EQ(params.Has(QStringLiteral("RTN9")), k.bankData) << k.balance;
        EXPECT_EQ(params.Has(QStringLiteral("Checking")), k.bankData) << k.balance;
    }
    c.F940Amount[BalanceDue] = 1234.5;
    const FormParams voucher = Form940VParams(c, true);
    EXPECT_EQ(voucher.Get(QStringLiteral("F940VBalDue1")), QStringLiteral("1234"));
    EXPECT_EQ(voucher.Get(QStringLiteral("F940VBalDue2")), QStringLiteral("50"));
}

TEST_F(Form940ReturnTest, ARefundWithoutTheBankAccountIsRefused)
{
    CompanyRecord& c = CompanyRec;
    c.F940Amount[TaxBeforeAdjustments] = 40;
    c.F940Amount[Deposits] = 100;
    completeReturn(c);
    c.F940OverPay2 = true;
    c.PayRTN = QStringLiteral("021000021");
    c.PayAcctNum = QString();
    c.PayAcctType = QStringLiteral("Savings");
    const std::optional<Form940Problem> problem = CheckForm940(c);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->check, Form940Check::RefundAccount);
    EXPECT_TRUE(problem->message.startsWith(QStringLiteral("Line 15: the account number is missing.")))
        << problem->message.toStdString();
    c.PayAcctNum = QStringLiteral("987");
    EXPECT_FALSE(CheckForm940(c).has_value());
}

TEST_F(Form940ReturnTest, StatesAndScheduleAChecks)
{
    const struct {
        const char* stateCode;
        bool multiState;
        int checkedStates;
        std::optional<Form940Check> problem;
    } cases[] = {
        {"PA", true, 2, Form940Check::StateAndMultiState},
        {"", false, 0, Form940Check::StateOrMultiState},
        {"", true, 1, Form940Check::TooFewStates},
        {"PA", false, 2, Form940Check::TooManyStates},
        {"", true, 2, std::nullopt},
        {"PA", false, 1, std::nullopt},
    };
    for (const auto& k : cases) {
        CompanyRecord& c = CompanyRec;
        c.F940StateCode = QString::fromLatin1(k.stateCode);
        c.F940SchAChk1 = k.multiState;
        c.F940States = {};
        for (int row = 1; row <= k.checkedStates; ++row)
            c.F940States[row] = true;
        CalcForm940Lines(c);
        const auto problem = CheckForm940(c);
        EXPECT_EQ(problem ? std::optional(problem->check) : std::nullopt, k.problem) << k.stateCode << k.checkedStates;
        EXPECT_EQ(PrintsScheduleA(c), k.multiState);
    }
    EXPECT_EQ(ScheduleAStateCode(5), QStringLiteral("CA"));
    EXPECT_EQ(ScheduleAStateCode(27), QStringLiteral("MT"));
    EXPECT_EQ(ScheduleAStateCode(53), QStringLiteral("VI"));
}

TEST_F(Form940ReturnTest, FileCopyLeavesOutPreparerAndSigner)
{
    CompanyRecord& c = CompanyRec;
    c.SignForm = true;
    c.SignerName = QStringLiteral("Pat Doe");
    PreparerRec.FirmName = QStringLiteral("Books Inc");
    PreparerRec.PrepName = QStringLiteral("Lou Reed");
    Form940PrintChoice choice;
    choice.printDateText = QStringLiteral("01/29/2027");
    choice.filingCopy = false;
    FormParams params = Form940Params(c, PreparerRec, choice);
    EXPECT_EQ(params.Get(kFormCopyParam), kFileCopyText);
    for (const char* left : {"PrepName", "Signature", "SignerName", "PhoneNumber"})
        EXPECT_FALSE(params.Has(QLatin1String(left))) << left;
    EXPECT_FALSE(params.Has(QStringLiteral("PrepPrintDate")));
    EXPECT_EQ(params.Get(QStringLiteral("Date")), QStringLiteral("01/29/2027"));
    EXPECT_EQ(params.Get(QStringLiteral("EIN9")), QStringLiteral("9"));
    choice.filingCopy = true;
    params = Form940Params(c, PreparerRec, choice);
    EXPECT_EQ(params.Get(QStringLiteral("PrepName")), QStringLiteral("LOU REED"));
    EXPECT_EQ(params.Get(QStringLiteral("Signature")), QStringLiteral("Pat Doe"));
}

} // namespace
