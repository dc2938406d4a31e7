#include "forms/ui/FormEntries.h"

#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QLineEdit>

#include <algorithm>

namespace {

// Refits the entry's font whenever the entry changes size.
class WidestValueFit : public QObject {
public:
    WidestValueFit(QLineEdit* entry, const QString& widest)
        : QObject(entry)
        , entry_(entry)
        , widest_(widest)
        , pixelSize_(QFontInfo(entry->font()).pixelSize())
    {
        entry->installEventFilter(this);
        fit();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == entry_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
            fit();
        return false;
    }

private:
    void fit()
    {
        // The frame and the line edit's own margin of two pixels each side.
        const int frame = entry_->hasFrame() ? 2 * entry_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const QMargins margins = entry_->textMargins();
        const int room = entry_->width() - frame - 4 - margins.left() - margins.right();
        QFont font = entry_->font();
        int size = pixelSize_;
        font.setPixelSize(size);
        while (size > 6 && QFontMetrics(font).horizontalAdvance(widest_) > room)
            font.setPixelSize(--size);
        if (font != entry_->font())
            entry_->setFont(font);
    }

    QLineEdit* entry_;
    QString widest_;
    int pixelSize_;
};

} // namespace

void ShowWidestValueWhole(QLineEdit* entry, const QString& widest)
{
    new WidestValueFit(entry, widest);
}

TCheckBoxEdit* CheckEntry(const QString& name)
{
    auto* box = new TCheckBoxEdit;
    box->setObjectName(name);
    return box;
}

TFilterEdit* TextEntry(const QString& name, const QString& validChars, int maxLength)
{
    auto* box = new TFilterEdit;
    box->setObjectName(name);
    if (!validChars.isEmpty())
        box->setValidChars(validChars);
    box->setMaxLength(maxLength);
    return box;
}

TFilterEdit* HeaderEntry(const QString& name)
{
    auto* box = new TFilterEdit;
    box->setObjectName(name);
    MakeHeader(box);
    return box;
}

QLineEdit* MaskedEntry(const QString& name, const QString& mask)
{
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setInputMask(mask + QStringLiteral("; "));
    return box;
}

void MakeHeader(QLineEdit* entry)
{
    entry->setReadOnly(true);
    entry->setFocusPolicy(Qt::ClickFocus);
}

TDollarEdit* AmountEntry(const QString& name, bool entered)
{
    auto* amount = new TDollarEdit;
    amount->setObjectName(name);
    amount->setCentDigits(2);
    amount->setTextAlignment(taRightJustify);
    if (!entered)
        MakeHeader(amount);
    return amount;
}

TCheckBoxEdit* CheckMark(const QString& name, bool entered)
{
    TCheckBoxEdit* mark = CheckEntry(name);
    if (!entered) {
        mark->setReadOnly(true);
        mark->setFocusPolicy(Qt::ClickFocus);
    }
    return mark;
}

void SetEditable(QLineEdit* entry, bool editable)
{
    entry->setReadOnly(!editable);
    entry->setFocusPolicy(editable ? Qt::StrongFocus : Qt::ClickFocus);
}

QString MaskedText(const QLineEdit* entry)
{
    const QString text = entry->displayText();
    const bool anyFilled = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
    return anyFilled ? text : QString();
}

void ShowTextsFromTheStart(QWidget* window)
{
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        if (!box->hasFocus())
            box->setCursorPosition(0);
}

QLabel* NotApprovedLabel(const QString& name)
{
    return WarningLabel(name, QStringLiteral("NOT APPROVED BY I.R.S. — DO NOT FILE"));
}

QLabel* WarningLabel(const QString& name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: %1; font-weight: bold; background: transparent;").arg(kWarningRed.name()));
    return label;
}
