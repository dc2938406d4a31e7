#include "client/ui/ClientStateWindows.h"
#include "client/ui/Startup.h"
#include "components/ui/OutputOptionsWindow.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/SystemDialogs.h"

#include <QScreen>

int main(int argc, char** argv)
{
    LedgoraApplication app(argc, argv);
    InstallSystemDialogs();
    InstallOutputOptionsDialog();
    InstallClientStateWindows();

    const QScreen* screen = QGuiApplication::primaryScreen();
    MainWindowOptions options;
    options.arguments = QCoreApplication::arguments().mid(1);
    const std::unique_ptr<LedgoraSession> session = StartLedgora(screen ? screen->size() : QSize(), options);
    if (!session)
        return 0;
    session->mainWindow->show();
    return app.exec();
}
