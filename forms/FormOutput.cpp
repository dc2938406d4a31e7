#include "forms/FormOutput.h"

#include "forms/FormParams.h"
#include "platform/report/ReportErrors.h"
#include "platform/report/ReportProject.h"
#include "platform/report/ReportSystem.h"

void ApplyOutputSet(ReportSystem& report, FormOutputSet set)
{
    switch (set) {
    case FormOutputSet::Full:
        report.SystemOptions = soShowStatus | soAllowPrintFromPreview | soAllowSaveFromPreview | soPreviewModal;
        report.SystemSetups = AllSystemSetups;
        break;
    case FormOutputSet::ScheduleB:
        report.SystemOptions = soShowStatus | soAllowPrintFromPreview | soPreviewModal;
        report.SystemSetups = AllSystemSetups;
        break;
    case FormOutputSet::PreviewOnly:
        report.SystemOptions = soShowStatus | soPreviewModal;
        report.SystemSetups = ssAllowDestPreview | ssAllowPreviewSetup;
        break;
    }
}

PrintoutFrame FormPrintout(const QString& window, const QString& component, const QString& title,
                           PageOrientation orientation, bool applySavedOrientation)
{
    PrintoutFrame frame;
    frame.Window = window;
    frame.Component = component;
    frame.TitleSetup = title + QStringLiteral(" Setup");
    frame.TitleStatus = title + QStringLiteral(" Status");
    frame.TitlePreview = title + QStringLiteral(" Preview");
    frame.PrinterTitle = title;
    frame.Orientation = orientation;
    frame.ApplySavedOrientation = applySavedOrientation;
    return frame;
}

FormProjectRun::FormProjectRun(ReportProject& project, ReportSystem& engine)
    : project_(project)
    , engine_(engine)
{
    project_.Engine = &engine_;
    try {
        project_.Open();
    } catch (...) {
        project_.Engine = nullptr;
        throw;
    }
}

FormProjectRun::~FormProjectRun()
{
    project_.ClearParams();
    project_.Close();
    project_.Engine = nullptr;
}

void FormProjectRun::Fill(const QString& layout, const FormParams& params)
{
    if (!project_.SelectReport(layout, false))
        throw EReportException(QStringLiteral("The report project \"TAXFORMS.RAV\" has no layout \"%1\".").arg(layout));
    for (const auto& [name, value] : params.Values())
        project_.SetParam(name, value);
    project_.Execute();
    project_.ClearParams();
}

void FormProjectRun::NewPage()
{
    if (ReportCanvas* canvas = engine_.Canvas())
        canvas->NewPage();
}
