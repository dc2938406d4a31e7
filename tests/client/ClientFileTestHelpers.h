#pragma once

#include "RecordBytes.h"
#include "TestSupport.h"

#include "platform/Exceptions.h"

#include <QByteArray>
#include <QStringList>
#include <cstring>
#include <functional>

// Runs `action`, which must raise EInOutError whose message holds every one of `parts`.
inline void ExpectInOutError(const std::function<void()>& action, const QStringList& parts)
{
    try {
        action();
        ADD_FAILURE() << "no EInOutError was raised";
    } catch (const EInOutError& e) {
        for (const QString& part : parts)
            EXPECT_TRUE(e.message().contains(part)) << e.message().toStdString() << " lacks " << part.toStdString();
    }
}

// A record whose every byte is `fill`, so that a change to any byte shows.
template <typename Record>
Record FilledRecord(unsigned char fill)
{
    Record record;
    std::memset(&record, fill, sizeof(Record));
    return record;
}

// Writes a text field into a byte image: its length byte, then its characters.
inline void PutText(QByteArray& bytes, int offset, const QByteArray& text)
{
    bytes[offset] = static_cast<char>(text.size());
    for (int i = 0; i < text.size(); ++i)
        bytes[offset + 1 + i] = text[i];
}
