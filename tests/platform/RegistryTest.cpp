#include "TestSupport.h"

#include "platform/AppMessageBox.h"
#include "platform/Clock.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"
#include "platform/Registry.h"

#include <QDir>
#include <QFile>

using RegistryTest = LedgoraTest;

TEST_F(RegistryTest, ValuesRoundTripThroughTheFileAcrossObjects)
{
    {
        Registry registry;
        ASSERT_FALSE(registry.OpenKey(QStringLiteral("Software\\Ledgora\\2026\\Printer"), false));
        ASSERT_TRUE(registry.OpenKey(QStringLiteral("Software\\Ledgora\\2026\\Printer"), true));
        registry.WriteString(QStringLiteral("Name"), QStringLiteral("Office\\Laser / 2"));
        registry.WriteInteger(QStringLiteral("Copies"), -3);
        registry.WriteBool(QStringLiteral("Duplex"), true);
        registry.WriteFloat(QStringLiteral("Scale"), 0.1);
        registry.CloseKey();
    }
    EXPECT_TRUE(QFile::exists(Registry::storePath()));
    EXPECT_TRUE(Registry::storePath().startsWith(configDir()));

    Registry registry;
    EXPECT_TRUE(registry.KeyExists(QStringLiteral("Software\\Ledgora\\2026")));
    ASSERT_TRUE(registry.OpenKey(QStringLiteral("Software\\Ledgora\\2026\\Printer"), false));
    EXPECT_EQ(registry.ReadString(QStringLiteral("Name")), QStringLiteral("Office\\Laser / 2"));
    EXPECT_EQ(registry.ReadInteger(QStringLiteral("Copies")), -3);
    EXPECT_TRUE(registry.ReadBool(QStringLiteral("Duplex")));
    EXPECT_EQ(registry.ReadFloat(QStringLiteral("Scale")), 0.1);
    EXPECT_TRUE(registry.ValueExists(QStringLiteral("Copies")));
    EXPECT_TRUE(registry.DeleteValue(QStringLiteral("Copies")));
    EXPECT_FALSE(registry.ValueExists(QStringLiteral("Copies")));
    EXPECT_EQ(registry.GetValueNames().size(), 3);
}

TEST_F(RegistryTest, MissingOrMistypedValuesRaise)
{
    Registry registry;
    ASSERT_TRUE(registry.OpenKey(QStringLiteral("Software\\Ledgora\\2026\\Scaling"), true));
    registry.WriteString(QStringLiteral("Percent"), QStringLiteral("ninety"));
    EXPECT_THROW(registry.ReadInteger(QStringLiteral("Percent")), ERegistryException);
    EXPECT_THROW(registry.ReadFloat(QStringLiteral("Percent")), ERegistryException);
    EXPECT_THROW(registry.ReadString(QStringLiteral("Missing")), ERegistryException);
    EXPECT_THROW(registry.ReadBool(QStringLiteral("Missing")), ERegistryException);
}

TEST_F(RegistryTest, KeysAreCreatedListedAndDeletedWithTheirValues)
{
    Registry registry;
    ASSERT_TRUE(registry.CreateKey(QStringLiteral("Software\\Ledgora\\2026\\RecentFiles")));
    EXPECT_TRUE(registry.KeyExists(QStringLiteral("Software\\Ledgora\\2026\\RecentFiles")));
    ASSERT_TRUE(registry.OpenKey(QStringLiteral("Software\\Ledgora\\2026"), false));
    ASSERT_TRUE(registry.OpenKey(QStringLiteral("Style"), true));
    EXPECT_EQ(registry.CurrentPath(), QStringLiteral("Software/Ledgora/2026/Style"));
    registry.WriteString(QStringLiteral("Name"), QStringLiteral("Cyan Dusk"));
    registry.CloseKey();
    ASSERT_TRUE(registry.OpenKey(QStringLiteral("Software\\Ledgora\\2026"), false));
    QStringList keys = registry.GetKeyNames();
    keys.sort();
    EXPECT_EQ(keys, (QStringList{QStringLiteral("RecentFiles"), QStringLiteral("Style")}));
    registry.CloseKey();
    EXPECT_TRUE(registry.DeleteKey(QStringLiteral("Software\\Ledgora\\2026\\Style")));
    EXPECT_FALSE(registry.KeyExists(QStringLiteral("Software\\Ledgora\\2026\\Style")));
    EXPECT_FALSE(registry.DeleteKey(QStringLiteral("Software\\Ledgora\\2026\\Style")));
}

TEST_F(RegistryTest, FoldersFollowTheirOverrides)
{
    EXPECT_EQ(ProgramDir(), programDir() + QStringLiteral("/"));
    EXPECT_EQ(ConfigDir(), configDir() + QStringLiteral("/"));
    EXPECT_EQ(DocumentsDir(), homeDir() + QStringLiteral("/Documents/"));
}

// A settings file that does not read is kept under a dated name, the program says so once and
// starts from its defaults, and settings are written and read normally from then on.
TEST_F(RegistryTest, DamagedSettingsFileIsSetAsideOnceAndSettingsWorkAgain)
{
    const std::pair<const char*, QByteArray> cases[] = {
        {"unclosed bracket", QByteArray("[Software\nRecent=1\n")},
        {"stray quote", QByteArray("[Software]\n\"Recent=1\n")},
        {"quote never closed", QByteArray("[Software]\nName=\"Acme\n[Software/Style]\nName=Cyan\n")},
        {"bytes FF FE", QByteArray("\xFF\xFE[\0S\0]\0\n\0", 10)},
    };
    SetClockForTests(QDateTime(QDate(2026, 12, 11), QTime(2, 30, 45)));
    const QString store = Registry::storePath();
    const QString aside = store + QStringLiteral(".damaged-2026-12-11-023045");
    for (const auto& [damage, bytes] : cases) {
        SCOPED_TRACE(damage);
        WriteTestFile(store, bytes);
        messages.expect(IdOk, QStringLiteral("cannot be read"));
        {
            Registry registry;
            ASSERT_TRUE(registry.OpenKey(QStringLiteral("Software\\Ledgora\\2026\\Printer"), true));
            registry.WriteString(QStringLiteral("Name"), QStringLiteral("Office \"Laser\", 2; left"));
            registry.CloseKey();
        }
        EXPECT_EQ(messages.last().text, QStringLiteral("The settings file %1 cannot be read. It has been kept as %2, and "
                                                       "the program starts from its default settings.")
                                            .arg(store, aside));
        EXPECT_EQ(messages.last().flags, MbIconWarning);
        EXPECT_EQ(ReadTestFile(aside), bytes);

        // Read back by a new object, with no second message.
        Registry again;
        ASSERT_TRUE(again.OpenKey(QStringLiteral("Software\\Ledgora\\2026\\Printer"), false));
        EXPECT_EQ(again.ReadString(QStringLiteral("Name")), QStringLiteral("Office \"Laser\", 2; left"));
        again.CloseKey();
        EXPECT_TRUE(messages.allAnswered());
        ASSERT_TRUE(QFile::remove(aside));
    }
    SetClockForTests(QDateTime());
}

TEST_F(RegistryTest, SettingsThatCannotBeWrittenAreReported)
{
    // A file where the settings folder belongs: the settings file cannot be created under it.
    const QString folder = QFileInfo(Registry::storePath()).absolutePath();
    ASSERT_TRUE(QDir(folder).removeRecursively());
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Registry registry;
    try {
        registry.OpenKey(QStringLiteral("Software\\Ledgora\\2026\\Printer"), true);
        ADD_FAILURE() << "the settings were taken as written";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.message(), QStringLiteral("The settings file %1 could not be written.").arg(Registry::storePath()));
    }
}
