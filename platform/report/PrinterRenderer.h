#pragma once

#include "platform/report/ReportDocument.h"

class QPrinter;

// Which pages go to paper and how many times.
struct PrintRange {
    int fromPage = 1;   // 1-based, inclusive
    int toPage = 0;     // 0: to the last page
    int copies = 1;     // the copies the printer itself is asked to make
};

// What printing says where the system has no printer at all.
inline constexpr const char* kNoPrinterMessage =
    "No printer is installed. Printouts can still be previewed and exported to PDF.";

// Sends the pages to a printer set up by the caller (name, resolution), each page on its paper
// size and orientation, measured from the paper's corner. Nothing marked for the preview only is
// printed. Raises EReportException when the printer does not start, with kNoPrinterMessage
// when the system has no printer.
void PrintDocument(const ReportDocument& document, QPrinter& printer, const PrintRange& range);

// The printer's settings from the document's job: title, paper (by the name the printer gives
// it), collation and two-sided printing; the copies come with the print range. The printer
// itself is chosen by name when the printer is made.
void ApplyJobSettings(const PrintJobSettings& job, QPrinter& printer);
