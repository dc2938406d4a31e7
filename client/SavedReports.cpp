#include "client/SavedReports.h"

#include "platform/report/ReportSystem.h"

const char* const kSavedReportsHint = "Click Open to load a saved report.";

void ConfigureSavedReports(ReportSystem& system)
{
    system.TitleSetup = QStringLiteral("Saved Reports Output Options");
    system.TitleStatus = QStringLiteral("Saved Reports Status");
    system.TitlePreview = QStringLiteral("Saved Reports Preview");
    system.SystemPrinter.Title = QStringLiteral("Saved Reports");
    system.SystemPreview.FormState = PreviewFormState::Maximized;
    system.DefaultDest = ReportDestination::Preview;
    // No output options first: the preview opens at once.
    system.SystemSetups = ssAllowCopies | ssAllowCollate | ssAllowDuplex | ssAllowDestPreview | ssAllowPrinterSetup
                          | ssAllowPreviewSetup;
    system.OnPrint = [](ReportCanvas& report) {
        report.SetFont(QStringLiteral("Arial"), 16);
        report.SetBold(true);
        report.SetYPos(3.0);
        report.PrintCenter(QLatin1String(kSavedReportsHint), 4.25);
    };
}
