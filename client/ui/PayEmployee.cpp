#include "client/ui/PayEmployee.h"

#include "client/EmployeeAmountRows.h"
#include "client/EmployeeIndex.h"
#include "client/FileNames.h"
#include "client/PayHistoryMap.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/ProgramStart.h"
#include "client/ui/FormW4.h"
#include "client/ui/HelpWindow.h"
#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DateEdit.h"
#include "components/ui/DeluxeComboBox.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/EntryFieldSupport.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/RSNavigator.h"
#include "components/ui/StateEdit.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

const QColor kColumnBandColor(0xD9, 0xD9, 0xD9);
const QColor kComputedColor(Qt::blue);
constexpr int kRoleCaption = 500;   // leaving the entry rebuilds the caption
constexpr int kRoleRaise = 600;     // leaving the entry recomputes the amount of raise
const char* const kRole = "ledgoraRole";
// Entries without an exit signal of their own, whose loss of focus counts as leaving them.
const char* const kExitOnFocusOut = "ledgoraExitOnFocusOut";

QLabel* Heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    // A sheet of its own, so that no visual style repaints the bar.
    label->setStyleSheet(QStringLiteral("QLabel { background-color: black; color: white; font-weight: bold; padding: 3px; }"));
    return label;
}

QLabel* Caption(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

TFilterEdit* Text(QWidget* parent, const char* name, int length, const QString& validChars = QStringLiteral("[]"))
{
    auto* edit = new TFilterEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(length);
    edit->setValidChars(validChars);
    return edit;
}

TDollarEdit* Money(QWidget* parent, const char* name, int dollarDigits, int centDigits)
{
    auto* edit = new TDollarEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setDollarDigits(dollarDigits);
    edit->setCentDigits(centDigits);
    edit->setMinusKey(false);
    return edit;
}

TDateEdit* Date(QWidget* parent, const char* name)
{
    auto* edit = new TDateEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QCheckBox* Check(QWidget* parent, const char* name, const QString& text)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QComboBox* List(QWidget* parent, const char* name, const QStringList& items)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    box->setCurrentIndex(-1);
    return box;
}

// A masked entry whose hyphens stay in the text and whose empty positions show as blanks.
QLineEdit* Masked(QWidget* parent, const char* name, const QString& mask)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setInputMask(mask + QStringLiteral("; "));
    return edit;
}

// The two arrows that step a count entry through 0..99; they never take the focus. Without an
// entry (the federal count, which only the Form W-4 sets) they are shown disabled.
QWidget* UpDown(QWidget* parent, const char* name, TFilterEdit* entry)
{
    auto* box = WhitePage(parent);
    box->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const int step : {1, -1}) {
        auto* arrow = new QToolButton(box);
        arrow->setArrowType(step > 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setFixedHeight(11);
        layout->addWidget(arrow);
        if (!entry) {
            arrow->setEnabled(false);
            continue;
        }
        QObject::connect(arrow, &QToolButton::clicked, entry, [entry, step] {
            if (entry->isReadOnly())
                return;
            entry->setText(QString::number(std::clamp(TextToInt(entry->text()) + step, 0, 99)));
        });
    }
    return box;
}

// A count entry with its arrows beside it.
QWidget* WithUpDown(QWidget* parent, TFilterEdit* entry, QWidget* upDown)
{
    auto* box = WhitePage(parent);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    entry->setParent(box);
    upDown->setParent(box);
    layout->addWidget(entry);
    layout->addWidget(upDown);
    return box;
}

bool IsUsersMove(const QFocusEvent* event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

} // namespace

TFrmEmployee::TFrmEmployee(QWidget* parent)
    : TSetupScreen(parent, kHelpContext)
{
    setObjectName(QStringLiteral("FrmEmployee"));
    setWindowTitle(QStringLiteral("Employee File Maintenance"));
    setBrowseOnly(ClientIsBrowseOnly());

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->setSpacing(6);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    auto* content = WhitePage(ScrollBox1);
    content->setObjectName(QStringLiteral("ScrollContent"));
    auto* sections = new QVBoxLayout(content);
    sections->setContentsMargins(6, 6, 6, 6);
    sections->setSpacing(4);
    const auto addSection = [&](const QString& heading, QWidget* body) {
        sections->addWidget(Heading(heading, content));
        body->setParent(content);
        sections->addWidget(body);
        sections->addSpacing(8);
    };
    addSection(QStringLiteral("Personal Information"), buildPersonal());
    addSection(QStringLiteral("Historical Information"), buildHistorical());
    addSection(QStringLiteral("Processing Information"), buildProcessing());
    for (int k = 0; k < static_cast<int>(EmployeeAmountSections().size()); ++k)
        addSection(EmployeeAmountSections()[static_cast<std::size_t>(k)].heading, buildAmountSection(k));
    sections->addStretch();
    ScrollBox1->setWidget(content);
    outer->addWidget(ScrollBox1, 1);
    outer->addWidget(buildBottomBar());

    mapCheckedEntries();
    setTabOrder();

    enterAsTab_ = new TEnterAsTab(this);
    enterAsTab_->setEscapeAsClose(true);
    enterAsTab_->setParentForm(this);

    // Creating, in order: the focus frame, which follows the focus inside this window; the
    // marital status boxes; scaling.
    Rect = new TFocusFrame(this);
    MaritalStatus = {Single, Married, HOH};
    ScaleScreen(this, QSize(686, 730));

    new KeyPreview(this, [this](QKeyEvent* event) {
        return FormKeyDown(event->key(), event->modifiers() & ~Qt::KeypadModifier);
    });
}

QWidget* TFrmEmployee::buildPersonal()
{
    auto* box = WhitePage();
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const QString lettersBlank = QStringLiteral("[A..Z,a..z, ]");
    const QString digits = QStringLiteral("[0..9]");

    FirstName = Text(box, "FirstName", 15, kPersonNameChars);
    MiddleName = Text(box, "MiddleName", 15, kPersonNameChars);
    LastName = Text(box, "LastName", 20, kPersonNameChars);
    Suffix = Text(box, "Suffix", 4, kNameSuffixChars);
    Suffix->setCharCase(ecUpperCase);
    for (TFilterEdit* name : {FirstName, MiddleName, LastName, Suffix}) {
        name->setProperty(kRole, kRoleCaption);
        connect(name, &QLineEdit::textChanged, this, [] { RebuildRecIndex = true; });
    }
    Address = Text(box, "Address", 22);
    City = Text(box, "City", 22, lettersBlank);
    State = new TStateEdit(box);
    State->setObjectName(QStringLiteral("State"));
    ZipCode = Text(box, "ZipCode", 10, QStringLiteral("[0..9,-]"));
    EmployeeNum = Text(box, "EmployeeNum", 5, digits);
    EmployeeNum->setTextAlignment(taCenter);
    WorkState = new TStateEdit(box);
    WorkState->setObjectName(QStringLiteral("WorkState"));
    CityName = List(box, "CityName", {});
    PhoneNumber = Masked(box, "PhoneNumber", QStringLiteral("999-999-9999"));
    Gender = List(box, "Gender", {QStringLiteral("F"), QStringLiteral("M")});
    SocSecNum = Masked(box, "SocSecNum", QStringLiteral("999-99-9999"));
    Department = new TDeluxeComboBox(box);
    Department->setObjectName(QStringLiteral("Department"));
    Position = new TDeluxeComboBox(box);
    Position->setObjectName(QStringLiteral("Position"));
    for (TDeluxeComboBox* list : {Department, Position}) {
        list->setSorted(true);
        list->setAddText(true);
        list->setMaxLength(20);
    }
    EmailAddress = Text(box, "EmailAddress", 40);
    DirDeposit = Check(box, "DirDeposit",
                       QStringLiteral("Check here to enable Direct Deposit support, and complete the following fields:"));
    BankAcctNum = Text(box, "BankAcctNum", 17, digits);
    BankAcctNum->setTextAlignment(taCenter);
    BankRouting = Text(box, "BankRouting", 9, digits);
    BankRouting->setTextAlignment(taCenter);
    EmployeeID = Text(box, "EmployeeID", 15);
    AccountType = List(box, "AccountType", {QStringLiteral("Checking"), QStringLiteral("Savings")});

    const auto pair = [&](int row, int column, const QString& caption, QWidget* field, int span = 1) {
        grid->addWidget(Caption(caption, box), row, column);
        grid->addWidget(field, row, column + 1, 1, span);
    };
    pair(0, 0, QStringLiteral("First Name"), FirstName);
    pair(0, 2, QStringLiteral("Middle Name or Initial"), MiddleName);
    pair(1, 0, QStringLiteral("Last Name"), LastName);
    pair(1, 2, QStringLiteral("Suffix"), Suffix);
    pair(2, 0, QStringLiteral("Street Address"), Address);
    pair(2, 2, QStringLiteral("City"), City);
    pair(3, 0, QStringLiteral("State"), State);
    pair(3, 2, QStringLiteral("Zip Code"), ZipCode);
    pair(4, 0, QStringLiteral("Employee Number"), EmployeeNum);
    pair(4, 2, QStringLiteral("Work State"), WorkState);
    pair(5, 0, QStringLiteral("Work City"), CityName);
    pair(5, 2, QStringLiteral("Telephone Number"), PhoneNumber);
    pair(6, 0, QStringLiteral("Gender"), Gender);
    pair(6, 2, QStringLiteral("Social Security #"), SocSecNum);
    pair(7, 0, QStringLiteral("Dept. Name"), Department);
    pair(7, 2, QStringLiteral("Dept. Position"), Position);
    pair(8, 0, QStringLiteral("E-mail Address"), EmailAddress, 3);
    grid->addWidget(DirDeposit, 9, 0, 1, 4);
    pair(10, 0, QStringLiteral("Bank Acct. #"), BankAcctNum);
    pair(10, 2, QStringLiteral("Bank Routing Transit #"), BankRouting);
    pair(11, 0, QStringLiteral("Employee I.D. String"), EmployeeID);
    pair(11, 2, QStringLiteral("Account Type"), AccountType);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    for (TFilterEdit* edit : {FirstName, LastName, Address, City, ZipCode, EmployeeNum, EmailAddress, BankAcctNum,
                              BankRouting, EmployeeID})
        connect(edit, &TFilterEdit::exited, this, [this, edit] { FieldExit(edit); });
    for (TDeluxeComboBox* list : {Department, Position})
        connect(list, &TDeluxeComboBox::exited, this, [this, list] { FieldExit(list); });
    for (QWidget* field : std::initializer_list<QWidget*>{State, WorkState, PhoneNumber, Gender, SocSecNum, AccountType})
        field->setProperty(kExitOnFocusOut, true);
    for (QWidget* field : std::initializer_list<QWidget*>{State, WorkState, CityName, PhoneNumber, Gender, SocSecNum,
                                                          Department, Position, AccountType})
        field->installEventFilter(this);
    connect(DirDeposit, &QCheckBox::clicked, this, [this] { DirDepositClick(); });
    return box;
}

QWidget* TFrmEmployee::buildHistorical()
{
    auto* box = WhitePage();
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    DateOfBirth = Date(box, "DateOfBirth");
    DateHired = Date(box, "DateHired");
    DatePromoted = Date(box, "DatePromoted");
    DateOfRaise = Date(box, "DateOfRaise");
    DateReviewed = Date(box, "DateReviewed");
    DateNextRev = Date(box, "DateNextRev");
    DateSuspend = Date(box, "DateSuspend");
    DateSuspEnds = Date(box, "DateSuspEnds");
    DateResigned = Date(box, "DateResigned");
    Deceased = Check(box, "Deceased", QStringLiteral("Check here if this Employee is Deceased"));
    CurrSalary = Money(box, "CurrSalary", 9, 6);
    InitSalary = Money(box, "InitSalary", 9, 6);
    PrevSalary = Money(box, "PrevSalary", 9, 6);
    AmtOfRaise = Money(box, "AmtOfRaise", 9, 6);
    AmtOfRaise->setReadOnly(true);
    AmtOfRaise->setFocusPolicy(Qt::ClickFocus);
    EstRaise = Money(box, "EstRaise", 9, 6);
    ActualRaise = Money(box, "ActualRaise", 9, 6);
    for (TDollarEdit* salary : {CurrSalary, PrevSalary})
        salary->setProperty(kRole, kRoleRaise);

    const std::pair<const char*, TDateEdit*> dates[] = {
        {"Date of Birth", DateOfBirth}, {"Date Hired", DateHired}, {"Date of Last Promotion", DatePromoted},
        {"Date of Last Raise", DateOfRaise}, {"Date of Last Review", DateReviewed},
        {"Date of Next Review", DateNextRev}, {"Date Suspension Begins", DateSuspend},
        {"Date Suspension Ends", DateSuspEnds}, {"Date Resigned or Terminated", DateResigned},
    };
    int row = 0;
    for (const auto& [caption, date] : dates) {
        grid->addWidget(Caption(QString::fromLatin1(caption), box), row, 0);
        grid->addWidget(date, row++, 1);
        connect(date, &TDateEdit::exited, this, [this, date] { FieldExit(date); });
    }
    grid->addWidget(Deceased, row++, 0, 1, 4);
    const std::pair<const char*, TDollarEdit*> salaries[] = {
        {"Current Salary", CurrSalary}, {"Initial Salary", InitSalary}, {"Previous Salary", PrevSalary},
        {"Amount of Raise", AmtOfRaise}, {"Estimated Raise", EstRaise}, {"Actual Raise", ActualRaise},
    };
    int salaryRow = 0;
    for (const auto& [caption, salary] : salaries) {
        grid->addWidget(Caption(QString::fromLatin1(caption), box), salaryRow, 2);
        grid->addWidget(salary, salaryRow++, 3);
    }
    for (TDollarEdit* salary : {CurrSalary, PrevSalary})
        connect(salary, &TDollarEdit::exited, this, [this, salary] { FieldExit(salary); });

    auto* comments = new QGroupBox(QStringLiteral("Comments"), box);
    auto* commentLayout = new QVBoxLayout(comments);
    commentLayout->setSpacing(0);
    Comment1 = Text(comments, "Comment1", 70);
    Comment2 = Text(comments, "Comment2", 70);
    for (TFilterEdit* comment : {Comment1, Comment2}) {
        comment->setFrame(false);
        commentLayout->addWidget(comment);
    }
    grid->addWidget(comments, row, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* TFrmEmployee::buildProcessing()
{
    auto* box = WhitePage();
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const QString digits = QStringLiteral("[0..9]");

    Frequency = List(box, "Frequency", {QStringLiteral("Weekly"), QStringLiteral("Biweekly"),
                                        QStringLiteral("Semimonthly"), QStringLiteral("Monthly")});
    Single = new TCheckBoxEdit(box);
    Married = new TCheckBoxEdit(box);
    HOH = new TCheckBoxEdit(box);
    Salaried = Check(box, "Salaried", QStringLiteral("Check if Salaried Employee"));
    RegularRate = Money(box, "RegularRate", 4, 6);
    OverTimeRate = Money(box, "OverTimeRate", 4, 6);
    StdRegTime = Money(box, "StdRegTime", 4, 6);
    StdOverTime = Money(box, "StdOverTime", 4, 6);
    DoubleOT = Check(box, "DoubleOT", QStringLiteral("Compute Overtime at Double Rate"));
    OtherRateDesc = Text(box, "OtherRateDesc", 20);
    OtherRate = Money(box, "OtherRate", 4, 6);
    VactAccrued = Money(box, "VactAccrued", 4, 6);
    SickAccrued = Money(box, "SickAccrued", 4, 6);
    FedWithAllow = Text(box, "FedWithAllow", 2, digits);
    FedWithAllow->setReadOnly(true);
    FedWithAllow->setFocusPolicy(Qt::ClickFocus);
    FedWithAllow->setToolTip(QStringLiteral("Use Form W-4"));
    FedAddTax = Money(box, "FedAddTax", 5, 2);
    StWithAllow = Text(box, "StWithAllow", 2, digits);
    StAddTax = Money(box, "StAddTax", 4, 2);
    StStdDeduct = Money(box, "StStdDeduct", 5, 2);
    CityWithAllow = Text(box, "CityWithAllow", 2, digits);
    CityAddTax = Money(box, "CityAddTax", 4, 2);
    CityStdDeduct = Money(box, "CityStdDeduct", 5, 2);
    for (TFilterEdit* count : {FedWithAllow, StWithAllow, CityWithAllow})
        count->setTextAlignment(taCenter);
    FedWithExempt = Check(box, "FedWithExempt", QStringLiteral("Federal"));
    StWithExempt = Check(box, "StWithExempt", QStringLiteral("State"));
    FedExempt = Check(box, "FedExempt", QStringLiteral("Federal"));
    FICAExempt = Check(box, "FICAExempt", QStringLiteral("Social Security"));
    MedExempt = Check(box, "MedExempt", QStringLiteral("Medicare"));
    FUTAExempt = Check(box, "FUTAExempt", QStringLiteral("FUTA"));
    StateExempt = Check(box, "StateExempt", QStringLiteral("State"));
    UnempExempt = Check(box, "UnempExempt", QStringLiteral("State unemployment"));
    DisbExempt = Check(box, "DisbExempt", QStringLiteral("State disability"));

    int row = 0;
    grid->addWidget(Caption(QStringLiteral("Payroll Frequency"), box), row, 0);
    grid->addWidget(Frequency, row++, 1);
    auto* marital = WhitePage(box);
    auto* maritalLayout = new QHBoxLayout(marital);
    maritalLayout->setContentsMargins(0, 0, 0, 0);
    maritalLayout->addWidget(Caption(QStringLiteral("Marital Status:"), marital));
    struct MaritalBox {
        const char* name;
        const char* caption;
        TCheckBoxEdit* mark;
    };
    for (const auto& [name, caption, mark] : {MaritalBox{"Single", "Single", Single},
                                              MaritalBox{"Married", "Married", Married},
                                              MaritalBox{"HOH", "Head of Household", HOH}}) {
        mark->setObjectName(QLatin1String(name));
        mark->setParent(marital);
        mark->setCursor(Qt::PointingHandCursor);
        QFont bold = mark->font();
        bold.setBold(true);
        mark->setFont(bold);
        mark->setFixedWidth(mark->fontMetrics().horizontalAdvance(QChar('X')) * 3 + 8);
        auto* label = Caption(QString::fromLatin1(caption), marital);
        label->setFont(bold);
        maritalLayout->addWidget(mark);
        maritalLayout->addWidget(label);
        connect(mark, &QLineEdit::textChanged, this, [this, mark = mark] {
            if (maritalAttached_)
                MaritalStatusChange(mark);
        });
    }
    maritalLayout->addStretch();
    grid->addWidget(marital, row++, 0, 1, 6);
    grid->addWidget(Salaried, row++, 0, 1, 6);

    const auto pair = [&](int at, int column, const QString& caption, QWidget* field) {
        grid->addWidget(Caption(caption, box), at, column);
        grid->addWidget(field, at, column + 1);
    };
    pair(row, 0, QStringLiteral("Hourly or Daily Rate"), RegularRate);
    pair(row++, 2, QStringLiteral("Overtime Rate"), OverTimeRate);
    pair(row, 0, QStringLiteral("Standard Regular Hours/Days"), StdRegTime);
    pair(row++, 2, QStringLiteral("Standard Overtime Hours"), StdOverTime);
    grid->addWidget(DoubleOT, row++, 0, 1, 6);
    grid->addWidget(Caption(QStringLiteral("Other Form of Pay:"), box), row++, 0, 1, 2);
    pair(row, 0, QStringLiteral("Description"), OtherRateDesc);
    pair(row++, 2, QStringLiteral("Rate"), OtherRate);
    pair(row, 0, QStringLiteral("Vacation Time Accrued"), VactAccrued);
    pair(row++, 2, QStringLiteral("Sick Time Accrued"), SickAccrued);

    auto* withholding = new QGroupBox(QStringLiteral("Withholding"), box);
    auto* w = new QGridLayout(withholding);
    w->addWidget(Caption(QStringLiteral("Allowances"), withholding), 0, 1, Qt::AlignCenter);
    w->addWidget(Caption(QStringLiteral("Additional Tax"), withholding), 0, 2, Qt::AlignCenter);
    w->addWidget(Caption(QStringLiteral("Additional Deduction"), withholding), 0, 3, Qt::AlignCenter);
    w->addWidget(Caption(QStringLiteral("Federal"), withholding), 1, 0);
    w->addWidget(WithUpDown(withholding, FedWithAllow, UpDown(withholding, "UDFedWithAllow", nullptr)), 1, 1);
    w->addWidget(FedAddTax, 1, 2);
    w->addWidget(Caption(QStringLiteral("State"), withholding), 2, 0);
    w->addWidget(WithUpDown(withholding, StWithAllow, UpDown(withholding, "UDStWithAllow", StWithAllow)), 2, 1);
    w->addWidget(StAddTax, 2, 2);
    w->addWidget(StStdDeduct, 2, 3);
    w->addWidget(Caption(QStringLiteral("City"), withholding), 3, 0);
    w->addWidget(WithUpDown(withholding, CityWithAllow, UpDown(withholding, "UDCityWithAllow", CityWithAllow)), 3, 1);
    w->addWidget(CityAddTax, 3, 2);
    w->addWidget(CityStdDeduct, 3, 3);
    for (QWidget* moved : std::initializer_list<QWidget*>{FedAddTax, StAddTax, StStdDeduct, CityAddTax, CityStdDeduct})
        moved->setParent(withholding);
    grid->addWidget(withholding, row++, 0, 1, 6);

    auto* note = Caption(QStringLiteral("Check a box below to not compute wihhoding taxes. However, if there is an amount "
                                        "in the additional withholding tax field(s), then such amount will become part "
                                        "of the withhholding tax."),
                         box);
    note->setWordWrap(true);
    grid->addWidget(note, row++, 0, 1, 6);
    auto* withExempt = new QHBoxLayout;
    withExempt->addWidget(FedWithExempt);
    withExempt->addWidget(StWithExempt);
    withExempt->addStretch();
    grid->addLayout(withExempt, row++, 0, 1, 6);
    auto* exemptNote =
        Caption(QStringLiteral("Check if this employee is tax exempt from any of the following wages:"), box);
    exemptNote->setWordWrap(true);
    grid->addWidget(exemptNote, row++, 0, 1, 6);
    auto* exempt = new QGridLayout;
    QCheckBox* const exemptions[] = {FedExempt, FICAExempt, MedExempt, FUTAExempt, StateExempt, UnempExempt, DisbExempt};
    for (int k = 0; k < 7; ++k)
        exempt->addWidget(exemptions[k], k / 4, k % 4);
    grid->addLayout(exempt, row++, 0, 1, 6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    Frequency->setProperty(kExitOnFocusOut, true);
    Frequency->installEventFilter(this);
    for (TDollarEdit* rate : {OverTimeRate, StdRegTime, OtherRate})
        connect(rate, &TDollarEdit::exited, this, [this, rate] { FieldExit(rate); });
    connect(OtherRateDesc, &TFilterEdit::exited, this, [this] { FieldExit(OtherRateDesc); });
    connect(RegularRate, &TDollarEdit::exited, this, [this] { RegularRateExit(); });
    connect(OverTimeRate, &TDollarEdit::entered, this, [this] { CheckFieldStatus(); });
    connect(DoubleOT, &QCheckBox::clicked, this, [this] { DoubleOTClick(); });
    return box;
}

QWidget* TFrmEmployee::buildAmountSection(int index)
{
    const EmployeeAmountSection& section = EmployeeAmountSections()[static_cast<std::size_t>(index)];
    auto* box = WhitePage();
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    const QString columns[] = {QStringLiteral("Month-to-Date"), QStringLiteral("Quarter-to-Date"),
                               QStringLiteral("Year-to-Date")};
    for (int c = 0; c < 3; ++c) {
        auto* heading = new QLabel(columns[c], box);
        heading->setAlignment(Qt::AlignCenter);
        if (section.headingsOnBand)
            heading->setStyleSheet(QStringLiteral("QLabel { background-color: %1; color: black; padding: 2px; }")
                                       .arg(kColumnBandColor.name()));
        grid->addWidget(heading, 0, c + 1);
    }
    if (section.headingsOnBand) {
        auto* band = new QLabel(box);
        band->setStyleSheet(QStringLiteral("QLabel { background-color: %1; }").arg(kColumnBandColor.name()));
        grid->addWidget(band, 0, 0);
    }
    int row = 1;
    for (const EmployeeAmountRow& def : section.rows) {
        auto* label = new QLabel(def.label, box);
        label->setObjectName(def.userItem ? QStringLiteral("UserItem%1").arg(def.userItem)
                                          : AmountGroupName(def.group) + QStringLiteral("Label"));
        label->setWordWrap(true);
        grid->addWidget(label, row, 0);
        if (def.userItem) {
            userLabels_[static_cast<std::size_t>(def.userItem - 1)] = label;
            userGroups_[static_cast<std::size_t>(def.userItem - 1)] = def.group;
        }
        std::array<TDollarEdit*, 3> entries{};
        for (int column = kMonthToDateColumn; column <= kYearToDateColumn; ++column) {
            const bool hours = def.kind == AmountRowKind::Hours;
            auto* entry = Money(box, "", hours ? 4 : 9, hours ? 6 : 2);
            entry->setObjectName(AmountEntryName(def.group, column));
            entry->setMinusKey(column != kYearToDateColumn || def.minusInYearToDate);
            if (def.kind == AmountRowKind::Computed) {
                entry->setReadOnly(true);
                entry->setFocusPolicy(Qt::ClickFocus);
                entry->setFontColor(kComputedColor);
                entry->setCurrency(def.currency);
            }
            grid->addWidget(entry, row, column - 1);
            entries[static_cast<std::size_t>(column - kMonthToDateColumn)] = entry;
        }
        amounts_[def.group] = entries;
        ++row;
    }
    grid->setColumnStretch(0, 3);
    for (int c = 1; c <= 3; ++c)
        grid->setColumnStretch(c, 2);
    return box;
}

QWidget* TFrmEmployee::buildBottomBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("PanelContainer"));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto speedButton = [bar](const char* name, const QString& text) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QLatin1String(name));
        button->setText(text);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    BtnCalculate = speedButton("BtnCalculate", QStringLiteral("&Calculate"));
    BtnFormW4 = speedButton("BtnFormW4", QStringLiteral("Form W-&4"));
    BtnHelp = speedButton("BtnHelp", QStringLiteral("?"));
    BtnHelp->setToolTip(QStringLiteral("Form Help"));
    RSNavigator = new TRSNavigator(bar);
    RSNavigator->setObjectName(QStringLiteral("RSNavigator"));
    RSNavigator->SetVisibleButtons(AllNavBtns);
    RSNavigator->SetBtnFirstHint(QStringLiteral("First Employee (Alt+F)"));
    RSNavigator->SetBtnNextHint(QStringLiteral("Next Employee (Alt+N)"));
    RSNavigator->SetBtnPriorHint(QStringLiteral("Prior Employee (Alt+P)"));
    RSNavigator->SetBtnLastHint(QStringLiteral("Last Employee (Alt+L)"));
    RSNavigator->SetBtnListHint(QStringLiteral("List Employees (Alt+I)"));
    RSNavigator->SetBtnNewHint(QStringLiteral("New Employee (Alt+E)"));
    RSNavigator->SetBtnDeleteHint(QStringLiteral("Delete Employee (Alt+D)"));
    RSNavigator->OnBeforeAction = [this](TRSNavigator&) { RSNavigatorBeforeAction(); };
    RSNavigator->OnAfterAction = [this](TRSNavigator&) { RSNavigatorAfterAction(); };
    RSNavigator->OnBtnListClick = [](TRSNavigator&) { ShowRecList(); };
    BtnClose = new QPushButton(QStringLiteral("Cl&ose"), bar);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    BtnClose->setFocusPolicy(Qt::NoFocus);
    BtnClose->setAutoDefault(false);

    layout->addWidget(BtnCalculate);
    layout->addWidget(BtnFormW4);
    layout->addWidget(BtnHelp);
    layout->addStretch();
    layout->addWidget(RSNavigator);
    layout->addStretch();
    layout->addWidget(BtnClose);

    connect(BtnCalculate, &QToolButton::clicked, this, [this] { BtnCalculateClick(); });
    connect(BtnFormW4, &QToolButton::clicked, this, [this] { BtnFormW4Click(); });
    connect(BtnHelp, &QToolButton::clicked, this, [] { ShowHelp(kHelpContext); });
    connect(BtnClose, &QPushButton::clicked, this, [this] { CloseScreen(); });
    return bar;
}

void TFrmEmployee::mapCheckedEntries()
{
    using enum EmployeeField;
    const std::pair<EmployeeField, QWidget*> entries[] = {
        {FirstName, this->FirstName}, {LastName, this->LastName}, {Address, this->Address}, {City, this->City},
        {State, this->State}, {ZipCode, this->ZipCode}, {EmployeeNum, this->EmployeeNum},
        {WorkState, this->WorkState}, {PhoneNumber, this->PhoneNumber}, {Gender, this->Gender},
        {SocSecNum, this->SocSecNum}, {Department, this->Department}, {Position, this->Position},
        {EmailAddress, this->EmailAddress}, {BankAcctNum, this->BankAcctNum}, {BankRouting, this->BankRouting},
        {EmployeeID, this->EmployeeID}, {AccountType, this->AccountType}, {DateOfBirth, this->DateOfBirth},
        {DateHired, this->DateHired}, {DatePromoted, this->DatePromoted}, {DateOfRaise, this->DateOfRaise},
        {DateReviewed, this->DateReviewed}, {DateNextRev, this->DateNextRev}, {DateSuspend, this->DateSuspend},
        {DateSuspEnds, this->DateSuspEnds}, {Frequency, this->Frequency}, {Single, this->Single},
        {Married, this->Married}, {HOH, this->HOH}, {RegularRate, this->RegularRate},
        {OverTimeRate, this->OverTimeRate}, {StdRegTime, this->StdRegTime}, {OtherRateDesc, this->OtherRateDesc},
        {OtherRate, this->OtherRate},
    };
    for (const auto& [field, widget] : entries)
        checked_[static_cast<std::size_t>(field)] = widget;
}

void TFrmEmployee::setTabOrder()
{
    std::vector<QWidget*> order = {
        FirstName, MiddleName, LastName, Suffix, Address, City, State, ZipCode, EmployeeNum, WorkState, CityName,
        PhoneNumber, Gender, SocSecNum, Department, Position, EmailAddress, DirDeposit, BankAcctNum, BankRouting,
        EmployeeID, AccountType, DateOfBirth, DateHired, DatePromoted, DateOfRaise, DateReviewed, DateNextRev,
        DateSuspend, DateSuspEnds, DateResigned, Deceased, CurrSalary, InitSalary, PrevSalary, EstRaise,
        ActualRaise, Comment1, Comment2, Frequency, Single, Married, HOH, Salaried, RegularRate, OverTimeRate,
        StdRegTime, StdOverTime, DoubleOT, OtherRateDesc, OtherRate, VactAccrued, SickAccrued, FedAddTax,
        StWithAllow, StAddTax, StStdDeduct, CityWithAllow, CityAddTax, CityStdDeduct, FedWithExempt, StWithExempt,
        FedExempt, FICAExempt, MedExempt, FUTAExempt, StateExempt, UnempExempt, DisbExempt,
    };
    // Each amount section runs down its month-to-date column, then the quarter- and year-to-date.
    for (const EmployeeAmountSection& section : EmployeeAmountSections())
        for (int c = 0; c < 3; ++c)
            for (const EmployeeAmountRow& row : section.rows)
                if (row.kind != AmountRowKind::Computed)
                    order.push_back(amounts_.at(row.group)[static_cast<std::size_t>(c)]);
    for (std::size_t k = 1; k < order.size(); ++k)
        QWidget::setTabOrder(order[k - 1], order[k]);
}

TDollarEdit* TFrmEmployee::AmountEntry(int group, int column) const
{
    return amounts_.at(group).at(static_cast<std::size_t>(column - kMonthToDateColumn));
}

void TFrmEmployee::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    TSetupScreen::showEvent(event);
}

void TFrmEmployee::FormShow()
{
    TFrmDataModule& module = DataModule();
    CityName->clear();
    module.RSCity.RootRec();
    for (int n = module.RSCity.FirstRecord(); n <= module.RSCity.LastRecord(); ++n) {
        module.RSCity.NextRec();
        CityName->addItem(CityTaxRec.CityName.get());
    }
    module.RSCity.PopRec();

    Department->setFileName(ChangeFileExt(CurFileName, QStringLiteral(".Dep")));
    Department->LoadItems();
    Position->setFileName(ChangeFileExt(CurFileName, QStringLiteral(".Pos")));
    Position->LoadItems();

    for (int item = 1; item <= 15; ++item) {
        const QString name = item <= 5    ? CompanyRec.UserEarnings[item].get()
                             : item <= 10 ? CompanyRec.UserDeduct[item - 5].get()
                                          : CompanyRec.UserLib[item - 10].get();
        QLabel* label = UserItemLabel(item);
        label->setText(name);
        for (TDollarEdit* entry : amounts_.at(userGroups_[static_cast<std::size_t>(item - 1)]))
            entry->setEnabled(!IsBlank(name));
    }

    module.RSEmployee.GetRec();
    LoadEmployeeForm(*this);
    rememberStoredSocSecNum();
    RSNavigator->SetRecordSet(&module.RSEmployee);
    scrollTo(0);

    restricted_ = CurFileName.compare(TemplateFileName, Qt::CaseInsensitive) == 0 || IsValidDateStr(CompanyRec.PayDate);
    if (restricted_) {
        RSNavigator->SetVisibleButtons(AllNavBtns & ~NavBtn(nbNew) & ~NavBtn(nbDelete));
        for (QWidget* locked : std::initializer_list<QWidget*>{DateHired, DateSuspend, DateSuspEnds, DateResigned,
                                                                Deceased, Frequency})
            locked->setEnabled(false);
    }
    SetupCaption();
    DirDepositClick();
}

void TFrmEmployee::SetupCaption()
{
    QString caption = QStringLiteral("Employee File Maintenance - ") + FirstName->text().trimmed();
    if (!IsBlank(MiddleName->text()))
        caption += QChar(' ') + MiddleName->text();
    caption += QChar(' ') + LastName->text().trimmed() + QChar(' ') + Suffix->text();
    setWindowTitle(caption);
}

EmployeeEntries TFrmEmployee::Entries() const
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
    e.PhoneNumber = PhoneNumber->displayText();
    e.GenderChosen = Gender->currentIndex() >= 0;
    e.SocSecNum = SocSecNum->displayText();
    e.Department = Department->currentText();
    e.Position = Position->currentText();
    e.EmailAddress = EmailAddress->text();
    e.DirDeposit = DirDeposit->isChecked();
    e.BankAcctNum = BankAcctNum->text();
    e.BankRouting = BankRouting->text();
    e.EmployeeID = EmployeeID->text();
    e.AccountTypeChosen = AccountType->currentIndex() >= 0;
    e.DateOfBirth = DateOfBirth->text();
    e.DateHired = DateHired->text();
    e.DatePromoted = DatePromoted->text();
    e.DateOfRaise = DateOfRaise->text();
    e.DateReviewed = DateReviewed->text();
    e.DateNextRev = DateNextRev->text();
    e.DateSuspend = DateSuspend->text();
    e.DateSuspEnds = DateSuspEnds->text();
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

void TFrmEmployee::CheckFieldStatus()
{
    const EmployeeFieldSet inError = EmployeeFieldsInError(Entries());
    for (int k = 0; k < kEmployeeFieldCount; ++k)
        PaintFieldStatus(checked_[static_cast<std::size_t>(k)], inError.test(static_cast<std::size_t>(k)));
}

void TFrmEmployee::ValidateFields()
{
    const EmployeeEntries entries = Entries();
    // The number is looked for among the other employees only when it is not the one the file
    // already holds for this employee: an old duplicate nobody touched does not hold the employee,
    // and a number changed by the Form W-4 screen is checked although the entry did not change.
    const auto taken = [this, &entries] {
        return entries.SocSecNum != storedSocSecNum_ && SocSecNumOfAnotherEmployee(entries.SocSecNum);
    };
    const std::optional<EmployeeEntryFault> fault = FindEmployeeEntryFault(entries, restricted_, taken);
    if (!fault)
        return;
    if (fault->scrollToTop)
        scrollTo(0);
    focusEntry(EntryOf(fault->field));
    throw EFieldException(fault->message);
}

void TFrmEmployee::focusEntry(QWidget* entry)
{
    entry->setFocus(Qt::OtherFocusReason);
    ScrollBox1->ensureWidgetVisible(entry);
}

void TFrmEmployee::rememberStoredSocSecNum()
{
    storedSocSecNum_ = EmployeeRec.SocSecNum.get();
}

void TFrmEmployee::FieldExit(QWidget* sender)
{
    if (qobject_cast<TFilterEdit*>(sender) && sender->property(kRole).toInt() == kRoleCaption)
        SetupCaption();
    if (qobject_cast<TDollarEdit*>(sender) && sender->property(kRole).toInt() == kRoleRaise)
        updateRaise();
    CheckFieldStatus();
}

void TFrmEmployee::updateRaise()
{
    if (PrevSalary->value() != 0)
        AmtOfRaise->setValue(CurrSalary->value() - PrevSalary->value());
}

void TFrmEmployee::RegularRateExit()
{
    if (OverTimeRate->value() == 0)
        DoubleOTClick();
    CheckFieldStatus();
}

void TFrmEmployee::DoubleOTClick()
{
    OverTimeRate->setValue(RegularRate->value() * (DoubleOT->isChecked() ? 2.0 : 1.5));
}

void TFrmEmployee::DirDepositClick()
{
    for (QWidget* field : std::initializer_list<QWidget*>{BankAcctNum, BankRouting, EmployeeID, AccountType})
        field->setEnabled(DirDeposit->isChecked());
    CheckFieldStatus();
}

void TFrmEmployee::MaritalStatusChange(TCheckBoxEdit* sender)
{
    maritalAttached_ = false;
    for (TCheckBoxEdit* box : MaritalStatus)
        box->setChecked(box == sender);
    maritalAttached_ = true;
    CheckFieldStatus();
}

void TFrmEmployee::BtnCalculateClick()
{
    SaveEmployeeForm(*this);
    UpdateTotalColumns(kMonthToDateColumn);
    LoadEmployeeForm(*this);
}

void TFrmEmployee::BtnFormW4Click()
{
    SaveEmployeeForm(*this);
    W4Entries entries = W4EntriesFromEmployee(EmployeeRec);
    const bool processed = ShowFormW4(entries, browseOnly(), this);
    if (processed)
        StoreW4Entries(entries, EmployeeRec);
    LoadEmployeeForm(*this);
    if (processed)
        EmployeeNum->setFocus();
}

void TFrmEmployee::RSNavigatorBeforeAction()
{
    // Nothing is kept on a browse-only client, and a deletion neither checks nor keeps the
    // employee it removes.
    if (RSNavigator->Action() == baDelete || browseOnly())
        return;
    ValidateFields();
    SaveEmployeeForm(*this);
    UpdateTotalColumns(kMonthToDateColumn);
    DataModule().RSEmployee.PostRec();
    Department->AddOrMoveItem(Department->currentText());
    Position->AddOrMoveItem(Position->currentText());
}

void TFrmEmployee::RSNavigatorAfterAction()
{
    const bool added = RSNavigator->Action() == baNew;
    if (added) {
        scrollTo(0);
        FirstName->setFocus(Qt::OtherFocusReason);
        maritalAttached_ = false;
        for (TCheckBoxEdit* box : MaritalStatus)
            box->setChecked(false);
    }
    LoadEmployeeForm(*this);
    SetupCaption();
    updateRaise();
    maritalAttached_ = true;
    rememberStoredSocSecNum();
    CheckFieldStatus();
}

void TFrmEmployee::SaveScreen()
{
    ValidateFields();
    SaveEmployeeForm(*this);
    UpdateTotalColumns(kMonthToDateColumn);
    DataModule().RSEmployee.PostRec();
    // Close takes no focus, so the lists may not have seen their entries left.
    Department->AddOrMoveItem(Department->currentText());
    Position->AddOrMoveItem(Position->currentText());
    Department->SaveItems();
    Position->SaveItems();
}

void TFrmEmployee::RevertScreen()
{
    // The employee goes back to what the file holds; a blank employee New appended stays in the
    // file, as the first employee of a new client does.
    DataModule().RSEmployee.GetRec();
}

void TFrmEmployee::scrollTo(int position)
{
    QScrollBar* bar = ScrollBox1->verticalScrollBar();
    bar->setValue(std::clamp(position, 0, bar->maximum()));
}

void TFrmEmployee::scrollBy(int delta)
{
    scrollTo(ScrollBox1->verticalScrollBar()->value() + delta);
}

bool TFrmEmployee::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const bool plainOrCtrl = modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier;
    const int step = ScrollBox1->verticalScrollBar()->singleStep();
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!plainOrCtrl)
            break;
        scrollBy(key == Qt::Key_Up ? -step : step);
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (!plainOrCtrl)
            break;
        scrollBy(key == Qt::Key_PageUp ? -kPageStep : kPageStep);
        return true;
    case Qt::Key_Home:
        if (modifiers != Qt::ControlModifier)
            break;
        scrollTo(0);
        FirstName->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_End:
        if (modifiers != Qt::ControlModifier)
            break;
        scrollTo(ScrollBox1->verticalScrollBar()->maximum());
        AmountEntry(AmountGroupNumber(QStringLiteral("QualifiedOT")), kYearToDateColumn)->setFocus(Qt::OtherFocusReason);
        return true;
    default:
        break;
    }
    RSNavigator->KeyDownHandler(key, modifiers);
    return false;
}

bool TFrmEmployee::eventFilter(QObject* watched, QEvent* event)
{
    // The wheel scrolls the window, never a choice under the pointer.
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox*>(watched)) {
        const int steps = static_cast<QWheelEvent*>(event)->angleDelta().y() / 120;
        scrollBy(-steps * ScrollBox1->verticalScrollBar()->singleStep());
        return true;
    }
    if (event->type() == QEvent::FocusOut && watched->property(kExitOnFocusOut).toBool()
        && IsUsersMove(static_cast<QFocusEvent*>(event)))
        FieldExit(static_cast<QWidget*>(watched));
    return TSetupScreen::eventFilter(watched, event);
}
