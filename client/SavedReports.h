#pragma once

class ReportSystem;

// The "Saved Reports" printout of the File > Print menu: it goes straight to the preview, whose
// open button loads a report saved earlier; its one page only says how. Gives the report system
// its titles, options and page; the caller adds the printer settings and the preview.
void ConfigureSavedReports(ReportSystem& system);

extern const char* const kSavedReportsHint;
