#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>

// A boolean byte of a record. Files written by other programs or damaged on disk may hold any
// byte here; reading a C++ bool from such a byte is undefined, so the byte is kept as it is and
// every value other than 0 counts as set. Storing writes 0 or 1.
struct RecordBool {
    std::uint8_t value;

    operator bool() const { return value != 0; }
    RecordBool& operator=(bool set)
    {
        value = set ? 1 : 0;
        return *this;
    }
};
static_assert(sizeof(RecordBool) == 1 && alignof(RecordBool) == 1);

// An array of a record indexed the way the file format counts it: from First to Last, so the
// per-state arrays run 1..54 and the month arrays 0..12. An index outside the range is a program
// error that would otherwise overwrite a neighbouring field, so it throws instead.
template <typename T, int First, int Last>
struct RecordArray {
    static_assert(First <= Last);
    static constexpr int first = First;
    static constexpr int last = Last;
    static constexpr int count = Last - First + 1;

    T items[count];

    T& operator[](int index) { return items[position(index)]; }
    const T& operator[](int index) const { return items[position(index)]; }

    T* begin() { return items; }
    T* end() { return items + count; }
    const T* begin() const { return items; }
    const T* end() const { return items + count; }

private:
    static int position(int index)
    {
        if (index < First || index > Last)
            throw std::out_of_range(QStringLiteral("Record array index %1 lies outside %2..%3.")
                                        .arg(index)
                                        .arg(First)
                                        .arg(Last)
                                        .toStdString());
        return index - First;
    }
};
static_assert(sizeof(RecordArray<double, 1, 65>) == 520 && alignof(RecordArray<double, 1, 65>) == 8);
