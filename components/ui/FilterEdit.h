#pragma once

#include "components/FilterEditRules.h"
#include "components/ui/EntryFieldSupport.h"

#include <QLineEdit>

// A one-line text box that lets through only the characters its validChars list names, forces
// letter case, and can insist on a value. Ctrl+L capitalises each word, Ctrl+U puts the text in
// capitals. Text set by the program is not filtered.
class TFilterEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TFilterEdit(QWidget* parent = nullptr);

    TAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TAlignment alignment);
    bool beepOnInvalid() const { return beepOnInvalid_; }
    void setBeepOnInvalid(bool beep) { beepOnInvalid_ = beep; }
    bool requiredField() const { return requiredField_; }
    void setRequiredField(bool required) { requiredField_ = required; }
    // "[]" (every character) after construction; see ValidCharSet.
    QString validChars() const { return validChars_.text(); }
    void setValidChars(const QString& validChars) { validChars_.setText(validChars); }
    TEditCharCase charCase() const { return charCase_; }
    void setCharCase(TEditCharCase charCase) { charCase_ = charCase; }

signals:
    // The focus arrived (after the box's own handling) or left (before the required check).
    void entered();
    void exited();
    // A typed character after the filter; null when the filter dropped it. A handler may change
    // or drop it.
    void keyPressed(QChar& key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool checkUserEdit(const QString& before, QString& after, int& cursor) const;

    TAlignment alignment_ = taLeftJustify;
    bool beepOnInvalid_ = false;
    bool requiredField_ = false;
    ValidCharSet validChars_;
    TEditCharCase charCase_ = ecNormal;
    FieldFocus focus_;
};
