#pragma once

#include <QApplication>

// The application object. No exception may cross Qt's event dispatch: what escapes an event
// handler is shown in an error box with the stop icon, and the program goes on; a silent abort
// (EAbort) only ends the command.
class LedgoraApplication : public QApplication {
    Q_OBJECT
public:
    LedgoraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // The standard handler: shows the message of the exception being handled; a silent abort
    // (EAbort) shows nothing.
    static void ShowException(const std::exception& error);
};
