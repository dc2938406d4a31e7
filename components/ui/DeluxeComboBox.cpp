#include "components/ui/DeluxeComboBox.h"

#include "components/RememberedList.h"
#include "components/TextRoutines.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

TDeluxeComboBox::TDeluxeComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    // The list changes only as the field decides, never on Enter; completion is the field's own.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, &TDeluxeComboBox::complete);
}

void TDeluxeComboBox::setMaxLength(int length)
{
    lineEdit()->setMaxLength(length);
}

QStringList TDeluxeComboBox::items() const
{
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}

void TDeluxeComboBox::setItems(const QStringList& list)
{
    // Refilling the list must not change what the user sees in the field.
    const QString text = currentText();
    const QSignalBlocker blocker(this);
    clear();
    addItems(list);
    setCurrentIndex(static_cast<int>(list.indexOf(text)));
    setEditText(text);
}

void TDeluxeComboBox::LoadItems()
{
    if (IsBlank(fileName_))
        return;
    QStringList list = LoadEntryList(fileName_);
    if (sorted_)
        SortEntries(list);
    setItems(list);
}

void TDeluxeComboBox::SaveItems()
{
    if (IsBlank(fileName_))
        return;
    SaveEntryList(fileName_, items());
}

void TDeluxeComboBox::AddOrMoveItem(const QString& item)
{
    QStringList list = items();
    if (AddOrMoveEntry(list, item))
        setItems(list);
}

void TDeluxeComboBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)
        deleting_ = true;
    QComboBox::keyPressEvent(event);
}

void TDeluxeComboBox::complete(const QString& text)
{
    const bool deleting = deleting_;
    deleting_ = false;
    if (deleting || text.isEmpty())
        return;
    const int caret = lineEdit()->cursorPosition();
    const int found = CompletionIndex(items(), text);
    if (found < 0)
        return;
    const QString entry = itemText(found);
    lineEdit()->setText(entry);
    // The completed rest is selected, so the next key replaces it.
    lineEdit()->setSelection(caret, static_cast<int>(entry.size()) - caret);
}

void TDeluxeComboBox::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    if (focus_.leaving(event, this) == FieldFocus::NotLeaving)
        return;
    if (addText_)
        AddOrMoveItem(currentText());
    emit exited();
}
