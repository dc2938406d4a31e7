#include "TestSupport.h"

#include "client/SavedReports.h"
#include "platform/report/ReportSystem.h"

TEST(SavedReportsTest, GoesStraightToThePreviewWithItsOneLine)
{
    ReportSystem system;
    ConfigureSavedReports(system);
    EXPECT_EQ(system.TitlePreview, QStringLiteral("Saved Reports Preview"));
    EXPECT_EQ(system.SystemPrinter.Title, QStringLiteral("Saved Reports"));
    EXPECT_EQ(system.SystemPreview.FormState, PreviewFormState::Maximized);
    EXPECT_EQ(system.SystemSetups & ssAllowSetup, 0);
    EXPECT_EQ(system.SystemSetups & ssAllowDestPrinter, 0);
    EXPECT_NE(system.SystemSetups & ssAllowPrinterSetup, 0);

    // Without the output options dialog, no handler is asked.
    const OutputOptionsHandler previous =
        ReportSystem::SetOutputOptionsHandler([](const ReportSystem&, OutputChoice&) {
            ADD_FAILURE() << "The output options were shown";
            return false;
        });
    EXPECT_TRUE(system.Execute());
    ReportSystem::SetOutputOptionsHandler(previous);

    ASSERT_TRUE(system.Document());
    ASSERT_EQ(system.Document()->PageCount(), 1);
    const std::vector<DrawOp>& ops = system.Document()->pages[0].ops;
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].text, QLatin1String(kSavedReportsHint));
    EXPECT_EQ(ops[0].align, TextAlign::Center);
    EXPECT_DOUBLE_EQ(ops[0].x1, 4.25);
    EXPECT_DOUBLE_EQ(ops[0].y1, 3.0);
    EXPECT_EQ(ops[0].font.name, QStringLiteral("Arial"));
    EXPECT_EQ(ops[0].font.size, 16);
    EXPECT_TRUE(ops[0].font.bold);
}
