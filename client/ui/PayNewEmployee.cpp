#include "client/ui/PayNewEmployee.h"

#include "client/CityTaxRecord.h"
#include "client/CompanyRecord.h"
#include "client/EmployeeDerivedFields.h"
#include "client/EmployeeRecord.h"
#include "client/FileNames.h"
#include "client/NewEmployeeChecks.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/ProgramStart.h"
#include "client/W4Entries.h"
#include "client/ui/FormW4.h"
#include "client/ui/ScreenRules.h"
#include "components/NumberRoutines.h"
#include "components/StateTables.h"
#include "components/TextRoutines.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DateEdit.h"
#include "components/ui/DeluxeComboBox.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/StateEdit.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

bool NewEmployeeAdded = false;

namespace {

QLabel* Heading(const QString& text)
{
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("QLabel { background-color: black; color: white; font-weight: bold; padding: 3px; }"));
    return label;
}

TFilterEdit* Text(const char* name, int length, const QString& validChars = QStringLiteral("[]"))
{
    auto* edit = new TFilterEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(length);
    edit->setValidChars(validChars);
    return edit;
}

TDollarEdit* Money(const char* name, int dollarDigits, int centDigits)
{
    auto* edit = new TDollarEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setDollarDigits(dollarDigits);
    edit->setCentDigits(centDigits);
    edit->setMinusKey(false);
    return edit;
}

TDateEdit* Date(const char* name)
{
    auto* edit = new TDateEdit;
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QCheckBox* Check(const char* name, const QString& text)
{
    auto* box = new QCheckBox(text);
    box->setObjectName(QLatin1String(name));
    return box;
}

QComboBox* List(const char* name, const QStringList& items)
{
    auto* box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    box->setCurrentIndex(-1);
    return box;
}

QLineEdit* Masked(const char* name, const QString& mask)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setInputMask(mask + QStringLiteral("; "));
    return edit;
}

QString Chosen(const QComboBox* box)
{
    return box->currentIndex() >= 0 ? box->currentText() : QString();
}

QString StateCodeAt(int index)
{
    return index >= 0 && index < static_cast<int>(StateCodes.size()) ? QLatin1String(StateCodes[static_cast<std::size_t>(index)])
                                                                       : QString();
}

bool IsUsersMove(const QFocusEvent* event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

// Puts caption and entry pairs into a grid, two pairs a row.
class PairGrid {
public:
    explicit PairGrid(QGridLayout* grid) : grid_(grid) {}
    void add(const QString& caption, QWidget* field)
    {
        grid_->addWidget(new QLabel(caption), row_, column_);
        grid_->addWidget(field, row_, column_ + 1);
        column_ += 2;
        if (column_ == 4)
            next();
    }
    void full(QWidget* widget)
    {
        if (column_ != 0)
            next();
        grid_->addWidget(widget, row_, 0, 1, 4);
        next();
    }
    void next()
    {
        ++row_;
        column_ = 0;
    }

private:
    QGridLayout* grid_;
    int row_ = 0;
    int column_ = 0;
};

} // namespace

TFrmNewEmployee::TFrmNewEmployee(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmNewEmployee"));
    setWindowTitle(QStringLiteral("Create New Employee"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* content = WhitePage();
    auto* column = new QVBoxLayout(content);
    column->addWidget(Heading(QStringLiteral("Personal Information")));
    column->addWidget(buildPersonal());
    column->addWidget(Heading(QStringLiteral("Historical Information")));
    column->addWidget(buildHistorical());
    column->addWidget(Heading(QStringLiteral("Processing Information")));
    column->addWidget(buildProcessing());
    column->addStretch();

    auto* scrollBox = new QScrollArea;
    scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox->setWidgetResizable(true);
    scrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollBox->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->addWidget(scrollBox, 1);
    outer->addWidget(buildBottomBar());

    enterAsTab_ = new TEnterAsTab(this);
    enterAsTab_->setEscapeAsClose(false);
    enterAsTab_->setParentForm(this);
    Rect = new TFocusFrame(this);
    MaritalStatus = {Single, Married, HOH};
    resize(666 + 16, 649 + 16);
}

TFrmNewEmployee::~TFrmNewEmployee()
{
    W4FromNewEmployee = false;
}

QWidget* TFrmNewEmployee::buildPersonal()
{
    auto* box = WhitePage();
    auto* grid = new QGridLayout(box);
    const QString lettersBlank = QStringLiteral("[A..Z,a..z, ]");
    const QString digits = QStringLiteral("[0..9]");
    FirstName = Text("FirstName", 15, kPersonNameChars);
    MiddleName = Text("MiddleName", 15, kPersonNameChars);
    LastName = Text("LastName", 20, kPersonNameChars);
    Suffix = Text("Suffix", 4, kNameSuffixChars);
    Suffix->setCharCase(ecUpperCase);
    Address = Text("Address", 22);
    City = Text("City", 22, lettersBlank);
    State = new TStateEdit;
    State->setObjectName(QStringLiteral("State"));
    ZipCode = Text("ZipCode", 10, QStringLiteral("[0..9,-]"));
    EmployeeNum = Text("EmployeeNum", 5, digits);
    WorkState = new TStateEdit;
    WorkState->setObjectName(QStringLiteral("WorkState"));
    CityName = List("CityName", {});
    PhoneNumber = Masked("PhoneNumber", QStringLiteral("999-999-9999"));
    Gender = List("Gender", {QStringLiteral("F"), QStringLiteral("M")});
    SocSecNum = Masked("SocSecNum", QStringLiteral("999-99-9999"));
    Department = new TDeluxeComboBox;
    Department->setObjectName(QStringLiteral("Department"));
    Position = new TDeluxeComboBox;
    Position->setObjectName(QStringLiteral("Position"));
    for (TDeluxeComboBox* list : {Department, Position}) {
        list->setSorted(true);
        list->setAddText(true);
        list->setMaxLength(20);
    }
    EmailAddress = Text("EmailAddress", 40);
    DirDeposit = Check("DirDeposit", QStringLiteral("Check here to enable Direct Deposit support, and complete the following fields:"));
    BankAcctNum = Text("BankAcctNum", 17, digits);
    BankRouting = Text("BankRouting", 9, digits);
    EmployeeID = Text("EmployeeID", 15);
    AccountType = List("AccountType", {QStringLiteral("Checking"), QStringLiteral("Savings")});

    PairGrid pairs(grid);
    pairs.add(QStringLiteral("First Name"), FirstName);
    pairs.add(QStringLiteral("Middle Name or Initial"), MiddleName);
    pairs.add(QStringLiteral("Last Name"), LastName);
    pairs.add(QStringLiteral("Suffix"), Suffix);
    pairs.add(QStringLiteral("Street Address"), Address);
    pairs.add(QStringLiteral("City"), City);
    pairs.add(QStringLiteral("State"), State);
    pairs.add(QStringLiteral("Zip Code"), ZipCode);
    pairs.add(QStringLiteral("Employee Number"), EmployeeNum);
    pairs.add(QStringLiteral("Work State"), WorkState);
    pairs.add(QStringLiteral("Work City"), CityName);
    pairs.add(QStringLiteral("Telephone Number"), PhoneNumber);
    pairs.add(QStringLiteral("Gender"), Gender);
    pairs.add(QStringLiteral("Social Security #"), SocSecNum);
    pairs.add(QStringLiteral("Dept. Name"), Department);
    pairs.add(QStringLiteral("Dept. Position"), Position);
    pairs.add(QStringLiteral("E-mail Address"), EmailAddress);
    pairs.full(DirDeposit);
    pairs.add(QStringLiteral("Bank Acct. #"), BankAcctNum);
    pairs.add(QStringLiteral("Bank Routing Transit #"), BankRouting);
    pairs.add(QStringLiteral("Employee I.D. String"), EmployeeID);
    pairs.add(QStringLiteral("Account Type"), AccountType);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    connect(DirDeposit, &QCheckBox::clicked, this, [this] { DirDepositClick(); });
    return box;
}

QWidget* TFrmNewEmployee::buildHistorical()
{
    auto* box = WhitePage();
    auto* grid = new QGridLayout(box);
    DateOfBirth = Date("DateOfBirth");
    DateHired = Date("DateHired");
    DateNextRev = Date("DateNextRev");
    CurrSalary = Money("CurrSalary", 9, 6);
    InitSalary = Money("InitSalary", 9, 6);
    Comment1 = Text("Comment1", 70);
    Comment2 = Text("Comment2", 70);
    PairGrid pairs(grid);
    pairs.add(QStringLiteral("Date of Birth"), DateOfBirth);
    pairs.add(QStringLiteral("Date Hired"), DateHired);
    pairs.add(QStringLiteral("Date of Next Review"), DateNextRev);
    pairs.next();
    pairs.add(QStringLiteral("Current Salary"), CurrSalary);
    pairs.add(QStringLiteral("Initial Salary"), InitSalary);
    pairs.full(new QLabel(QStringLiteral("Comments")));
    pairs.full(Comment1);
    pairs.full(Comment2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* TFrmNewEmployee::buildProcessing()
{
    auto* box = WhitePage();
    auto* grid = new QGridLayout(box);
    const QString digits = QStringLiteral("[0..9]");
    Frequency = List("Frequency", {QStringLiteral("Weekly"), QStringLiteral("Biweekly"), QStringLiteral("Semimonthly"),
                                   QStringLiteral("Monthly")});
    Single = new TCheckBoxEdit;
    Married = new TCheckBoxEdit;
    HOH = new TCheckBoxEdit;
    Salaried = Check("Salaried", QStringLiteral("Check if Salaried Employee"));
    RegularRate = Money("RegularRate", 4, 6);
    OverTimeRate = Money("OverTimeRate", 4, 6);
    StdRegTime = Money("StdRegTime", 4, 6);
    StdOverTime = Money("StdOverTime", 4, 6);
    DoubleOT = Check("DoubleOT", QStringLiteral("Compute Overtime at Double Rate"));
    OtherRateDesc = Text("OtherRateDesc", 20);
    OtherRate = Money("OtherRate", 4, 6);
    VactAccrued = Money("VactAccrued", 4, 6);
    SickAccrued = Money("SickAccrued", 4, 6);
    FedWithAllow = Text("FedWithAllow", 2, digits);
    FedWithAllow->setReadOnly(true);
    FedWithAllow->setToolTip(QStringLiteral("Use Form W-4"));
    FedAddTax = Money("FedAddTax", 4, 2);
    StWithAllow = Text("StWithAllow", 2, digits);
    StAddTax = Money("StAddTax", 4, 2);
    StStdDeduct = Money("StStdDeduct", 5, 2);
    CityWithAllow = Text("CityWithAllow", 2, digits);
    CityAddTax = Money("CityAddTax", 4, 2);
    CityStdDeduct = Money("CityStdDeduct", 5, 2);
    for (TFilterEdit* count : {FedWithAllow, StWithAllow, CityWithAllow}) {
        count->setText(QStringLiteral("0"));
        count->setTextAlignment(taCenter);
    }
    FedWithExempt = Check("FedWithExempt", QStringLiteral("Federal"));
    StWithExempt = Check("StWithExempt", QStringLiteral("State"));
    FedExempt = Check("FedExempt", QStringLiteral("Federal"));
    FICAExempt = Check("FICAExempt", QStringLiteral("Social Security"));
    MedExempt = Check("MedExempt", QStringLiteral("Medicare"));
    FUTAExempt = Check("FUTAExempt", QStringLiteral("FUTA"));
    StateExempt = Check("StateExempt", QStringLiteral("State"));
    UnempExempt = Check("UnempExempt", QStringLiteral("State unemployment"));
    DisbExempt = Check("DisbExempt", QStringLiteral("State disability"));

    PairGrid pairs(grid);
    pairs.add(QStringLiteral("Payroll Frequency"), Frequency);
    pairs.next();
    auto* marital = WhitePage();
    auto* maritalRow = new QHBoxLayout(marital);
    maritalRow->setContentsMargins(0, 0, 0, 0);
    maritalRow->addWidget(new QLabel(QStringLiteral("Marital Status:")));
    struct MaritalBox {
        const char* name;
        const char* caption;
        TCheckBoxEdit* mark;
    };
    for (const auto& [name, caption, mark] : {MaritalBox{"Single", "Single", Single}, MaritalBox{"Married", "Married", Married},
                                              MaritalBox{"HOH", "Head of Household", HOH}}) {
        mark->setObjectName(QLatin1String(name));
        mark->setCursor(Qt::PointingHandCursor);
        QFont bold = mark->font();
        bold.setBold(true);
        mark->setFont(bold);
        mark->setFixedWidth(mark->fontMetrics().horizontalAdvance(QChar('X')) * 3 + 8);
        auto* label = new QLabel(QString::fromLatin1(caption));
        label->setFont(bold);
        maritalRow->addWidget(mark);
        maritalRow->addWidget(label);
        connect(mark, &QLineEdit::textChanged, this, [this, mark = mark] {
            if (maritalAttached_)
                MaritalStatusChange(mark);
        });
    }
    maritalRow->addStretch();
    pairs.full(marital);
    pairs.full(Salaried);
    pairs.add(QStringLiteral("Hourly or Daily Rate"), RegularRate);
    pairs.add(QStringLiteral("Over Time Rate"), OverTimeRate);
    pairs.add(QStringLiteral("Standard Regular Hours/Days"), StdRegTime);
    pairs.add(QStringLiteral("Standard Over Time Hours/Days"), StdOverTime);
    pairs.full(DoubleOT);
    pairs.full(new QLabel(QStringLiteral("Other Form of Pay:")));
    pairs.add(QStringLiteral("Description"), OtherRateDesc);
    pairs.add(QStringLiteral("Rate"), OtherRate);
    pairs.add(QStringLiteral("Vacation Time Accrued"), VactAccrued);
    pairs.add(QStringLiteral("Sick Time Accrued"), SickAccrued);

    auto* withholding = new QGroupBox(QStringLiteral("Withholding"));
    auto* w = new QGridLayout(withholding);
    w->addWidget(new QLabel(QStringLiteral("Allowances")), 0, 1, Qt::AlignCenter);
    w->addWidget(new QLabel(QStringLiteral("Additional Tax")), 0, 2, Qt::AlignCenter);
    w->addWidget(new QLabel(QStringLiteral("Additional Deduction")), 0, 3, Qt::AlignCenter);
    w->addWidget(new QLabel(QStringLiteral("Federal")), 1, 0);
    w->addWidget(FedWithAllow, 1, 1);
    w->addWidget(FedAddTax, 1, 2);
    w->addWidget(new QLabel(QStringLiteral("State")), 2, 0);
    w->addWidget(StWithAllow, 2, 1);
    w->addWidget(StAddTax, 2, 2);
    w->addWidget(StStdDeduct, 2, 3);
    w->addWidget(new QLabel(QStringLiteral("City")), 3, 0);
    w->addWidget(CityWithAllow, 3, 1);
    w->addWidget(CityAddTax, 3, 2);
    w->addWidget(CityStdDeduct, 3, 3);
    pairs.full(withholding);

    auto* note = new QLabel(QStringLiteral("If  this  employee  is  exempt from federal or state withholding taxes, then check "
                                           "the  appropriate  box below."));
    note->setWordWrap(true);
    pairs.full(note);
    auto* withExempt = WhitePage();
    auto* withRow = new QHBoxLayout(withExempt);
    withRow->setContentsMargins(0, 0, 0, 0);
    withRow->addWidget(FedWithExempt);
    withRow->addWidget(StWithExempt);
    withRow->addStretch();
    pairs.full(withExempt);
    auto* exemptNote = new QLabel(QStringLiteral("Check if this employee is tax exempt from any of the following wages:"));
    exemptNote->setWordWrap(true);
    pairs.full(exemptNote);
    auto* exempt = WhitePage();
    auto* exemptGrid = new QGridLayout(exempt);
    exemptGrid->setContentsMargins(0, 0, 0, 0);
    QCheckBox* const exemptions[] = {FedExempt, FICAExempt, MedExempt, FUTAExempt, StateExempt, UnempExempt, DisbExempt};
    for (int k = 0; k < 7; ++k)
        exemptGrid->addWidget(exemptions[k], k / 4, k % 4);
    pairs.full(exempt);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    connect(RegularRate, &TDollarEdit::exited, this, [this] { RegularRateExit(); });
    connect(DoubleOT, &QCheckBox::clicked, this, [this] { RegularRateExit(); });
    return box;
}

QWidget* TFrmNewEmployee::buildBottomBar()
{
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("PanelContainer"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 4, 0, 0);
    BtnFormW4 = new QToolButton;
    BtnFormW4->setObjectName(QStringLiteral("BtnFormW4"));
    BtnFormW4->setText(QStringLiteral("Form W-&4"));
    BtnFormW4->setFocusPolicy(Qt::NoFocus);
    BtnOk = new QPushButton(QStringLiteral("&Ok"));
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setAutoDefault(false);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"));
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setAutoDefault(false);
    row->addWidget(BtnFormW4);
    row->addStretch();
    row->addWidget(BtnOk);
    row->addWidget(BtnCancel);
    connect(BtnFormW4, &QToolButton::clicked, this, [this] { BtnFormW4Click(); });
    connect(BtnOk, &QPushButton::clicked, this, [this] { BtnOkClick(); });
    connect(BtnCancel, &QPushButton::clicked, this, [this] { BtnCancelClick(); });

    // Leaving any entry repaints the status.
    for (QWidget* entry : findChildren<QWidget*>())
        entry->installEventFilter(this);
    return bar;
}

void TFrmNewEmployee::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TFrmNewEmployee::FormShow()
{
    W4FromNewEmployee = true;
    NewEmployeeAdded = false;
    FW4Box2c = false;
    FW4Box3a = FW4Box3b = FW4Box3 = FW4Box4a = FW4Box4b = 0;
    if (CompanyRec.ProcessFrequency != 0) {
        Frequency->setCurrentIndex(CompanyRec.ProcessFrequency - 1);
        Frequency->setEnabled(false);
    }
    TFrmDataModule& module = DataModule();
    CityName->clear();
    module.RSCity.RootRec();
    for (int n = module.RSCity.FirstRecord(); n <= module.RSCity.LastRecord(); ++n) {
        module.RSCity.NextRec();
        CityName->addItem(CityTaxRec.CityName.get());
    }
    module.RSCity.PopRec();
    CityName->setCurrentIndex(CityName->count() > 0 ? 0 : -1);
    Department->setFileName(ChangeFileExt(CurFileName, QStringLiteral(".Dep")));
    Department->LoadItems();
    Position->setFileName(ChangeFileExt(CurFileName, QStringLiteral(".Pos")));
    Position->LoadItems();
    DirDepositClick();
}

EmployeeEntries TFrmNewEmployee::Entries() const
{
    EmployeeEntries e;
    e.FirstName = FirstName->text();
    e.LastName = LastName->text();
    e.Address = Address->text();
    e.City = City->text();
    e.StateChosen = State->currentIndex() >= 0;
    e.ZipCode = ZipCode->text();
    e.EmployeeNum = EmployeeNum->text();
    e.WorkStateChosen = WorkState->currentIndex() >= 0;
    e.PhoneNumber = PhoneNumber->text();
    e.GenderChosen = Gender->currentIndex() >= 0;
    e.SocSecNum = SocSecNum->text();
    e.Department = Department->currentText();
    e.Position = Position->currentText();
    e.EmailAddress = EmailAddress->text();
    e.DirDeposit = DirDeposit->isChecked();
    e.BankAcctNum = BankAcctNum->text();
    e.BankRouting = BankRouting->text();
    e.EmployeeID = EmployeeID->text();
    e.AccountTypeChosen = AccountType->currentIndex() >= 0;
    const QString empty = QStringLiteral("  /  /    ");
    e.DateOfBirth = DateOfBirth->text();
    e.DateHired = DateHired->text();
    e.DateNextRev = DateNextRev->text();
    e.DatePromoted = e.DateOfRaise = e.DateReviewed = e.DateSuspend = e.DateSuspEnds = empty;
    e.FrequencyChosen = Frequency->currentIndex() >= 0;
    e.Single = Single->checked();
    e.Married = Married->checked();
    e.HOH = HOH->checked();
    e.RegularRate = RegularRate->value();
    e.OverTimeRate = OverTimeRate->value();
    e.StdRegTime = StdRegTime->value();
    e.OtherRateDesc = OtherRateDesc->text();
    e.OtherRate = OtherRate->value();
    return e;
}

QWidget* TFrmNewEmployee::entryOf(EmployeeField field) const
{
    using enum EmployeeField;
    switch (field) {
    case FirstName: return this->FirstName;
    case LastName: return this->LastName;
    case Address: return this->Address;
    case City: return this->City;
    case State: return this->State;
    case ZipCode: return this->ZipCode;
    case EmployeeNum: return this->EmployeeNum;
    case WorkState: return this->WorkState;
    case PhoneNumber: return this->PhoneNumber;
    case Gender: return this->Gender;
    case SocSecNum: return this->SocSecNum;
    case Department: return this->Department;
    case Position: return this->Position;
    case EmailAddress: return this->EmailAddress;
    case BankAcctNum: return this->BankAcctNum;
    case BankRouting: return this->BankRouting;
    case EmployeeID: return this->EmployeeID;
    case AccountType: return this->AccountType;
    case DateOfBirth: return this->DateOfBirth;
    case DateHired: return this->DateHired;
    case DateNextRev: return this->DateNextRev;
    case Frequency: return this->Frequency;
    case Single: return this->Single;
    case Married: return this->Married;
    case HOH: return this->HOH;
    case RegularRate: return this->RegularRate;
    case OverTimeRate: return this->OverTimeRate;
    case StdRegTime: return this->StdRegTime;
    case OtherRateDesc: return this->OtherRateDesc;
    case OtherRate: return this->OtherRate;
    default: return nullptr;
    }
}

void TFrmNewEmployee::CheckFieldStatus()
{
    const EmployeeFieldSet inError = NewEmployeeFieldsInError(Entries());
    for (int k = 0; k < kEmployeeFieldCount; ++k) {
        if (QWidget* entry = entryOf(static_cast<EmployeeField>(k)))
            PaintFieldStatus(entry, inError.test(static_cast<std::size_t>(k)));
    }
}

void TFrmNewEmployee::ValidateFields()
{
    const QString number = SocSecNum->text();
    const std::optional<EmployeeEntryFault> fault =
        FindNewEmployeeFault(Entries(), [&number] { return SocSecNumOfAnyEmployee(number); });
    if (!fault)
        return;
    if (QWidget* entry = entryOf(fault->field))
        entry->setFocus();
    throw EFieldException(fault->message);
}

void TFrmNewEmployee::RegularRateExit()
{
    OverTimeRate->setValue(RoundToDecimals(RegularRate->value() * (DoubleOT->isChecked() ? 2.0 : 1.5), 6));
    CheckFieldStatus();
}

void TFrmNewEmployee::DirDepositClick()
{
    for (QWidget* bank : std::initializer_list<QWidget*>{BankAcctNum, BankRouting, EmployeeID, AccountType})
        bank->setEnabled(DirDeposit->isChecked());
    CheckFieldStatus();
}

void TFrmNewEmployee::MaritalStatusChange(TCheckBoxEdit* sender)
{
    maritalAttached_ = false;
    for (TCheckBoxEdit* box : MaritalStatus)
        box->setChecked(box == sender);
    maritalAttached_ = true;
    CheckFieldStatus();
}

void TFrmNewEmployee::BtnFormW4Click()
{
    W4Entries w4;
    w4.FirstName = FirstName->text();
    w4.MiddleName = MiddleName->text();
    w4.LastName = LastName->text();
    w4.SocSecNum = SocSecNum->text();
    w4.Address = Address->text();
    w4.City = City->text();
    w4.State = StateCodeAt(State->currentIndex());
    w4.ZipCode = ZipCode->text();
    w4.Single = Single->checked();
    w4.Married = Married->checked();
    w4.HOH = HOH->checked();
    w4.FW4Box2c = FW4Box2c;
    w4.FW4Box3a = FW4Box3a;
    w4.FW4Box3b = FW4Box3b;
    w4.FW4Box3 = FW4Box3;
    w4.FW4Box4a = FW4Box4a;
    w4.FW4Box4b = FW4Box4b;
    w4.FedAddTax = FedAddTax->value();
    w4.FedWithExempt = FedWithExempt->isChecked();
    if (!ShowFormW4(w4, false, this))
        return;
    FW4Box2c = w4.FW4Box2c;
    FW4Box3a = w4.FW4Box3a;
    FW4Box3b = w4.FW4Box3b;
    FW4Box3 = w4.FW4Box3;
    FW4Box4a = w4.FW4Box4a;
    FW4Box4b = w4.FW4Box4b;
    FirstName->setText(w4.FirstName);
    MiddleName->setText(w4.MiddleName);
    LastName->setText(w4.LastName);
    SocSecNum->setText(w4.SocSecNum);
    Address->setText(w4.Address);
    City->setText(w4.City);
    State->setCurrentIndex(State->findText(w4.State));
    ZipCode->setText(w4.ZipCode);
    maritalAttached_ = false;
    Single->setChecked(w4.Single);
    Married->setChecked(w4.Married);
    HOH->setChecked(w4.HOH);
    maritalAttached_ = true;
    FedAddTax->setValue(w4.FedAddTax);
    FedWithExempt->setChecked(w4.FedWithExempt);
    FedWithAllow->setText(QString::number(W4Allowances(w4.FW4Box3a, w4.FW4Box3b)));
    CheckFieldStatus();
    EmployeeNum->setFocus();
}

void TFrmNewEmployee::BtnOkClick()
{
    try {
        ValidateFields();
    } catch (const EFieldException& error) {
        LedgoraApplication::ShowException(error);
        return;
    }
    TRecordSet& employees = DataModule().RSEmployee;
    const int before = employees.LastRecord();
    try {
        employees.NewRec();
        // A full file shows its own message and appends nothing; the employee then in memory is
        // another one, which must not take this dialog's values.
        if (employees.LastRecord() == before) {
            close(false);
            return;
        }
        SaveNewEmployeeForm(*this);
        employees.PostRec();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
        return;
    }
    close(true);
}

void TFrmNewEmployee::BtnCancelClick()
{
    if (AppMessageBox(QStringLiteral("This will discard all entries and the new employee will not be created, are you "
                                     "sure you want to cancel?"),
                      QLatin1String(kApplicationTitle), MbOkCancel | MbIconWarning | MbDefButton2)
        != IdOk)
        return;
    close(false);
}

void TFrmNewEmployee::close(bool created)
{
    NewEmployeeAdded = created;
    W4FromNewEmployee = false;
    if (created)
        accept();
    else
        QDialog::reject();
}

void TFrmNewEmployee::reject()
{
    BtnCancelClick();
}

bool TFrmNewEmployee::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && watched->isWidgetType() && IsUsersMove(static_cast<QFocusEvent*>(event)))
        CheckFieldStatus();
    return QDialog::eventFilter(watched, event);
}

void SaveNewEmployeeForm(TFrmNewEmployee& form)
{
    EmployeeRecord& r = EmployeeRec;
    r.FirstName = form.FirstName->text().trimmed();
    r.MiddleName = form.MiddleName->text().trimmed();
    r.LastName = form.LastName->text().trimmed();
    r.Suffix = form.Suffix->text();
    r.Address = form.Address->text();
    r.City = form.City->text();
    r.State = StateCodeAt(form.State->currentIndex());
    r.ZipCode = form.ZipCode->text();
    r.EmployeeNum = TextToInt(form.EmployeeNum->text());
    r.WorkState = Chosen(form.WorkState);
    r.WorkStateIndex = form.WorkState->currentIndex() + 1;
    r.CityName = Chosen(form.CityName);
    r.CityIndex = form.CityName->currentIndex() + 1;
    r.PhoneNumber = form.PhoneNumber->text();
    r.Gender = FirstCharOrSpace(Chosen(form.Gender)).unicode();
    r.SocSecNum = form.SocSecNum->text();
    r.Department = form.Department->currentText();
    r.Position = form.Position->currentText();
    r.EmailAddress = form.EmailAddress->text();
    r.DirDeposit = form.DirDeposit->isChecked();
    r.BankAcctNum = form.BankAcctNum->text();
    r.BankRouting = form.BankRouting->text();
    r.EmployeeID = form.EmployeeID->text();
    r.AccountType = Chosen(form.AccountType);
    r.DateOfBirth = form.DateOfBirth->text();
    r.DateHired = form.DateHired->text();
    r.DateNextRev = form.DateNextRev->text();
    r.CurrSalary = form.CurrSalary->value();
    r.InitSalary = form.InitSalary->value();
    r.Comment1 = form.Comment1->text();
    r.Comment2 = form.Comment2->text();
    r.Frequency = static_cast<std::uint8_t>(form.Frequency->currentIndex() + 1);
    r.Single = form.Single->checked();
    r.Married = form.Married->checked();
    r.HOH = form.HOH->checked();
    r.Salaried = form.Salaried->isChecked();
    r.RegularRate = form.RegularRate->value();
    r.OverTimeRate = form.OverTimeRate->value();
    r.StdRegTime = form.StdRegTime->value();
    r.StdOverTime = form.StdOverTime->value();
    r.DoubleOT = form.DoubleOT->isChecked();
    r.VactAccrued = form.VactAccrued->value();
    r.SickAccrued = form.SickAccrued->value();
    r.OtherRateDesc = form.OtherRateDesc->text();
    r.OtherRate = form.OtherRate->value();
    r.FedWithAllow = TextToInt(form.FedWithAllow->text());
    r.FedAddTax = form.FedAddTax->value();
    r.StWithAllow = TextToInt(form.StWithAllow->text());
    r.StAddTax = form.StAddTax->value();
    r.StStdDeduct = form.StStdDeduct->value();
    r.FedWithExempt = form.FedWithExempt->isChecked();
    r.StWithExempt = form.StWithExempt->isChecked();
    r.CityWithAllow = TextToInt(form.CityWithAllow->text());
    r.CityAddTax = form.CityAddTax->value();
    r.CityStdDeduct = form.CityStdDeduct->value();
    r.FedExempt = form.FedExempt->isChecked();
    r.FICAExempt = form.FICAExempt->isChecked();
    r.MedExempt = form.MedExempt->isChecked();
    r.StateExempt = form.StateExempt->isChecked();
    r.UnempExempt = form.UnempExempt->isChecked();
    r.DisbExempt = form.DisbExempt->isChecked();
    r.FUTAExempt = form.FUTAExempt->isChecked();
    r.FW4Box2c = form.FW4Box2c;
    r.FW4Box3a = form.FW4Box3a;
    r.FW4Box3b = form.FW4Box3b;
    r.FW4Box3 = form.FW4Box3;
    r.FW4Box4a = form.FW4Box4a;
    r.FW4Box4b = form.FW4Box4b;
    // The full name, the last address line, the age and the W-2 control number follow the
    // employee screen's rules, so an employee paid before it is ever saved there has them.
    DeriveEmployeeFields(r);
}

bool ShowNewEmployeeDialog(QWidget* owner)
{
    TFrmNewEmployee dialog(owner);
    ShowModal(dialog);
    return NewEmployeeAdded;
}
