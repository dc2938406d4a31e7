#include "efw2/EFW2ClientFile.h"

#include "client/EFW2SettingsFiles.h"
#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/ChangeJournal.h"
#include "efw2/EFW2Fields.h"
#include "efw2/EFW2Records.h"
#include "efw2/EFW2WageChecks.h"
#include "payroll/W2Recipients.h"
#include "platform/Exceptions.h"
#include "platform/FileOperations.h"
#include "platform/FileReading.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstring>

namespace {


QString ProcessedClientsText(const QList<EFW2ProcessedClient>& clients)
{
    QString text;
    for (const EFW2ProcessedClient& client : clients)
        text += client.companyFile.isEmpty() ? client.name + QStringLiteral("\r\n")
                                             : client.name + QLatin1Char('\t') + client.companyFile + QStringLiteral("\r\n");
    return text;
}

void MakeFolder(const QString& folder)
{
    if (!QDir().mkpath(folder))
        throw EInOutError(QStringLiteral("%1: the folder cannot be created.").arg(folder));
}

} // namespace

EFW2EmployerBlock BuildEmployerBlock(const std::function<void(QList<QByteArray>& lines)>& addStateLines)
{
    EFW2EmployerBlock block;
    block.lines.append(EmployerLine(CompanyRec));
    const bool section457 = HasSection457Plans(CompanyRec);
    EFW2WageChecks checks(EFW2EmploymentCode(CompanyRec));
    EFW2EmployerTotals totals;
    ForEachEmployee([&] {
        if (!EmployeeGetsW2(EmployeeRec))
            return;
        const EFW2EmployeeAmounts amounts = EmployeeAmounts(EmployeeRec, section457);
        checks.checkEmployee(EFW2EmployeeName(EmployeeRec), amounts);
        block.lines.append(EmployeeLine(EmployeeRec, amounts));
        if (amounts.hasOptional())
            block.lines.append(OptionalEmployeeLine(amounts));
        if (addStateLines)
            addStateLines(block.lines);
        totals.add(amounts);
    });
    checks.checkTotals(totals);
    checks.raiseRefusals();
    block.lines.append(TotalLine(totals));
    if (totals.optionalRecords > 0)
        block.lines.append(OptionalTotalLine(totals));
    block.wageRecords = totals.wageRecords;
    return block;
}

int CountW2Employees()
{
    int count = 0;
    ForEachEmployee([&] {
        if (EmployeeGetsW2(EmployeeRec))
            ++count;
    });
    return count;
}

void CheckHasW2Employees()
{
    if (CountW2Employees() == 0)
        throw ENoEmployeesException(QStringLiteral("This client file does not have any valid W-2 employees."));
}

QByteArray JoinEFW2Lines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

QByteArray ReadRunFile(const QString& fileName)
{
    return ReadRegularFileIfThere(fileName, kMaxRunFileBytes);
}

int CountWageRecords(const QStringList& lines)
{
    int count = 0;
    for (const QString& line : lines)
        if (line.startsWith(QLatin1String("RW")))
            ++count;
    return count;
}

QList<EFW2ProcessedClient> ReadProcessedClients(const QString& fileName)
{
    QList<EFW2ProcessedClient> clients;
    const QString text = QString::fromUtf8(ReadRunFile(fileName));
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r?\n")), Qt::SkipEmptyParts)) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        clients.append(tab < 0 ? EFW2ProcessedClient {line, QString()} : EFW2ProcessedClient {line.left(tab), line.mid(tab + 1)});
    }
    return clients;
}

bool IsProcessed(const QList<EFW2ProcessedClient>& clients, const QString& companyFile, const QString& name)
{
    const QString file = QFileInfo(companyFile).absoluteFilePath();
    for (const EFW2ProcessedClient& client : clients) {
        if (client.companyFile.isEmpty() ? client.name.compare(name, Qt::CaseInsensitive) == 0
                                         : QFileInfo(client.companyFile).absoluteFilePath() == file)
            return true;
    }
    return false;
}

QString EFW2DirOf(const QString& dataDir)
{
    return dataDir + QStringLiteral("EFW2/");
}

QString EFW2ClientFileName(const QString& efw2Dir, const QString& companyFile)
{
    return efw2Dir + QFileInfo(companyFile).completeBaseName() + QStringLiteral(".txt");
}

void LoadRun(const EFW2RunFiles& files, EFW2Run& run)
{
    RecoverInterruptedChange(EFW2RunJournalFile(files.submitterFile), {files.efw2Dir});
    LoadSubmitterFile(files.submitterFile, run.submitter);
    run.processed = ReadProcessedClients(files.processedClientsFile);
    run.masterLines = ReadMasterLines(files.masterFile);
}

QStringList ReadMasterLines(const QString& fileName)
{
    return QString::fromLatin1(ReadRunFile(fileName)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

int ProcessClient(const EFW2RunFiles& files, EFW2Run& run, const QString& companyName, const QString& companyFile)
{
    CheckHasW2Employees();
    const EFW2EmployerBlock block = BuildEmployerBlock();
    if (const EFW2SubmitterProblem problem = CheckSubmitter(run.submitter); !problem.field.isEmpty())
        throw EFieldException(problem.message);

    EFW2Run next = run;
    next.submitter.TotalRecords = RaisedRecordTotal(run.submitter.TotalRecords, block.wageRecords, files.submitterFile);
    next.processed.append({companyName, QFileInfo(companyFile).absoluteFilePath()});
    const EFW2ClientLines assembled = AssembleClientLines(
        QString::fromLatin1(SubmitterLine(run.submitter)), block, run.submitter.ExcludeSubmitter,
        run.submitter.ExcludeFinal, run.processed.isEmpty(), next.masterLines);
    const QStringList& clientLines = assembled.clientLines;
    if (assembled.excludeSubmitterNext)
        next.submitter.ExcludeSubmitter = true;

    MakeFolder(files.efw2Dir);
    SaveRunChange({EFW2RunJournalFile(files.submitterFile), QStringLiteral("The EFW2 Process of %1").arg(companyName),
                   files.submitterFile, SettingsFileBytes(files.submitterFile, &next.submitter, sizeof next.submitter),
                   files.processedClientsFile, next.processed, files.masterFile, next.masterLines,
                   EFW2ClientFileName(files.efw2Dir, companyFile), clientLines});
    run = next;
    return block.wageRecords;
}

void ResetRun(const EFW2RunFiles& files, EFW2Run& run)
{
    EFW2Run next = run;
    next.submitter.TotalRecords = 0;
    next.submitter.FinalPending = false;
    next.submitter.ExcludeSubmitter = false;
    next.submitter.ExcludeFinal = false;
    next.processed.clear();
    next.masterLines.clear();
    SaveRunChange({EFW2RunJournalFile(files.submitterFile), QStringLiteral("The EFW2 Reset"), files.submitterFile,
                   SettingsFileBytes(files.submitterFile, &next.submitter, sizeof next.submitter),
                   files.processedClientsFile, {}, files.masterFile, {}, {}, {}});
    run = next;
}

QString EFW2RunJournalFile(const QString& settingsFile)
{
    return settingsFile + kChangeJournalSuffix;
}

void SaveRunChange(const EFW2RunChange& change)
{
    QList<FileChange> files;
    if (!change.clientFile.isEmpty())
        files.append({change.clientFile, JoinEFW2Lines(change.clientLines), false, true});
    files.append({change.settingsFile, change.settingsBytes, false, false});
    files.append({change.processedClientsFile, ProcessedClientsText(change.processed).toUtf8(),
                  change.processed.isEmpty(), false});
    files.append({change.masterFile, JoinEFW2Lines(change.masterLines), change.masterLines.isEmpty(), true});
    ApplyJournaledChange(change.journalFile, change.description, files);
}

QByteArray SettingsFileBytes(const QString& fileName, const void* record, qsizetype size)
{
    QByteArray bytes = ReadRunFile(fileName);
    if (bytes.size() < size)
        bytes.resize(size, '\0');
    std::memcpy(bytes.data(), record, size);
    return bytes;
}

EFW2ClientLines AssembleClientLines(const QString& submitterLine, const EFW2EmployerBlock& block,
                                    bool excludeSubmitter, bool excludeFinal, bool firstClient,
                                    QStringList& masterLines)
{
    QStringList employerLines;
    for (const QByteArray& line : block.lines)
        employerLines.append(QString::fromLatin1(line));

    EFW2ClientLines assembled;
    assembled.clientLines =
        QStringList {submitterLine} + employerLines + QStringList {QString::fromLatin1(FinalLine(block.wageRecords))};
    if (excludeSubmitter || excludeFinal) {
        if (!excludeSubmitter)
            masterLines.append(submitterLine);
        masterLines += employerLines;
        if (!excludeFinal)
            masterLines.append(QString::fromLatin1(FinalLine(CountWageRecords(masterLines))));
        assembled.excludeSubmitterNext = excludeFinal && firstClient;
    }
    return assembled;
}
