#include "reports/ui/EmployeeYearToDatePreview.h"

#include "components/ui/PrintoutSetup.h"
#include "platform/report/ReportSystem.h"
#include "platform/ui/LedgoraApplication.h"
#include "reports/EmployeeYearToDateReport.h"

void ShowEmployeeYearToDate(QWidget* owner)
{
    ReportSystem system;
    SetUpPrintout(system, owner, QStringLiteral("TFrmManual"), QStringLiteral("ReportSystem"));
    system.OnPrint = [](ReportCanvas& report) { PrintEmployeeYearToDate(report); };
    try {
        system.Execute();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}
