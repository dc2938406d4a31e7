#include "StatementFixture.h"

#include "checks/EarningsStatement.h"
#include "checks/ui/PayReportType.h"
#include "checks/ui/StatementLaunchers.h"
#include "components/PrinterSetup.h"
#include "platform/AppMessageBox.h"
#include "platform/Registry.h"

#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

namespace {

class StatementCommandTest : public StatementTest {
protected:
    void SetUp() override
    {
        StatementTest::SetUp();
        RegistryRoot = QStringLiteral("Software\\Ledgora\\2026\\");
        AppRegistry = std::make_unique<Registry>();
        PrinterSetup::ClearRecord();
        previous_ = ReportSystem::SetOutputOptionsHandler([this](const ReportSystem&, OutputChoice& choice) {
            choice.destination = ReportDestination::File;
            choice.fileName = tempPath(QStringLiteral("printed-%1.pdf").arg(++printed));
            return true;
        });
    }

    void TearDown() override
    {
        ReportSystem::SetOutputOptionsHandler(previous_);
        StatementTest::TearDown();
    }

    // Runs the command, choosing a type in the dialog (or cancelling it when none is given).
    void runCommand(const std::optional<int> kind, bool* condensedOffered = nullptr)
    {
        dialogs.onNextModal([&](QDialog& dialog) {
            auto& window = dynamic_cast<TFrmReportType&>(dialog);
            if (condensedOffered)
                *condensedOffered = window.RbCondensed->isChecked();
            if (!kind) {
                QTest::keyClick(&window, Qt::Key_Escape);
                return;
            }
            (*kind == TFrmReportType::StandardKind ? window.RbStandard : window.RbCondensed)->setChecked(true);
            window.BtnOk->click();
        });
        RunEarningsStatements(nullptr);
    }

    QString lastPdf() const { return QStringLiteral("printed-%1.pdf").arg(printed); }

    int printed = 0;

private:
    OutputOptionsHandler previous_;
};

} // namespace

TEST_F(StatementCommandTest, CancelPrintsNothingAndAsksNothing)
{
    addCheckEmployee(QStringLiteral("Adams"), false, QStringLiteral("17001"), false, 101);
    ReportKind = 0;
    runCommand(std::nullopt);
    EXPECT_EQ(printed, 0);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(ReportKind, TFrmReportType::StandardKind) << "the choice is kept however the dialog closes";
}

TEST_F(StatementCommandTest, TheCheckGeneratorPreselectsTheCondensedStatement)
{
    addCheckEmployee(QStringLiteral("Adams"), false, QStringLiteral("17001"), false, 101);
    for (const bool generator : {false, true}) {
        CompanyRec.GenerateChk = generator;
        bool condensed = !generator;
        runCommand(std::nullopt, &condensed);
        EXPECT_EQ(condensed, generator);
    }
}

TEST_F(StatementCommandTest, OnePaidEmployeeIsAskedAboutTheMiddleOfThePage)
{
    addCheckEmployee(QStringLiteral("Adams"), false, QStringLiteral("17001"), false, 101);
    for (const int answer : {IdYes, IdNo}) {
        messages.expect(answer, QStringLiteral("Would you like to start printing the report in the middle of the page?"));
        runCommand(TFrmReportType::StandardKind);
        EXPECT_EQ(messages.last().caption, QStringLiteral("Ledgora 2026"));
        EXPECT_EQ(messages.last().flags, 292);
        EXPECT_EQ(MidPageStart, answer == IdYes);
        const QString text = flatPdfText(lastPdf());
        EXPECT_TRUE(text.contains(QLatin1String("Total Employees Processed 1")));
    }

    // The condensed statement never asks.
    runCommand(TFrmReportType::CondensedKind);
    EXPECT_FALSE(MidPageStart);
    EXPECT_TRUE(flatPdfText(lastPdf()).contains(QLatin1String("Page 1 of 1")));
    EXPECT_EQ(module->RaveProject.Engine, nullptr) << "no printout that is gone stays the project's engine";
}

TEST_F(StatementCommandTest, SeveralPaidEmployeesStartAtTheTop)
{
    addCheckEmployee(QStringLiteral("Adams"), false, QStringLiteral("17001"), false, 101);
    addCheckEmployee(QStringLiteral("Baker"), false, QStringLiteral("17001"), false, 102);
    runCommand(TFrmReportType::StandardKind);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(printed, 1);
}

TEST_F(StatementCommandTest, TheTypeDialogShowsBothChoices)
{
    TFrmReportType window;
    window.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Earnings Statement Report Type"));
    EXPECT_TRUE(window.RbStandard->isChecked());
    const QImage picture = window.grab().toImage();
    EXPECT_TRUE(picture.save(tempPath(QStringLiteral("report-type.png"))));
    const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOTS");
    if (!folder.isEmpty())
        picture.save(QDir(folder).filePath(QStringLiteral("report-type.png")));
}
