#include "TestSupport.h"

#include "components/TextRoutines.h"

TEST(TextRoutines, CutPadAndSearch)
{
    const QString t = QStringLiteral("Ledgora");
    EXPECT_EQ(RightChars(t, 3), QStringLiteral("ora"));
    EXPECT_EQ(RightChars(t, 30), t);
    EXPECT_EQ(RightChars(t, 0), QString());
    EXPECT_EQ(LeftChars(t, 3), QStringLiteral("Led"));
    EXPECT_EQ(LeftChars(t, 30), t);
    EXPECT_EQ(MidChars(t, 2, 3), QStringLiteral("edg"));
    EXPECT_EQ(MidChars(t, 0, 2), QStringLiteral("Le"));
    EXPECT_EQ(MidChars(t, 6, 9), QStringLiteral("ra"));
    EXPECT_EQ(MidChars(t, 9, 2), QString());
    EXPECT_EQ(TextBefore(QStringLiteral("1234.56"), QChar('.')), QStringLiteral("1234"));
    EXPECT_EQ(TextBefore(QStringLiteral("123456"), QChar('.')), QString());
    EXPECT_EQ(TextBefore(QStringLiteral(".56"), QChar('.')), QString());
    EXPECT_EQ(KeepChars(QStringLiteral("a1\u01002b3"), MakeCharSet("0123456789")), QStringLiteral("123"));
    EXPECT_EQ(PadLeftTo(QStringLiteral("7"), 3), QStringLiteral("  7"));
    EXPECT_EQ(PadLeftTo(QStringLiteral("1234"), 3), QStringLiteral("1234"));
    EXPECT_EQ(PadRightTo(QStringLiteral("7"), 3), QStringLiteral("7  "));
    EXPECT_EQ(ZeroPadTo(QStringLiteral("7"), 3), QStringLiteral("007"));
    EXPECT_EQ(AddTrailingBackslash(QString()), QStringLiteral("/"));
    EXPECT_EQ(AddTrailingBackslash(QStringLiteral("/data")), QStringLiteral("/data/"));
    EXPECT_EQ(AddTrailingBackslash(QStringLiteral("/data/")), QStringLiteral("/data/"));
    EXPECT_EQ(EscapeAmpersands(QStringLiteral("A&B & C")), QStringLiteral("A&&B && C"));
    EXPECT_EQ(TildeToLineBreak(QStringLiteral("a~b")), QStringLiteral("a\rb"));
    EXPECT_EQ(FirstCharOrSpace(QString()), QChar(' '));
    EXPECT_EQ(FirstCharOrSpace(QStringLiteral("\tx")), QChar(' '));
    EXPECT_EQ(FirstCharOrSpace(QStringLiteral("Yes")), QChar('Y'));
    EXPECT_TRUE(IsBlank(QStringLiteral(" \t\r\n")));
    EXPECT_FALSE(IsBlank(QStringLiteral(" x ")));
    const QStringList list{QStringLiteral("Alpha"), QStringLiteral("bEta"), QStringLiteral("beta")};
    EXPECT_EQ(TextIndexInList(QStringLiteral("BETA"), list), 2);
    EXPECT_EQ(TextIndexInList(QStringLiteral("gamma"), list), 0);
    // Only A to Z fold: an accented letter must match exactly.
    EXPECT_EQ(TextIndexInList(QStringLiteral("\u00c9"), QStringList{QStringLiteral("\u00e9")}), 0);
}
