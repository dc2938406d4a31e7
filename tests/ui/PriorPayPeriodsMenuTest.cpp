// Processing > Prior Payroll Periods through the real main window, with its Summary and Other views.

#include "TestSupport.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/ui/Launchers.h"
#include "client/ui/Startup.h"
#include "payroll/ui/PayPPPOther.h"
#include "payroll/ui/PayPPPSummary.h"
#include "payroll/ui/PayPriorPayPeriods.h"
#include "checks/ui/PayPriorPayDates.h"
#include "reports/ui/PayCustomRpt.h"
#include "reports/ui/PayIndEmpPayRpt.h"
#include "reports/ui/PayReconcileRpt.h"
#include "reports/ui/PayTaxLiability.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

QString BuiltFile(const QString& name)
{
    return QCoreApplication::applicationDirPath() + QChar('/') + name;
}

class PriorPayPeriodsMenuTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        savedFolder_ = QDir::currentPath();
        ResetClientState();
        ASSERT_TRUE(QFile::copy(BuiltFile(QStringLiteral("LEDGORA.FTT")), programDir() + QStringLiteral("/LEDGORA.FTT")));
        ASSERT_TRUE(QDir().mkpath(programDir() + QStringLiteral("/styles")));
        const QDir shipped(BuiltFile(QStringLiteral("styles")));
        for (const QString& file : shipped.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(shipped.filePath(file), programDir() + QStringLiteral("/styles/") + file));
    }

    void TearDown() override
    {
        session.reset();
        InstallLaunchers();
        ResetClientState();
        qApp->setStyleSheet(QString());
        QDir::setCurrent(savedFolder_);
        LedgoraTest::TearDown();
    }

    // A client with one employee and `periods` stored pay periods: 800.00 of wages each, net 700.00.
    QString makeClient(int periods)
    {
        const QString path = homeDir() + QStringLiteral("/Documents/Ledgora/2026/Data/ACME.P26");
        EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        {
            TFrmDataModule module;
            EXPECT_TRUE(module.OpenClient(path));
            CompanyRec.Name = QStringLiteral("Acme Tools");
            CompanyRec.PriorPeriodCount = periods;
            EmployeeRec.FirstName = QStringLiteral("Ann");
            EmployeeRec.LastName = QStringLiteral("Baker");
            for (int slot = 1; slot <= periods; ++slot) {
                const QString payDate = QStringLiteral("01/%1/2026").arg(7 * slot, 2, 10, QChar('0'));
                CompanyRec.PriorPayDateFrom[slot] = QStringLiteral("01/01/2026");
                CompanyRec.PriorPayDateTo[slot] = payDate;
                CompanyRec.PriorPayDate[slot] = payDate;
                EmployeeRec.PayHistory[0][slot] = 800;     // Wages
                EmployeeRec.PayHistory[16][slot] = 800;    // GrossWages
                EmployeeRec.PayHistory[19][slot] = 100;    // FederalTax
                EmployeeRec.PayHistory[36][slot] = 100;    // TotalDeduct
                EmployeeRec.PayHistory[37][slot] = 700;    // NetPay
            }
            module.RSCompany.PostRec();
            module.RSEmployee.PostRec();
            module.RSEmployee.CloseRecSet();
        }
        ResetClientState();
        return path;
    }

    void start(const QString& path)
    {
        MainWindowOptions options;
        options.arguments = {path};
        options.splashMilliseconds = 0;
        session = StartLedgora(QSize(1280, 1024), options);
        ASSERT_TRUE(session);
        main = session->mainWindow.get();
    }

    std::unique_ptr<LedgoraSession> session;
    TFrmMain* main = nullptr;

private:
    QString savedFolder_;
};

} // namespace

TEST_F(PriorPayPeriodsMenuTest, ProcessingMenuOpensTheWindowAndItsTwoViews)
{
    start(makeClient(2));
    ASSERT_TRUE(main->item(MenuItem::MnuPriorPayrollPeriods)->isEnabled());
    QStringList seen;
    dialogs.onNextModal([&](QDialog& dialog) {
        auto& w = dynamic_cast<TFrmPriorPayPeriods&>(dialog);
        seen << w.windowTitle() << w.CbxPayDates->currentText() << w.EmployeeFullName->text().trimmed();
        dialogs.onNextModal([&](QDialog& view) {
            auto& s = dynamic_cast<TFrmPPPSummary&>(view);
            seen << s.windowTitle() << s.PPPPayDate->text();
            s.BtnClose->click();
        });
        w.BtnSummary->click();
        dialogs.onNextModal([&](QDialog& view) {
            auto& o = dynamic_cast<TFrmPPPOther&>(view);
            seen << o.windowTitle() << o.LblReportName->text();
            o.BtnClose->click();
        });
        w.BtnOther->click();
        w.BtnClose->click();
    });
    main->item(MenuItem::MnuPriorPayrollPeriods)->trigger();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Prior Payroll Periods"), QStringLiteral("01/14/2026 (2)"),
                                 QStringLiteral("Ann Baker"), QStringLiteral("Prior Payroll Periods Summary"),
                                 QStringLiteral("Pay Date 01/14/2026"), QStringLiteral("Other Payroll Periods"),
                                 QStringLiteral("Year-to-Date Earnings Report")}));
}

TEST_F(PriorPayPeriodsMenuTest, TheRegisterAndTheTaxLiabilitiesOpenOverTheStoredPeriods)
{
    start(makeClient(2));
    QStringList seen;
    dialogs.onNextModal([&](QDialog& dialog) {
        auto& w = dynamic_cast<TFrmReconcileRpt&>(dialog);
        seen << w.windowTitle() << w.CbxPayDateTo->currentText();
        w.BtnCancel->click();
    });
    main->item(MenuItem::MnuReconcileRpt)->trigger();
    dialogs.onNextModal([&](QDialog& dialog) {
        auto& w = dynamic_cast<TFrmTaxLiability&>(dialog);
        seen << w.windowTitle() << w.LblTaxWithholdingAmount->text();
        w.BtnClose->click();
    });
    main->item(MenuItem::MnuFederalAndStateTaxLiabilities)->trigger();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Payroll Register Report"), QStringLiteral("01/14/2026 (2)"),
                                 QStringLiteral("Employer Federal and State Tax Liabilities"), QStringLiteral("200.00")}));
}

TEST_F(PriorPayPeriodsMenuTest, ThePostedPayDateReportsOpenOverTheStoredPeriods)
{
    start(makeClient(2));
    QStringList seen;
    dialogs.onNextModal([&](QDialog& dialog) {
        auto& w = dynamic_cast<TFrmPriorPayDatesRpt&>(dialog);
        seen << w.windowTitle() << w.CbxPayDate->currentText();
        w.BtnCancel->click();
    });
    main->item(MenuItem::MnuPriorPayDatesRpt)->trigger();
    dialogs.onNextModal([&](QDialog& dialog) {
        auto& w = dynamic_cast<TFrmCustomPayRpt&>(dialog);
        seen << w.windowTitle() << w.CbxPayDateFrom->currentText();
        w.BtnCancel->click();
    });
    main->item(MenuItem::MnuCustPerPayRpt)->trigger();
    dialogs.onNextModal([&](QDialog& dialog) {
        auto& w = dynamic_cast<TFrmIndEmpPayRpt&>(dialog);
        seen << w.windowTitle() << w.CbxPayDateTo->currentText();
        w.BtnCancel->click();
    });
    main->item(MenuItem::MnuIndEmpPayRpt)->trigger();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Prior Earnings Statement Report"), QStringLiteral("01/14/2026 (2)"),
                                 QStringLiteral("Custom Period Payroll Report"), QStringLiteral("01/07/2026 (1)"),
                                 QStringLiteral("Individual Employee Payroll Report"), QStringLiteral("01/14/2026 (2)")}));
}

TEST_F(PriorPayPeriodsMenuTest, WithoutStoredPeriodsTheItemIsOff)
{
    start(makeClient(0));
    EXPECT_FALSE(main->item(MenuItem::MnuPriorPayrollPeriods)->isEnabled());
    EXPECT_FALSE(main->item(MenuItem::MnuReconcileRpt)->isEnabled());
    EXPECT_FALSE(main->item(MenuItem::MnuFederalAndStateTaxLiabilities)->isEnabled());
}
