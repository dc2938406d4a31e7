#include "payroll/ui/PayRecurring.h"

#include "client/EmployeeIndex.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/ui/HelpWindow.h"
#include "components/DateRoutines.h"
#include "components/TextRoutines.h"
#include "components/ui/DateEdit.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/EntryFieldSupport.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/RSNavigator.h"
#include "payroll/RecurringEntries.h"
#include "payroll/UserFields.h"
#include "payroll/ui/PayUserSetup.h"
#include "platform/Exceptions.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A user field with an action set: its recurring amount is only part of what the pay run pays.
const QColor kUserActionColor{0xFF, 0xFF, 0x00};

TDollarEdit* MoneyEntry(QWidget* parent, const QString& name)
{
    auto* field = new TDollarEdit(parent);
    field->setObjectName(name);
    return field;
}

TDollarEdit* PercentEntry(QWidget* parent, const char* name, int integerDigits)
{
    auto* field = MoneyEntry(parent, QString::fromLatin1(name));
    field->setDollarDigits(integerDigits);
    field->setMaxValue(100);
    field->setMinusKey(false);
    return field;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

const char* const kUserAmountNames[15] = {"RUserPay1",    "RUserPay2",    "RUserPay3",    "RUserPay4",
                                          "RUserPay5",    "RUserDeduct1", "RUserDeduct2", "RUserDeduct3",
                                          "RUserDeduct4", "RUserDeduct5", "RUserLib1",    "RUserLib2",
                                          "RUserLib3",    "RUserLib4",    "RUserLib5"};
const char* const kUserNameNames[15] = {"UserEarnings1", "UserEarnings2", "UserEarnings3", "UserEarnings4",
                                        "UserEarnings5", "UserDeduct1",   "UserDeduct2",   "UserDeduct3",
                                        "UserDeduct4",   "UserDeduct5",   "UserLib1",      "UserLib2",
                                        "UserLib3",      "UserLib4",      "UserLib5"};

} // namespace

TFrmRecurring::TFrmRecurring(QWidget* parent)
    : TSetupScreen(parent, kHelpContext)
{
    setObjectName(QStringLiteral("FrmRecurring"));
    setWindowTitle(QStringLiteral("Recurring Payroll Entries"));
    setBrowseOnly(ClientIsBrowseOnly());
    buildLayout();

    connect(GTLIAutoCalc, &QCheckBox::clicked, this, &TFrmRecurring::GTLIAutoCalcClick);
    connect(BtnSetup, &QPushButton::clicked, this, &TFrmRecurring::BtnSetupClick);
    connect(BtnHelp, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    connect(BtnClose, &QPushButton::clicked, this, &TSetupScreen::CloseScreen);
    for (TFilterEdit* name : UserFields)
        connect(name, &QLineEdit::textEdited, this, &TFrmRecurring::SetupFields);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget* old, QWidget* now) { focusMoved(old, now); });

    RSNavigator->OnBeforeAction = [this](TRSNavigator&) {
        if (browseOnly())
            return;
        validate();
        SaveRecurringForm();
        DataModule().RSEmployee.PostRec();
    };
    RSNavigator->OnAfterAction = [this](TRSNavigator&) {
        LoadRecurringForm();
        updateCaption();
        SetupFields();
        GTLIAutoCalcClick();
    };
    RSNavigator->OnBtnListClick = [](TRSNavigator&) { ShowRecList(); };
    new KeyPreview(this, [this](QKeyEvent* event) {
        RSNavigator->KeyDownHandler(event->key(), event->modifiers() & ~Qt::KeypadModifier);
        return false;
    });
    auto* enterAsTab = new TEnterAsTab(this);
    enterAsTab->setParentForm(this);
    ScaleScreen(this, QSize(880, 560));
}

// The entries die before the window stops listening, and their focus leaves as they go.
TFrmRecurring::~TFrmRecurring()
{
    disconnect(focusWatch_);
}

void TFrmRecurring::buildLayout()
{
    RDepCareBen = MoneyEntry(this, QStringLiteral("RDepCareBen"));
    RFringeBen = MoneyEntry(this, QStringLiteral("RFringeBen"));
    RGTLIAmount = MoneyEntry(this, QStringLiteral("RGTLIAmount"));
    RHealthIns = MoneyEntry(this, QStringLiteral("RHealthIns"));
    Plan401kPct = PercentEntry(this, "Plan401kPct", 2);
    Plan403bPct = PercentEntry(this, "Plan403bPct", 2);
    Plan408k6Pct = PercentEntry(this, "Plan408k6Pct", 3);
    Plan457bPct = PercentEntry(this, "Plan457bPct", 2);
    IRASimplePct = PercentEntry(this, "IRASimplePct", 3);
    RNonQualPlan = MoneyEntry(this, QStringLiteral("RNonQualPlan"));
    for (int k = 0; k < 15; ++k) {
        RUserFields[static_cast<std::size_t>(k)] = MoneyEntry(this, QString::fromLatin1(kUserAmountNames[k]));
        auto* name = new TFilterEdit(this);
        name->setObjectName(QString::fromLatin1(kUserNameNames[k]));
        name->setMaxLength(20);
        // Room for a name of the full 20 characters.
        name->setMinimumWidth(name->fontMetrics().horizontalAdvance(QString(20, QLatin1Char('n'))) + 12);
        UserFields[static_cast<std::size_t>(k)] = name;
    }

    auto* amounts = new QGroupBox(this);
    auto* amountForm = new QFormLayout(amounts);
    amountForm->addRow(QStringLiteral("Dependent care benefit"), RDepCareBen);
    amountForm->addRow(QStringLiteral("Fringe benefit"), RFringeBen);
    amountForm->addRow(QStringLiteral("Cost of group-term life ins. over $50,000"), RGTLIAmount);
    amountForm->addRow(QStringLiteral("Health insurance premiums"), RHealthIns);
    amountForm->addRow(QStringLiteral("Per-cent of contribution to 401(k) plan*"), Plan401kPct);
    amountForm->addRow(QStringLiteral("Per-cent of contribution to 403(b) plan*"), Plan403bPct);
    amountForm->addRow(QStringLiteral("Per-cent of contribution to 408(k)(6) plan"), Plan408k6Pct);
    amountForm->addRow(QStringLiteral("Per-cent of contribution to 457(b) plan*"), Plan457bPct);
    amountForm->addRow(QStringLiteral("Per-cent of contribution to IRA simple"), IRASimplePct);
    amountForm->addRow(QStringLiteral("Contribution to nonqualified plan"), RNonQualPlan);
    auto* note = new QLabel(QStringLiteral("*For accurate processing, these fields require the employee's date of birth "
                                           "to determine if catch-up contributions apply."),
                            amounts);
    note->setWordWrap(true);
    amountForm->addRow(note);

    GTLIAutoCalc = new QCheckBox(
        QStringLiteral("Check here to automatically calculate, and complete the following fields:"), this);
    GTLIAutoCalc->setObjectName(QStringLiteral("GTLIAutoCalc"));
    DateOfBirth = new TDateEdit(this);
    DateOfBirth->setObjectName(QStringLiteral("DateOfBirth"));
    GTLIFaceAmt = MoneyEntry(this, QStringLiteral("GTLIFaceAmt"));
    GTLIFaceAmt->setMinusKey(false);
    GTLIEmpPmt = MoneyEntry(this, QStringLiteral("GTLIEmpPmt"));
    // Room for the widest amount and a whole date.
    const int amountWidth = RDepCareBen->fontMetrics().horizontalAdvance(QStringLiteral("999,999,999.99")) + 12;
    for (QWidget* field : std::initializer_list<QWidget*>{DateOfBirth, GTLIFaceAmt, GTLIEmpPmt})
        field->setMinimumWidth(amountWidth);
    for (TDollarEdit* amount : RUserFields)
        amount->setMinimumWidth(amountWidth);
    auto* lifeGroup = new QGroupBox(QStringLiteral("Group-Term Life Insurance Coverage over $50,000"), this);
    auto* lifeForm = new QFormLayout(lifeGroup);
    lifeForm->addRow(GTLIAutoCalc);
    lifeForm->addRow(QStringLiteral("Date of birth"), DateOfBirth);
    lifeForm->addRow(QStringLiteral("Face amount of insurance coverage (must be over $50,000)"), GTLIFaceAmt);
    lifeForm->addRow(QStringLiteral("Amount, if any, that the employee is paying for insurance coverage"), GTLIEmpPmt);

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(amounts);
    leftColumn->addWidget(lifeGroup);
    leftColumn->addStretch(1);

    auto* userGroup = new QGroupBox(this);
    auto* userGrid = new QGridLayout(userGroup);
    const char* const headings[3] = {"User Defined Earnings:", "User Defined Deductions:", "User Defined Liabilities:"};
    int row = 0;
    for (int kind = 0; kind < 3; ++kind) {
        userGrid->addWidget(new QLabel(QString::fromLatin1(headings[kind]), userGroup), row++, 0, 1, 2);
        for (int k = kind * 5; k < kind * 5 + 5; ++k) {
            userGrid->addWidget(UserFields[static_cast<std::size_t>(k)], row, 0);
            userGrid->addWidget(RUserFields[static_cast<std::size_t>(k)], row++, 1);
        }
    }
    userGrid->setColumnStretch(0, 3);
    userGrid->setColumnStretch(1, 2);
    userGrid->setRowStretch(row, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(leftColumn, 3);
    columns->addWidget(userGroup, 2);

    RSNavigator = new TRSNavigator(this);
    RSNavigator->setObjectName(QStringLiteral("RSNavigator"));
    RSNavigator->SetVisibleButtons(NavBtn(nbFirst) | NavBtn(nbNext) | NavBtn(nbPrior) | NavBtn(nbLast) | NavBtn(nbList));
    RSNavigator->SetBtnFirstHint(QStringLiteral("First Employee (Alt+F)"));
    RSNavigator->SetBtnNextHint(QStringLiteral("Next Employee (Alt+N)"));
    RSNavigator->SetBtnPriorHint(QStringLiteral("Prior Employee (Alt+P)"));
    RSNavigator->SetBtnLastHint(QStringLiteral("Last Employee (Alt+L)"));
    RSNavigator->SetBtnListHint(QStringLiteral("List Employees (Alt+I)"));
    BtnSetup = Button(this, "BtnSetup", "&Setup");
    BtnHelp = Button(this, "BtnHelp", "Help");
    BtnHelp->setToolTip(QStringLiteral("Form Help"));
    BtnClose = Button(this, "BtnClose", "&Close");
    auto* bar = new QHBoxLayout;
    bar->addWidget(RSNavigator);
    bar->addStretch(1);
    bar->addWidget(BtnSetup);
    bar->addWidget(BtnHelp);
    bar->addWidget(BtnClose);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(columns, 1);
    outer->addLayout(bar);

    std::vector<QWidget*> order{RDepCareBen, RFringeBen, RGTLIAmount};
    order.insert(order.end(), RUserFields.begin(), RUserFields.begin() + 5);
    order.push_back(RHealthIns);
    order.insert(order.end(), RUserFields.begin() + 5, RUserFields.end());
    order.insert(order.end(), {Plan401kPct, Plan403bPct, Plan408k6Pct, Plan457bPct, IRASimplePct, RNonQualPlan});
    order.insert(order.end(), UserFields.begin(), UserFields.end());
    order.insert(order.end(), {GTLIAutoCalc, DateOfBirth, GTLIFaceAmt, GTLIEmpPmt});
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TFrmRecurring::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        TFrmDataModule& module = DataModule();
        module.RSEmployee.GetRec();
        for (int k = 1; k <= 15; ++k)
            namesAtOpening_[static_cast<std::size_t>(k - 1)] = UserFieldNameOf(CompanyRec, k);
        LoadRecurringForm();
        RSNavigator->SetRecordSet(&module.RSEmployee);
        updateCaption();
        SetupFields();
        GTLIAutoCalcClick();
        BtnSetup->setEnabled(false);
        RDepCareBen->setFocus();
    }
    TSetupScreen::showEvent(event);
}

void TFrmRecurring::updateCaption()
{
    setWindowTitle(QStringLiteral("Recurring Payroll Entries - ") + GetEmployeeName(1, false));
}

void TFrmRecurring::LoadRecurringForm()
{
    const EmployeeRecord& e = EmployeeRec;
    RDepCareBen->setValue(e.RDepCareBen);
    RFringeBen->setValue(e.RFringeBen);
    RGTLIAmount->setValue(e.RGTLIAmount);
    RHealthIns->setValue(e.RHealthIns);
    for (int k = 1; k <= 15; ++k) {
        RUserFields[static_cast<std::size_t>(k - 1)]->setValue(RecurringUserAmount(EmployeeRec, k));
        UserFields[static_cast<std::size_t>(k - 1)]->setText(UserFieldNameOf(CompanyRec, k).get());
    }
    Plan401kPct->setValue(e.Plan401kPct);
    Plan403bPct->setValue(e.Plan403bPct);
    Plan408k6Pct->setValue(e.Plan408k6Pct);
    Plan457bPct->setValue(e.Plan457bPct);
    IRASimplePct->setValue(e.IRASimplePct);
    RNonQualPlan->setValue(e.RNonQualPlan);
    GTLIAutoCalc->setChecked(e.GTLIAutoCalc);
    DateOfBirth->setText(e.DateOfBirth.get());
    GTLIFaceAmt->setValue(e.GTLIFaceAmt);
    GTLIEmpPmt->setValue(e.GTLIEmpPmt);
}

void TFrmRecurring::SaveRecurringForm()
{
    EmployeeRecord& e = EmployeeRec;
    e.RDepCareBen = RDepCareBen->value();
    e.RFringeBen = RFringeBen->value();
    e.RGTLIAmount = RGTLIAmount->value();
    e.RHealthIns = RHealthIns->value();
    for (int k = 1; k <= 15; ++k) {
        RecurringUserAmount(e, k) = RUserFields[static_cast<std::size_t>(k - 1)]->value();
        UserFieldNameOf(CompanyRec, k) = UserFields[static_cast<std::size_t>(k - 1)]->text();
    }
    e.Plan401kPct = Plan401kPct->value();
    e.Plan403bPct = Plan403bPct->value();
    e.Plan408k6Pct = Plan408k6Pct->value();
    e.Plan457bPct = Plan457bPct->value();
    e.IRASimplePct = IRASimplePct->value();
    e.RNonQualPlan = RNonQualPlan->value();
    e.GTLIAutoCalc = GTLIAutoCalc->isChecked();
    e.DateOfBirth = DateOfBirth->text();
    e.GTLIFaceAmt = GTLIFaceAmt->value();
    e.GTLIEmpPmt = GTLIEmpPmt->value();
}

void TFrmRecurring::SetupFields()
{
    for (int k = 1; k <= 15; ++k) {
        TDollarEdit* amount = RUserFields[static_cast<std::size_t>(k - 1)];
        amount->setReadOnly(browseOnly() || IsBlank(UserFields[static_cast<std::size_t>(k - 1)]->text()));
        PaintField(amount, EmployeeRec.UserAction[k] != 0 ? kUserActionColor : QColor());
    }
    // A name typed while its amount has the focus makes Setup available there at once.
    const auto focused = std::find(RUserFields.begin(), RUserFields.end(), focusWidget());
    if (focused != RUserFields.end())
        BtnSetup->setEnabled(!(*focused)->isReadOnly());
}

void TFrmRecurring::GTLIAutoCalcClick()
{
    const bool on = GTLIAutoCalc->isChecked();
    for (QWidget* field : std::initializer_list<QWidget*>{DateOfBirth, GTLIFaceAmt, GTLIEmpPmt})
        field->setEnabled(on);
    fieldStatusPass();
}

void TFrmRecurring::fieldStatusPass()
{
    const bool on = GTLIAutoCalc->isChecked();
    PaintFieldStatus(DateOfBirth, on && !IsValidDateStr(DateOfBirth->text()));
    PaintFieldStatus(GTLIFaceAmt, on && !(GTLIFaceAmt->value() > 50000));
}

void TFrmRecurring::validate()
{
    const std::optional<GroupTermLifeProblem> problem =
        CheckGroupTermLife(GTLIAutoCalc->isChecked(), DateOfBirth->text(), GTLIFaceAmt->value());
    fieldStatusPass();
    if (!problem)
        return;
    (problem->Field == GroupTermLifeField::DateOfBirth ? static_cast<QWidget*>(DateOfBirth) : GTLIFaceAmt)->setFocus();
    throw EFieldException(problem->Message);
}

void TFrmRecurring::focusMoved(QWidget* old, QWidget* now)
{
    if (old && old->window() == this) {
        if (std::find(UserFields.begin(), UserFields.end(), old) != UserFields.end())
            SetupFields();
        else if (old == DateOfBirth || old == GTLIFaceAmt)
            fieldStatusPass();
    }
    if (!now || now->window() != this)
        return;
    const auto amount = std::find(RUserFields.begin(), RUserFields.end(), now);
    if (amount != RUserFields.end()) {
        UserFieldNum = static_cast<int>(amount - RUserFields.begin()) + 1;
        BtnSetup->setEnabled(!browseOnly() && !(*amount)->isReadOnly());
    } else if (!qobject_cast<QPushButton*>(now)) {
        BtnSetup->setEnabled(false);
    }
}

void TFrmRecurring::BtnSetupClick()
{
    SaveRecurringForm();
    {
        TFrmUserSetup setup(UserFieldNum, this);
        ShowModal(setup);
    }
    LoadRecurringForm();
    SetupFields();
}

void TFrmRecurring::SaveScreen()
{
    validate();
    SaveRecurringForm();
    TFrmDataModule& module = DataModule();
    module.RSEmployee.PostRec();
    module.RSCompany.PostRec();
}

void TFrmRecurring::RevertScreen()
{
    DataModule().RSEmployee.GetRec();
    for (int k = 1; k <= 15; ++k)
        UserFieldNameOf(CompanyRec, k) = namesAtOpening_[static_cast<std::size_t>(k - 1)];
}

void TFrmRecurring::MakeEntriesReadOnly()
{
    TSetupScreen::MakeEntriesReadOnly();
    BtnSetup->setEnabled(false);
}

void ShowRecurring()
{
    TFrmRecurring window;
    ShowModal(window);
}
