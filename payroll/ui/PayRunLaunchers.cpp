#include "payroll/ui/PayRunLaunchers.h"

#include "client/PayRecords.h"
#include "client/ui/Launchers.h"
#include "payroll/AutoProcessing.h"
#include "payroll/PayPeriod.h"
#include "payroll/Posting.h"
#include "payroll/ui/PayPostDlg.h"
#include "payroll/ui/PayRecurring.h"

#include <utility>

namespace {

// Posting asks through the posting dialog while the main window runs it.
class PostingDialogInUse {
public:
    explicit PostingDialogInUse(TFrmMain& main)
        : previous_(std::exchange(PostingConfirmation, [&main] {
            return ConfirmPosting([&main] { RunLauncher(Launch::MnuBackupClick, main, MenuItem::None); });
        }))
    {
    }
    ~PostingDialogInUse() { PostingConfirmation = std::move(previous_); }
    PostingDialogInUse(const PostingDialogInUse&) = delete;
    PostingDialogInUse& operator=(const PostingDialogInUse&) = delete;

private:
    std::function<bool()> previous_;
};

} // namespace

void InstallPayRunLaunchers()
{
    SetLauncher(Launch::MnuPayPeriodClick, [](TFrmMain&, MenuItem) { PayPeriodCommand(); });
    SetLauncher(Launch::MnuAutomaticClick, [](TFrmMain&, MenuItem) { AutomaticProcessing(); });
    SetLauncher(Launch::MnuCancelClick, [](TFrmMain&, MenuItem) { CancelProcessing(); });
    SetLauncher(Launch::MnuPostingClick, [](TFrmMain& main, MenuItem) {
        PostingDialogInUse dialog(main);
        PostPayroll();
    });
    SetLauncher(Launch::TFrmRecurring, [](TFrmMain&, MenuItem) {
        if (FileIsOpen)
            ShowRecurring();
    });
}
