#include "client/PreparerRecord.h"

#include "platform/Exceptions.h"
#include "platform/Registry.h"

namespace {

// The key is opened from the top, whatever key the shared registry object has open.
QString absoluteKey(const QString& registryRoot)
{
    return QStringLiteral("\\") + PreparerKey(registryRoot);
}

template <int N>
void readText(const Registry& registry, const QString& name, RecordText<N>& field)
{
    field = registry.ValueExists(name) ? registry.ReadString(name) : QString();
}

void readSwitch(const Registry& registry, const QString& name, RecordBool& field)
{
    field = registry.ValueExists(name) && registry.ReadBool(name);
}

} // namespace

QString PreparerKey(const QString& registryRoot)
{
    return registryRoot + QStringLiteral("Preparer");
}

void LoadPreparer(Registry& registry, const QString& registryRoot, PreparerRecord& record)
{
    if (!registry.OpenKeyReadOnly(absoluteKey(registryRoot)))
        return;
    PreparerRecord read = record;
    CloseKeyAfter(registry, [&] {
        readText(registry, QStringLiteral("PrepName"), read.PrepName);
        readText(registry, QStringLiteral("FirmName"), read.FirmName);
        readText(registry, QStringLiteral("Address"), read.Address);
        readText(registry, QStringLiteral("City"), read.City);
        readText(registry, QStringLiteral("State"), read.State);
        readText(registry, QStringLiteral("ZipCode"), read.ZipCode);
        readText(registry, QStringLiteral("Phone"), read.Phone);
        readSwitch(registry, QStringLiteral("SelfEmployed"), read.SelfEmployed);
        readText(registry, QStringLiteral("EIN"), read.EIN);
        readText(registry, QStringLiteral("PTIN"), read.PTIN);
        readSwitch(registry, QStringLiteral("PrintDate"), read.PrintDate);
        readSwitch(registry, QStringLiteral("SignForm"), read.SignForm);
    });
    record = read;
}

void SavePreparer(Registry& registry, const QString& registryRoot, const PreparerRecord& record)
{
    if (!registry.OpenKey(absoluteKey(registryRoot), true))
        throw ERegistryException(QStringLiteral("Unable to create the registry key %1.").arg(PreparerKey(registryRoot)));
    CloseKeyAfter(registry, [&] {
        registry.WriteString(QStringLiteral("PrepName"), record.PrepName);
        registry.WriteString(QStringLiteral("FirmName"), record.FirmName);
        registry.WriteString(QStringLiteral("Address"), record.Address);
        registry.WriteString(QStringLiteral("City"), record.City);
        registry.WriteString(QStringLiteral("State"), record.State);
        registry.WriteString(QStringLiteral("ZipCode"), record.ZipCode);
        registry.WriteString(QStringLiteral("Phone"), record.Phone);
        registry.WriteBool(QStringLiteral("SelfEmployed"), record.SelfEmployed);
        registry.WriteString(QStringLiteral("EIN"), record.EIN);
        registry.WriteString(QStringLiteral("PTIN"), record.PTIN);
        registry.WriteBool(QStringLiteral("PrintDate"), record.PrintDate);
        registry.WriteBool(QStringLiteral("SignForm"), record.SignForm);
    });
}
