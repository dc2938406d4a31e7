#include "forms/ui/FormEntries.h"

#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

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
