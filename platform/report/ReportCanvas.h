#pragma once

#include "platform/report/ReportDocument.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

// Windows colour values as the program writes them, $BBGGRR.
QColor WindowsColor(uint32_t bbggrr);

// A pen width as the program gives it: above 0 in dots of a 600-dpi printer, below 0 in points,
// 0 the thinnest line. Returned in inches.
double PenWidthInches(int width);

// The drawing surface a printout draws on, in inches from the top left corner of the paper (moved
// by the origin, where one is set). Text positions are baselines. Everything drawn is recorded
// into the document given; the canvas never knows where the pages will go.
class ReportCanvas {
public:
    explicit ReportCanvas(ReportDocument& document, PageOrientation orientation = PageOrientation::Portrait);
    ReportCanvas(const ReportCanvas&) = delete;
    ReportCanvas& operator=(const ReportCanvas&) = delete;

    ReportDocument& Document() { return document_; }
    PrintJobSettings& Job() { return document_.job; }

    // Pages. The first page exists from the start; NewPage begins the next one.
    void NewPage();
    int CurrentPage() const { return document_.PageCount(); }
    double PageWidth() const;
    double PageHeight() const;
    PageOrientation Orientation() const { return orientation_; }
    // Applies to pages begun afterwards, and to the current page while nothing is drawn on it.
    void SetOrientation(PageOrientation orientation);

    // The origin moves every position given afterwards; the left margin is where a line feed
    // returns the cursor to (relative to the origin).
    void SetOrigin(double x, double y);
    double OriginX() const { return originX_; }
    double OriginY() const { return originY_; }
    void SetMarginLeft(double x) { marginLeft_ = x; }
    double MarginLeft() const { return marginLeft_; }

    // Font. SetFont also switches bold, italic and underline off.
    void SetFont(const QString& name, double size);
    const ReportFont& Font() const { return font_; }
    void SetFontSpec(const ReportFont& font) { font_ = font; }
    double FontSize() const { return font_.size; }
    void SetFontSize(double size) { font_.size = size; }
    bool Bold() const { return font_.bold; }
    void SetBold(bool on) { font_.bold = on; }
    bool Italic() const { return font_.italic; }
    void SetItalic(bool on) { font_.italic = on; }
    bool Underline() const { return font_.underline; }
    void SetUnderline(bool on) { font_.underline = on; }
    QColor FontColor() const { return QColor::fromRgb(fontColor_); }
    void SetFontColor(const QColor& color) { fontColor_ = color.rgb(); }
    void PushFont();
    void PopFont();

    // Cursor.
    double XPos() const { return xPos_; }
    void SetXPos(double x) { xPos_ = x; }
    double YPos() const { return yPos_; }
    void SetYPos(double y) { yPos_ = y; }
    void GotoXY(double x, double y);
    void PushPos();
    void PopPos();
    // Down by the current font's line height, back to the left margin, tabs from the first again.
    void NewLine();
    double LineHeight() const { return FontLineHeight(font_); }

    // Text. Print and Println print at the cursor and move it past the text; a tab character
    // goes on in the next tab stop, or straight on when no tab stop is left. PrintLeft, PrintCenter
    // and PrintRight print on the cursor's line starting at, centred on or ending at x.
    void Print(const QString& text);
    void Println(const QString& text);
    void PrintXY(double x, double y, const QString& text);
    void PrintLeft(const QString& text, double x);
    void PrintCenter(const QString& text, double x);
    void PrintRight(const QString& text, double x);
    double TextWidth(const QString& text) const;
    static QString Macro(ReportMacro macro) { return MacroText(macro); }

    // Tab stops: a column from x, width wide; its text stands at the column's left edge, centre
    // or right edge by the justification.
    void SetTab(double x, TextAlign justify, double width = 0.0);
    void ClearTabs();
    void PrintTab(const QString& text);

    // Lines and shapes. Outlines take the pen, fills the brush (clear, unless set).
    void SetPen(const QColor& color, PenStyle style, int width);
    void SetPenSpec(const ReportPen& pen) { pen_ = pen; }
    const ReportPen& Pen() const { return pen_; }
    void SetBrush(const QColor& color, BrushStyle style);
    void SetBrushSpec(const ReportBrush& brush) { brush_ = brush; }
    const ReportBrush& Brush() const { return brush_; }
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void Line(double x1, double y1, double x2, double y2);
    void Rectangle(double x1, double y1, double x2, double y2);
    void FillRect(double x1, double y1, double x2, double y2);
    void Ellipse(double x1, double y1, double x2, double y2);
    void RoundRect(double x1, double y1, double x2, double y2, double radius);
    void PrintImageRect(double x1, double y1, double x2, double y2, const QImage& image);

    // While on, everything drawn shows in the preview only.
    void SetPreviewOnly(bool on) { previewOnly_ = on; }
    bool PreviewOnly() const { return previewOnly_; }

    // The whole drawing state, kept around drawing that must leave the caller's state untouched.
    struct State {
        ReportFont font;
        QRgb fontColor;
        ReportPen pen;
        ReportBrush brush;
        double xPos, yPos, penX, penY, originX, originY, marginLeft;
        bool previewOnly;
    };
    State SaveState() const;
    void RestoreState(const State& state);

private:
    struct TabStop {
        double x;
        TextAlign justify;
        double width;
    };

    ReportPage& page();
    DrawOp shape(DrawOp::Kind kind, double x1, double y1, double x2, double y2) const;
    void add(DrawOp op);
    // Records text whose anchor is x on the baseline y (both before the origin is applied) and
    // moves the cursor to the end of the text.
    void printAligned(const QString& text, double x, double y, TextAlign align);
    void printSegment(const QString& text);

    ReportDocument& document_;
    PageOrientation orientation_;
    ReportFont font_;
    QRgb fontColor_ = qRgb(0, 0, 0);
    ReportPen pen_;
    ReportBrush brush_;
    double xPos_ = 0, yPos_ = 0;
    double penX_ = 0, penY_ = 0;
    double originX_ = 0, originY_ = 0;
    double marginLeft_ = 0;
    bool previewOnly_ = false;
    std::vector<std::pair<ReportFont, QRgb>> fontStack_;
    std::vector<std::pair<double, double>> posStack_;
    std::vector<TabStop> tabs_;
    size_t nextTab_ = 0;
};
