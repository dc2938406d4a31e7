#pragma once

#include "platform/report/ReportLayout.h"

#include <QString>

#include <memory>

// The parsed layouts of a report project file, shared by every screen and printout of the run:
// the file is read and parsed again only when another file, or a changed one (its size, time or
// identity on the disk), stands under the name. A file that cannot be read or parsed raises as
// the parse does and replaces nothing.
std::shared_ptr<const ReportProjectContent> ParsedReportProject(const QString& projectFile);
