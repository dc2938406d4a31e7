#include "platform/Clock.h"

namespace {
QDateTime& fixedMoment()
{
    static QDateTime moment;
    return moment;
}
} // namespace

QDateTime Now()
{
    return fixedMoment().isValid() ? fixedMoment() : QDateTime::currentDateTime();
}

QDate Today()
{
    return Now().date();
}

void SetClockForTests(const QDateTime& moment)
{
    fixedMoment() = moment;
}
