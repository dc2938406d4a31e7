#include "platform/Windows1252.h"

namespace {

// Code points of bytes 0x80..0x9F; the five unassigned bytes map to the C1 control of the same value.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

int Windows1252Byte(QChar c)
{
    const char16_t unit = c.unicode();
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == unit)
            return 0x80 + i;
    return -1;
}

QString FromWindows1252(const char* bytes, int length)
{
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        text += QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b));
    }
    return text;
}

QByteArray ToWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const int byte = Windows1252Byte(c);
        bytes += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return bytes;
}

QString UpperCaseWindows1252(const QString& text)
{
    QString upper;
    upper.reserve(text.size());
    for (QChar c : text) {
        const QString capital = QString(c).toUpper();
        const QByteArray bytes = ToWindows1252(capital);
        upper += FromWindows1252(bytes.constData(), static_cast<int>(bytes.size())) == capital ? capital : QString(c);
    }
    return upper;
}
