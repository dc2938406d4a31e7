#pragma once

#include <QString>

// What the open client still lacks before the EFW2 screens offer Process: the payroll posted,
// then the Form W-2 and Form W-3 screens gone through (w2w3Visits reaches 2). Empty once nothing
// is missing; otherwise the sentence the screens show beside their grey Process button.
QString EFW2ProcessMissing(bool payrollPosted, int w2w3Visits);
