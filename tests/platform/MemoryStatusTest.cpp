#include "TestSupport.h"

#include "platform/MemoryStatus.h"

TEST(MemoryStatusTest, TotalAndLoadFromMemInfo)
{
    const std::optional<MemoryStatus> status = ParseMemInfo("MemTotal:       16318404 kB\n"
                                                            "MemFree:         1000000 kB\n"
                                                            "MemAvailable:    4079601 kB\n"
                                                            "Buffers:          300000 kB\n");
    ASSERT_TRUE(status);
    EXPECT_EQ(status->totalKB, 16318404);
    EXPECT_EQ(status->loadPercent, 75);
}

TEST(MemoryStatusTest, OlderKernelsWithoutMemAvailableUseMemFree)
{
    const std::optional<MemoryStatus> status = ParseMemInfo("MemTotal: 1000 kB\nMemFree: 900 kB\n");
    ASSERT_TRUE(status);
    EXPECT_EQ(status->loadPercent, 10);
}

TEST(MemoryStatusTest, TextWithoutATotalGivesNothing)
{
    EXPECT_FALSE(ParseMemInfo(""));
    EXPECT_FALSE(ParseMemInfo("MemFree: 900 kB\n"));
    EXPECT_FALSE(ParseMemInfo("MemTotal: 0 kB\n"));
    EXPECT_FALSE(ParseMemInfo("MemTotal: lots kB\n"));
}

TEST(MemoryStatusTest, RunningMachineHasMemory)
{
    const std::optional<MemoryStatus> status = ReadMemoryStatus();
    ASSERT_TRUE(status);
    EXPECT_GT(status->totalKB, 0);
    EXPECT_GE(status->loadPercent, 0);
    EXPECT_LE(status->loadPercent, 100);
}

TEST(MemoryStatusTest, KilobytesWithThousandsSeparators)
{
    EXPECT_EQ(FormatKilobytes(0), QStringLiteral("0 KB"));
    EXPECT_EQ(FormatKilobytes(999), QStringLiteral("999 KB"));
    EXPECT_EQ(FormatKilobytes(1000), QStringLiteral("1,000 KB"));
    EXPECT_EQ(FormatKilobytes(16318404), QStringLiteral("16,318,404 KB"));
    EXPECT_EQ(FormatKilobytes(123456789012), QStringLiteral("123,456,789,012 KB"));
}
