#include "TestSupport.h"

#include "platform/RecordText.h"
#include "platform/Windows1252.h"

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

TEST(RecordText, UpperCaseKeepsEveryLetterWithinWindows1252)
{
    const struct {
        const char* text;
        const char* upper;
    } cases[] = {
        {"François Zoë", "FRANÇOIS ZOË"},
        {"Müller-Lüdenscheidt", "MÜLLER-LÜDENSCHEIDT"},
        {"Chen-Smith O'Neil Jr.", "CHEN-SMITH O'NEIL JR."},
        {"Straße", "STRASSE"},            // no capital sharp s in Windows-1252
        {"ÿ š œ ž", "Ÿ Š Œ Ž"},           // capitals at 0x8A..0x9F
        {"µ 5 €", "µ 5 €"},               // the Greek capital mu is not in Windows-1252
        {"àáâãäåæçèéêëìíîïðñòóôõöøùúûüýþ", "ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ"},
    };
    for (const auto& c : cases) {
        const QString upper = UpperCaseWindows1252(QString::fromUtf8(c.text));
        EXPECT_EQ(upper, QString::fromUtf8(c.upper)) << c.text;
        const QByteArray bytes = ToWindows1252(upper);
        EXPECT_EQ(FromWindows1252(bytes.constData(), static_cast<int>(bytes.size())), upper) << c.text;
    }
}
