#include "SampleReport.h"
#include "TestSupport.h"

#include "platform/report/ReportErrors.h"
#include "platform/report/ReportSnapshot.h"
#include "platform/report/ReportSystem.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>

namespace {

QString pdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Answers the output options the way a test wants, and puts the previous handler back.
class ScriptedOutputOptions {
public:
    explicit ScriptedOutputOptions(OutputOptionsHandler handler)
        : previous_(ReportSystem::SetOutputOptionsHandler(std::move(handler)))
    {
    }
    ~ScriptedOutputOptions() { ReportSystem::SetOutputOptionsHandler(previous_); }

private:
    OutputOptionsHandler previous_;
};

class ReportSystemTest : public LedgoraTest {
protected:
    ReportSystemTest()
    {
        system.TitleSetup = QStringLiteral("Payroll Check Setup");
        system.TitlePreview = QStringLiteral("Payroll Check Preview");
        system.SystemPrinter.Title = QStringLiteral("Payroll Check Report");
        system.OnBeforePrint = [this](ReportCanvas& report) {
            calls << QStringLiteral("before");
            EXPECT_EQ(system.Canvas(), &report);
        };
        system.OnPrint = [this](ReportCanvas& report) {
            calls << QStringLiteral("print");
            DrawSampleReport(report);
        };
        system.OnAfterPrint = [this] {
            calls << QStringLiteral("after");
            EXPECT_EQ(system.Canvas(), nullptr);
        };
    }

    ReportSystem system;
    QStringList calls;
};

TEST_F(ReportSystemTest, CancelledOutputOptionsRunNothing)
{
    QString caption;
    ScriptedOutputOptions options([&](const ReportSystem& shown, OutputChoice&) {
        caption = shown.TitleSetup;
        return false;
    });
    EXPECT_FALSE(system.Execute());
    EXPECT_EQ(caption, QStringLiteral("Payroll Check Setup"));
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(system.Document(), nullptr);
}

TEST_F(ReportSystemTest, WithoutTheSetupPermissionTheDefaultDestinationIsTaken)
{
    bool asked = false;
    ScriptedOutputOptions options([&](const ReportSystem&, OutputChoice&) { return asked = true; });
    system.SystemSetups = AllSystemSetups & ~ssAllowSetup;
    std::vector<OverrideMode> modes;
    system.OverridePreview = [&](ReportSystem&, OverrideMode mode, QObject*&) { modes.push_back(mode); };
    EXPECT_TRUE(system.Execute());
    EXPECT_FALSE(asked);
    EXPECT_EQ(modes.size(), 4u);
}

TEST_F(ReportSystemTest, PreviewRunsTheFourModesWithThePagesReady)
{
    ScriptedOutputOptions options([](const ReportSystem&, OutputChoice& choice) {
        choice.destination = ReportDestination::Preview;
        return true;
    });
    QObject window;
    std::vector<OverrideMode> modes;
    system.OverridePreview = [&](ReportSystem& shown, OverrideMode mode, QObject*& form) {
        modes.push_back(mode);
        EXPECT_EQ(&shown, &system);
        if (mode == OverrideMode::omCreate) {
            EXPECT_EQ(form, nullptr);
            form = &window;
        } else {
            EXPECT_EQ(form, &window);
        }
        if (mode == OverrideMode::omShow) {
            ASSERT_NE(shown.Document(), nullptr);
            EXPECT_EQ(shown.Document()->PageCount(), 2);
        }
        if (mode == OverrideMode::omFree)
            form = nullptr;
    };
    EXPECT_TRUE(system.Execute());
    EXPECT_EQ(calls, QStringList({QStringLiteral("before"), QStringLiteral("print"), QStringLiteral("after")}));
    EXPECT_EQ(modes, std::vector<OverrideMode>({OverrideMode::omCreate, OverrideMode::omShow, OverrideMode::omWait,
                                                OverrideMode::omFree}));
    EXPECT_EQ(system.Document()->job.title, QStringLiteral("Payroll Check Report"));
}

TEST_F(ReportSystemTest, FailureWhileDrawingStillRunsAfterPrintAndReachesTheCaller)
{
    system.SystemSetups = 0;
    system.OnPrint = [this](ReportCanvas&) {
        calls << QStringLiteral("print");
        throw EReportException(QStringLiteral("The report project \"TAXFORMS.RAV\" has no layout \"CheckTop\"."));
    };
    bool previewed = false;
    system.OverridePreview = [&](ReportSystem&, OverrideMode, QObject*&) { previewed = true; };
    EXPECT_THROW(system.Execute(), EReportException);
    EXPECT_EQ(calls, QStringList({QStringLiteral("before"), QStringLiteral("print"), QStringLiteral("after")}));
    EXPECT_FALSE(previewed);
}

TEST_F(ReportSystemTest, OrientationGivenBeforePrintingWinsOverTheSavedOne)
{
    system.SystemSetups = 0;
    // The saved settings ask for portrait, the printout forces landscape (a journal).
    system.OnBeforePrint = [this](ReportCanvas& report) {
        report.SetOrientation(PageOrientation::Portrait);
        system.SystemPrinter.Orientation = PageOrientation::Landscape;
    };
    system.OnPrint = [](ReportCanvas& report) { EXPECT_DOUBLE_EQ(report.PageWidth(), 11.0); };
    system.Execute();
    ASSERT_EQ(system.Document()->PageCount(), 1);
    EXPECT_EQ(system.Document()->pages[0].orientation(), PageOrientation::Landscape);

    // A saved orientation applies when the printout does not force one.
    system.OnPrint = nullptr;
    system.OnBeforePrint = [](ReportCanvas& report) { report.SetOrientation(PageOrientation::Portrait); };
    system.Execute();
    EXPECT_EQ(system.Document()->pages[0].orientation(), PageOrientation::Portrait);
}

TEST_F(ReportSystemTest, FileDestinationWritesByTheFileType)
{
    for (const QString& name : {QStringLiteral("checks.pdf"), QStringLiteral("checks.html"), QStringLiteral("checks.ndr")}) {
        const QString file = tempPath(name);
        ScriptedOutputOptions options([&](const ReportSystem&, OutputChoice& choice) {
            choice.destination = ReportDestination::File;
            choice.fileName = file;
            return true;
        });
        ASSERT_TRUE(system.Execute());
        const QByteArray bytes = ReadTestFile(file);
        if (name.endsWith(QStringLiteral(".pdf"))) {
            EXPECT_TRUE(bytes.startsWith("%PDF"));
            EXPECT_TRUE(pdfText(file).contains(QStringLiteral("Page 2 of 2")));
        } else if (name.endsWith(QStringLiteral(".html"))) {
            EXPECT_TRUE(bytes.contains("<title>Payroll Check Report</title>"));
        } else {
            EXPECT_EQ(LoadSnapshot(file), *system.Document());
        }
    }
}

TEST_F(ReportSystemTest, PrinterDestinationPrintsThePagesWithTheJobSettings)
{
    const QString output = tempPath(QStringLiteral("printed.pdf"));
    PrintJobSettings printedJob;
    const PrinterFactory previous = ReportSystem::SetPrinterFactory([&](const PrintJobSettings& job) {
        printedJob = job;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(output);
        return printer;
    });
    ScriptedOutputOptions options([](const ReportSystem&, OutputChoice& choice) {
        choice.destination = ReportDestination::Printer;
        choice.printerName = QStringLiteral("Office Laser");
        choice.copies = 2;
        choice.fromPage = 2;
        return true;
    });
    system.OnBeforePrint = [](ReportCanvas& report) {
        // The saved printer settings come after the output options and replace them.
        report.Job().copies = 3;
        report.Job().duplex = 1;
    };
    EXPECT_TRUE(system.Execute());
    ReportSystem::SetPrinterFactory(previous);

    EXPECT_EQ(printedJob.printerName, QStringLiteral("Office Laser"));
    EXPECT_EQ(printedJob.copies, 3);
    EXPECT_EQ(printedJob.duplex, 1);
    EXPECT_EQ(printedJob.title, QStringLiteral("Payroll Check Report"));
    const QString text = pdfText(output);
    EXPECT_TRUE(text.contains(QStringLiteral("Employee2")));
    EXPECT_FALSE(text.contains(QStringLiteral("Employee1"))) << "printing starts at page 2";
}

TEST_F(ReportSystemTest, FileDestinationWithoutANameIsRefused)
{
    ScriptedOutputOptions options([](const ReportSystem&, OutputChoice& choice) {
        choice.destination = ReportDestination::File;
        return true;
    });
    EXPECT_THROW(system.Execute(), EReportException);
}

TEST_F(ReportSystemTest, PreviewSettingsReachThePageRenderer)
{
    system.SystemPreview.ZoomFactor = 120;
    system.SystemPreview.MarginPercent = 2.5;
    system.SystemPreview.ShadowDepth = 5;
    PreviewRenderSettings renderer;
    system.SystemPreview.InitPreview(renderer);
    EXPECT_DOUBLE_EQ(renderer.zoomFactor, 120);
    EXPECT_DOUBLE_EQ(renderer.marginPercent, 2.5);
    EXPECT_EQ(renderer.shadowDepth, 5);
}

} // namespace

// An export cut short by a stop left its hidden temporary file; the next export into that folder
// clears it, and leaves what only looks like one: a file being written now, a link of that name
// (and the file it points to), a file of another shape.
TEST_F(ReportSystemTest, ExportClearsTheTemporaryFilesEarlierExportsLeft)
{
    const QString folder = tempPath(QStringLiteral("exports/"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString outside = tempPath(QStringLiteral("outside.pdf"));
    WriteTestFile(outside, "someone else's");
    const auto writeAged = [&](const QString& name, int ageSeconds) {
        WriteTestFile(folder + name, "half an export");
        QFile file(folder + name);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
    };
    writeAged(QStringLiteral(".report.pdf.k3x9ab.part"), 3600);
    writeAged(QStringLiteral(".report.html.1z.part"), 3600);
    writeAged(QStringLiteral(".report.pdf.q8w7.part"), 0);
    writeAged(QStringLiteral(".notes.part"), 3600);
    ASSERT_TRUE(QFile::link(outside, folder + QStringLiteral(".linked.pdf.abc123.part")));

    ScriptedOutputOptions options([&](const ReportSystem&, OutputChoice& choice) {
        choice.destination = ReportDestination::File;
        choice.fileName = folder + QStringLiteral("report.pdf");
        return true;
    });
    ASSERT_TRUE(system.Execute());
    QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    left.sort();
    EXPECT_EQ(left, QStringList({QStringLiteral(".linked.pdf.abc123.part"), QStringLiteral(".notes.part"),
                                 QStringLiteral(".report.pdf.q8w7.part"), QStringLiteral("report.pdf")}));
    EXPECT_EQ(ReadTestFile(outside), QByteArray("someone else's"));
}
