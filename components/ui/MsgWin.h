#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

class QLabel;

// The window that asks the user to wait while long work runs on the user-interface thread.
class TFrmMsgWin : public QDialog {
    Q_OBJECT
public:
    explicit TFrmMsgWin(QWidget* parent = nullptr);

    QLabel* LblMsg = nullptr;
};

// The message window on screen, if any.
extern QPointer<TFrmMsgWin> FrmMsgWin;

// Shows the message window with the caption and text, painted at once so it is seen before the
// work that follows. A window already on screen is replaced.
void ShowMsgWin(const QString& caption, const QString& text);
// Closes and releases the message window; does nothing when none is on screen.
void CloseMsgWin();

// Shows the message window for the life of the scope, so it closes however the work ends.
class MsgWinScope {
public:
    MsgWinScope(const QString& caption, const QString& text) { ShowMsgWin(caption, text); }
    ~MsgWinScope() { CloseMsgWin(); }
    MsgWinScope(const MsgWinScope&) = delete;
    MsgWinScope& operator=(const MsgWinScope&) = delete;
};
