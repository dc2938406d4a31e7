#include "SampleReport.h"
#include "TestSupport.h"

#include "platform/report/MicrGlyphs.h"
#include "platform/report/ReportErrors.h"

#include <QFontInfo>

#include <algorithm>

namespace {

class CanvasTest : public LedgoraTest {
protected:
    ReportDocument document;
    ReportCanvas canvas{document};

    const DrawOp& lastOp() const { return document.pages.back().ops.back(); }
    std::vector<const DrawOp*> texts(int page) const
    {
        std::vector<const DrawOp*> found;
        for (const DrawOp& op : document.pages[static_cast<size_t>(page - 1)].ops) {
            if (op.kind == DrawOp::Kind::Text)
                found.push_back(&op);
        }
        return found;
    }
};

TEST_F(CanvasTest, FontsMapToInstalledFamilies)
{
    const struct {
        const char* asked;
        const char* installed;
    } cases[] = {
        {"Arial", "Liberation Sans"},
        {"arial", "Liberation Sans"},
        {"Courier New", "Liberation Mono"},
        {"Tahoma", "DejaVu Sans"},
        {"Helvetica Narrow", "Nimbus Sans Narrow"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MapFontFamily(QString::fromLatin1(c.asked)), QString::fromLatin1(c.installed)) << c.asked;
        ReportFont font;
        font.name = QString::fromLatin1(c.asked);
        EXPECT_TRUE(QFontInfo(ReportQFont(font)).family().startsWith(QString::fromLatin1(c.installed))) << c.asked;
    }
}

TEST_F(CanvasTest, TextIsRecordedWithItsAnchorAlignmentAndFont)
{
    canvas.SetFont(QStringLiteral("Arial"), 10);
    canvas.SetBold(true);
    canvas.PrintXY(0.5, 1.25, QStringLiteral("Pay Period:"));
    canvas.PrintRight(QStringLiteral("1,234.56"), 6.5);
    canvas.PrintCenter(QStringLiteral("Heading"), 4.25);

    const auto ops = texts(1);
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0]->text, QStringLiteral("Pay Period:"));
    EXPECT_DOUBLE_EQ(ops[0]->x1, 0.5);
    EXPECT_DOUBLE_EQ(ops[0]->y1, 1.25);
    EXPECT_EQ(ops[0]->align, TextAlign::Left);
    EXPECT_EQ(ops[0]->font.name, QStringLiteral("Arial"));
    EXPECT_TRUE(ops[0]->font.bold);
    EXPECT_EQ(ops[1]->align, TextAlign::Right);
    EXPECT_DOUBLE_EQ(ops[1]->y1, 1.25) << "PrintRight prints on the cursor's line";
    EXPECT_NEAR(TextLeft(*ops[1], 1, 1) + TextWidth(ops[1]->font, ops[1]->text), 6.5, 1e-9);
    EXPECT_NEAR(TextLeft(*ops[2], 1, 1) + TextWidth(ops[2]->font, ops[2]->text) / 2, 4.25, 1e-9);
    // The cursor stands after the last text.
    EXPECT_NEAR(canvas.XPos(), 4.25 + TextWidth(ops[2]->font, ops[2]->text) / 2, 1e-9);
}

TEST_F(CanvasTest, SetFontSwitchesTheStylesOffAndPushFontRestoresThem)
{
    canvas.SetFont(QStringLiteral("Arial"), 12);
    canvas.SetBold(true);
    canvas.PushFont();
    canvas.SetFont(QStringLiteral("Courier New"), 8);
    EXPECT_FALSE(canvas.Bold());
    canvas.PopFont();
    EXPECT_EQ(canvas.Font().name, QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(canvas.FontSize(), 12);
    EXPECT_TRUE(canvas.Bold());
    EXPECT_THROW(canvas.PopFont(), EReportException);
}

TEST_F(CanvasTest, LineFeedMovesByTheFontsLineHeightBackToTheMargin)
{
    canvas.SetFont(QStringLiteral("Arial"), 9);
    canvas.SetMarginLeft(0.13);
    canvas.GotoXY(0.13, 0.25);
    canvas.Println(QStringLiteral("JANE Q DOE"));
    canvas.Println(QStringLiteral("100 MAIN ST"));
    const auto ops = texts(1);
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_DOUBLE_EQ(ops[1]->y1 - ops[0]->y1, canvas.LineHeight());
    // Arial 9 takes 1.15 of its size: 10.35 points.
    EXPECT_NEAR(canvas.LineHeight(), 10.35 / 72.0, 0.002);
    EXPECT_DOUBLE_EQ(ops[1]->x1, 0.13);
    EXPECT_DOUBLE_EQ(canvas.XPos(), 0.13);

    canvas.PushPos();
    canvas.GotoXY(5, 5);
    canvas.PopPos();
    EXPECT_DOUBLE_EQ(canvas.YPos(), 0.25 + 2 * canvas.LineHeight());
}

TEST_F(CanvasTest, TabStopsPlaceTextsInTheirColumns)
{
    canvas.SetFont(QStringLiteral("Arial"), 10);
    canvas.SetTab(1.0, TextAlign::Left, 2.0);
    canvas.SetTab(3.0, TextAlign::Right, 1.5);
    canvas.GotoXY(0.5, 2.0);
    canvas.Print(QStringLiteral("Name\tWages\t12.50\tlast"));
    const auto ops = texts(1);
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_DOUBLE_EQ(ops[0]->x1, 0.5);
    EXPECT_EQ(ops[1]->align, TextAlign::Left);
    EXPECT_DOUBLE_EQ(ops[1]->x1, 1.0);
    EXPECT_EQ(ops[2]->align, TextAlign::Right);
    EXPECT_DOUBLE_EQ(ops[2]->x1, 4.5);
    // With no tab stop left, a tab goes straight on.
    EXPECT_EQ(ops[3]->align, TextAlign::Left);
    EXPECT_DOUBLE_EQ(ops[3]->x1, 4.5);

    canvas.SetTab(5.0, TextAlign::Center, 1.0);
    canvas.NewLine();
    canvas.PrintTab(QStringLiteral("again"));
    EXPECT_DOUBLE_EQ(lastOp().x1, 1.0) << "a line feed starts the tab stops again";
    canvas.PrintTab(QStringLiteral("x"));
    canvas.PrintTab(QStringLiteral("centred"));
    EXPECT_EQ(lastOp().align, TextAlign::Center);
    EXPECT_DOUBLE_EQ(lastOp().x1, 5.5);
}

TEST_F(CanvasTest, PagesTakeTheOrientationInForceWhenTheyBegin)
{
    canvas.SetOrientation(PageOrientation::Landscape);
    EXPECT_DOUBLE_EQ(canvas.PageWidth(), 11.0) << "the empty first page turns";
    canvas.Line(1, 1, 2, 2);
    canvas.SetOrientation(PageOrientation::Portrait);
    EXPECT_DOUBLE_EQ(canvas.PageWidth(), 11.0) << "a page with drawing keeps its orientation";
    canvas.NewPage();
    EXPECT_EQ(canvas.CurrentPage(), 2);
    EXPECT_DOUBLE_EQ(document.pages[1].width, 8.5);
    EXPECT_DOUBLE_EQ(document.pages[1].height, 11.0);
}

TEST_F(CanvasTest, ShapesCarryPenBrushAndOrigin)
{
    canvas.SetPen(WindowsColor(0x0000FF), PenStyle::Dash, 10);
    canvas.SetBrush(WindowsColor(0xD9D9D9), BrushStyle::Solid);
    canvas.SetOrigin(0.188, 0.5);
    canvas.Rectangle(0, 0, 2.625, 1.0);
    const DrawOp& box = lastOp();
    EXPECT_EQ(box.kind, DrawOp::Kind::Rectangle);
    EXPECT_DOUBLE_EQ(box.x1, 0.188);
    EXPECT_DOUBLE_EQ(box.y2, 1.5);
    EXPECT_EQ(box.pen.color, qRgb(255, 0, 0)) << "$0000FF is red";
    EXPECT_EQ(box.pen.style, PenStyle::Dash);
    EXPECT_DOUBLE_EQ(box.pen.width, 10.0 / 600.0);
    EXPECT_EQ(box.brush.color, qRgb(0xD9, 0xD9, 0xD9));
    EXPECT_EQ(box.brush.style, BrushStyle::Solid);

    canvas.SetOrigin(0, 0);
    canvas.MoveTo(1, 1);
    canvas.LineTo(2, 3);
    EXPECT_EQ(lastOp().kind, DrawOp::Kind::Line);
    EXPECT_DOUBLE_EQ(lastOp().x1, 1);
    EXPECT_DOUBLE_EQ(lastOp().y2, 3);
    EXPECT_DOUBLE_EQ(PenWidthInches(-5), 5.0 / 72.0);
}

TEST_F(CanvasTest, PreviewOnlyMarksWhatItDraws)
{
    canvas.SetPreviewOnly(true);
    canvas.RoundRect(0.188, 0.5, 2.813, 1.5, 0.2);
    canvas.SetPreviewOnly(false);
    canvas.Rectangle(1, 1, 2, 2);
    ASSERT_EQ(document.pages[0].ops.size(), 2u);
    EXPECT_TRUE(document.pages[0].ops[0].previewOnly);
    EXPECT_DOUBLE_EQ(document.pages[0].ops[0].radius, 0.2);
    EXPECT_FALSE(document.pages[0].ops[1].previewOnly);
}

TEST_F(CanvasTest, PageMacrosBecomeThePageAndThePageCount)
{
    DrawSampleReport(canvas);
    ASSERT_EQ(document.PageCount(), 2);
    const auto ops = texts(2);
    const auto pageLine = std::find_if(ops.begin(), ops.end(), [](const DrawOp* op) { return op->text.startsWith(QStringLiteral("Page ")); });
    ASSERT_NE(pageLine, ops.end());
    EXPECT_EQ(ShownText(**pageLine, 2, 2), QStringLiteral("Page 2 of 2"));
    EXPECT_EQ(ShownText(*texts(1)[2], 1, 2), QStringLiteral("Page 1 of 2"));
    EXPECT_TRUE(OpsOffPage(document).isEmpty()) << OpsOffPage(document).join(QLatin1Char('\n')).toStdString();
}

TEST_F(CanvasTest, OpsOffPageNamesWhatLeavesThePaper)
{
    canvas.SetFont(QStringLiteral("Arial"), 10);
    canvas.PrintXY(0.5, 10.9, QStringLiteral("inside"));
    EXPECT_TRUE(OpsOffPage(document).isEmpty());
    canvas.PrintRight(QStringLiteral("runs off the left edge"), 0.2);
    canvas.NewPage();
    canvas.Line(1, 1, 9, 1);
    const QStringList off = OpsOffPage(document);
    ASSERT_EQ(off.size(), 2);
    EXPECT_TRUE(off[0].startsWith(QStringLiteral("page 1: text \"runs off the left edge\"")));
    EXPECT_TRUE(off[1].startsWith(QStringLiteral("page 2: line")));
}

TEST_F(CanvasTest, MicrLineIsDrawnAsE13BShapes)
{
    canvas.SetFont(QStringLiteral("MICR"), 10);
    canvas.SetYPos(3.25);
    canvas.PrintRight(QStringLiteral("o1234o"), 2.7);
    EXPECT_DOUBLE_EQ(canvas.TextWidth(QStringLiteral("o1234o")), 6 * 0.125);
    const auto& ops = document.pages[0].ops;
    ASSERT_FALSE(ops.empty());
    double left = 99, right = 0, top = 99, bottom = 0;
    for (const DrawOp& op : ops) {
        EXPECT_EQ(op.kind, DrawOp::Kind::Rectangle);
        EXPECT_EQ(op.pen.style, PenStyle::Clear);
        EXPECT_EQ(op.brush.style, BrushStyle::Solid);
        left = std::min(left, op.x1);
        right = std::max(right, op.x2);
        top = std::min(top, op.y1);
        bottom = std::max(bottom, op.y2);
    }
    EXPECT_NEAR(left, 2.7 - 0.75, 1e-9);
    EXPECT_LE(right, 2.7);
    EXPECT_NEAR(bottom, 3.25, 1e-9) << "the characters stand on the baseline";
    EXPECT_NEAR(3.25 - top, 0.117, 1e-9);
    EXPECT_TRUE(MicrGlyphRects(QLatin1Char(' '), 10).empty());
}

} // namespace
