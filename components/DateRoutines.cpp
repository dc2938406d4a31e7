#include "components/DateRoutines.h"

#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "platform/Exceptions.h"

#include <QStringList>

QDate DateFromText(const QString& text)
{
    const QStringList parts = text.trimmed().split(QChar('/'));
    bool ok = parts.size() == 3;
    int numbers[3] = {0, 0, 0};
    for (int i = 0; ok && i < 3; ++i) {
        const QString& part = parts[i];
        ok = !part.isEmpty() && part.size() <= 4;
        for (QChar c : part)
            ok = ok && c >= QChar('0') && c <= QChar('9');
        if (ok)
            numbers[i] = part.toInt();
    }
    const QDate date = ok ? QDate(numbers[2], numbers[0], numbers[1]) : QDate();
    if (!date.isValid() || numbers[2] < 1)
        throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
    return date;
}

QString DateToText(const QDate& date)
{
    return JoinDateStr(date.month(), date.day(), date.year());
}

bool IsValidDateStr(const QString& text)
{
    if (KeepChars(text, MakeCharSet("/0123456789")).size() < 10)
        return false;
    try {
        DateFromText(text);
        return true;
    } catch (const EConvertError&) {
        return false;
    }
}

void SplitDateStr(const QString& text, int& month, int& day, int& year)
{
    month = day = year = 0;
    if (!IsValidDateStr(text))
        return;
    month = TextToInt(MidChars(text, 1, 2));
    day = TextToInt(MidChars(text, 4, 2));
    year = TextToInt(MidChars(text, 7, 4));
}

QString JoinDateStr(int month, int day, int year)
{
    return ZeroPadTo(QString::number(month), 2) + QChar('/') + ZeroPadTo(QString::number(day), 2) + QChar('/')
        + QString::number(year);
}

int DaysBetweenDates(const QString& fromDate, const QString& toDate)
{
    return static_cast<int>(DateFromText(fromDate).daysTo(DateFromText(toDate)));
}

QString AddDaysToDateStr(const QString& dateText, int days)
{
    return DateToText(DateFromText(dateText).addDays(days));
}

QString AddMonthsToDateStr(const QString& dateText, int months)
{
    if (!IsValidDateStr(dateText))
        return QString();
    return DateToText(DateFromText(dateText).addMonths(months));
}

bool IsDateInRange(const QString& dateText, const QString& fromText, const QString& toText)
{
    const QDate date = DateFromText(dateText);
    return DateFromText(fromText) <= date && date <= DateFromText(toText);
}

bool LeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}
