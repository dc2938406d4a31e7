#include "TestSupport.h"

#include "client/MenuEnabling.h"

#include <set>
#include <string>

namespace {

using enum MenuItem;

// Every item that some rule switches; all others are always enabled.
const std::vector<MenuItem> kRuledItems = {
    MnuSaveAs, MnuBackup, MnuRestore, MnuClose, MnuCompany, MnuState, MnuCity, MnuEmployees, MnuPrintSetup,
    MnuPrint, MnuProcessing, MnuTaxForms, MnuCheckGenerator, MnuRecurring, MnuEFW2, MnuPassword,
    MnuExpress, MnuPayPeriod, MnuAutomatic, MnuCancel, MnuManualEntry, MnuReports, MnuChecks, MnuPosting,
    MnuCloseMonth, MnuCloseQuarter, MnuFederalAndStateTaxLiabilities, MnuPriorPayrollPeriods,
    MnuEmpoyeeRoster, MnuMTDRpt, MnuMTDRptJ, MnuMTDDeptRpt, MnuQTDRpt, MnuQTDRptJ, MnuStateReport, MnuQTDDeptRpt,
    MnuCustPerPayRpt, MnuPriorPayDatesRpt, MnuReconcileRpt, MnuIndEmpPayRpt, MnuYTDRpt, MnuYTDRptJ, MnuYTDDeptRpt,
    MnuNJUDI, MnuNJW3, MnuURLState,
    BtnSaveAs, BtnBackup, BtnRestore, BtnExpress, BtnPayPeriod, BtnAutomatic, BtnManual, BtnReports, BtnChecks,
    BtnPost,
};

const std::vector<MenuItem> kNeverOff = {
    MnuOpen, MnuNew, MnuFederal, MnuPreparer, MnuExit, MnuTransfer, MnuWindowScaling, MnuStyles, MnuHelp,
    MnuContents, MnuLicenseAgreement, MnuDirectDeposit, MnuWebUpdate, MnuTechnicalSupport, MnuAboutLedgora,
    BtnOpen, BtnNew, BtnHelp, MnuEmployeeLabels, MnuSavedReports, MnuForm940, MnuForm941, MnuScheduleB,
    MnuForm944, MnuFormW2, MnuFormW3, MnuForm1095C, MnuForm1094C, MnuURLFederal, MnuURLSetup,
};

// The items a client that is open has on regardless of its pay run.
const std::vector<MenuItem> kOpenClientItems = {
    MnuSaveAs, MnuBackup, MnuRestore, MnuClose, MnuCompany, MnuState, MnuCity, MnuEmployees, MnuPrintSetup,
    MnuPrint, MnuProcessing, MnuTaxForms, MnuCheckGenerator, MnuRecurring, MnuEFW2, MnuPassword,
    BtnSaveAs, BtnBackup, BtnRestore,
};

struct Scenario {
    const char* name;
    ClientMenuState state;
    std::vector<MenuItem> on;      // of the ruled items, exactly these are enabled
    bool withOpenClientItems = true;
};

ClientMenuState openClient()
{
    ClientMenuState s;
    s.fileIsOpen = true;
    s.payrollPosted = true;
    return s;
}

// A new client: one employee without a rate, nothing paid or posted yet.
ClientMenuState freshClient()
{
    return openClient();
}

// A pay period is open for two employees with rates.
ClientMenuState openPayPeriod()
{
    ClientMenuState s = openClient();
    s.payDateValid = true;
    s.employeesWithRate = 2;
    return s;
}

// Pay is computed for the open period and awaits posting; an earlier period was posted.
ClientMenuState computedPay()
{
    ClientMenuState s = openPayPeriod();
    s.payrollPosted = false;
    s.employeesWithPay = 2;
    s.employeesWithMonthToDate = 2;
    s.employeesWithQuarterToDate = 2;
    s.employeesWithYearToDate = 2;
    s.priorPeriodCount = 1;
    return s;
}

// The period is posted: to-date totals and one stored pay period; current pay stays until the
// next period clears it.
ClientMenuState postedPay()
{
    ClientMenuState s = computedPay();
    s.payrollPosted = true;
    return s;
}

const std::vector<MenuItem> kAllPrintItems = {
    MnuEmpoyeeRoster, MnuMTDRpt, MnuMTDRptJ, MnuMTDDeptRpt, MnuQTDRpt, MnuQTDRptJ, MnuStateReport, MnuQTDDeptRpt,
    MnuCustPerPayRpt, MnuPriorPayDatesRpt, MnuReconcileRpt, MnuIndEmpPayRpt, MnuYTDRpt, MnuYTDRptJ, MnuYTDDeptRpt,
};

std::vector<MenuItem> join(std::vector<MenuItem> a, const std::vector<MenuItem>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<MenuItem> without(std::vector<MenuItem> items, const std::vector<MenuItem>& gone)
{
    std::erase_if(items, [&](MenuItem item) { return std::find(gone.begin(), gone.end(), item) != gone.end(); });
    return items;
}

std::vector<Scenario> scenarios()
{
    std::vector<Scenario> list;
    list.push_back({"no client", ClientMenuState{}, {}, false});

    list.push_back({"fresh client", freshClient(), {}});

    list.push_back({"open pay period", openPayPeriod(),
                    {MnuExpress, BtnExpress, MnuPayPeriod, BtnPayPeriod, MnuAutomatic, BtnAutomatic, MnuManualEntry,
                     BtnManual, MnuEmpoyeeRoster}});

    const std::vector<MenuItem> payItems = {MnuCancel, MnuReports, BtnReports, MnuChecks, BtnChecks, MnuPosting,
                                            BtnPost};
    const std::vector<MenuItem> historyItems = {MnuFederalAndStateTaxLiabilities, MnuPriorPayrollPeriods};
    list.push_back({"computed pay", computedPay(),
                    join(join(join({MnuAutomatic, BtnAutomatic, MnuManualEntry, BtnManual}, payItems), historyItems),
                         kAllPrintItems)});

    const std::vector<MenuItem> postedOn =
        join(join(join({MnuExpress, BtnExpress, MnuPayPeriod, BtnPayPeriod, MnuAutomatic, BtnAutomatic,
                        MnuManualEntry, BtnManual, MnuCloseMonth, MnuCloseQuarter},
                       payItems),
                  historyItems),
             kAllPrintItems);
    list.push_back({"posted pay", postedPay(), postedOn});

    // The template keeps Express and Manual Entry but loses what would run a real pay run.
    ClientMenuState onTemplate = postedPay();
    onTemplate.templateOpen = true;
    list.push_back({"template", onTemplate,
                    without(postedOn, {MnuCloseQuarter, MnuAutomatic, BtnAutomatic, MnuCancel, MnuPosting, BtnPost})});

    // A backup copy can be looked at and printed from, never run or posted; Express posts, so it goes too.
    ClientMenuState onBackup = postedPay();
    onBackup.backupCopyOpen = true;
    list.push_back({"backup copy", onBackup,
                    without(postedOn, {MnuCloseMonth, MnuCloseQuarter, MnuAutomatic, MnuManualEntry, MnuCancel,
                                       MnuPosting, BtnManual, BtnAutomatic, BtnPost, MnuExpress, BtnExpress})});

    // A quarterly copy: the Automatic button goes, its menu item stays.
    ClientMenuState onQuarterly = postedPay();
    onQuarterly.quarterlyCopyOpen = true;
    list.push_back({"quarterly copy", onQuarterly,
                    without(postedOn, {MnuCloseMonth, MnuCloseQuarter, MnuExpress, MnuPayPeriod, BtnAutomatic,
                                       BtnExpress, BtnPayPeriod})});
    return list;
}

std::vector<MenuItem> openClientItemsFor(const Scenario& scenario)
{
    if (!scenario.withOpenClientItems)
        return {};
    std::vector<MenuItem> items = kOpenClientItems;
    if (scenario.state.templateOpen)
        items = without(items, {MnuEFW2});
    if (scenario.state.backupCopyOpen)
        items = without(items, {MnuRestore, BtnRestore, MnuRecurring, MnuEFW2});
    if (scenario.state.quarterlyCopyOpen)
        items = without(items, {MnuRestore, BtnRestore, MnuRecurring, MnuEFW2});
    return items;
}

} // namespace

TEST(MenuEnablingTest, EachClientStateEnablesExactlyItsCommands)
{
    for (const Scenario& scenario : scenarios()) {
        SCOPED_TRACE(scenario.name);
        const MenuStates states = ComputeMenuStates(scenario.state);
        std::set<MenuItem> expected(scenario.on.begin(), scenario.on.end());
        for (MenuItem item : openClientItemsFor(scenario))
            expected.insert(item);
        for (MenuItem item : kRuledItems) {
            // New Jersey items and the state payment page have tests of their own.
            if (item == MnuNJUDI || item == MnuNJW3 || item == MnuURLState)
                continue;
            EXPECT_EQ(states.isEnabled(item), expected.count(item) == 1) << MenuItemName(item);
        }
        for (MenuItem item : kNeverOff)
            EXPECT_TRUE(states.isEnabled(item)) << MenuItemName(item);
        EXPECT_EQ(states.launchPanelVisible, scenario.state.fileIsOpen);
        EXPECT_EQ(states.messagePanelVisible, !scenario.state.fileIsOpen);
    }
}

TEST(MenuEnablingTest, NewJerseyItemsShowOnlyForANewJerseyEmployer)
{
    struct Case {
        bool newJersey;
        int quarterToDate;
        int yearToDate;
        bool visible;
        bool udiEnabled;
        bool w3Enabled;
    };
    const Case cases[] = {
        {false, 2, 2, false, true, true},
        {true, 0, 0, true, false, false},
        {true, 0, 3, true, false, true},
        {true, 1, 1, true, true, true},
    };
    for (const Case& c : cases) {
        ClientMenuState state = openClient();
        state.newJerseyEmployer = c.newJersey;
        state.employeesWithQuarterToDate = c.quarterToDate;
        state.employeesWithYearToDate = c.yearToDate;
        const MenuStates states = ComputeMenuStates(state);
        EXPECT_EQ(states.isVisible(MnuNJUDI), c.visible);
        EXPECT_EQ(states.isVisible(MnuNJW3), c.visible);
        EXPECT_EQ(states.isEnabled(MnuNJUDI), c.udiEnabled);
        EXPECT_EQ(states.isEnabled(MnuNJW3), c.w3Enabled);
    }
}

TEST(MenuEnablingTest, StatePaymentPageNeedsAnAddress)
{
    ClientMenuState state = openClient();
    EXPECT_FALSE(ComputeMenuStates(state).isEnabled(MnuURLState));
    state.stateTaxPaymentAddressSet = true;
    EXPECT_TRUE(ComputeMenuStates(state).isEnabled(MnuURLState));
    EXPECT_TRUE(ComputeMenuStates(state).isEnabled(MnuURLFederal));
}

TEST(MenuEnablingTest, OpenFileIsToldApartByNameAndFolderIgnoringCase)
{
    const QString data = QStringLiteral("/home/ann/Documents/Ledgora/2026/Data/");
    const QString templateName = data + QStringLiteral("TEMPLATE PAYROLL.P26");
    const QString backup = data + QStringLiteral("Backup/");
    const QString quarterly = data + QStringLiteral("Quarterly_Data/");
    struct Case {
        QString file;
        bool isTemplate, isBackup, isQuarterly;
    };
    const Case cases[] = {
        {data + QStringLiteral("ACME.P26"), false, false, false},
        {data + QStringLiteral("template payroll.p26"), true, false, false},
        {data + QStringLiteral("BACKUP/ACME.P26"), false, true, false},
        {data + QStringLiteral("quarterly_data/ACME Q1.P26"), false, false, true},
        {data + QStringLiteral("Backup/Old/ACME.P26"), false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        ClientMenuState state;
        ClassifyOpenFile(c.file, templateName, backup, quarterly, state);
        EXPECT_EQ(state.templateOpen, c.isTemplate);
        EXPECT_EQ(state.backupCopyOpen, c.isBackup);
        EXPECT_EQ(state.quarterlyCopyOpen, c.isQuarterly);
    }
}
