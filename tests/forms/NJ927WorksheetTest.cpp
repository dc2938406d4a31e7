#include "tests/forms/NJFormsFixture.h"

#include "forms/NJ927Worksheet.h"

#include <optional>

namespace {

using Fault = NJ927Fault::Entry;

class NJ927WorksheetTest : public NJFormsTest {
protected:
    // Employee A pays every contribution; employee B is exempt from disability.
    void addHandWorkedEmployees()
    {
        addPaidEmployee(QStringLiteral("Able"), {10000.00, 9500.00, 10000.00, 10000.00, 10000.00});
        addPaidEmployee(QStringLiteral("Baker"), {5000.00, 5000.00, 5000.00, 0, 0});
        EmployeeRec.DisbExempt = true;
        module->RSEmployee.PostRec();
    }

    NJ927Worksheet gathered()
    {
        NJ927Worksheet sheet;
        sheet.Gather();
        return sheet;
    }
};

TEST_F(NJ927WorksheetTest, HandWorkedStatePlanGivesEveryLineInOneCalculation)
{
    addHandWorkedEmployees();
    addPaidEmployee(QStringLiteral("Carter"), {7000.00, 7000.00, 7000.00, 7000.00, 7000.00}, "PA");
    NJ927Worksheet sheet = gathered();
    const NJ927Lines& l = sheet.Lines;

    EXPECT_DOUBLE_EQ(l.GITWages, 14500.00);
    EXPECT_DOUBLE_EQ(l.GrossWages, 15000.00);
    EXPECT_DOUBLE_EQ(l.ExcessEmployerWages, 0.00);
    EXPECT_DOUBLE_EQ(l.ExcessWorkerWages, 5000.00);
    EXPECT_DOUBLE_EQ(l.TaxableWagesUIWF, 15000.00);
    EXPECT_DOUBLE_EQ(l.TaxableWagesDIEmployer, 10000.00);
    EXPECT_DOUBLE_EQ(l.TaxableWagesDIWorker, 10000.00);
    EXPECT_DOUBLE_EQ(l.TaxableWagesFLI, 10000.00);
    EXPECT_DOUBLE_EQ(l.UIRate, 0.030000);
    EXPECT_DOUBLE_EQ(l.UITax, 450.00);
    EXPECT_DOUBLE_EQ(l.DIEmployerRate, 0.005);
    EXPECT_DOUBLE_EQ(l.DIEmployerTax, 50.00);
    EXPECT_DOUBLE_EQ(l.DIWorkerRate, 0.0019);
    EXPECT_DOUBLE_EQ(l.DIWorkerTax, 19.00);
    EXPECT_DOUBLE_EQ(l.FLIRate, 0.0023);
    EXPECT_DOUBLE_EQ(l.FLITax, 23.00);
    EXPECT_DOUBLE_EQ(l.BalanceDue, 542.00);
    EXPECT_DOUBLE_EQ(l.BalanceDue2, 542.00);
    EXPECT_EQ(l.DIPlanEmployer, QStringLiteral("S"));
    EXPECT_EQ(l.DIPlanWorker, QStringLiteral("S"));
    EXPECT_EQ(l.FLIPlan, QStringLiteral("S"));
    EXPECT_EQ(sheet.WR30EmployeeCount, 2);
    EXPECT_TRUE(l.PrintEnabled);
}

TEST_F(NJ927WorksheetTest, PrivatePlanZeroesDisabilityAndPaysThisCalculationsBalance)
{
    addHandWorkedEmployees();
    NJ927Worksheet sheet = gathered();
    NJ927Lines& l = sheet.Lines;

    l.DIPlanEmployer = QStringLiteral("P");
    sheet.Calculate();
    EXPECT_DOUBLE_EQ(l.TaxableWagesDIEmployer, 0.00);
    EXPECT_DOUBLE_EQ(l.TaxableWagesDIWorker, 0.00);
    EXPECT_DOUBLE_EQ(l.DIEmployerTax, 0.00);
    EXPECT_DOUBLE_EQ(l.DIWorkerTax, 0.00);
    EXPECT_DOUBLE_EQ(l.DIEmployerRate, 0.0);
    EXPECT_DOUBLE_EQ(l.DIWorkerRate, 0.0);
    EXPECT_DOUBLE_EQ(l.ExcessWorkerWages, 5000.00);   // line 08 less line 14
    EXPECT_DOUBLE_EQ(l.TaxableWagesFLI, 10000.00);
    EXPECT_DOUBLE_EQ(l.BalanceDue, 473.00);
    EXPECT_DOUBLE_EQ(l.Payment, 473.00);
    EXPECT_DOUBLE_EQ(l.AmountToPay2, 473.00);
    EXPECT_EQ(l.DIPlanWorker, QStringLiteral("P"));

    // "C" keeps the disability lines as the last calculation left them.
    l.DIPlanEmployer = QStringLiteral("C");
    sheet.Calculate();
    EXPECT_DOUBLE_EQ(l.TaxableWagesDIWorker, 0.00);
    EXPECT_DOUBLE_EQ(l.DIEmployerRate, 0.0);
    EXPECT_DOUBLE_EQ(l.ExcessWorkerWages, 15000.00);

    l.DIPlanEmployer = QStringLiteral("S");
    sheet.Calculate();
    EXPECT_DOUBLE_EQ(l.ExcessWorkerWages, 5000.00);
    EXPECT_DOUBLE_EQ(l.TaxableWagesDIWorker, 10000.00);
    EXPECT_DOUBLE_EQ(l.BalanceDue, 542.00);
}

TEST_F(NJ927WorksheetTest, LineTwentyOneStartsFromTheQuarterContributions)
{
    addHandWorkedEmployees();
    readEmployee(1);
    EmployeeRec.UnempTax[kQuarterToDateColumn] = 10.00;
    EmployeeRec.UnempLib[kQuarterToDateColumn] = 257.50;
    EmployeeRec.DisbTax[kQuarterToDateColumn] = 19.00;
    EmployeeRec.DisbLib[kQuarterToDateColumn] = 50.00;
    module->RSEmployee.PostRec();
    NJ927Worksheet sheet = gathered();
    EXPECT_DOUBLE_EQ(sheet.Lines.Payment, 336.50);
    EXPECT_DOUBLE_EQ(sheet.Lines.GrandTotal2, 336.50);
}

TEST_F(NJ927WorksheetTest, PaymentsCoveringTheContributionsLeaveNoBalance)
{
    addHandWorkedEmployees();
    NJ927Worksheet sheet = gathered();
    for (const double payments : {542.00, 600.00}) {
        sheet.Lines.Payments = payments;
        sheet.Calculate();
        EXPECT_DOUBLE_EQ(sheet.Lines.BalanceDue, 0.00) << payments;
    }
    sheet.Lines.Payments = 500.00;
    sheet.Calculate();
    EXPECT_DOUBLE_EQ(sheet.Lines.BalanceDue, 42.00);
}

TEST_F(NJ927WorksheetTest, WageListTakesNewJerseyEmployeesWithQuarterPay)
{
    CompanyRec.IncludeTips = false;
    module->RSCompany.PostRec();
    addPaidEmployee(QStringLiteral("Evans"), {500.00, 500.00, 500.00, 0, 0}, "PA");
    addPaidEmployee(QStringLiteral("Adams"), {1000.00, 1000.00, 1000.00, 0, 0});
    EmployeeRecord& e = EmployeeRec;
    for (int c = kMonthToDateColumn; c <= kYearToDateColumn; ++c) {
        e.FringeBen[c] = 100.00;
        e.Tips[c] = 50.00;
        e.UserPay1[c] = 200.00;
        e.UserPay2[c] = 300.00;
    }
    e.UserTaxExemp[1] = true;
    e.BaseWeeks = 7;
    module->RSEmployee.PostRec();
    addPaidEmployee(QStringLiteral("Baker"), {-250.00, 0, 0, 0, 0});
    EmployeeRec.BaseWeeks = 20;
    module->RSEmployee.PostRec();
    addPaidEmployee(QStringLiteral("Clark"), {0, 0, 0, 0, 0});
    addPaidEmployee(QStringLiteral("Davis"), {0.004, 0, 0, 0, 0});

    NJ927Worksheet sheet = gathered();
    ASSERT_EQ(sheet.Rows.size(), 5u);   // name order: Adams, Baker, Clark, Davis, Evans
    ASSERT_TRUE(sheet.Rows[0]);
    EXPECT_EQ(sheet.Rows[0]->Name, QStringLiteral(" ADAMS PAT"));
    EXPECT_EQ(sheet.Rows[0]->SocSecNum, QStringLiteral("123-45-6789"));
    // Gross 1,600.00 less fringe benefits 100.00, plus tips 50.00, less exempt user pay 200.00.
    EXPECT_DOUBLE_EQ(sheet.Rows[0]->WagesPaid, 1350.00);
    EXPECT_EQ(sheet.Rows[0]->BaseWeeks, QStringLiteral("07"));
    ASSERT_TRUE(sheet.Rows[1]);
    EXPECT_DOUBLE_EQ(sheet.Rows[1]->WagesPaid, -250.00);
    EXPECT_EQ(sheet.Rows[1]->BaseWeeks, QStringLiteral("14"));
    EXPECT_FALSE(sheet.Rows[2]);
    ASSERT_TRUE(sheet.Rows[3]);
    EXPECT_DOUBLE_EQ(sheet.Rows[3]->WagesPaid, 0.00);
    EXPECT_FALSE(sheet.Rows[4]);
    EXPECT_EQ(sheet.WR30EmployeeCount, 2);
    EXPECT_DOUBLE_EQ(sheet.Lines.GrossWages, 1100.00);

    // A corrected row counts in the next calculation.
    sheet.Rows[3]->WagesPaid = 10.00;
    sheet.Calculate();
    EXPECT_EQ(sheet.WR30EmployeeCount, 3);
    EXPECT_DOUBLE_EQ(sheet.Lines.GrossWages, 1110.00);
}

TEST_F(NJ927WorksheetTest, MonthlyIncomeTaxComesFromTheMonthsOfTheQuarter)
{
    for (int month = 1; month <= 12; ++month)
        CompanyRec.NJIncomeTaxMonth[month] = 10.00 * month;
    module->RSCompany.PostRec();
    addPaidEmployee(QStringLiteral("Jersey"), {1000.00, 1000.00, 0, 0, 0});
    NJ927Worksheet sheet = gathered();
    EXPECT_DOUBLE_EQ(sheet.Lines.GITMonth[0], 10.00);
    EXPECT_DOUBLE_EQ(sheet.Lines.GITMonth[1], 20.00);
    EXPECT_DOUBLE_EQ(sheet.Lines.GITMonth[2], 30.00);
    EXPECT_DOUBLE_EQ(sheet.Lines.TotalGIT, 60.00);
    EXPECT_DOUBLE_EQ(sheet.Lines.GITBalDue, 60.00);
    EXPECT_DOUBLE_EQ(sheet.Lines.GITPayment, 60.00);
}

TEST_F(NJ927WorksheetTest, HeaderAndCountsComeFromTheCompany)
{
    CompanyRec.CurrentQuarter = 2;
    CompanyRec.QuarterEndDate = QStringLiteral("06/30/2026");
    CompanyRec.NJCoveredWorkers[3] = 9;   // March belongs to another quarter
    CompanyRec.NJCoveredWorkers[4] = 3;
    CompanyRec.NJCoveredWorkers[5] = 4;
    CompanyRec.NJCoveredWorkers[6] = 5;
    CompanyRec.UnempTaxRate[StateNumber("NJ")] = 2.6825;
    module->RSCompany.PostRec();
    NJ927Worksheet sheet = gathered();
    EXPECT_EQ(sheet.Header.StateID, QStringLiteral("123-456-789/000"));
    EXPECT_EQ(sheet.Header.CompName, QStringLiteral("GARDEN STATE TOOLS & DIES"));
    EXPECT_EQ(sheet.Header.QtrYear, QStringLiteral("2/2026"));
    EXPECT_EQ(sheet.Header.QuarterEnding, QStringLiteral("06/30/2026"));
    EXPECT_EQ(sheet.Header.ReportDue, QStringLiteral("07/30/2026"));
    EXPECT_EQ(sheet.Lines.Month, (std::array<QString, 3>{QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")}));
    EXPECT_DOUBLE_EQ(sheet.Lines.UIRate, 0.031075);
    EXPECT_EQ(NJ927DueDate(4), QStringLiteral("02/01/2027"));
}

TEST_F(NJ927WorksheetTest, AfterCloseQuarterNothingIsListedAndPrintIsOff)
{
    addPaidEmployee(QStringLiteral("Able"), {10000.00, 9500.00, 10000.00, 10000.00, 10000.00});
    for (int c = kMonthToDateColumn; c <= kQuarterToDateColumn; ++c) {
        EmployeeRec.Wages[c] = EmployeeRec.StateEarning[c] = EmployeeRec.UnempEarning[c] = 0;
        EmployeeRec.DICompWages[c] = EmployeeRec.DisbEarnings[c] = 0;
    }
    UpdateTotalColumns(kMonthToDateColumn);
    module->RSEmployee.PostRec();
    CompanyRec.CurrentQuarter = 0;
    CompanyRec.QuarterEndDate = QString();
    module->RSCompany.PostRec();

    NJ927Worksheet sheet = gathered();
    ASSERT_EQ(sheet.Rows.size(), 1u);
    EXPECT_FALSE(sheet.Rows[0]);
    EXPECT_EQ(sheet.Header.QtrYear, QStringLiteral("0/2026"));
    EXPECT_TRUE(sheet.Header.ReportDue.isEmpty());
    for (const double line : {sheet.Lines.GITMonth[0], sheet.Lines.GITWages, sheet.Lines.TotalGIT, sheet.Lines.GrossWages,
                              sheet.Lines.TaxableWagesUIWF, sheet.Lines.TaxableWagesDIWorker, sheet.Lines.BalanceDue,
                              sheet.Lines.Payment})
        EXPECT_DOUBLE_EQ(line, 0.0);
    EXPECT_FALSE(sheet.Lines.PrintEnabled);
}

TEST_F(NJ927WorksheetTest, PrintWaitsForPostedPayrollAndIncomeTaxWages)
{
    addHandWorkedEmployees();
    NJ927Worksheet sheet = gathered();
    EXPECT_TRUE(sheet.Lines.PrintEnabled);
    sheet.PayrollPosted = false;
    sheet.Calculate();
    EXPECT_FALSE(sheet.Lines.PrintEnabled);
}

TEST_F(NJ927WorksheetTest, OverpaymentOfADollarNeedsRefundOrCredit)
{
    NJ927Worksheet sheet;
    sheet.Lines.DIPlanEmployer = QStringLiteral("S");
    sheet.Lines.GITMonth = {40.00, 30.00, 30.00};
    struct Case {
        double paid;
        bool refund;
        bool credit;
        bool fault;
    };
    const Case cases[] = {
        {100.99, false, false, false},
        {101.00, false, false, true},
        {101.00, true, false, false},
        {101.00, false, true, false},
    };
    for (const Case& c : cases) {
        sheet.Lines.GITPaid = c.paid;
        sheet.Lines.Refund = c.refund;
        sheet.Lines.Credit = c.credit;
        sheet.Calculate();
        EXPECT_FALSE(sheet.Lines.RefundReadOnly);
        const std::optional<NJ927Fault> fault = sheet.Validate();
        EXPECT_EQ(fault.has_value(), c.fault) << c.paid;
        if (fault) {
            EXPECT_EQ(fault->entry, Fault::Refund);
            EXPECT_TRUE(fault->atTop);
            EXPECT_EQ(fault->message, QStringLiteral("When there is an overpayment on line 5, You must check the Refund or Credit box."));
        }
    }
    // Without an overpayment both marks are cleared and take no entry.
    sheet.Lines.GITPaid = 50.00;
    sheet.Calculate();
    EXPECT_FALSE(sheet.Lines.Refund);
    EXPECT_FALSE(sheet.Lines.Credit);
    EXPECT_TRUE(sheet.Lines.RefundReadOnly);
    EXPECT_DOUBLE_EQ(sheet.Lines.GITOverPaid, 0.00);
}

TEST_F(NJ927WorksheetTest, LineTwentyTwoIsHeldAgainstTheLastMonthFilled)
{
    struct Case {
        const char* code;
        const char* months[3];
        const char* line22;
        std::optional<Fault> entry;
        const char* message;
    };
    const Case cases[] = {
        {"", {"5", "5", "5"}, "", Fault::DIPlanEmployer, "The Disability Plan Type line 12 must not be blank."},
        {"S", {"5", "5", "5"}, "", std::nullopt, ""},
        {"P", {"5", "5", "5"}, "", Fault::PrivatePlanDI,
         "When the Disability Plan Type line 12 is coded as \"P\". Line 22 must be completed."},
        {"P", {"5", "0", "0"}, "6", Fault::PrivatePlanDI, "Line 22 cannot be greater than line 7 Month1"},
        {"P", {"5", "0", "0"}, "5", std::nullopt, ""},
        {"P", {"5", "4", "0"}, "5", Fault::PrivatePlanDI, "Line 22 cannot be greater than line 7 Month2"},
        {"P", {"5", "4", "3"}, "4", Fault::PrivatePlanDI, "Line 22 cannot be greater than line 7 Month3"},
        {"P", {"5", "4", "3"}, "3", std::nullopt, ""},
        {"P", {"0", "4", "3"}, "9", std::nullopt, ""},
        {"P", {"5", "", "3"}, "9", std::nullopt, ""},
        {"N", {"5", "4", "3"}, "9", std::nullopt, ""},
    };
    for (const Case& c : cases) {
        NJ927Worksheet sheet;
        sheet.Lines.DIPlanEmployer = QString::fromLatin1(c.code);
        for (int m = 0; m < 3; ++m)
            sheet.Lines.Month[static_cast<std::size_t>(m)] = QString::fromLatin1(c.months[m]);
        sheet.Lines.PrivatePlanDI = QString::fromLatin1(c.line22);
        const std::optional<NJ927Fault> fault = sheet.Validate();
        const std::string label = std::string(c.code) + " " + c.months[0] + c.months[1] + c.months[2] + " " + c.line22;
        ASSERT_EQ(fault.has_value(), c.entry.has_value()) << label;
        if (fault) {
            EXPECT_EQ(fault->entry, *c.entry) << label;
            EXPECT_FALSE(fault->atTop) << label;
            EXPECT_EQ(fault->message, QString::fromLatin1(c.message)) << label;
        }
    }
}

TEST_F(NJ927WorksheetTest, StatePlanEmptiesLineTwentyTwo)
{
    NJ927Worksheet sheet;
    sheet.Lines.DIPlanEmployer = QStringLiteral("P");
    sheet.Lines.PrivatePlanDI = QStringLiteral("4");
    sheet.Calculate();
    EXPECT_EQ(sheet.Lines.PrivatePlanDI, QStringLiteral("4"));
    sheet.Lines.DIPlanEmployer = QStringLiteral("S");
    sheet.Calculate();
    EXPECT_TRUE(sheet.Lines.PrivatePlanDI.isEmpty());
}

TEST(WR30PageCountTest, FortyRowsAPage)
{
    EXPECT_EQ(WR30PageCount(0), 1);
    EXPECT_EQ(WR30PageCount(40), 1);
    EXPECT_EQ(WR30PageCount(41), 2);
    EXPECT_EQ(WR30PageCount(80), 2);
    EXPECT_EQ(WR30PageCount(81), 3);
}

} // namespace
