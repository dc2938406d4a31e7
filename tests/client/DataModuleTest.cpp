#include "ClientFixture.h"
#include "JournaledStepChecks.h"

#include "client/FileNames.h"
#include "client/PasswordScramble.h"
#include "client/PayUtil.h"
#include "components/ChangeJournal.h"
#include "components/StateTables.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/FileOperations.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace {

template <typename Record>
Record ReadRecordFromFile(const QString& path, int number)
{
    const QByteArray bytes = ReadTestFile(path);
    Record record;
    std::memset(&record, 0, sizeof record);
    const qsizetype start = static_cast<qsizetype>(number - 1) * static_cast<qsizetype>(sizeof(Record));
    if (bytes.size() >= start + static_cast<qsizetype>(sizeof(Record)))
        std::memcpy(&record, bytes.constData() + start, sizeof record);
    else
        ADD_FAILURE() << path.toStdString() << " has no record " << number;
    return record;
}

qint64 FileSize(const QString& path)
{
    return QFileInfo(path).size();
}

} // namespace

using DataModuleTest = ClientTest;

TEST_F(DataModuleTest, RecordSetsCarryTheirSizesLimitsAndTexts)
{
    EXPECT_EQ(module->RSCompany.RecSize(), 13280);
    EXPECT_EQ(module->RSEmployee.RecSize(), 46104);
    EXPECT_EQ(module->RSState.RecSize(), 920);
    EXPECT_EQ(module->RSCity.RecSize(), 736);
    EXPECT_EQ(module->RSCompany.MaxRec(), 1000);
    EXPECT_EQ(module->RSEmployee.MaxRec(), 250);
    EXPECT_EQ(module->RSState.MaxRec(), 54);
    EXPECT_EQ(module->RSCity.MaxRec(), 32);
    for (TRecordSet* set : {&module->RSCompany, &module->RSEmployee, &module->RSState, &module->RSCity}) {
        EXPECT_EQ(set->FileShareMode(), smShareDenyWrite);
        EXPECT_EQ(set->FileOpenMode(), omOpenReadWrite);
        EXPECT_EQ(set->OpenErrText(), QStringLiteral("Unable to open database file"));
    }
    EXPECT_TRUE(module->RSEmployee.ShowOpenMode());
    EXPECT_FALSE(module->RSCompany.ShowOpenMode());
    EXPECT_EQ(module->RSEmployee.NewErrText(),
              QStringLiteral("Unable to create new employee.~You have reached the maximum number of records that~"
                             "can be created with this version of the program."));
    EXPECT_EQ(module->RSEmployee.DelMsgText(), QStringLiteral("Confirm request.~Delete current employee from database?"));
    EXPECT_EQ(module->RSCity.NewErrText(),
              QStringLiteral("Unable to create new City record.~You have reached the maximum number of cities that can be created."));
    EXPECT_EQ(module->RSCity.DelErrText(),
              QStringLiteral("Unable to delete current city~you cannot delete the first city when~its the only record in the database."));
    EXPECT_EQ(module->PasswordDialog.Prompt, QStringLiteral("Enter File Password"));
}

TEST_F(DataModuleTest, NewClientGetsDefaultsAndTheTaxTables)
{
    openClient();
    EXPECT_TRUE(FileIsOpen);
    EXPECT_EQ(CurFileName, clientPath());
    EXPECT_EQ(CompanyFileName, tempPath(QStringLiteral("ACME.C26")));
    EXPECT_EQ(EmployeeCount, 1);
    EXPECT_TRUE(RebuildRecIndex);

    const auto company = ReadRecordFromFile<CompanyRecord>(CompanyFileName, 1);
    EXPECT_EQ(std::memcmp(&company, &CompanyRec, sizeof company), 0);
    const CompanyRecord fresh = NewCompanyRecord();
    EXPECT_EQ(std::memcmp(&company, &fresh, sizeof company), 0);
    EXPECT_TRUE(company.PayrollPosted);
    EXPECT_EQ(company.CurrentState, 1);

    EXPECT_EQ(FileSize(CurFileName), 46104);
    const auto employee = ReadRecordFromFile<EmployeeRecord>(CurFileName, 1);
    const EmployeeRecord newEmployee = NewEmployeeRecord();
    EXPECT_EQ(std::memcmp(&employee, &newEmployee, sizeof employee), 0);
    EXPECT_EQ(employee.CityName.get(), QStringLiteral("NONE"));
    EXPECT_EQ(employee.CityIndex, 1);
    EXPECT_EQ(employee.UserMaxAmt[15], 999999.99);

    EXPECT_EQ(FileSize(StateTableFileName), 54 * 920);
    for (int k : {1, 2, 33, 54}) {
        const auto state = ReadRecordFromFile<StateTaxRecord>(StateTableFileName, k);
        EXPECT_EQ(state.Abbreviation.get(), QString::fromLatin1(StateCodes[static_cast<size_t>(k - 1)]));
        EXPECT_EQ(state.StateIndex, k);
    }
    const auto alaska = ReadRecordFromFile<StateTaxRecord>(StateTableFileName, 1);
    EXPECT_EQ(alaska.UnempMaxWage, 34100);
    EXPECT_EQ(alaska.DisbMaxWage, 31300);
    EXPECT_EQ(ReadRecordFromFile<StateTaxRecord>(StateTableFileName, 2).UnempMaxWage, 0);

    EXPECT_EQ(FileSize(CityTableFileName), 736);
    EXPECT_EQ(ReadRecordFromFile<CityTaxRecord>(CityTableFileName, 1).CityName.get(), QStringLiteral("NONE"));
}

// A client created while the records in memory still hold another client must not inherit it.
TEST_F(DataModuleTest, NewFilesNeverInheritTheRecordsInMemory)
{
    CompanyRec.Name = QStringLiteral("Old Client");
    CompanyRec.FilePassword = ScramblePassword(QStringLiteral("secret"));
    EmployeeRec.LastName = QStringLiteral("Leftover");
    openClient();
    EXPECT_TRUE(CompanyRec.Name.get().isEmpty());
    EXPECT_TRUE(CompanyRec.FilePassword.get().isEmpty());
    EXPECT_TRUE(EmployeeRec.LastName.get().isEmpty());
    EXPECT_TRUE(prompts.empty());
}

TEST_F(DataModuleTest, ReopeningKeepsTheTablesAndStampsRecordOne)
{
    openClient();
    module->RSState.SetCurrentRecord(1);
    module->RSState.GetRec();
    StateTaxRec.S_Over[3] = 12345;
    StateTaxRec.UnempMaxWage = 1;
    StateTaxRec.Abbreviation = QStringLiteral("ZZ");
    module->RSState.PostRec();
    module->RSCity.NewRec();
    CityTaxRec.CityName = QStringLiteral("NYC");
    module->RSCity.PostRec();
    module->RSCity.FirstRec();
    CityTaxRec.CityName = QStringLiteral("XXXX");
    CityTaxRec.WithValue = 1000;
    module->RSCity.PostRec();
    module->RSEmployee.CloseRecSet();
    EXPECT_FALSE(module->RSState.Active());
    EXPECT_FALSE(module->RSCity.Active());
    EXPECT_FALSE(module->RSCompany.Active());

    for (int round = 0; round < 2; ++round) {
        openClient();
        module->RSEmployee.CloseRecSet();
    }
    const auto alaska = ReadRecordFromFile<StateTaxRecord>(StateTableFileName, 1);
    EXPECT_EQ(alaska.Abbreviation.get(), QStringLiteral("AK"));
    EXPECT_EQ(alaska.StateIndex, 1);
    EXPECT_EQ(alaska.S_Over[3], 12345);
    EXPECT_EQ(alaska.UnempMaxWage, 34100);
    EXPECT_EQ(alaska.DisbMaxWage, 31300);
    EXPECT_EQ(FileSize(StateTableFileName), 54 * 920);
    const auto none = ReadRecordFromFile<CityTaxRecord>(CityTableFileName, 1);
    EXPECT_EQ(none.CityName.get(), QStringLiteral("NONE"));
    EXPECT_EQ(none.WithValue, 1000);
    EXPECT_EQ(ReadRecordFromFile<CityTaxRecord>(CityTableFileName, 2).CityName.get(), QStringLiteral("NYC"));
}

TEST_F(DataModuleTest, ClosingWritesBackAndReportsTheClientToTheRecentFiles)
{
    QStringList recent;
    int menuRefreshes = 0;
    module->AddToRecentFiles = [&recent](const QString& name) { recent << name; };
    module->UpdateRecentFilesMenu = [&menuRefreshes] { ++menuRefreshes; };
    openClient();
    EXPECT_EQ(menuRefreshes, 1);
    EmployeeRec.LastName = QStringLiteral("Unsaved");
    CompanyRec.Name = QStringLiteral("Acme Tools");
    module->RSEmployee.CloseRecSet();
    EXPECT_EQ(recent, QStringList{clientPath()});
    EXPECT_EQ(menuRefreshes, 2);
    EXPECT_EQ(ReadRecordFromFile<EmployeeRecord>(clientPath(), 1).LastName.get(), QStringLiteral("Unsaved"));
    EXPECT_EQ(ReadRecordFromFile<CompanyRecord>(CompanyFileName, 1).Name.get(), QStringLiteral("Acme Tools"));
}

TEST_F(DataModuleTest, OpeningAClientFinishesAChangeOfItsFilesThatAStopInterrupted)
{
    for (const char* name : {"ACME", "OTHER"}) {
        openClient(QLatin1String(name));
        CompanyRec.Name = QLatin1String(name);
        module->RSEmployee.CloseRecSet();
    }
    const QString otherEmployees = clientPath(QStringLiteral("OTHER"));
    const QString otherCompany = ChangeFileExt(otherEmployees, QStringLiteral(".C26"));
    const QString company = ChangeFileExt(clientPath(), QStringLiteral(".C26"));
    // OTHER's two files replace ACME's, stopped once the company file has taken its place.
    bool companyPlaced = false;
    const FileOperationFault previous = SetFileOperationFault([&](FileOperation operation, const QString& path) {
        if (operation == FileOperation::Rename && companyPlaced)
            throw SimulatedStop{};
        if (operation == FileOperation::Rename && path == company)
            companyPlaced = true;
        return 0;
    });
    EXPECT_THROW(ApplyJournaledChange(ChangeFileExt(clientPath(), kChangeJournalSuffix), QStringLiteral("The test copy"),
                                      {{company, ReadTestFile(otherCompany)}, {clientPath(), ReadTestFile(otherEmployees)}}),
                 SimulatedStop);
    SetFileOperationFault(previous);
    EXPECT_EQ(ReadRecordFromFile<CompanyRecord>(company, 1).Name.get(), QStringLiteral("OTHER"));

    messages.expect(IdOk, QStringLiteral("The test copy did not finish"));
    openClient();
    EXPECT_EQ(CompanyRec.Name.get(), QStringLiteral("OTHER"));
    EXPECT_FALSE(QFileInfo::exists(ChangeFileExt(clientPath(), kChangeJournalSuffix)));
}

TEST_F(DataModuleTest, CompanyAddressLineIsRebuiltAtEveryRead)
{
    openClient();
    CompanyRec.City = QStringLiteral("Dayton");
    CompanyRec.State = QStringLiteral("OH");
    CompanyRec.ZipCode = QStringLiteral("45402");
    module->RSCompany.PostRec();
    module->RSCompany.GetRec();
    EXPECT_EQ(CompanyCityStateZip, QStringLiteral("Dayton OH 45402"));

    CompanyRec.ForeignAdr = true;
    CompanyRec.City = QStringLiteral("Paris ");
    CompanyRec.ForeignCountry = QStringLiteral("FR");
    CompanyRec.ForeignProvCo = QStringLiteral("Ile-de-France");
    CompanyRec.ForeignZipCode = QStringLiteral("75001");
    module->RSCompany.PostRec();
    module->RSCompany.GetRec();
    EXPECT_EQ(CompanyCityStateZip, QStringLiteral("Paris  FR Ile-de-France 75001"));
}

// ---- Password ----

class PasswordTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        openClient();
        CompanyRec.FilePassword = ScramblePassword(QStringLiteral("Secret42"));
        module->RSEmployee.CloseRecSet();
    }
};

TEST_F(PasswordTest, RightPasswordOpensTheClient)
{
    typed = {QStringLiteral("Secret42")};
    EXPECT_TRUE(module->OpenClient(clientPath()));
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].caption, QStringLiteral("ACME.C26"));
    EXPECT_EQ(prompts[0].prompt, QStringLiteral("Enter File Password"));
    EXPECT_TRUE(FileIsOpen);
    EXPECT_TRUE(module->RSState.Active());
}

TEST_F(PasswordTest, TwoWrongThenRightOpensTheClient)
{
    typed = {QStringLiteral("secret42"), QStringLiteral("Secret42 "), QStringLiteral("Secret42")};
    messages.expect(IdOk, QStringLiteral("Incorrect Password"));
    messages.expect(IdOk, QStringLiteral("Incorrect Password"));
    EXPECT_TRUE(module->OpenClient(clientPath()));
    EXPECT_EQ(messages.last().flags, MbIconStop);
    EXPECT_EQ(messages.last().caption, QStringLiteral("Ledgora 2026"));
    EXPECT_EQ(messages.last().text, QStringLiteral("Incorrect Password"));
}

TEST_F(PasswordTest, ThreeWrongPasswordsLeaveNoClientOpen)
{
    const QByteArray companyBefore = ReadTestFile(CompanyFileName);
    typed = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    for (int i = 0; i < 3; ++i)
        messages.expect(IdOk, QStringLiteral("Incorrect Password"));
    EXPECT_FALSE(module->OpenClient(clientPath()));
    EXPECT_FALSE(FileIsOpen);
    EXPECT_TRUE(CurFileName.isEmpty());
    EXPECT_TRUE(module->RSEmployee.FileName().isEmpty());
    for (TRecordSet* set : {&module->RSCompany, &module->RSEmployee, &module->RSState, &module->RSCity})
        EXPECT_FALSE(set->Active());
    EXPECT_EQ(ReadTestFile(CompanyFileName), companyBefore);
}

TEST_F(PasswordTest, CancelEndsAtOnceWithoutMessage)
{
    typed = {std::nullopt};
    EXPECT_FALSE(module->OpenClient(clientPath()));
    EXPECT_EQ(prompts.size(), 1u);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_FALSE(FileIsOpen);
    EXPECT_TRUE(CurFileName.isEmpty());
    EXPECT_FALSE(module->RSCompany.Active());
}

TEST_F(PasswordTest, WrongThenCancelStopsAsking)
{
    typed = {QStringLiteral("nope"), std::nullopt};
    messages.expect(IdOk, QStringLiteral("Incorrect Password"));
    EXPECT_FALSE(module->OpenClient(clientPath()));
    EXPECT_EQ(prompts.size(), 2u);
}

TEST_F(PasswordTest, ProgramsOwnReopeningAsksNothing)
{
    SkipPasswordPrompt = true;
    EXPECT_TRUE(module->OpenClient(clientPath()));
    EXPECT_TRUE(prompts.empty());
}

TEST_F(PasswordTest, WithoutAPasswordWindowAProtectedClientStaysClosed)
{
    SetPasswordPromptHandler(nullptr);
    EXPECT_FALSE(module->OpenClient(clientPath()));
    EXPECT_FALSE(FileIsOpen);
}

TEST_F(DataModuleTest, ClientWithoutPasswordAsksNothing)
{
    openClient();
    module->RSEmployee.CloseRecSet();
    openClient();
    EXPECT_TRUE(prompts.empty());
}

// ---- Failures while opening ----

TEST_F(DataModuleTest, CompanyFileThatCannotBeOpenedLeavesNoClient)
{
    ASSERT_TRUE(QDir().mkpath(tempPath(QStringLiteral("ACME.C26"))));  // a folder where the file belongs
    messages.expect(IdOk, QStringLiteral("Unable to open database file\r") + tempPath(QStringLiteral("ACME.C26"))
                              + QStringLiteral(" is a folder, not a file."));
    EXPECT_FALSE(module->OpenClient(clientPath()));
    EXPECT_FALSE(FileIsOpen);
    EXPECT_TRUE(CurFileName.isEmpty());
    EXPECT_FALSE(QFile::exists(clientPath()));
}

TEST_F(DataModuleTest, DamagedEmployeeFileLeavesNothingOpen)
{
    openClient();
    module->RSEmployee.CloseRecSet();
    WriteTestFile(clientPath(), QByteArray());
    EXPECT_THROW(module->OpenClient(clientPath()), ERecordSetException);
    EXPECT_FALSE(FileIsOpen);
    EXPECT_TRUE(CurFileName.isEmpty());
    for (TRecordSet* set : {&module->RSCompany, &module->RSEmployee, &module->RSState, &module->RSCity})
        EXPECT_FALSE(set->Active());
}

// ---- Browse-only ----

TEST_F(DataModuleTest, SecondOpenerGetsTheClientBrowseOnly)
{
    // Files are held exclusively by the opener that created them, so the first opener opens an
    // existing client.
    openClient();
    EmployeeRec.LastName = QStringLiteral("First");
    module->RSEmployee.CloseRecSet();
    openClient();

    TFrmDataModule second;
    FrmDataModule = &second;
    messages.expect(IdOk, QStringLiteral(" is already in use!"));
    ASSERT_TRUE(second.OpenClient(clientPath()));
    EXPECT_TRUE(second.RSEmployee.BrowseOnly());
    EXPECT_TRUE(second.RSCompany.BrowseOnly());
    EXPECT_EQ(messages.last().text, clientPath() + QStringLiteral(" is already in use!\r\rThe file has been opened in browse only"
                                                                  " mode. You will not be able to record any changes."));
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("First"));
    EXPECT_THROW(CheckBrowseMode(), ERecordSetException);
    try {
        CheckBrowseMode();
    } catch (const ERecordSetException& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Function is not executable in browse mode."));
    }
    // Closing the browse-only client writes nothing and fails nothing.
    EmployeeRec.LastName = QStringLiteral("Changed");
    second.RSEmployee.CloseRecSet();
    EXPECT_FALSE(second.RSCompany.Active());

    FrmDataModule = module.get();
    EXPECT_NO_THROW(CheckBrowseMode());
    module->RSEmployee.GetRec();
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("First"));
}

// ---- New records and deletions ----

TEST_F(DataModuleTest, NewEmployeeGetsDefaultsInMemory)
{
    openClient();
    RebuildRecIndex = false;
    EmployeeRec.LastName = QStringLiteral("Kept");
    module->RSEmployee.PostRec();
    module->RSEmployee.NewRec();
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
    EXPECT_TRUE(RebuildRecIndex);
    const EmployeeRecord fresh = NewEmployeeRecord();
    EXPECT_EQ(std::memcmp(&EmployeeRec, &fresh, sizeof fresh), 0);
}

TEST_F(DataModuleTest, The251stEmployeeIsRefused)
{
    openClient();
    QByteArray bytes = ReadTestFile(clientPath());
    module->RSEmployee.CloseRecSet();
    bytes = bytes.repeated(250);
    WriteTestFile(clientPath(), bytes);
    openClient();
    EXPECT_EQ(EmployeeCount, 250);
    messages.expect(IdOk, QStringLiteral("Unable to create new employee."));
    module->RSEmployee.NewRec();
    EXPECT_EQ(GetEmployeeCount(), 250);
}

TEST_F(DataModuleTest, EmployeeWithYearToDateNetPayCannotBeDeleted)
{
    openClient();
    addEmployee(QStringLiteral("Adams"), QStringLiteral("Ann"));
    addEmployee(QStringLiteral("Brown"), QStringLiteral("Bob"));
    EmployeeRec.NetPay[4] = 0.01;
    module->RSEmployee.PostRec();
    messages.expect(IdOk, QStringLiteral("Delete current employee"));
    try {
        module->RSEmployee.DeleteRec();
        ADD_FAILURE() << "The deletion was not refused";
    } catch (const ERecordSetException& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unable  to  delete  the  current  employee  record!\r\rYou cannot delete an "
                                              "employee with accumulated\ryear-to-date totals."));
    }
    EXPECT_EQ(GetEmployeeCount(), 2);
}

TEST_F(DataModuleTest, EmployeeWithOtherYearToDateAmountsIsDeleted)
{
    openClient();
    addEmployee(QStringLiteral("Adams"), QStringLiteral("Ann"));
    addEmployee(QStringLiteral("Brown"), QStringLiteral("Bob"));
    EmployeeRec.GrossWages[4] = 500;
    EmployeeRec.FederalTax[4] = 500;
    module->RSEmployee.PostRec();
    RebuildRecIndex = false;
    messages.expect(IdOk, QStringLiteral("Delete current employee"));
    module->RSEmployee.DeleteRec();
    EXPECT_EQ(GetEmployeeCount(), 1);
    EXPECT_TRUE(RebuildRecIndex);
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Adams"));
}

TEST_F(DataModuleTest, OnlyEmployeeIsRefusedBeforeTheYearToDateTest)
{
    openClient();
    EmployeeRec.NetPay[4] = 100;
    module->RSEmployee.PostRec();
    messages.expect(IdOk, QStringLiteral("Unable to delete current employee."));
    EXPECT_NO_THROW(module->RSEmployee.DeleteRec());
    EXPECT_EQ(GetEmployeeCount(), 1);
}

TEST_F(DataModuleTest, CityRecordOneCannotBeDeleted)
{
    openClient();
    module->RSCity.NewRec();
    CityTaxRec.CityName = QStringLiteral("NYC");
    module->RSCity.PostRec();
    module->RSCity.FirstRec();
    messages.expect(IdOk, QStringLiteral("Delete current city"));
    EXPECT_THROW(module->RSCity.DeleteRec(), ERecordSetException);
    EXPECT_EQ(module->RSCity.RecordCount(), 2);

    module->RSCity.LastRec();
    messages.expect(IdOk, QStringLiteral("Delete current city"));
    module->RSCity.DeleteRec();
    EXPECT_EQ(module->RSCity.RecordCount(), 1);
}
