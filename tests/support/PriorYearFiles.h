#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <cstring>

// Last year's client files built byte by byte from their published offsets, independently of the
// program's own description of them.
namespace prior_year_bytes {

constexpr int kCompanySize = 13240;
constexpr int kEmployeeSize = 44920;

inline void putText(QByteArray& bytes, int offset, int capacity, const QByteArray& text)
{
    const int length = static_cast<int>(std::min<qsizetype>(text.size(), capacity));
    bytes[offset] = static_cast<char>(length);
    std::memcpy(bytes.data() + offset + 1, text.constData(), static_cast<size_t>(length));
}

inline void putDouble(QByteArray& bytes, int offset, double value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

inline void putInt(QByteArray& bytes, int offset, qint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

inline void putByte(QByteArray& bytes, int offset, int value)
{
    bytes[offset] = static_cast<char>(value);
}

// A company of last year: name, current state and no password unless given.
inline QByteArray company(const QByteArray& name, int currentState = 5, const QByteArray& password = {})
{
    QByteArray bytes(kCompanySize, '\0');
    putText(bytes, 0, 45, name);
    putInt(bytes, 3912, currentState);
    putText(bytes, 4233, 15, password);
    return bytes;
}

// An employee of last year still employed, in a department and a position.
inline QByteArray employee(int number, const QByteArray& lastName, const QByteArray& department = "Office",
                           const QByteArray& position = "Clerk")
{
    QByteArray bytes(kEmployeeSize, '\0');
    putInt(bytes, 0, number);
    putText(bytes, 4, 15, "Pat");
    putText(bytes, 38, 20, lastName);
    putText(bytes, 252, 20, department);
    putText(bytes, 273, 20, position);
    putText(bytes, 423, 10, "  /  /    ");
    return bytes;
}

inline void resign(QByteArray& employee) { putText(employee, 423, 10, "11/30/2025"); }
inline void decease(QByteArray& employee) { putByte(employee, 488, 1); }

// The year-to-date element of last year's amount group.
inline int yearToDateOffset(int group) { return 976 + 32 * group + 24; }

} // namespace prior_year_bytes
