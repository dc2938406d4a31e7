#include "components/ui/StateEdit.h"

#include "components/StateChoice.h"
#include "components/StateTables.h"
#include "components/ui/EntryFieldSupport.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

namespace {
QStringList codeList()
{
    QStringList codes;
    for (const char* code : StateCodes)
        codes << QLatin1String(code);
    return codes;
}
} // namespace

namespace {
// Letters typed further apart begin a new search.
constexpr qint64 kTypingIntervalMs = 1000;
} // namespace

TStateEdit::TStateEdit(QWidget* parent)
    : QComboBox(parent)
{
    // The closed box keeps room for the widest code whatever its layout gives.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(2);
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
        chooseByTyping(typed);
    else
        typed_.clear();
}

void TStateEdit::chooseByTyping(QChar letter)
{
    if (!lastKey_.isValid() || lastKey_.elapsed() > kTypingIntervalMs)
        typed_.clear();
    lastKey_.start();
    typed_ += letter;
    int found = FindStateByTyping(currentIndex(), typed_);
    if (found < 0) {
        typed_ = letter;
        found = FindStateByTyping(currentIndex(), typed_);
    }
    if (found >= 0)
        setCurrentIndex(found);
}

void TStateEdit::showPopup()
{
    // The list is at least as wide as its widest code needs, never eliding one.
    int widest = 0;
    for (int row = 0; row < count(); ++row)
        widest = std::max(widest, view()->sizeHintForIndex(model()->index(row, modelColumn())).width());
    view()->setMinimumWidth(widest + view()->verticalScrollBar()->sizeHint().width() + 2 * view()->frameWidth());
    QComboBox::showPopup();
}
