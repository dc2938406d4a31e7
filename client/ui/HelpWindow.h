#pragma once

#include <QDialog>
#include <QString>

class QPushButton;
class QTextBrowser;
class QUrl;
class QWidget;

// Shows the help topic of a help context over the active window, also from modal screens.
void ShowHelp(int helpContext);

// How a window names its help topic for F1: call SetHelpContext(this, N) in its constructor (it
// sets the dynamic property "helpContext" on the widget). F1 pressed anywhere inside the window
// shows topic N; a control inside the window may carry a context of its own the same way, and the
// nearest one from the focused control up to the window wins. A window without one ignores F1.
// Menu items of the main window carry their contexts on their actions instead. The first call
// installs the one application-wide F1 handler.
void SetHelpContext(QWidget* widget, int helpContext);
// The context F1 shows for a key pressed in this widget; 0 for none.
int HelpContextOf(const QWidget* widget);

// The topic file of a help context, in the help folder beside the program ("help/7.html").
QString HelpTopicFile(int helpContext);

// The help window: one topic at a time, with Contents, Back, Forward and Close; links lead from
// topic to topic, and links to web pages open in the browser.
class TFrmHelp : public QDialog {
    Q_OBJECT
public:
    explicit TFrmHelp(QWidget* parent = nullptr);

    // Shows a topic; false (and nothing changes) when its file is missing.
    bool ShowTopic(int helpContext);
    // The topic on show; 0 before the first.
    int CurrentTopic() const;
    // Follows a link of the topic on show, as a click on it does.
    void FollowLink(const QUrl& link);

    QTextBrowser* Topic = nullptr;
    QPushButton* BtnContents = nullptr;
    QPushButton* BtnBack = nullptr;
    QPushButton* BtnForward = nullptr;
    QPushButton* BtnClose = nullptr;

private:
    void updateCaption();
};
