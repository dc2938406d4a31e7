#include "ReportFixture.h"

#include "tests/payroll/PostingFixture.h"

#include "components/ui/DateEdit.h"
#include "platform/AppMessageBox.h"
#include "platform/Clock.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class ReportWindowTest : public ReportTestBase<PostingTest> {
protected:
    void SetUp() override
    {
        ReportTestBase<PostingTest>::SetUp();
        SetClockForTests(QDateTime(QDate(2026, 4, 2), QTime(9, 0)));
        addPaidEmployee(QStringLiteral("Able"), 1000.0);
        PostPayroll();
        openPeriod(QStringLiteral("01/10/2026"), QStringLiteral("01/16/2026"), QStringLiteral("01/16/2026"), 1);
    }

    void TearDown() override
    {
        SetClockForTests(QDateTime());
        ReportTestBase<PostingTest>::TearDown();
    }

    void screenshot(QWidget& window, const QString& name)
    {
        window.show();
        QCoreApplication::processEvents();
        const QImage picture = window.grab().toImage();
        EXPECT_TRUE(picture.save(tempPath(name)));
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            picture.save(QDir(folder).filePath(name));
    }
};

} // namespace

TEST_F(ReportWindowTest, EachKindNamesItsReportAndTitlesItsPrintout)
{
    // Kind, report name, the output options' caption.
    const struct {
        int kind;
        const char* name;
        const char* setup;
    } cases[] = {
        {0, "Employee Roster Report", "Employee Roster Report Setup"},
        {1, "Employee Payroll Journal", "Employee Payroll Journal Setup"},
        {2, "Month-to-Date Detailed Payroll Report", "Month-to-Date Detailed Report Setup"},
        {3, "Month-to-Date Payroll Journal", "Month-to-Date Payroll Journal Setup"},
        {4, "Quarter-to-Date Detailed Payroll Report", "Quarter-to-Date Detailed Report Setup"},
        {5, "Quarter-to-Date Payroll Journal", "Quarter-to-Date Payroll Journal Setup"},
        {6, "Year-to-Date Detailed Payroll Report", "Year-to-Date Detailed Report Setup"},
        {7, "Year-to-Date Payroll Journal", "Year-to-Date Payroll Journal Setup"},
        {10, "Month-to-Date Payroll Report by Department", "Month-to-Date Report by Department Setup"},
        {11, "Quarter-to-Date Payroll Report by Department", "Quarter-to-Date Report by Department Setup"},
        {12, "Year-to-Date Payroll Report by Department", "Year-to-Date Report by Department Setup"},
    };
    for (const auto& c : cases) {
        setupTitles.clear();
        QString shownName;
        const auto document = runReport(c.kind, [&](TFrmReports& window) { shownName = window.ReportName->text(); });
        EXPECT_EQ(shownName, QString::fromLatin1(c.name));
        EXPECT_EQ(setupTitles, QStringList{QString::fromLatin1(c.setup)}) << c.kind;
        ASSERT_TRUE(document) << c.kind;
        EXPECT_TRUE(PageTexts(*document, 0).contains(QString::fromLatin1(c.name))) << c.kind;
    }
}

TEST_F(ReportWindowTest, DatesAndDescriptionsAreOfferedAgainAsTheUserLeftThem)
{
    ReportKind = 6;
    {
        TFrmReports window;
        screenshot(window, QStringLiteral("report-window.png"));
        EXPECT_EQ(window.ReportDate->text(), QStringLiteral("04/02/2026")) << "today at the first opening";
        EXPECT_TRUE(window.ReportDate->isEnabled());
        window.ReportPeriod->setText(QStringLiteral("First quarter"));
        window.ReportDate->setText(QStringLiteral("03/31/2026"));
        window.BtnCancel->click();
    }
    {
        TFrmReports window;
        EXPECT_EQ(window.ReportPeriod->text(), QStringLiteral("First quarter")) << "a cancelled description is kept";
        EXPECT_EQ(window.ReportDate->text(), QStringLiteral("04/02/2026")) << "a cancelled date is not";
        window.ReportDate->setText(QStringLiteral("02/30/2026"));
        messages.expect(IdOk, QStringLiteral("The report date is invalid"));
        window.BtnOk->click();
        EXPECT_TRUE(setupTitles.isEmpty()) << "nothing printed";
        EXPECT_NE(window.result(), QDialog::Accepted);
        window.ReportDate->setText(QStringLiteral("03/31/2026"));
        window.BtnOk->click();
        EXPECT_EQ(setupTitles.size(), 1);
        EXPECT_TRUE(pdfText().contains(QStringLiteral("First quarter")));
    }
    EXPECT_EQ(ReportDateText, QStringLiteral("03/31/2026"));

    // The current journal prints the open period's pay date and empties the kept description.
    for (int kind : {1, 9}) {
        ReportKind = static_cast<std::uint8_t>(kind);
        ReportPeriodText = QStringLiteral("First quarter");
        TFrmReports window;
        EXPECT_EQ(window.ReportDate->text(), QStringLiteral("01/16/2026"));
        EXPECT_FALSE(window.ReportDate->isEnabled());
        EXPECT_TRUE(window.ReportPeriod->text().isEmpty());
        EXPECT_FALSE(window.ReportPeriod->isEnabled());
        window.BtnCancel->click();
        EXPECT_TRUE(ReportPeriodText.isEmpty()) << kind;
        EXPECT_TRUE(ReportDateText.isEmpty()) << kind;
    }
    ReportKind = 2;
    TFrmReports window;
    EXPECT_EQ(window.ReportDate->text(), QStringLiteral("04/02/2026"));
}

TEST_F(ReportWindowTest, NoOpenPayPeriodCannotBePrinted)
{
    CompanyRec.PayDate = QStringLiteral("  /  /    ");
    messages.expect(IdOk, QStringLiteral("The report date is invalid"));
    EXPECT_FALSE(runReport(1));
    EXPECT_TRUE(setupTitles.isEmpty());
}

