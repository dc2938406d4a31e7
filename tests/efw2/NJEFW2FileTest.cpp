#include "EFW2FileChecks.h"
#include "EFW2Fixture.h"

#include "client/EFW2SettingsFiles.h"
#include "components/StateTables.h"
#include "efw2/EFW2Fields.h"
#include "efw2/NJEFW2File.h"
#include "platform/Exceptions.h"
#include "tests/support/FailingFileOperations.h"
#include "tests/support/JournaledStepChecks.h"

#include <QFileInfo>

namespace {

// A client with one employee working in New Jersey and one in Pennsylvania, both with a W-2.
class NJEFW2FileTest : public EFW2Test {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        openClient();
        njFiles = NJRunFiles(tempPath(QString()) + QLatin1Char('/'), tempPath(QStringLiteral("Documents/Data/")));
        fillCompany();
        fillSubmitter(run.submitter);
        submitter = NJSubmitterRecord::From(run.submitter);
        addNJEmployees();
    }

    void addNJEmployees()
    {
        const int y = kYearToDateColumn;
        addEmployee(QStringLiteral("Lopez"), QStringLiteral("Maria"));
        EmployeeRecord& e = EmployeeRec;
        e.SocSecNum = QStringLiteral("231-45-6780");
        e.Address = QStringLiteral("5 Bay Ave");
        e.City = QStringLiteral("Newark");
        e.State = QStringLiteral("NJ");
        e.ZipCode = QStringLiteral("07102-1234");
        e.WorkStateIndex = StateCodeIndex(QStringLiteral("NJ")) + 1;
        e.FedEarnings[y] = 40000;
        e.FICAEarnings[y] = 40000;
        e.MedEarnings[y] = 40000;
        e.StateEarning[y] = 40000;
        e.StateTax[y] = 1200;
        e.DisbEarnings[y] = 12345.67;
        e.DisbTax[y] = 40;
        e.UnempTax[y] = 148.15;
        e.Plan401k[y] = 1234.56;
        module->RSEmployee.PostRec();

        addEmployee(QStringLiteral("Lee"), QStringLiteral("Ann"));
        EmployeeRecord& f = EmployeeRec;
        f.SocSecNum = QStringLiteral("345-67-8901");
        f.Address = QStringLiteral("22 Pine Rd");
        f.City = QStringLiteral("York");
        f.State = QStringLiteral("PA");
        f.ZipCode = QStringLiteral("17402");
        f.WorkStateIndex = StateCodeIndex(QStringLiteral("PA")) + 1;
        f.FedEarnings[y] = 20000;
        f.FICAEarnings[y] = 20000;
        f.MedEarnings[y] = 20000;
        f.StateEarning[y] = 20000;
        f.DisbEarnings[y] = 20000;
        f.Plan403b[y] = 500;
        module->RSEmployee.PostRec();
        EmployeeCount = module->RSEmployee.RecordCount();
    }

    QString clientFile() const { return NJClientFileName(njFiles.efw2Dir, CompanyFileName); }

    NJEFW2RunFiles njFiles;
    NJEFW2Run njRun;
    NJSubmitterRecord submitter;
    NJStateOptions options;
};

TEST_F(NJEFW2FileTest, StateLineFollowsItsOwnEmployeeInAByteExactFile)
{
    // The count is of the New Jersey employee records written: one RS line for two RW lines.
    EXPECT_EQ(ProcessNJClient(njFiles, njRun, submitter, options, CompanyRec.Name, CompanyFileName), 1);

    EXPECT_EQ(QFileInfo(clientFile()).fileName(), QStringLiteral("W2ACME.txt"));
    EXPECT_EQ(EFW2FileFaults(ReadTestFile(clientFile())), QStringList());
    const QStringList lines = fileLines(clientFile());
    EXPECT_EQ(Kinds(lines), (QStringList {"RA", "RE", "RW", "RS", "RW", "RT", "RF"}));
    for (const QString& line : lines)
        EXPECT_EQ(line.size(), kEFW2LineLength);
    const QString rs = Line("RS", {{3, "34"}, {5, "P"}, {10, "231456780"}, {19, "MARIA"}, {49, "LOPEZ"},
                                   {95, "5 BAY AVE"}, {117, "NEWARK"}, {139, "NJ"}, {141, "07102"}, {146, "1234"},
                                   {248, "123456789000"}, {276, "00004000000"}, {287, "00000120000"},
                                   {314, "02840"}, {353, "14815"}, {358, "01160"}, {363, "PD"},
                                   {365, "000123456"}});
    EXPECT_EQ(lines[3], rs);
    EXPECT_EQ(lines[6], Line("RF", {{8, "000000002"}}));
    EXPECT_FALSE(QFileInfo(clientFile()).permissions() & QFileDevice::WriteOwner);

    NJStateFileRecord stored {};
    LoadNJStateFile(njFiles.stateFile, stored);
    EXPECT_EQ(stored.TotalRecords, 1);
    EXPECT_EQ(ReadProcessedClients(njFiles.processedClientsFile).size(), 1);
    EXPECT_FALSE(QFileInfo::exists(njFiles.masterFile));
}

TEST_F(NJEFW2FileTest, StateLineFieldsKeepTheirWidths)
{
    module->RSEmployee.RootRec();
    module->RSEmployee.NextRec();
    ASSERT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Lopez"));
    const int nj = StateCodeIndex(QStringLiteral("NJ")) + 1;
    const struct {
        const char* stateId;
        const char* account;
    } accounts[] = {
        {"", "123456789000"},
        {"123-456-789/000", "123456789000"},
        {"123-456-789", "123456789000"},
        {"1234567890123", "123456789000"},
    };
    for (const auto& c : accounts) {
        CompanyRec.StateID[nj] = QString::fromLatin1(c.stateId);
        EXPECT_EQ(QString::fromLatin1(NJStateLine(CompanyRec, options).mid(247, 12)), QString::fromLatin1(c.account))
            << c.stateId;
    }

    // Short sources are still written at their widths, so the fields after them stay in place.
    EmployeeRec.SocSecNum = QStringLiteral("231-45");
    EmployeeRec.State = QString();
    EmployeeRec.ZipCode = QStringLiteral("071");
    CompanyRec.FederalID = QString();
    options.testFile = true;
    options.fliPlan = true;
    options.fliPlanId = QStringLiteral("ABC");
    EmployeeRec.DisbTax[kYearToDateColumn] = 20;  // below the family leave share
    const QByteArray line = NJStateLine(CompanyRec, options);
    EXPECT_EQ(line.size(), kEFW2LineLength);
    EXPECT_EQ(line.mid(4, 5), QByteArray("T    "));
    EXPECT_EQ(line.mid(9, 9), QByteArray("23145    "));
    EXPECT_EQ(line.mid(138, 11), QByteArray("  071      "));
    EXPECT_EQ(line.mid(247, 12), QByteArray("         000"));
    EXPECT_EQ(line.mid(298, 15), QByteArray("PABC           "));
    EXPECT_EQ(line.mid(313, 5), QByteArray("02840"));
    EXPECT_EQ(line.mid(337, 15), QByteArray(15, ' '));
    EXPECT_EQ(line.mid(357, 5), QByteArray("00000"));
}

// Names as the employee screen takes them: the SSA and New Jersey files spell each letter in A-Z,
// and a receiver accepts the files.
TEST_F(NJEFW2FileTest, NamesWithLettersBeyondAToZAreSpelledInBothRuns)
{
    const struct {
        const char* first;   // UTF-8
        const char* last;
        const char* firstFiled;
        const char* lastFiled;
    } cases[] = {
        {"J\xc3\xbcrgen", "Strau\xc3\x9f", "JURGEN", "STRAUSS"},
        {"\xc3\x86gir", "\xc3\x98sterg\xc3\xa5rd", "AEGIR", "OSTERGARD"},
        {"\xc3\xa6sa", "S\xc3\xb8rensen-\xc3\x86r\xc3\xb8", "AESA", "SORENSEN-AERO"},
        {"\xc5\x92" "dipe", "B\xc5\x93uf", "OEDIPE", "BOEUF"},
        {"\xc3\x9e\xc3\xb3ra", "\xc3\x90\xc3\xb3rsd\xc3\xb3ttir", "THORA", "DORSDOTTIR"},
        {"\xc3\xbe\xc3\xb3r", "Ma\xc3\xb0ur", "THOR", "MADUR"},
        {"Fran\xc3\xa7oise", "O'Ne\xc3\xafl", "FRANCOISE", "O'NEIL"},
        {"\xc5\xa0\xc3\xa1rka", "\xc5\xbd\xc3\xad\xc5\xbe" "kov\xc3\xa1", "SARKA", "ZIZKOVA"},
        {"\xc5\xb8vonne", "\xc3\x89l\xc3\xa9onore", "YVONNE", "ELEONORE"},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lastFiled);
        module->RSEmployee.RootRec();
        module->RSEmployee.NextRec();
        EmployeeRec.FirstName = QString::fromUtf8(c.first);
        EmployeeRec.LastName = QString::fromUtf8(c.last);
        module->RSEmployee.PostRec();
        const QByteArray first = QByteArray(c.firstFiled).leftJustified(15, ' ');
        const QByteArray last = QByteArray(c.lastFiled).leftJustified(20, ' ');

        // Each case is a run of its own, in folders of its own.
        const QString folder = tempPath(QStringLiteral("run%1/").arg(++n));
        EFW2RunFiles ssaFiles {folder + QStringLiteral("Ledgora.W2S"), folder + QStringLiteral("Ledgora.CPF"),
                               folder + QStringLiteral("EFW2/"), folder + QStringLiteral("EFW2/FormsW2Report.txt")};
        EFW2Run ssaRun;
        fillSubmitter(ssaRun.submitter);
        ASSERT_EQ(ProcessClient(ssaFiles, ssaRun, CompanyRec.Name, CompanyFileName), 2);
        // The file passes the checks, and its line of that kind holds the names at its name position.
        const auto expectNames = [&](const QString& fileName, int lineIndex, const char* kind, int at) {
            const QByteArray file = ReadTestFile(fileName);
            EXPECT_EQ(EFW2FileFaults(file), QStringList());
            const QList<QByteArray> lines = file.split('\n');
            ASSERT_GT(lines.size(), lineIndex);
            ASSERT_TRUE(lines[lineIndex].startsWith(kind));
            EXPECT_EQ(lines[lineIndex].mid(at - 1, 15), first);
            EXPECT_EQ(lines[lineIndex].mid(at + 29, 20), last);
        };
        expectNames(EFW2ClientFileName(ssaFiles.efw2Dir, CompanyFileName), 2, "RW", 12);

        NJEFW2RunFiles stateFiles = NJRunFiles(folder, folder + QStringLiteral("Data/"));
        NJEFW2Run stateRun;
        ASSERT_EQ(ProcessNJClient(stateFiles, stateRun, submitter, options, CompanyRec.Name, CompanyFileName), 1);
        expectNames(NJClientFileName(stateFiles.efw2Dir, CompanyFileName), 2, "RW", 12);
        expectNames(NJClientFileName(stateFiles.efw2Dir, CompanyFileName), 3, "RS", 19);
    }
}

TEST_F(NJEFW2FileTest, OnlyAnEmployeeWithAWageRecordWorkingInNewJerseyGetsAStateLine)
{
    // The second employee, moved to New Jersey, keeps state wages but gets no W-2.
    module->RSEmployee.RootRec();
    module->RSEmployee.NextRec();
    module->RSEmployee.NextRec();
    ASSERT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Lee"));
    EmployeeRec.FedEarnings[kYearToDateColumn] = 0;
    EmployeeRec.FICAEarnings[kYearToDateColumn] = 0;
    EmployeeRec.MedEarnings[kYearToDateColumn] = 0;
    EmployeeRec.WorkStateIndex = StateCodeIndex(QStringLiteral("NJ")) + 1;
    module->RSEmployee.PostRec();
    QStringList kinds;
    for (const QByteArray& line : BuildNJEmployerBlock(options).lines)
        kinds << QString::fromLatin1(line.left(2));
    EXPECT_EQ(kinds, (QStringList {"RE", "RW", "RS", "RT"}));
}

TEST_F(NJEFW2FileTest, ResubmissionNeedsTheBoxAndAnIdentifier)
{
    const struct {
        const char* box;
        const char* id;
        const char* expected;
    } cases[] = {
        {"0", "", "0      "},
        {"0", "AB12", "0      "},
        {"1", "  ", "0      "},
        {"1", "AB12", "1AB12  "},
    };
    for (const auto& c : cases) {
        NJSubmitterRecord s = submitter;
        s.fields.ResubInd = QString::fromLatin1(c.box);
        s.fields.ResubID = QString::fromLatin1(c.id);
        EXPECT_EQ(NJSubmitterLine(s).mid(28, 7), QByteArray(c.expected)) << c.box << c.id;
    }
}

TEST_F(NJEFW2FileTest, PlanIdsAreRequiredWhenTheirBoxIsChecked)
{
    options.disabilityPlan = true;
    options.fliPlan = true;
    EXPECT_EQ(CheckNJPlans(options).message, QStringLiteral("The Disability Plan ID number is required."));
    options.disabilityPlanId = QStringLiteral("D1");
    EXPECT_EQ(CheckNJPlans(options).message, QStringLiteral("The Family Leave Insurance Plan ID number is required."));
    EXPECT_THROW(ProcessNJClient(njFiles, njRun, submitter, options, CompanyRec.Name, CompanyFileName), EFieldException);
    EXPECT_FALSE(QFileInfo::exists(clientFile()));
    options.fliPlanId = QStringLiteral("F1");
    EXPECT_TRUE(CheckNJPlans(options).field.isEmpty());
}

TEST_F(NJEFW2FileTest, TwoClientsMakeOneMasterFileAndAFailedWriteChangesNothing)
{
    njRun.state.ExcludeFinal = true;
    ProcessNJClient(njFiles, njRun, submitter, options, CompanyRec.Name, CompanyFileName);
    EXPECT_TRUE(njRun.state.ExcludeSubmitter);
    EXPECT_EQ(Kinds(fileLines(njFiles.masterFile)), (QStringList {"RA", "RE", "RW", "RS", "RW", "RT"}));
    const QString firstClientFile = clientFile();

    module->RSEmployee.CloseRecSet();
    openClient(QStringLiteral("BETA"));
    fillCompany();
    CompanyRec.Name = QStringLiteral("Beta Works");
    addNJEmployees();

    njRun.state.ExcludeFinal = false;
    njRun.state.FinalPending = true;
    const NJEFW2Run before = njRun;
    const QByteArray stateBefore = ReadTestFile(njFiles.stateFile);
    const QByteArray listBefore = ReadTestFile(njFiles.processedClientsFile);
    const QByteArray masterBefore = ReadTestFile(njFiles.masterFile);
    for (int failAt = 1;; ++failAt) {
        ASSERT_LT(failAt, 100);
        FailingFileOperations failing({FileOperation::Open, FileOperation::Write, FileOperation::Sync,
                                       FileOperation::Close, FileOperation::Rename},
                                      failAt, EACCES);
        try {
            ProcessNJClient(njFiles, njRun, submitter, options, CompanyRec.Name, CompanyFileName);
        } catch (const EInOutError&) {
            EXPECT_EQ(ReadTestFile(njFiles.stateFile), stateBefore) << failAt;
            EXPECT_EQ(ReadTestFile(njFiles.processedClientsFile), listBefore) << failAt;
            EXPECT_EQ(ReadTestFile(njFiles.masterFile), masterBefore) << failAt;
            EXPECT_FALSE(QFileInfo::exists(clientFile())) << failAt;
            EXPECT_EQ(njRun.state.TotalRecords, before.state.TotalRecords);
            EXPECT_EQ(njRun.masterLines, before.masterLines);
            EXPECT_EQ(njRun.processed.size(), 1);
            continue;
        }
        break;
    }

    EXPECT_EQ(Kinds(fileLines(njFiles.masterFile)),
              (QStringList {"RA", "RE", "RW", "RS", "RW", "RT", "RE", "RW", "RS", "RW", "RT", "RF"}));
    EXPECT_EQ(fileLines(njFiles.masterFile).last(), Line("RF", {{8, "000000004"}}));
    EXPECT_EQ(Kinds(fileLines(clientFile())), (QStringList {"RA", "RE", "RW", "RS", "RW", "RT", "RF"}));
    EXPECT_TRUE(QFileInfo::exists(firstClientFile));

    NJEFW2Run stored;
    LoadNJRun(njFiles, stored);
    EXPECT_EQ(stored.state.TotalRecords, 2);
    EXPECT_EQ(stored.processed.size(), 2);
    EXPECT_EQ(stored.masterLines, njRun.masterLines);

    ResetNJRun(njFiles, njRun);
    EXPECT_FALSE(QFileInfo::exists(njFiles.masterFile));
    EXPECT_FALSE(QFileInfo::exists(njFiles.processedClientsFile));
    EXPECT_TRUE(QFileInfo::exists(firstClientFile));
    LoadNJRun(njFiles, stored);
    EXPECT_EQ(stored.state.TotalRecords, 0);
    EXPECT_FALSE(stored.state.FinalPending);
}

// A first client processed into the master file; a second one, designated the last, open.
class NJRunStepTest : public NJEFW2FileTest {
protected:
    void SetUp() override
    {
        NJEFW2FileTest::SetUp();
        njRun.state.ExcludeFinal = true;
        ProcessNJClient(njFiles, njRun, submitter, options, CompanyRec.Name, CompanyFileName);
        firstClientFile = clientFile();
        module->RSEmployee.CloseRecSet();
        openClient(QStringLiteral("BETA"));
        fillCompany();
        CompanyRec.Name = QStringLiteral("Beta Works");
        addNJEmployees();
    }

    void processLastClient()
    {
        njRun.state.ExcludeFinal = false;
        njRun.state.FinalPending = true;
        ProcessNJClient(njFiles, njRun, submitter, options, CompanyRec.Name, CompanyFileName);
    }

    JournaledStep step(std::function<void()> act)
    {
        return {{njFiles.stateFile, njFiles.processedClientsFile, njFiles.masterFile, firstClientFile, clientFile()},
                {QFileInfo(njFiles.stateFile).absolutePath(), njFiles.efw2Dir},
                EFW2RunJournalFile(njFiles.stateFile),
                [this, before = njRun] { njRun = before; },
                std::move(act),
                [this] {
                    LoadNJRun(njFiles, njRun);
                    // Each client has one New Jersey worker, one RS line.
                    EXPECT_EQ(njRun.state.TotalRecords, njRun.processed.size());
                }};
    }

    JournaledStep processStep()
    {
        return step([this] { processLastClient(); });
    }

    JournaledStep resetStep()
    {
        processLastClient();
        return step([this] { ResetNJRun(njFiles, njRun); });
    }

    QString firstClientFile;
};

TEST_F(NJRunStepTest, EachFailingFileOperationOfProcessChangesNothingAndARetryCountsOnce)
{
    ExpectFaultsChangeNothing(processStep(), messages);
}

TEST_F(NJRunStepTest, AStopDuringProcessIsFinishedOrUndoneAtTheNextOpening)
{
    ExpectStopsFinishOrUndo(processStep(), messages);
}

TEST_F(NJRunStepTest, EachFailingFileOperationOfResetChangesNothing)
{
    ExpectFaultsChangeNothing(resetStep(), messages);
}

TEST_F(NJRunStepTest, AStopDuringResetIsFinishedOrUndoneAtTheNextOpening)
{
    ExpectStopsFinishOrUndo(resetStep(), messages);
}

} // namespace
