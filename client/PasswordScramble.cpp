#include "client/PasswordScramble.h"

namespace {

// Position j of one list stands for position j of the other. Changing either list makes every
// stored password unreadable.
const QString kPlain = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!@#$");
const QString kScrambled = QStringLiteral("8WAoLUPjT539ICp6zGwHXcagq2DZkeltux4$1QvfSYKJBMyORFsEmn!VhbNd0i#r7@");

QString Substitute(const QString& text, const QString& from, const QString& to)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        const qsizetype at = from.indexOf(c);
        if (at >= 0)
            result += to.at(at);
    }
    return result;
}

} // namespace

QString ScramblePassword(const QString& text)
{
    return Substitute(text, kPlain, kScrambled);
}

QString UnscramblePassword(const QString& text)
{
    return Substitute(text, kScrambled, kPlain);
}
