#include "forms/W2Checks.h"

#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "forms/FormParams.h"
#include "forms/W2Forms.h"

namespace {

QString Box12Letter(int entry)
{
    return QString(QChar(QLatin1Char('a').unicode() + entry - 1));
}

} // namespace

std::optional<W2EntryProblem> CheckW2Entries(const EmployeeRecord& e, bool forPrintOne)
{
    if (forPrintOne && !EmployeeGetsW2(e)) {
        return W2EntryProblem{W2Entry::FedEarnings, 0,
                              TildeToLineBreak(QStringLiteral("Box 1 on Form W-2 must have a value greater than zero~or one "
                                                              "of the box 12 codes must be \"II\""))};
    }
    for (int entry = 1; entry <= 12; ++entry) {
        if (IsBlank(e.FW2Box12Code[entry].get()) && RoundToDecimals(e.FW2Box12Amt[entry], 2) > 0)
            return W2EntryProblem{W2Entry::Box12Code, entry,
                                  QStringLiteral("Box 12%1 code is missing.").arg(Box12Letter(entry))};
    }
    for (int entry = 1; entry <= 12; ++entry) {
        if (!IsBlank(e.FW2Box12Code[entry].get()) && IsZeroAtCents(e.FW2Box12Amt[entry]))
            return W2EntryProblem{W2Entry::Box12Amount, entry,
                                  QStringLiteral("Box 12%1 amount is missing.").arg(Box12Letter(entry))};
    }
    const QString descriptions[] = {e.FW2Box14Desc1.get(), e.FW2Box14Desc2.get(), e.FW2Box14Desc3.get()};
    const double amounts[] = {e.FW2Box14Amt1, e.FW2Box14Amt2, e.FW2Box14Amt3};
    for (int line = 1; line <= 3; ++line) {
        if (IsBlank(descriptions[line - 1]) && RoundToDecimals(amounts[line - 1], 2) > 0)
            return W2EntryProblem{W2Entry::Box14Description, line,
                                  QStringLiteral("Box 14 description %1 is missing.").arg(line)};
    }
    for (int line = 1; line <= 3; ++line) {
        if (!IsBlank(descriptions[line - 1]) && IsZeroAtCents(amounts[line - 1]))
            return W2EntryProblem{W2Entry::Box14Amount, line, QStringLiteral("Box 14 amount %1 is missing.").arg(line)};
    }
    if (HasBox12Code(e, QStringLiteral("TP")) && IsBlank(e.FW2Box14bTTOC.get()))
        return W2EntryProblem{W2Entry::Box14bCode, 0,
                              QStringLiteral("Box 14b requires an entry when the employee has tip income")};
    return std::nullopt;
}
