#include "TestSupport.h"
#include "TextContrast.h"
#include "TextRoom.h"

#include "../preview/PreviewFixture.h"
#include "FormsFixture.h"

#include "checks/ui/PayCheckGen.h"
#include "checks/ui/PayCheckSetup.h"
#include "checks/ui/PayChecks.h"
#include "checks/ui/PayPriorPayDates.h"
#include "checks/ui/PayReportType.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/StylePack.h"
#include "client/TaxTableFiles.h"
#include "client/ui/About.h"
#include "client/ui/Backup.h"
#include "client/ui/FormW4.h"
#include "client/ui/HelpWindow.h"
#include "client/ui/Launchers.h"
#include "client/ui/NewFileDlg.h"
#include "client/ui/Password.h"
#include "client/ui/PayCity.h"
#include "client/ui/PayCompany.h"
#include "client/ui/PayEmployee.h"
#include "client/ui/PayFederal.h"
#include "client/ui/PayNewEmployee.h"
#include "client/ui/PayPreparer.h"
#include "client/ui/PayState.h"
#include "client/ui/PayTransfer.h"
#include "client/ui/Restore.h"
#include "client/ui/Scaling.h"
#include "client/ui/ScreenRules.h"
#include "client/ui/Startup.h"
#include "client/ui/VisualStyle.h"
#include "client/ui/Welcome.h"
#include "components/ui/Calculator.h"
#include "components/ui/Calendar.h"
#include "components/ui/MsgWin.h"
#include "components/ui/OutputOptionsWindow.h"
#include "components/ui/PasswordDlg.h"
#include "components/ui/PrinterSetupWindow.h"
#include "components/ui/RecList.h"
#include "efw2/ui/PayEFW2.h"
#include "efw2/ui/PayNJEFW2.h"
#include "components/ui/ReportPreviewWindow.h"
#include "components/ui/StateEdit.h"
#include "components/ui/StateList.h"
#include "components/StateTables.h"
#include "forms/ui/Form1094C.h"
#include "forms/ui/Form1095C.h"
#include "forms/ui/PayFormCopy.h"
#include "forms/ui/PayNJUDI.h"
#include "forms/ui/PayNJW3.h"
#include "forms/ui/PayNJUIDIRateAdjt.h"
#include "forms/ui/ScheduleB.h"
#include "forms/ui/FormW2.h"
#include "forms/ui/IRSBox12Codes.h"
#include "forms/ui/TTOBox14bCodes.h"
#include "forms/ui/W2FormType.h"
#include "forms/ui/FormW3.h"
#include "forms/ui/Form940.h"
#include "forms/ui/Form941.h"
#include "forms/ui/Form944.h"
#include "payroll/AutoProcessing.h"
#include "payroll/PayCompute.h"
#include "payroll/PayPeriod.h"
#include "payroll/Posting.h"
#include "payroll/ui/PayClock.h"
#include "payroll/ui/PayManual.h"
#include "payroll/ui/PayPPPOther.h"
#include "payroll/ui/PayPPPSummary.h"
#include "payroll/ui/PayPeriodDlg.h"
#include "payroll/ui/PayPostDlg.h"
#include "payroll/ui/PayPriorPayPeriods.h"
#include "payroll/ui/PayRecurring.h"
#include "payroll/ui/PayUserSetup.h"
#include "platform/AppMessageBox.h"
#include "platform/Folders.h"
#include "platform/Registry.h"
#include "reports/ui/PayCustomRpt.h"
#include "reports/ui/PayIndEmpPayRpt.h"
#include "reports/ui/PayReconcileRpt.h"
#include "reports/ui/PayReports.h"
#include "reports/ui/PayTaxLiability.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QtTest/QTest>

#include <functional>
#include <memory>

namespace {

const QString kRoot = QStringLiteral("Software\\Ledgora\\2026\\");

QString builtFile(const QString& name)
{
    return QCoreApplication::applicationDirPath() + QChar('/') + name;
}

// A window kept together with whatever must outlive it.
template <typename Window, typename Owner>
std::shared_ptr<QWidget> Keeping(std::shared_ptr<Owner> owner, Window* window)
{
    return std::shared_ptr<QWidget>(owner, window);
}

// Starts the program as the user does; with a client path, that client opens at start.
std::shared_ptr<QWidget> MainWindow(const QStringList& arguments)
{
    MainWindowOptions options;
    options.arguments = arguments;
    options.splashMilliseconds = 0;
    std::shared_ptr<LedgoraSession> session = StartLedgora(QSize(1600, 1000), options);
    return Keeping(session, session->mainWindow.get());
}

int StateNumber(const char* code)
{
    return StateCodeIndex(QLatin1String(code)) + 1;
}

// A landscaping firm in Texas with one weekly hourly employee, every entry its screens require
// filled with long-ish text.
void WriteSampleRecords(TFrmDataModule& module)
{
    CompanyRec.Name = QStringLiteral("Wellington Mountainview Landscaping & Gardens");
    CompanyRec.TradeName = QStringLiteral("Mountainview Gardens & Stoneworks");
    CompanyRec.Address = QStringLiteral("12800 Research Blvd");
    CompanyRec.SuiteNum = QStringLiteral("310");
    CompanyRec.City = QStringLiteral("Austin");
    CompanyRec.State = QStringLiteral("TX");
    CompanyRec.ZipCode = QStringLiteral("78750");
    CompanyRec.PhoneNumber = QStringLiteral("512-555-0147");
    CompanyRec.FederalID = QStringLiteral("74-2918365");
    CompanyRec.FourCharID = QStringLiteral("WELL");
    const int texas = StateNumber("TX");
    CompanyRec.CurrentState = texas;
    CompanyRec.StateID[texas] = QStringLiteral("99-887766-5");
    CompanyRec.UnempTaxRate[texas] = 2.7;
    CompanyRec.UnempMaxWage[texas] = 9000;
    CompanyRec.StartChkNum = 1001;
    module.RSCompany.PostRec();

    EmployeeRecord& e = EmployeeRec;
    e.FirstName = QStringLiteral("Bartholomew");
    e.MiddleName = QStringLiteral("Quincy");
    e.LastName = QStringLiteral("Montgomery-Wellesley");
    e.FullName = QStringLiteral("Bartholomew Montgomery-Wellesley");
    e.Address = QStringLiteral("4417 Shoal Creek Blvd");
    e.City = QStringLiteral("Austin");
    e.State = QStringLiteral("TX");
    e.ZipCode = QStringLiteral("78756");
    e.CityStateZip = QStringLiteral("Austin, TX 78756");
    e.EmployeeNum = 107;
    e.WorkState = QStringLiteral("TX");
    e.WorkStateIndex = texas;
    e.PhoneNumber = QStringLiteral("512-555-0193");
    e.Gender = u'M';
    e.SocSecNum = QStringLiteral("412-68-3051");
    e.Department = QStringLiteral("Hardscaping");
    e.Position = QStringLiteral("Crew Supervisor");
    for (auto* date : {&e.DateOfBirth, &e.DateHired, &e.DatePromoted, &e.DateOfRaise, &e.DateReviewed, &e.DateNextRev,
                       &e.DateSuspend, &e.DateSuspEnds, &e.DateResigned})
        *date = QStringLiteral("  /  /    ");
    e.Frequency = 1;
    e.Single = true;
    e.RegularRate = 27.5;
    e.OverTimeRate = 41.25;
    e.StdRegTime = 40;
    module.RSEmployee.PostRec();
}

// A client written and closed again, so that it opens as any existing client does.
QString SampleClient(const QString& name = QStringLiteral("Wide Client"), const std::function<void(TFrmDataModule&)>& more = {})
{
    const QString path = QDir::homePath() + QStringLiteral("/Documents/Ledgora/2026/Data/") + name + QStringLiteral(".P26");
    if (QFileInfo::exists(path))
        return path;
    QDir().mkpath(QFileInfo(path).path());
    {
        TFrmDataModule module;
        module.OpenClient(path);
        WriteSampleRecords(module);
        module.RSEmployee.CloseRecSet();
    }
    ResetClientState();
    if (more) {
        TFrmDataModule module;
        module.OpenClient(path);
        more(module);
    }
    ResetClientState();
    return path;
}

// Five weekly pay periods opened, computed and posted as the user does it; the pay cycle's
// questions are answered OK.
void PostFiveWeeks(TFrmDataModule& module)
{
    LoadFederalTable(builtFile(QStringLiteral("LEDGORA.FTT")), FederalTaxRec);
    PostingConfirmation = [] { return true; };
    const MessageBoxHandler previous = SetMessageBoxHandler([&previous](const QString& text, const QString& caption, int flags) {
        for (const char* part : {"automatically process", "\"Close Month\" command"})
            if (text.contains(QLatin1String(part)))
                return int(IdOk);
        return previous(text, caption, flags);
    });
    for (int week = 0; week < 5; ++week) {
        const QDate payDate = QDate(2026, 1, 7).addDays(7 * week);
        PayPeriodForm form;
        form.PayDateFrom = payDate.addDays(-6).toString(QStringLiteral("MM/dd/yyyy"));
        form.PayDateTo = payDate.toString(QStringLiteral("MM/dd/yyyy"));
        form.PayDate = form.PayDateTo;
        form.StartChkNum = QString::number(CompanyRec.StartChkNum);
        form.ProcessFrequency = 1;
        EXPECT_TRUE(ProcessPayPeriod(form, false, false, [](PayPeriodField) { ADD_FAILURE() << "Pay period refused"; }));
        module.RSCompany.PostRec();
        AutomaticProcessing();
        PostPayroll();
        EXPECT_TRUE(CompanyRec.PayrollPosted);
    }
    SetMessageBoxHandler(previous);
    PostingConfirmation = nullptr;
}

QString PostedClient()
{
    return SampleClient(QStringLiteral("Posted Client"), PostFiveWeeks);
}

// The sample client with its weekly pay period open, the employee's pay computed.
QString OpenPeriodClient()
{
    return SampleClient(QStringLiteral("Open Period Client"), [](TFrmDataModule& module) {
        LoadFederalTable(builtFile(QStringLiteral("LEDGORA.FTT")), FederalTaxRec);
        CompanyRec.PayDateFrom = QStringLiteral("01/05/2026");
        CompanyRec.PayDateTo = QStringLiteral("01/11/2026");
        CompanyRec.PayDate = QStringLiteral("01/16/2026");
        CompanyRec.LastChkNum = 1001;
        module.RSCompany.PostRec();
        module.RSEmployee.GetRec();
        EmployeeRec.RegularTime = 40;
        EmployeeRec.CheckNumber = 1001;
        CalculateEmployeePay();
        module.RSEmployee.PostRec();
    });
}

// A screen over an open client; the screen goes before the client closes.
template <typename Screen>
struct ClientScreen {
    TFrmDataModule module;
    std::unique_ptr<Screen> screen;
};

template <typename Screen, typename... Arguments>
std::shared_ptr<QWidget> OnClient(const QString& path, const Arguments&... arguments)
{
    auto kept = std::make_shared<ClientScreen<Screen>>();
    EXPECT_TRUE(kept->module.OpenClient(path));
    kept->screen = std::make_unique<Screen>(arguments...);
    return Keeping(kept, kept->screen.get());
}

// The sample client with user fields named by the company, the employee's recurring amounts
// entered and the union dues set up per regular hour.
QString RecurringClient()
{
    return SampleClient(QStringLiteral("Recurring Client"), [](TFrmDataModule& module) {
        CompanyRec.UserEarnings[1] = QStringLiteral("Equipment allowance");
        CompanyRec.UserDeduct[1] = QStringLiteral("Union dues");
        CompanyRec.UserDeduct[2] = QStringLiteral("Uniform rental");
        CompanyRec.UserLib[1] = QStringLiteral("Employer HSA match");
        module.RSCompany.PostRec();
        EmployeeRec.RUserPay1 = 125;
        EmployeeRec.RUserDeduct2 = 18.75;
        EmployeeRec.RUserLib1 = 50;
        EmployeeRec.RHealthIns = 212.4;
        EmployeeRec.UserAction[6] = 3;
        EmployeeRec.UserAmount[6] = 0.85;
        EmployeeRec.UserMaxAmt[6] = 1200;
        module.RSEmployee.PostRec();
    });
}

// The sample employee's Form W-4: married, two children and one other dependent.
W4Entries SampleW4()
{
    W4Entries entries;
    entries.FirstName = QStringLiteral("Bartholomew");
    entries.MiddleName = QStringLiteral("Quincy");
    entries.LastName = QStringLiteral("Montgomery-Wellesley");
    entries.SocSecNum = QStringLiteral("412-68-3051");
    entries.Address = QStringLiteral("4417 Shoal Creek Blvd");
    entries.City = QStringLiteral("Austin");
    entries.State = QStringLiteral("TX");
    entries.ZipCode = QStringLiteral("78756");
    entries.Married = true;
    entries.FW4Box3a = 4400;
    entries.FW4Box3b = 500;
    entries.FW4Box3 = 4900;
    entries.FW4Box4a = 1200;
    entries.FedAddTax = 25;
    return entries;
}

// The help topics as installed beside the program.
void InstallHelp()
{
    const QString shipped = builtFile(QStringLiteral("help/"));
    const QString installed = ProgramDir() + QStringLiteral("help/");
    QDir().mkpath(installed);
    for (const QString& file : QDir(shipped).entryList(QDir::Files))
        if (!QFileInfo::exists(installed + file))
            QFile::copy(shipped + file, installed + file);
}

struct PrinterSetupWindow {
    Registry registry;
    TFrmPrinterSetup window{registry, kRoot};
};

OutputChoice PreviewChoice()
{
    OutputChoice choice;
    choice.destination = ReportDestination::Preview;
    return choice;
}

// Every window of the program, as the user first sees it. A new window joins the tests below
// (text fit in every style and scaling, Esc as Cancel) with one line here: its name and how to
// make it, and for a window that asks before it lets its entries go, the question and the answer
// that leaves.
struct WindowMaker {
    const char* name;
    std::function<std::shared_ptr<QWidget>()> make;
    const char* leavingAsks = nullptr;
    int leavingAnswer = IdYes;
    // A refusal of the entries the window reports (answered OK) before it asks; it then leaves
    // as its Cancel does.
    const char* leavingRefuses = nullptr;
};

const WindowMaker kWindows[] = {
    {"MainWindow", [] { return MainWindow({}); }},
    {"MainWindowWithClient", [] { return MainWindow({SampleClient()}); }},
    {"Welcome", [] { return std::make_shared<TFrmWelcome>(); }},
    {"NewFile", [] { return std::make_shared<TFrmNewFileDlg>(); }},
    {"Scaling", [] { return std::make_shared<TFrmScaling>(); }},
    {"ClientPassword", [] { return std::make_shared<TFrmPassword>(); }},
    {"Backup", [] {
         auto window = std::make_shared<TFrmBackup>();
         window->LblFileName->setText(QStringLiteral("Wellington Mountainview Landscaping.P26"));
         window->LblLocation->setText(QStringLiteral("/home/bookkeeper/Documents/Ledgora/2026/Data/"));
         return window;
     }},
    {"Restore", [] { return std::make_shared<TFrmRestore>(); }},
    {"PasswordPrompt", [] { return std::make_shared<TPasswordDlg>(); }},
    {"PrinterSetup", [] {
         auto kept = std::make_shared<PrinterSetupWindow>();
         return Keeping(kept, &kept->window);
     }},
    {"OutputOptionsBeforeReport", [] {
         return std::make_shared<TFrmOutputOptions>(QStringLiteral("Employee Earnings Statement Output Options"),
                                                    AllSystemSetups, TFrmOutputOptions::Mode::BeforeReport,
                                                    PreviewChoice());
     }},
    {"OutputOptionsFromPreview", [] {
         return std::make_shared<TFrmOutputOptions>(QStringLiteral("Output Options"), AllSystemSetups,
                                                    TFrmOutputOptions::Mode::FromPreview, PreviewChoice(), 12);
     }},
    {"ReportPreview", [] {
         auto window = std::make_shared<TFrmReportPreview>();
         window->setWindowTitle(QStringLiteral("Saved Reports Preview"));
         return window;
     }},
    {"MessageWindow", [] {
         auto window = std::make_shared<TFrmMsgWin>();
         window->setWindowTitle(QStringLiteral("Ledgora 2026"));
         window->LblMsg->setText(QStringLiteral("Copying files to /media/bookkeeper/USB DRIVE/Ledgora Backups/2026"));
         return window;
     }},
    {"Calendar", [] { return std::make_shared<TFrmCalendar>(); }},
    {"Calculator", [] { return std::make_shared<TCalculator>(QStringLiteral("1,234.56"), 2); }},
    {"EmployeeList", [] {
         auto window = std::make_shared<TFrmRecList>();
         window->AssignEntries({QStringLiteral("Montgomery-Washington, Bartholomew Q."),
                                QStringLiteral("Smith, Ann"), QStringLiteral("Zimmermann, Wolfgang")});
         return window;
     }},
    {"StateList", [] {
         auto window = std::make_shared<TFrmStateList>();
         window->AssignLabels(QStringLiteral("Select the state to add"), QStringLiteral("and click Ok"));
         return window;
     }},
    {"Help", [] {
         InstallHelp();
         auto window = std::make_shared<TFrmHelp>();
         EXPECT_TRUE(window->ShowTopic(1));
         return window;
     }},
    {"About", [] { return std::make_shared<TFrmAbout>(); }},
    {"Company", [] { return OnClient<TFrmCompany>(SampleClient()); }},
    {"CompanyStateMissing", [] {
         // The state box coloured as a missing entry, as a new client's screen opens.
         return OnClient<TFrmCompany>(SampleClient(QStringLiteral("No State Client"), [](TFrmDataModule& module) {
             CompanyRec.State = QString();
             module.RSCompany.PostRec();
         }));
     }, "Close without saving the changes?", IdYes, "State name is missing"},
    {"Federal", [] {
         LoadFederalTable(builtFile(QStringLiteral("LEDGORA.FTT")), FederalTaxRec);
         return std::make_shared<TFrmFederal>();
     }},
    {"State", [] { return OnClient<TFrmState>(SampleClient()); }},
    {"City", [] { return OnClient<TFrmCity>(SampleClient()); }},
    {"Preparer", [] {
         PreparerRec.PrepName = QStringLiteral("Genevieve Alexandra Worthington-Blake");
         PreparerRec.FirmName = QStringLiteral("Worthington-Blake Bookkeeping & Payroll LLC");
         PreparerRec.Address = QStringLiteral("9600 Great Hills Trail Ste 150");
         PreparerRec.City = QStringLiteral("Austin");
         PreparerRec.State = QStringLiteral("TX");
         PreparerRec.ZipCode = QStringLiteral("78759");
         PreparerRec.Phone = QStringLiteral("512-555-0168");
         PreparerRec.PTIN = QStringLiteral("P01234567");
         return std::make_shared<TFrmPreparer>();
     }},
    {"Employee", [] { return OnClient<TFrmEmployee>(SampleClient()); }},
    {"PriorPayPeriods", [] { return OnClient<TFrmPriorPayPeriods>(PostedClient()); }},
    {"PriorPayPeriodsOther", [] { return OnClient<TFrmPPPOther>(PostedClient()); }},
    {"PriorPayPeriodsSummary", [] { return OnClient<TFrmPPPSummary>(PostedClient()); }},
    {"FormW4", [] {
         CopyShippedForms(ProgramDir());
         return OnClient<TFrmW4>(SampleClient(), SampleW4(), false);
     }, "are you sure you want to cancel?"},
    {"NewEmployee", [] {
         CopyShippedForms(ProgramDir());
         return OnClient<TFrmNewEmployee>(SampleClient());
     }, "This will discard all entries", IdOk},
    {"Transfer", [] {
         AppRegistry = std::make_unique<Registry>();
         return std::make_shared<TFrmTransfer>();
     }},
    {"PayPeriod", [] { return OnClient<TFrmPayPeriod>(SampleClient()); }},
    {"PostPayroll", [] { return std::make_shared<TFrmPostPayrollDlg>([] {}); }},
    {"Recurring", [] { return OnClient<TFrmRecurring>(RecurringClient()); }},
    {"UserFieldSetup", [] { return OnClient<TFrmUserSetup>(RecurringClient(), 6); }},
    {"CheckPrinting", [] { return OnClient<TFrmCheck>(PostedClient()); }},
    {"CheckSetup", [] { return OnClient<TFrmCheckSetup>(SampleClient()); }},
    {"CheckGenerator", [] { return OnClient<TFrmPayCheckGen>(SampleClient()); }},
    {"ScheduleB", [] {
         CopyShippedForms(ProgramDir());
         return OnClient<TFrmScheduleB>(PostedClient());
     }},
    {"FormCopy", [] {
         auto window = std::make_shared<TFrmFormCopy>();
         window->setWindowTitle(QStringLiteral("Schedule B (Form 941)"));
         return window;
     }},
    {"ReportWindow", [] {
         ReportKind = 11;
         return OnClient<TFrmReports>(SampleClient());
     }},
    {"ReportType", [] { return OnClient<TFrmReportType>(SampleClient()); }},
    {"PriorPayDatesReport", [] { return OnClient<TFrmPriorPayDatesRpt>(PostedClient()); }},
    {"CustomPayReport", [] { return OnClient<TFrmCustomPayRpt>(PostedClient()); }},
    {"IndividualEmployeeReport", [] { return OnClient<TFrmIndEmpPayRpt>(PostedClient()); }},
    {"ManualEntry", [] { return OnClient<TFrmManual>(OpenPeriodClient()); }},
    {"PayrollClock", [] { return std::make_shared<TFrmClock>(); }},
    {"FormW2", [] {
         CopyShippedForms(ProgramDir());
         return OnClient<TFrmW2>(PostedClient());
     }},
    {"IRSBox12Codes", [] { return std::make_shared<TFrmIRSBox12Codes>(); }},
    {"TTOBox14bCodes", [] { return std::make_shared<TFrmTTOBox14bCodes>(); }},
    {"FormW2Type", [] { return std::make_shared<TFrmFormType>(); }},
    {"EFW2", [] { return OnClient<TFrmEFW2>(PostedClient()); }},
    {"FormW3", [] {
         CopyShippedForms(ProgramDir());
         auto window = OnClient<TFrmW3>(PostedClient());
         // A complete W-3 closes without a word.
         CompanyRec.FW3ChkMark[1] = CompanyRec.FW3ChkMark[8] = true;
         CompanyRec.FW3Contact = QStringLiteral("Pat Doe");
         return window;
     }},
    {"Form940", [] {
         CopyShippedForms(ProgramDir());
         return OnClient<TFrm940>(PostedClient());
     }},
    {"Form941", [] {
         CopyShippedForms(ProgramDir());
         return OnClient<TFrm941>(PostedClient());
     }},
    {"Form944", [] {
         CopyShippedForms(ProgramDir());
         return OnClient<TFrm944>(PostedClient());
     }},
    {"NJUDI", [] {
         CopyShippedForms(ProgramDir());
         return OnClient<TFrmNJUDI>(PostedClient());
     }},
    {"NJUIDIRateChange", [] { return std::make_shared<TFrmNJUIDIRA>(); }},
    {"Form1095C", [] {
         CopyShippedForms(ProgramDir());
         return OnClient<TFrm1095C>(PostedClient());
     }},
    {"Form1094C", [] {
         CopyShippedForms(ProgramDir());
         return OnClient<TFrm1094C>(PostedClient());
     }},
    {"PayrollRegister", [] { return OnClient<TFrmReconcileRpt>(PostedClient()); }},
    {"TaxLiability", [] { return OnClient<TFrmTaxLiability>(PostedClient()); }},
    {"NJW3", [] {
         CopyShippedForms(ProgramDir());
         return OnClient<TFrmNJW3>(PostedClient());
     }},
    {"NJEFW2", [] { return OnClient<TFrmNJEFW2>(PostedClient(), EFW2SubmitterRecord {}); }},
};

void PrintTo(const WindowMaker& maker, std::ostream* os)
{
    *os << maker.name;
}

struct Look {
    QString style;   // empty: the plain look without a style sheet
    int scaling;
};

std::vector<Look> Looks()
{
    std::vector<Look> looks;
    QStringList styles = AvailableStyles(builtFile(QStringLiteral("styles/")));
    styles.prepend(QString());
    for (const QString& style : styles)
        for (int scaling : {100, 85})
            looks.push_back({style, scaling});
    return looks;
}

class ProgramWindowTest : public PreviewTest, public ::testing::WithParamInterface<WindowMaker> {
protected:
    void SetUp() override
    {
        PreviewTest::SetUp();
        savedFolder_ = QDir::currentPath();
        ResetClientState();
        printers->printers[QStringLiteral("Brother HL-L2350DW series (Upstairs Office)")] = {
            {QStringLiteral("Letter"), QStringLiteral("Legal"), QStringLiteral("Envelope #10 (4.125 x 9.5 in)")},
            {QStringLiteral("Automatically Select")}};
        ASSERT_TRUE(QFile::copy(builtFile(QStringLiteral("LEDGORA.FTT")), programDir() + QStringLiteral("/LEDGORA.FTT")));
        Registry registry;
        ASSERT_TRUE(registry.OpenKey(kRoot + QStringLiteral("Splash"), true));
        registry.WriteBool(QStringLiteral("Display"), false);
        registry.CloseKey();
        ASSERT_TRUE(QDir().mkpath(programDir() + QStringLiteral("/styles")));
        const QDir shipped(builtFile(QStringLiteral("styles")));
        for (const QString& file : shipped.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(shipped.filePath(file), programDir() + QStringLiteral("/styles/") + file));
        UseFusionStyle();
    }

    // The window made and shown after the program started with the style saved in its settings,
    // as the next start after choosing the style does: the look is the one the start made.
    static std::shared_ptr<QWidget> ShowAfterStartIn(const WindowMaker& maker, const QString& style)
    {
        ApplyStyleSheet(QString());
        UseFusionStyle();
        Registry registry;
        EXPECT_TRUE(registry.OpenKey(kRoot + QStringLiteral("Style"), true));
        registry.WriteString(QStringLiteral("StyleName"), style);
        registry.CloseKey();
        MainWindowOptions options;
        options.splashMilliseconds = 0;
        EXPECT_TRUE(StartLedgora(QSize(1600, 1000), options));
        EXPECT_EQ(ActiveStyleName, style);
        std::shared_ptr<QWidget> window = maker.make();
        if (window) {
            window->show();
            QCoreApplication::processEvents();
        }
        return window;
    }

    // The window made and shown under the visual style (none: the plain look).
    static std::shared_ptr<QWidget> ShowInStyle(const WindowMaker& maker, const QString& style)
    {
        const QString sheet = style.isEmpty() ? QString() : LoadStyleSheet(builtFile(QStringLiteral("styles/")), style);
        ApplyStyleSheet(sheet);
        std::shared_ptr<QWidget> window = maker.make();
        if (!window)
            return window;
        // Starting the program applies the style of its settings; the look under test comes back.
        if (qApp->styleSheet() != sheet)
            ApplyStyleSheet(sheet);
        window->show();
        QCoreApplication::processEvents();
        return window;
    }

    // Closes the window, answering the question it asks before it lets its entries go.
    void close(const WindowMaker& maker, QWidget& window)
    {
        expectLeaving(maker);
        window.close();
    }

    void expectLeaving(const WindowMaker& maker)
    {
        if (maker.leavingRefuses)
            messages.expect(IdOk, QString::fromUtf8(maker.leavingRefuses));
        if (maker.leavingAsks)
            messages.expect(maker.leavingAnswer, QString::fromUtf8(maker.leavingAsks));
    }

    void TearDown() override
    {
        InstallLaunchers();
        ResetClientState();
        ScalingPercent = 100;
        ApplyStyleSheet(QString());
        QDir::setCurrent(savedFolder_);
        PreviewTest::TearDown();
    }

private:
    QString savedFolder_;
};

// Windows whose text does not fit show it cut: every caption, button and choice must have the
// room it needs in every style, at every scaling.
TEST_P(ProgramWindowTest, EveryTextHasItsRoom)
{
    const WindowMaker& maker = GetParam();
    const QByteArray shots = qgetenv("LEDGORA_SCREENSHOTS");
    for (const Look& look : Looks()) {
        ScalingPercent = look.scaling;
        std::shared_ptr<QWidget> window = ShowInStyle(maker, look.style);
        ASSERT_TRUE(window);
        const QStringList cut = CutTexts(*window);
        EXPECT_TRUE(cut.isEmpty()) << maker.name << " in \"" << look.style.toStdString() << "\" at " << look.scaling
                                   << " %:\n  " << cut.join(QStringLiteral("\n  ")).toStdString();
        if (!shots.isEmpty() && look.scaling == 100)
            window->grab().save(QStringLiteral("%1/%2 %3.png")
                                    .arg(QString::fromLocal8Bit(shots), QLatin1String(maker.name),
                                         look.style.isEmpty() ? QStringLiteral("plain") : look.style));
        close(maker, *window);
    }
}

// Under every visual style each text of every window, and of every list and menu it opens,
// reads clearly against what is drawn behind it: whether the style was chosen while the program
// ran or was saved in the settings and applied as the program started.
TEST_P(ProgramWindowTest, EveryTextStandsOutFromItsBackground)
{
    const WindowMaker& maker = GetParam();
    const QStringList styles = AvailableStyles(builtFile(QStringLiteral("styles/")));
    const auto check = [&](const QString& style, const char* how, const std::shared_ptr<QWidget>& window) {
        ASSERT_TRUE(window);
        const QStringList faint = FaintTexts(*window);
        EXPECT_TRUE(faint.isEmpty()) << maker.name << " in \"" << style.toStdString() << "\" " << how << ":\n  "
                                     << faint.join(QStringLiteral("\n  ")).toStdString();
        close(maker, *window);
    };
    for (const QString& style : QStringList(QString()) + styles)
        check(style, "chosen while running", ShowInStyle(maker, style));
    for (const QString& style : styles)
        check(style, "saved before the start", ShowAfterStartIn(maker, style));
}

// Esc leaves every dialog as its Cancel does, wherever the focus is.
TEST_P(ProgramWindowTest, EscapeActsAsCancel)
{
    const WindowMaker& maker = GetParam();
    std::shared_ptr<QWidget> window = maker.make();
    auto* dialog = qobject_cast<QDialog*>(window.get());
    if (!dialog)
        GTEST_SKIP() << "not a dialog";
    dialog->show();
    QCoreApplication::processEvents();
    QWidget* focused = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    expectLeaving(maker);
    QTest::keyClick(focused, Qt::Key_Escape);
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_FALSE(dialog->isVisible());
    // A setup screen keeps its entries when it is left, whichever way: with entries it accepts,
    // Esc closes it through its save.
    const int left = qobject_cast<TSetupScreen*>(dialog) && !maker.leavingRefuses ? QDialog::Accepted : QDialog::Rejected;
    EXPECT_EQ(dialog->result(), left);
}

INSTANTIATE_TEST_SUITE_P(Windows, ProgramWindowTest, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<WindowMaker>& info) { return std::string(info.param.name); });

} // namespace
