#include "components/PrinterSetup.h"

#include "platform/Exceptions.h"
#include "platform/Registry.h"

#include <cstring>
#include <optional>

PrinterSetupRecord PrinterSetupRec{};

namespace PrinterSetup {

namespace {

std::optional<int> readNumber(const Registry& registry, const QString& name)
{
    if (!registry.ValueExists(name))
        return std::nullopt;
    try {
        return registry.ReadInteger(name);
    } catch (const ERegistryException&) {
        return std::nullopt;
    }
}

QString readText(const Registry& registry, const QString& name)
{
    return registry.ValueExists(name) ? registry.ReadString(name) : QString();
}

std::optional<std::uint8_t> readChoice(const Registry& registry, const QString& name)
{
    const std::optional<int> value = readNumber(registry, name);
    if (!value || *value < 0 || *value > 2)
        return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

} // namespace

void ClearRecord()
{
    std::memset(&PrinterSetupRec, 0, sizeof PrinterSetupRec);
}

void LoadFromRegistry(const QString& registryRoot)
{
    Registry registry;
    if (!registry.OpenKeyReadOnly(registryRoot + kRegistryKey))
        return;
    PrinterSetupRec.Name = readText(registry, QStringLiteral("Name"));
    PrinterSetupRec.Paper = readText(registry, QStringLiteral("Paper"));
    PrinterSetupRec.Bin = readText(registry, QStringLiteral("Bin"));
    if (const auto orientation = readChoice(registry, QStringLiteral("Orientation")))
        PrinterSetupRec.Orientation = *orientation;
    if (const auto duplex = readChoice(registry, QStringLiteral("Duplex")))
        PrinterSetupRec.Duplex = *duplex;
    if (const auto collate = readNumber(registry, QStringLiteral("Collate")))
        PrinterSetupRec.Collate = *collate != 0 ? 1 : 0;
    if (const auto copies = readNumber(registry, QStringLiteral("Copies")))
        PrinterSetupRec.Copies = *copies;
    registry.CloseKey();
}

void SaveToRegistry(const QString& registryRoot)
{
    Registry registry;
    if (!registry.OpenKey(registryRoot + kRegistryKey, true))
        throw ERegistryException(QStringLiteral("Failed to create key %1").arg(registryRoot + kRegistryKey));
    registry.WriteString(QStringLiteral("Name"), PrinterSetupRec.Name);
    registry.WriteString(QStringLiteral("Paper"), PrinterSetupRec.Paper);
    registry.WriteString(QStringLiteral("Bin"), PrinterSetupRec.Bin);
    registry.WriteInteger(QStringLiteral("Orientation"), PrinterSetupRec.Orientation);
    registry.WriteInteger(QStringLiteral("Collate"), PrinterSetupRec.Collate != 0 ? 1 : 0);
    registry.WriteInteger(QStringLiteral("Duplex"), PrinterSetupRec.Duplex);
    registry.WriteInteger(QStringLiteral("Copies"), PrinterSetupRec.Copies);
    registry.CloseKey();
}

} // namespace PrinterSetup
