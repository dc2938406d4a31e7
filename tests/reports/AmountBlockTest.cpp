#include "TestSupport.h"

#include "platform/report/ReportCanvas.h"
#include "reports/AmountBlock.h"

namespace {

// The baselines of the texts labelled `label` on each page, and the lines drawn per page.
struct Drawn {
    std::vector<std::vector<double>> labels;
    std::vector<int> lines;
};

Drawn Read(const ReportDocument& document)
{
    Drawn drawn;
    for (const ReportPage& page : document.pages) {
        drawn.labels.emplace_back();
        drawn.lines.push_back(0);
        for (const DrawOp& op : page.ops) {
            if (op.kind == DrawOp::Kind::Text && op.align == TextAlign::Left)
                drawn.labels.back().push_back(op.y1);
            if (op.kind == DrawOp::Kind::Line)
                ++drawn.lines.back();
        }
    }
    return drawn;
}

} // namespace

TEST(AmountBlockTest, LinesSkipZerosAndContinueOnANewPageOnlyWhenAnotherLineFollows)
{
    // Where the block starts, whether it breaks pages, the detail lines printed after the title
    // (all non-zero), then a total with its rules.
    const struct {
        double startY;
        bool breakPages;
        int details;
        std::vector<int> labelsPerPage;
    } cases[] = {
        {1.0, true, 5, {7}},               // title, five lines, total: one page
        {9.83, true, 1, {3}},              // the total stands at 10.17: no empty page follows
        {9.83, true, 2, {3, 1}},           // 10.17 reached: the total goes on at 0.67
        {9.83, false, 4, {6}},             // without breaks everything stays where it falls
    };
    for (const auto& c : cases) {
        ReportDocument document;
        ReportCanvas canvas(document);
        AmountBlock block(canvas, c.startY, c.breakPages);
        block.Title(QStringLiteral("Earnings:"));
        EXPECT_FALSE(block.Detail(QStringLiteral("Nothing"), 0.0));
        for (int i = 0; i < c.details; ++i)
            EXPECT_TRUE(block.Detail(QStringLiteral("Line %1").arg(i), 10.0 + i));
        block.Rule();
        block.Total(QStringLiteral("Total"), 100.0);
        block.Rule();
        block.DoubleRule();

        const Drawn drawn = Read(document);
        std::vector<int> perPage;
        for (const auto& labels : drawn.labels)
            perPage.push_back(static_cast<int>(labels.size()));
        EXPECT_EQ(perPage, c.labelsPerPage) << c.startY << " " << c.details;
        // The rule under the last detail stays with it; the total's two rules go with the total.
        EXPECT_EQ(drawn.lines.back(), c.labelsPerPage.size() > 1 ? 2 : 3) << c.details;
        if (c.labelsPerPage.size() > 1)
            EXPECT_NEAR(drawn.labels[1][0], 0.67, 1e-9);
        const std::vector<double>& first = drawn.labels[0];
        for (size_t i = 1; i < first.size(); ++i)
            EXPECT_NEAR(first[i] - first[i - 1], 0.17, 1e-9);
    }
}

TEST(AmountBlockTest, ASectionAfterATotalStandsLowerAndHoursKeepSixDecimals)
{
    ReportDocument document;
    ReportCanvas canvas(document);
    AmountBlock block(canvas, 2.0, true);
    block.Title(QStringLiteral("Earnings:"));
    block.Total(QStringLiteral("Total earnings"), -1234.5);
    block.Section(QStringLiteral("Other:"));
    block.Detail(QStringLiteral("Hours paid"), 80.0, AmountBlock::Format::Hours);
    block.Closing(QStringLiteral("Total employees printed"), QStringLiteral("3"));

    std::vector<std::pair<QString, double>> texts;
    for (const DrawOp& op : document.pages[0].ops)
        texts.emplace_back(op.text, op.y1);
    const std::vector<std::pair<QString, double>> expected = {
        {"Earnings:", 2.0},       {"Total earnings", 2.17}, {"-1,234.50", 2.17},
        {"Other:", 2.5},          {"Hours paid", 2.67},     {"80.000000", 2.67},
        {"Total employees printed", 3.0}, {"3", 3.0},
    };
    ASSERT_EQ(texts.size(), expected.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].first, expected[i].first);
        EXPECT_NEAR(texts[i].second, expected[i].second, 1e-9) << expected[i].first.toStdString();
    }
}
