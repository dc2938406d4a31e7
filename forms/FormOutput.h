#pragma once

#include "components/PrintoutFrames.h"

#include <QString>

class FormParams;
class ReportProject;
class ReportSystem;

// What a form's report offers once it runs: the full set; Schedule B's, which prints from the
// preview but saves nothing; or the preview alone, for a form not approved for filing.
enum class FormOutputSet { Full, ScheduleB, PreviewOnly };

// Gives the report the output options and setup choices of the set.
void ApplyOutputSet(ReportSystem& report, FormOutputSet set);

// The printout of a form screen's report: titles "<title> Setup", "<title> Status" and
// "<title> Preview", the print job named title. applySavedOrientation false keeps a landscape
// form landscape whatever the saved printer choice says.
PrintoutFrame FormPrintout(const QString& window, const QString& component, const QString& title,
                           PageOrientation orientation = PageOrientation::Portrait, bool applySavedOrientation = true);

// The report project opened on a running report for one print handler, closed again (and its
// engine cleared) however the handler ends.
class FormProjectRun {
public:
    FormProjectRun(ReportProject& project, ReportSystem& engine);
    ~FormProjectRun();
    FormProjectRun(const FormProjectRun&) = delete;
    FormProjectRun& operator=(const FormProjectRun&) = delete;

    // Selects the layout (EReportException when the project lacks it), sets the parameters,
    // draws the layout on the current page and clears the parameters.
    void Fill(const QString& layout, const FormParams& params);
    // Starts the next page of the running report, for a further layout of the printout.
    void NewPage();

    ReportProject& Project() { return project_; }

private:
    ReportProject& project_;
    ReportSystem& engine_;
};
