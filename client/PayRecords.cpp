#include "client/PayRecords.h"

#include "client/ProgramWideFiles.h"
#include "client/StateTableCheck.h"
#include "platform/Folders.h"
#include "platform/Registry.h"

#include <cstring>

CompanyRecord CompanyRec;
EmployeeRecord EmployeeRec;
FederalTaxRecord FederalTaxRec;
StateTaxRecord StateTaxRec;
CityTaxRecord CityTaxRec;
PreparerRecord PreparerRec;
EFW2SubmitterRecord EFW2SubmitterRec;
NJStateFileRecord NJStateFileRec;

QString CurFileName;
QString CompanyFileName;
QString DataDir;
QString BackupDir;
QString QuarterlyDataDir;
QString TemplateFileName;
QString FederalTableFileName;
QString StateTableFileName;
QString CityTableFileName;
QString W2SubmitterFileName;
QString ReopenFileName;

QString RegistryRoot;
std::unique_ptr<Registry> AppRegistry;
QStringList MRUList;
QStringList EFW2MasterList;
QStringList NJEFW2MasterList;
QString FederalTaxPaymentURL;
QString StateTaxPaymentURL;
QString ActiveStyleName;
std::int32_t ScalingPercent = 100;
QString CompanyCityStateZip;

std::int32_t EmployeeCount = 0;
std::int32_t PriorPayPeriodIndex = 0;
std::int32_t W2W3VisitCount = 0;
bool FileIsOpen = false;
bool SkipPasswordPrompt = false;
bool RebuildRecIndex = false;
bool RecIndexLastNameFirst = false;
bool RecListChosen = false;
bool ManualEntryModified = false;
bool BackupCompleted = false;
bool OpenTaxPaymentSetup = false;
bool W4FromNewEmployee = false;
bool W4Processed = false;
bool PPPOtherFromManual = false;
bool FilingCopyDefault = false;
bool MaskSSNOnCopies = false;
bool W3TotalsComputed = false;
bool NoPrintPrepInfo = false;
std::uint8_t W2CopyType = 0;
std::uint8_t ReportKind = 0;
QString ReportDateText;
QString ReportPeriodText;
QString CustomReportName;
QString TaxFormPrintDateText;

std::vector<RecIndexData> RecIndex;

namespace {

template <typename Record>
void ZeroRecord(Record& record)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    std::memset(&record, 0, sizeof(Record));
}

} // namespace

void InitClientFileNames()
{
    DataDir = DocumentsDir() + QStringLiteral("Ledgora/2026/Data/");
    BackupDir = DataDir + QStringLiteral("Backup/");
    QuarterlyDataDir = DataDir + QStringLiteral("Quarterly_Data/");
    TemplateFileName = DataDir + QStringLiteral("TEMPLATE PAYROLL") + QStringLiteral(".P26");
    FederalTableFileName = FederalTableFile();
    StateTableFileName = ProgramWideFile(kStateTableFile);
    CityTableFileName = ProgramWideFile(kCityTableFile);
    W2SubmitterFileName = ProgramWideFile(kSubmitterFile);
}

QString ReportProjectFileName()
{
    return ProgramDir() + QStringLiteral("TAXFORMS.RAV");
}

void ResetClientState()
{
    ZeroRecord(CompanyRec);
    ZeroRecord(EmployeeRec);
    ZeroRecord(FederalTaxRec);
    ZeroRecord(StateTaxRec);
    ZeroRecord(CityTaxRec);
    ZeroRecord(PreparerRec);
    ZeroRecord(EFW2SubmitterRec);
    ZeroRecord(NJStateFileRec);

    CurFileName.clear();
    CompanyFileName.clear();
    ReopenFileName.clear();
    InitClientFileNames();
    PrepareProgramWideFiles();
    ResetStateTableWarnings();

    RegistryRoot.clear();
    AppRegistry.reset();
    MRUList.clear();
    EFW2MasterList.clear();
    NJEFW2MasterList.clear();
    FederalTaxPaymentURL.clear();
    StateTaxPaymentURL.clear();
    ActiveStyleName.clear();
    ScalingPercent = 100;
    CompanyCityStateZip.clear();

    EmployeeCount = 0;
    PriorPayPeriodIndex = 0;
    W2W3VisitCount = 0;
    FileIsOpen = false;
    SkipPasswordPrompt = false;
    RebuildRecIndex = false;
    RecIndexLastNameFirst = true;
    RecListChosen = false;
    ManualEntryModified = false;
    BackupCompleted = false;
    OpenTaxPaymentSetup = false;
    W4FromNewEmployee = false;
    W4Processed = false;
    PPPOtherFromManual = false;
    FilingCopyDefault = true;
    MaskSSNOnCopies = false;
    W3TotalsComputed = false;
    NoPrintPrepInfo = false;
    W2CopyType = 0;
    ReportKind = 0;
    ReportDateText.clear();
    ReportPeriodText.clear();
    CustomReportName.clear();
    TaxFormPrintDateText.clear();

    RecIndex.clear();
}
