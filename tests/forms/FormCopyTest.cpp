#include "TestSupport.h"

#include "client/PayRecords.h"
#include "components/ui/DateEdit.h"
#include "forms/ui/PayFormCopy.h"
#include "platform/Clock.h"
#include "platform/ui/ShowModal.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class FormCopyTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        ResetClientState();
        SetClockForTests(QDateTime(QDate(2026, 12, 11), QTime(9, 30)));
    }

    void TearDown() override
    {
        SetClockForTests(QDateTime());
        ResetClientState();
        LedgoraTest::TearDown();
    }

    // Shows the dialog for a form and hands it to drive; returns the dialog's result.
    int show(const std::function<void(TFrmFormCopy&)>& drive, bool withDate = true)
    {
        dialogs.onNextModal([drive](QDialog& shown) { drive(dynamic_cast<TFrmFormCopy&>(shown)); });
        TFrmFormCopy dialog;
        dialog.setWindowTitle(QStringLiteral("Form 941"));
        if (!withDate)
            dialog.HidePrintDate();
        return ShowModal(dialog);
    }
};

TEST_F(FormCopyTest, OffersTheFilingCopyAndTodayAtFirst)
{
    const int result = show([&](TFrmFormCopy& d) {
        const QImage picture = d.grab().toImage();
        EXPECT_TRUE(picture.save(tempPath(QStringLiteral("FormCopy.png"))));
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            picture.save(QDir(folder).filePath(QStringLiteral("FormCopy.png")));
        EXPECT_EQ(d.LblSelectFormType->text(), QStringLiteral("Select a Tax Form Type to print"));
        EXPECT_EQ(d.RbFilingCopy->text(), QStringLiteral("Filing Copy for IRS"));
        EXPECT_EQ(d.RbFileCopy->text(), QStringLiteral("File Copy for your records"));
        EXPECT_TRUE(d.RbFilingCopy->isChecked());
        EXPECT_EQ(d.TaxFormPrintDate->text(), QStringLiteral("12/11/2026"));
        d.BtnOk->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(FilingCopyDefault);
    EXPECT_EQ(TaxFormPrintDateText, QStringLiteral("12/11/2026"));
}

TEST_F(FormCopyTest, CancelKeepsTheCopyAndTheDateForTheNextPrint)
{
    const int result = show([](TFrmFormCopy& d) {
        d.RbFileCopy->click();
        d.TaxFormPrintDate->setText(QStringLiteral("04/30/2026"));
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(FilingCopyDefault);
    EXPECT_EQ(TaxFormPrintDateText, QStringLiteral("04/30/2026"));
    show([](TFrmFormCopy& d) {
        EXPECT_TRUE(d.RbFileCopy->isChecked());
        EXPECT_EQ(d.TaxFormPrintDate->text(), QStringLiteral("04/30/2026"));
        d.BtnCancel->click();
    });
}

TEST_F(FormCopyTest, ADateThatIsNoDateBecomesToday)
{
    for (const char* typed : {"", "  /  /    ", "02/30/2026", "garbage"}) {
        TaxFormPrintDateText = QString::fromLatin1(typed);
        show([typed](TFrmFormCopy& d) {
            EXPECT_EQ(d.TaxFormPrintDate->text(), QStringLiteral("12/11/2026")) << typed;
            d.BtnCancel->click();
        });
    }
}

TEST_F(FormCopyTest, WithoutAPrintDateTheDialogKeepsTheStoredOne)
{
    TaxFormPrintDateText = QStringLiteral("garbage");
    show(
        [](TFrmFormCopy& d) {
            EXPECT_FALSE(d.TaxFormPrintDate->isVisible());
            d.BtnOk->click();
        },
        false);
    EXPECT_EQ(TaxFormPrintDateText, QStringLiteral("garbage"));
}

} // namespace
