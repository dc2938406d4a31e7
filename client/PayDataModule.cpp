#include "client/PayDataModule.h"

#include "client/CityTaxRecord.h"
#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "client/FileNames.h"
#include "client/PayMRU.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/PostingJournal.h"
#include "client/StateTaxRecord.h"
#include "client/TaxTableFiles.h"
#include "components/ChangeJournal.h"
#include "components/StateTables.h"
#include "components/TextRoutines.h"
#include "platform/Exceptions.h"

#include <cstring>
#include <exception>
#include <utility>

TFrmDataModule* FrmDataModule = nullptr;

namespace {

const QString kOpenErrText = QStringLiteral("Unable to open database file");

struct RecordSetTexts {
    QString newErr;
    QString delErr;
    QString delMsg;
};

const RecordSetTexts kRecordTexts{
    QStringLiteral("Unable to create new record.~You have reached the maximum number of records that~"
                   "can be created with this version of the program."),
    QStringLiteral("Unable to delete current record~you cannot delete the first record when~"
                   "its the only record in the database."),
    QStringLiteral("Confirm request~Delete current record from database?"),
};

const RecordSetTexts kEmployeeTexts{
    QStringLiteral("Unable to create new employee.~You have reached the maximum number of records that~"
                   "can be created with this version of the program."),
    QStringLiteral("Unable to delete current employee.~You cannot delete the first employee when~"
                   "its the only record in the database."),
    QStringLiteral("Confirm request.~Delete current employee from database?"),
};

const RecordSetTexts kCityTexts{
    QStringLiteral("Unable to create new City record.~You have reached the maximum number of cities that can be created."),
    QStringLiteral("Unable to delete current city~you cannot delete the first city when~"
                   "its the only record in the database."),
    QStringLiteral("Confirm request.~Delete current city from database?"),
};

// The settings every record set of the client shares, and the copying between its buffer and
// its global record.
template <typename Record>
void Configure(TRecordSet& set, Record& global, int maxRec, bool showOpenMode, const RecordSetTexts& texts)
{
    set.SetRecSize(static_cast<int>(sizeof(Record)));
    set.SetMaxRec(maxRec);
    set.SetFileOpenMode(omOpenReadWrite);
    set.SetFileShareMode(smShareDenyWrite);
    set.SetAutoCreate(true);
    set.SetShowOpenMode(showOpenMode);
    set.SetOpenErrText(kOpenErrText);
    set.SetNewErrText(texts.newErr);
    set.SetDelErrText(texts.delErr);
    set.SetDelMsgText(texts.delMsg);
    set.OnAfterRead = [&global](TRecordSet& sender) { sender.CopyBufferTo(global); };
    set.OnBeforePost = [&global](TRecordSet& sender) { sender.CopyBufferFrom(global); };
    // A browse-only file takes no writes; its record goes unchanged.
    set.OnBeforeClose = [](TRecordSet& sender) {
        if (!sender.BrowseOnly())
            sender.PostRec();
    };
}

// Closes every record set given, also when one of them fails, and then reports the first failure.
void CloseAll(std::initializer_list<TRecordSet*> sets)
{
    std::exception_ptr failure;
    for (TRecordSet* set : sets) {
        try {
            set->CloseRecSet();
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

// Closes a record set without its close handlers, swallowing a failure: used only while another
// error is on its way to the user.
void CloseWithoutEvents(TRecordSet& set)
{
    const TRecordSetEvent beforeClose = std::exchange(set.OnBeforeClose, nullptr);
    const TRecordSetEvent afterClose = std::exchange(set.OnAfterClose, nullptr);
    try {
        set.CloseRecSet();
    } catch (...) {
        // The error that stopped the opening is the one to report.
    }
    set.OnBeforeClose = beforeClose;
    set.OnAfterClose = afterClose;
}

} // namespace

TFrmDataModule::TFrmDataModule(QObject* owner)
    : QObject(owner)
{
    RaveProject.ProjectFile = ReportProjectFileName();
    PasswordDialog.Prompt = QStringLiteral("Enter File Password");

    Configure(RSCompany, CompanyRec, 1000, false, kRecordTexts);
    Configure(RSEmployee, EmployeeRec, kMaxEmployees, true, kEmployeeTexts);
    Configure(RSState, StateTaxRec, StateCount, false, kRecordTexts);
    Configure(RSCity, CityTaxRec, kMaxCityRecords, false, kCityTexts);

    RSCompany.OnAfterRead = [this](TRecordSet& sender) { companyAfterRead(sender); };
    RSCompany.OnCreateFile = [this](TRecordSet& sender) { companyCreateFile(sender); };

    AddToRecentFiles = [](const QString& fileName) { ::AddToRecentFiles(fileName); };
    RSEmployee.OnBeforeOpen = [this](TRecordSet& sender) { employeeBeforeOpen(sender); };
    RSEmployee.OnAfterOpen = [this](TRecordSet& sender) { employeeAfterOpen(sender); };
    RSEmployee.OnAfterClose = [this](TRecordSet& sender) { employeeAfterClose(sender); };
    RSEmployee.OnCreateFile = [this](TRecordSet& sender) { employeeCreateFile(sender); };
    RSEmployee.OnAfterNewRec = [this](TRecordSet& sender) { employeeAfterNewRec(sender); };
    RSEmployee.OnAfterDelete = [](TRecordSet&) { RebuildRecIndex = true; };
    RSEmployee.OnBeforeDelete = [this](TRecordSet& sender) { employeeBeforeDelete(sender); };

    RSState.OnCreateFile = [this](TRecordSet& sender) { stateCreateFile(sender); };
    RSState.OnAfterOpen = [this](TRecordSet& sender) { stateAfterOpen(sender); };

    RSCity.OnCreateFile = [this](TRecordSet& sender) { cityCreateFile(sender); };
    RSCity.OnAfterOpen = [this](TRecordSet& sender) { cityAfterOpen(sender); };
    RSCity.OnBeforeDelete = [this](TRecordSet& sender) { cityBeforeDelete(sender); };

    if (!FrmDataModule)
        FrmDataModule = this;
}

TFrmDataModule::~TFrmDataModule()
{
    if (FrmDataModule == this)
        FrmDataModule = nullptr;
}

bool TFrmDataModule::OpenClient(const QString& fileName)
{
    CurFileName = fileName;
    RSEmployee.SetFileName(fileName);
    try {
        RecoverInterruptedChange(ChangeFileExt(fileName, kChangeJournalSuffix));
        RecoverInterruptedPosting(fileName);
        RSEmployee.OpenRecSet();
    } catch (...) {
        // The records in memory may belong to the half-opened client or to none: nothing is
        // written back, and the client does not enter the recent-files list.
        for (TRecordSet* set : {&RSEmployee, &RSCity, &RSState, &RSCompany})
            CloseWithoutEvents(*set);
        ForgetClient();
        throw;
    }
    if (!RSEmployee.Active()) {
        // The company file is still open when the employee file itself could not be opened.
        CloseAll({&RSCompany});
        ForgetClient();
    }
    return RSEmployee.Active();
}

void TFrmDataModule::ForgetClient()
{
    FileIsOpen = false;
    CurFileName.clear();
    RSEmployee.SetFileName(QString());
}

void TFrmDataModule::companyAfterRead(TRecordSet& sender)
{
    sender.CopyBufferTo(CompanyRec);
    CompanyCityStateZip = BuildCompanyCityStateZip();
}

// A new company file starts from the new-company image, never from whatever client the record
// in memory held last.
void TFrmDataModule::companyCreateFile(TRecordSet& sender)
{
    CompanyRec = NewCompanyRecord();
    sender.PostRec();
}

void TFrmDataModule::employeeBeforeOpen(TRecordSet& sender)
{
    FileIsOpen = true;
    CompanyFileName = ChangeFileExt(CurFileName, QStringLiteral(".C26"));
    RSCompany.SetFileName(CompanyFileName);
    RSCompany.OpenRecSet();
    if (RSCompany.Active()) {
        RSCompany.FirstRec();
        if (!IsBlank(CompanyRec.FilePassword.get()) && !SkipPasswordPrompt)
            AskFilePassword();
    }
    if (!RSCompany.Active())
        sender.Cancel();
}

void TFrmDataModule::employeeAfterOpen(TRecordSet& sender)
{
    if (UpdateRecentFilesMenu)
        UpdateRecentFilesMenu();
    RebuildRecIndex = true;
    sender.FirstRec();
    RSState.SetFileName(StateTableFileName);
    RSState.OpenRecSet();
    RSCity.SetFileName(CityTableFileName);
    RSCity.OpenRecSet();
    EmployeeCount = GetEmployeeCount();
}

void TFrmDataModule::employeeAfterClose(TRecordSet&)
{
    if (AddToRecentFiles)
        AddToRecentFiles(CurFileName);
    if (UpdateRecentFilesMenu)
        UpdateRecentFilesMenu();
    CloseAll({&RSCompany, &RSState, &RSCity});
}

// A new employee file starts from the new-employee image, whatever employee was read last.
void TFrmDataModule::employeeCreateFile(TRecordSet& sender)
{
    EmployeeRec = NewEmployeeRecord();
    sender.PostRec();
}

// The new record was written zero-filled and read into EmployeeRec; the defaults go into memory
// only, to be written when the new employee is saved.
void TFrmDataModule::employeeAfterNewRec(TRecordSet&)
{
    RebuildRecIndex = true;
    EmployeeRec = NewEmployeeRecord();
}

void TFrmDataModule::employeeBeforeDelete(TRecordSet&)
{
    if (EmployeeRec.NetPay[kYearToDateColumn] != 0)
        throw ERecordSetException(TildeToLineBreak(
            QStringLiteral("Unable  to  delete  the  current  employee  record!~~You cannot delete an employee with "
                           "accumulated~year-to-date totals.")));
}

void TFrmDataModule::stateCreateFile(TRecordSet& sender)
{
    StateTaxRec = NewStateTaxRecord(1);
    sender.PostRec();
    for (int k = 2; k <= StateCount; ++k) {
        sender.NewRec();
        StateTaxRec = NewStateTaxRecord(k);
        sender.PostRec();
    }
}

// Alaska's record carries the wage bases of the program's year, whatever the file held.
void TFrmDataModule::stateAfterOpen(TRecordSet& sender)
{
    sender.FirstRec();
    StateTaxRec.Abbreviation = QStringLiteral("AK");
    StateTaxRec.UnempMaxWage = kAlaskaUnempMaxWage;
    StateTaxRec.DisbMaxWage = kAlaskaDisbMaxWage;
    if (!sender.BrowseOnly())
        sender.PostRec();
}

void TFrmDataModule::cityCreateFile(TRecordSet& sender)
{
    std::memset(&CityTaxRec, 0, sizeof CityTaxRec);
    CityTaxRec.CityName = QStringLiteral("NONE");
    sender.PostRec();
}

void TFrmDataModule::cityAfterOpen(TRecordSet& sender)
{
    sender.FirstRec();
    CityTaxRec.CityName = QStringLiteral("NONE");
    if (!sender.BrowseOnly())
        sender.PostRec();
}

void TFrmDataModule::cityBeforeDelete(TRecordSet& sender)
{
    if (sender.CurrentRecord() == 1)
        throw ERecordSetException(QStringLiteral("This City record cannot be deleted."));
}

TFrmDataModule& DataModule()
{
    if (!FrmDataModule)
        throw ECustomException(QStringLiteral("The client files cannot be reached: the data module was not created."));
    return *FrmDataModule;
}

QString BuildCompanyCityStateZip()
{
    const QChar blank(' ');
    if (CompanyRec.ForeignAdr)
        return CompanyRec.City.get() + blank + CompanyRec.ForeignCountry.get() + blank + CompanyRec.ForeignProvCo.get()
               + blank + CompanyRec.ForeignZipCode.get();
    return CompanyRec.City.get() + blank + CompanyRec.State.get() + blank + CompanyRec.ZipCode.get();
}
