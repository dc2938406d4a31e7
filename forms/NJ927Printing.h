#pragma once

#include "forms/NJ927Worksheet.h"

#include <QString>

#include <utility>
#include <vector>

class ReportProject;

using ReportParams = std::vector<std::pair<QString, QString>>;

// The parameters of the "FormNJ927" layout: every amount is printed, a zero one as "0.00".
ReportParams NJ927PrintParameters(const NJ927Worksheet& sheet);

// Prints the NJ-927 page, then the WR-30 pages of the rows whose wages are not 0.00 (40 rows a
// page, at least one page), on the report the project's engine is running. With maskSSN only
// the last four digits of each social security number print.
void PrintNJ927Worksheets(ReportProject& project, const NJ927Worksheet& sheet, bool maskSSN);
