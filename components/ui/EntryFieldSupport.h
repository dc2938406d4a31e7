#pragma once

#include <QChar>
#include <QColor>
#include <QObject>
#include <QString>
#include <QValidator>

#include <cstdint>
#include <functional>

class QFocusEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

// What the entry fields share: alignment, colours, the typed character of a key press, telling a
// user's move to another field from a window switch, and guarding text that gets in other than
// by typing.

enum TAlignment : std::uint8_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
Qt::Alignment QtAlignment(TAlignment alignment);

// The background and text colours of a field, as the screens colour them.
QColor FieldColor(const QWidget* field);
void SetFieldColor(QWidget* field, const QColor& color);
void SetFieldTextColor(QWidget* field, const QColor& color);

// The character a key press types, as a field's key filter sees it: printable characters,
// Backspace as "\b", Ctrl+letter as its control code (Ctrl+V is 22). Null for keys that type
// nothing (arrows, Delete, function keys, Alt combinations) and for Enter, Esc and Tab, which
// belong to the window.
QChar TypedChar(const QKeyEvent* event);

// Message boxes of the fields carry the program's title.
int ShowFieldMessage(const QString& text, int flags);

// Tells a user's entry into and exit from a field apart from window switches (a message box, a
// popup, another window), which neither enter nor leave it.
class FieldFocus {
public:
    enum Leave {
        NotLeaving, // the window lost the focus; the field keeps it
        Leaving,    // the user moved to another field: check what was entered
        LeavingUnchecked, // the program moved the focus, or a button was clicked: no checks
    };
    // True when the focus arrives for the field rather than coming back with its window.
    bool entering(const QFocusEvent* event);
    Leave leaving(const QFocusEvent* event, const QWidget* field);

private:
    bool inside_ = false;
};

// Puts the focus back on a field whose check failed. False when the field cannot take it.
bool ReturnFocus(QWidget* field);

// Checks every change the user makes to a line edit's text, however it gets in (typing, paste,
// drag and drop, undo). Text set by the program passes unchecked. The check gets the text before
// and after the change and the caret, and may rewrite the new text; false refuses the change.
class UserEditGuard : public QValidator {
public:
    using Check = std::function<bool(const QString& before, QString& after, int& cursor)>;
    UserEditGuard(QLineEdit* edit, Check check);
    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* edit_;
    Check check_;
    QString last_;
};

// The part of after that replaced a part of before: the common beginning and end lengths.
void SplitChange(const QString& before, const QString& after, int& prefix, int& suffix);

// Lets a window see the key presses of its controls before they do. The handler returns true
// when it consumed the key.
class KeyPreview : public QObject {
public:
    using Handler = std::function<bool(QKeyEvent* event)>;
    KeyPreview(QWidget* window, Handler handler);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    Handler handler_;
};
