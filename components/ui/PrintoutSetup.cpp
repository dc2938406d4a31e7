#include "components/ui/PrintoutSetup.h"

#include "client/PayRecords.h"
#include "components/PrintoutFrames.h"
#include "components/ui/ReportPreviewHandler.h"
#include "platform/report/ReportSystem.h"

void SetUpPrintout(ReportSystem& system, QWidget* owner, const PrintoutFrame& frame)
{
    ConfigurePrintout(system, frame, *AppRegistry, RegistryRoot);
    system.OverridePreview = ReportPreviewHandler(owner);
}

void SetUpPrintout(ReportSystem& system, QWidget* owner, const QString& window, const QString& component)
{
    SetUpPrintout(system, owner, FindPrintoutFrame(window, component));
}
