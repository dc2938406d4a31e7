#include "TestSupport.h"

#include "platform/AppMessageBox.h"
#include "platform/Clock.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"
#include "platform/Registry.h"
#include "platform/SettingsText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <iterator>

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
        EXPECT_EQ(e.message(),
                  QStringLiteral("The settings file %1 could not be written: Not a directory.").arg(Registry::storePath()));
    }
}

namespace {

// Values that need each kind of escape the settings file knows.
const std::pair<const char*, QString> kAwkwardValues[] = {
    {"plain", QStringLiteral("Cyan Dusk")},
    {"empty", QString()},
    {"quotes, comma, semicolon", QStringLiteral("Office \"Laser\", 2; left")},
    {"equals sign", QStringLiteral("a=b")},
    {"blanks at both ends", QStringLiteral("  spaced  ")},
    {"backslashes", QStringLiteral("C:\\Ledgora\\2026\\")},
    {"control characters", QStringLiteral("tab\there\nline\x01" "1f end")},
    {"leading at sign", QStringLiteral("@Invalid()")},
    {"accents and euro", QStringLiteral("Caf\u00e9 \u20ac 5 \u00fc")},
    {"octal-looking", QStringLiteral("\\0 and 017")},
};

const QString kAwkwardKey = QStringLiteral("Software/Ledgora/2026/Pr\u00efnter [1]/.values/");

} // namespace

// A settings file written by earlier versions (through QSettings) reads the same, and a file
// written now reads the same in them.
TEST_F(RegistryTest, SettingsFileReadsAndWritesAsEarlierVersionsDid)
{
    const QString store = Registry::storePath();
    {
        QSettings earlier(store, QSettings::IniFormat);
        for (const auto& [name, value] : kAwkwardValues)
            earlier.setValue(kAwkwardKey + QString::fromLatin1(name), value);
        earlier.setValue(QStringLiteral("Software/Ledgora/2026/Style/.key"), QString());
    }
    SettingsValues values;
    ASSERT_EQ(ParseSettingsText(ReadTestFile(store), values), QString());
    for (const auto& [name, value] : kAwkwardValues)
        EXPECT_EQ(values.value(kAwkwardKey + QString::fromLatin1(name)), value) << name;
    EXPECT_TRUE(values.contains(QStringLiteral("Software/Ledgora/2026/Style/.key")));
    EXPECT_EQ(values.size(), std::size(kAwkwardValues) + 1);

    const QString ours = tempPath(QStringLiteral("ours.ini"));
    WriteTestFile(ours, SettingsText(values));
    QSettings earlier(ours, QSettings::IniFormat);
    EXPECT_EQ(earlier.status(), QSettings::NoError);
    for (const auto& [name, value] : kAwkwardValues)
        EXPECT_EQ(earlier.value(kAwkwardKey + QString::fromLatin1(name)).toString(), value) << name;
    SettingsValues again;
    ASSERT_EQ(ParseSettingsText(ReadTestFile(ours), again), QString());
    EXPECT_EQ(again, values);
}

// Another object, or another copy of the program, that wrote the file since is seen by the next
// read, and a write keeps what it wrote.
TEST_F(RegistryTest, ReadsSeeWhatWasWrittenSinceAndWritesKeepIt)
{
    Registry first;
    ASSERT_TRUE(first.OpenKey(QStringLiteral("Software\\Ledgora\\2026\\Printer"), true));
    first.WriteString(QStringLiteral("Name"), QStringLiteral("Laser"));
    {
        Registry second;
        ASSERT_TRUE(second.OpenKey(QStringLiteral("Software\\Ledgora\\2026\\Backup"), true));
        second.WriteString(QStringLiteral("Folder"), QStringLiteral("/media/stick"));
    }
    first.WriteInteger(QStringLiteral("Copies"), 2);
    Registry third;
    ASSERT_TRUE(third.OpenKey(QStringLiteral("Software\\Ledgora\\2026\\Backup"), false));
    EXPECT_EQ(third.ReadString(QStringLiteral("Folder")), QStringLiteral("/media/stick"));
    WriteTestFile(Registry::storePath(), "[Software]\nLedgora\\2026\\Printer\\.values\\Name=Inkjet\n");
    EXPECT_EQ(first.ReadString(QStringLiteral("Name")), QStringLiteral("Inkjet"));
    EXPECT_FALSE(first.ValueExists(QStringLiteral("Copies")));
}

// A file far larger than settings is never read whole: it is set aside as a damaged one is.
TEST_F(RegistryTest, OversizedSettingsFileIsSetAsideUnread)
{
    SetClockForTests(QDateTime(QDate(2026, 12, 11), QTime(2, 30, 45)));
    const QString store = Registry::storePath();
    WriteTestFile(store, "[Software]\n");
    ASSERT_TRUE(QFile::resize(store, qint64(200) << 20));  // sparse: no 200 MB on the disk
    messages.expect(IdOk, QStringLiteral("cannot be read. It has been kept as ") + store
                              + QStringLiteral(".damaged-2026-12-11-023045"));
    Registry registry;
    ASSERT_TRUE(registry.OpenKey(QStringLiteral("Software\\Ledgora\\2026\\Printer"), true));
    registry.WriteString(QStringLiteral("Name"), QStringLiteral("Laser"));
    EXPECT_LT(QFileInfo(store).size(), 1000);
    SetClockForTests(QDateTime());
}

// Temporary copies that a program stopped while saving left go; the settings, a damaged file kept
// aside, other files and links (and what they point to) stay.
TEST_F(RegistryTest, LeftoverCopiesOfTheSettingsFileAreRemoved)
{
    const QString folder = configDir() + QStringLiteral("/");
    const QString outside = tempPath(QStringLiteral("outside.txt"));
    WriteTestFile(outside, "not ours");
    const QStringList kept = {QStringLiteral("registry.ini"), QStringLiteral("registry.ini.damaged-2026-12-11-023045"),
                              QStringLiteral("registry.ini.lnk123"), QStringLiteral("registry.ini.notes")};
    for (const QString& name : {kept[0], kept[1], kept[3], QStringLiteral("registry.ini.Ab12Cd"),
                                QStringLiteral("registry.ini.x9Y8z7"), QStringLiteral(".registry.ini.k3x9.part")})
        WriteTestFile(folder + name, "settings");
    ASSERT_TRUE(QFile::link(outside, folder + kept[2]));
    EXPECT_EQ(Registry::RemoveLeftoverCopies(QDateTime::currentDateTime().addSecs(-60)), QStringList());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 7);
    EXPECT_EQ(Registry::RemoveLeftoverCopies(QDateTime::currentDateTime().addSecs(60)), QStringList());
    QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    left.sort();
    EXPECT_EQ(left, kept);
    EXPECT_EQ(ReadTestFile(outside), QByteArray("not ours"));
}
