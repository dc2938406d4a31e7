#pragma once

#include <QChar>
#include <QDate>
#include <QString>

// The letter keys of a date field that move its date.

// The text of a date field holding no date.
inline const QString EmptyDateText = QStringLiteral("  /  /    ");

struct DateKeyResult {
    enum Action {
        PassOn,       // not a date key here: the field's mask handles it
        NewDate,      // the key is consumed and text is the field's new date
        OpenCalendar, // "C": the key is consumed and the calendar opens
    } action = PassOn;
    QString text;
};

// T today; + and - a day on or back; M and H the first and last day of the month, Y and R of the
// year; W the Sunday before and K the Saturday after (on those days, a step further). Letters in
// either case. An empty field takes today's date first; a field holding no valid date passes the
// keys on.
DateKeyResult DateHotKey(QChar key, const QString& text, const QDate& today);

// The message for a date text that is not valid.
QString InvalidDateMessage(const QString& text);
