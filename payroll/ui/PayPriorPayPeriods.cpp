#include "payroll/ui/PayPriorPayPeriods.h"

#include "payroll/ui/StatementWindowSize.h"

#include "client/EmployeeIndex.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "components/TextRoutines.h"
#include "components/ui/NavigatorGlyphs.h"
#include "components/ui/RSNavigator.h"
#include "payroll/PayHistory.h"
#include "payroll/PriorPeriodStatement.h"
#include "payroll/ui/PayPPPOther.h"
#include "payroll/ui/PayPPPSummary.h"
#include "payroll/ui/StatementColumns.h"
#include "payroll/ui/StatementPrinting.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {

constexpr int kWindowHeight = 667;

QLabel* BoldLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QToolButton* PayDateButton(TNavigationButtons glyph, const char* hint, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setIcon(NavigatorGlyph(glyph));
    button->setIconSize(QSize(15, 15));
    button->setToolTip(QString::fromLatin1(hint));
    return button;
}

} // namespace

TFrmPriorPayPeriods::TFrmPriorPayPeriods(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Prior Payroll Periods"));
    QFont arial = font();
    arial.setFamily(QStringLiteral("Arial"));
    setFont(arial);

    ScrollBox = new QScrollArea(this);
    ScrollBox->setWidgetResizable(true);
    ScrollBox->setWidget(makeStatement());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ScrollBox, 1);
    layout->addWidget(makeControls());

    FormShow();

    FitWindowToStatement(*this, *ScrollBox, kWindowHeight);
}

QWidget* TFrmPriorPayPeriods::makeStatement()
{
    Statement = new QWidget;
    auto* v = new QVBoxLayout(Statement);

    LblEarningsStatement = new QLabel(QStringLiteral("Earnings Statement"), Statement);
    QFont title(QStringLiteral("Arial Black"));
    title.setPointSizeF(font().pointSizeF() + 6);
    title.setBold(true);
    LblEarningsStatement->setFont(title);
    LblEarningsStatement->setAlignment(Qt::AlignCenter);
    v->addWidget(LblEarningsStatement);

    auto* header = new QGridLayout;
    header->setColumnStretch(1, 1);
    auto* company = new QVBoxLayout;
    company->setSpacing(1);
    CompanyName = BoldLabel(Statement);
    CompanyTradeName = BoldLabel(Statement);
    CompanyAddress = BoldLabel(Statement);
    CompanyCityStateZip = BoldLabel(Statement);
    for (QLabel* line : {CompanyName, CompanyTradeName, CompanyAddress, CompanyCityStateZip})
        company->addWidget(line);
    company->addStretch();
    header->addLayout(company, 0, 0);

    auto* period = new QGridLayout;
    period->setVerticalSpacing(1);
    period->setHorizontalSpacing(8);
    PPPDateFromTo = new QLabel(Statement);
    PPPPayDate = new QLabel(Statement);
    LblCheckNumber = new QLabel(QStringLiteral("Check #:"), Statement);
    PPPCheckNumber = new QLabel(Statement);
    period->addWidget(new QLabel(QStringLiteral("Pay Period:"), Statement), 0, 0);
    period->addWidget(PPPDateFromTo, 0, 1);
    period->addWidget(new QLabel(QStringLiteral("Pay Date:"), Statement), 1, 0);
    period->addWidget(PPPPayDate, 1, 1);
    period->addWidget(LblCheckNumber, 2, 0);
    period->addWidget(PPPCheckNumber, 2, 1);
    period->setRowStretch(3, 1);
    header->addLayout(period, 0, 2);

    auto* employee = new QGridLayout;
    employee->setVerticalSpacing(1);
    employee->setHorizontalSpacing(8);
    EmployeeNum = new QLabel(Statement);
    EmployeeDeptPos = new QLabel(Statement);
    EmployeeSocSecNum = new QLabel(Statement);
    EmployeeMarriedFedWithAllow = new QLabel(Statement);
    EmployeeRegularRate = new QLabel(Statement);
    const std::pair<const char*, QLabel*> fields[] = {
        {"Employee Number:", EmployeeNum},
        {"Department/Position:", EmployeeDeptPos},
        {"Social Security Number:", EmployeeSocSecNum},
        {"Withholding Tax Status:", EmployeeMarriedFedWithAllow},
        {"Rate:", EmployeeRegularRate},
    };
    int row = 0;
    for (const auto& [caption, value] : fields) {
        employee->addWidget(new QLabel(QString::fromLatin1(caption), Statement), row, 0);
        employee->addWidget(value, row++, 1);
    }
    header->addLayout(employee, 1, 0);

    auto* address = new QVBoxLayout;
    address->setSpacing(1);
    EmployeeFullName = BoldLabel(Statement);
    EmployeeAddress = BoldLabel(Statement);
    EmployeeCityStateZip = BoldLabel(Statement);
    for (QLabel* line : {EmployeeFullName, EmployeeAddress, EmployeeCityStateZip})
        address->addWidget(line);
    address->addStretch();
    header->addLayout(address, 1, 2);
    header->setVerticalSpacing(12);
    v->addLayout(header);

    auto* rule = new QFrame(Statement);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    v->addWidget(rule);

    Columns = new TStatementColumns(Statement);
    LblOtherWages = Columns->Caption(kOtherTimePayGroup);
    LblOtherWages->setObjectName(QStringLiteral("LblOtherWages"));
    v->addWidget(Columns);
    v->addStretch();
    return Statement;
}

QWidget* TFrmPriorPayPeriods::makeControls()
{
    auto* controls = new QWidget(this);
    auto* row = new QHBoxLayout(controls);
    row->setContentsMargins(0, 0, 0, 0);

    auto* payDates = new QGroupBox(QStringLiteral("Pay Date"), controls);
    auto* payDateRow = new QHBoxLayout(payDates);
    CbxPayDates = new QComboBox(payDates);
    // Wide enough for "mm/dd/yyyy (nn)" and the padding a style sheet gives the text.
    CbxPayDates->setMinimumContentsLength(16);
    CbxPayDates->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    BtnFirst = PayDateButton(nbFirst, "First Pay Date", payDates);
    BtnNext = PayDateButton(nbNext, "Next Pay Date", payDates);
    BtnPrior = PayDateButton(nbPrior, "Prior Pay Date", payDates);
    BtnLast = PayDateButton(nbLast, "Last Pay Date", payDates);
    payDateRow->addWidget(CbxPayDates);
    for (QToolButton* button : {BtnFirst, BtnNext, BtnPrior, BtnLast}) {
        payDateRow->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, button] { ButtonClick(button); });
    }
    row->addWidget(payDates);

    auto* employees = new QGroupBox(QStringLiteral("Employees"), controls);
    auto* employeeRow = new QHBoxLayout(employees);
    RSNavigator = new TRSNavigator(employees);
    RSNavigator->SetVisibleButtons(NavBtn(nbFirst) | NavBtn(nbNext) | NavBtn(nbPrior) | NavBtn(nbLast) | NavBtn(nbList));
    RSNavigator->SetBtnFirstHint(QStringLiteral("First Employee"));
    RSNavigator->SetBtnNextHint(QStringLiteral("Next Employee"));
    RSNavigator->SetBtnPriorHint(QStringLiteral("Prior Employee"));
    RSNavigator->SetBtnLastHint(QStringLiteral("Last Employee"));
    RSNavigator->SetBtnListHint(QStringLiteral("List Employee"));
    RSNavigator->OnAfterAction = [this](TRSNavigator&) { RSNavigatorAfterAction(); };
    RSNavigator->OnBtnListClick = [](TRSNavigator&) { ShowRecList(); };
    employeeRow->addWidget(RSNavigator);
    row->addWidget(employees);
    // The window sees key presses before its controls, so the navigator's Alt keys work from
    // any of them.
    qApp->installEventFilter(this);

    row->addStretch();
    BtnPrint = new QPushButton(QStringLiteral("P&rint"), controls);
    BtnSummary = new QPushButton(QStringLiteral("&Summary"), controls);
    BtnOther = new QPushButton(QStringLiteral("&Other"), controls);
    BtnClose = new QPushButton(QStringLiteral("&Close"), controls);
    for (QPushButton* button : {BtnPrint, BtnSummary, BtnOther, BtnClose}) {
        button->setAutoDefault(false);
        row->addWidget(button, 0, Qt::AlignBottom);
    }
    connect(BtnPrint, &QPushButton::clicked, this, &TFrmPriorPayPeriods::BtnPrintClick);
    connect(BtnSummary, &QPushButton::clicked, this, &TFrmPriorPayPeriods::BtnSummaryClick);
    connect(BtnOther, &QPushButton::clicked, this, &TFrmPriorPayPeriods::BtnOtherClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);
    return controls;
}

bool TFrmPriorPayPeriods::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && FormKeyDown(*static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TFrmPriorPayPeriods::FormKeyDown(const QKeyEvent& key)
{
    const std::optional<TNavigationButtons> button = NavButtonForKey(key.key(), key.modifiers());
    if (!button || !RSNavigator->Button(*button)->isVisible())
        return false;
    RSNavigator->KeyDownHandler(key.key(), key.modifiers());
    return true;
}

void TFrmPriorPayPeriods::FormShow()
{
    const QStringList lines = StoredPayDateLines();
    periodCount_ = static_cast<int>(lines.size());
    PriorPayPeriodIndex = periodCount_;

    CompanyName->setText(CompanyRec.Name.get());
    CompanyTradeName->setText(CompanyRec.TradeName.get());
    CompanyTradeName->setVisible(!IsBlank(CompanyRec.TradeName.get()));
    CompanyAddress->setText(CompanyAddressLine());
    CompanyCityStateZip->setText(::CompanyCityStateZip);
    Columns->ShowUserItemNames();
    BtnOther->setEnabled(periodCount_ > 1);

    ShowEmployee();
    LoadPriorPayPeriodsForm();
    ShowCheckNumber();

    CbxPayDates->addItems(lines);
    CbxPayDates->setCurrentIndex(PriorPayPeriodIndex - 1);
    CbxPayDates->setFocus();
    connect(CbxPayDates, &QComboBox::currentIndexChanged, this, &TFrmPriorPayPeriods::CbxPayDatesChange);

    UpdateNavButtons();
    RSNavigator->SetRecordSet(&FrmDataModule->RSEmployee);
}

void TFrmPriorPayPeriods::ShowEmployee()
{
    const EmployeeRecord& e = EmployeeRec;
    EmployeeNum->setText(QStringLiteral("%1").arg(e.EmployeeNum, 3, 10, QChar('0')));
    EmployeeFullName->setText(GetEmployeeName(1, false));
    EmployeeDeptPos->setText(e.Department.get() + QChar('/') + e.Position.get());
    EmployeeAddress->setText(e.Address.get());
    EmployeeSocSecNum->setText(e.SocSecNum.get());
    EmployeeCityStateZip->setText(e.CityStateZip.get());
    EmployeeMarriedFedWithAllow->setText(WithholdingStatusText());
    EmployeeRegularRate->setText(RegularRateText());
}

void TFrmPriorPayPeriods::LoadPriorPayPeriodsForm()
{
    const StoredPayPeriod period = ReadStoredPayPeriod(PriorPayPeriodIndex);
    PPPDateFromTo->setText(period.PayDateFrom + QStringLiteral(" to ") + period.PayDateTo);
    PPPPayDate->setText(period.PayDate);
    PPPCheckNumber->setText(QString::number(period.CheckNumber));
    checkNumber_ = period.CheckNumber;
    Columns->ShowAmounts([&period](int group) { return period.Amount(group); });
    LblOtherWages->setText(EmployeeRec.OtherRateDesc.get());
}

void TFrmPriorPayPeriods::ShowCheckNumber()
{
    LblCheckNumber->setVisible(checkNumber_ != 0);
    PPPCheckNumber->setVisible(checkNumber_ != 0);
}

void TFrmPriorPayPeriods::UpdateNavButtons()
{
    BtnFirst->setEnabled(PriorPayPeriodIndex != 1);
    BtnPrior->setEnabled(PriorPayPeriodIndex != 1);
    BtnNext->setEnabled(PriorPayPeriodIndex != periodCount_);
    BtnLast->setEnabled(PriorPayPeriodIndex != periodCount_);
}

void TFrmPriorPayPeriods::showSlot(int slot)
{
    PriorPayPeriodIndex = std::clamp(slot, 1, periodCount_);
    LoadPriorPayPeriodsForm();
    UpdateNavButtons();
    ShowCheckNumber();
    const QSignalBlocker quiet(CbxPayDates);
    CbxPayDates->setCurrentIndex(PriorPayPeriodIndex - 1);
}

void TFrmPriorPayPeriods::CbxPayDatesChange(int index)
{
    showSlot(index + 1);
}

void TFrmPriorPayPeriods::ButtonClick(QToolButton* button)
{
    if (button == BtnFirst)
        showSlot(1);
    else if (button == BtnNext)
        showSlot(PriorPayPeriodIndex + 1);
    else if (button == BtnPrior)
        showSlot(PriorPayPeriodIndex - 1);
    else
        showSlot(periodCount_);
}

void TFrmPriorPayPeriods::RSNavigatorAfterAction()
{
    ShowEmployee();
    LoadPriorPayPeriodsForm();
    ShowCheckNumber();
}

void TFrmPriorPayPeriods::BtnPrintClick()
{
    if (ConfirmPrinterReady())
        PrintStatementArea(this, *Statement, windowTitle());
}

void TFrmPriorPayPeriods::BtnSummaryClick()
{
    ShowPPPSummary();
}

void TFrmPriorPayPeriods::BtnOtherClick()
{
    ShowPPPOther();
}

void ShowPriorPayPeriods()
{
    if (!CheckPriorPayPeriodsStored())
        return;
    TFrmPriorPayPeriods window;
    ShowModal(window);
}
