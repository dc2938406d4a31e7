#include "components/TextRoutines.h"

CharSet MakeCharSet(const char* members)
{
    CharSet set;
    for (const char* p = members; *p; ++p)
        set.set(static_cast<unsigned char>(*p));
    return set;
}

QString RightChars(const QString& text, int count)
{
    if (count <= 0)
        return QString();
    return count >= text.size() ? text : text.right(count);
}

QString LeftChars(const QString& text, int count)
{
    if (count <= 0)
        return QString();
    return text.left(count);
}

QString MidChars(const QString& text, int index, int count)
{
    if (count <= 0)
        return QString();
    const int start = index < 1 ? 0 : index - 1;
    if (start >= text.size())
        return QString();
    return text.mid(start, count);
}

QString TextBefore(const QString& text, QChar ch)
{
    const qsizetype at = text.indexOf(ch);
    return at <= 0 ? QString() : text.left(at);
}

QString KeepChars(const QString& text, const CharSet& charSet)
{
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text)
        if (c.unicode() < 256 && charSet.test(c.unicode()))
            kept += c;
    return kept;
}

bool IsBlank(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() > 32)
            return false;
    return true;
}

QString PadLeftTo(const QString& text, int width)
{
    return text.size() >= width ? text : QString(width - text.size(), QChar(' ')) + text;
}

QString PadRightTo(const QString& text, int width)
{
    return text.size() >= width ? text : text + QString(width - text.size(), QChar(' '));
}

QString ZeroPadTo(const QString& text, int width)
{
    return text.size() >= width ? text : QString(width - text.size(), QChar('0')) + text;
}

QString AddTrailingBackslash(const QString& path)
{
    if (path.endsWith(QChar('/')))
        return path;
    return path + QChar('/');
}

QString EscapeAmpersands(const QString& text)
{
    QString escaped = text;
    escaped.replace(QChar('&'), QStringLiteral("&&"));
    return escaped;
}

QString TildeToLineBreak(const QString& text)
{
    QString broken = text;
    broken.replace(QChar('~'), QChar('\r'));
    return broken;
}

QChar FirstCharOrSpace(const QString& text)
{
    if (text.isEmpty() || text.front().unicode() <= 32)
        return QChar(' ');
    return text.front();
}

namespace {
QChar upperAscii(QChar c)
{
    return (c >= QChar('a') && c <= QChar('z')) ? QChar(c.unicode() - 32) : c;
}
} // namespace

int TextIndexInList(const QString& text, const QStringList& list)
{
    for (int i = 0; i < list.size(); ++i) {
        const QString& entry = list[i];
        if (entry.size() != text.size())
            continue;
        bool same = true;
        for (qsizetype k = 0; k < text.size() && same; ++k)
            same = upperAscii(text[k]) == upperAscii(entry[k]);
        if (same)
            return i + 1;
    }
    return 0;
}
