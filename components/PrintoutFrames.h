#pragma once

#include "platform/report/ReportCanvas.h"

#include <QString>

#include <vector>

class Registry;
class ReportSystem;

// The fixed settings of one printout: its titles, orientation and how the saved printer choice
// applies to it.
struct PrintoutFrame {
    QString Window;          // the printing window that owns the printout
    QString Component;       // the printout's name within that window
    QString TitleSetup;      // caption of the output options
    QString TitleStatus;     // caption of the status window
    QString TitlePreview;    // caption of the preview window
    QString PrinterTitle;    // the print job's name
    PageOrientation Orientation = PageOrientation::Portrait;
    bool ApplySavedOrientation = true;   // the saved printer orientation is taken
    bool ForceOrientation = false;       // the printout's own orientation is set again before drawing
    bool OfferOutputOptions = true;      // false: straight to the preview, in a window of its own size
};

// Every printout of the program's checks, statements, labels and reports, the Form W-4 and the
// pay period statements.
const std::vector<PrintoutFrame>& PrintoutFrames();

// The printout of a window by its name; throws std::logic_error for one not in the table, since
// that is a fault of the program, never of the user.
const PrintoutFrame& FindPrintoutFrame(const QString& window, const QString& component);

// Gives a report system the printout's settings and the before-print step that applies the
// printer choice saved under registryRoot (the orientation only where the printout takes it) and
// then, for a forced printout, its own orientation. The registry must outlive the report system.
void ConfigurePrintout(ReportSystem& system, const PrintoutFrame& frame, Registry& registry, const QString& registryRoot);
