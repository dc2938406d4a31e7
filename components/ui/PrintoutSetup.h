#pragma once

#include <QString>

class QWidget;
class ReportSystem;
struct PrintoutFrame;

// Readies a printing window's report system: the printout's settings from the printout table,
// the program's saved printer choice before drawing, and the shared preview owned by the window.
// The window then gives it only its drawing handler.
void SetUpPrintout(ReportSystem& system, QWidget* owner, const PrintoutFrame& frame);
void SetUpPrintout(ReportSystem& system, QWidget* owner, const QString& window, const QString& component);
