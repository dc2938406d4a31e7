#include "client/ProgramSettings.h"

#include "client/ProgramStart.h"
#include "platform/Exceptions.h"
#include "platform/Registry.h"

#include <QDir>
#include <algorithm>
#include <functional>

const char* const kFederalTaxPaymentPage = "https://www.eftps.gov/eftps/";

namespace {

constexpr int kRecentFileCount = 10;

// Keys are opened from the top, whatever key the shared registry object has open.
QString keyPath(const QString& registryRoot, const char* subKey)
{
    return QStringLiteral("\\") + registryRoot + QLatin1String(subKey);
}

void inKey(Registry& registry, const QString& key, bool canCreate, const std::function<void()>& work)
{
    if (!registry.OpenKey(key, canCreate)) {
        if (!canCreate)
            return;
        throw ERegistryException(QStringLiteral("Unable to create the registry key %1.").arg(key.mid(1)));
    }
    CloseKeyAfter(registry, work);
}

QString readString(const Registry& registry, const QString& name, const QString& fallback)
{
    return registry.ValueExists(name) ? registry.ReadString(name) : fallback;
}

int readInteger(const Registry& registry, const QString& name, int fallback)
{
    try {
        return registry.ValueExists(name) ? registry.ReadInteger(name) : fallback;
    } catch (const ERegistryException&) {
        return fallback;
    }
}

bool readBool(const Registry& registry, const QString& name, bool fallback)
{
    try {
        return registry.ValueExists(name) ? registry.ReadBool(name) : fallback;
    } catch (const ERegistryException&) {
        return fallback;
    }
}

// Creates a missing key with its default values.
void ensureKey(Registry& registry, const QString& key, const std::function<void()>& writeDefaults)
{
    if (registry.OpenKey(key, false)) {
        registry.CloseKey();
        return;
    }
    inKey(registry, key, true, writeDefaults);
}

QString knownStyle(const QString& name, const QStringList& availableStyles)
{
    for (const QString& style : availableStyles)
        if (style.compare(name, Qt::CaseInsensitive) == 0)
            return style;
    return QLatin1String(kDefaultStyleName);
}

} // namespace

QString ProgramRegistryRoot(bool developerMode)
{
    return developerMode ? QStringLiteral("Software\\LedgoraTest\\2026\\") : QStringLiteral("Software\\Ledgora\\2026\\");
}

int BoundedScalingPercent(int percent)
{
    return std::clamp(percent, 85, 100);
}

ProgramSettings LoadProgramSettings(Registry& registry, const QString& registryRoot,
                                    const QStringList& availableStyles)
{
    ProgramSettings settings;
    const QString defaultStyle = QLatin1String(kDefaultStyleName);

    const QString taxPayments = keyPath(registryRoot, "TaxPayments");
    ensureKey(registry, taxPayments, [&] {
        registry.WriteString(QStringLiteral("Federal"), QLatin1String(kFederalTaxPaymentPage));
        registry.WriteString(QStringLiteral("State"), QString());
    });
    inKey(registry, taxPayments, false, [&] {
        settings.federalTaxPaymentURL =
            readString(registry, QStringLiteral("Federal"), QLatin1String(kFederalTaxPaymentPage));
        settings.stateTaxPaymentURL = readString(registry, QStringLiteral("State"), QString());
    });

    inKey(registry, keyPath(registryRoot, "RecentFiles"), false, [&] {
        for (int k = 0; k < kRecentFileCount; ++k)
            settings.recentFiles << readString(registry, QString::number(k), QString());
    });
    while (settings.recentFiles.size() < kRecentFileCount)
        settings.recentFiles << QString();

    const QString scaling = keyPath(registryRoot, "Scaling");
    ensureKey(registry, scaling, [&] { registry.WriteInteger(QStringLiteral("ScalingPct"), 100); });
    inKey(registry, scaling, false, [&] {
        settings.scalingPercent = BoundedScalingPercent(readInteger(registry, QStringLiteral("ScalingPct"), 100));
    });

    const QString style = keyPath(registryRoot, "Style");
    ensureKey(registry, style, [&] { registry.WriteString(QStringLiteral("StyleName"), defaultStyle); });
    inKey(registry, style, false, [&] {
        settings.styleName = knownStyle(readString(registry, QStringLiteral("StyleName"), defaultStyle), availableStyles);
    });

    const QString splash = keyPath(registryRoot, "Splash");
    ensureKey(registry, splash, [&] { registry.WriteBool(QStringLiteral("Display"), true); });
    inKey(registry, splash, false, [&] { settings.showSplash = readBool(registry, QStringLiteral("Display"), true); });

    inKey(registry, keyPath(registryRoot, "Window"), false,
          [&] { settings.windowGeometry = readString(registry, QStringLiteral("Geometry"), QString()); });
    return settings;
}

void SaveProgramSettings(Registry& registry, const QString& registryRoot, const ProgramSettings& settings)
{
    inKey(registry, keyPath(registryRoot, "RecentFiles"), true, [&] {
        for (int k = 0; k < kRecentFileCount; ++k)
            registry.WriteString(QString::number(k), settings.recentFiles.value(k));
    });
    inKey(registry, keyPath(registryRoot, "TaxPayments"), true, [&] {
        registry.WriteString(QStringLiteral("Federal"), settings.federalTaxPaymentURL);
        registry.WriteString(QStringLiteral("State"), settings.stateTaxPaymentURL);
    });
    inKey(registry, keyPath(registryRoot, "Scaling"), true,
          [&] { registry.WriteInteger(QStringLiteral("ScalingPct"), settings.scalingPercent); });
    inKey(registry, keyPath(registryRoot, "Style"), true,
          [&] { registry.WriteString(QStringLiteral("StyleName"), settings.styleName); });
    if (!settings.windowGeometry.isEmpty())
        inKey(registry, keyPath(registryRoot, "Window"), true,
              [&] { registry.WriteString(QStringLiteral("Geometry"), settings.windowGeometry); });
}

QStringList CreateDataFolders(const QString& documentsDir)
{
    QStringList missing;
    const QString data = documentsDir + QStringLiteral("Ledgora/2026/Data/");
    for (const QString& folder : {data + QStringLiteral("Backup/"), data + QStringLiteral("Quarterly_Data/")})
        if (!QDir().mkpath(folder))
            missing << QDir::toNativeSeparators(folder);
    return missing;
}

QString DataFoldersMissingMessage(const QStringList& missing)
{
    return QStringLiteral("Ledgora cannot create its data folder:~%1~~Client files cannot be created, opened or "
                          "backed up there until it exists. Check that the folder can be created and written, "
                          "then start Ledgora again.")
        .arg(missing.join(QChar('~')));
}
