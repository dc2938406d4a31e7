#include "payroll/UpdateCheckTiming.h"

#include "client/PayRecords.h"
#include "components/DateRoutines.h"
#include "platform/Clock.h"
#include "platform/Registry.h"

#include <memory>

namespace {

const QString kLastChecked = QStringLiteral("LastChecked");

QString UpdateKey()
{
    return RegistryRoot + QStringLiteral("Update");
}

// The program's registry object, or one of our own before start-up has made it.
Registry& AppRegistryOr(std::unique_ptr<Registry>& own)
{
    if (AppRegistry)
        return *AppRegistry;
    own = std::make_unique<Registry>();
    return *own;
}

void WriteLastChecked(Registry& registry, const QString& today)
{
    registry.OpenKey(UpdateKey(), true);
    registry.WriteString(kLastChecked, today);
    registry.CloseKey();
}

} // namespace

int UpdateCheckInterval(const QDate& today)
{
    const QString day = DateToText(today);
    const bool nearYearEnd = IsDateInRange(day, QStringLiteral("12/15/2025"), QStringLiteral("03/10/2026"))
                             || IsDateInRange(day, QStringLiteral("11/25/2026"), QStringLiteral("12/31/2026"));
    return nearYearEnd ? 5 : 15;
}

bool TakeDueUpdateCheck()
{
    std::unique_ptr<Registry> own;
    Registry& registry = AppRegistryOr(own);
    const QString today = DateToText(Today());

    if (!registry.OpenKey(UpdateKey(), false)) {
        WriteLastChecked(registry, today);
    } else {
        registry.CloseKey();
    }

    QString lastChecked;
    if (registry.OpenKey(UpdateKey(), false) && registry.ValueExists(kLastChecked))
        lastChecked = registry.ReadString(kLastChecked);
    registry.CloseKey();

    const bool due = !IsValidDateStr(lastChecked)
                     || DaysBetweenDates(lastChecked, today) >= UpdateCheckInterval(Today());
    if (due)
        WriteLastChecked(registry, today);
    return due;
}
