#pragma once

#include <QString>

class ReportCanvas;

// What the report window hands every printout it runs: the report name its label shows (the
// second heading line), the optional period description and the report date "mm/dd/yyyy".
struct ReportTexts {
    QString reportName;
    QString period;
    QString reportDate;
};

// Portrait reports centre their heading lines here and keep them within the printable width.
inline constexpr double kPortraitCentre = 4.25;
inline constexpr double kPortraitTextWidth = 7.5;

// The trimmed company name and trade name joined by a blank. With dropBlankTradeName the name
// stands alone when the trade name is blank.
QString CompanyLine(bool dropBlankTradeName);

// The period description when it is not blank, else "As of " and the report date written
// "mmmm d, yyyy" (As of March 31, 2026). An invalid report date raises EConvertError.
QString ReportDateLine(const ReportTexts& texts);
// A date "mm/dd/yyyy" written "mmmm d, yyyy" with English month names.
QString LongDate(const QString& dateText);

// "Page " and " of " around the page macros, which become the page number and the page count
// once the whole printout is known.
QString PageOfPagesLine();

// Money ",0.00": thousands separators, two decimals, a leading minus for negative amounts.
QString ReportMoney(double amount);
// Hours, days and rates ",0.000000".
QString ReportHours(double amount);

// The pen every report draws its rules with: black, solid, width 5.
void SetRulePen(ReportCanvas& report);

// A heading line centred on the portrait page at y, shrunk where it would run past the margins.
void PrintCentredLine(ReportCanvas& report, const QString& text, double y);

// The column of the employees' amounts a report kind of the report window reads: 1 the current
// period (kind 1), 2 month- (kinds 2, 3), 3 quarter- (4, 5), 4 year-to-date (6, 7).
int ReportColumn(int reportKind);
