#include "TestSupport.h"

#include "components/PrinterSetup.h"
#include "platform/Registry.h"

#include <memory>

namespace {

const QString kRoot = QStringLiteral("Software\\Ledgora\\2026\\");

class PrinterSetupTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        PrinterSetup::ClearRecord();
    }

    // Made after the fixture has pointed the registry at the test's folder.
    std::unique_ptr<Registry> registry_;
    Registry& registry()
    {
        if (!registry_)
            registry_ = std::make_unique<Registry>();
        return *registry_;
    }

    // Writes raw values under the "Printer" key, as another version or a hand edit may leave them.
    static void writeKey(const std::vector<std::pair<QString, QString>>& values)
    {
        Registry registry;
        ASSERT_TRUE(registry.OpenKey(kRoot + QStringLiteral("Printer"), true));
        for (const auto& [name, value] : values)
            registry.WriteString(name, value);
        registry.CloseKey();
    }

    static void fillRecord()
    {
        PrinterSetupRec.Name = QStringLiteral("Office Laser");
        PrinterSetupRec.Paper = QStringLiteral("Letter");
        PrinterSetupRec.Bin = QStringLiteral("Tray 2");
        PrinterSetupRec.Orientation = 1;
        PrinterSetupRec.Collate = 1;
        PrinterSetupRec.Duplex = 2;
        PrinterSetupRec.Copies = 3;
    }
};

// Copies lies unaligned in the packed record: it is compared as a copy, never bound to a reference.
int loadedCopies()
{
    return PrinterSetupRec.Copies;
}

} // namespace

TEST_F(PrinterSetupTest, SavedSettingsLoadBackWhole)
{
    fillRecord();
    PrinterSetup::SaveToRegistry(registry(), kRoot);
    PrinterSetup::ClearRecord();
    PrinterSetup::LoadFromRegistry(registry(), kRoot);
    EXPECT_EQ(PrinterSetupRec.Name.get(), QStringLiteral("Office Laser"));
    EXPECT_EQ(PrinterSetupRec.Paper.get(), QStringLiteral("Letter"));
    EXPECT_EQ(PrinterSetupRec.Bin.get(), QStringLiteral("Tray 2"));
    EXPECT_EQ(PrinterSetupRec.Orientation, 1);
    EXPECT_EQ(PrinterSetupRec.Collate, 1);
    EXPECT_EQ(PrinterSetupRec.Duplex, 2);
    EXPECT_EQ(loadedCopies(), 3);

    Registry reader;
    ASSERT_TRUE(reader.OpenKeyReadOnly(kRoot + QStringLiteral("Printer")));
    EXPECT_EQ(reader.ReadInteger(QStringLiteral("Collate")), 1);
    EXPECT_EQ(reader.GetValueNames().size(), 7);
}

TEST_F(PrinterSetupTest, WithoutTheKeyTheRecordStaysAndNoKeyIsMade)
{
    fillRecord();
    ASSERT_TRUE(registry().OpenKey(kRoot + QStringLiteral("Style"), true));   // another key left open
    PrinterSetup::LoadFromRegistry(registry(), kRoot);
    EXPECT_EQ(PrinterSetupRec.Name.get(), QStringLiteral("Office Laser"));
    EXPECT_EQ(loadedCopies(), 3);
    EXPECT_FALSE(Registry().KeyExists(kRoot + QStringLiteral("Printer")));
}

TEST_F(PrinterSetupTest, LongNamesAreCutToTheirFields)
{
    writeKey({{QStringLiteral("Name"), QString(70, QChar('N'))},
              {QStringLiteral("Paper"), QString(45, QChar('P'))},
              {QStringLiteral("Bin"), QString(41, QChar('B'))}});
    PrinterSetup::LoadFromRegistry(registry(), kRoot);
    EXPECT_EQ(PrinterSetupRec.Name.get(), QString(60, QChar('N')));
    EXPECT_EQ(PrinterSetupRec.Paper.get(), QString(40, QChar('P')));
    EXPECT_EQ(PrinterSetupRec.Bin.get(), QString(40, QChar('B')));
}

// A damaged or partial key must not fail every printout: what cannot be read keeps its value.
TEST_F(PrinterSetupTest, MissingOrDamagedNumbersLeaveTheirFields)
{
    struct Case {
        const char* what;
        std::vector<std::pair<QString, QString>> values;
        int orientation, collate, duplex, copies;
    };
    const Case cases[] = {
        {"all good", {{"Orientation", "2"}, {"Collate", "7"}, {"Duplex", "1"}, {"Copies", "4"}}, 2, 1, 1, 4},
        {"out of range choices", {{"Orientation", "3"}, {"Duplex", "-1"}, {"Collate", "0"}, {"Copies", "2"}}, 1, 0, 2, 2},
        {"not numbers", {{"Orientation", "wide"}, {"Collate", "yes"}, {"Duplex", ""}, {"Copies", "two"}}, 1, 1, 2, 3},
        {"missing", {{"Name", "Office Laser"}}, 1, 1, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Registry().DeleteKey(kRoot + QStringLiteral("Printer"));
        writeKey(c.values);
        fillRecord();
        EXPECT_NO_THROW(PrinterSetup::LoadFromRegistry(registry(), kRoot));
        EXPECT_EQ(PrinterSetupRec.Orientation, c.orientation);
        EXPECT_EQ(PrinterSetupRec.Collate, c.collate);
        EXPECT_EQ(PrinterSetupRec.Duplex, c.duplex);
        EXPECT_EQ(loadedCopies(), c.copies);
    }
}

TEST_F(PrinterSetupTest, MissingNamesReadAsBlank)
{
    writeKey({{QStringLiteral("Copies"), QStringLiteral("1")}});
    fillRecord();
    PrinterSetup::LoadFromRegistry(registry(), kRoot);
    EXPECT_TRUE(PrinterSetupRec.Name.get().isEmpty());
    EXPECT_TRUE(PrinterSetupRec.Paper.get().isEmpty());
    EXPECT_TRUE(PrinterSetupRec.Bin.get().isEmpty());
}
