#include "client/ui/PayCity.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/TaxTableRules.h"
#include "components/NumberRoutines.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/EntryFieldSupport.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/RSNavigator.h"
#include "platform/Exceptions.h"
#include "platform/ui/LedgoraApplication.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

TFilterEdit* PercentEntry(QWidget* parent, const char* name)
{
    auto* field = new TFilterEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(2);
    field->setValidChars(QStringLiteral("[0..9]"));
    field->setTextAlignment(taRightJustify);
    return field;
}

} // namespace

TFrmCity::TFrmCity(QWidget* parent)
    : TSetupScreen(parent, kHelpContext)
{
    setObjectName(QStringLiteral("FrmCity"));
    setWindowTitle(QStringLiteral("City Withholding Tax Rates Tables and Payroll Processig Information"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma

    auto* column = new QVBoxLayout(this);
    auto* name = new QHBoxLayout;
    CityName = new TFilterEdit(this);
    CityName->setObjectName(QStringLiteral("CityName"));
    CityName->setMaxLength(6);
    CityName->setValidChars(QStringLiteral("[A..Z,a..z, ]"));
    auto* nameLabel = new QLabel(QStringLiteral("City name"), this);
    nameLabel->setBuddy(CityName);
    name->addWidget(nameLabel);
    name->addWidget(CityName);
    name->addStretch(1);
    column->addLayout(name);

    auto* tables = new QHBoxLayout;
    tables->addLayout(BuildTaxTable(this, QStringLiteral("Single Withholding Tax Rate Table:"), QStringLiteral("S_"),
                                    kCityTableRows, Single));
    tables->addSpacing(12);
    tables->addLayout(BuildTaxTable(this, QStringLiteral("Married Withholding Tax Rate Table:"), QStringLiteral("M_"),
                                    kCityTableRows, Married));
    column->addLayout(tables);

    auto* credits = new QGridLayout;
    credits->setVerticalSpacing(2);
    WithValue = TableMoneyEntry(this, QStringLiteral("WithValue"), 9, 2, false);
    credits->addWidget(new QLabel(QStringLiteral("Value of \"1\" Withholding Allowance")), 0, 0);
    credits->addWidget(WithValue, 0, 1);
    credits->addWidget(new QLabel(QStringLiteral("Single")), 1, 1, Qt::AlignCenter);
    credits->addWidget(new QLabel(QStringLiteral("Married")), 1, 2, Qt::AlignCenter);
    const auto pair = [this, credits](int row, const char* caption, const char* single, const char* married) {
        auto* first = TableMoneyEntry(this, QString::fromLatin1(single), 9, 2, false);
        auto* second = TableMoneyEntry(this, QString::fromLatin1(married), 9, 2, false);
        credits->addWidget(new QLabel(QString::fromLatin1(caption)), row, 0);
        credits->addWidget(first, row, 1);
        credits->addWidget(second, row, 2);
        return std::pair{first, second};
    };
    std::tie(TaxCredit1, TaxCredit2) = pair(2, "Flat Tax Credit", "TaxCredit1", "TaxCredit2");
    std::tie(TaxCreditPer1, TaxCreditPer2) = pair(3, "or, Tax Credit per Allowance", "TaxCreditPer1", "TaxCreditPer2");
    std::tie(MinStdDeduct1, MinStdDeduct2) = pair(4, "Minimum Standard Deduction", "MinStdDeduct1", "MinStdDeduct2");
    std::tie(MaxStdDeduct1, MaxStdDeduct2) = pair(5, "Maximum Standard Deduction", "MaxStdDeduct1", "MaxStdDeduct2");
    StdDeductPct1 = PercentEntry(this, "StdDeductPct1");
    StdDeductPct2 = PercentEntry(this, "StdDeductPct2");
    credits->addWidget(new QLabel(QStringLiteral("Standard Deduction as % of Gross")), 6, 0);
    credits->addWidget(StdDeductPct1, 6, 1);
    credits->addWidget(StdDeductPct2, 6, 2);
    credits->setRowStretch(7, 1);

    auto* exclusions = new QVBoxLayout;
    exclusions->addWidget(BoldLabel(QStringLiteral("Exclusions From Withholding Tax")));
    auto* prompt = new QLabel(QStringLiteral(
        "(Check if this City supports any of the following Federal code sections):"));
    prompt->setWordWrap(true);
    exclusions->addWidget(prompt);
    Allow401k = NamedCheckBox(this, "Allow401k", "401(k) Plan");
    Allow403b = NamedCheckBox(this, "Allow403b", "403(b) Plan");
    Allow408k6 = NamedCheckBox(this, "Allow408k6", "408(k)(6) Plan");
    Allow457b = NamedCheckBox(this, "Allow457b", "457(b) Plan");
    AllowIRASimp = NamedCheckBox(this, "AllowIRASimp", "I.R.A. Simple Plan");
    AllowCafPlan = NamedCheckBox(this, "AllowCafPlan", "IRC Section 125 or 127 Plans");
    for (QCheckBox* box : {Allow401k, Allow403b, Allow408k6, Allow457b, AllowIRASimp, AllowCafPlan})
        exclusions->addWidget(box);
    exclusions->addStretch(1);

    auto* lower = new QHBoxLayout;
    lower->addLayout(credits);
    lower->addSpacing(24);
    lower->addLayout(exclusions, 1);
    column->addLayout(lower);
    column->addStretch(1);

    column->addLayout(MakeNavigatorBar(RSNavigator, BtnClose, BtnHelp,
                                       NavBtn(nbFirst) | NavBtn(nbNext) | NavBtn(nbPrior) | NavBtn(nbLast) | NavBtn(nbNew)));

    PopCalculateTaxAmount = new QAction(QStringLiteral("Calculate Tax Amount"), this);
    PopCalculateTaxAmount->setObjectName(QStringLiteral("PopCalculateTaxAmount"));
    addAction(PopCalculateTaxAmount);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(PopCalculateTaxAmount, &QAction::triggered, this, &TFrmCity::PopCalculateTaxAmountClick);

    for (TDollarEdit* credit : {TaxCredit1, TaxCredit2, TaxCreditPer1, TaxCreditPer2})
        connect(credit, &TDollarEdit::exited, this, &TFrmCity::CheckTaxCredits);
    RSNavigator->OnAfterAction = [this](TRSNavigator& sender) {
        LoadCityForm();
        SetupFieldAccess();
        CheckTaxCredits();
        if (sender.Action() == baNew)
            CityName->setFocus();
    };
    new KeyPreview(this, [this](QKeyEvent* event) {
        RSNavigator->KeyDownHandler(event->key(), event->modifiers());
        return false;
    });
    auto* enterAsTab = new TEnterAsTab(this);
    enterAsTab->setEscapeAsClose(true);
    enterAsTab->setParentForm(this);

    ScaleScreen(this, QSize(778, 550));
    setBrowseOnly(FrmDataModule && FrmDataModule->RSCity.BrowseOnly());
}

void TFrmCity::LoadCityForm()
{
    const CityTaxRecord& r = CityTaxRec;
    CityName->setText(r.CityName);
    LoadColumn(Single.over, r.S_Over);
    LoadColumn(Single.notOver, r.S_ButNotOver);
    LoadColumn(Single.amount, r.S_TaxAmount);
    LoadColumn(Single.rate, r.S_TaxRate);
    LoadColumn(Married.over, r.M_Over);
    LoadColumn(Married.notOver, r.M_ButNotOver);
    LoadColumn(Married.amount, r.M_TaxAmount);
    LoadColumn(Married.rate, r.M_TaxRate);
    WithValue->setValue(r.WithValue);
    TaxCredit1->setValue(r.TaxCredit1);
    TaxCredit2->setValue(r.TaxCredit2);
    TaxCreditPer1->setValue(r.TaxCreditPer1);
    TaxCreditPer2->setValue(r.TaxCreditPer2);
    MinStdDeduct1->setValue(r.MinStdDeduct1);
    MinStdDeduct2->setValue(r.MinStdDeduct2);
    MaxStdDeduct1->setValue(r.MaxStdDeduct1);
    MaxStdDeduct2->setValue(r.MaxStdDeduct2);
    StdDeductPct1->setText(QString::number(r.StdDeductPct1));
    StdDeductPct2->setText(QString::number(r.StdDeductPct2));
    Allow401k->setChecked(r.Allow401k);
    Allow403b->setChecked(r.Allow403b);
    Allow408k6->setChecked(r.Allow408k6);
    Allow457b->setChecked(r.Allow457b);
    AllowIRASimp->setChecked(r.AllowIRASimp);
    AllowCafPlan->setChecked(r.AllowCafPlan);
}

void TFrmCity::SaveCityForm()
{
    CityTaxRecord& r = CityTaxRec;
    r.CityName = CityName->text();
    SaveColumn(Single.over, r.S_Over);
    SaveColumn(Single.notOver, r.S_ButNotOver);
    SaveColumn(Single.amount, r.S_TaxAmount);
    SaveColumn(Single.rate, r.S_TaxRate);
    SaveColumn(Married.over, r.M_Over);
    SaveColumn(Married.notOver, r.M_ButNotOver);
    SaveColumn(Married.amount, r.M_TaxAmount);
    SaveColumn(Married.rate, r.M_TaxRate);
    r.WithValue = WithValue->value();
    r.TaxCredit1 = TaxCredit1->value();
    r.TaxCredit2 = TaxCredit2->value();
    r.TaxCreditPer1 = TaxCreditPer1->value();
    r.TaxCreditPer2 = TaxCreditPer2->value();
    r.MinStdDeduct1 = MinStdDeduct1->value();
    r.MinStdDeduct2 = MinStdDeduct2->value();
    r.MaxStdDeduct1 = MaxStdDeduct1->value();
    r.MaxStdDeduct2 = MaxStdDeduct2->value();
    r.StdDeductPct1 = StdDeductPct1->text().isEmpty() ? 0 : TextToInt(StdDeductPct1->text());
    r.StdDeductPct2 = StdDeductPct2->text().isEmpty() ? 0 : TextToInt(StdDeductPct2->text());
    r.Allow401k = Allow401k->isChecked();
    r.Allow403b = Allow403b->isChecked();
    r.Allow408k6 = Allow408k6->isChecked();
    r.Allow457b = Allow457b->isChecked();
    r.AllowIRASimp = AllowIRASimp->isChecked();
    r.AllowCafPlan = AllowCafPlan->isChecked();
}

void TFrmCity::SetupFieldAccess()
{
    const bool editable = DataModule().RSCity.CurrentRecord() != 1;
    for (QLineEdit* field : findChildren<QLineEdit*>())
        field->setEnabled(editable);
    // Browse-only, the check boxes stay off whatever the record.
    for (QCheckBox* box : findChildren<QCheckBox*>())
        box->setEnabled(editable && !browseOnly());
}

void TFrmCity::CheckTaxCredits()
{
    TaxCredit1->setReadOnly(browseOnly() || TaxCreditPer1->value() > 0);
    TaxCredit2->setReadOnly(browseOnly() || TaxCreditPer2->value() > 0);
    TaxCreditPer1->setReadOnly(browseOnly() || TaxCredit1->value() > 0);
    TaxCreditPer2->setReadOnly(browseOnly() || TaxCredit2->value() > 0);
}

void TFrmCity::ValidateTables()
{
    if (!CityTablesValid(CityTaxRec))
        throw EFieldException(QLatin1String(kCityTableRules));
}

void TFrmCity::PopCalculateTaxAmountClick()
{
    if (browseOnly() || DataModule().RSCity.CurrentRecord() == 1)
        return;
    SaveCityForm();
    CalculateTaxAmounts(CityTaxRec);
    LoadCityForm();
}

void TFrmCity::SaveScreen()
{
    SaveCityForm();
    ValidateTables();
    DataModule().RSCity.PostRec();
}

void TFrmCity::RevertScreen()
{
    // The record on screen goes back to what its file holds.
    DataModule().RSCity.GetRec();
}

void TFrmCity::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    TSetupScreen::showEvent(event);
}

void TFrmCity::FormShow()
{
    TRecordSet& cities = DataModule().RSCity;
    cities.GetRec();
    RSNavigator->SetRecordSet(&cities);
    LoadCityForm();
    SetupFieldAccess();
    CheckTaxCredits();
}
