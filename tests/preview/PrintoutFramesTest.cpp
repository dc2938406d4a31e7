#include "PreviewFixture.h"

#include "components/PrinterSetup.h"
#include "components/PrintoutFrames.h"
#include "platform/Registry.h"

#include <set>
#include <stdexcept>

namespace {

const QString kRoot = QStringLiteral("Software\\Ledgora\\2026\\");

class PrintoutFramesTest : public PreviewTest {
protected:
    void SetUp() override
    {
        PreviewTest::SetUp();
        PrinterSetup::ClearRecord();
        registry = std::make_unique<Registry>();
        previousOptions_ = ReportSystem::SetOutputOptionsHandler([this](const ReportSystem&, OutputChoice& choice) {
            ++optionsShown;
            choice.destination = ReportDestination::Preview;
            return true;
        });
    }

    void TearDown() override
    {
        ReportSystem::SetOutputOptionsHandler(previousOptions_);
        PreviewTest::TearDown();
    }

    void saveOrientation(int orientation)
    {
        PrinterSetupRec.Name = QStringLiteral("Office Laser");
        PrinterSetupRec.Paper = QStringLiteral("Letter");
        PrinterSetupRec.Bin = QStringLiteral("Tray 1");
        PrinterSetupRec.Orientation = static_cast<std::uint8_t>(orientation);
        PrinterSetupRec.Copies = 1;
        PrinterSetup::SaveToRegistry(*registry, kRoot);
        PrinterSetup::ClearRecord();
    }

    // Runs the printout to the preview (no preview window) and returns its first page's orientation.
    PageOrientation printedOrientation(const PrintoutFrame& frame)
    {
        ReportSystem system;
        ConfigurePrintout(system, frame, *registry, kRoot);
        DrawPages(system, 1);
        EXPECT_TRUE(system.Execute());
        EXPECT_EQ(system.Document()->job.printerName, QStringLiteral("Office Laser")) << frame.Component.toStdString();
        return system.Document()->pages.at(0).orientation();
    }

    std::unique_ptr<Registry> registry;
    int optionsShown = 0;

private:
    OutputOptionsHandler previousOptions_;
};

} // namespace

TEST_F(PrintoutFramesTest, SavedOrientationReachesOnlyThePrintoutsThatTakeIt)
{
    for (const int saved : {0, 1}) {
        saveOrientation(saved);
        const PageOrientation savedOrientation = saved == 1 ? PageOrientation::Landscape : PageOrientation::Portrait;
        for (const PrintoutFrame& frame : PrintoutFrames()) {
            const PageOrientation expected = frame.ApplySavedOrientation ? savedOrientation : frame.Orientation;
            EXPECT_EQ(printedOrientation(frame), expected)
                << frame.Window.toStdString() << "." << frame.Component.toStdString() << " saved " << saved;
        }
    }
}

TEST_F(PrintoutFramesTest, JournalsPrintLandscapeAndLabelsPortraitWhateverIsSaved)
{
    saveOrientation(0);
    EXPECT_EQ(printedOrientation(FindPrintoutFrame(QStringLiteral("TFrmReports"), QStringLiteral("RptToDateJ"))),
              PageOrientation::Landscape);
    EXPECT_EQ(printedOrientation(FindPrintoutFrame(QStringLiteral("TFrmReports"), QStringLiteral("RptToDate"))),
              PageOrientation::Portrait);
    saveOrientation(1);
    EXPECT_EQ(printedOrientation(FindPrintoutFrame(QStringLiteral("TFrmMain"), QStringLiteral("RptEmpLabels"))),
              PageOrientation::Portrait);
    EXPECT_EQ(printedOrientation(FindPrintoutFrame(QStringLiteral("TFrmCheck"), QStringLiteral("RptPrintChecks"))),
              PageOrientation::Landscape);
}

TEST_F(PrintoutFramesTest, EveryPrintoutIsNamedOnceAndCarriesItsTitles)
{
    std::set<std::pair<QString, QString>> names;
    for (const PrintoutFrame& frame : PrintoutFrames()) {
        EXPECT_TRUE(names.insert({frame.Window, frame.Component}).second) << frame.Component.toStdString();
        ReportSystem system;
        ConfigurePrintout(system, frame, *registry, kRoot);
        EXPECT_EQ(system.TitleSetup, frame.TitleSetup);
        EXPECT_EQ(system.TitleStatus, frame.TitleStatus);
        EXPECT_EQ(system.TitlePreview, frame.TitlePreview);
        EXPECT_EQ(system.SystemPrinter.Title, frame.PrinterTitle);
        EXPECT_FALSE(frame.TitlePreview.isEmpty());
    }
    const PrintoutFrame& checks = FindPrintoutFrame(QStringLiteral("TFrmCheck"), QStringLiteral("RptPrintChecks"));
    EXPECT_EQ(checks.TitlePreview, QStringLiteral("Payroll Check Preview"));
    EXPECT_THROW(FindPrintoutFrame(QStringLiteral("TFrmCheck"), QStringLiteral("RptNothing")), std::logic_error);
}

TEST_F(PrintoutFramesTest, PrintoutsOfferOutputOptionsAndAMaximizedPreviewExceptTheYearToDateReport)
{
    for (const PrintoutFrame& frame : PrintoutFrames()) {
        ReportSystem system;
        ConfigurePrintout(system, frame, *registry, kRoot);
        DrawPages(system, 1);
        const int before = optionsShown;
        ASSERT_TRUE(system.Execute());
        const bool yearToDate = frame.Window == QLatin1String("TFrmManual");
        EXPECT_EQ(optionsShown - before, yearToDate ? 0 : 1) << frame.Component.toStdString();
        EXPECT_EQ(system.SystemPreview.FormState, yearToDate ? PreviewFormState::Normal : PreviewFormState::Maximized);
        EXPECT_EQ(system.SystemPreview.ZoomFactor, yearToDate ? 75.2 : 100.0);
        if (yearToDate) {
            EXPECT_EQ(system.SystemPreview.FormWidth, 894);
            EXPECT_EQ(system.SystemPreview.FormHeight, 800);
        } else {
            EXPECT_EQ(system.SystemPreview.MarginPercent, 2.5);
        }
        EXPECT_TRUE(system.SystemOptions & soPreviewModal);
    }
}
