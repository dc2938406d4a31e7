#pragma once

#include <functional>

class ReportCanvas;

// Lays out a sheet of labels on the canvas and has the caller print each one. For every cell, in
// rows from left to right, the canvas's origin moves to the cell's top left corner, the left
// margin and the cursor to the printable area inside the border, and the label is printed; after
// a full sheet the next label begins a new page. The outline of every cell is drawn on each page
// for the preview only.
struct LabelShell {
    int Across = 3;
    int Down = 10;
    double LabelWidth = 2.625;     // inches
    double LabelHeight = 1.0;
    double SpacingLeft = 0.188;    // top left corner of the first cell
    double SpacingTop = 0.5;
    double SpacingWidth = 2.75;    // from one cell's corner to the next across and down
    double SpacingHeight = 1.0;
    double Border = 0.13;          // the printable area is inset by this on every side
    bool DrawExtents = true;
    double ExtentRadius = 0.2;

    int PerPage() const { return Across * Down; }
    double PrintableWidth() const { return LabelWidth - 2 * Border; }

    // Calls printLabel for one cell after another until it answers that no label follows. The
    // canvas's origin, margin, cursor and drawing state are as before afterwards.
    void Execute(ReportCanvas& report, const std::function<bool(ReportCanvas& report)>& printLabel) const;

private:
    void drawExtents(ReportCanvas& report) const;
};

// Avery 5160 address labels: 1 x 2 5/8 in, thirty to a letter sheet.
LabelShell Avery5160();
