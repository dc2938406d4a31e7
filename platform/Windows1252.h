#pragma once

#include <QByteArray>
#include <QString>

// Text in record files is Windows-1252; Qt has no codec for it, so the table is our own.
QString FromWindows1252(const char* bytes, int length);
// Characters Windows-1252 cannot hold become "?".
QByteArray ToWindows1252(const QString& text);
