#include "components/ui/StateEdit.h"

#include "components/StateChoice.h"
#include "components/StateTables.h"
#include "components/ui/EntryFieldSupport.h"

#include <QKeyEvent>

namespace {
QStringList codeList()
{
    QStringList codes;
    for (const char* code : StateCodes)
        codes << QLatin1String(code);
    return codes;
}
} // namespace

TStateEdit::TStateEdit(QWidget* parent)
    : QComboBox(parent)
{
    fillCodes();
    setCurrentIndex(-1);
    resize(50, height());
}

void TStateEdit::fillCodes()
{
    static const QStringList codes = codeList();
    bool same = count() == codes.size();
    for (int i = 0; same && i < count(); ++i)
        same = itemText(i) == codes[i];
    if (same)
        return;
    const int index = currentIndex();
    clear();
    addItems(codes);
    setCurrentIndex(index < codes.size() ? index : -1);
}

void TStateEdit::showEvent(QShowEvent* event)
{
    // Whatever list a screen gave the box, it offers exactly the 54 codes.
    fillCodes();
    QComboBox::showEvent(event);
}

void TStateEdit::keyPressEvent(QKeyEvent* event)
{
    const bool clearKey = event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace;
    if (clearKey && event->modifiers() == Qt::NoModifier) {
        if (okToDel_)
            setCurrentIndex(-1);
        event->accept();
        return;
    }
    const QChar typed = TypedChar(event);
    if (typed.isNull()) {
        QComboBox::keyPressEvent(event); // arrows and the drop-down keys
        return;
    }
    event->accept();
    if (typed.isLetter() && typed.unicode() < 128)
        setCurrentIndex(StepStateByLetter(currentIndex(), typed));
}
