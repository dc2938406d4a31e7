#pragma once

#include <QString>
#include <functional>

// Button results, as the message box returns them.
enum MessageBoxResult { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };

// Flag bits the program passes: buttons, icon and default button.
enum MessageBoxFlags {
    MbOk = 0x00, MbOkCancel = 0x01, MbYesNo = 0x04,
    MbIconStop = 0x10, MbIconQuestion = 0x20, MbIconWarning = 0x30, MbIconInformation = 0x40,
    MbDefButton2 = 0x100,
};

// What the flags ask for, decoded once so every handler agrees.
struct MessageBoxStyle {
    enum class Buttons { Ok, OkCancel, YesNo } buttons = Buttons::Ok;
    enum class Icon { None, Stop, Question, Warning, Information } icon = Icon::None;
    bool secondIsDefault = false;

    static MessageBoxStyle fromFlags(int flags);
    int defaultResult() const;
};

using MessageBoxHandler = std::function<int(const QString& text, const QString& caption, int flags)>;

// Shows a notice or question and returns the button pressed. "~" in the text becomes a line break
// (a carriage return) before the handler sees it.
int AppMessageBox(const QString& text, const QString& caption, int flags);

// Replaces the handler that shows the box; returns the previous one. The windowed program installs
// a real message box, tests a scripted one.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
