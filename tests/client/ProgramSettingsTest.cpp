#include "TestSupport.h"

#include "client/ProgramSettings.h"
#include "platform/Registry.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kRoot = QStringLiteral("Software\\Ledgora\\2026\\");
const QStringList kStyles = {QStringLiteral("Cyan Dusk"), QStringLiteral("Luna"), QStringLiteral("Windows")};

class ProgramSettingsTest : public LedgoraTest {
protected:
    QString readString(const QString& key, const QString& name)
    {
        Registry registry;
        if (!registry.OpenKey(kRoot + key, false))
            return QStringLiteral("<no key>");
        const QString value = registry.ValueExists(name) ? registry.ReadString(name) : QStringLiteral("<no value>");
        registry.CloseKey();
        return value;
    }

    void write(const QString& key, const QString& name, const QString& value)
    {
        Registry registry;
        ASSERT_TRUE(registry.OpenKey(kRoot + key, true));
        registry.WriteString(name, value);
        registry.CloseKey();
    }

    bool keyExists(const QString& key)
    {
        Registry registry;
        return registry.KeyExists(kRoot + key);
    }
};

} // namespace

TEST_F(ProgramSettingsTest, FirstStartWritesTheDefaultsButNoRecentFiles)
{
    Registry registry;
    const ProgramSettings settings = LoadProgramSettings(registry, kRoot, kStyles);

    EXPECT_EQ(settings.federalTaxPaymentURL, QLatin1String(kFederalTaxPaymentPage));
    EXPECT_EQ(settings.stateTaxPaymentURL, QString());
    EXPECT_EQ(settings.recentFiles, QStringList(QVector<QString>(10)));
    EXPECT_EQ(settings.scalingPercent, 100);
    EXPECT_EQ(settings.styleName, QStringLiteral("Cyan Dusk"));
    EXPECT_TRUE(settings.showSplash);

    EXPECT_EQ(readString(QStringLiteral("TaxPayments"), QStringLiteral("Federal")), QLatin1String(kFederalTaxPaymentPage));
    EXPECT_EQ(readString(QStringLiteral("TaxPayments"), QStringLiteral("State")), QString());
    EXPECT_EQ(readString(QStringLiteral("Scaling"), QStringLiteral("ScalingPct")), QStringLiteral("100"));
    EXPECT_EQ(readString(QStringLiteral("Style"), QStringLiteral("StyleName")), QStringLiteral("Cyan Dusk"));
    EXPECT_EQ(readString(QStringLiteral("Splash"), QStringLiteral("Display")), QStringLiteral("1"));
    EXPECT_FALSE(keyExists(QStringLiteral("RecentFiles")));
    EXPECT_EQ(registry.CurrentPath(), QString());
}

TEST_F(ProgramSettingsTest, StoredValuesAreReadBackAndKeysAreNotRewritten)
{
    write(QStringLiteral("TaxPayments"), QStringLiteral("Federal"), QStringLiteral("https://fed.example"));
    write(QStringLiteral("TaxPayments"), QStringLiteral("State"), QStringLiteral("https://nj.example"));
    write(QStringLiteral("RecentFiles"), QStringLiteral("0"), QStringLiteral("/d/B.P26"));
    write(QStringLiteral("RecentFiles"), QStringLiteral("2"), QStringLiteral("/d/C.P26"));
    write(QStringLiteral("Scaling"), QStringLiteral("ScalingPct"), QStringLiteral("90"));
    write(QStringLiteral("Style"), QStringLiteral("StyleName"), QStringLiteral("luna"));
    write(QStringLiteral("Splash"), QStringLiteral("Display"), QStringLiteral("0"));

    Registry registry;
    const ProgramSettings settings = LoadProgramSettings(registry, kRoot, kStyles);
    EXPECT_EQ(settings.federalTaxPaymentURL, QStringLiteral("https://fed.example"));
    EXPECT_EQ(settings.stateTaxPaymentURL, QStringLiteral("https://nj.example"));
    QStringList recent(QVector<QString>(10));
    recent[0] = QStringLiteral("/d/B.P26");
    recent[2] = QStringLiteral("/d/C.P26");
    EXPECT_EQ(settings.recentFiles, recent);
    EXPECT_EQ(settings.scalingPercent, 90);
    EXPECT_EQ(settings.styleName, QStringLiteral("Luna"));
    EXPECT_FALSE(settings.showSplash);
}

TEST_F(ProgramSettingsTest, UnknownStyleFallsBackToCyanDusk)
{
    write(QStringLiteral("Style"), QStringLiteral("StyleName"), QStringLiteral("Carbon"));
    Registry registry;
    EXPECT_EQ(LoadProgramSettings(registry, kRoot, kStyles).styleName, QStringLiteral("Cyan Dusk"));
}

TEST_F(ProgramSettingsTest, ScalingIsBroughtIntoItsRange)
{
    struct Case {
        const char* stored;
        int read;
    };
    const Case cases[] = {{"85", 85}, {"84", 85}, {"0", 85}, {"-5", 85}, {"101", 100}, {"250", 100}, {"93", 93}, {"many", 100}};
    for (const Case& c : cases) {
        write(QStringLiteral("Scaling"), QStringLiteral("ScalingPct"), QLatin1String(c.stored));
        Registry registry;
        EXPECT_EQ(LoadProgramSettings(registry, kRoot, kStyles).scalingPercent, c.read) << c.stored;
    }
}

TEST_F(ProgramSettingsTest, ValueMissingFromItsKeyReadsAsItsDefault)
{
    write(QStringLiteral("Scaling"), QStringLiteral("Other"), QStringLiteral("1"));
    write(QStringLiteral("Splash"), QStringLiteral("Other"), QStringLiteral("1"));
    Registry registry;
    const ProgramSettings settings = LoadProgramSettings(registry, kRoot, kStyles);
    EXPECT_EQ(settings.scalingPercent, 100);
    EXPECT_TRUE(settings.showSplash);
    EXPECT_EQ(readString(QStringLiteral("Scaling"), QStringLiteral("ScalingPct")), QStringLiteral("<no value>"));
}

TEST_F(ProgramSettingsTest, ExitWritesEverythingButTheSplashSwitch)
{
    ProgramSettings settings;
    settings.federalTaxPaymentURL = QStringLiteral("https://fed.example");
    settings.stateTaxPaymentURL = QStringLiteral("https://state.example");
    settings.recentFiles = QStringList(QVector<QString>(10));
    settings.recentFiles[0] = QStringLiteral("/d/A & B.P26");
    settings.scalingPercent = 88;
    settings.styleName = QStringLiteral("Luna");
    settings.showSplash = false;
    Registry registry;
    SaveProgramSettings(registry, kRoot, settings);

    EXPECT_EQ(readString(QStringLiteral("RecentFiles"), QStringLiteral("0")), QStringLiteral("/d/A & B.P26"));
    EXPECT_EQ(readString(QStringLiteral("RecentFiles"), QStringLiteral("9")), QString());
    EXPECT_EQ(readString(QStringLiteral("TaxPayments"), QStringLiteral("State")), QStringLiteral("https://state.example"));
    EXPECT_EQ(readString(QStringLiteral("Scaling"), QStringLiteral("ScalingPct")), QStringLiteral("88"));
    EXPECT_EQ(readString(QStringLiteral("Style"), QStringLiteral("StyleName")), QStringLiteral("Luna"));
    EXPECT_FALSE(keyExists(QStringLiteral("Splash")));

    Registry again;
    EXPECT_EQ(LoadProgramSettings(again, kRoot, kStyles).recentFiles, settings.recentFiles);
}

TEST_F(ProgramSettingsTest, DataFoldersAreCreatedBelowDocuments)
{
    const QString documents = homeDir() + QStringLiteral("/Documents/");
    CreateDataFolders(documents);
    for (const char* folder : {"Ledgora", "Ledgora/2026", "Ledgora/2026/Data", "Ledgora/2026/Data/Backup",
                               "Ledgora/2026/Data/Quarterly_Data"})
        EXPECT_TRUE(QFileInfo(documents + QLatin1String(folder)).isDir()) << folder;
    CreateDataFolders(documents);   // a second start finds them there
}

TEST(ProgramRegistryRootTest, DeveloperModeUsesTheTestRoot)
{
    EXPECT_EQ(ProgramRegistryRoot(false), QStringLiteral("Software\\Ledgora\\2026\\"));
    EXPECT_EQ(ProgramRegistryRoot(true), QStringLiteral("Software\\LedgoraTest\\2026\\"));
}
