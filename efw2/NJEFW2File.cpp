#include "efw2/NJEFW2File.h"

#include "client/EFW2SettingsFiles.h"
#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/ProgramWideFiles.h"
#include "components/ChangeJournal.h"
#include "components/NumberRoutines.h"
#include "components/StateTables.h"
#include "efw2/EFW2Fields.h"
#include "efw2/EFW2Records.h"
#include "payroll/W2Recipients.h"
#include "platform/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace {

double Ytd(const TPeriodAmounts& amounts)
{
    return amounts[kYearToDateColumn];
}

bool Blank(const QString& text)
{
    return text.trimmed().isEmpty();
}

} // namespace

NJSubmitterRecord NJSubmitterRecord::From(const EFW2SubmitterRecord& submitter)
{
    NJSubmitterRecord copy;
    copy.fields = submitter;
    copy.fields.TotalRecords = 0;
    copy.fields.ExcludeSubmitter = false;
    copy.fields.ExcludeFinal = false;
    copy.fields.FinalPending = false;
    return copy;
}

QByteArray NJSubmitterLine(const NJSubmitterRecord& submitter)
{
    EFW2SubmitterRecord ra = submitter.fields;
    if (ra.ResubInd.get() != QLatin1String("1") || Blank(ra.ResubID))
        ra.ResubInd = QStringLiteral("0");
    return SubmitterLine(ra);
}

NJPlanProblem CheckNJPlans(const NJStateOptions& options)
{
    if (options.disabilityPlan && Blank(options.disabilityPlanId))
        return {QStringLiteral("DisbPlanNum"), QStringLiteral("The Disability Plan ID number is required.")};
    if (options.fliPlan && Blank(options.fliPlanId))
        return {QStringLiteral("FLIPlanNum"), QStringLiteral("The Family Leave Insurance Plan ID number is required.")};
    return {};
}

bool WorksInNewJersey(const EmployeeRecord& employee)
{
    return employee.WorkStateIndex == StateCodeIndex(QStringLiteral("NJ")) + 1;
}

QByteArray NJEmployerAccount(const CompanyRecord& company)
{
    const QByteArray stateId = EFW2Digits(company.StateID[StateCodeIndex(QStringLiteral("NJ")) + 1], 16).trimmed();
    if (stateId.size() == 12)
        return stateId;
    return EFW2Digits(company.FederalID, 9) + "000";
}

QByteArray NJStateLine(const CompanyRecord& company, const NJStateOptions& options)
{
    const EmployeeRecord& e = EmployeeRec;
    const QString owner = EFW2EmployeeName(e);
    const auto text = [&owner](const QString& value, int width, const char* field) {
        return EFW2Text(value.trimmed(), width, owner, QString::fromLatin1(field));
    };
    const auto money = [&owner](qint64 cents, int width, const char* field) {
        return EFW2Money(cents, width, owner, QString::fromLatin1(field));
    };
    const auto cents = [&owner](double amount, const char* field) {
        return EFW2Cents(amount, owner, QString::fromLatin1(field));
    };
    const QString zip = e.ZipCode;
    const qint64 fli = cents(MoneyTimes(Ytd(e.DisbEarnings), kNJFliRate), "family leave insurance");
    const qint64 disability = std::max<qint64>(0, cents(Ytd(e.DisbTax), "disability insurance withheld") - fli);
    int plan = 0;
    const bool pension = GetPayCategory(plan);
    return EFW2Line("RS")
        .at(3, "34")
        .at(5, options.testFile ? "T    " : "P    ")
        .at(10, EFW2Digits(e.SocSecNum, 9))
        .at(19, EFW2NameFields(e, owner))
        .at(95, text(e.Address, 22, "address"))
        .at(117, text(e.City, 22, "city"))
        .at(139, text(e.State, 2, "state"))
        .at(141, EFW2Digits(zip.left(5), 5))
        .at(146, EFW2Digits(zip.size() == 10 ? zip.right(4) : QString(), 4))
        .at(248, NJEmployerAccount(company))
        .at(276, money(cents(Ytd(e.StateEarning), "state wages"), 11, "state wages"))
        .at(287, money(cents(Ytd(e.StateTax), "state income tax"), 11, "state income tax"))
        .at(299, options.fliPlan ? "P" : " ")
        .at(300, options.fliPlan ? text(options.fliPlanId, 14, "family leave plan ID") : EFW2Blanks(14))
        .at(314, money(fli, 5, "family leave insurance"))
        .at(338, options.disabilityPlan ? "P" : " ")
        .at(339, options.disabilityPlan ? text(options.disabilityPlanId, 14, "disability plan ID") : EFW2Blanks(14))
        .at(353, money(cents(Ytd(e.UnempTax), "unemployment insurance withheld"), 5, "unemployment insurance withheld"))
        .at(358, money(disability, 5, "disability insurance withheld"))
        .at(363, pension ? "P" : " ")
        .at(364, plan == 1 ? "D" : " ")
        .at(365, money(cents(Ytd(e.Plan401k), "401(k) deferral"), 9, "401(k) deferral"))
        .finish();
}

EFW2EmployerBlock BuildNJEmployerBlock(const NJStateOptions& options)
{
    int stateRecords = 0;
    EFW2EmployerBlock block = BuildEmployerBlock([&options, &stateRecords](QList<QByteArray>& lines) {
        if (WorksInNewJersey(EmployeeRec)) {
            lines.append(NJStateLine(CompanyRec, options));
            ++stateRecords;
        }
    });
    block.stateRecords = stateRecords;
    return block;
}

NJEFW2RunFiles NJRunFiles(const QString& settingsDir, const QString& dataDir)
{
    const QString efw2Dir = EFW2DirOf(dataDir);
    return {settingsDir + QLatin1String(kNJStateFile), settingsDir + QLatin1String(kNJProcessedClientsFile), efw2Dir,
            efw2Dir + QStringLiteral("W2Report.txt")};
}

QString NJClientFileName(const QString& efw2Dir, const QString& companyFile)
{
    return efw2Dir + QStringLiteral("W2") + QFileInfo(companyFile).completeBaseName() + QStringLiteral(".txt");
}

void LoadNJRun(const NJEFW2RunFiles& files, NJEFW2Run& run)
{
    RecoverInterruptedChange(EFW2RunJournalFile(files.stateFile), {files.efw2Dir});
    NJEFW2Run next;
    LoadNJStateFile(files.stateFile, next.state);
    next.processed = ReadProcessedClients(files.processedClientsFile);
    next.masterLines = ReadMasterLines(files.masterFile);
    run = next;
}

int ProcessNJClient(const NJEFW2RunFiles& files, NJEFW2Run& run, const NJSubmitterRecord& submitter,
                    const NJStateOptions& options, const QString& companyName, const QString& companyFile)
{
    CheckHasW2Employees();
    if (const NJPlanProblem problem = CheckNJPlans(options); !problem.field.isEmpty())
        throw EFieldException(problem.message);
    const EFW2EmployerBlock block = BuildNJEmployerBlock(options);

    NJEFW2Run next = run;
    next.state.TotalRecords = RaisedRecordTotal(run.state.TotalRecords, block.stateRecords, files.stateFile);
    next.processed.append({companyName, QFileInfo(companyFile).absoluteFilePath()});
    const EFW2ClientLines assembled = AssembleClientLines(
        QString::fromLatin1(NJSubmitterLine(submitter)), block, run.state.ExcludeSubmitter,
        run.state.ExcludeFinal, run.processed.isEmpty(), next.masterLines);
    const QStringList& clientLines = assembled.clientLines;
    if (assembled.excludeSubmitterNext)
        next.state.ExcludeSubmitter = true;

    if (!QDir().mkpath(files.efw2Dir))
        throw EInOutError(QStringLiteral("%1: the folder cannot be created.").arg(files.efw2Dir));
    SaveRunChange({EFW2RunJournalFile(files.stateFile),
                   QStringLiteral("The New Jersey EFW2 Process of %1").arg(companyName), files.stateFile,
                   SettingsFileBytes(files.stateFile, &next.state, sizeof next.state), files.processedClientsFile,
                   next.processed, files.masterFile, next.masterLines, NJClientFileName(files.efw2Dir, companyFile),
                   clientLines});
    run = next;
    return block.stateRecords;
}

void ResetNJRun(const NJEFW2RunFiles& files, NJEFW2Run& run)
{
    NJEFW2Run next = run;
    next.state.TotalRecords = 0;
    next.state.FinalPending = false;
    next.state.ExcludeSubmitter = false;
    next.state.ExcludeFinal = false;
    next.processed.clear();
    next.masterLines.clear();
    SaveRunChange({EFW2RunJournalFile(files.stateFile), QStringLiteral("The New Jersey EFW2 Reset"), files.stateFile,
                   SettingsFileBytes(files.stateFile, &next.state, sizeof next.state), files.processedClientsFile, {},
                   files.masterFile, {}, {}, {}});
    run = next;
}
