#include "TestSupport.h"

#include "client/PayRecords.h"
#include "client/TaxTableFiles.h"
#include "client/ui/PayFederal.h"
#include "components/ui/DollarEdit.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

namespace {

// The federal screen over a copy of the shipped federal table.
class FederalScreenTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        ResetClientState();
        FederalTableFileName = programDir() + QStringLiteral("/LEDGORA.FTT");
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/LEDGORA.FTT"),
                                FederalTableFileName));
        LoadFederalTable(FederalTableFileName, FederalTaxRec);
    }
    void TearDown() override
    {
        qunsetenv("LEDGORA_DEVELOPER_MODE");
        ResetClientState();
        LedgoraTest::TearDown();
    }
    QByteArray file() const { return ReadTestFile(FederalTableFileName); }
};

} // namespace

TEST_F(FederalScreenTest, ForTheUserNothingIsEditableAndCloseWritesNothing)
{
    const QByteArray before = file();
    TFrmFederal s;
    s.show();
    s.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s));
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Federal Withholding Tax Rate Tables and Payroll Processing Information "
                                              "for Calendar Year 2026"));
    EXPECT_EQ(s.MaxFICAWages->value(), FederalTaxRec.MaxFICAWages);
    EXPECT_EQ(s.STaxRate[1]->value(), FederalTaxRec.STaxRate[2]);
    for (TDollarEdit* field : s.findChildren<TDollarEdit*>()) {
        EXPECT_TRUE(field->isReadOnly()) << field->objectName().toStdString();
        EXPECT_EQ(field->focusPolicy(), Qt::NoFocus);
    }
    QTest::keyClicks(s.MaxFICAWages, QStringLiteral("1"));
    s.BtnClose->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(file(), before);

    for (QLabel* label : s.findChildren<QLabel*>()) {
        const bool fits = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                            : label->width() >= label->minimumSizeHint().width();
        EXPECT_TRUE(fits) << label->text().toStdString();
    }
    const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOTS");
    if (!folder.isEmpty())
        s.grab().save(folder + QStringLiteral("/Federal.png"));
}

TEST_F(FederalScreenTest, DeveloperModeWritesTheTableWithItsMaximumTaxes)
{
    qputenv("LEDGORA_DEVELOPER_MODE", "1");
    TFrmFederal s;
    s.show();
    EXPECT_FALSE(s.MaxFICAWages->isReadOnly());
    s.MaxFICAWages->setValue(200000);
    s.BtnClose->click();
    EXPECT_FALSE(s.isVisible());

    FederalTaxRecord read{};
    LoadFederalTable(FederalTableFileName, read);
    EXPECT_EQ(read.MaxFICAWages, 200000);
    EXPECT_DOUBLE_EQ(read.MaxFICATax, 200000 * read.FICARate / 100);
    EXPECT_EQ(read.STaxRate[3], FederalTaxRec.STaxRate[3]);

    // Esc leaves without writing.
    const QByteArray before = file();
    TFrmFederal again;
    again.show();
    again.MaxFICAWages->setValue(1);
    again.reject();
    EXPECT_EQ(file(), before);
}
