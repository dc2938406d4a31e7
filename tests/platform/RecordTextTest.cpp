#include "TestSupport.h"

#include "platform/RecordText.h"

TEST(RecordText, ConvertsWindows1252BothWaysAndCutsToTheCapacity)
{
    RecordText<10> field{};
    field.set(QStringLiteral("Caf\u00e9 \u20ac5 \u201cok\u201d"));
    EXPECT_EQ(field.length, 10);
    EXPECT_EQ(static_cast<unsigned char>(field.chars[3]), 0xE9);
    EXPECT_EQ(static_cast<unsigned char>(field.chars[5]), 0x80);
    EXPECT_EQ(field.get(), QStringLiteral("Caf\u00e9 \u20ac5 \u201co"));

    field.set(QStringLiteral("\u4e2d"));
    EXPECT_EQ(field.get(), QStringLiteral("?"));
}

TEST(RecordText, ClampsAStoredLengthBeyondTheField)
{
    RecordText<4> field{};
    field.length = 200;
    std::memcpy(field.chars, "ABCD", 4);
    EXPECT_EQ(field.get(), QStringLiteral("ABCD"));
}

TEST(RecordText, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(ToWindows1252(FromWindows1252(all.constData(), all.size())), all);
}
