#include "efw2/ui/PayNJEFW2.h"

#include "client/EFW2SettingsFiles.h"
#include "client/PayRecords.h"
#include "client/ui/HelpWindow.h"
#include "client/ui/ScreenRules.h"
#include "components/FileRoutines.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/FilterEdit.h"
#include "efw2/EFW2ProcessReadiness.h"
#include "efw2/ui/EFW2RefusalList.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

const QString kTitle = QStringLiteral("Ledgora 2026");
const QString kFinalWithdrawn = QStringLiteral(
    "The Final Client was not processed.~This client is no longer designated as the last NJ State Client to be "
    "Processed.");

bool Blank(const QString& text)
{
    return text.trimmed().isEmpty();
}

} // namespace

TFrmNJEFW2::TFrmNJEFW2(const EFW2SubmitterRecord& submitter, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , submitter_(NJSubmitterRecord::From(submitter))
{
    setObjectName(QStringLiteral("FrmNJEFW2"));
    setWindowTitle(QString::fromUtf8("New Jersey State EFW2 \xe2\x80\x94 File Creation Version 2026.00"));

    const auto check = [this](const char* name) {
        auto* box = new TCheckBoxEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setFixedWidth(24);
        return box;
    };
    const auto planId = [this](const char* name) {
        auto* field = new TFilterEdit(this);
        field->setObjectName(QString::fromLatin1(name));
        field->setMaxLength(14);
        field->setValidChars(QStringLiteral("[]"));
        field->setFixedWidth(160);
        return field;
    };
    Indicator = check("Indicator");
    DisbPlanType = check("DisbPlanType");
    DisbPlanNum = planId("DisbPlanNum");
    FLIPlanType = check("FLIPlanType");
    FLIPlanNum = planId("FLIPlanNum");

    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](TCheckBoxEdit* box, const QString& caption, TFilterEdit* id) {
        auto* label = new QLabel(caption, this);
        label->setWordWrap(true);
        label->setBuddy(box);
        grid->addWidget(box, row, 0, Qt::AlignTop);
        grid->addWidget(label, row, 1);
        ++row;
        if (id)
            grid->addWidget(id, row++, 1, Qt::AlignLeft);
    };
    addRow(Indicator, QStringLiteral("Check here, if the file to be created will be a test file."), nullptr);
    addRow(DisbPlanType,
           QStringLiteral("Check here, if the employees of this Client are covered by an approved private Disability "
                          "Plan and enter the plan ID number:"),
           DisbPlanNum);
    addRow(FLIPlanType,
           QStringLiteral("Check here, if the employees of this Client are covered by an approved private Family Leave "
                          "Insurance Plan and enter the plan ID number:"),
           FLIPlanNum);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);

    const auto button = [this](const char* name, const char* caption, const char* hint) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(QString::fromLatin1(hint));
        b->setAutoDefault(false);
        return b;
    };
    BtnHelp = button("BtnHelp", "&Help", "Obtain help on completing this Form");
    BtnProcess = button("BtnProcess", "&Process", "Process the Form and create EFW2 file");
    BtnReset = button("BtnReset", "&Reset", "Reset the EFW2 file creation process");
    BtnClose = button("BtnClose", "&Close", "Closes the Form without processing, but your data will be saved");
    BtnClose->setFocusPolicy(Qt::NoFocus);

    auto* right = new QVBoxLayout;
    right->addWidget(BtnHelp);
    right->addWidget(BtnProcess);
    ProcessMissing = new QLabel(this);
    ProcessMissing->setObjectName(QStringLiteral("ProcessMissing"));
    ProcessMissing->setWordWrap(true);
    right->addWidget(ProcessMissing);
    right->addWidget(BtnReset);
    auto* group = new QGroupBox(QStringLiteral("Exclude the following records:"), this);
    auto* groupLayout = new QVBoxLayout(group);
    ChkNJSubmitter = new QCheckBox(QStringLiteral("Submitter"), group);
    ChkNJSubmitter->setObjectName(QStringLiteral("ChkNJSubmitter"));
    ChkNJFinal = new QCheckBox(QStringLiteral("Final"), group);
    ChkNJFinal->setObjectName(QStringLiteral("ChkNJFinal"));
    for (QCheckBox* box : {ChkNJSubmitter, ChkNJFinal}) {
        box->setFocusPolicy(Qt::NoFocus);
        groupLayout->addWidget(box);
    }
    right->addWidget(group);
    right->addWidget(new QLabel(QStringLiteral("NJ Clients Processed:"), this));
    MemoClientsProcessed = new QPlainTextEdit(this);
    MemoClientsProcessed->setObjectName(QStringLiteral("MemoClientsProcessed"));
    MemoClientsProcessed->setReadOnly(true);
    MemoClientsProcessed->setFocusPolicy(Qt::NoFocus);
    MemoClientsProcessed->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    right->addWidget(MemoClientsProcessed, 1);
    auto* totalLabel = new QLabel(QStringLiteral("Total  number of NJ employee records created for all Clients:"), this);
    totalLabel->setWordWrap(true);
    right->addWidget(totalLabel);
    TotalRecords = new QLineEdit(this);
    TotalRecords->setObjectName(QStringLiteral("TotalRecords"));
    TotalRecords->setReadOnly(true);
    TotalRecords->setAlignment(Qt::AlignCenter);
    TotalRecords->setFocusPolicy(Qt::NoFocus);
    right->addWidget(TotalRecords);
    right->addSpacing(12);
    right->addWidget(BtnClose);
    auto* rightBox = new QWidget(this);
    rightBox->setLayout(right);
    rightBox->setFixedWidth(220);

    auto* body = new QHBoxLayout;
    body->addLayout(grid, 1);
    body->addWidget(rightBox);
    CurClientPanel = new QLabel(this);
    CurClientPanel->setObjectName(QStringLiteral("CurClientPanel"));
    CurClientPanel->setFrameShape(QFrame::Panel);
    CurClientPanel->setFrameShadow(QFrame::Sunken);
    CurClientPanel->setStyleSheet(QStringLiteral("font-weight: bold;"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 16, 16, 16);
    column->addLayout(body, 1);
    column->addWidget(CurClientPanel);

    new TFocusFrame(this);
    new TFocusHighlight(this);
    auto* enterAsTab = new TEnterAsTab(this);
    enterAsTab->setParentForm(this);
    SetHelpContext(this, kHelpContext);

    connect(BtnHelp, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    connect(BtnProcess, &QPushButton::clicked, this, &TFrmNJEFW2::BtnProcessClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmNJEFW2::BtnResetClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(ChkNJFinal, &QCheckBox::clicked, this, &TFrmNJEFW2::ChkNJFinalClick);
    connect(DisbPlanType, &TCheckBoxEdit::clicked, this, &TFrmNJEFW2::UpdatePlanFields);
    connect(FLIPlanType, &TCheckBoxEdit::clicked, this, &TFrmNJEFW2::UpdatePlanFields);
    connect(DisbPlanNum, &QLineEdit::textChanged, this, &TFrmNJEFW2::UpdatePlanFields);
    connect(FLIPlanNum, &QLineEdit::textChanged, this, &TFrmNJEFW2::UpdatePlanFields);

    ScaleScreen(this, QSize(640, 420));
}

NJStateOptions TFrmNJEFW2::options() const
{
    return {Indicator->checked(), DisbPlanType->checked(), DisbPlanNum->text(), FLIPlanType->checked(),
            FLIPlanNum->text()};
}

void TFrmNJEFW2::UpdatePlanFields()
{
    for (const auto& [box, id] : {std::pair {DisbPlanType, DisbPlanNum}, std::pair {FLIPlanType, FLIPlanNum}}) {
        id->setEnabled(box->checked());
        // A checked plan without its ID is marked at once, before Process refuses it.
        PaintFieldStatus(id, box->checked() && Blank(id->text()));
    }
}

void TFrmNJEFW2::LoadNJEFW2Form()
{
    Indicator->setChecked(run_.state.TestFile);
    TotalRecords->setText(QString::number(run_.state.TotalRecords));
    ChkNJSubmitter->setChecked(run_.state.ExcludeSubmitter);
    ChkNJFinal->setChecked(run_.state.ExcludeFinal);
}

void TFrmNJEFW2::SaveNJEFW2Form()
{
    run_.state.TestFile = Indicator->checked();
    run_.state.ExcludeSubmitter = ChkNJSubmitter->isChecked();
    run_.state.ExcludeFinal = ChkNJFinal->isChecked();
}

void TFrmNJEFW2::refreshRunControls()
{
    TotalRecords->setText(QString::number(run_.state.TotalRecords));
    BtnReset->setEnabled(run_.state.TotalRecords > 0);
    QStringList names;
    for (const EFW2ProcessedClient& client : run_.processed)
        names << client.name;
    MemoClientsProcessed->setPlainText(names.join(QLatin1Char('\n')));
    const bool processed = IsProcessed(run_.processed, CompanyFileName, CompanyRec.Name);
    const QString missing = EFW2ProcessMissing(CompanyRec.PayrollPosted, W2W3VisitCount);
    BtnProcess->setEnabled(missing.isEmpty() && !run_.state.FinalPending && !processed);
    ProcessMissing->setText(missing);
    ProcessMissing->setVisible(!missing.isEmpty());
    ChkNJSubmitter->setEnabled(BtnProcess->isEnabled());
    ChkNJFinal->setEnabled(BtnProcess->isEnabled());
    if (ChkNJSubmitter->isChecked() && ChkNJFinal->isChecked() && !run_.processed.isEmpty())
        ChkNJSubmitter->setEnabled(false);
    if (!run_.processed.isEmpty() && run_.masterLines.isEmpty()) {
        ChkNJSubmitter->setEnabled(false);
        ChkNJFinal->setEnabled(false);
    }
}

void TFrmNJEFW2::FormShow()
{
    files_ = NJRunFiles(UserDataDir(), DataDir);
    try {
        // This screen may be the first to write into the EFW2 folder.
        if (!QDir().mkpath(files_.efw2Dir))
            throw EInOutError(QStringLiteral("%1: the folder cannot be created.").arg(files_.efw2Dir));
        LoadNJRun(files_, run_);
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
        // A run that cannot be read (another window is in the middle of its step, or its files
        // could not be put in order) is never written over: the screen closes without saving.
        runUnavailable_ = true;
        QMetaObject::invokeMethod(this, [this] { reject(); }, Qt::QueuedConnection);
    }
    // A production program never writes a test file, whatever a development run left stored.
    Indicator->setEnabled(IsDevIDERunning());
    if (!IsDevIDERunning())
        run_.state.TestFile = false;
    NJEFW2MasterList = run_.masterLines;
    LoadNJEFW2Form();
    UpdatePlanFields();
    CurClientPanel->setText(QStringLiteral(" Current Client:  ") + CompanyRec.Name.get());
    refreshRunControls();
    DisbPlanType->setFocus();
}

void TFrmNJEFW2::BtnProcessClick()
{
    try {
        CheckHasW2Employees();
        if (const NJPlanProblem problem = CheckNJPlans(options()); !problem.field.isEmpty()) {
            findChild<QWidget*>(problem.field)->setFocus();
            throw EFieldException(problem.message);
        }
        SaveNJEFW2Form();
        const int count = ProcessNJClient(files_, run_, submitter_, options(), CompanyRec.Name, CompanyFileName);
        NJEFW2MasterList = run_.masterLines;
        AppMessageBox(QStringLiteral("Process Completed.  Total NJ employee records processed for %1 = %2")
                          .arg(CompanyRec.Name.get())
                          .arg(count),
                      kTitle, MbOk);
        ChkNJSubmitter->setChecked(run_.state.ExcludeSubmitter);
        refreshRunControls();
        BtnProcess->setEnabled(false);
        ChkNJSubmitter->setEnabled(false);
        ChkNJFinal->setEnabled(false);
    } catch (const EEFW2RefusedException& refused) {
        ShowEFW2Refusals(refused, kTitle);
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TFrmNJEFW2::BtnResetClick()
{
    if (AppMessageBox(QStringLiteral("This will clear the Master NJ State EFW2 Text File and reset the~total number of "
                                     "employee records created for all Clients to zero.~~Are you sure?~"),
                      kTitle, MbYesNo | MbIconQuestion | MbDefButton2)
        != IdYes)
        return;
    try {
        SaveNJEFW2Form();
        ResetNJRun(files_, run_);
        NJEFW2MasterList.clear();
        ChkNJSubmitter->setChecked(false);
        ChkNJFinal->setChecked(false);
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
    refreshRunControls();
}

void TFrmNJEFW2::ChkNJFinalClick()
{
    if (ChkNJFinal->isChecked() || run_.masterLines.isEmpty())
        return;
    if (AppMessageBox(QStringLiteral("Will this be the last NJ State Client to be Processed?"), kTitle,
                      MbYesNo | MbIconQuestion | MbDefButton2)
        == IdYes) {
        run_.state.FinalPending = true;
    } else {
        ChkNJFinal->setChecked(true);
        run_.state.FinalPending = false;
    }
}

void TFrmNJEFW2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
}

void TFrmNJEFW2::reject()
{
    if (closing_)
        return;
    closing_ = true;
    if (!runUnavailable_) {
        // A last client declared but not processed would keep every later client from Process; the
        // declaration is withdrawn rather than the screen kept open.
        if (BtnProcess->isEnabled() && run_.state.FinalPending) {
            run_.state.FinalPending = false;
            ChkNJFinal->setChecked(true);
            AppMessageBox(kFinalWithdrawn, kTitle, MbOk | MbIconInformation);
        }
        SaveNJEFW2Form();
        try {
            SaveNJStateFile(files_.stateFile, run_.state);
        } catch (const std::exception& error) {
            LedgoraApplication::ShowException(error);
        }
    }
    QDialog::reject();
}

void TFrmNJEFW2::closeEvent(QCloseEvent* event)
{
    if (!closing_) {
        event->ignore();
        reject();
        return;
    }
    QDialog::closeEvent(event);
}

void OpenNJEFW2Screen(const EFW2SubmitterRecord& submitter)
{
    TFrmNJEFW2 screen(submitter);
    ShowModal(screen);
}
