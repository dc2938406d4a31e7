#include "client/DirectDepositFile.h"

#include "client/EmployeeLoop.h"
#include "client/FileNames.h"
#include "client/PayRecords.h"
#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "platform/Exceptions.h"
#include "platform/FileReplacement.h"
#include "platform/Windows1252.h"

#include <QFile>

namespace {

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

void RemoveOldFile(const QString& fileName)
{
    QFile old(fileName);
    if (old.exists() && !old.remove())
        throw EInOutError(QStringLiteral("Unable to delete %1: %2").arg(fileName, old.errorString()));
}

void WriteFile(const QString& fileName, const QByteArray& bytes)
{
    FileReplacement file(fileName);
    if (!file.open())
        throw EInOutError(QStringLiteral("Unable to create %1: %2").arg(fileName, file.errorString()));
    if (!file.write(bytes) || !file.commit())
        throw EInOutError(QStringLiteral("Unable to write %1: %2").arg(fileName, file.errorString()));
}

} // namespace

void ExportDirectDeposit()
{
    const QString fileName = ChangeFileExt(CurFileName, QStringLiteral(".txt"));
    RemoveOldFile(fileName);
    const int payDay = PayDay();
    QString lines;
    ForEachEmployee([&lines, payDay] {
        if (EmployeeRec.DirDeposit && EmployeeRec.NetPay[kCurrentColumn] > 0)
            lines += DepositLine(payDay);
    });
    if (!lines.isEmpty())
        WriteFile(fileName, ToWindows1252(lines));
}
