#pragma once

#include "platform/report/ReportFonts.h"

#include <QImage>
#include <QRectF>
#include <QRgb>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The pages of one printout as recorded drawing operations, in inches from the top left corner
// of the paper. A printout draws on a canvas (ReportCanvas.h) that fills a document; the
// renderers turn the same document into the preview, paper, PDF, HTML or a snapshot file.

enum class PageOrientation : uint8_t { Portrait, Landscape };
enum class TextAlign : uint8_t { Left, Center, Right };
enum class PenStyle : uint8_t { Solid, Dash, Dot, DashDot, Clear };
enum class BrushStyle : uint8_t { Solid, Clear };

struct ReportPen {
    QRgb color = qRgb(0, 0, 0);
    PenStyle style = PenStyle::Solid;
    double width = 1.0 / 600.0; // inches

    bool operator==(const ReportPen&) const = default;
};

struct ReportBrush {
    QRgb color = qRgb(255, 255, 255);
    BrushStyle style = BrushStyle::Clear;

    bool operator==(const ReportBrush&) const = default;
};

struct DrawOp {
    enum class Kind : uint8_t { Text, Line, Rectangle, Ellipse, RoundRect, Image };

    Kind kind = Kind::Text;
    // Drawn in the preview only, never on paper or into an exported file (label outlines).
    bool previewOnly = false;
    // Text: (x1, y1) is the anchor on the baseline; the alignment says which part of the text
    // stands on x1. Shapes and images: the corners (x1, y1) and (x2, y2).
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double radius = 0;              // RoundRect
    TextAlign align = TextAlign::Left;
    ReportFont font;
    QRgb textColor = qRgb(0, 0, 0);
    QString text;                   // may hold page macros, resolved when drawn
    ReportPen pen;
    ReportBrush brush;
    QImage image;

    bool operator==(const DrawOp& other) const;
};

struct ReportPage {
    double width = 8.5;   // inches
    double height = 11.0;
    std::vector<DrawOp> ops;

    PageOrientation orientation() const { return width > height ? PageOrientation::Landscape : PageOrientation::Portrait; }
    bool operator==(const ReportPage&) const = default;
};

// What the printer is asked for when the document goes to paper.
struct PrintJobSettings {
    QString title;          // the print job's name
    QString printerName;    // empty: the system's default printer
    QString paper;
    QString bin;
    int copies = 1;
    bool collate = false;
    uint8_t duplex = 0;     // 0 one-sided, 1 long edge ("Tablet"), 2 short edge ("Book")

    bool operator==(const PrintJobSettings&) const = default;
};

struct ReportDocument {
    std::vector<ReportPage> pages;
    PrintJobSettings job;

    int PageCount() const { return static_cast<int>(pages.size()); }
    bool operator==(const ReportDocument&) const = default;
};

// Letter paper in either orientation.
ReportPage LetterPage(PageOrientation orientation);

// Page macros: placeholders in a text that become the page's number or the number of pages when
// the page is drawn, once the whole document is known.
enum class ReportMacro { CurrentPage, TotalPages };
QString MacroText(ReportMacro macro);
QString ResolveMacros(const QString& text, int pageNumber, int pageCount);

// A text operation's text as it shows on page pageNumber (1-based) of pageCount, and the left
// edge and extent of that text, in inches. Every renderer places text with these.
QString ShownText(const DrawOp& op, int pageNumber, int pageCount);
double TextLeft(const DrawOp& op, int pageNumber, int pageCount);
QRectF OpBounds(const DrawOp& op, int pageNumber, int pageCount);

// A line per operation that reaches outside its page: empty when everything is on the paper.
QStringList OpsOffPage(const ReportDocument& document);
