#pragma once

#include <QString>
#include <QStringList>
#include <bitset>

// A set of character codes 0 to 255.
using CharSet = std::bitset<256>;

// The set holding every character of members (all of them below 256).
CharSet MakeCharSet(const char* members);

QString RightChars(const QString& text, int count);
QString LeftChars(const QString& text, int count);
// Count characters from position index, counted from 1.
QString MidChars(const QString& text, int index, int count);
QString TextBefore(const QString& text, QChar ch);
QString KeepChars(const QString& text, const CharSet& charSet);
bool IsBlank(const QString& text);
QString PadLeftTo(const QString& text, int width);
QString PadRightTo(const QString& text, int width);
QString ZeroPadTo(const QString& text, int width);
// Folder paths end in the platform's separator, which is "/" here.
QString AddTrailingBackslash(const QString& path);
QString EscapeAmpersands(const QString& text);
QString TildeToLineBreak(const QString& text);
QChar FirstCharOrSpace(const QString& text);
// Position counted from 1 of the first entry equal to text, ignoring the case of A to Z; 0 when none.
int TextIndexInList(const QString& text, const QStringList& list);
