#include "platform/SettingsText.h"

#include <QList>
#include <QStringList>

#include <utility>

namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A key as the file spells it: "\" between parts, "%XX" and "%UXXXX" for other characters.
QString UnescapedKey(const QByteArray& text)
{
    QString key;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            key += QChar('/');
            continue;
        }
        const qsizetype digits = i + 1 < text.size() && text[i + 1] == 'U' ? 4 : 2;
        const qsizetype first = i + 1 + (digits == 4 ? 1 : 0);
        bool ok = false;
        const uint code = c == '%' && first + digits <= text.size() ? text.mid(first, digits).toUInt(&ok, 16) : 0;
        if (!ok) {
            key += QChar(uchar(c));
            continue;
        }
        key += QChar(char16_t(code));
        i = first + digits - 1;
    }
    return key;
}

QString NormalizedKey(const QString& key)
{
    return key.split(QChar('/'), Qt::SkipEmptyParts).join(QChar('/'));
}

// Reads the escape after a backslash at text[i] (past it); the character it stands for, if any,
// goes into value.
qsizetype ReadEscape(const QByteArray& text, qsizetype i, QString& value)
{
    static const std::pair<char, char16_t> kSimple[] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                                         {'r', '\r'}, {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                                                         {'?', '?'}, {'\'', '\''}, {'\\', '\\'}};
    const char c = text[i++];
    for (const auto& [escape, meaning] : kSimple) {
        if (c == escape) {
            value += QChar(meaning);
            return i;
        }
    }
    const bool hex = c == 'x';
    if (!hex && (c < '0' || c > '7'))
        return i;  // an unknown escape stands for nothing
    if (hex && (i >= text.size() || HexValue(text[i]) < 0))
        return i;
    uint code = hex ? 0 : uint(c - '0');
    for (; i < text.size(); ++i) {
        const int digit = HexValue(text[i]);
        if (hex ? digit < 0 : (digit < 0 || digit > 7))
            break;
        code = code * (hex ? 16 : 8) + uint(digit);
    }
    value += QChar(char16_t(code));
    return i;
}

// A value as the file spells it: quotes around text with blanks at its ends or with ";", ","
// or "=", backslash escapes, and a leading "@" doubled.
QString UnescapedValue(const QByteArray& text)
{
    QString value;
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    qsizetype keep = 0;  // blanks up to here came from escapes or quotes and stay
    bool quoted = false;
    bool inQuotes = false;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\\') {
            if (++i >= text.size())
                break;
            i = ReadEscape(text, i, value);
            keep = value.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            keep = value.size();
            if (!inQuotes)
                while (i < text.size() && IsBlank(text[i]))
                    ++i;
        } else {
            qsizetype end = i + 1;
            while (end < text.size() && text[end] != '\\' && text[end] != '"')
                ++end;
            value += QString::fromUtf8(text.constData() + i, end - i);
            i = end;
        }
    }
    if (!quoted)
        while (value.size() > keep && (value.endsWith(QChar(' ')) || value.endsWith(QChar('\t'))))
            value.chop(1);
    if (value.startsWith(QStringLiteral("@@")))
        return value.mid(1);
    if (value == QStringLiteral("@Invalid()"))
        return {};
    for (const QString& wrapper : {QStringLiteral("@String("), QStringLiteral("@ByteArray(")})
        if (value.startsWith(wrapper) && value.endsWith(QChar(')')))
            return value.mid(wrapper.size(), value.size() - wrapper.size() - 1);
    return value;
}

// The end of a line's content: where an unquoted ";" starts a comment, or the line ends. -1 when
// a quote is never closed.
qsizetype ContentEnd(const QByteArray& line, qsizetype& equals)
{
    equals = -1;
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\')
            ++i;
        else if (c == '"')
            inQuotes = !inQuotes;
        else if (c == '=' && !inQuotes && equals < 0)
            equals = i;
        else if (c == ';' && !inQuotes)
            return i;
    }
    return inQuotes ? -1 : line.size();
}

QByteArray EscapedKey(const QString& key)
{
    QByteArray text;
    for (const QChar ch : key) {
        const char16_t c = ch.unicode();
        if (c == '/')
            text += '\\';
        else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
                 || c == '.')
            text += char(c);
        else if (c <= 0xFF)
            text += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        else
            text += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
    }
    return text;
}

QByteArray EscapedValue(const QString& value)
{
    const QString text = value.startsWith(QChar('@')) ? QChar('@') + value : value;
    QString escaped;
    bool needsQuotes = false;
    bool afterNumericEscape = false;  // a hex digit right after one would be read as part of it
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        needsQuotes = needsQuotes || c == ';' || c == ',' || c == '=';
        const bool hexDigit = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        const bool numeric = (afterNumericEscape && hexDigit) || c < 0x20 || c == 0x7F;
        afterNumericEscape = false;
        switch (c) {
        case '\a': escaped += QStringLiteral("\\a"); continue;
        case '\b': escaped += QStringLiteral("\\b"); continue;
        case '\f': escaped += QStringLiteral("\\f"); continue;
        case '\n': escaped += QStringLiteral("\\n"); continue;
        case '\r': escaped += QStringLiteral("\\r"); continue;
        case '\t': escaped += QStringLiteral("\\t"); continue;
        case '\v': escaped += QStringLiteral("\\v"); continue;
        case '"':
        case '\\':
            escaped += QChar('\\');
            escaped += ch;
            continue;
        default: break;
        }
        if (numeric) {
            escaped += QStringLiteral("\\x") + QString::number(c, 16);
            afterNumericEscape = true;
        } else {
            escaped += ch;
        }
    }
    if (needsQuotes || escaped.startsWith(QChar(' ')) || escaped.endsWith(QChar(' ')))
        escaped = QChar('"') + escaped + QChar('"');
    return escaped.toUtf8();
}

} // namespace

QString ParseSettingsText(const QByteArray& text, SettingsValues& values)
{
    QString section;
    const QByteArray body = text.startsWith(kUtf8Mark) ? text.mid(kUtf8Mark.size()) : text;
    QByteArray normalized = body;
    normalized.replace('\r', '\n');
    const QList<QByteArray> lines = normalized.split('\n');
    for (qsizetype number = 0; number < lines.size(); ++number) {
        const QByteArray line = lines[number].trimmed();
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        const QString where = QStringLiteral("line %1 ").arg(number + 1);
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            if (close < 0)
                return where + QStringLiteral("opens a section it never closes.");
            const QByteArray name = line.mid(1, close - 1).trimmed();
            if (name.compare("general", Qt::CaseInsensitive) == 0)
                section.clear();
            else if (name.compare("%general", Qt::CaseInsensitive) == 0)
                section = QString::fromLatin1(name.mid(1));
            else
                section = UnescapedKey(name);
            continue;
        }
        qsizetype equals = -1;
        const qsizetype end = ContentEnd(line, equals);
        if (end < 0)
            return where + QStringLiteral("opens a quote it never closes.");
        if (equals < 0)
            return where + QStringLiteral("is neither a section, a value nor a comment.");
        const QString key = NormalizedKey(section + QChar('/') + UnescapedKey(line.left(equals).trimmed()));
        if (!key.isEmpty())
            values.insert(key, UnescapedValue(line.mid(equals + 1, end - equals - 1)));
    }
    return {};
}

QByteArray SettingsText(const SettingsValues& values)
{
    // Keys with no section of their own stand first, under [General].
    QMap<QString, QList<std::pair<QString, QString>>> sections;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QChar('/'));
        const QString section = slash < 0 ? QString() : it.key().left(slash);
        sections[section].append({it.key().mid(slash + 1), it.value()});
    }
    QByteArray text;
    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        if (!text.isEmpty())
            text += '\n';
        if (it.key().isEmpty())
            text += "[General]\n";
        else if (it.key().compare(QStringLiteral("general"), Qt::CaseInsensitive) == 0)
            text += "[%" + it.key().toLatin1() + "]\n";
        else
            text += '[' + EscapedKey(it.key()) + "]\n";
        for (const auto& [name, value] : it.value())
            text += EscapedKey(name) + '=' + EscapedValue(value) + '\n';
    }
    return text;
}
