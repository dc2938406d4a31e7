#include "client/MenuEnabling.h"

#include <QFileInfo>
#include <initializer_list>

namespace {

using enum MenuItem;

// The commands that need an open client.
constexpr MenuItem kFileCommands[] = {
    MnuSaveAs, MnuBackup, MnuRestore, MnuClose, MnuCompany, MnuState, MnuCity, MnuEmployees,
    MnuCloseMonth, MnuCloseQuarter, MnuPrintSetup, MnuPrint, MnuProcessing, MnuTaxForms,
    MnuCheckGenerator, MnuRecurring, MnuEFW2, MnuPassword,
    BtnSaveAs, BtnBackup, BtnRestore, BtnExpress, BtnPayPeriod, BtnAutomatic, BtnManual, BtnReports,
    BtnChecks, BtnPost,
};

// Items that follow the pay run or the employees' totals; off while no client is open.
constexpr MenuItem kStateCommands[] = {
    MnuExpress, MnuPayPeriod, MnuAutomatic, MnuManualEntry, MnuCancel, MnuReports, MnuChecks, MnuPosting,
    MnuFederalAndStateTaxLiabilities, MnuPriorPayrollPeriods,
    MnuEmpoyeeRoster, MnuMTDRpt, MnuMTDRptJ, MnuMTDDeptRpt, MnuQTDRpt, MnuQTDRptJ, MnuStateReport,
    MnuQTDDeptRpt, MnuCustPerPayRpt, MnuPriorPayDatesRpt, MnuReconcileRpt, MnuIndEmpPayRpt, MnuYTDRpt,
    MnuYTDRptJ, MnuYTDDeptRpt, MnuNJUDI, MnuNJW3, MnuURLState,
};

QString FolderOf(const QString& fileName)
{
    const QString folder = QFileInfo(fileName).path();
    return folder.endsWith(QChar('/')) ? folder : folder + QChar('/');
}

bool SameText(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

class Setter {
public:
    explicit Setter(MenuStates& states) : states_(states) {}
    void set(std::initializer_list<MenuItem> items, bool on)
    {
        for (MenuItem item : items)
            states_.enabled[IndexOf(item)] = on;
    }
    void off(std::initializer_list<MenuItem> items) { set(items, false); }

private:
    MenuStates& states_;
};

} // namespace

void ClassifyOpenFile(const QString& curFileName, const QString& templateFileName, const QString& backupDir,
                      const QString& quarterlyDataDir, ClientMenuState& state)
{
    const QString folder = FolderOf(curFileName);
    state.templateOpen = SameText(curFileName, templateFileName);
    state.backupCopyOpen = SameText(folder, backupDir);
    state.quarterlyCopyOpen = SameText(folder, quarterlyDataDir);
}

MenuStates ComputeMenuStates(const ClientMenuState& state)
{
    MenuStates states;
    states.enabled.fill(true);
    states.visible.fill(true);
    states.launchPanelVisible = state.fileIsOpen;
    states.messagePanelVisible = !state.fileIsOpen;

    for (MenuItem item : kFileCommands)
        states.enabled[IndexOf(item)] = state.fileIsOpen;
    if (!state.fileIsOpen) {
        for (MenuItem item : kStateCommands)
            states.enabled[IndexOf(item)] = false;
        states.visible[IndexOf(MnuNJUDI)] = false;
        states.visible[IndexOf(MnuNJW3)] = false;
        return states;
    }

    Setter s(states);
    const bool canStartPeriod = state.payrollPosted && state.employeesWithRate > 0;
    s.set({MnuExpress, BtnExpress, MnuPayPeriod, BtnPayPeriod}, canStartPeriod);
    s.set({MnuAutomatic, BtnAutomatic, MnuManualEntry, BtnManual}, state.payDateValid);
    s.set({MnuCancel, MnuReports, BtnReports, MnuChecks, BtnChecks, MnuPosting, BtnPost}, state.employeesWithPay > 0);
    s.set({MnuCloseMonth}, state.payrollPosted && state.employeesWithMonthToDate > 0);
    s.set({MnuCloseQuarter}, state.payrollPosted && state.employeesWithQuarterToDate > 0);
    s.set({MnuFederalAndStateTaxLiabilities, MnuPriorPayrollPeriods}, state.priorPeriodCount != 0);

    if (state.templateOpen)
        s.off({MnuCloseQuarter, MnuAutomatic, BtnAutomatic, MnuCancel, MnuPosting, BtnPost, MnuEFW2});
    // Express posts at its end, so it goes wherever posting does not run.
    if (state.backupCopyOpen)
        s.off({MnuRestore, MnuCloseMonth, MnuCloseQuarter, MnuAutomatic, MnuManualEntry, MnuCancel, MnuPosting,
               MnuRecurring, BtnRestore, BtnManual, BtnAutomatic, BtnPost, MnuEFW2, MnuExpress, BtnExpress});
    // The Automatic menu item keeps its state here; only its button goes.
    if (state.quarterlyCopyOpen)
        s.off({MnuRestore, MnuCloseMonth, MnuCloseQuarter, MnuExpress, MnuPayPeriod, MnuRecurring, BtnRestore,
               BtnAutomatic, BtnExpress, BtnPayPeriod, MnuEFW2});

    s.set({MnuEmpoyeeRoster}, state.employeesWithRate > 0);
    s.set({MnuMTDRpt, MnuMTDRptJ, MnuMTDDeptRpt}, state.employeesWithMonthToDate > 0);
    s.set({MnuQTDRpt, MnuQTDRptJ, MnuStateReport, MnuQTDDeptRpt}, state.employeesWithQuarterToDate > 0);
    s.set({MnuCustPerPayRpt, MnuPriorPayDatesRpt, MnuReconcileRpt, MnuIndEmpPayRpt}, state.priorPeriodCount != 0);
    s.set({MnuYTDRpt, MnuYTDRptJ, MnuYTDDeptRpt}, state.employeesWithYearToDate > 0);

    states.visible[IndexOf(MnuNJUDI)] = state.newJerseyEmployer;
    states.visible[IndexOf(MnuNJW3)] = state.newJerseyEmployer;
    s.set({MnuNJUDI}, state.employeesWithQuarterToDate > 0);
    s.set({MnuNJW3}, state.employeesWithYearToDate > 0);
    s.set({MnuURLState}, state.stateTaxPaymentAddressSet);
    return states;
}
