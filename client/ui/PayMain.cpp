#include "client/ui/PayMain.h"

#include "client/ClientMenuState.h"
#include "client/LaunchPanel.h"
#include "client/PayDataModule.h"
#include "client/PayMRU.h"
#include "client/PayRecords.h"
#include "client/PreparerRecord.h"
#include "client/ProgramSettings.h"
#include "client/ProgramStart.h"
#include "client/ProgramWideFiles.h"
#include "client/StylePack.h"
#include "client/TaxTableFiles.h"
#include "client/WindowPlacement.h"
#include "client/WebUpdate.h"
#include "client/ui/HelpWindow.h"
#include "client/ui/LaunchLabelWidget.h"
#include "client/ui/Launchers.h"
#include "client/ui/ProgramIcon.h"
#include "client/ui/Scaling.h"
#include "client/ui/ToolbarIcons.h"
#include "client/ui/VisualStyle.h"
#include "client/ui/Welcome.h"
#include "components/ChangeJournal.h"
#include "components/FileRoutines.h"
#include "payroll/PayRunHooks.h"
#include "payroll/ui/PayPeriodDlg.h"
#include "components/TextRoutines.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/FileReplacement.h"
#include "platform/Folders.h"
#include "platform/Registry.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"
#include "platform/ui/WindowSize.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TFrmMain* FrmMain = nullptr;

namespace {

using enum MenuItem;

constexpr int kClientWidth = 638;
constexpr int kClientHeight = 465;
constexpr int kToolbarHeight = 37;
constexpr int kStatusHeight = 20;
constexpr int kHelpContext = 1;

const char* const kUnpostedWarningA =
    "There is currently an un-posted payroll period.~This  will  cause the report to reflect incorrect~payroll data.";
const char* const kUnpostedWarningB =
    "There is currently an un-posted payroll period.~This  will  cause the report to reflect incorrect~"
    "state wages and tax liability.";

// Menus whose items hang below them.
bool IsSubmenu(MenuItem item)
{
    if (item == MnuStyles)
        return true;
    for (const MenuEntry& entry : MainMenuEntries())
        if (entry.parent == item)
            return true;
    return false;
}

// The registry object is shared and its failures are the user's to see, never a reason to stop
// the program: start-up and shutdown go on after showing them.
template <typename Work>
void ShowingErrors(Work work)
{
    try {
        work();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

// Hidden copies that a failed clean-up left beside the files the program writes. Those changed in
// the last minute may belong to another copy of the program at work, and are left to it.
void RemoveLeftoverCopies()
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-60);
    QStringList kept;
    for (const QString& folder : {DataDir, BackupDir, QuarterlyDataDir, DataDir + QStringLiteral("EFW2/"), UserDataDir()})
        kept += RemoveLeftoverTemporaries(folder, before);
    kept += Registry::RemoveLeftoverCopies(before);
    if (!kept.isEmpty())
        AppMessageBox(QStringLiteral("These copies left by an earlier failure could not be removed:~%1")
                          .arg(kept.join(QChar('~'))),
                      QLatin1String(kApplicationTitle), MbOk | MbIconWarning);
}

// SkipPasswordPrompt is set only around the program's own re-opening of a client.
class SkippingPassword {
public:
    SkippingPassword() { SkipPasswordPrompt = true; }
    ~SkippingPassword() { SkipPasswordPrompt = false; }
    SkippingPassword(const SkippingPassword&) = delete;
    SkippingPassword& operator=(const SkippingPassword&) = delete;
};

} // namespace

TFrmMain::TFrmMain(const MainWindowOptions& options, QWidget* parent)
    : QMainWindow(parent)
{
    if (!FrmMain)
        FrmMain = this;
    setObjectName(QStringLiteral("FrmMain"));
    setWindowIcon(ProgramIcon());
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8));

    auto* central = new QWidget(this);
    setCentralWidget(central);
    buildMenus();
    auto* body = new QWidget(central);
    body->setObjectName(QStringLiteral("Body"));
    auto* bodyLayout = new QGridLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    // Only one of the two shows at a time: the launch panel with a client open, the message without.
    bodyLayout->addWidget(buildLaunchPanel(body), 0, 0);
    bodyLayout->addWidget(buildMessagePanel(body), 0, 0, Qt::AlignCenter);

    auto* status = new QFrame(central);
    status->setObjectName(QStringLiteral("StatusFrame"));
    status->setFrameShape(QFrame::Panel);
    status->setFrameShadow(QFrame::Sunken);
    status->setFixedHeight(kStatusHeight);
    curFilePanel_ = new QLabel(status);
    curFilePanel_->setObjectName(QStringLiteral("CurFilePanel"));
    curFilePanel_->setTextFormat(Qt::PlainText);
    auto* statusLayout = new QHBoxLayout(status);
    statusLayout->setContentsMargins(6, 0, 6, 0);
    statusLayout->addWidget(curFilePanel_);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolbar(central));
    layout->addWidget(body, 1);
    layout->addWidget(status);

    SetHelpContext(this, kHelpContext);

    StartAtClientSize(*this, QSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height()));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    FormCreate(options);
}

TFrmMain::~TFrmMain()
{
    PayRunWindows = PayRunHooks();
    if (FrmDataModule)
        FrmDataModule->UpdateRecentFilesMenu = nullptr;
    if (FrmMain == this)
        FrmMain = nullptr;
}

void TFrmMain::buildMenus()
{
    for (const MenuEntry& entry : MainMenuEntries()) {
        QMenu* parentMenu = entry.parent == None ? nullptr : menus_[IndexOf(entry.parent)];
        if (entry.item == None) {
            parentMenu->addSeparator();
            continue;
        }
        QAction* action = nullptr;
        if (entry.parent == None || IsSubmenu(entry.item)) {
            QMenu* menu = entry.parent == None ? menuBar()->addMenu(QString::fromLatin1(entry.caption))
                                               : parentMenu->addMenu(QString::fromLatin1(entry.caption));
            menu->setObjectName(QString::fromLatin1(MenuItemName(entry.item)));
            menu->installEventFilter(this);
            menus_[IndexOf(entry.item)] = menu;
            action = menu->menuAction();
        } else {
            action = parentMenu->addAction(QString::fromLatin1(entry.caption));
            const MenuItem item = entry.item;
            connect(action, &QAction::triggered, this, [this, item] { RunCommand(item, item); });
        }
        action->setObjectName(QString::fromLatin1(MenuItemName(entry.item)));
        action->setProperty("menuItem", static_cast<int>(entry.item));
        action->setProperty("helpContext", entry.helpContext);
        if (*entry.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut), QKeySequence::PortableText));
        actions_[IndexOf(entry.item)] = action;
    }
    for (int k = 0; k < 10; ++k)
        item(RecentFileItem(k))->setVisible(false);
    stylesMenu_ = menus_[IndexOf(MnuStyles)];
    connect(menus_[IndexOf(MnuTaxForms)], &QMenu::aboutToShow, this, [this] { MnuTaxFormsClick(); });
    connect(menus_[IndexOf(MnuElectronicTaxPayments)], &QMenu::aboutToShow, this,
            [this] { MnuElectronicTaxPaymentsClick(); });
}

QWidget* TFrmMain::buildToolbar(QWidget* central)
{
    auto* panel = new QFrame(central);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setFixedHeight(kToolbarHeight);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(0);
    for (const ToolbarButton& def : ToolbarButtons()) {
        auto* button = new QToolButton(panel);
        button->setObjectName(QString::fromLatin1(MenuItemName(def.item)));
        button->setAutoRaise(true);
        button->setIcon(ToolbarIcon(def.item));
        button->setIconSize(QSize(24, 24));
        button->setToolTip(QString::fromLatin1(def.hint));
        button->setFixedSize(32, 32);
        row->addWidget(button);
        const MenuItem command = def.command;
        const MenuItem sender = def.item;
        connect(button, &QToolButton::clicked, this, [this, command, sender] { RunCommand(command, sender); });
        buttons_[IndexOf(def.item)] = button;
    }
    row->addStretch();
    return panel;
}

QWidget* TFrmMain::buildLaunchPanel(QWidget* body)
{
    scrollBox_ = new QWidget(body);
    scrollBox_->setObjectName(QStringLiteral("ScrollBox"));
    scrollBox_->setAttribute(Qt::WA_StyledBackground, true);
    scrollBox_->setStyleSheet(QStringLiteral("QWidget#ScrollBox { background-color: black; }"));

    auto* heading = new QLabel(QLatin1String(kLaunchHeading), scrollBox_);
    heading->setObjectName(QStringLiteral("LblHeading"));
    QFont headingFont(QStringLiteral("DejaVu Sans"));
    headingFont.setPixelSize(19);
    headingFont.setBold(true);
    headingFont.setItalic(true);
    headingFont.setUnderline(true);
    heading->setFont(headingFont);
    heading->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    auto* columns = new QGridLayout;
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setVerticalSpacing(0);
    columns->setHorizontalSpacing(kLaunchColumnLeft[1] - kLaunchColumnLeft[0] - kLaunchColumnWidth);
    for (int column = 0; column < 2; ++column)
        columns->setColumnMinimumWidth(column, kLaunchColumnWidth);
    int lineCount = 0;
    for (const LaunchLabel& def : LaunchLabels()) {
        auto* label = new LaunchLabelWidget(def, scrollBox_);
        columns->addWidget(label, def.slot, def.column);
        lineCount = std::max(lineCount, def.slot + 1);
        label->onEnter = [this](LaunchLabelWidget* l) { LabelMouseEnter(l); };
        label->onLeave = [this](LaunchLabelWidget* l) { LabelMouseLeave(l); };
        label->onClick = [this](LaunchLabelWidget* l) { LabelClick(l->tag()); };
        labels_.push_back(label);
    }
    // The blank lines between the groups keep their height.
    for (int slot = 0; slot < lineCount; ++slot)
        columns->setRowMinimumHeight(slot, kLaunchLineHeight);

    // The heading and the two columns stay together in the middle of the panel, however large
    // the window grows.
    auto* centred = new QHBoxLayout;
    centred->addStretch();
    centred->addLayout(columns);
    centred->addStretch();
    auto* layout = new QVBoxLayout(scrollBox_);
    layout->setContentsMargins(kLaunchColumnLeft[0], 8, kLaunchColumnLeft[0], 8);
    layout->setSpacing(std::max(0, kLaunchFirstLineTop - 8 - heading->sizeHint().height()));
    layout->addStretch();
    layout->addWidget(heading);
    layout->addLayout(centred);
    layout->addStretch();
    return scrollBox_;
}

QWidget* TFrmMain::buildMessagePanel(QWidget* body)
{
    messagePanel_ = new QFrame(body);
    messagePanel_->setObjectName(QStringLiteral("MessagePanel"));
    messagePanel_->setFrameShape(QFrame::Panel);
    messagePanel_->setFrameShadow(QFrame::Raised);
    messagePanel_->setStyleSheet(QStringLiteral(
        "QFrame#MessagePanel { background-color: #f0f0f0; border: 2px outset #c0c0c0; }"
        "QLabel { color: black; background: transparent; }"
        "QFrame#Bullet { background-color: black; border: none; }"));
    messagePanel_->setMinimumSize(320, 117);

    auto* title = new QLabel(QStringLiteral("There is no client file open"), messagePanel_);
    QFont bold(QStringLiteral("DejaVu Sans"), 9);
    bold.setBold(true);
    title->setFont(bold);
    title->setAlignment(Qt::AlignHCenter);

    auto* layout = new QGridLayout(messagePanel_);
    layout->setContentsMargins(12, 14, 12, 10);
    layout->setHorizontalSpacing(7);
    layout->addWidget(title, 0, 0, 1, 2);
    layout->setRowMinimumHeight(0, 30);
    const char* const lines[] = {"To create a new client, select New from the File menu.",
                                 "To open an existing client, select Open from the File menu."};
    int row = 1;
    for (const char* line : lines) {
        auto* bullet = new QFrame(messagePanel_);
        bullet->setObjectName(QStringLiteral("Bullet"));
        bullet->setFixedSize(5, 5);
        auto* text = new QLabel(QLatin1String(line), messagePanel_);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setMinimumWidth(284);
        layout->addWidget(bullet, row, 0, Qt::AlignTop);
        layout->addWidget(text, row, 1);
        ++row;
    }
    layout->setRowStretch(row, 1);
    return messagePanel_;
}

void TFrmMain::buildStylesMenu()
{
    stylesMenu_->clear();
    for (const QString& name : AvailableStyles(StylesFolder())) {
        QAction* action = stylesMenu_->addAction(name);
        action->setCheckable(true);
        action->setChecked(name == ActiveStyleName);
        connect(action, &QAction::triggered, this, [this, action] { MnuStylesClick(action); });
    }
}

QToolButton* TFrmMain::button(MenuItem which) const
{
    return buttons_[IndexOf(which)];
}

QMenu* TFrmMain::menu(MenuItem which) const
{
    return menus_[IndexOf(which)];
}

LaunchLabelWidget* TFrmMain::launchLabel(int tag) const
{
    for (LaunchLabelWidget* label : labels_)
        if (label->tag() == tag)
            return label;
    return nullptr;
}

void TFrmMain::FormCreate(const MainWindowOptions& options)
{
    AppRegistry = std::make_unique<Registry>();
    MRUList.clear();

    QDir::setCurrent(ProgramDir());
    const QStringList missingFolders = CreateDataFolders(DocumentsDir());
    if (!missingFolders.isEmpty())
        AppMessageBox(DataFoldersMissingMessage(missingFolders), QLatin1String(kApplicationTitle), MbOk | MbIconStop);
    InitClientFileNames();
    ShowingErrors([] { PrepareProgramWideFiles(); });
    // A transfer, EFW2 Process, Reset or copy of a client that a stop interrupted is finished or
    // undone first.
    // An EFW2 run's journal lies with its settings and names files in the EFW2 folder too.
    ShowingErrors([] { RecoverInterruptedChanges(UserDataDir(), {DataDir + QStringLiteral("EFW2/")}); });
    for (const QString& folder : {DataDir, BackupDir, QuarterlyDataDir})
        ShowingErrors([&folder] { RecoverInterruptedChanges(folder); });
    RegistryRoot = ProgramRegistryRoot(IsDevIDERunning());

    const QStringList styles = AvailableStyles(StylesFolder());
    ProgramSettings settings;
    settings.recentFiles = QStringList(QList<QString>(10));
    settings.styleName = QLatin1String(kDefaultStyleName);
    ShowingErrors([&] { settings = LoadProgramSettings(*AppRegistry, RegistryRoot, styles); });
    FederalTaxPaymentURL = settings.federalTaxPaymentURL;
    StateTaxPaymentURL = settings.stateTaxPaymentURL;

    UpdateFormCaption();
    EnableMenuItems(false);

    RecIndexLastNameFirst = true;
    FilingCopyDefault = true;
    ReopenFileName.clear();

    ShowingErrors([] { LoadFederalTable(FederalTableFileName, FederalTaxRec); });
    ShowingErrors([] { LoadPreparer(*AppRegistry, RegistryRoot, PreparerRec); });

    MRUList = settings.recentFiles;
    DataModule().UpdateRecentFilesMenu = [this] { UpdateRecentFilesMenu(); };
    UpdateRecentFilesMenu();

    ScalingPercent = settings.scalingPercent;
    if (!settings.windowGeometry.isEmpty()) {
        restoreGeometry(QByteArray::fromBase64(settings.windowGeometry.toLatin1()));
        fitIntoScreen(options.availableScreen);
    }
    HookPayRunWindows();

    // Without the style files the program keeps the plain look; a damaged one is reported.
    ActiveStyleName = settings.styleName;
    if (styles.contains(ActiveStyleName))
        ShowingErrors([] { ApplyVisualStyle(ActiveStyleName); });
    buildStylesMenu();

    EFW2MasterList.clear();
    NJEFW2MasterList.clear();
    RemoveLeftoverCopies();

    if (settings.showSplash) {
        TFrmWelcome welcome;
        welcome.ShowFor(options.splashMilliseconds);
        ++splashShown_;
    }

    OpenCommandLineFile(options.arguments);
}

// The pay-run commands open these along the way.
void TFrmMain::HookPayRunWindows()
{
    const auto launcher = [this](Launch which) { return [this, which] { RunLauncher(which, *this, None); }; };
    PayRunWindows.WebUpdate = launcher(Launch::MnuWebUpdateClick);
    PayRunWindows.PayPeriodDialog = ShowPayPeriodDialog;
    PayRunWindows.SetupProcessingMenu = [this] { SetupProcessingMenu(); };
    PayRunWindows.ManualEntry = launcher(Launch::MnuManualEntryClick);
    PayRunWindows.EarningsStatements = launcher(Launch::MnuStandardClick);
    PayRunWindows.CurrentJournal = [this] { OpenReport(1, nullptr); };
    PayRunWindows.CurrentDepartmentalReport = [this] { OpenReport(9, nullptr); };
    PayRunWindows.Checks = launcher(Launch::TFrmCheck);
    PayRunWindows.Posting = launcher(Launch::MnuPostingClick);
}

void TFrmMain::OpenCommandLineFile(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return;
    CurFileName = CommandLineFileName(arguments);
    if (CurFileName.endsWith(QStringLiteral(".P26")) && !QFileInfo(CurFileName).isFile()) {
        AppMessageBox(QStringLiteral("The client file %1 does not exist.").arg(QDir::toNativeSeparators(CurFileName)),
                      QLatin1String(kApplicationTitle), MbOk | MbIconWarning);
        return;
    }
    if (!IsCommandLineClientFile(CurFileName))
        return;
    ShowingErrors([] { DataModule().OpenClient(CurFileName); });
    UpdateFormCaption();
    EnableMenuItems(FileIsOpen);
}

void TFrmMain::fitIntoScreen(QRect available)
{
    if (isMaximized() || isFullScreen())
        return;
    if (available.isEmpty()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            available = screen->availableGeometry();
    }
    // The frame counts: a window that only fits without its title bar still runs past the
    // screen's bottom. Until the window manager has framed the window, its title bar is taken
    // to be as high as the style draws one.
    QRect frame = frameGeometry();
    if (frame == geometry())
        frame.setTop(frame.top() - style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
    const QRect fitted = FitIntoScreen(frame, available);
    if (fitted != frame)
        setGeometry(geometry().adjusted(fitted.left() - frame.left(), fitted.top() - frame.top(),
                                        fitted.right() - frame.right(), fitted.bottom() - frame.bottom()));
}

void TFrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    ReopenAfterStyleChange();
}

void TFrmMain::ReopenAfterStyleChange()
{
    if (IsBlank(ReopenFileName))
        return;
    CurFileName = ReopenFileName;
    ReopenFileName.clear();
    {
        SkippingPassword skip;
        DataModule().OpenClient(CurFileName);
    }
    UpdateFormCaption();
    EnableMenuItems(FileIsOpen);
}

void TFrmMain::closeEvent(QCloseEvent* event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

void TFrmMain::FormClose()
{
    if (closed_)
        return;
    closed_ = true;
    ShowingErrors([] {
        if (FrmDataModule)
            FrmDataModule->RSEmployee.CloseRecSet();
    });
    if (AppRegistry) {
        ProgramSettings settings;
        settings.recentFiles = MRUList;
        settings.federalTaxPaymentURL = FederalTaxPaymentURL;
        settings.stateTaxPaymentURL = StateTaxPaymentURL;
        settings.scalingPercent = ScalingPercent;
        settings.styleName = ActiveStyleName;
        settings.windowGeometry = QString::fromLatin1(saveGeometry().toBase64());
        ShowingErrors([&] { SaveProgramSettings(*AppRegistry, RegistryRoot, settings); });
    }
    RemoveUpdateLeftovers();
    AppRegistry.reset();
    MRUList.clear();
    EFW2MasterList.clear();
    NJEFW2MasterList.clear();
}

void TFrmMain::UpdateFormCaption()
{
    setWindowTitle(MainWindowCaption(FileIsOpen, CompanyRec.Name.get()));
    curFilePanel_->setText(MainWindowStatusLine(FileIsOpen, CurFileName));
}

void TFrmMain::EnableMenuItems(bool enableIt)
{
    // A command settles the menus once, when it ends: opening a client asks for them several
    // times on its way, and each time would walk every employee.
    if (commandsRunning_ > 0)
        return;
    ClientMenuState state = enableIt && FileIsOpen ? CurrentClientMenuState() : ClientMenuState();
    state.fileIsOpen = enableIt;
    applyMenuStates(ComputeMenuStates(state));
}

void TFrmMain::SetupProcessingMenu()
{
    if (FileIsOpen)
        EnableMenuItems(true);
}

void TFrmMain::SetupPrintMenuItems()
{
    SetupProcessingMenu();
}

void TFrmMain::applyMenuStates(const MenuStates& states)
{
    for (std::size_t i = 1; i < kMenuItemCount; ++i) {
        const auto which = static_cast<MenuItem>(i);
        if (which == MnuRecentClients || RecentFileIndex(which) >= 0)
            continue;
        if (QAction* action = actions_[i])
            action->setEnabled(states.enabled[i]);
        if (QToolButton* b = buttons_[i])
            b->setEnabled(states.enabled[i]);
    }
    item(MnuNJUDI)->setVisible(states.isVisible(MnuNJUDI));
    item(MnuNJW3)->setVisible(states.isVisible(MnuNJW3));
    for (LaunchLabelWidget* label : labels_)
        label->setEnabled(labelIsLive(label->tag()));
    scrollBox_->setVisible(states.launchPanelVisible);
    messagePanel_->setVisible(states.messagePanelVisible);
}

void TFrmMain::MnuTaxFormsClick()
{
    if (!FileIsOpen)
        return;
    const MenuStates states = ComputeMenuStates(CurrentClientMenuState());
    for (MenuItem which : {MnuNJUDI, MnuNJW3}) {
        item(which)->setVisible(states.isVisible(which));
        item(which)->setEnabled(states.isEnabled(which));
    }
}

void TFrmMain::MnuElectronicTaxPaymentsClick()
{
    item(MnuURLState)->setEnabled(!IsBlank(StateTaxPaymentURL));
}

void TFrmMain::UpdateRecentFilesMenu()
{
    for (int k = 0; k < 10; ++k) {
        const QString entry = MRUList.value(k);
        QAction* action = item(RecentFileItem(k));
        action->setText(RecentFileCaption(k, entry));
        action->setVisible(!entry.isEmpty());
    }
    item(MnuRecentClients)->setEnabled(RecentClientsEnabled(MRUList));
}

void TFrmMain::RunCommand(MenuItem command, MenuItem sender)
{
    ++commandsRunning_;
    try {
        dispatch(command, sender);
    } catch (...) {
        --commandsRunning_;
        // The menus follow whatever the command changed before it failed; its own error is
        // the one the user sees.
        try {
            refreshAfterCommand();
        } catch (...) {
        }
        throw;
    }
    --commandsRunning_;
    refreshAfterCommand();
}

void TFrmMain::refreshAfterCommand()
{
    if (closed_)
        return;
    UpdateFormCaption();
    EnableMenuItems(FileIsOpen);
}

void TFrmMain::dispatch(MenuItem command, MenuItem sender)
{
    const auto launch = [this, sender](Launch which) { RunLauncher(which, *this, sender); };
    if (RecentFileIndex(command) >= 0)
        return launch(Launch::OpenMRUFileClick);
    switch (command) {
    case MnuOpen: return launch(Launch::MnuOpenClick);
    case MnuNew: return launch(Launch::MnuNewClick);
    case MnuSaveAs: return launch(Launch::MnuSaveAsClick);
    case MnuBackup: return launch(Launch::MnuBackupClick);
    case MnuRestore: return launch(Launch::MnuRestoreClick);
    case MnuClose: return launch(Launch::MnuCloseClick);
    case MnuPassword: return launch(Launch::TFrmPassword);
    case MnuCompany:
    case MnuURLSetup: return MnuCompanyClick(sender);
    case MnuFederal: return launch(Launch::TFrmFederal);
    case MnuState: return launch(Launch::TFrmState);
    case MnuCity: return launch(Launch::TFrmCity);
    case MnuEmployees: return launch(Launch::TFrmEmployee);
    case MnuPreparer: return launch(Launch::TFrmPreparer);
    case MnuPrintSetup: return launch(Launch::TFrmPrinterSetup);
    case MnuExit: close(); return;

    case MnuEmpoyeeRoster: return OpenReport(0, nullptr);
    case MnuEmployeeLabels: return launch(Launch::MnuEmployeeLabelsClick);
    case MnuJournal: return OpenReport(1, nullptr);
    case MnuMTDRpt: return OpenReport(2, kUnpostedWarningA);
    case MnuMTDRptJ: return OpenReport(3, kUnpostedWarningA);
    case MnuQTDRpt: return OpenReport(4, kUnpostedWarningA);
    case MnuQTDRptJ: return OpenReport(5, kUnpostedWarningA);
    case MnuYTDRpt: return OpenReport(6, kUnpostedWarningA);
    case MnuYTDRptJ: return OpenReport(7, kUnpostedWarningA);
    case MnuStateReport: return OpenReport(8, kUnpostedWarningB);
    case MnuDepartmental: return OpenReport(9, nullptr);
    case MnuMTDDeptRpt: return OpenReport(10, kUnpostedWarningA);
    case MnuQTDDeptRpt: return OpenReport(11, kUnpostedWarningA);
    case MnuYTDDeptRpt: return OpenReport(12, kUnpostedWarningA);
    case MnuCustPerPayRpt: return launch(Launch::TFrmCustomPayRpt);
    case MnuPriorPayDatesRpt: return launch(Launch::TFrmPriorPayDatesRpt);
    case MnuIndEmpPayRpt: return launch(Launch::TFrmIndEmpPayRpt);
    case MnuReconcileRpt: return launch(Launch::TFrmReconcileRpt);
    case MnuSavedReports: return launch(Launch::RptSavedReports);

    case MnuExpress: return launch(Launch::MnuExpressClick);
    case MnuPayPeriod: return launch(Launch::MnuPayPeriodClick);
    case MnuAutomatic: return launch(Launch::MnuAutomaticClick);
    case MnuCancel: return launch(Launch::MnuCancelClick);
    case MnuManualEntry: return launch(Launch::MnuManualEntryClick);
    case MnuStandard: return launch(Launch::MnuStandardClick);
    case MnuChecks: return launch(Launch::TFrmCheck);
    case MnuPosting: return launch(Launch::MnuPostingClick);
    case MnuCloseMonth: return launch(Launch::MnuCloseMonthClick);
    case MnuCloseQuarter: return launch(Launch::MnuCloseQuarterClick);
    case MnuFederalAndStateTaxLiabilities: return launch(Launch::TFrmTaxLiability);
    case MnuURLFederal:
    case MnuURLState: return launch(Launch::MnuURLFederalAndStateClick);
    case MnuPriorPayrollPeriods: return launch(Launch::MnuPriorPayrollPeriodsClick);

    case MnuForm940: return launch(Launch::TFrm940);
    case MnuForm941: return launch(Launch::TFrm941);
    case MnuScheduleB: return launch(Launch::TFrmScheduleB);
    case MnuForm944: return launch(Launch::TFrm944);
    case MnuFormW2: return launch(Launch::TFrmW2);
    case MnuFormW3: return launch(Launch::TFrmW3);
    case MnuForm1095C: return launch(Launch::TFrm1095C);
    case MnuForm1094C: return launch(Launch::TFrm1094C);
    case MnuNJUDI: return launch(Launch::TFrmNJUDI);
    case MnuNJW3: return launch(Launch::TFrmNJW3);

    case MnuCheckGenerator: return launch(Launch::TFrmPayCheckGen);
    case MnuRecurring: return launch(Launch::TFrmRecurring);
    case MnuEFW2: return launch(Launch::TFrmEFW2);
    case MnuTransfer: return MnuTransferClick(sender);
    case MnuWindowScaling: {
        TFrmScaling scaling;
        ShowModal(scaling);
        return;
    }

    case MnuContents: return launch(Launch::MnuContentsClick);
    case MnuLicenseAgreement: return launch(Launch::MnuLicenseAgreementClick);
    case MnuDirectDeposit: return launch(Launch::MnuDirectDepositClick);
    case MnuWebUpdate: return launch(Launch::MnuWebUpdateClick);
    case MnuTechnicalSupport: return launch(Launch::MnuTechnicalSupportClick);
    case MnuAboutLedgora: return launch(Launch::TFrmAbout);
    default: return;
    }
}

void TFrmMain::MnuCompanyClick(MenuItem sender)
{
    OpenTaxPaymentSetup = sender == MnuURLSetup;
    RunLauncher(Launch::TFrmCompany, *this, sender);
}

void TFrmMain::OpenReport(int kind, const char* warning)
{
    if (warning && !CompanyRec.PayrollPosted)
        AppMessageBox(QLatin1String(warning), QLatin1String(kApplicationTitle), MbOk | MbIconWarning);
    ReportKind = static_cast<std::uint8_t>(kind);
    RunLauncher(Launch::TFrmReports, *this, None);
}

void TFrmMain::MnuTransferClick(MenuItem sender)
{
    if (item(MnuClose)->isEnabled())
        RunLauncher(Launch::MnuCloseClick, *this, sender);
    RunLauncher(Launch::TFrmTransfer, *this, sender);
    LoadPreparer(*AppRegistry, RegistryRoot, PreparerRec);
}

bool TFrmMain::labelIsLive(int tag) const
{
    const LaunchLabel* def = FindLaunchLabel(tag);
    return def && (def->gate == None || item(def->gate)->isEnabled());
}

void TFrmMain::LabelClick(int tag)
{
    if (!labelIsLive(tag))
        return;
    const LaunchLabel* def = FindLaunchLabel(tag);
    if (def->command == None) {
        AppMessageBox(QLatin1String(kStyleNoteText), QLatin1String(kStyleNoteCaption), MbOk | MbIconInformation);
        return;
    }
    RunCommand(def->command, None);
}

void TFrmMain::LabelMouseEnter(LaunchLabelWidget* label)
{
    if (labelIsLive(label->tag()))
        label->setHot(true);
}

void TFrmMain::LabelMouseLeave(LaunchLabelWidget* label)
{
    label->setHot(false);
}

void TFrmMain::MnuStylesClick(QAction* clicked)
{
    const QString name = clicked->text().remove(QChar('&'));
    const auto checkActive = [this] {
        for (QAction* action : stylesMenu_->actions())
            action->setChecked(action->text().remove(QChar('&')) == ActiveStyleName);
    };
    if (name.compare(ActiveStyleName, Qt::CaseInsensitive) == 0) {
        checkActive();
        return;
    }
    QString sheet;
    try {
        sheet = LoadStyleSheet(StylesFolder(), name);
    } catch (...) {
        checkActive();
        throw;
    }
    if (item(MnuClose)->isEnabled()) {
        DataModule().RSEmployee.CloseRecSet();
        ReopenFileName = CurFileName;
        CurFileName.clear();
        DataModule().RSEmployee.SetFileName(QString());
        FileIsOpen = false;
        UpdateFormCaption();
        EnableMenuItems(false);
    }
    ActiveStyleName = name;
    ApplyStyleSheet(sheet);
    checkActive();
    // Re-creating the windows for a style ends in the main window's show handler, which opens
    // the client again.
    ReopenAfterStyleChange();
}

bool TFrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        if (auto* menu = qobject_cast<QMenu*>(watched)) {
            QAction* highlighted = menu->activeAction();
            if (highlighted && highlighted->property("helpContext").toInt() > 0) {
                const auto which = static_cast<MenuItem>(highlighted->property("menuItem").toInt());
                RunLauncher(Launch::ShowMenuItemHelp, *this, which);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
