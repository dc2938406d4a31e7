#include "payroll/ui/PayManual.h"

#include "client/EmployeeDerivedFields.h"
#include "client/EmployeeIndex.h"
#include "client/PayDataModule.h"
#include "client/PayHistoryMap.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "client/StateTableCheck.h"
#include "client/ui/PayEmployee.h"
#include "client/ui/PayNewEmployee.h"
#include "client/ui/ScreenRules.h"
#include "components/DateRoutines.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/EntryFieldSupport.h"
#include "components/ui/RSNavigator.h"
#include "payroll/ManualEntry.h"
#include "payroll/ui/PayClock.h"
#include "payroll/ui/PayPPPOther.h"
#include "payroll/ui/PayRecurring.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"
#include "reports/ui/EmployeeYearToDatePreview.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int Now = kCurrentColumn;

// One row of the window: its caption, the caption's name and tag, and up to three entries (the
// hours, the amount and, for a tax, the employer's share). userItem 1..15 takes the caption from
// the company's user item names.
struct ManualRow {
    const char* caption;
    const char* label;
    int tag;
    const char* hours;
    const char* amount;
    const char* liability;
    int userItem = 0;
    const char* clockHint = nullptr;
};

const std::vector<ManualRow> kEarnings = {
    {"Regular Hours/Days", "LblRegularTime", 0, "RegularTime", "Wages", nullptr, 0, "regular time"},
    {"Overtime Hours/Days", "LblOverTime", 1, "OverTime", "OverTimePay", nullptr, 0, "over time"},
    {"Holiday Hours/Days", "LblHolidayTime", 2, "HolidayTime", "HolidayPay", nullptr, 0, "holiday time"},
    {"Vacation Hours/Days", "LblVactionTime", 3, "VacationTime", "VacationPay", nullptr, 0, "vacation time"},
    {"Sick/PTO Hours/Days", "LblSickTime", 4, "SickTime", "SickPay", nullptr, 0, "sick time"},
    {"Other Hours/Days", "LblOtherTime", 56, "OtherTime", "OtherTimePay", nullptr, 0, "other time"},
    {"Bonus", "LblBonus", 5, nullptr, "Bonus", nullptr},
    {"Tips", "LblTips", 6, nullptr, "Tips", nullptr},
    {"Dependent Care Benefits", "LblDepCareBen", 7, nullptr, "DepCareBen", nullptr},
    {"Fringe Benefits", "LblFringeBen", 8, nullptr, "FringeBen", nullptr},
    {"", "UserEarnings1", 10, nullptr, "UserPay1", nullptr, 1},
    {"", "UserEarnings2", 11, nullptr, "UserPay2", nullptr, 2},
    {"", "UserEarnings3", 12, nullptr, "UserPay3", nullptr, 3},
    {"", "UserEarnings4", 13, nullptr, "UserPay4", nullptr, 4},
    {"", "UserEarnings5", 14, nullptr, "UserPay5", nullptr, 5},
    {"Gross Pay", "LblGrossWages", 15, nullptr, "GrossWages", nullptr},
    {"Net Pay", "LblNetPay", 36, nullptr, "NetPay", nullptr},
};

const std::vector<ManualRow> kTaxes = {
    {"F.I.C.A. Tax", "LblFICATax", 16, nullptr, "FICATax", "FICALib"},
    {"Federal Income Tax", "LblFederalTax", 17, nullptr, "FederalTax", nullptr},
    {"Medicare Tax", "LblMedicareTax", 18, nullptr, "MedicareTax", "MedicareLib"},
    {"State Income Tax", "LblStateTax", 19, nullptr, "StateTax", nullptr},
    {"City Income Tax", "LblCityTax", 20, nullptr, "CityTax", nullptr},
    {"State Unemployment Tax", "LblUnempTax", 21, nullptr, "UnempTax", "UnempLib"},
    {"State Disability Tax", "LblDisbTax", 22, nullptr, "DisbTax", "DisbLib"},
    {"Health Insurance Premiums", "LblHealthIns", 23, nullptr, "HealthIns", nullptr},
    {"401(k) Plan Contribution", "LblPlan401", 24, nullptr, "Plan401k", nullptr},
    {"403(b) Plan Contribution", "LblPlan403b", 25, nullptr, "Plan403b", nullptr},
    {"408(k)(6) Plan Contribution", "LblPlan408k6", 26, nullptr, "Plan408k6", nullptr},
    {"457(b) Plan Contribution", "LblPlan457b", 27, nullptr, "Plan457b", nullptr},
    {"I.R.A. Simple Plan Contribution", "LblIRASimple", 28, nullptr, "IRASimple", nullptr},
    {"Non Qualified Plan Contribution", "LblNonQualPlan", 29, nullptr, "NonQualPlan", nullptr},
    {"", "UserDeduct_1", 30, nullptr, "UserDeduct1", nullptr, 6},
    {"", "UserDeduct_2", 31, nullptr, "UserDeduct2", nullptr, 7},
    {"", "UserDeduct_3", 32, nullptr, "UserDeduct3", nullptr, 8},
    {"", "UserDeduct_4", 33, nullptr, "UserDeduct4", nullptr, 9},
    {"", "UserDeduct_5", 34, nullptr, "UserDeduct5", nullptr, 10},
    {"Total Deductions", "LblTotalDeduct", 35, nullptr, "TotalDeduct", nullptr},
};

const std::vector<ManualRow> kLiabilities = {
    {"Federal Unemployment Tax (F.U.T.A)", "LblFUTALib", 37, nullptr, "FUTALib", nullptr},
    {"", "UserLib_1", 38, nullptr, "UserLib1", nullptr, 11},
    {"", "UserLib_2", 39, nullptr, "UserLib2", nullptr, 12},
    {"", "UserLib_3", 40, nullptr, "UserLib3", nullptr, 13},
    {"", "UserLib_4", 41, nullptr, "UserLib4", nullptr, 14},
    {"", "UserLib_5", 42, nullptr, "UserLib5", nullptr, 15},
    {"Total Employer Liabilities", "LblTotLib", 43, nullptr, "TotalLib", nullptr},
};

const std::vector<ManualRow> kSickPay = {
    {"Gross Third-Party Sick Pay", "LblTPSPGross", 54, nullptr, "TPSPGross", nullptr},
    {"Taxable Third-Party Sick Pay", "LblTPSPTaxable", 55, nullptr, "TPSPTaxable", nullptr},
    {"Income tax withheld by payer of TPSP", "LblTPSPFederalTax", 59, nullptr, "TPSPFederalTax", nullptr},
};

const std::vector<ManualRow> kOtherInformation = {
    {"Employee Allocated Tips", "LblAllocatedTip", 44, nullptr, "AllocatedTip", nullptr},
    {"Employer Payment for Life Ins. over 50K", "LblGTLIAmount", 45, nullptr, "GTLIAmount", nullptr},
    {"Federal Taxable Earnings", "LblFedEarnings", 46, nullptr, "FedEarnings", nullptr},
    {"Taxable Social Security Earnings", "LblFICAEarnings", 47, nullptr, "FICAEarnings", nullptr},
    {"Taxable Medicare Earnings", "LblMedEarnings", 48, nullptr, "MedEarnings", nullptr},
    {"Taxable Federal Unemployment Earnings", "LblFUTAEarnings", 49, nullptr, "FUTAEarnings", nullptr},
    {"State Taxable Earnings", "LblStateEarning", 50, nullptr, "StateEarning", nullptr},
    {"City Taxable Earnings", "LblCityEarnings", 51, nullptr, "CityEarnings", nullptr},
    {"State Taxable Unemployment Earnings", "LblUnempEarning", 52, nullptr, "UnempEarning", nullptr},
    {"State Taxable Disability Earnings", "LblDisbEarnings", 53, nullptr, "DisbEarnings", nullptr},
    {"Employer State Unemployment Earnings", "LblUICompWages", 57, nullptr, "UICompWages", nullptr},
    {"Employer State Disability Earnings", "LblDICompWages", 58, nullptr, "DICompWages", nullptr},
    {"Qualified Overtime compensation", "LblQualifiedOT", 60, nullptr, "QualifiedOT", nullptr},
};

// Amounts the program works out itself; never typed.
const char* const kComputedFields[] = {"Wages",      "OverTimePay", "HolidayPay",  "VacationPay", "SickPay",
                                       "OtherTimePay", "GrossWages", "TotalDeduct", "NetPay",      "TotalLib"};
const char* const kCurrencyFields[] = {"GrossWages", "NetPay", "TotalLib"};

// A change of these calls for the pay to be computed again.
const char* const kReprocessFields[] = {"RegularTime", "OverTime", "HolidayTime", "VacationTime", "SickTime",
                                        "OtherTime", "Bonus", "Tips", "DepCareBen", "FringeBen", "UserPay1",
                                        "UserPay2", "UserPay3", "UserPay4", "UserPay5", "Plan401k", "Plan403b",
                                        "Plan408k6", "Plan457b", "IRASimple", "TPSPGross", "TPSPTaxable",
                                        "TPSPFederalTax"};

const char* const kHourFields[] = {"RegularTime", "OverTime", "HolidayTime", "VacationTime", "SickTime", "OtherTime"};

const char* const kCheckNumberHint = "Double click to change";

double* HourField(EmployeeRecord& e, const QString& name)
{
    if (name == QLatin1String("RegularTime"))
        return &e.RegularTime;
    if (name == QLatin1String("OverTime"))
        return &e.OverTime;
    if (name == QLatin1String("HolidayTime"))
        return &e.HolidayTime;
    if (name == QLatin1String("VacationTime"))
        return &e.VacationTime;
    if (name == QLatin1String("SickTime"))
        return &e.SickTime;
    return &e.OtherTime;
}

QString AppTitle()
{
    return QCoreApplication::applicationName();
}

QString UserItemName(int item)
{
    const CompanyRecord& c = CompanyRec;
    if (item <= 5)
        return c.UserEarnings[item].get();
    if (item <= 10)
        return c.UserDeduct[item - 5].get();
    return c.UserLib[item - 10].get();
}

bool Contains(const char* const* names, std::size_t count, const QString& name)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (name == QLatin1String(names[i]))
            return true;
    }
    return false;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QLineEdit* TopField(QWidget* parent, const char* name)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

// The face of the clock buttons: a dial with its two hands, drawn at twice the size so it stays
// sharp on high-density screens; Qt greys it out for a disabled button.
QIcon ClockIcon()
{
    QPixmap face(32, 32);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 2.5));
    painter.setBrush(QColor(0xFF, 0xFF, 0xF0));
    painter.drawEllipse(QRectF(3, 3, 26, 26));
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(16, 16), QPointF(16, 8));
    painter.drawLine(QPointF(16, 16), QPointF(22, 19));
    painter.end();
    face.setDevicePixelRatio(2);
    return QIcon(face);
}

} // namespace

TFrmManual::TFrmManual(QWidget* parent)
    : TSetupScreen(parent, kHelpContext)
{
    setObjectName(QStringLiteral("FrmManual"));
    setWindowTitle(QStringLiteral("Employee Manual Entry"));

    auto* column = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    PayDateFromTo = TopField(this, "PayDateFromTo");
    PayDate = TopField(this, "PayDate");
    CheckNumber = TopField(this, "CheckNumber");
    CheckNumber->setToolTip(QString::fromLatin1(kCheckNumberHint));
    CheckNumber->installEventFilter(this);
    top->addWidget(PayDateFromTo, 3);
    top->addWidget(PayDate, 2);
    top->addWidget(CheckNumber, 2);
    column->addLayout(top);

    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setWidgetResizable(true);
    ScrollBox->setWidget(buildSections());
    column->addWidget(ScrollBox, 1);
    column->addLayout(buildBottomRow());

    for (std::size_t i = 1; i < tabOrder_.size(); ++i)
        setTabOrder(tabOrder_[i - 1], tabOrder_[i]);

    enterAsTab_ = new TEnterAsTab(this);
    enterAsTab_->setEscapeAsClose(true);
    enterAsTab_->setParentForm(this);
    Rect = new TFocusFrame(this);
    ScaleScreen(this, QSize(900, 600));
    FrmClock = new TFrmClock(this);
    new KeyPreview(this, [this](QKeyEvent* event) {
        return FormKeyDown(event->key(), event->modifiers() & ~Qt::KeypadModifier);
    });
}

TDollarEdit* TFrmManual::addField(const char* name, int tag, bool hours, bool other)
{
    auto* field = new TDollarEdit;
    const QString fieldName = QString::fromLatin1(name);
    field->setObjectName(fieldName);
    field->setProperty("tag", tag);
    field->setMinusKey(true);
    if (hours) {
        field->setCentDigits(6);
        field->setDollarDigits(5);
        field->setMaxValue(9999.999999);
    } else if (other) {
        field->setDollarDigits(12);
        field->setMaxValue(99999999999.99);
    } else {
        field->setDollarDigits(10);
        field->setMaxValue(999999999.99);
    }
    // Room for an amount of six digits of dollars whole, beside the frame and the entry's margins.
    if (!hours)
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("$999,999.99")) + 12);
    if (Contains(kComputedFields, std::size(kComputedFields), fieldName)) {
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        field->setFontColor(Qt::blue);
    } else {
        tabOrder_.push_back(field);
    }
    field->setCurrency(Contains(kCurrencyFields, std::size(kCurrencyFields), fieldName));
    if (Contains(kReprocessFields, std::size(kReprocessFields), fieldName))
        connect(field, &QLineEdit::textEdited, this, &TFrmManual::FieldChange);
    connect(field, &TDollarEdit::entered, this, [this, tag] {
        if (QLabel* caption = captionsByTag_[tag]) {
            QFont font = caption->font();
            font.setBold(true);
            caption->setFont(font);
        }
    });
    connect(field, &TDollarEdit::exited, this, [this, tag] {
        if (QLabel* caption = captionsByTag_[tag]) {
            QFont font = caption->font();
            font.setBold(false);
            caption->setFont(font);
        }
    });
    fields_[fieldName] = field;
    return field;
}

QWidget* TFrmManual::buildSections()
{
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("ScrollContent"));
    auto* grid = new QGridLayout(content);

    const auto section = [&](const char* heading, const std::vector<ManualRow>& rows, bool other) {
        auto* box = new QGroupBox(QString::fromLatin1(heading), content);
        auto* rowsGrid = new QGridLayout(box);
        int line = 0;
        for (const ManualRow& row : rows) {
            auto* caption = new QLabel(QString::fromLatin1(row.caption), box);
            caption->setObjectName(QString::fromLatin1(row.label));
            captions_[caption->objectName()] = caption;
            captionsByTag_[row.tag] = caption;
            // The caption of the focused entry turns bold: its room is the bold text's, so the
            // entries beside it keep their place.
            QFont bold = caption->font();
            bold.setBold(true);
            caption->setMinimumWidth(QFontMetrics(bold).horizontalAdvance(caption->text()) + 2 * caption->margin());
            if (row.userItem != 0)
                caption->setProperty("userItem", row.userItem);
            rowsGrid->addWidget(caption, line, 0);
            if (row.hours) {
                TDollarEdit* hours = addField(row.hours, row.tag, true, other);
                rowsGrid->addWidget(hours, line, 1);
                auto* clock = new QToolButton(box);
                const int clockTag = 101 + static_cast<int>(clockButtons_.size());
                clock->setObjectName(QStringLiteral("Btn") + caption->objectName().mid(3));
                clock->setIcon(ClockIcon());
                clock->setToolTip(QStringLiteral("Enter %1 in hours and minutes").arg(QLatin1String(row.clockHint)));
                clock->setFocusPolicy(Qt::NoFocus);
                clockButtons_[clockTag] = clock;
                connect(clock, &QToolButton::clicked, this, [this, clockTag] { BtnPayClockClick(clockTag); });
                rowsGrid->addWidget(clock, line, 2);
            }
            rowsGrid->addWidget(addField(row.amount, row.tag, false, other), line, 3);
            if (row.liability)
                rowsGrid->addWidget(addField(row.liability, row.tag, false, other), line, 4);
            ++line;
        }
        rowsGrid->setColumnStretch(0, 1);
        rowsGrid->setRowStretch(line, 1);
        return box;
    };

    grid->addWidget(section("Earnings", kEarnings, false), 0, 0);
    grid->addWidget(section("Taxes, Deductions and Employer Liabilities", kTaxes, false), 0, 1, 2, 1);
    auto* lower = new QVBoxLayout;
    lower->addWidget(section("Other Employer Liabilities", kLiabilities, false));
    lower->addWidget(section("Third-Party Sick Pay (TPSP)", kSickPay, false));
    grid->addLayout(lower, 1, 0, 2, 1);
    grid->addWidget(section("Other Payroll Information", kOtherInformation, true), 2, 1);
    clockButtons_[101]->setObjectName(QStringLiteral("BtnRegularTime"));
    clockButtons_[102]->setObjectName(QStringLiteral("BtnOverTime"));
    clockButtons_[103]->setObjectName(QStringLiteral("BtnHolidayTime"));
    clockButtons_[104]->setObjectName(QStringLiteral("BtnVacationTime"));
    clockButtons_[105]->setObjectName(QStringLiteral("BtnSickTime"));
    clockButtons_[106]->setObjectName(QStringLiteral("BtnOtherTime"));
    return content;
}

QHBoxLayout* TFrmManual::buildBottomRow()
{
    QHBoxLayout* row = MakeNavigatorBar(RSNavigator, BtnClose, BtnHelp, AllNavBtns);
    BtnClose->setText(QStringLiteral("Clo&se"));
    RSNavigator->SetBtnFirstHint(QStringLiteral("First Employee (Alt+F)"));
    RSNavigator->SetBtnNextHint(QStringLiteral("Next Employee (Alt+N)"));
    RSNavigator->SetBtnPriorHint(QStringLiteral("Prior Employee (Alt+P)"));
    RSNavigator->SetBtnLastHint(QStringLiteral("Last Employee (Alt+L)"));
    RSNavigator->SetBtnListHint(QStringLiteral("List Employees (Alt+I)"));
    RSNavigator->SetBtnNewHint(QStringLiteral("New Employee (Alt+E)"));
    RSNavigator->SetBtnDeleteHint(QStringLiteral("Delete Employee Payroll (Alt+D)"));
    // The window moves through the employees itself: only those who may be paid, one round at most.
    RSNavigator->OnBeforeAction = [this](TRSNavigator& sender) {
        try {
            RSNavigatorBeforeAction();
        } catch (const std::exception& error) {
            sender.Cancel();
            LedgoraApplication::ShowException(error);
        }
    };

    BtnProcess = Button(this, "BtnProcess", "P&rocess");
    BtnCalculate = Button(this, "BtnCalculate", "&Calculate");
    BtnEmployees = Button(this, "BtnEmployees", "E&mployees");
    BtnRecurring = Button(this, "BtnRecurring", "Rec&urring");
    BtnPriorPeriods = Button(this, "BtnPriorPeriods", "Pri&or Periods");
    BtnYTD = Button(this, "BtnYTD", "&YTD");
    int at = row->indexOf(BtnClose);
    for (QPushButton* button : {BtnProcess, BtnCalculate, BtnEmployees, BtnRecurring, BtnPriorPeriods, BtnYTD})
        row->insertWidget(at++, button);

    const auto guarded = [this](void (TFrmManual::*handler)()) {
        return [this, handler] {
            try {
                (this->*handler)();
            } catch (const std::exception& error) {
                LedgoraApplication::ShowException(error);
            }
        };
    };
    connect(BtnProcess, &QPushButton::clicked, this, guarded(&TFrmManual::BtnProcessClick));
    connect(BtnCalculate, &QPushButton::clicked, this, guarded(&TFrmManual::BtnCalculateClick));
    connect(BtnEmployees, &QPushButton::clicked, this, guarded(&TFrmManual::BtnEmployeesClick));
    connect(BtnRecurring, &QPushButton::clicked, this, guarded(&TFrmManual::BtnRecurringClick));
    connect(BtnPriorPeriods, &QPushButton::clicked, this, guarded(&TFrmManual::BtnPriorPeriodsClick));
    connect(BtnYTD, &QPushButton::clicked, this, [this] { ShowEmployeeYearToDate(this); });
    return row;
}

TDollarEdit* TFrmManual::Field(const QString& name) const
{
    const auto found = fields_.find(name);
    return found == fields_.end() ? nullptr : found->second;
}

QLabel* TFrmManual::Caption(const QString& name) const
{
    const auto found = captions_.find(name);
    return found == captions_.end() ? nullptr : found->second;
}

QToolButton* TFrmManual::ClockButton(int tag) const
{
    const auto found = clockButtons_.find(tag);
    return found == clockButtons_.end() ? nullptr : found->second;
}

void TFrmManual::showEvent(QShowEvent* event)
{
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    TSetupScreen::showEvent(event);
}

void TFrmManual::FormShow()
{
    const CompanyRecord& c = CompanyRec;
    PayDateFromTo->setText(QStringLiteral("Pay Period: ") + c.PayDateFrom.get() + QStringLiteral(" to ")
                           + c.PayDateTo.get());
    PayDate->setText(QStringLiteral("Pay Date: ") + c.PayDate.get());
    ShowUserItems();
    TRecordSet& employees = DataModule().RSEmployee;
    employees.GetRec();
    MoveToEligibleEmployee(true, true);
    RSNavigator->SetRecordSet(&employees);
    if (CurFileName.compare(TemplateFileName, Qt::CaseInsensitive) == 0)
        RSNavigator->SetVisibleButtons(AllNavBtns & ~NavBtn(nbNew) & ~NavBtn(nbDelete));
    LoadManualForm(*this);
    ShowReportButtons();
    ShowCaption();
    Field(QStringLiteral("RegularTime"))->setFocus();
}

void TFrmManual::ShowUserItems()
{
    for (const auto& [name, caption] : captions_) {
        const int item = caption->property("userItem").toInt();
        if (item == 0)
            continue;
        const QString itemName = UserItemName(item);
        caption->setText(itemName);
    }
    for (const auto& [name, field] : fields_) {
        const QLabel* caption = captionsByTag_[field->property("tag").toInt()];
        if (!caption || caption->property("userItem").toInt() == 0)
            continue;
        const bool blank = IsBlank(caption->text());
        field->setReadOnly(blank);
        field->setFocusPolicy(blank ? Qt::NoFocus : Qt::StrongFocus);
    }
}

void TFrmManual::ShowCaption()
{
    setWindowTitle(QStringLiteral("Employee Manual Entry - ") + GetEmployeeName(1, false).trimmed());
}

void TFrmManual::ShowReportButtons()
{
    const bool paidThisYear = EmployeeRec.GrossWages[kYearToDateColumn] != 0;
    BtnYTD->setEnabled(paidThisYear);
    // The prior-period view shows stored periods; before the first posting there is none.
    BtnPriorPeriods->setEnabled(paidThisYear && CompanyRec.PriorPeriodCount > 0);
}

void LoadManualForm(TFrmManual& form)
{
    const bool modified = ManualEntryModified;
    form.loading_ = true;
    EmployeeRecord& e = EmployeeRec;
    form.CheckNumber->setText(QStringLiteral("Check #: %1").arg(e.CheckNumber));
    for (const auto& [name, field] : form.fields_) {
        if (Contains(kHourFields, std::size(kHourFields), name))
            field->setValue(*HourField(e, name));
        else
            field->setValue(AmountGroup(e, AmountGroupNumber(name))[Now]);
    }
    form.Caption(QStringLiteral("LblOtherTime"))->setText(e.OtherRateDesc.get());
    const bool hourly = !e.Salaried;
    form.ClockButton(101)->setEnabled(hourly);
    form.ClockButton(103)->setEnabled(hourly);

    const double vacationLeft = e.VactAccrued - e.VacationPaid[4];
    const double sickLeft = e.SickAccrued - e.SickTimePaid[4];
    TDollarEdit* vacation = form.Field(QStringLiteral("VacationTime"));
    TDollarEdit* sick = form.Field(QStringLiteral("SickTime"));
    vacation->setMaxValue(vacationLeft);
    sick->setMaxValue(sickLeft);
    const std::pair<TDollarEdit*, bool> readOnly[] = {
        {form.Field(QStringLiteral("OverTime")), e.OverTimeRate == 0},
        {form.Field(QStringLiteral("OtherTime")), e.OtherRate == 0},
        {vacation, e.VactAccrued == 0 || !(vacationLeft > 0)},
        {sick, e.SickAccrued == 0 || !(sickLeft > 0)},
    };
    for (const auto& [field, locked] : readOnly) {
        field->setReadOnly(locked);
        field->setFocusPolicy(locked ? Qt::NoFocus : Qt::StrongFocus);
    }
    form.ClockButton(102)->setEnabled(hourly && !readOnly[0].second);
    form.ClockButton(106)->setEnabled(hourly && !readOnly[1].second);
    form.ClockButton(104)->setEnabled(hourly && !readOnly[2].second);
    form.ClockButton(105)->setEnabled(hourly && !readOnly[3].second);
    form.loading_ = false;
    ManualEntryModified = modified;
}

void SaveManualForm(TFrmManual& form)
{
    const bool modified = ManualEntryModified;
    EmployeeRecord& e = EmployeeRec;
    e.CheckNumber = TextToInt(form.CheckNumber->text());
    for (const auto& [name, field] : form.fields_) {
        if (Contains(kHourFields, std::size(kHourFields), name))
            *HourField(e, name) = field->value();
        else
            AmountGroup(e, AmountGroupNumber(name))[Now] = field->value();
    }
    e.FW2CtrlNum = FW2ControlNumberOf(e.LastName.get(), e.SocSecNum.get(), e.FW2CtrlNum.get());
    ManualEntryModified = modified;
}

void TFrmManual::FieldChange()
{
    if (!loading_)
        ManualEntryModified = true;
}

bool TFrmManual::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == CheckNumber) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            CheckNumberDblClick();
            return true;
        }
        if (event->type() == QEvent::FocusOut)
            CheckNumberExit();
    }
    return TSetupScreen::eventFilter(watched, event);
}

void TFrmManual::CheckNumberDblClick()
{
    if (!CheckNumber->isReadOnly())
        return;
    QString digits;
    for (const QChar ch : CheckNumber->text()) {
        if (ch.isDigit())
            digits += ch;
    }
    CheckNumber->setText(digits.isEmpty() ? QStringLiteral("0") : digits);
    CheckNumber->setMaxLength(6);
    CheckNumber->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), CheckNumber));
    CheckNumber->setToolTip(QString());
    CheckNumber->setReadOnly(false);
    CheckNumber->setFocusPolicy(Qt::StrongFocus);
    CheckNumber->setFocus();
    CheckNumber->selectAll();
}

void TFrmManual::CheckNumberExit()
{
    if (CheckNumber->isReadOnly())
        return;
    CheckNumber->setReadOnly(true);
    CheckNumber->setValidator(nullptr);
    CheckNumber->setMaxLength(32767);
    CheckNumber->setText(QStringLiteral("Check #: ") + CheckNumber->text());
    CheckNumber->setToolTip(QString::fromLatin1(kCheckNumberHint));
    CheckNumber->setFocusPolicy(Qt::ClickFocus);
}

void TFrmManual::changePay(const std::function<void()>& change)
{
    // Checks are numbered for the employees who get one: gaining or losing the check shifts the
    // numbers of the employees after this one, whichever way the pay changed.
    const bool hadPay = EmployeeHasPay();
    change();
    if (RenumberIfPayChanged(hadPay))
        LoadManualForm(*this);
}

void TFrmManual::recompute(bool processing)
{
    CheckNumberExit();
    changePay([this, processing] {
        SaveManualForm(*this);
        if (processing)
            RecalculateManualPay();
        else
            CalculateTotals();
        LoadManualForm(*this);
    });
}

void TFrmManual::BtnProcessClick()
{
    recompute(true);
    WarnOfStateTableForCurrentEmployee();
}

void TFrmManual::BtnCalculateClick()
{
    recompute(false);
}

void TFrmManual::CalculateTotals()
{
    UpdateTotalColumn(Now);
}

void TFrmManual::AskReprocess()
{
    if (ManualEntryModified
        && AppMessageBox(QStringLiteral("You  have  modified  a field which requires that the~payroll be re-processed. "
                                        "Do you wish to re-process~this employee's payroll now?"),
                         AppTitle(), MbYesNo | MbIconInformation)
               == IdYes) {
        SaveManualForm(*this);
        RecalculateManualPay();
        LoadManualForm(*this);
    }
    ManualEntryModified = false;
}

void TFrmManual::CheckQualifiedOT()
{
    TDollarEdit* qualified = Field(QStringLiteral("QualifiedOT"));
    if (qualified->value() > 0 && Field(QStringLiteral("RegularTime"))->value() < 40) {
        qualified->setFocus();
        throw EFieldException(QStringLiteral("Qualified overtime compensation is not valid.~The employee has not met "
                                             "the 40 regular hours requirement."));
    }
}

void TFrmManual::storeShownEmployee()
{
    changePay([this] {
        AskReprocess();
        SaveManualForm(*this);
        CalculateTotals();
        DataModule().RSEmployee.PostRec();
    });
}

void TFrmManual::CheckEligibleOrStay(int noted)
{
    if (CheckEmployeeEligible(true) == 0)
        return;
    TRecordSet& employees = DataModule().RSEmployee;
    employees.SetCurrentRecord(noted);
    employees.GetRec();
}

void TFrmManual::RSNavigatorBeforeAction()
{
    const TButtonAction action = RSNavigator->Action();
    RSNavigator->Cancel();
    CheckQualifiedOT();
    TRecordSet& employees = DataModule().RSEmployee;
    const int noted = employees.CurrentRecord();
    CheckNumberExit();
    if (action == baDelete && Field(QStringLiteral("GrossWages"))->value() == 0)
        return;
    storeShownEmployee();
    switch (action) {
    case baFirst:
        employees.FirstRec();
        CheckEligibleOrStay(noted);
        break;
    case baLast:
        employees.LastRec();
        CheckEligibleOrStay(noted);
        break;
    case baList:
        ShowRecList();
        CheckEligibleOrStay(noted);
        break;
    case baNext:
        MoveToEligibleEmployee(true, false);
        break;
    case baPrior:
        MoveToEligibleEmployee(false, false);
        break;
    case baNew:
        if (ShowNewEmployeeDialog(this)) {
            employees.LastRec();
            CheckEligibleOrStay(noted);
        }
        break;
    case baDelete:
        changePay([this] { DeleteFromPayroll(); });
        break;
    }
    LoadManualForm(*this);
    ShowReportButtons();
    ShowCaption();
    RSNavigator->InitNavigator();
}

void TFrmManual::DeleteFromPayroll()
{
    if (AppMessageBox(QStringLiteral("Confirm request.~Delete current employee from payroll process?"), AppTitle(),
                      MbYesNo | MbIconQuestion | MbDefButton2)
        == IdYes)
        ClearCurrentPay();
}

void TFrmManual::BtnPayClockClick(int tag)
{
    static const char* const kFields[] = {"RegularTime", "OverTime", "HolidayTime", "VacationTime", "SickTime",
                                          "OtherTime"};
    TDollarEdit* hours = Field(QString::fromLatin1(kFields[tag - 101]));
    hours->setFocus();
    if (ShowModal(*FrmClock) == QDialog::Accepted) {
        hours->setValue(FrmClock->Hours());
        ManualEntryModified = true;
    }
    FrmClock->hide();
}

void TFrmManual::BtnEmployeesClick()
{
    changePay([this] {
        SaveManualForm(*this);
        DataModule().RSEmployee.PostRec();
        {
            TFrmEmployee window;
            window.RSNavigator->SetAutoPerform(false);
            ShowModal(window);
        }
        RecalculateManualPay();
    });
    ShowUserItems();
    LoadManualForm(*this);
    ShowCaption();
}

void TFrmManual::BtnRecurringClick()
{
    // The recurring screen reads the employee from the file: what was typed here is posted first.
    changePay([this] {
        SaveManualForm(*this);
        DataModule().RSEmployee.PostRec();
        {
            TFrmRecurring window;
            window.RSNavigator->SetAutoPerform(false);
            ShowModal(window);
        }
        RecalculateManualPay();
    });
    ShowUserItems();
    LoadManualForm(*this);
}

void TFrmManual::BtnPriorPeriodsClick()
{
    PPPOtherFromManual = true;
    try {
        ShowPPPOther();
    } catch (...) {
        PPPOtherFromManual = false;
        throw;
    }
    PPPOtherFromManual = false;
}

bool TFrmManual::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_End || key == Qt::Key_Home) {
        if (modifiers != Qt::ControlModifier)
            return false;
        Field(QString::fromLatin1(key == Qt::Key_End ? "QualifiedOT" : "RegularTime"))->setFocus();
        return true;
    }
    if (!NavButtonForKey(key, modifiers))
        return false;
    // The navigator's key goes no further: the field focused after the move would take its letter
    // as typed and ask for the new employee to be re-processed.
    RSNavigator->KeyDownHandler(key, modifiers);
    return true;
}

void TFrmManual::SaveScreen()
{
    CheckQualifiedOT();
    CheckNumberExit();
    storeShownEmployee();
    FinishManualEntry();
}

void TFrmManual::RevertScreen()
{
    // What was typed for the employee shown goes; what earlier moves stored stays, and so does
    // the pay run's state that follows from it.
    DataModule().RSEmployee.GetRec();
    FinishManualEntry();
}

void ShowManualEntry()
{
    CheckBrowseMode();
    if (CountEligibleEmployees() == 0) {
        AppMessageBox(QStringLiteral("Unable to display manual entry form~There are no valid employees for processing"),
                      AppTitle(), MbOk | MbIconStop);
        return;
    }
    TFrmManual window;
    ShowModal(window);
}
