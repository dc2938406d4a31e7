#include "StatementFixture.h"

#include "checks/EmployeeLabels.h"
#include "checks/ui/StatementLaunchers.h"
#include "components/PrinterSetup.h"
#include "platform/Registry.h"
#include "platform/report/LabelShell.h"
#include "platform/report/PageRenderer.h"
#include "platform/report/TextFit.h"

#include <QImage>
#include <QPainter>

namespace {

class EmployeeLabelsTest : public StatementTest {
protected:
    std::shared_ptr<const ReportDocument> printLabels(const QString& fileName = QString())
    {
        return print([](ReportCanvas& report) { PrintEmployeeLabels(report); }, fileName);
    }

    static int Outlines(const ReportPage& page)
    {
        int count = 0;
        for (const DrawOp& op : page.ops)
            count += op.kind == DrawOp::Kind::RoundRect && op.previewOnly;
        return count;
    }

    void addLabelEmployee(const QString& last, const QString& zip)
    {
        addCheckEmployee(last, false, zip, false, 0);
    }
};

} // namespace

TEST_F(EmployeeLabelsTest, ThirtyOneEmployeesFillASheetAndStartTheNext)
{
    for (int i = 1; i <= 31; ++i)
        addLabelEmployee(QStringLiteral("Worker%1").arg(i), QStringLiteral("17001"));
    module->RSEmployee.SetCurrentRecord(5);
    module->RSEmployee.GetRec();
    const auto document = printLabels();
    ASSERT_EQ(document->PageCount(), 2);
    EXPECT_EQ(Outlines(document->pages[0]), 30);
    EXPECT_EQ(Outlines(document->pages[1]), 30) << "empty cells keep their outlines in the preview";
    int namesOnSecond = 0;
    for (const DrawOp& op : document->pages[1].ops)
        namesOnSecond += op.kind == DrawOp::Kind::Text && op.text.startsWith(QLatin1String("Pat Worker"));
    EXPECT_EQ(namesOnSecond, 1);
    const DrawOp* last = FindText(document->pages[1], QStringLiteral("Pat Worker31"));
    ASSERT_NE(last, nullptr);
    EXPECT_DOUBLE_EQ(last->x1, 0.188 + 0.13);
    EXPECT_DOUBLE_EQ(last->y1, 0.5 + 0.38);
    const DrawOp* sixth = FindText(document->pages[0], QStringLiteral("Pat Worker6"));
    ASSERT_NE(sixth, nullptr);
    EXPECT_DOUBLE_EQ(sixth->x1, 0.188 + 2 * 2.75 + 0.13) << "row by row, three across";
    EXPECT_DOUBLE_EQ(sixth->y1, 0.5 + 1.0 + 0.38);
    EXPECT_TRUE(OpsOffPage(*document).isEmpty()) << OpsOffPage(*document).join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 5);

    const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QImage preview(850, 1100, QImage::Format_RGB32);
        QPainter painter(&preview);
        PageRenderOptions options;
        options.preview = true;
        RenderPage(painter, *document, 0, 100.0, options);
        painter.end();
        preview.save(QDir(folder).filePath(QStringLiteral("employee-labels-preview.png")));
    }
}

TEST_F(EmployeeLabelsTest, ZipPlusFourLabelsCarryABarCodeAndStartHigher)
{
    const struct {
        const char* zip;
        double firstLine;
        const char* digits;
    } cases[] = {
        {"12345-6789", 0.25, "123456789"},
        {"12345", 0.38, ""},
        {"12345 6789", 0.38, ""},
        {"123456789", 0.38, ""},
    };
    addLabelEmployee(QStringLiteral("Adams"), QStringLiteral("17001"));
    for (const auto& test : cases) {
        EmployeeRec.ZipCode = QString::fromLatin1(test.zip);
        module->RSEmployee.PostRec();
        const auto document = printLabels();
        const ReportPage& page = document->pages[0];
        const DrawOp* name = FindText(page, QStringLiteral("Pat Adams"));
        ASSERT_NE(name, nullptr) << test.zip;
        EXPECT_DOUBLE_EQ(name->y1, 0.5 + test.firstLine) << test.zip;
        const QString bars = BarPattern(page);
        EXPECT_EQ(DecodePostNet(bars), QLatin1String(test.digits)) << test.zip;
        if (*test.digits) {
            // The check digit 5 brings 1 + 2 + ... + 9 = 45 to 50: bars 01010 before the frame bar.
            EXPECT_EQ(bars.right(6), QStringLiteral("010101"));
        }
        EXPECT_TRUE(OpsOffPage(*document).isEmpty()) << test.zip;
    }
}

TEST_F(EmployeeLabelsTest, ALongNameShrinksToTheLabelAndEmptyLinesKeepTheirPlace)
{
    addEmployee(QStringLiteral("Montgomery-Wellesley"), QStringLiteral("Bartholomew-Jon"), QStringLiteral("Quincy"),
                QStringLiteral("III"));
    EmployeeRec.MiddleInitial = QStringLiteral("Q");
    EmployeeRec.Address = QString();
    EmployeeRec.CityStateZip = QStringLiteral("Springfield, PA 17001");
    EmployeeRec.ZipCode = QStringLiteral("17001");
    module->RSEmployee.PostRec();
    const auto document = printLabels();
    const ReportPage& page = document->pages[0];
    const LabelShell shell = Avery5160();
    const DrawOp* name = nullptr;
    for (const DrawOp& op : page.ops)
        name = op.kind == DrawOp::Kind::Text && op.text.startsWith(QLatin1String("Bartholomew-Jon Q Montgomery")) ? &op : name;
    ASSERT_NE(name, nullptr);
    EXPECT_LT(name->font.size, 9.0);
    EXPECT_LE(OpBounds(*name, 1, 1).right(), shell.SpacingLeft + shell.LabelWidth - shell.Border + 1e-9);
    const DrawOp* city = FindText(page, QStringLiteral("Springfield, PA 17001"));
    ASSERT_NE(city, nullptr);
    ReportDocument scratch;
    ReportCanvas canvas(scratch);
    canvas.SetFont(QStringLiteral("Arial"), 9);
    EXPECT_NEAR(city->y1, 0.5 + 0.38 + 2 * canvas.LineHeight(), 1e-9) << "the empty street line keeps its place";
}

TEST_F(EmployeeLabelsTest, OutlinesShowInThePreviewOnlyAndLabelsPrintPortrait)
{
    RegistryRoot = QStringLiteral("Software\\Ledgora\\2026\\");
    AppRegistry = std::make_unique<Registry>();
    PrinterSetup::ClearRecord();
    PrinterSetupRec.Name = QStringLiteral("Office Laser");
    PrinterSetupRec.Orientation = 1;
    PrinterSetupRec.Copies = 1;
    PrinterSetup::SaveToRegistry(*AppRegistry, RegistryRoot);
    PrinterSetup::ClearRecord();
    addLabelEmployee(QStringLiteral("Adams"), QStringLiteral("12345-6789"));

    const OutputOptionsHandler previous = ReportSystem::SetOutputOptionsHandler([this](const ReportSystem&, OutputChoice& choice) {
        choice.destination = ReportDestination::File;
        choice.fileName = tempPath(QStringLiteral("labels.pdf"));
        return true;
    });
    RunEmployeeLabels(nullptr);
    ReportSystem::SetOutputOptionsHandler(previous);
    renderPage(QStringLiteral("labels.pdf"), QStringLiteral("employee-labels"));
    EXPECT_TRUE(flatPdfText(QStringLiteral("labels.pdf")).contains(QLatin1String("Pat Adams 10 Elm St")));

    // The paper: portrait, and white where the outline of an empty cell would run.
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
                                                   QStringLiteral("-singlefile"), tempPath(QStringLiteral("labels.pdf")),
                                                   tempPath(QStringLiteral("labels"))});
    const QImage sheet(tempPath(QStringLiteral("labels.png")));
    ASSERT_FALSE(sheet.isNull());
    EXPECT_LT(sheet.width(), sheet.height()) << "portrait under a saved landscape setting";
    const LabelShell shell = Avery5160();
    int dark = 0;
    for (int row = 1; row < shell.Down; ++row) {
        const double y = shell.SpacingTop + row * shell.SpacingHeight + 0.5;
        for (int column = 0; column < shell.Across; ++column) {
            const double x = shell.SpacingLeft + column * shell.SpacingWidth;
            for (int dx = -1; dx <= 1; ++dx)
                dark += qGray(sheet.pixel(static_cast<int>(x * 50) + dx, static_cast<int>(y * 50))) < 200;
        }
    }
    EXPECT_EQ(dark, 0);
}
