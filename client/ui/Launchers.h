#pragma once

#include "client/MainMenuItems.h"
#include "platform/ui/ShowModal.h"

#include <functional>

class TFrmMain;

// The launcher table: the commands the main window hands on to windows and work that live
// outside it, one entry each. Launchers.cpp fills the table; a command whose entry is still empty
// tells the user "This command is not available yet.". The main window does the rest of each
// command itself (report kinds and warnings, follow-up refreshes of its caption and menus).
#define LEDGORA_LAUNCHES(X) \
    /* Client files */ \
    X(MnuNewClick) X(MnuOpenClick) X(MnuSaveAsClick) X(MnuBackupClick) X(MnuRestoreClick) X(MnuCloseClick) \
    X(OpenMRUFileClick) X(TFrmPassword) \
    /* Setup windows */ \
    X(TFrmCompany) X(TFrmFederal) X(TFrmState) X(TFrmCity) X(TFrmEmployee) X(TFrmPreparer) X(TFrmPrinterSetup) \
    /* Reports */ \
    X(TFrmReports) X(MnuEmployeeLabelsClick) X(TFrmCustomPayRpt) X(TFrmPriorPayDatesRpt) X(TFrmIndEmpPayRpt) \
    X(TFrmReconcileRpt) X(RptSavedReports) \
    /* The pay run */ \
    X(MnuExpressClick) X(MnuPayPeriodClick) X(MnuAutomaticClick) X(MnuCancelClick) X(MnuManualEntryClick) \
    X(MnuStandardClick) X(TFrmCheck) X(MnuPostingClick) X(MnuCloseMonthClick) X(MnuCloseQuarterClick) \
    X(TFrmTaxLiability) X(MnuURLFederalAndStateClick) X(MnuPriorPayrollPeriodsClick) \
    /* Tax forms */ \
    X(TFrm940) X(TFrm941) X(TFrmScheduleB) X(TFrm944) X(TFrmW2) X(TFrmW3) X(TFrm1095C) X(TFrm1094C) \
    X(TFrmNJUDI) X(TFrmNJW3) \
    /* Tools */ \
    X(TFrmPayCheckGen) X(TFrmRecurring) X(TFrmEFW2) X(TFrmTransfer) \
    /* Help and the web; ShowMenuItemHelp shows the help context of the highlighted menu item, */ \
    /* the sender */ \
    X(MnuContentsClick) X(MnuLicenseAgreementClick) X(MnuDirectDepositClick) X(ShowMenuItemHelp) \
    X(MnuWebUpdateClick) X(MnuTechnicalSupportClick) X(TFrmAbout)

enum class Launch {
#define LEDGORA_LAUNCH_ENUM(name) name,
    LEDGORA_LAUNCHES(LEDGORA_LAUNCH_ENUM)
#undef LEDGORA_LAUNCH_ENUM
    Count
};

// A launcher receives the main window and the item the user chose (None for the main window
// itself, as the launch panel calls them).
using Launcher = std::function<void(TFrmMain& main, MenuItem sender)>;

// Empties the table and fills it with the program's launchers.
void InstallLaunchers();

// Replaces one entry and returns the previous one; tests record commands through it.
Launcher SetLauncher(Launch launch, Launcher launcher);
bool HasLauncher(Launch launch);

// Runs the entry, or says that the command is not available yet.
void RunLauncher(Launch launch, TFrmMain& main, MenuItem sender);

const char* LaunchName(Launch launch);

// The usual launcher of a window: created without owner, shown modally, released on return.
template <class Window>
void OpenModalWindow()
{
    Window window;
    ShowModal(window);
}
