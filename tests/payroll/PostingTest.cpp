#include "PostingFixture.h"

#include "client/PayHistoryMap.h"
#include "client/PostingJournal.h"
#include "components/TextRoutines.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

#include <QFileInfo>

#include <cstring>

namespace {

const QString kBlankDate = QStringLiteral("  /  /    ");

} // namespace

TEST_F(PostingTest, PostsThePeriodIntoHistoryAndToDateColumnsAndClearsTheCurrentOne)
{
    CompanyRec.StartChkNum = 101;
    CompanyRec.LastChkNum = 101;
    module->RSCompany.PostRec();
    addPaidEmployee(QStringLiteral("Paid"), 1000);
    EmployeeRec.RegularTime = 40;
    EmployeeRec.OverTime = 2;
    EmployeeRec.CheckNumber = 101;
    EmployeeRec.Wages[kYearToDateColumn] = 500;  // an earlier period, posted before
    EmployeeRec.GrossWages[kYearToDateColumn] = 500;
    module->RSEmployee.PostRec();
    addEmployee(QStringLiteral("Unpaid"), QStringLiteral("Una"));
    const QByteArray before = clientBytes();

    PostPayroll();

    EXPECT_EQ(confirmations, 1);
    EXPECT_EQ(CompanyRec.PriorPeriodCount, 1);
    EXPECT_EQ(CompanyRec.PriorPayDateFrom[1].get(), QStringLiteral("01/01/2026"));
    EXPECT_EQ(CompanyRec.PriorPayDateTo[1].get(), QStringLiteral("01/07/2026"));
    EXPECT_EQ(CompanyRec.PriorPayDate[1].get(), QStringLiteral("01/09/2026"));
    EXPECT_EQ(CompanyRec.PayDateFrom.get(), QStringLiteral("01/08/2026"));
    EXPECT_EQ(CompanyRec.PayDateTo.get(), QStringLiteral("01/14/2026"));
    EXPECT_EQ(CompanyRec.PayDate.get(), kBlankDate);
    EXPECT_TRUE(CompanyRec.PayrollPosted);
    EXPECT_EQ(CompanyRec.StartChkNum, 102);
    EXPECT_EQ(CompanyRec.LastChkNum, 101);
    EXPECT_EQ(CompanyRec.LastPostedMonth, 1);
    EXPECT_EQ(CompanyRec.EmpPaidCount[1], 1);
    EXPECT_EQ(CompanyRec.NJEmpPaidCount[1], 0);
    EXPECT_DOUBLE_EQ(CompanyRec.MonthlyStateTax[1], 30);

    // What the files hold, read back after closing and opening the client again.
    module->RSEmployee.CloseRecSet();
    openClient();
    EXPECT_EQ(CompanyRec.PriorPeriodCount, 1);
    EXPECT_EQ(CompanyRec.PayDate.get(), kBlankDate);

    readEmployee(1);
    const EmployeeRecord& paid = EmployeeRec;
    EXPECT_DOUBLE_EQ(paid.PayHistory[0][1], 1000);                        // wages
    EXPECT_DOUBLE_EQ(paid.PayHistory[*PayHistoryRowOfGroup(50)][1], 40);  // HoursPaid
    EXPECT_EQ(paid.CheckNumHistory[1], 101);
    for (int column : {kMonthToDateColumn, kQuarterToDateColumn})
        EXPECT_DOUBLE_EQ(paid.Wages[column], 1000);
    EXPECT_DOUBLE_EQ(paid.Wages[kYearToDateColumn], 1500);
    EXPECT_DOUBLE_EQ(paid.GrossWages[kYearToDateColumn], 1500);
    EXPECT_DOUBLE_EQ(paid.HoursPaid[kYearToDateColumn], 40);
    EXPECT_DOUBLE_EQ(paid.OverTimePaid[kYearToDateColumn], 2);
    EXPECT_DOUBLE_EQ(paid.NetPay[kMonthToDateColumn], 1000 - 62 - 14.5 - 100 - 30);
    EXPECT_EQ(paid.BaseWeeks, 1);
    for (int group = 0; group < kAmountGroupCount; ++group)
        EXPECT_EQ(AmountGroup(paid, group)[kCurrentColumn], 0) << "group " << group;
    EXPECT_EQ(paid.RegularTime, 0);
    EXPECT_EQ(paid.OverTime, 0);
    EXPECT_EQ(paid.CheckNumber, 0);

    readEmployee(2);
    const EmployeeRecord& unpaid = EmployeeRec;
    for (int row = 0; row < kPayHistoryRowCount; ++row)
        EXPECT_EQ(unpaid.PayHistory[row][1], 0) << "row " << row;
    EXPECT_EQ(unpaid.CheckNumHistory[1], 0);
    EXPECT_EQ(unpaid.BaseWeeks, 0);

    // The copies in the Backup folder are the client as it was before posting; no journal is left.
    EXPECT_EQ(ReadTestFile(BackupDir + QStringLiteral("ACME.C26")) + ReadTestFile(BackupDir + QStringLiteral("ACME.P26")),
              before);
    EXPECT_FALSE(QFileInfo::exists(PostingJournalFileName(clientPath())));
}

TEST_F(PostingTest, PeriodDatesMoveOnByTheProcessedFrequency)
{
    const struct {
        int frequency;
        const char* from;
        const char* to;
    } cases[] = {
        {0, "01/08/2026", "01/14/2026"},  // all frequencies
        {1, "01/08/2026", "01/14/2026"},
        {2, "01/15/2026", "01/21/2026"},
        {3, "01/16/2026", "01/22/2026"},
        {4, "01/31/2026", "02/06/2026"},  // 30 days, not a calendar month
    };
    for (const auto& c : cases) {
        openPeriod(QStringLiteral("01/01/2026"), QStringLiteral("01/07/2026"), QStringLiteral("01/09/2026"), c.frequency);
        PostPayroll();
        EXPECT_EQ(CompanyRec.PayDateFrom.get(), QString::fromLatin1(c.from)) << "frequency " << c.frequency;
        EXPECT_EQ(CompanyRec.PayDateTo.get(), QString::fromLatin1(c.to)) << "frequency " << c.frequency;
    }
}

TEST_F(PostingTest, LiabilitiesGoToTheScheduleBDayAndTheForm940Quarter)
{
    openPeriod(QStringLiteral("03/16/2026"), QStringLiteral("03/22/2026"), QStringLiteral("03/27/2026"), 1);
    CompanyRec.TaxLibMonth[1][9] = 100;  // posted earlier in the quarter
    CompanyRec.F940Amount[15] = 5;       // a later quarter's entry, as a restored client may hold
    module->RSCompany.PostRec();
    addPaidEmployee(QStringLiteral("One"), 1000);
    addPaidEmployee(QStringLiteral("Two"), 500);
    EmployeeRec.Salaried = true;
    EmployeeRec.RegularTime = 10;
    module->RSEmployee.PostRec();

    messages.expect(IdOk, QStringLiteral("final  pay  period of the quarter"));
    PostPayroll();

    // Social Security 62 + 62 + 31 + 31, Medicare 14.50 + 14.50 + 7.25 + 7.25, income tax 100 + 50.
    EXPECT_NEAR(CompanyRec.TaxLibMonth[3][27], 379.50, 1e-9);
    EXPECT_NEAR(CompanyRec.TaxLibMonth[3][32], 379.50, 1e-9);
    EXPECT_NEAR(CompanyRec.TaxLibMonth[1][32], 100, 1e-9);
    EXPECT_EQ(CompanyRec.TaxLibMonth[2][32], 0);
    EXPECT_NEAR(CompanyRec.TaxLibQtr, 479.50, 1e-9);
    EXPECT_NEAR(CompanyRec.F940Amount[14], 9, 1e-9);
    EXPECT_NEAR(CompanyRec.F940Amount[18], 14, 1e-9);
    EXPECT_EQ(CompanyRec.CurrentQuarter, 1);
    EXPECT_EQ(CompanyRec.QuarterEndDate.get(), QStringLiteral("03/31/2026"));
    EXPECT_NEAR(CompanyRec.MonthlyStateTax[3], 45, 1e-9);
    EXPECT_EQ(messages.last().flags, MbOk);

    readEmployee(2);
    EXPECT_DOUBLE_EQ(EmployeeRec.DaysPaid[kYearToDateColumn], 10);
    EXPECT_DOUBLE_EQ(EmployeeRec.HoursPaid[kYearToDateColumn], 0);
}

TEST_F(PostingTest, QuarterOfEachPayDate)
{
    const struct {
        const char* payDate;
        int quarter;
        const char* end;
        int f940Entry;
        int monthOfQuarter;
    } cases[] = {
        {"01/09/2026", 1, "03/31/2026", 14, 1},
        {"05/08/2026", 2, "06/30/2026", 15, 2},
        {"09/04/2026", 3, "09/30/2026", 16, 3},
        {"12/04/2026", 4, "12/31/2026", 17, 3},
    };
    addPaidEmployee(QStringLiteral("One"), 1000);
    for (const auto& c : cases) {
        openPeriod(QStringLiteral("01/01/2026"), QStringLiteral("01/07/2026"), QString::fromLatin1(c.payDate), 1);
        PostTaxLiabilities();
        EXPECT_EQ(CompanyRec.CurrentQuarter, c.quarter) << c.payDate;
        EXPECT_EQ(CompanyRec.QuarterEndDate.get(), QString::fromLatin1(c.end)) << c.payDate;
        EXPECT_NEAR(CompanyRec.F940Amount[c.f940Entry], 6, 1e-9) << c.payDate;
        EXPECT_NEAR(CompanyRec.TaxLibMonth[c.monthOfQuarter][MidChars(QString::fromLatin1(c.payDate), 4, 2).toInt()],
                    253, 1e-9)
            << c.payDate;
        std::memset(&CompanyRec.TaxLibMonth, 0, sizeof CompanyRec.TaxLibMonth);
    }
    EXPECT_NEAR(CompanyRec.F940Amount[18], 24, 1e-9);
}

TEST(PostingReminderTest, MonthAndQuarterEndReminders)
{
    const QString monthEnd = QStringLiteral("final  pay  period  of  the month");
    const QString quarterEnd = QStringLiteral("final  pay  period of the quarter");
    const struct {
        int month;
        int day;
        QString expected;
    } cases[] = {
        {1, 24, QString()}, {1, 25, monthEnd},   {2, 21, QString()},   {2, 22, monthEnd},
        {3, 24, QString()}, {3, 27, quarterEnd}, {4, 23, QString()},   {4, 24, monthEnd},
        {5, 25, monthEnd},  {6, 24, quarterEnd}, {7, 31, monthEnd},    {8, 25, monthEnd},
        {9, 23, QString()}, {9, 24, quarterEnd}, {10, 25, monthEnd},   {11, 24, monthEnd},
        {12, 31, QString()},
    };
    for (const auto& c : cases) {
        const QString text = ReminderText(c.month, c.day);
        if (c.expected.isEmpty())
            EXPECT_TRUE(text.isEmpty()) << c.month << "/" << c.day;
        else
            EXPECT_TRUE(text.contains(c.expected)) << c.month << "/" << c.day;
    }
    EXPECT_EQ(ReminderText(2, 22), QStringLiteral("The payroll which has just been posted may have~been  the  final  pay  "
                                                  "period  of  the month. Check~your  records  and  if this is the case,  "
                                                  "don't forget~to execute the \"Close Month\" command."));
}

TEST_F(PostingTest, BaseWeeksAtTheStateBoundary)
{
    setBaseWages("PA", 450);
    const struct {
        int frequency;
        double gross;
        double tips;
        bool includeTips;
        int weeks;
    } cases[] = {
        {1, 450, 0, false, 1},     {1, 449.99, 0, false, 0}, {2, 900, 0, false, 2},   {2, 899.98, 0, false, 0},
        {3, 900, 0, false, 2},     {4, 1800, 0, false, 4},   {4, 1799.96, 0, false, 0},
        {1, 400, 50, false, 1},    // tips left out of gross still count
        {1, 400, 50, true, 0},     // tips already in gross count once
        {1, 0, 0, false, 0},       // unpaid
        {5, 5000, 0, false, 0},    // no known frequency
    };
    addPaidEmployee(QStringLiteral("One"), 0);
    for (const auto& c : cases) {
        CompanyRec.IncludeTips = c.includeTips;
        EmployeeRec.Frequency = static_cast<std::uint8_t>(c.frequency);
        EmployeeRec.GrossWages[kCurrentColumn] = c.gross;
        EmployeeRec.Tips[kCurrentColumn] = c.tips;
        EmployeeRec.BaseWeeks = 3;
        AddBaseWeeks();
        EXPECT_EQ(EmployeeRec.BaseWeeks - 3, c.weeks) << "frequency " << c.frequency << " gross " << c.gross;
    }
}

TEST_F(PostingTest, UnpaidEmployeeNeedsNoWorkState)
{
    addPaidEmployee(QStringLiteral("One"), 0);
    EmployeeRec.WorkStateIndex = 0;
    EXPECT_NO_THROW(AddBaseWeeks());
    EmployeeRec.GrossWages[kCurrentColumn] = 100;
    EXPECT_THROW(AddBaseWeeks(), ECustomException);
}

TEST_F(PostingTest, Box12CodesInTheirOrder)
{
    struct Amounts {
        double plan401k = 0, plan403b = 0, plan408k6 = 0, plan457b = 0, simple = 0, gtli = 0, tpspGross = 0,
               tpspTaxable = 0, tips = 0, qualifiedOT = 0;
    };
    using Entries = std::vector<std::pair<const char*, double>>;
    const struct {
        Amounts ytd;
        Entries entries;   // entries 1..5
        Entries unplaced;  // entries 6..12 all hold typed codes
        bool retirement;
        bool sickPay;
    } cases[] = {
        {{.plan401k = 500, .gtli = 30}, {{"D", 500}, {"C", 30}}, {}, true, false},
        {{.gtli = 30}, {{"C", 30}}, {}, false, false},
        {{.plan401k = 2000, .plan457b = 750}, {{"D", 2000}, {"G", 750}}, {}, true, false},
        {{.plan401k = 0.004, .plan408k6 = 80, .simple = 60}, {{"F", 80}, {"S", 60}}, {}, true, false},
        {{.tips = 800, .qualifiedOT = 450}, {{"TP", 800}, {"TT", 450}}, {}, false, false},
        {{.plan403b = 100, .plan457b = 50, .gtli = 10, .tpspGross = 300, .tpspTaxable = 100, .tips = 40, .qualifiedOT = 25},
         {{"E", 100}, {"G", 50}, {"C", 10}, {"J", 200}, {"TP", 40}},
         {{"TT", 25}},
         true,
         true},
        // All third-party sick pay taxable: no code J at 0.00, the box 13 mark all the same.
        {{.gtli = 10, .tpspGross = 300, .tpspTaxable = 300}, {{"C", 10}}, {}, false, true},
        {{}, {}, {}, false, false},
    };
    addPaidEmployee(QStringLiteral("One"), 0);
    for (const auto& c : cases) {
        EmployeeRecord& e = EmployeeRec;
        e.Plan401k[kYearToDateColumn] = c.ytd.plan401k;
        e.Plan403b[kYearToDateColumn] = c.ytd.plan403b;
        e.Plan408k6[kYearToDateColumn] = c.ytd.plan408k6;
        e.Plan457b[kYearToDateColumn] = c.ytd.plan457b;
        e.IRASimple[kYearToDateColumn] = c.ytd.simple;
        e.GTLIAmount[kYearToDateColumn] = c.ytd.gtli;
        e.TPSPGross[kYearToDateColumn] = c.ytd.tpspGross;
        e.TPSPTaxable[kYearToDateColumn] = c.ytd.tpspTaxable;
        e.Tips[kYearToDateColumn] = c.ytd.tips;
        e.QualifiedOT[kYearToDateColumn] = c.ytd.qualifiedOT;
        for (int entry = 1; entry <= 12; ++entry) {
            e.FW2Box12Code[entry] = QStringLiteral("Z");
            e.FW2Box12Amt[entry] = 9;
        }
        e.FW2Box13Chk2 = false;
        e.FW2Box13Chk3 = false;

        const std::vector<Box12Amount> unplaced = RebuildW2Box12();

        for (int entry = 1; entry <= 5; ++entry) {
            const bool used = entry <= static_cast<int>(c.entries.size());
            EXPECT_EQ(e.FW2Box12Code[entry].get(), used ? QString::fromLatin1(c.entries[entry - 1].first) : QString())
                << "entry " << entry;
            EXPECT_DOUBLE_EQ(e.FW2Box12Amt[entry], used ? c.entries[entry - 1].second : 0) << "entry " << entry;
        }
        for (int entry = 6; entry <= 12; ++entry) {
            EXPECT_EQ(e.FW2Box12Code[entry].get(), QStringLiteral("Z"));
            EXPECT_DOUBLE_EQ(e.FW2Box12Amt[entry], 9);
        }
        ASSERT_EQ(unplaced.size(), c.unplaced.size());
        for (size_t k = 0; k < unplaced.size(); ++k) {
            EXPECT_EQ(unplaced[k].code, QString::fromLatin1(c.unplaced[k].first));
            EXPECT_DOUBLE_EQ(unplaced[k].amount, c.unplaced[k].second);
        }
        EXPECT_EQ(static_cast<bool>(e.FW2Box13Chk2), c.retirement);
        EXPECT_EQ(static_cast<bool>(e.FW2Box13Chk3), c.sickPay);
    }
}

TEST_F(PostingTest, Box12CodesBeyondFiveTakeFreeEntriesAndNeverATypedOne)
{
    addPaidEmployee(QStringLiteral("One"), 0);
    EmployeeRecord& e = EmployeeRec;
    e.Plan401k[kYearToDateColumn] = 1000;
    e.Plan403b[kYearToDateColumn] = 200;
    e.GTLIAmount[kYearToDateColumn] = 12;
    e.TPSPGross[kYearToDateColumn] = 300;
    e.Tips[kYearToDateColumn] = 400;
    e.QualifiedOT[kYearToDateColumn] = 500;
    e.FW2Box12Code[6] = QStringLiteral("DD");
    e.FW2Box12Amt[6] = 3000;

    EXPECT_TRUE(RebuildW2Box12().empty());
    EXPECT_EQ(e.FW2Box12Code[5].get(), QStringLiteral("TP"));
    EXPECT_EQ(e.FW2Box12Code[6].get(), QStringLiteral("DD"));
    EXPECT_DOUBLE_EQ(e.FW2Box12Amt[6], 3000);
    EXPECT_EQ(e.FW2Box12Code[7].get(), QStringLiteral("TT"));
    EXPECT_DOUBLE_EQ(e.FW2Box12Amt[7], 500);

    // The next posting updates its own entry rather than adding another.
    e.QualifiedOT[kYearToDateColumn] = 650;
    EXPECT_TRUE(RebuildW2Box12().empty());
    EXPECT_EQ(e.FW2Box12Code[7].get(), QStringLiteral("TT"));
    EXPECT_DOUBLE_EQ(e.FW2Box12Amt[7], 650);
    EXPECT_TRUE(IsBlank(e.FW2Box12Code[8].get()));
}

TEST_F(PostingTest, PostingRemovesACodeWhoseAmountIsNowZero)
{
    addPaidEmployee(QStringLiteral("Sick"), 500);
    EmployeeRecord& e = EmployeeRec;
    e.TPSPGross[kYearToDateColumn] = 300;
    e.TPSPTaxable[kYearToDateColumn] = 300;
    // An earlier posting found entries 1..5 taken and left its code J beyond them.
    e.FW2Box12Code[6] = QStringLiteral("J");
    e.FW2Box12Amt[6] = 120;
    e.FW2Box12Code[7] = QStringLiteral("DD");
    e.FW2Box12Amt[7] = 3000;
    module->RSEmployee.PostRec();

    PostPayroll();

    readEmployee(1);
    for (int entry = 1; entry <= 12; ++entry)
        EXPECT_NE(EmployeeRec.FW2Box12Code[entry].get(), QStringLiteral("J")) << "entry " << entry;
    EXPECT_DOUBLE_EQ(EmployeeRec.FW2Box12Amt[6], 0);
    EXPECT_EQ(EmployeeRec.FW2Box12Code[7].get(), QStringLiteral("DD"));
    EXPECT_DOUBLE_EQ(EmployeeRec.FW2Box12Amt[7], 3000);
}

TEST_F(PostingTest, PostingNamesAnEmployeeWhoseBox12CodeFoundNoEntry)
{
    addPaidEmployee(QStringLiteral("Full"), 500);
    EmployeeRecord& e = EmployeeRec;
    e.Plan401k[kYearToDateColumn] = 100;
    e.Plan403b[kYearToDateColumn] = 100;
    e.Plan408k6[kYearToDateColumn] = 100;
    e.Plan457b[kYearToDateColumn] = 100;
    e.IRASimple[kYearToDateColumn] = 100;
    e.QualifiedOT[kYearToDateColumn] = 450;
    for (int entry = 6; entry <= 12; ++entry) {
        e.FW2Box12Code[entry] = QStringLiteral("W");
        e.FW2Box12Amt[entry] = 10;
    }
    module->RSEmployee.PostRec();
    const QString name = e.FullName.get().trimmed();

    messages.expect(IdOk, QStringLiteral("code TT, 450.00"));
    PostPayroll();
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_TRUE(messages.shown().front().text.contains(name)) << messages.shown().front().text.toStdString();
    readEmployee(1);
    EXPECT_EQ(EmployeeRec.FW2Box12Code[5].get(), QStringLiteral("S"));
    EXPECT_EQ(EmployeeRec.FW2Box12Code[12].get(), QStringLiteral("W"));
}

TEST_F(PostingTest, Box13MarksAreNeverCleared)
{
    addPaidEmployee(QStringLiteral("One"), 0);
    EmployeeRec.FW2Box13Chk2 = true;
    EmployeeRec.FW2Box13Chk3 = true;
    RebuildW2Box12();
    EXPECT_TRUE(EmployeeRec.FW2Box13Chk2);
    EXPECT_TRUE(EmployeeRec.FW2Box13Chk3);
}

TEST_F(PostingTest, UnpaidEmployeeGetsAZeroSlotAndABox12FromTheYear)
{
    addEmployee(QStringLiteral("Unpaid"), QStringLiteral("Una"));
    EmployeeRec.GTLIAmount[kYearToDateColumn] = 12.5;
    EmployeeRec.PayHistory[0][1] = 77;  // whatever the slot held before is overwritten
    module->RSEmployee.PostRec();
    PostPayroll();
    readEmployee(1);
    EXPECT_EQ(EmployeeRec.PayHistory[0][1], 0);
    EXPECT_EQ(EmployeeRec.FW2Box12Code[1].get(), QStringLiteral("C"));
    EXPECT_DOUBLE_EQ(EmployeeRec.FW2Box12Amt[1], 12.5);
    EXPECT_EQ(EmployeeRec.BaseWeeks, 0);
    EXPECT_EQ(CompanyRec.EmpPaidCount[1], 0);
}

TEST_F(PostingTest, UnnumberedChecksStayUnnumbered)
{
    CompanyRec.StartChkNum = 0;
    CompanyRec.LastChkNum = 5;
    module->RSCompany.PostRec();
    PostPayroll();
    EXPECT_EQ(CompanyRec.StartChkNum, 0);
    EXPECT_EQ(CompanyRec.LastChkNum, 5);
}

TEST_F(PostingTest, PaidCountsKeepTheLargestPayrollOfTheMonth)
{
    addPaidEmployee(QStringLiteral("One"), 1000, 1, "NJ");
    EmployeeRec.WorkState = QStringLiteral("nj");
    module->RSEmployee.PostRec();
    addPaidEmployee(QStringLiteral("Two"), 1000);
    PostPayroll();
    EXPECT_EQ(CompanyRec.EmpPaidCount[1], 2);
    EXPECT_EQ(CompanyRec.NJEmpPaidCount[1], 1);

    openPeriod(QStringLiteral("01/08/2026"), QStringLiteral("01/14/2026"), QStringLiteral("01/16/2026"), 1);
    readEmployee(2);
    EmployeeRec.Wages[kCurrentColumn] = 800;
    UpdateTotalColumns(kCurrentColumn);
    module->RSEmployee.PostRec();
    PostPayroll();
    EXPECT_EQ(CompanyRec.EmpPaidCount[1], 2);
    EXPECT_EQ(CompanyRec.NJEmpPaidCount[1], 1);
    EXPECT_EQ(CompanyRec.PriorPeriodCount, 2);
}

TEST_F(PostingTest, The65thPeriodIsStoredWithoutAskingAndThe66thReplacesIt)
{
    addPaidEmployee(QStringLiteral("One"), 1000);
    CompanyRec.PriorPeriodCount = 64;
    module->RSCompany.PostRec();
    PostPayroll();
    EXPECT_EQ(CompanyRec.PriorPeriodCount, 65);
    EXPECT_EQ(CompanyRec.PriorPayDate[65].get(), QStringLiteral("01/09/2026"));

    // Cancel at the 66th: the copies are made, nothing else changes.
    openPeriod(QStringLiteral("01/08/2026"), QStringLiteral("01/14/2026"), QStringLiteral("01/16/2026"), 1);
    readEmployee(1);
    EmployeeRec.Wages[kCurrentColumn] = 700;
    UpdateTotalColumns(kCurrentColumn);
    module->RSEmployee.PostRec();
    const QByteArray before = clientBytes();
    messages.expect(IdCancel, QStringLiteral("You have reached the maximum number of Prior Payroll Periods"));
    PostPayroll();
    EXPECT_EQ(messages.last().text,
              QStringLiteral("You have reached the maximum number of Prior Payroll Periods\rthat can be stored by the "
                             "program.\r\rYou will not be able to view the current payroll once it has been\rposted."));
    EXPECT_EQ(messages.last().flags, MbOkCancel | MbIconQuestion | MbDefButton2);
    EXPECT_EQ(clientBytes(), before);
    EXPECT_EQ(ReadTestFile(BackupDir + QStringLiteral("ACME.C26")) + ReadTestFile(BackupDir + QStringLiteral("ACME.P26")),
              before);
    EXPECT_EQ(CompanyRec.PayDate.get(), QStringLiteral("01/16/2026"));

    // OK: slot 65 now holds this period.
    messages.expect(IdOk, QStringLiteral("You have reached the maximum number of Prior Payroll Periods"));
    PostPayroll();
    EXPECT_EQ(CompanyRec.PriorPeriodCount, 65);
    EXPECT_EQ(CompanyRec.PriorPayDate[65].get(), QStringLiteral("01/16/2026"));
    EXPECT_EQ(CompanyRec.PriorPayDateFrom[65].get(), QStringLiteral("01/08/2026"));
    readEmployee(1);
    EXPECT_DOUBLE_EQ(EmployeeRec.PayHistory[0][65], 700);
    EXPECT_DOUBLE_EQ(EmployeeRec.Wages[kYearToDateColumn], 1700);
}

TEST_F(PostingTest, DirectDepositFileIsWrittenFromTheCurrentColumn)
{
    CompanyRec.DirDeposit = true;
    CompanyRec.AccountID = QStringLiteral("123");
    module->RSCompany.PostRec();
    addPaidEmployee(QStringLiteral("One"), 1000);
    EmployeeRec.DirDeposit = true;
    EmployeeRec.BankAcctNum = QStringLiteral("555");
    EmployeeRec.BankRouting = QStringLiteral("011000015");
    module->RSEmployee.PostRec();
    PostPayroll();
    EXPECT_TRUE(ReadTestFile(ChangeFileExt(clientPath(), QStringLiteral(".txt"))).contains(",793.50,9,"));
}

TEST_F(PostingTest, DeclinedConfirmationChangesNothing)
{
    addPaidEmployee(QStringLiteral("One"), 1000);
    const QByteArray before = clientBytes();
    confirmAnswer = false;
    PostPayroll();
    EXPECT_EQ(confirmations, 1);
    EXPECT_EQ(clientBytes(), before);
    EXPECT_FALSE(QFileInfo::exists(BackupDir + QStringLiteral("ACME.P26")));
    EXPECT_EQ(CompanyRec.PayDate.get(), QStringLiteral("01/09/2026"));
}

TEST_F(PostingTest, WithoutAConfirmationHandlerTheUserIsAsked)
{
    PostingConfirmation = nullptr;
    messages.expect(IdCancel, QStringLiteral("POST THE CURRENT PAYROLL?"));
    PostPayroll();
    EXPECT_EQ(messages.last().caption, QStringLiteral("Ledgora Post Current Payroll"));
    EXPECT_EQ(CompanyRec.PayDate.get(), QStringLiteral("01/09/2026"));
}

TEST_F(PostingTest, NoOpenPayPeriodIsRefused)
{
    openPeriod(QStringLiteral("01/01/2026"), QStringLiteral("01/07/2026"), kBlankDate, 1);
    const QByteArray before = clientBytes();
    EXPECT_THROW(PostPayroll(), ECustomException);
    EXPECT_EQ(confirmations, 0);
    EXPECT_EQ(clientBytes(), before);
}
