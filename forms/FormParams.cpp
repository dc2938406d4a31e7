#include "forms/FormParams.h"

#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "platform/Windows1252.h"

#include <QDate>

#include <algorithm>

void FormParams::Set(const QString& name, const QString& value)
{
    const auto same = std::find_if(values_.begin(), values_.end(),
                                   [&](const Value& v) { return v.first.compare(name, Qt::CaseInsensitive) == 0; });
    if (same != values_.end())
        same->second = value;
    else
        values_.emplace_back(name, value);
}

void FormParams::SetAmount(const QString& name, double amount, bool thousands)
{
    if (!IsZeroAtCents(amount))
        Set(name, FormatAmount(amount, 2, thousands));
}

void FormParams::SetCheck(const QString& name, bool checked)
{
    if (checked)
        Set(name, QStringLiteral("X"));
}

void FormParams::SetUpper(const QString& name, const QString& text)
{
    Set(name, FormUpperCase(text));
}

void FormParams::SetDigits(const QString& pattern, const QString& text, int count)
{
    for (int k = 1; k <= std::min<int>(count, static_cast<int>(text.size())); ++k)
        Set(pattern.arg(k), text.mid(k - 1, 1));
}

void FormParams::SetFormCopy(bool filingCopy)
{
    if (!filingCopy)
        Set(kFormCopyParam, kFileCopyText);
}

bool FormParams::Has(const QString& name) const
{
    return std::any_of(values_.begin(), values_.end(),
                       [&](const Value& v) { return v.first.compare(name, Qt::CaseInsensitive) == 0; });
}

QString FormParams::Get(const QString& name) const
{
    for (const Value& v : values_) {
        if (v.first.compare(name, Qt::CaseInsensitive) == 0)
            return v.second;
    }
    return QString();
}

QString EINDigitsOf(const QString& federalId)
{
    static const CharSet digits = MakeCharSet("0123456789");
    return KeepChars(federalId, digits);
}

QString FormUpperCase(const QString& text)
{
    return UpperCaseWindows1252(text);
}

bool IsZeroAtCents(double amount)
{
    return RoundToDecimals(amount, 2) == 0;
}

QString FormPrintDate(const QString& typed)
{
    return IsValidDateStr(typed) ? typed : QString();
}

QString CopyDialogDate(const QString& typed, const QDate& today)
{
    return IsValidDateStr(typed) ? typed : today.toString(QStringLiteral("MM/dd/yyyy"));
}
