#include "payroll/RecurringEntries.h"

#include "components/DateRoutines.h"

std::optional<GroupTermLifeProblem> CheckGroupTermLife(bool autoCalc, const QString& dateOfBirth, double faceAmount)
{
    if (!autoCalc)
        return std::nullopt;
    if (!IsValidDateStr(dateOfBirth))
        return GroupTermLifeProblem{GroupTermLifeField::DateOfBirth, QStringLiteral("Date of Birth is invalid")};
    if (!(faceAmount > 50000))
        return GroupTermLifeProblem{GroupTermLifeField::GTLIFaceAmt,
                                    QStringLiteral("Face amount of insurance coverage must be over $50,000")};
    return std::nullopt;
}
