#include "client/ui/PayCompany.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/ProgramStart.h"
#include "client/StateTableCheck.h"
#include "client/ui/HelpWindow.h"
#include "components/NavigatorRules.h"
#include "components/StateTables.h"
#include "components/TextRoutines.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/EntryFieldSupport.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/NavigatorGlyphs.h"
#include "components/ui/StateEdit.h"
#include "components/ui/StateList.h"
#include "forms/ui/PayNJUIDIRateAdjt.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/Folders.h"
#include "platform/ShellOpen.h"
#include "platform/ui/ShowModal.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

const QString TFrmCompany::kCountryCodesFile = QStringLiteral("CountryCodes.pdf");

namespace {

TFilterEdit* TextEntry(QWidget* parent, const char* name, int maxLength, const char* validChars = "[]",
                       TEditCharCase charCase = ecNormal)
{
    auto* field = new TFilterEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0)
        field->setMaxLength(maxLength);
    field->setValidChars(QString::fromLatin1(validChars));
    field->setCharCase(charCase);
    return field;
}

// Optional digit positions take "0", required ones "9"; empty positions show, and are stored, as blanks.
QLineEdit* MaskedEntry(QWidget* parent, const char* name, const char* mask)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setInputMask(QString::fromLatin1(mask) + QStringLiteral("; "));
    return field;
}

// A masked entry's text with its separators and blanks, as the record keeps it.
QString MaskedText(const QLineEdit* field)
{
    return field->displayText();
}

TDollarEdit* MoneyEntry(QWidget* parent, const char* name, int dollarDigits, int centDigits, bool currency)
{
    auto* field = new TDollarEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMinusKey(false);
    field->setCurrency(currency);
    field->setDollarDigits(dollarDigits);
    field->setCentDigits(centDigits);
    return field;
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLabel* Caption(const char* text, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(QString::fromLatin1(text));
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QLabel* WrappedCaption(const char* text)
{
    auto* label = new QLabel(QString::fromLatin1(text));
    label->setWordWrap(true);
    return label;
}

QFrame* Bevel()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QToolButton* NavigationButton(QWidget* parent, const char* name, TNavigationButtons glyph, const char* hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(QIcon(NavigatorGlyph(glyph)));
    button->setToolTip(QString::fromLatin1(hint));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// A field keeps its width in characters of the window's font.
void WidthInChars(QLineEdit* field, int chars)
{
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QString(chars, QChar('M'))) / 2 + 16);
}

} // namespace

TFrmCompany::TFrmCompany(QWidget* parent)
    : TSetupScreen(parent, kHelpContext)
{
    setObjectName(QStringLiteral("FrmCompany"));
    setWindowTitle(QStringLiteral("Company/Employer Data"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma
    setToolTipDuration(-1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ScrollBox"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll);
    auto* page = new QWidget;
    scroll->setWidget(page);
    auto* column = new QVBoxLayout(page);
    column->setSpacing(3);
    column->setContentsMargins(8, 6, 8, 2);

    // Identity.
    auto* identity = new QGridLayout;
    Name = TextEntry(page, "Name", 45);
    TradeName = TextEntry(page, "TradeName", 45);
    Address = TextEntry(page, "Address", 22);
    SuiteNum = TextEntry(page, "SuiteNum", 6);
    City = TextEntry(page, "City", 22, "[A..Z,a..z, ]");
    State = new TStateEdit(page);
    State->setObjectName(QStringLiteral("State"));
    ZipCode = TextEntry(page, "ZipCode", 10, "[0..9,-]");
    PhoneNumber = MaskedEntry(page, "PhoneNumber", "000-000-0000");
    FaxNumber = MaskedEntry(page, "FaxNumber", "999-999-9999");
    FederalID = MaskedEntry(page, "FederalID", "00-0000000");
    EmailAddress = TextEntry(page, "EmailAddress", 40);
    FourCharID = TextEntry(page, "FourCharID", 4, "[A..Z,&]", ecUpperCase);
    identity->addWidget(Caption("Company/Employer name", Name), 0, 0);
    identity->addWidget(Name, 0, 1, 1, 5);
    identity->addWidget(Caption("Trade name", TradeName), 1, 0);
    identity->addWidget(TradeName, 1, 1, 1, 5);
    identity->addWidget(Caption("Address", Address), 2, 0);
    identity->addWidget(Address, 2, 1);
    identity->addWidget(Caption("Suite or room number", SuiteNum), 2, 2);
    identity->addWidget(SuiteNum, 2, 3, 1, 3);
    identity->addWidget(Caption("City", City), 3, 0);
    identity->addWidget(City, 3, 1);
    auto* stateZip = new QHBoxLayout;
    stateZip->addWidget(Caption("State", State));
    stateZip->addWidget(State);
    stateZip->addSpacing(12);
    stateZip->addWidget(Caption("Zip code", ZipCode));
    stateZip->addWidget(ZipCode, 1);
    identity->addLayout(stateZip, 3, 2, 1, 4);
    identity->addWidget(Caption("Telephone number", PhoneNumber), 4, 0);
    identity->addWidget(PhoneNumber, 4, 1);
    identity->addWidget(Caption("Fax number", FaxNumber), 4, 2);
    identity->addWidget(FaxNumber, 4, 3);
    identity->addWidget(Caption("Federal I.D. number", FederalID), 5, 0);
    identity->addWidget(FederalID, 5, 1);
    identity->addWidget(Caption("E-mail address", EmailAddress), 5, 2);
    identity->addWidget(EmailAddress, 5, 3, 1, 3);
    identity->addWidget(Caption("4 character ID", FourCharID), 4, 4);
    identity->addWidget(FourCharID, 4, 5);
    identity->setColumnStretch(1, 1);
    identity->setColumnStretch(3, 1);
    identity->setVerticalSpacing(3);
    WidthInChars(FourCharID, 6);
    column->addLayout(identity);
    column->addWidget(Bevel());

    // Foreign address.
    ForeignAdr = CheckBox(page, "ForeignAdr", "If the Company/Employer has a foreign address, check here and complete the City "
                                              "field above and the following fields:");
    column->addWidget(ForeignAdr);
    auto* foreign = new QGridLayout;
    ForeignCountry = TextEntry(page, "ForeignCountry", 2, "[A..Z]", ecUpperCase);
    BtnViewCountryCodes = new QToolButton(page);
    BtnViewCountryCodes->setObjectName(QStringLiteral("BtnViewCountryCodes"));
    BtnViewCountryCodes->setText(QStringLiteral("&View Country Codes"));
    BtnViewCountryCodes->setFocusPolicy(Qt::NoFocus);
    ForeignProvCo = TextEntry(page, "ForeignProvCo", 23, "[A..Z,a..z, ]");
    ForeignZipCode = TextEntry(page, "ForeignZipCode", 15);
    WidthInChars(ForeignCountry, 4);
    foreign->addWidget(Caption("Foreign country code", ForeignCountry), 0, 0);
    auto* country = new QHBoxLayout;
    country->addWidget(ForeignCountry);
    country->addWidget(BtnViewCountryCodes);
    country->addStretch(1);
    foreign->addLayout(country, 0, 1);
    foreign->addWidget(Caption("Foreign province/county name", ForeignProvCo), 1, 0);
    foreign->addWidget(ForeignProvCo, 1, 1);
    foreign->addWidget(Caption("Foreign postal code", ForeignZipCode), 1, 2);
    foreign->addWidget(ForeignZipCode, 1, 3);
    foreign->setVerticalSpacing(3);
    foreign->setColumnStretch(1, 1);
    foreign->setColumnStretch(3, 1);
    column->addLayout(foreign);
    column->addWidget(Bevel());

    DepositStat = CheckBox(page, "DepositStat", "Check here if the Company/Employer is a Semiweekly Schedule Tax "
                                                "Depositor of federal payroll taxes.");
    column->addWidget(DepositStat);
    column->addWidget(Bevel());

    auto* deposit = new QHBoxLayout;
    DirDeposit = CheckBox(page, "DirDeposit",
                          "Check here to enable Direct Deposit support, and enter the Company's Account I.D.");
    AccountID = TextEntry(page, "AccountID", 3);
    WidthInChars(AccountID, 5);
    deposit->addWidget(DirDeposit);
    deposit->addWidget(AccountID);
    deposit->addStretch(1);
    column->addLayout(deposit);
    column->addWidget(Bevel());

    IncludeTips = CheckBox(page, "IncludeTips", "Check here to include employee tips in gross pay.");
    column->addWidget(IncludeTips);
    column->addWidget(Bevel());

    // Electronic payment of a balance due.
    PayTaxBal = CheckBox(page, "PayTaxBal", "Check here to make Electronic Funds Transfer (EFT) tax payments for "
                                            "balance due on Forms 940, 941 and 944 and enter the following:");
    column->addWidget(PayTaxBal);
    auto* payment = new QHBoxLayout;
    PayRTN = TextEntry(page, "PayRTN", 9, "[0..9]");
    PayAcctNum = TextEntry(page, "PayAcctNum", 17, "[0..9]");
    PayAcctType = new QComboBox(page);
    PayAcctType->setObjectName(QStringLiteral("PayAcctType"));
    PayAcctType->addItems({QStringLiteral("Checking"), QStringLiteral("Savings")});
    payment->addWidget(Caption("Routing Transit Number (RTN)", PayRTN));
    payment->addWidget(PayRTN, 2);
    payment->addWidget(Caption("Account  number", PayAcctNum));
    payment->addWidget(PayAcctNum, 3);
    payment->addWidget(Caption("Account type", PayAcctType));
    payment->addWidget(PayAcctType, 2);
    column->addLayout(payment);
    // Refunds of the returns go by direct deposit only, so the account is open to entry either way.
    auto* refunds = new QLabel(QStringLiteral("Refunds of Forms 940, 941 and 944 are deposited into this account."), page);
    refunds->setObjectName(QStringLiteral("LblRefundAccount"));
    column->addWidget(refunds);
    column->addWidget(Bevel());

    // Designee.
    Designee = CheckBox(page, "Designee", "Check here to designate another person to discuss payroll tax returns "
                                          "with the IRS and enter the following:");
    column->addWidget(Designee);
    auto* designee = new QHBoxLayout;
    DesigneeName = TextEntry(page, "DesigneeName", 20, "[A..Z,a..z,., ]");
    DesigneePhone = MaskedEntry(page, "DesigneePhone", "000-000-0000");
    DesigneePIN = TextEntry(page, "DesigneePIN", 5, "[0..9]");
    DesigneePIN->setTextAlignment(taCenter);
    WidthInChars(DesigneePIN, 7);
    designee->addWidget(Caption("Designee's name", DesigneeName));
    designee->addWidget(DesigneeName, 3);
    designee->addWidget(Caption("Telephone number", DesigneePhone));
    designee->addWidget(DesigneePhone, 2);
    designee->addWidget(Caption("Personal identification number (PIN)", DesigneePIN));
    designee->addWidget(DesigneePIN, 1);
    column->addLayout(designee);
    column->addWidget(Bevel());

    // Signer.
    column->addWidget(WrappedCaption("Person responsible for signing tax forms (this data is optional, however, if "
                                     "you enter a name, you must also complete the title field):"));
    auto* signer = new QHBoxLayout;
    SignerName = TextEntry(page, "SignerName", 30, "[A..Z,a..z,., ]");
    SignerTitle = TextEntry(page, "SignerTitle", 20, "[A..Z,a..z, ]");
    signer->addWidget(Caption("Name", SignerName));
    signer->addWidget(SignerName, 3);
    signer->addWidget(Caption("Title", SignerTitle));
    signer->addWidget(SignerTitle, 2);
    column->addLayout(signer);
    SignForm = CheckBox(page, "SignForm", "Check here to print signer's name  in signature area on tax forms.");
    column->addWidget(SignForm);
    column->addWidget(Bevel());

    // Tax payment addresses.
    column->addWidget(WrappedCaption("Enter the URL for the Electronic Federal Tax Payment System (EFTPS) and  the "
                                     "state URL for Electronic Tax Payments:"));
    auto* addresses = new QGridLayout;
    URL_EFTPS = TextEntry(page, "URL_EFTPS", 0);
    URL_State = TextEntry(page, "URL_State", 0);
    addresses->addWidget(Caption("Federal", URL_EFTPS), 0, 0);
    addresses->addWidget(URL_EFTPS, 0, 1);
    addresses->addWidget(Caption("State", URL_State), 1, 0);
    addresses->addWidget(URL_State, 1, 1);
    addresses->setVerticalSpacing(3);
    column->addLayout(addresses);
    column->addWidget(Bevel());

    // The block of one state.
    auto* heading = new QLabel(QStringLiteral("Company/Employer State Data:"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignCenter);
    column->addWidget(heading);
    auto* block = new QGridLayout;
    CurrentState = new QLineEdit(page);
    CurrentState->setObjectName(QStringLiteral("CurrentState"));
    CurrentState->setReadOnly(true);
    CurrentState->setFocusPolicy(Qt::NoFocus);
    CurrentState->setAlignment(Qt::AlignCenter);
    CurrentState->setMaxLength(2);
    WidthInChars(CurrentState, 4);
    PaintField(CurrentState, Qt::white);
    StateID = TextEntry(page, "StateID", 16, "[0..9,-,/]");
    StateID2 = TextEntry(page, "StateID2", 16, "[0..9,-,/]");
    UnempTaxRate = MoneyEntry(page, "UnempTaxRate", 2, 6, false);
    DisbTaxRate = MoneyEntry(page, "DisbTaxRate", 2, 6, false);
    UnempMaxWage = MoneyEntry(page, "UnempMaxWage", 9, 2, true);
    DisbMaxWage = MoneyEntry(page, "DisbMaxWage", 9, 2, true);
    block->addWidget(Caption("Current state", CurrentState), 0, 0);
    block->addWidget(CurrentState, 0, 1, Qt::AlignLeft);
    block->addWidget(Caption("State I.D. number", StateID), 0, 2);
    block->addWidget(StateID, 0, 3);
    block->addWidget(Caption("State Unemp. I.D. number", StateID2), 0, 4);
    block->addWidget(StateID2, 0, 5);
    block->addWidget(Caption("Unemployment tax rate", UnempTaxRate), 1, 2);
    block->addWidget(UnempTaxRate, 1, 3);
    block->addWidget(Caption("Disability tax rate", DisbTaxRate), 1, 4);
    block->addWidget(DisbTaxRate, 1, 5);
    auto* wagesCaption = WrappedCaption("Maximum Employer Wages subject to State Unemployment/Disability Tax");
    wagesCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    block->addWidget(wagesCaption, 2, 0, 1, 3);
    block->addWidget(UnempMaxWage, 2, 3);
    block->addWidget(DisbMaxWage, 2, 5);
    block->setVerticalSpacing(3);
    block->setColumnStretch(3, 1);
    block->setColumnStretch(5, 1);
    column->addLayout(block);
    column->addStretch(1);

    // The rate fields' own pop-up menu.
    PopupMenu = new QMenu(this);
    RuntheNJUIDIRateChangeUtility =
        PopupMenu->addAction(QStringLiteral("Run the NJ UI/DI Rate Change Utility Report"));
    RuntheNJUIDIRateChangeUtility->setObjectName(QStringLiteral("RuntheNJUIDIRateChangeUtility"));
    for (TDollarEdit* rate : {UnempTaxRate, DisbTaxRate}) {
        rate->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(rate, &QWidget::customContextMenuRequested, this, [this, rate](const QPoint& at) {
            if (RuntheNJUIDIRateChangeUtility->isVisible())
                PopupMenu->exec(rate->mapToGlobal(at));
        });
    }
    connect(RuntheNJUIDIRateChangeUtility, &QAction::triggered, this,
            &TFrmCompany::RuntheNJUIDIRateChangeUtilityClick);

    // The bottom bar.
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(8, 2, 8, 6);
    BtnFirst = NavigationButton(this, "BtnFirst", nbFirst, "First State (Alt+F)");
    BtnPrior = NavigationButton(this, "BtnPrior", nbPrior, "Prior State (Alt+P)");
    BtnNext = NavigationButton(this, "BtnNext", nbNext, "Next State (Alt+N)");
    BtnLast = NavigationButton(this, "BtnLast", nbLast, "Last State (Alt+L)");
    BtnList = NavigationButton(this, "BtnList", nbList, "List States (Alt+I)");
    int tag = 1;
    for (QToolButton* button : {BtnFirst, BtnNext, BtnPrior, BtnLast, BtnList}) {
        const int move = tag++;
        connect(button, &QToolButton::clicked, this, [this, move] { ButtonClick(move); });
    }
    for (QToolButton* button : {BtnFirst, BtnPrior, BtnNext, BtnLast, BtnList})
        bar->addWidget(button);
    bar->addStretch(1);
    BtnClose = new QPushButton(QStringLiteral("&Close"), this);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    BtnClose->setFocusPolicy(Qt::NoFocus);
    BtnClose->setAutoDefault(false);
    bar->addWidget(BtnClose);
    bar->addStretch(1);
    BtnHelp = new QPushButton(QStringLiteral("Help"), this);
    BtnHelp->setObjectName(QStringLiteral("BtnHelp"));
    BtnHelp->setToolTip(QStringLiteral("Form Help"));
    BtnHelp->setAutoDefault(false);
    bar->addWidget(BtnHelp);
    outer->addWidget(Bevel());
    outer->addLayout(bar);

    connect(BtnClose, &QPushButton::clicked, this, &TSetupScreen::CloseScreen);
    connect(BtnHelp, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    connect(BtnViewCountryCodes, &QToolButton::clicked, this, &TFrmCompany::BtnViewCountryCodesClick);
    connect(ForeignAdr, &QCheckBox::clicked, this, &TFrmCompany::ForeignAdrClick);
    connect(DirDeposit, &QCheckBox::clicked, this, &TFrmCompany::DirDepositClick);
    connect(PayTaxBal, &QCheckBox::clicked, this, &TFrmCompany::PayTaxBalClick);
    connect(Designee, &QCheckBox::clicked, this, &TFrmCompany::DesigneeClick);
    // Leaving any entry of the screen recolours the fields.
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
        if (old && old->window() == this && shown_)
            CheckFieldStatus();
    });

    auto* enterAsTab = new TEnterAsTab(this);
    enterAsTab->setEscapeAsClose(true);
    enterAsTab->setParentForm(this);
    new KeyPreview(this, [this](QKeyEvent* event) {
        if (event->modifiers() == Qt::AltModifier)
            altKey(event->key());
        return false;
    });

    // The window is wide enough for its content; only its height scrolls.
    page->ensurePolished();
    scroll->setMinimumWidth(page->minimumSizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());
    ScaleScreen(this, QSize(kClientWidth, kClientHeight));
    setBrowseOnly(ClientIsBrowseOnly());
}

// The entries die before the window stops listening, and their focus leaves as they go.
TFrmCompany::~TFrmCompany()
{
    disconnect(focusWatch_);
}

bool TFrmCompany::altKey(int key)
{
    QToolButton* button = nullptr;
    switch (key) {
    case Qt::Key_F: button = BtnFirst; break;
    case Qt::Key_N: button = BtnNext; break;
    case Qt::Key_P: button = BtnPrior; break;
    case Qt::Key_L: button = BtnLast; break;
    case Qt::Key_I: button = BtnList; break;
    default: return false;
    }
    if (button->isEnabled())
        button->click();
    return true;
}

QWidget* TFrmCompany::FieldControl(CompanyField field) const
{
    using enum CompanyField;
    switch (field) {
    case Name: return TFrmCompany::Name;
    case Address: return TFrmCompany::Address;
    case City: return TFrmCompany::City;
    case State: return TFrmCompany::State;
    case ZipCode: return TFrmCompany::ZipCode;
    case PhoneNumber: return TFrmCompany::PhoneNumber;
    case FederalID: return TFrmCompany::FederalID;
    case EmailAddress: return TFrmCompany::EmailAddress;
    case FourCharID: return TFrmCompany::FourCharID;
    case ForeignCountry: return TFrmCompany::ForeignCountry;
    case ForeignProvCo: return TFrmCompany::ForeignProvCo;
    case ForeignZipCode: return TFrmCompany::ForeignZipCode;
    case AccountID: return TFrmCompany::AccountID;
    case PayRTN: return TFrmCompany::PayRTN;
    case PayAcctNum: return TFrmCompany::PayAcctNum;
    case PayAcctType: return TFrmCompany::PayAcctType;
    case DesigneeName: return TFrmCompany::DesigneeName;
    case DesigneePhone: return TFrmCompany::DesigneePhone;
    case DesigneePIN: return TFrmCompany::DesigneePIN;
    case SignerTitle: return TFrmCompany::SignerTitle;
    case SignerName: return TFrmCompany::SignerName;
    case StateID: return TFrmCompany::StateID;
    }
    return nullptr;
}

CompanyEntries TFrmCompany::entries() const
{
    CompanyEntries e;
    e.Name = Name->text();
    e.TradeName = TradeName->text();
    e.Address = Address->text();
    e.SuiteNum = SuiteNum->text();
    e.City = City->text();
    e.State = State->currentIndex();
    e.ZipCode = ZipCode->text();
    e.PhoneNumber = MaskedText(PhoneNumber);
    e.FaxNumber = MaskedText(FaxNumber);
    e.FederalID = MaskedText(FederalID);
    e.EmailAddress = EmailAddress->text();
    e.FourCharID = FourCharID->text();
    e.ForeignAdr = ForeignAdr->isChecked();
    e.ForeignCountry = ForeignCountry->text();
    e.ForeignProvCo = ForeignProvCo->text();
    e.ForeignZipCode = ForeignZipCode->text();
    e.DepositStat = DepositStat->isChecked();
    e.DirDeposit = DirDeposit->isChecked();
    e.AccountID = AccountID->text();
    e.IncludeTips = IncludeTips->isChecked();
    e.PayTaxBal = PayTaxBal->isChecked();
    e.PayRTN = PayRTN->text();
    e.PayAcctNum = PayAcctNum->text();
    e.PayAcctType = PayAcctType->currentIndex() >= 0 ? PayAcctType->currentText() : QString();
    e.Designee = Designee->isChecked();
    e.DesigneeName = DesigneeName->text();
    e.DesigneePhone = MaskedText(DesigneePhone);
    e.DesigneePIN = DesigneePIN->text();
    e.SignerName = SignerName->text();
    e.SignerTitle = SignerTitle->text();
    e.SignForm = SignForm->isChecked();
    e.FederalURL = URL_EFTPS->text();
    e.StateURL = URL_State->text();
    e.StateID = StateID->text();
    e.StateID2 = StateID2->text();
    e.UnempTaxRate = UnempTaxRate->value();
    e.DisbTaxRate = DisbTaxRate->value();
    e.UnempMaxWage = UnempMaxWage->value();
    e.DisbMaxWage = DisbMaxWage->value();
    return e;
}

void TFrmCompany::LoadCompanyForm(bool whole)
{
    CompanyEntries e;
    LoadCompanyEntries(e, whole);
    if (whole) {
        Name->setText(e.Name);
        TradeName->setText(e.TradeName);
        Address->setText(e.Address);
        SuiteNum->setText(e.SuiteNum);
        City->setText(e.City);
        State->setCurrentIndex(e.State);
        ZipCode->setText(e.ZipCode);
        PhoneNumber->setText(e.PhoneNumber);
        FaxNumber->setText(e.FaxNumber);
        FederalID->setText(e.FederalID);
        EmailAddress->setText(e.EmailAddress);
        FourCharID->setText(e.FourCharID);
        ForeignAdr->setChecked(e.ForeignAdr);
        ForeignCountry->setText(e.ForeignCountry);
        ForeignProvCo->setText(e.ForeignProvCo);
        ForeignZipCode->setText(e.ForeignZipCode);
        DepositStat->setChecked(e.DepositStat);
        DirDeposit->setChecked(e.DirDeposit);
        AccountID->setText(e.AccountID);
        IncludeTips->setChecked(e.IncludeTips);
        PayTaxBal->setChecked(e.PayTaxBal);
        PayRTN->setText(e.PayRTN);
        PayAcctNum->setText(e.PayAcctNum);
        PayAcctType->setCurrentIndex(PayAcctType->findText(e.PayAcctType));
        Designee->setChecked(e.Designee);
        DesigneeName->setText(e.DesigneeName);
        DesigneePhone->setText(e.DesigneePhone);
        DesigneePIN->setText(e.DesigneePIN);
        SignerName->setText(e.SignerName);
        SignerTitle->setText(e.SignerTitle);
        SignForm->setChecked(e.SignForm);
        URL_EFTPS->setText(e.FederalURL);
        URL_State->setText(e.StateURL);
    }
    CurrentState->setText(QLatin1String(StateCodes[static_cast<std::size_t>(CompanyRec.CurrentState - 1)]));
    StateID->setText(e.StateID);
    StateID2->setText(e.StateID2);
    UnempTaxRate->setValue(e.UnempTaxRate);
    DisbTaxRate->setValue(e.DisbTaxRate);
    UnempMaxWage->setValue(e.UnempMaxWage);
    DisbMaxWage->setValue(e.DisbMaxWage);
}

void TFrmCompany::SaveCompanyForm(bool whole)
{
    StoreCompanyEntries(entries(), whole);
}

void TFrmCompany::CheckFieldStatus()
{
    static constexpr CompanyField kPainted[] = {
        CompanyField::Name, CompanyField::Address, CompanyField::City, CompanyField::State,
        CompanyField::ZipCode, CompanyField::PhoneNumber, CompanyField::FederalID, CompanyField::EmailAddress,
        CompanyField::FourCharID, CompanyField::ForeignCountry, CompanyField::ForeignProvCo,
        CompanyField::ForeignZipCode, CompanyField::AccountID, CompanyField::PayRTN, CompanyField::PayAcctNum,
        CompanyField::PayAcctType, CompanyField::DesigneeName, CompanyField::DesigneePhone,
        CompanyField::DesigneePIN, CompanyField::SignerTitle, CompanyField::SignerName, CompanyField::StateID,
    };
    const std::vector<CompanyProblem> problems = CompanyProblems(entries());
    for (CompanyField field : kPainted) {
        const bool missing = std::any_of(problems.begin(), problems.end(),
                                         [field](const CompanyProblem& p) { return p.field == field; });
        QWidget* control = FieldControl(field);
        if (missing != (PaintedColor(control) == kMissingFieldColor))
            PaintFieldStatus(control, missing);
    }
}

void TFrmCompany::ValidateFields()
{
    const std::vector<CompanyProblem> problems = CompanyProblems(entries());
    if (problems.empty())
        return;
    FieldControl(problems.front().field)->setFocus();
    throw EFieldException(problems.front().message);
}

void TFrmCompany::SetupButtons()
{
    const int state = CompanyRec.CurrentState;
    BtnFirst->setEnabled(state != 1);
    BtnPrior->setEnabled(state != 1);
    BtnNext->setEnabled(state != StateCount);
    BtnLast->setEnabled(state != StateCount);
    BtnList->setEnabled(true);
    RuntheNJUIDIRateChangeUtility->setVisible(state == NewJerseyState());
}

void TFrmCompany::ButtonClick(int tag)
{
    try {
        if (StateIDMissing(entries()))
            throw EFieldException(QStringLiteral("The state I.D. number is missing"));
        SaveCompanyForm(false);
        std::int32_t& state = CompanyRec.CurrentState;
        switch (tag) {
        case 1: state = 1; break;
        case 2: state = std::min(state + 1, StateCount); break;
        case 3: state = std::max(state - 1, 1); break;
        case 4: state = StateCount; break;
        case 5: {
            TFrmStateList list(this);
            list.AssignLabels(QStringLiteral("Select a state record"), QString());
            ShowModal(list);
            if (list.Selection != -1)
                state = list.Selection + 1;
            break;
        }
        default: break;
        }
        LoadCompanyForm(false);
        SetupButtons();
        StateID->setFocus();
        CheckFieldStatus();
    } catch (const Exception& error) {
        AppMessageBox(error.message(), QLatin1String(kApplicationTitle), MbIconStop);
    }
}

void TFrmCompany::ForeignAdrClick()
{
    const bool on = ForeignAdr->isChecked();
    for (QWidget* field : std::initializer_list<QWidget*>{ForeignCountry, BtnViewCountryCodes, ForeignProvCo, ForeignZipCode})
        field->setEnabled(on);
    CheckFieldStatus();
}

void TFrmCompany::DirDepositClick()
{
    AccountID->setEnabled(DirDeposit->isChecked());
    CheckFieldStatus();
}

void TFrmCompany::PayTaxBalClick()
{
    if (IsBlank(PayRTN->text()) && IsBlank(PayAcctNum->text()))
        PayAcctType->setCurrentIndex(-1);
    CheckFieldStatus();
}

void TFrmCompany::DesigneeClick()
{
    const bool on = Designee->isChecked();
    for (QWidget* field : std::initializer_list<QWidget*>{DesigneeName, DesigneePhone, DesigneePIN})
        field->setEnabled(on);
    CheckFieldStatus();
}

void TFrmCompany::BtnViewCountryCodesClick()
{
    if (!QFileInfo::exists(countryCodesPath_)) {
        AppMessageBox(QStringLiteral("The Country Codes file cannot no be found"), QLatin1String(kApplicationTitle),
                      MbOk | MbIconStop);
        return;
    }
    ShellOpen(QUrl::fromLocalFile(countryCodesPath_));
}

void TFrmCompany::RuntheNJUIDIRateChangeUtilityClick()
{
    if (!CompanyRec.PayrollPosted) {
        AppMessageBox(QStringLiteral("You cannot run this report when there exists an unposted payroll"),
                      QLatin1String(kApplicationTitle), MbOk | MbIconStop);
        return;
    }
    // The report uses the rates just typed.
    SaveCompanyForm(false);
    ShowNJUIDIRateAdjustment();
}

void TFrmCompany::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    TSetupScreen::showEvent(event);
}

void TFrmCompany::FormShow()
{
    openedRecord_ = CompanyRec;
    openedFederalURL_ = FederalTaxPaymentURL;
    openedStateURL_ = StateTaxPaymentURL;
    openedCityStateZip_ = CompanyCityStateZip;
    // A damaged record could name no state at all; the screen shows the first one then.
    if (CompanyRec.CurrentState < 1 || CompanyRec.CurrentState > StateCount)
        CompanyRec.CurrentState = 1;

    countryCodesPath_ = ProgramDir() + kCountryCodesFile;
    const bool taxPaymentSetup = OpenTaxPaymentSetup;
    if (taxPaymentSetup) {
        PaintField(URL_EFTPS, Qt::yellow);
        PaintField(URL_State, Qt::yellow);
        URL_EFTPS->setFocus();
        OpenTaxPaymentSetup = false;
    }
    if (IsBlank(StateTaxPaymentURL) && CompanyRec.CurrentState == NewJerseyState())
        StateTaxPaymentURL = QLatin1String(kNewJerseyTaxPaymentURL);
    LoadCompanyForm(true);
    SetupButtons();
    ForeignAdrClick();
    DirDepositClick();
    PayTaxBalClick();
    DesigneeClick();
    // Opened for the tax payment addresses, the screen keeps the focus there.
    if (!taxPaymentSetup) {
        if (!CountMissingCompanyData())
            TradeName->setFocus();
        if (UnempMaxWage->value() == 0)
            UnempMaxWage->setFocus();
    }
    CheckFieldStatus();
    WarnOfStateTablesForClient();
}

void TFrmCompany::SaveScreen()
{
    ValidateFields();
    SaveCompanyForm(true);
    DataModule().RSCompany.PostRec();
    posted_ = true;
    RecomputeEmployeeTotals();
}

void TFrmCompany::RevertScreen()
{
    CompanyRec = openedRecord_;
    FederalTaxPaymentURL = openedFederalURL_;
    StateTaxPaymentURL = openedStateURL_;
    CompanyCityStateZip = openedCityStateZip_;
    // A save that failed after its post must not leave the file different from the record.
    if (posted_)
        DataModule().RSCompany.PostRec();
}
