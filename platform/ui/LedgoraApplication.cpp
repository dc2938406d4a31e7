#include "platform/ui/LedgoraApplication.h"

#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

LedgoraApplication::LedgoraApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // No display name: Qt would append it to every window title, and the windows name the
    // program in their own captions. applicationDisplayName() still answers the name.
    setApplicationName(QStringLiteral("Ledgora 2026"));
}

bool LedgoraApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const EAbort&) {
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        AppMessageBox(QStringLiteral("An unexpected error occurred."), applicationDisplayName(), MbIconStop);
    }
    return false;
}

void LedgoraApplication::ShowException(const std::exception& error)
{
    if (dynamic_cast<const EAbort*>(&error))
        return;
    const auto* own = dynamic_cast<const Exception*>(&error);
    const QString text = own ? own->message() : QString::fromLocal8Bit(error.what());
    AppMessageBox(text, applicationDisplayName(), MbIconStop);
}
