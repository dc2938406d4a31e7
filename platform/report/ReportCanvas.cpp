#include "platform/report/ReportCanvas.h"

#include "platform/report/MicrGlyphs.h"
#include "platform/report/ReportErrors.h"

#include <algorithm>

QColor WindowsColor(uint32_t bbggrr)
{
    return QColor(bbggrr & 0xFF, (bbggrr >> 8) & 0xFF, (bbggrr >> 16) & 0xFF);
}

double PenWidthInches(int width)
{
    if (width > 0)
        return width / 600.0;
    if (width < 0)
        return -width / 72.0;
    return 1.0 / 600.0;
}

ReportCanvas::ReportCanvas(ReportDocument& document, PageOrientation orientation)
    : document_(document), orientation_(orientation)
{
    if (document_.pages.empty())
        document_.pages.push_back(LetterPage(orientation_));
}

ReportPage& ReportCanvas::page()
{
    return document_.pages.back();
}

void ReportCanvas::NewPage()
{
    document_.pages.push_back(LetterPage(orientation_));
    xPos_ = marginLeft_;
    yPos_ = 0;
    nextTab_ = 0;
}

double ReportCanvas::PageWidth() const
{
    return document_.pages.back().width;
}

double ReportCanvas::PageHeight() const
{
    return document_.pages.back().height;
}

void ReportCanvas::SetOrientation(PageOrientation orientation)
{
    orientation_ = orientation;
    if (page().ops.empty()) {
        const ReportPage fresh = LetterPage(orientation);
        page().width = fresh.width;
        page().height = fresh.height;
    }
}

void ReportCanvas::SetOrigin(double x, double y)
{
    originX_ = x;
    originY_ = y;
}

void ReportCanvas::SetFont(const QString& name, double size)
{
    font_ = ReportFont{};
    font_.name = name;
    font_.size = size;
}

void ReportCanvas::PushFont()
{
    fontStack_.emplace_back(font_, fontColor_);
}

void ReportCanvas::PopFont()
{
    if (fontStack_.empty())
        throw EReportException(QStringLiteral("PopFont without a font saved by PushFont."));
    font_ = fontStack_.back().first;
    fontColor_ = fontStack_.back().second;
    fontStack_.pop_back();
}

void ReportCanvas::GotoXY(double x, double y)
{
    xPos_ = x;
    yPos_ = y;
}

void ReportCanvas::PushPos()
{
    posStack_.emplace_back(xPos_, yPos_);
}

void ReportCanvas::PopPos()
{
    if (posStack_.empty())
        throw EReportException(QStringLiteral("PopPos without a position saved by PushPos."));
    xPos_ = posStack_.back().first;
    yPos_ = posStack_.back().second;
    posStack_.pop_back();
}

void ReportCanvas::NewLine()
{
    yPos_ += LineHeight();
    xPos_ = marginLeft_;
    nextTab_ = 0;
}

double ReportCanvas::TextWidth(const QString& text) const
{
    return ::TextWidth(font_, ResolveMacros(text, CurrentPage(), CurrentPage()));
}

void ReportCanvas::add(DrawOp op)
{
    op.previewOnly = previewOnly_;
    page().ops.push_back(std::move(op));
}

void ReportCanvas::printAligned(const QString& text, double x, double y, TextAlign align)
{
    const double width = TextWidth(text);
    const double left = align == TextAlign::Left ? x : align == TextAlign::Center ? x - width / 2.0 : x - width;
    if (IsMicrFont(font_)) {
        double charLeft = left;
        for (const QChar c : text) {
            for (const QRectF& r : MicrGlyphRects(c, font_.size)) {
                DrawOp op = shape(DrawOp::Kind::Rectangle, charLeft + r.left(), y + r.top(), charLeft + r.right(), y + r.bottom());
                op.pen.style = PenStyle::Clear;
                op.brush = ReportBrush{fontColor_, BrushStyle::Solid};
                add(std::move(op));
            }
            charLeft += MicrCharPitch(font_.size);
        }
    } else if (!text.isEmpty()) {
        DrawOp op;
        op.kind = DrawOp::Kind::Text;
        op.x1 = originX_ + x;
        op.y1 = originY_ + y;
        op.align = align;
        op.font = font_;
        op.textColor = fontColor_;
        op.text = text;
        add(std::move(op));
    }
    xPos_ = left + width;
    yPos_ = y;
}

void ReportCanvas::printSegment(const QString& text)
{
    printAligned(text, xPos_, yPos_, TextAlign::Left);
}

void ReportCanvas::Print(const QString& text)
{
    const QStringList segments = text.split(QLatin1Char('\t'));
    printSegment(segments.first());
    for (qsizetype i = 1; i < segments.size(); ++i) {
        if (nextTab_ < tabs_.size())
            PrintTab(segments[i]);
        else
            printSegment(segments[i]);
    }
}

void ReportCanvas::Println(const QString& text)
{
    Print(text);
    NewLine();
}

void ReportCanvas::PrintXY(double x, double y, const QString& text)
{
    GotoXY(x, y);
    Print(text);
}

void ReportCanvas::PrintLeft(const QString& text, double x)
{
    printAligned(text, x, yPos_, TextAlign::Left);
}

void ReportCanvas::PrintCenter(const QString& text, double x)
{
    printAligned(text, x, yPos_, TextAlign::Center);
}

void ReportCanvas::PrintRight(const QString& text, double x)
{
    printAligned(text, x, yPos_, TextAlign::Right);
}

void ReportCanvas::SetTab(double x, TextAlign justify, double width)
{
    tabs_.push_back(TabStop{x, justify, std::max(0.0, width)});
}

void ReportCanvas::ClearTabs()
{
    tabs_.clear();
    nextTab_ = 0;
}

void ReportCanvas::PrintTab(const QString& text)
{
    if (nextTab_ >= tabs_.size()) {
        printSegment(text);
        return;
    }
    const TabStop tab = tabs_[nextTab_++];
    const double anchor = tab.justify == TextAlign::Left ? tab.x
        : tab.justify == TextAlign::Center             ? tab.x + tab.width / 2.0
                                                       : tab.x + tab.width;
    printAligned(text, anchor, yPos_, tab.justify);
    xPos_ = std::max(xPos_, tab.x + tab.width);
}

void ReportCanvas::SetPen(const QColor& color, PenStyle style, int width)
{
    pen_ = ReportPen{color.rgb(), style, PenWidthInches(width)};
}

void ReportCanvas::SetBrush(const QColor& color, BrushStyle style)
{
    brush_ = ReportBrush{color.rgb(), style};
}

DrawOp ReportCanvas::shape(DrawOp::Kind kind, double x1, double y1, double x2, double y2) const
{
    DrawOp op;
    op.kind = kind;
    op.x1 = originX_ + x1;
    op.y1 = originY_ + y1;
    op.x2 = originX_ + x2;
    op.y2 = originY_ + y2;
    op.pen = pen_;
    op.brush = brush_;
    return op;
}

void ReportCanvas::MoveTo(double x, double y)
{
    penX_ = x;
    penY_ = y;
}

void ReportCanvas::LineTo(double x, double y)
{
    Line(penX_, penY_, x, y);
}

void ReportCanvas::Line(double x1, double y1, double x2, double y2)
{
    DrawOp op = shape(DrawOp::Kind::Line, x1, y1, x2, y2);
    op.brush = ReportBrush{};
    add(std::move(op));
    penX_ = x2;
    penY_ = y2;
}

void ReportCanvas::Rectangle(double x1, double y1, double x2, double y2)
{
    add(shape(DrawOp::Kind::Rectangle, x1, y1, x2, y2));
}

void ReportCanvas::FillRect(double x1, double y1, double x2, double y2)
{
    DrawOp op = shape(DrawOp::Kind::Rectangle, x1, y1, x2, y2);
    op.pen.style = PenStyle::Clear;
    if (op.brush.style == BrushStyle::Clear)
        return;
    add(std::move(op));
}

void ReportCanvas::Ellipse(double x1, double y1, double x2, double y2)
{
    add(shape(DrawOp::Kind::Ellipse, x1, y1, x2, y2));
}

void ReportCanvas::RoundRect(double x1, double y1, double x2, double y2, double radius)
{
    DrawOp op = shape(DrawOp::Kind::RoundRect, x1, y1, x2, y2);
    op.radius = std::max(0.0, radius);
    add(std::move(op));
}

void ReportCanvas::PrintImageRect(double x1, double y1, double x2, double y2, const QImage& image)
{
    if (image.isNull())
        return;
    DrawOp op = shape(DrawOp::Kind::Image, x1, y1, x2, y2);
    op.pen = ReportPen{};
    op.brush = ReportBrush{};
    op.image = image.convertToFormat(QImage::Format_ARGB32);
    add(std::move(op));
}

ReportCanvas::State ReportCanvas::SaveState() const
{
    return State{font_, fontColor_, pen_, brush_, xPos_, yPos_, penX_, penY_, originX_, originY_, marginLeft_, previewOnly_};
}

void ReportCanvas::RestoreState(const State& state)
{
    font_ = state.font;
    fontColor_ = state.fontColor;
    pen_ = state.pen;
    brush_ = state.brush;
    xPos_ = state.xPos;
    yPos_ = state.yPos;
    penX_ = state.penX;
    penY_ = state.penY;
    originX_ = state.originX;
    originY_ = state.originY;
    marginLeft_ = state.marginLeft;
    previewOnly_ = state.previewOnly;
}
