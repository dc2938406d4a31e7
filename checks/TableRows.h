#pragma once

#include "platform/report/ReportCanvas.h"

// The rows of a table of amounts on an earnings statement or a check stub. The table's first row
// has its line whether it is printed or not, so a table whose first row is not printed begins
// one row lower; each further printed row stands one step below the last line used, and a row
// after the first that is not printed takes no room.
class TableRows {
public:
    static constexpr double kStep = 0.125;

    explicit TableRows(double firstLine)
        : y_(firstLine)
    {
    }

    // The next row of the table; when it is printed, the canvas moves to its line.
    bool Row(ReportCanvas& report, bool printed)
    {
        if (!first_ && printed)
            y_ += kStep;
        first_ = false;
        if (printed)
            report.SetYPos(y_);
        return printed;
    }

private:
    double y_;
    bool first_ = true;
};
