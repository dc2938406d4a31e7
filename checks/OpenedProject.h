#pragma once

#include "platform/report/ReportProject.h"

// The report project open for one printout, closed again however the printout ends.
class OpenedProject {
public:
    explicit OpenedProject(ReportProject& project)
        : project_(project)
    {
        project_.Open();
    }
    ~OpenedProject() { project_.Close(); }
    OpenedProject(const OpenedProject&) = delete;
    OpenedProject& operator=(const OpenedProject&) = delete;

private:
    ReportProject& project_;
};
