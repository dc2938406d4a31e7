#pragma once

#include "components/ui/EntryFieldSupport.h"

#include <QComboBox>

// A text field with a drop-down list of entries remembered from earlier input, kept in a file
// beside the client file. Typing completes the text from the list; leaving the field puts its
// text first in the list.
class TDeluxeComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TDeluxeComboBox(QWidget* parent = nullptr);

    // Leaving the field remembers its text (on after construction).
    bool addText() const { return addText_; }
    void setAddText(bool on) { addText_ = on; }
    // The file of remembered entries; nothing is loaded or saved while it is blank.
    QString fileName() const { return fileName_; }
    void setFileName(const QString& fileName) { fileName_ = fileName; }
    // Loading sorts the list; an entry put first stays first until the list is loaded again.
    bool sorted() const { return sorted_; }
    void setSorted(bool sorted) { sorted_ = sorted; }
    // The longest text the user can type.
    void setMaxLength(int length);

    QStringList items() const;
    // Refills the list from the file (an empty list when the file does not exist). Raises
    // EInOutError when the file cannot be read.
    void LoadItems();
    // Writes the list to the file unless the list is empty. Raises EInOutError on failure.
    void SaveItems();
    // Puts the text first in the list, moving it when listed; a blank text changes nothing.
    void AddOrMoveItem(const QString& item);

signals:
    void exited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void complete(const QString& text);
    void setItems(const QStringList& items);

    bool addText_ = true;
    bool sorted_ = false;
    QString fileName_;
    bool deleting_ = false; // the last key was Backspace or Delete: the next change is not completed
    FieldFocus focus_;
};
