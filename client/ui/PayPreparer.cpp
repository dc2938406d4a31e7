#include "client/ui/PayPreparer.h"

#include "client/PayRecords.h"
#include "client/ProgramStart.h"
#include "client/ui/HelpWindow.h"
#include "client/ui/ScreenRules.h"
#include "components/StateTables.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/EntryFieldSupport.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/StateEdit.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/Registry.h"
#include "platform/ui/LedgoraApplication.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

TFilterEdit* TextEntry(QWidget* parent, const char* name, int maxLength, const char* validChars,
                       TEditCharCase charCase = ecNormal)
{
    auto* field = new TFilterEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(maxLength);
    field->setValidChars(QString::fromLatin1(validChars));
    field->setCharCase(charCase);
    return field;
}

QLineEdit* MaskedEntry(QWidget* parent, const char* name, const char* mask)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setInputMask(QString::fromLatin1(mask) + QStringLiteral("; "));
    return field;
}

} // namespace

TFrmPreparer::TFrmPreparer(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrmPreparer"));
    setWindowTitle(QStringLiteral("Paid Preparer's Information"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma

    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->setVerticalSpacing(4);
    PrepName = TextEntry(this, "PrepName", 40, "[A..Z,a..z,., ]");
    FirmName = TextEntry(this, "FirmName", 40, "[]");
    Address = TextEntry(this, "Address", 30, "[]");
    City = TextEntry(this, "City", 20, "[A..Z,a..z, ]");
    State = new TStateEdit(this);
    State->setObjectName(QStringLiteral("State"));
    ZipCode = TextEntry(this, "ZipCode", 10, "[0..9,-]");
    PhoneNum = MaskedEntry(this, "PhoneNum", "999-999-9999");
    EIN = MaskedEntry(this, "EIN", "99-9999999");
    PTIN = TextEntry(this, "PTIN", 9, "[0..9,P]", ecUpperCase);
    SelfEmp = new QCheckBox(QStringLiteral("Check if self-employed"), this);
    SelfEmp->setObjectName(QStringLiteral("SelfEmp"));
    PrintDate = new QCheckBox(QStringLiteral("Check to print current date on tax forms"), this);
    PrintDate->setObjectName(QStringLiteral("PrintDate"));
    PrintDate->setLayoutDirection(Qt::RightToLeft); // the text stands left of the box
    SignForm = new QCheckBox(QStringLiteral("Check to print Preparer's Name  in signature area on tax forms"), this);
    SignForm->setObjectName(QStringLiteral("SignForm"));

    form->addRow(QStringLiteral("Preparer's Name"), PrepName);
    form->addRow(QStringLiteral("Firm's Name or your's if self employed"), FirmName);
    form->addRow(QStringLiteral("Address"), Address);
    form->addRow(QStringLiteral("City"), City);
    auto* stateZip = new QHBoxLayout;
    stateZip->addWidget(State);
    stateZip->addSpacing(12);
    auto* zipLabel = new QLabel(QStringLiteral("Zip code"), this);
    zipLabel->setBuddy(ZipCode);
    stateZip->addWidget(zipLabel);
    stateZip->addWidget(ZipCode, 1);
    // A ZIP code with its four more digits shows whole.
    ZipCode->setMinimumWidth(ZipCode->fontMetrics().horizontalAdvance(QStringLiteral("00000-0000")) + 12);
    form->addRow(QStringLiteral("State"), stateZip);
    form->addRow(QStringLiteral("Phone"), PhoneNum);
    auto* ids = new QHBoxLayout;
    ids->addWidget(EIN, 1);
    ids->addSpacing(12);
    auto* ptinLabel = new QLabel(QStringLiteral("PTIN"), this);
    ptinLabel->setBuddy(PTIN);
    ids->addWidget(ptinLabel);
    ids->addWidget(PTIN, 1);
    form->addRow(QStringLiteral("EIN"), ids);
    column->addLayout(form);
    auto* checks = new QHBoxLayout;
    checks->addWidget(SelfEmp);
    checks->addStretch(1);
    checks->addWidget(PrintDate);
    column->addLayout(checks);
    column->addWidget(SignForm);
    column->addStretch(1);

    auto* bar = new QHBoxLayout;
    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnHelp = new QPushButton(QStringLiteral("Help"), this);
    BtnHelp->setObjectName(QStringLiteral("BtnHelp"));
    BtnHelp->setToolTip(QStringLiteral("Form Help"));
    for (QPushButton* button : {BtnOk, BtnCancel, BtnHelp}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
    }
    BtnHelp->setFocusPolicy(Qt::TabFocus);
    bar->addStretch(1);
    bar->addWidget(BtnOk);
    bar->addWidget(BtnCancel);
    bar->addStretch(1);
    bar->addWidget(BtnHelp);
    column->addLayout(bar);

    connect(BtnOk, &QPushButton::clicked, this, &TFrmPreparer::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnHelp, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    // Leaving a field recolours the required ones.
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
        if (old && old->window() == this && shown_)
            CheckFieldStatus();
    });
    new KeyPreview(this, [](QKeyEvent* event) {
        if (event->key() != Qt::Key_F1 || event->modifiers() != Qt::NoModifier)
            return false;
        ShowHelp(kHelpContext);
        return true;
    });
    auto* enterAsTab = new TEnterAsTab(this);
    enterAsTab->setParentForm(this);

    ScaleScreen(this, QSize(392, 310));
}

// The entries die before the window stops listening, and their focus leaves as they go.
TFrmPreparer::~TFrmPreparer()
{
    disconnect(focusWatch_);
}

QWidget* TFrmPreparer::FieldControl(PreparerField field) const
{
    switch (field) {
    case PreparerField::PrepName: return PrepName;
    case PreparerField::FirmName: return FirmName;
    case PreparerField::Address: return Address;
    case PreparerField::City: return City;
    case PreparerField::State: return State;
    case PreparerField::ZipCode: return ZipCode;
    case PreparerField::PhoneNum: return PhoneNum;
    case PreparerField::PTIN: return PTIN;
    }
    return nullptr;
}

PreparerRecord TFrmPreparer::entries() const
{
    PreparerRecord p{};
    p.PrepName = PrepName->text();
    p.FirmName = FirmName->text();
    p.Address = Address->text();
    p.City = City->text();
    p.State = State->currentIndex() >= 0 ? State->currentText() : QString();
    p.ZipCode = ZipCode->text();
    p.Phone = PhoneNum->displayText();
    p.SelfEmployed = SelfEmp->isChecked();
    p.EIN = EIN->displayText();
    p.PTIN = PTIN->text();
    p.PrintDate = PrintDate->isChecked();
    p.SignForm = SignForm->isChecked();
    return p;
}

void TFrmPreparer::LoadPreparerForm()
{
    const PreparerRecord& p = PreparerRec;
    PrepName->setText(p.PrepName);
    FirmName->setText(p.FirmName);
    Address->setText(p.Address);
    City->setText(p.City);
    const int state = StateCodeIndex(p.State);
    State->setCurrentIndex(state < StateCount && !p.State.get().isEmpty() ? state : -1);
    ZipCode->setText(p.ZipCode);
    PhoneNum->setText(p.Phone);
    SelfEmp->setChecked(p.SelfEmployed);
    EIN->setText(p.EIN);
    PTIN->setText(p.PTIN);
    PrintDate->setChecked(p.PrintDate);
    SignForm->setChecked(p.SignForm);
}

void TFrmPreparer::SavePreparerForm()
{
    PreparerRec = entries();
}

void TFrmPreparer::CheckFieldStatus()
{
    const std::vector<PreparerProblem> problems = PreparerProblems(entries());
    for (int f = 0; f <= static_cast<int>(PreparerField::PTIN); ++f) {
        const auto field = static_cast<PreparerField>(f);
        const bool missing = std::any_of(problems.begin(), problems.end(),
                                         [field](const PreparerProblem& p) { return p.field == field; });
        QWidget* control = FieldControl(field);
        if (missing != (PaintedColor(control) == kMissingFieldColor))
            PaintFieldStatus(control, missing);
    }
}

void TFrmPreparer::ValidateFields()
{
    const std::vector<PreparerProblem> problems = PreparerProblems(entries());
    if (problems.empty())
        return;
    FieldControl(problems.front().field)->setFocus();
    throw EFieldException(problems.front().message);
}

void TFrmPreparer::BtnOkClick()
{
    try {
        ValidateFields();
        const PreparerRecord previous = PreparerRec;
        SavePreparerForm();
        try {
            SavePreparer(*AppRegistry, RegistryRoot, PreparerRec);
        } catch (...) {
            PreparerRec = previous;
            throw;
        }
        accept();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TFrmPreparer::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    LoadPreparerForm();
    CheckFieldStatus();
}
