#include "EFW2FileChecks.h"
#include "EFW2Fixture.h"

#include "client/EFW2SettingsFiles.h"
#include "efw2/EFW2Fields.h"
#include "efw2/EFW2Records.h"
#include "platform/Exceptions.h"
#include "tests/support/FailingFileOperations.h"
#include "tests/support/JournaledStepChecks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>

#include <sys/stat.h>

namespace {

QString Z(int width, qint64 cents)
{
    return QString::number(cents).rightJustified(width, QLatin1Char('0'));
}

class EFW2FileTest : public EFW2Test {};

TEST_F(EFW2FileTest, ClientFileIsByteExact)
{
    EXPECT_EQ(ProcessClient(files, run, CompanyRec.Name, CompanyFileName), 2);

    const QString ra = Line("RA", {{3, "987654321"}, {12, "ABCD1234"}, {29, "0"}, {36, "98"}, {38, "ACME TOOLS"},
                                   {117, "1 MAIN ST"}, {139, "SPRINGFIELD"}, {161, "PA"}, {163, "17000"}, {168, "1234"},
                                   {217, "BOOKS & CO"}, {296, "5 OAK AVE"}, {318, "HARRISBURG"}, {340, "PA"},
                                   {342, "17101"}, {396, "PAT JONES"}, {423, "7175550199"}, {446, "Pat@Books.com"},
                                   {500, "A"}});
    const QString re = Line("RE", {{3, "2026"}, {8, "123456789"}, {26, "0"}, {40, "ACME TOOLS"}, {97, "SUITE  200"},
                                   {119, "1 MAIN ST"}, {141, "SPRINGFIELD"}, {163, "PA"}, {165, "17000"}, {170, "1234"},
                                   {174, "N"}, {219, "R"}, {221, "0"}, {222, "PAT JONES"}, {249, "2155550100"},
                                   {279, "Payroll@Acme.com"}});
    // Amount positions of the RW from box 1 on; those not listed hold 11 zeros.
    const auto rw = [](std::map<int, QString> fields, const std::map<int, qint64>& amounts) {
        for (int position : {188, 199, 210, 221, 232, 243, 254, 276, 287, 298, 309, 320, 331, 353, 364, 375, 386, 408,
                             419, 430, 441, 452, 463, 474})
            fields[position] = Z(11, amounts.count(position) ? amounts.at(position) : 0);
        return Line("RW", fields);
    };
    const QString rw1 = rw({{3, "231456789"}, {12, "JOSE"}, {27, "Q"}, {42, "SMITH"}, {62, "JR"}, {88, "10 ELM ST"},
                            {110, "SPRINGFIELD"}, {132, "PA"}, {134, "17001"}, {139, "2345"}, {486, "0"}, {488, "1"},
                            {489, "0"}},
                           {{188, 3000000}, {199, 300000}, {210, 3000000}, {221, 192200}, {232, 3100000},
                            {243, 44950}, {254, 100000}, {287, 150000}, {463, 400000}});
    const QString rw2 = rw({{3, "345678901"}, {12, "ANN"}, {42, "LEE"}, {88, "22 PINE RD"}, {110, "YORK"},
                            {132, "PA"}, {134, "17402"}, {486, "0"}, {488, "0"}, {489, "0"}},
                           {{188, 2000050}, {199, 200000}, {210, 2000050}, {221, 124003}, {232, 2000050},
                            {243, 29001}, {287, 75000}});
    std::map<int, QString> roFields {{12, Z(11, 35025)}};
    for (int position : {23, 34, 45, 56, 67, 78, 89, 111, 122, 133})
        roFields[position] = Z(11, 0);
    const QString ro = Line("RO", roFields);

    std::map<int, QString> rtFields {{3, "0000002"}};
    const std::map<int, qint64> rtAmounts {{10, 5000050}, {25, 500000}, {40, 5000050}, {55, 316203}, {70, 5100050},
                                           {85, 73951}, {100, 100000}, {145, 225000}, {295, 400000}};
    for (int position : {10, 25, 40, 55, 70, 85, 100, 130, 145, 160, 175, 190, 205, 235, 250, 265, 280, 295, 310, 325,
                         340, 355, 370, 385, 400})
        rtFields[position] = Z(15, rtAmounts.count(position) ? rtAmounts.at(position) : 0);
    const QString rt = Line("RT", rtFields);
    std::map<int, QString> ruFields {{3, "0000001"}, {10, Z(15, 35025)}};
    for (int position : {25, 40, 55, 70, 85, 100, 115, 145, 160, 175})
        ruFields[position] = Z(15, 0);
    const QString ru = Line("RU", ruFields);
    const QString rf = Line("RF", {{8, "000000002"}});

    const QString clientFile = files.efw2Dir + QStringLiteral("ACME.txt");
    const QStringList expected {ra, re, rw1, rw2, ro, rt, ru, rf};
    EXPECT_EQ(ReadTestFile(clientFile), (expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    EXPECT_EQ(EFW2FileFaults(ReadTestFile(clientFile)), QStringList());
    const QStringList lines = fileLines(clientFile);
    ASSERT_EQ(lines.size(), expected.size());
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].size(), 512);
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    }
    EXPECT_FALSE(QFileInfo(clientFile).permissions()
                 & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
    // A client alone: the multi-client file is not touched, the run counts the client.
    EXPECT_FALSE(QFileInfo::exists(files.masterFile));
    EXPECT_EQ(run.submitter.TotalRecords, 2);
    ASSERT_EQ(ReadProcessedClients(files.processedClientsFile).size(), 1);
    EXPECT_EQ(ReadProcessedClients(files.processedClientsFile)[0].name, QStringLiteral("Acme Tools"));
}

// The checks the files of these tests pass are worth something only if they fail a faulty file.
TEST_F(EFW2FileTest, TheFileChecksFindWhatAReceiverRefuses)
{
    ASSERT_EQ(ProcessClient(files, run, CompanyRec.Name, CompanyFileName), 2);
    const QByteArray good = ReadTestFile(files.efw2Dir + QStringLiteral("ACME.txt"));
    ASSERT_EQ(EFW2FileFaults(good), QStringList());
    const qsizetype rw = good.indexOf("\r\nRW") + 2;
    const qsizetype rt = good.indexOf("\r\nRT") + 2;
    const qsizetype rf = good.indexOf("\r\nRF") + 2;
    const struct {
        const char* fault;
        std::function<void(QByteArray&)> spoil;
    } cases[] = {
        {"a small letter in a first name", [&](QByteArray& f) { f[rw + 12] = 'o'; }},
        {"a sharp s in a last name", [&](QByteArray& f) { f[rw + 42] = '\xdf'; }},
        {"a period in a last name", [&](QByteArray& f) { f[rw + 42] = '.'; }},
        {"no first name", [&](QByteArray& f) { f.replace(rw + 11, 15, QByteArray(15, ' ')); }},
        {"RT counting one", [&](QByteArray& f) { f.replace(rt + 2, 7, "0000001"); }},
        {"RF counting three", [&](QByteArray& f) { f.replace(rf + 7, 9, "000000003"); }},
        {"a short line", [&](QByteArray& f) { f.remove(rt + 100, 1); }},
        {"no CR", [&](QByteArray& f) { f.remove(rt - 2, 1); }},
        {"RW before RE", [&](QByteArray& f) { f.replace(rw - 514, 2, "RW"); }},
    };
    for (const auto& c : cases) {
        QByteArray spoiled = good;
        c.spoil(spoiled);
        EXPECT_FALSE(EFW2FileFaults(spoiled).isEmpty()) << c.fault;
    }
}

TEST(EFW2FieldsTest, MoneyIsWholeCentsZeroFilled)
{
    const struct {
        double amount;
        const char* written;
    } cases[] = {{1234.56, "00000123456"}, {0.005, "00000000001"}, {0.004, "00000000000"}, {0, "00000000000"},
                 {-0.004, "00000000000"}, {999999999.99, "99999999999"}};
    for (const auto& c : cases)
        EXPECT_EQ(EFW2Money(EFW2Cents(c.amount, QStringLiteral("x"), QStringLiteral("y")), 11, QStringLiteral("x"),
                            QStringLiteral("y")),
                  QByteArray(c.written))
            << c.amount;
}

TEST(EFW2FieldsTest, TextsAreUpperPlainAsciiOfTheirWidth)
{
    EXPECT_EQ(EFW2Text(QString::fromUtf8("Jos\xc3\xa9"), 6, QStringLiteral("e"), QStringLiteral("f")), QByteArray("JOSE  "));
    EXPECT_EQ(EFW2Text(QStringLiteral("a@B.com"), 8, QStringLiteral("e"), QStringLiteral("f"), false), QByteArray("a@B.com "));
    EXPECT_EQ(EFW2Text(QStringLiteral("Longer than four"), 4, QStringLiteral("e"), QStringLiteral("f")), QByteArray("LONG"));
    EXPECT_EQ(EFW2Text(QString::fromUtf8("Stra\xc3\x9f" "e"), 10, QStringLiteral("e"), QStringLiteral("f")), QByteArray("STRASSE   "));
    EXPECT_EQ(EFW2Text(QString::fromUtf8("\xc3\x86sir Stra\xc3\x9f" "e"), 14, QStringLiteral("e"), QStringLiteral("f"), false),
              QByteArray("AEsir Strasse "));
    try {
        EFW2Text(QString::fromUtf8("Stra\xc3\x9f" "e 4\xc2\xbd"), 10, QStringLiteral("employee Ann Lee"), QStringLiteral("address"));
        FAIL() << "a half went through";
    } catch (const EEFW2DataException& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("address of employee Ann Lee"))) << e.what();
    }
}

TEST_F(EFW2FileTest, AmountsThatCannotBeFiledAreRefusedNamingEmployeeAndField)
{
    const struct {
        double wages;
        const char* says;
    } cases[] = {{-50.0, "negative"}, {1000000000.0, "too large"}};
    for (const auto& c : cases) {
        module->RSEmployee.SetCurrentRecord(2);
        module->RSEmployee.GetRec();
        EmployeeRec.FedEarnings[kYearToDateColumn] = c.wages;
        module->RSEmployee.PostRec();
        try {
            ProcessClient(files, run, CompanyRec.Name, CompanyFileName);
            FAIL() << c.wages << " was written";
        } catch (const EEFW2DataException& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("box 1 wages"))) << e.what();
            EXPECT_TRUE(e.message().contains(QStringLiteral("employee Ann Lee"))) << e.what();
            EXPECT_TRUE(e.message().contains(QLatin1String(c.says))) << e.what();
        }
        EXPECT_FALSE(QFileInfo::exists(files.efw2Dir + QStringLiteral("ACME.txt")));
        EXPECT_EQ(run.submitter.TotalRecords, 0);
    }
}

TEST_F(EFW2FileTest, EmployeesTheFileCannotCarryAreRefused)
{
    const struct {
        const char* ssn;
        const char* last;
        const char* says;
    } cases[] = {{"12-345", "Lee", "Social Security number"},
                 {"345-67-8901", "", "first and last name"},
                 {"345-67-8901", "Lee 2nd", "last name of employee Ann Lee 2nd (345-67-8901) holds the character \"2\""},
                 {"345-67-8901", "Lee.", "holds the character \".\"; a name may hold only letters"}};
    for (const auto& c : cases) {
        module->RSEmployee.SetCurrentRecord(2);
        module->RSEmployee.GetRec();
        EmployeeRec.SocSecNum = QString::fromLatin1(c.ssn);
        EmployeeRec.LastName = QString::fromLatin1(c.last);
        module->RSEmployee.PostRec();
        try {
            ProcessClient(files, run, CompanyRec.Name, CompanyFileName);
            FAIL() << c.says;
        } catch (const EEFW2DataException& e) {
            EXPECT_TRUE(e.message().contains(QLatin1String(c.says))) << e.what();
            EXPECT_TRUE(e.message().contains(QStringLiteral("employee Ann"))) << e.what();
        }
    }
}

TEST_F(EFW2FileTest, CompanyWithoutKindOfEmployerOrPayerIsRefused)
{
    for (int mark : {8, 1}) {
        fillCompany();
        CompanyRec.FW3ChkMark[mark] = false;
        EXPECT_THROW(ProcessClient(files, run, CompanyRec.Name, CompanyFileName), EEFW2DataException) << mark;
    }
    EXPECT_FALSE(QFileInfo::exists(files.processedClientsFile));
}

TEST_F(EFW2FileTest, ForeignCompanyAddressLeavesTheUSFieldsBlank)
{
    CompanyRec.ForeignAdr = true;
    CompanyRec.ForeignProvCo = QStringLiteral("Ontario");
    CompanyRec.ForeignZipCode = QStringLiteral("K1A 0B1");
    CompanyRec.ForeignCountry = QStringLiteral("CA");
    const QByteArray re = EmployerLine(CompanyRec);
    EXPECT_EQ(re.mid(162, 11), QByteArray(11, ' '));
    EXPECT_EQ(re.mid(178, 23).trimmed(), QByteArray("ONTARIO"));
    EXPECT_EQ(re.mid(201, 15).trimmed(), QByteArray("K1A 0B1"));
    EXPECT_EQ(re.mid(216, 2), QByteArray("CA"));
    CompanyRec.ForeignAdr = false;
    EXPECT_EQ(EmployerLine(CompanyRec).mid(178, 40), QByteArray(40, ' '));
}

TEST_F(EFW2FileTest, Box12AmountsOfACodeAddUp)
{
    module->RSEmployee.SetCurrentRecord(2);
    module->RSEmployee.GetRec();
    EXPECT_DOUBLE_EQ(Box12Sum(EmployeeRec, QStringLiteral("D")), 750);
    const QByteArray rw = EmployeeLine(EmployeeRec, EmployeeAmounts(EmployeeRec, false));
    EXPECT_EQ(rw.mid(286, 11), QByteArray("00000075000"));
}

TEST_F(EFW2FileTest, EmployeeWithOnlyCodeIIGetsARecord)
{
    addEmployee(QStringLiteral("Ward"), QStringLiteral("Kim"));
    EmployeeRec.SocSecNum = QStringLiteral("456-78-9012");
    EmployeeRec.FW2Box12Code[1] = QStringLiteral("II");
    EmployeeRec.FW2Box12Amt[1] = 800;
    module->RSEmployee.PostRec();
    addEmployee(QStringLiteral("Nobody"), QStringLiteral("Ned"));
    EmployeeRec.SocSecNum = QStringLiteral("567-89-0123");
    module->RSEmployee.PostRec();
    EmployeeCount = module->RSEmployee.RecordCount();

    const EFW2EmployerBlock block = BuildEmployerBlock();
    EXPECT_EQ(block.wageRecords, 3);
    QStringList lines;
    for (const QByteArray& line : block.lines)
        lines << QString::fromLatin1(line);
    EXPECT_EQ(Kinds(lines), (QStringList {"RE", "RW", "RW", "RO", "RW", "RT", "RU"}));
    EXPECT_EQ(block.lines[5].mid(2, 7), QByteArray("0000003"));
}

TEST_F(EFW2FileTest, SubmitterChecksInOrder)
{
    EFW2SubmitterRecord s {};
    const char* const expected[] = {
        "Submitter's Employer Identification Number is required.", "BSO User ID must be 8 characters.",
        "Submitter Name is required.", "Submitter's Delivery address is required.", "Submitter's City is required.",
        "Submitter's State is required.", "Submitter's Zip Code must be 5 digits.",
        "Person to be contacted by SSA is required.", "Contact Person's telephone number is required.",
        "Contact Person's e-mail/internet address is required.", "Preparer Code is required."};
    EFW2SubmitterRecord full {};
    fillSubmitter(full);
    const auto fillers = std::vector<std::function<void()>> {
        [&] { s.EIN = full.EIN.get(); }, [&] { s.UserID = full.UserID.get(); },
        [&] { s.SubmitName = full.SubmitName.get(); }, [&] { s.SubmitAddr2 = full.SubmitAddr2.get(); },
        [&] { s.SubmitCity = full.SubmitCity.get(); }, [&] { s.SubmitState = full.SubmitState.get(); },
        [&] { s.SubmitZip = full.SubmitZip.get(); }, [&] { s.ContactName = full.ContactName.get(); },
        [&] { s.ContactPhone = full.ContactPhone.get(); }, [&] { s.ContactEmail = full.ContactEmail.get(); },
        [&] { s.PreparerCode = full.PreparerCode.get(); }};
    for (size_t i = 0; i < fillers.size(); ++i) {
        EXPECT_EQ(CheckSubmitter(s).message, QString::fromLatin1(expected[i]));
        fillers[i]();
    }
    EXPECT_TRUE(CheckSubmitter(s).field.isEmpty());

    const struct {
        std::function<void(EFW2SubmitterRecord&)> change;
        const char* field;
    } faults[] = {
        {[](EFW2SubmitterRecord& r) { r.ResubInd = QStringLiteral("1"); }, "ResubID"},
        {[](EFW2SubmitterRecord& r) { r.ZipCode = QStringLiteral("170"); }, "ZipCode"},
        {[](EFW2SubmitterRecord& r) { r.ZipCodeExt = QStringLiteral("12"); }, "ZipCodeExt"},
        {[](EFW2SubmitterRecord& r) { r.CountryCode = QStringLiteral("CA"); }, "CountryCode"},
        {[](EFW2SubmitterRecord& r) { r.SubmitZipExt = QStringLiteral("1"); }, "SubmitZipExt"},
        {[](EFW2SubmitterRecord& r) { r.ContactEmail = QStringLiteral("nobody"); }, "ContactEmail"},
        {[](EFW2SubmitterRecord& r) { r.ContactFax = QStringLiteral("717-55 -    "); }, "ContactFax"},
    };
    for (const auto& fault : faults) {
        EFW2SubmitterRecord r = full;
        fault.change(r);
        EXPECT_EQ(CheckSubmitter(r).field, QString::fromLatin1(fault.field));
    }
}

TEST_F(EFW2FileTest, TwoClientsMakeOneMultiClientFile)
{
    run.submitter.ExcludeFinal = true;
    ProcessClient(files, run, CompanyRec.Name, CompanyFileName);
    EXPECT_TRUE(run.submitter.ExcludeSubmitter);
    EXPECT_EQ(Kinds(fileLines(files.masterFile)), (QStringList {"RA", "RE", "RW", "RW", "RO", "RT", "RU"}));

    const QString firstCompanyFile = CompanyFileName;
    module->RSEmployee.CloseRecSet();
    openClient(QStringLiteral("BETA"));
    fillCompany();
    CompanyRec.Name = QStringLiteral("Beta Works");
    addEmployees();
    EXPECT_TRUE(IsProcessed(run.processed, firstCompanyFile, QStringLiteral("Acme Tools")));
    EXPECT_FALSE(IsProcessed(run.processed, CompanyFileName, QStringLiteral("Acme Tools")));

    // The second client is designated the final one.
    run.submitter.ExcludeFinal = false;
    run.submitter.FinalPending = true;
    const EFW2Run before = run;
    const QByteArray submitterBefore = ReadTestFile(files.submitterFile);
    const QByteArray listBefore = ReadTestFile(files.processedClientsFile);
    const QByteArray masterBefore = ReadTestFile(files.masterFile);
    const QString secondFile = files.efw2Dir + QStringLiteral("BETA.txt");
    // Every write of the step fails in turn: none changes anything; then it goes through once.
    for (int failAt = 1;; ++failAt) {
        ASSERT_LT(failAt, 100);
        FailingFileOperations failing({FileOperation::Open, FileOperation::Write, FileOperation::Sync,
                                       FileOperation::Close, FileOperation::Rename},
                                      failAt, EACCES);
        try {
            ProcessClient(files, run, CompanyRec.Name, CompanyFileName);
        } catch (const EInOutError&) {
            EXPECT_EQ(ReadTestFile(files.submitterFile), submitterBefore) << failAt;
            EXPECT_EQ(ReadTestFile(files.processedClientsFile), listBefore) << failAt;
            EXPECT_EQ(ReadTestFile(files.masterFile), masterBefore) << failAt;
            EXPECT_FALSE(QFileInfo::exists(secondFile)) << failAt;
            EXPECT_EQ(run.submitter.TotalRecords, before.submitter.TotalRecords);
            EXPECT_EQ(run.masterLines, before.masterLines);
            EXPECT_EQ(run.processed.size(), 1);
            continue;
        }
        break;
    }

    EXPECT_EQ(Kinds(fileLines(files.masterFile)),
              (QStringList {"RA", "RE", "RW", "RW", "RO", "RT", "RU", "RE", "RW", "RW", "RO", "RT", "RU", "RF"}));
    EXPECT_EQ(fileLines(files.masterFile).last(), Line("RF", {{8, "000000004"}}));
    EXPECT_EQ(Kinds(fileLines(secondFile)), (QStringList {"RA", "RE", "RW", "RW", "RO", "RT", "RU", "RF"}));
    EXPECT_EQ(fileLines(secondFile).last(), Line("RF", {{8, "000000002"}}));
    EXPECT_EQ(Kinds(fileLines(files.efw2Dir + QStringLiteral("ACME.txt"))).last(), QStringLiteral("RF"));
    EXPECT_EQ(run.submitter.TotalRecords, 4);

    EFW2Run stored;
    LoadRun(files, stored);
    EXPECT_EQ(stored.submitter.TotalRecords, 4);
    EXPECT_EQ(stored.processed.size(), 2);
    EXPECT_EQ(stored.masterLines, run.masterLines);

    ResetRun(files, run);
    EXPECT_FALSE(QFileInfo::exists(files.masterFile));
    EXPECT_FALSE(QFileInfo::exists(files.processedClientsFile));
    EXPECT_TRUE(QFileInfo::exists(secondFile));
    LoadRun(files, stored);
    EXPECT_EQ(stored.submitter.TotalRecords, 0);
    EXPECT_FALSE(stored.submitter.FinalPending);
}

// Acme Tools processed into a multi-client file; Beta Works, designated the last client, open.
class EFW2RunStepTest : public EFW2FileTest {
protected:
    void SetUp() override
    {
        EFW2FileTest::SetUp();
        run.submitter.ExcludeFinal = true;
        ProcessClient(files, run, CompanyRec.Name, CompanyFileName);
        firstClientFile = EFW2ClientFileName(files.efw2Dir, CompanyFileName);
        module->RSEmployee.CloseRecSet();
        openClient(QStringLiteral("BETA"));
        fillCompany();
        CompanyRec.Name = QStringLiteral("Beta Works");
        addEmployees();
    }

    // The user's marks for the last client, as the screen sets them before each Process.
    void processLastClient()
    {
        run.submitter.ExcludeFinal = false;
        run.submitter.FinalPending = true;
        ProcessClient(files, run, CompanyRec.Name, CompanyFileName);
    }

    // Every client has two wage records; the next opening loads the run from its files.
    JournaledStep step(std::function<void()> act)
    {
        return {{files.submitterFile, files.processedClientsFile, files.masterFile, firstClientFile,
                 EFW2ClientFileName(files.efw2Dir, CompanyFileName)},
                {QFileInfo(files.submitterFile).absolutePath(), files.efw2Dir},
                EFW2RunJournalFile(files.submitterFile),
                [this, before = run] { run = before; },
                std::move(act),
                [this] {
                    LoadRun(files, run);
                    EXPECT_EQ(run.submitter.TotalRecords, 2 * run.processed.size());
                }};
    }

    JournaledStep processStep()
    {
        return step([this] { processLastClient(); });
    }

    JournaledStep resetStep()
    {
        processLastClient();
        return step([this] { ResetRun(files, run); });
    }

    QString firstClientFile;
};

TEST_F(EFW2RunStepTest, EachFailingFileOperationOfProcessChangesNothingAndARetryCountsOnce)
{
    ExpectFaultsChangeNothing(processStep(), messages);
}

TEST_F(EFW2RunStepTest, AStopDuringProcessIsFinishedOrUndoneAtTheNextOpening)
{
    ExpectStopsFinishOrUndo(processStep(), messages);
}

TEST_F(EFW2RunStepTest, EachFailingFileOperationOfResetChangesNothing)
{
    ExpectFaultsChangeNothing(resetStep(), messages);
}

TEST_F(EFW2RunStepTest, AStopDuringResetIsFinishedOrUndoneAtTheNextOpening)
{
    ExpectStopsFinishOrUndo(resetStep(), messages);
}

} // namespace

namespace {

TEST_F(EFW2FileTest, PipesInPlaceOfTheRunsFilesAreRefusedNamingThem)
{
    ASSERT_TRUE(QDir().mkpath(files.efw2Dir));
    for (const QString& file : {files.processedClientsFile, files.masterFile}) {
        SCOPED_TRACE(file.toStdString());
        ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        EFW2Run loaded;
        try {
            LoadRun(files, loaded);
            ADD_FAILURE() << "a pipe was read";
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.message(), file + QStringLiteral(" is a pipe, not a file."));
        }
        ASSERT_TRUE(QFile::remove(file));
    }
}

TEST_F(EFW2FileTest, ATotalTheFinalRecordCannotCountIsRefusedBeforeAnythingIsWritten)
{
    run.submitter.TotalRecords = 999'999'999;
    SaveSubmitterFile(files.submitterFile, run.submitter);
    const QByteArray submitterBefore = ReadTestFile(files.submitterFile);
    EXPECT_THROW(ProcessClient(files, run, CompanyRec.Name, CompanyFileName), EFieldException);
    EXPECT_EQ(run.submitter.TotalRecords, 999'999'999);
    EXPECT_EQ(ReadTestFile(files.submitterFile), submitterBefore);
    EXPECT_FALSE(QFileInfo::exists(files.efw2Dir + QStringLiteral("ACME.txt")));
}

} // namespace
