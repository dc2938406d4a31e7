#pragma once

class ReportCanvas;
class ReportProject;
struct CompanyRecord;

// The check run: one page for each employee with pay among the employee records first to last
// (1-based, file order), check and stub on pre-printed stock at the stored positions or, with the
// company's check generator on, on blank stock with the artwork of the report project. With
// adviceChecked a direct-deposit employee gets a non-negotiable advice. The project's engine must
// be drawing on report. On every way out the project is closed and the employee who was current
// is current again. Returns the number of checks printed. When the company numbers its checks, a
// run holding a paid employee without a number is refused before anything is drawn.
int PrintCheckRun(ReportCanvas& report, ReportProject& project, int first, int last, bool adviceChecked);

// The generator's sample check on blank stock from the company's saved data, with dashed cut
// lines across the sheet where the check's edges are.
void PrintGeneratorTestCheck(ReportCanvas& report, ReportProject& project, const CompanyRecord& company);

// Sample texts at the positions stored for pre-printed stock, over the alignment grid.
void PrintSetupTestCheck(ReportCanvas& report, ReportProject& project, const CompanyRecord& company);

// The alignment grid alone.
void PrintPrinterGrid(ReportProject& project);
