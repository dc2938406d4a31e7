#include "payroll/ui/PayUserSetup.h"

#include "client/PayRecords.h"
#include "client/ProgramStart.h"
#include "client/ui/HelpWindow.h"
#include "components/TextRoutines.h"
#include "payroll/UserFields.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/EnterAsTab.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/ui/LedgoraApplication.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <exception>

namespace {

const char* const kActionNames[8][2] = {
    {"fa_NoAction", "No Action"},
    {"fa_Wages", "Percentage of Regular Wages"},
    {"fa_GrossWages", "Percentage of Gross Wages"},
    {"fa_RegularTime", "Multiplied by Regular Hours"},
    {"fa_TotalTime", "Multiplied by Total Hours"},
    {"fa_NetPay", "Percentage of Net Pay"},
    {"fa_FedWages", "Percentage of Federal Wages"},
    {"fa_MedWages", "Percentage of Medicare Wages"},
};

TDollarEdit* MoneyEntry(QWidget* parent, const char* name, int dollarDigits, int centDigits)
{
    auto* field = new TDollarEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setDollarDigits(dollarDigits);
    field->setCentDigits(centDigits);
    field->setMinusKey(false);
    return field;
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const char* caption)
{
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TFrmUserSetup::TFrmUserSetup(int userFieldNum, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , p_(userFieldNum)
{
    setObjectName(QStringLiteral("FrmUserSetup"));
    setWindowTitle(QStringLiteral("User Defined Field Action Setup"));

    UserField = new QLineEdit(this);
    UserField->setObjectName(QStringLiteral("UserField"));
    UserField->setReadOnly(true);
    UserField->setEnabled(false);
    UserAmount = MoneyEntry(this, "UserAmount", 6, 6);
    UserMaxAmt = MoneyEntry(this, "UserMaxAmt", 6, 2);

    auto* actions = new QGroupBox(QStringLiteral(" Action to be calculated on User Field Mutiplier "), this);
    actions->setObjectName(QStringLiteral("UserActionGroup"));
    auto* actionGrid = new QGridLayout(actions);
    for (int action = 0; action < 8; ++action) {
        auto* button = new QRadioButton(QString::fromLatin1(kActionNames[action][1]), actions);
        button->setObjectName(QString::fromLatin1(kActionNames[action][0]));
        UserActionGroup[static_cast<std::size_t>(action)] = button;
        actionGrid->addWidget(button, action % 4, action / 4);
        // A new action wants its own maximum; only the user's choice clears it.
        if (action > 0)
            connect(button, &QRadioButton::clicked, this, [this] { UserMaxAmt->setValue(0); });
    }

    UserTaxExemp = CheckBox(this, "UserTaxExemp", "Check here if field is tax exempt");
    UserTaxDefr = CheckBox(this, "UserTaxDefr", "Check here if Federal and State tax deferred");
    UserCafePlan = CheckBox(this, "UserCafePlan", "Check here if field is an IRC section 125 or 127 plan");
    for (QCheckBox* box : {UserTaxExemp, UserTaxDefr, UserCafePlan}) {
        connect(box, &QCheckBox::clicked, this, [this, box] {
            for (QCheckBox* other : {UserTaxExemp, UserTaxDefr, UserCafePlan})
                if (other != box)
                    other->setChecked(false);
        });
    }

    auto* form = new QFormLayout;
    form->addRow(UserField);
    form->addRow(QStringLiteral("User Field Mutiplier"), UserAmount);

    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(actions);
    auto* maximum = new QFormLayout;
    maximum->addRow(QStringLiteral("Maximum amount to be paid/deducted"), UserMaxAmt);
    column->addLayout(maximum);
    column->addWidget(UserTaxExemp);
    column->addWidget(UserTaxDefr);
    column->addWidget(UserCafePlan);

    BtnOk = Button(this, "BtnOk", QStringLiteral("&Ok"));
    BtnCancel = Button(this, "BtnCancel", QStringLiteral("&Cancel"));
    BtnHelp = Button(this, "BtnHelp", QStringLiteral("Help"));
    BtnHelp->setToolTip(QStringLiteral("Form Help"));
    BtnApplytoAll = Button(this, "BtnApplytoAll", QStringLiteral("&Apply these settings to all employees"));
    auto* bar = new QHBoxLayout;
    bar->addWidget(BtnOk);
    bar->addWidget(BtnCancel);
    bar->addWidget(BtnHelp);
    bar->addStretch(1);
    bar->addWidget(BtnApplytoAll);
    column->addLayout(bar);

    connect(BtnOk, &QPushButton::clicked, this, &TFrmUserSetup::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFrmUserSetup::BtnCancelClick);
    connect(BtnHelp, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    connect(BtnApplytoAll, &QPushButton::clicked, this, &TFrmUserSetup::BtnApplytoAllClick);
    auto* enterAsTab = new TEnterAsTab(this);
    enterAsTab->setParentForm(this);
    SetHelpContext(this, kHelpContext);

    UserField->setText(UserFieldNameOf(CompanyRec, p_).get());
    UserTaxExemp->setEnabled(HasTaxExemptFlag(p_));
    UserTaxDefr->setEnabled(HasTaxDeferredFlag(p_));
    UserCafePlan->setEnabled(HasCafePlanFlag(p_));
    loadSetup(LoadUserFieldSetup(EmployeeRec, p_));
}

UserFieldSetup TFrmUserSetup::setup() const
{
    UserFieldSetup s;
    s.Multiplier = UserAmount->value();
    s.Action = -1;
    for (int action = 0; action < 8; ++action)
        if (UserActionGroup[static_cast<std::size_t>(action)]->isChecked())
            s.Action = action;
    s.MaxAmount = UserMaxAmt->value();
    s.TaxExempt = UserTaxExemp->isChecked();
    s.TaxDeferred = UserTaxDefr->isChecked();
    s.CafePlan = UserCafePlan->isChecked();
    return s;
}

void TFrmUserSetup::loadSetup(const UserFieldSetup& s)
{
    UserAmount->setValue(s.Multiplier);
    UserActionGroup[static_cast<std::size_t>(s.Action >= 0 && s.Action < 8 ? s.Action : 0)]->setChecked(true);
    UserMaxAmt->setValue(s.MaxAmount);
    UserTaxExemp->setChecked(s.TaxExempt);
    UserTaxDefr->setChecked(s.TaxDeferred);
    UserCafePlan->setChecked(s.CafePlan);
}

void TFrmUserSetup::store()
{
    StoreUserFieldSetup(setup(), p_, EmployeeRec);
}

bool TFrmUserSetup::checked()
{
    const std::optional<UserSetupProblem> problem = CheckUserFieldSetup(setup());
    if (!problem)
        return true;
    (problem->Field == UserSetupField::MaxAmount ? UserMaxAmt : UserAmount)->setFocus();
    LedgoraApplication::ShowException(EFieldException(TildeToLineBreak(problem->Message)));
    return false;
}

void TFrmUserSetup::BtnOkClick()
{
    if (!checked())
        return;
    store();
    accept();
}

void TFrmUserSetup::BtnCancelClick()
{
    if (AppMessageBox(QStringLiteral("Close this window and cancel User Defined Field Action Setup?"),
                      QLatin1String(kApplicationTitle), MbOkCancel | MbIconQuestion | MbDefButton2)
        != IdOk)
        return;
    loadSetup(UnusedUserFieldSetup());
    store();
    accept();
}

void TFrmUserSetup::BtnApplytoAllClick()
{
    if (!checked())
        return;
    try {
        ApplyUserFieldSetupToAll(setup(), p_);
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}
