#include "reports/ReportPages.h"

#include "client/PayRecords.h"
#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/TextFit.h"

#include <QLocale>

QString CompanyLine(bool dropBlankTradeName)
{
    const QString name = QString(CompanyRec.Name).trimmed();
    const QString tradeName = QString(CompanyRec.TradeName).trimmed();
    if (dropBlankTradeName && tradeName.isEmpty())
        return name;
    return name + QLatin1Char(' ') + tradeName;
}

QString LongDate(const QString& dateText)
{
    // The C locale keeps the month names English whatever the user's language.
    return QLocale::c().toString(DateFromText(dateText), QStringLiteral("MMMM d, yyyy"));
}

QString ReportDateLine(const ReportTexts& texts)
{
    if (!IsBlank(texts.period))
        return texts.period;
    return QStringLiteral("As of ") + LongDate(texts.reportDate);
}

QString PageOfPagesLine()
{
    return QStringLiteral("Page ") + ReportCanvas::Macro(ReportMacro::CurrentPage) + QStringLiteral(" of ")
           + ReportCanvas::Macro(ReportMacro::TotalPages);
}

QString ReportMoney(double amount)
{
    return FormatAmount(amount, 2, true);
}

QString ReportHours(double amount)
{
    return FormatAmount(amount, 6, true);
}

void SetRulePen(ReportCanvas& report)
{
    report.SetPen(Qt::black, PenStyle::Solid, 5);
}

void PrintCentredLine(ReportCanvas& report, const QString& text, double y)
{
    report.SetYPos(y);
    PrintFitted(report, text, kPortraitCentre, kPortraitTextWidth, TextAlign::Center);
}

int ReportColumn(int reportKind)
{
    return reportKind / 2 + 1;
}
