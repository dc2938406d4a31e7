#include "components/DateHotKeys.h"

#include "components/DateRoutines.h"

namespace {

QDate movedDate(QChar key, const QDate& date)
{
    switch (key.unicode()) {
    case '+':
        return date.addDays(1);
    case '-':
        return date.addDays(-1);
    case 'M':
        return date.day() == 1 ? date.addMonths(-1) : QDate(date.year(), date.month(), 1);
    case 'H': {
        const QDate month = date.day() == date.daysInMonth() ? QDate(date.year(), date.month(), 1).addMonths(1) : date;
        return QDate(month.year(), month.month(), month.daysInMonth());
    }
    case 'Y':
        return date.month() == 1 && date.day() == 1 ? QDate(date.year() - 1, 1, 1) : QDate(date.year(), 1, 1);
    case 'R':
        return date.month() == 12 && date.day() == 31 ? QDate(date.year() + 1, 12, 31) : QDate(date.year(), 12, 31);
    case 'W': { // Qt counts Monday 1 to Sunday 7
        const int back = date.dayOfWeek() % 7;
        return date.addDays(back == 0 ? -7 : -back);
    }
    case 'K': {
        const int ahead = (6 - date.dayOfWeek() + 7) % 7;
        return date.addDays(ahead == 0 ? 7 : ahead);
    }
    default:
        return QDate();
    }
}

} // namespace

DateKeyResult DateHotKey(QChar key, const QString& text, const QDate& today)
{
    DateKeyResult result;
    if (key >= QChar('a') && key <= QChar('z'))
        key = QChar(key.unicode() - 32);
    if (key == QChar('C')) {
        result.action = DateKeyResult::OpenCalendar;
        return result;
    }
    if (key == QChar('T')) {
        result.action = DateKeyResult::NewDate;
        result.text = DateToText(today);
        return result;
    }
    if (!QStringLiteral("+-HKMRWY").contains(key))
        return result;
    const QString current = text == EmptyDateText ? DateToText(today) : text;
    if (!IsValidDateStr(current))
        return result;
    const QDate moved = movedDate(key, DateFromText(current));
    // The field has four places for the year.
    if (!moved.isValid() || moved.year() < 1000 || moved.year() > 9999)
        return result;
    result.action = DateKeyResult::NewDate;
    result.text = DateToText(moved);
    return result;
}

QString InvalidDateMessage(const QString& text)
{
    return text + QStringLiteral(" is not a valid date.");
}
