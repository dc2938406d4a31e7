#include "efw2/EFW2ClientFile.h"

#include "client/EFW2SettingsFiles.h"
#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/StagedCopy.h"
#include "efw2/EFW2Fields.h"
#include "efw2/EFW2Records.h"
#include "payroll/W2Recipients.h"
#include "platform/Exceptions.h"
#include "platform/FileOperations.h"
#include "platform/FileReplacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr QFileDevice::Permissions kReadOnly =
    QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;

QByteArray ReadWhole(const QString& fileName)
{
    QFile file(fileName);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("%1: %2").arg(fileName, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EInOutError(QStringLiteral("%1: %2").arg(fileName, file.errorString()));
    return bytes;
}

QString ProcessedClientsText(const QList<EFW2ProcessedClient>& clients)
{
    QString text;
    for (const EFW2ProcessedClient& client : clients)
        text += client.companyFile.isEmpty() ? client.name + QStringLiteral("\r\n")
                                             : client.name + QLatin1Char('\t') + client.companyFile + QStringLiteral("\r\n");
    return text;
}

// The submitter file's bytes with the record replaced and whatever followed it kept.
QByteArray SubmitterFileBytes(const QString& fileName, const EFW2SubmitterRecord& record)
{
    QByteArray bytes = ReadWhole(fileName);
    if (bytes.size() < qsizetype(sizeof record))
        bytes.resize(sizeof record, '\0');
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

void MakeFolder(const QString& folder)
{
    if (!QDir().mkpath(folder))
        throw EInOutError(QStringLiteral("%1: the folder cannot be created.").arg(folder));
}

// New contents for several files, replaced as one step; each is first written in full beside its
// target and read back, so a failure leaves every target as it was.
class FileSet {
public:
    void add(const QString& target, const QByteArray& bytes, bool readOnly)
    {
        if (!staging_.isValid())
            throw EInOutError(QStringLiteral("%1: %2").arg(staging_.path(), staging_.errorString()));
        const QString source = staging_.filePath(QString::number(files_.size()));
        if (const QString reason = ReplaceWholeFile(source, bytes); !reason.isEmpty())
            throw EInOutError(QStringLiteral("%1: %2").arg(target, reason));
        files_.push_back({target, readOnly, std::make_unique<StagedCopy>(source, target)});
    }

    void place()
    {
        std::vector<StagedCopy*> copies;
        for (auto& file : files_)
            copies.push_back(file.copy.get());
        switch (copies.size()) {
        case 1: PlaceCopies({copies[0]}); break;
        case 2: PlaceCopies({copies[0], copies[1]}); break;
        case 3: PlaceCopies({copies[0], copies[1], copies[2]}); break;
        case 4: PlaceCopies({copies[0], copies[1], copies[2], copies[3]}); break;
        default: break;
        }
        for (const auto& file : files_)
            if (file.readOnly && !QFile::setPermissions(file.target, kReadOnly))
                throw EInOutError(QStringLiteral("%1: the file cannot be made read-only.").arg(file.target));
    }

private:
    struct Staged {
        QString target;
        bool readOnly = false;
        std::unique_ptr<StagedCopy> copy;
    };
    QTemporaryDir staging_;
    std::vector<Staged> files_;
};

void RemoveIfThere(const QString& fileName)
{
    if (!QFileInfo::exists(fileName))
        return;
    if (const int error = RemoveFile(fileName))
        throw EInOutError(QStringLiteral("%1: %2").arg(fileName, SystemErrorText(error)));
}

} // namespace

EFW2EmployerBlock BuildEmployerBlock()
{
    EFW2EmployerBlock block;
    block.lines.append(EmployerLine(CompanyRec));
    EFW2EmployerTotals totals;
    ForEachEmployee([&] {
        if (!EmployeeGetsW2(EmployeeRec))
            return;
        const EFW2EmployeeAmounts amounts = EmployeeAmounts(EmployeeRec);
        block.lines.append(EmployeeLine(EmployeeRec, amounts));
        if (amounts.hasOptional())
            block.lines.append(OptionalEmployeeLine(amounts));
        totals.add(amounts);
    });
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
    const QString text = QString::fromUtf8(ReadWhole(fileName));
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
    LoadSubmitterFile(files.submitterFile, run.submitter);
    run.processed = ReadProcessedClients(files.processedClientsFile);
    run.masterLines.clear();
    const QString text = QString::fromLatin1(ReadWhole(files.masterFile));
    for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        run.masterLines.append(line);
}

int ProcessClient(const EFW2RunFiles& files, EFW2Run& run, const QString& companyName, const QString& companyFile)
{
    CheckHasW2Employees();
    const EFW2EmployerBlock block = BuildEmployerBlock();
    if (const EFW2SubmitterProblem problem = CheckSubmitter(run.submitter); !problem.field.isEmpty())
        throw EFieldException(problem.message);

    EFW2Run next = run;
    next.submitter.TotalRecords += block.wageRecords;
    next.processed.append({companyName, QFileInfo(companyFile).absoluteFilePath()});
    const EFW2ClientLines assembled = AssembleClientLines(
        QString::fromLatin1(SubmitterLine(run.submitter)), block, run.submitter.ExcludeSubmitter,
        run.submitter.ExcludeFinal, run.processed.isEmpty(), next.masterLines);
    const QStringList& clientLines = assembled.clientLines;
    if (assembled.excludeSubmitterNext)
        next.submitter.ExcludeSubmitter = true;

    MakeFolder(files.efw2Dir);
    FileSet set;
    set.add(EFW2ClientFileName(files.efw2Dir, companyFile), JoinEFW2Lines(clientLines), true);
    set.add(files.submitterFile, SubmitterFileBytes(files.submitterFile, next.submitter), false);
    set.add(files.processedClientsFile, ProcessedClientsText(next.processed).toUtf8(), false);
    if (!next.masterLines.isEmpty())
        set.add(files.masterFile, JoinEFW2Lines(next.masterLines), true);
    set.place();

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
    FileSet set;
    set.add(files.submitterFile, SubmitterFileBytes(files.submitterFile, next.submitter), false);
    RemoveIfThere(files.masterFile);
    RemoveIfThere(files.processedClientsFile);
    set.place();
    run = next;
}

void ReplaceFilesTogether(const QList<EFW2NewFile>& files)
{
    FileSet set;
    for (const EFW2NewFile& file : files)
        set.add(file.target, file.bytes, file.readOnly);
    set.place();
}

QByteArray ProcessedClientsBytes(const QList<EFW2ProcessedClient>& clients)
{
    return ProcessedClientsText(clients).toUtf8();
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
