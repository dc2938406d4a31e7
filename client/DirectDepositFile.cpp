#include "client/DirectDepositFile.h"

#include "client/EmployeeLoop.h"
#include "client/FileNames.h"
#include "client/PayRecords.h"
#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "platform/Exceptions.h"
#include "client/EmployeeRecord.h"
#include "platform/FileFingerprint.h"
#include "platform/FileOperations.h"
#include "platform/FileReading.h"
#include "platform/FileReplacement.h"
#include "platform/Windows1252.h"

#include <QFileInfo>

namespace {

// A line per employee; a file far larger was not written by the program.
constexpr qint64 kMaxDirectDepositBytes = 256 * kMaxEmployees;

bool BreaksLine(const QString& text)
{
    return text.contains(QChar(',')) || text.contains(QChar('\r')) || text.contains(QChar('\n'));
}

void RefuseCompanyField(const QString& text)
{
    if (BreaksLine(text))
        throw ECustomException(QStringLiteral(
            "The company's direct-deposit account I.D. holds a comma or a line break, which the direct-deposit file "
            "cannot carry.~Correct it on the company screen. No direct-deposit file was written."));
}

void RefuseEmployeeField(const QString& text, const QString& what)
{
    if (BreaksLine(text))
        throw ECustomException(QStringLiteral("The %1 of %2 holds a comma or a line break, which the direct-deposit "
                                              "file cannot carry.~Correct it on the employee screen. No direct-deposit "
                                              "file was written.")
                                   .arg(what, EmployeeRec.FullName.get().trimmed()));
}

// The day of the month of the pay date, 0 when the pay date is not a date.
int PayDay()
{
    const QString payDate = CompanyRec.PayDate.get();
    return IsValidDateStr(payDate) ? MidChars(payDate, 4, 2).toInt() : 0;
}

QString DepositLine(int payDay)
{
    const QString accountId = CompanyRec.AccountID.get();
    const QString name = EmployeeRec.FullName.get().left(22);
    const QString account = EmployeeRec.BankAcctNum.get();
    const QString routing = EmployeeRec.BankRouting.get();
    const QString employeeId = EmployeeRec.EmployeeID.get();
    RefuseCompanyField(accountId);
    RefuseEmployeeField(name, QStringLiteral("name"));
    RefuseEmployeeField(account, QStringLiteral("bank account number"));
    RefuseEmployeeField(routing, QStringLiteral("bank routing number"));
    RefuseEmployeeField(employeeId, QStringLiteral("employee I.D."));
    const QString accountType =
        EmployeeRec.AccountType.get() == QStringLiteral("Checking") ? QStringLiteral("22") : QStringLiteral("32");
    const QStringList fields{accountId, name, account, routing, employeeId,
                             FormatAmount(EmployeeRec.NetPay[kCurrentColumn], 2), QString::number(payDay), accountType};
    return fields.join(QChar(',')) + QStringLiteral(",\r\n");
}

QString DirectDepositFileName()
{
    return ChangeFileExt(CurFileName, QStringLiteral(".txt"));
}

} // namespace

QByteArray DirectDepositBytes()
{
    const int payDay = PayDay();
    QString lines;
    ForEachEmployee([&lines, payDay] {
        if (EmployeeRec.DirDeposit && EmployeeRec.NetPay[kCurrentColumn] > 0)
            lines += DepositLine(payDay);
    });
    return ToWindows1252(lines);
}

PostingDeposit CopyDirectDepositFile(const QString& backupFolder, const QByteArray& bytes)
{
    PostingDeposit deposit;
    if (!bytes.isEmpty())
        deposit.written = FingerprintOf(bytes);
    const QString fileName = DirectDepositFileName();
    if (!QFileInfo::exists(fileName))
        return deposit;
    const QByteArray former = ReadRegularFile(fileName, kMaxDirectDepositBytes);
    const QString copy = backupFolder + ExtractFileName(fileName);
    if (const QString error = ReplaceWholeFile(copy, former); !error.isEmpty())
        throw EInOutError(QStringLiteral("Unable to write %1: %2").arg(copy, error));
    deposit.former = {copy, FingerprintOf(former)};
    return deposit;
}

void WriteDirectDepositFile(const QByteArray& bytes)
{
    const QString fileName = DirectDepositFileName();
    if (bytes.isEmpty()) {
        if (const int error = RemoveFile(fileName))
            throw EInOutError(QStringLiteral("Unable to delete %1: %2").arg(fileName, SystemErrorText(error)));
        return;
    }
    if (const QString error = ReplaceWholeFile(fileName, bytes); !error.isEmpty())
        throw EInOutError(QStringLiteral("Unable to write %1: %2").arg(fileName, error));
}

void ExportDirectDeposit()
{
    WriteDirectDepositFile(DirectDepositBytes());
}
