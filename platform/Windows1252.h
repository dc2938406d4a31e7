#pragma once

#include <QByteArray>
#include <QString>

// Text in record files is Windows-1252; Qt has no codec for it, so the table is our own.
QString FromWindows1252(const char* bytes, int length);
// The byte of a character in Windows-1252, -1 for a character it cannot hold.
int Windows1252Byte(QChar c);
// Characters Windows-1252 cannot hold become "?".
QByteArray ToWindows1252(const QString& text);
// Every letter in capitals where Windows-1252 holds the capital: a-z, the accented letters, š œ ž
// and ÿ (Š Œ Ž Ÿ); ß becomes "SS". A letter whose capital it cannot hold (µ) stays as it is, so the
// text still fits a record.
QString UpperCaseWindows1252(const QString& text);
