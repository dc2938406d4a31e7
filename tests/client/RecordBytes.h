#pragma once

#include <QByteArray>
#include <gtest/gtest.h>
#include <cstddef>
#include <cstring>
#include <random>

// The file image of a record.
template <typename Record>
QByteArray RecordBytes(const Record& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof(Record));
}

// A record read from a file image of exactly its size.
template <typename Record>
Record RecordFromBytes(const QByteArray& bytes)
{
    Record record;
    std::memcpy(&record, bytes.constData(), sizeof(Record));
    return record;
}

// Where a field lies in its record, counted the way the file counts it.
template <typename Record, typename Field>
std::ptrdiff_t ByteOffset(const Record& record, const Field& field)
{
    return reinterpret_cast<const char*>(&field) - reinterpret_cast<const char*>(&record);
}

// Reproducible noise for filling a whole record.
inline QByteArray RandomBytes(int size, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray bytes(size, '\0');
    for (char& b : bytes)
        b = static_cast<char>(byte(generator));
    return bytes;
}

// Compares two record images and names the first byte that differs instead of printing them whole.
inline ::testing::AssertionResult SameBytes(const QByteArray& actual, const QByteArray& expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "size " << actual.size() << ", expected " << expected.size();
    for (qsizetype i = 0; i < actual.size(); ++i)
        if (actual[i] != expected[i])
            return ::testing::AssertionFailure()
                << "byte " << i << " is " << int(static_cast<unsigned char>(actual[i])) << ", expected "
                << int(static_cast<unsigned char>(expected[i]));
    return ::testing::AssertionSuccess();
}
