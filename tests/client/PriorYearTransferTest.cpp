#include "FailingFileOperations.h"
#include "JournaledStepChecks.h"
#include "PriorYearFiles.h"
#include "RecordBytes.h"
#include "TestSupport.h"

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "client/PreparerRecord.h"
#include "client/PriorYearRecords.h"
#include "client/PriorYearTransfer.h"
#include "components/ChangeJournal.h"
#include "components/FileSharing.h"
#include "components/PrinterSetup.h"
#include "components/RememberedList.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/FileOperations.h"
#include "platform/Registry.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <vector>

using namespace prior_year_bytes;

namespace {

const QString kRoot = QStringLiteral("Software\\Ledgora\\2026\\");
const QString kPriorRoot = QStringLiteral("Software\\Ledgora\\2025\\");

class PriorYearTransferTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        priorDir = tempPath(QStringLiteral("2025/"));
        dataDir = tempPath(QStringLiteral("Data/"));
        QDir().mkpath(priorDir);
        QDir().mkpath(dataDir);
    }

    void writeClient(const QString& name, const QByteArray& companyBytes, const std::vector<QByteArray>& employees)
    {
        WriteTestFile(priorDir + name + QStringLiteral(".C25"), companyBytes);
        QByteArray all;
        for (const QByteArray& one : employees)
            all += one;
        WriteTestFile(priorDir + name + QStringLiteral(".P25"), all);
    }

    ClientTransferResult transfer(const QString& name, bool doNotOverwrite = true)
    {
        PriorYearClientName = name + QStringLiteral(".C25");
        return TransferData(priorDir, dataDir, doNotOverwrite);
    }

    CompanyRecord company26(const QString& name)
    {
        return RecordFromBytes<CompanyRecord>(ReadTestFile(dataDir + name + QStringLiteral(".C26")));
    }

    std::vector<EmployeeRecord> employees26(const QString& name)
    {
        const QByteArray bytes = ReadTestFile(dataDir + name + QStringLiteral(".P26"));
        EXPECT_EQ(bytes.size() % qsizetype(sizeof(EmployeeRecord)), 0);
        std::vector<EmployeeRecord> records;
        for (qsizetype at = 0; at + qsizetype(sizeof(EmployeeRecord)) <= bytes.size(); at += sizeof(EmployeeRecord))
            records.push_back(RecordFromBytes<EmployeeRecord>(bytes.mid(at, sizeof(EmployeeRecord))));
        return records;
    }

    // What the data folder holds, hidden entries included, with each file's bytes.
    QMap<QString, QByteArray> dataFolder() const
    {
        QMap<QString, QByteArray> files;
        for (const QFileInfo& entry :
             QDir(dataDir).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            files.insert(entry.fileName(), entry.isDir() ? QByteArray("<folder>") : ReadTestFile(entry.filePath()));
        return files;
    }

    // A 2026 client from an earlier transfer, to be kept or replaced.
    void writeOlderClient(const QString& name)
    {
        WriteTestFile(dataDir + name + QStringLiteral(".C26"), QByteArray(sizeof(CompanyRecord), '\x11'));
        WriteTestFile(dataDir + name + QStringLiteral(".P26"), QByteArray(sizeof(EmployeeRecord), '\x22'));
        WriteTestFile(dataDir + name + QStringLiteral(".Dep"), "Older\r\n");
    }

    // The transfer of a client as a step of several files; the next opening is the next start.
    JournaledStep transferStep(const QString& name, bool doNotOverwrite)
    {
        QStringList files;
        for (const char* extension : {".C26", ".P26", ".Dep", ".Pos"})
            files << dataDir + name + QLatin1String(extension);
        return {files, {dataDir}, dataDir + name + QStringLiteral(".Journal"), [] {},
                [this, name, doNotOverwrite] {
                    ASSERT_EQ(transfer(name, doNotOverwrite).outcome, ClientTransfer::Transferred);
                },
                [this] { RecoverInterruptedChanges(dataDir); }};
    }

public:
    QString priorDir;
    QString dataDir;
};

} // namespace

TEST_F(PriorYearTransferTest, CompanyKeepsItsSetupAndStartsTheYearWithNothingPending)
{
    QByteArray c = company("Harbor Bakery LLC", 5, "secret");
    putText(c, 321, 10, "12-3456789");
    putText(c, 343 + 17 * 4, 16, "CA-WH-1");              // StateID[5]
    putDouble(c, 2184 + 8 * 4, 3.4);                     // UnempTaxRate[5]
    putText(c, 9232, 10, "W3CTRL");
    for (int box = 0; box < 13; ++box)
        putByte(c, 9243 + box, 1);
    putText(c, 9468, 10, "12/15/2025");
    putText(c, 9490, 10, "12/31/2025");                  // an open pay date
    putInt(c, 9504, 1001);
    putInt(c, 9508, 1044);                               // last check number
    putByte(c, 9512, 0);                                 // pay awaiting posting
    putDouble(c, 9520, 1.25);                            // vpFullName
    putText(c, 9642, 40, "First Harbor Bank");
    putText(c, 9798, 17, "000123456789");
    putInt(c, 9912, 26);                                 // PriorPeriodCount
    putText(c, 9916, 10, "01/01/2025");
    putText(c, 12021, 30, "Morgan Lee");
    putText(c, 12052, 20, "Owner");
    putByte(c, 12073, 1);
    putText(c, 12520, 9, "011000015");
    putText(c, 12541, 17, "987654321");
    putText(c, 12562, 8, "Checking");
    putByte(c, 13210, 1);
    writeClient(QStringLiteral("Harbor"), c, {employee(1, "Diaz")});

    const ClientTransferResult result = transfer(QStringLiteral("Harbor"));
    EXPECT_EQ(result.outcome, ClientTransfer::Transferred);
    EXPECT_TRUE(result.hadPassword);

    const CompanyRecord rec = company26(QStringLiteral("Harbor"));
    EXPECT_EQ(rec.Name.get(), QStringLiteral("Harbor Bakery LLC"));
    EXPECT_EQ(rec.FederalID.get(), QStringLiteral("12-3456789"));
    EXPECT_EQ(rec.StateID[5].get(), QStringLiteral("CA-WH-1"));
    EXPECT_DOUBLE_EQ(rec.UnempTaxRate[5], 3.4);
    EXPECT_EQ(rec.CurrentState, 5);
    EXPECT_EQ(rec.FilePassword.get(), QString());
    EXPECT_EQ(rec.FW3CtrlNum.get(), QStringLiteral("W3CTRL"));
    for (int box = 1; box <= 12; ++box)
        EXPECT_TRUE(rec.FW3ChkMark[box]) << box;
    EXPECT_FALSE(rec.FW3ChkMark[13]);
    EXPECT_EQ(rec.PayDateFrom.get(), QStringLiteral("12/15/2025"));
    EXPECT_EQ(rec.PayDate.get(), QString());
    EXPECT_EQ(rec.StartChkNum, 1001);
    EXPECT_EQ(rec.LastChkNum, 0);
    EXPECT_TRUE(rec.PayrollPosted);
    EXPECT_DOUBLE_EQ(rec.vpFullName, 1.25);
    EXPECT_EQ(rec.BankName.get(), QStringLiteral("First Harbor Bank"));
    EXPECT_EQ(rec.AccountNum.get(), QStringLiteral("000123456789"));
    EXPECT_EQ(rec.PriorPeriodCount, 0);
    EXPECT_EQ(rec.PriorPayDateFrom[1].get(), QString());
    EXPECT_EQ(rec.SignerName.get(), QStringLiteral("Morgan Lee"));
    EXPECT_EQ(rec.SignerTitle.get(), QStringLiteral("Owner"));
    EXPECT_TRUE(rec.SignForm);
    EXPECT_EQ(rec.PayRTN.get(), QStringLiteral("011000015"));
    EXPECT_EQ(rec.PayAcctNum.get(), QStringLiteral("987654321"));
    EXPECT_EQ(rec.PayAcctType.get(), QStringLiteral("Checking"));
    EXPECT_TRUE(rec.PayTaxBal);
}

TEST_F(PriorYearTransferTest, OnlyNewJerseysWageBaseChangesAndOnlyForANewJerseyCompany)
{
    struct Case {
        const char* name;
        int currentState;
        double expectedNJ;
    };
    const Case cases[] = {{"Jersey", 33, 44800.0}, {"Elsewhere", 5, 43300.0}};
    for (const Case& test : cases) {
        QByteArray c = company(test.name, test.currentState);
        for (int state = 1; state <= 54; ++state) {
            putDouble(c, 2616 + 8 * (state - 1), 1000.0 + state);
            putDouble(c, 3480 + 8 * (state - 1), 2000.0 + state);
        }
        putDouble(c, 2616 + 8 * 32, 43300.0);
        putDouble(c, 3480 + 8 * 32, 43300.0);
        writeClient(QString::fromLatin1(test.name), c, {employee(1, "Diaz")});
        ASSERT_EQ(transfer(QString::fromLatin1(test.name)).outcome, ClientTransfer::Transferred);

        const CompanyRecord rec = company26(QString::fromLatin1(test.name));
        for (int state = 1; state <= 54; ++state) {
            const double unemp = state == 33 ? test.expectedNJ : 1000.0 + state;
            const double disb = state == 33 ? test.expectedNJ : 2000.0 + state;
            EXPECT_DOUBLE_EQ(rec.UnempMaxWage[state], unemp) << test.name << " state " << state;
            EXPECT_DOUBLE_EQ(rec.DisbMaxWage[state], disb) << test.name << " state " << state;
        }
    }
}

TEST_F(PriorYearTransferTest, EmployeeCarriesSetupToItsNewPlaceAndStartsWithoutTotals)
{
    QByteArray e = employee(7, "Okafor", "Bakery", "Baker");
    putText(e, 335, 10, "05/01/1980");
    putInt(e, 436, 44);                                  // last year's stored age
    putDouble(e, 640, 21.5);                             // RegularRate
    putDouble(e, 704, 12.0);                             // VactAccrued
    putDouble(e, 768, 25.0);                             // FedAddTax
    putText(e, 917, 17, "55501234");                     // BankAcctNum
    putText(e, 961, 8, "Savings");                       // AccountType
    putDouble(e, yearToDateOffset(0), 41000.0);          // Wages
    putDouble(e, 3376, 2.5);                             // UserAmount[1]
    putByte(e, 3496, 3);                                 // UserAction[1]
    putDouble(e, 3656, 40.0);                            // RDepCareBen
    putDouble(e, 3808, 15.0);                            // RNonQualPlan
    putText(e, 3816, 10, "CTRL-7");
    putByte(e, 4016, 1);                                 // step 2(c)
    putDouble(e, 4048, 1200.0);                          // step 4(a)
    putText(e, 4529, 15, "Ada");                         // covered individual 1
    putText(e, 5062 + 12, 11, "123-45-6789");            // covered individual 2's TIN
    writeClient(QStringLiteral("Bakery"), company("Bakery"), {e});

    ASSERT_EQ(transfer(QStringLiteral("Bakery")).outcome, ClientTransfer::Transferred);
    const std::vector<EmployeeRecord> records = employees26(QStringLiteral("Bakery"));
    ASSERT_EQ(records.size(), 1u);
    const EmployeeRecord& rec = records[0];
    EXPECT_EQ(rec.EmployeeNum, 1);
    EXPECT_EQ(rec.LastName.get(), QStringLiteral("Okafor"));
    EXPECT_EQ(rec.DateOfBirth.get(), QStringLiteral("05/01/1980"));
    EXPECT_EQ(rec.EmployeeAge, 45);
    EXPECT_EQ(rec.DateResigned.get(), QStringLiteral("  /  /    "));
    EXPECT_DOUBLE_EQ(rec.RegularRate, 21.5);
    EXPECT_FALSE(rec.DoubleOT);
    EXPECT_DOUBLE_EQ(rec.VactAccrued, 12.0);
    EXPECT_DOUBLE_EQ(rec.FedAddTax, 25.0);
    EXPECT_EQ(rec.BankAcctNum.get(), QStringLiteral("55501234"));
    EXPECT_EQ(rec.AccountType.get(), QStringLiteral("Savings"));
    EXPECT_DOUBLE_EQ(rec.Wages[kYearToDateColumn], 0.0);
    EXPECT_DOUBLE_EQ(rec.UserAmount[1], 2.5);
    EXPECT_EQ(rec.UserAction[1], 3);
    EXPECT_DOUBLE_EQ(rec.RDepCareBen, 40.0);
    EXPECT_DOUBLE_EQ(rec.RNonQualPlan, 15.0);
    EXPECT_EQ(rec.FW2CtrlNum.get(), QStringLiteral("CTRL-7"));
    EXPECT_TRUE(rec.FW4Box2c);
    EXPECT_DOUBLE_EQ(rec.FW4Box4a, 1200.0);
    EXPECT_EQ(rec.F1095CBoxaFN[1].get(), QStringLiteral("Ada"));
    EXPECT_EQ(rec.F1095CBoxb[2].get(), QStringLiteral("123-45-6789"));
    EXPECT_EQ(rec.CheckNumHistory[1], 0);
}

// The counts posting keeps through the year (month totals, covered workers, the employees paid
// for the 12th) belong to this year's postings: whatever last year's files hold, they start at zero.
TEST_F(PriorYearTransferTest, TheYearsKeptCountsStartAtZero)
{
    QByteArray c = company("Harbor");
    for (int at = 12074; at < 12520; ++at)   // where this year's record keeps them, last year kept nothing read
        putByte(c, at, 0x7F);
    QByteArray e = employee(1, "Diaz");
    for (qsizetype at = 5361; at < e.size(); ++at)
        putByte(e, static_cast<int>(at), 0x01);
    writeClient(QStringLiteral("Harbor"), c, {e});
    ASSERT_EQ(transfer(QStringLiteral("Harbor")).outcome, ClientTransfer::Transferred);

    const CompanyRecord rec = company26(QStringLiteral("Harbor"));
    for (int quarter = 1; quarter <= 4; ++quarter)
        EXPECT_EQ(rec.EmployeesPaidForThe12th[quarter], 0) << quarter;
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(rec.NJCoveredWorkers[month], 0) << month;
        EXPECT_DOUBLE_EQ(rec.TaxLiabilityMonth[month], 0) << month;
    }
    const std::vector<EmployeeRecord> employees = employees26(QStringLiteral("Harbor"));
    ASSERT_EQ(employees.size(), 1u);
    for (int quarter = 1; quarter <= 4; ++quarter)
        EXPECT_FALSE(employees[0].PaidForThe12th[quarter]) << quarter;
    for (int month = 1; month <= 12; ++month)
        EXPECT_FALSE(employees[0].NJCoveredMonth[month]) << month;
}

TEST_F(PriorYearTransferTest, FormW4StepThreeMovesToThisYearsCredit)
{
    struct Case {
        double children, others, expectedChildren, expectedTotal;
        int allowances;
    };
    const Case cases[] = {
        {4000.0, 500.0, 4400.0, 4900.0, 3},
        {0.0, 0.0, 0.0, 0.0, 0},
        {6000.0, 0.0, 6600.0, 6600.0, 3},
        {0.0, 1500.0, 0.0, 1500.0, 3},
    };
    std::vector<QByteArray> people;
    for (const Case& test : cases) {
        QByteArray e = employee(static_cast<int>(people.size()) + 1, "W4");
        putDouble(e, 4024, test.children);
        putDouble(e, 4032, test.others);
        putDouble(e, 4040, test.children + test.others);
        people.push_back(e);
    }
    writeClient(QStringLiteral("W4"), company("W4"), people);
    ASSERT_EQ(transfer(QStringLiteral("W4")).outcome, ClientTransfer::Transferred);
    const std::vector<EmployeeRecord> records = employees26(QStringLiteral("W4"));
    ASSERT_EQ(records.size(), std::size(cases));
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_DOUBLE_EQ(records[i].FW4Box3a, cases[i].expectedChildren) << i;
        EXPECT_DOUBLE_EQ(records[i].FW4Box3b, cases[i].others) << i;
        EXPECT_DOUBLE_EQ(records[i].FW4Box3, cases[i].expectedTotal) << i;
        EXPECT_EQ(records[i].FedWithAllow, cases[i].allowances) << i;
    }
}

TEST_F(PriorYearTransferTest, UserFieldMaximumContinuesWithWhatIsLeftAndNeverBelowZero)
{
    QByteArray e = employee(1, "Limits");
    putDouble(e, 3536 + 8 * 5, 1000.0);                  // user deduction 1 (field 6)
    putDouble(e, 1960, 300.0);                           // its year-to-date
    putDouble(e, 3536 + 8 * 0, 500.0);                   // user earning 1
    putDouble(e, 1352, 650.0);                           // more than its maximum was used
    putDouble(e, 3536 + 8 * 14, 250.0);                  // user liability 5 (field 15)
    putDouble(e, 2344 + 32 * 4, 100.25);
    writeClient(QStringLiteral("Limits"), company("Limits"), {e});
    ASSERT_EQ(transfer(QStringLiteral("Limits")).outcome, ClientTransfer::Transferred);
    const EmployeeRecord rec = employees26(QStringLiteral("Limits")).at(0);
    EXPECT_DOUBLE_EQ(rec.UserMaxAmt[6], 700.0);
    EXPECT_DOUBLE_EQ(rec.UserMaxAmt[1], 0.0);
    EXPECT_DOUBLE_EQ(rec.UserMaxAmt[15], 149.75);
    EXPECT_DOUBLE_EQ(rec.UserMaxAmt[2], 0.0);
}

TEST_F(PriorYearTransferTest, OnlyEmployeesStillEmployedAreNumberedAnew)
{
    QByteArray resigned = employee(7, "Resigned");
    resign(resigned);
    writeClient(QStringLiteral("Shop"), company("Shop"), {resigned, employee(12, "Stays")});
    ASSERT_EQ(transfer(QStringLiteral("Shop")).outcome, ClientTransfer::Transferred);
    const std::vector<EmployeeRecord> records = employees26(QStringLiteral("Shop"));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].EmployeeNum, 1);
    EXPECT_EQ(records[0].LastName.get(), QStringLiteral("Stays"));
}

TEST_F(PriorYearTransferTest, ClientWithNobodyStillEmployedWritesNothingAndKeepsAnOlderClient)
{
    QByteArray resigned = employee(1, "Gone");
    resign(resigned);
    QByteArray deceased = employee(2, "Late");
    decease(deceased);
    writeClient(QStringLiteral("Closed"), company("Closed"), {resigned, deceased});
    writeOlderClient(QStringLiteral("Closed"));
    const auto before = dataFolder();

    EXPECT_EQ(transfer(QStringLiteral("Closed"), false).outcome, ClientTransfer::NoEmployees);
    EXPECT_EQ(dataFolder(), before);
}

TEST_F(PriorYearTransferTest, EachClientGetsItsOwnSortedPickLists)
{
    writeClient(QStringLiteral("One"), company("One"),
                {employee(1, "A", "Shipping", "Driver"), employee(2, "B", "accounts", "Clerk"),
                 employee(3, "C", "SHIPPING", "driver")});
    writeClient(QStringLiteral("Two"), company("Two"), {employee(1, "D", "Kitchen", "Cook")});
    ASSERT_EQ(transfer(QStringLiteral("One")).outcome, ClientTransfer::Transferred);
    ASSERT_EQ(transfer(QStringLiteral("Two")).outcome, ClientTransfer::Transferred);

    EXPECT_EQ(LoadEntryList(dataDir + QStringLiteral("One.Dep")), (QStringList{"accounts", "Shipping"}));
    EXPECT_EQ(LoadEntryList(dataDir + QStringLiteral("One.Pos")), (QStringList{"Clerk", "Driver"}));
    EXPECT_EQ(LoadEntryList(dataDir + QStringLiteral("Two.Dep")), QStringList{"Kitchen"});
    EXPECT_EQ(LoadEntryList(dataDir + QStringLiteral("Two.Pos")), QStringList{"Cook"});
}

TEST_F(PriorYearTransferTest, AnExistingClientIsKeptUnlessOverwritingIsAllowed)
{
    writeClient(QStringLiteral("Again"), company("Again"), {employee(1, "New")});
    writeOlderClient(QStringLiteral("Again"));
    const auto before = dataFolder();

    EXPECT_EQ(transfer(QStringLiteral("Again"), true).outcome, ClientTransfer::Skipped);
    EXPECT_EQ(dataFolder(), before);

    EXPECT_EQ(transfer(QStringLiteral("Again"), false).outcome, ClientTransfer::Transferred);
    EXPECT_EQ(company26(QStringLiteral("Again")).Name.get(), QStringLiteral("Again"));
    EXPECT_EQ(employees26(QStringLiteral("Again")).at(0).LastName.get(), QStringLiteral("New"));
    EXPECT_EQ(LoadEntryList(dataDir + QStringLiteral("Again.Dep")), QStringList{"Office"});
}

TEST_F(PriorYearTransferTest, DamagedOrMissingFilesAreReportedAndLeaveNoTrace)
{
    struct Case {
        const char* name;
        std::function<void(PriorYearTransferTest&)> damage;
        const char* reason;
    };
    const Case cases[] = {
        {"Cut", [](PriorYearTransferTest& t) {
             QByteArray bytes = employee(1, "One") + employee(2, "Two");
             bytes.chop(100);
             WriteTestFile(t.priorDir + QStringLiteral("Cut.P25"), bytes);
         }, "Cut.P25: Read beyond end of file."},
        {"NoStaff", [](PriorYearTransferTest& t) { QFile::remove(t.priorDir + QStringLiteral("NoStaff.P25")); },
         "NoStaff.P25: No such file or directory."},
        {"Short", [](PriorYearTransferTest& t) {
             WriteTestFile(t.priorDir + QStringLiteral("Short.C25"), company("Short").left(9000));
         }, "Short.C25: Read beyond end of file."},
    };
    for (const Case& test : cases) {
        const QString name = QString::fromLatin1(test.name);
        writeClient(name, company(test.name), {employee(1, "One"), employee(2, "Two")});
        writeOlderClient(name);
        test.damage(*this);
        const auto before = dataFolder();
        try {
            transfer(name, false);
            ADD_FAILURE() << test.name << " transferred";
        } catch (const ETransferException& e) {
            EXPECT_TRUE(e.message().startsWith(
                QStringLiteral("The following error occurred during the transfer of file~") + name + ".C25:~"))
                << e.message().toStdString();
            EXPECT_TRUE(e.message().endsWith(QString::fromLatin1(test.reason))) << e.message().toStdString();
        }
        EXPECT_EQ(dataFolder(), before) << test.name;
    }
    // The next client still goes through.
    writeClient(QStringLiteral("Next"), company("Next"), {employee(1, "Fine")});
    EXPECT_EQ(transfer(QStringLiteral("Next")).outcome, ClientTransfer::Transferred);
}

// A state or frequency number outside its range cannot be used this year: the transfer is refused
// naming the file, the employee, the field and the value, and writes nothing. Clearing it would
// leave the employee paid under no state, or the company's pay run without a frequency, unseen.
TEST_F(PriorYearTransferTest, FieldsOutOfRangeAreRefusedNamingTheField)
{
    struct Case {
        const char* name;
        int offset;
        bool inCompany;
        bool asByte;
        int value;
        const char* reason;
    };
    const Case cases[] = {
        {"BadState", 3912, true, false, 999, "BadState.C25: the company state (999) lies outside 1 to 54"},
        {"NoState", 3912, true, false, 0, "NoState.C25: the company state (0) lies outside 1 to 54"},
        {"BadRun", 341, true, true, 9, "BadRun.C25: the pay run frequency (9) lies outside 0 to 4"},
        {"BadWork", 208, false, false, 99, "BadWork.P25: employee Pat Two (record 2): the work state (99) lies outside 0 to 54"},
        {"Negative", 208, false, false, -1, "Negative.P25: employee Pat Two (record 2): the work state (-1) lies outside 0 to 54"},
        {"BadFreq", 631, false, true, 9, "BadFreq.P25: employee Pat Two (record 2): the pay frequency (9) lies outside 0 to 4"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        QByteArray c = company(test.name);
        QByteArray second = employee(2, "Two");
        QByteArray& field = test.inCompany ? c : second;
        if (test.asByte)
            putByte(field, test.offset, test.value);
        else
            putInt(field, test.offset, test.value);
        const QString name = QString::fromLatin1(test.name);
        writeClient(name, c, {employee(1, "One"), second});
        const auto before = dataFolder();
        try {
            transfer(name, false);
            ADD_FAILURE() << test.name << " transferred";
        } catch (const ETransferException& e) {
            EXPECT_TRUE(e.message().endsWith(QString::fromLatin1(test.reason)
                                             + QStringLiteral("; correct it in last year's program and transfer again.")))
                << e.message().toStdString();
        }
        EXPECT_EQ(dataFolder(), before);
    }
}

TEST_F(PriorYearTransferTest, AFailedWriteAnywhereLeavesTheDataFolderAsItWas)
{
    writeClient(QStringLiteral("Disk"), company("Disk"), {employee(1, "One")});
    writeOlderClient(QStringLiteral("Disk"));
    const auto before = dataFolder();
    int total = 0;
    {
        FailingFileOperations counter({FileOperation::Write, FileOperation::Sync, FileOperation::Rename}, 0);
        ASSERT_EQ(transfer(QStringLiteral("Disk"), false).outcome, ClientTransfer::Transferred);
        total = counter.calls();
    }
    ASSERT_GT(total, 0);
    for (int failAt = 1; failAt <= total; ++failAt) {
        // Start each round from the older client again.
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            WriteTestFile(dataDir + it.key(), it.value());
        QFile::remove(dataDir + QStringLiteral("Disk.Pos"));
        ASSERT_EQ(dataFolder(), before);
        FailingFileOperations failing({FileOperation::Write, FileOperation::Sync, FileOperation::Rename}, failAt);
        EXPECT_THROW(transfer(QStringLiteral("Disk"), false), ETransferException) << failAt;
        EXPECT_EQ(dataFolder(), before) << "failing call " << failAt << " on " << failing.failedPath().toStdString();
    }
}

TEST_F(PriorYearTransferTest, AClientHeldOpenByAnotherCopyIsRefused)
{
    writeClient(QStringLiteral("Busy"), company("Busy"), {employee(1, "One")});
    writeOlderClient(QStringLiteral("Busy"));
    const auto before = dataFolder();
    SharedFile other;
    ASSERT_TRUE(other.open(dataDir + QStringLiteral("Busy.P26"), SharedFile::Access::ReadWrite,
                           SharedFile::Sharing{false, true}, false));
    EXPECT_THROW(transfer(QStringLiteral("Busy"), false), ETransferException);
    EXPECT_EQ(dataFolder(), before);
}

TEST_F(PriorYearTransferTest, ListingIsSortedMarksTransferredClientsAndLeavesOutTheTemplate)
{
    for (const char* name : {"Zeta", "alpha", "Mid", "TEMPLATE PAYROLL"})
        writeClient(QString::fromLatin1(name), company(name), {employee(1, "X")});
    writeOlderClient(QStringLiteral("Mid"));
    EXPECT_EQ(ListPriorYearClients(priorDir, dataDir), (QStringList{"*Mid.C25", "Zeta.C25", "alpha.C25"}));
}

TEST_F(PriorYearTransferTest, TemplateOnlyFolderListsNothingAndAnEmptyFolderIsRefused)
{
    try {
        ListPriorYearClients(priorDir, dataDir);
        ADD_FAILURE() << "an empty folder was listed";
    } catch (const ETransferException& e) {
        EXPECT_EQ(e.message(), kPriorYearFilesNotFound);
    }
    writeClient(QStringLiteral("Template Payroll"), company("Template"), {employee(1, "X")});
    EXPECT_TRUE(ListPriorYearClients(priorDir, dataDir).isEmpty());
}

namespace {

class PriorYearSettingsTest : public PriorYearTransferTest {
protected:
    void SetUp() override
    {
        PriorYearTransferTest::SetUp();
        submitter = programDir() + QStringLiteral("Ledgora.W2S");
        priorSubmitter = priorDir + QStringLiteral("Ledgora.W2S");
    }

    void writePriorSettings()
    {
        Registry registry;
        ASSERT_TRUE(registry.OpenKey("\\" + kPriorRoot + "Backup", true));
        registry.WriteString("Path", "/media/usb/backup");
        registry.CloseKey();
        PreparerRecord preparer;
        std::memset(&preparer, 0, sizeof preparer);
        preparer.PrepName = QStringLiteral("Dana Whitfield");
        preparer.PTIN = QStringLiteral("X123");
        preparer.SignForm = true;
        SavePreparer(registry, kPriorRoot, preparer);
        ASSERT_TRUE(registry.OpenKey("\\" + kPriorRoot + "Printer", true));
        registry.WriteString("Name", "Office Laser");
        registry.WriteInteger("Copies", 2);
        registry.CloseKey();
        WriteTestFile(priorSubmitter, QByteArray(564, 'S'));
    }

    void run()
    {
        Registry prior;
        Registry current;
        TransferRegSettings(prior, current, kPriorRoot, kRoot, priorSubmitter, submitter);
    }

    QString readString(const QString& key, const QString& name)
    {
        Registry registry;
        if (!registry.OpenKeyReadOnly("\\" + kRoot + key) || !registry.ValueExists(name))
            return QStringLiteral("<missing>");
        const QString value = registry.ReadString(name);
        registry.CloseKey();
        return value;
    }

    bool transferred()
    {
        Registry registry;
        if (!registry.OpenKeyReadOnly("\\" + kRoot + "Transfer"))
            return false;
        const bool value = registry.ReadBool("Transferred");
        registry.CloseKey();
        return value;
    }

    QString submitter;
    QString priorSubmitter;
};

} // namespace

TEST_F(PriorYearSettingsTest, LastYearsSettingsAreCopiedOnce)
{
    writePriorSettings();
    run();
    EXPECT_EQ(readString("Backup", "Path"), QStringLiteral("/media/usb/backup"));
    EXPECT_EQ(readString("Preparer", "PrepName"), QStringLiteral("Dana Whitfield"));
    EXPECT_EQ(readString("Preparer", "PTIN"), QString());
    EXPECT_EQ(readString("Printer", "Name"), QStringLiteral("Office Laser"));
    EXPECT_EQ(ReadTestFile(submitter), QByteArray(564, 'S'));
    EXPECT_TRUE(transferred());

    // Guarded: a second run, even with other settings of last year, copies nothing.
    Registry registry;
    ASSERT_TRUE(registry.OpenKey("\\" + kPriorRoot + "Backup", true));
    registry.WriteString("Path", "/elsewhere");
    registry.CloseKey();
    QFile::remove(submitter);
    run();
    EXPECT_EQ(readString("Backup", "Path"), QStringLiteral("/media/usb/backup"));
    EXPECT_FALSE(QFileInfo::exists(submitter));
}

TEST_F(PriorYearSettingsTest, SettingsAlreadyMadeThisYearAreKept)
{
    writePriorSettings();
    Registry registry;
    ASSERT_TRUE(registry.OpenKey("\\" + kRoot + "Backup", true));
    registry.WriteString("Path", "/mine");
    registry.CloseKey();
    PreparerRecord mine;
    std::memset(&mine, 0, sizeof mine);
    mine.PrepName = QStringLiteral("Someone Else");
    SavePreparer(registry, kRoot, mine);
    ASSERT_TRUE(registry.OpenKey("\\" + kRoot + "Printer", true));
    registry.WriteString("Name", "My Printer");
    registry.CloseKey();
    QByteArray submitterRecord(564, '\0');
    submitterRecord[1] = 'M';
    WriteTestFile(submitter, submitterRecord);

    run();
    EXPECT_EQ(readString("Backup", "Path"), QStringLiteral("/mine"));
    EXPECT_EQ(readString("Preparer", "PrepName"), QStringLiteral("Someone Else"));
    EXPECT_EQ(readString("Printer", "Name"), QStringLiteral("My Printer"));
    EXPECT_EQ(ReadTestFile(submitter), submitterRecord);
    EXPECT_TRUE(transferred());
}

TEST_F(PriorYearSettingsTest, AnEmptySubmitterFileIsReplacedAndAFailedCopyLeavesTheGuardOpen)
{
    writePriorSettings();
    WriteTestFile(submitter, QByteArray(564, '\0'));
    // Only the copy meets the full disk: the settings file is written through the same layer.
    const FileOperationFault previous = SetFileOperationFault([](FileOperation operation, const QString& path) {
        return operation == FileOperation::Write && !path.contains(QStringLiteral("registry.ini")) ? ENOSPC : 0;
    });
    EXPECT_THROW(run(), ECopyFileException);
    SetFileOperationFault(previous);
    EXPECT_FALSE(transferred());
    EXPECT_EQ(ReadTestFile(submitter), QByteArray(564, '\0'));
    run();
    EXPECT_EQ(ReadTestFile(submitter), QByteArray(564, 'S'));
    EXPECT_TRUE(transferred());
}

class TransferStepTest : public PriorYearTransferTest, public testing::WithParamInterface<bool> {
protected:
    // A new client, retried with "Do not overwrite"; or one over an older client of this year.
    bool overOlderClient() const { return GetParam(); }

    JournaledStep step()
    {
        writeClient(QStringLiteral("Step"), company("Step"), {employee(1, "One"), employee(2, "Two", "Shop", "Welder")});
        if (overOlderClient())
            writeOlderClient(QStringLiteral("Step"));
        return transferStep(QStringLiteral("Step"), !overOlderClient());
    }
};

TEST_P(TransferStepTest, EachFailingFileOperationLeavesTheClientAsItWas)
{
    ExpectFaultsChangeNothing(step(), messages);
}

TEST_P(TransferStepTest, AStopAnywhereIsFinishedOrUndoneAtTheNextStart)
{
    ExpectStopsFinishOrUndo(step(), messages);
}

INSTANTIATE_TEST_SUITE_P(NewAndOlderClient, TransferStepTest, testing::Bool());

TEST_F(PriorYearTransferTest, AnInterruptedTransferIsFinishedBeforeDoNotOverwriteLooksAtTheClient)
{
    writeClient(QStringLiteral("Half"), company("Half"), {employee(1, "One")});
    {
        // Stopped just after the new company file took its place.
        int renames = 0;
        const FileOperationFault previous = SetFileOperationFault([&renames](FileOperation operation, const QString& path) {
            if (operation == FileOperation::Rename && !path.endsWith(QStringLiteral(".Journal")) && ++renames == 2)
                throw SimulatedStop{};
            return 0;
        });
        EXPECT_THROW(transfer(QStringLiteral("Half")), SimulatedStop);
        SetFileOperationFault(previous);
    }
    ASSERT_TRUE(QFileInfo::exists(dataDir + QStringLiteral("Half.C26")));
    ASSERT_FALSE(QFileInfo::exists(dataDir + QStringLiteral("Half.P26")));
    messages.expect(IdOk, QStringLiteral("The transfer of the client Half from 2025 did not finish"));
    // Every new file was written and proven before the stop: the transfer is finished, and the
    // whole client is then kept.
    EXPECT_EQ(transfer(QStringLiteral("Half")).outcome, ClientTransfer::Skipped);
    EXPECT_EQ(employees26(QStringLiteral("Half")).size(), 1u);
    EXPECT_EQ(LoadEntryList(dataDir + QStringLiteral("Half.Pos")), QStringList{QStringLiteral("Clerk")});
    EXPECT_FALSE(QFileInfo::exists(dataDir + QStringLiteral("Half.Journal")));
}

// A journal someone else left where the transfer keeps its own, naming a file of another folder:
// the transfer sets it aside, says why, and changes no file.
TEST_F(PriorYearTransferTest, ACraftedJournalIsSetAsideAndTheTransferChangesNothing)
{
    writeClient(QStringLiteral("Odd"), company("Odd"), {employee(1, "One")});
    writeOlderClient(QStringLiteral("Odd"));
    const QString outside = tempPath(QStringLiteral("outside/"));
    ASSERT_TRUE(QDir().mkpath(outside));
    WriteTestFile(outside + QStringLiteral("secret"), "the user's own file");
    const QString journal = dataDir + QStringLiteral("Odd.Journal");
    WriteTestFile(journal, "Ledgora change journal 2\nChange=A crafted change\nFolder=" + outside.toUtf8().toPercentEncoding("/")
                               + "\nTarget=secret\nNew=\nFormer=.secret.k3.old\nSize=0\nCrc32=0\n");
    const auto before = dataFolder();
    EXPECT_ANY_THROW(transfer(QStringLiteral("Odd"), false));
    EXPECT_EQ(ReadTestFile(outside + QStringLiteral("secret")), "the user's own file");
    EXPECT_FALSE(QFileInfo::exists(journal));
    EXPECT_TRUE(QFileInfo::exists(journal + QStringLiteral(".refused")));
    auto expected = before;
    expected.insert(QStringLiteral("Odd.Journal.refused"), expected.take(QStringLiteral("Odd.Journal")));
    EXPECT_EQ(dataFolder(), expected);
}
