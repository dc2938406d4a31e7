#include "PriorYearFiles.h"
#include "TestSupport.h"

#include "client/PasswordPrompt.h"
#include "client/PayRecords.h"
#include "client/ui/Launchers.h"
#include "client/ui/PayEmployee.h"
#include "client/ui/PayMain.h"
#include "client/ui/PayTransfer.h"
#include "client/ui/Startup.h"
#include "components/ui/DeluxeComboBox.h"
#include "components/StateTables.h"
#include "components/ui/FilterEdit.h"
#include "platform/Registry.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest/QTest>

using namespace prior_year_bytes;

namespace {

using enum MenuItem;

// Last year's employee with everything the employee screen asks for.
QByteArray completeEmployee(int number, const QByteArray& lastName, const QByteArray& department,
                            const QByteArray& position)
{
    QByteArray e = employee(number, lastName, department, position);
    putText(e, 108, 22, "1 Main Street");
    putText(e, 131, 22, "Dover");
    putText(e, 154, 2, "DE");
    putText(e, 157, 10, "19901");
    putText(e, 205, 2, "DE");
    putInt(e, 208, StateCodeIndex(QStringLiteral("DE")) + 1);
    putText(e, 212, 6, "NONE");
    putInt(e, 220, 1);
    putText(e, 224, 12, "302-555-0100");
    qToLittleEndian<quint16>('M', e.data() + 238);
    putText(e, 240, 11, "234-56-7890");
    putByte(e, 631, 1);                                  // weekly
    putByte(e, 632, 1);                                  // single
    putDouble(e, 640, 18.0);
    putDouble(e, 648, 27.0);
    putDouble(e, 688, 40.0);
    return e;
}

class TransferMenuTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        savedFolder_ = QDir::currentPath();
        ResetClientState();
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/LEDGORA.FTT"),
                                programDir() + QStringLiteral("/LEDGORA.FTT")));
        {
            Registry registry;
            ASSERT_TRUE(registry.OpenKey(QStringLiteral("Software\\Ledgora\\2026\\Splash"), true));
            registry.WriteBool(QStringLiteral("Display"), false);
            registry.CloseKey();
        }
        SetPasswordPromptHandler([](const QString&, const QString&, const QString&) {
            ADD_FAILURE() << "Unexpected password prompt";
            return PasswordAnswer::Cancelled;
        });
        MainWindowOptions options;
        options.splashMilliseconds = 0;
        session = StartLedgora(QSize(1280, 1024), options);
        ASSERT_TRUE(session);
        main = session->mainWindow.get();
        SetLauncher(Launch::TFrmCompany, [](TFrmMain&, MenuItem) {});
        priorDir = tempPath(QStringLiteral("Prior2025/"));
        QDir().mkpath(priorDir);
    }

    void TearDown() override
    {
        session.reset();
        InstallLaunchers();
        SetPasswordPromptHandler(nullptr);
        ResetClientState();
        QDir::setCurrent(savedFolder_);
        LedgoraTest::TearDown();
    }

    void writeClient(const QString& name, const QByteArray& employees)
    {
        WriteTestFile(priorDir + name + QStringLiteral(".C25"), company(name.toLatin1()));
        WriteTestFile(priorDir + name + QStringLiteral(".P25"), employees);
    }

    // Tools > Transfer, choosing the one client named.
    void transferThroughMenu(const QString& file, bool expectClientClosed)
    {
        dialogs.onNextModal([&](QDialog& shown) {
            auto& w = dynamic_cast<TFrmTransfer&>(shown);
            if (expectClientClosed) {
                EXPECT_FALSE(FileIsOpen);
            }
            w.Path->setText(priorDir);
            QTest::mouseClick(w.BtnOk, Qt::LeftButton);
            const QList<QListWidgetItem*> found = w.FileListBox->findItems(file, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1);
            found[0]->setSelected(true);
            QTest::mouseClick(w.BtnTransfer, Qt::LeftButton);
            EXPECT_TRUE(w.StatusBar->currentMessage().endsWith(QStringLiteral(" - 1 file transferred")));
            QTest::mouseClick(w.BtnCancel, Qt::LeftButton);
        });
        main->item(MnuTransfer)->trigger();
        ASSERT_TRUE(dialogs.allUsed());
    }

    void open(const QString& name)
    {
        dialogs.onNextFileDialog(DataDir + name + QStringLiteral(".P26"));
        main->item(MnuOpen)->trigger();
        ASSERT_TRUE(FileIsOpen);
    }

    std::unique_ptr<LedgoraSession> session;
    TFrmMain* main = nullptr;
    QString priorDir;

private:
    QString savedFolder_;
};

} // namespace

TEST_F(TransferMenuTest, TransferClosesTheOpenClientAndTheNewClientOpensWithItsEmployees)
{
    writeClient(QStringLiteral("Harbor"), employee(31, "Nakamura", "Bakery", "Baker"));
    QByteArray resigned = employee(4, "Left", "Front", "Cashier");
    resign(resigned);
    writeClient(QStringLiteral("Dover"), resigned + completeEmployee(9, "Okafor", "Kitchen", "Cook"));

    transferThroughMenu(QStringLiteral("Harbor.C25"), false);
    open(QStringLiteral("Harbor"));

    transferThroughMenu(QStringLiteral("Dover.C25"), true);
    EXPECT_FALSE(FileIsOpen);
    open(QStringLiteral("Dover"));
    dialogs.onNextModal([](QDialog& shown) {
        auto& s = dynamic_cast<TFrmEmployee&>(shown);
        EXPECT_EQ(s.LastName->text(), QStringLiteral("Okafor"));
        EXPECT_EQ(s.EmployeeNum->text(), QStringLiteral("1"));
        EXPECT_EQ(s.Department->items(), QStringList{QStringLiteral("Kitchen")});
        EXPECT_EQ(s.Position->items(), QStringList{QStringLiteral("Cook")});
        QTest::mouseClick(s.BtnClose, Qt::LeftButton);
    });
    main->item(MnuEmployees)->trigger();
    EXPECT_TRUE(dialogs.allUsed());
    EXPECT_EQ(EmployeeCount, 1);
}
