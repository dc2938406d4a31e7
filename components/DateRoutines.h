#pragma once

#include <QDate>
#include <QString>

// Every date of the program is a text "mm/dd/yyyy".

// The calendar date of a text; raises EConvertError when it is not one.
QDate DateFromText(const QString& text);
QString DateToText(const QDate& date);

bool IsValidDateStr(const QString& text);
void SplitDateStr(const QString& text, int& month, int& day, int& year);
QString JoinDateStr(int month, int day, int year);
int DaysBetweenDates(const QString& fromDate, const QString& toDate);
QString AddDaysToDateStr(const QString& dateText, int days);
QString AddMonthsToDateStr(const QString& dateText, int months);
bool IsDateInRange(const QString& dateText, const QString& fromText, const QString& toText);
bool LeapYear(int year);
