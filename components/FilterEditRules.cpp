#include "components/FilterEditRules.h"

#include "platform/Windows1252.h"

namespace {

// One element of the list being scanned: a character or a range of them.
struct Element {
    int lower = 0;
    int upper = 0;
    bool range = false;
    bool seen = false;

    void take(QChar c)
    {
        const int byte = Windows1252Byte(c);
        if (byte < 0)
            return;
        (range ? upper : lower) = byte;
        seen = true;
    }

    void addTo(CharSet& set) const
    {
        if (!seen)
            return;
        if (!range) {
            set.set(lower);
            return;
        }
        for (int c = lower; c <= upper; ++c)
            set.set(c);
    }
};

} // namespace

CharSet ParseValidChars(const QString& validChars)
{
    CharSet set;
    Element element;
    for (qsizetype i = 1; i < validChars.size(); ++i) {
        const QChar c = validChars[i];
        if (c == QChar(',') || c == QChar(']')) {
            element.addTo(set);
            element = Element();
        } else if (c == QChar('.')) {
            element.range = true;
            element.upper = '.';
            element.seen = true;
        } else if (c == QChar('\'')) {
            if (i + 1 < validChars.size())
                element.take(validChars[i + 1]);
            i += 2; // the quoted character and its closing quote
        } else {
            element.take(c);
        }
    }
    return set;
}

void ValidCharSet::setText(const QString& validChars)
{
    if (validChars == text_)
        return;
    if (!validChars.startsWith(QChar('[')) || !validChars.endsWith(QChar(']'))) {
        text_ = QStringLiteral("Invalid format ") + validChars;
        return;
    }
    text_ = validChars;
    set_ = ParseValidChars(validChars);
}

bool ValidCharSet::permits(QChar c) const
{
    if (set_.none() || c == QChar('\b'))
        return true;
    const int byte = Windows1252Byte(c);
    return byte >= 0 && set_.test(static_cast<std::size_t>(byte));
}

QChar ForceCase(QChar c, TEditCharCase charCase)
{
    if (charCase == ecUpperCase && c >= QChar('a') && c <= QChar('z'))
        return QChar(c.unicode() - 32);
    if (charCase == ecLowerCase && c >= QChar('A') && c <= QChar('Z'))
        return QChar(c.unicode() + 32);
    return c;
}

QString UpperCaseAZ(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        c = ForceCase(c, ecUpperCase);
    return result;
}

QString LowerCaseAZ(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        c = ForceCase(c, ecLowerCase);
    return result;
}

QString CapitalizeWords(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size() - 1;
    while (first <= last && text[first].unicode() <= ' ')
        ++first;
    while (last >= first && text[last].unicode() <= ' ')
        --last;
    QString result = text.mid(first, last - first + 1);
    for (qsizetype i = 0; i < result.size(); ++i)
        if (i == 0 || result[i - 1] == QChar(' '))
            result[i] = ForceCase(result[i], ecUpperCase);
    return result;
}
