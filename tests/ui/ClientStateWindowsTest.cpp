#include "TestSupport.h"

#include "client/EmployeeIndex.h"
#include "client/PasswordPrompt.h"
#include "client/ui/ClientStateWindows.h"
#include "components/ui/PasswordDlg.h"
#include "components/ui/RecList.h"
#include "components/ui/TabbedListBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

namespace {

enum class Close { Ok, Enter, Cancel, Escape, WindowClose };

// Types into the shown password window and closes it the given way.
std::function<void(QDialog&)> typeAndClose(const QString& keys, Close how)
{
    return [keys, how](QDialog& shown) {
        auto& dlg = dynamic_cast<TPasswordDlg&>(shown);
        EXPECT_EQ(dlg.focusWidget(), dlg.Password);
        QTest::keyClicks(dlg.Password, keys);
        switch (how) {
        case Close::Ok:
            dlg.BtnOk->click();
            break;
        case Close::Enter:
            QTest::keyClick(dlg.Password, Qt::Key_Return);
            break;
        case Close::Cancel:
            dlg.BtnCancel->click();
            break;
        case Close::Escape:
            QTest::keyClick(dlg.Password, Qt::Key_Escape);
            break;
        case Close::WindowClose:
            dlg.close();
            break;
        }
    };
}

// The client state's prompts with the real windows behind them.
class ClientStateWindowsTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        InstallClientStateWindows();
    }
    void TearDown() override
    {
        SetPasswordPromptHandler(nullptr);
        SetEmployeePicker(nullptr);
        LedgoraTest::TearDown();
    }
};

} // namespace

TEST_F(ClientStateWindowsTest, ShowsThePromptAndHidesWhatIsTyped)
{
    dialogs.onNextModal([](QDialog& shown) {
        auto& dlg = dynamic_cast<TPasswordDlg&>(shown);
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("ACME.C26"));
        EXPECT_EQ(dlg.Label1->text(), QStringLiteral("Enter File Password"));
        // The designed size, grown only where the fonts need it.
        EXPECT_EQ(dlg.size().expandedTo(QSize(244, 84)), dlg.size());
        EXPECT_TRUE(dlg.BtnOk->isDefault());
        QTest::keyClicks(dlg.Password, QStringLiteral("abc"));
        EXPECT_EQ(dlg.Password->displayText(), QStringLiteral("***"));
        dlg.BtnCancel->click();
    });
    EXPECT_EQ(AskPassword(QStringLiteral("ACME.C26"), QStringLiteral("Enter File Password")), std::nullopt);

    dialogs.onNextModal([](QDialog& shown) {
        auto& dlg = dynamic_cast<TPasswordDlg&>(shown);
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Ledgora 2026"));
        EXPECT_EQ(dlg.Label1->text(), QStringLiteral("Enter password"));
        dlg.reject();
    });
    AskPassword(QString(), QString());
}

TEST_F(ClientStateWindowsTest, TheDataModulesPromptTellsRightWrongAndCancel)
{
    const struct {
        const char* what;
        const char* password;
        const char* keys;
        Close how;
        bool result;
        bool cancel;
    } cases[] = {
        {"right, Ok", "Payroll7", "Payroll7", Close::Ok, true, false},
        {"right, Enter", "Payroll7", "Payroll7", Close::Enter, true, false},
        {"wrong case", "Payroll7", "payroll7", Close::Ok, false, false},
        {"trailing blank", "Payroll7", "Payroll7 ", Close::Ok, false, false},
        {"right, then Cancel", "Payroll7", "Payroll7", Close::Cancel, false, true},
        {"Escape", "Payroll7", "Payroll7", Close::Escape, false, true},
        {"window closed", "Payroll7", "", Close::WindowClose, false, true},
        {"empty password confirmed empty", "", "", Close::Ok, true, false},
        {"empty password, Escape", "", "", Close::Escape, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TPasswordDialog prompt;
        prompt.Password = QLatin1String(c.password);
        prompt.Prompt = QStringLiteral("Enter File Password");
        dialogs.onNextModal(typeAndClose(QLatin1String(c.keys), c.how));
        EXPECT_EQ(prompt.Execute(), c.result);
        EXPECT_EQ(prompt.Cancel(), c.cancel);
    }
}

TEST_F(ClientStateWindowsTest, ForcedCaseChangesTheTypedLetters)
{
    dialogs.onNextModal(typeAndClose(QStringLiteral("Secret9"), Close::Ok));
    EXPECT_EQ(AskPassword(QString(), QString(), ecUpperCase), QStringLiteral("SECRET9"));
    dialogs.onNextModal(typeAndClose(QStringLiteral("Secret9"), Close::Ok));
    EXPECT_EQ(AskPassword(QString(), QString(), ecLowerCase), QStringLiteral("secret9"));
    dialogs.onNextModal(typeAndClose(QStringLiteral("Secret9"), Close::Ok));
    EXPECT_EQ(AskPassword(QString(), QString()), QStringLiteral("Secret9"));
}

TEST_F(ClientStateWindowsTest, TheEmployeePickerShowsTheIndexNames)
{
    const EmployeePicker picker = SetEmployeePicker(nullptr);
    ASSERT_TRUE(picker);
    const QStringList names = {QStringLiteral("Adams, Ann"), QStringLiteral("Baker, Bo"), QStringLiteral("Cole, Cy")};
    dialogs.onNextModal([](QDialog& shown) {
        auto& list = dynamic_cast<TFrmRecList&>(shown);
        ASSERT_EQ(list.EmployeeListBox->count(), 3);
        EXPECT_EQ(list.EmployeeListBox->item(2)->text(), QStringLiteral("Cole, Cy"));
        EXPECT_EQ(list.height(), 149);
        list.EmployeeListBox->setCurrentRow(1);
        list.BtnOk->click();
    });
    EXPECT_EQ(picker(names), 1);
    dialogs.onNextModal([](QDialog& shown) { QTest::keyClick(shown.focusWidget(), Qt::Key_Escape); });
    EXPECT_EQ(picker(names), -1);
}
