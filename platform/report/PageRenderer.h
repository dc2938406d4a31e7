#pragma once

#include "platform/report/ReportDocument.h"

class QPainter;

struct PageRenderOptions {
    // Draw what is marked for the preview only (label outlines).
    bool preview = false;
    // The thinnest line in device pixels, so hairlines stay visible on a small preview.
    double minPenPixels = 0.0;
    // Paint the paper white first.
    bool paintPaper = true;
};

// Paints page pageIndex (0-based) of the document with its top left corner at the painter's
// origin, at dotsPerInch device pixels to the inch. The preview, the printer, PDF and the page
// images all draw pages through this one routine.
void RenderPage(QPainter& painter, const ReportDocument& document, int pageIndex, double dotsPerInch,
                const PageRenderOptions& options = {});

// Paints a shape or image operation (a text operation paints nothing) on a painter scaled to
// report units; lines are at least minPenUnits wide.
void DrawShapeOp(QPainter& painter, const DrawOp& op, double minPenUnits);
