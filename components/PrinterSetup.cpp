#include "components/PrinterSetup.h"

#include "components/PrinterCatalog.h"
#include "components/TextRoutines.h"
#include "platform/Exceptions.h"
#include "platform/report/ReportCanvas.h"
#include "platform/Registry.h"

#include <algorithm>
#include <cstring>
#include <optional>

PrinterSetupRecord PrinterSetupRec{};

namespace PrinterSetup {

namespace {

// Opened from the top, whatever key the shared registry object has open.
QString absoluteKey(const QString& registryRoot)
{
    return QStringLiteral("\\") + registryRoot + kRegistryKey;
}

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

std::optional<std::uint8_t> readChoice(const Registry& registry, const QString& name)
{
    const std::optional<int> value = readNumber(registry, name);
    if (!value || *value < 0 || *value > 2)
        return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

QString readText(const Registry& registry, const QString& name)
{
    return registry.ValueExists(name) ? registry.ReadString(name) : QString();
}

} // namespace

void ClearRecord()
{
    std::memset(&PrinterSetupRec, 0, sizeof PrinterSetupRec);
}

void LoadFromRegistry(Registry& registry, const QString& registryRoot)
{
    if (!registry.OpenKeyReadOnly(absoluteKey(registryRoot)))
        return;
    PrinterSetupRecord read = PrinterSetupRec;
    CloseKeyAfter(registry, [&] {
        read.Name = readText(registry, QStringLiteral("Name"));
        read.Paper = readText(registry, QStringLiteral("Paper"));
        read.Bin = readText(registry, QStringLiteral("Bin"));
        if (const auto orientation = readChoice(registry, QStringLiteral("Orientation")))
            read.Orientation = *orientation;
        if (const auto duplex = readChoice(registry, QStringLiteral("Duplex")))
            read.Duplex = *duplex;
        if (const auto collate = readNumber(registry, QStringLiteral("Collate")))
            read.Collate = *collate != 0 ? 1 : 0;
        if (const auto copies = readNumber(registry, QStringLiteral("Copies")))
            read.Copies = *copies;
    });
    PrinterSetupRec = read;
}

void SaveToRegistry(Registry& registry, const QString& registryRoot)
{
    if (!registry.OpenKey(absoluteKey(registryRoot), true))
        throw ERegistryException(
            QStringLiteral("Unable to create the registry key %1.").arg(registryRoot + kRegistryKey));
    CloseKeyAfter(registry, [&] {
        registry.WriteString(QStringLiteral("Name"), PrinterSetupRec.Name);
        registry.WriteString(QStringLiteral("Paper"), PrinterSetupRec.Paper);
        registry.WriteString(QStringLiteral("Bin"), PrinterSetupRec.Bin);
        registry.WriteInteger(QStringLiteral("Orientation"), PrinterSetupRec.Orientation);
        registry.WriteInteger(QStringLiteral("Collate"), PrinterSetupRec.Collate != 0 ? 1 : 0);
        registry.WriteInteger(QStringLiteral("Duplex"), PrinterSetupRec.Duplex);
        registry.WriteInteger(QStringLiteral("Copies"), PrinterSetupRec.Copies);
    });
}

void SetPrinterSetup(ReportCanvas& report, bool applyOrientation, Registry& registry, const QString& registryRoot)
{
    LoadFromRegistry(registry, registryRoot);
    if (IsBlank(PrinterSetupRec.Name))
        return;
    PrintJobSettings& job = report.Job();
    job.printerName = PrinterSetupRec.Name;
    job.paper = PrinterSetupRec.Paper;
    job.bin = PrinterSetupRec.Bin;
    if (applyOrientation && PrinterSetupRec.Orientation <= 1)
        report.SetOrientation(PrinterSetupRec.Orientation == 1 ? PageOrientation::Landscape : PageOrientation::Portrait);
    const PrinterCatalog& printers = SystemPrinters();
    if (printers.CanCollate(job.printerName))
        job.collate = PrinterSetupRec.Collate != 0;
    if (printers.CanDuplex(job.printerName))
        job.duplex = PrinterSetupRec.Duplex;
    // A copy count below one would print nothing; the job keeps at least one.
    job.copies = std::max(1, static_cast<int>(PrinterSetupRec.Copies));
}

} // namespace PrinterSetup
