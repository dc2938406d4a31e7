#include "efw2/EFW2ProcessReadiness.h"

QString EFW2ProcessMissing(bool payrollPosted, int w2w3Visits)
{
    if (!payrollPosted)
        return QStringLiteral("Process waits until the current payroll is posted.");
    if (w2w3Visits < 2)
        return QStringLiteral("Process waits until the Form W-2 screen (with every employee shown) and the Form W-3 "
                              "screen (with its entries complete) were each gone through and closed since this "
                              "client was opened.");
    return QString();
}
