#include "TestSupport.h"

#include "platform/report/PostNetBarCode.h"
#include "platform/report/ReportCanvas.h"

namespace {

TEST(PostNetTest, ZipPlusFourMatchesThePublishedBarPattern)
{
    PostNetBarCode code;
    code.Text = QStringLiteral("12345-6789");
    EXPECT_EQ(code.Digits(), QStringLiteral("123456789"));
    // The digits add up to 45, so the check digit is 5.
    EXPECT_EQ(PostNetBarCode::CheckDigit(code.Digits()), 5);
    EXPECT_EQ(code.BarPattern(), QStringLiteral("1"
                                                "00011" "00101" "00110" "01001" "01010"
                                                "01100" "10001" "10010" "10100"
                                                "01010"
                                                "1"));
}

TEST(PostNetTest, CheckDigitsAndDigitCodes)
{
    const struct {
        const char* text;
        bool checksum;
        const char* pattern;
    } cases[] = {
        {"00000", true, "1" "11000" "11000" "11000" "11000" "11000" "11000" "1"},
        {"55555", true, "1" "01010" "01010" "01010" "01010" "01010" "01010" "1"},
        {"7", false, "1" "10001" "1"},
        {"", true, ""},
        {"ZIP", true, ""},
    };
    for (const auto& c : cases) {
        PostNetBarCode code;
        code.Text = QString::fromLatin1(c.text);
        code.UseChecksum = c.checksum;
        EXPECT_EQ(code.BarPattern(), QString::fromLatin1(c.pattern)) << c.text;
    }
}

TEST(PostNetTest, BarsStandOnTheBottomFromTheLeftEdge)
{
    ReportDocument document;
    ReportCanvas canvas(document);
    PostNetBarCode code;
    code.BarHeight = 0.13;
    code.BarWidth = 0.02;
    code.PrintReadable = false;
    code.Left = 1.0;
    code.Bottom = 2.4167;
    code.Text = QStringLiteral("12345-6789");
    code.Print(canvas);

    const std::vector<DrawOp>& bars = document.pages[0].ops;
    ASSERT_EQ(bars.size(), 52u);
    const QString pattern = code.BarPattern();
    for (size_t i = 0; i < bars.size(); ++i) {
        const DrawOp& bar = bars[i];
        EXPECT_EQ(bar.kind, DrawOp::Kind::Rectangle);
        EXPECT_EQ(bar.brush.style, BrushStyle::Solid);
        EXPECT_EQ(bar.brush.color, qRgb(0, 0, 0));
        EXPECT_NEAR(bar.x1, 1.0 + i / 22.0, 1e-9);
        EXPECT_NEAR(bar.x2 - bar.x1, 0.02, 1e-9);
        EXPECT_NEAR(bar.y2, 2.4167, 1e-9);
        const double height = pattern[static_cast<qsizetype>(i)] == QLatin1Char('1') ? 0.13 : 0.052;
        EXPECT_NEAR(bar.y2 - bar.y1, height, 1e-9) << "bar " << i;
    }
    // 22 bars to the inch: 52 bars take about 2.3 inches.
    EXPECT_NEAR(code.Width(), 51 / 22.0 + 0.02, 1e-9);
}

TEST(PostNetTest, ReadableDigitsGoUnderTheBars)
{
    ReportDocument document;
    ReportCanvas canvas(document);
    canvas.SetFont(QStringLiteral("Courier New"), 12);
    PostNetBarCode code;
    code.Text = QStringLiteral("12345");
    code.Left = 0.5;
    code.Bottom = 1.0;
    code.Print(canvas);
    const DrawOp& digits = document.pages[0].ops.back();
    EXPECT_EQ(digits.kind, DrawOp::Kind::Text);
    EXPECT_EQ(digits.text, QStringLiteral("12345"));
    EXPECT_GT(digits.y1, 1.0);
    EXPECT_EQ(canvas.Font().name, QStringLiteral("Courier New")) << "the canvas keeps its font";
}

} // namespace
