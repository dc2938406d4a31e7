#include "efw2/ui/PayEFW2.h"

#include "client/EFW2SettingsFiles.h"
#include "client/PayRecords.h"
#include "client/ProgramWideFiles.h"
#include "client/ui/HelpWindow.h"
#include "client/ui/ScreenRules.h"
#include "components/StateTables.h"
#include "components/Validators.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/StateEdit.h"
#include "efw2/EFW2ProcessReadiness.h"
#include "efw2/EFW2Records.h"
#include "efw2/ui/EFW2RefusalList.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"
#include "platform/ShellOpen.h"
#include "platform/ui/LedgoraApplication.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QUrl>
#include <QVBoxLayout>

const QString TFrmEFW2::kFinalWithdrawn = QStringLiteral(
    "The Final Client was not processed.~This client is no longer designated as the last Client to be Processed.");

namespace {

const QString kTitle = QStringLiteral("Ledgora 2026");

bool Blank(const QString& text)
{
    return text.trimmed().isEmpty();
}

QString StateChoice(const TStateEdit* box)
{
    return box->currentIndex() >= 0 ? box->currentText() : QString();
}

void ChooseState(TStateEdit* box, const QString& code)
{
    const int index = StateCodeIndex(code);
    box->setCurrentIndex(!code.isEmpty() && index < StateCount ? index : -1);
}

} // namespace

TFrmEFW2::TFrmEFW2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmEFW2"));
    setWindowTitle(QString::fromUtf8(
        "Social Security Administration EFW2 \xe2\x80\x94 Submitter Information and File Creation Version 2026.00"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8));

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ScrollBox"));
    scroll->setWidgetResizable(true);
    auto* sheet = new QWidget;
    sheet->setAutoFillBackground(true);
    QPalette white = sheet->palette();
    white.setColor(QPalette::Window, Qt::white);
    sheet->setPalette(white);
    auto* grid = new QGridLayout(sheet);
    grid->setVerticalSpacing(3);
    grid->setColumnStretch(0, 1);
    scroll->setWidget(sheet);

    int row = 0;
    const auto text = [&](const char* name, int length, const char* validChars, bool upper) {
        auto* field = new TFilterEdit(sheet);
        field->setObjectName(QString::fromLatin1(name));
        field->setMaxLength(length);
        field->setValidChars(QString::fromLatin1(validChars));
        if (upper)
            field->setCharCase(ecUpperCase);
        fields_.insert(field->objectName(), field);
        return field;
    };
    const auto masked = [&](const char* name, const char* mask) {
        auto* field = new QLineEdit(sheet);
        field->setObjectName(QString::fromLatin1(name));
        field->setInputMask(QString::fromLatin1(mask) + QStringLiteral("; "));
        fields_.insert(field->objectName(), field);
        return field;
    };
    const auto state = [&](const char* name) {
        auto* box = new TStateEdit(sheet);
        box->setObjectName(QString::fromLatin1(name));
        box->setOkToDel(true);
        fields_.insert(box->objectName(), box);
        return box;
    };
    const auto addRow = [&](const QString& caption, std::initializer_list<QWidget*> controls, int width = 0) {
        auto* label = new QLabel(caption, sheet);
        label->setWordWrap(true);
        label->setBuddy(*controls.begin());
        grid->addWidget(label, row, 0);
        auto* line = new QHBoxLayout;
        for (QWidget* control : controls) {
            if (width > 0 && qobject_cast<QLineEdit*>(control))
                control->setFixedWidth(width);
            line->addWidget(control);
        }
        line->addStretch(1);
        grid->addLayout(line, row, 1);
        ++row;
    };
    const char* kAny = "[]";
    const char* kDigits = "[0..9]";
    const char* kLetters = "[A..Z,a..z]";

    EIN = masked("EIN", "99\\-9999999");
    UserID = text("UserID", 8, kAny, true);
    ResubInd = new TCheckBoxEdit(sheet);
    ResubInd->setObjectName(QStringLiteral("ResubInd"));
    fields_.insert(QStringLiteral("ResubInd"), ResubInd);
    ResubID = text("ResubID", 6, kAny, false);
    CompanyName = text("CompanyName", 57, kAny, true);
    LocationAddr = text("LocationAddr", 22, kAny, true);
    DeliveryAddr = text("DeliveryAddr", 22, kAny, true);
    City = text("City", 22, kAny, true);
    StateCode = state("StateCode");
    ZipCode = text("ZipCode", 5, kDigits, false);
    ZipCodeExt = text("ZipCodeExt", 4, kDigits, false);
    ForeignState = text("ForeignState", 23, kAny, true);
    ForeignZip = text("ForeignZip", 15, kAny, true);
    CountryCode = text("CountryCode", 2, kLetters, true);
    BtnViewCountryCodes = new QPushButton(QStringLiteral("&View Country Codes"), sheet);
    BtnViewCountryCodes->setObjectName(QStringLiteral("BtnViewCountryCodes"));
    SubmitName = text("SubmitName", 57, kAny, true);
    SubmitAddr1 = text("SubmitAddr1", 22, kAny, true);
    SubmitAddr2 = text("SubmitAddr2", 22, kAny, true);
    SubmitCity = text("SubmitCity", 22, kAny, true);
    SubmitState = state("SubmitState");
    SubmitZip = text("SubmitZip", 5, kDigits, false);
    SubmitZipExt = text("SubmitZipExt", 4, kDigits, false);
    SubmitFSP = text("SubmitFSP", 23, kAny, true);
    SubmitFPC = text("SubmitFPC", 15, kAny, true);
    SubmitCC = text("SubmitCC", 2, kLetters, true);
    ContactName = text("ContactName", 27, kAny, true);
    ContactPhone = masked("ContactPhone", "999\\-999\\-9999");
    ContactExt = text("ContactExt", 5, kDigits, false);
    ContactEmail = text("ContactEmail", 40, kAny, false);
    ContactFax = masked("ContactFax", "999\\-999\\-9999");
    PreparerCode = text("PreparerCode", 1, "[A,L,S,P,O,a,l,s,p,o]", true);
    PreparerCode->setAlignment(Qt::AlignCenter);
    ResubInd->setFixedWidth(24);
    PreparerCode->setFixedWidth(24);
    for (QWidget* code : {static_cast<QWidget*>(CountryCode), static_cast<QWidget*>(SubmitCC)})
        code->setFixedWidth(36);

    addRow(QStringLiteral("Submitter's Employer Identification Number (EIN)"), {EIN}, 90);
    addRow(QStringLiteral("BSO User ID assigned to the employee who is attesting to the accuracy of the EFW2 file"), {UserID}, 90);
    addRow(QStringLiteral("Check if the file is being resubmitted"), {ResubInd});
    addRow(QStringLiteral("and enter the Wage File Identifier from SSA notice"), {ResubID}, 70);
    addRow(QStringLiteral("Company Name"), {CompanyName}, 330);
    addRow(QStringLiteral("Location address (Floor, Suite or Room number)"), {LocationAddr}, 170);
    addRow(QStringLiteral("Delivery address"), {DeliveryAddr}, 170);
    addRow(QStringLiteral("City"), {City}, 170);
    addRow(QStringLiteral("State"), {StateCode});
    auto* dash1 = new QLabel(QStringLiteral("-"), sheet);
    addRow(QStringLiteral("Zip Code and Zip Code extension (extension is optional)"), {ZipCode, dash1, ZipCodeExt}, 50);
    addRow(QStringLiteral("Foreign State or Province"), {ForeignState}, 170);
    addRow(QStringLiteral("Foreign Postal Code"), {ForeignZip}, 120);
    addRow(QStringLiteral("Country Code (if U.S. state or possession, leave blank)"), {CountryCode, BtnViewCountryCodes});
    addRow(QStringLiteral("Submitter Name"), {SubmitName}, 330);
    addRow(QStringLiteral("Submitter's Location address (Floor, Suite or Room number)"), {SubmitAddr1}, 170);
    addRow(QStringLiteral("Submitter's Delivery address"), {SubmitAddr2}, 170);
    addRow(QStringLiteral("Submitter's City"), {SubmitCity}, 170);
    addRow(QStringLiteral("Submitter's State"), {SubmitState});
    auto* dash2 = new QLabel(QStringLiteral("-"), sheet);
    addRow(QStringLiteral("Submitter's Zip Code and Zip Code extension (extension is optional)"),
           {SubmitZip, dash2, SubmitZipExt}, 50);
    addRow(QStringLiteral("Submitter's Foreign State or Province"), {SubmitFSP}, 170);
    addRow(QStringLiteral("Submitter's Foreign Postal Code"), {SubmitFPC}, 120);
    addRow(QStringLiteral("Submitter's Country Code (if U.S. state or possession, leave blank)"),
           {SubmitCC, new QLabel(QStringLiteral("Click View Country Codes Above"), sheet)});
    addRow(QStringLiteral("Person to be contacted by SSA concerning processing problems"), {ContactName}, 170);
    addRow(QStringLiteral("Contact Person's telephone number and extension"), {ContactPhone, ContactExt}, 90);
    ContactExt->setFixedWidth(50);
    addRow(QStringLiteral("Contact Person's e-mail/internet address"), {ContactEmail}, 260);
    addRow(QStringLiteral("Contact Person's  fax number if applicable"), {ContactFax}, 90);
    addRow(QStringLiteral("Preparer Code. Enter one of the following codes to indicate who prepared the EFW2 file:\n"
                          "A = Accounting Firm, L = Self Prepared, S= Service Bureau, P = Parent Company, O = Oher"),
           {PreparerCode});
    grid->setRowStretch(row, 1);

    auto* right = new QVBoxLayout;
    const auto button = [&](const char* name, const char* caption, const char* hint) {
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
    right->addWidget(BtnHelp);
    right->addWidget(BtnProcess);
    ProcessMissing = new QLabel(this);
    ProcessMissing->setObjectName(QStringLiteral("ProcessMissing"));
    ProcessMissing->setWordWrap(true);
    right->addWidget(ProcessMissing);
    right->addWidget(BtnReset);
    auto* group = new QGroupBox(QStringLiteral("Exclude the following records:"), this);
    group->setObjectName(QStringLiteral("GroupBox"));
    auto* groupLayout = new QVBoxLayout(group);
    ChkSubmitter = new QCheckBox(QStringLiteral("Submitter"), group);
    ChkSubmitter->setObjectName(QStringLiteral("ChkSubmitter"));
    ChkFinal = new QCheckBox(QStringLiteral("Final"), group);
    ChkFinal->setObjectName(QStringLiteral("ChkFinal"));
    for (QCheckBox* box : {ChkSubmitter, ChkFinal}) {
        box->setFocusPolicy(Qt::NoFocus);
        groupLayout->addWidget(box);
    }
    right->addWidget(group);
    right->addWidget(new QLabel(QStringLiteral("Clients Processed:"), this));
    MemoClientsProcessed = new QPlainTextEdit(this);
    MemoClientsProcessed->setObjectName(QStringLiteral("MemoClientsProcessed"));
    MemoClientsProcessed->setReadOnly(true);
    MemoClientsProcessed->setFocusPolicy(Qt::NoFocus);
    MemoClientsProcessed->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    right->addWidget(MemoClientsProcessed, 1);
    auto* totalLabel = new QLabel(QStringLiteral("Total  number of employee  records created for all Clients"), this);
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

    auto* body = new QHBoxLayout;
    body->addWidget(scroll, 1);
    auto* rightBox = new QWidget(this);
    rightBox->setLayout(right);
    rightBox->setFixedWidth(220);
    body->addWidget(rightBox);
    CurClientPanel = new QLabel(this);
    CurClientPanel->setObjectName(QStringLiteral("CurClientPanel"));
    CurClientPanel->setFrameShape(QFrame::Panel);
    CurClientPanel->setFrameShadow(QFrame::Sunken);
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
    connect(BtnProcess, &QPushButton::clicked, this, &TFrmEFW2::BtnProcessClick);
    connect(BtnReset, &QPushButton::clicked, this, &TFrmEFW2::BtnResetClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnViewCountryCodes, &QPushButton::clicked, this, &TFrmEFW2::BtnViewCountryCodesClick);
    connect(ChkSubmitter, &QCheckBox::clicked, this, &TFrmEFW2::ChkSubmitterClick);
    connect(ChkFinal, &QCheckBox::clicked, this, &TFrmEFW2::ChkFinalClick);
    connect(ResubInd, &TCheckBoxEdit::clicked, this, &TFrmEFW2::UpdateFieldColors);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
        if (old && old->window() == this && shown_)
            UpdateFieldColors();
    });

    ScaleScreen(this, QSize(802, 729));
}

TFrmEFW2::~TFrmEFW2()
{
    disconnect(focusWatch_);
}

void TFrmEFW2::LoadEFW2Form()
{
    const EFW2SubmitterRecord& s = EFW2SubmitterRec;
    EIN->setText(s.EIN);
    UserID->setText(s.UserID);
    ResubInd->setChecked(s.ResubInd.get() == QLatin1String("1"));
    ResubID->setText(s.ResubID);
    CompanyName->setText(s.CompanyName);
    LocationAddr->setText(s.LocationAddr);
    DeliveryAddr->setText(s.DeliveryAddr);
    City->setText(s.City);
    ChooseState(StateCode, s.StateCode);
    ZipCode->setText(s.ZipCode);
    ZipCodeExt->setText(s.ZipCodeExt);
    ForeignState->setText(s.ForeignState);
    ForeignZip->setText(s.ForeignZip);
    CountryCode->setText(s.CountryCode);
    SubmitName->setText(s.SubmitName);
    SubmitAddr1->setText(s.SubmitAddr1);
    SubmitAddr2->setText(s.SubmitAddr2);
    SubmitCity->setText(s.SubmitCity);
    ChooseState(SubmitState, s.SubmitState);
    SubmitZip->setText(s.SubmitZip);
    SubmitZipExt->setText(s.SubmitZipExt);
    SubmitFSP->setText(s.SubmitFSP);
    SubmitFPC->setText(s.SubmitFPC);
    SubmitCC->setText(s.SubmitCC);
    ContactName->setText(s.ContactName);
    ContactPhone->setText(s.ContactPhone);
    ContactExt->setText(s.ContactExt);
    ContactEmail->setText(s.ContactEmail);
    ContactFax->setText(s.ContactFax);
    PreparerCode->setText(s.PreparerCode);
    TotalRecords->setText(QString::number(s.TotalRecords));
    ChkSubmitter->setChecked(s.ExcludeSubmitter);
    ChkFinal->setChecked(s.ExcludeFinal);
}

void TFrmEFW2::SaveEFW2Form()
{
    EFW2SubmitterRecord& s = EFW2SubmitterRec;
    s.EIN = EIN->displayText();
    s.UserID = UserID->text();
    s.ResubInd = ResubInd->checked() ? QStringLiteral("1") : QStringLiteral("0");
    s.ResubID = ResubID->text();
    s.CompanyName = CompanyName->text();
    s.LocationAddr = LocationAddr->text();
    s.DeliveryAddr = DeliveryAddr->text();
    s.City = City->text();
    s.StateCode = StateChoice(StateCode);
    s.ZipCode = ZipCode->text();
    s.ZipCodeExt = ZipCodeExt->text();
    s.ForeignState = ForeignState->text();
    s.ForeignZip = ForeignZip->text();
    s.CountryCode = CountryCode->text();
    s.SubmitName = SubmitName->text();
    s.SubmitAddr1 = SubmitAddr1->text();
    s.SubmitAddr2 = SubmitAddr2->text();
    s.SubmitCity = SubmitCity->text();
    s.SubmitState = StateChoice(SubmitState);
    s.SubmitZip = SubmitZip->text();
    s.SubmitZipExt = SubmitZipExt->text();
    s.SubmitFSP = SubmitFSP->text();
    s.SubmitFPC = SubmitFPC->text();
    s.SubmitCC = SubmitCC->text();
    s.ContactName = ContactName->text();
    s.ContactPhone = ContactPhone->displayText();
    s.ContactExt = ContactExt->text();
    s.ContactEmail = ContactEmail->text();
    s.ContactFax = ContactFax->displayText();
    s.PreparerCode = PreparerCode->text();
    s.ExcludeSubmitter = ChkSubmitter->isChecked();
    s.ExcludeFinal = ChkFinal->isChecked();
}

void TFrmEFW2::UpdateFieldColors()
{
    ResubID->setEnabled(ResubInd->checked());
    const auto shorter = [](const QLineEdit* field, int length) { return field->text().trimmed().size() < length; };
    PaintFieldStatus(EIN, !IsValidEIN(EIN->displayText()));
    PaintFieldStatus(UserID, shorter(UserID, 8));
    PaintFieldStatus(ResubID, ResubInd->checked() && Blank(ResubID->text()));
    for (QLineEdit* field : std::initializer_list<QLineEdit*> {SubmitName, SubmitAddr2, SubmitCity, ContactName, PreparerCode})
        PaintFieldStatus(field, Blank(field->text()));
    PaintFieldStatus(SubmitState, SubmitState->currentIndex() < 0);
    PaintFieldStatus(SubmitZip, shorter(SubmitZip, 5));
    PaintFieldStatus(SubmitZipExt, !Blank(SubmitZipExt->text()) && shorter(SubmitZipExt, 4));
    PaintFieldStatus(ContactPhone, !IsValidPhone(ContactPhone->displayText()));
    PaintFieldStatus(ContactEmail, !IsValidEmail(ContactEmail->text()));
}

void TFrmEFW2::ValidateSubmitterData()
{
    SaveEFW2Form();
    const EFW2SubmitterProblem problem = CheckSubmitter(EFW2SubmitterRec);
    if (problem.field.isEmpty())
        return;
    if (QWidget* field = Field(problem.field))
        field->setFocus();
    throw EFieldException(problem.message);
}

bool TFrmEFW2::processAllowed() const
{
    return EFW2ProcessMissing(CompanyRec.PayrollPosted, W2W3VisitCount).isEmpty();
}

void TFrmEFW2::refreshRunControls()
{
    const EFW2SubmitterRecord& s = EFW2SubmitterRec;
    TotalRecords->setText(QString::number(s.TotalRecords));
    BtnReset->setEnabled(s.TotalRecords > 0);
    QStringList names;
    for (const EFW2ProcessedClient& client : run_.processed)
        names << client.name;
    MemoClientsProcessed->setPlainText(names.join(QLatin1Char('\n')));
    const bool processed = IsProcessed(run_.processed, CompanyFileName, CompanyRec.Name);
    BtnProcess->setEnabled(processAllowed() && !s.FinalPending && !processed);
    ProcessMissing->setText(EFW2ProcessMissing(CompanyRec.PayrollPosted, W2W3VisitCount));
    ProcessMissing->setVisible(!ProcessMissing->text().isEmpty());
    ChkSubmitter->setEnabled(BtnProcess->isEnabled());
    ChkFinal->setEnabled(BtnProcess->isEnabled());
    if (ChkSubmitter->isChecked() && ChkFinal->isChecked() && !run_.processed.isEmpty())
        ChkSubmitter->setEnabled(false);
    if (!run_.processed.isEmpty() && EFW2MasterList.isEmpty()) {
        ChkSubmitter->setEnabled(false);
        ChkFinal->setEnabled(false);
    }
}

void TFrmEFW2::FormShow()
{
    files_.submitterFile = W2SubmitterFileName;
    files_.processedClientsFile = ProgramWideFile(kProcessedClientsFile);
    files_.efw2Dir = EFW2DirOf(DataDir);
    files_.masterFile = files_.efw2Dir + QStringLiteral("FormsW2Report.txt");
    QDir().mkpath(files_.efw2Dir);
    try {
        LoadRun(files_, run_);
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
        // A run that cannot be read (another window is in the middle of its step, or its files
        // could not be put in order) is never written over: the screen closes without saving.
        runUnavailable_ = true;
        QMetaObject::invokeMethod(this, [this] { reject(); }, Qt::QueuedConnection);
    }
    EFW2SubmitterRec = run_.submitter;
    EFW2MasterList = run_.masterLines;
    LoadEFW2Form();
    UpdateFieldColors();
    CurClientPanel->setText(QStringLiteral(" Current Client:  ") + CompanyRec.Name.get());
    refreshRunControls();
    EIN->setFocus();
}

void TFrmEFW2::BtnProcessClick()
{
    try {
        CheckHasW2Employees();
        ValidateSubmitterData();
        run_.submitter = EFW2SubmitterRec;
        const int count = ProcessClient(files_, run_, CompanyRec.Name, CompanyFileName);
        EFW2SubmitterRec = run_.submitter;
        EFW2MasterList = run_.masterLines;
        AppMessageBox(QStringLiteral("Process Completed.  Total employee records processed for %1 = %2")
                          .arg(CompanyRec.Name.get())
                          .arg(count),
                      kTitle, MbOk);
        ChkSubmitter->setChecked(EFW2SubmitterRec.ExcludeSubmitter);
        refreshRunControls();
        BtnProcess->setEnabled(false);
        ChkSubmitter->setEnabled(false);
        ChkFinal->setEnabled(false);
    } catch (const EEFW2RefusedException& refused) {
        ShowEFW2Refusals(refused, kTitle);
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TFrmEFW2::BtnResetClick()
{
    if (AppMessageBox(QStringLiteral("This will clear the Master EFW2 Text File and reset the total~number  of employee "
                                     "records created for all Clients to zero. ~~Are you sure?"),
                      kTitle, MbYesNo | MbIconQuestion | MbDefButton2)
        != IdYes)
        return;
    try {
        SaveEFW2Form();
        run_.submitter = EFW2SubmitterRec;
        ResetRun(files_, run_);
        EFW2SubmitterRec = run_.submitter;
        EFW2MasterList.clear();
        ChkSubmitter->setChecked(false);
        ChkFinal->setChecked(false);
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
    refreshRunControls();
}

void TFrmEFW2::BtnViewCountryCodesClick()
{
    const QString fileName = ProgramDir() + QStringLiteral("CountryCodes.pdf");
    if (QFileInfo::exists(fileName))
        ShellOpen(QUrl::fromLocalFile(fileName));
    else
        AppMessageBox(QStringLiteral("The Country Codes file cannot be found."), kTitle, MbOk | MbIconStop);
}

void TFrmEFW2::ChkSubmitterClick()
{
    if (ChkSubmitter->isChecked() || EFW2MasterList.isEmpty())
        return;
    AppMessageBox(QStringLiteral("You have already created a Submitter record."), kTitle, MbOk | MbIconInformation);
    ChkSubmitter->setChecked(true);
}

void TFrmEFW2::ChkFinalClick()
{
    if (ChkFinal->isChecked() || EFW2MasterList.isEmpty())
        return;
    if (AppMessageBox(QStringLiteral("Will this be the last Client to be Processed?"), kTitle,
                      MbYesNo | MbIconQuestion | MbDefButton2)
        == IdYes) {
        EFW2SubmitterRec.FinalPending = true;
    } else {
        ChkFinal->setChecked(true);
        EFW2SubmitterRec.FinalPending = false;
    }
}

void TFrmEFW2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
}

void TFrmEFW2::reject()
{
    if (closing_)
        return;
    closing_ = true;
    if (!runUnavailable_) {
        // A final client designated but not processed would leave the next opening unable to
        // process anyone; the designation is withdrawn rather than the screen kept open.
        if (BtnProcess->isEnabled() && EFW2SubmitterRec.FinalPending) {
            EFW2SubmitterRec.FinalPending = false;
            ChkFinal->setChecked(true);
            AppMessageBox(kFinalWithdrawn, kTitle, MbOk | MbIconInformation);
        }
        SaveEFW2Form();
        try {
            SaveSubmitterFile(files_.submitterFile, EFW2SubmitterRec);
        } catch (const std::exception& error) {
            LedgoraApplication::ShowException(error);
        }
    }
    QDialog::reject();
}

void TFrmEFW2::closeEvent(QCloseEvent* event)
{
    if (!closing_) {
        event->ignore();
        reject();
        return;
    }
    QDialog::closeEvent(event);
}
