#pragma once

#include "platform/report/ReportDocument.h"

class QPrinter;

// Which pages go to paper and how many times.
struct PrintRange {
    int fromPage = 1;   // 1-based, inclusive
    int toPage = 0;     // 0: to the last page
    int copies = 1;     // the copies the printer itself is asked to make
};

// Sends the pages to a printer set up by the caller (name, resolution), each page on its paper
// size and orientation, measured from the paper's corner. Nothing marked for the preview only is
// printed. Raises EReportException when the printer does not start.
void PrintDocument(const ReportDocument& document, QPrinter& printer, const PrintRange& range);

// The printer's settings from the document's job: title, paper (by the name the printer gives
// it), collation and two-sided printing; the copies come with the print range. The printer
// itself is chosen by name when the printer is made.
void ApplyJobSettings(const PrintJobSettings& job, QPrinter& printer);
