#include "client/ui/WebUpdateCommand.h"

#include "client/ProgramStart.h"
#include "client/WebUpdate.h"
#include "client/ui/PayMain.h"
#include "components/ui/MsgWin.h"
#include "platform/AppMessageBox.h"
#include "platform/Connectivity.h"
#include "platform/Exceptions.h"
#include "platform/HourglassCursor.h"
#include "platform/ShellOpen.h"
#include "platform/UrlDownload.h"

namespace {

QString Title()
{
    return QLatin1String(kApplicationTitle);
}

// A transfer on the user-interface thread, behind the hourglass and the message window, which
// both go away however it ends. The window's Cancel stops the transfer, and the command with it.
template <typename Work>
bool Waiting(const char* text, Work work)
{
    HourglassCursor hourglass;
    MsgWinScope window(Title(), QLatin1String(text), CancelDownload);
    return work();
}

} // namespace

void MnuWebUpdateClick(TFrmMain& main)
{
    if (!IsConnectedToInternet()
        && AppMessageBox(QStringLiteral("An internet connection was not detected. Proceed anyway?"), Title(),
                         MbOkCancel | MbIconQuestion) != IdOk)
        throw EAbort();

    if (!Waiting("Checking for Update... Please Wait", [] { return IsUpdateAvailable(); })) {
        AppMessageBox(QStringLiteral("Your current version is up-to-date."), Title(), MbOk | MbIconInformation);
        return;
    }
    if (AppMessageBox(QStringLiteral("There is an update available.~Would you like to download and install it?"),
                      Title(), MbOkCancel | MbIconQuestion) != IdOk)
        return;
    if (!Waiting("Downloading Update... Please Wait", [] { return DownloadUpdate(); }))
        return;

    // Installing replaces the program, so it must not run on: the user decides, and staying is
    // the safe default.
    if (AppMessageBox(QStringLiteral("The program must shut down in order to install the update."), Title(),
                      MbOkCancel | MbIconQuestion | MbDefButton2) != IdOk)
        return;
    // Shutting down for an installer the desktop would not open would leave the user with neither.
    if (!ShellOpen(QUrl::fromLocalFile(UpdateInstallerFile()))) {
        AppMessageBox(QStringLiteral("Unable to start the update installer."), Title(), MbOk | MbIconStop);
        return;
    }
    KeepInstallerAtExit();
    main.close();
    throw EAbort();
}
