#pragma once

#include <QDialog>
#include <functional>

class QPushButton;

// "Ledgora Post Current Payroll": asks before posting and offers a backup first. Post closes
// with OK; Cancel, Esc and the close box close with Cancel. Backup keeps the dialog open and,
// when the backup was made, moves the focus to Post.
class TFrmPostPayrollDlg : public QDialog {
    Q_OBJECT
public:
    // backup runs the main window's Backup command.
    explicit TFrmPostPayrollDlg(std::function<void()> backup, QWidget* parent = nullptr);

    static constexpr int kHelpContext = 30;

    QPushButton* BtnBackup = nullptr;
    QPushButton* BtnPost = nullptr;
    QPushButton* BtnCancel = nullptr;

    void BtnBackupClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::function<void()> backup_;
};

// Shows the dialog modally; true when the user chose Post.
bool ConfirmPosting(const std::function<void()>& backup);
