#include "platform/AppMessageBox.h"

#include <cstdio>

MessageBoxStyle MessageBoxStyle::fromFlags(int flags)
{
    MessageBoxStyle style;
    switch (flags & 0x0F) {
    case MbOkCancel: style.buttons = Buttons::OkCancel; break;
    case MbYesNo: style.buttons = Buttons::YesNo; break;
    default: style.buttons = Buttons::Ok; break;
    }
    switch (flags & 0xF0) {
    case MbIconStop: style.icon = Icon::Stop; break;
    case MbIconQuestion: style.icon = Icon::Question; break;
    case MbIconWarning: style.icon = Icon::Warning; break;
    case MbIconInformation: style.icon = Icon::Information; break;
    default: style.icon = Icon::None; break;
    }
    style.secondIsDefault = (flags & MbDefButton2) != 0 && style.buttons != Buttons::Ok;
    return style;
}

int MessageBoxStyle::defaultResult() const
{
    switch (buttons) {
    case Buttons::OkCancel: return secondIsDefault ? IdCancel : IdOk;
    case Buttons::YesNo: return secondIsDefault ? IdNo : IdYes;
    case Buttons::Ok: break;
    }
    return IdOk;
}

namespace {

// Without a window system nobody can answer: say it on the error stream and take the default button.
int consoleMessageBox(const QString& text, const QString& caption, int flags)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(QString(text).replace(QChar('\r'), QChar('\n'))));
    return MessageBoxStyle::fromFlags(flags).defaultResult();
}

MessageBoxHandler& currentHandler()
{
    static MessageBoxHandler handler = consoleMessageBox;
    return handler;
}

} // namespace

int AppMessageBox(const QString& text, const QString& caption, int flags)
{
    QString shown = text;
    shown.replace(QChar('~'), QChar('\r'));
    return currentHandler()(shown, caption, flags);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler previous = currentHandler();
    currentHandler() = handler ? std::move(handler) : MessageBoxHandler(consoleMessageBox);
    return previous;
}
