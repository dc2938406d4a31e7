#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

#include <functional>

class QLabel;
class QPushButton;

// The window that asks the user to wait while long work runs on the user-interface thread.
class TFrmMsgWin : public QDialog {
    Q_OBJECT
public:
    explicit TFrmMsgWin(QWidget* parent = nullptr);

    // Adds the Cancel button; it, Esc and the close box call cancel. The window then takes the
    // user's input from every other window of the program until it closes.
    void OfferCancel(std::function<void()> cancel);

    QLabel* LblMsg = nullptr;
    QPushButton* BtnCancel = nullptr;

public slots:
    void reject() override;

private:
    std::function<void()> cancel_;
};

// The message window on screen, if any.
extern QPointer<TFrmMsgWin> FrmMsgWin;

// Shows the message window with the caption and text, painted at once so it is seen before the
// work that follows. A window already on screen is replaced. With cancel, the window offers a
// Cancel button that calls it (see OfferCancel); the work must then process events.
void ShowMsgWin(const QString& caption, const QString& text, std::function<void()> cancel = {});
// Closes and releases the message window; does nothing when none is on screen.
void CloseMsgWin();

// Shows the message window for the life of the scope, so it closes however the work ends.
class MsgWinScope {
public:
    MsgWinScope(const QString& caption, const QString& text, std::function<void()> cancel = {})
    {
        ShowMsgWin(caption, text, std::move(cancel));
    }
    ~MsgWinScope() { CloseMsgWin(); }
    MsgWinScope(const MsgWinScope&) = delete;
    MsgWinScope& operator=(const MsgWinScope&) = delete;
};
