#include "payroll/ui/PayPostDlg.h"

#include "client/PayRecords.h"
#include "client/ui/HelpWindow.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>
#include <utility>

namespace {

// The explanation, paragraph by paragraph, each line as the dialog breaks it.
const char* const kParagraphs[][4] = {
    {"This routine will post the current payroll totals to the employee's month, ",
     "quarter and year-to-date accumulation;  resets the current payroll totals",
     "and sets up the program to process a new payroll period.", nullptr},
    {"Make  sure that you have printed the current payroll reports and checks ",
     "and  that  you  have  backed-up  your  data  in  case  of any incomplete",
     "termination of the payroll process.", nullptr},
    {"It  is  recommended  that you create a backup on an external drive prior",
     "to posting the current payroll.  The  program will create a backup on the",
     "local drive. If you later discover an error in the processed payroll, use the",
     "Program's Restore command to revert back to the last un-posted payroll."},
};

QPushButton* Button(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TFrmPostPayrollDlg::TFrmPostPayrollDlg(std::function<void()> backup, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , backup_(std::move(backup))
{
    setObjectName(QStringLiteral("FrmPostPayrollDlg"));
    setWindowTitle(QStringLiteral("Ledgora Post Current Payroll"));

    auto* column = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("POST THE CURRENT PAYROLL?"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignCenter);
    column->addWidget(heading);
    int labelNumber = 2;
    for (const auto& paragraph : kParagraphs) {
        column->addSpacing(8);
        for (const char* line : paragraph) {
            if (!line)
                continue;
            auto* label = new QLabel(QString::fromLatin1(line), this);
            label->setObjectName(QStringLiteral("Label%1").arg(labelNumber++));
            column->addWidget(label);
        }
    }
    column->addSpacing(12);

    auto* bar = new QHBoxLayout;
    BtnBackup = Button(this, "BtnBackup", "&Backup");
    BtnPost = Button(this, "BtnPost", "&Post");
    BtnCancel = Button(this, "BtnCancel", "Cancel");
    bar->addStretch(1);
    bar->addWidget(BtnBackup);
    bar->addWidget(BtnPost);
    bar->addWidget(BtnCancel);
    bar->addStretch(1);
    column->addLayout(bar);

    connect(BtnBackup, &QPushButton::clicked, this, &TFrmPostPayrollDlg::BtnBackupClick);
    connect(BtnPost, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    SetHelpContext(this, kHelpContext);
}

void TFrmPostPayrollDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    BtnBackup->setFocus();
}

void TFrmPostPayrollDlg::BtnBackupClick()
{
    BackupCompleted = false;
    try {
        if (backup_)
            backup_();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
    if (BackupCompleted)
        BtnPost->setFocus();
}

bool ConfirmPosting(const std::function<void()>& backup)
{
    TFrmPostPayrollDlg dialog(backup);
    return ShowModal(dialog) == QDialog::Accepted;
}
