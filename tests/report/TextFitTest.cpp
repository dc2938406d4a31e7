#include "TestSupport.h"

#include "platform/report/ReportFonts.h"
#include "platform/report/TextFit.h"

namespace {

class TextFitTest : public LedgoraTest {
protected:
    ReportDocument document;
    ReportCanvas canvas{document};

    const DrawOp& lastText() const { return document.pages.back().ops.back(); }
};

const QString kWords = QStringLiteral("***EIGHT HUNDRED FORTY FIVE AND 50/100 DOLLARS***");

} // namespace

TEST_F(TextFitTest, ShrinksOnlyWhatOverrunsItsRoomAndKeepsEveryCharacter)
{
    canvas.SetFont(QStringLiteral("Arial"), 10);
    const double natural = canvas.TextWidth(kWords);
    const struct {
        double room;
        bool shrinks;
    } cases[] = {{natural + 0.5, false}, {natural, false}, {natural * 0.8, true}, {natural * 0.55, true}};
    for (const auto& c : cases) {
        canvas.SetYPos(1.0);
        const double used = PrintFitted(canvas, kWords, 0.3, c.room);
        const DrawOp& op = lastText();
        EXPECT_EQ(op.text, kWords) << "never cut";
        EXPECT_DOUBLE_EQ(op.font.size, used);
        EXPECT_EQ(used < 10.0, c.shrinks) << c.room;
        EXPECT_LE(TextWidth(op.font, op.text), c.room + 1e-9) << c.room;
        if (c.shrinks) {
            ReportFont larger = op.font;
            larger.size += 0.2;
            EXPECT_GT(TextWidth(larger, op.text), c.room) << "shrinks no further than needed";
        }
        EXPECT_DOUBLE_EQ(canvas.FontSize(), 10.0) << "the caller's font is left alone";
    }
}

TEST_F(TextFitTest, StopsAtTheSmallestReadableSizeAndStillPrintsTheWholeText)
{
    canvas.SetFont(QStringLiteral("Arial"), 12);
    canvas.SetBold(true);
    canvas.SetYPos(2.0);
    EXPECT_DOUBLE_EQ(PrintFitted(canvas, kWords, 7.0, 0.5, TextAlign::Right), kMinimumFitSize);
    EXPECT_EQ(lastText().text, kWords);
    EXPECT_EQ(lastText().align, TextAlign::Right);
    EXPECT_TRUE(lastText().font.bold);
    EXPECT_DOUBLE_EQ(canvas.FontSize(), 12.0);
}
