#include "checks/CheckLayout.h"

#include "client/CompanyRecord.h"

CheckPositions StoredCheckPositions(const CompanyRecord& company)
{
    CheckPositions positions;
    positions.Payee = {company.vpFullName, company.hpFullName};
    positions.Name = {company.vpAddress1, company.hpAddress1};
    positions.Address = {company.vpAddress2, company.hpAddress2};
    positions.Date = {company.vpCheckDate, company.hpCheckDate};
    positions.Amount = {company.vpAmount, company.hpAmount};
    positions.AmountText = {company.vpAmountText, company.hpAmountText};
    positions.PrintStub = company.PrintStub;
    positions.Stub = {company.vpCheckStub, company.hpCheckStub};
    return positions;
}

double CheckOffset(int checkPos)
{
    switch (checkPos) {
    case 1: return 3.5;
    case 2: return 11.0 - kCheckHeight;
    default: return 0.0;
    }
}

QString CheckLayoutName(int checkPos)
{
    switch (checkPos) {
    case 1: return QStringLiteral("CheckMiddle");
    case 2: return QStringLiteral("CheckBottom");
    default: return QStringLiteral("CheckTop");
    }
}

CheckPositions BlankStockPositions(int checkPos, bool printStub)
{
    const double t = CheckOffset(checkPos);
    CheckPositions positions;
    positions.Payee = {1.0, t + 1.47};
    positions.Name = {1.0, t + 2.17};
    positions.Address = {1.0, t + 2.33};
    positions.Date = {6.1, t + 0.75};
    positions.Amount = {6.3, t + 1.4};
    positions.AmountText = {0.3, t + 1.83};
    positions.PrintStub = printStub;
    // Below a check at the top or in the middle, above one at the bottom.
    positions.Stub = {0.1, checkPos == 2 ? 3.66 : t + 3.66};
    return positions;
}

double CheckBottomEdge(int checkPos)
{
    return CheckOffset(checkPos) + kCheckHeight;
}

std::vector<double> CheckCutLines(int checkPos)
{
    constexpr double sheetHeight = 11.0;
    std::vector<double> lines;
    for (const double edge : {CheckOffset(checkPos), CheckBottomEdge(checkPos)}) {
        if (edge > 0.0 && edge < sheetHeight)
            lines.push_back(edge);
    }
    return lines;
}

double MicrBaseline(int checkPos)
{
    return CheckBottomEdge(checkPos) - 0.25;
}

MicrLine ComposeMicrLine(const QString& routing, const QString& account, int checkNumber, int chkNumPos)
{
    const QString number = QString::number(checkNumber);
    const QString main = QLatin1Char('t') + routing + QStringLiteral("t ") + account + QLatin1Char('o');
    if (chkNumPos == kMicrNumberBefore)
        return {QLatin1Char('o') + number + QLatin1Char('o'), main};
    return {QString(), main + QLatin1Char(' ') + number};
}
