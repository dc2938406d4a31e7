#include "client/ui/Startup.h"

#include "client/PayDataModule.h"
#include "client/ProgramStart.h"
#include "client/StylePack.h"
#include "client/ui/Launchers.h"
#include "client/ui/VisualStyle.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

LedgoraSession::~LedgoraSession()
{
    mainWindow.reset();
    dataModule.reset();
}

std::unique_ptr<LedgoraSession> StartLedgora(const QSize& screen, const MainWindowOptions& options)
{
    if (!ScreenAllowsRunning(screen)) {
        AppMessageBox(QLatin1String(kScreenTooSmallMessage), QLatin1String(kApplicationTitle), MbOk);
        return nullptr;
    }
    UseFusionStyle();
    if (AvailableStyles(StylesFolder()).contains(QLatin1String(kDefaultStyleName))) {
        try {
            ApplyVisualStyle(QLatin1String(kDefaultStyleName));
        } catch (const EInOutError&) {
            // The style the settings name is applied, and any fault of it reported, in a moment.
        }
    }
    InstallLaunchers();

    auto session = std::make_unique<LedgoraSession>();
    session->dataModule = std::make_unique<TFrmDataModule>();
    session->mainWindow = std::make_unique<TFrmMain>(options);
    return session;
}
