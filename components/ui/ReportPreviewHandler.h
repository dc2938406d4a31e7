#pragma once

#include "platform/report/ReportSystem.h"

#include <functional>

class QWidget;

using PreviewOverride = std::function<void(ReportSystem& system, OverrideMode mode, QObject*& form)>;

// The preview handler every printing window gives its report systems: creates the preview window
// owned by the printing window, hands it the pages and shows it, waits for it and frees it. A
// preview that is not modal still holds the report run until it closes, and while it is open the
// other windows take no input, so no command can start inside the run.
void ShowReportPreview(QWidget* owner, ReportSystem& system, OverrideMode mode, QObject*& form);

// ShowReportPreview bound to a printing window.
PreviewOverride ReportPreviewHandler(QWidget* owner);
