#include "PreviewFixture.h"

#include "components/ui/OutputOptionsWindow.h"
#include "platform/AppMessageBox.h"
#include "platform/report/ReportSnapshot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

namespace {

class OutputOptionsTest : public PreviewTest {
protected:
    void SetUp() override
    {
        PreviewTest::SetUp();
        previous_ = ReportSystem::SetOutputOptionsHandler(nullptr);
        InstallOutputOptionsDialog();
        system.TitleSetup = QStringLiteral("Employee Labels Setup");
        DrawPages(system, 2);
    }

    void TearDown() override
    {
        ReportSystem::SetOutputOptionsHandler(previous_);
        PreviewTest::TearDown();
    }

    // Runs the report with the output options driven by `drive`.
    bool run(const std::function<void(TFrmOutputOptions&)>& drive)
    {
        dialogs.onNextModal([&](QDialog& shown) { drive(dynamic_cast<TFrmOutputOptions&>(shown)); });
        return system.Execute();
    }

    static void clickOk(TFrmOutputOptions& dialog)
    {
        QMetaObject::invokeMethod(dialog.BtnOk, &QPushButton::click, Qt::QueuedConnection);
        QCoreApplication::processEvents();
    }

    ReportSystem system;

private:
    OutputOptionsHandler previous_;
};

} // namespace

TEST_F(OutputOptionsTest, CancelRunsNothing)
{
    bool drawn = false;
    system.OnBeforePrint = [&](ReportCanvas&) { drawn = true; };
    EXPECT_FALSE(run([](TFrmOutputOptions& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Employee Labels Setup"));
        EXPECT_TRUE(dialog.DestPreview->isChecked());
        dialog.BtnCancel->click();
    }));
    EXPECT_FALSE(drawn);
}

TEST_F(OutputOptionsTest, PrinterChoiceCopiesCollationAndTwoSidedGoToTheJob)
{
    ASSERT_TRUE(run([](TFrmOutputOptions& dialog) {
        dialog.DestPrinter->setChecked(true);
        dialog.PrinterName->setCurrentText(QStringLiteral("Office Laser"));
        dialog.Copies->setValue(2);
        dialog.Collate->setChecked(true);
        dialog.Duplex->setCurrentIndex(2);
        dialog.BtnOk->click();
    }));
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].printerName, QStringLiteral("Office Laser"));
    EXPECT_EQ(sent[0].copies, 2);
    EXPECT_TRUE(system.Document()->job.collate);
    EXPECT_EQ(system.Document()->job.duplex, 2);
}

TEST_F(OutputOptionsTest, AFileDestinationNeedsAFileName)
{
    const QString target = tempPath(QStringLiteral("labels.ndr"));
    ASSERT_TRUE(run([&](TFrmOutputOptions& dialog) {
        dialog.DestFile->setChecked(true);
        EXPECT_TRUE(dialog.FileName->isEnabled());
        messages.expect(IdOk, QStringLiteral("Enter the name of the file"));
        clickOk(dialog);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.focusWidget(), dialog.FileName);
        dialogs.onNextFileDialog(target);
        dialog.BtnBrowse->click();
        EXPECT_EQ(dialogs.fileRequests().back().startPath, homeDir() + QStringLiteral("/Documents/Ledgora/2026/"));
        EXPECT_EQ(dialog.FileName->text(), target);
        clickOk(dialog);
    }));
    EXPECT_EQ(LoadSnapshot(target).PageCount(), 2);
}

TEST_F(OutputOptionsTest, DestinationsTheReportDoesNotAllowCannotBeChosen)
{
    system.SystemSetups = ssAllowSetup | ssAllowDestPreview | ssAllowDestPrinter;
    EXPECT_FALSE(run([](TFrmOutputOptions& dialog) {
        EXPECT_FALSE(dialog.DestFile->isEnabled());
        EXPECT_FALSE(dialog.Copies->isEnabled());
        EXPECT_FALSE(dialog.PrinterName->isEnabled());
        dialog.reject();
    }));
}
