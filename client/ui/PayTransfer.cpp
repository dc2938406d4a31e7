#include "client/ui/PayTransfer.h"

#include "client/PayRecords.h"
#include "client/PriorYearRecords.h"
#include "client/PriorYearTransfer.h"
#include "client/ProgramStart.h"
#include "client/ui/HelpWindow.h"
#include "components/FileRoutines.h"
#include "components/TextRoutines.h"
#include "components/ui/MsgWin.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"
#include "platform/HourglassCursor.h"
#include "platform/Registry.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kOverwriteWarning = QStringLiteral(
    "                          WARNING!~~Unchecking this box will cause the transfer process~to overwrite any "
    "client file with the same name as~the file being transferred.~~This may result in LOSS OF DATA, are you sure?");

QString TransferKey()
{
    return QStringLiteral("\\") + RegistryRoot + QStringLiteral("Transfer");
}

QLabel* InfoParagraph(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignJustify | Qt::AlignTop);
    return label;
}

QPushButton* Button(const QString& caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TFrmTransfer::TFrmTransfer(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrmTransfer"));
    setWindowTitle(QStringLiteral("Ledgora Transfer Utility"));
    SetHelpContext(this, kHelpContext);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 0);

    auto* info = new QFrame(this);
    info->setObjectName(QStringLiteral("InfoBox"));
    info->setFrameShape(QFrame::StyledPanel);
    info->setAutoFillBackground(true);
    QPalette white = info->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    info->setPalette(white);
    auto* infoColumn = new QVBoxLayout(info);
    auto* heading = new QLabel(QStringLiteral("Important Information"), info);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setUnderline(true);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignCenter);
    infoColumn->addWidget(heading);
    infoColumn->addWidget(InfoParagraph(
        QStringLiteral("For best results and greater accuracy of the transferred data, initiate the Transfer process "
                       "after the final payroll for the year 2025 has been posted."),
        info));
    infoColumn->addWidget(InfoParagraph(
        QStringLiteral("This utility will transfer your 2025 data files to the new 2026 version format. In the field "
                       "below, enter the complete path to your 2025 data files (if it is different from the default "
                       "path), click Ok, select the files to be transferred and then click Transfer to begin the "
                       "transfer process."),
        info));
    infoColumn->addWidget(InfoParagraph(QStringLiteral("NOTE: Your 2025 data files will be unaffected by this process."), info));
    column->addWidget(info);

    auto* pathBar = new QHBoxLayout;
    Path = new QLineEdit(this);
    Path->setObjectName(QStringLiteral("Path"));
    BtnBrowse = Button(QStringLiteral("&Browse"), "BtnBrowse", this);
    BtnHelp = new QToolButton(this);
    BtnHelp->setObjectName(QStringLiteral("BtnHelp"));
    BtnHelp->setText(QStringLiteral("?"));
    BtnHelp->setToolTip(QStringLiteral("Form Help"));
    pathBar->addWidget(Path, 1);
    pathBar->addWidget(BtnBrowse);
    pathBar->addWidget(BtnHelp);
    column->addLayout(pathBar);

    FileListBox = new QListWidget(this);
    FileListBox->setObjectName(QStringLiteral("FileListBox"));
    FileListBox->setSelectionMode(QAbstractItemView::MultiSelection);
    FileListBox->setEnabled(false);
    column->addWidget(FileListBox, 1);

    auto* options = new QHBoxLayout;
    ChkNoOverwrite = new QCheckBox(QStringLiteral("Do not overwrite files"), this);
    ChkNoOverwrite->setObjectName(QStringLiteral("ChkNoOverwrite"));
    ChkNoOverwrite->setChecked(true);
    LblAlreadyTransferred = new QLabel(QStringLiteral("* = Already transferred"), this);
    LblAlreadyTransferred->setObjectName(QStringLiteral("LblAlreadyTransferred"));
    LblAlreadyTransferred->setVisible(false);
    options->addWidget(ChkNoOverwrite);
    options->addStretch(1);
    options->addWidget(LblAlreadyTransferred);
    column->addLayout(options);

    auto* buttons = new QHBoxLayout;
    BtnOk = Button(QStringLiteral("&Ok"), "BtnOk", this);
    BtnOk->setDefault(true);
    BtnSelectAll = Button(QStringLiteral("Select &All"), "BtnSelectAll", this);
    BtnDeselectAll = Button(QStringLiteral("&Deselect All"), "BtnDeselectAll", this);
    BtnTransfer = Button(QStringLiteral("&Transfer"), "BtnTransfer", this);
    BtnCancel = Button(QStringLiteral("&Cancel"), "BtnCancel", this);
    for (QPushButton* button : {BtnSelectAll, BtnDeselectAll, BtnTransfer})
        button->setEnabled(false);
    for (QPushButton* button : {BtnOk, BtnSelectAll, BtnDeselectAll, BtnTransfer, BtnCancel})
        buttons->addWidget(button);
    column->addLayout(buttons);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    column->addWidget(StatusBar);

    setTabOrder(Path, BtnBrowse);
    setTabOrder(BtnBrowse, FileListBox);
    setTabOrder(FileListBox, ChkNoOverwrite);
    setTabOrder(ChkNoOverwrite, BtnOk);
    setTabOrder(BtnOk, BtnSelectAll);
    setTabOrder(BtnSelectAll, BtnDeselectAll);
    setTabOrder(BtnDeselectAll, BtnTransfer);
    setTabOrder(BtnTransfer, BtnCancel);

    connect(BtnBrowse, &QPushButton::clicked, this, &TFrmTransfer::BtnBrowseClick);
    connect(BtnHelp, &QToolButton::clicked, this, [] { ShowHelp(kHelpContext); });
    connect(BtnOk, &QPushButton::clicked, this, &TFrmTransfer::BtnOkClick);
    connect(FileListBox, &QListWidget::itemSelectionChanged, this, &TFrmTransfer::FileListBoxClick);
    connect(BtnSelectAll, &QPushButton::clicked, this, &TFrmTransfer::BtnSelectAllClick);
    connect(BtnDeselectAll, &QPushButton::clicked, this, &TFrmTransfer::BtnDeselectAllClick);
    connect(ChkNoOverwrite, &QCheckBox::clicked, this, &TFrmTransfer::ChkNoOverwriteClick);
    connect(BtnTransfer, &QPushButton::clicked, this, &TFrmTransfer::BtnTransferClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    resize(404, 430);
    FormShow();
}

TFrmTransfer::~TFrmTransfer() = default;

void TFrmTransfer::FormShow()
{
    priorRegistry_ = std::make_unique<Registry>();
    PriorYearRegistryRoot = PriorYearRoot(IsDevIDERunning());
    if (AppRegistry->OpenKeyReadOnly(TransferKey()))
        CloseKeyAfter(*AppRegistry, [&] {
            if (AppRegistry->ValueExists(QStringLiteral("Path")))
                Path->setText(AppRegistry->ReadString(QStringLiteral("Path")));
        });
    if (IsBlank(Path->text()))
        Path->setText(DocumentsDir() + QStringLiteral("Ledgora/2025/Data"));
}

void TFrmTransfer::FormClose()
{
    priorRegistry_.reset();
    if (IsBlank(Path->text()))
        return;
    if (!AppRegistry->OpenKey(TransferKey(), true))
        return;
    CloseKeyAfter(*AppRegistry, [&] { AppRegistry->WriteString(QStringLiteral("Path"), Path->text()); });
}

void TFrmTransfer::done(int result)
{
    // Leaving mid-transfer would abandon a client half converted.
    if (transferring_)
        return;
    try {
        FormClose();
    } catch (const Exception& error) {
        AppMessageBox(error.message(), QLatin1String(kApplicationTitle), MbIconStop);
    }
    QDialog::done(result);
}

void TFrmTransfer::BtnBrowseClick()
{
    QString folder = Path->text();
    if (SelectFolder(QStringLiteral("Select the location of your 2025 client files"), folder))
        Path->setText(folder);
}

void TFrmTransfer::BtnOkClick()
{
    try {
        listFolder();
    } catch (const Exception& error) {
        AppMessageBox(error.message(), QLatin1String(kApplicationTitle), MbIconStop);
    }
}

void TFrmTransfer::listFolder()
{
    if (IsBlank(Path->text()))
        throw ETransferException(kPriorYearPathMissing);
    Path->setText(AddTrailingBackslash(Path->text()));
    const QStringList names = ListPriorYearClients(Path->text(), DataDir);
    for (QWidget* control : std::initializer_list<QWidget*>{Path, BtnBrowse, BtnOk})
        control->setEnabled(false);
    FileListBox->setEnabled(true);
    FileListBox->setFocus();
    BtnSelectAll->setEnabled(true);
    LblAlreadyTransferred->setVisible(true);
    FileListBox->addItems(names);
    TransferRegSettings(*priorRegistry_, *AppRegistry, PriorYearRegistryRoot, RegistryRoot,
                        PriorProgramDir(Path->text()) + QStringLiteral("Ledgora.W2S"), W2SubmitterFileName);
}

void TFrmTransfer::FileListBoxClick()
{
    refreshSelection();
}

void TFrmTransfer::BtnSelectAllClick()
{
    FileListBox->selectAll();
    refreshSelection();
}

void TFrmTransfer::BtnDeselectAllClick()
{
    FileListBox->clearSelection();
    refreshSelection();
}

void TFrmTransfer::refreshSelection()
{
    // The list is cleared after a transfer; the count of that run stays on the status bar.
    if (transferring_)
        return;
    const int selected = static_cast<int>(FileListBox->selectedItems().size());
    BtnSelectAll->setEnabled(selected < FileListBox->count());
    BtnDeselectAll->setEnabled(selected > 0);
    BtnTransfer->setEnabled(BtnDeselectAll->isEnabled());
    setStatus(selected == 1 ? QStringLiteral(" 1 file selected") : QStringLiteral(" %1 files selected").arg(selected));
}

void TFrmTransfer::ChkNoOverwriteClick()
{
    if (askingOverwrite_ || ChkNoOverwrite->isChecked())
        return;
    askingOverwrite_ = true;
    const int answer = AppMessageBox(kOverwriteWarning, QLatin1String(kApplicationTitle), MbYesNo | MbIconWarning | MbDefButton2);
    if (answer != IdYes)
        ChkNoOverwrite->setChecked(true);
    askingOverwrite_ = false;
}

void TFrmTransfer::BtnTransferClick()
{
    for (QWidget* control : std::initializer_list<QWidget*>{BtnCancel, FileListBox, ChkNoOverwrite,
                                                            LblAlreadyTransferred, BtnSelectAll, BtnDeselectAll,
                                                            BtnTransfer})
        control->setEnabled(false);
    transferring_ = true;
    transferSelection();
    FileListBox->clearSelection();
    transferring_ = false;
    BtnCancel->setText(QStringLiteral("E&xit"));
    BtnCancel->setEnabled(true);
    BtnCancel->setDefault(true);
    BtnCancel->setFocus();
}

void TFrmTransfer::transferSelection()
{
    int count = 0;
    bool passwordsDropped = false;
    {
        MsgWinScope wait(QLatin1String(kApplicationTitle), QStringLiteral("Transferring files... please wait"));
        HourglassCursor hourglass;
        for (int row = 0; row < FileListBox->count(); ++row) {
            const QListWidgetItem* item = FileListBox->item(row);
            if (!item->isSelected())
                continue;
            QString name = item->text();
            if (name.contains(QChar('*')))
                name.remove(0, 1);
            PriorYearClientName = name;
            try {
                const ClientTransferResult result = TransferData(Path->text(), DataDir, ChkNoOverwrite->isChecked());
                if (result.outcome == ClientTransfer::Transferred) {
                    ++count;
                    passwordsDropped = passwordsDropped || result.hadPassword;
                }
            } catch (const Exception& error) {
                AppMessageBox(error.message(), QLatin1String(kApplicationTitle), MbIconStop);
            }
        }
    }
    setStatus(StatusBar->currentMessage()
              + (count == 1 ? QStringLiteral(" - %1 file transferred") : QStringLiteral(" - %1 files transferred")).arg(count));
    if (passwordsDropped)
        AppMessageBox(kPasswordsNotTransferred, QLatin1String(kApplicationTitle), MbIconInformation);
}

void TFrmTransfer::setStatus(const QString& text)
{
    StatusBar->showMessage(text);
}
