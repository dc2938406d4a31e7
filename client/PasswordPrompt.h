#pragma once

#include <QString>
#include <functional>

// What the password window reports when it closes.
enum class PasswordAnswer {
    Correct,   // OK with the expected password
    Wrong,     // OK with any other text
    Cancelled, // Cancel, Escape or the window closed
};

// Shows the password window with the caption (the application's title when empty) and the prompt
// line, and compares what the user typed with the expected password, every character and its
// case significant. The windowed program installs the real window; tests script it.
using PasswordPromptHandler =
    std::function<PasswordAnswer(const QString& caption, const QString& prompt, const QString& password)>;
PasswordPromptHandler SetPasswordPromptHandler(PasswordPromptHandler handler);

// The password prompt of the data module. Without an installed window every prompt counts as
// cancelled, so a protected client never opens unasked.
class TPasswordDialog {
public:
    QString Caption;
    QString Password;   // the expected password
    QString Prompt;

    // True when the user gave the expected password; Cancel() tells a cancel from a wrong text.
    bool Execute();
    bool Cancel() const { return cancel_; }

private:
    bool cancel_ = false;
};
