#pragma once

#include <QDate>
#include <QDateTime>

// The program's one source of "today" and "now"; tests fix it.
QDate Today();
QDateTime Now();

// Fixes the clock at a moment (an invalid value returns to the system clock).
void SetClockForTests(const QDateTime& moment);
