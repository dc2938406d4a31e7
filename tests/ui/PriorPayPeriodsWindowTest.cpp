// The Prior Payroll Periods window and its two views over pay periods posted by the real posting
// code, driven through the scripted modal and message hooks.

#include "tests/payroll/PriorPeriodFixture.h"

#include "client/StylePack.h"
#include "client/ui/VisualStyle.h"
#include "components/ui/RSNavigator.h"
#include "payroll/PriorPeriodStatement.h"
#include "payroll/ui/PayPPPOther.h"
#include "payroll/ui/PayPPPSummary.h"
#include "payroll/ui/PayPriorPayPeriods.h"
#include "payroll/ui/StatementColumns.h"
#include "platform/Registry.h"
#include "platform/report/ReportSystem.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>
#include <QtTest/QTest>

namespace {

QString Amount(const TStatementColumns& columns, int group)
{
    return columns.Amount(group)->text();
}

QString PdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every label, button, list and group title of a window whose text is wider than its room.
QStringList CutOffTexts(const QWidget& window)
{
    QStringList cut;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty())
            continue;
        if (label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width())
            cut << label->text();
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        QString text = button->text();
        text.remove(QChar('&'));
        if (button->isVisibleTo(&window) && button->fontMetrics().horizontalAdvance(text) > button->width())
            cut << text;
    }
    for (const QComboBox* list : window.findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        for (int item = 0; item < list->count(); ++item)
            // Style sheets pad the text inside the field; keep room for it.
            if (list->fontMetrics().horizontalAdvance(list->itemText(item)) + 8 > field.width())
                cut << list->itemText(item);
    }
    for (const QGroupBox* box : window.findChildren<QGroupBox*>()) {
        if (box->fontMetrics().horizontalAdvance(box->title()) > box->width())
            cut << box->title();
    }
    return cut;
}

class PriorPayPeriodsWindowTest : public PriorPeriodTest {
protected:
    void SetUp() override
    {
        PriorPeriodTest::SetUp();
        RegistryRoot = QStringLiteral("Software\\Ledgora\\2026\\");
        AppRegistry = std::make_unique<Registry>();
    }

    void TearDown() override
    {
        ReportSystem::SetOutputOptionsHandler(nullptr);
        qApp->setStyleSheet(QString());
        PriorPeriodTest::TearDown();
    }

    // Ann Baker, weekly at 1,000.00, paid in five weekly periods; Ben Cole, biweekly, paid in none
    // of them.
    void postFiveWeeks()
    {
        addHourlyEmployee(QStringLiteral("Baker"), QStringLiteral("Ann"), 25);
        EmployeeRec.Address = QStringLiteral("1 Elm St");
        EmployeeRec.CityStateZip = QStringLiteral("Austin, TX 78701");
        EmployeeRec.Department = QStringLiteral("Shop");
        EmployeeRec.Position = QStringLiteral("Welder");
        EmployeeRec.SocSecNum = QStringLiteral("123-45-6789");
        EmployeeRec.EmployeeNum = 7;
        module->RSEmployee.PostRec();
        addHourlyEmployee(QStringLiteral("Cole"), QStringLiteral("Ben"), 30, 2);
        postWeeks(5);
        readEmployee(1);
    }

    // Sends the next printout to a PDF file and returns its name.
    QString printToPdf(const QString& name)
    {
        const QString pdf = tempPath(name);
        ReportSystem::SetOutputOptionsHandler([pdf](const ReportSystem&, OutputChoice& choice) {
            choice.destination = ReportDestination::File;
            choice.fileName = pdf;
            return true;
        });
        return pdf;
    }

    // Saves the window's picture in the test's folder, and into LEDGORA_SCREENSHOTS when set.
    void screenshot(QWidget& window, const QString& name)
    {
        const QImage picture = window.grab().toImage();
        EXPECT_TRUE(picture.save(tempPath(name)));
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOTS");
        if (!folder.isEmpty())
            picture.save(QDir(folder).filePath(name));
    }
};

} // namespace

// A screen with room for the statement opens showing all its width, the scroll bar beside it.
void ExpectStatementWhole(const QScrollArea& box)
{
    const int needed = box.widget()->sizeHint().width();
    if (needed + 100 < box.screen()->availableGeometry().width()) {
        EXPECT_GE(box.viewport()->width(), needed);
    }
}

TEST_F(PriorPayPeriodsWindowTest, FivePeriodsOpenOnTheLatestAndStepThroughThePayDates)
{
    postFiveWeeks();
    dialogs.onNextModal([&](QDialog& dialog) {
        auto& w = dynamic_cast<TFrmPriorPayPeriods&>(dialog);
        EXPECT_EQ(PriorPayPeriodIndex, 5);
        ASSERT_EQ(w.CbxPayDates->count(), 5);
        EXPECT_EQ(w.CbxPayDates->itemText(0), QStringLiteral("01/07/2026 (1)"));
        EXPECT_EQ(w.CbxPayDates->currentText(), QStringLiteral("02/04/2026 (5)"));
        EXPECT_FALSE(w.BtnNext->isEnabled());
        EXPECT_FALSE(w.BtnLast->isEnabled());
        EXPECT_TRUE(w.BtnFirst->isEnabled());
        EXPECT_TRUE(w.BtnPrior->isEnabled());
        EXPECT_TRUE(w.BtnOther->isEnabled());
        EXPECT_EQ(w.PPPDateFromTo->text(), QStringLiteral("01/29/2026 to 02/04/2026"));
        EXPECT_EQ(w.PPPPayDate->text(), QStringLiteral("02/04/2026"));
        ExpectStatementWhole(*w.ScrollBox);
        EXPECT_EQ(w.PPPCheckNumber->text(), QStringLiteral("1005"));
        EXPECT_TRUE(w.PPPCheckNumber->isVisibleTo(&w));
        EXPECT_EQ(Amount(*w.Columns, 0), QStringLiteral("1,000.00"));
        EXPECT_EQ(Amount(*w.Columns, 19), QStringLiteral("78.00"));
        EXPECT_EQ(Amount(*w.Columns, kNetPayGroup), QStringLiteral("845.50"));

        w.BtnFirst->click();
        EXPECT_EQ(PriorPayPeriodIndex, 1);
        EXPECT_EQ(w.CbxPayDates->currentIndex(), 0);
        EXPECT_EQ(w.PPPPayDate->text(), QStringLiteral("01/07/2026"));
        EXPECT_EQ(w.PPPCheckNumber->text(), QStringLiteral("1001"));
        EXPECT_FALSE(w.BtnFirst->isEnabled());
        EXPECT_FALSE(w.BtnPrior->isEnabled());
        EXPECT_TRUE(w.BtnNext->isEnabled());
        w.BtnNext->click();
        EXPECT_EQ(w.PPPPayDate->text(), QStringLiteral("01/14/2026"));
        w.CbxPayDates->setCurrentIndex(3);
        EXPECT_EQ(PriorPayPeriodIndex, 4);
        EXPECT_EQ(w.PPPPayDate->text(), QStringLiteral("01/28/2026"));
        w.BtnPrior->click();
        EXPECT_EQ(w.CbxPayDates->currentIndex(), 2);
        w.BtnLast->click();
        EXPECT_EQ(w.PPPPayDate->text(), QStringLiteral("02/04/2026"));
        w.BtnClose->click();
    });
    ShowPriorPayPeriods();
}

TEST_F(PriorPayPeriodsWindowTest, OnePeriodTurnsThePayDateButtonsAndOtherOff)
{
    addHourlyEmployee(QStringLiteral("Baker"), QStringLiteral("Ann"), 25);
    postWeeks(1);
    dialogs.onNextModal([&](QDialog& dialog) {
        auto& w = dynamic_cast<TFrmPriorPayPeriods&>(dialog);
        for (QToolButton* button : {w.BtnFirst, w.BtnNext, w.BtnPrior, w.BtnLast})
            EXPECT_FALSE(button->isEnabled());
        EXPECT_FALSE(w.BtnOther->isEnabled());
        EXPECT_TRUE(w.BtnSummary->isEnabled());
        QTest::keyClick(&w, Qt::Key_Escape);
        EXPECT_FALSE(w.isVisible());
    });
    ShowPriorPayPeriods();
}

TEST_F(PriorPayPeriodsWindowTest, EmployeesStepWithTheNavigatorOnTheSamePayDate)
{
    postFiveWeeks();
    // Today's data, changed after the postings, is what the header shows.
    EmployeeRec.Address = QStringLiteral("9 Oak Ave");
    EmployeeRec.RegularRate = 26.5;
    EmployeeRec.Married = true;
    EmployeeRec.Single = false;
    EmployeeRec.FedWithAllow = 2;
    EmployeeRec.OtherRateDesc = QStringLiteral("Piecework");
    module->RSEmployee.PostRec();
    dialogs.onNextModal([&](QDialog& dialog) {
        auto& w = dynamic_cast<TFrmPriorPayPeriods&>(dialog);
        EXPECT_EQ(w.EmployeeFullName->text().trimmed(), QStringLiteral("Ann Baker"));
        EXPECT_EQ(w.EmployeeNum->text(), QStringLiteral("007"));
        EXPECT_EQ(w.EmployeeDeptPos->text(), QStringLiteral("Shop/Welder"));
        EXPECT_EQ(w.EmployeeAddress->text(), QStringLiteral("9 Oak Ave"));
        EXPECT_EQ(w.EmployeeCityStateZip->text(), QStringLiteral("Austin, TX 78701"));
        EXPECT_EQ(w.EmployeeSocSecNum->text(), QStringLiteral("123-45-6789"));
        EXPECT_EQ(w.EmployeeMarriedFedWithAllow->text(), QStringLiteral("Married/02"));
        EXPECT_EQ(w.EmployeeRegularRate->text(), QStringLiteral("26.500000"));
        EXPECT_EQ(w.LblOtherWages->text(), QStringLiteral("Piecework"));
        EXPECT_EQ(Amount(*w.Columns, 0), QStringLiteral("1,000.00"));
        w.BtnFirst->click();

        w.RSNavigator->Button(nbNext)->click();
        EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Cole"));
        EXPECT_EQ(PriorPayPeriodIndex, 1);
        EXPECT_EQ(w.EmployeeFullName->text().trimmed(), QStringLiteral("Ben Cole"));
        EXPECT_EQ(w.LblOtherWages->text(), QString());
        for (StatementColumn column : {StatementColumn::Earnings, StatementColumn::TaxesAndDeductions,
                                       StatementColumn::EmployerLiabilities, StatementColumn::OtherPayrollData})
            for (const StatementLine& line : StatementLines(column))
                EXPECT_EQ(Amount(*w.Columns, line.group), QStringLiteral("0.00")) << line.name;
        EXPECT_FALSE(w.PPPCheckNumber->isVisibleTo(&w));
        EXPECT_FALSE(w.LblCheckNumber->isVisibleTo(&w));

        // Alt+P, the navigator's Prior Employee, works from anywhere in the window.
        w.activateWindow();
        QTest::keyClick(w.CbxPayDates, Qt::Key_P, Qt::AltModifier);
        EXPECT_EQ(w.EmployeeFullName->text().trimmed(), QStringLiteral("Ann Baker"));
        EXPECT_TRUE(w.PPPCheckNumber->isVisibleTo(&w));
        w.BtnClose->click();
    });
    ShowPriorPayPeriods();
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Baker"));
}

TEST_F(PriorPayPeriodsWindowTest, NamelessUserItemsHideTheirAmounts)
{
    CompanyRec.UserEarnings[1] = QStringLiteral("R&D Bonus");
    CompanyRec.UserDeduct[3] = QStringLiteral("Union Dues");
    CompanyRec.TradeName = QStringLiteral("Acme & Sons");
    module->RSCompany.PostRec();
    addHourlyEmployee(QStringLiteral("Baker"), QStringLiteral("Ann"), 25);
    postWeeks(1);
    auto check = [](const TStatementColumns& columns, QWidget& window) {
        EXPECT_EQ(columns.Caption(11)->text(), QStringLiteral("R&D Bonus"));
        EXPECT_TRUE(columns.Amount(11)->isVisibleTo(&window));
        EXPECT_EQ(columns.Caption(12)->text(), QString());
        EXPECT_FALSE(columns.Amount(12)->isVisibleTo(&window));
        EXPECT_TRUE(columns.Amount(33)->isVisibleTo(&window));
        EXPECT_FALSE(columns.Amount(31)->isVisibleTo(&window));
        EXPECT_FALSE(columns.Amount(43)->isVisibleTo(&window));
    };
    dialogs.onNextModal([&](QDialog& dialog) {
        auto& w = dynamic_cast<TFrmPriorPayPeriods&>(dialog);
        check(*w.Columns, w);
        EXPECT_EQ(w.CompanyTradeName->text(), QStringLiteral("Acme & Sons"));
        dialogs.onNextModal([&](QDialog& summary) {
            check(*dynamic_cast<TFrmPPPSummary&>(summary).Columns, summary);
            summary.reject();
        });
        w.BtnSummary->click();
        dialog.reject();
    });
    ShowPriorPayPeriods();
}

TEST_F(PriorPayPeriodsWindowTest, AfterSixtySixPostingsTheLastLineIsTheLatestPayDate)
{
    addHourlyEmployee(QStringLiteral("Baker"), QStringLiteral("Ann"), 25);
    QDate payDate(2026, 1, 7);
    for (int posting = 1; posting <= 66; ++posting, payDate = payDate.addDays(5)) {
        postPeriod(payDate, 1, 5);
        if (HasFatalFailure())
            return;
    }
    const QDate latest = payDate.addDays(-5);
    dialogs.onNextModal([&](QDialog& dialog) {
        auto& w = dynamic_cast<TFrmPriorPayPeriods&>(dialog);
        ASSERT_EQ(w.CbxPayDates->count(), 65);
        EXPECT_EQ(w.CbxPayDates->itemText(64), latest.toString(QStringLiteral("MM/dd/yyyy")) + QStringLiteral(" (65)"));
        EXPECT_EQ(w.CbxPayDates->itemText(63), latest.addDays(-10).toString(QStringLiteral("MM/dd/yyyy")) + QStringLiteral(" (64)"));
        EXPECT_EQ(w.CbxPayDates->currentIndex(), 64);
        dialog.reject();
    });
    ShowPriorPayPeriods();
}

TEST_F(PriorPayPeriodsWindowTest, OtherViewNamesItsRangeAndRefusesToBeforeFrom)
{
    postFiveWeeks();
    dialogs.onNextModal([&](QDialog& dialog) {
        auto& w = dynamic_cast<TFrmPPPOther&>(dialog);
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Other Payroll Periods"));
        EXPECT_EQ(w.CompanyName->text(), QStringLiteral("Acme Tools"));
        EXPECT_EQ(w.EmployeeFullName->text().trimmed(), QStringLiteral("Of Employee Ann Baker"));
        EXPECT_EQ(w.CbxPayDateFrom->currentIndex(), 0);
        EXPECT_EQ(w.CbxPayDateTo->currentIndex(), 4);
        EXPECT_EQ(w.LblReportName->text(), QStringLiteral("Year-to-Date Earnings Report"));
        EXPECT_EQ(w.PPPDateFromTo->text(), QStringLiteral("For the Period 01/01/2026 to 02/04/2026"));
        EXPECT_EQ(Amount(*w.Columns, 0), QStringLiteral("5,000.00"));
        EXPECT_EQ(Amount(*w.Columns, 19), QStringLiteral("390.00"));
        EXPECT_EQ(Amount(*w.Columns, 17), QStringLiteral("310.00"));
        EXPECT_EQ(Amount(*w.Columns, 21), QStringLiteral("72.50"));
        EXPECT_EQ(Amount(*w.Columns, kGrossWagesGroup), QStringLiteral("5,000.00"));
        EXPECT_EQ(Amount(*w.Columns, kNetPayGroup), QStringLiteral("4,227.50"));

        w.CbxPayDateTo->setCurrentIndex(0);
        EXPECT_EQ(w.LblReportName->text(), QStringLiteral("Initial Earnings Report"));
        EXPECT_EQ(Amount(*w.Columns, 0), QStringLiteral("1,000.00"));
        w.CbxPayDateTo->setCurrentIndex(3);
        w.CbxPayDateFrom->setCurrentIndex(1);
        EXPECT_EQ(w.LblReportName->text(), QStringLiteral("Periodic Earnings Report"));
        EXPECT_EQ(w.PPPDateFromTo->text(), QStringLiteral("For the Period 01/08/2026 to 01/28/2026"));
        EXPECT_EQ(Amount(*w.Columns, 0), QStringLiteral("3,000.00"));

        // To before From: refused, and both lists keep the range whose sums are shown.
        messages.expect(IdOk, QStringLiteral("The pay date from cannot be"));
        w.CbxPayDateFrom->setCurrentIndex(4);
        EXPECT_TRUE(messages.last().flags & MbIconStop);
        EXPECT_EQ(w.CbxPayDateFrom->currentIndex(), 1);
        EXPECT_EQ(w.CbxPayDateTo->currentIndex(), 3);
        EXPECT_EQ(w.LblReportName->text(), QStringLiteral("Periodic Earnings Report"));
        EXPECT_EQ(Amount(*w.Columns, 0), QStringLiteral("3,000.00"));

        // A later slot of the same pay date as From, before To: refused as well.
        CompanyRec.PriorPayDate[5] = CompanyRec.PriorPayDate[4].get();
        w.CbxPayDateTo->setCurrentIndex(3);
        messages.expect(IdOk, QStringLiteral("The pay date from cannot be"));
        w.CbxPayDateFrom->setCurrentIndex(4);
        EXPECT_EQ(w.CbxPayDateFrom->currentIndex(), 1);
        EXPECT_EQ(Amount(*w.Columns, 0), QStringLiteral("3,000.00"));
        w.BtnClose->click();
    });
    ShowPPPOther();
}

TEST_F(PriorPayPeriodsWindowTest, OtherViewFromManualEntryStartsOnTheLatestPeriod)
{
    postFiveWeeks();
    PPPOtherFromManual = true;
    dialogs.onNextModal([&](QDialog& dialog) {
        auto& w = dynamic_cast<TFrmPPPOther&>(dialog);
        EXPECT_EQ(w.CbxPayDateFrom->currentIndex(), 4);
        EXPECT_EQ(w.CbxPayDateTo->currentIndex(), 4);
        EXPECT_EQ(w.LblReportName->text(), QStringLiteral("Last Earnings Report"));
        EXPECT_EQ(Amount(*w.Columns, kNetPayGroup), QStringLiteral("845.50"));
        dialog.reject();
    });
    ShowPPPOther();
}

TEST_F(PriorPayPeriodsWindowTest, SummaryAddsEveryEmployeeOfTheShownPeriod)
{
    postFiveWeeks();
    addHourlyEmployee(QStringLiteral("Dunn"), QStringLiteral("Cat"), 20);
    postWeeks(1);   // a sixth period, 01/07/2026 again, for Ann and Cat
    readEmployee(1);
    dialogs.onNextModal([&](QDialog& dialog) {
        auto& w = dynamic_cast<TFrmPriorPayPeriods&>(dialog);
        dialogs.onNextModal([&](QDialog& view) {
            auto& s = dynamic_cast<TFrmPPPSummary&>(view);
            EXPECT_EQ(s.windowTitle(), QStringLiteral("Prior Payroll Periods Summary"));
            EXPECT_EQ(s.LblPayrollSummary->text(), QStringLiteral("Payroll Summary"));
            EXPECT_EQ(s.PPPDateFromTo->text(), QStringLiteral("For the Payroll Period 01/01/2026 to 01/07/2026"));
            EXPECT_EQ(s.PPPPayDate->text(), QStringLiteral("Pay Date 01/07/2026"));
            ExpectStatementWhole(*s.ScrollBox);
            EXPECT_EQ(Amount(*s.Columns, 0), QStringLiteral("1,800.00"));
            view.reject();
        });
        w.CbxPayDates->setCurrentIndex(5);
        w.BtnSummary->click();
        EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Baker"));
        dialogs.onNextModal([&](QDialog& view) {
            auto& s = dynamic_cast<TFrmPPPSummary&>(view);
            EXPECT_EQ(s.PPPPayDate->text(), QStringLiteral("Pay Date 01/07/2026"));
            EXPECT_EQ(Amount(*s.Columns, 0), QStringLiteral("1,000.00"));   // Ben and Cat unpaid: zeros
            view.reject();
        });
        w.BtnFirst->click();
        w.BtnSummary->click();
        dialog.reject();
    });
    ShowPriorPayPeriods();
}

TEST_F(PriorPayPeriodsWindowTest, WithoutAStoredPeriodNoWindowOpens)
{
    for (void (*open)() : {&ShowPriorPayPeriods, &ShowPPPOther, &ShowPPPSummary}) {
        messages.expect(IdOk, QStringLiteral("There are no prior payroll periods to show."));
        open();
    }
}

TEST_F(PriorPayPeriodsWindowTest, PrintedStatementShowsTheEmployeeAndTheNetPay)
{
    postFiveWeeks();
    const QString statementPdf = printToPdf(QStringLiteral("statement.pdf"));
    dialogs.onNextModal([&](QDialog& dialog) {
        auto& w = dynamic_cast<TFrmPriorPayPeriods&>(dialog);
        messages.expect(IdCancel, QStringLiteral("Make sure your printer is on line and loaded with paper."));
        w.BtnPrint->click();
        EXPECT_FALSE(QFile::exists(statementPdf));
        messages.expect(IdOk, QStringLiteral("Make sure your printer is on line and loaded with paper."));
        w.BtnPrint->click();
        dialogs.onNextModal([&](QDialog& view) {
            printToPdf(QStringLiteral("other.pdf"));
            messages.expect(IdOk, QStringLiteral("printer is on line"));
            dynamic_cast<TFrmPPPOther&>(view).BtnPrint->click();
            view.reject();
        });
        w.BtnOther->click();
        dialog.reject();
    });
    ShowPriorPayPeriods();

    const QString statement = PdfText(statementPdf);
    EXPECT_TRUE(statement.contains(QStringLiteral("Earnings Statement"))) << statement.toStdString();
    EXPECT_TRUE(statement.contains(QStringLiteral("Ann Baker")));
    EXPECT_TRUE(statement.contains(QStringLiteral("845.50")));
    EXPECT_TRUE(statement.contains(QStringLiteral("Qualified overtime")));
    EXPECT_FALSE(statement.contains(QStringLiteral("Summary")));   // the buttons are not printed
    const QString other = PdfText(tempPath(QStringLiteral("other.pdf")));
    EXPECT_TRUE(other.contains(QStringLiteral("Of Employee Ann Baker"))) << other.toStdString();
    EXPECT_TRUE(other.contains(QStringLiteral("Year-to-Date Earnings Report")));
    EXPECT_TRUE(other.contains(QStringLiteral("4,227.50")));
    const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QFile::copy(statementPdf, QDir(folder).filePath(QStringLiteral("statement.pdf")));
        QFile::copy(tempPath(QStringLiteral("other.pdf")), QDir(folder).filePath(QStringLiteral("other.pdf")));
    }
}

TEST_F(PriorPayPeriodsWindowTest, NoTextIsCutOffInTheWindowsStyleOrCyanDusk)
{
    CompanyRec.UserEarnings[1] = QStringLiteral("WWWWWWWWWWWWWWWWWWWW");
    CompanyRec.UserDeduct[1] = QStringLiteral("WWWWWWWWWWWWWWWWWWWW");
    CompanyRec.UserLib[1] = QStringLiteral("WWWWWWWWWWWWWWWWWWWW");
    CompanyRec.TradeName = QStringLiteral("Tools & Dies");
    CompanyRec.Address = QStringLiteral("400 Congress Ave");
    CompanyRec.SuiteNum = QStringLiteral("12");
    module->RSCompany.PostRec();
    postFiveWeeks();
    for (const char* style : {"Windows", "Cyan Dusk"}) {
        const QString name = QString::fromLatin1(style);
        ApplyStyleSheet(LoadStyleSheet(QCoreApplication::applicationDirPath() + QStringLiteral("/styles"), name));
        const QString suffix = QString(name).remove(QChar(' ')) + QStringLiteral(".png");
        dialogs.onNextModal([&](QDialog& dialog) {
            auto& w = dynamic_cast<TFrmPriorPayPeriods&>(dialog);
            EXPECT_EQ(CutOffTexts(w), QStringList()) << style;
            screenshot(w, QStringLiteral("PriorPayPeriods-") + suffix);
            screenshot(*w.Statement, QStringLiteral("PriorPayPeriodsStatement-") + suffix);
            dialogs.onNextModal([&](QDialog& view) {
                EXPECT_EQ(CutOffTexts(view), QStringList()) << style;
                screenshot(view, QStringLiteral("PPPOther-") + suffix);
                view.reject();
            });
            w.BtnOther->click();
            dialogs.onNextModal([&](QDialog& view) {
                EXPECT_EQ(CutOffTexts(view), QStringList()) << style;
                screenshot(view, QStringLiteral("PPPSummary-") + suffix);
                view.reject();
            });
            w.BtnSummary->click();
            dialog.reject();
        });
        ShowPriorPayPeriods();
    }
}
