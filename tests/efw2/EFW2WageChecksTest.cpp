#include "EFW2Fixture.h"

#include "components/NumberRoutines.h"
#include "efw2/EFW2Records.h"
#include "efw2/EFW2WageChecks.h"
#include "efw2/NJEFW2File.h"

#include <QFileInfo>

namespace {

class EFW2WageChecksTest : public EFW2Test {
protected:
    // Employee n (from 1) made current, changed and stored.
    template <typename Change>
    void changeEmployee(int n, Change change)
    {
        module->RSEmployee.SetCurrentRecord(n);
        module->RSEmployee.GetRec();
        change(EmployeeRec);
        module->RSEmployee.PostRec();
    }

    // The refusals of processing the client, which must write nothing.
    QStringList refusalsOfProcessing()
    {
        try {
            ProcessClient(files, run, CompanyRec.Name, CompanyFileName);
        } catch (const EEFW2RefusedException& refused) {
            EXPECT_FALSE(QFileInfo::exists(files.efw2Dir + QStringLiteral("ACME.txt")));
            EXPECT_FALSE(QFileInfo::exists(files.processedClientsFile));
            EXPECT_EQ(run.submitter.TotalRecords, 0);
            return refused.refusals();
        }
        return {};
    }

    QString clientFile() const { return files.efw2Dir + QStringLiteral("ACME.txt"); }
};

constexpr int y = kYearToDateColumn;

TEST_F(EFW2WageChecksTest, WhatTheSSAWouldRefuseIsRefusedNamingEmployeeAndField)
{
    using Change = void (*)(EmployeeRecord&);
    const struct {
        const char* rule;
        Change change;
        std::vector<const char*> says;   // in the first refusal
        int refusals = 1;                // the sums of the RT break the Medicare rule as well
    } cases[] = {
        {"wage base",
         [](EmployeeRecord& e) { e.FedEarnings[y] = e.FICAEarnings[y] = e.MedEarnings[y] = 200000; },
         {"box 3 social security wages plus box 7 social security tips", "employee Ann Lee (345-67-8901)",
          "200,000.00", "184,500.00"}},
        {"wage base with tips",
         [](EmployeeRecord& e) {
             e.FICAEarnings[y] = e.MedEarnings[y] = 184500.01;
             e.Tips[y] = 500;
         },
         {"social security wages plus box 7 social security tips", "employee Ann Lee", "184,500.01"}},
        {"tax limit", [](EmployeeRecord& e) { e.FICATax[y] = 11439.01; },
         {"box 4 social security tax withheld", "employee Ann Lee", "11,439.01", "11,439.00"}},
        {"Medicare below social security", [](EmployeeRecord& e) { e.MedEarnings[y] = 19000; },
         {"box 5 Medicare wages and tips", "employee Ann Lee", "19,000.00", "20,000.50"},
         2},
        {"social security tax without wages",
         [](EmployeeRecord& e) { e.FICAEarnings[y] = 0; },
         {"box 4 social security tax withheld", "employee Ann Lee", "1,240.03", "without any box 3"}},
        {"Medicare tax without wages",
         [](EmployeeRecord& e) { e.MedEarnings[y] = e.FICAEarnings[y] = 0; e.FICATax[y] = 0; },
         {"box 6 Medicare tax withheld", "employee Ann Lee", "290.01", "without any box 5"}},
    };
    module->RSEmployee.SetCurrentRecord(2);
    module->RSEmployee.GetRec();
    const EmployeeRecord original = EmployeeRec;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        changeEmployee(2, [&](EmployeeRecord& e) {
            e = original;
            c.change(e);
        });
        const QStringList refusals = refusalsOfProcessing();
        ASSERT_EQ(refusals.size(), c.refusals) << refusals.join(QLatin1Char('\n')).toStdString();
        for (const char* text : c.says)
            EXPECT_TRUE(refusals.front().contains(QLatin1String(text), Qt::CaseInsensitive)) << refusals.front().toStdString();
    }
}

TEST_F(EFW2WageChecksTest, EveryRefusalIsListedAndTheTotalsAreCheckedToo)
{
    changeEmployee(1, [](EmployeeRecord& e) { e.MedEarnings[y] = 100; });
    changeEmployee(2, [](EmployeeRecord& e) { e.FICATax[y] = 12000; });
    const QStringList refusals = refusalsOfProcessing();
    ASSERT_EQ(refusals.size(), 3) << refusals.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(refusals[0].startsWith(QStringLiteral("Box 5 Medicare wages and tips of employee Jos")));
    EXPECT_TRUE(refusals[1].startsWith(QStringLiteral("Box 4 social security tax withheld of employee Ann Lee")));
    EXPECT_TRUE(refusals[2].startsWith(QStringLiteral("Box 5 Medicare wages and tips of the employer's totals (RT)")));
}

TEST_F(EFW2WageChecksTest, RailroadEmploymentIsNotHeldToTheMedicareRule)
{
    CompanyRec.FW3ChkMark[1] = false;
    CompanyRec.FW3ChkMark[5] = true;  // CT-1: employment code X
    changeEmployee(2, [](EmployeeRecord& e) { e.MedEarnings[y] = 0; e.MedicareTax[y] = 0; });
    EXPECT_EQ(ProcessClient(files, run, CompanyRec.Name, CompanyFileName), 2);
}

TEST_F(EFW2WageChecksTest, TheNewJerseyFileIsCheckedAlike)
{
    changeEmployee(2, [](EmployeeRecord& e) { e.FICAEarnings[y] = e.MedEarnings[y] = e.FedEarnings[y] = 190000; });
    EXPECT_THROW(BuildNJEmployerBlock(NJStateOptions {}), EEFW2RefusedException);
}

TEST_F(EFW2WageChecksTest, ManyEmployeesWithinTheRulesPass)
{
    constexpr int kEmployees = 40;
    for (int n = 0; n < kEmployees; ++n) {
        addEmployee(QStringLiteral("Worker%1").arg(QChar('A' + n % 26)), QStringLiteral("Sam"));
        EmployeeRecord& e = EmployeeRec;
        e.SocSecNum = QStringLiteral("4%1-12-3456").arg(10 + n);
        // Up to the wage base and its tax exactly, with tips, and one Medicare-only share above it.
        const double wages = n == 0 ? 184000 : 1000 + 997.31 * n;
        e.FedEarnings[y] = wages + 500;
        e.Tips[y] = 500;
        e.FICAEarnings[y] = wages + 500;
        e.MedEarnings[y] = wages + 500 + (n == 0 ? 10000 : 0);
        e.FICATax[y] = n == 0 ? 11439 : RoundToDecimals((wages + 500) * 0.062, 2);
        e.MedicareTax[y] = RoundToDecimals(e.MedEarnings[y] * 0.0145, 2);
        e.FederalTax[y] = RoundToDecimals(wages * 0.1, 2);
        module->RSEmployee.PostRec();
    }
    EXPECT_EQ(ProcessClient(files, run, CompanyRec.Name, CompanyFileName), 2 + kEmployees);
    EXPECT_EQ(CountWageRecords(fileLines(clientFile())), 2 + kEmployees);
}

TEST_F(EFW2WageChecksTest, Box11IsASection457AmountOnlyForGovernmentsAndTaxExemptEmployers)
{
    changeEmployee(2, [](EmployeeRecord& e) { e.NonQualPlan[y] = 1234.56; });
    const struct {
        int mark;      // W-3 kind of employer
        char kind;
        bool section457;
    } cases[] = {{8, 'N', false}, {9, 'T', true}, {10, 'S', true}, {11, 'Y', true}, {12, 'F', false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        for (int mark = 8; mark <= 12; ++mark)
            CompanyRec.FW3ChkMark[mark] = mark == c.mark;
        const EFW2EmployerBlock block = BuildEmployerBlock();
        ASSERT_EQ(block.lines.size(), 6);   // RE, RW, RW, RO, RT, RU
        EXPECT_EQ(block.lines[0].mid(173, 1), QByteArray(1, c.kind));
        const QByteArray& rw = block.lines[2];
        const QByteArray& rt = block.lines[4];
        const QByteArray amount("00000123456");
        const QByteArray none(11, '0');
        EXPECT_EQ(rw.mid(352, 11), c.section457 ? amount : none);
        EXPECT_EQ(rw.mid(374, 11), c.section457 ? none : amount);
        EXPECT_EQ(rt.mid(234, 15), (c.section457 ? amount : none).rightJustified(15, '0'));
        EXPECT_EQ(rt.mid(264, 15), (c.section457 ? none : amount).rightJustified(15, '0'));
    }
}

} // namespace
