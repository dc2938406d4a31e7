#include "client/ui/ClientStateWindows.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/SystemDialogs.h"

#include <QMainWindow>

int main(int argc, char** argv)
{
    LedgoraApplication app(argc, argv);
    InstallSystemDialogs();
    InstallClientStateWindows();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Ledgora 2026"));
    window.resize(1024, 700);
    window.show();
    return app.exec();
}
