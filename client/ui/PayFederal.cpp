#include "client/ui/PayFederal.h"

#include "client/PayRecords.h"
#include "client/TaxTableFiles.h"
#include "client/ui/ScreenRules.h"
#include "components/FileRoutines.h"
#include "components/DollarEditRules.h"
#include "components/NumberRoutines.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/EnterAsTab.h"
#include "platform/ui/LedgoraApplication.h"

#include <QGridLayout>

#include <cmath>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

TDollarEdit* Money(QWidget* parent, const QString& name, int dollarDigits, int centDigits, bool currency,
                   bool minusKey)
{
    auto* field = new TDollarEdit(parent);
    field->setObjectName(name);
    field->setDollarDigits(dollarDigits);
    field->setCentDigits(centDigits);
    field->setCurrency(currency);
    field->setMinusKey(minusKey);
    // Wide enough for the largest amount the field takes.
    const QString widest = FormatMoney(std::pow(10.0, dollarDigits) - 1, centDigits, currency);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(widest) + 14);
    return field;
}

QLabel* Heading(const QString& text)
{
    auto* label = new QLabel(text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLabel* Wrapped(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

// One withholding schedule: its heading, the four column titles and seven rows, created row by
// row so that the tab order runs across each row.
QGridLayout* Schedule(QWidget* parent, const QString& heading, const char* prefix, TFrmFederal::Column& over,
                      TFrmFederal::Column& notOver, TFrmFederal::Column& amount, TFrmFederal::Column& rate)
{
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    grid->addWidget(Heading(heading), 0, 0, 1, 4);
    const char* titles[] = {"At Least", "But Less Than", "Tax Amount", "Tax Rate"};
    for (int c = 0; c < 4; ++c)
        grid->addWidget(new QLabel(QString::fromLatin1(titles[c])), 1, c, Qt::AlignCenter);
    const QString p = QString::fromLatin1(prefix);
    for (int k = 0; k < TFrmFederal::kRows; ++k) {
        const QString n = QString::number(k + 1);
        over[k] = Money(parent, p + QStringLiteral("WagesOver") + n, 12, 0, true, false);
        notOver[k] = Money(parent, p + QStringLiteral("WagesNotOver") + n, 12, 0, true, false);
        amount[k] = Money(parent, p + QStringLiteral("TaxAmount") + n, 12, 2, true, false);
        rate[k] = Money(parent, p + QStringLiteral("TaxRate") + n, 2, 2, false, true);
        grid->addWidget(over[k], k + 2, 0);
        grid->addWidget(notOver[k], k + 2, 1);
        grid->addWidget(amount[k], k + 2, 2);
        grid->addWidget(rate[k], k + 2, 3);
    }
    return grid;
}

void LoadColumn(const TFrmFederal::Column& column, const RecordArray<double, 1, 7>& values)
{
    for (int k = 0; k < TFrmFederal::kRows; ++k)
        column[static_cast<std::size_t>(k)]->setValue(values[k + 1]);
}

void SaveColumn(const TFrmFederal::Column& column, RecordArray<double, 1, 7>& values)
{
    for (int k = 0; k < TFrmFederal::kRows; ++k)
        values[k + 1] = column[static_cast<std::size_t>(k)]->value();
}

} // namespace

TFrmFederal::TFrmFederal(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrmFederal"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma

    auto* column = new QVBoxLayout(this);
    column->addWidget(Wrapped(QStringLiteral("The fields on this form are used internally by the program. They are not "
                                             "user editable and are displayed for informational purposes only.")));
    auto* top = new QHBoxLayout;
    top->addLayout(Schedule(this, QStringLiteral("Single Withholding Tax Rate Schedule:"), "S", SWagesOver, SWagesNotOver,
                            STaxAmount, STaxRate));
    top->addSpacing(12);
    top->addLayout(Schedule(this, QStringLiteral("Married Withholding Tax Rate Schedule:"), "M", MWagesOver,
                            MWagesNotOver, MTaxAmount, MTaxRate));
    column->addLayout(top);

    auto* bottom = new QHBoxLayout;
    auto* household = new QVBoxLayout;
    household->addLayout(Schedule(this, QStringLiteral("Head of Household Withholding Tax Rate Schedule:"), "HOH",
                                  HOHWagesOver, HOHWagesNotOver, HOHTaxAmount, HOHTaxRate));
    household->addStretch(1);
    bottom->addLayout(household);
    bottom->addSpacing(12);
    auto* rates = new QGridLayout;
    rates->setVerticalSpacing(2);
    ExemptionVal = Money(this, QStringLiteral("ExemptionVal"), 6, 0, true, true);
    FICARate = Money(this, QStringLiteral("FICARate"), 2, 2, false, true);
    MaxFICAWages = Money(this, QStringLiteral("MaxFICAWages"), 9, 0, true, false);
    MedicareRate = Money(this, QStringLiteral("MedicareRate"), 2, 2, false, true);
    MaxMedicareWages = Money(this, QStringLiteral("MaxMedicareWages"), 12, 0, true, false);
    FUTARate = Money(this, QStringLiteral("FUTARate"), 2, 2, false, true);
    MaxFUTAWages = Money(this, QStringLiteral("MaxFUTAWages"), 9, 0, true, false);
    MedSurcharge = Money(this, QStringLiteral("MedSurcharge"), 2, 2, false, true);
    MedExclWages = Money(this, QStringLiteral("MedExclWages"), 12, 0, true, false);
    int row = 0;
    rates->addWidget(Wrapped(QStringLiteral("Value of One (1) Withholding Allowance  (see notes)")), row, 0);
    rates->addWidget(ExemptionVal, row++, 1);
    const auto addPair = [&](const char* heading, const char* second, TDollarEdit* rate, TDollarEdit* wages) {
        rates->addWidget(Heading(QString::fromLatin1(heading)), row++, 0, 1, 2);
        rates->addWidget(new QLabel(QStringLiteral("Rate:")), row, 0);
        rates->addWidget(rate, row++, 1);
        rates->addWidget(new QLabel(QString::fromLatin1(second)), row, 0);
        rates->addWidget(wages, row++, 1);
    };
    addPair("F.I.C.A.:", "Maximum wages subject to tax:", FICARate, MaxFICAWages);
    addPair("Medicare:", "Maximum wages subject to tax:", MedicareRate, MaxMedicareWages);
    addPair("F.U.T.A.:", "Maximum wages subject to tax:", FUTARate, MaxFUTAWages);
    addPair("Medicare Tax Surcharge:", "Subject to wages in excess of:", MedSurcharge, MedExclWages);
    rates->setRowStretch(row, 1);
    bottom->addLayout(rates);
    column->addLayout(bottom);

    column->addWidget(Heading(QStringLiteral("NOTES:")));
    column->addWidget(Wrapped(QStringLiteral(
        "Due to the passage of the the \"One Big Beautiful Act\" (OBBA), which made permanent the passage of the "
        "\"Tax Cuts and Jobs Act\" (TCJA) of 2017; the value of one (1) withholding allowance is no longer valid.")));
    column->addStretch(1);
    auto* bar = new QHBoxLayout;
    BtnClose = new QPushButton(QStringLiteral("Close"), this);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    BtnClose->setAutoDefault(false);
    bar->addStretch(1);
    bar->addWidget(BtnClose);
    bar->addStretch(1);
    column->addLayout(bar);
    connect(BtnClose, &QPushButton::clicked, this, &TFrmFederal::BtnCloseClick);

    auto* enterAsTab = new TEnterAsTab(this);
    enterAsTab->setEscapeAsClose(true);
    enterAsTab->setParentForm(this);
    ScaleScreen(this, QSize(788, 613));
}

void TFrmFederal::LoadFederalForm()
{
    const FederalTaxRecord& f = FederalTaxRec;
    LoadColumn(SWagesOver, f.SWagesOver);
    LoadColumn(SWagesNotOver, f.SWagesNotOver);
    LoadColumn(STaxAmount, f.STaxAmount);
    LoadColumn(STaxRate, f.STaxRate);
    LoadColumn(MWagesOver, f.MWagesOver);
    LoadColumn(MWagesNotOver, f.MWagesNotOver);
    LoadColumn(MTaxAmount, f.MTaxAmount);
    LoadColumn(MTaxRate, f.MTaxRate);
    LoadColumn(HOHWagesOver, f.HOHWagesOver);
    LoadColumn(HOHWagesNotOver, f.HOHWagesNotOver);
    LoadColumn(HOHTaxAmount, f.HOHTaxAmount);
    LoadColumn(HOHTaxRate, f.HOHTaxRate);
    ExemptionVal->setValue(f.ExemptionVal);
    FICARate->setValue(f.FICARate);
    MaxFICAWages->setValue(f.MaxFICAWages);
    MedicareRate->setValue(f.MedicareRate);
    MaxMedicareWages->setValue(f.MaxMedicareWages);
    FUTARate->setValue(f.FUTARate);
    MaxFUTAWages->setValue(f.MaxFUTAWages);
    MedSurcharge->setValue(f.MedSurcharge);
    MedExclWages->setValue(f.MedExclWages);
}

void TFrmFederal::SaveFederalForm()
{
    FederalTaxRecord& f = FederalTaxRec;
    SaveColumn(SWagesOver, f.SWagesOver);
    SaveColumn(SWagesNotOver, f.SWagesNotOver);
    SaveColumn(STaxAmount, f.STaxAmount);
    SaveColumn(STaxRate, f.STaxRate);
    SaveColumn(MWagesOver, f.MWagesOver);
    SaveColumn(MWagesNotOver, f.MWagesNotOver);
    SaveColumn(MTaxAmount, f.MTaxAmount);
    SaveColumn(MTaxRate, f.MTaxRate);
    SaveColumn(HOHWagesOver, f.HOHWagesOver);
    SaveColumn(HOHWagesNotOver, f.HOHWagesNotOver);
    SaveColumn(HOHTaxAmount, f.HOHTaxAmount);
    SaveColumn(HOHTaxRate, f.HOHTaxRate);
    f.ExemptionVal = ExemptionVal->value();
    f.FICARate = FICARate->value();
    f.MaxFICAWages = MaxFICAWages->value();
    f.MedicareRate = MedicareRate->value();
    f.MaxMedicareWages = MaxMedicareWages->value();
    f.FUTARate = FUTARate->value();
    f.MaxFUTAWages = MaxFUTAWages->value();
    f.MedSurcharge = MedSurcharge->value();
    f.MedExclWages = MedExclWages->value();
    f.MaxFICATax = RoundToDecimals(f.MaxFICAWages * f.FICARate / 100, 2);
    f.MaxFUTATax = RoundToDecimals(f.MaxFUTAWages * f.FUTARate / 100, 2);
}

void TFrmFederal::BtnCloseClick()
{
    if (IsDevIDERunning()) {
        const FederalTaxRecord shown = FederalTaxRec;
        try {
            SaveFederalForm();
            SaveFederalTable(FederalTableFileName, FederalTaxRec);
        } catch (const std::exception& error) {
            // The table in memory stays the one in the file; the window stays open with the entries.
            FederalTaxRec = shown;
            LedgoraApplication::ShowException(error);
            return;
        }
    }
    accept();
}

void TFrmFederal::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    LoadFederalForm();
    setWindowTitle(QStringLiteral(
        "Federal Withholding Tax Rate Tables and Payroll Processing Information for Calendar Year 2026"));
    const bool editable = IsDevIDERunning();
    for (TDollarEdit* field : findChildren<TDollarEdit*>()) {
        field->setReadOnly(!editable);
        field->setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
    }
}
