#include "components/ui/EnterAsTab.h"

#include "components/ui/EntryFieldSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

TEnterAsTab::TEnterAsTab(QObject* owner)
    : QObject(owner)
{
}

void TEnterAsTab::setParentForm(QWidget* form)
{
    if (form == form_)
        return;
    delete preview_;
    form_ = form;
    if (form)
        preview_ = new KeyPreview(form, [this](QKeyEvent* event) { return handleKey(event); });
}

bool TEnterAsTab::handleKey(QKeyEvent* event)
{
    const int key = event->key();
    const bool enter = (key == Qt::Key_Return || key == Qt::Key_Enter) && !(event->modifiers() & Qt::ControlModifier);
    if (enter && enterAsTabKey_) {
        // A focused push button takes Enter as a click, as on every form.
        if (auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget())) {
            button->click();
            return true;
        }
        // The window moves the focus on as it does for Tab, wrapping from the last control to the first.
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(form_, &tab);
        return true;
    }
    if (key == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && escapeAsClose_) {
        form_->close();
        return true;
    }
    return false;
}
