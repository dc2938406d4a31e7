#include "platform/report/ReportLayout.h"

#include "platform/report/ReportCanvas.h"
#include "platform/report/ReportErrors.h"
#include "platform/report/TextFit.h"

#include <QColor>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>
#include <map>

namespace {

// Bounds that no sensible layout reaches; they stop a damaged file from running away.
constexpr int MaxRepeatDepth = 8;
constexpr size_t MaxElements = 200000;
constexpr double MaxInches = 100.0;
constexpr int MaxLayoutPages = 50;

struct SourceLine {
    int number = 0;
    QStringList tokens;
};

struct ParseError {
    int line;
    QString reason;
};

[[noreturn]] void fail(int line, const QString& reason)
{
    throw ParseError{line, reason};
}

QStringList tokenize(const QString& text, int lineNumber)
{
    QStringList tokens;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && text[i].isSpace())
            ++i;
        if (i >= n)
            break;
        QString token;
        if (text[i] == QLatin1Char('"')) {
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = text[i++];
                if (c == QLatin1Char('"')) {
                    closed = true;
                    break;
                }
                if (c == QLatin1Char('\\') && i < n)
                    token += text[i++];
                else
                    token += c;
            }
            if (!closed)
                fail(lineNumber, QStringLiteral("a quoted text is not closed"));
            // A quoted token keeps a mark so an empty text is still a token.
            tokens << QLatin1Char('"') + token;
        } else {
            while (i < n && !text[i].isSpace())
                token += text[i++];
            tokens << token;
        }
    }
    return tokens;
}

bool isQuoted(const QString& token)
{
    return token.startsWith(QLatin1Char('"'));
}

QString unquoted(const QString& token)
{
    return isQuoted(token) ? token.mid(1) : token;
}

struct Scope {
    std::map<QString, int> vars;
    double dx = 0;
    double dy = 0;
    bool inDrawing = false;
    QString suffix;   // added to the name of every field of a placed drawing
};

class Parser {
public:
    explicit Parser(std::vector<SourceLine> lines) : lines_(std::move(lines)) {}

    ReportProjectContent parse()
    {
        size_t i = 0;
        if (lines_.empty() || lines_[0].tokens.size() != 2 || lines_[0].tokens[0] != QLatin1String("ledgora-report-project"))
            fail(lines_.empty() ? 1 : lines_[0].number, QStringLiteral("the first statement must be \"ledgora-report-project %1\"")
                                                               .arg(ReportProjectFormat));
        bool ok = false;
        const int format = lines_[0].tokens[1].toInt(&ok);
        if (!ok || format < 1)
            fail(lines_[0].number, QStringLiteral("the format \"%1\" is not a number").arg(lines_[0].tokens[1]));
        if (format > ReportProjectFormat)
            fail(lines_[0].number, QStringLiteral("format %1 belongs to a newer version of Ledgora").arg(format));
        i = 1;

        collectDrawings(1);

        ReportProjectContent content;
        while (i < lines_.size()) {
            const SourceLine& line = lines_[i];
            if (line.tokens[0] == QLatin1String("drawing")) {
                i = matchingEnd(i) + 1;
                continue;
            }
            if (line.tokens[0] != QLatin1String("layout"))
                fail(line.number, QStringLiteral("\"%1\" stands outside a layout").arg(line.tokens[0]));
            if (line.tokens.size() != 3)
                fail(line.number, QStringLiteral("a layout needs a name and portrait or landscape"));
            ReportLayout layout;
            layout.name = unquoted(line.tokens[1]);
            if (content.Find(layout.name))
                fail(line.number, QStringLiteral("the layout \"%1\" is defined twice").arg(layout.name));
            layout.orientation = orientation(line.tokens[2], line.number);
            const size_t end = matchingEnd(i);
            state_ = State{};
            block(i + 1, end, Scope{}, 0, layout);
            content.layouts.push_back(std::move(layout));
            i = end + 1;
        }
        return content;
    }

private:
    struct Drawing {
        size_t first;   // its first statement
        size_t end;     // its "end"
    };

    // The drawings of the whole project, so a layout may place one defined further down.
    void collectDrawings(size_t i)
    {
        while (i < lines_.size()) {
            const SourceLine& line = lines_[i];
            const QString& word = line.tokens[0];
            if (word != QLatin1String("drawing") && word != QLatin1String("layout"))
                fail(line.number, QStringLiteral("\"%1\" stands outside a layout").arg(word));
            const size_t end = matchingEnd(i);
            if (word == QLatin1String("drawing")) {
                if (line.tokens.size() != 2)
                    fail(line.number, QStringLiteral("a drawing needs a name"));
                const QString name = unquoted(line.tokens[1]).toLower();
                if (drawings_.count(name))
                    fail(line.number, QStringLiteral("the drawing \"%1\" is defined twice").arg(unquoted(line.tokens[1])));
                drawings_[name] = Drawing{i + 1, end};
            }
            i = end + 1;
        }
    }

    struct State {
        ReportFont font;
        QRgb color = qRgb(0, 0, 0);
        ReportPen pen{qRgb(0, 0, 0), PenStyle::Solid, 0.5 / 72.0};
        ReportBrush brush;
    };

    static PageOrientation orientation(const QString& token, int line)
    {
        if (token == QLatin1String("portrait"))
            return PageOrientation::Portrait;
        if (token == QLatin1String("landscape"))
            return PageOrientation::Landscape;
        fail(line, QStringLiteral("\"%1\" is neither portrait nor landscape").arg(token));
    }

    size_t matchingEnd(size_t open) const
    {
        int depth = 0;
        for (size_t j = open + 1; j < lines_.size(); ++j) {
            const QString& word = lines_[j].tokens[0];
            if (word == QLatin1String("layout") || word == QLatin1String("drawing"))
                fail(lines_[j].number, QStringLiteral("a %1 begins before the one above has its \"end\"").arg(word));
            if (word == QLatin1String("repeat"))
                ++depth;
            else if (word == QLatin1String("end")) {
                if (depth == 0)
                    return j;
                --depth;
            }
        }
        fail(lines_[open].number, QStringLiteral("\"%1\" has no \"end\"").arg(lines_[open].tokens[0]));
    }

    static double number(const QString& token, int line)
    {
        bool ok = false;
        const double value = token.toDouble(&ok);
        if (!ok || !std::isfinite(value))
            fail(line, QStringLiteral("\"%1\" is not a number").arg(token));
        return value;
    }

    static double position(const QString& token, int line, double offset)
    {
        const double value = number(token, line) + offset;
        if (std::abs(value) > MaxInches)
            fail(line, QStringLiteral("the position %1 lies far off any page").arg(value));
        return value;
    }

    static QRgb color(const QString& token, int line)
    {
        const QColor c = QColor::fromString(token);
        if (!c.isValid())
            fail(line, QStringLiteral("\"%1\" is not a colour").arg(token));
        return c.rgb();
    }

    static TextAlign alignment(const QString& token, int line)
    {
        if (token == QLatin1String("left"))
            return TextAlign::Left;
        if (token == QLatin1String("center"))
            return TextAlign::Center;
        if (token == QLatin1String("right"))
            return TextAlign::Right;
        fail(line, QStringLiteral("\"%1\" is not left, center or right").arg(token));
    }

    static QString formatNumber(double value)
    {
        if (value == std::floor(value) && std::abs(value) < 1e15)
            return QString::number(static_cast<long long>(value));
        QString text = QString::number(value, 'f', 4);
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        return text;
    }

    static QString substitute(const QString& text, const Scope& scope, int line)
    {
        static const QRegularExpression expr(QStringLiteral(R"(\{([A-Za-z_]\w*)(?:\*(-?[0-9.]+))?(?:([+-])([0-9.]+))?\})"));
        QString result;
        qsizetype last = 0;
        auto it = expr.globalMatch(text);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            const auto var = scope.vars.find(m.captured(1));
            if (var == scope.vars.end())
                fail(line, QStringLiteral("\"{%1}\" names no repeat around it").arg(m.captured(1)));
            double value = var->second;
            if (m.hasCaptured(2))
                value *= number(m.captured(2), line);
            if (m.hasCaptured(3)) {
                const double c = number(m.captured(4), line);
                value += m.captured(3) == QLatin1String("+") ? c : -c;
            }
            result += text.mid(last, m.capturedStart() - last) + formatNumber(value);
            last = m.capturedEnd();
        }
        return result + text.mid(last);
    }

    void add(ReportLayout& layout, LayoutElement element, int line)
    {
        if (++elementCount_ > MaxElements)
            fail(line, QStringLiteral("the layouts hold more than %1 elements").arg(MaxElements));
        element.line = line;
        element.page = layout.pageCount - 1;
        layout.elements.push_back(std::move(element));
    }

    void block(size_t first, size_t end, const Scope& scope, int depth, ReportLayout& layout)
    {
        size_t i = first;
        while (i < end) {
            const SourceLine& line = lines_[i];
            const QString& word = line.tokens[0];
            if (word == QLatin1String("repeat")) {
                const size_t close = matchingEnd(i);
                repeat(line, i + 1, close, scope, depth, layout);
                i = close + 1;
                continue;
            }
            if (word == QLatin1String("place")) {
                place(line, scope, depth, layout);
                ++i;
                continue;
            }
            statement(line, scope, layout);
            ++i;
        }
    }

    void repeat(const SourceLine& line, size_t first, size_t end, const Scope& outer, int depth, ReportLayout& layout)
    {
        const QStringList& t = line.tokens;
        if (depth >= MaxRepeatDepth)
            fail(line.number, QStringLiteral("repeats are nested more than %1 deep").arg(MaxRepeatDepth));
        if (t.size() < 4 || (t.size() - 4) % 2 != 0)
            fail(line.number, QStringLiteral("a repeat needs a name, a first and a last count, then dx or dy steps"));
        static const QRegularExpression identifier(QStringLiteral(R"(^[A-Za-z_]\w*$)"));
        if (!identifier.match(t[1]).hasMatch())
            fail(line.number, QStringLiteral("\"%1\" cannot name a repeat").arg(t[1]));
        bool okFirst = false, okLast = false;
        const int from = t[2].toInt(&okFirst);
        const int to = t[3].toInt(&okLast);
        if (!okFirst || !okLast || to < from || to - from > 10000)
            fail(line.number, QStringLiteral("a repeat counts from a whole number up to a larger one"));
        double dx = 0, dy = 0;
        for (qsizetype k = 4; k < t.size(); k += 2) {
            if (t[k] == QLatin1String("dx"))
                dx = number(t[k + 1], line.number);
            else if (t[k] == QLatin1String("dy"))
                dy = number(t[k + 1], line.number);
            else
                fail(line.number, QStringLiteral("\"%1\" is neither dx nor dy").arg(t[k]));
        }
        for (int v = from; v <= to; ++v) {
            Scope inner = outer;
            inner.vars[t[1]] = v;
            inner.dx += dx * (v - from);
            inner.dy += dy * (v - from);
            block(first, end, inner, depth + 1, layout);
        }
    }

    // Draws a drawing with its top left corner at X Y, in its own font, pen and brush; those of
    // the layout are as before afterwards.
    void place(const SourceLine& line, const Scope& outer, int depth, ReportLayout& layout)
    {
        const QStringList& t = line.tokens;
        const int n = line.number;
        if (t.size() != 4 && !(t.size() == 6 && t[4] == QLatin1String("suffix")))
            fail(n, QStringLiteral("\"place\" takes a drawing, a position and perhaps a suffix"));
        const auto drawing = drawings_.find(unquoted(t[1]).toLower());
        if (drawing == drawings_.end())
            fail(n, QStringLiteral("the drawing \"%1\" is not defined").arg(unquoted(t[1])));
        if (depth >= MaxRepeatDepth)
            fail(n, QStringLiteral("drawings and repeats are nested more than %1 deep").arg(MaxRepeatDepth));
        Scope inner;
        inner.inDrawing = true;
        inner.dx = position(t[2], n, outer.dx);
        inner.dy = position(t[3], n, outer.dy);
        inner.suffix = outer.suffix;
        if (t.size() == 6) {
            const QString suffix = substitute(unquoted(t[5]), outer, n);
            if (suffix.isEmpty())
                fail(n, QStringLiteral("a suffix cannot be empty"));
            inner.suffix = SuffixedFieldName(inner.suffix, suffix);
        }
        const State saved = state_;
        state_ = State{};
        block(drawing->second.first, drawing->second.end, inner, depth + 1, layout);
        state_ = saved;
    }

    void expect(const SourceLine& line, qsizetype count, const QString& usage) const
    {
        if (line.tokens.size() != count)
            fail(line.number, QStringLiteral("\"%1\" takes %2").arg(line.tokens[0], usage));
    }

    void statement(const SourceLine& line, const Scope& scope, ReportLayout& layout)
    {
        const QStringList& t = line.tokens;
        const QString& word = t[0];
        const int n = line.number;
        if (word == QLatin1String("font")) {
            if (t.size() < 3)
                fail(n, QStringLiteral("\"font\" takes a family and a size"));
            ReportFont font;
            font.name = unquoted(t[1]);
            font.size = number(t[2], n);
            if (font.size <= 0 || font.size > 200)
                fail(n, QStringLiteral("a font size of %1 points cannot be printed").arg(t[2]));
            for (qsizetype k = 3; k < t.size(); ++k) {
                if (t[k] == QLatin1String("bold"))
                    font.bold = true;
                else if (t[k] == QLatin1String("italic"))
                    font.italic = true;
                else if (t[k] == QLatin1String("underline"))
                    font.underline = true;
                else
                    fail(n, QStringLiteral("\"%1\" is not a font style").arg(t[k]));
            }
            state_.font = font;
        } else if (word == QLatin1String("color")) {
            expect(line, 2, QStringLiteral("a colour"));
            state_.color = color(t[1], n);
        } else if (word == QLatin1String("pen")) {
            if (t.size() < 2 || t.size() > 4)
                fail(n, QStringLiteral("\"pen\" takes a width, then a colour and a style"));
            ReportPen pen;
            const double points = number(t[1], n);
            if (points < 0 || points > 72)
                fail(n, QStringLiteral("a pen of %1 points cannot be drawn").arg(t[1]));
            pen.width = points / 72.0;
            for (qsizetype k = 2; k < t.size(); ++k) {
                static const std::map<QString, PenStyle> styles{{QStringLiteral("solid"), PenStyle::Solid},
                                                                 {QStringLiteral("dash"), PenStyle::Dash},
                                                                 {QStringLiteral("dot"), PenStyle::Dot},
                                                                 {QStringLiteral("dashdot"), PenStyle::DashDot},
                                                                 {QStringLiteral("clear"), PenStyle::Clear}};
                const auto style = styles.find(t[k]);
                if (style != styles.end())
                    pen.style = style->second;
                else
                    pen.color = color(t[k], n);
            }
            state_.pen = pen;
        } else if (word == QLatin1String("brush")) {
            expect(line, 2, QStringLiteral("a colour or clear"));
            state_.brush = t[1] == QLatin1String("clear") ? ReportBrush{}
                                                          : ReportBrush{color(t[1], n), BrushStyle::Solid};
        } else if (word == QLatin1String("line") || word == QLatin1String("rect") || word == QLatin1String("fill")
                   || word == QLatin1String("ellipse") || word == QLatin1String("roundrect")) {
            const bool round = word == QLatin1String("roundrect");
            expect(line, round ? 6 : 5, round ? QStringLiteral("two corners and a radius") : QStringLiteral("two corners"));
            LayoutElement e;
            e.kind = word == QLatin1String("line")   ? LayoutElement::Kind::Line
                : word == QLatin1String("rect")      ? LayoutElement::Kind::Rectangle
                : word == QLatin1String("fill")      ? LayoutElement::Kind::FillRect
                : word == QLatin1String("ellipse")   ? LayoutElement::Kind::Ellipse
                                                     : LayoutElement::Kind::RoundRect;
            e.x1 = position(t[1], n, scope.dx);
            e.y1 = position(t[2], n, scope.dy);
            e.x2 = position(t[3], n, scope.dx);
            e.y2 = position(t[4], n, scope.dy);
            if (round)
                e.radius = number(t[5], n);
            e.pen = state_.pen;
            e.brush = state_.brush;
            if (e.kind == LayoutElement::Kind::FillRect && e.brush.style == BrushStyle::Clear)
                fail(n, QStringLiteral("\"fill\" needs a brush colour first"));
            add(layout, std::move(e), n);
        } else if (word == QLatin1String("text")) {
            expect(line, 5, QStringLiteral("a position, an alignment and a quoted text"));
            if (!isQuoted(t[4]))
                fail(n, QStringLiteral("the text must be quoted"));
            LayoutElement e;
            e.kind = LayoutElement::Kind::Text;
            e.x1 = position(t[1], n, scope.dx);
            e.y1 = position(t[2], n, scope.dy);
            e.align = alignment(t[3], n);
            e.text = substitute(unquoted(t[4]), scope, n);
            e.font = state_.font;
            e.textColor = state_.color;
            add(layout, std::move(e), n);
        } else if (word == QLatin1String("field")) {
            const bool fitted = t.size() == 7 && t[5] == QLatin1String("width");
            if (!fitted)
                expect(line, 5, QStringLiteral("a name, a position, an alignment and maybe \"width\" and a room"));
            LayoutElement e;
            e.kind = LayoutElement::Kind::Field;
            e.text = substitute(unquoted(t[1]), scope, n);
            if (e.text.isEmpty())
                fail(n, QStringLiteral("a field needs a name"));
            e.text = SuffixedFieldName(e.text, scope.suffix);
            e.x1 = position(t[2], n, scope.dx);
            e.y1 = position(t[3], n, scope.dy);
            e.align = alignment(t[4], n);
            if (fitted) {
                e.width = number(t[6], n);
                if (e.width <= 0)
                    fail(n, QStringLiteral("a field's width must be above 0"));
            }
            e.font = state_.font;
            e.textColor = state_.color;
            add(layout, std::move(e), n);
        } else if (word == QLatin1String("page")) {
            expect(line, 1, QStringLiteral("nothing more"));
            if (!scope.vars.empty())
                fail(n, QStringLiteral("a page cannot begin inside a repeat"));
            if (scope.inDrawing)
                fail(n, QStringLiteral("a page cannot begin inside a drawing"));
            if (layout.pageCount >= MaxLayoutPages)
                fail(n, QStringLiteral("a layout has at most %1 pages").arg(MaxLayoutPages));
            ++layout.pageCount;
        } else if (word == QLatin1String("end")) {
            fail(n, QStringLiteral("\"end\" closes nothing"));
        } else {
            fail(n, QStringLiteral("\"%1\" is not a statement of a layout").arg(word));
        }
    }

    std::vector<SourceLine> lines_;
    std::map<QString, Drawing> drawings_;
    State state_;
    size_t elementCount_ = 0;
};

} // namespace

QString SuffixedFieldName(const QString& name, const QString& suffix)
{
    if (suffix.isEmpty())
        return name;
    const bool digits = !name.isEmpty() && name.back().isDigit() && suffix.front().isDigit();
    return digits ? name + QLatin1Char('_') + suffix : name + suffix;
}

QStringList ReportLayout::FieldNames() const
{
    QStringList names;
    for (const LayoutElement& e : elements) {
        if (e.kind == LayoutElement::Kind::Field && !names.contains(e.text))
            names << e.text;
    }
    return names;
}

const LayoutElement* ReportLayout::Field(const QString& name) const
{
    for (const LayoutElement& e : elements) {
        if (e.kind == LayoutElement::Kind::Field && e.text.compare(name, Qt::CaseInsensitive) == 0)
            return &e;
    }
    return nullptr;
}

const ReportLayout* ReportProjectContent::Find(const QString& name) const
{
    for (const ReportLayout& layout : layouts) {
        if (layout.name.compare(name, Qt::CaseInsensitive) == 0)
            return &layout;
    }
    return nullptr;
}

ReportProjectContent ParseReportProject(const QByteArray& text, const QString& sourceName)
{
    const QString name = QFileInfo(sourceName).fileName().isEmpty() ? sourceName : QFileInfo(sourceName).fileName();
    try {
        std::vector<SourceLine> lines;
        const QStringList rows = QString::fromUtf8(text).split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const QString row = rows[i].trimmed();
            if (row.isEmpty() || row.startsWith(QLatin1Char('#')))
                continue;
            lines.push_back(SourceLine{static_cast<int>(i + 1), tokenize(row, static_cast<int>(i + 1))});
        }
        return Parser(std::move(lines)).parse();
    } catch (const ParseError& error) {
        throw EReportException(
            QStringLiteral("The report project \"%1\" is damaged: line %2: %3.").arg(name).arg(error.line).arg(error.reason));
    }
}

void DrawLayout(const ReportLayout& layout, ReportCanvas& canvas, const LayoutParams& params)
{
    for (int page = 0; page < layout.pageCount; ++page) {
        if (page > 0)
            canvas.NewPage();
        DrawLayoutPage(layout, page, canvas, params);
    }
}

void DrawLayoutPage(const ReportLayout& layout, int page, ReportCanvas& canvas, const LayoutParams& params)
{
    const ReportCanvas::State saved = canvas.SaveState();
    canvas.SetOrigin(0, 0);
    for (const LayoutElement& e : layout.elements) {
        if (e.page != page)
            continue;
        switch (e.kind) {
        case LayoutElement::Kind::Text:
        case LayoutElement::Kind::Field: {
            const QString text = e.kind == LayoutElement::Kind::Text ? e.text : params.Get(e.text);
            if (text.isEmpty())
                break;
            canvas.SetFontSpec(e.font);
            canvas.SetFontColor(QColor::fromRgb(e.textColor));
            canvas.SetYPos(e.y1);
            if (e.width > 0)
                PrintFitted(canvas, text, e.x1, e.width, e.align);
            else if (e.align == TextAlign::Left)
                canvas.PrintLeft(text, e.x1);
            else if (e.align == TextAlign::Center)
                canvas.PrintCenter(text, e.x1);
            else
                canvas.PrintRight(text, e.x1);
            break;
        }
        default: {
            canvas.SetPenSpec(e.pen);
            canvas.SetBrushSpec(e.brush);
            switch (e.kind) {
            case LayoutElement::Kind::Line: canvas.Line(e.x1, e.y1, e.x2, e.y2); break;
            case LayoutElement::Kind::Rectangle: canvas.Rectangle(e.x1, e.y1, e.x2, e.y2); break;
            case LayoutElement::Kind::FillRect: canvas.FillRect(e.x1, e.y1, e.x2, e.y2); break;
            case LayoutElement::Kind::Ellipse: canvas.Ellipse(e.x1, e.y1, e.x2, e.y2); break;
            case LayoutElement::Kind::RoundRect: canvas.RoundRect(e.x1, e.y1, e.x2, e.y2, e.radius); break;
            default: break;
            }
            break;
        }
        }
    }
    canvas.RestoreState(saved);
}
