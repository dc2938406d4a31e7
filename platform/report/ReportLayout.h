#pragma once

#include "platform/report/ReportDocument.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

class ReportCanvas;

// One drawn part of a layout: fixed artwork (lines, boxes, texts) or a named field that prints the
// value of the parameter of its name. Every element carries its own font, pen and brush.
struct LayoutElement {
    enum class Kind { Line, Rectangle, FillRect, Ellipse, RoundRect, Text, Field };

    Kind kind = Kind::Text;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double radius = 0;
    double width = 0;   // a field's room in inches: a longer value is shrunk to fit; 0 for no limit
    TextAlign align = TextAlign::Left;
    QString text;   // the fixed text, or the field's name
    ReportFont font;
    QRgb textColor = qRgb(0, 0, 0);
    ReportPen pen;
    ReportBrush brush;
    int page = 0;   // 0-based page of the layout
    int line = 0;   // where the element stands in the project file
};

// A named design of one or more pages of the report project.
struct ReportLayout {
    QString name;
    PageOrientation orientation = PageOrientation::Portrait;
    int pageCount = 1;
    std::vector<LayoutElement> elements;

    QStringList FieldNames() const;
    // The field of that name (without regard to case), or null: where a screen puts its entry.
    const LayoutElement* Field(const QString& name) const;
};

// The layouts of a report project file, read and checked whole. The file is text, one statement
// a line ("#" starts a comment line):
//
//   ledgora-report-project 1
//   layout NAME portrait|landscape          a layout, up to its "end"
//     page                                  what follows goes on the layout's next page
//     font FAMILY SIZE [bold] [italic] [underline]   for the texts and fields below
//     color COLOR                           their colour (#RRGGBB or a colour name)
//     pen WIDTH [COLOR] [solid|dash|dot|dashdot|clear]   for outlines; WIDTH in points
//     brush COLOR | brush clear             for filled shapes
//     line X1 Y1 X2 Y2
//     rect X1 Y1 X2 Y2                      outline with the pen, filled with the brush
//     fill X1 Y1 X2 Y2                      filled with the brush, no outline
//     ellipse X1 Y1 X2 Y2
//     roundrect X1 Y1 X2 Y2 RADIUS
//     text X Y left|center|right "TEXT"     fixed text on the baseline Y
//     field NAME X Y left|center|right [width W]   the value of parameter NAME, shrunk to fit
//                                           W inches when a width is given
//     repeat VAR FIRST LAST [dx STEP] [dy STEP]   the statements up to its "end" once for each
//                                           VAR from FIRST to LAST, moved by STEP each time
//     place DRAWING X Y [suffix TEXT]       the drawing with its top left corner at X Y
//   end
//   drawing NAME                            artwork that layouts place, up to its "end": the
//     ...                                   statements of a layout without "page", positions
//   end                                     from the drawing's own top left corner
//
// A drawing starts with the default font, pen and brush wherever it is placed. Placed with a
// suffix, each of its fields takes the suffix after its name, with an underscore between when
// the name ends in a digit and the suffix begins with one: "field Box1" placed with "suffix 2"
// is the field Box1_2, "field Boxa" the field Boxa2. One drawn form thus fills several places of
// a page, each from its own parameters.
//
// Positions are inches from the page's top left corner. Inside a repeat, "{VAR}" in a name or a
// text becomes the count, "{VAR*K}", "{VAR+C}" and "{VAR*K+C}" a number computed from it, so
// "field EIN{n} ..." in "repeat n 1 9 dx 0.2" makes the fields EIN1 to EIN9 side by side.
struct ReportProjectContent {
    std::vector<ReportLayout> layouts;

    const ReportLayout* Find(const QString& name) const;
};

inline constexpr int ReportProjectFormat = 1;

// The name of a drawing's field placed with a suffix: the suffix follows the name, with an
// underscore between when the name ends in a digit and the suffix begins with one, so "Box1" in
// slot 2 is "Box1_2", never "Box12". Print handlers name the parameters of a slot by it.
QString SuffixedFieldName(const QString& name, const QString& suffix);

// Raises EReportException naming the file and the line of the first fault.
ReportProjectContent ParseReportProject(const QByteArray& text, const QString& sourceName);

// Parameter values by name; names are matched without regard to case.
class LayoutParams {
public:
    void Set(const QString& name, const QString& value) { values_.insert(name.toLower(), value); }
    QString Get(const QString& name) const { return values_.value(name.toLower()); }
    bool Has(const QString& name) const { return values_.contains(name.toLower()); }
    void Clear() { values_.clear(); }
    bool IsEmpty() const { return values_.isEmpty(); }

private:
    QHash<QString, QString> values_;
};

// Draws the layout's first page on the canvas's current page and each further page on a new page;
// a field whose parameter is not set prints nothing. The canvas's font, pen, brush, cursor and
// origin are as before afterwards.
void DrawLayout(const ReportLayout& layout, ReportCanvas& canvas, const LayoutParams& params);
// Draws one page (0-based) of the layout on the canvas's current page.
void DrawLayoutPage(const ReportLayout& layout, int page, ReportCanvas& canvas, const LayoutParams& params);
