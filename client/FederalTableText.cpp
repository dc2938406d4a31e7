#include "client/FederalTableText.h"

#include "platform/Exceptions.h"

#include <QRegularExpression>
#include <QStringList>
#include <cstring>
#include <set>

namespace {

struct TextField {
    const char* name;
    std::size_t offset;
    int count;
};

#define COLUMN(name) {#name, offsetof(FederalTaxRecord, name), kFederalTableRows}
#define AMOUNT(name) {#name, offsetof(FederalTaxRecord, name), 1}

constexpr TextField kFields[] = {
    COLUMN(SWagesOver), COLUMN(SWagesNotOver), COLUMN(STaxAmount), COLUMN(STaxRate),
    COLUMN(MWagesOver), COLUMN(MWagesNotOver), COLUMN(MTaxAmount), COLUMN(MTaxRate),
    COLUMN(HOHWagesOver), COLUMN(HOHWagesNotOver), COLUMN(HOHTaxAmount), COLUMN(HOHTaxRate),
    AMOUNT(ExemptionVal), AMOUNT(FICARate), AMOUNT(MaxFICAWages), AMOUNT(MaxFICATax),
    AMOUNT(MedicareRate), AMOUNT(MaxMedicareWages), AMOUNT(FUTARate), AMOUNT(MaxFUTAWages),
    AMOUNT(MaxFUTATax), AMOUNT(MedSurcharge), AMOUNT(MedExclWages),
};

#undef COLUMN
#undef AMOUNT

constexpr int fieldDoubles()
{
    int total = 0;
    for (const TextField& field : kFields)
        total += field.count;
    return total;
}
static_assert(fieldDoubles() * sizeof(double) == sizeof(FederalTaxRecord), "every field is listed");

const TextField* findField(const QString& name)
{
    for (const TextField& field : kFields)
        if (name == QLatin1String(field.name))
            return &field;
    return nullptr;
}

[[noreturn]] void fault(int line, const QString& message)
{
    throw EConvertError(QStringLiteral("Line %1: %2").arg(line).arg(message));
}

} // namespace

FederalTaxRecord ParseFederalTableText(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    FederalTaxRecord record;
    std::memset(&record, 0, sizeof record);
    std::set<const TextField*> seen;

    const QStringList lines = text.split(QChar('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        const QString line = lines[i].section(QChar('#'), 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype equals = line.indexOf(QChar('='));
        if (equals < 0)
            fault(lineNumber, QStringLiteral("expected \"Name = values\"."));
        const QString name = line.left(equals).trimmed();
        const TextField* field = findField(name);
        if (!field)
            fault(lineNumber, QStringLiteral("unknown field \"%1\".").arg(name));
        if (!seen.insert(field).second)
            fault(lineNumber, QStringLiteral("%1 is given twice.").arg(name));
        const QStringList values = line.mid(equals + 1).split(blanks, Qt::SkipEmptyParts);
        if (values.size() != field->count)
            fault(lineNumber, QStringLiteral("%1 needs %2 value(s), found %3.").arg(name).arg(field->count).arg(values.size()));
        auto* target = reinterpret_cast<double*>(reinterpret_cast<char*>(&record) + field->offset);
        for (int n = 0; n < field->count; ++n) {
            if (!number.match(values[n]).hasMatch())
                fault(lineNumber, QStringLiteral("\"%1\" is not a plain decimal number.").arg(values[n]));
            target[n] = values[n].toDouble();
        }
    }
    for (const TextField& field : kFields)
        if (!seen.count(&field))
            throw EConvertError(QStringLiteral("%1 is missing.").arg(QLatin1String(field.name)));
    return record;
}
