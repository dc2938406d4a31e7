#include "PreviewFixture.h"

#include "components/PrinterSetup.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/PrinterSetupWindow.h"
#include "platform/AppMessageBox.h"
#include "platform/Registry.h"
#include "platform/report/PrinterRenderer.h"
#include "platform/report/ReportCanvas.h"
#include "platform/ui/ShowModal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString kRoot = QStringLiteral("Software\\Ledgora\\2026\\");

class PrinterSetupWindowTest : public PreviewTest {
protected:
    void SetUp() override
    {
        PreviewTest::SetUp();
        PrinterSetup::ClearRecord();
        registry = std::make_unique<Registry>();
    }

    void save(const QString& name, const QString& paper, const QString& bin, int orientation, bool collate, int duplex,
              int copies)
    {
        PrinterSetupRec.Name = name;
        PrinterSetupRec.Paper = paper;
        PrinterSetupRec.Bin = bin;
        PrinterSetupRec.Orientation = static_cast<std::uint8_t>(orientation);
        PrinterSetupRec.Collate = collate ? 1 : 0;
        PrinterSetupRec.Duplex = static_cast<std::uint8_t>(duplex);
        PrinterSetupRec.Copies = copies;
        PrinterSetup::SaveToRegistry(*registry, kRoot);
        PrinterSetup::ClearRecord();
    }

    // Opens the dialog and hands it to `drive`; returns how it closed.
    int runDialog(const std::function<void(TFrmPrinterSetup&)>& drive)
    {
        TFrmPrinterSetup dialog(*registry, kRoot);
        dialogs.onNextModal([&](QDialog&) {
            drive(dialog);
            if (dialog.isVisible())
                dialog.reject();
        });
        return ShowModal(dialog);
    }

    // OK as the user clicks it: through the event dispatch, so a refusal shows as a message.
    static void clickOk(TFrmPrinterSetup& dialog)
    {
        QMetaObject::invokeMethod(dialog.BtnOk, &QPushButton::click, Qt::QueuedConnection);
        QCoreApplication::processEvents();
    }

    static void choose(QComboBox* list, const QString& text)
    {
        const int index = list->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    static QString selected(const QComboBox* list) { return list->currentIndex() < 0 ? QString() : list->currentText(); }

    std::unique_ptr<Registry> registry;
};

} // namespace

TEST_F(PrinterSetupWindowTest, WithoutSavedSettingsNothingIsChosenAndReportsKeepTheirOwn)
{
    runDialog([](TFrmPrinterSetup& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Printer Setup"));
        EXPECT_EQ(dialog.PrinterName->count(), 2);
        EXPECT_EQ(selected(dialog.PrinterName), QString());
        EXPECT_EQ(dialog.PaperName->count(), 0);
        EXPECT_EQ(dialog.BinName->count(), 0);
        EXPECT_TRUE(dialog.Portrait->isChecked());
        EXPECT_TRUE(dialog.Simplex->isChecked());
        EXPECT_FALSE(dialog.Collate->isChecked());
        EXPECT_EQ(dialog.Copies->text(), QStringLiteral("1"));
    });

    ReportDocument document;
    ReportCanvas report(document, PageOrientation::Landscape);
    const PrintJobSettings before = report.Job();
    PrinterSetup::SetPrinterSetup(report, true, *registry, kRoot);
    EXPECT_EQ(report.Job(), before);
    EXPECT_EQ(report.Orientation(), PageOrientation::Landscape);
}

TEST_F(PrinterSetupWindowTest, OkRefusesWhatIsMissingInOrder)
{
    const int result = runDialog([&](TFrmPrinterSetup& dialog) {
        messages.expect(IdOk, QStringLiteral("Printer has not been selected"));
        clickOk(dialog);
        EXPECT_EQ(dialog.focusWidget(), dialog.PrinterName);

        choose(dialog.PrinterName, QStringLiteral("Office Laser"));
        EXPECT_EQ(dialog.PaperName->count(), 2);
        messages.expect(IdOk, QStringLiteral("Paper size has not been selected"));
        clickOk(dialog);
        EXPECT_EQ(dialog.focusWidget(), dialog.PaperName);

        choose(dialog.PaperName, QStringLiteral("Legal"));
        messages.expect(IdOk, QStringLiteral("Paper source has not been selected"));
        clickOk(dialog);
        EXPECT_EQ(dialog.focusWidget(), dialog.BinName);

        choose(dialog.BinName, QStringLiteral("Tray 2"));
        for (const QString& copies : {QStringLiteral("00"), QString()}) {
            dialog.Copies->setText(copies);
            messages.expect(IdOk, QStringLiteral("Copies must not be 0"));
            clickOk(dialog);
            EXPECT_EQ(dialog.focusWidget(), dialog.Copies);
        }
        EXPECT_TRUE(dialog.isVisible()) << "every refusal keeps the dialog open";
        EXPECT_FALSE(Registry().KeyExists(kRoot + QStringLiteral("Printer")));

        dialog.Copies->setText(QStringLiteral("12"));
        dialog.Landscape->setChecked(true);
        dialog.Horizontal->setChecked(true);
        dialog.Collate->setChecked(true);
        clickOk(dialog);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    QStringList shown;
    for (const ShownMessage& message : messages.shown())
        shown << message.text;
    EXPECT_EQ(shown, (QStringList{"Printer has not been selected", "Paper size has not been selected",
                                  "Paper source has not been selected", "Copies must not be 0", "Copies must not be 0"}));

    PrinterSetup::ClearRecord();
    PrinterSetup::LoadFromRegistry(*registry, kRoot);
    EXPECT_EQ(PrinterSetupRec.Name.get(), QStringLiteral("Office Laser"));
    EXPECT_EQ(PrinterSetupRec.Paper.get(), QStringLiteral("Legal"));
    EXPECT_EQ(PrinterSetupRec.Bin.get(), QStringLiteral("Tray 2"));
    EXPECT_EQ(PrinterSetupRec.Orientation, 1);
    EXPECT_EQ(PrinterSetupRec.Duplex, 2);
    EXPECT_EQ(PrinterSetupRec.Collate, 1);
    const int copies = PrinterSetupRec.Copies;  // unaligned in the packed record: compared as a copy
    EXPECT_EQ(copies, 12);
}

TEST_F(PrinterSetupWindowTest, SavedSettingsShowAndAnotherPrinterEmptiesPaperAndSource)
{
    save(QStringLiteral("Office Laser"), QStringLiteral("Letter"), QStringLiteral("Tray 1"), 1, true, 1, 3);
    const int result = runDialog([&](TFrmPrinterSetup& dialog) {
        EXPECT_EQ(selected(dialog.PrinterName), QStringLiteral("Office Laser"));
        EXPECT_EQ(selected(dialog.PaperName), QStringLiteral("Letter"));
        EXPECT_EQ(selected(dialog.BinName), QStringLiteral("Tray 1"));
        EXPECT_TRUE(dialog.Landscape->isChecked());
        EXPECT_TRUE(dialog.Vertical->isChecked());
        EXPECT_TRUE(dialog.Collate->isChecked());
        EXPECT_EQ(dialog.Copies->text(), QStringLiteral("3"));

        choose(dialog.PrinterName, QStringLiteral("Check Printer"));
        EXPECT_EQ(selected(dialog.PaperName), QString());
        EXPECT_EQ(selected(dialog.BinName), QString());
        EXPECT_EQ(dialog.BinName->count(), 1);
        messages.expect(IdOk, QStringLiteral("Paper size has not been selected"));
        clickOk(dialog);
        dialog.BtnCancel->click();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    PrinterSetup::LoadFromRegistry(*registry, kRoot);
    EXPECT_EQ(PrinterSetupRec.Name.get(), QStringLiteral("Office Laser")) << "Cancel changes nothing";
}

TEST_F(PrinterSetupWindowTest, PrinterDefaultOrientationShowsPortraitAndIsSavedAsPortrait)
{
    save(QStringLiteral("Office Laser"), QStringLiteral("Letter"), QStringLiteral("Tray 1"), 2, false, 0, 1);

    ReportDocument document;
    ReportCanvas report(document, PageOrientation::Landscape);
    PrinterSetup::SetPrinterSetup(report, true, *registry, kRoot);
    EXPECT_EQ(report.Orientation(), PageOrientation::Landscape) << "orientation 2 leaves the report's own";
    EXPECT_EQ(report.Job().printerName, QStringLiteral("Office Laser"));

    runDialog([&](TFrmPrinterSetup& dialog) {
        EXPECT_TRUE(dialog.Portrait->isChecked());
        clickOk(dialog);
    });
    PrinterSetup::LoadFromRegistry(*registry, kRoot);
    EXPECT_EQ(PrinterSetupRec.Orientation, 0);
}

TEST_F(PrinterSetupWindowTest, EscapeClosesTheDialogAsCancel)
{
    save(QStringLiteral("Office Laser"), QStringLiteral("Legal"), QStringLiteral("Tray 2"), 0, false, 0, 1);
    const int result = runDialog([&](TFrmPrinterSetup& dialog) {
        dialog.PaperName->setCurrentIndex(0);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(result, QDialog::Rejected);
    PrinterSetup::LoadFromRegistry(*registry, kRoot);
    EXPECT_EQ(PrinterSetupRec.Paper, QStringLiteral("Legal"));
}

TEST_F(PrinterSetupWindowTest, WithoutAnyPrinterSetupSaysSoInsteadOfTheDialog)
{
    printers->printers.clear();
    messages.expect(IdOk, QStringLiteral("No printer is installed"));
    ShowPrinterSetup(*registry, kRoot);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().text, QLatin1String(kNoPrinterMessage));
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("previewed and exported to PDF")));
    EXPECT_TRUE(dialogs.allUsed());
}

TEST_F(PrinterSetupWindowTest, SavedChoiceAppliesToAReportAsThePrinterAllows)
{
    struct Case {
        const char* what;
        QString printer;
        bool applyOrientation;
        PageOrientation expectedOrientation;
        bool expectedCollate;
        int expectedDuplex;
    };
    const Case cases[] = {
        {"a printer that can do it all", QStringLiteral("Office Laser"), true, PageOrientation::Landscape, true, 2},
        {"orientation left to the report", QStringLiteral("Office Laser"), false, PageOrientation::Portrait, true, 2},
        {"no collation, one-sided only", QStringLiteral("Check Printer"), true, PageOrientation::Landscape, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        save(c.printer, QStringLiteral("Legal"), QStringLiteral("Tray 2"), 1, true, 2, 4);
        ReportDocument document;
        ReportCanvas report(document, PageOrientation::Portrait);
        PrinterSetup::SetPrinterSetup(report, c.applyOrientation, *registry, kRoot);
        EXPECT_EQ(report.Job().printerName, c.printer);
        EXPECT_EQ(report.Job().paper, QStringLiteral("Legal"));
        EXPECT_EQ(report.Job().bin, QStringLiteral("Tray 2"));
        EXPECT_EQ(report.Orientation(), c.expectedOrientation);
        EXPECT_EQ(report.Job().collate, c.expectedCollate);
        EXPECT_EQ(report.Job().duplex, c.expectedDuplex);
        EXPECT_EQ(report.Job().copies, 4);
    }
}

// Through a whole report run: the before-print handler applies the saved choice to the pages.
TEST_F(PrinterSetupWindowTest, ABeforePrintHandlerGivesTheRunTheSavedPrinter)
{
    save(QStringLiteral("Office Laser"), QStringLiteral("Letter"), QStringLiteral("Tray 1"), 1, false, 0, 2);
    ReportSystem system;
    system.DefaultDest = ReportDestination::Printer;
    system.OnBeforePrint = [&](ReportCanvas& report) { PrinterSetup::SetPrinterSetup(report, true, *registry, kRoot); };
    DrawPages(system, 1);
    ASSERT_TRUE(system.Execute());
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].printerName, QStringLiteral("Office Laser"));
    EXPECT_EQ(sent[0].copies, 2);
    EXPECT_EQ(system.Document()->pages[0].orientation(), PageOrientation::Landscape);
}
