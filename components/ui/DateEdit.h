#pragma once

#include "components/ui/EntryFieldSupport.h"

#include <QColor>
#include <QLineEdit>

// The entry field for a date "mm/dd/yyyy" behind a fixed mask; the empty date is "  /  /    ".
// Letter keys move the date (T + - M H Y R W K), "C" or a double click opens the calendar. A
// complete date that is not valid is reported as the user finishes typing it, and again when
// the field is left. A date set by the program is never reported.
class TDateEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TDateEdit(QWidget* parent = nullptr);

    // The whole date text, blanks and slashes included. These hide QLineEdit's own, which would
    // drop the blanks of the mask.
    QString text() const;
    void setText(const QString& text);

    TAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TAlignment alignment);

signals:
    void entered();
    void exited();
    // A typed character that is not a date key here, before the mask takes it.
    void keyPressed(QChar& key);
    void doubleClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void userEdited();
    void openCalendar();

    TAlignment alignment_ = taLeftJustify;
    QColor defaultColor_;
    bool edited_ = false; // the user changed the text since the program set it
    QString seenText_;    // the text when last set or edited
    FieldFocus focus_;
};
