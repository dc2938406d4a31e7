#pragma once

#include "platform/Windows1252.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstring>

// A text field of a record: a length byte, then N characters in Windows-1252. Only the first
// "length" characters count; the bytes after them pass through reads and writes unchanged.
template <int N>
struct RecordText {
    static_assert(N > 0 && N < 256);
    std::uint8_t length;
    char chars[N];

    static constexpr int capacity = N;

    // A stored length beyond the capacity is clamped, never read past the field.
    QString get() const { return FromWindows1252(chars, std::min<int>(length, N)); }
    operator QString() const { return get(); }

    // A longer text is cut to the capacity; the characters behind the new length are zeroed.
    void set(const QString& text)
    {
        const QByteArray bytes = ToWindows1252(text.left(N));
        length = static_cast<std::uint8_t>(bytes.size());
        std::memset(chars, 0, N);
        std::memcpy(chars, bytes.constData(), static_cast<size_t>(bytes.size()));
    }
    RecordText& operator=(const QString& text)
    {
        set(text);
        return *this;
    }
};
static_assert(sizeof(RecordText<10>) == 11 && alignof(RecordText<10>) == 1);
