#include "TestSupport.h"
#include "tests/ui/FormsFixture.h"

#include "client/EmployeeIndex.h"
#include "client/FileNames.h"
#include "client/PasswordPrompt.h"
#include "client/PayDataModule.h"
#include "client/PayHistoryMap.h"
#include "client/PayRecords.h"
#include "client/ui/FormW4.h"
#include "client/ui/Launchers.h"
#include "client/ui/NewFileDlg.h"
#include "client/ui/PayEmployee.h"
#include "client/ui/PayMain.h"
#include "client/ui/Startup.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DeluxeComboBox.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/RSNavigator.h"
#include "components/ui/StateEdit.h"
#include "platform/Registry.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>

#include <cstring>

namespace {

using enum MenuItem;

// Fills the entries of the employee on screen as a user would leave them.
void FillEmployee(TFrmEmployee& s, const QString& last, const QString& ssn, const QString& department)
{
    s.FirstName->setText(QStringLiteral("Pat"));
    s.LastName->setText(last);
    s.Address->setText(QStringLiteral("1 Main Street"));
    s.City->setText(QStringLiteral("Dover"));
    s.State->setCurrentIndex(s.State->findText(QStringLiteral("DE")));
    s.ZipCode->setText(QStringLiteral("19901"));
    s.EmployeeNum->setText(QStringLiteral("12"));
    s.WorkState->setCurrentIndex(s.WorkState->findText(QStringLiteral("DE")));
    s.PhoneNumber->setText(QStringLiteral("302-555-0100"));
    s.Gender->setCurrentIndex(1);
    s.SocSecNum->setText(ssn);
    s.Department->setCurrentText(department);
    s.Position->setCurrentText(QStringLiteral("Clerk"));
    s.Frequency->setCurrentIndex(1);
    QTest::mouseClick(s.Single, Qt::LeftButton);
    s.RegularRate->setValue(18);
    s.OverTimeRate->setValue(27);
    s.StdRegTime->setValue(40);
}

// The employee screen as the user reaches it: through the main window's menus.
class EmployeeMenuTest : public LedgoraTest {
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
        // The other setup screens New shows are not the subject here.
        for (Launch other : {Launch::TFrmCompany, Launch::TFrmState, Launch::TFrmCity})
            SetLauncher(other, [](TFrmMain&, MenuItem) {});
    }

    void TearDown() override
    {
        session.reset();
        InstallLaunchers();
        SetPasswordPromptHandler(nullptr);
        SetEmployeePicker(nullptr);
        ResetClientState();
        QDir::setCurrent(savedFolder_);
        LedgoraTest::TearDown();
    }

    std::unique_ptr<LedgoraSession> session;
    TFrmMain* main = nullptr;

private:
    QString savedFolder_;
};

} // namespace

TEST_F(EmployeeMenuTest, NewClientGetsItsEmployeesAndTheirPickLists)
{
    dialogs.onNextModal([](QDialog& shown) {
        auto& dlg = dynamic_cast<TFrmNewFileDlg&>(shown);
        QTest::keyClicks(dlg.NewFileName, QStringLiteral("Dover Bakery"));
        dlg.BtnOk->click();
    });
    dialogs.onNextModal([](QDialog& shown) {
        auto& s = dynamic_cast<TFrmEmployee&>(shown);
        EXPECT_EQ(s.windowTitle(), QStringLiteral("Employee File Maintenance -   "));
        FillEmployee(s, QStringLiteral("Adams"), QStringLiteral("234-56-7890"), QStringLiteral("Bakery"));
        QTest::mouseClick(s.RSNavigator->Button(nbNew), Qt::LeftButton);
        EXPECT_EQ(s.LastName->text(), QString());
        EXPECT_EQ(s.Department->items(), QStringList{QStringLiteral("Bakery")});
        FillEmployee(s, QStringLiteral("Baker"), QStringLiteral("345-67-8901"), QStringLiteral("Counter"));
        QTest::mouseClick(s.BtnClose, Qt::LeftButton);
        EXPECT_FALSE(s.isVisible());
    });
    main->item(MnuNew)->trigger();
    ASSERT_TRUE(dialogs.allUsed());
    const QString client = CurFileName;
    main->item(MnuClose)->trigger();
    ASSERT_FALSE(FileIsOpen);

    EXPECT_EQ(QFileInfo(client).size(), 2 * static_cast<qint64>(sizeof(EmployeeRecord)));
    QFile departments(ChangeFileExt(client, QStringLiteral(".Dep")));
    ASSERT_TRUE(departments.open(QIODevice::ReadOnly));
    const QString listed = QString::fromLatin1(departments.readAll());
    EXPECT_TRUE(listed.contains(QStringLiteral("Bakery")) && listed.contains(QStringLiteral("Counter"))) << listed.toStdString();
    EXPECT_TRUE(QFile::exists(ChangeFileExt(client, QStringLiteral(".Pos"))));

    // Reopened, the list shows both; amounts typed into the second one are totalled and kept.
    main->item(MnuMRU0)->trigger();
    ASSERT_TRUE(FileIsOpen);
    ASSERT_EQ(CurFileName, client);
    QStringList listedNames;
    SetEmployeePicker([&listedNames](const QStringList& names) {
        listedNames = names;
        return 1;
    });
    const int wages = AmountGroupNumber(QStringLiteral("Wages"));
    const int federal = AmountGroupNumber(QStringLiteral("FederalTax"));
    const int gross = AmountGroupNumber(QStringLiteral("GrossWages"));
    const int net = AmountGroupNumber(QStringLiteral("NetPay"));
    dialogs.onNextModal([&](QDialog& shown) {
        auto& s = dynamic_cast<TFrmEmployee&>(shown);
        QTest::mouseClick(s.RSNavigator->Button(nbList), Qt::LeftButton);
        EXPECT_EQ(s.LastName->text(), QStringLiteral("Baker"));
        s.AmountEntry(wages, 2)->setValue(1000);
        s.AmountEntry(wages, 4)->setValue(2500.5);
        s.AmountEntry(federal, 2)->setValue(120);
        QTest::mouseClick(s.BtnCalculate, Qt::LeftButton);
        EXPECT_EQ(s.AmountEntry(gross, 2)->value(), 1000);
        EXPECT_EQ(s.AmountEntry(net, 2)->value(), 880);
        EXPECT_EQ(s.AmountEntry(gross, 4)->value(), 2500.5);
        QTest::mouseClick(s.BtnClose, Qt::LeftButton);
    });
    main->item(MnuEmployees)->trigger();
    EXPECT_EQ(listedNames.size(), 2);
    EXPECT_TRUE(listedNames.join(QChar('|')).contains(QStringLiteral("Adams")));
    EXPECT_TRUE(listedNames.join(QChar('|')).contains(QStringLiteral("Baker")));
    FrmDataModule->RSEmployee.SetCurrentRecord(2);
    FrmDataModule->RSEmployee.GetRec();
    EXPECT_EQ(EmployeeRec.GrossWages[2], 1000);
    EXPECT_EQ(EmployeeRec.NetPay[2], 880);
    EXPECT_EQ(EmployeeRec.GrossWages[4], 2500.5);
    EXPECT_EQ(EmployeeRec.FW2CtrlNum.get(), QStringLiteral("Bake-8901"));
}

TEST_F(EmployeeMenuTest, FormW4ProcessedFromTheEmployeeScreenReachesTheEmployeeFile)
{
    CopyShippedForms(programDir());
    dialogs.onNextModal([](QDialog& shown) {
        auto& dlg = dynamic_cast<TFrmNewFileDlg&>(shown);
        QTest::keyClicks(dlg.NewFileName, QStringLiteral("Dover Bakery"));
        dlg.BtnOk->click();
    });
    dialogs.onNextModal([this](QDialog& shown) {
        auto& s = dynamic_cast<TFrmEmployee&>(shown);
        FillEmployee(s, QStringLiteral("Adams"), QStringLiteral("234-56-7890"), QStringLiteral("Bakery"));
        dialogs.onNextModal([](QDialog& form) {
            auto& w = dynamic_cast<TFrmW4&>(form);
            EXPECT_EQ(w.LastName->text(), QStringLiteral("Adams"));
            EXPECT_TRUE(w.Single->checked());
            w.FW4Box3a->setValue(4400);
            w.FW4Box3b->setValue(1000);
            w.FW4Box4b->setValue(8000);
            QTest::mouseClick(w.FW4Box2c, Qt::LeftButton);
            w.BtnProcess->click();
        });
        QTest::mouseClick(s.BtnFormW4, Qt::LeftButton);
        EXPECT_EQ(s.FedWithAllow->text(), QStringLiteral("4"));
        QTest::mouseClick(s.BtnClose, Qt::LeftButton);
        EXPECT_FALSE(s.isVisible());
    });
    main->item(MnuNew)->trigger();
    ASSERT_TRUE(dialogs.allUsed());
    const QString client = CurFileName;
    main->item(MnuClose)->trigger();
    ASSERT_FALSE(FileIsOpen);

    QFile file(client);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), static_cast<qsizetype>(sizeof(EmployeeRecord)));
    EmployeeRecord stored;
    std::memcpy(&stored, bytes.constData(), sizeof stored);
    EXPECT_EQ(stored.FW4Box3a, 4400);
    EXPECT_EQ(stored.FW4Box3b, 1000);
    EXPECT_EQ(stored.FW4Box3, 5400);
    EXPECT_EQ(stored.FW4Box4b, 8000);
    EXPECT_TRUE(stored.FW4Box2c);
    EXPECT_EQ(stored.FedWithAllow, 4);
}
