// A whole pay cycle through the real windows only, from a new client to the posted period, and the
// Express command that runs the cycle in one go. Every message and window is scripted.

#include "TestSupport.h"

#include "checks/ui/PayChecks.h"
#include "checks/ui/PayReportType.h"
#include "client/PasswordPrompt.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/ui/Launchers.h"
#include "client/ui/NewFileDlg.h"
#include "client/ui/PayCity.h"
#include "client/ui/PayCompany.h"
#include "client/ui/PayEmployee.h"
#include "client/ui/PayMain.h"
#include "client/ui/PayState.h"
#include "client/ui/Startup.h"
#include "components/StateTables.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DateEdit.h"
#include "components/ui/DeluxeComboBox.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/RSNavigator.h"
#include "components/ui/StateEdit.h"
#include "components/ui/StateList.h"
#include "payroll/ui/PayManual.h"
#include "payroll/ui/PayPeriodDlg.h"
#include "payroll/ui/PayPostDlg.h"
#include "platform/AppMessageBox.h"
#include "platform/Registry.h"
#include "reports/ui/PayReports.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest/QTest>

#include <cmath>
#include <cstring>

namespace {

using enum MenuItem;

struct Hire {
    const char* first;
    const char* last;
    const char* ssn;
    bool married;
    double rate;
};

const Hire kEmployeeA{"Alice", "Archer", "234-56-7890", false, 25};
const Hire kEmployeeB{"Ben", "Baker", "345-67-8901", true, 30};

// The employee on screen as a weekly employee of 40 standard hours working in Texas, city NONE.
void FillEmployee(TFrmEmployee& s, const Hire& hire)
{
    s.FirstName->setText(QString::fromLatin1(hire.first));
    s.LastName->setText(QString::fromLatin1(hire.last));
    s.Address->setText(QStringLiteral("1 Main Street"));
    s.City->setText(QStringLiteral("Dallas"));
    s.State->setCurrentIndex(s.State->findText(QStringLiteral("TX")));
    s.ZipCode->setText(QStringLiteral("75201"));
    s.EmployeeNum->setText(QString::number(hire.married ? 2 : 1));
    s.WorkState->setCurrentIndex(s.WorkState->findText(QStringLiteral("TX")));
    s.CityName->setCurrentIndex(s.CityName->findText(QStringLiteral("NONE")));
    s.PhoneNumber->setText(QStringLiteral("214-555-0100"));
    s.Gender->setCurrentIndex(1);
    s.SocSecNum->setText(QString::fromLatin1(hire.ssn));
    s.Department->setCurrentText(QStringLiteral("Shop"));
    s.Position->setCurrentText(QStringLiteral("Machinist"));
    s.Frequency->setCurrentIndex(0);
    QTest::mouseClick(hire.married ? s.Married : s.Single, Qt::LeftButton);
    s.RegularRate->setValue(hire.rate);
    s.OverTimeRate->setValue(hire.rate * 1.5);
    s.StdRegTime->setValue(40);
}

void FillCompany(TFrmCompany& s, ScriptedDialogs& dialogs)
{
    s.Address->setText(QStringLiteral("500 Commerce St"));
    s.City->setText(QStringLiteral("Dallas"));
    s.State->setCurrentIndex(StateCodeIndex(QStringLiteral("TX")));
    s.ZipCode->setText(QStringLiteral("75202"));
    s.PhoneNumber->setText(QStringLiteral("214-555-0199"));
    s.FederalID->setText(QStringLiteral("75-1234567"));
    s.FourCharID->setText(QStringLiteral("ACME"));
    // The state block moves to Texas through the state list.
    dialogs.onNextModal([](QDialog& shown) {
        auto& list = dynamic_cast<TFrmStateList&>(shown);
        list.StateListBox->setCurrentRow(StateCodeIndex(QStringLiteral("TX")));
        list.BtnOk->click();
    });
    s.BtnList->click();
    ASSERT_EQ(s.CurrentState->text(), QStringLiteral("TX"));
}

class PayCycleTest : public LedgoraTest {
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

    // File > New "ACME": the company screen filled, the state and city screens closed, A filled in
    // the blank employee and B added with New.
    void newClient()
    {
        dialogs.onNextModal([](QDialog& shown) {
            auto& dlg = dynamic_cast<TFrmNewFileDlg&>(shown);
            QTest::keyClicks(dlg.NewFileName, QStringLiteral("ACME"));
            dlg.BtnOk->click();
        });
        dialogs.onNextModal([this](QDialog& shown) {
            auto& s = dynamic_cast<TFrmCompany&>(shown);
            FillCompany(s, dialogs);
            s.BtnClose->click();
            // The windows New shows after the company screen.
            dialogs.onNextModal([](QDialog& next) { dynamic_cast<TFrmState&>(next).BtnClose->click(); });
            dialogs.onNextModal([](QDialog& next) { dynamic_cast<TFrmCity&>(next).BtnClose->click(); });
            dialogs.onNextModal([](QDialog& next) {
                auto& e = dynamic_cast<TFrmEmployee&>(next);
                FillEmployee(e, kEmployeeA);
                QTest::mouseClick(e.RSNavigator->Button(nbNew), Qt::LeftButton);
                FillEmployee(e, kEmployeeB);
                QTest::mouseClick(e.BtnClose, Qt::LeftButton);
                EXPECT_FALSE(e.isVisible());
            });
        });
        main->item(MnuNew)->trigger();
        ASSERT_TRUE(dialogs.allUsed());
        ASSERT_TRUE(FileIsOpen);
    }

    // Pay Period on the first week: checks from 1001, weekly employees only.
    void openFirstWeek()
    {
        dialogs.onNextModal([](QDialog& shown) {
            auto& d = dynamic_cast<TFrmPayPeriod&>(shown);
            d.PayDateFrom->setText(QStringLiteral("01/05/2026"));
            d.PayDateTo->setText(QStringLiteral("01/11/2026"));
            d.PayDate->setText(QStringLiteral("01/16/2026"));
            d.StartChkNum->setText(QStringLiteral("1001"));
            d.pfWeekly->click();
            d.BtnProcess->click();
        });
    }

    // The first week of the new client: A computed by Automatic, B given a bonus in manual entry,
    // then posted.
    void postFirstWeek()
    {
        newClient();

        openFirstWeek();
        main->item(MnuPayPeriod)->trigger();
        ASSERT_TRUE(dialogs.allUsed());

        messages.expect(IdOk, QStringLiteral("automatically process"));
        main->item(MnuAutomatic)->trigger();

        dialogs.onNextModal([](QDialog& shown) {
            auto& w = dynamic_cast<TFrmManual&>(shown);
            w.RSNavigator->Button(nbLast)->click();
            ASSERT_EQ(shownName(w), QStringLiteral("Ben Baker"));
            EXPECT_EQ(w.CheckNumber->text(), QStringLiteral("Check #: 1002"));
            TDollarEdit* bonus = w.Field(QStringLiteral("Bonus"));
            bonus->setValue(200);
            emit bonus->textEdited(bonus->text());
            w.BtnProcess->click();
            EXPECT_EQ(w.Field(QStringLiteral("GrossWages"))->value(), 1400);
            w.BtnClose->click();
            EXPECT_FALSE(w.isVisible());
        });
        main->item(MnuManualEntry)->trigger();
        ASSERT_TRUE(dialogs.allUsed());

        dialogs.onNextModal([](QDialog& shown) { dynamic_cast<TFrmPostPayrollDlg&>(shown).BtnPost->click(); });
        main->item(MnuPosting)->trigger();
        ASSERT_TRUE(dialogs.allUsed());
    }

    CompanyRecord storedCompany() const
    {
        const QByteArray bytes = ReadTestFile(CompanyFileName);
        CompanyRecord stored{};
        EXPECT_GE(bytes.size(), static_cast<qsizetype>(sizeof stored));
        if (bytes.size() >= static_cast<qsizetype>(sizeof stored))
            std::memcpy(&stored, bytes.constData(), sizeof stored);
        return stored;
    }

    EmployeeRecord storedEmployee(int n) const
    {
        const QByteArray bytes = ReadTestFile(CurFileName);
        EmployeeRecord stored{};
        const qsizetype at = static_cast<qsizetype>(n - 1) * static_cast<qsizetype>(sizeof stored);
        EXPECT_GE(bytes.size(), at + static_cast<qsizetype>(sizeof stored));
        if (bytes.size() >= at + static_cast<qsizetype>(sizeof stored))
            std::memcpy(&stored, bytes.constData() + at, sizeof stored);
        return stored;
    }

    static QString shownName(const TFrmManual& w) { return w.windowTitle().section(QStringLiteral(" - "), 1); }

    std::unique_ptr<LedgoraSession> session;
    TFrmMain* main = nullptr;

private:
    QString savedFolder_;
};

double Cents(double amount)
{
    return std::round(amount * 100) / 100;
}

} // namespace

TEST_F(PayCycleTest, ANewClientsFirstWeekPostedThroughTheWindows)
{
    postFirstWeek();
    ASSERT_FALSE(HasFatalFailure());

    struct Expected {
        const char* who;
        int record;
        double gross, federal, socialSecurity, medicare, net, futa;
        int check;
    };
    const Expected expected[] = {
        {"A", 1, 1000.00, 78.00, 62.00, 14.50, 845.50, 6.00, 1001},
        {"B", 2, 1400.00, 84.00, 86.80, 20.30, 1208.90, 8.40, 1002},
    };
    constexpr int ytd = kYearToDateColumn;
    for (const Expected& x : expected) {
        const EmployeeRecord e = storedEmployee(x.record);
        EXPECT_EQ(Cents(e.GrossWages[ytd]), x.gross) << x.who;
        EXPECT_EQ(Cents(e.FederalTax[ytd]), x.federal) << x.who;
        EXPECT_EQ(Cents(e.FICATax[ytd]), x.socialSecurity) << x.who;
        EXPECT_EQ(Cents(e.MedicareTax[ytd]), x.medicare) << x.who;
        EXPECT_EQ(Cents(e.NetPay[ytd]), x.net) << x.who;
        EXPECT_EQ(Cents(e.FUTALib[ytd]), x.futa) << x.who;
        EXPECT_EQ(e.GrossWages[kCurrentColumn], 0) << x.who << ": the current column is cleared";
        EXPECT_EQ(e.CheckNumHistory[1], x.check) << x.who;
    }
    const CompanyRecord c = storedCompany();
    EXPECT_EQ(Cents(c.F940Amount[14]), 14.40) << "Form 940, first quarter";
    EXPECT_EQ(Cents(c.TaxLibMonth[1][16]), 529.20) << "Schedule B, January 16";
    EXPECT_EQ(c.PriorPeriodCount, 1);
    EXPECT_EQ(c.PriorPayDate[1].get(), QStringLiteral("01/16/2026"));
    EXPECT_EQ(c.PayDateFrom.get(), QStringLiteral("01/12/2026"));
    EXPECT_EQ(c.PayDateTo.get(), QStringLiteral("01/18/2026"));
    EXPECT_EQ(c.PayDate.get(), QStringLiteral("  /  /    ")) << "no pay date open";
    EXPECT_TRUE(c.PayrollPosted);
}

TEST_F(PayCycleTest, ExpressFromTheToolbarRunsToThePostingDialog)
{
    postFirstWeek();
    ASSERT_FALSE(HasFatalFailure());

    // The dialog offers the week after the posted one; only the pay date is typed.
    dialogs.onNextModal([](QDialog& shown) {
        auto& d = dynamic_cast<TFrmPayPeriod&>(shown);
        EXPECT_EQ(d.PayDateFrom->text(), QStringLiteral("01/12/2026"));
        EXPECT_EQ(d.PayDateTo->text(), QStringLiteral("01/18/2026"));
        d.PayDate->setText(QStringLiteral("01/23/2026"));
        d.BtnProcess->click();
    });
    messages.expect(IdOk, QStringLiteral("automatically process"));
    dialogs.onNextModal([](QDialog& shown) {
        auto& w = dynamic_cast<TFrmManual&>(shown);
        EXPECT_EQ(w.PayDate->text(), QStringLiteral("Pay Date: 01/23/2026"));
        EXPECT_EQ(w.Field(QStringLiteral("Bonus"))->value(), 0) << "last week's bonus was posted";
        w.BtnClose->click();
    });
    // Statements, journal and departmental report open their windows, each cancelled here.
    dialogs.onNextModal([](QDialog& shown) { dynamic_cast<TFrmReportType&>(shown).BtnCancel->click(); });
    for (int kind : {1, 9})
        dialogs.onNextModal([kind](QDialog& shown) {
            EXPECT_EQ(ReportKind, kind);
            dynamic_cast<TFrmReports&>(shown).BtnCancel->click();
        });
    dialogs.onNextModal([](QDialog& shown) { dynamic_cast<TFrmCheck&>(shown).BtnDone->click(); });
    bool postingShown = false;
    dialogs.onNextModal([&postingShown](QDialog& shown) {
        postingShown = true;
        dynamic_cast<TFrmPostPayrollDlg&>(shown).BtnCancel->click();
    });
    main->button(BtnExpress)->click();
    EXPECT_TRUE(postingShown);
    EXPECT_TRUE(dialogs.allUsed());
    const CompanyRecord c = storedCompany();
    EXPECT_EQ(c.PayDate.get(), QStringLiteral("01/23/2026"));
    EXPECT_FALSE(c.PayrollPosted) << "computed, and the posting dialog was cancelled";
    EXPECT_EQ(c.PriorPeriodCount, 1);
    for (int n = 1; n <= 2; ++n)
        EXPECT_GT(storedEmployee(n).GrossWages[kCurrentColumn], 0) << n;
}

// Installed under /usr or /opt, the program's folder is not the user's to write: the tables, the
// state table screen's and the cycle's files go to the user's data folder.
TEST_F(PayCycleTest, TheWholeCycleOnlyReadsTheProgramFolder)
{
    const FolderSnapshot before(programDir());
    {
        ReadOnlyFolder readOnly(programDir());
        postFirstWeek();
    }
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(FolderSnapshot(programDir()) == before) << "something was written beside the program";
    EXPECT_EQ(storedEmployee(1).CheckNumHistory[1], 1001) << "the week was posted";
    for (const char* name : {"LEDGORA.ST", "LEDGORA.CIT"})
        EXPECT_TRUE(QFileInfo::exists(homeDir() + QStringLiteral("/.local/share/Ledgora/2026/") + QLatin1String(name)))
            << name;
}
