#pragma once

#include "platform/report/ReportDocument.h"

// Sends pages fromPage to toPage (0: the last) of a document to paper as the job says. A printer
// that makes copies by itself gets the job once with the copy count; otherwise the pages are sent
// once per copy, one copy each time. Returns how many times the pages were sent.
int PrintCopies(const ReportDocument& document, const PrintJobSettings& job, int fromPage, int toPage);
