#include "payroll/ui/PayPeriodDlg.h"

#include "client/ClientMenuState.h"
#include "client/PayDataModule.h"
#include "client/ui/HelpWindow.h"
#include "client/ui/PayMain.h"
#include "components/ui/DateEdit.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/EntryFieldSupport.h"
#include "components/ui/FilterEdit.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace {

TDateEdit* DateEntry(QWidget* parent, const char* name)
{
    auto* field = new TDateEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

QRadioButton* FrequencyButton(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QRadioButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// Runs a main-window command from the dialog; its failure is shown and the dialog stays.
void RunMainCommand(MenuItem command)
{
    try {
        if (FrmMain)
            FrmMain->RunCommand(command, MenuItem::None);
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

} // namespace

TFrmPayPeriod::TFrmPayPeriod(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrmPayPeriod"));
    setWindowTitle(QStringLiteral("Payroll Processing Setup"));

    PayDateFrom = DateEntry(this, "PayDateFrom");
    PayDateTo = DateEntry(this, "PayDateTo");
    PayDate = DateEntry(this, "PayDate");
    StartChkNum = new TFilterEdit(this);
    StartChkNum->setObjectName(QStringLiteral("StartChkNum"));
    StartChkNum->setMaxLength(6);
    StartChkNum->setValidChars(QStringLiteral("[0..9,+,-]"));
    StartChkNum->setTextAlignment(taRightJustify);

    auto* dates = new QGridLayout;
    const auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(QString::fromLatin1(text), this);
        l->setBuddy(buddy);
        return l;
    };
    dates->addWidget(label("Pay Period", PayDateFrom), 0, 0);
    dates->addWidget(PayDateFrom, 0, 1);
    dates->addWidget(label("to", PayDateTo), 0, 2, Qt::AlignCenter);
    dates->addWidget(PayDateTo, 0, 3);
    dates->addWidget(label("Pay Date", PayDate), 1, 0);
    dates->addWidget(PayDate, 1, 1);
    dates->addWidget(label("Starting Check #", StartChkNum), 1, 2);
    dates->addWidget(StartChkNum, 1, 3);

    auto* frequency = new QGroupBox(QStringLiteral("Payroll Frequency to be Processed"), this);
    auto* frequencyRow = new QHBoxLayout(frequency);
    pfAll = FrequencyButton(frequency, "pfAll", "All");
    pfWeekly = FrequencyButton(frequency, "pfWeekly", "Weekly");
    pfBiWeekly = FrequencyButton(frequency, "pfBiWeekly", "Biweekly");
    pfSemiMonthly = FrequencyButton(frequency, "pfSemiMonthly", "Semimonthly");
    pfMonthly = FrequencyButton(frequency, "pfMonthly", "Monthly");
    for (QRadioButton* button : {pfAll, pfWeekly, pfBiWeekly, pfSemiMonthly, pfMonthly})
        frequencyRow->addWidget(button);

    auto* operations = new QGroupBox(QStringLiteral("Operations"), this);
    auto* operationRow = new QHBoxLayout(operations);
    BtnProcess = Button(operations, "BtnProcess", QStringLiteral("&Process"));
    BtnCloseMonth = Button(operations, "BtnCloseMonth", QStringLiteral("Close &Month"));
    BtnCloseQuarter = Button(operations, "BtnCloseQuarter", QStringLiteral("Close &Quarter"));
    BtnCancel = Button(operations, "BtnCancel", QStringLiteral("&Cancel"));
    for (QPushButton* button : {BtnProcess, BtnCloseMonth, BtnCloseQuarter, BtnCancel})
        operationRow->addWidget(button);

    BtnHelp = Button(this, "BtnHelp", QStringLiteral("Help"));
    BtnHelp->setToolTip(QStringLiteral("Form Help"));

    auto* column = new QVBoxLayout(this);
    column->addLayout(dates);
    column->addWidget(frequency);
    column->addWidget(operations);
    column->addWidget(BtnHelp);

    setTabOrder(PayDateFrom, PayDateTo);
    setTabOrder(PayDateTo, PayDate);
    setTabOrder(PayDate, StartChkNum);
    setTabOrder(StartChkNum, pfAll);

    connect(BtnProcess, &QPushButton::clicked, this, &TFrmPayPeriod::BtnProcessClick);
    connect(BtnCloseMonth, &QPushButton::clicked, this, &TFrmPayPeriod::BtnCloseMonthClick);
    connect(BtnCloseQuarter, &QPushButton::clicked, this, &TFrmPayPeriod::BtnCloseQuarterClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFrmPayPeriod::reject);
    connect(BtnHelp, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    connect(StartChkNum, &TFilterEdit::keyPressed, this, [this](QChar& key) {
        if (key != QLatin1Char('+') && key != QLatin1Char('-'))
            return;
        const QString stepped = StepStartingCheckNumber(StartChkNum->text(), key == QLatin1Char('+') ? 1 : -1);
        key = QChar();
        StartChkNum->setMaxLength(std::max(6, static_cast<int>(stepped.size())));
        StartChkNum->setText(stepped);
    });
    // Ctrl+Enter processes from any field; plain Enter moves on.
    new KeyPreview(this, [this](QKeyEvent* event) {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (!enter || !(event->modifiers() & Qt::ControlModifier))
            return false;
        BtnProcessClick();
        return true;
    });
    auto* enterAsTab = new TEnterAsTab(this);
    enterAsTab->setParentForm(this);
    SetHelpContext(this, kHelpContext);
}

PayPeriodForm TFrmPayPeriod::form() const
{
    PayPeriodForm f;
    f.PayDateFrom = PayDateFrom->text();
    f.PayDateTo = PayDateTo->text();
    f.PayDate = PayDate->text();
    f.StartChkNum = StartChkNum->text();
    const QRadioButton* buttons[] = {pfAll, pfWeekly, pfBiWeekly, pfSemiMonthly, pfMonthly};
    for (int i = 0; i < 5; ++i) {
        if (buttons[i]->isChecked()) {
            f.ProcessFrequency = i;
            break;
        }
    }
    return f;
}

void TFrmPayPeriod::loadForm(const PayPeriodForm& f)
{
    PayDateFrom->setText(f.PayDateFrom);
    PayDateTo->setText(f.PayDateTo);
    PayDate->setText(f.PayDate);
    StartChkNum->setText(f.StartChkNum);
    QRadioButton* buttons[] = {pfAll, pfWeekly, pfBiWeekly, pfSemiMonthly, pfMonthly};
    for (QRadioButton* button : buttons)
        button->setAutoExclusive(false);
    for (int i = 0; i < 5; ++i)
        buttons[i]->setChecked(i == f.ProcessFrequency);
    for (QRadioButton* button : buttons)
        button->setAutoExclusive(true);
}

void TFrmPayPeriod::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    loadForm(LoadPayPeriodForm());
    enableClosing();
    PayDateFrom->setFocus();
}

void TFrmPayPeriod::enableClosing()
{
    const MenuStates states = ComputeMenuStates(CurrentClientMenuState());
    BtnCloseMonth->setEnabled(states.isEnabled(MenuItem::MnuCloseMonth));
    BtnCloseQuarter->setEnabled(states.isEnabled(MenuItem::MnuCloseQuarter));
}

void TFrmPayPeriod::focusField(PayPeriodField field)
{
    switch (field) {
    case PayPeriodField::PayDateFrom: PayDateFrom->setFocus(); return;
    case PayPeriodField::PayDateTo: PayDateTo->setFocus(); return;
    case PayPeriodField::PayDate: PayDate->setFocus(); return;
    case PayPeriodField::StartChkNum: StartChkNum->setFocus(); return;
    }
}

void TFrmPayPeriod::BtnProcessClick()
{
    try {
        if (ProcessPayPeriod(form(), BtnCloseMonth->isEnabled(), BtnCloseQuarter->isEnabled(),
                             [this](PayPeriodField field) { focusField(field); }))
            accept();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
    }
}

void TFrmPayPeriod::BtnCloseMonthClick()
{
    RunMainCommand(MenuItem::MnuCloseMonth);
    enableClosing();
}

void TFrmPayPeriod::BtnCloseQuarterClick()
{
    RunMainCommand(MenuItem::MnuCloseQuarter);
    enableClosing();
}

void TFrmPayPeriod::reject()
{
    if (!closed_) {
        PayPeriodForm f = form();
        CancelPayPeriod(f);
    }
    QDialog::reject();
}

void TFrmPayPeriod::done(int result)
{
    if (!closed_) {
        closed_ = true;
        try {
            DataModule().RSCompany.PostRec();
        } catch (const std::exception& error) {
            LedgoraApplication::ShowException(error);
        }
    }
    QDialog::done(result);
}

void ShowPayPeriodDialog()
{
    TFrmPayPeriod dialog;
    ShowModal(dialog);
}
