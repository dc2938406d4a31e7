#include "client/ui/PayState.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/ProgramStart.h"
#include "client/TaxTableRules.h"
#include "components/StateTables.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/EntryFieldSupport.h"
#include "components/ui/RSNavigator.h"
#include "components/ui/StateList.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

TFrmState::TFrmState(QWidget* parent)
    : TSetupScreen(parent, kHelpContext)
{
    setObjectName(QStringLiteral("FrmState"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma

    auto* column = new QVBoxLayout(this);
    auto* tables = new QHBoxLayout;
    tables->addLayout(BuildTaxTable(this, QStringLiteral("Single Withholding Tax Table:"), QStringLiteral("S_"),
                                    kStateTableRows, Single));
    tables->addSpacing(12);
    tables->addLayout(BuildTaxTable(this, QStringLiteral("Married Withholding Tax Table:"), QStringLiteral("M_"),
                                    kStateTableRows, Married));
    column->addLayout(tables);

    auto* groups = new QHBoxLayout;
    auto* computation = new QGridLayout;
    computation->setVerticalSpacing(2);
    computation->addWidget(BoldLabel(QStringLiteral("Withholding Tax Computation:")), 0, 0, 1, 2);
    MinusFedTax = NamedCheckBox(this, "MinusFedTax", "Deduct Federal Withholding Tax First");
    WholeDollar = NamedCheckBox(this, "WholeDollar", "Round to Nearest Dollar");
    WithValue = TableMoneyEntry(this, QStringLiteral("WithValue"), 9, 2, false);
    computation->addWidget(MinusFedTax, 1, 0, 1, 2);
    computation->addWidget(WholeDollar, 2, 0, 1, 2);
    computation->addWidget(new QLabel(QStringLiteral("Value of One (1) Withholding Allowance")), 3, 0);
    computation->addWidget(WithValue, 3, 1);
    computation->setRowStretch(4, 1);
    groups->addLayout(computation);
    groups->addSpacing(12);

    auto* credits = new QGridLayout;
    credits->setVerticalSpacing(2);
    credits->addWidget(BoldLabel(QStringLiteral("Tax Credit and Standard Deduction:")), 0, 0, 1, 3);
    credits->addWidget(new QLabel(QStringLiteral("Single")), 1, 1, Qt::AlignCenter);
    credits->addWidget(new QLabel(QStringLiteral("Married")), 1, 2, Qt::AlignCenter);
    const auto pair = [this, credits](int row, const char* caption, const char* single, const char* married,
                                      int dollars, int cents) {
        auto* first = TableMoneyEntry(this, QString::fromLatin1(single), dollars, cents, false);
        auto* second = TableMoneyEntry(this, QString::fromLatin1(married), dollars, cents, false);
        credits->addWidget(new QLabel(QString::fromLatin1(caption)), row, 0);
        credits->addWidget(first, row, 1);
        credits->addWidget(second, row, 2);
        return std::pair{first, second};
    };
    std::tie(TaxCredit1, TaxCredit2) = pair(2, "Flat Tax Credit", "TaxCredit1", "TaxCredit2", 9, 2);
    std::tie(TaxCreditPer1, TaxCreditPer2) = pair(3, "Tax Credit per Allowance", "TaxCreditPer1", "TaxCreditPer2", 9, 2);
    std::tie(MinStdDeduct1, MinStdDeduct2) =
        pair(4, "Minimum Standard Deduction", "MinStdDeduct1", "MinStdDeduct2", 9, 2);
    std::tie(MaxStdDeduct1, MaxStdDeduct2) =
        pair(5, "Maximum Standard Deduction", "MaxStdDeduct1", "MaxStdDeduct2", 9, 2);
    std::tie(StdDeductPct1, StdDeductPct2) =
        pair(6, "Standard Deduction as % of Gross", "StdDeductPct1", "StdDeductPct2", 2, 2);
    groups->addLayout(credits);
    groups->addSpacing(12);

    auto* taxes = new QGridLayout;
    taxes->setVerticalSpacing(2);
    taxes->addWidget(BoldLabel(QStringLiteral("Unemployment and Disability Wages and Taxes:")), 0, 0, 1, 2);
    const auto single = [this, taxes](int row, const char* caption, const char* name, int dollars, int cents) {
        auto* field = TableMoneyEntry(this, QString::fromLatin1(name), dollars, cents, false);
        auto* label = new QLabel(QString::fromLatin1(caption));
        label->setWordWrap(true);
        taxes->addWidget(label, row, 0);
        taxes->addWidget(field, row, 1);
        return field;
    };
    UnempTaxRate = single(1, "EmployeeTax Rate imposed on Unemployment Wages", "UnempTaxRate", 2, 6);
    UnempMaxWage = single(2, "Maximum Wages subject to Unemployment Tax", "UnempMaxWage", 9, 2);
    BaseWages = single(3, "Base Unemployment Weekly Wages", "BaseWages", 9, 2);
    DisbTaxRate = single(4, "Employee Tax Rate imposed on State Disability Wages", "DisbTaxRate", 2, 6);
    DisbMaxWage = single(5, "Maximum Wages subject to State Disability Tax", "DisbMaxWage", 9, 2);
    taxes->setColumnStretch(0, 1);
    groups->addLayout(taxes, 1);
    column->addLayout(groups);

    column->addWidget(BoldLabel(QStringLiteral("Exclusions From Withholding Tax")));
    column->addWidget(new QLabel(QStringLiteral(
        "(Check if this State recognizes any of the following Federal code sections):")));
    auto* exclusions = new QGridLayout;
    Allow401k = NamedCheckBox(this, "Allow401k", "401(k) Plan");
    Allow403b = NamedCheckBox(this, "Allow403b", "403(b) Plan");
    Allow408k6 = NamedCheckBox(this, "Allow408k6", "408(k)(6) Plan");
    Allow457b = NamedCheckBox(this, "Allow457b", "457(b) Plan");
    AllowIRASimp = NamedCheckBox(this, "AllowIRASimp", "I.R.A. Simple Plan");
    AllowCafPlan = NamedCheckBox(this, "AllowCafPlan", "IRC Section 125 or 127 Plans");
    int place = 0;
    for (QCheckBox* box : {Allow401k, Allow403b, Allow408k6, Allow457b, AllowIRASimp, AllowCafPlan}) {
        exclusions->addWidget(box, place / 3, place % 3);
        ++place;
    }
    column->addLayout(exclusions);
    column->addStretch(1);

    column->addLayout(MakeNavigatorBar(RSNavigator, BtnClose, BtnHelp,
                                       NavBtn(nbFirst) | NavBtn(nbNext) | NavBtn(nbPrior) | NavBtn(nbLast) | NavBtn(nbList)));

    PopCalculateTaxAmount = new QAction(QStringLiteral("Calculate Tax Amount"), this);
    PopCalculateTaxAmount->setObjectName(QStringLiteral("PopCalculateTaxAmount"));
    addAction(PopCalculateTaxAmount);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(PopCalculateTaxAmount, &QAction::triggered, this, &TFrmState::PopCalculateTaxAmountClick);

    RSNavigator->OnBtnListClick = [this](TRSNavigator&) {
        TFrmStateList list(this);
        list.AssignLabels(QStringLiteral("Select a state record"), QString());
        ShowModal(list);
        if (list.Selection != -1) {
            TRecordSet& states = DataModule().RSState;
            states.SetCurrentRecord(list.Selection + 1);
            states.GetRec();
        }
    };
    RSNavigator->OnAfterAction = [this](TRSNavigator&) {
        LoadStateForm();
        SetupCaption();
        CompanyRec.CurrentState = DataModule().RSState.CurrentRecord();
    };
    new KeyPreview(this, [this](QKeyEvent* event) {
        RSNavigator->KeyDownHandler(event->key(), event->modifiers());
        return false;
    });
    auto* enterAsTab = new TEnterAsTab(this);
    enterAsTab->setEscapeAsClose(true);
    enterAsTab->setParentForm(this);

    ScaleScreen(this, QSize(776, 565));
    setBrowseOnly(FrmDataModule && FrmDataModule->RSState.BrowseOnly());
}

void TFrmState::LoadStateForm()
{
    const StateTaxRecord& r = StateTaxRec;
    LoadColumn(Single.over, r.S_Over);
    LoadColumn(Single.notOver, r.S_ButNotOver);
    LoadColumn(Single.amount, r.S_TaxAmount);
    LoadColumn(Single.rate, r.S_TaxRate);
    LoadColumn(Married.over, r.M_Over);
    LoadColumn(Married.notOver, r.M_ButNotOver);
    LoadColumn(Married.amount, r.M_TaxAmount);
    LoadColumn(Married.rate, r.M_TaxRate);
    MinusFedTax->setChecked(r.MinusFedTax);
    WholeDollar->setChecked(r.WholeDollar);
    WithValue->setValue(r.WithValue);
    TaxCredit1->setValue(r.TaxCredit1);
    TaxCredit2->setValue(r.TaxCredit2);
    TaxCreditPer1->setValue(r.TaxCreditPer1);
    TaxCreditPer2->setValue(r.TaxCreditPer2);
    MinStdDeduct1->setValue(r.MinStdDeduct1);
    MinStdDeduct2->setValue(r.MinStdDeduct2);
    MaxStdDeduct1->setValue(r.MaxStdDeduct1);
    MaxStdDeduct2->setValue(r.MaxStdDeduct2);
    StdDeductPct1->setValue(r.StdDeductPct1);
    StdDeductPct2->setValue(r.StdDeductPct2);
    UnempTaxRate->setValue(r.UnempTaxRate);
    UnempMaxWage->setValue(r.UnempMaxWage);
    BaseWages->setValue(r.BaseWages);
    DisbTaxRate->setValue(r.DisbTaxRate);
    DisbMaxWage->setValue(r.DisbMaxWage);
    Allow401k->setChecked(r.Allow401k);
    Allow403b->setChecked(r.Allow403b);
    Allow408k6->setChecked(r.Allow408k6);
    Allow457b->setChecked(r.Allow457b);
    AllowIRASimp->setChecked(r.AllowIRASimp);
    AllowCafPlan->setChecked(r.AllowCafPlan);
}

void TFrmState::SaveStateForm()
{
    StateTaxRecord& r = StateTaxRec;
    SaveColumn(Single.over, r.S_Over);
    SaveColumn(Single.notOver, r.S_ButNotOver);
    SaveColumn(Single.amount, r.S_TaxAmount);
    SaveColumn(Single.rate, r.S_TaxRate);
    SaveColumn(Married.over, r.M_Over);
    SaveColumn(Married.notOver, r.M_ButNotOver);
    SaveColumn(Married.amount, r.M_TaxAmount);
    SaveColumn(Married.rate, r.M_TaxRate);
    r.MinusFedTax = MinusFedTax->isChecked();
    r.WholeDollar = WholeDollar->isChecked();
    r.WithValue = WithValue->value();
    r.TaxCredit1 = TaxCredit1->value();
    r.TaxCredit2 = TaxCredit2->value();
    r.TaxCreditPer1 = TaxCreditPer1->value();
    r.TaxCreditPer2 = TaxCreditPer2->value();
    r.MinStdDeduct1 = MinStdDeduct1->value();
    r.MinStdDeduct2 = MinStdDeduct2->value();
    r.MaxStdDeduct1 = MaxStdDeduct1->value();
    r.MaxStdDeduct2 = MaxStdDeduct2->value();
    r.StdDeductPct1 = StdDeductPct1->value();
    r.StdDeductPct2 = StdDeductPct2->value();
    r.UnempTaxRate = UnempTaxRate->value();
    r.UnempMaxWage = UnempMaxWage->value();
    r.BaseWages = BaseWages->value();
    r.DisbTaxRate = DisbTaxRate->value();
    r.DisbMaxWage = DisbMaxWage->value();
    r.Allow401k = Allow401k->isChecked();
    r.Allow403b = Allow403b->isChecked();
    r.Allow408k6 = Allow408k6->isChecked();
    r.Allow457b = Allow457b->isChecked();
    r.AllowIRASimp = AllowIRASimp->isChecked();
    r.AllowCafPlan = AllowCafPlan->isChecked();
}

void TFrmState::SetupCaption()
{
    const QString code = StateTaxRec.Abbreviation;
    setWindowTitle(QStringLiteral("State Tax Rates Tables for %1 (%2)").arg(StateNameOf(code), code));
}

void TFrmState::ValidateTables()
{
    if (!StateTablesValid(StateTaxRec))
        throw EFieldException(QLatin1String(kStateTableRules));
}

void TFrmState::PopCalculateTaxAmountClick()
{
    if (browseOnly())
        return;
    SaveStateForm();
    CalculateTaxAmounts(StateTaxRec);
    LoadStateForm();
}

void TFrmState::SaveScreen()
{
    SaveStateForm();
    ValidateTables();
    DataModule().RSState.PostRec();
}

void TFrmState::RevertScreen()
{
    // The record on screen goes back to what its file holds; the state shown stays current.
    DataModule().RSState.GetRec();
}

void TFrmState::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    TSetupScreen::showEvent(event);
}

void TFrmState::FormShow()
{
    TRecordSet& states = DataModule().RSState;
    if (CompanyRec.CurrentState >= 1 && CompanyRec.CurrentState <= StateCount)
        states.SetCurrentRecord(CompanyRec.CurrentState);
    states.GetRec();
    RSNavigator->SetRecordSet(&states);
    LoadStateForm();
    SetupCaption();
}
