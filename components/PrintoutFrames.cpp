#include "components/PrintoutFrames.h"

#include "components/PrinterSetup.h"
#include "platform/report/ReportSystem.h"

#include <stdexcept>

namespace {

constexpr auto Portrait = PageOrientation::Portrait;
constexpr auto Landscape = PageOrientation::Landscape;

// A printout that takes the saved orientation.
PrintoutFrame Follows(const char* window, const char* component, const char* setup, const char* status,
                      const char* preview, const char* title, PageOrientation orientation = Portrait)
{
    return {QString::fromUtf8(window), QString::fromUtf8(component), QString::fromUtf8(setup), QString::fromUtf8(status),
            QString::fromUtf8(preview), QString::fromUtf8(title), orientation, true, false, true};
}

// A printout that keeps its own orientation whatever is saved; forced ones set it again.
PrintoutFrame Keeps(const char* window, const char* component, const char* setup, const char* status, const char* preview,
                    const char* title, PageOrientation orientation, bool forced)
{
    PrintoutFrame frame = Follows(window, component, setup, status, preview, title, orientation);
    frame.ApplySavedOrientation = false;
    frame.ForceOrientation = forced;
    return frame;
}

std::vector<PrintoutFrame> MakeFrames()
{
    std::vector<PrintoutFrame> frames = {
        Follows("TFrmCheck", "RptPrintChecks", "Payroll Check Setup", "Payroll Check Status", "Payroll Check Preview",
                "Payroll Check Report"),
        Follows("TFrmCheckSetup", "RptCheckTest", "Check Test Setup", "Check Test Status", "Check Test Preview",
                "Check Test Report"),
        Follows("TFrmCheckSetup", "RptPrinterGrid", "Printer Grid Options", "Printer Grid Status", "Printer Grid Preview",
                "Printer Grid"),
        Follows("TFrmPayCheckGen", "RptCheckTest", "Check Test Setup", "Check Test Status", "Check Test Preview",
                "Check Test Report"),
        Follows("TFrmMain", "RptCurPayroll", "Employee Earnings Statement Setup", "Employee Earnings Statement Status",
                "Employee Earnings Statement Preview", "Employee Earnings Statement"),
        Follows("TFrmMain", "RptCurPayrollCond", "Employee Earnings Statement Setup", "Employee Earnings Statement Status",
                "Employee Earnings Statement Preview", "Employee Earnings Statement"),
        Keeps("TFrmMain", "RptEmpLabels", "Employee Labels Setup", "Employee Labels Status",
              "Employee Labels Preview (Avery 5160)", "Employee Labels", Portrait, true),
        Follows("TFrmPriorPayDatesRpt", "RptPriorPayDates", "Prior Earnings Statement Setup",
                "Prior Earnings Statement Status", "Prior Earnings Statement Preview", "Prior Earnings Statement"),
        Follows("TFrmPriorPayDatesRpt", "RptPriorPayDatesCond", "Prior Earnings Statement Setup",
                "Prior Earnings Statement Status", "Prior Earnings Statement Preview", "Prior Earnings Statement"),
        Keeps("TFrmPriorPayDatesRpt", "RptPriorDatesJ", "Employee Payroll Journal Setup", "Employee Payroll Journal Status",
              "Employee Payroll Journal Preview", "Employee Payroll Journal", Landscape, true),
        Follows("TFrmReports", "RptEmpRoster", "Employee Roster Report Setup", "Employee Roster Report Status",
                "Employee Roster Report Preview", "Employee Roster Report"),
        Follows("TFrmReports", "RptToDate", "Report Setup", "Report Status", "Report Preview", "To Date Report"),
        Keeps("TFrmReports", "RptToDateJ", "Report Setup", "Report Status", "Report Preview", "To Date Report", Landscape,
              true),
        Follows("TFrmReports", "RptState", "State Report Setup", "State Report Status",
                "State Unemployment & Disability Tax Preview", "State Unemp & Disb Tax Report"),
        Follows("TFrmReports", "RptDepartmental", "Report Setup", "Report Status", "Report Preview",
                "ReportPrinter Report"),
        Keeps("TFrmReconcileRpt", "RptReconcile", "Payroll Register Report Setup", "Payroll Register Report Status",
              "Payroll Register Report Preview", "Payroll Reconciliation Report", Landscape, false),
        Follows("TFrmTaxLiability", "RptTaxLiability", "Tax Liability Options", "Tax Liability Status",
                "Tax Liability Preview", "Tax Liability Report"),
        Follows("TFrmCustomPayRpt", "RptCustomPay", "Custom Period Payroll Report Setup",
                "Custom Period Payroll Report Status", "Custom Period Payroll Report Preview",
                "Custom Period Payroll Report"),
        Keeps("TFrmCustomPayRpt", "RptCustomPayJ", "Custom Period Payroll Report Journal Setup",
              "Custom Period Payroll Report Journal Status", "Custom Period Payroll Report Journal Preview",
              "Custom Period Payroll Report Journal", Landscape, true),
        Follows("TFrmIndEmpPayRpt", "RptEarnings", "Employee Earnings Statement Setup",
                "Employee Earnings Statement Status", "Employee Earnings Statement Preview",
                "Employee Earnings Statement"),
        Keeps("TFrmIndEmpPayRpt", "RptJournal", "Employee Payroll Journal Setup", "Employee Payroll Journal Status",
              "Employee Payroll Journal Preview", "Employee Payroll Journal", Landscape, true),
        Follows("TFrmManual", "ReportSystem", "Year-to-Date Report Options", "Year-to-Date Report Status",
                "Year-to-Date Report Preview", "Year-to-Date Report"),
        Follows("TFrmW4", "RptW4", "Form W-4 Setup", "Form W-4 Status", "Form W-4 Preview", "Form W-4"),
        Follows("TFrmPriorPayPeriods", "RptStatement", "Pay Period Statement Setup", "Pay Period Statement Status",
                "Pay Period Statement Preview", "Pay Period Statement"),
    };
    for (PrintoutFrame& frame : frames) {
        if (frame.Window == QLatin1String("TFrmManual"))
            frame.OfferOutputOptions = false;
    }
    return frames;
}

} // namespace

const std::vector<PrintoutFrame>& PrintoutFrames()
{
    static const std::vector<PrintoutFrame> frames = MakeFrames();
    return frames;
}

const PrintoutFrame& FindPrintoutFrame(const QString& window, const QString& component)
{
    for (const PrintoutFrame& frame : PrintoutFrames()) {
        if (frame.Window == window && frame.Component == component)
            return frame;
    }
    throw std::logic_error("no printout " + window.toStdString() + "." + component.toStdString());
}

void ConfigurePrintout(ReportSystem& system, const PrintoutFrame& frame, Registry& registry, const QString& registryRoot)
{
    system.TitleSetup = frame.TitleSetup;
    system.TitleStatus = frame.TitleStatus;
    system.TitlePreview = frame.TitlePreview;
    system.SystemPrinter.Title = frame.PrinterTitle;
    system.SystemPrinter.Orientation = frame.Orientation;
    system.SystemPrinter.StatusFormat = QStringLiteral("Printing page %p");
    system.SystemPrinter.ScaleX = 100.0;
    system.SystemPrinter.ScaleY = 100.0;
    system.SystemPrinter.UnitsFactor = 1.0;
    system.SystemFiler.StatusFormat = QStringLiteral("Generating page %p");
    system.SystemFiler.StreamMode = FilerStreamMode::smMemory;
    system.SystemOptions = soShowStatus | soAllowPrintFromPreview | soAllowSaveFromPreview | soPreviewModal;
    system.DefaultDest = ReportDestination::Preview;
    system.SystemPreview.ShadowDepth = 5;
    if (frame.OfferOutputOptions) {
        system.SystemSetups = AllSystemSetups;
        system.SystemPreview.FormState = PreviewFormState::Maximized;
        system.SystemPreview.MarginPercent = 2.5;
        system.SystemPreview.ZoomFactor = 100.0;
    } else {
        system.SystemSetups = AllSystemSetups & ~ssAllowSetup;
        system.SystemPreview.FormState = PreviewFormState::Normal;
        system.SystemPreview.FormWidth = 894;
        system.SystemPreview.FormHeight = 800;
        system.SystemPreview.MarginPercent = SystemPreviewSettings().MarginPercent;
        system.SystemPreview.ZoomFactor = 75.2;
    }
    system.OnBeforePrint = [&system, frame, &registry, registryRoot](ReportCanvas& report) {
        PrinterSetup::SetPrinterSetup(report, frame.ApplySavedOrientation, registry, registryRoot);
        if (frame.ForceOrientation) {
            system.SystemPrinter.Orientation = frame.Orientation;
            report.SetOrientation(frame.Orientation);
        }
    };
}
